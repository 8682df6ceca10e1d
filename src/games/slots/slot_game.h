#pragma once
// The slot machine's game state and its rules, apart from any widget.
//
// One SlotGame record lives for the whole run (slotGame()); the screen redraws its labels from it
// right after each rule call. The rules are plain functions over the record: the lever press and
// release, the tick of each reel timer with its restart and stop rules, the result table and the
// payouts. The three reel timers of the screen follow the record's `running` flags: a rule that
// starts or stops a reel only changes its flag, and the screen enables or disables the timer to
// match right after the call. Draws come from the RandomSource passed in, so tests script them.
//
// Money, totals and counts are 32-bit integers, as the saved files hold them. Every change
// saturates at the 32-bit limits instead of wrapping around: a loaded money of 2147483647
// followed by a win stays at 2147483647.
#include <QString>
#include <array>

namespace zor {
class RandomSource;
}

namespace zor::cn {

inline constexpr int kStartMoney = 100;
inline constexpr int kStake = 10;
inline constexpr int kTwoEqualPays = 25;
inline constexpr int kThreeEqualPays = 50;
inline constexpr int kNoMatchCosts = 5;
// A reel's tick counter rises by this much per tick; a reel acts when it reaches kTickTarget.
inline constexpr int kTickStep = 10;
inline constexpr int kTickTarget = 120;

struct SlotGame {
    int money = kStartMoney;
    int won = 0;   // sum of all payouts
    int lost = 0;  // sum of all stakes and no-match penalties
    int pulls = 0; // accepted lever pulls
    int twoEqual = 0;
    int threeEqual = 0;
    int noMatch = 0;
    // Set while a spin runs and after the money ran out: a lever press does nothing then.
    bool leverLock = false;
    // Set by a press that reset the reels (the lever is down); a release pulls only then. A press
    // during a spin clears it, so its release, even one after the result, starts nothing.
    bool leverDown = false;
    // Set by a lever release, a click on the name and a symbol-set choice; cleared by a save.
    bool unsaved = false;
    // Picture files of the current symbol set, slots 1 to 4 at indexes 0 to 3.
    std::array<QString, 4> symbols = {QStringLiteral("c1.jpg"), QStringLiteral("c3.bmp"),
                                      QStringLiteral("c2.jpg"), QStringLiteral("c4.jpg")};

    // The reels, left (0), middle (1) and right (2).
    std::array<bool, 3> running{};  // whether the reel's timer runs
    std::array<int, 3> phase{};     // 0..3: the symbol slot the spinning reel shows next
    std::array<int, 3> counter{};   // the reel's tick counter
    std::array<int, 3> stop{};      // 1..4 once drawn: the slot the reel stopped on; 0 before
    bool restart2 = false;          // reel 2's counter has restarted after reel 1 stopped
    bool restart3 = false;          // reel 3's counter has restarted after reel 2 stopped
    bool reel1Stopped = false;      // reel 1's stop symbol has been drawn

