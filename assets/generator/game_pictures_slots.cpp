// The slot machine's lever ("alavanca.jpg" usable, "alavancadesabilitada.jpg" disabled, both
// shown at 42 x 156) and its four match banners (505 x 59, shown just below the reels), which
// point up at the reels that matched: "esqermeio.jpg" left and middle, "esqerdirei.jpg" left and
// right, "meiodirei.jpg" middle and right, "todos.jpg" all three.
#include "game_pictures_common.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace assetgen::gamepics {

namespace {

} // namespace

QImage renderLever(bool enabled, double pull)
{
    const int W = 42, H = 156;
    QImage img = canvas(W, H, Qt::black);
    QPainter p(&img);
    prepare(p);

    // The lever's housing: a brushed steel plate with bevelled edges.
    QLinearGradient plate(0, 0, W, 0);
    const double dim = enabled ? 0.0 : 0.25;
    plate.setColorAt(0.0, darker(QColor(0x5A, 0x5E, 0x68), dim + 0.2));
    plate.setColorAt(0.3, darker(QColor(0x8A, 0x90, 0x9C), dim));
    plate.setColorAt(0.7, darker(QColor(0x5E, 0x62, 0x6C), dim));
    plate.setColorAt(1.0, darker(QColor(0x3A, 0x3D, 0x45), dim + 0.1));
    p.fillRect(QRectF(0, 0, W, H), plate);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    for (int y = 3; y < H; y += 3)
        p.drawLine(QPointF(2, y), QPointF(W - 2, y));
    p.setPen(QPen(QColor(0x20, 0x22, 0x28), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, W - 2, H - 2));
    // Screws.
    for (QPointF s : {QPointF(7, 7), QPointF(W - 7, 7), QPointF(7, H - 7), QPointF(W - 7, H - 7)}) {
        p.setPen(QPen(QColor(0x30, 0x30, 0x36), 0.8));
        p.setBrush(QColor(0xC8, 0xCC, 0xD4));
        p.drawEllipse(s, 2.4, 2.4);
        p.drawLine(s + QPointF(-1.6, 0), s + QPointF(1.6, 0));
    }

    // The groove the lever travels in.
    p.setPen(QPen(QColor(0x90, 0x94, 0x9C), 1));
    p.setBrush(QColor(0x12, 0x12, 0x16));
    p.drawRoundedRect(QRectF(W / 2.0 - 4.5, 38, 9, 98), 4.5, 4.5);

    // Shaft: a chrome rod from the hub up to the knob. Pulled, the rod tips towards the player:
    // it shows shorter and the knob sits low, with a motion trail above it.
    const QPointF hub(W / 2.0, 132), knob(W / 2.0, 22 + pull * 88);
    if (pull > 0) {
        for (int i = 1; i <= 3; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xE0, 0x14, 0x1E, 70 - i * 18));
            p.drawEllipse(QPointF(knob.x(), knob.y() - i * 14), 15 - i * 2, 8 - i);
        }
    }
    QLinearGradient rod(W / 2.0 - 3.5, 0, W / 2.0 + 3.5, 0);
    rod.setColorAt(0, darker(QColor(0x90, 0x96, 0xA0), dim));
    rod.setColorAt(0.4, enabled ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xC8, 0xC8, 0xC8));
    rod.setColorAt(1, darker(QColor(0x60, 0x66, 0x70), dim));
    p.setPen(QPen(QColor(0x30, 0x32, 0x38), 1));
    p.setBrush(rod);
    p.drawRoundedRect(QRectF(W / 2.0 - 3.5, knob.y(), 7, hub.y() - knob.y()), 3, 3);

    // Hub.
    QRadialGradient hubG(hub + QPointF(-4, -4), 16);
    hubG.setColorAt(0, enabled ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xC0, 0xC0, 0xC0));
    hubG.setColorAt(0.5, darker(QColor(0xA8, 0xAE, 0xB8), dim));
    hubG.setColorAt(1, darker(QColor(0x4A, 0x4E, 0x58), dim));
    p.setPen(QPen(QColor(0x22, 0x24, 0x2A), 1.2));
    p.setBrush(hubG);
    p.drawEllipse(hub, 13, 13);
    p.setBrush(darker(QColor(0x70, 0x74, 0x7E), dim));
    p.drawEllipse(hub, 4.5, 4.5);

    // Knob: a glossy red ball, grey when the lever cannot be pulled, a little larger as it comes
    // closer.
    const QColor ball = enabled ? QColor(0xE0, 0x14, 0x1E) : QColor(0x80, 0x80, 0x86);
    const double radius = 15 + pull * 2;
    QRadialGradient kg(knob + QPointF(-5, -6), radius + 5);
    kg.setColorAt(0, lighter(ball, 0.6));
    kg.setColorAt(0.45, ball);
    kg.setColorAt(1, darker(ball, 0.55));
    p.setPen(QPen(darker(ball, 0.6), 1.2));
    p.setBrush(kg);
    p.drawEllipse(knob, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, enabled ? 210 : 130));
    p.drawEllipse(knob + QPointF(-5, -6), 5, 3.5);
    if (!enabled) {
        // A small padlock on the knob says that the lever is locked.
        const QPointF c = knob + QPointF(0, 2);
        p.setPen(QPen(QColor(0xF0, 0xF0, 0xF0), 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 4, c.y() - 9, 8, 10), 0, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0xF0, 0xF0));
        p.drawRoundedRect(QRectF(c.x() - 6, c.y() - 4, 12, 9), 1.5, 1.5);
        p.setBrush(QColor(0x50, 0x50, 0x56));
        p.drawEllipse(QPointF(c.x(), c.y()), 1.5, 1.5);
    }
    p.end();
    return img;
}

