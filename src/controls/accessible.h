#pragma once
// What assistive technologies (a screen reader over the desktop's accessibility bus) learn of
// the layouts' own controls.
//
// Pictures and text labels that act as buttons (a coin to pick, "Jogar", a navigation label, the
// lever) are shown as buttons: their name is the caption or hint a sighted player reads, and
// their press action does what a click does. Pictures that carry the game's state (a coin's face,
// a card, a reel) are shown as graphics named after what they show; other pictures stay
// anonymous parts of the background.
//
// Results are announced on an object whose name is the result: announce() renames it and raises
// the name-change and alert events, which screen readers speak even when the focus is elsewhere.
#include <QString>
#include <functional>

class QAccessibleEvent;
class QWidget;

namespace zor {

// Shows `control` (a picture or a label) as a button named `name` (a label's own text when
// empty), with an optional description. Its press action runs `press`, or, without one, gives
// the control a left click (press and release at its centre), the way the mouse does.
void setAccessibleButton(QWidget* control, const QString& name, const QString& description = {},
                         std::function<void()> press = {});

// Names a picture after what it shows now ("Ás de Copas", "Coroa"), and raises the name-change
// event when the name is new. An empty name makes it a nameless part of the background again.
void setPictureName(QWidget* picture, const QString& name);

// A screen that moves a keyboard cursor of its own over its pictures (the main menu's bar and
// panel) tells screen readers where it is: the control reports itself focused, and the focus
// event is raised on it. Null: the cursor left every control.
void setKeyboardCursor(QWidget* control);
// The control setKeyboardCursor() named last, while it exists.
QWidget* keyboardCursor();

// Gives `object` the result as its name and raises the name-change and alert events.
void announce(QWidget* object, const QString& text);

// Every accessibility event raised here (focus, name change, alert) is shown to the observer
// before the toolkit passes it on; the toolkit passes events on only while a screen reader
// listens, so tests look through this. Null: none.
using AccessibleEventObserver = void (*)(QAccessibleEvent* event);
void setAccessibleEventObserver(AccessibleEventObserver observer);

// True for a control assistive technologies are told a player can act on: one that takes the
// keyboard focus, or has an action other than taking the focus (a button's press, a box's tick).
bool isActionable(QWidget* control);

} // namespace zor
