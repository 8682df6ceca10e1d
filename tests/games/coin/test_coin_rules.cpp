// The rules of heads or tails without any widget: the coin table, settlement of every side
// against every face, the money text, the counts at their limit, reset and close, the texts a
// save writes and the conversions of a load with their failure points.
#include "fakes.h"
#include "games/coin/coin_game.h"
#include "platform/errors.h"
#include "platform/numbers.h"

#include <QTest>
#include <climits>

using namespace zor;
using namespace zor::coin;

namespace {

// The values a load takes, compared as one tuple.
struct Taken {
    int mode;
    double money;
    int bets, wins, losses, value;
    bool operator==(const Taken&) const = default;
};
Taken taken(const CoinGame& g) { return {int(g.mode), g.money, g.bets, g.wins, g.losses, g.coinValue}; }

char* toString(const Taken& t)
{
    return QTest::toString(QStringLiteral("mode %1 money %2 bets %3 wins %4 losses %5 value %6")
                               .arg(t.mode).arg(t.money).arg(t.bets).arg(t.wins).arg(t.losses).arg(t.value));
}

SavedGame goodTexts()
{
    SavedGame t;
    t.modo = "2";
    t.coc = "Coroa";
    t.valor = "25";
    t.dinheiro = "-0,15";
    t.ganhou = "4";
    t.perdeu = "7";
    t.apostas = "11";
    return t;
}

// A record holding values that no saved game above holds.
CoinGame before()
{
    CoinGame g;
    g.mode = Mode::NoMode;
    g.money = 9;
    g.bets = 90;
    g.wins = 91;
    g.losses = 92;
    g.coinValue = 100;
    g.side = "Cara";
    return g;
}

// Runs the conversions of a load as the table does; returns the error text, empty when none.
QString load(CoinGame& g, const SavedGame& t)
{
    try {
        takeMode(g, t.modo);
        takeNumbers(g, t);
    } catch (const AppError& e) {
        return e.text();
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Taken)

class CoinRules : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The tests run in a Brazilian locale, whose decimal separator is a comma.
        QCOMPARE(localeDecimalPoint(), QChar(u','));
    }

    void coinTableGivesStakeAndPictures()
    {
        struct Row { int value; const char* caption; double stake; const char* cara; const char* coroa; };
        const Row rows[] = {
            {1, "1 CENTAVO", 0.01, "coroa2.bmp", "cara2.bmp"},   {5, "5 CENTAVOS", 0.05, "coroa3.bmp", "cara3.bmp"},
            {10, "10 CENTAVOS", 0.10, "coroa4.bmp", "cara4.bmp"}, {25, "25 CENTAVOS", 0.25, "coroa5.bmp", "cara5.bmp"},
            {50, "50 CENTAVOS", 0.50, "coroa6.bmp", "cara6.bmp"}, {100, "1 REAL", 1.00, "coroa.bmp", "cara.bmp"},
        };
        for (const Row& r : rows) {
            const CoinKind* k = coinKind(r.value);
            QVERIFY(k);
            QCOMPARE(QString(k->caption), QString(r.caption));
            QCOMPARE(QString(k->caraPicture), QString(r.cara));
            QCOMPARE(QString(k->coroaPicture), QString(r.coroa));
            CoinGame g;
            g.coinValue = r.value;
            applyStake(g);
            QCOMPARE(g.stake, r.stake);
        }
        // A value outside the table leaves the stake as it was.
        for (int value : {0, 2, 99, 1000, -1, INT_MAX}) {
            QVERIFY(!coinKind(value));
            CoinGame g;
            g.stake = 0.25;
            g.coinValue = value;
            applyStake(g);
            QCOMPARE(g.stake, 0.25);
        }
    }

