// Layout pictures of the Blackjack screens: the table (felt, padded rail, printed rules and the
// two buttons at rest), a card of the two piles, the card shown face down before the first
// hand, the lit and pressed deal button, the lit stand button, the glyph of the bet dialog's
// button, the dialogs' background until the theme is applied, and one picture per outcome
// dialog. The playing cards in them are the game's own card pictures, drawn earlier into the
// game folder, so that every card looks the same everywhere.
#include "game_pictures_common.h"
#include "generator.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <tuple>

namespace assetgen {

namespace {

using namespace gamepics;
using namespace gamepics::palette;

const QString kFolder = QStringLiteral("blackjack");

const QColor kFeltLight(0x2C, 0x9A, 0x55);
const QColor kFelt(0x17, 0x6B, 0x34);
const QColor kFeltDeep(0x07, 0x38, 0x19);
const QColor kInk(0x3A, 0x22, 0x04);

// The table fills the window between the menu bar and the status bar.
constexpr int kTableW = 797;
constexpr int kTableH = 528;
const QRectF kDeal(566, 424, 176, 44);
const QRectF kStand(566, 476, 176, 44);


QString write(const QImage& img, const QDir& layoutDir, const QString& name)
{
    return writePicture(img, layoutDir, kFolder + u'/' + name, 90);
}

// A card picture of the game folder ("c (1).jpg", "baralho.jpg"); at 2x, its twin drawn at
// twice the size.
QImage gameCard(const QDir& gameDir, const QString& file)
{
    QImage img(gameDir.filePath(scaledName(file)));
    if (img.isNull()) {
        std::fprintf(stderr, "zor-assetgen: the card picture %s is missing\n", qPrintable(gameDir.filePath(file)));
        std::exit(1);
    }
    img.setDevicePixelRatio(renderScale());
    return img;
}

// A card laid on the cloth: a soft shadow, the picture clipped to its rounded outline, turned
// about its centre by `angle` degrees.
void layCard(QPainter& p, const QImage& card, const QRectF& r, double angle, double shadow = 3)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF local(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    const QPainterPath shape = roundedRect(local, r.width() * 0.06);
    if (shadow > 0)
        dropShadow(p, shape, QPointF(shadow * 0.6, shadow), shadow * 1.6, 90);
    p.setClipPath(shape);
    p.drawImage(local, card);
    p.setClipping(false);
    p.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.restore();
}

QLinearGradient goldGradient(const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, kGoldLight);
    g.setColorAt(0.45, kGold);
    g.setColorAt(0.55, QColor(0xC8, 0x90, 0x20));
    g.setColorAt(1.0, QColor(0xF4, 0xCC, 0x60));
    return g;
}

// Lettering with a dark outline, a soft shadow and a light edge along its top.
void letter(QPainter& p, const QPainterPath& text, const QBrush& fill, const QColor& outline, double width = 2.0)
{
    dropShadow(p, text, QPointF(2, 2.4), 4, 120);
    p.save();
    p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(text);
    p.setClipPath(text);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text.translated(0.6, 0.9));
    p.restore();
}

// Fine grain over a picture, so that cloth and leather do not look flat.
void grain(QImage& img, std::uint32_t seed, int strength)
{
    Rng rng(seed);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a == 0)
                continue;
            const int d = int(rng.next() % unsigned(2 * strength + 1)) - strength;
            line[x] = qRgba(std::clamp(qRed(line[x]) + d, 0, a), std::clamp(qGreen(line[x]) + d, 0, a),
                            std::clamp(qBlue(line[x]) + d, 0, a), a);
        }
    }
}

void drawChip(QPainter& p, QPointF c, double r, const QColor& colour, double squash = 1.0)
{
    p.save();
    p.translate(c);
    p.scale(1.0, squash);
    if (squash < 1.0) {
        // The chip's edge, seen from the side.
        p.setPen(Qt::NoPen);
        p.setBrush(darker(colour, 0.45));
        p.drawEllipse(QPointF(0, 5), r, r);
    }
    QRadialGradient body(QPointF(-r * 0.3, -r * 0.35), r * 1.3);
    body.setColorAt(0, lighter(colour, 0.25));
    body.setColorAt(1, darker(colour, 0.25));
    p.setPen(QPen(darker(colour, 0.5), 0.8));
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), r, r);
    // White edge marks and the inner ring.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF8, 0xF4, 0xEA));
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45);
        p.drawRoundedRect(QRectF(r * 0.72, -r * 0.13, r * 0.26, r * 0.26), 1, 1);
        p.restore();
    }
    p.setPen(QPen(QColor(0xF8, 0xF4, 0xEA, 220), r * 0.06, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), r * 0.6, r * 0.6);
    p.restore();
}

