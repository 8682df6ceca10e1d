// The twenty reel symbols of the slot machine's five symbol sets. Each set has four symbols that
// differ both in shape and in colour, so that a match can be seen at a glance while the reels
// turn. The reels show them at about 180 x 185 (the previews at 105 x 105), so they are drawn at
// that size on a white reel drum, lightly tinted per set.
#include "game_pictures_common.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace assetgen::gamepics {

namespace {

constexpr int kW = 180;
constexpr int kH = 185;
const QPointF kCentre(kW / 2.0, kH / 2.0);

// ---- common pieces ------------------------------------------------------------------------------

void drawDrum(QPainter& p, const QColor& tint)
{
    // The reel drum: bright in the middle, curving away into shadow at the top and bottom.
    QLinearGradient drum(0, 0, 0, kH);
    drum.setColorAt(0.00, darker(tint, 0.38));
    drum.setColorAt(0.16, mix(tint, Qt::white, 0.35));
    drum.setColorAt(0.45, Qt::white);
    drum.setColorAt(0.55, Qt::white);
    drum.setColorAt(0.84, mix(tint, Qt::white, 0.35));
    drum.setColorAt(1.00, darker(tint, 0.42));
    p.fillRect(QRectF(0, 0, kW, kH), drum);
    // Slight shading on the sides, where the reel window's frame casts its shadow.
    QLinearGradient sides(0, 0, kW, 0);
    sides.setColorAt(0.0, QColor(0, 0, 0, 45));
    sides.setColorAt(0.08, QColor(0, 0, 0, 0));
    sides.setColorAt(0.92, QColor(0, 0, 0, 0));
    sides.setColorAt(1.0, QColor(0, 0, 0, 45));
    p.fillRect(QRectF(0, 0, kW, kH), sides);
}

void fillShaded(QPainter& p, const QPainterPath& path, const QColor& base, double outline = 2.0,
                double lightAmount = 0.35, double darkAmount = 0.3)
{
    const QRectF b = path.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, lighter(base, lightAmount));
    g.setColorAt(0.5, base);
    g.setColorAt(1, darker(base, darkAmount));
    p.setPen(outline > 0 ? QPen(darker(base, 0.55), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                         : QPen(Qt::NoPen));
    p.setBrush(g);
    p.drawPath(path);
}

void shadow(QPainter& p, const QPainterPath& path) { dropShadow(p, path, QPointF(3, 5), 7, 55); }

QPainterPath circle(QPointF c, double r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QPainterPath ellipse(QPointF c, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath poly(std::initializer_list<QPointF> pts)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(pts)));
    path.closeSubpath();
    return path;
}

void textOn(QPainter& p, const QString& text, const QRectF& box, const QColor& fill, const QColor& outline,
            double outlineWidth, const QString& family = QStringLiteral("DejaVu Sans"), bool stretch = false)
{
    const QPainterPath t = fittedText(text, font(family, 80, QFont::Bold), box, stretch);
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(t);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(t);
}

// A small soccer ball: white with dark pentagons.
void drawBall(QPainter& p, QPointF c, double r)
{
    const QPainterPath ball = circle(c, r);
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.4);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xB8, 0xB8, 0xC0));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), std::max(1.0, r * 0.08)));
    p.setBrush(g);
    p.drawPath(ball);
    p.save();
    p.setClipPath(ball);
    p.setBrush(QColor(0x22, 0x22, 0x26));
    p.setPen(Qt::NoPen);
    p.drawPath(starPath(c, r * 0.36, r * 0.36 * 0.81, 5, -90)); // a pentagon
    for (int i = 0; i < 5; ++i) {
        const double a = (-90 + 36 + i * 72) * M_PI / 180;
        const QPointF pc(c.x() + r * 0.95 * std::cos(a), c.y() + r * 0.95 * std::sin(a));
        p.drawPath(starPath(pc, r * 0.34, r * 0.34 * 0.81, 5, -90 + 36 + i * 72.0 + 180));
    }
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), std::max(0.8, r * 0.05)));
    for (int i = 0; i < 5; ++i) {
        const double a = (-90 + i * 72) * M_PI / 180;
        p.drawLine(QPointF(c.x() + r * 0.36 * std::cos(a), c.y() + r * 0.36 * std::sin(a)),
                   QPointF(c.x() + r * 0.62 * std::cos(a), c.y() + r * 0.62 * std::sin(a)));
    }
    p.restore();
}

// ---- "Brasões de Times": four invented club crests -----------------------------------------------