    void everySideAgainstEveryFace_data()
    {
        QTest::addColumn<QString>("side");
        QTest::addColumn<bool>("coroaVisible");
        QTest::addColumn<int>("outcome");
        QTest::newRow("Cara, coroa hidden") << "Cara" << false << int(Outcome::Won);
        QTest::newRow("Cara, coroa shown") << "Cara" << true << int(Outcome::Lost);
        QTest::newRow("Coroa, coroa shown") << "Coroa" << true << int(Outcome::Won);
        QTest::newRow("Coroa, coroa hidden") << "Coroa" << false << int(Outcome::Lost);
        QTest::newRow("no side, hidden") << "" << false << int(Outcome::BetOnly);
        QTest::newRow("no side, shown") << "" << true << int(Outcome::BetOnly);
        QTest::newRow("lower case") << "cara" << false << int(Outcome::BetOnly);
        QTest::newRow("with a line break") << "Cara\r\n" << false << int(Outcome::BetOnly);
    }
    void everySideAgainstEveryFace()
    {
        QFETCH(QString, side);
        QFETCH(bool, coroaVisible);
        QFETCH(int, outcome);
        CoinGame g;
        g.side = side;
        g.stake = 0.5;
        g.money = 2;
        g.bets = 3;
        g.wins = 4;
        g.losses = 5;
        g.showing = coroaVisible ? Face::Coroa : Face::Cara;
        QCOMPARE(int(settle(g)), outcome);
        QCOMPARE(g.bets, 4);
        const double money = outcome == int(Outcome::Won) ? 2.5 : outcome == int(Outcome::Lost) ? 1.5 : 2.0;
        QCOMPARE(g.money, money);
        QCOMPARE(g.wins, outcome == int(Outcome::Won) ? 5 : 4);
        QCOMPARE(g.losses, outcome == int(Outcome::Lost) ? 6 : 5);
    }

    void moneyTextOverRunsOfTosses()
    {
        CoinGame real;
        real.coinValue = 100;
        real.side = "Cara";
        applyStake(real);
        real.showing = Face::Coroa;
        for (int i = 0; i < 3; ++i)
            settle(real);
        QCOMPARE(moneyText(real.money), QStringLiteral("R$ -3"));

        // Three times 0.1 is not 0.3 in binary: no residue may show.
        CoinGame dime;
        dime.coinValue = 10;
        dime.side = "Coroa";
        applyStake(dime);
        dime.showing = Face::Coroa;
        for (int i = 0; i < 3; ++i)
            settle(dime);
        QCOMPARE(moneyText(dime.money), QStringLiteral("R$ 0,3"));

        QCOMPARE(moneyText(0), QStringLiteral("R$ 0"));
        QCOMPARE(moneyText(0.05), QStringLiteral("R$ 0,05"));
        QCOMPARE(moneyText(-1.5), QStringLiteral("R$ -1,5"));
        // A thousand 1-centavo wins stay a clean 10.
        CoinGame cent;
        cent.coinValue = 1;
        cent.side = "Cara";
        applyStake(cent);
        for (int i = 0; i < 1000; ++i)
            settle(cent);
        QCOMPARE(moneyText(cent.money), QStringLiteral("R$ 10"));
    }

    void countsStopAtTheLargestInt()
    {
        CoinGame g;
        g.side = "Cara";
        g.stake = 1;
        g.bets = INT_MAX;
        g.wins = INT_MAX;
        g.losses = INT_MAX;
        settle(g);
        g.showing = Face::Coroa;
        settle(g);
        QCOMPARE(g.bets, INT_MAX);
        QCOMPARE(g.wins, INT_MAX);
        QCOMPARE(g.losses, INT_MAX);
        QCOMPARE(g.money, 0.0);
        QCOMPARE(countUp(INT_MAX - 1), INT_MAX);
        QCOMPARE(countUp(-5), -4);
    }

    void stopTargetIsOneOfTwoFacesFreshlySeeded()
    {
        zortest::FakeRandom random;
        random.script = {0, 1, 1};
        QCOMPARE(drawStopTarget(random), Face::Cara);
        QCOMPARE(drawStopTarget(random), Face::Coroa);
        QCOMPARE(drawStopTarget(random), Face::Coroa);
        QCOMPARE(random.reseeds, 3);
        QCOMPARE(random.drawnFrom, QList<int>({2, 2, 2}));
    }

