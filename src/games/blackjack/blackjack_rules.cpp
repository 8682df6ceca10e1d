#include "games/blackjack/blackjack_rules.h"

#include "platform/services.h"

namespace zor::bj {

int Card::value() const
{
    return rank >= 10 ? 10 : rank;
}

QString Card::picture() const
{
    static const char kSuitLetters[4] = {'c', 'e', 'o', 'p'};
    return QStringLiteral("%1 (%2).jpg").arg(QLatin1Char(kSuitLetters[(suit - 1) & 3])).arg(rank);
}

Card drawCard(RandomSource& random)
{
    // Each draw gets its own seed, so the house's three cards drawn one after the other differ.
    Card c;
    random.reseed();
    c.suit = random.draw(4) + 1;
    random.reseed();
    c.rank = random.draw(13) + 1;
    return c;
}

BlackjackTable& blackjack()
{
    static BlackjackTable table;
    return table;
}

TableNotifier& tableNotifier()
{
    static TableNotifier notifier;
    return notifier;
}

void tableChanged()
{
    emit tableNotifier().changed();
}

void startVisit(BlackjackTable& t)
{
    t.money = 0;
}

bool canStand(const BlackjackTable& t)
{
    return t.step != HandStep::NoHand;
}

int playerTotal(const BlackjackTable& t)
{
    int sum = 0;
    for (int v : t.player)
        sum += v;
    return sum;
}

int houseTotal(const BlackjackTable& t)
{
    return t.house[0] + t.house[1] + t.house[2];
}

void startHand(BlackjackTable& t, RandomSource& random)
{
    t.handledBust = false;
    t.handled21 = false;
    for (int i = 0; i < 3; ++i) {
        const Card c = drawCard(random);
        t.house[i] = c.value();
        t.housePictures[i] = c.picture();
    }
}

int nextCardSlot(HandStep step)
{
    switch (step) {
    case HandStep::NoHand: return 0;
    case HandStep::TwoCards: return 2;
    case HandStep::ThreeCards: return 3;
    case HandStep::FourCards: return 4;
    case HandStep::FiveCards: break;
    }
    return -1;
}

void givePlayerCard(BlackjackTable& t, int slot, const Card& card)
{
    if (slot < 0 || slot > 4)
        return;
    t.player[slot] = card.value();
    switch (slot) {
    case 1: t.step = HandStep::TwoCards; break;
    case 2: t.step = HandStep::ThreeCards; break;
    case 3: t.step = HandStep::FourCards; break;
    case 4: t.step = HandStep::FiveCards; break;
    default: break; // the first card alone makes no step
    }
}

void clearPlayer(BlackjackTable& t)
{
    t.player = {};
    t.step = HandStep::NoHand;
}

Outcome settleImmediate(BlackjackTable& t)
{
    const int player = playerTotal(t);
    const int house = houseTotal(t);
    if (player == 21 && !t.handled21) {
        t.handled21 = true;
        Outcome o;
        if (house == 21) {
            ++t.wins;
            ++t.losses;
            o = Outcome::Tie;
        } else {
            ++t.wins;
            ++t.hits21;
            t.money += t.bet;
            o = Outcome::Exact21;
        }
        clearPlayer(t);
        return o;
    }
    if (player > 21 && !t.handledBust) {
        t.handledBust = true;
        Outcome o;
        if (house > 21) {
            ++t.wins;
            ++t.losses;
            o = Outcome::Tie;
        } else {
            // A bust costs nothing: only the count grows.
            ++t.busts;
            o = Outcome::Bust;
        }
        clearPlayer(t);
        return o;
    }
    return Outcome::None;
}

Outcome stand(BlackjackTable& t)
{
    if (!canStand(t))
        return Outcome::None;
    t.handled21 = false;
    t.handledBust = false;
    const int player = playerTotal(t);
    const int house = houseTotal(t);
    clearPlayer(t);
    if (house > player) {
        if (house > 21) {
            ++t.wins;
            t.money += t.bet;
            return Outcome::Won;
        }
        ++t.losses;
        t.money -= t.bet;
        return Outcome::Lost;
    }
    if (player > house) {
        ++t.wins;
        t.money += t.bet;
        return Outcome::Won;
    }
    ++t.wins;
    ++t.losses;
    return Outcome::Tie;
}

std::array<QString, 5> statusTexts(const BlackjackTable& t)
{
    QString busts;
    if (t.busts == 0)
        busts = QStringLiteral("Estourou nenhuma vez.");
    else if (t.busts == 1)
        busts = QStringLiteral("Estourou 1 vez.");
    else
        busts = QStringLiteral("Estourou: %1 vezes.").arg(t.busts);
    return {
        QStringLiteral("Dinheiro: €$ %1,00").arg(t.money),
        QStringLiteral("Vitórias: %1").arg(t.wins),
        QStringLiteral("Derrotas: %1").arg(t.losses),
        busts,
        QStringLiteral("Acertou 21: %1 vez(es).").arg(t.hits21),
    };
}

int betFromText(const QString& text)
{
    const QString s = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        negative = s[i] == u'-';
        ++i;
    }
    if (i == s.size())
        return kMinBet;
    // Only the size matters beyond the bounds, so a long run of digits stops counting early.
    long long value = 0;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c < u'0' || c > u'9')
            return kMinBet;
        if (value <= kMaxBet)
            value = value * 10 + (c.unicode() - u'0');
    }
    if (negative)
        value = -value;
    if (value < kMinBet)
        return kMinBet;
    if (value > kMaxBet)
        return kMaxBet;
    return int(value);
}

} // namespace zor::bj