// Round crest in red and black with a star.
void crestRound(QPainter& p)
{
    const QPointF c = kCentre;
    const double R = 70;
    shadow(p, circle(c, R));
    const QColor gold(0xE9, 0xB9, 0x3A), red(0xD3, 0x1B, 0x1B), black(0x1A, 0x1A, 0x1E);
    fillShaded(p, circle(c, R), gold, 2.0, 0.45, 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    p.drawEllipse(c, R - 5, R - 5);
    // Striped centre.
    const double inner = R * 0.66;
    const QPainterPath disc = circle(c, inner);
    p.save();
    p.setClipPath(disc);
    const double stripe = inner * 2 / 5;
    for (int i = 0; i < 5; ++i) {
        p.setBrush(i % 2 ? black : red);
        p.drawRect(QRectF(c.x() - inner + i * stripe, c.y() - inner, stripe + 0.5, inner * 2));
    }
    QRadialGradient shine(c + QPointF(-inner * 0.4, -inner * 0.5), inner * 1.6);
    shine.setColorAt(0, QColor(255, 255, 255, 80));
    shine.setColorAt(1, QColor(0, 0, 0, 60));
    p.setBrush(shine);
    p.drawPath(disc);
    p.restore();
    p.setPen(QPen(gold, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, inner, inner);
    // Star in the middle.
    const QPainterPath star = starPath(c + QPointF(0, 2), inner * 0.62, inner * 0.25, 5);
    p.setPen(QPen(gold, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(star);
    // Name around the ring.
    const QFont f = font(QStringLiteral("DejaVu Sans"), 13.5, QFont::Bold);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(arcText(QStringLiteral("ZOR FUTEBOL"), f, c, R * 0.76, 90, true, 1.2));
    p.drawPath(arcText(QStringLiteral("CLUBE"), f, c, R * 0.72, 270, false, 1.5));
    for (int side : {-1, 1})
        p.drawPath(starPath(QPointF(c.x() + side * R * 0.83, c.y() + 3), 5, 2, 5));
}

QPainterPath heaterShield(const QRectF& r)
{
    QPainterPath s;
    s.moveTo(r.left(), r.top() + 6);
    s.quadTo(r.center().x(), r.top() - 6, r.right(), r.top() + 6);
    s.lineTo(r.right(), r.top() + r.height() * 0.42);
    s.cubicTo(r.right(), r.top() + r.height() * 0.75, r.center().x() + r.width() * 0.18, r.bottom() - r.height() * 0.08,
              r.center().x(), r.bottom());
    s.cubicTo(r.center().x() - r.width() * 0.18, r.bottom() - r.height() * 0.08, r.left(), r.top() + r.height() * 0.75,
              r.left(), r.top() + r.height() * 0.42);
    s.closeSubpath();
    return s;
}

// Pointed shield in green and white with a diagonal sash and a ball.
void crestShield(QPainter& p)
{
    const QRectF box(kCentre.x() - 60, kCentre.y() - 72, 120, 146);
    const QPainterPath outer = heaterShield(box);
    const QPainterPath inner = heaterShield(box.adjusted(7, 8, -7, -12));
    const QColor green(0x12, 0x8A, 0x3C), white(0xFA, 0xFA, 0xF5), gold(0xE9, 0xB9, 0x3A);
    shadow(p, outer);
    fillShaded(p, outer, gold, 2.0, 0.45, 0.3);
    fillShaded(p, inner, green, 0, 0.25, 0.3);
    p.save();
    p.setClipPath(inner);
    // Diagonal white sash.
    QPainterPath sash;
    sash.moveTo(box.left() - 20, box.top() + 40);
    sash.lineTo(box.left() + 10, box.top() + 10);
    sash.lineTo(box.right() + 20, box.bottom() - 30);
    sash.lineTo(box.right() - 10, box.bottom());
    sash.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(sash);
    // The name band across the top.
    p.setBrush(white);
    p.drawRect(QRectF(box.left(), box.top(), box.width(), 40));
    p.setBrush(green);
    p.drawRect(QRectF(box.left(), box.top() + 38, box.width(), 3));
    p.restore();
    textOn(p, QStringLiteral("E.C.P."), QRectF(box.left() + 18, box.top() + 13, box.width() - 36, 22), green,
           white, 0);
    drawBall(p, QPointF(kCentre.x() - 16, kCentre.y() + 26), 17);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(starPath(QPointF(kCentre.x() + 24, kCentre.y() - 6), 11, 4.5, 5));
    gloss(p, inner, 70);
}

// Rounded shield in blue and white under a crown, with a ribbon.
void crestCrowned(QPainter& p)
{
    const QColor blue(0x1E, 0x4F, 0xC2), white(0xFA, 0xFA, 0xF5), gold(0xF0, 0xC2, 0x3E);
    const QRectF body(kCentre.x() - 50, kCentre.y() - 40, 100, 108);
    QPainterPath shield;
    shield.moveTo(body.topLeft());
    shield.lineTo(body.topRight());
    shield.lineTo(body.right(), body.bottom() - 50);
    shield.arcTo(QRectF(body.left(), body.bottom() - 100, body.width(), 100), 0, -180);
    shield.closeSubpath();
    // Crown on top.
    QPainterPath crown;
    const double cy = body.top() - 4;
    crown.moveTo(kCentre.x() - 40, cy);
    crown.lineTo(kCentre.x() - 46, cy - 30);
    crown.lineTo(kCentre.x() - 22, cy - 14);
    crown.lineTo(kCentre.x(), cy - 40);
    crown.lineTo(kCentre.x() + 22, cy - 14);
    crown.lineTo(kCentre.x() + 46, cy - 30);
    crown.lineTo(kCentre.x() + 40, cy);
    crown.closeSubpath();
    shadow(p, shield.united(crown));
    fillShaded(p, crown, gold, 2.0, 0.5, 0.25);
    p.setPen(QPen(darker(gold, 0.5), 1.2));
    p.setBrush(QColor(0xD3, 0x1B, 0x1B));
    p.drawEllipse(QPointF(kCentre.x(), cy - 12), 4.5, 4.5);
    p.setBrush(QColor(0x1E, 0x9E, 0x4F));
    p.drawEllipse(QPointF(kCentre.x() - 28, cy - 8), 3.5, 3.5);
    p.drawEllipse(QPointF(kCentre.x() + 28, cy - 8), 3.5, 3.5);
    p.setBrush(Qt::white);
    for (QPointF tip :
         {QPointF(kCentre.x() - 46, cy - 30), QPointF(kCentre.x(), cy - 40), QPointF(kCentre.x() + 46, cy - 30)})
        p.drawEllipse(tip, 4, 4);

    fillShaded(p, shield, gold, 2.0, 0.45, 0.3);
    QPainterPath field;
    {
        const QRectF in = body.adjusted(6, 6, -6, -6);
        field.moveTo(in.topLeft());
        field.lineTo(in.topRight());
        field.lineTo(in.right(), in.bottom() - 44);
        field.arcTo(QRectF(in.left(), in.bottom() - 88, in.width(), 88), 0, -180);
        field.closeSubpath();
    }
    fillShaded(p, field, blue, 0, 0.3, 0.3);
    p.save();
    p.setClipPath(field);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawRect(QRectF(body.left(), kCentre.y() - 4, body.width(), 30));
    p.restore();
    textOn(p, QStringLiteral("S.C.A."), QRectF(body.left() + 14, kCentre.y() + 1, body.width() - 28, 20), blue,
           white, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (int i = -1; i <= 1; ++i)
        p.drawPath(starPath(QPointF(kCentre.x() + i * 24, kCentre.y() - 20 + (i == 0 ? -4 : 0)), 10, 4, 5));
    // Three stripes below the band.
    p.save();
    p.setClipPath(field);
    p.setBrush(withAlpha(white, 230));
    for (int i = -1; i <= 1; ++i)
        p.drawRect(QRectF(kCentre.x() + i * 22 - 5, kCentre.y() + 26, 10, 60));
    p.restore();
    gloss(p, field, 60);
}

// Diamond-shaped crest in purple and gold with a ball.
void crestDiamond(QPainter& p)
{
    const QColor purple(0x6A, 0x1B, 0x9A), gold(0xF2, 0xC1, 0x2E);
    const QPointF c = kCentre;
    const double rx = 74, ry = 80;
    QPainterPath outer = poly({{c.x(), c.y() - ry}, {c.x() + rx, c.y()}, {c.x(), c.y() + ry}, {c.x() - rx, c.y()}});
    QPainterPath inner = poly({{c.x(), c.y() - ry + 11}, {c.x() + rx - 10, c.y()}, {c.x(), c.y() + ry - 11},
                               {c.x() - rx + 10, c.y()}});
    shadow(p, outer);
    fillShaded(p, outer, gold, 2.0, 0.45, 0.3);
    fillShaded(p, inner, purple, 0, 0.3, 0.35);
    // Gold chevron inside.
    p.save();
    p.setClipPath(inner);
    p.setPen(QPen(gold, 9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath chevron;
    chevron.moveTo(c.x() - 80, c.y() + 70);
    chevron.lineTo(c.x(), c.y() + 10);
    chevron.lineTo(c.x() + 80, c.y() + 70);
    p.drawPath(chevron);
    p.restore();
    textOn(p, QStringLiteral("A.A.L."), QRectF(c.x() - 38, c.y() - 45, 76, 20), gold, darker(purple, 0.3), 2.5);
    drawBall(p, QPointF(c.x(), c.y() + 36), 17);
    gloss(p, inner, 60);
}

// ---- "Ferrari": an invented racing theme (no real marks) ----------------------------------------

// Red sports car, side view, facing right.
void carSymbol(QPainter& p)
{
    const QColor red(0xD8, 0x12, 0x1A);
    // Drawn a little low and wide; lift it to the middle of the drum and make it larger.
    p.save();
    p.translate(kCentre.x(), kCentre.y());
    p.scale(1.0, 1.1);
    p.translate(-kCentre.x(), -kCentre.y() - 15);
    const double wy = 124, wr = 17;
    const double wheels[2] = {46, 136};
    // Speed lines behind the car.
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xB8), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 92), QPointF(26, 92));
    p.drawLine(QPointF(2, 104), QPointF(22, 104));
    p.drawLine(QPointF(10, 116), QPointF(20, 116));
    // Shadow on the road.
    QRadialGradient ground(QPointF(92, 142), 84);
    ground.setColorAt(0, QColor(0, 0, 0, 90));
    ground.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawEllipse(QPointF(92, 142), 84, 9);

    QPainterPath body;
    body.moveTo(16, 126);
    body.lineTo(15, 108);
    body.cubicTo(15, 101, 19, 97, 28, 96);
    body.lineTo(52, 93);
    body.cubicTo(64, 79, 80, 72, 100, 72);
    body.cubicTo(112, 72, 120, 77, 128, 87);
    body.cubicTo(146, 89, 162, 95, 170, 104);
    body.cubicTo(174, 109, 174, 119, 170, 126);
    body.closeSubpath();
    for (double x : wheels)
        body = body.subtracted(circle(QPointF(x, wy), wr + 4));
    fillShaded(p, body, red, 2.0, 0.35, 0.35);
    // Gloss along the upper body.
    p.save();
    p.setClipPath(body);
    QLinearGradient hl(0, 70, 0, 110);
    hl.setColorAt(0, QColor(255, 255, 255, 150));
    hl.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(hl);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(0, 70, kW, 30));
    // Dark lower sill and side intake.
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRect(QRectF(0, 118, kW, 10));
    QPainterPath intake;
    intake.moveTo(72, 106);
    intake.cubicTo(86, 102, 96, 103, 104, 106);
    intake.lineTo(100, 114);
    intake.cubicTo(92, 112, 82, 112, 74, 114);
    intake.closeSubpath();
    p.setBrush(QColor(0x30, 0x08, 0x0A));
    p.drawPath(intake);
    p.restore();
    // Windows.
    QPainterPath glass;
    glass.moveTo(60, 93);
    glass.cubicTo(70, 82, 84, 77, 99, 77);
    glass.cubicTo(108, 77, 115, 80, 122, 88);
    glass.closeSubpath();
    QLinearGradient gg(60, 77, 122, 93);
    gg.setColorAt(0, QColor(0x9C, 0xC8, 0xE8));
    gg.setColorAt(0.5, QColor(0x2A, 0x3A, 0x55));
    gg.setColorAt(1, QColor(0x14, 0x1C, 0x2C));
    p.setPen(QPen(QColor(0x20, 0x20, 0x24), 1.5));
    p.setBrush(gg);
    p.drawPath(glass);
    p.setPen(QPen(darker(red, 0.4), 2));
    p.drawLine(QPointF(96, 77), QPointF(94, 93));
    // Door line, lights, spoiler.
    p.setPen(QPen(darker(red, 0.45), 1.2));
    p.drawLine(QPointF(62, 95), QPointF(64, 118));
    p.drawLine(QPointF(108, 93), QPointF(110, 116));
    p.setPen(QPen(QColor(0x60, 0x10, 0x10), 1));
    p.setBrush(QColor(0xFF, 0xF2, 0xA8));
    p.drawPath(poly({{160, 100}, {171, 104}, {170, 109}, {158, 104}}));
    p.setBrush(QColor(0xFF, 0x60, 0x30));
    p.drawRect(QRectF(15, 100, 6, 6));
    p.setPen(QPen(QColor(0x22, 0x22, 0x26), 1.2));
    p.setBrush(QColor(0x22, 0x22, 0x26));
    p.drawRect(QRectF(16, 90, 20, 4));
    p.drawRect(QRectF(22, 94, 3, 4));
    // Wheels: tyre, alloy rim with spokes, red brake calliper.
    for (double x : wheels) {
        const QPointF wc(x, wy);
        p.setPen(QPen(QColor(0x0E, 0x0E, 0x10), 1));
        p.setBrush(QColor(0x1C, 0x1C, 0x20));
        p.drawEllipse(wc, wr, wr);
        QRadialGradient rim(wc + QPointF(-3, -4), wr * 0.7);
        rim.setColorAt(0, QColor(0xF4, 0xF4, 0xF8));
        rim.setColorAt(1, QColor(0x8A, 0x90, 0x9A));
        p.setBrush(rim);
        p.drawEllipse(wc, wr * 0.62, wr * 0.62);
        p.setPen(QPen(QColor(0x55, 0x5A, 0x64), 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 5; ++k) {
            const double a = (k * 72 - 90) * M_PI / 180;
            p.drawLine(wc, wc + QPointF(wr * 0.56 * std::cos(a), wr * 0.56 * std::sin(a)));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xE0, 0x20, 0x20));
        p.drawPath(poly({wc + QPointF(5, -8), wc + QPointF(9, -3), wc + QPointF(8, 0), wc + QPointF(4, -5)}));
        p.setBrush(QColor(0x30, 0x30, 0x34));
        p.drawEllipse(wc, 2.5, 2.5);
    }
    // A racing number on the door.
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(86, 100), 8, 8);
    textOn(p, QStringLiteral("1"), QRectF(82, 94, 8, 12), QColor(0x18, 0x18, 0x18), Qt::white, 0);
    p.restore();
}

// Blue racing helmet, side view, facing right.
void helmetSymbol(QPainter& p)
{
    const QColor blue(0x1D, 0x5B, 0xD6);
    QPainterPath shell;
    shell.moveTo(34, 128);
    shell.cubicTo(24, 80, 56, 34, 102, 34);
    shell.cubicTo(144, 34, 164, 66, 164, 100);
    shell.lineTo(164, 122);
    shell.cubicTo(164, 134, 154, 142, 140, 142);
    shell.lineTo(58, 142);
    shell.cubicTo(46, 142, 37, 138, 34, 128);
    shell.closeSubpath();
    shadow(p, shell);
    fillShaded(p, shell, blue, 2.2, 0.4, 0.35);
    p.save();
    p.setClipPath(shell);
    // White racing stripe with a thin red edge over the dome.
    QPainterPath stripe;
    stripe.moveTo(20, 120);
    stripe.cubicTo(40, 70, 90, 46, 150, 58);
    stripe.lineTo(150, 74);
    stripe.cubicTo(96, 64, 52, 84, 36, 128);
    stripe.closeSubpath();
    p.setPen(QPen(QColor(0xE0, 0x20, 0x28), 3));
    p.setBrush(QColor(0xFA, 0xFA, 0xFA));
    p.drawPath(stripe);
    // Lower rim in dark rubber.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1A, 0x1A, 0x22));
    p.drawRect(QRectF(0, 132, kW, 20));
    p.restore();
    // Visor.
    QPainterPath visor;
    visor.moveTo(104, 78);
    visor.cubicTo(134, 72, 160, 80, 167, 96);
    visor.lineTo(167, 112);
    visor.lineTo(112, 112);
    visor.cubicTo(102, 104, 100, 88, 104, 78);
    visor.closeSubpath();
    QLinearGradient vg(104, 74, 160, 112);
    vg.setColorAt(0, QColor(0x6A, 0x80, 0xA8));
    vg.setColorAt(0.35, QColor(0x22, 0x2C, 0x44));
    vg.setColorAt(1, QColor(0x0A, 0x0E, 0x18));
    p.setPen(QPen(QColor(0x10, 0x10, 0x18), 2.2));
    p.setBrush(vg);
    p.drawPath(visor);
    p.setPen(QPen(QColor(255, 255, 255, 170), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(116, 84), QPointF(146, 82));
    // Visor pivot and number.
    p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1.5));
    p.setBrush(QColor(0xC8, 0xCC, 0xD4));
    p.drawEllipse(QPointF(104, 96), 6, 6);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x10, 0x20, 0x40), 1.5));
    p.drawEllipse(QPointF(64, 104), 15, 15);
    textOn(p, QStringLiteral("7"), QRectF(57, 94, 14, 20), QColor(0xE0, 0x20, 0x28), Qt::white, 0);
    gloss(p, shell, 80);
}

