// The six coins of heads or tails, both faces each: "caraN.bmp" carries the value, "coroaN.bmp"
// the effigy. The coin table and the side screen stretch them into squares from 92 to 148 pixels,
// so every face is drawn once at 148 x 148 and fills its picture edge to edge.
#include "game_pictures_common.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace assetgen::gamepics {

namespace {

constexpr int kSize = 148;
// What lies around the round coin in its square picture (bitmaps keep no transparency).
const QColor kSurround(255, 255, 255);

struct Metal {
    QColor hi;   // highlights
    QColor mid;  // body
    QColor lo;   // shadows and the outer edge
};

const Metal kCopper{QColor(0xFF, 0xD4, 0xB4), QColor(0xCF, 0x7A, 0x4A), QColor(0x6E, 0x2E, 0x12)};
const Metal kBronze{QColor(0xF4, 0xC6, 0x92), QColor(0xA8, 0x62, 0x2E), QColor(0x55, 0x28, 0x0C)};
const Metal kGoldBronze{QColor(0xFF, 0xE7, 0xA8), QColor(0xC9, 0x95, 0x3A), QColor(0x66, 0x42, 0x0E)};
const Metal kGold{QColor(0xFF, 0xF4, 0xB8), QColor(0xE0, 0xB4, 0x38), QColor(0x7A, 0x55, 0x08)};
const Metal kSilver{QColor(0xFF, 0xFF, 0xFF), QColor(0xB8, 0xBE, 0xC6), QColor(0x50, 0x56, 0x60)};

struct Coin {
    QString number;   // "1", "5", ...
    QString word;     // "CENTAVO", "CENTAVOS", "REAL"
    QString fileTail; // "2" for "cara2.bmp"; empty for the 1 real coin
    Metal ring;       // outer ring (the whole coin except for the bimetallic real)
    Metal core;       // centre
    bool bimetallic;
};

// Raised relief: a dark edge below right, a light edge above left, then the face of the relief.
void emboss(QPainter& p, const QPainterPath& shape, const Metal& m, double depth, const QRectF& lightBox,
            bool strong = false)
{
    p.save();
    p.setPen(Qt::NoPen);
    if (strong) {
        // A second, wider shadow makes the value stand out clearly from the field.
        p.setBrush(withAlpha(darker(m.lo, 0.3), 110));
        p.drawPath(shape.translated(depth * 1.8, depth * 1.8));
    }
    p.setBrush(withAlpha(darker(m.lo, strong ? 0.35 : 0.1), strong ? 245 : 200));
    p.drawPath(shape.translated(depth, depth));
    p.setBrush(withAlpha(m.hi, 230));
    p.drawPath(shape.translated(-depth * 0.7, -depth * 0.7));
    QLinearGradient face(lightBox.topLeft(), lightBox.bottomRight());
    face.setColorAt(0, mix(m.hi, m.mid, 0.35));
    face.setColorAt(0.5, mix(m.hi, m.mid, 0.7));
    face.setColorAt(1, mix(m.mid, m.lo, 0.25));
    p.setBrush(face);
    p.drawPath(shape);
    p.restore();
}

// Sunken lines engraved into a relief (hair strands, eye, lips).
void engrave(QPainter& p, const QPainterPath& lines, const Metal& m, double width)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(m.hi, 170), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(lines.translated(0.6, 0.6));
    p.setPen(QPen(withAlpha(darker(m.lo, 0.1), 190), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(lines);
    p.restore();
}

void fillDisc(QPainter& p, QPointF c, double r, const Metal& m, bool dished)
{
    // The field: brighter towards the upper left, darker at the lower right, with a dished
    // centre so that the coin reads as struck metal rather than a flat disc.
    QRadialGradient field(c + QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    field.setColorAt(0, mix(m.hi, m.mid, 0.25));
    field.setColorAt(0.55, m.mid);
    field.setColorAt(1, mix(m.mid, m.lo, 0.55));
    p.setPen(Qt::NoPen);
    p.setBrush(field);
    p.drawEllipse(c, r, r);
    if (dished) {
        QRadialGradient dish(c, r);
        dish.setColorAt(0.75, withAlpha(m.lo, 0));
        dish.setColorAt(1.0, withAlpha(m.lo, 70));
        p.setBrush(dish);
        p.drawEllipse(c, r, r);
    }
    // Fine brushed texture: concentric turning marks.
    p.setBrush(Qt::NoBrush);
    for (double rr = r * 0.12; rr < r; rr += 2.2) {
        p.setPen(QPen(QColor(255, 255, 255, 10), 0.8));
        p.drawEllipse(c, rr, rr);
    }
}

// Raised rim with a bevel on both sides, and a row of beads inside it.
void drawRim(QPainter& p, QPointF c, double rOuter, double rInner, const Metal& m)
{
    QPainterPath ring;
    ring.addEllipse(c, rOuter, rOuter);
    QPainterPath inner;
    inner.addEllipse(c, rInner, rInner);
    ring = ring.subtracted(inner);

    QConicalGradient bevel(c, 45);
    bevel.setColorAt(0.00, m.hi);
    bevel.setColorAt(0.25, mix(m.hi, m.mid, 0.5));
    bevel.setColorAt(0.50, mix(m.mid, m.lo, 0.5));
    bevel.setColorAt(0.75, mix(m.hi, m.mid, 0.5));
    bevel.setColorAt(1.00, m.hi);
    p.setPen(Qt::NoPen);
    p.setBrush(bevel);
    p.drawPath(ring);

    // The inner wall of the rim is lit from the opposite side.
    QConicalGradient wall(c, 225);
    wall.setColorAt(0.0, withAlpha(m.hi, 230));
    wall.setColorAt(0.5, withAlpha(m.lo, 200));
    wall.setColorAt(1.0, withAlpha(m.hi, 230));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(wall), 2.0));
    p.drawEllipse(c, rInner + 1.0, rInner + 1.0);
    // Outer edge.
    p.setPen(QPen(withAlpha(m.lo, 230), 1.4));
    p.drawEllipse(c, rOuter - 0.7, rOuter - 0.7);
}

void drawBeads(QPainter& p, QPointF c, double r, double bead, int count, const Metal& m)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double a = 2 * M_PI * i / count;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        p.setBrush(withAlpha(m.lo, 170));
        p.drawEllipse(pt + QPointF(0.5, 0.5), bead, bead);
        p.setBrush(mix(m.hi, m.mid, 0.3));
        p.drawEllipse(pt, bead, bead);
    }
}

