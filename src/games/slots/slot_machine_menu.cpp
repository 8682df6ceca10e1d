// The slot machine's options panel and menu, its tabs, the symbol sets with their two choosers
// and previews, and the looks the pointer gives the options.
#include "games/slots/slot_machine.h"

#include "app/screens.h"
#include "games/slots/symbol_sets.h"
#include "platform/services.h"
#include "settings/config_screen.h"
#include "settings/design_screen.h"
#include "settings/store.h"
#include "shell/about_screens.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"

using zor::Setting;
namespace cn = zor::cn;

// ---- Fonts of the options ---------------------------------------------------------------------

// Bold or not, never underlined.
void Tfrm_cn::boldOnly(QWidget* w, bool bold)
{
    QFont f = w->font();
    if (f.bold() == bold && !f.underline())
        return;
    f.setBold(bold);
    f.setUnderline(false);
    w->setFont(f);
}

void Tfrm_cn::boldUnderlined(QWidget* w)
{
    QFont f = w->font();
    if (f.bold() && f.underline())
        return;
    f.setBold(true);
    f.setUnderline(true);
    w->setFont(f);
}

void Tfrm_cn::underlined(QWidget* w, bool on)
{
    QFont f = w->font();
    if (f.underline() == on)
        return;
    f.setUnderline(on);
    w->setFont(f);
}

// ---- Options and menu -------------------------------------------------------------------------

void Tfrm_cn::Sairparaomenuprincipal1Click()
{
    zor::clickCue();
    close();
    boldOnly(l33, true);
    frm_Jogos->close();
}

void Tfrm_cn::SairparaateladeJogos1Click()
{
    zor::clickCue();
    boldOnly(l4, true);
    close();
}

void Tfrm_cn::SairdoJogo1Click()
{
    zor::endProgram();
    boldOnly(l5, true);
}

void Tfrm_cn::Design1Click()
{
    design->show();
}

void Tfrm_cn::Configuracoes1Click()
{
    showModal(frm_conf);
    boldOnly(l1, false);
}

void Tfrm_cn::CacaNiquel1Click()
{
    showModal(ajudacn);
    zor::clickCue();
}

void Tfrm_cn::SobreoCassinoZOR1Click()
{
    showModal(cassino);
    zor::clickCue();
}

void Tfrm_cn::SobreosDesenvolvedores1Click()
{
    showModal(desen);
    zor::clickCue();
}

void Tfrm_cn::pagecontrol1Change()
{
    idleReels();
    applyScreenTheme();
}

void Tfrm_cn::applyScreenTheme()
{
    // A picture-name theme goes to the machine tab's background only.
    if (zor::themeNumber(zor::setting(Setting::memo)) == 0)
        zor::applyTheme({graconf});
    else
        zor::applyTheme({graconf, graconf2, graconf3});
}

// ---- Symbol sets ------------------------------------------------------------------------------

void Tfrm_cn::ComboBox1Click()
{
    ComboBox2->setCurrentIndex(ComboBox1->currentIndex());
    lsalvar->setEnabled(true);
    play([](cn::SlotGame& g) { g.unsaved = true; });
}

void Tfrm_cn::ComboBox2Click()
{
    ComboBox1->setCurrentIndex(ComboBox2->currentIndex());
    lsalvar->setEnabled(true);
    play([](cn::SlotGame& g) { g.unsaved = true; });
}

void Tfrm_cn::ComboBox1Select()
{
    const int index = cn::symbolSetIndex(ComboBox1->currentText());
    if (index >= 0)
        applySymbolSet(index);
    // While a spin runs the reels keep cycling and take the new pictures at their next tick.
    idleReels();
}

void Tfrm_cn::applySymbolSet(int index)
{
    const cn::SymbolSet& set = cn::symbolSets()[index];
    // The previews load first: a picture that cannot be read stops here, and the reels keep the
    // set they had.
    for (int i = 0; i < 4; ++i)
        previews_[i]->loadFromFile(set.files[i]);
    for (int i = 0; i < 4; ++i)
        symbolCache_.insert(set.files[i], previews_[i]->picture());
    play([&set](cn::SlotGame& g) { g.symbols = set.files; });
}

void Tfrm_cn::applyStoredSymbolSet()
{
    auto& store = zor::settings();
    store.load(Setting::design);
    const QString name = store.get(Setting::design);
    const int index = cn::symbolSetIndex(name);
    // A name that is none of the five leaves the choosers, previews and symbols as they were.
    if (index < 0)
        return;
    ComboBox1->setCurrentIndex(index);
    ComboBox2->setCurrentIndex(index);
    applySymbolSet(index);
}

void Tfrm_cn::Button1Click()
{
    showModal(design);
    applyScreenTheme();
}

// ---- Pointer moves ----------------------------------------------------------------------------

void Tfrm_cn::optionMouseMove(zor::Label* option)
{
    boldUnderlined(option);
}

void Tfrm_cn::Image2MouseMove()
{
    underlined(Label11, true);
    for (zor::Label* o : options_)
        boldOnly(o, true);
}

void Tfrm_cn::machineMouseMove()
{
    underlined(Label11, false);
}

void Tfrm_cn::nomeMouseMove()
{
    latch_.enter();
    const Qt::CursorShape cursor = game().spinning() ? Qt::ArrowCursor : Qt::PointingHandCursor;
    if (nome->cursor().shape() != cursor)
        nome->setCursor(cursor);
}

void Tfrm_cn::sheetMouseMove()
{
    latch_.clear();
}

void Tfrm_cn::Button1MouseMove()
{
    latch_.enter();
}
