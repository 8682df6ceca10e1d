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

class QtDialogs final : public Dialogs {
public:
    void message(const QString& text) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;
    int showModal(QDialog* dialog) override;
    void beep(Beep kind) override;
};

} // namespace zor
