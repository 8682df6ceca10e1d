#pragma once
// The program's own title bar, for desktops where the toolkit's would offer maximise.
//
// On Wayland the compositor usually leaves the title bar to the program (weston and GNOME's
// mutter draw none), and the one Qt 6.4 draws there paints close, maximise and minimise on every
// window whatever the window's flags and size limits. There each window (every screen, dialog and
// message box) is put in a frame: a borderless top-level window with a title bar of ours on top
// and the screen, unchanged, below it. The title bar shows the screen's caption and icon and only
// the buttons the screen's flags name (minimise, context help, close); a drag on it moves the
// window, a double click does nothing.
//
// The screen keeps its own coordinates and code: showing, hiding or closing it shows, hides or
// closes its frame, a modal exec() makes the frame modal, its caption, icon and size are the
// frame's, and the frame's close (the compositor's, or the bar's close button) is the screen's
// close, which the screen may refuse. window() of any control is then the frame; the window
// system's handle, activation and transient parents belong to the frame.
//
// Elsewhere (X11, where the window manager draws title bars from the flags, and the offscreen
// platform of the tests) windows are left as they are.
#include <QWidget>

namespace zor {

// Whether windows are framed: decided from the platform the first time it is asked (after the
// application object exists), unless set before.
bool ownTitleBars();
void setOwnTitleBars(bool on);

// The title bar's height in pixels.
inline constexpr int kTitleBarHeight = 30;

// Puts the window in a frame of its own when ownTitleBars() holds, with the buttons its window
// flags name. The frame takes the window's parent (so it is transient for the same window). Does
// nothing for a window already framed or a widget that is not a window. The frame is deleted with
// the window.
void frameWindow(QWidget* window);

// The frame's content for a frame, the widget itself otherwise: the screen a top-level window
// shows.
QWidget* framedContent(QWidget* window);

} // namespace zor
