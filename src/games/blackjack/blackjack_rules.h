#pragma once
// Blackjack's table state and rules, apart from any widget.
//
// There is no deck: every card is a suit 1..4 and a rank 1..13 drawn independently, so a card can
// come again in the same hand. An ace always counts 1 and the court cards 10, so two cards make
// at most 20 and 21 or a bust needs a third card. The house gets three cards at the start of a
// hand and never draws; the player gets two after the bet and may draw up to three more.
// Exactly 21 or a bust settles the hand at once; otherwise the player stands and the totals are
// compared.
//
// The state record outlives the table screen: the chooser makes a new screen on every visit,
// and the counts go on from visit to visit while the money starts again at 0.
#include <QObject>
#include <QString>
#include <array>

namespace zor {
class RandomSource;
}

// Blackjack's own names stand apart from the other games'.
namespace zor::bj {

struct Card {
    int suit = 1; // 1..4: "c", "e", "o", "p"
    int rank = 1; // 1 (ace) .. 13 (king)

    // The rank for 1..9, 10 for the ten and the court cards.
    int value() const;
    // "c (1).jpg" .. "p (13).jpg".
    QString picture() const;
};

// The face-down card.
inline const QString kCardBack = QStringLiteral("baralho.jpg");

// Reseeds the source, draws the suit, reseeds again and draws the rank.
Card drawCard(RandomSource& random);

// Where a hand stands: no hand yet, or how many cards the player holds.
enum class HandStep {
    NoHand = 0,   // the next deal starts a hand
    TwoCards = 1,
    ThreeCards = 2,
    FourCards = 3,
    FiveCards = 10, // a further deal only says that five is the limit
};

struct BlackjackTable {
    HandStep step = HandStep::NoHand;
    std::array<int, 5> player{};         // values of the player's cards, 0 for cards not drawn
    std::array<int, 3> house{};          // values of the house's cards
    std::array<QString, 3> housePictures; // their picture files
    bool handled21 = false;              // the current exact 21 has been settled
    bool handledBust = false;            // the current bust has been settled
    int money = 0;                       // the visit's balance in whole euros
    int bet = 0;                         // 5..100 once a bet has been taken; kept hand to hand
    int wins = 0;
    int losses = 0;
    int busts = 0;
    int hits21 = 0;
};

// The one table state of the process.
BlackjackTable& blackjack();

// Tells the table screen that the process's record moved, so that it redraws, and settles an
// exact 21 or a bust, within the same event-loop turn instead of polling on a clock. The rules
// below stay plain functions over any record; whoever changes the process's record through them
// (the table, the bet dialog) calls tableChanged() afterwards.
class TableNotifier : public QObject {
    Q_OBJECT
signals:
    void changed();
};
TableNotifier& tableNotifier();
void tableChanged();

int playerTotal(const BlackjackTable& t);
int houseTotal(const BlackjackTable& t);

// How a hand ended; each ending has its own dialog.
enum class Outcome { None, Won, Lost, Tie, Bust, Exact21 };

// A visit to the table starts: the money starts again at 0; the counts go on.
void startVisit(BlackjackTable& t);

// Whether the player holds cards, so that a stand counts.
bool canStand(const BlackjackTable& t);

// The start of a hand: clears both handled flags and draws the house's three cards.
void startHand(BlackjackTable& t, RandomSource& random);

// The player's cards a deal gives at this step: 0 for a fresh hand (cards 1 and 2), 2 for
// card 3, 3 for card 4, 4 for card 5; -1 at five cards, where nothing is drawn.
int nextCardSlot(HandStep step);
// Puts a drawn card into the player's slot (0..4) and moves the step on once the hand has the
// cards that step stands for.
void givePlayerCard(BlackjackTable& t, int slot, const Card& card);

// The immediate settlement of an exact 21 or a bust, run by the table whenever the record moves.
// Each runs once per hand, guarded by its handled flag: it sets the flag, counts, pays,
// clears the player's cards and ends the hand. Returns None when there is nothing to settle.
Outcome settleImmediate(BlackjackTable& t);

// The player stands: both flags cleared, the hand compared and ended, the player's cards cleared.
// With no cards in the player's hand a stand counts for nothing: None, and the record untouched.
//   house above player and above 21: won (+bet)   house above player, 21 or less: lost (-bet)
//   player above house: won (+bet)                 equal: tie (a win and a loss, no money)
Outcome stand(BlackjackTable& t);

// The player's side cleared: no cards, no hand.
void clearPlayer(BlackjackTable& t);

// The five status bar panels: money, wins, losses, busts, hits of 21.
std::array<QString, 5> statusTexts(const BlackjackTable& t);

// The bet dialog's amount: text that is not a whole number reads as 5 (the least bet), and any
// number is pulled into 5..100, however long it is.
inline constexpr int kMinBet = 5;
inline constexpr int kMaxBet = 100;
int betFromText(const QString& text);

} // namespace zor::bj
