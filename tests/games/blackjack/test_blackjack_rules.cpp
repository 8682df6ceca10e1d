// Blackjack's rules without any widget: cards, the hand's steps, the immediate settlement of an
// exact 21 or a bust with its handled flags, the stand comparison, the status texts, reading the
// bet, and the spread of the real random source.
#include "fakes.h"
#include "games/blackjack/blackjack_rules.h"
#include "platform/desktop.h"

#include <QTest>
#include <map>

using namespace zor;
using namespace zor::bj;

namespace {

// A table whose hand holds the given player and house cards (values).
BlackjackTable hand(std::initializer_list<int> player, std::initializer_list<int> house, int bet = 20)
{
    BlackjackTable t;
    int i = 0;
    for (int v : player)
        t.player[i++] = v;
    i = 0;
    for (int v : house)
        t.house[i++] = v;
    t.bet = bet;
    static const HandStep kSteps[] = {HandStep::NoHand, HandStep::NoHand, HandStep::TwoCards, HandStep::ThreeCards,
                                      HandStep::FourCards, HandStep::FiveCards};
    t.step = kSteps[player.size()];
    return t;
}

} // namespace

Q_DECLARE_METATYPE(zor::bj::Outcome)

class BlackjackRules : public QObject {
    Q_OBJECT

private slots:
    void cardValuesAndPictures()
    {
        QCOMPARE((Card{1, 1}).value(), 1); // the ace always counts 1
        QCOMPARE((Card{2, 9}).value(), 9);
        QCOMPARE((Card{3, 10}).value(), 10);
        QCOMPARE((Card{4, 11}).value(), 10);
        QCOMPARE((Card{4, 13}).value(), 10);
        QCOMPARE((Card{1, 1}).picture(), QStringLiteral("c (1).jpg"));
        QCOMPARE((Card{2, 12}).picture(), QStringLiteral("e (12).jpg"));
        QCOMPARE((Card{3, 7}).picture(), QStringLiteral("o (7).jpg"));
        QCOMPARE((Card{4, 13}).picture(), QStringLiteral("p (13).jpg"));
        // Every one of the 52 faces is a picture the game folder holds.
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
            {
                const QString face = Card{suit, rank}.picture();
                QVERIFY2(QFile::exists(zortest::generatedGameDir() + u'/' + face), qPrintable(face));
            }
        QVERIFY(QFile::exists(zortest::generatedGameDir() + u'/' + kCardBack));
    }

    void aCardIsASuitThenARankEachFreshlySeeded()
    {
        zortest::FakeRandom r;
        r.script = {2, 12};
        const Card c = drawCard(r);
        QCOMPARE(c.suit, 3);
        QCOMPARE(c.rank, 13);
        QCOMPARE(r.drawnFrom, QList<int>({4, 13}));
        QCOMPARE(r.reseeds, 2);
    }

    void aHandStartsWithThreeHouseCardsAndClearedFlags()
    {
        zortest::FakeRandom r;
        r.script = {0, 0, 1, 12, 3, 4};
        BlackjackTable t;
        t.handled21 = true;
        t.handledBust = true;
        startHand(t, r);
        QVERIFY(!t.handled21);
        QVERIFY(!t.handledBust);
        QCOMPARE(t.house, (std::array<int, 3>{1, 10, 5}));
        QCOMPARE(t.housePictures[0], QStringLiteral("c (1).jpg"));
        QCOMPARE(t.housePictures[1], QStringLiteral("e (13).jpg"));
        QCOMPARE(t.housePictures[2], QStringLiteral("p (5).jpg"));
        QCOMPARE(houseTotal(t), 16);
        QCOMPARE(r.reseeds, 6);
    }

    void theHandStepsFromTwoCardsToFive()
    {
        BlackjackTable t;
        QCOMPARE(nextCardSlot(t.step), 0);
        givePlayerCard(t, 0, Card{1, 2});
        QCOMPARE(t.step, HandStep::NoHand); // one card alone is no step
        givePlayerCard(t, 1, Card{1, 3});
        QCOMPARE(t.step, HandStep::TwoCards);
        QCOMPARE(nextCardSlot(t.step), 2);
        givePlayerCard(t, 2, Card{1, 4});
        QCOMPARE(t.step, HandStep::ThreeCards);
        QCOMPARE(nextCardSlot(t.step), 3);
        givePlayerCard(t, 3, Card{1, 1});
        QCOMPARE(t.step, HandStep::FourCards);
        QCOMPARE(nextCardSlot(t.step), 4);
        givePlayerCard(t, 4, Card{1, 11});
        QCOMPARE(t.step, HandStep::FiveCards);
        QCOMPARE(nextCardSlot(t.step), -1); // a sixth card is refused
        QCOMPARE(playerTotal(t), 2 + 3 + 4 + 1 + 10);
        clearPlayer(t);
        QCOMPARE(playerTotal(t), 0);
        QCOMPARE(t.step, HandStep::NoHand);
    }

