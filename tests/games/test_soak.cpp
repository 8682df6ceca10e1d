// Soak: 4,000 tosses, 10,000 lever pulls and 10,000 Blackjack hands through the real screens
// offscreen, with the real random source and hand-fired ticks. Each game's invariants hold after
// every round, and the process's memory stays within 10 MiB of where it stood after a warm-up.
#include "app/screens.h"
#include "fakes.h"
#include "games/blackjack/bet_dialog.h"
#include "games/blackjack/blackjack_rules.h"
#include "games/blackjack/blackjack_table.h"
#include "games/coin/coin_game.h"
#include "games/coin/coin_table.h"
#include "games/coin/mode_dialog.h"
#include "games/slots/slot_game.h"
#include "games/slots/slot_machine.h"
#include "platform/desktop.h"
#include "settings/store.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace zor;

namespace {

// ZOR_SOAK_ROUNDS shortens the run, to look into one by hand.
const int kRounds = qEnvironmentVariableIsSet("ZOR_SOAK_ROUNDS") ? qEnvironmentVariableIntValue("ZOR_SOAK_ROUNDS") : 10'000;
// A toss is 150 countdown ticks, each of which repaints the countdown's progress bar: 4,000 of
// them take as long as the 10,000 pulls and hands together, and still give the memory check
// 3,500 rounds after the warm-up.
const int kTosses = qEnvironmentVariableIsSet("ZOR_SOAK_ROUNDS") ? kRounds : 4'000;
constexpr int kWarmUp = 500;
constexpr long kSlackKiB = 10 * 1024;


} // namespace

class Soak : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

    // The memory after the warm-up rounds, then the check at the end.
    long baseline = 0;
    void memoryAt(int round)
    {
        // The test doubles keep a record of every cue and dialog: drop it, it is not the game's.
        env->sound->played.clear();
        env->dialogs->modalShown.clear();
        env->dialogs->messages.clear();
        // Deferred deletions are delivered after every round, as the message loop would between
        // two of the player's clicks. A whole turn of the loop, which repaints the screen (most
        // of a round's cost, and nothing the game's state depends on), comes every 25 rounds.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (round % 25 == 0 || round == kWarmUp)
            QCoreApplication::processEvents();
        if (round == kWarmUp)
            baseline = zortest::residentKiB();
    }
    void memoryHeld(const char* game)
    {
        const long now = zortest::residentKiB();
        QVERIFY2(baseline > 0 && now - baseline < kSlackKiB,
                 qPrintable(QStringLiteral("%1: %2 KiB after the warm-up, %3 KiB at the end").arg(game).arg(baseline).arg(now)));
    }

