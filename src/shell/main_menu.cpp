#include "shell/main_menu.h"

#include "controls/accessible.h"

#include "app/loading.h"
#include "app/screens.h"
#include "controls/form.h"
#include "platform/guard.h"
#include "settings/config_screen.h"
#include "settings/store.h"
#include "settings/theme.h"
#include "shell/about_screens.h"
#include "shell/alerta.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>


using zor::Setting;

namespace {

// Stands in when no music player can be made at all: the menu then simply runs silent.
class NoMusic final : public zor::MusicPlayer {
public:
    bool open(const QString&) override { return false; }
    bool isOpen() const override { return false; }
    void play() override {}
    void stop() override {}
    void rewind() override {}
};

void showAll(std::initializer_list<zor::Picture*> pictures)
{
    for (auto* p : pictures)
        p->show();
}

void hideAll(std::initializer_list<zor::Picture*> pictures)
{
    for (auto* p : pictures)
        p->hide();
}

} // namespace

Tfrm_Menu::Tfrm_Menu()
    : musica_(std::make_unique<NoMusic>())
{
    setupLayout();
    zor::guarded([this] { FormCreate(); });
}

Tfrm_Menu::~Tfrm_Menu() = default;

// ---- Form events ----------------------------------------------------------------------------

void Tfrm_Menu::FormCreate()
{
    // The player opens the piece whatever the music switch holds; a player that cannot open
    // it (no file, no MIDI output) ignores every later call, so the menu just runs silent.
    if (auto& make = zor::services().makeMusic) {
        if (auto player = make())
            musica_ = std::move(player);
    }
    musica_->open(QStringLiteral("casino.mid"));
    if (zor::isOn(Setting::musica))
        musica_->play();
}

void Tfrm_Menu::FormShow()
{
    zor::setApplicationTitle(QString::fromUtf8(zor::kTitle));
    // The start entry starts under the scene; from the first show on it lies on top, with
    // its highlight over it.
    escolher2up->raise();
    escolher2over->raise();
    // Counting on if it already runs; from the first return on at 125000 ms (see Start).
    m->setEnabled(true);
    zor::centreOnScreen(this);
}

void Tfrm_Menu::FormClose()
{
    zor::services().quit();
}

void Tfrm_Menu::FormKeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        escolheroverClick();
}

void Tfrm_Menu::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // Watches the window's own mouse events for menuover's release (see eventFilter).
    if (QWindow* w = window()->windowHandle())
        w->installEventFilter(this);
    // Restoring the minimised application runs nothing of the menu.
    if (e->spontaneous())
        return;
    // Every showing starts with no bar button reached by the keyboard.
    barFocus_ = -1;
    focusRing->clear();
    if (zor::keyboardCursor() && zor::keyboardCursor()->window() == window())
        zor::setKeyboardCursor(nullptr);
    zor::guarded([this] { FormShow(); });
}