    void anAceWithAKingIsElevenAndSettlesNothing()
    {
        BlackjackTable t = hand({1, 10}, {10, 10, 1});
        QCOMPARE(playerTotal(t), 11);
        QCOMPARE(settleImmediate(t), Outcome::None);
        QCOMPARE(t.step, HandStep::TwoCards);
        QCOMPARE(t.wins + t.losses + t.busts + t.hits21, 0);
    }

    void immediateSettlement_data()
    {
        QTest::addColumn<QList<int>>("player");
        QTest::addColumn<QList<int>>("house");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("wins");
        QTest::addColumn<int>("losses");
        QTest::addColumn<int>("busts");
        QTest::addColumn<int>("hits21");
        QTest::addColumn<int>("money");
        // Bet 20, money 100 before the hand.
        QTest::newRow("21 against 21 is a tie") << QList<int>{10, 10, 1} << QList<int>{10, 1, 10} << Outcome::Tie << 1 << 1 << 0 << 0 << 100;
        QTest::newRow("21 against 22 wins") << QList<int>{5, 6, 10} << QList<int>{10, 10, 2} << Outcome::Exact21 << 1 << 0 << 0 << 1 << 120;
        QTest::newRow("21 against 17 wins") << QList<int>{2, 9, 10} << QList<int>{7, 5, 5} << Outcome::Exact21 << 1 << 0 << 0 << 1 << 120;
        QTest::newRow("21 in five cards wins") << QList<int>{1, 2, 3, 5, 10} << QList<int>{10, 10, 10} << Outcome::Exact21 << 1 << 0 << 0 << 1 << 120;
        QTest::newRow("bust against a house above 21 is a tie") << QList<int>{10, 10, 5} << QList<int>{10, 10, 5} << Outcome::Tie << 1 << 1 << 0 << 0 << 100;
        QTest::newRow("bust against 18 costs nothing") << QList<int>{10, 10, 2} << QList<int>{10, 4, 4} << Outcome::Bust << 0 << 0 << 1 << 0 << 100;
        QTest::newRow("bust against 21 costs nothing") << QList<int>{9, 9, 9} << QList<int>{10, 10, 1} << Outcome::Bust << 0 << 0 << 1 << 0 << 100;
    }
    void immediateSettlement()
    {
        QFETCH(QList<int>, player);
        QFETCH(QList<int>, house);
        QFETCH(Outcome, outcome);
        BlackjackTable t;
        for (int i = 0; i < player.size(); ++i)
            givePlayerCard(t, i, Card{1, player[i]});
        for (int i = 0; i < 3; ++i)
            t.house[i] = house[i];
        t.bet = 20;
        t.money = 100;
        QCOMPARE(settleImmediate(t), outcome);
        QFETCH(int, wins);
        QFETCH(int, losses);
        QFETCH(int, busts);
        QFETCH(int, hits21);
        QFETCH(int, money);
        QCOMPARE(t.wins, wins);
        QCOMPARE(t.losses, losses);
        QCOMPARE(t.busts, busts);
        QCOMPARE(t.hits21, hits21);
        QCOMPARE(t.money, money);
        // The hand is over and the player's side is cleared.
        QCOMPARE(t.step, HandStep::NoHand);
        QCOMPARE(playerTotal(t), 0);
        QCOMPARE(houseTotal(t), house[0] + house[1] + house[2]);
        QVERIFY(t.handled21 != t.handledBust);
    }

    void eachSettlementRunsOnceUntilTheNextHand()
    {
        zortest::FakeRandom r;
        BlackjackTable t = hand({10, 10, 1}, {10, 4, 4});
        QCOMPARE(settleImmediate(t), Outcome::Exact21);
        // The refresh keeps ticking while the dialog is open, and even with the same cards put
        // back the exact 21 is not paid twice.
        for (int i = 0; i < 3; ++i) {
            t.player = {10, 10, 1, 0, 0};
            QCOMPARE(settleImmediate(t), Outcome::None);
        }
        QCOMPARE(t.wins, 1);
        QCOMPARE(t.hits21, 1);
        QCOMPARE(t.money, 20);
        // A bust in the same hand still settles once, by its own flag.
        t.player = {10, 10, 5, 0, 0};
        QCOMPARE(settleImmediate(t), Outcome::Bust);
        t.player = {10, 10, 5, 0, 0};
        QCOMPARE(settleImmediate(t), Outcome::None);
        QCOMPARE(t.busts, 1);
        // The next hand clears both flags.
        startHand(t, r);
        t.player = {10, 10, 1, 0, 0};
        QCOMPARE(settleImmediate(t), Outcome::Exact21);
        QCOMPARE(t.hits21, 2);
    }

