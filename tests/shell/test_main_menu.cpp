// The main menu driven offscreen: its panel, hover cues, actions, idle animation, music and the
// one-time warning.
#include "app/loading.h"
#include "app/screens.h"
#include "fakes.h"
#include "platform/services.h"
#include "settings/store.h"
#include "shell/game_chooser.h"
#include "shell/main_menu.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>

using namespace zor;

namespace {

// Runs a callback when a watched widget is shown, so a test can look at the state of the
// program at that very moment.
class ShowSpy : public QObject {
public:
    ShowSpy(QWidget* w, std::function<void()> fn) : fn_(std::move(fn)) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            fn_();
        return false;
    }

private:
    std::function<void()> fn_;
};

const QStringList kEntries = {"escolher2up", "ajuda2up", "config2up", "dese", "cas", "sair1", "diminuir1"};
// Everything that shows a highlight, an open panel or an icon.
const QStringList kHighlights = {"menuover", "escolherover", "configover", "ajudaover", "minover",
                                 "closeover", "menuclick", "menuprincipal", "escolher2over",
                                 "ajuda2over", "config2over", "icon1", "icon2", "icone1", "icone2"};

} // namespace

class MainMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;
    Tfrm_Menu* menu = nullptr;
    int moves = 0;

    Picture* pic(const QString& name) { return zortest::control<Picture>(menu, name); }
    QStringList shownOf(const QStringList& names) { return zortest::shownOf(menu, names); }

    void recreateMenu()
    {
        delete frm_Menu;
        frm_Menu = nullptr;
        createMainMenu();
        menu = frm_Menu;
    }

    void showMenu()
    {
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
    }

    // A real pointer move over the window: the control on top at that point gets it. A tiny
    // offset on every call keeps two moves to one control from being the same position.
    void pointAt(const QString& name, QPoint local = {})
    {
        Picture* p = pic(name);
        const QPoint at = (local.isNull() ? p->rect().center() : local) + QPoint(moves++ % 3, 0);
        QTest::mouseMove(menu, p->mapTo(menu, at));
    }
    // A spot of the scene with nothing over it.
    void pointAtScene() { QTest::mouseMove(menu, QPoint(400 + moves++ % 3, 40)); }

    void openPanel()
    {
        pointAt("menuup");
        QTest::mousePress(pic("menuover"), Qt::LeftButton);
        QTest::mouseRelease(pic("menuover"), Qt::LeftButton);
    }