void chipStack(QPainter& p, QPointF base, double r, const QColor& colour, int n)
{
    for (int i = 0; i < n; ++i)
        drawChip(p, base - QPointF(0, i * 5.0), r, colour, 0.55);
}

// ---- Buttons ---------------------------------------------------------------------------------

enum class ButtonState { Asleep, Rest, Lit, Pressed };

// The deal button (gold, with a small fan of cards) and the stand button (silver, with a hand
// held up), in the given state, filling `r`.
void paintButton(QPainter& p, const QRectF& r, bool deal, ButtonState state)
{
    p.save();
    const double sink = state == ButtonState::Pressed ? 2 : 0;
    const QRectF b = r.adjusted(3, 3 + sink, -3, -5 + sink);
    const QPainterPath shape = roundedRect(b, b.height() / 2);
    if (state == ButtonState::Lit) {
        // A warm glow around the lit button.
        for (int i = 4; i >= 1; --i) {
            p.setPen(QPen(deal ? QColor(0xFF, 0xE0, 0x60, 40) : QColor(0xE0, 0xF0, 0xFF, 40), i * 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawPath(shape);
        }
    }
    if (state != ButtonState::Pressed)
        dropShadow(p, shape, QPointF(0, 2.5), 3, 110);
    QColor top, bottom, ink;
    if (deal) {
        top = state == ButtonState::Rest ? QColor(0xF6, 0xDC, 0x80) : QColor(0xFF, 0xF4, 0xB0);
        bottom = state == ButtonState::Rest ? QColor(0xB8, 0x80, 0x10) : QColor(0xE0, 0x9C, 0x10);
        ink = QColor(0x3A, 0x20, 0x00);
    } else if (state == ButtonState::Asleep) {
        // No hand on the table: the stand button is greyed out.
        top = QColor(0xC8, 0xCA, 0xCE);
        bottom = QColor(0x7C, 0x80, 0x88);
        ink = QColor(0x48, 0x4A, 0x52);
    } else {
        // A red stop button, awake while the player holds cards.
        top = state == ButtonState::Rest ? QColor(0xF0, 0x78, 0x6A) : QColor(0xFF, 0xA8, 0x98);
        bottom = state == ButtonState::Rest ? QColor(0xA8, 0x16, 0x1A) : QColor(0xD0, 0x26, 0x22);
        ink = QColor(0xFF, 0xF8, 0xF0);
    }
    if (state == ButtonState::Pressed) {
        std::swap(top, bottom);
        top = darker(top, 0.1);
    }
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(darker(bottom, 0.5), 1.4));
    p.setBrush(g);
    p.drawPath(shape);
    if (state != ButtonState::Pressed)
        gloss(p, shape, state == ButtonState::Lit ? 150 : 100);
    // Inner bevel.
    p.setPen(QPen(QColor(255, 255, 255, state == ButtonState::Pressed ? 50 : 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedRect(b.adjusted(2, 2, -2, -2), b.height() / 2 - 2));

    // The icon at the left.
    const QPointF ic(b.left() + 24, b.center().y());
    if (deal) {
        for (int k = 0; k < 3; ++k) {
            p.save();
            p.translate(ic + QPointF(0, 8));
            p.rotate(-20 + k * 20);
            const QRectF card(-6, -22, 12, 17);
            p.setPen(QPen(QColor(0x60, 0x40, 0x10), 0.8));
            p.setBrush(k == 2 ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xB0, 0x14, 0x24));
            p.drawRoundedRect(card, 2, 2);
            if (k == 2) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0xC8, 0x10, 0x2E));
                p.drawPath(suitPath(Suit::Hearts, QRectF(-3.5, -17, 7, 7)));
            }
            p.restore();
        }
    } else {
        // A flat hand held up: the player's sign for standing.
        QPainterPath hand;
        hand.addRoundedRect(QRectF(ic.x() - 8, ic.y() - 3, 16, 14), 5, 5);
        for (int k = 0; k < 4; ++k)
            hand.addRoundedRect(QRectF(ic.x() - 8 + k * 4.2, ic.y() - 13 + (k == 0 || k == 3 ? 3 : 0), 3.6, 14), 1.8, 1.8);
        QPainterPath thumb;
        thumb.addRoundedRect(QRectF(-2, -9, 4, 11), 2, 2);
        QTransform t;
        t.translate(ic.x() + 9, ic.y() + 3);
        t.rotate(35);
        hand = hand.united(t.map(thumb)).simplified();
        p.setPen(QPen(QColor(0x30, 0x30, 0x40), 1.1));
        p.setBrush(QColor(0xF4, 0xD6, 0xB0));
        p.drawPath(hand);
    }
    const QRectF textBox(b.left() + 44, b.top() + 6, b.width() - 58, b.height() - 12);
    // Both captions in one size, centred in the room right of the icon.
    const QPainterPath text = textPath(deal ? QStringLiteral("Dar as Cartas") : QStringLiteral("Parar"),
                                       font(sans(), 16, QFont::Bold), textBox.center());
    p.setPen(Qt::NoPen);
    const bool lightInk = ink.lightness() > 128;
    p.setBrush(lightInk ? QColor(0x50, 0x00, 0x00, 150) : QColor(255, 255, 255, 110));
    p.drawPath(text.translated(0, 1));
    p.setBrush(ink);
    p.drawPath(text);
    p.restore();
}