    // ---- The toss, step by step, with scripted draws ----------------------------------------

    void phasesFromNoModeToATossAndBack()
    {
        zortest::FakeRandom random;
        CoinGame g;
        g.side = "Coroa";
        g.stake = 1;
        QCOMPARE(phase(g), Phase::NoMode);
        // Nothing starts before a mode is chosen, and a cancelled dialog offers nothing.
        QVERIFY(!startToss(g, random));
        confirmMode(g);
        QCOMPARE(phase(g), Phase::NoMode);
        QCOMPARE(random.reseeds, 0);

        g.mode = Mode::RandomStop;
        confirmMode(g);
        QCOMPARE(phase(g), Phase::Ready);
        QVERIFY(!g.tossRunning && !g.unsaved);

        random.script = {1};
        QVERIFY(startToss(g, random));
        QCOMPARE(phase(g), Phase::RandomToss);
        QVERIFY(g.tossRunning && g.unsaved && !g.playerStop);
        QCOMPARE(g.stopTarget, Face::Coroa);
        QCOMPARE(g.countdown, 0);
        QCOMPARE(random.reseeds, 1);
        QCOMPARE(random.drawnFrom, QList<int>({2}));
        // A second start while the coin turns draws nothing and changes nothing.
        QVERIFY(!startToss(g, random));
        QCOMPARE(random.reseeds, 1);

        for (int i = 0; i < kCountdownTicks; ++i)
            countdownTick(g);
        QCOMPARE(phase(g), Phase::Ready);

        // Player stop: the stop is armed and the bar full from the start; no draw.
        g.mode = Mode::PlayerStop;
        QVERIFY(startToss(g, random));
        QCOMPARE(phase(g), Phase::PlayerToss);
        QVERIFY(g.playerStop);
        QCOMPARE(g.countdown, kCountdownTicks);
        QCOMPARE(random.reseeds, 1);
        QVERIFY(stop(g).end);
        QCOMPARE(phase(g), Phase::Ready);

        // The table's show disarms the stop and starts the money at 0; the counts stay.
        g.playerStop = true;
        showTable(g);
        QVERIFY(!g.playerStop);
        QCOMPARE(g.money, 0.0);
        QCOMPARE(g.bets, 2);

        reset(g);
        QCOMPARE(phase(g), Phase::NoMode);
        QVERIFY(!startToss(g, random));
    }

    void theCountdownEndsOnTheDrawnFaceAtItsLastTick_data()
    {
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("side");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<double>("money");
        QTest::newRow("draw 0: Cara, bet on Cara") << 0 << "Cara" << int(Outcome::Won) << 1.25;
        QTest::newRow("draw 0: Cara, bet on Coroa") << 0 << "Coroa" << int(Outcome::Lost) << 0.75;
        QTest::newRow("draw 1: Coroa, bet on Coroa") << 1 << "Coroa" << int(Outcome::Won) << 1.25;
        QTest::newRow("draw 1: Coroa, bet on Cara") << 1 << "Cara" << int(Outcome::Lost) << 0.75;
        QTest::newRow("draw 1: Coroa, no side") << 1 << "" << int(Outcome::BetOnly) << 1.0;
    }
    void theCountdownEndsOnTheDrawnFaceAtItsLastTick()
    {
        QFETCH(int, draw);
        QFETCH(QString, side);
        QFETCH(int, outcome);
        QFETCH(double, money);
        zortest::FakeRandom random;
        random.script = {draw};
        CoinGame g;
        g.mode = Mode::RandomStop;
        g.tossOffered = true;
        g.side = side;
        g.stake = 0.25;
        g.money = 1;
        QVERIFY(startToss(g, random));
        const Face drawn = draw ? Face::Coroa : Face::Cara;
        const Face other = draw ? Face::Cara : Face::Coroa;
        for (int i = 1; i < kCountdownTicks; ++i) {
            QVERIFY2(!countdownTick(g), qPrintable(QString::number(i)));
            // The animation turns the coin in between; it never decides.
            turnTick(g, i % 2 ? Face::Coroa : Face::Cara);
        }
        QCOMPARE(g.countdown, kCountdownTicks - 1);
        QVERIFY(g.tossRunning);
        QCOMPARE(g.bets, 0);
        turnTick(g, other);
        const std::optional<TossEnd> end = countdownTick(g);
        QVERIFY(end);
        QCOMPARE(end->face, drawn);
        QCOMPARE(int(end->outcome), outcome);
        QCOMPARE(g.showing, drawn);
        QCOMPARE(g.countdown, kCountdownTicks);
        QVERIFY(!g.tossRunning);
        QCOMPARE(g.bets, 1);
        QCOMPARE(g.money, money);
        // A tick after the end settles nothing twice.
        QVERIFY(!countdownTick(g));
        QCOMPARE(g.bets, 1);
        QCOMPARE(g.countdown, kCountdownTicks);
    }

