// The coin table's saves: "Salvar jogo", "Carregar último jogo", the player's name with its
// dialog, and the balloon that reports a save or a load.
#include "games/coin/coin_table.h"

#include "app/pending_screens.h"
#include "app/screens.h"
#include "games/coin/coin_game.h"
#include "games/coin/mode_dialog.h"
#include "platform/services.h"
#include "settings/store.h"

using zor::Setting;
using zor::coin::game;

void TCoC_jogo::b7Click()
{
    zor::coin::CoinGame& g = game();
    const int theme = checkedTheme();
    if (theme)
        zor::settings().set(Setting::memo, QString::number(theme));
    // Without a name the dialog asks for one first. An end requested while it was open ends
    // the save here: nothing is written and nothing reports success.
    if (!name_.askIfUnset())
        return;
    const zor::coin::SavedGame t = zor::coin::savedTexts(g);
    zor::settings().set(Setting::modo, t.modo);
    zor::settings().set(Setting::dinheiro, t.dinheiro);
    zor::settings().set(Setting::ganhou, t.ganhou);
    zor::settings().set(Setting::perdeu, t.perdeu);
    zor::settings().set(Setting::coc, t.coc);
    zor::settings().set(Setting::valor, t.valor);
    zor::settings().set(Setting::apostas, t.apostas);
    // The theme, the game and the name are written as one set: a failure (a full disk) or a
    // kill leaves every file as it was, or every file new.
    const bool withName = name_.isSet();
    const bool saved = withName
        ? zor::settings().saveSet({Setting::memo, Setting::modo, Setting::coc, Setting::valor, Setting::dinheiro,
                                   Setting::ganhou, Setting::perdeu, Setting::apostas, Setting::nome})
        : zor::settings().saveSet({Setting::memo, Setting::modo, Setting::coc, Setting::valor, Setting::dinheiro,
                                   Setting::ganhou, Setting::perdeu, Setting::apostas});
    if (!saved)
        return;
    name_.afterSave();
    // Only a save that has written every file counts: a failure above leaves the play unsaved.
    g.unsaved = false;
    zor::clickCue();
    zor::setBold(b7, false);
    b7->setEnabled(false);
    showBalloon(QStringLiteral("salvo com sucesso !"), 395);
    zor::confirmation(QStringLiteral("O Jogo foi salvo com Sucesso !"));
}

void TCoC_jogo::b8Click()
{
    // Whatever a failure leaves taken is drawn all the same.
    zor::coin::ChangeScope change;
    b6Click();
    for (Setting s : {Setting::modo, Setting::dinheiro, Setting::apostas, Setting::ganhou, Setting::perdeu,
                      Setting::nome, Setting::valor, Setting::coc})
        zor::settings().load(s);
    // All eight files are read before the name shows: a missing one leaves the label as it was.
    name_.setCaption(name_.fromBuffer());
    nome->show();
    shape->show();

    zor::coin::CoinGame& g = game();
    // Offers the toss ("Jogar Moeda") first, then takes the mode.
    zor::coin::takeMode(g, zor::setting(Setting::modo));
    if (g.mode == zor::coin::Mode::PlayerStop) {
        setPararColour(Qt::black);
        coc_modo->RadioButton2->setChecked(true);
    } else if (g.mode == zor::coin::Mode::RandomStop) {
        coc_modo->RadioButton1->setChecked(true);
    }
    zor::coin::SavedGame t;
    t.dinheiro = zor::setting(Setting::dinheiro);
    t.apostas = zor::setting(Setting::apostas);
    t.ganhou = zor::setting(Setting::ganhou);
    t.perdeu = zor::setting(Setting::perdeu);
    t.valor = zor::setting(Setting::valor);
    zor::coin::takeNumbers(g, t);
    setCoinPictures();
    g.side = zor::setting(Setting::coc);
    zor::clickCue();
    showBalloon(QStringLiteral("carregado com sucesso !"), 382);
    zor::confirmation(QStringLiteral("O Último jogo foi carregado com sucesso !"));
}

void TCoC_jogo::showBalloon(const QString& text, int left)
{
    l2->setText(text);
    l2->move(left, l2->y());
    balao->show();
    l1->show();
    l2->show();
    balao->raise();
    l1->raise();
    l2->raise();
    Timer->setEnabled(true);
}

void TCoC_jogo::TimerTimer()
{
    balao->hide();
    l1->hide();
    l2->hide();
    Timer->setEnabled(false);
}

void TCoC_jogo::nomeMouseDown()
{
    game().unsaved = true;
    zor::clickCue();
    name_.ask();
    b7->setEnabled(true);
}

void TCoC_jogo::shapeMouseDown()
{
    name_.ask();
    b7->setEnabled(true);
    zor::clickCue();
}