QImage renderButton(bool deal, ButtonState state)
{
    QImage img = canvas(int(kDeal.width()), int(kDeal.height()), Qt::transparent);
    QPainter p(&img);
    prepare(p);
    paintButton(p, QRectF(0, 0, kDeal.width(), kDeal.height()), deal, state);
    p.end();
    return img;
}

// ---- The table -------------------------------------------------------------------------------

QImage renderTable()
{
    QImage img = canvas(kTableW, kTableH, kFelt);
    {
        QPainter p(&img);
        prepare(p);
        // The cloth, lit from above the middle of the table.
        QRadialGradient felt(QPointF(398, 250), 560);
        felt.setColorAt(0, kFeltLight);
        felt.setColorAt(0.55, kFelt);
        felt.setColorAt(1, kFeltDeep);
        p.fillRect(img.rect(), felt);
        // A faint diagonal weave.
        p.setPen(QPen(QColor(0, 0, 0, 14), 1));
        for (int x = -kTableH; x < kTableW; x += 4)
            p.drawLine(QPointF(x, 0), QPointF(x + kTableH, kTableH));
        p.setPen(QPen(QColor(255, 255, 255, 8), 1));
        for (int x = 0; x < kTableW + kTableH; x += 4)
            p.drawLine(QPointF(x, 0), QPointF(x - kTableH, kTableH));
    }
    grain(img, 0xB1AC4u, 5);

    QPainter p(&img);
    prepare(p);

    // The printed arc parting the house from the player, with the game's name along it.
    const QPointF arcCentre(398, -230);
    const double arcR = 560;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(kGold, 200), 2.2));
    p.drawEllipse(arcCentre, arcR, arcR);
    p.setPen(QPen(withAlpha(kGold, 120), 1.0));
    p.drawEllipse(arcCentre, arcR - 6, arcR - 6);
    p.drawEllipse(arcCentre, arcR - 62, arcR - 62);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kGoldLight, 225));
    p.drawPath(arcText(QStringLiteral("BLACKJACK  •  JOGO DO 21"), font(display(), 30), arcCentre, arcR - 18, 270,
                       false, 2.0));
    p.setBrush(withAlpha(QColor(0xF4, 0xEE, 0xD8), 190));
    p.drawPath(arcText(QStringLiteral("A BANCA JOGA COM 3 CARTAS  •  O ÁS VALE 1  •  NO MÁXIMO 5 CARTAS"),
                       font(sans(), 11, QFont::Bold), arcCentre, arcR - 46, 270, false, 1.2));

    // Printed places for the house's cards and the player's cards.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(kGoldLight, 110), 1.4, Qt::DashLine));
    p.drawPath(roundedRect(QRectF(323, 72, 160, 139), 10));
    p.drawPath(roundedRect(QRectF(308, 413, 186, 100), 10));
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kGoldLight, 150));
    p.drawPath(fittedText(QStringLiteral("BANCA"), font(display(), 20), QRectF(470, 44, 60, 18)));
    p.drawPath(fittedText(QStringLiteral("JOGADOR"), font(display(), 20), QRectF(250, 380, 80, 18)));

    // Soft shadows under the two piles.
    for (double x : {22.0, 797 - 22.0 - 71 - 12})
        dropShadow(p, roundedRect(QRectF(x + 2, 18, 80, 124), 6), QPointF(3, 4), 8, 70);

    // The table's rules, printed in a gold frame at the lower left.
    const QRectF rules(34, 396, 250, 114);
    p.setPen(QPen(withAlpha(kGold, 210), 1.6));
    p.setBrush(QColor(0, 0, 0, 46));
    p.drawPath(roundedRect(rules, 10));
    p.setPen(QPen(withAlpha(kGold, 110), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedRect(rules.adjusted(4, 4, -4, -4), 7));
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(QRectF(rules.left(), rules.top() + 8, rules.width(), 20)));
    p.drawPath(fittedText(QStringLiteral("REGRAS DA MESA"), font(display(), 24),
                          QRectF(rules.left() + 60, rules.top() + 9, rules.width() - 120, 18)));
    const QStringList lines = {QStringLiteral("21 na mosca ganha na hora"),
                               QStringLiteral("Estourou? Você não perde dinheiro"),
                               QStringLiteral("Parou? Ganha quem somar mais"),
                               QStringLiteral("A banca acima de 21 paga a aposta")};
    const Suit marks[4] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
    for (int i = 0; i < lines.size(); ++i) {
        const double y = rules.top() + 36 + i * 20;
        p.setBrush(withAlpha(kGoldLight, 220));
        p.drawPath(suitPath(marks[i], QRectF(rules.left() + 14, y + 2, 10, 10)));
        QPainterPath t;
        t.addText(rules.left() + 30, y + 11, font(sans(), 11.5), lines[i]);
        p.setBrush(QColor(0xF4, 0xEE, 0xD8, 230));
        p.drawPath(t);
    }

    // A few chips waiting at the upper middle, beside the house's total.
    chipStack(p, QPointF(286, 150), 14, QColor(0xC8, 0x16, 0x24), 4);
    chipStack(p, QPointF(258, 162), 14, QColor(0x1E, 0x4E, 0xC8), 3);
    chipStack(p, QPointF(520, 158), 14, QColor(0x22, 0x22, 0x28), 5);
    chipStack(p, QPointF(548, 150), 14, QColor(0xE8, 0xB8, 0x30), 2);

    // The buttons at rest; the stand button, greyed out here, is covered by its awake picture
    // while the player holds cards.
    paintButton(p, kDeal, true, ButtonState::Rest);
    p.setOpacity(0.8);
    paintButton(p, kStand, false, ButtonState::Asleep);
    p.setOpacity(1.0);

    // The padded rail around the table: leather with stitching and a gold inner trim.
    const QRectF outer(0, 0, kTableW, kTableH);
    QPainterPath rail;
    rail.addRect(outer);
    const QPainterPath inner = roundedRect(outer.adjusted(12, 12, -12, -12), 18);
    rail = rail.subtracted(inner);
    QLinearGradient leather(0, 0, 0, kTableH);
    leather.setColorAt(0, QColor(0x5A, 0x1E, 0x12));
    leather.setColorAt(0.5, QColor(0x3A, 0x10, 0x08));
    leather.setColorAt(1, QColor(0x24, 0x08, 0x04));
    p.setPen(Qt::NoPen);
    p.setBrush(leather);
    p.drawPath(rail);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 220, 190, 60), 1.0, Qt::DashLine));
    p.drawPath(roundedRect(outer.adjusted(5.5, 5.5, -5.5, -5.5), 12));
    p.setPen(QPen(QColor(0, 0, 0, 120), 3));
    p.drawPath(roundedRect(outer.adjusted(13.5, 13.5, -13.5, -13.5), 17));
    p.setPen(QPen(goldGradient(outer), 2.0));
    p.drawPath(inner);
    p.end();
    return img;
}

