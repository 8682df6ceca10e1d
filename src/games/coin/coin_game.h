#pragma once
// The heads or tails game state and its rules, apart from any widget.
//
// One record (CoinGame) lives for the whole run and is shared by the coin value screen, the
// side screen, the mode dialog and the table. The table copies it into its labels from its
// refresh timer; every handler only changes the record. The rules below are plain functions over
// the record, so that they can be tested with scripted draws and no screen at all.
#include <QString>

namespace zor {
class RandomSource;
}

namespace zor::coin {

// Stop modes of a toss.
enum Mode { NoMode = 0, RandomStop = 1, PlayerStop = 2 };

// The faces of the coin: 1 is the control `cara`, 2 the control `coroa`.
enum Face { CaraFace = 1, CoroaFace = 2 };

struct CoinGame {
    int mode = NoMode;
    int coinValue = 0;      // centavos: 1, 5, 10, 25, 50 or 100; 0 before the first choice
    QString side;           // "Cara" or "Coroa"; empty before the first choice
    double stake = 0;       // reais won or lost per toss
    double money = 0;       // reais, no lower bound
    int bets = 0;
    int wins = 0;
    int losses = 0;
    bool tossRunning = false;
    int stopTarget = CaraFace; // the face a random-stop toss ends on
    bool playerStop = false;   // a player-stop toss may be stopped now
    bool unsaved = false;      // something happened since the last save
};

// The process-wide record.
CoinGame& game();

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
int drawStopTarget(RandomSource& random);

enum class Outcome { Won, Lost, BetOnly };

// Settles one toss on the face showing: the bet count rises; "Cara" wins when `coroa` is hidden,
// "Coroa" when it is visible; a win adds the stake to the money and counts a win, a loss takes it
// away and counts a loss; any other side counts the bet only. Counts stop at the largest int,
// and the new balance is rounded to nine decimals so that no binary residue ever shows.
Outcome settle(CoinGame& g, bool coroaVisible);

// Adds one to a count without passing the largest int.
int countUp(int count);

// "R$ " and the money in general format with the locale's decimal separator ("R$ -1,5").
QString moneyText(double money);

// Start values after a reset ("Zerar Cara ou Coroa"): mode, bets and money 0, no toss running.
// The win and loss counts stay.
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
// The mode: a mode outside 0..2 counts as no mode, so that no saved file can start a toss that
// has no way to end. Mode 2 arms the player stop at once.
void takeMode(CoinGame& g, const QString& text);
// Money, bet, win and loss counts and the coin value.
void takeNumbers(CoinGame& g, const SavedGame& texts);

} // namespace zor::coin