    void standComparison_data()
    {
        QTest::addColumn<QList<int>>("player");
        QTest::addColumn<QList<int>>("house");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("wins");
        QTest::addColumn<int>("losses");
        QTest::addColumn<int>("money");
        QTest::newRow("house above player and above 21: won") << QList<int>{10, 5} << QList<int>{10, 10, 5} << Outcome::Won << 1 << 0 << 130;
        QTest::newRow("house above player, 21 or less: lost") << QList<int>{10, 5} << QList<int>{10, 4, 4} << Outcome::Lost << 0 << 1 << 70;
        QTest::newRow("house at 21 above player: lost") << QList<int>{10, 10} << QList<int>{10, 10, 1} << Outcome::Lost << 0 << 1 << 70;
        QTest::newRow("player above house: won") << QList<int>{10, 9} << QList<int>{3, 2, 10} << Outcome::Won << 1 << 0 << 130;
        QTest::newRow("equal: tie") << QList<int>{10, 7} << QList<int>{10, 5, 2} << Outcome::Tie << 1 << 1 << 100;
        QTest::newRow("five cards below 21 against less") << QList<int>{1, 2, 3, 4, 5} << QList<int>{1, 1, 1} << Outcome::Won << 1 << 0 << 130;
    }
    void standComparison()
    {
        QFETCH(QList<int>, player);
        QFETCH(QList<int>, house);
        QFETCH(Outcome, outcome);
        QFETCH(int, wins);
        QFETCH(int, losses);
        QFETCH(int, money);
        BlackjackTable t;
        for (int i = 0; i < player.size(); ++i)
            givePlayerCard(t, i, Card{2, player[i]});
        for (int i = 0; i < 3; ++i)
            t.house[i] = house[i];
        t.bet = 30;
        t.money = 100;
        t.handled21 = true;
        t.handledBust = true;
        QCOMPARE(stand(t), outcome);
        QCOMPARE(t.wins, wins);
        QCOMPARE(t.losses, losses);
        QCOMPARE(t.money, money);
        QCOMPARE(t.busts, 0);
        QCOMPARE(t.hits21, 0);
        QCOMPARE(t.step, HandStep::NoHand);
        QCOMPARE(playerTotal(t), 0);
        QVERIFY(!t.handled21);
        QVERIFY(!t.handledBust);
    }

    void aStandCountsOnlyWhileThePlayerHoldsCards()
    {
        // Between hands the house's last cards stay on the table: a stand then would compare
        // them with an empty hand and count a loss.
        BlackjackTable t = hand({}, {10, 4, 4}, 30);
        t.money = 100;
        t.wins = 3;
        t.handled21 = true;
        QVERIFY(!canStand(t));
        QCOMPARE(stand(t), Outcome::None);
        QCOMPARE(t.money, 100);
        QCOMPARE(t.wins, 3);
        QCOMPARE(t.losses, 0);
        QVERIFY(t.handled21); // nothing at all moved
        QCOMPARE(t.house, (std::array<int, 3>{10, 4, 4}));
        // Two cards, and from there up to five: a stand counts.
        for (int cards = 2; cards <= 5; ++cards) {
            BlackjackTable h = hand({}, {1, 1, 1});
            for (int i = 0; i < cards; ++i)
                givePlayerCard(h, i, Card{1, 1});
            QVERIFY2(canStand(h), qPrintable(QString::number(cards)));
            QCOMPARE(stand(h), cards > 3 ? Outcome::Won : (cards == 3 ? Outcome::Tie : Outcome::Lost));
            QVERIFY(!canStand(h));
            QCOMPARE(stand(h), Outcome::None); // a second stand finds no hand
        }
    }

    void aVisitStartsWithNoMoneyAndKeepsTheCounts()
    {
        BlackjackTable t = hand({10, 5}, {10, 8}, 40);
        t.money = -120;
        t.wins = 5;
        t.losses = 7;
        t.busts = 2;
        t.hits21 = 1;
        startVisit(t);
        QCOMPARE(t.money, 0);
        QCOMPARE(t.wins, 5);
        QCOMPARE(t.losses, 7);
        QCOMPARE(t.busts, 2);
        QCOMPARE(t.hits21, 1);
        QCOMPARE(t.bet, 40); // the bet of the last hand stays until a new one is taken
        QCOMPARE(statusTexts(t)[0], QStringLiteral("Dinheiro: €$ 0,00"));
    }