// A card of the piles: the game's card back at pile size, rounded, on a transparent ground.
QImage renderPileCard(const QImage& back)
{
    QImage img = canvas(71, 100, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QPainterPath shape = roundedRect(QRectF(0.5, 0.5, 70, 99), 5);
    p.setClipPath(shape);
    p.drawImage(QRectF(0, 0, 71, 100), back);
    p.setClipping(false);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.end();
    return img;
}

// ---- Dialog pictures -------------------------------------------------------------------------

// The bet and outcome dialogs' background until the theme is applied: deep felt with suits.
QImage renderDialogBackground()
{
    const int W = 306, H = 273;
    QImage img = canvas(W, H, kFelt);
    QPainter p(&img);
    prepare(p);
    QRadialGradient g(QPointF(W * 0.35, H * 0.3), W);
    g.setColorAt(0, kFeltLight);
    g.setColorAt(1, kFeltDeep);
    p.fillRect(img.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 20));
    int row = 0;
    for (double y = 10; y < H; y += 30, ++row) {
        int col = 0;
        for (double x = (row % 2) ? 15 : 0; x < W + 20; x += 30, ++col)
            p.drawPath(suitPath(Suit((row + col) % 4), QRectF(x - 5, y - 5, 10, 10)));
    }
    p.end();
    grain(img, 0xD1A1u, 4);
    return img;
}