private slots:
    void initTestCase() { initApplication(); }

    void init()
    {
        // The game files (theme pictures of the screens the menu opens) only where a test
        // needs those screens to come up without an error.
        const bool gameFiles = QByteArray(QTest::currentTestFunction()) == "menuWorksWithoutMusic";
        env = std::make_unique<zortest::TestEnv>(gameFiles ? zortest::TestEnv::WithGameFiles
                                                           : zortest::TestEnv::NoAssets);
        settings().set(Setting::som, "s");
        settings().set(Setting::musica, "s");
        settings().set(Setting::animacao, "s");
        settings().set(Setting::msg, "n");
        settings().set(Setting::memo, "1");
        createScreens();
        createMainMenu();
        menu = frm_Menu;
        // Off every window, so that a test's first move is always a move.
        QCursor::setPos(-100, -100);
    }

    void cleanup()
    {
        destroyScreens();
        menu = nullptr;
        env.reset();
    }

    // ---- Layout --------------------------------------------------------------------------

    void windowAndControls()
    {
        QCOMPARE(menu->objectName(), QStringLiteral("frm_Menu"));
        QCOMPARE(menu->windowTitle(), QStringLiteral("Cassino ZOR - Menu Principal"));
        QCOMPARE(menu->size(), QSize(800, 528));
        QVERIFY(!(menu->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(menu->isHidden());

        QCOMPARE(pic("fundo")->geometry(), QRect(0, -72, 801, 601));
        QCOMPARE(pic("escolher2over")->geometry(), QRect(4, 332, 153, 18));
        QCOMPARE(pic("sair1")->geometry(), QRect(3, 465, 153, 18));
        QCOMPARE(pic("makina4")->geometry(), QRect(567, 150, 34, 26));

        // Hotspots take the mouse without a picture; every other control has its own.
        const QStringList hotspots = {"menuup", "escolherup", "configup", "ajudaup", "minup", "closeup",
                                      "escolher2up", "ajuda2up", "config2up", "nada", "dese", "cas",
                                      "nada2", "diminuir1", "sair1", "roletaup"};
        const auto all = menu->findChildren<Picture*>();
        QCOMPARE(all.size(), 48);
        for (Picture* p : all)
            QVERIFY2(p->hasPicture() != hotspots.contains(p->objectName()), qPrintable(p->objectName()));

        // At first only the scene, the bar's hotspots and the panel's gaps are there.
        QStringList shown;
        for (Picture* p : all) {
            if (!p->isHidden())
                shown << p->objectName();
        }
        QCOMPARE(shown, QStringList({"fundo", "menuup", "configup", "ajudaup", "minup", "closeup",
                                     "escolherup", "nada", "nada2"}));

        // Stacking order, bottom to top, until the first show raises the start entry.
        QStringList stacking;
        for (Picture* p : all)
            stacking << p->objectName();
        QCOMPARE(stacking.join(' '),
                 QStringLiteral("escolher2up fundo makina menuup configup ajudaup minup closeup menuover "
                                "escolherup escolherover configover ajudaover minover closeover roletaup "
                                "roletaover roletaover2 menuclick menuprincipal ajuda2up ajuda2over config2up "
                                "config2over nada dese icon1 cas icon2 nada2 diminuir1 sair1 icone1 icone2 luz "
                                "head braco1 braco2 head3 head4 luz2 makina2 braco3 luzes makina3 head2 "
                                "makina4 escolher2over"));

        QCOMPARE(pic("menuclick")->toolTip(), QStringLiteral("Clique aqui para esconder o menu"));
        QCOMPARE(pic("escolher2over")->toolTip(), QStringLiteral("Clique aqui para começar"));
        QCOMPARE(pic("sair1")->toolTip(), QStringLiteral("Fecha a aplicação e volta para o Windows."));
        QCOMPARE(pic("configover")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(pic("icone1")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(pic("fundo")->cursor().shape(), Qt::ArrowCursor);

        QCOMPARE(menu->t->interval(), 1200);
        QCOMPARE(menu->t4->interval(), 559);
        QCOMPARE(menu->alertat->interval(), 9032);
        QCOMPARE(menu->m->interval(), 132889);
        QCOMPARE(QList<bool>({menu->t->enabled(), menu->t2->enabled(), menu->t3->enabled(), menu->t4->enabled(),
                              menu->t5->enabled(), menu->alertat->enabled(), menu->m->enabled()}),
                 QList<bool>({true, false, false, true, false, true, true}));
    }

    void showRaisesTheStartEntryAndSetsTheTitle()
    {
        const QObjectList before = menu->children();
        QVERIFY(before.indexOf(pic("escolher2up")) < before.indexOf(pic("fundo")));
        setApplicationTitle("x");
        showMenu();
        const QObjectList& after = menu->children();
        QVERIFY(after.indexOf(pic("escolher2up")) > after.indexOf(pic("makina4")));
        QVERIFY(after.indexOf(pic("escolher2over")) > after.indexOf(pic("escolher2up")));
        QCOMPARE(applicationTitle(), QString::fromUtf8(kTitle));
        // The open panel's start entry is now reachable by the pointer.
        openPanel();
        pointAt("escolher2up");
        QVERIFY(pic("escolher2over")->isVisible());
    }

    // ---- Hover ---------------------------------------------------------------------------

    void barHoverSoundsOncePerEntry()
    {
        showMenu();
        pointAt("escolherup");
        QVERIFY(pic("escolherover")->isVisible());
        pointAt("escolherup"); // now on the hover picture, which covers the hotspot
        pointAt("escolherup");
        QCOMPARE(env->sound->files(), QStringList({"mouse.wav"}));

        pointAtScene();
        QVERIFY(!pic("escolherover")->isVisible());
        pointAt("escolherup");
        pointAt("closeup");
        QVERIFY(pic("closeover")->isVisible());
        QCOMPARE(env->sound->files(), QStringList({"mouse.wav", "mouse.wav", "mouse.wav"}));

        pointAt("menuup");
        QCOMPARE(shownOf({"menuup", "menuover"}), QStringList({"menuover"}));
        pointAt("menuover");
        QCOMPARE(env->sound->played.size(), 4);
        QVERIFY(!env->sound->played.last().wait);
    }

    void barHoverIsSilentWithSoundOff()
    {
        settings().set(Setting::som, "n");
        showMenu();
        pointAt("configup");
        pointAt("minup");
        QCOMPARE(shownOf({"configover", "minover"}), QStringList({"configover", "minover"}));
        QVERIFY(env->sound->played.isEmpty());
    }

    void sceneTakesEveryHighlightButLeavesThePanelOpen()
    {
        showMenu();
        openPanel();
        pointAt("ajuda2up");
        pointAt("dese");
        pointAt("minup");
        pointAtScene();
        QCOMPARE(shownOf(kHighlights), QStringList({"menuclick", "menuprincipal"}));
        QCOMPARE(shownOf(kEntries), kEntries);
        QVERIFY(pic("menuup")->isVisible()); // under menuclick
    }

    void hoverInsideThePanelIsSilent()
    {
        showMenu();
        openPanel();
        const int cues = env->sound->played.size();

        pointAt("escolher2up");
        QCOMPARE(shownOf({"escolher2over", "ajuda2over", "config2over"}), QStringList({"escolher2over"}));
        pointAt("ajuda2up");
        QCOMPARE(shownOf({"escolher2over", "ajuda2over", "config2over"}), QStringList({"ajuda2over"}));
        pointAt("config2up");
        QCOMPARE(shownOf({"escolher2over", "ajuda2over", "config2over"}), QStringList({"config2over"}));
        pointAt("nada");
        QCOMPARE(shownOf({"escolher2over", "ajuda2over", "config2over"}), QStringList());

        pointAt("dese");
        QCOMPARE(shownOf({"icon1", "icon2"}), QStringList({"icon1"}));
        pointAt("cas");
        QCOMPARE(shownOf({"icon1", "icon2"}), QStringList({"icon2"}));
        pointAt("diminuir1");
        QCOMPARE(shownOf({"icone1", "icone2"}), QStringList({"icone1"}));
        pointAt("sair1");
        QCOMPARE(shownOf({"icone1", "icone2"}), QStringList({"icone2"}));
        pointAt("nada2");
        QCOMPARE(shownOf({"icon1", "icon2", "icone1", "icone2"}), QStringList());
        pointAt("sair1");
        pointAt("menuclick");
        QCOMPARE(shownOf({"icone1", "icone2"}), QStringList());

        QCOMPARE(env->sound->played.size(), cues);
    }

    // ---- Opening and closing the panel ---------------------------------------------------

    void panelOpensOnPressAndShowsItsPictureOnRelease()
    {
        showMenu();
        pointAt("menuup");
        env->sound->played.clear();

        QTest::mousePress(pic("menuover"), Qt::RightButton);
        QTest::mouseRelease(pic("menuover"), Qt::RightButton);
        QCOMPARE(shownOf(kEntries + kHighlights), QStringList({"menuover"}));

        QTest::mousePress(pic("menuover"), Qt::LeftButton);
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
        QCOMPARE(shownOf(kEntries), kEntries);
        QCOMPARE(shownOf({"menuup", "menuover", "menuclick", "menuprincipal"}), QStringList({"menuclick"}));
        QTest::mouseRelease(pic("menuover"), Qt::LeftButton);
        QVERIFY(pic("menuprincipal")->isVisible());
    }

    void panelOpensThroughTheWindow()
    {
        // Press and release as the window system delivers them: the release must still reach
        // the button that the press hid.
        showMenu();
        pointAt("menuup");
        const QPoint at = pic("menuover")->geometry().center();
        QTest::mousePress(menu->windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(menu->windowHandle(), Qt::LeftButton, {}, at);
        QVERIFY(pic("menuclick")->isVisible());
        QVERIFY(pic("menuprincipal")->isVisible());
        QCOMPARE(shownOf(kEntries), kEntries);

        // And the same button closes it again.
        QTest::mousePress(menu->windowHandle(), Qt::LeftButton, {}, at + QPoint(1, 0));
        QTest::mouseRelease(menu->windowHandle(), Qt::LeftButton, {}, at + QPoint(1, 0));
        QCOMPARE(shownOf(kEntries + QStringList{"menuclick", "menuprincipal"}), QStringList());
    }

    void barClickThroughTheWindowLeavesNoHighlight()
    {
        // Every switch as the configuration screen's boxes start, so that its show handler
        // clicks none of them (each such click would add a cue of its own).
        settings().set(Setting::msg, "s");
        showMenu();
        pointAt("configup");
        const QPoint at = pic("configover")->geometry().center();
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(env->dialogs->modalShown, QStringList({"frm_conf"}));
        QCOMPARE(shownOf(kEntries + kHighlights), QStringList());
        QCOMPARE(env->sound->files(), QStringList({"mouse.wav", "click.wav"}));
    }

    void menuclickPressClosesWithACue()
    {
        showMenu();
        openPanel();
        pointAt("dese");
        pointAt("sair1");
        env->sound->played.clear();

        QTest::mousePress(pic("menuclick"), Qt::MiddleButton);
        QTest::mouseRelease(pic("menuclick"), Qt::MiddleButton);
        QVERIFY(pic("menuprincipal")->isVisible());

        QTest::mousePress(pic("menuclick"), Qt::LeftButton);
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
        QCOMPARE(shownOf(kEntries + kHighlights), QStringList({"menuover"}));
        QVERIFY(!pic("menuup")->isHidden());
        QTest::mouseRelease(pic("menuclick"), Qt::LeftButton);
        QCOMPARE(shownOf(kEntries + kHighlights), QStringList({"menuover"}));
        QCOMPARE(env->sound->played.size(), 1);
    }

    void sceneClickClosesWithoutACueAndKeepsBarHighlights()
    {
        showMenu();
        openPanel();
        pointAt("configup");
        env->sound->played.clear();

        QTest::mouseClick(pic("fundo"), Qt::LeftButton, {}, QPoint(400, 120));
        QCOMPARE(shownOf(kEntries + kHighlights), QStringList({"configover"}));
        QVERIFY(!pic("menuup")->isHidden());
        QVERIFY(env->sound->played.isEmpty());

        // A click on menuclick itself (no press handler reached) does the same.
        openPanel();
        env->sound->played.clear();
        emit pic("menuclick")->clicked();
        QCOMPARE(shownOf(kEntries + QStringList{"menuclick", "menuprincipal"}), QStringList());
        QVERIFY(env->sound->played.isEmpty());
    }

    void collapseHidesEverythingButLeavesMenuupHidden()
    {
        showMenu();
        openPanel();
        pointAt("cas");
        pointAt("configup");
        menu->esconderMenu();
        QCOMPARE(shownOf(kEntries + kHighlights), QStringList());
        QVERIFY(pic("menuup")->isHidden());
        pointAtScene();
        QVERIFY(pic("menuup")->isVisible());
    }

    // ---- Actions -------------------------------------------------------------------------

    void startLeavesForTheGameChooser()
    {
        showMenu();
        Loading->show();
        pointAt("escolherup");
        env->musicLog.clear();
        env->sound->played.clear();

        bool checked = false;
        ShowSpy spy(frm_Jogos, [&] {
            checked = true;
            QVERIFY(!menu->m->enabled());
            QCOMPARE(menu->m->interval(), 125000);
            QVERIFY(Loading->isHidden());
            QVERIFY(menu->isHidden());
            QCOMPARE(env->musicLog, QStringList({"stop", "rewind"}));
            QCOMPARE(shownOf(kEntries + kHighlights), QStringList());
            QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
            QCOMPARE(env->sound->stops, 0);
        });
        QTest::mouseClick(pic("escolherover"), Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(frm_Jogos->isVisible());
        QCOMPARE(env->sound->stops, 1);
        QCOMPARE(env->musicLog, QStringList({"stop", "rewind"}));
    }

    void startFromThePanelEntry()
    {
        showMenu();
        openPanel();
        pointAt("escolher2up");
        QTest::mouseClick(pic("escolher2over"), Qt::LeftButton);
        QVERIFY(menu->isHidden());
        QVERIFY(frm_Jogos->isVisible());
        QCOMPARE(menu->m->interval(), 125000);
    }

    void enterKeyStarts_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("panelOpen");
        QTest::newRow("Return") << int(Qt::Key_Return) << false;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false;
        QTest::newRow("Return, panel open") << int(Qt::Key_Return) << true;
    }
    void enterKeyStarts()
    {
        QFETCH(int, key);
        QFETCH(bool, panelOpen);
        showMenu();
        if (panelOpen)
            openPanel();
        // Sent to a control of the menu: keys reach the menu wherever they land.
        QTest::keyClick(pic("fundo"), Qt::Key(key));
        QVERIFY(menu->isHidden());
        QVERIFY(frm_Jogos->isVisible());
        QVERIFY(!menu->m->enabled());
        QCOMPARE(shownOf(kEntries + kHighlights), QStringList());
    }

    void otherKeysDoNothing()
    {
        showMenu();
        QTest::keyClick(menu, Qt::Key_Escape);
        QTest::keyClick(menu, Qt::Key_Space);
        QVERIFY(menu->isVisible());
        QVERIFY(frm_Jogos->isHidden());
        QCOMPARE(env->quits, 0);
    }

    void modalScreens_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("cueBefore"); // the click cue sounds before the screen opens
        QTest::addColumn<bool>("cueAfter");  // ... or once it has closed
        QTest::newRow("configover") << "configover" << "frm_conf" << true << false;
        QTest::newRow("config2over") << "config2over" << "frm_conf" << true << false;
        QTest::newRow("ajudaover") << "ajudaover" << "ajudamenu1" << false << true;
        QTest::newRow("ajuda2over") << "ajuda2over" << "ajudamenu1" << false << true;
        QTest::newRow("dese") << "dese" << "desen" << false << true;
        QTest::newRow("icon1") << "icon1" << "desen" << false << false;
        QTest::newRow("cas") << "cas" << "cassino" << false << true;
        QTest::newRow("icon2") << "icon2" << "cassino" << false << true;
    }
    void modalScreens()
    {
        QFETCH(QString, control);
        QFETCH(QString, screen);
        QFETCH(bool, cueBefore);
        QFETCH(bool, cueAfter);
        // Every switch as the configuration screen's boxes start, so that its show handler
        // clicks none of them (each such click would add a cue of its own).
        settings().set(Setting::msg, "s");
        showMenu();
        openPanel();
        // Highlight the control as the pointer would, the bar's too.
        pic(control)->show();
        pointAt("minup");
        env->sound->played.clear();

        QStringList cuesWhileOpen;
        bool collapsedWhileOpen = false;
        env->dialogs->scripts[screen] = [&](QDialog*) {
            cuesWhileOpen = env->sound->files();
            collapsedWhileOpen = shownOf(kEntries + kHighlights).isEmpty();
        };
        QTest::mouseClick(pic(control), Qt::LeftButton);

        QCOMPARE(env->dialogs->modalShown, QStringList({screen}));
        QCOMPARE(cuesWhileOpen, cueBefore ? QStringList({"click.wav"}) : QStringList());
        QCOMPARE(collapsedWhileOpen, cueBefore);
        QCOMPARE(env->sound->files(), (cueBefore || cueAfter) ? QStringList({"click.wav"}) : QStringList());
        // Once the screen has closed no button is highlighted and the panel is closed.
        QCOMPARE(shownOf(kEntries + kHighlights), QStringList());
        QVERIFY(menu->isVisible());
    }

    void minimise_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("minover") << "minover";
        QTest::newRow("diminuir1") << "diminuir1";
    }
    void minimise()
    {
        QFETCH(QString, control);
        showMenu();
        openPanel();
        pointAt("minup");
        QTest::mouseClick(pic(control), Qt::LeftButton);
        QCOMPARE(env->minimises, 1);
        QCOMPARE(shownOf(kEntries + kHighlights), QStringList());
        // Music and timers go on.
        QVERIFY(menu->m->enabled());
        QVERIFY(menu->t->enabled());
        QCOMPARE(env->quits, 0);
    }

    void endTheProgram_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("quits");
        QTest::newRow("closeover") << "closeover" << 1;
        QTest::newRow("sair1") << "sair1" << 1;
        QTest::newRow("icone2") << "icone2" << 1;
        QTest::newRow("icone1 does nothing") << "icone1" << 0;
    }
    void endTheProgram()
    {
        QFETCH(QString, control);
        QFETCH(int, quits);
        showMenu();
        openPanel();
        pic(control)->show();
        QTest::mouseClick(pic(control), Qt::LeftButton);
        QCOMPARE(env->quits, quits);
        QCOMPARE(env->minimises, 0);
        if (quits)
            QCOMPARE(shownOf(kEntries + kHighlights), QStringList());
    }

    void closingTheWindowEndsTheProgram()
    {
        showMenu();
        menu->close();
        QCOMPARE(env->quits, 1);
    }

    // ---- Idle animation ------------------------------------------------------------------

    void poses_data()
    {
        QTest::addColumn<int>("draw");
        QTest::addColumn<QStringList>("shows");
        QTest::addColumn<QStringList>("hides");
        QTest::newRow("1: pose 1") << 1 << QStringList{"head", "braco2", "head3"}
                                   << QStringList{"luz", "roletaover", "braco1", "head4"};
        QTest::newRow("2: pose 2") << 2 << QStringList{"luz", "roletaover2", "braco1", "head4"}
                                   << QStringList{"head", "braco2", "head3"};
        QTest::newRow("0: pose 3") << 0 << QStringList{"roletaover", "braco1", "head3", "head4"}
                                   << QStringList{"roletaover2", "braco2"};
    }
    void poses()
    {
        QFETCH(int, draw);
        QFETCH(QStringList, shows);
        QFETCH(QStringList, hides);
        const QStringList all = {"luz", "head", "braco1", "braco2", "head3", "head4", "roletaover", "roletaover2"};
        // The pose pictures in their order, with or without the given ones.
        auto picked = [&all](const QStringList& names, bool keep) {
            QStringList out;
            for (const QString& n : all) {
                if (names.contains(n) == keep)
                    out << n;
            }
            return out;
        };

        // From every pose picture shown, the pose hides exactly its own.
        for (const QString& n : all)
            pic(n)->show();
        env->random->script = {draw};
        menu->t->tick();
        QCOMPARE(shownOf(all), picked(hides, false));
        QCOMPARE(env->random->reseeds, 1);
        QCOMPARE(env->random->drawnFrom, QList<int>({3}));

        // From every one hidden, it shows exactly its own.
        for (const QString& n : all)
            pic(n)->hide();
        env->random->script = {draw};
        menu->t->tick();
        QCOMPARE(shownOf(all), picked(shows, true));
    }

    void poseChainRunsEndlessly()
    {
        env->random->script = {1, 2, 0, 1};
        menu->t->tick();
        QCOMPARE(QList<bool>({menu->t->enabled(), menu->t2->enabled(), menu->t3->enabled()}),
                 QList<bool>({false, true, false}));

        pic("luz2")->show();
        menu->t2->tick();
        QVERIFY(pic("luz2")->isHidden());
        QVERIFY(!pic("luz")->isHidden()); // pose 2
        QCOMPARE(QList<bool>({menu->t->enabled(), menu->t2->enabled(), menu->t3->enabled()}),
                 QList<bool>({false, false, true}));

        pic("braco3")->show();
        menu->t3->tick();
        QVERIFY(!pic("makina2")->isHidden());
        QVERIFY(pic("braco3")->isHidden());
        QCOMPARE(QList<bool>({menu->t->enabled(), menu->t2->enabled(), menu->t3->enabled()}),
                 QList<bool>({true, false, false}));

        menu->t->tick();
        QCOMPARE(env->random->reseeds, 4);
        QVERIFY(menu->t2->enabled());
        // The blink runs on its own.
        QVERIFY(menu->t4->enabled());
    }

    void animationSwitchOffFreezesTheScene_data()
    {
        QTest::addColumn<QString>("animacao");
        QTest::addColumn<bool>("stops");
        QTest::newRow("n") << "n" << true;
        QTest::newRow("N") << "N" << false;
        QTest::newRow("n with a line break") << "n\r\n" << false;
        QTest::newRow("s") << "s" << false;
    }
    void animationSwitchOffFreezesTheScene()
    {
        QFETCH(QString, animacao);
        QFETCH(bool, stops);
        settings().set(Setting::animacao, animacao);
        // The blink's first two frames run whatever the switch holds.
        menu->t4->tick();
        menu->t5->tick();
        QVERIFY(menu->t4->enabled());
        const QStringList before = shownOf(kHighlights + QStringList{"luz", "head", "braco1", "head4", "luz2"});

        menu->t->tick();
        const QList<bool> timers = {menu->t->enabled(), menu->t2->enabled(), menu->t3->enabled(),
                                    menu->t4->enabled(), menu->t5->enabled()};
        if (stops) {
            QCOMPARE(timers, QList<bool>({false, false, false, false, false}));
            QVERIFY(env->random->drawnFrom.isEmpty());
            QCOMPARE(shownOf(kHighlights + QStringList{"luz", "head", "braco1", "head4", "luz2"}), before);
        } else {
            QCOMPARE(timers, QList<bool>({false, true, false, true, false}));
            QCOMPARE(env->random->drawnFrom, QList<int>({3}));
        }
        // Only t reads the switch.
        settings().set(Setting::animacao, "n");
        menu->t2->tick();
        QCOMPARE(env->random->drawnFrom.size(), stops ? 1 : 2);
    }

    void blinkFrames()
    {
        const QStringList frameA = {"luzes", "makina3", "makina", "braco3"};
        const QStringList frameB = {"head2", "luz2", "makina4"};
        const QStringList blink = frameA + frameB + QStringList{"makina2"};
        for (const QString& n : blink)
            pic(n)->show();

        menu->t4->tick();
        QCOMPARE(shownOf(blink), frameA + QStringList{"luz2"}); // t4 leaves luz2 to t2
        QVERIFY(!menu->t4->enabled());
        QVERIFY(menu->t5->enabled());

        menu->t5->tick();
        QCOMPARE(shownOf(blink), QStringList({"braco3", "head2", "luz2", "makina4"}));
        QVERIFY(menu->t4->enabled());
        QVERIFY(!menu->t5->enabled());
    }

    void makinaHoverTakesPanelHighlights()
    {
        showMenu();
        menu->t4->tick(); // shows makina
        pic("escolher2over")->show();
        pic("config2over")->show();
        pic("ajuda2over")->show();
        pointAt("makina", QPoint(20, 10)); // above the panel's place
        QCOMPARE(shownOf({"escolher2over", "ajuda2over", "config2over"}), QStringList({"ajuda2over"}));
    }

    // ---- Music ---------------------------------------------------------------------------

    void musicOnCreation_data()
    {
        QTest::addColumn<QString>("musica");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("s plays") << "s" << QStringList({"open casino.mid", "play"});
        QTest::newRow("n opens only") << "n" << QStringList({"open casino.mid"});
        QTest::newRow("S opens only") << "S" << QStringList({"open casino.mid"});
    }
    void musicOnCreation()
    {
        QFETCH(QString, musica);
        QFETCH(QStringList, log);
        settings().set(Setting::musica, musica);
        env->musicLog.clear();
        recreateMenu();
        QCOMPARE(env->musicLog, log);
    }

    void musicRestartTimer()
    {
        env->musicLog.clear();
        menu->m->tick();
        QCOMPARE(env->musicLog, QStringList({"stop", "rewind", "play"}));
        QVERIFY(menu->m->enabled());

        settings().set(Setting::musica, "n");
        menu->m->tick();
        QCOMPARE(env->musicLog.size(), 3);
    }

    void menuWorksWithoutMusic()
    {
        env->musicOpens = false;
        env->musicLog.clear();
        recreateMenu();
        QVERIFY(!menu->musica().isOpen());
        showMenu();
        menu->m->tick();
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(frm_Jogos->isVisible());
        QCOMPARE(env->musicLog, QStringList({"open casino.mid"}));
        QCOMPARE(env->dialogs->texts("error"), QStringList());
    }

    void returnFromTheChooserReenablesTheRestart()
    {
        showMenu();
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(!menu->m->enabled());
        env->musicLog.clear();
        frm_Jogos->close();
        QVERIFY(menu->isVisible());
        QVERIFY(menu->m->enabled());
        QCOMPARE(menu->m->interval(), 125000);
        QCOMPARE(env->musicLog, QStringList({"play"}));
        // Showing again keeps the 125000 ms restart running.
        menu->hide();
        menu->show();
        QVERIFY(menu->m->enabled());
        QCOMPARE(menu->m->interval(), 125000);
    }

    // ---- One-time warning ----------------------------------------------------------------

    void oneTimeWarning_data()
    {
        QTest::addColumn<QString>("msg");
        QTest::addColumn<bool>("shown");
        QTest::newRow("s") << "s" << true;
        QTest::newRow("n") << "n" << false;
        QTest::newRow("S") << "S" << false;
        QTest::newRow("s with a line break") << "s\r\n" << false;
    }
    void oneTimeWarning()
    {
        QFETCH(QString, msg);
        QFETCH(bool, shown);
        settings().set(Setting::msg, msg);
        menu->alertat->tick();
        QVERIFY(!menu->alertat->enabled());
        QCOMPARE(env->dialogs->modalShown, shown ? QStringList({"Alerta"}) : QStringList());
        if (shown)
            QCOMPARE(env->dialogs->beeps.value(0), Beep::Question);
        else
            QVERIFY(env->dialogs->beeps.isEmpty());
    }
};

QTEST_MAIN(MainMenu)
#include "test_main_menu.moc"
