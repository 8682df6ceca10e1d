// The coin table driven offscreen with hand-fired timer ticks, scripted draws and scripted
// dialogs: both stop modes and their settlement, the drawing of the record, the idle timers,
// the keys, reset against close, save and load with their files, failures and bad input, the
// design and help tabs.
#include "app/pending_screens.h"
#include "app/screens.h"
#include "coin_checks.h"
#include "fakes.h"
#include "games/coin/coin_game.h"
#include "platform/services.h"
#include "settings/config_screen.h"
#include "settings/store.h"
#include "shell/about_screens.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"
#include "shell/main_menu.h"
#include "shell/name_dialog.h"

#include <QDirIterator>
#include <QTabBar>
#include <QTest>
#include <climits>

using namespace zor;
using zortest::shows;
using zortest::holdKey;
using zortest::sendKey;
using zortest::showsCoin;
using zor::coin::game;

namespace {

const QStringList kCocFiles = {"modo", "coc", "valor", "dinheiro", "ganhou", "perdeu", "apostas", "nome"};
QString cocFile(const QString& name) { return QStringLiteral("Config/Jogos/coc/%1.txt").arg(name); }

// Every file of the Config tree with its bytes.
QMap<QString, QByteArray> configSnapshot()
{
    QMap<QString, QByteArray> out;
    QDirIterator it(QStringLiteral("Config"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        out.insert(f.fileName(), f.readAll());
    }
    return out;
}



} // namespace

class CoinTable : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;
    TCoC_jogo* t = nullptr;

    QStringList messages() const { return env->dialogs->texts("message"); }
    QStringList errors() const { return env->dialogs->texts("error"); }

    // Fires one tick of a timer that is running, as the message loop would.
    void fire(zor::Timer* timer, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            QVERIFY2(timer->enabled(), qPrintable(timer->objectName() + " is not running"));
            timer->tick();
        }
    }

    // The two buttons of the upper table, clicked as the player clicks them: a press and a
    // release on the control, through its real connection.
    void clickJogar() { QTest::mouseClick(t->jogar, Qt::LeftButton); }
    void clickParar() { QTest::mouseClick(t->parar, Qt::LeftButton); }

    void openTable(int value, const QString& side)
    {
        game().coinValue = value;
        game().side = side;
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t));
    }

    // Confirms the mode dialog with the given mode when the table opens it.
    void scriptMode(int mode)
    {
        env->dialogs->scripts["coc_modo"] = [mode](QDialog* d) {
            auto* m = static_cast<Tcoc_modo*>(d);
            (mode == 1 ? m->RadioButton1 : m->RadioButton2)->setChecked(true);
            (mode == 0 ? m->Button2 : m->Button1)->click();
        };
    }

    void scriptName(const QString& name)
    {
        env->dialogs->scripts["frm_nome"] = [name](QDialog*) {
            frm_nome->Edit1->setText(name);
            frm_nome->Button1->click();
        };
    }

    void chooseMode(int mode)
    {
        scriptMode(mode);
        clickJogar();
        QCOMPARE(t->jogar->text(), QStringLiteral("Jogar Moeda"));
    }

    // One random-stop toss to its end, landing on the given face.
    void randomToss(coin::Face face)
    {
        env->random->script = {face == coin::Face::Coroa ? 1 : 0};
        clickJogar();
        QVERIFY(game().tossRunning);
        fire(t->aleatorio, 150);
        QVERIFY(!game().tossRunning);
    }

    bool tossTimersOff() const
    {
        return !t->som->enabled() && !t->gira1->enabled() && !t->gira2->enabled() && !t->aleatorio->enabled();
    }

    void writeSave(const QMap<QString, QByteArray>& files)
    {
        for (auto it = files.begin(); it != files.end(); ++it)
            env->writeFile(cocFile(it.key()), it.value());
    }