// Common body of every face: shadow, rim, field. Returns the radius of the field.
double drawBlank(QPainter& p, const Coin& coin, QPointF c, double R)
{
    // Soft contact shadow.
    QRadialGradient shadow(c + QPointF(1.5, 2.0), R + 2);
    shadow.setColorAt(0.92, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(1.5, 2.0), R + 2, R + 2);

    const double rimInner = R * 0.87;
    if (coin.bimetallic) {
        const double joint = R * 0.64;
        fillDisc(p, c, R, coin.ring, false);
        drawRim(p, c, R, rimInner, coin.ring);
        // The joint between the two metals: a thin dark groove.
        fillDisc(p, c, joint, coin.core, true);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(coin.ring.lo, 220), 1.6));
        p.drawEllipse(c, joint + 0.6, joint + 0.6);
        p.setPen(QPen(withAlpha(coin.core.hi, 200), 1.0));
        p.drawEllipse(c, joint - 1.0, joint - 1.0);
    } else {
        fillDisc(p, c, R, coin.ring, true);
        drawRim(p, c, R, rimInner, coin.ring);
    }
    return rimInner;
}

void drawGlint(QPainter& p, QPointF c, double R)
{
    // A broad soft reflection over the upper left of the coin.
    p.save();
    QPainterPath disc;
    disc.addEllipse(c, R - 1, R - 1);
    p.setClipPath(disc);
    QLinearGradient sheen(c + QPointF(-R, -R), c + QPointF(R * 0.2, R * 0.2));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 90));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 25));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(c.x() - R, c.y() - R, 2 * R, 2 * R), sheen);
    p.restore();
}

// ---- value side -------------------------------------------------------------------------------