    bool spinning() const { return running[0] || running[1] || running[2]; }
};

// The one record of the process. It outlives the screen: hiding and showing the screen keep it,
// creating and closing the screen reset it.
SlotGame& slotGame();

// ---- Results ---------------------------------------------------------------------------------

enum class ResultClass { TwoEqual, ThreeEqual, NoMatch };
// Which reels the match banner points at.
enum class Match { None, LeftMiddle, LeftRight, MiddleRight, All };

struct Outcome {
    ResultClass kind;
    Match match;
};

// The result table for the stop symbols of the left, middle and right reel, tested in order:
// left = middle only, left = right only, middle = right only, all three, none.
Outcome classify(int left, int middle, int right);
// The amount label's text: "+ US$ 25,00", "+ US$ 50,00" or "- US$  5,00".
QString amountText(ResultClass kind);
// The match banner's picture file; empty for no match.
QString matchPicture(Match match);

// ---- The lever -------------------------------------------------------------------------------

enum class Press {
    Ignored,      // the lever is locked
    Reset,        // reels reset and stopped; no money, so the lever is not drawn pulled
    ResetPulled,  // reels reset and stopped; the lever shows pulled
};
// Lever press (mouse down or Space down): unless locked, reseeds, resets and stops the reels and
// puts the lever down; while locked it does nothing but leave the lever up.
Press pressLever(SlotGame& g, RandomSource& random);

enum class Release {
    Accepted,   // the stake is taken and reel 1 starts from reset reels
    OutOfMoney, // money is 0 or below: the lever is disabled and the player is warned
    Ignored,    // a spin runs, or the lever was not pressed down first: nothing starts
};
// Lever release: marks unsaved play; accepts the pull when money is above 0, no spin runs and the
// lever was pressed down (and the reels reset) since the last release. The accepted pull starts
// from reset reels whatever happened in between. The stake of 10 is taken whole even when less is
// left.
Release releaseLever(SlotGame& g);

// The reel reset: every phase, counter, stop symbol and marker back to 0, reels 2 and 3 stopped.
void resetReels(SlotGame& g);

// ---- The reels -------------------------------------------------------------------------------

struct ReelTick {
    // The symbol slot (0..3) each reel shows after the tick; -1 where nothing changed.
    std::array<int, 3> show{-1, -1, -1};
    // Set when the tick stopped the last reel: the result is to be settled now (settle()).
    bool evaluate = false;
};

// One tick of the timer of `reel` (0, 1 or 2). Reel 1 spins alone for 12 ticks, then starts
// reel 2; reel 2's 12th tick starts reel 3; reel 3's 12th tick stops reel 1. Reel 2 then
// restarts its count and stops 12 ticks later, reel 3 likewise after reel 2, and reel 3's stop
// asks for the result. So the reels always stop left, middle, right, near ticks 36, 48 and 60.
ReelTick tickReel(SlotGame& g, int reel, RandomSource& random);

// Settles the result of the three stop symbols: payout or penalty, totals and count; unlocks the
// lever when money is left, else keeps it locked.
Outcome settle(SlotGame& g);

// ---- Life cycle ------------------------------------------------------------------------------

// What closing the screen does to the record: a fresh game (money 100, totals and counts 0),
// reels stopped and zeroed, lever unlocked. The unsaved-play flag and the symbols stay.
void resetForClose(SlotGame& g);
// A save or a load stops the reels at once (a spin in progress gets no result), unlocks the lever
// and puts it back up.
void stopForSaveOrLoad(SlotGame& g);

// ---- Saved values ----------------------------------------------------------------------------

// The texts of a saved game, one per file of "Config/jogos/cn/" (the name is saved apart).
struct SavedGame {
    QString dinheiro;
    QString ganhou;
    QString perdeu;
    QString apostas;
    QString design; // the symbol set's name
    QString duasiguais;
    QString tresiguais;
    QString nenhuma;
};
// What a save writes: the record's numbers as decimal text and the chosen set's name.
SavedGame savedTexts(const SlotGame& g, const QString& design);

// A load converts the texts in this order: money, amount won, amount lost, pull count; then the
// symbol set is applied (applySet, given the set's name: the screen loads its pictures); then the
// two-equal, three-equal and no-match counts. Each value is taken as soon as it converts; the
// first that does not ends the load with its conversion error ("'TEXT' is not a valid integer
// value", the text cut short when long), as does a failure of applySet, and the values after it
// keep what they held. Neither the unsaved-play flag nor the reels are touched.
template <class ApplySet>
void takeSaved(SlotGame& g, const SavedGame& t, ApplySet&& applySet);

// A number as the saved files hold it.
QString savedInt(int value);
// Reads a saved number: an optional sign and decimal digits within 32 bits, nothing else.
// Throws the conversion failure "'TEXT' is not a valid integer value", which quotes the text
// short enough to read (see zor::quoted).
int parseSavedInt(const QString& text);

// Saturating arithmetic at the 32-bit limits.
int addClamped(int a, int b);

template <class ApplySet>
void takeSaved(SlotGame& g, const SavedGame& t, ApplySet&& applySet)
{
    g.money = parseSavedInt(t.dinheiro);
    g.won = parseSavedInt(t.ganhou);
    g.lost = parseSavedInt(t.perdeu);
    g.pulls = parseSavedInt(t.apostas);
    applySet(t.design);
    g.twoEqual = parseSavedInt(t.duasiguais);
    g.threeEqual = parseSavedInt(t.tresiguais);
    g.noMatch = parseSavedInt(t.nenhuma);
}

} // namespace zor::cn