// A button keeps the mouse from its press to its release, even when the press hides it, as
// menuover's does. Qt drops a release whose pressed widget has been hidden, so the window's
// release is taken here and handed to menuover.
bool Tfrm_Menu::eventFilter(QObject* watched, QEvent* e)
{
    if (menuoverHeld_ && watched == window()->windowHandle() && e->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
        zor::guarded([this] { menuoverMouseUp(Qt::LeftButton); });
    return QDialog::eventFilter(watched, e);
}

void Tfrm_Menu::closeEvent(QCloseEvent* e)
{
    QDialog::closeEvent(e);
    zor::guarded([this] { FormClose(); });
}

// ---- Cues -----------------------------------------------------------------------------------

void Tfrm_Menu::mousem()
{
    zor::playCue(zor::kHoverCue);
}

void Tfrm_Menu::clickc()
{
    zor::clickCue();
}

// ---- The button bar -------------------------------------------------------------------------
// The hover picture shown covers its hotspot and has no move handler of its own, so the cue
// sounds once per entry.

void Tfrm_Menu::menuupMouseMove()
{
    mousem();
    menuup->hide();
    menuover->show();
}

void Tfrm_Menu::escolherupMouseMove()
{
    mousem();
    escolherover->show();
}

void Tfrm_Menu::configupMouseMove()
{
    mousem();
    configover->show();
}

void Tfrm_Menu::ajudaupMouseMove()
{
    mousem();
    ajudaover->show();
}

void Tfrm_Menu::minupMouseMove()
{
    mousem();
    minover->show();
}

void Tfrm_Menu::closeupMouseMove()
{
    mousem();
    closeover->show();
}

// Leaving a button means moving onto the scene. An open panel stays open.
void Tfrm_Menu::fundoMouseMove()
{
    hideAll({escolher2over, ajuda2over, config2over, icon1, icon2, icone1, icone2});
    menuup->show();
    hideAll({menuover, escolherover, configover, ajudaover, minover, closeover});
}

// ---- Hover inside the panel (no sound) ------------------------------------------------------

void Tfrm_Menu::escolher2upMouseMove()
{
    escolher2over->show();
    hideAll({ajuda2over, config2over});
}

void Tfrm_Menu::ajuda2upMouseMove()
{
    showAll({escolher2up, ajuda2up, ajuda2over});
    hideAll({escolher2over, config2over});
}

void Tfrm_Menu::config2upMouseMove()
{
    config2over->show();
    hideAll({escolher2over, ajuda2over});
}

void Tfrm_Menu::config2overMouseMove()
{
    hideAll({escolher2over, ajuda2over});
}

void Tfrm_Menu::nadaMouseMove()
{
    hideAll({escolher2over, ajuda2over, config2over, icon1, icon2});
}

void Tfrm_Menu::deseMouseMove()
{
    icon1->show();
    icon2->hide();
}

void Tfrm_Menu::casMouseMove()
{
    icon2->show();
    icon1->hide();
}

void Tfrm_Menu::nada2MouseMove()
{
    hideAll({icon1, icon2, icone1, icone2});
}

void Tfrm_Menu::diminuir1MouseMove()
{
    icone1->show();
    icone2->hide();
}

void Tfrm_Menu::sair1MouseMove()
{
    icone2->show();
    icone1->hide();
}

void Tfrm_Menu::menuclickMouseMove()
{
    hideAll({icone1, icone2});
}

void Tfrm_Menu::makinaMouseMove()
{
    hideAll({escolher2over, config2over});
}

// ---- Opening and closing the panel ----------------------------------------------------------

void Tfrm_Menu::menuoverMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    menuoverHeld_ = true;
    clickc();
    showAll({escolher2up, ajuda2up, config2up, dese, cas, sair1, diminuir1});
    hideAll({menuover, menuup});
    menuclick->show();
}

void Tfrm_Menu::menuoverMouseUp(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    menuoverHeld_ = false;
    menuprincipal->show();
}

void Tfrm_Menu::fecharPainel()
{
    hideAll({escolher2up, escolher2over, ajuda2up, ajuda2over, config2up, config2over, icon1, dese,
             icon2, cas, sair1, diminuir1, icone1, icone2, menuclick});
    menuup->show();
    menuprincipal->hide();
}

void Tfrm_Menu::menuclickMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    clickc();
    fecharPainel();
    // The pointer is still on the button.
    menuover->show();
}

void Tfrm_Menu::menuclickClick()
{
    fecharPainel();
}

void Tfrm_Menu::fundoClick()
{
    // Closes an open panel; the bar's highlights stay until the next move over the scene.
    fecharPainel();
}

void Tfrm_Menu::esconderMenu()
{
    // menuup is left hidden if it was: the next move over the scene shows it.
    hideAll({menuprincipal, icon1, icon2, dese, cas, sair1, diminuir1, icone1, icone2, escolher2up,
             escolher2over, ajuda2up, ajuda2over, ajudaover, menuclick, menuover, escolherover,
             configover, minover, closeover, config2up, config2over});
}

