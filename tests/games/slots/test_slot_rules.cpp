// The slot machine's rules without any widget: the result table, the lever, the stop sequence of
// the three reel timers fired by hand, the 32-bit limits, the saved numbers, and the money
// invariant and result frequencies over many pulls with the real random source.
#include "fakes.h"
#include "games/slots/slot_game.h"
#include "games/slots/symbol_sets.h"
#include "platform/desktop.h"
#include "platform/errors.h"

#include <QTest>
#include <limits>

using namespace zor::cn;

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

struct Stop {
    int reel;     // which reel stopped
    int tick;     // the 90 ms period it stopped in, counted from the release
};

struct Spin {
    QList<Stop> stops;
    int resultTick = -1;
    bool settled = false;
    Outcome outcome{ResultClass::NoMatch, Match::None};
};

// Runs a released pull to its end as three timers of equal interval would: every period each
// reel that was running when the period began ticks once, in the order the timers were started
// (reel 1, then 2, then 3); a timer started during a period first ticks one interval later.
Spin runSpin(SlotGame& g, zor::RandomSource& random, int maxTicks = 200)
{
    Spin s;
    for (int tick = 1; tick <= maxTicks && g.spinning(); ++tick) {
        const auto atStart = g.running;
        for (int reel = 0; reel < 3; ++reel) {
            if (!atStart[reel] || !g.running[reel])
                continue;
            const auto before = g.running;
            const ReelTick t = tickReel(g, reel, random);
            for (int r = 0; r < 3; ++r) {
                if (before[r] && !g.running[r])
                    s.stops.append({r, tick});
            }
            if (t.evaluate) {
                s.resultTick = tick;
                s.outcome = settle(g);
                s.settled = true;
            }
        }
    }
    return s;
}

// A whole pull: the lever pressed down, then released.
Release pull(SlotGame& g)
{
    zortest::FakeRandom random;
    pressLever(g, random);
    return releaseLever(g);
}

SlotGame pulled(int money = 100)
{
    SlotGame g;
    g.money = money;
    pull(g);
    return g;
}

} // namespace

class SlotRules : public QObject {
    Q_OBJECT

private slots:
    // ---- The result table -------------------------------------------------------------------