// A gold chip with a green tick: "Apostar".
QImage renderBetGlyph()
{
    const int S = 44;
    QImage img = canvas(S, S, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    drawChip(p, QPointF(20, 22), 17, QColor(0xD8, 0xA8, 0x28));
    QPainterPath tick;
    tick.moveTo(16, 24);
    tick.lineTo(24, 33);
    tick.lineTo(41, 10);
    QPainterPathStroker st;
    st.setWidth(7);
    st.setCapStyle(Qt::RoundCap);
    st.setJoinStyle(Qt::RoundJoin);
    const QPainterPath mark = st.createStroke(tick);
    dropShadow(p, mark, QPointF(1, 1.5), 2, 90);
    QLinearGradient g(0, 10, 0, 34);
    g.setColorAt(0, QColor(0x8C, 0xE8, 0x70));
    g.setColorAt(1, QColor(0x1A, 0x8A, 0x28));
    p.setPen(QPen(QColor(0x0C, 0x4A, 0x12), 1.2));
    p.setBrush(g);
    p.drawPath(mark);
    p.end();
    return img;
}

void rays(QPainter& p, QPointF c, double r, int n, const QColor& colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < n; ++i) {
        const double a0 = (i * 360.0 / n) * M_PI / 180, a1 = ((i + 0.5) * 360.0 / n) * M_PI / 180;
        QPainterPath ray;
        ray.moveTo(c);
        ray.lineTo(c + QPointF(r * std::cos(a0), r * std::sin(a0)));
        ray.lineTo(c + QPointF(r * std::cos(a1), r * std::sin(a1)));
        ray.closeSubpath();
        QRadialGradient g(c, r);
        g.setColorAt(0, colour);
        g.setColorAt(1, withAlpha(colour, 0));
        p.setBrush(g);
        p.drawPath(ray);
    }
    p.restore();
}

