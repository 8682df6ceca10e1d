#pragma once
// The real desktop services: Qt message boxes, modal showing and beeps (the random source is
// in platform/random.h).
#include "platform/random.h"
#include "platform/services.h"

#include <QMessageBox>
#include <memory>

namespace zor {

// The message box the dialogs show: application title, OK, plain text that wraps even inside
// a long unbroken run (a path, a file's bytes), so the box never grows wider than the screen.
std::unique_ptr<QMessageBox> makeMessageBox(QMessageBox::Icon icon, const QString& text, QWidget* parent);

// The window a dialog or message box about to open belongs to, so that the desktop puts it over
// that window: the modal screen on top, else the active window, else the program's window shown
// or activated last that is still on screen; never the dialog itself, a hidden or minimised
// window or a pop-up. None when the program shows no window.
QWidget* openerFor(const QWidget* dialog);
// Starts following the order in which the program's windows are shown and activated (for
// openerFor). installRealServices does it; once is enough.
void followWindowOrder();

// Dialogs are shown modally as transient windows of their opener (openerFor), which the
// compositor needs on Wayland to open them over it; message boxes are children of it.
class QtDialogs final : public Dialogs {
public:
    void message(const QString& text) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;
    int showModal(QDialog* dialog) override;
    void beep(Beep kind) override;
};

} // namespace zor
