#pragma once
// The bet dialog "Faça sua aposta", shown at the start of every hand: "€$", the amount (5 to
// 100, starting at 5 each time) and ",00", and the default button "Apostar".
//
// However the dialog is left (a mouse release after a press on "Apostar", Enter anywhere in the
// dialog, Space on the button, the close box), the amount shown becomes the bet, pulled into
// 5..100 first; text that is not a number reads as 5.
#include "controls/picture.h"
#include "controls/widgets.h"

#include <QDialog>
#include <QSpinBox>

class QLineEdit;

namespace zor::bj {

// The amount field: it takes any text while it is typed (so "250" can be typed whole, and
// letters or a pasted text do not simply vanish) and reads it with betFromText, so its value
// always stays within 5..100.
class BetField : public QSpinBox {
    Q_OBJECT
public:
    BetField(QWidget* parent, const QString& name, QRect rect);
    // The text field inside (tests type into it).
    QLineEdit* editor() const { return lineEdit(); }

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;
};

} // namespace zor::bj

class Taposta final : public QDialog {
    Q_OBJECT
public:
    Taposta();

    zor::Picture* graconf = nullptr;
    zor::Label* Label2 = nullptr; // "€$"
    zor::bj::BetField* cn = nullptr;
    zor::Label* Label1 = nullptr; // ",00"
    zor::Button* BitBtn1 = nullptr; // "Apostar"
    QLineEdit* Edit1 = nullptr;    // never visible

    void FormShow();
    void BitBtn1MouseDown();
    // A release of the mouse button pressed on "Apostar", wherever the pointer then is.
    void BitBtn1MouseUp();
    // "Apostar" pressed by the keyboard (Enter, Space) or clicked.
    void BitBtn1Click();
    void FormMouseMove(); // also BitBtn1MouseMove
    void graconfMouseMove();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void setupLayout();
    // The amount shown, pulled into 5..100, becomes the bet.
    void readBet();
    // The bet is read and the dialog closes with OK.
    void takeBet();

    bool pressedOnButton_ = false;
};
