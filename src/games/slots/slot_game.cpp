#include "games/slots/slot_game.h"

#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/services.h"

#include <limits>

namespace zor::cn {

SlotGame& slotGame()
{
    static SlotGame game;
    return game;
}

int addClamped(int a, int b)
{
    const long long sum = static_cast<long long>(a) + b;
    if (sum > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (sum < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(sum);
}

// ---- Results ---------------------------------------------------------------------------------

Outcome classify(int left, int middle, int right)
{
    // The order matters: three equal symbols must never be taken for a pair.
    if (left == middle && left != right)
        return {ResultClass::TwoEqual, Match::LeftMiddle};
    if (left == right && left != middle)
        return {ResultClass::TwoEqual, Match::LeftRight};
    if (middle == right && middle != left)
        return {ResultClass::TwoEqual, Match::MiddleRight};
    if (left == middle && middle == right)
        return {ResultClass::ThreeEqual, Match::All};
    return {ResultClass::NoMatch, Match::None};
}

QString amountText(ResultClass kind)
{
    switch (kind) {
    case ResultClass::TwoEqual: return QStringLiteral("+ US$ 25,00");
    case ResultClass::ThreeEqual: return QStringLiteral("+ US$ 50,00");
    case ResultClass::NoMatch: break;
    }
    return QStringLiteral("- US$  5,00");
}

QString matchPicture(Match match)
{
    switch (match) {
    case Match::LeftMiddle: return QStringLiteral("esqermeio.jpg");
    case Match::LeftRight: return QStringLiteral("esqerdirei.jpg");
    case Match::MiddleRight: return QStringLiteral("meiodirei.jpg");
    case Match::All: return QStringLiteral("todos.jpg");
    case Match::None: break;
    }
    return {};
}

Outcome settle(SlotGame& g)
{
    const Outcome o = classify(g.stop[0], g.stop[1], g.stop[2]);
    switch (o.kind) {
    case ResultClass::TwoEqual:
        g.money = addClamped(g.money, kTwoEqualPays);
        g.won = addClamped(g.won, kTwoEqualPays);
        g.twoEqual = addClamped(g.twoEqual, 1);
        break;
    case ResultClass::ThreeEqual:
        g.money = addClamped(g.money, kThreeEqualPays);
        g.won = addClamped(g.won, kThreeEqualPays);
        g.threeEqual = addClamped(g.threeEqual, 1);
        break;
    case ResultClass::NoMatch:
        g.money = addClamped(g.money, -kNoMatchCosts);
        g.lost = addClamped(g.lost, kNoMatchCosts);
        g.noMatch = addClamped(g.noMatch, 1);
        break;
    }
    // Out of money the lever stays locked until a new game or a load.
    g.leverLock = g.money <= 0;
    return o;
}

// ---- The lever -------------------------------------------------------------------------------

void resetReels(SlotGame& g)
{
    g.running[1] = g.running[2] = false;
    g.phase = {};
    g.counter = {};
    g.stop = {};
    g.restart2 = g.restart3 = false;
    g.reel1Stopped = false;
}

Press pressLever(SlotGame& g, RandomSource& random)
{
    if (g.leverLock) {
        g.leverDown = false;
        return Press::Ignored;
    }
    random.reseed();
    // The reset reseeds once more, as every drawing place does right before it may draw.
    random.reseed();
    resetReels(g);
    g.running = {};
    g.leverDown = true;
    return g.money > 0 ? Press::ResetPulled : Press::Reset;
}

Release releaseLever(SlotGame& g)
{
    g.unsaved = true;
    const bool wasDown = g.leverDown;
    g.leverDown = false;
    if (g.money > 0 && !g.leverLock && wasDown && !g.spinning()) {
        resetReels(g);
        g.running = {};
        g.running[0] = true;
        g.money = addClamped(g.money, -kStake);
        g.lost = addClamped(g.lost, kStake);
        g.pulls = addClamped(g.pulls, 1);
        g.leverLock = true;
        return Release::Accepted;
    }
    if (g.money <= 0)
        return Release::OutOfMoney;
    return Release::Ignored;
}

// ---- The reels -------------------------------------------------------------------------------

namespace {

// Shows the next symbol of a spinning reel: slots 1, 2, 3, 4, 1, ...
int advance(SlotGame& g, int reel)
{
    const int shown = g.phase[reel];
    g.phase[reel] = (shown + 1) % 4;
    return shown;
}

// A stop symbol, 1 to 4, drawn right after a reseed.
int drawStop(RandomSource& random)
{
    random.reseed();
    return random.draw(4) + 1;
}

} // namespace

ReelTick tickReel(SlotGame& g, int reel, RandomSource& random)
{
    ReelTick t;
    if (reel < 0 || reel > 2 || !g.running[reel])
        return t;
    // The counter only needs to pass kTickTarget once per spin; saturating keeps a reel left
    // running for ages from ever wrapping round.
    g.counter[reel] = addClamped(g.counter[reel], kTickStep);

    if (reel == 1 && !g.restart2 && !g.running[0]) {
        g.counter[1] = kTickStep;
        g.restart2 = true;
    }
    if (reel == 2 && !g.restart3 && !g.running[1]) {
        g.counter[2] = kTickStep;
        g.restart3 = true;
    }
    t.show[reel] = advance(g, reel);

    if (g.counter[reel] != kTickTarget)
        return t;
    switch (reel) {
    case 0:
        g.running[1] = true;
        break;
    case 1:
        if (!g.running[0]) {
            g.stop[1] = drawStop(random);
            g.running[1] = false;
            t.show[1] = g.stop[1] - 1;
        }
        g.running[2] = true;
        break;
    case 2:
        if (!g.reel1Stopped) {
            g.stop[0] = drawStop(random);
            g.running[0] = false;
            t.show[0] = g.stop[0] - 1;
            g.reel1Stopped = true;
        }
        if (!g.running[1]) {
            g.stop[2] = drawStop(random);
            g.running[2] = false;
            t.show[2] = g.stop[2] - 1;
            t.evaluate = true;
        }
        break;
    }
    return t;
}

// ---- Life cycle ------------------------------------------------------------------------------

void resetForClose(SlotGame& g)
{
    g.pulls = g.twoEqual = g.threeEqual = g.noMatch = 0;
    g.money = kStartMoney;
    g.won = g.lost = 0;
    g.running = {};
    g.phase = {};
    g.counter = {};
    g.restart2 = false;
    g.leverLock = false;
    g.leverDown = false;
}

void stopForSaveOrLoad(SlotGame& g)
{
    g.running = {};
    g.leverLock = false;
    g.leverDown = false;
}

// ---- Saved values ----------------------------------------------------------------------------

QString savedInt(int value)
{
    return intToStr(value);
}

SavedGame savedTexts(const SlotGame& g, const QString& design)
{
    return {savedInt(g.money),    savedInt(g.won),      savedInt(g.lost),       savedInt(g.pulls), design,
            savedInt(g.twoEqual), savedInt(g.threeEqual), savedInt(g.noMatch)};
}

int parseSavedInt(const QString& text)
{
    // The conversion's error quotes the value short enough to read.
    return strToInt(text);
}

} // namespace zor::cn
