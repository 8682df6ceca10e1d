#include "games/coin/coin_value_screen.h"

#include "app/pending_screens.h"
#include "app/screens.h"
#include "controls/form.h"
#include "games/coin/coin_game.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "shell/game_chooser.h"
#include "shell/main_menu.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>

#include <algorithm>

using zor::coin::game;

Tfrm_CoC1::Tfrm_CoC1()
{
    layout();
}

void Tfrm_CoC1::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // No control holds the keyboard focus when the screen comes up: an arrow or Tab then goes to
    // the first coin.
    if (!e->spontaneous())
        setFocus(Qt::OtherFocusReason);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tfrm_CoC1::closeEvent(QCloseEvent* e)
{
    QDialog::closeEvent(e);
    zor::guarded([this] { FormClose(); });
}

namespace {

bool isPickKey(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
}

} // namespace

void Tfrm_CoC1::keyPressEvent(QKeyEvent* e)
{
    const bool repeat = keys_.isRepeat(e);
    // The screen has no cancel button: Esc must not hide it behind the close handler's back,
    // which would leave no window on view.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    if (isPickKey(e)) {
        e->accept();
        if (pickUp->enabled()) {
            pickUp->setEnabled(false);
            if (repeat)
                return; // still held down
            zor::guarded([this] { pickUpTimer(); }); // released and pressed again at once
            if (isHidden())
                return;
        }
        if (!repeat)
            zor::guarded([this] { keyPick(); });
        return;
    }
    const int at = focusedCoin();
    switch (e->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        e->accept();
        pictures_[at < 0 ? 0 : std::min(at + 1, 5)]->setFocus(Qt::TabFocusReason);
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        e->accept();
        pictures_[at < 0 ? 0 : std::max(at - 1, 0)]->setFocus(Qt::BacktabFocusReason);
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(e);
}

void Tfrm_CoC1::keyReleaseEvent(QKeyEvent* e)
{
    const bool repeat = keys_.isRepeat(e);
    if (!isPickKey(e)) {
        QDialog::keyReleaseEvent(e);
        return;
    }
    e->accept();
    // Held down, a key repeats as release and press pairs, not always flagged as repeats: a
    // release opens the side screen only when no press of its pair follows it.
    if (!repeat && keyCoin_ >= 0)
        pickUp->setEnabled(true);
}

int Tfrm_CoC1::focusedCoin() const
{
    for (int i = 0; i < 6; ++i)
        if (pictures_[i]->hasFocus())
            return i;
    return -1;
}

void Tfrm_CoC1::keyPick()
{
    QWidget* w = focusWidget();
    const int coin = focusedCoin();
    if (coin >= 0) {
        keyCoin_ = coin;
        coinMouseDown(coin);
    } else if (w == Label9) {
        Label9Click();
    } else if (w == Label14) {
        Label14Click();
    } else if (w == Label10) {
        Label10Click();
    } else if (w == gear.config) {
        zor::coin::Gear::open();
    }
}

void Tfrm_CoC1::pickUpTimer()
{
    pickUp->setEnabled(false);
    const int coin = keyCoin_;
    keyCoin_ = -1;
    if (coin >= 0)
        coinMouseUp(coin);
}

void Tfrm_CoC1::mouseMoveEvent(QMouseEvent* e)
{
    if (!childAt(e->position().toPoint()))
        zor::guarded([this] { FormMouseMove(); });
    QDialog::mouseMoveEvent(e);
}

bool Tfrm_CoC1::eventFilter(QObject* watched, QEvent* e)
{
    // A coin that takes the keyboard focus is ringed as the pointer would ring it.
    if (e->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        for (int i = 0; i < 6; ++i) {
            if (watched == pictures_[i] && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                zor::guarded([this, i] {
                    FormMouseMove();
                    coinMouseMove(i, true);
                });
            }
        }
    }
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < 6; ++i) {
            if (watched != labels_[i])
                continue;
            if (e->type() == QEvent::MouseButtonPress)
                zor::guarded([this, i] { coinMouseDown(i); });
            else
                zor::guarded([this, i] { coinMouseUp(i); });
        }
    }
    return QDialog::eventFilter(watched, e);
}

void Tfrm_CoC1::FormShow()
{
    gear.state = 1;
    pickUp->setEnabled(false);
    keyCoin_ = -1;
}

void Tfrm_CoC1::FormClose()
{
    frm_Jogos->show();
    if (frm_Menu)
        frm_Menu->hide();
}

// ---- Choosing the coin ------------------------------------------------------------------------

void Tfrm_CoC1::coinMouseMove(int coin, bool overLabel)
{
    rings_[coin]->show();
    if (overLabel)
        zor::coin::setLabelStyle(labels_[coin], true, true);
    latch_.enter();
}

void Tfrm_CoC1::coinMouseDown(int coin)
{
    zor::playCue(zor::kChoiceCue);
    game().coinValue = zor::coin::kCoinValues[coin];
    zor::coin::recordChanged();
}

// The release reaches the control that took the press, wherever the pointer is by then.
void Tfrm_CoC1::coinMouseUp(int coin)
{
    hide();
    frm_CoC2->show();
    game().coinValue = zor::coin::kCoinValues[coin];
    zor::coin::recordChanged();
}

void Tfrm_CoC1::navMouseMove(zor::Label* label)
{
    zor::coin::setLabelStyle(label, true, true);
    latch_.enter();
}

void Tfrm_CoC1::FormMouseMove()
{
    for (zor::Shape* ring : rings_)
        ring->hide();
    latch_.clear();
    for (zor::Label* l : labels_)
        zor::coin::setLabelStyle(l, true, false);
    for (zor::Label* l : {Label9, Label14, Label10})
        zor::coin::setLabelStyle(l, true, false);
    gear.leave();
}

// ---- Navigation -------------------------------------------------------------------------------

void Tfrm_CoC1::Label9Click()
{
    zor::playCue(zor::kChoiceCue);
    close();
    frm_Jogos->close();
    frm_Menu->show();
    frm_Menu->musica().play();
}

void Tfrm_CoC1::Label14Click()
{
    zor::playCue(zor::kChoiceCue);
    close();
}

void Tfrm_CoC1::Label10Click()
{
    zor::playCue(zor::kChoiceCue, zor::Wait::Yes);
    zor::endProgram();
}