// Won: a burst of gold behind the player's 20 and a pile of chips coming their way.
QImage renderWon(const QDir& gameDir)
{
    const int W = 240, H = 160;
    QImage img = canvas(W, H, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QPainterPath plate = roundedRect(QRectF(1, 1, W - 2, H - 2), 14);
    QRadialGradient bg(QPointF(W / 2.0, 60), 150);
    bg.setColorAt(0, QColor(0x2E, 0xA8, 0x5C));
    bg.setColorAt(1, QColor(0x08, 0x40, 0x1C));
    p.setPen(QPen(kGold, 2));
    p.setBrush(bg);
    p.drawPath(plate);
    p.setClipPath(plate);
    rays(p, QPointF(W / 2.0, 64), 170, 18, QColor(0xFF, 0xE0, 0x70, 120));
    layCard(p, gameCard(gameDir, QStringLiteral("e (13).jpg")), QRectF(70, 14, 56, 82), -10);
    layCard(p, gameCard(gameDir, QStringLiteral("c (10).jpg")), QRectF(110, 12, 56, 82), 9);
    chipStack(p, QPointF(38, 104), 15, QColor(0xC8, 0x16, 0x24), 5);
    chipStack(p, QPointF(64, 112), 15, QColor(0xE8, 0xB8, 0x30), 3);
    chipStack(p, QPointF(196, 108), 15, QColor(0x1E, 0x4E, 0xC8), 4);
    for (auto [x, y, r] : {std::tuple{20.0, 22.0, 7.0}, {218.0, 30.0, 9.0}, {180.0, 10.0, 5.0}, {40.0, 60.0, 5.0}})
        sparkle(p, QPointF(x, y), r, QColor(255, 255, 230, 230));
    letter(p, fittedText(QStringLiteral("GANHOU!"), font(display(), 60), QRectF(30, 104, 180, 48)),
           goldGradient(QRectF(30, 104, 180, 48)), kInk, 2.4);
    p.end();
    return img;
}

// Lost: the house's strong hand on dark cloth, the player's chips swept away, in red.
QImage renderLost(const QDir& gameDir)
{
    const int W = 306, H = 176;
    QImage img = canvas(W, H, Qt::black);
    {
        QPainter p(&img);
        prepare(p);
        QRadialGradient bg(QPointF(W / 2.0, 70), 220);
        bg.setColorAt(0, QColor(0x3A, 0x0C, 0x10));
        bg.setColorAt(0.7, QColor(0x16, 0x04, 0x06));
        bg.setColorAt(1, Qt::black);
        p.fillRect(img.rect(), bg);
    }
    grain(img, 0x1057u, 4);
    QPainter p(&img);
    prepare(p);
    // The house: three cards fanned, 10 + 6 + 4 = 20, a hand that beats a player who stood on
    // less (the house's 21 would have been no less possible, but a player's 21 never loses).
    layCard(p, gameCard(gameDir, QStringLiteral("p (13).jpg")), QRectF(96, 16, 54, 80), -14);
    layCard(p, gameCard(gameDir, QStringLiteral("o (6).jpg")), QRectF(126, 10, 54, 80), 0);
    layCard(p, gameCard(gameDir, QStringLiteral("e (4).jpg")), QRectF(156, 16, 54, 80), 14);
    // A spotlight on the house's hand.
    QRadialGradient spot(QPointF(153, 50), 110);
    spot.setColorAt(0, QColor(255, 230, 200, 50));
    spot.setColorAt(1, QColor(255, 230, 200, 0));
    p.fillRect(img.rect(), spot);
    // The player's chips slide away to the right.
    for (int i = 0; i < 4; ++i)
        drawChip(p, QPointF(238 + i * 14, 86 - i * 8), 11 - i, QColor(0xC8, 0x16, 0x24), 0.6);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.4, Qt::DashLine));
    p.drawLine(QPointF(222, 96), QPointF(290, 60));
    QLinearGradient red(0, 112, 0, 160);
    red.setColorAt(0, QColor(0xFF, 0x8A, 0x70));
    red.setColorAt(0.5, QColor(0xE0, 0x18, 0x20));
    red.setColorAt(1, QColor(0x80, 0x04, 0x08));
    letter(p, fittedText(QStringLiteral("PERDEU"), font(display(), 64), QRectF(60, 110, 186, 52)), red,
           QColor(0x20, 0x00, 0x00), 2.4);
    p.end();
    return img;
}

