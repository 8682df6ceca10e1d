// The slot machine's saved game: save and load with their sliding notice, the player's name, and
// a new game.
#include "games/slots/slot_machine.h"

#include "app/screens.h"
#include "games/slots/symbol_sets.h"
#include "platform/services.h"
#include "settings/store.h"
#include "shell/game_chooser.h"

#include <QScopeGuard>

using zor::Setting;
namespace cn = zor::cn;

namespace {

constexpr int kNoticeStart = 840;
constexpr int kNoticeEnd = 488;
constexpr int kNoticeY = 290;

} // namespace

// ---- Save and load ----------------------------------------------------------------------------

void Tfrm_cn::lsalvarClick()
{
    auto& store = zor::settings();
    // A save that fails (a full disk, an unwritable file) leaves the play unsaved and "Salvar
    // Jogo" as they were, so that the player can try again.
    const bool wasUnsaved = game().unsaved;
    const bool wasEnabled = lsalvar->isEnabled();
    bool written = false;
    const auto keepUnsavedOnFailure = qScopeGuard([&] {
        if (written)
            return;
        lsalvar->setEnabled(wasEnabled);
        play([wasUnsaved](cn::SlotGame& g) { g.unsaved = wasUnsaved; });
    });
    lsalvar->setEnabled(false);
    play([](cn::SlotGame& g) {
        cn::stopForSaveOrLoad(g);
        g.unsaved = false;
    });
    showLever(true);
    for (int reel = 0; reel < 3; ++reel)
        showOnReel(reel, 1, true);

    // An end requested while the name dialog was open ends the save here: nothing is written
    // and nothing reports success.
    if (!name_.askIfUnset())
        return;

    const cn::SavedGame t = cn::savedTexts(game(), ComboBox2->currentText());
    store.set(Setting::dinheirocn, t.dinheiro);
    store.set(Setting::ganhoucn, t.ganhou);
    store.set(Setting::perdeucn, t.perdeu);
    store.set(Setting::apostascn, t.apostas);
    store.set(Setting::design, t.design);
    store.set(Setting::duasiguais, t.duasiguais);
    store.set(Setting::tresiguais, t.tresiguais);
    store.set(Setting::nenhuma, t.nenhuma);
    // The game and the name are written as one set: a failure (a full disk) or a kill leaves
    // every file as it was, or every file new; after a failure no notice or success message
    // follows.
    const bool withName = name_.isSet();
    const bool saved = withName
        ? store.saveSet({Setting::dinheirocn, Setting::ganhoucn, Setting::perdeucn, Setting::apostascn,
                         Setting::design, Setting::duasiguais, Setting::tresiguais, Setting::nenhuma, Setting::nomecn})
        : store.saveSet({Setting::dinheirocn, Setting::ganhoucn, Setting::perdeucn, Setting::apostascn,
                         Setting::design, Setting::duasiguais, Setting::tresiguais, Setting::nenhuma});
    if (!saved)
        return;
    written = true;

    name_.afterSave();

    zor::clickCue();
    boldOnly(lsalvar, false);
    startNotice(QStringLiteral("O Jogo foi Salvo com Sucesso !"));
    zor::confirmation(QStringLiteral("O Jogo foi salvo com Sucesso !"));
}

void Tfrm_cn::SalvarJogo1Click()
{
    boldOnly(lsalvar, false);
    lsalvarClick();
}

void Tfrm_cn::lcarregarClick()
{
    auto& store = zor::settings();
    play([](cn::SlotGame& g) { cn::stopForSaveOrLoad(g); });
    showLever(true);
    for (int reel = 0; reel < 3; ++reel)
        showOnReel(reel, 1, true);

    name_.load();
    for (Setting s : {Setting::dinheirocn, Setting::ganhoucn, Setting::perdeucn, Setting::apostascn, Setting::design,
                      Setting::duasiguais, Setting::tresiguais, Setting::nenhuma})
        store.load(s);

    // Every file is read before any value is taken; a value that is not a whole number stops the
    // load there, with the values before it taken (cn::takeSaved).
    cn::SavedGame t;
    t.dinheiro = store.get(Setting::dinheirocn);
    t.ganhou = store.get(Setting::ganhoucn);
    t.perdeu = store.get(Setting::perdeucn);
    t.apostas = store.get(Setting::apostascn);
    t.design = store.get(Setting::design);
    t.duasiguais = store.get(Setting::duasiguais);
    t.tresiguais = store.get(Setting::tresiguais);
    t.nenhuma = store.get(Setting::nenhuma);
    play([this, &t](cn::SlotGame& g) {
        cn::takeSaved(g, t, [this](const QString& design) {
            const int index = cn::symbolSetIndex(design);
            if (index >= 0) {
                ComboBox1->setCurrentIndex(index);
                ComboBox2->setCurrentIndex(index);
                applySymbolSet(index);
            }
            idleReels();
        });
    });

    zor::clickCue();
    boldOnly(lcarregar, false);
    startNotice(QStringLiteral("O Jogo foi Carregado com Sucesso !"));
    zor::confirmation(QStringLiteral("O Jogo foi carregado com Sucesso !"));
}

void Tfrm_cn::CarregarJogo1Click()
{
    boldOnly(lcarregar, false);
    lcarregarClick();
}

// ---- The notice -------------------------------------------------------------------------------

void Tfrm_cn::startNotice(const QString& text)
{
    l->setText(text);
    // 200 pixels wide, or as wide as the text needs with this desktop's font.
    l->resize(std::max(200, l->fontMetrics().horizontalAdvance(text) + 4), l->height());
    l->move(kNoticeStart, kNoticeY);
    l->show();
    Timer4->setEnabled(true);
}

void Tfrm_cn::Timer4Timer()
{
    l->move(l->x() - 2, kNoticeY);
    if (l->x() <= kNoticeEnd) {
        l->hide();
        Timer4->setEnabled(false);
        l->move(kNoticeStart, kNoticeY);
    }
}

// ---- Name and new game ------------------------------------------------------------------------

void Tfrm_cn::nomeMouseDown()
{
    play([](cn::SlotGame& g) { g.unsaved = true; });
    if (game().spinning())
        return;
    zor::clickCue();
    name_.ask();
    lsalvar->setEnabled(true);
}

void Tfrm_cn::IniciarnovoJogo1Click()
{
    frm_Jogos->hide();
    // The close handler resets the game and brings the chooser back; the chooser is hidden again
    // at once, since the machine comes straight back with a new game.
    close();
    frm_Jogos->hide();
    show();
}