    void theCountdownRunsOnlyInARandomToss()
    {
        zortest::FakeRandom random;
        CoinGame g;
        g.mode = Mode::PlayerStop;
        g.tossOffered = true;
        QVERIFY(!countdownTick(g));
        QCOMPARE(g.countdown, 0);
        QVERIFY(startToss(g, random));
        for (int i = 0; i < 200; ++i)
            QVERIFY(!countdownTick(g));
        QCOMPARE(g.bets, 0);
        QVERIFY(g.tossRunning);
    }

    void turningTicksMoveTheCoinOnlyWhileATossRuns()
    {
        zortest::FakeRandom random;
        CoinGame g;
        g.mode = Mode::PlayerStop;
        g.tossOffered = true;
        turnTick(g, Face::Coroa);
        QCOMPARE(g.showing, Face::Cara);
        QVERIFY(startToss(g, random));
        turnTick(g, Face::Coroa);
        QCOMPARE(g.showing, Face::Coroa);
        turnTick(g, Face::Cara);
        QCOMPARE(g.showing, Face::Cara);
    }

    void theStopSettlesOnTheFaceShowingOrReminds()
    {
        zortest::FakeRandom random;
        CoinGame g;
        g.side = "Cara";
        g.stake = 0.5;
        // At rest, without a mode: a reminder and nothing else.
        StopResult r = stop(g);
        QVERIFY(r.remind && !r.end);
        QCOMPARE(g.bets, 0);

        // In a random toss: a reminder, and the countdown goes on.
        g.mode = Mode::RandomStop;
        g.tossOffered = true;
        random.script = {0};
        QVERIFY(startToss(g, random));
        countdownTick(g);
        r = stop(g);
        QVERIFY(r.remind && !r.end);
        QVERIFY(g.tossRunning);
        QCOMPARE(g.countdown, 1);
        reset(g);

        // In a player toss: no reminder; the face up when the stop comes decides.
        g.mode = Mode::PlayerStop;
        g.tossOffered = true;
        QVERIFY(startToss(g, random));
        turnTick(g, Face::Coroa);
        r = stop(g);
        QVERIFY(!r.remind);
        QVERIFY(r.end);
        QCOMPARE(r.end->face, Face::Coroa);
        QCOMPARE(r.end->outcome, Outcome::Lost);
        QCOMPARE(g.money, -0.5);
        QVERIFY(!g.tossRunning && !g.playerStop);
        QCOMPARE(phase(g), Phase::Ready);
        // The coin stays as it stopped until the next toss turns it.
        QCOMPARE(g.showing, Face::Coroa);
        // A second stop only reminds.
        r = stop(g);
        QVERIFY(r.remind && !r.end);
        QCOMPARE(g.bets, 1);

        // Stopped on Cara it wins for "Cara".
        QVERIFY(startToss(g, random));
        turnTick(g, Face::Coroa);
        turnTick(g, Face::Cara);
        r = stop(g);
        QCOMPARE(r.end->outcome, Outcome::Won);
        QCOMPARE(g.money, 0.0);
        QCOMPARE(g.wins, 1);
    }