private slots:
    void initTestCase() { initApplication(); }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        settings().set(Setting::som, "s");
        settings().set(Setting::msg, "n");
        // The real draws, reseeded from the clock before each one.
        services().random = std::make_shared<ClockRandom>();
        createScreens();
        createMainMenu();
    }

    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    void fourThousandTosses()
    {
        coin::game() = coin::CoinGame{};
        coin::game().coinValue = 100;
        coin::game().side = QStringLiteral("Cara");
        TCoC_jogo* t = CoC_jogo;
        t->show();
        env->dialogs->scripts["coc_modo"] = [](QDialog*) {
            coc_modo->RadioButton1->setChecked(true);
            coc_modo->Button1->click();
        };
        t->jogarClick(); // the mode: random stop
        QCOMPARE(t->jogar->text(), QStringLiteral("Jogar Moeda"));

        for (int round = 1; round <= kTosses; ++round) {
            t->jogarClick();
            QVERIFY(coin::game().tossRunning);
            for (int tick = 0; tick < 400 && coin::game().tossRunning; ++tick) {
                if (tick % 7 == 0)
                    t->gira1->tick(); // the faces turn now and then, as they do between countdown ticks
                t->aleatorio->tick();
            }
            QVERIFY2(!coin::game().tossRunning, qPrintable(QStringLiteral("toss %1 never ended").arg(round)));
            const coin::CoinGame& g = coin::game();
            QCOMPARE(g.bets, round);
            QCOMPARE(t->lapostas->text(), QString::number(round)); // drawn as the toss settled
            QCOMPARE(g.wins + g.losses, round);
            QCOMPARE(g.money, double(g.wins - g.losses));
            memoryAt(round);
        }
        QVERIFY(coin::game().wins > kTosses / 3 && coin::game().losses > kTosses / 3);
        QCOMPARE(t->lapostas->text(), QString::number(kTosses));
        memoryHeld("tosses");
    }

    void tenThousandPulls()
    {
        Tfrm_cn* m = frm_cn;
        m->show();
        int pulls = 0, games = 1;
        for (int round = 1; round <= kRounds; ++round) {
            if (cn::slotGame().money < 5) {
                m->IniciarnovoJogo1Click(); // F2: a new game at 100
                ++games;
                pulls = 0;
            }
            QTest::mousePress(m->alavanca, Qt::LeftButton, {}, QPoint(20, 60));
            QTest::mouseRelease(m->alavanca, Qt::LeftButton, {}, QPoint(20, 60));
            ++pulls;
            QVERIFY(cn::slotGame().spinning());
            for (int period = 0; period < 400 && cn::slotGame().spinning(); ++period) {
                for (zor::Timer* reel : {m->timer1, m->Timer2, m->Timer3})
                    if (reel->enabled())
                        reel->tick();
            }
            QVERIFY2(!cn::slotGame().spinning(), qPrintable(QStringLiteral("pull %1 never ended").arg(round)));
            const cn::SlotGame& g = cn::slotGame();
            QCOMPARE(g.money, cn::kStartMoney + g.won - g.lost);
            QCOMPARE(g.pulls, pulls);
            QCOMPARE(m->lapostas->text(), QString::number(pulls)); // the labels follow the record
            QCOMPARE(g.twoEqual + g.threeEqual + g.noMatch, pulls);
            memoryAt(round);
        }
        QVERIFY(env->dialogs->texts("error").isEmpty());
        qInfo("%d games", games);
        memoryHeld("pulls");
    }

    void tenThousandHands()
    {
        bj::blackjack() = bj::BlackjackTable{};
        env->dialogs->scripts["aposta"] = [](QDialog*) {
            QLineEdit* edit = aposta->cn->editor();
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("50"));
            QTest::keyClick(edit, Qt::Key_Return);
        };
        frm_bj = new Tfrm_bj;
        Tfrm_bj* table = frm_bj;
        table->show();
        int counted = 0;
        for (int round = 1; round <= kRounds; ++round) {
            const bj::BlackjackTable& t = bj::blackjack();
            QCOMPARE(t.step, bj::HandStep::NoHand);
            QTest::keyClick(table, Qt::Key_Return); // deal: the bet, then two cards
            // Draw to 17 or five cards, then stand; 21 and busts settle on their own.
            for (int card = 0; card < 5 && t.step != bj::HandStep::NoHand; ++card) {
                if (bj::playerTotal(t) < 17 && bj::nextCardSlot(t.step) >= 0)
                    QTest::keyClick(table, Qt::Key_Return);
                else
                    table->p2Click();
                bj::tableChanged();
            }
            if (t.step != bj::HandStep::NoHand)
                table->p2Click();
            bj::tableChanged();
            QCOMPARE(t.step, bj::HandStep::NoHand);
            QCOMPARE(t.bet, 50);
            // Ties count as a win and a loss; a bust costs nothing.
            QCOMPARE(t.money, t.bet * (t.wins - t.losses));
            const int now = t.wins + t.losses + t.busts;
            QVERIFY(now > counted && now <= counted + 2);
            counted = now;
            memoryAt(round);
        }
        QVERIFY(env->dialogs->texts("error").isEmpty());
        memoryHeld("hands");
    }
};

QTEST_MAIN(Soak)
#include "test_soak.moc"
