#pragma once
// A focus frame that a player can see on any background: a dark blue line between two white
// ones, a few pixels outside the control that has the keyboard focus. Qt's own focus marks are
// faint and some controls of the layouts (pictures that act as buttons) have none at all.
//
// The ring is a child of its screen, drawn over the other controls and transparent for the
// mouse. It follows the keyboard focus among the screen's buttons, check boxes, radio buttons
// and focusable pictures and labels by itself; a screen that moves a keyboard cursor of its own (the main
// menu's bar) places it with showAround().
#include <QPointer>
#include <QWidget>

namespace zor {

class FocusRing final : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget* form);

    // Frames the control (its click area for check boxes and radio buttons).
    void showAround(QWidget* control);
    // Frames a rectangle of the screen (a control drawn into a picture).
    void showAt(const QRect& rect);
    void clear();
    // On by default; a screen that places the ring itself turns it off.
    void setFollowsFocus(bool on) { follows_ = on; }
    // The control framed now, or null.
    QWidget* target() const { return target_; }
    // The frame for a control, in the screen's coordinates.
    static QRect frameFor(QWidget* control);

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void follow(QWidget* now);

    QPointer<QWidget> target_;
    bool follows_ = true;
};

} // namespace zor