    void resultTable_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("middle");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("match");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("banner");
        QTest::newRow("left and middle") << 2 << 2 << 4 << int(ResultClass::TwoEqual) << int(Match::LeftMiddle)
                                         << "+ US$ 25,00" << "esqermeio.jpg";
        QTest::newRow("left and right") << 3 << 1 << 3 << int(ResultClass::TwoEqual) << int(Match::LeftRight)
                                        << "+ US$ 25,00" << "esqerdirei.jpg";
        QTest::newRow("middle and right") << 1 << 4 << 4 << int(ResultClass::TwoEqual) << int(Match::MiddleRight)
                                          << "+ US$ 25,00" << "meiodirei.jpg";
        QTest::newRow("three equal") << 4 << 4 << 4 << int(ResultClass::ThreeEqual) << int(Match::All)
                                     << "+ US$ 50,00" << "todos.jpg";
        QTest::newRow("none") << 1 << 2 << 3 << int(ResultClass::NoMatch) << int(Match::None)
                              << "- US$  5,00" << "";
    }
    void resultTable()
    {
        QFETCH(int, left);
        QFETCH(int, middle);
        QFETCH(int, right);
        QFETCH(int, kind);
        QFETCH(int, match);
        QFETCH(QString, amount);
        QFETCH(QString, banner);
        const Outcome o = classify(left, middle, right);
        QCOMPARE(int(o.kind), kind);
        QCOMPARE(int(o.match), match);
        QCOMPARE(amountText(o.kind), amount);
        QCOMPARE(matchPicture(o.match), banner);
    }

    // Every one of the 64 stop combinations falls into exactly the class its symbols say, and
    // three equal symbols never count as a pair.
    void everyCombinationIsClassifiedByItsEqualSymbols()
    {
        for (int a = 1; a <= 4; ++a)
            for (int b = 1; b <= 4; ++b)
                for (int c = 1; c <= 4; ++c) {
                    const int equalPairs = (a == b) + (a == c) + (b == c);
                    const Outcome o = classify(a, b, c);
                    const ResultClass want = equalPairs == 3 ? ResultClass::ThreeEqual
                        : equalPairs == 1                    ? ResultClass::TwoEqual
                                                             : ResultClass::NoMatch;
                    QCOMPARE(int(o.kind), int(want));
                }
    }

    void settlingPaysAndCounts()
    {
        SlotGame g = pulled();
        g.stop = {2, 2, 2};
        settle(g);
        QCOMPARE(g.money, 140);
        QCOMPARE(g.won, 50);
        QCOMPARE(g.lost, 10);
        QCOMPARE(g.threeEqual, 1);
        QCOMPARE(g.twoEqual, 0);
        QVERIFY(!g.leverLock);

        g.leverLock = true;
        g.stop = {1, 3, 1};
        settle(g);
        QCOMPARE(g.money, 165);
        QCOMPARE(g.won, 75);
        QCOMPARE(g.twoEqual, 1);

        g.stop = {1, 2, 3};
        settle(g);
        QCOMPARE(g.money, 160);
        QCOMPARE(g.lost, 15);
        QCOMPARE(g.noMatch, 1);
        QCOMPARE(g.money, 100 + g.won - g.lost);
    }

    // ---- The lever --------------------------------------------------------------------------

    void aReleaseTakesTheStakeAndLocksTheLever()
    {
        SlotGame g;
        QCOMPARE(pull(g), Release::Accepted);
        QCOMPARE(g.money, 90);
        QCOMPARE(g.lost, 10);
        QCOMPARE(g.pulls, 1);
        QVERIFY(g.leverLock);
        QVERIFY(g.unsaved);
        QVERIFY(g.running[0] && !g.running[1] && !g.running[2]);

        // During the spin a press does nothing and a release takes nothing more.
        zortest::FakeRandom random;
        QCOMPARE(pressLever(g, random), Press::Ignored);
        QCOMPARE(random.reseeds, 0);
        QVERIFY(g.running[0]);
        QCOMPARE(releaseLever(g), Release::Ignored);
        QCOMPARE(g.money, 90);
        QCOMPARE(g.pulls, 1);
    }

    // A release pulls only after a press that put the lever down and reset the reels: a release
    // with no press before it, or a second release, starts nothing.
    void aReleaseNeedsTheLeverPressedFirst()
    {
        SlotGame g;
        QCOMPARE(releaseLever(g), Release::Ignored);
        QVERIFY(g.unsaved);
        QCOMPARE(g.pulls, 0);
        QCOMPARE(g.money, 100);
        QVERIFY(!g.spinning() && !g.leverLock);

        QCOMPARE(pull(g), Release::Accepted);
        g.running = {};
        g.leverLock = false;
        QCOMPARE(releaseLever(g), Release::Ignored);
        QCOMPARE(g.pulls, 1);
    }

    // The jam: the lever pressed during a spin and released after the result. That release must
    // start nothing (no stake, no reel); the next real pull starts from reset reels, and its spin
    // ends with a result like any other.
    void aPressDuringASpinReleasedAfterTheResultStartsNothing()
    {
        zortest::FakeRandom random;
        SlotGame g = pulled();
        for (int i = 0; i < 20; ++i)
            tickReel(g, 0, random);
        QCOMPARE(pressLever(g, random), Press::Ignored);
        QVERIFY(!g.leverDown);
        random.script = {0, 1, 2};
        QVERIFY(runSpin(g, random).settled);
        QVERIFY(!g.leverLock);
        const SlotGame afterResult = g;

        QCOMPARE(releaseLever(g), Release::Ignored);
        QCOMPARE(g.money, afterResult.money);
        QCOMPARE(g.lost, afterResult.lost);
        QCOMPARE(g.pulls, 1);
        QVERIFY(!g.spinning());
        QVERIFY(!g.leverLock);

        QCOMPARE(pull(g), Release::Accepted);
        QCOMPARE(g.pulls, 2);
        random.script = {3, 3, 3};
        const Spin s = runSpin(g, random);
        QVERIFY(s.settled);
        QCOMPARE(int(s.outcome.kind), int(ResultClass::ThreeEqual));
        QCOMPARE(g.pulls, 2);
        QCOMPARE(g.threeEqual + g.twoEqual + g.noMatch, 2);
    }

    // Whatever the reels were left at (a load stopped a spin midway), an accepted pull starts
    // from reset reels and stops near ticks 36, 48 and 60 as always.
    void anAcceptedPullStartsFromResetReels()
    {
        zortest::FakeRandom random;
        SlotGame g = pulled();
        for (int i = 0; i < 45; ++i) {
            tickReel(g, 0, random);
            tickReel(g, 1, random);
            tickReel(g, 2, random);
        }
        stopForSaveOrLoad(g);
        QVERIFY(g.reel1Stopped || g.restart2 || g.counter[0] != 0);
        QCOMPARE(pressLever(g, random), Press::ResetPulled);
        // Anything moving the reels between the press and the release is undone by the release.
        g.counter = {130, 70, 20};
        g.phase = {1, 2, 3};
        g.reel1Stopped = g.restart2 = g.restart3 = true;
        g.stop = {4, 4, 4};
        QCOMPARE(releaseLever(g), Release::Accepted);
        QCOMPARE(g.counter, (std::array<int, 3>{}));
        QCOMPARE(g.phase, (std::array<int, 3>{}));
        QCOMPARE(g.stop, (std::array<int, 3>{}));
        QVERIFY(!g.reel1Stopped && !g.restart2 && !g.restart3);
        random.script = {0, 0, 0};
        const Spin s = runSpin(g, random);
        // Stop for stop the spin of a pull on a fresh machine.
        SlotGame fresh = pulled();
        random.script = {0, 0, 0};
        const Spin want = runSpin(fresh, random);
        QVERIFY(s.settled && want.settled);
        QCOMPARE(s.resultTick, want.resultTick);
        QCOMPARE(s.stops.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(s.stops[i].reel, i);
            QCOMPARE(s.stops[i].tick, want.stops[i].tick);
        }
    }

    // A save, a load or closing the screen put the lever back up: the release that follows
    // starts nothing.
    void saveLoadAndCloseLiftTheLever()
    {
        zortest::FakeRandom random;
        SlotGame g;
        pressLever(g, random);
        stopForSaveOrLoad(g);
        QCOMPARE(releaseLever(g), Release::Ignored);
        pressLever(g, random);
        resetForClose(g);
        QCOMPARE(releaseLever(g), Release::Ignored);
        QCOMPARE(g.pulls, 0);
    }

    void aPressResetsTheReels()
    {
        SlotGame g;
        g.phase = {2, 3, 1};
        g.counter = {250, 40, 130};
        g.stop = {1, 2, 3};
        g.restart2 = g.restart3 = g.reel1Stopped = true;
        zortest::FakeRandom random;
        QCOMPARE(pressLever(g, random), Press::ResetPulled);
        QVERIFY(random.reseeds >= 1);
        QCOMPARE(g.phase, (std::array<int, 3>{}));
        QCOMPARE(g.counter, (std::array<int, 3>{}));
        QCOMPARE(g.stop, (std::array<int, 3>{}));
        QVERIFY(!g.restart2 && !g.restart3 && !g.reel1Stopped);
        QVERIFY(!g.spinning());

        g.money = 0;
        QCOMPARE(pressLever(g, random), Press::Reset);
    }

    // Money 10: the pull is accepted and leaves 0 during the spin; no match then leaves -5 and
    // locks the lever, a pair leaves 25 and keeps it usable.
    void theLastTenAtAPull()
    {
        zortest::FakeRandom random;
        SlotGame g = pulled(10);
        QCOMPARE(g.money, 0);
        random.script = {0, 1, 2}; // drawn for reel 1, reel 2, reel 3 as they stop
        Spin s = runSpin(g, random);
        QVERIFY(s.settled);
        QCOMPARE(int(s.outcome.kind), int(ResultClass::NoMatch));
        QCOMPARE(g.money, -5);
        QVERIFY(g.leverLock);
        QCOMPARE(releaseLever(g), Release::OutOfMoney);
        QCOMPARE(g.pulls, 1);

        g = pulled(10);
        random.script = {0, 0, 3};
        s = runSpin(g, random);
        QCOMPARE(int(s.outcome.match), int(Match::LeftMiddle));
        QCOMPARE(g.money, 25);
        QVERIFY(!g.leverLock);
        QCOMPARE(pull(g), Release::Accepted);
    }

    // Money 5: the stake is taken whole, so money is -5 during the spin; a no-match leaves -10.
    void fiveLeftAtAPull()
    {
        zortest::FakeRandom random;
        SlotGame g = pulled(5);
        QCOMPARE(g.money, -5);
        QCOMPARE(g.lost, 10);
        random.script = {1, 2, 3};
        runSpin(g, random);
        QCOMPARE(g.money, -10);
        QVERIFY(g.leverLock);
        // Out of money a release is refused every time; a press neither resets nor pulls.
        QCOMPARE(releaseLever(g), Release::OutOfMoney);
        QCOMPARE(pressLever(g, random), Press::Ignored);
    }

    void aLockOutOfMoneyIsReleasedByAWin()
    {
        // A pull with 10 left, won with three equal symbols after the money dropped to 0.
        zortest::FakeRandom random;
        SlotGame g = pulled(10);
        random.script = {3, 3, 3};
        runSpin(g, random);
        QCOMPARE(g.money, 50);
        QVERIFY(!g.leverLock);
    }

    // ---- The stop sequence ------------------------------------------------------------------

    void reelsStopLeftMiddleRightNearTicks36And48And60()
    {
        zortest::FakeRandom random;
        random.script = {1, 2, 3};
        SlotGame g = pulled();
        const Spin s = runSpin(g, random);
        QCOMPARE(s.stops.size(), 3);
        QCOMPARE(s.stops[0].reel, 0);
        QCOMPARE(s.stops[1].reel, 1);
        QCOMPARE(s.stops[2].reel, 2);
        QVERIFY2(qAbs(s.stops[0].tick - 36) <= 1, qPrintable(QString::number(s.stops[0].tick)));
        QVERIFY2(qAbs(s.stops[1].tick - 48) <= 1, qPrintable(QString::number(s.stops[1].tick)));
        QVERIFY2(qAbs(s.stops[2].tick - 60) <= 1, qPrintable(QString::number(s.stops[2].tick)));
        // The result follows the third stop in the very same tick, and only then.
        QCOMPARE(s.resultTick, s.stops[2].tick);
        QVERIFY(!g.spinning());
        // The draws go to the reels in the order they stop, each reseeded first.
        QCOMPARE(g.stop, (std::array<int, 3>{2, 3, 4}));
        QCOMPARE(random.drawnFrom, QList<int>({4, 4, 4}));
        QVERIFY(random.reseeds >= 3);
    }

    void spinningReelsCycleSlotsFromTheFirst()
    {
        zortest::FakeRandom random;
        SlotGame g = pulled();
        QList<int> shown;
        for (int i = 0; i < 6; ++i)
            shown << tickReel(g, 0, random).show[0];
        QCOMPARE(shown, QList<int>({0, 1, 2, 3, 0, 1}));
        // A tick of a reel whose timer is stopped changes nothing.
        const ReelTick idle = tickReel(g, 2, random);
        QCOMPARE(idle.show, (std::array<int, 3>{-1, -1, -1}));
        QVERIFY(!idle.evaluate);
    }

    // Whatever order the three timers fire in within a period, the reels stop left, middle,
    // right and the spin ends with exactly one result.
    void anyFiringOrderEndsWithOneResult()
    {
        const std::array<std::array<int, 3>, 6> orders = {{{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};
        for (const auto& order : orders) {
            zortest::FakeRandom random;
            SlotGame g = pulled();
            int results = 0;
            QList<int> stopOrder;
            for (int tick = 0; tick < 200 && g.spinning(); ++tick) {
                const auto atStart = g.running;
                for (int reel : order) {
                    if (!atStart[reel] || !g.running[reel])
                        continue;
                    const auto before = g.running;
                    const ReelTick t = tickReel(g, reel, random);
                    for (int r = 0; r < 3; ++r)
                        if (before[r] && !g.running[r])
                            stopOrder << r;
                    if (t.evaluate) {
                        settle(g);
                        ++results;
                    }
                }
            }
            QVERIFY(!g.spinning());
            QCOMPARE(results, 1);
            QCOMPARE(stopOrder, QList<int>({0, 1, 2}));
        }
    }

    // ---- Limits and life cycle --------------------------------------------------------------

    void amountsStopAtThe32BitLimits()
    {
        zortest::FakeRandom random;
        SlotGame g;
        g.money = kMax;
        g.won = kMax - 10;
        g.lost = kMax - 3;
        g.pulls = kMax;
        QCOMPARE(pull(g), Release::Accepted);
        QCOMPARE(g.money, kMax - 10);
        QCOMPARE(g.lost, kMax);
        QCOMPARE(g.pulls, kMax);
        g.stop = {4, 4, 4};
        settle(g);
        QCOMPARE(g.money, kMax);
        QCOMPARE(g.won, kMax);
        QVERIFY(!g.leverLock);

        g.money = kMin + 2;
        g.stop = {1, 2, 3};
        settle(g);
        QCOMPARE(g.money, kMin);
        QVERIFY(g.leverLock);
        QCOMPARE(addClamped(kMin, -1), kMin);
        QCOMPARE(addClamped(kMax, 1), kMax);
        QCOMPARE(addClamped(-7, 3), -4);
    }

    void closeAndSaveStopTheSpin()
    {
        SlotGame g = pulled();
        g.unsaved = true;
        g.symbols = symbolSets()[1].files;
        g.counter = {130, 20, 0};
        g.running[1] = true;
        resetForClose(g);
        QVERIFY(!g.spinning());
        QVERIFY(!g.leverLock);
        QCOMPARE(g.money, 100);
        QCOMPARE(g.lost + g.won + g.pulls, 0);
        QCOMPARE(g.counter, (std::array<int, 3>{}));
        QVERIFY(g.unsaved);                              // closing keeps the flag
        QCOMPARE(g.symbols, symbolSets()[1].files);      // and the set

        g = pulled();
        stopForSaveOrLoad(g);
        QVERIFY(!g.spinning());
        QVERIFY(!g.leverLock);
        QCOMPARE(g.money, 90); // the stake of an interrupted spin stays taken
    }

    // ---- Saved numbers and sets -------------------------------------------------------------

    void savedNumbersReadBackExactly()
    {
        for (int v : {0, 1, -5, 100, kMax, kMin})
            QCOMPARE(parseSavedInt(savedInt(v)), v);
        QCOMPARE(parseSavedInt("+42"), 42);
    }

    void brokenSavedNumbersAreConversionFailures_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("line break") << "100\r\n";
        QTest::newRow("blank") << " 100";
        QTest::newRow("fraction") << "10,5";
        QTest::newRow("too large") << "2147483648";
        QTest::newRow("too small") << "-2147483649";
        QTest::newRow("binary") << QString::fromLatin1("\x01\x02\xff", 3);
        QTest::newRow("placeholder") << "nomecn";
    }
    void brokenSavedNumbersAreConversionFailures()
    {
        QFETCH(QString, text);
        try {
            parseSavedInt(text);
            QFAIL("accepted");
        } catch (const zor::AppError& e) {
            QVERIFY(e.text().endsWith("' is not a valid integer value"));
            // Line breaks are quoted as they stand (a few at most); control bytes show as '?'.
            QVERIFY(e.text().count(u'\n') <= 4 && !e.text().contains(QChar(1)));
        }
    }

    void aSavedGameRoundTrips()
    {
        SlotGame g;
        g.money = -10;
        g.won = 300;
        g.lost = 155;
        g.pulls = 12;
        g.twoEqual = 8;
        g.threeEqual = 2;
        g.noMatch = kMax;
        const SavedGame t = savedTexts(g, QStringLiteral("Ferrari"));
        QCOMPARE(t.dinheiro, QStringLiteral("-10"));
        QCOMPARE(t.ganhou, QStringLiteral("300"));
        QCOMPARE(t.perdeu, QStringLiteral("155"));
        QCOMPARE(t.apostas, QStringLiteral("12"));
        QCOMPARE(t.design, QStringLiteral("Ferrari"));
        QCOMPARE(t.duasiguais, QStringLiteral("8"));
        QCOMPARE(t.tresiguais, QStringLiteral("2"));
        QCOMPARE(t.nenhuma, QStringLiteral("2147483647"));

        SlotGame back;
        back.unsaved = true;
        back.leverLock = true;
        QStringList applied;
        takeSaved(back, t, [&](const QString& set) { applied << set; });
        QCOMPARE(applied, QStringList({"Ferrari"}));
        QCOMPARE(back.money, -10);
        QCOMPARE(back.won, 300);
        QCOMPARE(back.lost, 155);
        QCOMPARE(back.pulls, 12);
        QCOMPARE(back.twoEqual, 8);
        QCOMPARE(back.threeEqual, 2);
        QCOMPARE(back.noMatch, kMax);
        // A load leaves the unsaved-play flag and the lever to the screen.
        QVERIFY(back.unsaved);
        QVERIFY(back.leverLock);
    }

    // The load stops at the first value that does not convert: what came before is taken, what
    // comes after keeps its old value, and the set is applied only once money, won, lost and
    // pulls have been taken.
    void aLoadStopsAtTheFirstBadValue_data()
    {
        QTest::addColumn<int>("broken"); // 0..6: money, won, lost, pulls, two, three, none
        const char* names[] = {"dinheiro", "ganhou", "perdeu", "apostas", "duasiguais", "tresiguais", "nenhuma"};
        for (int i = 0; i < 7; ++i)
            QTest::newRow(names[i]) << i;
    }
    void aLoadStopsAtTheFirstBadValue()
    {
        QFETCH(int, broken);
        SlotGame g;
        g.money = 1;
        g.won = 2;
        g.lost = 3;
        g.pulls = 4;
        g.twoEqual = 5;
        g.threeEqual = 6;
        g.noMatch = 7;
        SavedGame t{"70", "5", "35", "9", "Ferrari", "11", "12", "13"};
        QString* texts[] = {&t.dinheiro, &t.ganhou, &t.perdeu, &t.apostas, &t.duasiguais, &t.tresiguais, &t.nenhuma};
        *texts[broken] = QStringLiteral("1O");
        bool applied = false;
        try {
            takeSaved(g, t, [&](const QString&) { applied = true; });
            QFAIL("accepted");
        } catch (const zor::AppError& e) {
            QCOMPARE(e.text(), QStringLiteral("'1O' is not a valid integer value"));
        }
        const int got[] = {g.money, g.won, g.lost, g.pulls, g.twoEqual, g.threeEqual, g.noMatch};
        const int loaded[] = {70, 5, 35, 9, 11, 12, 13};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(got[i], i < broken ? loaded[i] : i + 1);
        QCOMPARE(applied, broken >= 4);
    }

    // A set that cannot be applied (a picture missing) stops the load before the counts.
    void aFailedSetStopsTheLoadBeforeTheCounts()
    {
        SlotGame g;
        const SavedGame t{"70", "5", "35", "9", "Ferrari", "11", "12", "13"};
        try {
            takeSaved(g, t, [](const QString&) { throw zor::AppError(QStringLiteral("no picture")); });
            QFAIL("accepted");
        } catch (const zor::AppError& e) {
            QCOMPARE(e.text(), QStringLiteral("no picture"));
        }
        QCOMPARE(g.pulls, 9);
        QCOMPARE(g.twoEqual + g.threeEqual + g.noMatch, 0);
    }

    // A 10 MB text is quoted shortened: the error box stays a readable line.
    void aHugeTextIsQuotedShort()
    {
        const QString huge(10 * 1024 * 1024, u'7');
        try {
            parseSavedInt(huge);
            QFAIL("accepted");
        } catch (const zor::AppError& e) {
            QVERIFY(e.text().size() < 260);
            QVERIFY(e.text().startsWith("'7777"));
        }
    }

    void symbolSetsInChooserOrder()
    {
        const QStringList names = {"Brasões de Times", "Ferrari", "Instrumentos Musicais", "Tema do Cassino ZOR",
                                   "Hello Kit"};
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(symbolSetIndex(names[i]), i);
        QCOMPARE(symbolSetIndex("ferrari"), -1);
        QCOMPARE(symbolSetIndex("Ferrari\r\n"), -1);
        QCOMPARE(symbolSetIndex(""), -1);
        QCOMPARE(symbolSets()[1].files[1], QStringLiteral("ferrari4.jpg"));
        QCOMPARE(SlotGame{}.symbols, symbolSets()[kDefaultSymbolSet].files);
    }

    // ---- Many pulls with the real random source ---------------------------------------------

    // Every game starts from 100 and keeps money = 100 + won - lost pull after pull; a game that
    // runs out of money is followed by a fresh one. The three classes come with their
    // probabilities 1/16, 9/16 and 3/8.
    void moneyInvariantAndFrequenciesOver100000Pulls()
    {
        zor::ClockRandom random;
        constexpr int kPulls = 100000;
        int two = 0, three = 0, none = 0, games = 1;
        SlotGame g;
        for (int i = 0; i < kPulls; ++i) {
            pressLever(g, random);
            if (releaseLever(g) == Release::OutOfMoney) {
                QVERIFY(g.money <= 0);
                two += g.twoEqual, three += g.threeEqual, none += g.noMatch;
                g = SlotGame{};
                ++games;
                QCOMPARE(pull(g), Release::Accepted);
            }
            const Spin s = runSpin(g, random);
            if (!s.settled)
                QFAIL("a spin did not end");
            if (g.money != 100 + g.won - g.lost)
                QFAIL(qPrintable(QStringLiteral("money %1, won %2, lost %3").arg(g.money).arg(g.won).arg(g.lost)));
        }
        two += g.twoEqual, three += g.threeEqual, none += g.noMatch;
        QCOMPARE(two + three + none, kPulls);
        const double pThree = 100.0 * three / kPulls;
        const double pTwo = 100.0 * two / kPulls;
        const double pNone = 100.0 * none / kPulls;
        QVERIFY2(qAbs(pThree - 100.0 / 16) < 1, qPrintable(QString::number(pThree)));
        QVERIFY2(qAbs(pTwo - 900.0 / 16) < 1, qPrintable(QString::number(pTwo)));
        QVERIFY2(qAbs(pNone - 37.5) < 1, qPrintable(QString::number(pNone)));
        qInfo("%d games, %.2f%% three equal, %.2f%% two equal, %.2f%% none", games, pThree, pTwo, pNone);
    }
};

QTEST_GUILESS_MAIN(SlotRules)
#include "test_slot_rules.moc"
