#include "games/coin/coin_side_screen.h"

#include "app/pending_screens.h"
#include "app/screens.h"
#include "controls/accessible.h"
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

namespace {

// Placement of `cara` and `coroa` by coin value: left, top, width, height.
struct Placement {
    int value;
    QRect cara;
    QRect coroa;
};
const Placement kPlacements[6] = {
    {1, {281, 182, 92, 94}, {496, 184, 92, 94}},
    {5, {275, 182, 120, 120}, {483, 182, 120, 120}},
    {10, {275, 182, 108, 110}, {488, 182, 108, 110}},
    {25, {261, 179, 136, 136}, {480, 179, 136, 136}},
    {50, {266, 182, 126, 125}, {484, 182, 126, 125}},
    {100, {259, 180, 148, 148}, {470, 180, 147, 147}},
};

bool isEnter(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

Tfrm_CoC2::Tfrm_CoC2()
{
    layout();
}

void Tfrm_CoC2::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tfrm_CoC2::closeEvent(QCloseEvent* e)
{
    QDialog::closeEvent(e);
    zor::guarded([this] { FormClose(); });
}

void Tfrm_CoC2::keyPressEvent(QKeyEvent* e)
{
    // Every key but Enter, the arrows and Backspace leaves the screen as it is; Esc too, as there
    // is no cancel button (see the value screen).
    e->accept();
    const bool repeat = enterKeys_.isRepeat(e);
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (!repeat)
            zor::guarded([this] { keySide(true); });
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (!repeat)
            zor::guarded([this] { keySide(false); });
        return;
    case Qt::Key_Backspace:
        // "Voltar", back to the coin value screen.
        if (!repeat && !enterDown_ && !enterUp->enabled())
            zor::guarded([this] { backClick(); });
        return;
    default:
        break;
    }
    if (!isEnter(e))
        return;
    if (enterUp->enabled()) {
        enterUp->setEnabled(false);
        if (repeat)
            return; // still held down
        zor::guarded([this] { Label6MouseUp(); }); // released and pressed again at once
        if (isHidden())
            return;
    }
    if (!repeat) {
        enterDown_ = true;
        zor::guarded([this] { Label6MouseDown(); });
    }
}

void Tfrm_CoC2::keyReleaseEvent(QKeyEvent* e)
{
    e->accept();
    const bool repeat = enterKeys_.isRepeat(e);
    if (!isEnter(e))
        return;
    // Held down, Enter repeats as release and press pairs, not always flagged as repeats: a
    // release opens the table only when no press of its pair follows it. A release whose press
    // went to another screen (the value screen's Enter) opens nothing.
    if (!repeat && enterDown_) {
        enterDown_ = false;
        enterUp->setEnabled(true);
    }
}

void Tfrm_CoC2::keySide(bool caraSide)
{
    if (caraSide)
        caraClick();
    else
        coroaClick();
    sideMouseDown();
    focusRing->showAround(caraSide ? cara : coroa);
    // Screen readers hear the side reached, as the focus.
    zor::setKeyboardCursor(caraSide ? cara : coroa);
}

void Tfrm_CoC2::enterUpTimer()
{
    enterUp->setEnabled(false);
    Label6MouseUp();
}

void Tfrm_CoC2::mouseMoveEvent(QMouseEvent* e)
{
    if (!childAt(e->position().toPoint()))
        zor::guarded([this] { FormMouseMove(); });
    QDialog::mouseMoveEvent(e);
}

bool Tfrm_CoC2::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        if (watched == Label3 || watched == Label4)
            zor::guarded([this] { sideMouseDown(); });
        else if (watched == Label6)
            zor::guarded([this] { Label6MouseDown(); });
    } else if (e->type() == QEvent::MouseButtonRelease && watched == Label6) {
        zor::guarded([this] { Label6MouseUp(); });
    }
    return QDialog::eventFilter(watched, e);
}

void Tfrm_CoC2::ordem(int height, int left, int width, int top)
{
    cara->setGeometry(left, top, width, height);
    RadioButton1->move(left - 4, top - 4);
}

void Tfrm_CoC2::ordem2(int height, int left, int width, int top)
{
    coroa->setGeometry(left, top, width, height);
    RadioButton2->move(left - 4, top - 4);
}

void Tfrm_CoC2::FormShow()
{
    enterUp->setEnabled(false);
    enterDown_ = false;
    focusRing->clear();
    gear.state = 1;
    RadioButton1->setChecked(true);
    const int value = game().coinValue;
    for (const Placement& p : kPlacements) {
        if (p.value != value)
            continue;
        ordem(p.cara.height(), p.cara.left(), p.cara.width(), p.cara.top());
        ordem2(p.coroa.height(), p.coroa.left(), p.coroa.width(), p.coroa.top());
        const zor::coin::CoinKind* kind = zor::coin::coinKind(value);
        zor::coin::loadCoinFace(cara, QString::fromLatin1(kind->caraPicture));
        zor::coin::loadCoinFace(coroa, QString::fromLatin1(kind->coroaPicture));
    }
    RadioButton1->raise();
    RadioButton2->raise();
    focusRing->raise();
}

void Tfrm_CoC2::FormClose()
{
    frm_Jogos->show();
    if (frm_Menu)
        frm_Menu->hide();
    RadioButton1->setChecked(true);
    RadioButton2->setChecked(false);
}

// ---- The side ---------------------------------------------------------------------------------

void Tfrm_CoC2::caraClick()
{
    RadioButton1->setChecked(true);
}

void Tfrm_CoC2::coroaClick()
{
    RadioButton2->setChecked(true);
}

void Tfrm_CoC2::sideMouseDown()
{
    zor::playCueAlways(zor::kChoiceCue);
}

void Tfrm_CoC2::Label6MouseDown()
{
    game().side = RadioButton1->isChecked() ? QStringLiteral("Cara") : QStringLiteral("Coroa");
    zor::coin::recordChanged();
    zor::playCueAlways(zor::kConfirmCue);
}

void Tfrm_CoC2::Label6MouseUp()
{
    hide();
    CoC_jogo->show();
}

// ---- Hover ------------------------------------------------------------------------------------

void Tfrm_CoC2::Label6MouseMove()
{
    zor::coin::setTextColour(Label6, Qt::red);
    latch_.enter();
}

void Tfrm_CoC2::sideMouseMove(zor::Label* word)
{
    if (word)
        zor::coin::setLabelStyle(word, true, true);
    else
        latch_.enter();
}

void Tfrm_CoC2::navMouseMove(zor::Label* label)
{
    zor::coin::setLabelStyle(label, true, true, label == back);
    latch_.enter();
}

void Tfrm_CoC2::FormMouseMove()
{
    zor::coin::setTextColour(Label6, Qt::black);
    for (auto* l : {Label3, Label4, Label9, label10, label14})
        zor::coin::setLabelStyle(l, true, false);
    zor::coin::setLabelStyle(back, true, false, true);
    latch_.clear();
    gear.leave();
}

// ---- Navigation -------------------------------------------------------------------------------

void Tfrm_CoC2::backClick()
{
    zor::clickCue();
    close();
    frm_Jogos->hide();
    frm_CoC1->show();
}

void Tfrm_CoC2::Label9Click()
{
    zor::clickCue();
    close();
    frm_Jogos->close();
}

void Tfrm_CoC2::label10Click()
{
    zor::clickCue();
    close();
}

void Tfrm_CoC2::label14Click()
{
    zor::clickCue(zor::Wait::Yes);
    zor::endProgram();
}