    void theNotifierTellsEachChangeOnce()
    {
        int heard = 0;
        const auto c = QObject::connect(&tableNotifier(), &TableNotifier::changed, [&heard] { ++heard; });
        tableChanged();
        QCOMPARE(heard, 1);
        tableChanged();
        QCOMPARE(heard, 2);
        QObject::disconnect(c);
        tableChanged();
        QCOMPARE(heard, 2);
    }

    void moneyMayGoBelowZero()
    {
        BlackjackTable t = hand({10, 5}, {10, 8}, 100);
        QCOMPARE(stand(t), Outcome::Lost);
        QCOMPARE(t.money, -100);
        QCOMPARE(zor::bj::statusTexts(t)[0], QStringLiteral("Dinheiro: €$ -100,00"));
    }

    void statusBarTexts_data()
    {
        QTest::addColumn<int>("busts");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << "Estourou nenhuma vez.";
        QTest::newRow("once") << 1 << "Estourou 1 vez.";
        QTest::newRow("twice") << 2 << "Estourou: 2 vezes.";
        QTest::newRow("many") << 31 << "Estourou: 31 vezes.";
    }
    void statusBarTexts()
    {
        QFETCH(int, busts);
        QFETCH(QString, text);
        BlackjackTable t;
        t.money = 35;
        t.wins = 4;
        t.losses = 2;
        t.busts = busts;
        t.hits21 = 1;
        const auto texts = zor::bj::statusTexts(t);
        QCOMPARE(texts[0], QStringLiteral("Dinheiro: €$ 35,00"));
        QCOMPARE(texts[1], QStringLiteral("Vitórias: 4"));
        QCOMPARE(texts[2], QStringLiteral("Derrotas: 2"));
        QCOMPARE(texts[3], text);
        QCOMPARE(texts[4], QStringLiteral("Acertou 21: 1 vez(es)."));
    }

    void readingTheBet_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bet");
        QTest::newRow("in range") << "50" << 50;
        QTest::newRow("bounds") << "5" << 5;
        QTest::newRow("top") << "100" << 100;
        QTest::newRow("above") << "250" << 100;
        QTest::newRow("below") << "2" << 5;
        QTest::newRow("zero") << "0" << 5;
        QTest::newRow("empty") << "" << 5;
        QTest::newRow("blanks") << "  " << 5;
        QTest::newRow("blanks around") << " 42 " << 42;
        QTest::newRow("letters") << "abc" << 5;
        QTest::newRow("digits and letters") << "50abc" << 5;
        QTest::newRow("minus") << "-50" << 5;
        QTest::newRow("minus alone") << "-" << 5;
        QTest::newRow("plus") << "+70" << 70;
        QTest::newRow("huge") << "99999999999999999999999999" << 100;
        QTest::newRow("huge negative") << "-99999999999999999999999999" << 5;
        QTest::newRow("decimal") << "12,5" << 5;
        QTest::newRow("pasted lines") << "30\n40" << 5;
        QTest::newRow("leading zeros") << "0075" << 75;
    }
    void readingTheBet()
    {
        QFETCH(QString, text);
        QFETCH(int, bet);
        QCOMPARE(zor::bj::betFromText(text), bet);
    }

    // The real source: 100,000 cards spread evenly over the 52 faces, and the house's three
    // cards, drawn one right after the other, independent of each other.
    void theRealSourceSpreadsTheCards()
    {
        ClockRandom random;
        std::map<QString, int> faces;
        const int cards = 100000;
        for (int i = 0; i < cards; ++i)
            ++faces[drawCard(random).picture()];
        QCOMPARE(int(faces.size()), 52);
        const double mean = cards / 52.0;
        for (const auto& [face, n] : faces)
            QVERIFY2(n > mean * 0.8 && n < mean * 1.2, qPrintable(QStringLiteral("%1: %2").arg(face).arg(n)));

        BlackjackTable t;
        const int hands = 30000;
        int sameSuit = 0;
        int sameTotal[31] = {};
        for (int i = 0; i < hands; ++i) {
            startHand(t, random);
            const QChar a = t.housePictures[0][0], b = t.housePictures[1][0], c = t.housePictures[2][0];
            if (a == b && b == c)
                ++sameSuit;
            ++sameTotal[houseTotal(t)];
        }
        const double share = double(sameSuit) / hands;
        QVERIFY2(std::abs(share - 1.0 / 16) < 0.01, qPrintable(QString::number(share)));
        // Every house total from 3 to 30 comes up.
        for (int total = 3; total <= 30; ++total)
            QVERIFY2(sameTotal[total] > 0, qPrintable(QString::number(total)));
    }
};

QTEST_GUILESS_MAIN(BlackjackRules)
#include "test_blackjack_rules.moc"
