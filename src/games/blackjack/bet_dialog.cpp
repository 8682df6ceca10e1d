#include "games/blackjack/bet_dialog.h"

#include "controls/form.h"
#include "games/blackjack/blackjack_rules.h"
#include "platform/guard.h"
#include "settings/theme.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShowEvent>

namespace zor::bj {

BetField::BetField(QWidget* parent, const QString& name, QRect rect)
    : QSpinBox(parent)
{
    setObjectName(name);
    setGeometry(rect);
    setRange(kMinBet, kMaxBet);
    setSingleStep(1);
    // Out of range or not a number, the text is read back as a bet in range when the field is
    // left or the bet is taken.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setKeyboardTracking(false);
    // Long enough for any amount and a slip or two; a pasted essay is cut short.
    lineEdit()->setMaxLength(12);
}

QValidator::State BetField::validate(QString& input, int&) const
{
    // Whatever is typed stays in the field until it is read: an amount in range is final, any
    // other text is read as the nearest bet (or 5) once the field lets it go.
    const QString t = input.trimmed();
    bool ok = false;
    const int v = t.toInt(&ok);
    if (ok && v >= kMinBet && v <= kMaxBet)
        return QValidator::Acceptable;
    return QValidator::Intermediate;
}

int BetField::valueFromText(const QString& text) const
{
    return betFromText(text);
}

void BetField::fixup(QString& input) const
{
    input = QString::number(betFromText(input));
}

} // namespace zor::bj

Taposta::Taposta()
{
    setupLayout();
}

void Taposta::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Taposta::closeEvent(QCloseEvent* e)
{
    // The close box takes the amount shown, as "Apostar" does: a hand is never dealt for a bet
    // the player did not see.
    if (isVisible())
        zor::guarded([this] { readBet(); });
    QDialog::closeEvent(e);
}

void Taposta::keyPressEvent(QKeyEvent* e)
{
    // Without a cancel button Esc does nothing; Enter presses the default button "Apostar".
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        e->accept();
        zor::guarded([this] { BitBtn1Click(); });
        return;
    }
    QDialog::keyPressEvent(e);
}

bool Taposta::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == BitBtn1) {
        if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            pressedOnButton_ = true;
            zor::guarded([this] { BitBtn1MouseDown(); });
        } else if (e->type() == QEvent::MouseButtonRelease
                   && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && pressedOnButton_) {
            pressedOnButton_ = false;
            zor::guarded([this] { BitBtn1MouseUp(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void Taposta::FormShow()
{
    // 1 is below the range: the field starts at 5 every time.
    cn->setValue(1);
    cn->selectAll();
    cn->setFocus();
    pressedOnButton_ = false;
    zor::applyTheme({graconf});
}

void Taposta::BitBtn1MouseDown()
{
    zor::clickCue();
}

void Taposta::BitBtn1MouseUp()
{
    // The button's own release handling is skipped (the filter keeps the event), so put it back
    // to rest before the dialog goes.
    BitBtn1->setDown(false);
    zor::setBold(BitBtn1, false);
    takeBet();
}

void Taposta::BitBtn1Click()
{
    zor::setBold(BitBtn1, false);
    if (isVisible())
        takeBet();
}

void Taposta::readBet()
{
    // The text shown is what counts, even while it is still being typed.
    zor::bj::blackjack().bet = zor::bj::betFromText(cn->text());
    cn->setValue(zor::bj::blackjack().bet);
    zor::bj::tableChanged();
}

void Taposta::takeBet()
{
    readBet();
    accept();
}

void Taposta::FormMouseMove()
{
    zor::setBold(BitBtn1, true);
}

void Taposta::graconfMouseMove()
{
    zor::setBold(BitBtn1, false);
}
