// The slot machine screen driven offscreen with hand-fired timer ticks and scripted draws: the
// lever by mouse and Space, the spin and its result on screen, the out-of-money lock, save and
// load with their files and failures, the name, a new game, the symbol-set choosers, the notice,
// the options and menu, the labels that follow the record, and an idle machine that runs no
// fast timer.
#include "controls/focus_ring.h"
#include "app/screens.h"
#include "controls/picture.h"
#include "fakes.h"
#include "games/slots/slot_machine.h"
#include "games/slots/symbol_sets.h"
#include "platform/textfile.h"
#include "settings/design_screen.h"
#include "settings/store.h"
#include "shell/game_chooser.h"
#include "shell/main_menu.h"
#include "shell/name_dialog.h"

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolTip>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

using namespace zor;
using zortest::shows;
using zortest::moveOver;

namespace {

const QStringList kSaveFiles = {"Config/Jogos/cn/dinheiro.txt", "Config/Jogos/cn/ganhou.txt",
                                "Config/Jogos/cn/perdeu.txt",   "Config/Jogos/cn/apostas.txt",
                                "Config/Jogos/cn/design.txt",   "Config/Jogos/cn/duasiguais.txt",
                                "Config/Jogos/cn/tresiguais.txt", "Config/Jogos/cn/nenhuma.txt"};

cn::SlotGame& game() { return cn::slotGame(); }



// A Space event as the desktop sends it, with its time stamp in ms (0: made by hand).
void key(QWidget* target, QEvent::Type type, bool autoRepeat = false, quint64 stamp = 0)
{
    QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    e.setTimestamp(stamp);
    QApplication::sendEvent(target, &e);
}

// Space held down from `from` ms for `pairs` repeats 40 ms apart, as X sends them: each repeat is
// a release and a press with one time stamp; the toolkit flags only some of them (`flagged`).
void holdSpace(QWidget* target, quint64 from, int pairs, bool flagged)
{
    for (int i = 1; i <= pairs; ++i) {
        key(target, QEvent::KeyRelease, flagged, from + 500 + 40 * i);
        key(target, QEvent::KeyPress, flagged, from + 500 + 40 * i);
    }
}

} // namespace

class SlotMachine : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;
    Tfrm_cn* cnScreen = nullptr;

    QStringList errors() const { return env->dialogs->texts("error"); }
    QStringList warnings() const { return env->dialogs->texts("warning"); }
    QStringList messages() const { return env->dialogs->texts("message"); }

    void open()
    {
        cnScreen->show();
        QVERIFY(cnScreen->isVisible());
    }

    // The lever pulled with the mouse: press and release on it.
    void pull()
    {
        QTest::mousePress(cnScreen->alavanca, Qt::LeftButton, {}, QPoint(20, 60));
        QTest::mouseRelease(cnScreen->alavanca, Qt::LeftButton, {}, QPoint(20, 60));
    }

    // Fires the reel timers in 90 ms periods, as the message loop would, until the spin ends or
    // `periods` have passed; returns the number of periods.
    int spin(int periods = 200)
    {
        int n = 0;
        while (n < periods && game().spinning()) {
            ++n;
            const bool r1 = cnScreen->timer1->enabled(), r2 = cnScreen->Timer2->enabled(),
                       r3 = cnScreen->Timer3->enabled();
            if (r1 && cnScreen->timer1->enabled())
                cnScreen->timer1->tick();
            if (r2 && cnScreen->Timer2->enabled())
                cnScreen->Timer2->tick();
            if (r3 && cnScreen->Timer3->enabled())
                cnScreen->Timer3->tick();
        }
        return n;
    }

    // A symbol set chosen as a player does with the keyboard: the chooser focused, the arrow keys
    // step through the list, each step a choice.
    void choose(QComboBox* chooser, int index)
    {
        chooser->setFocus(Qt::TabFocusReason);
        while (chooser->currentIndex() < index)
            QTest::keyClick(chooser, Qt::Key_Down);
        while (chooser->currentIndex() > index)
            QTest::keyClick(chooser, Qt::Key_Up);
        QCOMPARE(chooser->currentIndex(), index);
    }

    // The screen's timers that run now faster than 10 times a second.
    QStringList fastTimers() const
    {
        QStringList fast;
        for (const zor::Timer* t : cnScreen->findChildren<zor::Timer*>()) {
            if (t->enabled() && t->effectiveInterval() < 100)
                fast << t->objectName();
        }
        return fast;
    }

    // The name dialog plays the player's part: types a name and presses "Salvar !".
    void nameDialogTypes(const QString& name)
    {
        env->dialogs->scripts["frm_nome"] = [name](QDialog*) {
            frm_nome->Edit1->setText(name);
            frm_nome->Button1->click();
        };
    }

    QByteArray file(const QString& rel) const { return env->readFile(rel); }