namespace {

void drawLever(const QDir& dir, const QString& name, bool enabled)
{
    save(renderLever(enabled, 0), dir, name);
}

struct Banner {
    const char* file;
    bool reels[3]; // which reels matched: left, middle, right
    const char* text;
};

void drawBanner(const QDir& dir, const Banner& b)
{
    const int W = 505, H = 59;
    const bool all = b.reels[0] && b.reels[1] && b.reels[2];
    // Reel centres, relative to the banner (the reels stand above it).
    const double reelX[3] = {37, 260, 483};

    QImage img = canvas(W, H, Qt::black);
    QPainter p(&img);
    prepare(p);

    const QColor deep = all ? QColor(0x2A, 0x0A, 0x5A) : QColor(0x6A, 0x00, 0x10);
    const QColor body = all ? QColor(0x5A, 0x1E, 0xB0) : QColor(0xC4, 0x12, 0x2A);
    QLinearGradient bg(0, 0, 0, H);
    bg.setColorAt(0, deep);
    bg.setColorAt(0.45, body);
    bg.setColorAt(1, deep);
    p.fillRect(QRectF(0, 0, W, H), bg);
    // Sunburst rays from the middle.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 18));
    for (int i = 0; i < 36; i += 2) {
        const double a0 = i * M_PI / 18, a1 = (i + 1) * M_PI / 18;
        const QPointF c(W / 2.0, H / 2.0);
        QPainterPath ray;
        ray.moveTo(c);
        ray.lineTo(c + QPointF(600 * std::cos(a0), 600 * std::sin(a0)));
        ray.lineTo(c + QPointF(600 * std::cos(a1), 600 * std::sin(a1)));
        ray.closeSubpath();
        p.drawPath(ray);
    }
    p.restore();

    // Gold frame.
    const QColor gold(0xF6, 0xC8, 0x3A);
    QLinearGradient frameG(0, 0, 0, H);
    frameG.setColorAt(0, lighter(gold, 0.5));
    frameG.setColorAt(0.5, gold);
    frameG.setColorAt(1, darker(gold, 0.35));
    p.setPen(QPen(QBrush(frameG), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, W - 4, H - 4));
    p.setPen(QPen(darker(gold, 0.5), 1));
    p.drawRect(QRectF(5, 5, W - 10, H - 10));

    // Marquee bulbs along the bottom edge.
    for (double x = 14; x < W - 8; x += 19) {
        const QPointF c(x, H - 8.5);
        const bool warm = int(x / 19) % 2 == 0;
        QRadialGradient glow(c, 6);
        glow.setColorAt(0, warm ? QColor(0xFF, 0xF8, 0xD0) : QColor(0xFF, 0xFF, 0xFF));
        glow.setColorAt(0.5, warm ? QColor(0xFF, 0xC8, 0x30) : QColor(0xFF, 0xE8, 0x90));
        glow.setColorAt(1, QColor(0xFF, 0xC0, 0x30, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, 6, 6);
    }

    // The bracket joining the matched reels, with an arrow pointing up at each of them.
    int first = -1, last = -1;
    for (int i = 0; i < 3; ++i)
        if (b.reels[i]) {
            if (first < 0)
                first = i;
            last = i;
        }
    const double lineY = 10;
    p.setPen(QPen(darker(gold, 0.55), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(reelX[first], lineY + 1), QPointF(reelX[last], lineY + 1));
    p.setPen(QPen(lighter(gold, 0.2), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(reelX[first], lineY), QPointF(reelX[last], lineY));
    for (int i = 0; i < 3; ++i) {
        if (!b.reels[i])
            continue;
        const double x = reelX[i];
        QRadialGradient halo(QPointF(x, 8), 22);
        halo.setColorAt(0, QColor(0xFF, 0xF0, 0xA0, 170));
        halo.setColorAt(1, QColor(0xFF, 0xF0, 0xA0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(QPointF(x, 8), 22, 22);
        QPainterPath arrow;
        arrow.moveTo(x, 0.5);
        arrow.lineTo(x + 13, 17);
        arrow.lineTo(x + 5, 17);
        arrow.lineTo(x + 5, 22);
        arrow.lineTo(x - 5, 22);
        arrow.lineTo(x - 5, 17);
        arrow.lineTo(x - 13, 17);
        arrow.closeSubpath();
        QLinearGradient ag(0, 0, 0, 22);
        ag.setColorAt(0, QColor(0xFF, 0xFA, 0xE0));
        ag.setColorAt(1, gold);
        p.setPen(QPen(darker(gold, 0.6), 1.4));
        p.setBrush(ag);
        p.drawPath(arrow);
    }

    // The message, in gold with a dark outline, between two stars.
    const QString text = QString::fromUtf8(b.text);
    const QFont f = font(QStringLiteral("Bebas Neue"), 34, QFont::Bold);
    QPainterPath t;
    t.addText(0, 0, f, text);
    const QRectF tb = t.boundingRect();
    const double maxW = 330, maxH = 26;
    const double scale = std::min({1.0, maxW / tb.width(), maxH / tb.height()});
    QTransform tr;
    tr.translate(W / 2.0, 34);
    tr.scale(scale, scale);
    tr.translate(-tb.center().x(), -tb.center().y());
    t = tr.map(t);
    const QRectF placed = t.boundingRect();
    p.setPen(QPen(QColor(0x2A, 0x06, 0x08), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(t.translated(1, 2));
    p.drawPath(t);
    QLinearGradient tg(0, placed.top(), 0, placed.bottom());
    tg.setColorAt(0, QColor(0xFF, 0xFC, 0xE0));
    tg.setColorAt(0.5, QColor(0xFF, 0xD8, 0x40));
    tg.setColorAt(1, QColor(0xF0, 0x9C, 0x10));
    p.setPen(Qt::NoPen);
    p.setBrush(tg);
    p.drawPath(t);
    for (int side : {-1, 1}) {
        const QPointF sc(side < 0 ? placed.left() - 20 : placed.right() + 20, placed.center().y());
        p.setPen(QPen(QColor(0x2A, 0x06, 0x08), 2));
        p.setBrush(gold);
        p.drawPath(starPath(sc, 11, 4.6, 5));
    }
    if (all) {
        Rng rng(42);
        for (int i = 0; i < 14; ++i) {
            const QPointF s(rng.uniform(16, W - 16), rng.uniform(12, H - 18));
            if (placed.adjusted(-36, -4, 36, 4).contains(s))
                continue;
            sparkle(p, s, rng.uniform(3, 7), QColor(255, 255, 255, 220));
        }
    }
    p.end();
    save(img, dir, QString::fromLatin1(b.file));
}

} // namespace

void writeSlotMachineParts(const QDir& dir)
{
    drawLever(dir, QStringLiteral("alavanca.jpg"), true);
    drawLever(dir, QStringLiteral("alavancadesabilitada.jpg"), false);
    const Banner banners[] = {
        {"esqermeio.jpg", {true, true, false}, "Esquerda e meio iguais!"},
        {"esqerdirei.jpg", {true, false, true}, "Esquerda e direita iguais!"},
        {"meiodirei.jpg", {false, true, true}, "Meio e direita iguais!"},
        {"todos.jpg", {true, true, true}, "Três figuras iguais!"},
    };
    for (const Banner& b : banners)
        drawBanner(dir, b);
}

} // namespace assetgen::gamepics
