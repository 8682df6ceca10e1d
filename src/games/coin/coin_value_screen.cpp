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
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>

using zor::coin::game;

Tfrm_CoC1::Tfrm_CoC1()
{
    layout();
}

void Tfrm_CoC1::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tfrm_CoC1::closeEvent(QCloseEvent* e)
{
    QDialog::closeEvent(e);
    zor::guarded([this] { FormClose(); });
}

void Tfrm_CoC1::keyPressEvent(QKeyEvent* e)
{
    // The screen has no cancel button: Esc must not hide it behind the close handler's back,
    // which would leave no window on view.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Tfrm_CoC1::mouseMoveEvent(QMouseEvent* e)
{
    if (!childAt(e->position().toPoint()))
        zor::guarded([this] { FormMouseMove(); });
    QDialog::mouseMoveEvent(e);
}

bool Tfrm_CoC1::eventFilter(QObject* watched, QEvent* e)
{
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
}

// The release reaches the control that took the press, wherever the pointer is by then.
void Tfrm_CoC1::coinMouseUp(int coin)
{
    hide();
    frm_CoC2->show();
    game().coinValue = zor::coin::kCoinValues[coin];
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