private slots:
    void initTestCase() { initApplication(); }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        settings().set(Setting::som, "s");
        settings().set(Setting::msg, "n");
        game() = coin::CoinGame{};
        createScreens();
        createMainMenu();
        t = CoC_jogo;
    }

    void cleanup()
    {
        destroyScreens();
        t = nullptr;
        env.reset();
    }

    // ---- Window and show --------------------------------------------------------------------

    void windowAndShow()
    {
        QCOMPARE(t->objectName(), QStringLiteral("CoC_jogo"));
        QCOMPARE(t->size(), QSize(886, 613));
        QVERIFY(t->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(t->windowTitle(), QStringLiteral("Cassino ZOR   -   —¤÷(`[¤*   Cå®å  øü  Cørøå   *¤]´)÷¤—"));
        QCOMPARE(t->cara->geometry(), QRect(91, 54, 146, 146));
        QCOMPARE(t->coroa->geometry(), QRect(91, 54, 146, 146));
        QCOMPARE(t->Button1->y(), 292);
        QCOMPARE(t->PageControl1->y(), 295);
        QCOMPARE(t->position->maximum(), 150);
        QVERIFY(!t->findChild<Timer*>(QStringLiteral("verifica")));
        QCOMPARE(t->aleatorio->effectiveInterval(), 10);
        QCOMPARE(t->gira1->interval(), 73);
        QCOMPARE(t->Timer->interval(), 2857);

        env->writeFile("Config/cor.txt", "6");
        settings().set(Setting::memo, "2");
        game().money = 7;
        game().stake = 0.5;
        t->PageControl1->setCurrentIndex(3);
        openTable(10, "Coroa");
        // The theme comes from the file, read again at every showing.
        QCOMPARE(setting(Setting::memo), QStringLiteral("6"));
        QVERIFY(t->radios[5]->isChecked());
        for (Picture* bg : {t->graconf, t->graconf2, t->graconf3, t->graconf4, t->graconf5})
            QVERIFY(shows(bg, "grad.jpg"));
        QVERIFY(showsCoin(t->cara, "coroa4.bmp"));
        QVERIFY(showsCoin(t->coroa, "cara4.bmp"));
        QVERIFY(t->coroa->isHidden());
        QCOMPARE(game().stake, 0.10);
        QCOMPARE(game().money, 0.0);
        QCOMPARE(t->PageControl1->currentIndex(), 0);
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ 0"));
        QCOMPARE(t->o->text(), QStringLiteral("Coroa"));
        QCOMPARE(t->jogar->text(), QStringLiteral("Escolher Modo"));
        QCOMPARE(t->nome->text(), QStringLiteral("Clique aqui para Editar o seu Nome"));
        QCOMPARE(t->c->width(), t->jogar->width() + 4);
        QCOMPARE(t->shape->width(), t->nome->width() + 3);
        QVERIFY(!t->b7->isEnabled());
        QCOMPARE(env->sound->files(), QStringList());
    }

    void aMissingCoinPictureSkipsTheStake()
    {
        env->remove("coroa.bmp");
        game().stake = 0.25;
        openTable(100, "Cara");
        QCOMPARE(errors().size(), 1);
        QVERIFY(errors()[0].startsWith("Cannot open file \"coroa.bmp\""));
        QCOMPARE(game().stake, 0.25);
        QVERIFY(t->isVisible());
    }

    // ---- Mode --------------------------------------------------------------------------------

    void modeDialogCancelledAndConfirmed()
    {
        openTable(100, "Cara");
        scriptMode(0);
        clickJogar();
        QCOMPARE(env->dialogs->modalShown, QStringList({"coc_modo"}));
        QCOMPARE(t->jogar->text(), QStringLiteral("Escolher Modo"));
        QCOMPARE(game().mode, coin::Mode::NoMode);

        settings().set(Setting::msg, "s");
        scriptMode(2);
        clickJogar();
        QCOMPARE(game().mode, coin::Mode::PlayerStop);
        QCOMPARE(t->jogar->text(), QStringLiteral("Jogar Moeda"));
        QCOMPARE(messages(), QStringList({"Modo Escolhido: Parada pelo Jogador"}));
        // Confirming starts nothing: the next click does.
        QVERIFY(tossTimersOff());
        QVERIFY(!game().tossRunning);
        QCOMPARE(t->c->width(), t->jogar->width() + 4);
    }

    void enterChoosesTheModeThenTosses()
    {
        openTable(100, "Cara");
        scriptMode(1);
        QTest::keyClick(t, Qt::Key_Return);
        QCOMPARE(t->jogar->text(), QStringLiteral("Jogar Moeda"));
        QTest::keyClick(t, Qt::Key_Return);
        QVERIFY(game().tossRunning);
        // Enter while the toss runs does nothing: the main button is not clickable.
        env->dialogs->modalShown.clear();
        QTest::keyClick(t, Qt::Key_Return);
        QCOMPARE(env->dialogs->modalShown, QStringList());
        QCOMPARE(env->random->reseeds, 1);
    }

    // ---- Random stop -------------------------------------------------------------------------

    void randomStopEndsOnTheDrawnFace()
    {
        openTable(100, "Coroa");
        chooseMode(1);
        env->sound->played.clear();
        env->random->script = {1}; // stop target 2: `coroa`
        clickJogar();
        QCOMPARE(env->random->reseeds, 1);
        QCOMPARE(env->random->drawnFrom, QList<int>({2}));
        QVERIFY(t->PageControl1->isHidden());
        QCOMPARE(t->Button1->y(), 588);
        QCOMPARE(t->Button1->text(), QStringLiteral("Mostrar >>"));
        QVERIFY(!t->Button1->isEnabled());
        QVERIFY(t->b7->isEnabled());
        QCOMPARE(t->jogar->cursor().shape(), Qt::ForbiddenCursor);
        QVERIFY(t->som->enabled() && t->gira1->enabled() && t->aleatorio->enabled());
        QCOMPARE(t->position->value(), 0);

        // The coin turns face after face with the turning sound.
        fire(t->gira1);
        QVERIFY(!t->coroa->isHidden());
        fire(t->gira2);
        QVERIFY(t->coroa->isHidden());
        fire(t->som);
        QCOMPARE(env->sound->files(), QStringList({"girando.wav"}));

        // Space during a random toss only reminds the player, and the countdown goes on.
        QTest::keyClick(t, Qt::Key_Space);
        QCOMPARE(messages(), QStringList({"Clique em \"Jogar Moeda\" para Começar !"}));
        fire(t->aleatorio, 149);
        QVERIFY(game().tossRunning);
        QCOMPARE(t->position->value(), 149);
        // The animation has just hidden `coroa`; the drawn face decides all the same.
        QVERIFY(t->coroa->isHidden());
        fire(t->aleatorio);
        QVERIFY(tossTimersOff());
        QVERIFY(!t->coroa->isHidden());
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ 1"));
        QCOMPARE(t->lganhou->text(), QStringLiteral("1"));
        QCOMPARE(t->lperdeu->text(), QStringLiteral("0"));
        QCOMPARE(t->lapostas->text(), QStringLiteral("1"));
        QVERIFY(t->PageControl1->isVisible());
        QCOMPARE(t->Button1->text(), QStringLiteral("<< Esconder"));
        QVERIFY(t->Button1->isEnabled());
        QCOMPARE(t->jogar->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(game().unsaved);
    }

    void threeRealLossesShowMinusThree()
    {
        openTable(100, "Cara");
        chooseMode(1);
        for (int i = 0; i < 3; ++i)
            randomToss(coin::Face::Coroa);
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ -3"));
        QCOMPARE(t->lperdeu->text(), QStringLiteral("3"));
    }

    void threeDimeWinsShowZeroComma3()
    {
        openTable(10, "Cara");
        chooseMode(1);
        for (int i = 0; i < 3; ++i)
            randomToss(coin::Face::Cara);
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ 0,3"));
    }

    // ---- Player stop -------------------------------------------------------------------------

    void playerStopSettlesOnTheFaceShowing()
    {
        openTable(50, "Cara");
        chooseMode(2);
        // Before any toss the stop only reminds the player.
        QTest::keyClick(t, Qt::Key_Space);
        QCOMPARE(messages(), QStringList({"Clique em \"Jogar Moeda\" para Começar !"}));
        QTest::keyClick(t, Qt::Key_Return);
        QCOMPARE(t->position->value(), 150);
        QVERIFY(!t->aleatorio->enabled());
        QCOMPARE(t->parar->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(t->gear.config->cursor().shape(), Qt::ArrowCursor);
        fire(t->gira1);
        fire(t->som);
        QVERIFY(!t->coroa->isHidden());
        QTest::keyClick(t, Qt::Key_Space);
        QVERIFY(tossTimersOff());
        QVERIFY(!t->coroa->isHidden());
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ -0,5"));
        QCOMPARE(t->lperdeu->text(), QStringLiteral("1"));
        QCOMPARE(t->parar->cursor().shape(), Qt::ForbiddenCursor);
        QVERIFY(t->PageControl1->isVisible());
        QCOMPARE(messages().size(), 1);

        // The second toss stopped on `cara` wins for "Cara".
        clickJogar();
        fire(t->gira1);
        fire(t->gira2);
        clickParar();
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ 0"));
        QCOMPARE(t->lganhou->text(), QStringLiteral("1"));
    }

    void withoutASideATossCountsTheBetOnly()
    {
        openTable(100, "");
        chooseMode(1);
        randomToss(coin::Face::Cara);
        QCOMPARE(t->lapostas->text(), QStringLiteral("1"));
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ 0"));
        QCOMPARE(t->lganhou->text(), QStringLiteral("0"));
        QCOMPARE(t->lperdeu->text(), QStringLiteral("0"));
    }

    // ---- Reset and close ---------------------------------------------------------------------

    void resetKeepsWinsAndLosses()
    {
        openTable(100, "Cara");
        chooseMode(2);
        QVERIFY(coc_modo->RadioButton2->isChecked());
        for (int i = 0; i < 2; ++i) {
            clickJogar();
            clickParar(); // on `cara`: a win for "Cara"
        }
        QCOMPARE(t->lapostas->text(), QStringLiteral("2"));
        env->sound->played.clear();
        t->b6->click();
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ 0"));
        QCOMPARE(t->lapostas->text(), QStringLiteral("0"));
        QCOMPARE(t->lganhou->text(), QStringLiteral("2"));
        QCOMPARE(t->jogar->text(), QStringLiteral("Escolher Modo"));
        QCOMPARE(game().mode, coin::Mode::NoMode);
        QVERIFY(coc_modo->RadioButton1->isChecked());
    }

    void closingClearsTheGameAndShowsTheChooser()
    {
        frm_Menu->show();
        openTable(25, "Coroa");
        chooseMode(1);
        randomToss(coin::Face::Coroa);
        t->close();
        QVERIFY(frm_Jogos->isVisible());
        QVERIFY(frm_Menu->isHidden());
        // A toss was played and not saved: "Salvar jogo" stays on offer.
        QVERIFY(t->b7->isEnabled());
        QCOMPARE(game().coinValue, 25);
        QCOMPARE(game().side, QStringLiteral("Coroa"));

        openTable(25, "Coroa");
        QCOMPARE(t->lganhou->text(), QStringLiteral("0"));
        QCOMPARE(t->lapostas->text(), QStringLiteral("0"));
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ 0"));
        QCOMPARE(t->jogar->text(), QStringLiteral("Escolher Modo"));
        QCOMPARE(t->nome->text(), QStringLiteral("Clique aqui para Editar o seu Nome"));
    }

    void closingInTheMiddleOfATossLeavesAUsableTable()
    {
        openTable(100, "Cara");
        chooseMode(1);
        clickJogar();
        fire(t->aleatorio, 20);
        t->close();
        QVERIFY(tossTimersOff());
        openTable(100, "Cara");
        QCOMPARE(t->jogar->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(t->PageControl1->isVisible());
        QVERIFY(t->Button1->isEnabled());
        QCOMPARE(t->gear.config->cursor().shape(), Qt::PointingHandCursor);
        scriptMode(1);
        clickJogar();
        randomToss(coin::Face::Cara);
        QCOMPARE(t->lganhou->text(), QStringLiteral("1"));
    }

    void hidingThePanelHidesTheName()
    {
        openTable(100, "Cara");
        t->PageControl1->setCurrentWidget(t->TabSheet3);
        t->b9->click();
        QVERIFY(t->PageControl1->isHidden());
        QVERIFY(t->nome->isHidden() && t->shape->isHidden());
        QCOMPARE(t->Button1->text(), QStringLiteral("Mostrar >>"));
        t->Button1->click();
        QVERIFY(t->PageControl1->isVisible() && t->nome->isVisible());
        QCOMPARE(t->Button1->y(), 292);
    }

    // ---- Save --------------------------------------------------------------------------------

    void firstSaveAsksForTheNameAndWritesEveryFile()
    {
        settings().set(Setting::msg, "s");
        openTable(10, "Coroa");
        chooseMode(1);
        randomToss(coin::Face::Cara); // lost: -0,1
        t->PageControl1->setCurrentWidget(t->TabSheet5);
        t->radios[2]->setChecked(true); // theme 3, never saved with "&Salvar"
        scriptName("Ana Luísa");
        env->sound->played.clear();
        t->b7->click();
        QCOMPARE(env->dialogs->modalShown.last(), QStringLiteral("frm_nome"));
        QCOMPARE(nomeChamador, 1);
        const QMap<QString, QByteArray> expected = {
            {"modo", "1"},  {"coc", "Coroa"}, {"valor", "10"},   {"dinheiro", "-0,1"},
            {"ganhou", "0"}, {"perdeu", "1"},  {"apostas", "1"}, {"nome", "Ana Lu\xedsa"}};
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QCOMPARE(env->readFile(cocFile(it.key())), it.value());
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("3"));
        QCOMPARE(t->nome->text(), QStringLiteral("Ana Luísa"));
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
        QVERIFY(!t->b7->isEnabled());
        QVERIFY(!game().unsaved);
        QVERIFY(!t->balao->isHidden() && !t->l1->isHidden());
        QCOMPARE(t->l2->text(), QStringLiteral("salvo com sucesso !"));
        QCOMPARE(t->l2->x(), 395);
        QCOMPARE(messages().last(), QStringLiteral("O Jogo foi salvo com Sucesso !"));
        fire(t->Timer);
        QVERIFY(t->balao->isHidden() && t->l2->isHidden());
        QVERIFY(!t->Timer->enabled());

        // Closing after the save no longer offers "Salvar jogo"; the name label starts over.
        t->close();
        QVERIFY(!t->b7->isEnabled());
    }

    void aFailedSaveIsNotASuccess()
    {
        openTable(100, "Cara");
        chooseMode(1);
        randomToss(coin::Face::Cara);
        scriptName("Rui");
        env->remove("Config/Jogos/coc");
        settings().set(Setting::msg, "s");
        t->b7->click();
        QCOMPARE(errors().size(), 1);
        QVERIFY(errors()[0].startsWith("Cannot create file \"Config/Jogos/coc/modo.txt\""));
        QVERIFY(game().unsaved);
        QVERIFY(t->b7->isEnabled());
        QVERIFY(t->balao->isHidden());
        QCOMPARE(messages(), QStringList());
        t->close();
        QVERIFY(t->b7->isEnabled());
    }

    void aNameDialogClosedWithoutANameNeverSavesAPlaceholder()
    {
        // Start-up could not read the name file: the buffer holds its placeholder.
        settings().reset();
        for (Setting s : SettingsStore::kAll)
            if (s != Setting::nome)
                settings().load(s);
        settings().set(Setting::som, "s");
        settings().set(Setting::msg, "n");
        QVERIFY(settings().holdsPlaceholder(Setting::nome));
        openTable(100, "Cara");
        chooseMode(1);
        randomToss(coin::Face::Cara);
        env->dialogs->scripts["frm_nome"] = [](QDialog*) {}; // closed with the close box
        t->b7->click();
        QCOMPARE(env->readFile(cocFile("nome")), QByteArray("Jogador"));
        QCOMPARE(t->nome->text(), QStringLiteral("Jogador"));
    }

    void editingTheNameOffersTheSave()
    {
        openTable(100, "Cara");
        scriptName("Zé");
        QTest::mouseClick(t->nome, Qt::LeftButton);
        QCOMPARE(nomeChamador, 1);
        QCOMPARE(t->nome->text(), QStringLiteral("Zé"));
        QVERIFY(game().unsaved);
        QVERIFY(t->b7->isEnabled());
        QCOMPARE(t->shape->width(), t->nome->width() + 3);
        // A name of any length or with line breaks stays one line on the strip.
        scriptName(QString(5000, u'W'));
        QTest::mouseClick(t->nome, Qt::LeftButton);
        QVERIFY(t->nome->width() < 450);
        QCOMPARE(t->nomeCaption().size(), 5000);
    }

    // ---- Load --------------------------------------------------------------------------------

    void loadBringsTheGameBack()
    {
        writeSave({{"modo", "1"}, {"coc", "Coroa"}, {"valor", "5"}, {"dinheiro", "-0,15"}, {"ganhou", "3"},
                   {"perdeu", "6"}, {"apostas", "9"}, {"nome", "Bia"}});
        settings().set(Setting::msg, "s");
        openTable(100, "Cara");
        const auto before = configSnapshot();
        t->PageControl1->setCurrentWidget(t->TabSheet3);
        env->sound->played.clear();
        t->b8->click();
        QCOMPARE(errors(), QStringList());
        QCOMPARE(env->sound->files(), QStringList({"click.wav", "click.wav"}));
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ -0,15"));
        QCOMPARE(t->lapostas->text(), QStringLiteral("9"));
        QCOMPARE(t->lganhou->text(), QStringLiteral("3"));
        QCOMPARE(t->lperdeu->text(), QStringLiteral("6"));
        QCOMPARE(t->o->text(), QStringLiteral("Coroa"));
        QCOMPARE(t->nome->text(), QStringLiteral("Bia"));
        QCOMPARE(t->jogar->text(), QStringLiteral("Jogar Moeda"));
        QCOMPARE(game().stake, 0.05);
        QVERIFY(showsCoin(t->cara, "coroa3.bmp"));
        QCOMPARE(t->l2->text(), QStringLiteral("carregado com sucesso !"));
        QCOMPARE(t->l2->x(), 382);
        QCOMPARE(messages(), QStringList({"O Último jogo foi carregado com sucesso !"}));
        QCOMPARE(configSnapshot(), before);
        // Load leaves "Salvar jogo" as it was; a save right after writes the loaded coin back.
        QVERIFY(!t->b7->isEnabled());
        t->b7->setEnabled(true);
        t->b7->click();
        QCOMPARE(env->readFile(cocFile("valor")), QByteArray("5"));
        QCOMPARE(env->readFile(cocFile("dinheiro")), QByteArray("-0,15"));

        // The next toss goes on from the loaded money.
        randomToss(coin::Face::Coroa);
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ -0,1"));
    }

    // An empty name file is no name: the label keeps asking for one, and the next save asks.
    void aLoadedEmptyNameLeavesThePrompt()
    {
        writeSave({{"modo", "1"}, {"coc", "Cara"}, {"valor", "100"}, {"dinheiro", "0"}, {"ganhou", "0"},
                   {"perdeu", "0"}, {"apostas", "0"}, {"nome", ""}});
        openTable(100, "Cara");
        t->b8->click();
        QCOMPARE(t->nome->text(), QStringLiteral("Clique aqui para Editar o seu Nome"));
        QCOMPARE(t->shape->width(), t->nome->width() + 3);
        scriptName("Lia");
        t->b7->setEnabled(true);
        t->b7->click();
        QCOMPARE(env->dialogs->modalShown.last(), QStringLiteral("frm_nome"));
        QCOMPARE(env->readFile(cocFile("nome")), QByteArray("Lia"));
        QCOMPARE(t->nome->text(), QStringLiteral("Lia"));
    }

    void loadingModeTwoArmsTheStop()
    {
        writeSave({{"modo", "2"}, {"coc", "Cara"}, {"valor", "100"}, {"dinheiro", "0"}, {"ganhou", "0"},
                   {"perdeu", "0"}, {"apostas", "0"}, {"nome", "Bia"}});
        openTable(100, "Coroa");
        t->b8->click();
        QVERIFY(coc_modo->RadioButton2->isChecked());
        QCOMPARE(t->position->value(), 150);
        // No toss runs, yet the stop settles one on the face showing: `cara`, a win for "Cara".
        clickParar();
        QCOMPARE(t->lganhou->text(), QStringLiteral("1"));
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ 1"));
        QVERIFY(t->PageControl1->isVisible());
        QCOMPARE(messages(), QStringList());
    }

    void aLoadStopsAtABadCount()
    {
        writeSave({{"modo", "1"}, {"coc", "Coroa"}, {"valor", "5"}, {"dinheiro", "2,5"}, {"ganhou", "dois"},
                   {"perdeu", "6"}, {"apostas", "9"}, {"nome", "Bia"}});
        settings().set(Setting::msg, "s");
        openTable(100, "Cara");
        game().wins = 4;
        game().losses = 5;
        const auto before = configSnapshot();
        t->b8->click();
        QCOMPARE(errors(), QStringList({"'dois' is not a valid integer value"}));
        QCOMPARE(game().mode, coin::Mode::RandomStop);
        QCOMPARE(game().money, 2.5);
        QCOMPARE(game().bets, 9);
        QCOMPARE(game().wins, 4);
        QCOMPARE(game().losses, 5);
        QCOMPARE(game().coinValue, 100);
        QCOMPARE(game().side, QStringLiteral("Cara"));
        QVERIFY(t->balao->isHidden());
        QCOMPARE(messages(), QStringList());
        QCOMPARE(configSnapshot(), before);
    }

    void aLoadedModeZeroStartsNothingUntilReset()
    {
        writeSave({{"modo", "0"}, {"coc", "Cara"}, {"valor", "100"}, {"dinheiro", "0"}, {"ganhou", "0"},
                   {"perdeu", "0"}, {"apostas", "0"}, {"nome", "Bia"}});
        openTable(100, "Cara");
        t->b8->click();
        QCOMPARE(t->jogar->text(), QStringLiteral("Jogar Moeda"));
        clickJogar();
        QVERIFY(tossTimersOff());
        QVERIFY(!game().tossRunning);
        QVERIFY(t->PageControl1->isVisible());
        QCOMPARE(t->gear.config->cursor().shape(), Qt::PointingHandCursor);
        t->b6->click();
        QCOMPARE(t->jogar->text(), QStringLiteral("Escolher Modo"));
    }

    // Whatever the files hold, a load never crashes, hangs or writes, and the table can still be
    // reset and played afterwards.
    void badSavedFilesNeverStickTheTable()
    {
        struct Case {
            QString file;
            QByteArray bytes;
            bool missing;
            QString name;
        };
        QList<Case> cases;
        const QByteArray big(10 * 1024 * 1024, '5');
        const QByteArray binary("\x00\x01\xfe\xff\x80\r\x1b", 7);
        const QList<QPair<QString, QByteArray>> contents = {
            {"empty", ""},           {"line break", "1\n"},         {"binary", binary},
            {"10 MB", big},          {"beyond 32 bits", "4294967296"}, {"largest int", "2147483647"},
            {"negative", "-7"}};
        for (const QString& f : kCocFiles) {
            cases.append({f, {}, true, f + " missing"});
            for (const auto& [name, bytes] : contents)
                cases.append({f, bytes, false, f + " " + name});
        }
        for (const char* money : {"nan", "inf", "-inf", "1e999", "1,7E+308"})
            cases.append({"dinheiro", money, false, QStringLiteral("dinheiro ") + money});

        // One table for every case, closed after each, as a player would leave it.
        for (const Case& c : cases) {
            const QByteArray name = c.name.toUtf8();
            const char* what = name.constData();
            env->dialogs->messages.clear();
            writeSave({{"modo", "1"}, {"coc", "Cara"}, {"valor", "100"}, {"dinheiro", "0"}, {"ganhou", "0"},
                       {"perdeu", "0"}, {"apostas", "0"}, {"nome", "Bia"}});
            if (c.missing)
                env->remove(cocFile(c.file));
            else
                env->writeFile(cocFile(c.file), c.bytes);
            openTable(100, "Cara");
            const auto before = configSnapshot();
            t->b8->click();
            QVERIFY2(configSnapshot() == before, what);
            for (const QString& e : errors())
                QVERIFY2(e.size() < 300, qPrintable(c.name + ": " + e.left(300)));
            QVERIFY2(t->nome->width() < 450, what);
            QVERIFY2(t->o->width() < 200, what);
            QVERIFY2(t->PageControl1->isVisible() && t->Button1->isEnabled(), what);

            // Counts at their limit stay there.
            if (c.file == "apostas" && c.bytes == "2147483647") {
                randomToss(coin::Face::Cara);
                QVERIFY2(game().bets == INT_MAX, what);
            }
            // Reset, choose a mode, toss: the table plays on.
            t->b6->click();
            scriptMode(1);
            clickJogar();
            QVERIFY2(t->jogar->text() == QLatin1String("Jogar Moeda"), what);
            randomToss(coin::Face::Cara);
            QVERIFY2(t->PageControl1->isVisible(), what);
            QVERIFY2(t->jogar->cursor().shape() == Qt::PointingHandCursor, what);
            t->close();
        }
    }

    // ---- Keys --------------------------------------------------------------------------------

    void enterOnTheOptionsTabLoadsUnlessAButtonHasTheFocus()
    {
        writeSave({{"modo", "1"}, {"coc", "Coroa"}, {"valor", "5"}, {"dinheiro", "3"}, {"ganhou", "1"},
                   {"perdeu", "2"}, {"apostas", "3"}, {"nome", "Bia"}});
        openTable(100, "Cara");
        t->PageControl1->setCurrentWidget(t->TabSheet3);
        t->PageControl1->tabBar()->setFocus();
        QTest::keyClick(t->PageControl1->tabBar(), Qt::Key_Return);
        QCOMPARE(env->dialogs->modalShown, QStringList()); // not the mode dialog
        QCOMPARE(game().money, 3.0);

        // A focused button takes Enter itself: "Esconder Opções" hides the panel.
        t->b6->click();
        t->b9->setFocus();
        QTest::keyClick(t->b9, Qt::Key_Return);
        QVERIFY(t->PageControl1->isHidden());
        // With the panel hidden Enter reaches the main button again.
        scriptMode(1);
        t->setFocus();
        QTest::keyClick(t, Qt::Key_Return);
        QCOMPARE(env->dialogs->modalShown, QStringList({"coc_modo"}));
    }

    void spaceNeverPressesAFocusedButton()
    {
        openTable(100, "Cara");
        t->PageControl1->setCurrentWidget(t->TabSheet3);
        t->b3->setFocus();
        QTest::keyClick(t->b3, Qt::Key_Space);
        QCOMPARE(env->quits, 0);
        QCOMPARE(messages(), QStringList({"Clique em \"Jogar Moeda\" para Começar !"}));
        // Esc does not hide the table.
        QTest::keyClick(t, Qt::Key_Escape);
        QVERIFY(t->isVisible());
    }

    // ---- Held keys ---------------------------------------------------------------------------
    // A key held down comes as one real press, then auto-repeated release and press pairs, then
    // the real release: only the real ones act.

    void heldEnterChoosesTheModeOnceAndTossesOnce()
    {
        openTable(100, "Coroa");
        scriptMode(1);
        holdKey(t, Qt::Key_Return, 20);
        QCOMPARE(env->dialogs->modalShown, QStringList({"coc_modo"}));
        QCOMPARE(t->jogar->text(), QStringLiteral("Jogar Moeda"));
        QVERIFY(!game().tossRunning); // confirming the mode starts nothing, the repeats neither

        // Held from rest through the whole toss and beyond: one toss, one draw.
        env->random->script = {1};
        holdKey(t, Qt::Key_Return, 10, false);
        QVERIFY(game().tossRunning);
        fire(t->aleatorio, 150);
        QVERIFY(!game().tossRunning);
        for (int i = 0; i < 10; ++i) {
            sendKey(t, QEvent::KeyRelease, Qt::Key_Return, true);
            sendKey(t, QEvent::KeyPress, Qt::Key_Return, true);
        }
        sendKey(t, QEvent::KeyRelease, Qt::Key_Return);
        QVERIFY(!game().tossRunning && tossTimersOff());
        QCOMPARE(env->random->reseeds, 1);
        QCOMPARE(game().bets, 1);
        QCOMPARE(game().wins, 1);
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ 1"));
    }

    void heldSpaceStopsOnceAndWarnsOnce()
    {
        openTable(100, "Cara");
        chooseMode(2);
        // At rest: one press, one warning, however long the hold.
        holdKey(t, Qt::Key_Space, 15);
        QCOMPARE(messages(), QStringList({"Clique em \"Jogar Moeda\" para Começar !"}));
        QCOMPARE(game().bets, 0);

        // Mid-toss: the real press stops the coin; the repeats neither warn nor start or stop
        // anything more.
        clickJogar();
        QVERIFY(game().tossRunning && game().playerStop);
        fire(t->gira1); // `coroa` showing
        holdKey(t, Qt::Key_Space, 15);
        QVERIFY(!game().tossRunning && tossTimersOff());
        QCOMPARE(game().bets, 1);
        QCOMPARE(game().losses, 1);
        QCOMPARE(messages().size(), 1);
        QCOMPARE(game().money, -1.0);
    }

    void heldEnterOnAFocusedButtonClicksItOnce()
    {
        openTable(100, "Cara");
        t->Button1->setFocus();
        QCOMPARE(t->focusWidget(), t->Button1);
        holdKey(t, Qt::Key_Return, 9);
        // One click hid the panel; nine more would have left it shown.
        QVERIFY(t->PageControl1->isHidden());
        QCOMPARE(t->Button1->text(), QStringLiteral("Mostrar >>"));

        // The options tab's default button loads once.
        t->Button1->click();
        writeSave({{"modo", "1"}, {"coc", "Coroa"}, {"valor", "5"}, {"dinheiro", "3"}, {"ganhou", "1"},
                   {"perdeu", "2"}, {"apostas", "3"}, {"nome", "Bia"}});
        t->PageControl1->setCurrentWidget(t->TabSheet3);
        t->PageControl1->tabBar()->setFocus();
        env->sound->played.clear();
        holdKey(t, Qt::Key_Return, 9);
        QCOMPARE(game().money, 3.0);
        QCOMPARE(env->sound->files(), QStringList({"click.wav", "click.wav"})); // reset, then load
    }

    // ---- Layout ------------------------------------------------------------------------------

    void hideButtonShowsBothCaptionsWhole()
    {
        openTable(100, "Cara");
        const int left = t->Button1->x();
        QVERIFY(left <= 811);
        for (int i = 0; i < 2; ++i) {
            QVERIFY2(t->Button1->sizeHint().width() <= t->Button1->width(), qPrintable(t->Button1->text()));
            QVERIFY(t->Button1->geometry().right() < t->width());
            QCOMPARE(t->Button1->x(), left);
            t->Button1->click();
        }
        QCOMPARE(t->Button1->text(), QStringLiteral("<< Esconder"));
    }

    void theSideStandsInTheGapOfItsSentence()
    {
        auto* sentence = zortest::control<zor::coin::GapLabel>(t, "Label5");
        QCOMPARE(sentence->text(), QStringLiteral("Você está apostando no lado           da moeda."));
        const QString fault = zortest::gapFault(sentence, t->o, {"Cara", "Coroa"});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        openTable(100, "Coroa");
        QCOMPARE(t->o->text(), QStringLiteral("Coroa"));
    }

    // ---- Design and help tabs ----------------------------------------------------------------

    void designTabPreviewsAndStoresTheTheme()
    {
        env->writeFile("Config/cor.txt", "1");
        openTable(100, "Cara");
        t->PageControl1->setCurrentWidget(t->TabSheet5);
        env->sound->played.clear();
        // A left press previews and puts the digit into the buffer, writing nothing.
        QTest::mousePress(t->shapes[3], Qt::LeftButton);
        QVERIFY(t->radios[3]->isChecked());
        QVERIFY(shows(t->graconf4, "graconf3.jpg"));
        QCOMPARE(setting(Setting::memo), QStringLiteral("4"));
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("1"));
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
        // A right press on another swatch only ticks it.
        QTest::mousePress(t->shapes[6], Qt::RightButton);
        QVERIFY(t->radios[6]->isChecked());
        QCOMPARE(setting(Setting::memo), QStringLiteral("4"));
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("1"));
        // A right press on the first swatch stores theme 1 at once.
        env->writeFile("Config/cor.txt", "5");
        QTest::mousePress(t->shapes[0], Qt::RightButton);
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("1"));
        // "&Salvar" stores the ticked swatch, its press heard to the end first.
        t->radios[4]->setChecked(true);
        settings().set(Setting::msg, "s");
        env->sound->played.clear();
        QTest::mouseClick(t->BitBtn1, Qt::LeftButton);
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("5"));
        QCOMPARE(messages(), QStringList({"Design salvo com sucesso !"}));
        QCOMPARE(env->sound->played.size(), 1);
        QVERIFY(env->sound->played[0].wait);
    }

    void helpTabOpensItsScreens()
    {
        openTable(100, "Cara");
        env->sound->played.clear();
        t->Button2->click();
        t->Button3->click();
        t->Button4->click();
        QCOMPARE(env->dialogs->modalShown, QStringList({"ajudacoc", "cassino", "desen"}));
        QCOMPARE(env->sound->files(), QStringList({"escolher.wav", "escolher.wav", "escolher.wav"}));
    }

    // ---- Navigation --------------------------------------------------------------------------

    void navigationButtons()
    {
        openTable(100, "Cara");
        t->b4->click();
        QVERIFY(t->isHidden());
        QVERIFY(frm_CoC2->isVisible());
        QVERIFY(frm_Jogos->isHidden());
        frm_CoC2->hide();

        openTable(100, "Cara");
        env->musicLog.clear();
        settings().set(Setting::musica, "n");
        t->b1->click();
        QVERIFY(t->isHidden() && frm_Jogos->isHidden());
        QVERIFY(frm_Menu->isVisible());
        QCOMPARE(env->musicLog, QStringList({"play"}));

        openTable(100, "Cara");
        t->b2->click();
        QVERIFY(t->isHidden() && frm_Jogos->isVisible());
        frm_Jogos->hide();

        // "Configurações" shows the configuration screen without waiting for it.
        openTable(100, "Cara");
        t->b5->click();
        QVERIFY(frm_conf->isVisible());
        QVERIFY(!frm_conf->isModal());
        QCOMPARE(env->dialogs->modalShown, QStringList());
        frm_conf->hide();

        t->b3->click();
        QCOMPARE(env->quits, 1);
    }

    // ---- Drawing the record ------------------------------------------------------------------

    void drawingAnUnchangedRecordWritesNothing()
    {
        openTable(100, "Cara");
        // Count the label repaints a redraw asks for: none when the record is unchanged.
        int updates = 0;
        struct Counter : QObject {
            int* n;
            explicit Counter(int* c) : n(c) {}
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::FontChange || e->type() == QEvent::Resize
                    || e->type() == QEvent::CursorChange || e->type() == QEvent::PaletteChange
                    || e->type() == QEvent::Show || e->type() == QEvent::Hide)
                    ++*n;
                return false;
            }
        } counter(&updates);
        for (QWidget* w : {static_cast<QWidget*>(t->ldinheiro), static_cast<QWidget*>(t->lapostas),
                           static_cast<QWidget*>(t->o), static_cast<QWidget*>(t->c), static_cast<QWidget*>(t->shape),
                           static_cast<QWidget*>(t->parar), static_cast<QWidget*>(t->gear.config),
                           static_cast<QWidget*>(t->jogar), static_cast<QWidget*>(t->coroa),
                           static_cast<QWidget*>(t->position)})
            w->installEventFilter(&counter);
        const QString text = t->ldinheiro->text();
        for (int i = 0; i < 50; ++i)
            coin::recordChanged();
        QCOMPARE(updates, 0);
        QCOMPARE(t->ldinheiro->text(), text);
        game().money = 2.5;
        coin::recordChanged();
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ 2,5"));
    }

    // In these tests no timer ticks by itself, and nothing below lets the event loop run between
    // a change and its check: what the labels show, they show in the same turn.
    void theLabelsFollowTheRecordWithoutATick()
    {
        QVERIFY(Timer::manualMode());
        openTable(50, "Coroa");
        QCOMPARE(t->o->text(), QStringLiteral("Coroa"));
        {
            coin::ChangeScope change;
            game().wins = 7;
            game().losses = 3;
            game().bets = 10;
            game().money = -0.3;
            game().side = QStringLiteral("Cara");
        }
        QCOMPARE(t->lganhou->text(), QStringLiteral("7"));
        QCOMPARE(t->lperdeu->text(), QStringLiteral("3"));
        QCOMPARE(t->lapostas->text(), QStringLiteral("10"));
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ -0,3"));
        QCOMPARE(t->o->text(), QStringLiteral("Cara"));

        // A player-stop toss, clicked through: each step shows as it happens.
        scriptMode(2);
        clickJogar();
        QCOMPARE(t->jogar->text(), QStringLiteral("Jogar Moeda"));
        QCOMPARE(t->c->width(), t->jogar->width() + 4);
        QCOMPARE(t->parar->cursor().shape(), Qt::ForbiddenCursor);
        clickJogar();
        QCOMPARE(coin::phase(game()), coin::Phase::PlayerToss);
        QCOMPARE(t->position->value(), 150);
        QCOMPARE(t->parar->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(t->jogar->cursor().shape(), Qt::ForbiddenCursor);
        QCOMPARE(t->gear.config->cursor().shape(), Qt::ArrowCursor);
        fire(t->gira1);
        QCOMPARE(game().showing, coin::Face::Coroa);
        QVERIFY(!t->coroa->isHidden());
        clickParar();
        // Coroa up, "Cara" chosen: a loss of 0,50.
        QCOMPARE(t->lperdeu->text(), QStringLiteral("4"));
        QCOMPARE(t->lapostas->text(), QStringLiteral("11"));
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ -0,8"));
        QVERIFY(!t->coroa->isHidden());
        QCOMPARE(t->parar->cursor().shape(), Qt::ForbiddenCursor);
        QCOMPARE(t->jogar->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(t->gear.config->cursor().shape(), Qt::PointingHandCursor);

        // The side chosen on the side screen reaches the sentence at once.
        frm_CoC2->RadioButton2->setChecked(true);
        QTest::mousePress(frm_CoC2->Label6, Qt::LeftButton);
        QCOMPARE(game().side, QStringLiteral("Coroa"));
        QCOMPARE(t->o->text(), QStringLiteral("Coroa"));

        // Reset empties the bar and brings back the mode dialog, also at once.
        t->PageControl1->setCurrentWidget(t->TabSheet3);
        QTest::mouseClick(t->b6, Qt::LeftButton);
        QCOMPARE(t->jogar->text(), QStringLiteral("Escolher Modo"));
        QCOMPARE(t->position->value(), 0);
        QVERIFY(t->coroa->isHidden());
        QCOMPARE(t->ldinheiro->text(), QStringLiteral("R$ 0"));
    }

    // While nothing moves, no timer of a coin screen fires more than ten times a second; a toss
    // runs its own fast timers only while it runs. Measured for real: the coin screens' timers
    // are started on the clock for a while, with every tick and timer event counted.
    void anIdleTableWakesNothingFasterThanTenTimesASecond()
    {
        openTable(100, "Coroa");
        chooseMode(1);
        randomToss(coin::Face::Coroa); // one toss played, then the table rests
        const QList<QWidget*> screens = {t, frm_CoC1, frm_CoC2, coc_modo};
        QList<Timer*> timers;
        for (QWidget* screen : screens)
            timers += screen->findChildren<Timer*>();
        QVERIFY(timers.size() >= 7);
        for (Timer* timer : timers)
            QVERIFY2(!timer->enabled() || timer->effectiveInterval() >= 100, qPrintable(timer->objectName()));

        QMap<QString, int> ticks;
        for (Timer* timer : timers)
            connect(timer, &Timer::timeout, this, [&ticks, timer] { ++ticks[timer->objectName()]; });
        struct TimerEvents : QObject {
            QList<QWidget*> screens;
            QMap<QString, int> count;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (e->type() == QEvent::Timer)
                    for (QObject* p = o; p; p = p->parent())
                        if (screens.contains(p)) {
                            ++count[o->metaObject()->className() + QStringLiteral(" ") + o->objectName()];
                            break;
                        }
                return false;
            }
        } events;
        events.screens = screens;
        // Runs the coin screens' timers on the clock for `ms` milliseconds.
        auto runFor = [&](int ms) {
            ticks.clear();
            events.count.clear();
            qApp->installEventFilter(&events);
            Timer::setManualMode(false);
            for (Timer* timer : timers)
                if (timer->enabled()) { // starts the clock of a timer made in manual mode
                    timer->setEnabled(false);
                    timer->setEnabled(true);
                }
            QTest::qWait(ms);
            Timer::setManualMode(true);
            for (Timer* timer : timers)
                if (timer->enabled()) {
                    timer->setEnabled(false);
                    timer->setEnabled(true);
                }
            qApp->removeEventFilter(&events);
        };

        runFor(500);
        for (auto it = ticks.begin(); it != ticks.end(); ++it)
            QVERIFY2(it.value() <= 5, qPrintable(QStringLiteral("%1 ticked %2 times").arg(it.key()).arg(it.value())));
        for (auto it = events.count.begin(); it != events.count.end(); ++it)
            QVERIFY2(it.value() <= 5, qPrintable(QStringLiteral("%1: %2 timer events").arg(it.key()).arg(it.value())));
        QCOMPARE(t->lapostas->text(), QStringLiteral("1"));

        // The same measure sees a toss's timers: its countdown runs while it runs.
        env->random->script = {0};
        clickJogar();
        runFor(300);
        QVERIFY2(ticks.value("aleatorio") > 5, qPrintable(QString::number(ticks.value("aleatorio"))));
        QVERIFY(ticks.value("gira1") + ticks.value("gira2") >= 1);
        QCOMPARE(t->position->value(), game().countdown);
    }
};

QTEST_MAIN(CoinTable)
#include "test_coin_table.moc"
