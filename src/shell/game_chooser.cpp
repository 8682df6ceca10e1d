#include "shell/game_chooser.h"

#include "app/pending_screens.h"
#include "app/screens.h"
#include "controls/form.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "settings/store.h"
#include "settings/theme.h"
#include "shell/main_menu.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>
#include <QShowEvent>

Tfrm_Jogos::Tfrm_Jogos()
{
    setupLayout();
}

void Tfrm_Jogos::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // No control holds the keyboard focus when the chooser comes up: Tab or an arrow key then
    // goes to the first banner.
    if (!e->spontaneous())
        setFocus(Qt::OtherFocusReason);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tfrm_Jogos::closeEvent(QCloseEvent* e)
{
    QDialog::closeEvent(e);
    zor::guarded([this] { FormClose(); });
}

void Tfrm_Jogos::keyPressEvent(QKeyEvent* e)
{
    // "Sair do Jogo" is the cancel button: Esc presses it, wherever the focus is.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        BitBtn2->click();
        return;
    }
    const QList<zor::Picture*> all = banners();
    auto* banner = qobject_cast<zor::Picture*>(focusWidget());
    const int at = all.indexOf(banner);
    switch (e->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (at >= 0) {
            zor::guarded([this, banner] { openBanner(banner); });
            return;
        }
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        all[std::min(at + 1, int(all.size()) - 1)]->setFocus(Qt::TabFocusReason);
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        all[std::max(at - 1, 0)]->setFocus(Qt::BacktabFocusReason);
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(e);
}

// A banner that takes the keyboard focus is highlighted as the pointer would highlight it; the
// highlight goes when the focus leaves it. Focus that merely comes back with the window (the
// chooser shown again) highlights nothing.
bool Tfrm_Jogos::eventFilter(QObject* watched, QEvent* e)
{
    auto* banner = qobject_cast<zor::Picture*>(watched);
    if (banner && banners().contains(banner)) {
        if (e->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                zor::guarded([this, banner] { bannerFocused(banner); });
        } else if (e->type() == QEvent::FocusOut
                   && static_cast<QFocusEvent*>(e)->reason() != Qt::ActiveWindowFocusReason
                   && static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) {
            zor::guarded([this] { graconfMouseMove(); });
        }
    }
    return QDialog::eventFilter(watched, e);
}

void Tfrm_Jogos::bannerFocused(zor::Picture* banner)
{
    graconfMouseMove();
    if (banner == coc1)
        coc1MouseMove();
    else if (banner == ca1)
        ca1MouseMove();
    else
        bl1MouseMove();
    focusRing->showAround(banner);
}

void Tfrm_Jogos::openBanner(zor::Picture* banner)
{
    // The game opens as a click on the highlighted banner opens it.
    bannerFocused(banner);
    focusRing->clear();
    if (banner == coc1)
        coc2Click();
    else if (banner == ca1)
        ca2Click();
    else
        bl2Click();
}

void Tfrm_Jogos::FormShow()
{
    // Highlights and descriptions were cleared when the chooser was last left.
    zor::applyTheme({graconf});
}

void Tfrm_Jogos::FormClose()
{
    frm_Menu->show();
    // The music was stopped and rewound when the menu was left: it starts from the beginning.
    if (zor::isOn(zor::Setting::musica))
        frm_Menu->musica().play();
    hideAll({coc2, bl2});
    zor::setBold(BitBtn2, false);
    ca2->hide();
    hideDescriptions();
}

void Tfrm_Jogos::showAll(const QList<QWidget*>& controls)
{
    for (QWidget* w : controls)
        w->show();
}

void Tfrm_Jogos::hideAll(const QList<QWidget*>& controls)
{
    for (QWidget* w : controls)
        w->hide();
}

void Tfrm_Jogos::hideDescriptions()
{
    Shape4->hide();
    hideAll(cocDescription_);
    screen1->hide();
    hideAll(caDescription_);
    screen2->hide();
    hideAll(blDescription_);
    screen3->hide();
}

// ---- Pointer moves ----------------------------------------------------------------------

void Tfrm_Jogos::coc1MouseMove()
{
    coc2->show();
    showAll(cocDescription_);
    Shape4->show();
    screen1->show();
}

void Tfrm_Jogos::ca1MouseMove()
{
    ca2->show();
    showAll(caDescription_);
    Shape4->show();
    screen2->show();
}

void Tfrm_Jogos::bl1MouseMove()
{
    bl2->show();
    showAll(blDescription_);
    Shape4->show();
    screen3->show();
}

// The banners stand apart on strips of background, so the pointer always crosses the
// background (or the header strip) between two banners and this clears the previous game's
// highlight and description before the next one shows.
void Tfrm_Jogos::graconfMouseMove()
{
    hideAll({coc2, bl2});
    zor::setBold(BitBtn2, false);
    ca2->hide();
    hideDescriptions();
}

void Tfrm_Jogos::Shape1MouseMove()
{
    zor::sharedHoverLatch().clear();
    zor::setBold(BitBtn1, false);
    zor::setBold(BitBtn2, false);
}

void Tfrm_Jogos::BitBtn1MouseMove()
{
    zor::sharedHoverLatch().enter();
    zor::setBold(BitBtn1, true);
}

void Tfrm_Jogos::BitBtn2MouseMove()
{
    zor::sharedHoverLatch().enter();
    zor::setBold(BitBtn2, true);
}

// ---- Choosing a game --------------------------------------------------------------------

// Each game's screen takes what it needs from the settings in its own show handler; the
// chooser passes nothing.
void Tfrm_Jogos::coc2Click()
{
    hide();
    coc2->hide();
    hideDescriptions();
    frm_CoC1->show();
}

void Tfrm_Jogos::ca2Click()
{
    hide();
    ca2->hide();
    hideDescriptions();
    frm_cn->show();
}

void Tfrm_Jogos::bl2Click()
{
    bl2->hide();
    // Every visit to Blackjack starts from a fresh table.
    Tfrm_bj* previous = frm_bj;
    frm_bj = new Tfrm_bj;
    if (previous) {
        // The previous table is normally hidden (closing it is what brought the player back
        // here): delete it once control is back in the event loop. One still on view goes
        // when it is closed.
        if (previous->isVisible())
            previous->setAttribute(Qt::WA_DeleteOnClose);
        else
            previous->deleteLater();
    }
    hide();
    hideDescriptions();
    frm_bj->show();
}

// ---- Buttons ----------------------------------------------------------------------------

void Tfrm_Jogos::BitBtn1Click()
{
    // Heard to its end before the chooser closes and the menu comes up.
    zor::clickCue(zor::Wait::Yes);
    close();
}

void Tfrm_Jogos::BitBtn2Click()
{
    // The cue may be cut by the program's end. Nothing is saved.
    zor::clickCue();
    zor::endProgram();
}