private slots:
    void initTestCase() { initApplication(); }
    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        settings().set(Setting::msg, "n");
        createScreens();
        createMainMenu();
        cnScreen = frm_cn;
        env->sound->played.clear();
    }
    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    // ---- Showing ------------------------------------------------------------------------------

    void showPresentsAMachineAtRest()
    {
        open();
        QCOMPARE(cnScreen->size(), QSize(852, 537));
        QCOMPARE(cnScreen->pagecontrol1->currentIndex(), 0);
        QCOMPARE(fastTimers(), QStringList());
        for (Picture* reel : {cnScreen->fig1, cnScreen->fig2, cnScreen->fig3})
            QVERIFY(shows(reel, "c3.bmp"));
        QVERIFY(shows(cnScreen->alavanca, "alavanca.jpg"));
        QVERIFY(cnScreen->alavanca->isVisible());
        QVERIFY(cnScreen->alavanca2->isHidden());
        QVERIFY(cnScreen->possible->isHidden());
        QVERIFY(cnScreen->dim->isHidden());
        QVERIFY(!cnScreen->lsalvar->isEnabled());
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("100"));
        QCOMPARE(cnScreen->lperdeu->text(), QStringLiteral("0"));
        QCOMPARE(cnScreen->Label9->text(), QStringLiteral("US$          ,00"));
        QCOMPARE(cnScreen->nome->text(), QStringLiteral("Clique aqui para Editar o seu Nome"));
        QCOMPARE(cnScreen->shape->width(), cnScreen->nome->width() + 3);
        QCOMPARE(cnScreen->alavanca->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(cnScreen->ComboBox2->currentText(), QStringLiteral("Tema do Cassino ZOR"));
        for (int i = 0; i < 4; ++i)
            QVERIFY(shows(zortest::control<Picture>(cnScreen, QStringLiteral("c%1").arg(i + 1)),
                          cn::symbolSets()[3].files[i]));
        QStringList panels;
        for (QLabel* p : cnScreen->StatusBar1->findChildren<QLabel*>())
            panels << p->text();
        QCOMPARE(panels, QStringList({"Nenhuma figura igual = US$ -5,00", "2 Figuras Iguais = US$ 25,00",
                                      "Todas Figura Iguais = US$ 50,00", "Apostas = US$ 10,00"}));
        QVERIFY(errors().isEmpty());
    }

    // ---- The lever and the spin ---------------------------------------------------------------

    void aPullSpinsTheReelsAndSettlesOnScreen()
    {
        open();
        env->random->script = {0, 0, 3}; // reels 1, 2, 3 stop on slots 1, 1, 4
        QTest::mousePress(cnScreen->alavanca, Qt::LeftButton, {}, QPoint(20, 60));
        QVERIFY(cnScreen->alavanca2->isVisible());
        QCOMPARE(cnScreen->TabSheet1->childAt(cnScreen->alavanca->geometry().center()), cnScreen->alavanca2);
        QTest::mouseRelease(cnScreen->alavanca, Qt::LeftButton, {}, QPoint(20, 60));
        QVERIFY(cnScreen->alavanca->isVisible());
        QVERIFY(cnScreen->alavanca2->isHidden());
        QVERIFY(shows(cnScreen->alavanca, "alavancadesabilitada.jpg"));
        QVERIFY(cnScreen->timer1->enabled());
        QVERIFY(cnScreen->lsalvar->isEnabled());
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("90"));
        QCOMPARE(cnScreen->lapostas->text(), QStringLiteral("1"));
        QCOMPARE(cnScreen->alavanca->cursor().shape(), Qt::ArrowCursor);

        // The first ticks cycle reel 1 from slot 1.
        cnScreen->timer1->tick();
        QVERIFY(shows(cnScreen->fig1, "c1.jpg"));
        cnScreen->timer1->tick();
        QVERIFY(shows(cnScreen->fig1, "c3.bmp"));
        const int periods = spin() + 2;
        QVERIFY2(qAbs(periods - 60) <= 1, qPrintable(QString::number(periods)));
        QVERIFY(!cnScreen->timer1->enabled() && !cnScreen->Timer2->enabled() && !cnScreen->Timer3->enabled());
        QVERIFY(shows(cnScreen->fig1, "c1.jpg"));
        QVERIFY(shows(cnScreen->fig2, "c1.jpg"));
        QVERIFY(shows(cnScreen->fig3, "c4.jpg"));
        QVERIFY(cnScreen->possible->isVisible());
        QVERIFY(shows(cnScreen->possible, "esqermeio.jpg"));
        QVERIFY(cnScreen->dim->isVisible());
        QCOMPARE(cnScreen->dim->text(), QStringLiteral("+ US$ 25,00"));
        QVERIFY(shows(cnScreen->alavanca, "alavanca.jpg"));
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("115"));
        QCOMPARE(cnScreen->lganha->text(), QStringLiteral("25"));
        QCOMPARE(cnScreen->lperdeu->text(), QStringLiteral("10"));
        QCOMPARE(cnScreen->l2->text(), QStringLiteral("1"));
        QCOMPARE(cnScreen->l3->text(), QStringLiteral("0"));
        QCOMPARE(cnScreen->ln->text(), QStringLiteral("0"));
        QCOMPARE(cnScreen->alavanca->cursor().shape(), Qt::PointingHandCursor);

        // The amount label goes after 2656 ms, once.
        QVERIFY(cnScreen->t1->enabled());
        QCOMPARE(cnScreen->t1->interval(), 2656);
        cnScreen->t1->tick();
        QVERIFY(cnScreen->dim->isHidden());
        QVERIFY(!cnScreen->t1->enabled());

        // The next press hides the banner again.
        QTest::mousePress(cnScreen->alavanca, Qt::LeftButton, {}, QPoint(20, 60));
        QVERIFY(cnScreen->possible->isHidden());
    }

    // The press hides the lever under the pointer and shows the pulled one: the release, routed
    // by the window as the desktop delivers it, still reaches the lever's handler.
    void aClickOnTheLeverThroughTheWindowPulls()
    {
        open();
        QWindow* window = cnScreen->windowHandle();
        QVERIFY(window);
        const QPoint at = cnScreen->alavanca->mapTo(cnScreen, QPoint(20, 60));
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QVERIFY(cnScreen->alavanca2->isVisible());
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        QCOMPARE(game().pulls, 1);
        QVERIFY(cnScreen->alavanca2->isHidden());
        QVERIFY(cnScreen->timer1->enabled());
    }

    void noMatchCostsFiveAndShowsNoBanner()
    {
        open();
        env->random->script = {0, 1, 2};
        pull();
        spin();
        QVERIFY(cnScreen->possible->isHidden());
        QCOMPARE(cnScreen->dim->text(), QStringLiteral("- US$  5,00"));
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("85"));
        QCOMPARE(cnScreen->lperdeu->text(), QStringLiteral("15"));
        QCOMPARE(cnScreen->ln->text(), QStringLiteral("1"));
    }

    void pressAndReleaseDuringASpinAreIgnored()
    {
        open();
        pull();
        for (int i = 0; i < 20; ++i)
            cnScreen->timer1->tick();
        const cn::SlotGame before = game();
        pull();
        QCOMPARE(game().money, 90);
        QCOMPARE(game().pulls, 1);
        QCOMPARE(game().counter, before.counter);
        QCOMPARE(game().running, before.running);
        QVERIFY(warnings().isEmpty());
        QVERIFY(cnScreen->alavanca2->isHidden());
        spin();
        QCOMPARE(game().twoEqual + game().threeEqual + game().noMatch, 1);
    }

    // Space is the lever: its press pulls the lever down, its release starts the spin once no
    // repeat follows it (the spaceUp timer). Held down, its repeats, flagged or not, do nothing:
    // one pull on the real release. Space on a focused chooser pulls without opening its list.
    void spaceHeldDownIsOnePullOnTheRealRelease_data()
    {
        QTest::addColumn<bool>("flagged");
        QTest::newRow("repeats flagged") << true;
        QTest::newRow("repeats not flagged") << false;
    }
    void spaceHeldDownIsOnePullOnTheRealRelease()
    {
        QFETCH(bool, flagged);
        open();
        QWidget* focus = cnScreen->ComboBox2;
        key(focus, QEvent::KeyPress, false, 1000);
        QVERIFY(cnScreen->alavanca2->isVisible());
        holdSpace(focus, 1000, 50, flagged);
        QVERIFY(!cnScreen->spaceUp->enabled());
        QCOMPARE(game().pulls, 0);
        QVERIFY(cnScreen->alavanca2->isVisible());
        QVERIFY(!game().spinning());
        key(focus, QEvent::KeyRelease, false, 3600);
        QCOMPARE(game().pulls, 0); // not before the moment for a repeat has passed
        QVERIFY(cnScreen->spaceUp->enabled());
        cnScreen->spaceUp->tick();
        QVERIFY(!cnScreen->spaceUp->enabled());
        QCOMPARE(game().pulls, 1);
        QCOMPARE(game().money, 90);
        QVERIFY(cnScreen->alavanca2->isHidden());
        QVERIFY(cnScreen->timer1->enabled());
        QVERIFY(!cnScreen->ComboBox2->view()->isVisible());
        QCOMPARE(cnScreen->ComboBox2->currentIndex(), cn::kDefaultSymbolSet);

        // Held again during the spin: nothing, and its release after the result starts nothing.
        key(focus, QEvent::KeyPress, false, 4000);
        holdSpace(focus, 4000, 20, flagged);
        spin();
        QVERIFY(!game().spinning());
        holdSpace(focus, 5400, 20, flagged);
        key(focus, QEvent::KeyRelease, false, 7000);
        cnScreen->spaceUp->tick();
        QCOMPARE(game().pulls, 1);
        QVERIFY(!game().spinning());
        QCOMPARE(game().twoEqual + game().threeEqual + game().noMatch, 1);

        // Pressed again at rest: a pull, from reset reels, that ends with its result.
        key(focus, QEvent::KeyPress, false, 8000);
        key(focus, QEvent::KeyRelease, false, 8100);
        cnScreen->spaceUp->tick();
        QCOMPARE(game().pulls, 2);
        QVERIFY(spin() < 70);
        QCOMPARE(game().twoEqual + game().threeEqual + game().noMatch, 2);
        QVERIFY(warnings().isEmpty());
    }

    // A release at once followed by a real new press (another time stamp) is a release: the
    // pull starts before the new press is taken.
    void aQuickSecondTapIsNotARepeat()
    {
        open();
        key(cnScreen, QEvent::KeyPress, false, 1000);
        key(cnScreen, QEvent::KeyRelease, false, 1080);
        key(cnScreen, QEvent::KeyPress, false, 1100);
        QVERIFY(!cnScreen->spaceUp->enabled());
        QCOMPARE(game().pulls, 1);
        QVERIFY(game().spinning());
        key(cnScreen, QEvent::KeyRelease, false, 1180);
        cnScreen->spaceUp->tick();
        QCOMPARE(game().pulls, 1); // that press came during the spin
    }

    // Out of money, a held Space warns once, at its real release.
    void spaceHeldDownWithoutMoneyWarnsOnce_data() { spaceHeldDownIsOnePullOnTheRealRelease_data(); }
    void spaceHeldDownWithoutMoneyWarnsOnce()
    {
        QFETCH(bool, flagged);
        open();
        game().money = 0;
        game().leverLock = true;
        key(cnScreen, QEvent::KeyPress, false, 1000);
        holdSpace(cnScreen, 1000, 60, flagged);
        key(cnScreen, QEvent::KeyRelease, false, 4000);
        cnScreen->spaceUp->tick();
        QCOMPARE(warnings(), QStringList({"Você não possui mais dinheiro!"}));
        QCOMPARE(game().pulls, 0);
        QVERIFY(cnScreen->alavanca2->isHidden());
    }

    // The jam: the lever pressed with the mouse during a spin and released after the result.
    // That release starts nothing; the next pull spins all three reels to a result as usual.
    void aPressDuringASpinReleasedAfterTheResultStartsNothing()
    {
        open();
        env->random->script = {0, 1, 2};
        pull();
        for (int i = 0; i < 20; ++i)
            cnScreen->timer1->tick();
        QTest::mousePress(cnScreen->alavanca, Qt::LeftButton, {}, QPoint(20, 60));
        QVERIFY(cnScreen->alavanca2->isHidden());
        spin();
        QVERIFY(!game().spinning());
        QCOMPARE(game().money, 85);
        QTest::mouseRelease(cnScreen->alavanca, Qt::LeftButton, {}, QPoint(20, 60));
        QCOMPARE(game().pulls, 1);
        QCOMPARE(game().money, 85);
        QVERIFY(!game().spinning());
        QVERIFY(!game().leverLock);
        QVERIFY(!cnScreen->timer1->enabled());
        QVERIFY(shows(cnScreen->alavanca, "alavanca.jpg"));
        QCOMPARE(cnScreen->alavanca->cursor().shape(), Qt::PointingHandCursor);

        env->random->script = {2, 2, 2};
        pull();
        QCOMPARE(game().pulls, 2);
        const int periods = spin();
        QVERIFY2(periods < 70, qPrintable(QString::number(periods)));
        QVERIFY(!cnScreen->timer1->enabled() && !cnScreen->Timer2->enabled() && !cnScreen->Timer3->enabled());
        QCOMPARE(game().threeEqual, 1);
        QCOMPARE(game().money, 125);
        QVERIFY(shows(cnScreen->possible, "todos.jpg"));
    }

    // A menu of the bar opened with the mouse and closed with Esc leaves the bar holding the
    // keyboard; Space then pulls the lever, gives the keyboard back and opens no menu.
    void spaceAfterAMenuClosedWithEscPulls()
    {
        open();
        cnScreen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(cnScreen));
        cnScreen->ComboBox2->setFocus();
        QMenuBar* bar = cnScreen->MainMenu1;
        QMenu* menu = cnScreen->OpcoesdoJogo1;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(bar));

        key(bar, QEvent::KeyPress, false, 1000);
        QVERIFY(!menu->isVisible());
        QVERIFY(cnScreen->alavanca2->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(cnScreen->ComboBox2));
        key(QApplication::focusWidget(), QEvent::KeyRelease, false, 1100);
        cnScreen->spaceUp->tick();
        QCOMPARE(game().pulls, 1);
        QVERIFY(!menu->isVisible());
        QVERIFY(!QApplication::activePopupWidget());
    }

    // Tab reaches the name and every enabled option, framed; Enter acts on the framed one as a
    // click does (once when held), and Space on it is still the lever.
    void tabReachesTheOptionsAndTheName()
    {
        open();
        cnScreen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(cnScreen));
        auto* ring = cnScreen->findChild<FocusRing*>();
        QVERIFY(ring);
        QSet<QWidget*> reached;
        for (int i = 0; i < 40 && QApplication::focusWidget() != cnScreen->l1; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : cnScreen, Qt::Key_Tab);
            reached << QApplication::focusWidget();
        }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(cnScreen->l1));
        QVERIFY(ring->isVisible());
        QCOMPARE(ring->target(), static_cast<QWidget*>(cnScreen->l1));
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget();
        }
        for (QWidget* w : {static_cast<QWidget*>(cnScreen->nome), static_cast<QWidget*>(cnScreen->l22),
                           static_cast<QWidget*>(cnScreen->lcarregar), static_cast<QWidget*>(cnScreen->l33),
                           static_cast<QWidget*>(cnScreen->l4), static_cast<QWidget*>(cnScreen->l5)})
            QVERIFY2(reached.contains(w), qPrintable(w->objectName()));
        QVERIFY(!reached.contains(cnScreen->lsalvar)); // disabled: nothing to save yet

        // Enter on "Configurações", held: the configuration screen once.
        cnScreen->l1->setFocus(Qt::TabFocusReason);
        key(cnScreen->l1, QEvent::KeyPress, false, 1000); // Space: the lever, not the option
        key(cnScreen->l1, QEvent::KeyRelease, false, 1100);
        cnScreen->spaceUp->tick();
        QCOMPARE(game().pulls, 1);
        spin();
        QCOMPARE(env->dialogs->modalShown, QStringList());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(cnScreen->l1, &enter);
        for (int i = 0; i < 5; ++i) {
            QKeyEvent up(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
            QApplication::sendEvent(cnScreen->l1, &up);
            QApplication::sendEvent(cnScreen->l1, &down);
        }
        QCOMPARE(env->dialogs->modalShown, QStringList({"frm_conf"}));

        // Enter on the name: the name dialog.
        nameDialogTypes("Ana");
        cnScreen->nome->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cnScreen->nome, Qt::Key_Return);
        QCOMPARE(env->dialogs->modalShown, QStringList({"frm_conf", "frm_nome"}));
        QVERIFY(cnScreen->lsalvar->isEnabled());
    }

    void outOfMoneyLocksTheLeverAndWarnsAtEveryRelease()
    {
        open();
        game().money = 10;
        env->random->script = {0, 1, 2};
        pull();
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("0"));
        spin();
        QCOMPARE(game().money, -5);
        QVERIFY(game().leverLock);
        QVERIFY(shows(cnScreen->alavanca, "alavancadesabilitada.jpg"));
        QCOMPARE(cnScreen->alavanca->cursor().shape(), Qt::ArrowCursor);

        for (int i = 0; i < 2; ++i) {
            QTest::mousePress(cnScreen->alavanca, Qt::RightButton, {}, QPoint(20, 60));
            QVERIFY(cnScreen->alavanca2->isHidden()); // no pulled lever without money
            QTest::mouseRelease(cnScreen->alavanca, Qt::RightButton, {}, QPoint(20, 60));
        }
        QCOMPARE(warnings(), QStringList({"Você não possui mais dinheiro!", "Você não possui mais dinheiro!"}));
        QCOMPARE(game().pulls, 1);
        QVERIFY(!cnScreen->timer1->enabled());
    }

    void aWinWithTheLastMoneyReleasesTheLever()
    {
        open();
        game().money = 10;
        env->random->script = {2, 2, 2};
        pull();
        spin();
        QCOMPARE(game().money, 50);
        QVERIFY(!game().leverLock);
        QVERIFY(shows(cnScreen->alavanca, "alavanca.jpg"));
        QVERIFY(shows(cnScreen->possible, "todos.jpg"));
        QCOMPARE(cnScreen->dim->text(), QStringLiteral("+ US$ 50,00"));
        pull();
        QCOMPARE(game().pulls, 2);
        QVERIFY(warnings().isEmpty());
    }

    void closingDuringASpinStopsEverythingAndTheNextShowIsFresh()
    {
        open();
        frm_Menu->show();
        pull();
        spin(30);
        QVERIFY(game().spinning());
        cnScreen->close();
        QVERIFY(frm_Jogos->isVisible());
        QVERIFY(frm_Menu->isHidden());
        QVERIFY(!cnScreen->timer1->enabled() && !cnScreen->Timer2->enabled() && !cnScreen->Timer3->enabled());
        QCOMPARE(fastTimers(), QStringList());
        QVERIFY(cnScreen->possible->isHidden());
        QVERIFY(cnScreen->lsalvar->isEnabled()); // the pull left unsaved play
        QCOMPARE(game().money, 100);
        QCOMPARE(game().lost, 0);
        QCOMPARE(game().pulls, 0);
        QVERIFY(!game().leverLock);
        for (Picture* reel : {cnScreen->fig1, cnScreen->fig2, cnScreen->fig3})
            QVERIFY(shows(reel, "c3.bmp"));

        frm_Jogos->hide();
        open();
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("100"));
        QVERIFY(shows(cnScreen->alavanca, "alavanca.jpg"));
        pull();
        QCOMPARE(game().pulls, 1);
    }

    // ---- Save ---------------------------------------------------------------------------------

    void saveAsksForANameAndWritesTheNineFiles()
    {
        open();
        env->random->script = {3, 3, 3};
        pull();
        spin();
        settings().set(Setting::msg, "s");
        nameDialogTypes("Maria <b>da</b> Silva");
        cnScreen->SalvarJogo1->trigger();
        QCOMPARE(env->dialogs->modalShown, QStringList({"frm_nome"}));
        QCOMPARE(nomeChamador, kNomeCacaNiquel);
        QCOMPARE(file("Config/Jogos/cn/dinheiro.txt"), QByteArray("140"));
        QCOMPARE(file("Config/Jogos/cn/ganhou.txt"), QByteArray("50"));
        QCOMPARE(file("Config/Jogos/cn/perdeu.txt"), QByteArray("10"));
        QCOMPARE(file("Config/Jogos/cn/apostas.txt"), QByteArray("1"));
        QCOMPARE(file("Config/Jogos/cn/design.txt"), QByteArray("Tema do Cassino ZOR"));
        QCOMPARE(file("Config/Jogos/cn/duasiguais.txt"), QByteArray("0"));
        QCOMPARE(file("Config/Jogos/cn/tresiguais.txt"), QByteArray("1"));
        QCOMPARE(file("Config/Jogos/cn/nenhuma.txt"), QByteArray("0"));
        QCOMPARE(file("Config/Jogos/cn/nome.txt"), QByteArray("Maria <b>da</b> Silva"));
        // The name shows as typed, markup and all.
        QCOMPARE(cnScreen->nome->text(), QStringLiteral("Maria <b>da</b> Silva"));
        QCOMPARE(cnScreen->nome->textFormat(), Qt::PlainText);
        QVERIFY(!cnScreen->lsalvar->isEnabled());
        QVERIFY(!game().unsaved);
        QVERIFY(cnScreen->l->isVisible());
        QCOMPARE(cnScreen->l->text(), QStringLiteral("O Jogo foi Salvo com Sucesso !"));
        QCOMPARE(cnScreen->l->x(), 840);
        QVERIFY(cnScreen->Timer4->enabled());
        QCOMPARE(env->sound->files().filter("click.wav").size(), 1);
        QCOMPARE(messages(), QStringList({"O Jogo foi salvo com Sucesso !"}));

        // A second save from the menu writes the same and asks no name; the option label stays
        // disabled but the menu item still saves.
        env->dialogs->modalShown.clear();
        cnScreen->SalvarJogo1->trigger();
        QVERIFY(env->dialogs->modalShown.isEmpty());
        QCOMPARE(file("Config/Jogos/cn/dinheiro.txt"), QByteArray("140"));
        QCOMPARE(file("Config/Jogos/cn/nome.txt"), QByteArray("Maria <b>da</b> Silva"));
        QVERIFY(!cnScreen->lsalvar->isEnabled());
        QVERIFY(errors().isEmpty());
    }

    void aSetNameIsSavedInWindows1252()
    {
        open();
        choose(cnScreen->ComboBox1, 0);
        nameDialogTypes("João");
        cnScreen->SalvarJogo1->trigger();
        QCOMPARE(file("Config/Jogos/cn/design.txt"), QByteArray("Bras\xf5" "es de Times"));
        QCOMPARE(file("Config/Jogos/cn/nome.txt"), QByteArray("Jo\xe3o"));
    }

    // Save during a spin stops it at once: the stake stays taken and no result ever comes.
    void saveDuringASpinEndsItWithoutAResult()
    {
        open();
        pull();
        spin(40);
        nameDialogTypes("Ana");
        cnScreen->SalvarJogo1->trigger();
        QVERIFY(!game().spinning());
        QVERIFY(!game().leverLock);
        QVERIFY(!cnScreen->timer1->enabled() && !cnScreen->Timer2->enabled() && !cnScreen->Timer3->enabled());
        for (Picture* reel : {cnScreen->fig1, cnScreen->fig2, cnScreen->fig3})
            QVERIFY(shows(reel, "c3.bmp"));
        QCOMPARE(file("Config/Jogos/cn/dinheiro.txt"), QByteArray("90"));
        QCOMPARE(game().twoEqual + game().threeEqual + game().noMatch, 0);
        QVERIFY(cnScreen->dim->isHidden());
        pull();
        QCOMPARE(game().pulls, 2);
    }

    void saveIntoAMissingFolderStopsAtTheFirstFile()
    {
        open();
        pull();
        QVERIFY(env->remove("Config/Jogos/cn"));
        nameDialogTypes("Ana");
        settings().set(Setting::msg, "s");
        env->sound->played.clear();
        cnScreen->SalvarJogo1->trigger();
        QCOMPARE(errors().size(), 1);
        QVERIFY(errors()[0].startsWith("Cannot create file \"Config/Jogos/cn/dinheiro.txt\""));
        QVERIFY(!env->exists("Config/Jogos/cn"));
        QVERIFY(cnScreen->l->isHidden());
        QVERIFY(messages().isEmpty());
        QVERIFY(env->sound->played.isEmpty());
    }

    // ---- Load ---------------------------------------------------------------------------------

    void loadBringsBackTheSavedGame()
    {
        open();
        env->writeFile("Config/Jogos/cn/dinheiro.txt", "245");
        env->writeFile("Config/Jogos/cn/ganhou.txt", "300");
        env->writeFile("Config/Jogos/cn/perdeu.txt", "155");
        env->writeFile("Config/Jogos/cn/apostas.txt", "12");
        env->writeFile("Config/Jogos/cn/design.txt", "Ferrari");
        env->writeFile("Config/Jogos/cn/duasiguais.txt", "8");
        env->writeFile("Config/Jogos/cn/tresiguais.txt", "2");
        env->writeFile("Config/Jogos/cn/nenhuma.txt", "2");
        env->writeFile("Config/Jogos/cn/nome.txt", "Z\xe9");
        settings().set(Setting::msg, "s");
        cnScreen->CarregarJogo1->trigger();
        QVERIFY(errors().isEmpty());
        const cn::SlotGame& g = game();
        QCOMPARE(g.money, 245);
        QCOMPARE(g.won, 300);
        QCOMPARE(g.lost, 155);
        QCOMPARE(g.pulls, 12);
        QCOMPARE(g.twoEqual, 8);
        QCOMPARE(g.threeEqual, 2);
        QCOMPARE(g.noMatch, 2);
        QCOMPARE(g.symbols, cn::symbolSets()[1].files);
        QCOMPARE(cnScreen->ComboBox1->currentIndex(), 1);
        QCOMPARE(cnScreen->ComboBox2->currentIndex(), 1);
        for (Picture* reel : {cnScreen->fig1, cnScreen->fig2, cnScreen->fig3})
            QVERIFY(shows(reel, "ferrari4.jpg"));
        QCOMPARE(cnScreen->nome->text(), QStringLiteral("Zé"));
        QCOMPARE(cnScreen->l->text(), QStringLiteral("O Jogo foi Carregado com Sucesso !"));
        QVERIFY(cnScreen->l->isVisible());
        QCOMPARE(messages(), QStringList({"O Jogo foi carregado com Sucesso !"}));
        QVERIFY(!cnScreen->lsalvar->isEnabled()); // load leaves the save option as it was
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("245"));
        QCOMPARE(cnScreen->l2->text(), QStringLiteral("8"));
    }

    void aSaveAndLoadRoundTrip()
    {
        open();
        env->random->script = {1, 1, 2};
        pull();
        spin();
        nameDialogTypes("Rita");
        cnScreen->SalvarJogo1->trigger();
        const cn::SlotGame saved = game();
        env->random->script = {0, 1, 2};
        pull();
        spin();
        QVERIFY(game().money != saved.money);
        cnScreen->CarregarJogo1->trigger();
        QCOMPARE(game().money, saved.money);
        QCOMPARE(game().won, saved.won);
        QCOMPARE(game().lost, saved.lost);
        QCOMPARE(game().pulls, saved.pulls);
        QCOMPARE(game().twoEqual, 1);
        QCOMPARE(game().noMatch, 0);
    }

    void loadDuringASpinStopsItWithNoResult()
    {
        open();
        pull();
        spin(50);
        QVERIFY(game().spinning());
        cnScreen->CarregarJogo1->trigger();
        QVERIFY(!game().spinning());
        QVERIFY(!cnScreen->timer1->enabled() && !cnScreen->Timer2->enabled() && !cnScreen->Timer3->enabled());
        QCOMPARE(game().money, 100); // the shipped saved game
        QCOMPARE(game().twoEqual + game().threeEqual + game().noMatch, 0);
        QVERIFY(cnScreen->dim->isHidden());
        QVERIFY(cnScreen->possible->isHidden());
        QVERIFY(shows(cnScreen->alavanca, "alavanca.jpg"));
        pull();
        QCOMPARE(game().pulls, 1);
    }

    // A saved money of 0 or less: the lever looks usable until the first release warns.
    void aLoadedEmptyPurseRefusesTheFirstPull()
    {
        open();
        env->writeFile("Config/Jogos/cn/dinheiro.txt", "0");
        cnScreen->CarregarJogo1->trigger();
        QVERIFY(shows(cnScreen->alavanca, "alavanca.jpg"));
        pull();
        QCOMPARE(warnings(), QStringList({"Você não possui mais dinheiro!"}));
        QVERIFY(shows(cnScreen->alavanca, "alavancadesabilitada.jpg"));
        QCOMPARE(game().pulls, 0);
    }

    void loadingTheLargestMoneyThenWinningStaysPositive()
    {
        open();
        env->writeFile("Config/Jogos/cn/dinheiro.txt", "2147483647");
        env->writeFile("Config/Jogos/cn/ganhou.txt", "2147483647");
        cnScreen->CarregarJogo1->trigger();
        env->random->script = {1, 1, 1};
        pull();
        spin();
        QCOMPARE(game().money, 2147483647);
        QCOMPARE(game().won, 2147483647);
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("2147483647"));
        // The long number fits between "US$ " and ",00": the fixed label makes room for it.
        const QFontMetrics fm(cnScreen->ldinheiro->font());
        QVERIFY(cnScreen->ldinheiro->width() >= fm.horizontalAdvance("2147483647"));
        QVERIFY(cnScreen->ldinheiro->x() >= cnScreen->Label9->x() + fm.horizontalAdvance("US$"));
        QVERIFY(cnScreen->Label9->text().startsWith("US$ ") && cnScreen->Label9->text().endsWith(",00"));
    }

    // Each of the nine files broken in each of the ways a file can be: the load stops at that
    // file with the store's or the conversion's error box, keeps what it did before, writes
    // nothing, shows no notice, and leaves a machine that still plays.
    void aBrokenSavedFileStopsTheLoadThere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("missing");
        const QStringList numbers = {"dinheiro", "ganhou", "perdeu", "apostas", "duasiguais", "tresiguais", "nenhuma"};
        const QList<QPair<const char*, QByteArray>> broken = {
            {"empty", QByteArray()},
            {"two line breaks", QByteArray("120\r\n\r\n")}, // the last one alone is no part of it
            {"binary", QByteArray("\x00\xff\x1b[2J", 6)},
            {"10 MB", QByteArray(10 * 1024 * 1024, '9')},
            {"beyond 32 bits", QByteArray("99999999999")},
        };
        for (const QString& n : numbers) {
            QTest::newRow(qPrintable(n + " missing")) << n << QByteArray() << true;
            for (const auto& [what, bytes] : broken)
                QTest::newRow(qPrintable(n + " " + what)) << n << bytes << false;
        }
        QTest::newRow("nome missing") << "nome" << QByteArray() << true;
        QTest::newRow("design missing") << "design" << QByteArray() << true;
    }
    void aBrokenSavedFileStopsTheLoadThere()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, missing);
        open();
        env->writeFile("Config/Jogos/cn/dinheiro.txt", "70");
        env->writeFile("Config/Jogos/cn/ganhou.txt", "5");
        env->writeFile("Config/Jogos/cn/perdeu.txt", "35");
        env->writeFile("Config/Jogos/cn/apostas.txt", "4");
        env->writeFile("Config/Jogos/cn/duasiguais.txt", "1");
        env->writeFile("Config/Jogos/cn/tresiguais.txt", "0");
        env->writeFile("Config/Jogos/cn/nenhuma.txt", "3");
        const QString rel = QStringLiteral("Config/Jogos/cn/%1.txt").arg(name);
        if (missing)
            QVERIFY(env->remove(rel));
        else
            env->writeFile(rel, content);
        const QStringList all = kSaveFiles + QStringList{"Config/Jogos/cn/nome.txt"};
        QMap<QString, QByteArray> before;
        for (const QString& f : all)
            before[f] = file(f);
        pull();
        spin(20);

        QElapsedTimer clock;
        clock.start();
        cnScreen->CarregarJogo1->trigger();
        QVERIFY2(clock.elapsed() < 5000, "the load took too long");
        QCOMPARE(errors().size(), 1);
        const QString error = errors()[0];
        QVERIFY2(error.size() < 400, qPrintable(error.left(400)));
        // A file far larger than any value is refused unread, as a missing one is.
        missing = missing || content.size() > kMaxValueFileBytes;
        if (missing)
            QVERIFY(error.startsWith("Cannot open file \"Config/Jogos/cn/" + name + ".txt\""));
        else
            QVERIFY(error.endsWith("' is not a valid integer value"));
        QVERIFY(cnScreen->l->isHidden());
        for (const QString& f : all)
            QCOMPARE(file(f), before[f]);

        // What was done before the broken file stays done: every file is read before any value
        // is converted, and the values are converted money, won, lost, pulls, then the counts.
        const cn::SlotGame& g = game();
        const int order = QStringList({"dinheiro", "ganhou", "perdeu", "apostas", "duasiguais", "tresiguais",
                                       "nenhuma"}).indexOf(name);
        if (missing || order == 0)
            QCOMPARE(g.money, 90); // still the money of this visit's pull
        else
            QCOMPARE(g.money, 70);
        if (!missing && order > 3)
            QCOMPARE(g.pulls, 4);
        if (!missing && order == 6)
            QCOMPARE(g.twoEqual, 1);
        // Stopped and unlocked: the machine still plays.
        QVERIFY(!g.spinning());
        QVERIFY(!g.leverLock);
        const int pulls = g.pulls;
        pull();
        QCOMPARE(game().pulls, pulls + 1);
    }

    void aStoredSetNameThatIsNoneOfTheFiveChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("other case") << QByteArray("ferrari");
        QTest::newRow("two line breaks") << QByteArray("Ferrari\r\n\r\n");
        QTest::newRow("utf-8") << QByteArray("Bras\xc3\xb4" "es de Times");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02", 3);
    }
    void aStoredSetNameThatIsNoneOfTheFiveChangesNothing()
    {
        QFETCH(QByteArray, content);
        env->writeFile("Config/Jogos/cn/design.txt", content);
        open();
        QCOMPARE(cnScreen->ComboBox2->currentIndex(), cn::kDefaultSymbolSet);
        QVERIFY(shows(cnScreen->c2, "c3.bmp"));
        QVERIFY(shows(cnScreen->fig1, "c3.bmp"));
        choose(cnScreen->ComboBox2, 4);
        cnScreen->hide();
        open();
        QCOMPARE(cnScreen->ComboBox1->currentIndex(), 4);
        QCOMPARE(cnScreen->ComboBox2->currentIndex(), 4);
        QCOMPARE(game().symbols, cn::symbolSets()[4].files);
        QVERIFY(shows(cnScreen->c2, "f4.jpg"));
        QVERIFY(errors().isEmpty());
    }

    // ---- Name and new game --------------------------------------------------------------------

    void aClickOnTheNameAsksForIt()
    {
        open();
        nameDialogTypes("Beto");
        QTest::mousePress(cnScreen->nome, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(env->dialogs->modalShown, QStringList({"frm_nome"}));
        QCOMPARE(cnScreen->nome->text(), QStringLiteral("Beto"));
        QVERIFY(cnScreen->lsalvar->isEnabled());
        QVERIFY(game().unsaved);
        QCOMPARE(file("Config/Jogos/cn/nome.txt"), QByteArray("Jogador")); // only a save writes it
        QCOMPARE(cnScreen->shape->width(), cnScreen->nome->width() + 3);

        // During a spin the click only marks unsaved play.
        pull();
        env->dialogs->modalShown.clear();
        QTest::mousePress(cnScreen->nome, Qt::RightButton, {}, QPoint(4, 4));
        QVERIFY(env->dialogs->modalShown.isEmpty());
    }

    // With the name file unreadable at start-up the buffer holds its placeholder: a dialog closed
    // without a name leaves the prompt, and the save never stores the placeholder as a name. A
    // player who types the placeholder's text as his name is saved like any other.
    void theNamePlaceholderIsNeverSavedAsAName()
    {
        settings().reset();
        for (Setting s : SettingsStore::kAll) {
            if (s != Setting::nomecn)
                settings().load(s);
        }
        open();
        QTest::mousePress(cnScreen->nome, Qt::LeftButton, {}, QPoint(4, 4)); // closed without a name
        QCOMPARE(cnScreen->nome->text(), QStringLiteral("Clique aqui para Editar o seu Nome"));
        cnScreen->SalvarJogo1->trigger(); // asked again, closed again
        QCOMPARE(file("Config/Jogos/cn/nome.txt"), QByteArray("Jogador"));
        QCOMPARE(cnScreen->nome->text(), QStringLiteral("Jogador"));
        QVERIFY(errors().isEmpty());

        nameDialogTypes("nomecn");
        QTest::mousePress(cnScreen->nome, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(cnScreen->nome->text(), QStringLiteral("nomecn"));
        cnScreen->SalvarJogo1->trigger();
        QCOMPARE(file("Config/Jogos/cn/nome.txt"), QByteArray("nomecn"));
        QCOMPARE(cnScreen->nome->text(), QStringLiteral("nomecn"));
        QVERIFY(errors().isEmpty());
    }

    void aHugeOrBrokenNameStaysOneShortLine()
    {
        open();
        env->writeFile("Config/Jogos/cn/nome.txt", QByteArray(60 * 1024, 'W') + "\r\nsegunda linha");
        QElapsedTimer clock;
        clock.start();
        cnScreen->CarregarJogo1->trigger();
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(cnScreen->nome->width() <= 520);
        QVERIFY(!cnScreen->nome->text().contains(u'\n'));
        QCOMPARE(cnScreen->nomeCaption().size(), 60 * 1024 + 15);
    }

    void aNewGameKeepsTheName()
    {
        open();
        nameDialogTypes("Caio");
        QTest::mousePress(cnScreen->nome, Qt::LeftButton, {}, QPoint(4, 4));
        pull();
        spin(10);
        frm_Menu->show();
        cnScreen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(cnScreen));
        QTest::keyClick(cnScreen, Qt::Key_F2);
        QVERIFY(cnScreen->isVisible());
        QVERIFY(frm_Jogos->isHidden());
        QVERIFY(frm_Menu->isHidden());
        QCOMPARE(game().pulls, 0);
        QCOMPARE(game().money, 100);
        QVERIFY(!game().spinning());
        QVERIFY(game().unsaved);
        QCOMPARE(cnScreen->nome->text(), QStringLiteral("Caio"));
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("100"));
    }

    // ---- Symbol sets --------------------------------------------------------------------------

    void bothChoosersAgreeAndFillTheReels()
    {
        open();
        choose(cnScreen->ComboBox1, 1);
        QCOMPARE(cnScreen->ComboBox2->currentIndex(), 1);
        for (Picture* reel : {cnScreen->fig1, cnScreen->fig2, cnScreen->fig3})
            QVERIFY(shows(reel, "ferrari4.jpg"));
        const QStringList ferrari = {"ferrari1.jpg", "ferrari4.jpg", "ferrari3.jpg", "ferrari2.jpg"};
        QVERIFY(shows(cnScreen->c1, ferrari[0]) && shows(cnScreen->c2, ferrari[1]));
        QVERIFY(shows(cnScreen->c3, ferrari[2]) && shows(cnScreen->c4, ferrari[3]));
        QVERIFY(cnScreen->lsalvar->isEnabled());
        QVERIFY(game().unsaved);

        choose(cnScreen->ComboBox2, 2);
        QCOMPARE(cnScreen->ComboBox1->currentIndex(), 2);
        QCOMPARE(game().symbols, cn::symbolSets()[2].files);
        QVERIFY(shows(cnScreen->fig2, "i1.jpg"));
    }

    void aSetChosenDuringASpinShowsFromTheNextTick()
    {
        open();
        pull();
        cnScreen->timer1->tick();
        QVERIFY(shows(cnScreen->fig1, "c1.jpg"));
        choose(cnScreen->ComboBox2, 4);
        QVERIFY(shows(cnScreen->fig1, "c1.jpg")); // the spinning reel is left alone
        cnScreen->timer1->tick();
        QVERIFY(shows(cnScreen->fig1, "f4.jpg"));
        env->random->script = {3, 3, 3};
        spin();
        for (Picture* reel : {cnScreen->fig1, cnScreen->fig2, cnScreen->fig3})
            QVERIFY(shows(reel, "f2.bmp"));
    }

    // Only a save stores the set: a choice made after it is replaced by the saved set at the
    // next show, also after a new game.
    void aSetChosenAfterTheLastSaveGivesWayAtTheNextShow()
    {
        open();
        choose(cnScreen->ComboBox2, 1);
        nameDialogTypes("Lia");
        cnScreen->SalvarJogo1->trigger();
        choose(cnScreen->ComboBox2, 4);
        QCOMPARE(game().symbols, cn::symbolSets()[4].files);
        cnScreen->IniciarnovoJogo1->trigger();
        QCOMPARE(cnScreen->ComboBox1->currentIndex(), 1);
        QCOMPARE(cnScreen->ComboBox2->currentIndex(), 1);
        QCOMPARE(game().symbols, cn::symbolSets()[1].files);
        QVERIFY(shows(cnScreen->fig3, "ferrari4.jpg"));
    }

    // ---- The notice ---------------------------------------------------------------------------

    void theNoticeSlidesAndRestartsFrom840()
    {
        open();
        nameDialogTypes("Ivo");
        cnScreen->SalvarJogo1->trigger();
        QCOMPARE(cnScreen->Timer4->interval(), 1);
        for (int i = 0; i < 50; ++i)
            cnScreen->Timer4->tick();
        QCOMPARE(cnScreen->l->x(), 740);
        cnScreen->CarregarJogo1->trigger();
        QCOMPARE(cnScreen->l->x(), 840);
        QCOMPARE(cnScreen->l->text(), QStringLiteral("O Jogo foi Carregado com Sucesso !"));
        int ticks = 0;
        while (cnScreen->Timer4->enabled() && ticks < 1000) {
            cnScreen->Timer4->tick();
            ++ticks;
        }
        QCOMPARE(ticks, 176);
        QVERIFY(cnScreen->l->isHidden());
        QCOMPARE(cnScreen->l->x(), 840);
    }

    // ---- Tabs, options and menu ---------------------------------------------------------------

    void aTabChangeRestsTheReelsAndAppliesTheTheme()
    {
        open();
        settings().set(Setting::memo, "6");
        env->random->script = {0, 0, 1};
        pull();
        spin();
        QVERIFY(cnScreen->possible->isVisible());
        cnScreen->pagecontrol1->setCurrentIndex(1);
        QVERIFY(cnScreen->possible->isHidden());
        QVERIFY(shows(cnScreen->fig1, "c3.bmp"));
        for (Picture* bg : {cnScreen->graconf, cnScreen->graconf2, cnScreen->graconf3})
            QVERIFY(shows(bg, "grad.jpg"));
        // A picture-name theme reaches the machine tab's background only.
        settings().set(Setting::memo, "graconf3.jpg");
        cnScreen->pagecontrol1->setCurrentIndex(2);
        QVERIFY(shows(cnScreen->graconf, "graconf3.jpg"));
        QVERIFY(shows(cnScreen->graconf2, "grad.jpg"));
    }

    void theWaysOut()
    {
        open();
        frm_Jogos->hide();
        cnScreen->SairparaateladeJogos1->trigger();
        QVERIFY(cnScreen->isHidden());
        QVERIFY(frm_Jogos->isVisible());
        QVERIFY(frm_Menu->isHidden());

        frm_Jogos->hide();
        open();
        QTest::mouseClick(cnScreen->l33, Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(cnScreen->isHidden());
        QVERIFY(frm_Jogos->isHidden());
        QVERIFY(frm_Menu->isVisible());

        open();
        cnScreen->SairdoJogo1->trigger();
        QCOMPARE(env->quits, 1);
    }

    void secondaryScreensKeepTheGame()
    {
        open();
        pull();
        spin();
        const cn::SlotGame before = game();
        cnScreen->Configuracoes1->trigger();
        cnScreen->CacaNiquel1->trigger();
        cnScreen->SobreoCassinoZOR1->trigger();
        cnScreen->SobreosDesenvolvedores1->trigger();
        cnScreen->Button2->click();
        cnScreen->Button1->click();
        QCOMPARE(env->dialogs->modalShown,
                 QStringList({"frm_conf", "ajudacn", "cassino", "desen", "ajudacn", "design"}));
        cnScreen->Design1->trigger();
        QVERIFY(design->isVisible()); // shown without waiting
        QCOMPARE(env->dialogs->modalShown.size(), 6);
        QCOMPARE(game().money, before.money);
        QCOMPARE(game().pulls, before.pulls);
        QCOMPARE(game().twoEqual + game().threeEqual + game().noMatch, 1);
    }

    void optionLabelsFollowThePointer()
    {
        open();
        auto underlinedBold = [](QWidget* w) { return w->font().bold() && w->font().underline(); };
        moveOver(cnScreen->l4);
        QVERIFY(underlinedBold(cnScreen->l4));
        moveOver(cnScreen->Image2, QPoint(200, 20));
        QVERIFY(cnScreen->Label11->font().underline());
        QVERIFY(cnScreen->l4->font().bold() && !cnScreen->l4->font().underline());
        moveOver(cnScreen->fig2);
        QVERIFY(!cnScreen->Label11->font().underline());

        // The name's hover cue plays once until the pointer crosses the sheet.
        settings().set(Setting::som, "s");
        env->sound->played.clear();
        moveOver(cnScreen->nome);
        moveOver(cnScreen->nome);
        QCOMPARE(env->sound->files(), QStringList({"mouse.wav"}));
        moveOver(cnScreen->fig1);
        moveOver(cnScreen->nome);
        QCOMPARE(env->sound->files(), QStringList({"mouse.wav", "mouse.wav"}));
        QCOMPARE(cnScreen->nome->cursor().shape(), Qt::PointingHandCursor);
        pull();
        moveOver(cnScreen->nome);
        QCOMPARE(cnScreen->nome->cursor().shape(), Qt::ArrowCursor);
    }

    void theMenuShortcuts()
    {
        QCOMPARE(cnScreen->IniciarnovoJogo1->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(cnScreen->SalvarJogo1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(cnScreen->CarregarJogo1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(cnScreen->SairdoJogo1->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_W));
        open();
        cnScreen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(cnScreen));
        QTest::keyClick(cnScreen, Qt::Key_W, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(env->quits, 1);
        env->writeFile("Config/Jogos/cn/dinheiro.txt", "321");
        QTest::keyClick(cnScreen->ComboBox2, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(game().money, 321);
    }

    // The name's hint is a readable box: light ground, dark letters.
    void theNameHintIsReadable()
    {
        open();
        QToolTip::showText(cnScreen->nome->mapToGlobal(QPoint(4, 4)), cnScreen->nome->toolTip(), cnScreen->nome);
        QWidget* tip = nullptr;
        QTRY_VERIFY((tip = [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->inherits("QTipLabel") && w->isVisible())
                    return w;
            }
            return static_cast<QWidget*>(nullptr);
        }()));
        QCOMPARE(static_cast<QLabel*>(tip)->text(), QStringLiteral("Mude o seu Nome"));
        const QImage img = tip->grab().toImage();
        QVERIFY(!img.isNull());
        int light = 0, dark = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const int v = qGray(img.pixel(x, y));
                light += v > 200;
                dark += v < 80;
            }
        }
        const int all = img.width() * img.height();
        QVERIFY2(light > all * 6 / 10, qPrintable(QStringLiteral("%1 of %2 light").arg(light).arg(all)));
        QVERIFY2(dark > 20, qPrintable(QStringLiteral("%1 dark").arg(dark)));
        QToolTip::hideText();
    }

    // The pay table's panels are 200, 200, 200 and 110 wide, each caption whole inside.
    void theStatusBarPanels()
    {
        open();
        const QList<QLabel*> panels = cnScreen->StatusBar1->findChildren<QLabel*>();
        QCOMPARE(panels.size(), 4);
        const int widths[4] = {200, 200, 200, 110};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(panels[i]->width(), widths[i]);
            QVERIFY2(panels[i]->fontMetrics().horizontalAdvance(panels[i]->text()) <= panels[i]->contentsRect().width(),
                     qPrintable(panels[i]->text()));
        }
        QVERIFY(panels[0]->x() < panels[1]->x() && panels[1]->x() < panels[2]->x() && panels[2]->x() < panels[3]->x());
    }

    // ---- Labels follow the record; idle costs nothing ----------------------------------------

    // Every change reaches the labels at once, with no timer tick in between: the pull's stake,
    // the result, a load, a load stopped by a broken file, and a close.
    void theLabelsFollowTheRecordWithNoTick()
    {
        open();
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("100"));
        QCOMPARE(cnScreen->l2->text(), QStringLiteral("0"));
        QCOMPARE(cnScreen->alavanca->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(cnScreen->alavanca, Qt::LeftButton, {}, QPoint(20, 60));
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("90"));
        QCOMPARE(cnScreen->lperdeu->text(), QStringLiteral("10"));
        QCOMPARE(cnScreen->lapostas->text(), QStringLiteral("1"));
        QCOMPARE(cnScreen->alavanca->cursor().shape(), Qt::ArrowCursor);
        env->random->script = {2, 2, 0};
        spin();
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("115"));
        QCOMPARE(cnScreen->lganha->text(), QStringLiteral("25"));
        QCOMPARE(cnScreen->l2->text(), QStringLiteral("1"));
        QCOMPARE(cnScreen->alavanca->cursor().shape(), Qt::PointingHandCursor);

        env->writeFile("Config/Jogos/cn/dinheiro.txt", "7");
        env->writeFile("Config/Jogos/cn/apostas.txt", "3");
        env->writeFile("Config/Jogos/cn/nenhuma.txt", "x");
        cnScreen->CarregarJogo1->trigger();
        QCOMPARE(errors().size(), 1);
        // The values before the broken file are taken and shown; the counts after it stay.
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("7"));
        QCOMPARE(cnScreen->lapostas->text(), QStringLiteral("3"));
        QCOMPARE(cnScreen->ln->text(), QString::number(game().noMatch));

        cnScreen->close();
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("100"));
        QCOMPARE(cnScreen->lapostas->text(), QStringLiteral("0"));
        QCOMPARE(cnScreen->l2->text(), QStringLiteral("0"));
    }

    // At rest no timer of the machine fires more than 10 times a second: not after showing, nor
    // after a pull has settled, a save's notice has slid away, a load, a close or a new game.
    // Only the reels and the notice run fast, and only while they move.
    void anIdleMachineRunsNoFastTimer()
    {
        open();
        QCOMPARE(fastTimers(), QStringList());
        pull();
        QCOMPARE(fastTimers(), QStringList({"timer1"}));
        spin();
        QCOMPARE(fastTimers(), QStringList());
        QVERIFY(cnScreen->t1->enabled()); // hides the amount once, 2.6 s later

        nameDialogTypes("Ana");
        cnScreen->SalvarJogo1->trigger();
        QCOMPARE(fastTimers(), QStringList({"Timer4"}));
        for (int i = 0; i < 400 && cnScreen->Timer4->enabled(); ++i)
            cnScreen->Timer4->tick();
        QCOMPARE(fastTimers(), QStringList());

        cnScreen->CarregarJogo1->trigger();
        for (int i = 0; i < 400 && cnScreen->Timer4->enabled(); ++i)
            cnScreen->Timer4->tick();
        QCOMPARE(fastTimers(), QStringList());

        // Space pressed and released: the release waits a moment for a held key's repeat, once.
        key(cnScreen, QEvent::KeyPress);
        key(cnScreen, QEvent::KeyRelease);
        cnScreen->spaceUp->tick();
        QVERIFY(!cnScreen->spaceUp->enabled());
        spin();
        QCOMPARE(fastTimers(), QStringList());

        QTest::keyClick(cnScreen, Qt::Key_F2);
        QCOMPARE(fastTimers(), QStringList());
        cnScreen->close();
        QCOMPARE(fastTimers(), QStringList());
    }

    // The real program's timers (not hand-fired): a shown machine at rest runs none faster than
    // 10 Hz, measured by the ticks the event loop delivers in a quarter of a second.
    void anIdleMachineWakesRarelyOnTheEventLoop()
    {
        zor::Timer::setManualMode(false);
        open();
        QVERIFY(QTest::qWaitForWindowExposed(cnScreen));
        int ticks = 0;
        QList<QMetaObject::Connection> counting;
        for (zor::Timer* t : cnScreen->findChildren<zor::Timer*>())
            counting << connect(t, &zor::Timer::timeout, this, [&ticks] { ++ticks; });
        QTest::qWait(250);
        for (const auto& c : counting)
            disconnect(c);
        zor::Timer::setManualMode(true);
        QVERIFY2(ticks <= 3, qPrintable(QStringLiteral("%1 ticks in 250 ms").arg(ticks)));
    }

    // The menu's entries clicked as a player clicks them: the bar's menu opened, the entry
    // clicked.
    void menuEntriesClickedWithTheMouse()
    {
        open();
        cnScreen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(cnScreen));
        auto clickEntry = [this](QMenu* menu, QAction* entry) {
            QMenuBar* bar = cnScreen->MainMenu1;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
            QTRY_VERIFY(menu->isVisible());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
            QTRY_VERIFY(!menu->isVisible());
        };
        pull();
        nameDialogTypes("Ana");
        clickEntry(cnScreen->OpcoesdoJogo1, cnScreen->SalvarJogo1);
        QCOMPARE(file("Config/Jogos/cn/dinheiro.txt"), QByteArray("90"));
        QCOMPARE(cnScreen->l->text(), QStringLiteral("O Jogo foi Salvo com Sucesso !"));

        env->writeFile("Config/Jogos/cn/dinheiro.txt", "55");
        clickEntry(cnScreen->OpcoesdoJogo1, cnScreen->CarregarJogo1);
        QCOMPARE(game().money, 55);
        QCOMPARE(cnScreen->ldinheiro->text(), QStringLiteral("55"));

        clickEntry(cnScreen->Ajuda1, cnScreen->CacaNiquel1);
        QCOMPARE(env->dialogs->modalShown.last(), QStringLiteral("ajudacn"));
        QCOMPARE(game().money, 55);

        clickEntry(cnScreen->OpcoesdoJogo1, cnScreen->SairparaateladeJogos1);
        QVERIFY(cnScreen->isHidden());
        QVERIFY(frm_Jogos->isVisible());
        QCOMPARE(game().money, 100);
    }

    void escapeDoesNotCloseTheScreen()
    {
        open();
        QTest::keyClick(cnScreen, Qt::Key_Escape);
        QVERIFY(cnScreen->isVisible());
    }
};

QTEST_MAIN(SlotMachine)
#include "test_slot_machine.moc"