void Tfrm_Menu::escolheroverMouseUp()
{
    esconderMenu();
}

// ---- Actions --------------------------------------------------------------------------------

// Start: off to the game chooser. The music stops and waits at its beginning; from the return
// to the menu on it restarts every 125000 ms.
void Tfrm_Menu::escolheroverClick()
{
    m->setEnabled(false);
    m->setInterval(125000);
    clickc();
    Loading->hide();
    hide();
    musica_->stop();
    musica_->rewind();
    esconderMenu();
    frm_Jogos->show();
    zor::sound().stop();
}

void Tfrm_Menu::configoverClick()
{
    clickc();
    esconderMenu();
    zor::dialogs().showModal(frm_conf);
}

void Tfrm_Menu::ajudaoverClick()
{
    zor::dialogs().showModal(ajudamenu1);
    clickc();
    esconderMenu();
}

void Tfrm_Menu::deseClick()
{
    zor::dialogs().showModal(desen);
    clickc();
    esconderMenu();
}

void Tfrm_Menu::icon1Click()
{
    zor::dialogs().showModal(desen);
    esconderMenu();
}

void Tfrm_Menu::casClick()
{
    zor::dialogs().showModal(cassino);
    clickc();
    esconderMenu();
}

// Music and timers go on while minimised; restoring runs nothing of the menu.
void Tfrm_Menu::minoverClick()
{
    zor::services().minimise();
    minover->hide();
    esconderMenu();
}

void Tfrm_Menu::closeoverClick()
{
    zor::services().quit();
    esconderMenu();
}

// ---- Timers ---------------------------------------------------------------------------------

void Tfrm_Menu::pose()
{
    zor::random().reseed();
    switch (zor::random().draw(3)) {
    case 1:
        showAll({head, braco2, head3});
        hideAll({luz, roletaover, braco1, head4});
        break;
    case 2:
        showAll({luz, roletaover2, braco1, head4});
        hideAll({head, braco2, head3});
        break;
    default:
        showAll({roletaover, braco1, head3, head4});
        hideAll({roletaover2, braco2});
        break;
    }
}

// The pose chain t -> t2 -> t3 -> t, 1200 ms apart. Only t reads the animation switch.
void Tfrm_Menu::tTimer()
{
    if (zor::isOff(Setting::animacao)) {
        for (zor::Timer* timer : {t, t2, t3, t4, t5})
            timer->setEnabled(false);
        return;
    }
    pose();
    t->setEnabled(false);
    t2->setEnabled(true);
}

void Tfrm_Menu::t2Timer()
{
    pose();
    t2->setEnabled(false);
    luz2->hide();
    t3->setEnabled(true);
}

void Tfrm_Menu::t3Timer()
{
    pose();
    t3->setEnabled(false);
    makina2->show();
    braco3->hide();
    t->setEnabled(true);
}

// The blink, two frames of 559 ms.
void Tfrm_Menu::t4Timer()
{
    showAll({luzes, makina3, makina});
    head2->hide();
    braco3->show();
    makina2->hide();
    t4->setEnabled(false);
    makina4->hide();
    t5->setEnabled(true);
}

void Tfrm_Menu::t5Timer()
{
    makina4->show();
    hideAll({luzes, makina3, makina});
    showAll({head2, luz2});
    t4->setEnabled(true);
    t5->setEnabled(false);
}

// The one-time warning, over whatever screen is in front.
void Tfrm_Menu::alertatTimer()
{
    alertat->setEnabled(false);
    if (zor::isOn(Setting::msg)) {
        zor::dialogs().beep(zor::Beep::Question);
        zor::dialogs().showModal(Alerta);
    }
}

// Music restart: the piece starts over from its beginning.
void Tfrm_Menu::Timer1Timer()
{
    if (!zor::isOn(Setting::musica))
        return;
    musica_->stop();
    musica_->rewind();
    musica_->play();
}
