#pragma once
// Helpers every screen uses on its QDialog: the fixed window of the layouts and centring.
#include <QDialog>
#include <QFont>
#include <functional>

class QShowEvent;

namespace zor {

enum class TitleButtons { CloseOnly, MinimiseAndClose, CloseAndHelp };

// Caption, fixed client size, title-bar buttons, "Verdana" 8 point, white background unless
// told otherwise. Windows start hidden.
void setupForm(QDialog* form, const QString& objectName, const QString& caption, QSize client,
               TitleButtons buttons = TitleButtons::CloseOnly, const QColor& colour = Qt::white);

// The show handler of a screen runs for the program's own show() only, centred first: a window
// the desktop merely restores (a spontaneous show) runs nothing. The handler runs in the guard.
void runShowHandler(QDialog* form, QShowEvent* e, const std::function<void()>& formShow);

// Puts the window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);

// The layouts' "Verdana" in points.
QFont verdana(int points, bool bold = false);

// Keeps every fixed-size window (every screen and message box) at its size for the whole run:
// the window flags offer no maximise, and where the desktop maximises or fills the screen with
// one anyway (a key of the desktop's, a window manager that ignores the flags), the window is put
// back. On Wayland a maximised window must take the compositor's size at once or the compositor
// ends the connection, and with it the program. So the window may take that size while the
// compositor holds it maximised, is asked back to normal at once, and gets its fixed size again
// when the compositor has let go. Installed once, on the application; call it after the
// application object exists.
void keepFixedWindowsUnmaximised();

} // namespace zor
