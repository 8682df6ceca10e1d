// A screen at rest wakes the program only for what moves on it: no timer of any screen, shown
// or hidden, ticks more often than ten times a second while nothing moves. (A refresh timer
// polling a game's state every few milliseconds kept an idle table at 1-2 % of a core.)
// Each idle screen is brought up as the player brings it up, then every live layout timer and
// every QTimer in the program is looked at; a failure names the screen and the timer.
#include "app/screens.h"
#include "controls/timer.h"
#include "fakes.h"
#include "games/blackjack/blackjack_table.h"
#include "games/coin/coin_table.h"
#include "games/coin/coin_value_screen.h"
#include "games/slots/slot_machine.h"
#include "settings/config_screen.h"
#include "settings/design_screen.h"
#include "settings/store.h"
#include "shell/game_chooser.h"
#include "shell/main_menu.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace zor;

namespace {

// Ten ticks a second at most.
constexpr int kSlowestFastMs = 100;

// The screen a timer belongs to: the window of the widget it hangs from.
QString ownerOf(const QObject* timer)
{
    for (const QObject* o = timer->parent(); o; o = o->parent()) {
        if (o->isWidgetType())
            return static_cast<const QWidget*>(o)->window()->objectName();
    }
    return QStringLiteral("(no screen)");
}

struct FastTimer {
    QString screen;
    QString text; // "screen/timer every N ms"
};

// Every timer that would tick by itself more often than ten times a second: the layouts'
// timers that are switched on (tests keep them from ticking, not from being on), and every
// active repeating QTimer of the application and its windows.
QList<FastTimer> fastTimers()
{
    QList<FastTimer> out;
    for (const Timer* t : Timer::all()) {
        if (t->running() && t->effectiveInterval() < kSlowestFastMs) {
            const QString screen = ownerOf(t);
            out.append({screen, QStringLiteral("%1/%2 every %3 ms").arg(screen, t->objectName()).arg(t->effectiveInterval())});
        }
    }
    QList<QObject*> roots{qApp};
    for (QWidget* w : QApplication::topLevelWidgets())
        roots.append(w);
    QSet<const QTimer*> seen;
    for (QObject* root : roots) {
        for (const QTimer* t : root->findChildren<QTimer*>()) {
            if (seen.contains(t))
                continue;
            seen.insert(t);
            if (t->isActive() && !t->isSingleShot() && t->interval() < kSlowestFastMs) {
                const QString screen = ownerOf(t);
                out.append({screen, QStringLiteral("%1/%2 (QTimer) every %3 ms")
                                        .arg(screen, t->objectName().isEmpty() ? QStringLiteral("unnamed") : t->objectName())
                                        .arg(t->interval())});
            }
        }
    }
    return out;
}

// The fast timers of the named screens ("*": of every screen).
QStringList fastTimersOf(const QStringList& screens)
{
    QStringList out;
    for (const FastTimer& f : fastTimers()) {
        if (screens.contains(QStringLiteral("*")) || screens.contains(f.screen))
            out << f.text;
    }
    return out;
}

} // namespace

class IdleTimers : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

    // Through the chooser, as the player goes: onto the banner, a click on its highlight.
    static void chooseGame(const char* banner, const char* highlight)
    {
        frm_Jogos->show();
        zortest::moveOver(zortest::control(frm_Jogos, QString::fromLatin1(banner)));
        QTest::mouseClick(zortest::control(frm_Jogos, QString::fromLatin1(highlight)), Qt::LeftButton);
    }

    // The main menu's animation runs its poses and blinks as the message loop would fire them.
    static void animateTheMenu()
    {
        for (int round = 0; round < 3; ++round) {
            for (Timer* t : {frm_Menu->t, frm_Menu->t2, frm_Menu->t3, frm_Menu->t4, frm_Menu->t5})
                if (t->enabled())
                    t->tick();
        }
    }