// One chequered flag waving from a pole; `dir` is 1 to fly right, -1 to fly left.
void chequeredFlag(QPainter& p, QPointF poleBase, QPointF poleTop, int dir)
{
    // Pole.
    p.setPen(QPen(QColor(0x3A, 0x3A, 0x40), 6.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(poleBase, poleTop);
    p.setPen(QPen(QColor(0xC8, 0xCC, 0xD4), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(poleBase, poleTop);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(QColor(0xF0, 0xC2, 0x3E));
    p.drawEllipse(poleTop, 5, 5);

    const int cols = 6, rows = 4;
    const double fw = 74, fh = 50;
    auto at = [&](double u, double v) {
        // u along the flag, v down it; the cloth waves and droops a little towards its end.
        const double wave = std::sin(u * M_PI * 1.6) * 7 * u;
        return QPointF(poleTop.x() + dir * (u * fw), poleTop.y() + 4 + v * fh * (1 - 0.12 * u) + wave + u * 10);
    };
    for (int i = 0; i < cols; ++i) {
        for (int j = 0; j < rows; ++j) {
            const double u0 = double(i) / cols, u1 = double(i + 1) / cols;
            const double v0 = double(j) / rows, v1 = double(j + 1) / rows;
            QPolygonF cell;
            cell << at(u0, v0) << at(u1, v0) << at(u1, v1) << at(u0, v1);
            // Folds: cells facing away are a little darker.
            const double slope = std::cos((u0 + u1) / 2 * M_PI * 1.6);
            const bool black = (i + j) % 2 == 0;
            QColor c = black ? QColor(0x18, 0x18, 0x1C) : QColor(0xFA, 0xFA, 0xFA);
            c = slope < 0 ? darker(c, 0.18 * -slope) : lighter(c, 0.12 * slope);
            p.setPen(QPen(c, 0.6));
            p.setBrush(c);
            p.drawPolygon(cell);
        }
    }
    // Outline.
    QPainterPath edge;
    edge.moveTo(at(0, 0));
    for (int k = 1; k <= 20; ++k)
        edge.lineTo(at(k / 20.0, 0));
    for (int k = 1; k <= 4; ++k)
        edge.lineTo(at(1, k / 4.0));
    for (int k = 19; k >= 0; --k)
        edge.lineTo(at(k / 20.0, 1));
    edge.closeSubpath();
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(edge);
}

void flagsSymbol(QPainter& p)
{
    chequeredFlag(p, QPointF(128, 166), QPointF(84, 26), -1);
    chequeredFlag(p, QPointF(52, 166), QPointF(96, 26), 1);
}

// Gold trophy cup on a dark base.
void trophySymbol(QPainter& p)
{
    const QColor gold(0xF2, 0xB8, 0x22);
    QPainterPath cup;
    cup.moveTo(46, 30);
    cup.lineTo(134, 30);
    cup.cubicTo(134, 84, 116, 104, 96, 108);
    cup.lineTo(96, 122);
    cup.cubicTo(96, 128, 108, 132, 112, 136);
    cup.lineTo(68, 136);
    cup.cubicTo(72, 132, 84, 128, 84, 122);
    cup.lineTo(84, 108);
    cup.cubicTo(64, 104, 46, 84, 46, 30);
    cup.closeSubpath();
    QPainterPath handles;
    handles.addEllipse(QPointF(42, 58), 20, 22);
    handles.addEllipse(QPointF(138, 58), 20, 22);
    QPainterPath holes;
    holes.addEllipse(QPointF(42, 58), 12, 14);
    holes.addEllipse(QPointF(138, 58), 12, 14);
    handles = handles.subtracted(holes);
    QPainterPath base = roundedRect(QRectF(54, 136, 72, 30), 4);
    shadow(p, cup.united(handles).united(base));
    fillShaded(p, base, QColor(0x4A, 0x2C, 0x1A), 2, 0.3, 0.4);
    p.setPen(QPen(QColor(0x7A, 0x58, 0x10), 1));
    p.setBrush(QColor(0xF6, 0xD8, 0x70));
    p.drawRect(QRectF(70, 144, 40, 12));
    fillShaded(p, handles, gold, 2, 0.45, 0.35);
    // Cup with a bright vertical reflection.
    QLinearGradient g(46, 0, 134, 0);
    g.setColorAt(0, darker(gold, 0.25));
    g.setColorAt(0.28, lighter(gold, 0.65));
    g.setColorAt(0.45, gold);
    g.setColorAt(1, darker(gold, 0.4));
    p.setPen(QPen(darker(gold, 0.55), 2));
    p.setBrush(g);
    p.drawPath(cup);
    p.setPen(QPen(darker(gold, 0.45), 2));
    p.setBrush(lighter(gold, 0.3));
    p.drawEllipse(QPointF(90, 30), 44, 6);
    // Star on the cup.
    p.setPen(QPen(darker(gold, 0.5), 1.5));
    p.setBrush(lighter(gold, 0.55));
    p.drawPath(starPath(QPointF(90, 66), 17, 7, 5));
    sparkle(p, QPointF(62, 44), 9, QColor(255, 255, 255, 230));
}

// ---- "Instrumentos Musicais" ---------------------------------------------------------------------

// Red electric guitar, leaning to the right.
void guitarSymbol(QPainter& p)
{
    p.save();
    p.translate(88, 100);
    p.rotate(32);
    const QColor red(0xD4, 0x16, 0x20);
    p.scale(0.84, 0.84);
    p.translate(0, 6);
    // Body: an offset double cutaway, the upper horn longer than the lower one.
    QPainterPath body;
    body.moveTo(0, 58);
    body.cubicTo(-24, 58, -38, 46, -36, 30);
    body.cubicTo(-35, 20, -26, 14, -26, 6);
    body.cubicTo(-26, -6, -32, -18, -28, -32);
    body.cubicTo(-26, -41, -17, -41, -15, -32);
    body.cubicTo(-13, -24, -10, -16, -6, -14);
    body.lineTo(6, -14);
    body.cubicTo(9, -16, 12, -20, 16, -25);
    body.cubicTo(20, -31, 27, -28, 25, -20);
    body.cubicTo(23, -10, 24, -2, 26, 6);
    body.cubicTo(28, 14, 36, 20, 36, 30);
    body.cubicTo(38, 46, 24, 58, 0, 58);
    body.closeSubpath();
    // Neck and headstock.
    QPainterPath neck = roundedRect(QRectF(-6, -100, 12, 100), 2);
    QPainterPath head;
    head.moveTo(-7, -100);
    head.lineTo(-9, -128);
    head.cubicTo(-6, -134, 6, -134, 10, -126);
    head.lineTo(7, -100);
    head.closeSubpath();
    dropShadow(p, body.united(neck).united(head), QPointF(4, 3), 7, 55);
    fillShaded(p, head, QColor(0x2A, 0x1A, 0x12), 1.5, 0.3, 0.3);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    p.setBrush(QColor(0xD8, 0xDC, 0xE4));
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(-11, -106 - i * 8), 3, 2.4);
        p.drawEllipse(QPointF(11, -106 - i * 8), 3, 2.4);
    }
    fillShaded(p, neck, QColor(0xC8, 0x8C, 0x4E), 1.2, 0.3, 0.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x2A, 0x18));
    p.drawRect(QRectF(-4.5, -100, 9, 86));
    p.setPen(QPen(QColor(0xD8, 0xD8, 0xD8), 1));
    for (int i = 0; i < 12; ++i) {
        const double y = -96 + i * 7;
        p.drawLine(QPointF(-4.5, y), QPointF(4.5, y));
    }
    fillShaded(p, body, red, 2.0, 0.4, 0.35);
    // Pickguard, pickups, bridge, knobs.
    QPainterPath guard = ellipse(QPointF(-8, 28), 22, 24).intersected(body);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
    p.setBrush(QColor(0xF8, 0xF6, 0xF0));
    p.drawPath(guard);
    p.setBrush(QColor(0x18, 0x18, 0x1C));
    p.drawRoundedRect(QRectF(-9, 2, 18, 7), 2, 2);
    p.drawRoundedRect(QRectF(-9, 20, 18, 7), 2, 2);
    p.setBrush(QColor(0xC0, 0xC4, 0xCC));
    p.drawRoundedRect(QRectF(-10, 38, 20, 6), 1.5, 1.5);
    p.setBrush(QColor(0xF0, 0xF0, 0xF0));
    p.drawEllipse(QPointF(20, 40), 4, 4);
    p.drawEllipse(QPointF(24, 50), 4, 4);
    // Strings.
    p.setPen(QPen(QColor(0xF0, 0xF0, 0xF0, 220), 0.7));
    for (int i = 0; i < 6; ++i) {
        const double x = -3.5 + i * 1.4;
        p.drawLine(QPointF(x, -100), QPointF(x * 1.6, 41));
    }
    gloss(p, body, 90);
    p.restore();
}

// Gold trumpet, bell to the right.
void trumpetSymbol(QPainter& p)
{
    const QColor brass(0xE8, 0xB0, 0x2A);
    auto tube = [&](const QPainterPath& path, double width) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(darker(brass, 0.5), width + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(brass, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(lighter(brass, 0.6), width * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path.translated(0, -width * 0.22));
    };
    // Lower loop (drawn first, it lies behind the valves).
    QPainterPath loop;
    loop.moveTo(54, 92);
    loop.cubicTo(30, 92, 30, 124, 54, 124);
    loop.lineTo(118, 124);
    loop.cubicTo(134, 124, 134, 104, 120, 104);
    loop.lineTo(60, 104);
    tube(loop, 7);
    // Main pipe from the mouthpiece to the bell.
    QPainterPath lead;
    lead.moveTo(20, 84);
    lead.lineTo(124, 84);
    tube(lead, 7.5);
    // Mouthpiece.
    p.setPen(QPen(darker(brass, 0.5), 1.5));
    p.setBrush(lighter(brass, 0.35));
    p.drawPath(poly({{8, 78}, {14, 80}, {24, 82}, {24, 86}, {14, 88}, {8, 90}}));
    // Bell.
    QPainterPath bell;
    bell.moveTo(118, 80);
    bell.cubicTo(140, 78, 154, 66, 170, 52);
    bell.lineTo(170, 118);
    bell.cubicTo(154, 104, 140, 90, 118, 89);
    bell.closeSubpath();
    QLinearGradient bg(0, 52, 0, 118);
    bg.setColorAt(0, lighter(brass, 0.55));
    bg.setColorAt(0.45, brass);
    bg.setColorAt(1, darker(brass, 0.35));
    p.setPen(QPen(darker(brass, 0.5), 2));
    p.setBrush(bg);
    p.drawPath(bell);
    p.setBrush(darker(brass, 0.3));
    p.drawEllipse(QPointF(170, 85), 7, 33);
    p.setBrush(QColor(0x50, 0x30, 0x08));
    p.drawEllipse(QPointF(171, 85), 4, 24);
    // Three valves with pearl buttons.
    for (int i = 0; i < 3; ++i) {
        const double x = 66 + i * 17;
        QLinearGradient vg(x - 6, 0, x + 6, 0);
        vg.setColorAt(0, darker(brass, 0.2));
        vg.setColorAt(0.35, lighter(brass, 0.6));
        vg.setColorAt(1, darker(brass, 0.35));
        p.setPen(QPen(darker(brass, 0.5), 1.5));
        p.setBrush(vg);
        p.drawRoundedRect(QRectF(x - 6.5, 70, 13, 62), 3, 3);
        p.drawRect(QRectF(x - 2.5, 56, 5, 14));
        p.setBrush(QColor(0xF6, 0xF0, 0xE6));
        p.drawEllipse(QPointF(x, 54), 7, 4);
        p.setBrush(vg);
        p.drawRect(QRectF(x - 7.5, 68, 15, 5));
        p.drawRect(QRectF(x - 7.5, 128, 15, 5));
    }
    sparkle(p, QPointF(150, 66), 8, QColor(255, 255, 255, 230));
}

// Blue snare drum with two sticks.
void drumSymbol(QPainter& p)
{
    const QColor blue(0x1E, 0x6F, 0xE0);
    const QPointF top(90, 84);
    const double rx = 66, ry = 22, height = 56;
    QPainterPath shell;
    shell.moveTo(top.x() - rx, top.y());
    shell.lineTo(top.x() - rx, top.y() + height);
    shell.arcTo(QRectF(top.x() - rx, top.y() + height - ry, 2 * rx, 2 * ry), 180, 180);
    shell.lineTo(top.x() + rx, top.y());
    shell.closeSubpath();
    shadow(p, shell.united(ellipse(top, rx, ry)));
    QLinearGradient sg(top.x() - rx, 0, top.x() + rx, 0);
    sg.setColorAt(0, darker(blue, 0.35));
    sg.setColorAt(0.3, lighter(blue, 0.45));
    sg.setColorAt(0.55, blue);
    sg.setColorAt(1, darker(blue, 0.5));
    p.setPen(QPen(darker(blue, 0.6), 2));
    p.setBrush(sg);
    p.drawPath(shell);
    // Sparkle finish on the shell.
    Rng rng(77);
    p.save();
    p.setClipPath(shell);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(QColor(255, 255, 255, int(rng.uniform(40, 140))));
        p.drawEllipse(QPointF(rng.uniform(24, 156), rng.uniform(84, 160)), 0.9, 0.9);
    }
    p.restore();
    // Tension rods.
    for (int i = 0; i < 7; ++i) {
        const double a = M_PI * (0.08 + 0.84 * i / 6.0);
        const double x = top.x() - rx * std::cos(a);
        const double y0 = top.y() + ry * std::sin(a) + 3;
        QLinearGradient rg(x - 3, 0, x + 3, 0);
        rg.setColorAt(0, QColor(0xF4, 0xF4, 0xF8));
        rg.setColorAt(1, QColor(0x80, 0x86, 0x90));
        p.setPen(QPen(QColor(0x50, 0x56, 0x60), 0.8));
        p.setBrush(rg);
        p.drawRect(QRectF(x - 2.5, y0, 5, height - 4));
        p.drawRoundedRect(QRectF(x - 4, y0 + height / 2 - 8, 8, 16), 2, 2);
    }
    // Chrome hoops and the white head.
    p.setPen(QPen(QColor(0x70, 0x76, 0x80), 1.2));
    p.setBrush(Qt::NoBrush);
    QPen hoop(QColor(0xD0, 0xD4, 0xDC), 5);
    p.setPen(hoop);
    p.drawArc(QRectF(top.x() - rx, top.y() + height - ry, 2 * rx, 2 * ry), 180 * 16, 180 * 16);
    QRadialGradient head(top + QPointF(-20, -8), rx);
    head.setColorAt(0, Qt::white);
    head.setColorAt(1, QColor(0xE2, 0xE0, 0xD8));
    p.setPen(QPen(QColor(0xC8, 0xCC, 0xD4), 5));
    p.setBrush(head);
    p.drawEllipse(top, rx, ry);
    p.setPen(QPen(QColor(0x70, 0x76, 0x80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(top, rx + 2.5, ry + 2.5);
    // Crossed sticks.
    for (int side : {-1, 1}) {
        const QPointF a(90 - side * 58, 22), b(90 + side * 30, 92);
        p.setPen(QPen(QColor(0x6A, 0x40, 0x18), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(QPen(QColor(0xE6, 0xB8, 0x78), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(QPen(QColor(0xF8, 0xDC, 0xA8), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a + QPointF(0, -1.5), b + QPointF(0, -1.5));
        p.setPen(QPen(QColor(0x6A, 0x40, 0x18), 1));
        p.setBrush(QColor(0xF0, 0xCC, 0x90));
        p.drawEllipse(b, 5, 4);
    }
}

// A piano keyboard in black and white with a couple of notes above it.
void keyboardSymbol(QPainter& p)
{
    const QRectF frame(14, 78, 152, 84);
    const QPainterPath body = roundedRect(frame, 8);
    shadow(p, body);
    fillShaded(p, body, QColor(0x26, 0x26, 0x2C), 2, 0.25, 0.4);
    // Panel strip with knobs.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3A, 0x3A, 0x44));
    p.drawRoundedRect(QRectF(frame.left() + 6, frame.top() + 5, frame.width() - 12, 14), 3, 3);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(i == 0 ? QColor(0xFF, 0x40, 0x40) : QColor(0xD8, 0xDC, 0xE4));
        p.drawEllipse(QPointF(frame.left() + 16 + i * 12, frame.top() + 12), 3.2, 3.2);
    }
    // White keys.
    const int whites = 9;
    const QRectF keys(frame.left() + 6, frame.top() + 24, frame.width() - 12, frame.height() - 30);
    const double kw = keys.width() / whites;
    for (int i = 0; i < whites; ++i) {
        const QRectF k(keys.left() + i * kw + 0.6, keys.top(), kw - 1.2, keys.height());
        QLinearGradient g(0, k.top(), 0, k.bottom());
        g.setColorAt(0, QColor(0xDC, 0xDC, 0xDC));
        g.setColorAt(0.2, Qt::white);
        g.setColorAt(1, QColor(0xE8, 0xE8, 0xE4));
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 0.8));
        p.setBrush(g);
        p.drawRoundedRect(k, 2, 2);
    }
    // Black keys: after the 1st, 2nd, 4th, 5th, 6th, 8th and 9th white keys.
    for (int i : {1, 2, 4, 5, 6, 8}) {
        const QRectF k(keys.left() + i * kw - kw * 0.3, keys.top(), kw * 0.6, keys.height() * 0.6);
        QLinearGradient g(k.left(), 0, k.right(), 0);
        g.setColorAt(0, QColor(0x40, 0x40, 0x48));
        g.setColorAt(0.4, QColor(0x10, 0x10, 0x14));
        g.setColorAt(1, QColor(0x05, 0x05, 0x08));
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(g);
        p.drawRoundedRect(k, 1.5, 1.5);
    }
    // Notes.
    auto note = [&](QPointF head, double stem, bool beam, QPointF head2) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x14, 0x14, 0x18));
        for (QPointF h : beam ? std::vector<QPointF>{head, head2} : std::vector<QPointF>{head}) {
            p.save();
            p.translate(h);
            p.rotate(-22);
            p.drawEllipse(QPointF(0, 0), 8, 5.6);
            p.restore();
        }
        p.setPen(QPen(QColor(0x14, 0x14, 0x18), 2.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(head + QPointF(7, -2), head + QPointF(7, -stem));
        if (beam) {
            p.drawLine(head2 + QPointF(7, -2), head2 + QPointF(7, -stem));
            p.setPen(QPen(QColor(0x14, 0x14, 0x18), 6, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(head + QPointF(7, -stem + 3), head2 + QPointF(7, -stem + 3));
        } else {
            QPainterPath flag;
            flag.moveTo(head + QPointF(7, -stem));
            flag.cubicTo(head + QPointF(12, -stem + 8), head + QPointF(20, -stem + 12), head + QPointF(16, -stem + 24));
            p.setPen(QPen(QColor(0x14, 0x14, 0x18), 2.8, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(flag);
        }
    };
    note(QPointF(48, 62), 40, true, QPointF(80, 56));
    note(QPointF(124, 58), 40, false, QPointF());
}

// ---- "Tema do Cassino ZOR": classic slot machine symbols --------------------------------------

void cherriesSymbol(QPainter& p)
{
    const QColor red(0xE0, 0x14, 0x28), green(0x2E, 0x8B, 0x2E);
    const QPointF a(58, 124), b(120, 130), joint(104, 36);
    // Stems.
    QPainterPath stems;
    stems.moveTo(a + QPointF(2, -24));
    stems.cubicTo(QPointF(66, 80), QPointF(84, 48), joint);
    stems.moveTo(b + QPointF(-2, -24));
    stems.cubicTo(QPointF(114, 84), QPointF(104, 60), joint);
    p.setPen(QPen(darker(green, 0.4), 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stems);
    p.setPen(QPen(green, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stems);
    // Leaf.
    QPainterPath leaf;
    leaf.moveTo(joint);
    leaf.cubicTo(QPointF(120, 14), QPointF(150, 18), QPointF(162, 34));
    leaf.cubicTo(QPointF(146, 48), QPointF(118, 50), joint);
    fillShaded(p, leaf, QColor(0x3C, 0xA8, 0x3C), 2, 0.35, 0.3);
    p.setPen(QPen(darker(green, 0.3), 1.4));
    p.drawLine(joint, QPointF(158, 34));
    // Fruits.
    for (QPointF c : {a, b}) {
        const QPainterPath fruit = ellipse(c, 30, 28);
        shadow(p, fruit);
        QRadialGradient g(c + QPointF(-10, -10), 40);
        g.setColorAt(0, lighter(red, 0.4));
        g.setColorAt(0.5, red);
        g.setColorAt(1, darker(red, 0.45));
        p.setPen(QPen(darker(red, 0.55), 2));
        p.setBrush(g);
        p.drawPath(fruit);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(c + QPointF(-11, -10), 7, 4.5);
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawEllipse(c + QPointF(10, 12), 3, 2);
    }
}

// A brilliant-cut blue gem.
void gemSymbol(QPainter& p)
{
    const double girdleY = 74, tableY = 44, tipY = 160;
    const QPointF tip(90, tipY);
    const QPointF gl(18, girdleY), gr(162, girdleY), tl(56, tableY), tr(124, tableY);
    const QPainterPath whole = poly({tl, tr, gr, tip, gl});
    shadow(p, whole);
    const QColor blue(0x1E, 0x7B, 0xF0);
    auto facet = [&](std::initializer_list<QPointF> pts, double shade) {
        const QColor c = shade >= 0 ? lighter(blue, shade) : darker(blue, -shade);
        p.setPen(QPen(lighter(blue, 0.55), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(c);
        p.drawPath(poly(pts));
    };
    // Crown.
    const QPointF m1(37, girdleY), m2(64, girdleY), m3(90, girdleY), m4(116, girdleY), m5(143, girdleY);
    facet({tl, tr, QPointF(90, 60)}, 0.55);
    facet({tl, gl, m1}, 0.1);
    facet({tl, m1, m2}, 0.35);
    facet({tl, m2, QPointF(90, 60)}, 0.2);
    facet({QPointF(90, 60), m2, m3}, 0.45);
    facet({QPointF(90, 60), m3, m4}, 0.05);
    facet({tr, QPointF(90, 60), m4}, 0.3);
    facet({tr, m4, m5}, -0.1);
    facet({tr, m5, gr}, -0.25);
    // Pavilion.
    facet({gl, m2, tip}, -0.05);
    facet({m2, m3, tip}, 0.3);
    facet({m3, m4, tip}, -0.2);
    facet({m4, gr, tip}, -0.45);
    facet({gl, m1, QPointF(54, 112)}, 0.15);
    facet({gr, m5, QPointF(126, 112)}, -0.35);
    p.setPen(QPen(darker(blue, 0.5), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(whole);
    sparkle(p, QPointF(70, 52), 14, QColor(255, 255, 255, 240));
    sparkle(p, QPointF(128, 98), 8, QColor(255, 255, 255, 220));
    sparkle(p, QPointF(150, 36), 10, QColor(0xFF, 0xE0, 0x60, 230));
}

// The lucky seven in gold with a red edge.
void sevenSymbol(QPainter& p)
{
    const QRectF box(34, 18, 112, 148);
    const QPainterPath seven =
        fittedText(QStringLiteral("7"), font(QStringLiteral("DejaVu Serif"), 200, QFont::Bold), box);
    shadow(p, seven);
    p.setPen(QPen(QColor(0xB0, 0x0A, 0x18), 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(seven);
    p.setPen(QPen(QColor(0xFF, 0xF0, 0xC0), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(seven);
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xF1, 0x9A));
    g.setColorAt(0.45, QColor(0xF6, 0xC0, 0x1E));
    g.setColorAt(0.55, QColor(0xE0, 0x9A, 0x10));
    g.setColorAt(1, QColor(0xFF, 0xD8, 0x4A));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(seven);
    p.setBrush(QColor(0xE0, 0x14, 0x28));
    p.drawPath(starPath(QPointF(40, 146), 13, 5.5, 5));
    p.drawPath(starPath(QPointF(148, 40), 10, 4.2, 5));
    sparkle(p, QPointF(72, 34), 10, QColor(255, 255, 255, 240));
}

// A four-leaf clover.
void cloverSymbol(QPainter& p)
{
    const QColor green(0x22, 0xA2, 0x3A);
    const QPointF c(90, 82);
    QPainterPath stem;
    stem.moveTo(c);
    stem.cubicTo(QPointF(96, 120), QPointF(112, 146), QPointF(130, 162));
    p.setPen(QPen(darker(green, 0.45), 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    p.setPen(QPen(green, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    QPainterPath leaves;
    for (int i = 0; i < 4; ++i) {
        // Each leaf is a heart with its point at the centre.
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(45 + i * 90);
        leaves.addPath(t.map(suitPath(Suit::Hearts, QRectF(-30, -64, 60, 64))));
    }
    shadow(p, leaves);
    for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(45 + i * 90);
        const QPainterPath leaf = t.map(suitPath(Suit::Hearts, QRectF(-30, -64, 60, 64)));
        fillShaded(p, leaf, green, 2, 0.4, 0.35);
        p.setPen(QPen(lighter(green, 0.45), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, t.map(QPointF(0, -52)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(darker(green, 0.3));
    p.drawEllipse(c, 5, 5);
    gloss(p, leaves, 60);
}

// ---- "Hello Kit": a kitten and her things --------------------------------------------------------

// A round golden bell on a pink ribbon.
void bellSymbol(QPainter& p)
{
    const QColor gold(0xF5, 0xBC, 0x1C), pink(0xF0, 0x5A, 0x9A);
    const QPointF c(90, 104);
    const double r = 52;
    const QPainterPath ball = circle(c, r);
    shadow(p, ball);
    QRadialGradient g(c + QPointF(-18, -20), r * 1.5);
    g.setColorAt(0, QColor(0xFF, 0xF6, 0xC8));
    g.setColorAt(0.35, gold);
    g.setColorAt(1, darker(gold, 0.5));
    p.setPen(QPen(darker(gold, 0.55), 2.2));
    p.setBrush(g);
    p.drawPath(ball);
    // Band around the middle and the slit with its holes.
    p.setPen(QPen(darker(gold, 0.4), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r, c.y() - 14, 2 * r, 28), 180 * 16, 180 * 16);
    p.drawArc(QRectF(c.x() - r, c.y() - 8, 2 * r, 28), 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3A, 0x24, 0x04));
    p.drawEllipse(QPointF(c.x(), c.y() + 30), 8, 8);
    p.drawRoundedRect(QRectF(c.x() - 2.5, c.y() + 30, 5, 20), 2.5, 2.5);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(c + QPointF(-22, -24), 11, 7);
    // Ring and ribbon bow on top.
    p.setPen(QPen(darker(gold, 0.4), 2));
    p.setBrush(lighter(gold, 0.3));
    p.drawEllipse(QPointF(c.x(), c.y() - r - 2), 8, 6);
    QPainterPath bow;
    bow.moveTo(90, 44);
    bow.cubicTo(70, 20, 40, 24, 44, 44);
    bow.cubicTo(46, 60, 72, 56, 90, 44);
    bow.cubicTo(108, 56, 134, 60, 136, 44);
    bow.cubicTo(140, 24, 110, 20, 90, 44);
    bow.closeSubpath();
    fillShaded(p, bow, pink, 2, 0.4, 0.3);
    fillShaded(p, ellipse(QPointF(90, 44), 9, 8), pink, 2, 0.2, 0.4);
}

// A ball of purple yarn with a loose end.
void yarnSymbol(QPainter& p)
{
    const QColor purple(0x8E, 0x3C, 0xC8);
    const QPointF c(84, 90);
    const double r = 58;
    const QPainterPath ball = circle(c, r);
    shadow(p, ball);
    fillShaded(p, ball, purple, 2.2, 0.35, 0.4);
    p.save();
    p.setClipPath(ball);
    p.setBrush(Qt::NoBrush);
    // Wound strands: one layer across the whole ball, two more wound over it at other angles.
    auto strands = [&](double angle, const QPainterPath& region) {
        p.save();
        p.setClipPath(region, Qt::IntersectClip);
        p.translate(c);
        p.rotate(angle);
        for (double d = -r; d <= r; d += 8) {
            const double bulge = 0.45 * r * std::sqrt(std::max(0.0, 1 - (d / r) * (d / r)));
            QPainterPath line;
            line.moveTo(-r * 1.1, d);
            line.quadTo(0, d + bulge, r * 1.1, d);
            p.setPen(QPen(darker(purple, 0.4), 3.4, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(line);
            p.setPen(QPen(lighter(purple, 0.3), 1.5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(line.translated(0, -1.2));
        }
        p.restore();
    };
    strands(25, ball);
    QPainterPath upper = ellipse(c + QPointF(-14, -16), r * 0.62, r * 0.5);
    QTransform tu;
    tu.translate(c.x() - 14, c.y() - 16);
    tu.rotate(-35);
    tu.translate(-(c.x() - 14), -(c.y() - 16));
    upper = tu.map(upper);
    p.setPen(Qt::NoPen);
    p.setBrush(purple);
    p.drawPath(upper);
    strands(-60, upper);
    QPainterPath lower = ellipse(c + QPointF(20, 22), r * 0.5, r * 0.38);
    QTransform tl;
    tl.translate(c.x() + 20, c.y() + 22);
    tl.rotate(30);
    tl.translate(-(c.x() + 20), -(c.y() + 22));
    lower = tl.map(lower);
    p.setPen(Qt::NoPen);
    p.setBrush(darker(purple, 0.1));
    p.drawPath(lower);
    strands(100, lower);
    QRadialGradient shade(c + QPointF(-20, -24), r * 1.6);
    shade.setColorAt(0, QColor(255, 255, 255, 60));
    shade.setColorAt(0.5, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(ball);
    p.restore();
    // The loose end curling away.
    QPainterPath end;
    end.moveTo(c + QPointF(r * 0.7, r * 0.62));
    end.cubicTo(QPointF(150, 150), QPointF(170, 150), QPointF(160, 124));
    end.cubicTo(QPointF(152, 106), QPointF(134, 120), QPointF(148, 134));
    end.cubicTo(QPointF(156, 142), QPointF(166, 166), QPointF(140, 172));
    p.setPen(QPen(darker(purple, 0.3), 4.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(end);
    p.setPen(QPen(lighter(purple, 0.25), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(end);
}

// A blue fish with bubbles.
void fishSymbol(QPainter& p)
{
    const QColor blue(0x22, 0x8C, 0xE8);
    QPainterPath body;
    body.moveTo(22, 94);
    body.cubicTo(40, 52, 104, 44, 136, 88);
    body.cubicTo(104, 136, 40, 132, 22, 94);
    body.closeSubpath();
    QPainterPath tail;
    tail.moveTo(128, 90);
    tail.cubicTo(140, 76, 150, 62, 168, 54);
    tail.cubicTo(160, 76, 160, 104, 168, 126);
    tail.cubicTo(150, 118, 140, 104, 128, 90);
    tail.closeSubpath();
    QPainterPath fin;
    fin.moveTo(60, 60);
    fin.cubicTo(72, 36, 96, 34, 108, 46);
    fin.cubicTo(96, 52, 84, 56, 76, 62);
    fin.closeSubpath();
    QPainterPath lowerFin;
    lowerFin.moveTo(74, 120);
    lowerFin.cubicTo(80, 138, 94, 142, 100, 138);
    lowerFin.cubicTo(96, 128, 92, 124, 90, 120);
    lowerFin.closeSubpath();
    shadow(p, body.united(tail).united(fin));
    const QColor fins(0x12, 0x5C, 0xB8);
    fillShaded(p, tail, fins, 2, 0.3, 0.3);
    fillShaded(p, fin, fins, 2, 0.3, 0.3);
    fillShaded(p, lowerFin, fins, 2, 0.3, 0.3);
    fillShaded(p, body, blue, 2.2, 0.45, 0.35);
    // Light belly, scales, gill, eye, smile.
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0xF0, 0xFF, 200));
    p.drawEllipse(QPointF(74, 122), 56, 18);
    p.setPen(QPen(darker(blue, 0.25), 1.4));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 3; ++j)
            p.drawArc(QRectF(66 + i * 14 + (j % 2) * 7, 70 + j * 14, 14, 14), 90 * 16, 180 * 16);
    p.restore();
    p.setPen(QPen(darker(blue, 0.45), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(46, 74, 20, 40), 300 * 16, 120 * 16);
    p.setPen(QPen(QColor(0x10, 0x20, 0x40), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(42, 84), 8, 8);
    p.setBrush(QColor(0x10, 0x18, 0x30));
    p.drawEllipse(QPointF(40, 84), 4.5, 4.5);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(38.5, 82.5), 1.6, 1.6);
    p.setPen(QPen(QColor(0x10, 0x20, 0x40), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(22, 96, 12, 8), 200 * 16, 120 * 16);
    gloss(p, body, 80);
    // Bubbles.
    for (const auto& b : {std::pair<QPointF, double>{{28, 50}, 8}, {{40, 30}, 5.5}, {{22, 20}, 4}}) {
        p.setPen(QPen(QColor(0x4A, 0x9A, 0xE0), 1.6));
        p.setBrush(QColor(0xE0, 0xF4, 0xFF, 150));
        p.drawEllipse(b.first, b.second, b.second);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(b.first + QPointF(-b.second * 0.35, -b.second * 0.35), b.second * 0.25, b.second * 0.25);
    }
}

// A grey and white kitten with green eyes and a pink bow.
void kittenSymbol(QPainter& p)
{
    const QColor fur(0xB4, 0xB8, 0xC2), white(0xFB, 0xFB, 0xFB), pink(0xF2, 0x6C, 0xA8), ink(0x2A, 0x2A, 0x34);
    QPainterPath head = ellipse(QPointF(90, 104), 66, 54);
    QPainterPath ears = poly({{32, 86}, {36, 26}, {78, 58}}).united(poly({{148, 86}, {144, 26}, {102, 58}}));
    QPainterPath whole = head.united(ears);
    shadow(p, whole);
    fillShaded(p, whole, fur, 0, 0.3, 0.25);
    p.setPen(QPen(ink, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(whole);
    // Inner ears.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF8, 0xB4, 0xCC));
    p.drawPath(poly({{42, 74}, {43, 40}, {68, 60}}));
    p.drawPath(poly({{138, 74}, {137, 40}, {112, 60}}));
    // White muzzle and chest patch, tabby stripes on the forehead.
    p.setBrush(white);
    p.drawEllipse(QPointF(90, 126), 40, 28);
    p.save();
    p.setClipPath(head);
    p.setPen(QPen(darker(fur, 0.35), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(90, 52), QPointF(90, 70));
    p.drawLine(QPointF(76, 55), QPointF(80, 70));
    p.drawLine(QPointF(104, 55), QPointF(100, 70));
    p.drawLine(QPointF(24, 104), QPointF(40, 106));
    p.drawLine(QPointF(156, 104), QPointF(140, 106));
    p.restore();
    // Eyes.
    for (int side : {-1, 1}) {
        const QPointF e(90 + side * 28, 98);
        p.setPen(QPen(ink, 2));
        p.setBrush(QColor(0x4C, 0xC0, 0x5A));
        p.drawEllipse(e, 11, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(e, 5, 10);
        p.setBrush(Qt::white);
        p.drawEllipse(e + QPointF(-3.5, -5), 3.2, 3.2);
    }
    // Nose, mouth, cheeks, whiskers.
    p.setPen(QPen(darker(pink, 0.3), 1.5));
    p.setBrush(pink);
    p.drawPath(poly({{83, 114}, {97, 114}, {90, 122}}));
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath mouth;
    mouth.moveTo(90, 122);
    mouth.cubicTo(90, 130, 80, 132, 76, 126);
    mouth.moveTo(90, 122);
    mouth.cubicTo(90, 130, 100, 132, 104, 126);
    p.drawPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x90, 0xB0, 120));
    p.drawEllipse(QPointF(54, 122), 10, 6);
    p.drawEllipse(QPointF(126, 122), 10, 6);
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1})
        for (int k = -1; k <= 1; ++k)
            p.drawLine(QPointF(90 + side * 48, 120 + k * 7), QPointF(90 + side * 80, 116 + k * 13));
    // Bow on the left ear (viewer's left).
    QPainterPath bow;
    const QPointF b(50, 48);
    bow.moveTo(b);
    bow.cubicTo(b + QPointF(-26, -26), b + QPointF(-40, 2), b + QPointF(-24, 14));
    bow.cubicTo(b + QPointF(-14, 20), b + QPointF(-6, 8), b);
    bow.cubicTo(b + QPointF(26, -26), b + QPointF(40, 2), b + QPointF(24, 14));
    bow.cubicTo(b + QPointF(14, 20), b + QPointF(6, 8), b);
    bow.closeSubpath();
    QTransform t;
    t.translate(b.x(), b.y());
    t.rotate(-18);
    t.translate(-b.x(), -b.y());
    fillShaded(p, t.map(bow), pink, 2.2, 0.4, 0.3);
    fillShaded(p, ellipse(b, 8, 7), pink, 2.2, 0.2, 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (QPointF dot : {b + QPointF(-20, -6), b + QPointF(18, -12), b + QPointF(-14, 6), b + QPointF(24, 2)})
        p.drawEllipse(dot, 2.4, 2.4);
}

struct Symbol {
    const char* file;
    QColor tint;
    std::function<void(QPainter&)> draw;
};

void drawSymbol(const QDir& dir, const Symbol& s)
{
    QImage img = canvas(kW, kH, Qt::white);
    QPainter p(&img);
    prepare(p);
    drawDrum(p, s.tint);
    s.draw(p);
    p.end();
    save(img, dir, QString::fromLatin1(s.file));
}

} // namespace

void writeReelSymbols(const QDir& dir)
{
    const QColor pitch(0xCF, 0xE8, 0xC8), track(0xD4, 0xD6, 0xDC), stage(0xEA, 0xDC, 0xC4), felt(0xE6, 0xD6, 0xA8),
        candy(0xF4, 0xD2, 0xE2);
    const Symbol symbols[] = {
        {"fig1.jpg", pitch, crestRound},        {"fig2.jpg", pitch, crestShield},
        {"fig3.jpg", pitch, crestCrowned},      {"fig4.jpg", pitch, crestDiamond},
        {"ferrari1.jpg", track, helmetSymbol},  {"ferrari2.jpg", track, flagsSymbol},
        {"ferrari3.jpg", track, trophySymbol},  {"ferrari4.jpg", track, carSymbol},
        {"i1.jpg", stage, guitarSymbol},        {"i2.jpg", stage, trumpetSymbol},
        {"i3.jpg", stage, drumSymbol},          {"i4.jpg", stage, keyboardSymbol},
        {"c1.jpg", felt, cherriesSymbol},       {"c2.jpg", felt, gemSymbol},
        {"c3.bmp", felt, sevenSymbol},          {"c4.jpg", felt, cloverSymbol},
        {"f1.bmp", candy, bellSymbol},          {"f2.bmp", candy, yarnSymbol},
        {"f3.bmp", candy, fishSymbol},          {"f4.jpg", candy, kittenSymbol},
    };
    for (const Symbol& s : symbols)
        drawSymbol(dir, s);
}

} // namespace assetgen::gamepics
