// The shell screens played from the keyboard: the focus frame, Tab and Space on the main
// menu's bar, Tab, the arrows and Space on the game chooser's banners, and the configuration
// screen's focus and Tab order. Keys a layout binds (Enter on the menu, Esc on the chooser, Enter
// on the configuration screen) keep their meaning.
#include "app/screens.h"
#include "controls/focus_ring.h"
#include "fakes.h"
#include "settings/config_screen.h"
#include "settings/design_screen.h"
#include "settings/store.h"
#include "shell/about_screens.h"
#include "shell/alerta.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"
#include "shell/main_menu.h"
#include "shell/name_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QRadioButton>
#include <QTest>

using namespace zor;

class ShellKeyboard : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

    static FocusRing* ringOf(QWidget* form) { return form->findChild<FocusRing*>(); }

    void showAndActivate(QWidget* w)
    {
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    // The ring is shown, on top of every other control of its screen, and encloses the frame.
    static bool ringAround(QWidget* form, const QRect& frame)
    {
        FocusRing* ring = ringOf(form);
        if (!ring || !ring->isVisible() || !ring->geometry().contains(frame))
            return false;
        return form->children().last() == ring;
    }

    QStringList shown(QWidget* form, const QStringList& names) { return zortest::shownOf(form, names); }

private slots:
    void initTestCase() { initApplication(); }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().set(Setting::som, "s");
        settings().set(Setting::musica, "s");
        settings().set(Setting::animacao, "n");
        settings().set(Setting::msg, "n");
        settings().set(Setting::memo, "1");
        createScreens();
        createMainMenu();
        QCursor::setPos(-100, -100);
    }

    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    // ---- The main menu's bar ------------------------------------------------------------

    void tabWalksTheBarHighlightingEachButton()
    {
        showAndActivate(frm_Menu);
        QCOMPARE(frm_Menu->barFocus(), -1);
        QVERIFY(!ringOf(frm_Menu)->isVisible());
        const QStringList over = {"menuover", "escolherover", "configover", "ajudaover", "minover", "closeover"};
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(frm_Menu, Qt::Key_Tab);
            QCOMPARE(frm_Menu->barFocus(), i);
            // Exactly the reached button is highlighted, with the hover cue, and framed.
            QCOMPARE(shown(frm_Menu, over), QStringList{over[i]});
            QVERIFY(ringAround(frm_Menu, zortest::control(frm_Menu, over[i])->geometry()));
        }
        QCOMPARE(env->sound->files(), QStringList(6, "mouse.wav"));
        QTest::keyClick(frm_Menu, Qt::Key_Tab); // round to the first again
        QCOMPARE(frm_Menu->barFocus(), 0);
        QTest::keyClick(frm_Menu, Qt::Key_Backtab);
        QCOMPARE(frm_Menu->barFocus(), 5);
        QTest::keyClick(frm_Menu, Qt::Key_Left);
        QCOMPARE(frm_Menu->barFocus(), 4);
        QTest::keyClick(frm_Menu, Qt::Key_Right);
        QCOMPARE(frm_Menu->barFocus(), 5);
    }

    void spacePressesTheButtonReached_data()
    {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<QString>("modal");
        QTest::newRow("configuration") << 3 << "frm_conf";
        QTest::newRow("help") << 4 << "ajudamenu1";
    }

    void spacePressesTheButtonReached()
    {
        QFETCH(int, tabs);
        QFETCH(QString, modal);
        showAndActivate(frm_Menu);
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(frm_Menu, Qt::Key_Tab);
        env->sound->played.clear();
        QTest::keyClick(frm_Menu, Qt::Key_Space);
        QCOMPARE(env->dialogs->modalShown, QStringList{modal});
        // The menu's click cue (the configuration screen adds its own as it syncs its boxes).
        QVERIFY(!env->sound->files().isEmpty());
        QCOMPARE(env->sound->files().first(), QStringLiteral("click.wav"));
        // The click's release collapses the menu as a mouse click does; the frame stays.
        QVERIFY(shown(frm_Menu, {"configover", "ajudaover"}).isEmpty());
        QCOMPARE(frm_Menu->barFocus(), tabs - 1);
        QVERIFY(ringOf(frm_Menu)->isVisible());
    }

    void spaceOnTheMenuButtonOpensAndClosesThePanel()
    {
        showAndActivate(frm_Menu);
        QTest::keyClick(frm_Menu, Qt::Key_Tab);
        QTest::keyClick(frm_Menu, Qt::Key_Space);
        QCOMPARE(shown(frm_Menu, {"menuclick", "menuprincipal", "menuup", "menuover"}),
                 QStringList({"menuclick", "menuprincipal"}));
        QTest::keyClick(frm_Menu, Qt::Key_Space);
        // Closed as a press on the open menu button closes it: highlighted, the pointer being
        // taken to be still on it.
        QCOMPARE(shown(frm_Menu, {"menuclick", "menuprincipal", "menuup", "menuover"}),
                 QStringList({"menuup", "menuover"}));
        QCOMPARE(env->sound->files(), QStringList({"mouse.wav", "click.wav", "click.wav"}));
    }

    void upAndDownGoThroughTheOpenPanel()
    {
        showAndActivate(frm_Menu);
        QTest::keyClick(frm_Menu, Qt::Key_Up); // the panel is closed: nothing happens
        QCOMPARE(frm_Menu->panelFocus(), -1);
        QTest::keyClick(frm_Menu, Qt::Key_Tab);
        QTest::keyClick(frm_Menu, Qt::Key_Space);
        // Up enters the panel at its bottom entry, "Sair do Jogo", shown by its icon.
        QTest::keyClick(frm_Menu, Qt::Key_Up);
        QCOMPARE(frm_Menu->panelFocus(), 6);
        QCOMPARE(shown(frm_Menu, {"icon1", "icon2", "icone1", "icone2"}), QStringList{"icone2"});
        QVERIFY(ringAround(frm_Menu, zortest::control(frm_Menu, "sair1")->geometry()));
        QTest::keyClick(frm_Menu, Qt::Key_Up);
        QTest::keyClick(frm_Menu, Qt::Key_Up);
        QTest::keyClick(frm_Menu, Qt::Key_Up);
        QCOMPARE(frm_Menu->panelFocus(), 3);
        QCOMPARE(shown(frm_Menu, {"icon1", "icon2", "icone1", "icone2"}), QStringList{"icon1"});
        // Space chooses "Desenvolvedores": the developers screen, then the cue and the collapse.
        env->sound->played.clear();
        QTest::keyClick(frm_Menu, Qt::Key_Space);
        QCOMPARE(env->dialogs->modalShown, QStringList{"desen"});
        QCOMPARE(env->sound->files(), QStringList{"click.wav"});
        QVERIFY(shown(frm_Menu, {"menuprincipal", "menuclick", "dese"}).isEmpty());
        QCOMPARE(frm_Menu->panelFocus(), -1);
        QCOMPARE(frm_Menu->barFocus(), 0);
        // Down from the top of a newly opened panel: "Escolher Jogo" first.
        QTest::keyClick(frm_Menu, Qt::Key_Space);
        QTest::keyClick(frm_Menu, Qt::Key_Down);
        QCOMPARE(shown(frm_Menu, {"escolher2over", "ajuda2over", "config2over"}), QStringList{"escolher2over"});
        QTest::keyClick(frm_Menu, Qt::Key_Down);
        QTest::keyClick(frm_Menu, Qt::Key_Down);
        QCOMPARE(shown(frm_Menu, {"escolher2over", "ajuda2over", "config2over"}), QStringList{"config2over"});
        // Tab leaves the panel for the bar.
        QTest::keyClick(frm_Menu, Qt::Key_Tab);
        QCOMPARE(frm_Menu->panelFocus(), -1);
        QCOMPARE(frm_Menu->barFocus(), 1);
    }

    void spaceOnCloseEndsTheProgramAndEnterStillStarts()
    {
        showAndActivate(frm_Menu);
        QTest::keyClick(frm_Menu, Qt::Key_Space); // nothing reached yet: nothing pressed
        QCOMPARE(env->quits, 0);
        QVERIFY(frm_Menu->isVisible());
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(frm_Menu, Qt::Key_Tab);
        // Enter starts, wherever the bar's cursor is.
        QTest::keyClick(frm_Menu, Qt::Key_Return);
        QVERIFY(frm_Jogos->isVisible());
        QVERIFY(env->dialogs->modalShown.isEmpty());
        QVERIFY(!frm_Menu->isVisible());
        // Back on the menu nothing is reached any more.
        frm_Jogos->close();
        QVERIFY(frm_Menu->isVisible());
        QCOMPARE(frm_Menu->barFocus(), -1);
        QVERIFY(!ringOf(frm_Menu)->isVisible());
        QApplication::setActiveWindow(frm_Menu);
        QTest::keyClick(frm_Menu, Qt::Key_Backtab);
        QTest::keyClick(frm_Menu, Qt::Key_Space);
        QCOMPARE(env->quits, 1);
    }

    // ---- The game chooser's banners -------------------------------------------------------

    void chooserOpensWithNothingFocusedAndTabReachesTheBanners()
    {
        showAndActivate(frm_Jogos);
        const QStringList twins = {"coc2", "ca2", "bl2"};
        QVERIFY(shown(frm_Jogos, twins).isEmpty());
        QVERIFY(!ringOf(frm_Jogos)->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frm_Jogos->coc1);
        QCOMPARE(shown(frm_Jogos, twins), QStringList{"coc2"});
        QVERIFY(frm_Jogos->a1->isVisible() && frm_Jogos->screen1->isVisible());
        QVERIFY(ringAround(frm_Jogos, frm_Jogos->coc1->geometry()));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), frm_Jogos->ca1);
        QCOMPARE(shown(frm_Jogos, twins), QStringList{"ca2"});
        QVERIFY(!frm_Jogos->a1->isVisible() && frm_Jogos->b1->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frm_Jogos->bl1);
        QCOMPARE(shown(frm_Jogos, twins), QStringList{"bl2"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // the last banner stays
        QCOMPARE(QApplication::focusWidget(), frm_Jogos->bl1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), frm_Jogos->ca1);

        // On to the buttons: the banners go plain, the frame follows the focus.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frm_Jogos->BitBtn1);
        QVERIFY(shown(frm_Jogos, twins).isEmpty());
        QVERIFY(!frm_Jogos->b1->isVisible());
        QVERIFY(ringAround(frm_Jogos, frm_Jogos->BitBtn1->geometry()));
    }

    void spaceOpensTheFocusedGame()
    {
        showAndActivate(frm_Jogos);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), frm_Jogos->ca1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!frm_Jogos->isVisible());
        QVERIFY(frm_cn && reinterpret_cast<QWidget*>(frm_cn)->isVisible());
        QVERIFY(shown(frm_Jogos, {"ca2", "b1", "screen2", "Shape4"}).isEmpty());
        reinterpret_cast<QWidget*>(frm_cn)->hide();

        // Shown again, the chooser has nothing highlighted and nothing focused.
        showAndActivate(frm_Jogos);
        QVERIFY(shown(frm_Jogos, {"coc2", "ca2", "bl2"}).isEmpty());
        QVERIFY(!ringOf(frm_Jogos)->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), frm_Jogos->coc1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!frm_Jogos->isVisible());
        QVERIFY(reinterpret_cast<QWidget*>(frm_CoC1)->isVisible());
    }

    void escapeOnAFocusedBannerStillEndsTheProgram()
    {
        showAndActivate(frm_Jogos);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(env->quits, 1);
    }

    // ---- The configuration screen ---------------------------------------------------------

    void configurationOpensOnItsFirstBoxAndTabsTopToBottom()
    {
        for (int opening = 0; opening < 2; ++opening) {
            showAndActivate(frm_conf);
            QCOMPARE(QApplication::focusWidget(), frm_conf->CheckBox1);
            QVERIFY(ringAround(frm_conf, FocusRing::frameFor(frm_conf->CheckBox1)));
            const QList<QWidget*> order = {frm_conf->CheckBox5, frm_conf->CheckBox2, frm_conf->CheckBox4,
                                           frm_conf->Button3, frm_conf->Button1, frm_conf->Button4,
                                           frm_conf->Button2, frm_conf->CheckBox1};
            for (QWidget* next : order) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), next);
                QVERIFY(ringAround(frm_conf, FocusRing::frameFor(next)));
            }
            // Leave the focus elsewhere: the next opening starts on the first box again.
            frm_conf->Button4->setFocus();
            frm_conf->hide();
        }
    }

    void enterOnTheFirstBoxStillCancels()
    {
        env->writeFile("Config/som.txt", "s");
        showAndActivate(frm_conf);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // unticks the music box
        QVERIFY(!frm_conf->CheckBox1->isChecked());
        QCOMPARE(settings().get(Setting::musica), QStringLiteral("n"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!frm_conf->isVisible());
        // Cancel reloaded the saved switch.
        QCOMPARE(settings().get(Setting::musica), QStringLiteral("s"));
    }

    // ---- The design screen's swatches ------------------------------------------------------

    void designArrowsChooseAThemeAndEnterSavesIt()
    {
        env->writeFile("Config/cor.txt", "1");
        settings().set(Setting::memo, "1");
        showAndActivate(design);
        QCOMPARE(QApplication::focusWidget(), design->RadioButton1);
        QVERIFY(ringAround(design, design->RadioButton1->geometry()));
        const QImage before = design->graconf->picture().toImage();
        // The arrows go by place: right of theme 1 is theme 2, below that theme 3.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(design->RadioButton2->isChecked());
        QCOMPARE(settings().get(Setting::memo), QStringLiteral("2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), design->RadioButton3);
        QVERIFY(design->RadioButton3->isChecked());
        QCOMPARE(settings().get(Setting::memo), QStringLiteral("3"));
        // As a click does: the click cue, and the preview on the screen's background.
        QCOMPARE(env->sound->files(), QStringList({"click.wav", "click.wav"}));
        QVERIFY(design->graconf->picture().toImage() != before);
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!design->isVisible());
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("3"));
    }

    // ---- The frame on every other shell screen --------------------------------------------

    void everyScreenFramesTheFocusedControl()
    {
        const QList<QDialog*> screens = {Alerta, frm_nome, design, ajudamenu1, ajudacoc, ajudacn, ajudabj,
                                         ajudaconf, cassino, desen};
        for (QDialog* d : screens) {
            showAndActivate(d);
            QWidget* button = zortest::control(d, d == design ? "BitBtn1" : "Button1");
            button->setFocus(Qt::TabFocusReason);
            QVERIFY2(ringAround(d, button->geometry()), qPrintable(d->objectName()));
            d->hide();
        }
        // Check boxes and radio buttons are framed around their click area.
        showAndActivate(Alerta);
        Alerta->CheckBox1->setFocus(Qt::TabFocusReason);
        QVERIFY(ringAround(Alerta, FocusRing::frameFor(Alerta->CheckBox1)));
        Alerta->hide();
        showAndActivate(design);
        design->RadioButton3->setFocus(Qt::TabFocusReason);
        QVERIFY(ringAround(design, design->RadioButton3->geometry()));
        // The frame goes with the focus to a control it does not frame, here the window itself.
        design->setFocus(Qt::OtherFocusReason);
        QVERIFY(!ringOf(design)->isVisible());
        design->hide();
    }
};

QTEST_MAIN(ShellKeyboard)
#include "test_shell_keyboard.moc"