void drawValueFace(QPainter& p, const Coin& coin, QPointF c, double R)
{
    const double field = drawBlank(p, coin, c, R);
    const Metal& m = coin.bimetallic ? coin.core : coin.ring;
    drawBeads(p, c, field - 3.2, 1.25, 64, coin.ring);

    // "BRASIL" along the top, on the outer metal.
    const QFont legend = font(QStringLiteral("DejaVu Sans"), R * 0.155, QFont::Bold);
    const QPainterPath top = arcText(QStringLiteral("BRASIL"), legend, c, R * 0.66, 90, true, R * 0.045);
    emboss(p, top, coin.ring, 0.8, QRectF(c.x() - R, c.y() - R, 2 * R, R));

    // Small stars beside the value.
    for (int side : {-1, 1}) {
        const QPointF sc(c.x() + side * R * 0.62, c.y() + R * 0.06);
        emboss(p, starPath(sc, R * 0.075, R * 0.032, 5), coin.ring, 0.6, QRectF(sc - QPointF(5, 5), QSizeF(10, 10)));
    }

    // The value itself, large, and the unit below it.
    const double numH = R * 0.60;
    const double numW = coin.number.size() > 1 ? R * 0.88 : R * 0.42;
    const QRectF numBox(c.x() - numW / 2, c.y() - R * 0.33, numW, numH);
    const QPainterPath number =
        fittedText(coin.number, font(QStringLiteral("DejaVu Serif"), 100, QFont::Bold), numBox);
    emboss(p, number, m, 1.4, numBox, true);

    const QRectF wordBox(c.x() - R * 0.48, c.y() + R * 0.34, R * 0.96, R * 0.15);
    const QPainterPath word = fittedText(coin.word, font(QStringLiteral("DejaVu Sans"), 60, QFont::Bold), wordBox);
    emboss(p, word, m, 0.9, wordBox, true);

    // Ornamental line under the value.
    QPainterPath rule;
    rule.addRoundedRect(QRectF(c.x() - R * 0.30, c.y() + R * 0.28, R * 0.60, R * 0.028), 1, 1);
    emboss(p, rule, m, 0.6, rule.boundingRect());

    // The year, small, at the bottom of the outer metal.
    const QFont yearFont = font(QStringLiteral("DejaVu Sans"), R * 0.12, QFont::Bold);
    const QPainterPath year = arcText(QStringLiteral("2024"), yearFont,
                                      c, R * 0.77, 270, false, R * 0.02);
    emboss(p, year, coin.ring, 0.6, QRectF(c.x() - R, c.y(), 2 * R, R));

    drawGlint(p, c, R);
}

// ---- effigy side ------------------------------------------------------------------------------

// A classical profile, facing left, drawn in a 100 x 100 box.
QPainterPath profileHead()
{
    QPainterPath h;
    h.moveTo(60, 97);
    h.cubicTo(60, 88, 62, 80, 66, 72);
    h.cubicTo(76, 64, 81, 50, 79, 37);
    h.cubicTo(77, 19, 63, 8, 47, 9);
    h.cubicTo(35, 10, 28, 18, 27, 28);
    h.cubicTo(26.5, 33, 27.5, 36, 26, 39);
    h.lineTo(25, 41.5);
    h.cubicTo(23, 45, 20, 50, 18.5, 53.5);
    h.cubicTo(18, 55.2, 19.5, 56.6, 22, 56.6);
    h.cubicTo(23, 57, 23.4, 58, 23, 59);
    h.cubicTo(22, 60, 22, 61.5, 23.4, 62);
    h.cubicTo(22.4, 63, 22.5, 64.5, 24, 65.5);
    h.cubicTo(24.4, 67, 23.6, 68, 24, 70);
    h.cubicTo(24.5, 73, 27, 75, 31, 75.5);
    h.cubicTo(35, 76, 38, 76, 40, 75);
    h.cubicTo(41, 82, 41, 90, 38, 97);
    // Truncation of the bust, gently curved.
    h.cubicTo(45, 99, 53, 99, 60, 97);
    h.closeSubpath();
    return h;
}

