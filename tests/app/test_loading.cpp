// The loading screen: start-up load, desktop launcher, the ten steps, menu creation, hand-over,
// cancel and every failure path.
#include "app/loading.h"
#include "app/screens.h"
#include "fakes.h"
#include "games/coin/coin_game.h"
#include "games/coin/coin_table.h"
#include "games/slots/slot_game.h"
#include "games/slots/slot_machine.h"
#include "platform/guard.h"
#include "settings/store.h"
#include "shell/alerta.h"
#include "shell/game_chooser.h"
#include "shell/main_menu.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace zor;

class Loading_ : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;
    QString desktop;

    const QStringList steps = {
        "Criando Objetos...", "Carregando Informações...", "Carregando Imagens...",
        "Carregando Janelas, Arquivos e Dados...", "Criando Músicas e Botões...", "Criando Jogos...",
        "Criando Regras...", "Escrevendo Regras...", "Abrindo Janelas...", "Concluído",
    };

    void start()
    {
        createScreens();
        Loading->show();
    }

    QString launcher() const { return desktop + "/Cassino ZOR.desktop"; }

private slots:
    void initTestCase() { initApplication(); }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>();
        desktop = env->dir() + "/Desktop";
        QDir().mkpath(desktop);
        qputenv("XDG_DESKTOP_DIR", desktop.toLocal8Bit());
        settings().set(Setting::msg, "n");
    }

    void cleanup()
    {
        destroyScreens();
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        env.reset();
    }

    // Every Config file edited with an editor that ends it with a line break (CR LF, LF or CR):
    // the start-up load, the switches, the theme and each game's load see the values themselves.
    void valuesEditedWithALineEndWorkEverywhere_data()
    {
        QTest::addColumn<QByteArray>("ending");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void valuesEditedWithALineEndWorkEverywhere()
    {
        QFETCH(QByteArray, ending);
        env.reset();
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        QDir().mkpath(desktop = env->dir() + "/Desktop");
        qputenv("XDG_DESKTOP_DIR", desktop.toLocal8Bit());
        const QMap<QString, QByteArray> values = {
            {"Config/som.txt", "n"}, {"Config/alerta.txt", "n"}, {"Config/animacao.txt", "n"},
            {"Config/musica.txt", "n"}, {"Config/cor.txt", "4"}, {"Config/Jogos/coc/modo.txt", "2"},
            {"Config/Jogos/coc/dinheiro.txt", "-0,5"}, {"Config/Jogos/coc/apostas.txt", "3"},
            {"Config/Jogos/coc/ganhou.txt", "1"}, {"Config/Jogos/coc/perdeu.txt", "2"},
            {"Config/Jogos/coc/nome.txt", "Jo\xE3o"}, {"Config/Jogos/coc/valor.txt", "50"},
            {"Config/Jogos/coc/coc.txt", "Coroa"}, {"Config/Jogos/cn/nome.txt", "Maria"},
            {"Config/Jogos/cn/design.txt", "Ferrari"}, {"Config/Jogos/cn/dinheiro.txt", "85"},
            {"Config/Jogos/cn/ganhou.txt", "40"}, {"Config/Jogos/cn/perdeu.txt", "55"},
            {"Config/Jogos/cn/duasiguais.txt", "4"}, {"Config/Jogos/cn/tresiguais.txt", "1"},
            {"Config/Jogos/cn/nenhuma.txt", "6"}, {"Config/Jogos/cn/apostas.txt", "11"},
        };
        QCOMPARE(values.size(), kSettingCount);
        for (auto it = values.begin(); it != values.end(); ++it)
            env->writeFile(it.key(), it.value() + ending);
        start();
        QVERIFY(env->dialogs->messages.isEmpty());
        for (Setting s : SettingsStore::kAll) {
            const QString path = SettingsStore::diskPath(SettingsStore::path(s));
            QCOMPARE(setting(s).toLatin1(), values.value(path));
        }
        QVERIFY(isOff(Setting::som) && isOff(Setting::msg) && isOff(Setting::animacao) && isOff(Setting::musica));

        CoC_jogo->show();
        QVERIFY(guarded([] { CoC_jogo->b8Click(); }));
        const coin::CoinGame& c = coin::game();
        QCOMPARE(c.side, QStringLiteral("Coroa"));
        QCOMPARE(c.mode, zor::coin::Mode::PlayerStop);
        QCOMPARE(c.coinValue, 50);
        QCOMPARE(c.money, -0.5);
        QCOMPARE(c.bets, 3);
        QCOMPARE(CoC_jogo->nomeCaption(), QStringLiteral("João"));

        frm_cn->show();
        QVERIFY(guarded([] { frm_cn->lcarregarClick(); }));
        const cn::SlotGame& g = cn::slotGame();
        QCOMPARE(g.money, 85);
        QCOMPARE(g.pulls, 11);
        QCOMPARE(g.noMatch, 6);
        QCOMPARE(frm_cn->ComboBox2->currentText(), QStringLiteral("Ferrari"));
        QCOMPARE(frm_cn->nomeCaption(), QStringLiteral("Maria"));
        QVERIFY(env->dialogs->texts("error").isEmpty());

        // The next save writes the values without the line break.
        QVERIFY(guarded([] { frm_cn->lsalvarClick(); }));
        QCOMPARE(env->readFile("Config/Jogos/cn/apostas.txt"), QByteArray("11"));
        QCOMPARE(env->readFile("Config/Jogos/cn/nome.txt"), QByteArray("Maria"));
    }

    void creationSetsTheTitleThatStays()
    {
        setApplicationTitle(kFirstTitle);
        start();
        QCOMPARE(applicationTitle(), QStringLiteral("·!¦[ Cassino ZOR ]¦!·"));
        QCOMPARE(Loading->windowTitle(), QStringLiteral("Carregando Cassino ZOR..."));
        QVERIFY(!frm_Menu);
        QCOMPARE(frm_Jogos->windowTitle(), QStringLiteral("Cassino ZOR - Jogos"));
        QCOMPARE(frm_Jogos->size(), QSize(547, 647));
        QCOMPARE(Alerta->windowTitle(), QStringLiteral("Aviso"));
    }

    void showFillsEveryBufferAndWritesTheLauncher()
    {
        env->writeFile("Config/Jogos/cn/nome.txt", "Ana\n");
        start();
        QCOMPARE(setting(Setting::som), QStringLiteral("s"));
        // The line break an editor leaves at the end is no part of the name.
        QCOMPARE(setting(Setting::nomecn), QStringLiteral("Ana"));
        QCOMPARE(setting(Setting::apostascn), QStringLiteral("0"));
        QVERIFY(env->dialogs->messages.isEmpty());

        QFile f(launcher());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nName=Cassino ZOR\n"));
        QVERIFY2(text.contains("\nExec=\"" + QCoreApplication::applicationFilePath() + "\"\n"), qPrintable(text));
        QVERIFY(text.contains("\nPath=" + QDir::currentPath() + "\n"));
        QVERIFY(QFileInfo(launcher()).isExecutable());
    }

    void launcherIsReplacedAtEveryStartAndSkippedWithoutDesktop()
    {
        env->writeFile("Desktop/Cassino ZOR.desktop", "old");
        start();
        QVERIFY(QFile(launcher()).size() > 3);
        destroyScreens();

        QDir(desktop).removeRecursively();
        start();
        QVERIFY(!QFileInfo::exists(desktop));
        QVERIFY(env->dialogs->messages.isEmpty());
    }

    void missingFileStopsTheLoadButNotTheStart()
    {
        env->remove("Config/musica.txt");
        start();
        QCOMPARE(env->dialogs->messages.size(), 1);
        QCOMPARE(env->dialogs->messages[0].kind, QStringLiteral("error"));
        QVERIFY(env->dialogs->messages[0].text.startsWith("Cannot open file \"Config/musica.txt\". "));
        QCOMPARE(setting(Setting::animacao), QStringLiteral("s"));
        QCOMPARE(setting(Setting::musica), QStringLiteral("music\r\na"));
        QCOMPARE(setting(Setting::memo), QStringLiteral("memo"));
        // The rest of the show handler is skipped: no launcher in this run.
        QVERIFY(!QFileInfo::exists(launcher()));

        for (int i = 0; i < 10; ++i)
            Loading->Timer2->tick();
        QVERIFY(frm_Menu && frm_Menu->isVisible());
        QVERIFY(!Loading->isVisible());
        // The music switch holds the placeholder, so the music is opened but not played.
        QCOMPARE(env->musicLog, QStringList({"open casino.mid"}));
    }

    void tenStepsThenHandOver()
    {
        start();
        QCOMPARE(Loading->Label1->text(), steps[0]);
        QVERIFY(Loading->Timer1->enabled() && Loading->Timer2->enabled());
        QCOMPARE(Loading->Timer1->interval(), 1529);
        QCOMPARE(Loading->Timer2->interval(), 278);
        for (int tick = 1; tick <= 9; ++tick) {
            Loading->Timer2->tick();
            QCOMPARE(Loading->Label1->text(), steps[tick]);
            QCOMPARE(Loading->ProgressBar1->value(), std::min(tick, 8));
            if (tick == 5)
                Loading->Timer1->tick(); // the menu is created between steps 5 and 6
            if (tick == 6)
                QCOMPARE(Loading->Timer1->interval(), 128);
            if (tick == 6 || tick == 7)
                QVERIFY(QApplication::overrideCursor());
            if (tick == 8)
                QVERIFY(!QApplication::overrideCursor());
            QCOMPARE(Loading->BitBtn1->isVisible(), tick < 9);
            QVERIFY(!frm_Menu || !frm_Menu->isVisible());
        }
        QCOMPARE(Loading->size(), TLoading::kFinished);
        QVERIFY(Loading->Label1->styleSheet().contains("black"));
        QVERIFY(frm_Menu);
        QVERIFY(!Loading->Timer1->enabled());

        Loading->Timer2->tick();
        QCOMPARE(Loading->Label1->text(), steps[9]);
        QVERIFY(frm_Menu->isVisible());
        QVERIFY(!Loading->isVisible());
        QVERIFY(!Loading->Timer1->enabled());
        QVERIFY(!Loading->Timer2->enabled());
        QCOMPARE(env->quits, 0);
    }

    void menuIsCreatedOnceByTimer1()
    {
        start();
        Loading->Timer1->tick();
        Tfrm_Menu* first = frm_Menu;
        QVERIFY(first);
        QVERIFY(!first->isVisible());
        QVERIFY(!Loading->Timer1->enabled());
        Loading->Timer1->tick();
        QCOMPARE(frm_Menu, first);
        // The menu read the loaded music switch at its creation.
        QCOMPARE(env->musicLog, QStringList({"open casino.mid", "play"}));
    }

    void escOrCancelEndsTheProgramOnlyBeforeStepNine()
    {
        start();
        QTest::keyClick(Loading, Qt::Key_Escape);
        QCOMPARE(env->quits, 1);
        QTest::mouseClick(Loading->BitBtn1, Qt::LeftButton);
        QCOMPARE(env->quits, 2);
        for (int i = 0; i < 9; ++i)
            Loading->Timer2->tick();
        QTest::keyClick(Loading, Qt::Key_Escape);
        QCOMPARE(env->quits, 2);
        QVERIFY(Loading->isVisible());
    }

    void closingTheLoadingWindowEndsTheProgram()
    {
        start();
        Loading->close();
        QCOMPARE(env->quits, 1);
    }
};

QTEST_MAIN(Loading_)
#include "test_loading.moc"