    void aLoadedModeTwoArmsTheStopWithoutAToss()
    {
        CoinGame g;
        g.side = "Cara";
        g.stake = 1;
        takeMode(g, "2");
        QCOMPARE(phase(g), Phase::Ready);
        QVERIFY(g.playerStop && !g.tossRunning);
        QCOMPARE(g.countdown, kCountdownTicks);
        const StopResult r = stop(g);
        QVERIFY(!r.remind);
        QVERIFY(r.end);
        QCOMPARE(r.end->face, Face::Cara);
        QCOMPARE(g.wins, 1);
        QVERIFY(!g.playerStop);
    }

    void aLoadOffersTheTossEvenWithoutAMode()
    {
        zortest::FakeRandom random;
        for (const char* text : {"0", "9", "dois"}) {
            CoinGame g;
            try {
                takeMode(g, text);
            } catch (const AppError&) {
            }
            QCOMPARE(phase(g), Phase::Ready);
            QCOMPARE(g.mode, Mode::NoMode);
            // "Jogar Moeda" starts nothing until a reset brings back the mode dialog.
            QVERIFY(!startToss(g, random));
            QVERIFY(!g.unsaved && !g.tossRunning);
            QCOMPARE(random.reseeds, 0);
            reset(g);
            QCOMPARE(phase(g), Phase::NoMode);
        }
    }

    void resetKeepsWinsAndLossesCloseClearsThem()
    {
        CoinGame g = before();
        g.mode = Mode::PlayerStop;
        g.tossOffered = true;
        g.tossRunning = true;
        g.playerStop = true;
        g.showing = Face::Coroa;
        g.countdown = kCountdownTicks;
        g.stake = 1;
        reset(g);
        QCOMPARE(taken(g), (Taken{0, 0, 0, 91, 92, 100}));
        QVERIFY(!g.tossRunning && !g.playerStop);
        QCOMPARE(phase(g), Phase::NoMode);
        QCOMPARE(g.showing, Face::Cara);
        QCOMPARE(g.countdown, 0);
        closeTable(g);
        QCOMPARE(taken(g), (Taken{0, 0, 0, 0, 0, 100}));
        QCOMPARE(g.side, QStringLiteral("Cara"));
        QCOMPARE(g.stake, 1.0);
    }

    void aSaveWritesTheseTexts()
    {
        CoinGame g;
        g.mode = Mode::RandomStop;
        g.side = "Coroa";
        g.coinValue = 10;
        g.money = -0.15;
        g.wins = 2;
        g.losses = 3;
        g.bets = 5;
        const SavedGame t = savedTexts(g);
        QCOMPARE(t.modo, QStringLiteral("1"));
        QCOMPARE(t.coc, QStringLiteral("Coroa"));
        QCOMPARE(t.valor, QStringLiteral("10"));
        QCOMPARE(t.dinheiro, QStringLiteral("-0,15"));
        QCOMPARE(t.ganhou, QStringLiteral("2"));
        QCOMPARE(t.perdeu, QStringLiteral("3"));
        QCOMPARE(t.apostas, QStringLiteral("5"));
        g.side.clear();
        g.money = 1e20;
        QCOMPARE(savedTexts(g).coc, QString());
        QCOMPARE(savedTexts(g).dinheiro, QStringLiteral("1E+20"));
    }

    void aGoodLoadTakesEveryValue()
    {
        CoinGame g = before();
        QCOMPARE(load(g, goodTexts()), QString());
        QCOMPARE(taken(g), (Taken{2, -0.15, 11, 4, 7, 25}));
        QVERIFY(g.playerStop);
        // The side is taken by the table after the coin's pictures.
        QCOMPARE(g.side, QStringLiteral("Cara"));

        // Money saved under a locale with a decimal point loads here too.
        SavedGame point = goodTexts();
        point.dinheiro = "-0.15";
        CoinGame h = before();
        QCOMPARE(load(h, point), QString());
        QCOMPARE(h.money, -0.15);
    }