QPainterPath profileHair()
{
    QPainterPath h;
    h.moveTo(27.5, 27);
    h.cubicTo(30, 12, 50, 4, 64, 10);
    h.cubicTo(78, 16, 84, 32, 80, 47);
    h.cubicTo(87, 50, 90, 61, 84, 68);
    h.cubicTo(78, 75, 67, 73, 64, 66);
    h.cubicTo(60, 56, 55, 45, 46, 37);
    h.cubicTo(39, 31, 33, 32, 27.5, 27);
    h.closeSubpath();
    return h;
}

QPainterPath profileDetails()
{
    QPainterPath d;
    // Eye and brow.
    d.moveTo(28, 45);
    d.cubicTo(30, 43.5, 32, 43.5, 34, 45);
    d.moveTo(27.5, 40.5);
    d.cubicTo(30, 39, 33, 39, 36, 40.5);
    // Lips.
    d.moveTo(23.5, 62);
    d.lineTo(27, 62.2);
    // Nostril.
    d.moveTo(22, 56.5);
    d.cubicTo(23.5, 55, 25, 55.5, 25.5, 57);
    // Ear.
    d.moveTo(56, 46);
    d.cubicTo(60, 45, 62, 50, 60, 55);
    d.cubicTo(59, 58, 56, 58, 55, 56);
    // Hair strands.
    for (int i = 0; i < 6; ++i) {
        const double t = i / 5.0;
        d.moveTo(33 + t * 10, 25 - t * 4);
        d.cubicTo(46 + t * 6, 18 + t * 2, 62 + t * 4, 22 + t * 6, 72 + t * 3, 36 + t * 8);
    }
    // The bun.
    d.moveTo(80, 54);
    d.cubicTo(84, 56, 85, 62, 81, 66);
    d.moveTo(76, 56);
    d.cubicTo(80, 60, 79, 66, 74, 68);
    return d;
}

// A wreath of small leaves along the hair.
QPainterPath laurel()
{
    QPainterPath leaves;
    const int n = 9;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / (n - 1);
        // Along a curve from the brow to the back of the head.
        const double x = 31 + 45 * t;
        const double y = 23 - 14 * std::sin(t * M_PI) + 16 * t;
        const double angle = -40 + 80 * t;
        for (int side : {-1, 1}) {
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.cubicTo(2.2, -2.6, 6.5, -2.6, 8.5, 0);
            leaf.cubicTo(6.5, 2.6, 2.2, 2.6, 0, 0);
            QTransform tr;
            tr.translate(x, y);
            tr.rotate(angle + side * 55);
            leaves.addPath(tr.map(leaf));
        }
    }
    return leaves;
}

// Two laurel sprigs curving up around the bottom of the effigy, one on each side.
QPainterPath sprigs(QPointF c, double R, QPainterPath* stems)
{
    QPainterPath out;
    const double rr = R * 0.68;
    auto at = [&](double deg) {
        const double a = deg * M_PI / 180.0;
        return QPointF(c.x() + rr * std::cos(a), c.y() - rr * std::sin(a));
    };
    for (int side : {-1, 1}) {
        const double start = 270 + side * 16, end = 270 + side * 80;
        stems->moveTo(at(start));
        for (int k = 1; k <= 16; ++k)
            stems->lineTo(at(start + (end - start) * k / 16.0));
        const int n = 6;
        for (int i = 0; i < n; ++i) {
            const double deg = start + (end - start) * (i + 0.5) / n;
            const QPointF pt = at(deg), ahead = at(deg + side * 2.0);
            const double dir = std::atan2(ahead.y() - pt.y(), ahead.x() - pt.x()) * 180.0 / M_PI;
            const double len = R * (0.13 - 0.012 * i);
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.cubicTo(len * 0.3, -len * 0.36, len * 0.75, -len * 0.34, len, 0);
            leaf.cubicTo(len * 0.75, len * 0.34, len * 0.3, len * 0.36, 0, 0);
            for (int k : {-1, 1}) {
                QTransform tr;
                tr.translate(pt.x(), pt.y());
                tr.rotate(dir + k * 38);
                out.addPath(tr.map(leaf));
            }
        }
        // A berry pair where the sprig starts.
        const QPointF b = at(start - side * 4);
        out.addEllipse(b, R * 0.028, R * 0.028);
    }
    return out;
}