private slots:
    void initTestCase() { initApplication(); }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        settings().set(Setting::som, "s");
        settings().set(Setting::musica, "s");
        settings().set(Setting::animacao, "s");
        settings().set(Setting::msg, "n");
        settings().set(Setting::memo, "1");
        createScreens();
        createMainMenu();
    }

    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    // The check itself finds what it looks for: a layout timer switched on at 5 ms and a
    // repeating QTimer at 10 ms, each named with its screen; switched off, neither counts.
    void theCheckFindsAFastTimer()
    {
        frm_Menu->show();
        auto* layoutTimer = new Timer(frm_Menu, QStringLiteral("rapido"), 5, true);
        auto* plain = new QTimer(frm_Menu->fundo);
        plain->setObjectName(QStringLiteral("polling"));
        plain->start(10);
        QCOMPARE(fastTimersOf({QStringLiteral("frm_Menu")}),
                 QStringList({QStringLiteral("frm_Menu/rapido every 10 ms"),
                              QStringLiteral("frm_Menu/polling (QTimer) every 10 ms")}));
        layoutTimer->setEnabled(false);
        plain->stop();
        QCOMPARE(fastTimersOf({QStringLiteral("frm_Menu")}), QStringList());
        plain->setSingleShot(true);
        plain->start(10);
        QCOMPARE(fastTimersOf({QStringLiteral("frm_Menu")}), QStringList()); // one tick is no clock
        delete layoutTimer;
        delete plain;
    }

    void idleScreenHasNoFastTimer_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("main menu, animation on") << "frm_Menu";
        QTest::newRow("main menu, with every other screen hidden behind it") << "*";
        QTest::newRow("game chooser") << "frm_Jogos";
        QTest::newRow("coin value screen") << "frm_CoC1";
        QTest::newRow("coin table") << "CoC_jogo";
        QTest::newRow("slot machine") << "frm_cn";
        QTest::newRow("Blackjack table") << "frm_bj";
        QTest::newRow("configuration screen") << "frm_conf";
        QTest::newRow("design screen") << "design";
    }

    void idleScreenHasNoFastTimer()
    {
        QFETCH(QString, screen);
        QStringList fast;
        bool shown = false;
        if (screen == "frm_Menu" || screen == "*") {
            frm_Menu->show();
            animateTheMenu();
            shown = frm_Menu->isVisible();
            fast = fastTimersOf({screen});
        } else if (screen == "frm_Jogos") {
            frm_Jogos->show();
            shown = frm_Jogos->isVisible();
            fast = fastTimersOf({screen});
        } else if (screen == "frm_CoC1") {
            chooseGame("coc1", "coc2");
            shown = frm_CoC1 && frm_CoC1->isVisible();
            fast = fastTimersOf({screen});
        } else if (screen == "CoC_jogo") {
            CoC_jogo->show();
            shown = CoC_jogo->isVisible();
            fast = fastTimersOf({screen});
        } else if (screen == "frm_cn") {
            chooseGame("ca1", "ca2");
            shown = frm_cn && frm_cn->isVisible();
            fast = fastTimersOf({screen});
        } else if (screen == "frm_bj") {
            chooseGame("bl1", "bl2");
            shown = frm_bj && frm_bj->isVisible();
            fast = fastTimersOf({screen});
        } else {
            // Both are shown modally from the main menu; the look is taken while they are open.
            frm_Menu->show();
            QDialog* dialog = screen == "frm_conf" ? static_cast<QDialog*>(frm_conf) : static_cast<QDialog*>(design);
            env->openModal(dialog, [&](QDialog* d) {
                shown = d->isVisible();
                fast = fastTimersOf({screen});
            });
        }
        QVERIFY2(shown, qPrintable(screen + " did not come up"));
        QVERIFY2(fast.isEmpty(), qPrintable(QStringLiteral("ticking more than 10 times a second at rest: ")
                                            + fast.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(IdleTimers)
#include "test_idle_timers.moc"
