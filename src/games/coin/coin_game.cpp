#include "games/coin/coin_game.h"

#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/services.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zor::coin {

namespace {

constexpr CoinKind kCoins[6] = {
    {1, "1 CENTAVO", 0.01, "coroa2.bmp", "cara2.bmp"},
    {5, "5 CENTAVOS", 0.05, "coroa3.bmp", "cara3.bmp"},
    {10, "10 CENTAVOS", 0.10, "coroa4.bmp", "cara4.bmp"},
    {25, "25 CENTAVOS", 0.25, "coroa5.bmp", "cara5.bmp"},
    {50, "50 CENTAVOS", 0.50, "coroa6.bmp", "cara6.bmp"},
    {100, "1 REAL", 1.00, "coroa.bmp", "cara.bmp"},
};

// Binary doubles cannot hold most centavos exactly, and the error grows with every toss: a
// thousand 1-centavo wins add up to 9.99999999999983. Rounding each new balance to nine
// decimals drops that residue, far below a centavo, and keeps any balance a saved game holds.
double dropResidue(double money)
{
    const double scaled = money * 1e9;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9e15)
        return money;
    return std::round(scaled) / 1e9;
}

} // namespace

CoinGame& game()
{
    static CoinGame g;
    return g;
}

RecordNotifier& notifier()
{
    static RecordNotifier n;
    return n;
}

void recordChanged()
{
    emit notifier().changed();
}

Phase phase(const CoinGame& g)
{
    if (g.tossRunning)
        return g.mode == Mode::PlayerStop ? Phase::PlayerToss : Phase::RandomToss;
    return g.tossOffered ? Phase::Ready : Phase::NoMode;
}

const CoinKind* coinKind(int value)
{
    for (const CoinKind& k : kCoins) {
        if (k.value == value)
            return &k;
    }
    return nullptr;
}

void applyStake(CoinGame& g)
{
    if (const CoinKind* k = coinKind(g.coinValue))
        g.stake = k->stake;
}

bool hasPlayableMode(const CoinGame& g)
{
    return g.mode == Mode::RandomStop || g.mode == Mode::PlayerStop;
}

Face drawStopTarget(RandomSource& random)
{
    random.reseed();
    return random.draw(2) == 0 ? Face::Cara : Face::Coroa;
}

int countUp(int count)
{
    return count == std::numeric_limits<int>::max() ? count : count + 1;
}

void showTable(CoinGame& g)
{
    g.playerStop = false;
    g.money = 0;
}

void confirmMode(CoinGame& g)
{
    if (g.mode != Mode::NoMode)
        g.tossOffered = true;
}

bool startToss(CoinGame& g, RandomSource& random)
{
    if (phase(g) != Phase::Ready || !hasPlayableMode(g))
        return false;
    g.unsaved = true;
    g.tossRunning = true;
    if (g.mode == Mode::RandomStop) {
        g.stopTarget = drawStopTarget(random);
        g.countdown = 0;
    } else {
        g.playerStop = true;
        g.countdown = kCountdownTicks;
    }
    return true;
}

void turnTick(CoinGame& g, Face up)
{
    if (g.tossRunning)
        g.showing = up;
}

std::optional<TossEnd> countdownTick(CoinGame& g)
{
    if (phase(g) != Phase::RandomToss)
        return std::nullopt;
    g.countdown = std::min(g.countdown + 1, kCountdownTicks);
    if (g.countdown < kCountdownTicks)
        return std::nullopt;
    g.tossRunning = false;
    // The drawn face alone decides, whatever the animation was showing.
    g.showing = g.stopTarget;
    return TossEnd{g.showing, settle(g)};
}

StopResult stop(CoinGame& g)
{
    StopResult r;
    r.remind = !g.playerStop;
    if (!(g.mode == Mode::PlayerStop && g.playerStop))
        return r;
    g.tossRunning = false;
    g.playerStop = false;
    r.end = TossEnd{g.showing, settle(g)};
    return r;
}

Outcome settle(CoinGame& g)
{
    g.bets = countUp(g.bets);
    bool won;
    if (g.side == QLatin1String("Cara"))
        won = g.showing == Face::Cara;
    else if (g.side == QLatin1String("Coroa"))
        won = g.showing == Face::Coroa;
    else
        return Outcome::BetOnly;
    g.money = dropResidue(won ? g.money + g.stake : g.money - g.stake);
    if (won) {
        g.wins = countUp(g.wins);
        return Outcome::Won;
    }
    g.losses = countUp(g.losses);
    return Outcome::Lost;
}

QString moneyText(double money)
{
    return QStringLiteral("R$ ") + floatToStr(money);
}

void reset(CoinGame& g)
{
    g.mode = Mode::NoMode;
    g.tossOffered = false;
    g.bets = 0;
    g.money = 0;
    // Reset stops every timer of the toss, so nothing runs or waits for a stop afterwards, and
    // the coin lies on Cara with the stop bar empty.
    g.tossRunning = false;
    g.playerStop = false;
    g.showing = Face::Cara;
    g.countdown = 0;
}

void closeTable(CoinGame& g)
{
    reset(g);
    g.wins = 0;
    g.losses = 0;
}

SavedGame savedTexts(const CoinGame& g)
{
    return {intToStr(int(g.mode)),   g.side,           intToStr(g.coinValue), floatToStr(g.money),
            intToStr(g.wins),    intToStr(g.losses), intToStr(g.bets)};
}

void takeMode(CoinGame& g, const QString& text)
{
    g.tossOffered = true;
    const int mode = strToInt(text);
    g.mode = (mode == int(Mode::RandomStop) || mode == int(Mode::PlayerStop)) ? Mode(mode) : Mode::NoMode;
    if (g.mode == Mode::PlayerStop) {
        g.playerStop = true;
        g.countdown = kCountdownTicks;
    }
}

void takeNumbers(CoinGame& g, const SavedGame& t)
{
    g.money = strToFloat(t.dinheiro);
    g.bets = strToInt(t.apostas);
    g.wins = strToInt(t.ganhou);
    g.losses = strToInt(t.perdeu);
    g.coinValue = strToInt(t.valor);
}

} // namespace zor::coin