// Tie: the two hands side by side with an equals sign between them.
QImage renderTie(const QDir& gameDir)
{
    const int W = 229, H = 156;
    QImage img = canvas(W, H, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QPainterPath plate = roundedRect(QRectF(1, 1, W - 2, H - 2), 14);
    QLinearGradient bg(0, 0, 0, H);
    bg.setColorAt(0, QColor(0x2C, 0x4C, 0x9C));
    bg.setColorAt(1, QColor(0x0C, 0x1A, 0x48));
    p.setPen(QPen(QColor(0xC8, 0xD4, 0xF0), 2));
    p.setBrush(bg);
    p.drawPath(plate);
    p.setClipPath(plate);
    rays(p, QPointF(W / 2.0, 58), 150, 16, QColor(0xC0, 0xD8, 0xFF, 70));
    layCard(p, gameCard(gameDir, QStringLiteral("c (9).jpg")), QRectF(14, 16, 46, 68), -12);
    layCard(p, gameCard(gameDir, QStringLiteral("p (9).jpg")), QRectF(40, 14, 46, 68), 6);
    layCard(p, gameCard(gameDir, QStringLiteral("o (13).jpg")), QRectF(143, 14, 46, 68), -6);
    layCard(p, gameCard(gameDir, QStringLiteral("e (8).jpg")), QRectF(169, 16, 46, 68), 12);
    QPainterPath eq;
    eq.addRoundedRect(QRectF(97, 36, 36, 9), 4, 4);
    eq.addRoundedRect(QRectF(97, 54, 36, 9), 4, 4);
    letter(p, eq, goldGradient(QRectF(97, 36, 36, 27)), kInk, 1.6);
    QLinearGradient silver(0, 100, 0, 146);
    silver.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    silver.setColorAt(0.5, QColor(0xC8, 0xD0, 0xE0));
    silver.setColorAt(1, QColor(0xF0, 0xF4, 0xFF));
    letter(p, fittedText(QStringLiteral("EMPATE"), font(display(), 60), QRectF(30, 98, 170, 48)), silver,
           QColor(0x10, 0x18, 0x38), 2.4);
    p.end();
    return img;
}

// Bust: a hand that went over 21 bursting apart in a flash.
QImage renderBust(const QDir& gameDir)
{
    const int W = 247, H = 156;
    QImage img = canvas(W, H, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QPainterPath plate = roundedRect(QRectF(1, 1, W - 2, H - 2), 14);
    QRadialGradient bg(QPointF(W / 2.0, 60), 170);
    bg.setColorAt(0, QColor(0xFF, 0xF2, 0xC0));
    bg.setColorAt(0.35, QColor(0xF8, 0x9C, 0x30));
    bg.setColorAt(1, QColor(0x9A, 0x20, 0x10));
    p.setPen(QPen(QColor(0x70, 0x18, 0x08), 2));
    p.setBrush(bg);
    p.drawPath(plate);
    p.setClipPath(plate);
    // The burst.
    const QPainterPath burst = starPath(QPointF(W / 2.0, 58), 74, 40, 14, -90);
    p.setPen(QPen(QColor(0xB0, 0x28, 0x08), 2));
    QRadialGradient bb(QPointF(W / 2.0, 58), 74);
    bb.setColorAt(0, QColor(0xFF, 0xFF, 0xE8));
    bb.setColorAt(0.6, QColor(0xFF, 0xD8, 0x40));
    bb.setColorAt(1, QColor(0xFF, 0x80, 0x10));
    p.setBrush(bb);
    p.drawPath(burst);
    // Cards flying apart.
    layCard(p, gameCard(gameDir, QStringLiteral("p (10).jpg")), QRectF(26, 22, 44, 64), -32);
    layCard(p, gameCard(gameDir, QStringLiteral("c (8).jpg")), QRectF(100, 4, 44, 64), 8);
    layCard(p, gameCard(gameDir, QStringLiteral("o (4).jpg")), QRectF(176, 24, 44, 64), 30);
    letter(p, fittedText(QStringLiteral("22"), font(display(), 40), QRectF(108, 70, 32, 26)), QBrush(QColor(0xD0, 0x10, 0x18)),
           Qt::white, 3);
    QLinearGradient fire(0, 102, 0, 148);
    fire.setColorAt(0, QColor(0xFF, 0xF4, 0x90));
    fire.setColorAt(0.5, QColor(0xFF, 0x90, 0x18));
    fire.setColorAt(1, QColor(0xD0, 0x28, 0x08));
    letter(p, fittedText(QStringLiteral("ESTOUROU!"), font(display(), 60), QRectF(20, 102, 207, 46)), fire,
           QColor(0x40, 0x08, 0x00), 2.4);
    p.end();
    return img;
}

// Exact 21 ("na mosca", right in the bull's eye): a target with "21" at its centre, and the hand
// that made it, an ace (which counts 1) with two cards of ten.
QImage renderExact21(const QDir& gameDir)
{
    const int W = 249, H = 240;
    QImage img = canvas(W, H, Qt::black);
    {
        QPainter p(&img);
        prepare(p);
        QRadialGradient bg(QPointF(W / 2.0, 100), 200);
        bg.setColorAt(0, QColor(0x1C, 0x2A, 0x20));
        bg.setColorAt(1, Qt::black);
        p.fillRect(img.rect(), bg);
    }
    grain(img, 0x2121u, 3);
    QPainter p(&img);
    prepare(p);
    const QPointF c(W / 2.0, 98);
    rays(p, c, 170, 24, QColor(0xFF, 0xD8, 0x60, 70));
    // The target.
    const QColor rings[5] = {QColor(0xF4, 0xEE, 0xDC), QColor(0x18, 0x18, 0x1C), QColor(0x1E, 0x5E, 0xC8),
                             QColor(0xC8, 0x16, 0x24), QColor(0xF2, 0xC8, 0x3A)};
    dropShadow(p, [&] { QPainterPath e; e.addEllipse(c, 82, 82); return e; }(), QPointF(3, 5), 8, 140);
    for (int i = 0; i < 5; ++i) {
        const double r = 82 - i * 16;
        QRadialGradient rg(c - QPointF(r * 0.3, r * 0.3), r * 1.6);
        rg.setColorAt(0, lighter(rings[i], 0.2));
        rg.setColorAt(1, darker(rings[i], 0.25));
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(rg);
        p.drawEllipse(c, r, r);
    }
    // The three cards of the hand, fanned at the lower left.
    layCard(p, gameCard(gameDir, QStringLiteral("e (1).jpg")), QRectF(8, 120, 44, 64), -18);
    layCard(p, gameCard(gameDir, QStringLiteral("c (13).jpg")), QRectF(30, 114, 44, 64), -4);
    layCard(p, gameCard(gameDir, QStringLiteral("o (10).jpg")), QRectF(52, 118, 44, 64), 10);
    // The "21" at the centre of the target.
    letter(p, fittedText(QStringLiteral("21"), font(display(), 80), QRectF(c.x() - 26, c.y() - 24, 52, 48)),
           goldGradient(QRectF(c.x() - 26, c.y() - 24, 52, 48)), kInk, 2.6);
    for (auto [x, y, r] : {std::tuple{30.0, 24.0, 8.0}, {220.0, 34.0, 10.0}, {206.0, 160.0, 7.0}, {60.0, 80.0, 5.0}})
        sparkle(p, QPointF(x, y), r, QColor(255, 250, 220, 230));
    letter(p, fittedText(QStringLiteral("NA MOSCA!"), font(display(), 60), QRectF(60, 190, 180, 42)),
           goldGradient(QRectF(60, 190, 180, 42)), kInk, 2.2);
    p.end();
    return img;
}

} // namespace

QStringList writeBlackjackScreenPictures(const QDir& layoutDir, const QDir& gameDir)
{
    const QImage back = gameCard(gameDir, QStringLiteral("baralho.jpg"));
    QStringList out;
    out << write(renderTable(), layoutDir, QStringLiteral("mesa.jpg"));
    out << write(renderPileCard(back), layoutDir, QStringLiteral("monte.png"));
    out << write(back, layoutDir, QStringLiteral("carta.jpg"));
    out << write(renderButton(true, ButtonState::Lit), layoutDir, QStringLiteral("dar2.png"));
    out << write(renderButton(true, ButtonState::Pressed), layoutDir, QStringLiteral("dar3.png"));
    out << write(renderButton(false, ButtonState::Rest), layoutDir, QStringLiteral("parar1.png"));
    out << write(renderButton(false, ButtonState::Lit), layoutDir, QStringLiteral("parar2.png"));
    out << write(renderBetGlyph(), layoutDir, QStringLiteral("apostar.png"));
    out << write(renderDialogBackground(), layoutDir, QStringLiteral("aposta_fundo.jpg"));
    out << write(renderWon(gameDir), layoutDir, QStringLiteral("ganhou.png"));
    out << write(renderLost(gameDir), layoutDir, QStringLiteral("perdeu.jpg"));
    out << write(renderTie(gameDir), layoutDir, QStringLiteral("empate.png"));
    out << write(renderBust(gameDir), layoutDir, QStringLiteral("estourou.png"));
    out << write(renderExact21(gameDir), layoutDir, QStringLiteral("certo.jpg"));
    return out;
}

} // namespace assetgen
