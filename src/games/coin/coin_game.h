#pragma once
// The heads or tails game state and its rules, apart from any widget.
//
// One record (CoinGame) lives for the whole run and is shared by the coin value screen, the
// side screen, the mode dialog and the table. It holds the whole game, the toss included: the
// phase of the table, the face showing, the random-stop countdown. The rules below are plain
// functions over the record, so that they can be tested with scripted draws and no screen at
// all; the screens only draw the record.
//
// Whoever changes the process-wide record calls recordChanged() when done (a ChangeScope does it
// on leaving a handler, also when a failure ends it early); the table redraws its labels from
// the record at once, in the same event-loop turn, so nothing needs to poll it.
#include <QObject>
#include <QString>

#include <optional>

namespace zor {
class RandomSource;
}

namespace zor::coin {

// Stop modes of a toss, as the saved game writes them ("Config/Jogos/coc/modo.txt").
enum class Mode { NoMode = 0, RandomStop = 1, PlayerStop = 2 };

// The faces of the coin: Cara is up when only the control `cara` shows, Coroa when `coroa`
// (laid over it) shows too.
enum class Face { Cara = 1, Coroa = 2 };

// Where the table stands: no mode yet ("Escolher Modo"), ready to toss ("Jogar Moeda"), or a toss
// running in either stop mode.
enum class Phase { NoMode, Ready, RandomToss, PlayerToss };

// Ticks of the random-stop countdown; the stop bar is full at this value.
inline constexpr int kCountdownTicks = 150;

struct CoinGame {
    // The stop mode. A loaded game may hold NoMode while the toss is offered.
    Mode mode = Mode::NoMode;
    // The main button offers the toss ("Jogar Moeda") rather than the mode dialog: a mode was
    // confirmed, or a game was loaded (even one without a mode). Cleared by reset and close.
    bool tossOffered = false;
    int coinValue = 0;      // centavos: 1, 5, 10, 25, 50 or 100; 0 before the first choice
    QString side;           // "Cara" or "Coroa"; empty before the first choice
    double stake = 0;       // reais won or lost per toss
    double money = 0;       // reais, no lower bound
    int bets = 0;
    int wins = 0;
    int losses = 0;
    bool tossRunning = false;      // a toss has started and is not yet settled
    Face showing = Face::Cara;     // the face up now; a toss settles on it
    Face stopTarget = Face::Cara;  // the face a random-stop toss ends on
    int countdown = 0;             // 0..kCountdownTicks: the random stop's ticks; full in player stop
    bool playerStop = false;       // the stop ("Parar", space) settles a toss now
    bool unsaved = false;          // something happened since the last save
};

// The process-wide record.
CoinGame& game();

// Tells the screens that the process-wide record moved. Screens connect to changed().
class RecordNotifier : public QObject {
    Q_OBJECT
signals:
    void changed();
};
RecordNotifier& notifier();
// Emits notifier().changed(): every screen drawing the record redraws now.
void recordChanged();

// Calls recordChanged() when the scope ends, however it ends: a handler that fails half-way (a
// load stopped by a bad value) still shows what it took before the failure.
class ChangeScope {
public:
    ChangeScope() = default;
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;
    ~ChangeScope() { recordChanged(); }
};

// The phase of the table, from the record.
Phase phase(const CoinGame& g);

// One row of the coin table: the coin's caption on the value screen, its stake, and the picture
// files the controls `cara` and `coroa` show (the `cara` control shows the "coroa" file and the
// other way round, on the side screen and on the table alike).
struct CoinKind {
    int value;
    const char* caption;
    double stake;
    const char* caraPicture;
    const char* coroaPicture;
};

// The row of a coin value, or nullptr for a value outside the table.
const CoinKind* coinKind(int value);
// The six coin values in the order of the value screen's table.
inline constexpr int kCoinValues[6] = {1, 5, 10, 25, 50, 100};

// Sets the stake from the coin value; a value outside the table leaves it as it was.
void applyStake(CoinGame& g);

// Whether a toss can start in the record's mode (random or player stop).
bool hasPlayableMode(const CoinGame& g);

// Reseeds the source and draws the face a random-stop toss ends on.
Face drawStopTarget(RandomSource& random);

enum class Outcome { Won, Lost, BetOnly };

// The end of a toss: the face it settled on and what it brought.
struct TossEnd {
    Face face;
    Outcome outcome;
};

// ---- The table's rules, in the order a game meets them ----

// The table is shown: the stop is disarmed and the money starts at 0.
void showTable(CoinGame& g);

// The mode dialog has closed: once a mode is chosen, the main button offers the toss.
void confirmMode(CoinGame& g);

// "Jogar Moeda": starts a toss when the table is ready in a playable mode, and returns whether
// it did. Random stop reseeds the source, draws the stop target and starts the countdown at 0;
// player stop arms the stop and fills the countdown. Without a mode (a loaded game may hold
// none) nothing starts: a toss that no countdown and no stop could ever end is never begun.
bool startToss(CoinGame& g, RandomSource& random);

// A tick of the turning animation puts `up` face up, while a toss runs.
void turnTick(CoinGame& g, Face up);

// A tick of the random-stop countdown. At its kCountdownTicks-th tick the toss ends on the drawn
// face, whatever face the animation was showing, and is settled.
std::optional<TossEnd> countdownTick(CoinGame& g);

// The stop ("Parar" or the space bar). The player is reminded to toss first whenever the stop is
// not armed; an armed stop in player-stop mode ends the toss on the face showing and settles it.
// A load with mode 2 arms the stop with no toss running: it then settles one toss all the same.
struct StopResult {
    bool remind = false; // "Clique em "Jogar Moeda" para Começar !"
    std::optional<TossEnd> end;
};
StopResult stop(CoinGame& g);

// Settles one toss on the face showing: the bet count rises; "Cara" wins when Cara is up,
// "Coroa" when Coroa is; a win adds the stake to the money and counts a win, a loss takes it
// away and counts a loss; any other side counts the bet only. Counts stop at the largest int,
// and the new balance is rounded to nine decimals so that no binary residue ever shows.
Outcome settle(CoinGame& g);

// Adds one to a count without passing the largest int.
int countUp(int count);

// "R$ " and the money in general format with the locale's decimal separator ("R$ -1,5").
QString moneyText(double money);

// Start values after a reset ("Zerar Cara ou Coroa"): mode, bets and money 0, the mode dialog
// offered again, no toss running, Cara up, the countdown empty. The win and loss counts stay.
void reset(CoinGame& g);
// Start values after the table closes: as reset, and the win and loss counts 0 too. Coin
// value, side and stake stay.
void closeTable(CoinGame& g);

// The seven texts a save writes, one per file of "Config/Jogos/coc/".
struct SavedGame {
    QString modo;
    QString coc;
    QString valor;
    QString dinheiro;
    QString ganhou;
    QString perdeu;
    QString apostas;
};
SavedGame savedTexts(const CoinGame& g);

// A load converts the texts in this order: mode, money, bets, wins, losses, coin value (then
// the table loads the coin's pictures and the stake), then takes the side. Each value is taken
// as soon as it converts; the first that does not ends the load with its conversion error
// ("'TEXT' is not a valid integer value", the text cut short when long), and the values after it
// keep what they held.
//
// The mode: the toss is offered at once, before the text converts. A mode outside 0..2 counts as
// no mode, so that no saved file can start a toss that has no way to end. Mode 2 arms the player
// stop at once and fills the countdown.
void takeMode(CoinGame& g, const QString& text);
// Money, bet, win and loss counts and the coin value.
void takeNumbers(CoinGame& g, const SavedGame& texts);

} // namespace zor::coin