void drawEffigyFace(QPainter& p, const Coin& coin, QPointF c, double R)
{
    const double field = drawBlank(p, coin, c, R);
    const Metal& m = coin.bimetallic ? coin.core : coin.ring;

    // A ring of small stars inside the rim.
    const int stars = 22;
    for (int i = 0; i < stars; ++i) {
        const double a = 2 * M_PI * i / stars;
        const QPointF sc(c.x() + (field - R * 0.085) * std::cos(a), c.y() + (field - R * 0.085) * std::sin(a));
        emboss(p, starPath(sc, R * 0.052, R * 0.022, 5, -90 + i * 7.0), coin.ring, 0.5,
               QRectF(sc - QPointF(4, 4), QSizeF(8, 8)));
    }

    // The effigy, centred a little high, with its sprigs below.
    const double box = coin.bimetallic ? R * 1.10 : R * 1.18;
    QTransform t;
    t.translate(c.x() - box * 0.52, c.y() - box * 0.55);
    t.scale(box / 100.0, box / 100.0);
    const QRectF lightBox = t.mapRect(QRectF(0, 0, 100, 100));

    const QPainterPath head = t.map(profileHead());
    const QPainterPath hair = t.map(profileHair());
    const double depth = R * 0.018;
    emboss(p, head, m, depth, lightBox);
    emboss(p, hair, m, depth * 0.8, lightBox);
    emboss(p, t.map(laurel()), m, depth * 0.6, lightBox);
    engrave(p, t.map(profileDetails()), m, std::max(0.7, R * 0.011));

    if (!coin.bimetallic) {
        QPainterPath stems;
        const QPainterPath leaves = sprigs(c, R, &stems);
        engrave(p, stems, m, std::max(0.8, R * 0.014));
        emboss(p, leaves, m, depth * 0.6, QRectF(c.x() - R, c.y(), 2 * R, R));
    }

    drawGlint(p, c, R);
}

void drawCoinFile(const QDir& dir, const QString& name, const Coin& coin, bool valueSide)
{
    QImage img = canvas(kSize, kSize, kSurround);
    QPainter p(&img);
    prepare(p);
    const QPointF c(kSize / 2.0 - 0.8, kSize / 2.0 - 1.0);
    const double R = kSize / 2.0 - 2.2;
    if (valueSide)
        drawValueFace(p, coin, c, R);
    else
        drawEffigyFace(p, coin, c, R);
    p.end();
    save(img, dir, name);
}

} // namespace

void writeCoins(const QDir& dir)
{
    // File number by coin value: "2" is 1 centavo up to "6" for 50 centavos; no number for 1 real.
    const Coin coins[] = {
        {QStringLiteral("1"), QStringLiteral("CENTAVO"), QStringLiteral("2"), kCopper, kCopper, false},
        {QStringLiteral("5"), QStringLiteral("CENTAVOS"), QStringLiteral("3"), kBronze, kBronze, false},
        {QStringLiteral("10"), QStringLiteral("CENTAVOS"), QStringLiteral("4"), kGoldBronze, kGoldBronze, false},
        {QStringLiteral("25"), QStringLiteral("CENTAVOS"), QStringLiteral("5"), kGold, kGold, false},
        {QStringLiteral("50"), QStringLiteral("CENTAVOS"), QStringLiteral("6"), kSilver, kSilver, false},
        {QStringLiteral("1"), QStringLiteral("REAL"), QString(), kSilver, kGold, true},
    };
    // The screens show the "coroa" file above the word "Cara" and the "cara" file above
    // "Coroa"; the side called Cara is the one with the value stamped on it (the coin help
    // teaches this), so the value goes into the "coroa" files and the effigy into the "cara" ones.
    for (const Coin& coin : coins) {
        drawCoinFile(dir, QStringLiteral("coroa%1.bmp").arg(coin.fileTail), coin, true);
        drawCoinFile(dir, QStringLiteral("cara%1.bmp").arg(coin.fileTail), coin, false);
    }
}

} // namespace assetgen::gamepics