    void aModeOutsideTheTableCountsAsNone()
    {
        for (const char* text : {"0", "3", "-1", "2147483647", "7"}) {
            CoinGame g = before();
            g.mode = Mode::RandomStop;
            takeMode(g, text);
            QCOMPARE(g.mode, Mode::NoMode);
            QVERIFY(!g.playerStop);
            QVERIFY(!hasPlayableMode(g));
        }
        CoinGame g;
        takeMode(g, "1");
        QCOMPARE(g.mode, Mode::RandomStop);
        QVERIFY(!g.playerStop);
        QVERIFY(hasPlayableMode(g));
    }

    // Each failure point: the values before it are taken, the failing one and all after it keep
    // what they held.
    void aLoadStopsAtItsFirstBadValue_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::addColumn<Taken>("expected");
        const Taken none{0, 9, 90, 91, 92, 100};
        const Taken afterMode{2, 9, 90, 91, 92, 100};
        const QByteArray binary("\x01\x02\xff\x00\x7f", 5);
        QTest::newRow("mode empty") << "modo" << "" << "'' is not a valid integer value" << none;
        QTest::newRow("mode with a line break") << "modo" << "1\r\n"
                                                << "'1\r\n' is not a valid integer value" << none;
        QTest::newRow("mode too large") << "modo" << "2147483648"
                                        << "'2147483648' is not a valid integer value" << none;
        QTest::newRow("money nan") << "dinheiro" << "nan" << "'nan' is not a valid floating point value" << afterMode;
        QTest::newRow("money inf") << "dinheiro" << "inf" << "'inf' is not a valid floating point value" << afterMode;
        QTest::newRow("money 1e999") << "dinheiro" << "1e999" << "'1e999' is not a valid floating point value"
                                     << afterMode;
        QTest::newRow("money with two separators") << "dinheiro" << "1,5.2"
                                                   << "'1,5.2' is not a valid floating point value" << afterMode;
        QTest::newRow("bets binary") << "apostas" << QString::fromLatin1(binary)
                                     << "'?\?\u00ff?\?' is not a valid integer value" << Taken{2, -0.15, 90, 91, 92, 100};
        QTest::newRow("wins not a number") << "ganhou" << "quatro" << "'quatro' is not a valid integer value"
                                           << Taken{2, -0.15, 11, 91, 92, 100};
        QTest::newRow("losses decimal") << "perdeu" << "7,0" << "'7,0' is not a valid integer value"
                                        << Taken{2, -0.15, 11, 4, 92, 100};
        QTest::newRow("value too large") << "valor" << "99999999999"
                                         << "'99999999999' is not a valid integer value" << Taken{2, -0.15, 11, 4, 7, 100};
    }
    void aLoadStopsAtItsFirstBadValue()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, error);
        QFETCH(Taken, expected);
        SavedGame t = goodTexts();
        QString* slot = field == "modo"       ? &t.modo
                        : field == "dinheiro" ? &t.dinheiro
                        : field == "apostas"  ? &t.apostas
                        : field == "ganhou"   ? &t.ganhou
                        : field == "perdeu"   ? &t.perdeu
                                              : &t.valor;
        *slot = text;
        CoinGame g = before();
        QCOMPARE(load(g, t), error);
        QCOMPARE(taken(g), expected);
    }

    void errorsQuoteLongTextsShort()
    {
        const QString big(10 * 1024 * 1024, u'7');
        CoinGame g = before();
        SavedGame t = goodTexts();
        t.ganhou = big + "x";
        const QString error = load(g, t);
        QVERIFY(error.size() < 260);
        QVERIFY(error.startsWith("'7777"));
        QVERIFY(error.endsWith(QStringLiteral("\u2026' is not a valid integer value")));
        QCOMPARE(zor::quoted("a\tb\u200bc"), QStringLiteral("a?b?c"));
        QCOMPARE(zor::quoted("Coroa"), QStringLiteral("Coroa"));
    }
};


QTEST_GUILESS_MAIN(CoinRules)
#include "test_coin_rules.moc"
