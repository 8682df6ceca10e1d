// Layout pictures of the game chooser: its own background, the three game banners with their
// highlighted twins, a drawn picture of each game's screen, and the glyphs of its two buttons.
// The drawing helpers of the game pictures (suits, stars, text outlines, shadows) are shared so
// that cards, coins and lettering look the same everywhere.
#include "game_pictures_common.h"
#include "generator.h"

#include <QFontMetricsF>
#include <QImageWriter>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {

using namespace gamepics;
using namespace gamepics::palette;

const QString kFolder = QStringLiteral("chooser");

const QColor kCardRed(0xC8, 0x10, 0x2E);
const QColor kCardBlack(0x16, 0x16, 0x1A);


// Writes a layout picture and returns its path relative to the layout folder. Pictures with
// type on them are PNG, so the lettering stays crisp; photographs-like backdrops are JPEG.
QString write(const QImage& img, const QDir& layoutDir, const QString& name)
{
    return writePicture(img, layoutDir, kFolder + u'/' + name, 90);
}

QLinearGradient goldGradient(const QRectF& r, bool bright = false)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, bright ? QColor(0xFF, 0xFC, 0xE0) : kGoldLight);
    g.setColorAt(0.45, bright ? QColor(0xFF, 0xD8, 0x50) : kGold);
    g.setColorAt(0.55, bright ? QColor(0xF0, 0xB8, 0x28) : QColor(0xC8, 0x90, 0x20));
    g.setColorAt(1.0, bright ? QColor(0xFF, 0xE6, 0x90) : QColor(0xF4, 0xCC, 0x60));
    return g;
}

// Gold lettering with a dark outline and a soft shadow.
void goldText(QPainter& p, const QPainterPath& text, bool bright, double outline = 2.2)
{
    dropShadow(p, text, QPointF(2.2, 2.6), 5, 110);
    p.save();
    p.setPen(QPen(QColor(0x3A, 0x22, 0x04), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(text.boundingRect(), bright));
    p.drawPath(text);
    // A fine light edge along the top of the letters.
    p.setClipPath(text);
    p.setPen(QPen(QColor(255, 255, 255, bright ? 200 : 140), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text.translated(0.6, 0.9));
    p.restore();
}

// ---- Coins ------------------------------------------------------------------------------

struct Metal {
    QColor light, mid, dark;
};
const Metal kCoinGold{QColor(0xFF, 0xF4, 0xB8), QColor(0xE0, 0xB4, 0x38), QColor(0x7A, 0x55, 0x08)};

// Raised relief: dark lower edge, light upper edge, then the face.
void relief(QPainter& p, const QPainterPath& shape, const Metal& m, double depth)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(m.dark, 200));
    p.drawPath(shape.translated(depth, depth));
    p.setBrush(withAlpha(m.light, 230));
    p.drawPath(shape.translated(-depth * 0.7, -depth * 0.7));
    const QRectF b = shape.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, lighter(m.mid, 0.25));
    g.setColorAt(1, darker(m.mid, 0.1));
    p.setBrush(g);
    p.drawPath(shape);
    p.restore();
}

QPainterPath crownPath(QPointF c, double w)
{
    const double h = w * 0.62;
    const double l = c.x() - w / 2, t = c.y() - h / 2;
    QPainterPath crown;
    crown.moveTo(l + w * 0.08, t + h * 0.78);
    crown.lineTo(l, t + h * 0.18);
    crown.lineTo(l + w * 0.27, t + h * 0.48);
    crown.lineTo(l + w * 0.5, t);
    crown.lineTo(l + w * 0.73, t + h * 0.48);
    crown.lineTo(l + w, t + h * 0.18);
    crown.lineTo(l + w * 0.92, t + h * 0.78);
    crown.closeSubpath();
    QPainterPath band;
    band.addRoundedRect(QRectF(l + w * 0.06, t + h * 0.8, w * 0.88, h * 0.2), w * 0.03, w * 0.03);
    QPainterPath balls;
    for (const QPointF& b : {QPointF(l, t + h * 0.16), QPointF(l + w * 0.5, t - h * 0.02), QPointF(l + w, t + h * 0.16)})
        balls.addEllipse(b, w * 0.07, w * 0.07);
    return crown.united(band).united(balls);
}

enum class CoinFace { Value, Crown };

// A coin seen from the front, `squash` < 1 tilts it away (seen in flight), with its edge below.
void drawCoin(QPainter& p, QPointF c, double r, const Metal& m, CoinFace face, double squash = 1.0,
              double angle = 0, const QString& value = QStringLiteral("1"),
              const QString& unit = QStringLiteral("REAL"))
{
    p.save();
    p.translate(c);
    p.rotate(angle);

    // Shadow and the edge of a tilted coin.
    QPainterPath disc;
    disc.addEllipse(QPointF(0, 0), r, r * squash);
    dropShadow(p, disc, QPointF(r * 0.06, r * 0.1), r * 0.18, 70);
    if (squash < 0.98) {
        const double thick = r * 0.16 * (1.0 - squash) + r * 0.03;
        for (double y = thick; y > 0; y -= 0.7) {
            p.setPen(Qt::NoPen);
            p.setBrush(mix(m.dark, m.mid, 0.35 + 0.3 * (y / thick)));
            p.drawEllipse(QPointF(0, y), r, r * squash);
        }
        // Milled edge.
        p.setPen(QPen(withAlpha(m.dark, 120), 0.8));
        for (int i = 0; i <= 40; ++i) {
            const double x = -r + 2 * r * i / 40.0;
            const double yy = r * squash * std::sqrt(std::max(0.0, 1 - (x / r) * (x / r)));
            p.drawLine(QPointF(x, yy), QPointF(x, yy + thick));
        }
    }
    p.scale(1.0, squash);

    // Rim.
    QLinearGradient rim(QPointF(-r, -r), QPointF(r, r));
    rim.setColorAt(0, m.light);
    rim.setColorAt(0.5, m.mid);
    rim.setColorAt(1, m.dark);
    p.setPen(QPen(darker(m.dark, 0.2), std::max(0.8, r * 0.025)));
    p.setBrush(rim);
    p.drawEllipse(QPointF(0, 0), r, r);
    // Dished field.
    const double f = r * 0.84;
    QLinearGradient field(QPointF(-f, -f), QPointF(f, f));
    field.setColorAt(0, darker(m.mid, 0.12));
    field.setColorAt(0.55, m.mid);
    field.setColorAt(1, lighter(m.mid, 0.35));
    p.setPen(QPen(withAlpha(m.dark, 150), std::max(0.6, r * 0.02)));
    p.setBrush(field);
    p.drawEllipse(QPointF(0, 0), f, f);
    // Beads around the field.
    p.setPen(Qt::NoPen);
    const int beads = std::clamp(int(r * 1.4), 18, 64);
    for (int i = 0; i < beads; ++i) {
        const double a = 2 * M_PI * i / beads;
        const QPointF b(std::cos(a) * r * 0.76, std::sin(a) * r * 0.76);
        p.setBrush(withAlpha(m.dark, 170));
        p.drawEllipse(b + QPointF(r * 0.008, r * 0.008), r * 0.022, r * 0.022);
        p.setBrush(lighter(m.mid, 0.4));
        p.drawEllipse(b, r * 0.02, r * 0.02);
    }

    if (face == CoinFace::Value) {
        const QPainterPath digits =
            fittedText(value, font(serif(), 80, QFont::Bold), QRectF(-r * 0.42, -r * 0.52, r * 0.84, r * 0.62));
        relief(p, digits, m, std::max(0.6, r * 0.025));
        const QPainterPath word =
            fittedText(unit, font(sans(), 40, QFont::Bold), QRectF(-r * 0.45, r * 0.2, r * 0.9, r * 0.2));
        relief(p, word, m, std::max(0.5, r * 0.015));
        // Two small stars either side of the figure.
        for (double side : {-1.0, 1.0})
            relief(p, starPath(QPointF(side * r * 0.58, -r * 0.14), r * 0.07, r * 0.03, 5), m, r * 0.012);
    } else {
        relief(p, crownPath(QPointF(0, -r * 0.08), r * 0.78), m, std::max(0.6, r * 0.025));
        // An arc of stars below the crown.
        for (int i = 0; i < 7; ++i) {
            const double a = (205.0 + 130.0 * i / 6.0) * M_PI / 180.0;
            const QPointF s(std::cos(a) * r * 0.58, -std::sin(a) * r * 0.58);
            relief(p, starPath(s, r * 0.065, r * 0.028, 5), m, std::max(0.4, r * 0.012));
        }
    }

    // Glint on the rim.
    sparkle(p, QPointF(-r * 0.52, -r * 0.6), r * 0.2, QColor(255, 255, 255, 220));
    p.restore();
}

// ---- Cards and chips --------------------------------------------------------------------

QString rankName(int rank)
{
    switch (rank) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

bool isRed(Suit s) { return s == Suit::Hearts || s == Suit::Diamonds; }

void drawCardBack(QPainter& p, const QRectF& r)
{
    const double rad = r.width() * 0.09;
    p.setPen(QPen(QColor(0x9A, 0x9A, 0xA0), std::max(0.6, r.width() * 0.012)));
    p.setBrush(QColor(0xFB, 0xFB, 0xF8));
    p.drawPath(roundedRect(r, rad));
    const QRectF in = r.adjusted(r.width() * 0.08, r.width() * 0.08, -r.width() * 0.08, -r.width() * 0.08);
    const QPainterPath field = roundedRect(in, rad * 0.6);
    QRadialGradient bg(in.center(), in.height() * 0.7);
    bg.setColorAt(0, QColor(0xB8, 0x18, 0x2C));
    bg.setColorAt(1, QColor(0x74, 0x08, 0x16));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawPath(field);
    p.save();
    p.setClipPath(field);
    p.setPen(QPen(QColor(0xF2, 0xC8, 0x5A, 130), std::max(0.5, r.width() * 0.01)));
    const double step = std::max(3.0, r.width() * 0.13);
    for (double x = in.left() - in.height(); x < in.right() + in.height(); x += step) {
        p.drawLine(QPointF(x, in.top()), QPointF(x + in.height(), in.bottom()));
        p.drawLine(QPointF(x, in.top()), QPointF(x - in.height(), in.bottom()));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xF2, 0xC8, 0x5A), std::max(0.6, r.width() * 0.018)));
    p.drawPath(roundedRect(in.adjusted(r.width() * 0.04, r.width() * 0.04, -r.width() * 0.04, -r.width() * 0.04), rad * 0.4));
    // Medallion with the spade.
    const QPointF c = in.center();
    p.setBrush(QColor(0x5A, 0x04, 0x10));
    p.drawEllipse(c, in.width() * 0.3, in.height() * 0.24);
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(QRectF(c.x() - 10, c.y() - 10, 20, 20)));
    const double s = in.width() * 0.3;
    p.drawPath(suitPath(Suit::Spades, QRectF(c.x() - s / 2, c.y() - s * 0.55, s, s * 1.05)));
}

// A card face: corner indexes and a large centre (a pip, or a crowned letter on a court card).
void drawCardFace(QPainter& p, const QRectF& r, int rank, Suit suit)
{
    const double rad = r.width() * 0.09;
    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0, Qt::white);
    paper.setColorAt(1, QColor(0xEE, 0xEC, 0xE4));
    p.setPen(QPen(QColor(0x9A, 0x9A, 0xA0), std::max(0.6, r.width() * 0.012)));
    p.setBrush(paper);
    p.drawPath(roundedRect(r, rad));

    const QColor ink = isRed(suit) ? kCardRed : kCardBlack;
    const double w = r.width();
    const QString name = rankName(rank);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    auto corner = [&](bool flip) {
        p.save();
        if (flip) {
            p.translate(r.center());
            p.rotate(180);
            p.translate(-r.center());
        }
        const QRectF idx(r.left() + w * 0.05, r.top() + w * 0.06, w * 0.2, w * 0.2);
        p.drawPath(fittedText(name, font(serif(), 60, QFont::Bold), name.size() > 1 ? idx.adjusted(-w * 0.03, 0, w * 0.03, 0) : idx));
        p.drawPath(suitPath(suit, QRectF(idx.left() + w * 0.02, idx.bottom() + w * 0.04, w * 0.16, w * 0.17)));
        p.restore();
    };
    corner(false);
    corner(true);

    const QPointF c = r.center();
    if (rank >= 11) {
        const QRectF frame(r.left() + w * 0.26, r.top() + w * 0.26, w * 0.48, r.height() - w * 0.52);
        QLinearGradient court(frame.topLeft(), frame.bottomLeft());
        court.setColorAt(0, QColor(0xFF, 0xF6, 0xDC));
        court.setColorAt(1, QColor(0xF6, 0xE2, 0xB0));
        p.setBrush(court);
        p.setPen(QPen(kGold, std::max(0.6, w * 0.014)));
        p.drawRect(frame);
        p.setPen(Qt::NoPen);
        p.setBrush(goldGradient(frame));
        p.drawPath(crownPath(QPointF(c.x(), frame.top() + frame.height() * 0.2), frame.width() * 0.6));
        p.setBrush(ink);
        p.drawPath(fittedText(name, font(serif(), 80, QFont::Bold),
                              QRectF(frame.left(), frame.top() + frame.height() * 0.36, frame.width(), frame.height() * 0.42)));
        p.drawPath(suitPath(suit, QRectF(c.x() - w * 0.06, frame.bottom() - frame.height() * 0.17, w * 0.12, w * 0.12)));
    } else {
        const double s = w * (rank == 1 ? 0.46 : 0.36);
        p.drawPath(suitPath(suit, QRectF(c.x() - s / 2, c.y() - s / 2, s, s * 1.04)));
    }
}

void drawCard(QPainter& p, const QRectF& r, int rank, Suit suit, double angle, bool faceDown = false)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF local(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    dropShadow(p, roundedRect(local, r.width() * 0.09), QPointF(r.width() * 0.04, r.width() * 0.05),
               r.width() * 0.1, 70);
    if (faceDown)
        drawCardBack(p, local);
    else
        drawCardFace(p, local, rank, suit);
    p.restore();
}

void drawChip(QPainter& p, QPointF c, double r, const QColor& colour, double squash = 1.0)
{
    p.save();
    p.translate(c);
    // A short stack edge below a chip seen slightly from above.
    if (squash < 0.99) {
        const double thick = r * 0.16;
        for (double y = thick; y > 0; y -= 0.6) {
            p.setPen(Qt::NoPen);
            p.setBrush(darker(colour, 0.35));
            p.drawEllipse(QPointF(0, y), r, r * squash);
        }
        for (int i = 0; i < 6; ++i) {
            const double x = -r + r * 0.18 + i * r * 0.33;
            p.setBrush(QColor(0xF4, 0xF0, 0xE6));
            const double yy = r * squash * std::sqrt(std::max(0.0, 1 - (x / r) * (x / r)));
            p.drawRect(QRectF(x - r * 0.05, yy, r * 0.1, thick));
        }
    }
    p.scale(1.0, squash);
    QPainterPath disc;
    disc.addEllipse(QPointF(0, 0), r, r);
    if (squash >= 0.99)
        dropShadow(p, disc, QPointF(r * 0.08, r * 0.1), r * 0.2, 80);
    QRadialGradient body(QPointF(-r * 0.3, -r * 0.35), r * 1.4);
    body.setColorAt(0, lighter(colour, 0.3));
    body.setColorAt(1, darker(colour, 0.25));
    p.setPen(QPen(darker(colour, 0.5), std::max(0.6, r * 0.04)));
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), r, r);
    // Edge inserts.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF8, 0xF4, 0xEA));
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.rotate(i * 60);
        p.drawRect(QRectF(-r * 0.13, -r * 0.98, r * 0.26, r * 0.24));
        p.restore();
    }
    // Inner ring and centre.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xF8, 0xF4, 0xEA, 220), std::max(0.6, r * 0.05), Qt::DashLine));
    p.drawEllipse(QPointF(0, 0), r * 0.66, r * 0.66);
    QRadialGradient centre(QPointF(-r * 0.15, -r * 0.2), r * 0.6);
    centre.setColorAt(0, lighter(colour, 0.45));
    centre.setColorAt(1, lighter(colour, 0.1));
    p.setPen(Qt::NoPen);
    p.setBrush(centre);
    p.drawEllipse(QPointF(0, 0), r * 0.5, r * 0.5);
    p.setBrush(withAlpha(darker(colour, 0.45), 200));
    p.drawPath(fittedText(QStringLiteral("ZOR"), font(serif(), 40, QFont::Bold), QRectF(-r * 0.34, -r * 0.14, r * 0.68, r * 0.28)));
    gloss(p, disc, 70);
    p.restore();
}

// ---- Slot machine -----------------------------------------------------------------------

enum class Symbol { Seven, Cherry, Bell, Bar, Lemon };

void drawSymbol(QPainter& p, Symbol s, const QRectF& box)
{
    p.save();
    const QPointF c = box.center();
    const double u = std::min(box.width(), box.height());
    switch (s) {
    case Symbol::Seven: {
        const QPainterPath seven = fittedText(QStringLiteral("7"), font(serif(), 100, QFont::Black),
                                              box.adjusted(u * 0.14, u * 0.08, -u * 0.14, -u * 0.08));
        p.setPen(QPen(QColor(0x5A, 0x04, 0x08), u * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(seven);
        QLinearGradient g(box.topLeft(), box.bottomLeft());
        g.setColorAt(0, QColor(0xFF, 0x6A, 0x5A));
        g.setColorAt(0.5, QColor(0xE0, 0x10, 0x18));
        g.setColorAt(1, QColor(0x90, 0x04, 0x0C));
        p.setPen(QPen(kGold, u * 0.025));
        p.setBrush(g);
        p.drawPath(seven);
        break;
    }
    case Symbol::Cherry: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x2E, 0x7A, 0x1E), u * 0.05, Qt::SolidLine, Qt::RoundCap));
        const QPointF top(c.x() + u * 0.1, box.top() + u * 0.16);
        const QPointF l(c.x() - u * 0.18, c.y() + u * 0.12), rr(c.x() + u * 0.2, c.y() + u * 0.2);
        QPainterPath stems;
        stems.moveTo(l);
        stems.quadTo(QPointF(c.x() - u * 0.12, box.top() + u * 0.3), top);
        stems.moveTo(rr);
        stems.quadTo(QPointF(c.x() + u * 0.2, box.top() + u * 0.34), top);
        p.drawPath(stems);
        QPainterPath leaf;
        leaf.moveTo(top);
        leaf.quadTo(top + QPointF(u * 0.12, -u * 0.12), top + QPointF(u * 0.3, -u * 0.02));
        leaf.quadTo(top + QPointF(u * 0.14, u * 0.08), top);
        p.setPen(QPen(QColor(0x1E, 0x5A, 0x12), u * 0.015));
        p.setBrush(QColor(0x4C, 0xB0, 0x34));
        p.drawPath(leaf);
        for (const QPointF& b : {l, rr}) {
            const QPointF bc = b + QPointF(0, u * 0.1);
            QRadialGradient g(bc - QPointF(u * 0.06, u * 0.07), u * 0.2);
            g.setColorAt(0, QColor(0xFF, 0x7A, 0x7A));
            g.setColorAt(0.5, QColor(0xD8, 0x10, 0x1C));
            g.setColorAt(1, QColor(0x70, 0x02, 0x08));
            p.setPen(QPen(QColor(0x50, 0x02, 0x06), u * 0.015));
            p.setBrush(g);
            p.drawEllipse(bc, u * 0.16, u * 0.16);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawEllipse(bc - QPointF(u * 0.06, u * 0.06), u * 0.035, u * 0.025);
        }
        break;
    }
    case Symbol::Bell: {
        QPainterPath bell;
        const double w = u * 0.62, h = u * 0.6;
        const double l = c.x() - w / 2, t = c.y() - h / 2 - u * 0.04;
        bell.moveTo(c.x(), t);
        bell.cubicTo(l + w * 0.15, t, l + w * 0.12, t + h * 0.55, l, t + h * 0.82);
        bell.lineTo(l + w, t + h * 0.82);
        bell.cubicTo(l + w * 0.88, t + h * 0.55, l + w * 0.85, t, c.x(), t);
        bell.closeSubpath();
        QPainterPath lip;
        lip.addRoundedRect(QRectF(l - w * 0.04, t + h * 0.78, w * 1.08, h * 0.12), h * 0.05, h * 0.05);
        bell = bell.united(lip);
        QPainterPath clapper;
        clapper.addEllipse(QPointF(c.x(), t + h * 0.98), u * 0.07, u * 0.07);
        p.setPen(QPen(kGoldDeep, u * 0.025));
        p.setBrush(goldGradient(bell.boundingRect(), true));
        p.drawPath(clapper);
        QLinearGradient g(QPointF(l, 0), QPointF(l + w, 0));
        g.setColorAt(0, QColor(0xB8, 0x84, 0x10));
        g.setColorAt(0.35, QColor(0xFF, 0xEE, 0x90));
        g.setColorAt(1, QColor(0xA0, 0x70, 0x08));
        p.setBrush(g);
        p.drawPath(bell);
        break;
    }
    case Symbol::Bar: {
        const QRectF bar(box.left() + u * 0.1, c.y() - u * 0.2, box.width() - u * 0.2, u * 0.4);
        p.setPen(QPen(kGold, u * 0.035));
        QLinearGradient g(bar.topLeft(), bar.bottomLeft());
        g.setColorAt(0, QColor(0x40, 0x40, 0x48));
        g.setColorAt(1, QColor(0x08, 0x08, 0x0C));
        p.setBrush(g);
        p.drawPath(roundedRect(bar, u * 0.06));
        p.setPen(Qt::NoPen);
        p.setBrush(goldGradient(bar, true));
        p.drawPath(fittedText(QStringLiteral("BAR"), font(display(), 80, QFont::Bold), bar.adjusted(u * 0.08, u * 0.07, -u * 0.08, -u * 0.07)));
        break;
    }
    case Symbol::Lemon: {
        QRadialGradient g(c - QPointF(u * 0.1, u * 0.1), u * 0.4);
        g.setColorAt(0, QColor(0xFF, 0xFA, 0xA0));
        g.setColorAt(0.6, QColor(0xF4, 0xD8, 0x20));
        g.setColorAt(1, QColor(0xB8, 0x98, 0x00));
        p.setPen(QPen(QColor(0x8A, 0x70, 0x00), u * 0.02));
        p.setBrush(g);
        p.drawEllipse(c, u * 0.34, u * 0.25);
        p.drawEllipse(c + QPointF(u * 0.34, 0), u * 0.05, u * 0.04);
        break;
    }
    }
    p.restore();
}

// One reel window: a drum turning behind glass, the middle symbol in full and a glimpse of the
// ones above and below.
void drawReel(QPainter& p, const QRectF& r, Symbol above, Symbol middle, Symbol below)
{
    p.save();
    const QPainterPath window = roundedRect(r, r.width() * 0.06);
    p.setClipPath(window);
    QLinearGradient drum(r.topLeft(), r.bottomLeft());
    drum.setColorAt(0.0, QColor(0x9A, 0x9A, 0x9A));
    drum.setColorAt(0.22, QColor(0xF4, 0xF4, 0xF0));
    drum.setColorAt(0.5, Qt::white);
    drum.setColorAt(0.78, QColor(0xF0, 0xF0, 0xEA));
    drum.setColorAt(1.0, QColor(0x90, 0x90, 0x90));
    p.fillRect(r, drum);
    const double cell = r.height() * 0.62;
    drawSymbol(p, middle, QRectF(r.left(), r.center().y() - cell / 2, r.width(), cell));
    drawSymbol(p, above, QRectF(r.left(), r.center().y() - cell * 1.5, r.width(), cell));
    drawSymbol(p, below, QRectF(r.left(), r.center().y() + cell / 2, r.width(), cell));
    // Shade the drum's curve over the symbols.
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0.0, QColor(0, 0, 0, 150));
    shade.setColorAt(0.25, QColor(0, 0, 0, 0));
    shade.setColorAt(0.75, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 150));
    p.fillRect(r, shade);
    p.restore();
    p.setPen(QPen(QColor(0x30, 0x20, 0x08), std::max(0.8, r.width() * 0.03)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(window);
}

// A lever on the machine's right side; `top` is where the knob sits.
void drawLever(QPainter& p, QPointF base, QPointF knob, double scale)
{
    p.save();
    QLinearGradient rod(base - QPointF(scale * 0.05, 0), base + QPointF(scale * 0.05, 0));
    rod.setColorAt(0, QColor(0x70, 0x74, 0x7A));
    rod.setColorAt(0.4, QColor(0xF4, 0xF6, 0xF8));
    rod.setColorAt(1, QColor(0x60, 0x64, 0x6A));
    p.setPen(QPen(QBrush(rod), scale * 0.09, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, knob);
    p.setPen(QPen(QColor(0x40, 0x42, 0x48), scale * 0.02));
    QLinearGradient hub(base - QPointF(0, scale * 0.14), base + QPointF(0, scale * 0.14));
    hub.setColorAt(0, QColor(0xD8, 0xDA, 0xDE));
    hub.setColorAt(1, QColor(0x50, 0x52, 0x58));
    p.setBrush(hub);
    p.drawRoundedRect(QRectF(base.x() - scale * 0.08, base.y() - scale * 0.14, scale * 0.2, scale * 0.28), scale * 0.04, scale * 0.04);
    QRadialGradient ball(knob - QPointF(scale * 0.05, scale * 0.05), scale * 0.16);
    ball.setColorAt(0, QColor(0xFF, 0x9A, 0x9A));
    ball.setColorAt(0.5, QColor(0xE0, 0x10, 0x18));
    ball.setColorAt(1, QColor(0x6A, 0x02, 0x06));
    p.setPen(QPen(QColor(0x50, 0x02, 0x04), scale * 0.015));
    p.setBrush(ball);
    p.drawEllipse(knob, scale * 0.12, scale * 0.12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(knob - QPointF(scale * 0.045, scale * 0.05), scale * 0.035, scale * 0.025);
    p.restore();
}

// A small slot machine cabinet filling `r`, with a marquee of bulbs, three reels and a lever.
void drawSlotMachine(QPainter& p, const QRectF& r, bool lit)
{
    const double u = r.width();
    const QRectF body(r.left(), r.top() + r.height() * 0.2, u * 0.8, r.height() * 0.8);
    const QPainterPath cabinet = roundedRect(body, u * 0.07);
    dropShadow(p, cabinet, QPointF(u * 0.03, u * 0.04), u * 0.05, 90);

    drawLever(p, QPointF(body.right() + u * 0.015, body.center().y() + body.height() * 0.05),
              QPointF(body.right() + u * 0.13, body.top() - r.height() * 0.05), u * 0.5);

    QLinearGradient metal(body.topLeft(), body.topRight());
    metal.setColorAt(0, QColor(0x8A, 0x0A, 0x14));
    metal.setColorAt(0.45, QColor(0xE0, 0x30, 0x30));
    metal.setColorAt(1, QColor(0x70, 0x06, 0x10));
    p.setPen(QPen(kGoldDeep, u * 0.015));
    p.setBrush(metal);
    p.drawPath(cabinet);
    gloss(p, cabinet, 60);

    // Marquee on top.
    const QRectF marquee(body.left() + u * 0.06, r.top() + r.height() * 0.02, body.width() - u * 0.12, r.height() * 0.24);
    const QPainterPath sign = roundedRect(marquee, marquee.height() * 0.4);
    p.setPen(QPen(kGoldDeep, u * 0.012));
    p.setBrush(goldGradient(marquee, lit));
    p.drawPath(sign);
    const QRectF inner = marquee.adjusted(u * 0.03, u * 0.03, -u * 0.03, -u * 0.03);
    p.setBrush(QColor(0x30, 0x06, 0x0A));
    p.drawPath(roundedRect(inner, inner.height() * 0.35));
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(inner, true));
    p.drawPath(fittedText(QStringLiteral("777"), font(display(), 60, QFont::Bold), inner.adjusted(u * 0.05, u * 0.015, -u * 0.05, -u * 0.015)));
    for (int i = 0; i < 9; ++i) {
        const QPointF b(marquee.left() + marquee.width() * (0.06 + 0.88 * i / 8.0), marquee.top() + u * 0.014);
        sparkle(p, b, u * 0.018 * (lit && i % 2 ? 1.8 : 1.0), QColor(0xFF, 0xF6, 0xC0, 235));
    }

    // The reel window with three reels.
    const QRectF glass(body.left() + u * 0.07, body.top() + body.height() * 0.14, body.width() - u * 0.14, body.height() * 0.42);
    p.setPen(QPen(kGoldDeep, u * 0.012));
    p.setBrush(goldGradient(glass.adjusted(-u * 0.02, -u * 0.02, u * 0.02, u * 0.02), lit));
    p.drawPath(roundedRect(glass.adjusted(-u * 0.025, -u * 0.025, u * 0.025, u * 0.025), u * 0.04));
    const double gap = u * 0.02;
    const double rw = (glass.width() - 2 * gap) / 3;
    const Symbol above[3] = {Symbol::Cherry, Symbol::Bar, Symbol::Bell};
    const Symbol below[3] = {Symbol::Bell, Symbol::Cherry, Symbol::Bar};
    for (int i = 0; i < 3; ++i)
        drawReel(p, QRectF(glass.left() + i * (rw + gap), glass.top(), rw, glass.height()), above[i], Symbol::Seven, below[i]);

    // Buttons and the coin tray.
    for (int i = 0; i < 3; ++i) {
        const QRectF btn(body.left() + u * (0.12 + i * 0.2), body.top() + body.height() * 0.64, u * 0.14, body.height() * 0.07);
        QLinearGradient g(btn.topLeft(), btn.bottomLeft());
        const QColor base = i == 2 ? QColor(0x30, 0xB0, 0x40) : QColor(0xF0, 0xD0, 0x40);
        g.setColorAt(0, lighter(base, 0.4));
        g.setColorAt(1, darker(base, 0.25));
        p.setPen(QPen(darker(base, 0.5), u * 0.008));
        p.setBrush(g);
        p.drawRoundedRect(btn, u * 0.02, u * 0.02);
    }
    const QRectF tray(body.left() + u * 0.16, body.bottom() - body.height() * 0.2, body.width() - u * 0.32, body.height() * 0.12);
    QLinearGradient tg(tray.topLeft(), tray.bottomLeft());
    tg.setColorAt(0, QColor(0x20, 0x10, 0x10));
    tg.setColorAt(1, QColor(0x60, 0x50, 0x50));
    p.setPen(QPen(kGoldDeep, u * 0.01));
    p.setBrush(tg);
    p.drawRoundedRect(tray, u * 0.03, u * 0.03);
    drawCoin(p, tray.center() + QPointF(-u * 0.05, -u * 0.005), u * 0.045, kCoinGold, CoinFace::Value, 0.45);
    drawCoin(p, tray.center() + QPointF(u * 0.06, u * 0.005), u * 0.045, kCoinGold, CoinFace::Value, 0.45);
}

// ---- Banners ----------------------------------------------------------------------------

struct BannerStyle {
    QColor top, bottom;       // the plaque's gradient
    QColor litTop, litBottom; // the same, lit up
    QColor accent;            // the halo of the highlighted banner
};

enum class Game { Coin, Slots, Blackjack };

BannerStyle bannerStyle(Game g)
{
    switch (g) {
    case Game::Coin:
        return {QColor(0x1E, 0x4F, 0xB4), QColor(0x08, 0x1C, 0x52), QColor(0x3A, 0x8C, 0xFF), QColor(0x10, 0x38, 0x9A),
                QColor(0x9F, 0xD8, 0xFF)};
    case Game::Slots:
        return {QColor(0xB4, 0x16, 0x2C), QColor(0x46, 0x04, 0x0E), QColor(0xF4, 0x30, 0x4C), QColor(0x80, 0x08, 0x1A),
                QColor(0xFF, 0xB0, 0x70)};
    case Game::Blackjack:
        return {QColor(0x1A, 0x8A, 0x46), QColor(0x06, 0x38, 0x1A), QColor(0x26, 0xC4, 0x62), QColor(0x0A, 0x60, 0x2C),
                QColor(0xB0, 0xFF, 0x9C)};
    }
    return {};
}

void paintBannerPlaque(QPainter& p, const QRectF& r, const BannerStyle& s, bool lit, Game game)
{
    const QPainterPath plaque = roundedRect(r.adjusted(1, 1, -1, -1), 12);
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0, lit ? s.litTop : s.top);
    body.setColorAt(1, lit ? s.litBottom : s.bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(plaque);

    p.save();
    p.setClipPath(plaque);
    // A faint band of the game's motifs behind everything.
    const QColor motif = withAlpha(Qt::white, lit ? 26 : 16);
    p.setBrush(motif);
    int i = 0;
    for (double x = 6; x < r.width(); x += 26, ++i) {
        for (int row = 0; row < 4; ++row) {
            const double y = 4 + row * 24 + ((i % 2) ? 12 : 0);
            const QRectF box(x, y, 11, 11);
            if (game == Game::Coin) {
                p.drawEllipse(box);
            } else if (game == Game::Slots) {
                p.drawPath(starPath(box.center(), 6, 2.6, 5));
            } else {
                p.drawPath(suitPath(Suit((i + row) % 4), box));
            }
        }
    }
    // Light from the upper left, and a sweep of light across the highlighted banner.
    QRadialGradient glow(QPointF(r.width() * 0.25, -r.height() * 0.2), r.width() * 0.6);
    glow.setColorAt(0, withAlpha(Qt::white, 50));
    glow.setColorAt(1, withAlpha(Qt::white, 0));
    p.fillRect(r, glow);
    if (lit) {
        QLinearGradient sweep(QPointF(r.width() * 0.35, 0), QPointF(r.width() * 0.65, r.height()));
        sweep.setColorAt(0.0, withAlpha(Qt::white, 0));
        sweep.setColorAt(0.5, withAlpha(Qt::white, 28));
        sweep.setColorAt(1.0, withAlpha(Qt::white, 0));
        p.fillRect(r, sweep);
    }
    // Glassy top half.
    QLinearGradient shine(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.5));
    shine.setColorAt(0, withAlpha(Qt::white, 45));
    shine.setColorAt(1, withAlpha(Qt::white, 0));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.5), shine);
    // Vignette at the ends.
    QLinearGradient ends(r.topLeft(), r.topRight());
    ends.setColorAt(0, QColor(0, 0, 0, 70));
    ends.setColorAt(0.12, QColor(0, 0, 0, 0));
    ends.setColorAt(0.88, QColor(0, 0, 0, 0));
    ends.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(r, ends);
    p.restore();

    // Gold frame: outer bevel and an inner fillet; lit, the frame glows inwards.
    p.setBrush(Qt::NoBrush);
    if (lit) {
        p.save();
        p.setClipPath(plaque);
        for (int k = 4; k >= 1; --k) {
            p.setPen(QPen(withAlpha(QColor(0xFF, 0xE8, 0x90), 36), 4.0 + k * 4.0));
            p.drawPath(roundedRect(r.adjusted(2, 2, -2, -2), 11));
        }
        p.restore();
    }
    QLinearGradient frame(r.topLeft(), r.bottomLeft());
    frame.setColorAt(0, lit ? QColor(0xFF, 0xFC, 0xD8) : kGoldLight);
    frame.setColorAt(0.5, lit ? QColor(0xFF, 0xD0, 0x40) : kGold);
    frame.setColorAt(1, lit ? QColor(0xC8, 0x8A, 0x10) : kGoldDeep);
    p.setPen(QPen(QBrush(frame), lit ? 4.0 : 3.0));
    p.drawPath(roundedRect(r.adjusted(2, 2, -2, -2), 11));
    p.setPen(QPen(withAlpha(lit ? QColor(0xFF, 0xF4, 0xC0) : kGold, lit ? 230 : 170), 1.0));
    p.drawPath(roundedRect(r.adjusted(6.5, 6.5, -6.5, -6.5), 8));
    // Corner studs.
    for (const QPointF& c : {QPointF(r.left() + 12, r.top() + 12), QPointF(r.right() - 12, r.top() + 12),
                             QPointF(r.left() + 12, r.bottom() - 12), QPointF(r.right() - 12, r.bottom() - 12)}) {
        QRadialGradient stud(c - QPointF(1, 1), 3.5);
        stud.setColorAt(0, Qt::white);
        stud.setColorAt(0.5, kGold);
        stud.setColorAt(1, kGoldDeep);
        p.setPen(Qt::NoPen);
        p.setBrush(stud);
        p.drawEllipse(c, 2.6, 2.6);
    }
}

// The banner of one game: motif on the left, the title on the right. The highlighted twin is
// the same banner lit up: brighter plaque and frame, a halo behind motif and title, sparkles.
QImage renderBanner(Game game, bool lit)
{
    const int W = 530, H = 91;
    QImage img = canvas(W, H, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const BannerStyle s = bannerStyle(game);
    const QRectF r(0, 0, W, H);
    // The corners outside the rounded plaque stay transparent: the theme shows through them.
    paintBannerPlaque(p, r, s, lit, game);

    const QRectF motif(16, 8, 150, 75);
    if (lit) {
        QRadialGradient halo(motif.center(), 80);
        halo.setColorAt(0, withAlpha(s.accent, 150));
        halo.setColorAt(0.55, withAlpha(s.accent, 50));
        halo.setColorAt(1, withAlpha(s.accent, 0));
        p.save();
        p.setClipPath(roundedRect(r.adjusted(4, 4, -4, -4), 10));
        p.fillRect(QRectF(motif.center().x() - 90, 0, 180, H), halo);
        p.restore();
    }

    switch (game) {
    case Game::Coin:
        // One coin lies flat showing its value, the other spins in the air above it.
        drawCoin(p, QPointF(60, 50), 31, kCoinGold, CoinFace::Value, 1.0, -8);
        drawCoin(p, QPointF(128, 42), 29, kCoinGold, CoinFace::Crown, 0.62, 16);
        // Motion arcs of the toss.
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 3; ++k) {
            p.setPen(QPen(withAlpha(Qt::white, lit ? 200 - k * 50 : 140 - k * 35), 1.6 - k * 0.3, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(96 - k * 6, 10 + k * 5, 60, 50), 110 * 16, 70 * 16);
        }
        break;
    case Game::Slots:
        drawSlotMachine(p, QRectF(40, 6, 100, 80), lit);
        break;
    case Game::Blackjack:
        drawChip(p, QPointF(140, 66), 14, QColor(0x1E, 0x4E, 0xC8), 0.55);
        drawChip(p, QPointF(140, 60), 14, QColor(0xC8, 0x16, 0x24), 0.55);
        drawChip(p, QPointF(140, 54), 14, QColor(0x22, 0x22, 0x28), 0.55);
        drawCard(p, QRectF(40, 13, 44, 64), 1, Suit::Spades, -14);
        drawCard(p, QRectF(72, 11, 44, 64), 13, Suit::Hearts, 10);
        break;
    }

    // The title, centred in the space right of the motif.
    const QString title = game == Game::Coin ? QStringLiteral("Cara ou Coroa")
        : game == Game::Slots                ? QStringLiteral("Caça-Níquel")
                                             : QStringLiteral("BlackJack");
    const QRectF titleBox(186, 17, 300, 56);
    if (lit) {
        QRadialGradient halo(titleBox.center(), titleBox.width() * 0.6);
        halo.setColorAt(0, withAlpha(QColor(0xFF, 0xF0, 0xA0), 120));
        halo.setColorAt(1, withAlpha(QColor(0xFF, 0xF0, 0xA0), 0));
        p.save();
        p.setClipPath(roundedRect(r.adjusted(4, 4, -4, -4), 10));
        p.translate(titleBox.center());
        p.scale(1.0, 0.35);
        p.translate(-titleBox.center());
        p.fillRect(titleBox.adjusted(-60, -80, 60, 80), halo);
        p.restore();
    }
    const QPainterPath text = fittedText(title, font(serif(), 64, QFont::Bold, true), titleBox);
    goldText(p, text, lit, 3.0);

    // A thin rule with a diamond under the title.
    const QRectF tb = text.boundingRect();
    const double ry = std::min(tb.bottom() + 7, double(H) - 11);
    p.setPen(QPen(withAlpha(lit ? QColor(0xFF, 0xF0, 0xB0) : kGold, 200), 1.0));
    p.drawLine(QPointF(tb.left() + 20, ry), QPointF(tb.center().x() - 8, ry));
    p.drawLine(QPointF(tb.center().x() + 8, ry), QPointF(tb.right() - 20, ry));
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? QColor(0xFF, 0xF0, 0xB0) : kGold);
    p.drawPath(suitPath(Suit::Diamonds, QRectF(tb.center().x() - 4, ry - 4.5, 8, 9)));

    if (lit) {
        Rng rng(0xC0FFEEu + std::uint32_t(game));
        for (int k = 0; k < 14; ++k) {
            const QPointF c(rng.uniform(14, W - 14), rng.uniform(10, H - 10));
            sparkle(p, c, rng.uniform(1.8, 4.6), QColor(255, 255, 240, int(rng.uniform(150, 240))));
        }
        // Small play marker at the right end: this banner is the one to click.
        const QPointF m(W - 26, H / 2.0);
        QPainterPath arrow;
        arrow.moveTo(m + QPointF(-6, -9));
        arrow.lineTo(m + QPointF(8, 0));
        arrow.lineTo(m + QPointF(-6, 9));
        arrow.closeSubpath();
        dropShadow(p, arrow, QPointF(1, 1.5), 3, 90);
        p.setPen(QPen(kGoldDeep, 1.0));
        p.setBrush(goldGradient(arrow.boundingRect(), true));
        p.drawPath(arrow);
    }
    p.end();
    return img;
}

// ---- Game pictures ----------------------------------------------------------------------

const int kShotW = 272, kShotH = 235;

// The light blue of the first theme, as the games show it until another is chosen.
void paintThemeBackdrop(QPainter& p, const QRectF& r)
{
    QLinearGradient body(r.topLeft(), r.bottomRight());
    body.setColorAt(0, QColor(0xE4, 0xF0, 0xFF));
    body.setColorAt(0.5, QColor(0xA8, 0xC8, 0xF0));
    body.setColorAt(1, QColor(0x68, 0x98, 0xDC));
    p.fillRect(r, body);
    p.save();
    p.setClipRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x50, 0x90, 20));
    int row = 0;
    for (double y = r.top(); y < r.bottom() + 10; y += 11, ++row)
        for (double x = r.left() + (row % 2 ? 5.5 : 0); x < r.right() + 10; x += 11)
            p.drawEllipse(QPointF(x, y), 0.9, 0.9);
    QLinearGradient sheen(r.topLeft(), r.bottomRight());
    sheen.setColorAt(0.3, withAlpha(Qt::white, 0));
    sheen.setColorAt(0.4, withAlpha(Qt::white, 40));
    sheen.setColorAt(0.5, withAlpha(Qt::white, 0));
    p.fillRect(r, sheen);
    p.restore();
}

void smallText(QPainter& p, const QPointF& at, const QString& text, double px, const QColor& c, bool bold = false)
{
    p.save();
    p.setFont(font(sans(), px, bold ? QFont::Bold : QFont::Normal));
    p.setPen(c);
    p.drawText(at, text);
    p.restore();
}

// A row of tabs on a page control; the first one is the active page.
void paintTabs(QPainter& p, double left, double top, const QStringList& tabs, double px)
{
    p.save();
    p.setFont(font(sans(), px));
    double x = left;
    for (int i = 0; i < tabs.size(); ++i) {
        const double w = QFontMetricsF(p.font()).horizontalAdvance(tabs[i]) + 12;
        const QRectF tab(x, top + (i == 0 ? 0 : 2), w, i == 0 ? 14 : 12);
        QLinearGradient g(tab.topLeft(), tab.bottomLeft());
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, i == 0 ? QColor(0xF4, 0xF4, 0xF4) : QColor(0xD8, 0xDC, 0xE2));
        p.setPen(QPen(QColor(0x80, 0x88, 0x98), 0.8));
        p.setBrush(g);
        p.drawRoundedRect(tab, 2, 2);
        p.setPen(QColor(0x20, 0x20, 0x28));
        p.drawText(tab.adjusted(0, 0, 0, -1), Qt::AlignCenter, tabs[i]);
        x += w + 1;
    }
    p.restore();
}

void paintStatusBar(QPainter& p, const QRectF& r, const QStringList& panels, const QList<double>& widths)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xF2, 0xF2, 0xF0));
    g.setColorAt(1, QColor(0xD6, 0xD6, 0xD2));
    p.fillRect(r, g);
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.8));
    p.drawLine(r.topLeft(), r.topRight());
    p.setFont(font(sans(), 6.2));
    double x = r.left();
    for (int i = 0; i < panels.size(); ++i) {
        const QRectF cell(x + 1, r.top() + 2, widths[i] - 2, r.height() - 3);
        p.setPen(QPen(QColor(0xA8, 0xA8, 0xA8), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell);
        p.setPen(QColor(0x18, 0x18, 0x20));
        p.drawText(cell, Qt::AlignCenter, panels[i]);
        x += widths[i];
    }
    p.restore();
}

QImage renderCoinTableShot()
{
    QImage img = canvas(kShotW, kShotH, Qt::white);
    QPainter p(&img);
    prepare(p);
    const QRectF all(0, 0, kShotW, kShotH);
    paintThemeBackdrop(p, all);

    // The coin, mid-toss: the face with the crown, a glow of motion around it.
    QRadialGradient aura(QPointF(62, 62), 58);
    aura.setColorAt(0, QColor(255, 255, 255, 140));
    aura.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, 130, 125), aura);
    drawCoin(p, QPointF(62, 60), 42, kCoinGold, CoinFace::Crown);

    // "Jogar Moeda": white on black in a white-edged box, and the countdown bar below.
    const QRectF box(118, 24, 144, 34);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::black);
    p.drawRect(box);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(fittedText(QStringLiteral("JOGAR MOEDA"), font(display(), 40, QFont::Bold), box.adjusted(8, 6, -8, -6)));
    const QRectF bar(118, 66, 144, 9);
    p.setPen(QPen(QColor(0x70, 0x78, 0x88), 0.8));
    p.setBrush(QColor(0xF4, 0xF4, 0xF4));
    p.drawRect(bar);
    QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
    fill.setColorAt(0, QColor(0x80, 0xE0, 0x70));
    fill.setColorAt(1, QColor(0x18, 0x98, 0x28));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRect(QRectF(bar.left() + 1, bar.top() + 1, bar.width() * 0.62, bar.height() - 2));
    smallText(p, QPointF(118, 92), QStringLiteral("Modo: Parada Aleatória"), 7.4, QColor(0x10, 0x20, 0x50), true);

    // The tab panel with money and counts.
    paintTabs(p, 8, 112, {QStringLiteral("Dinheiro"), QStringLiteral("Opções"), QStringLiteral("Salvar"),
                          QStringLiteral("Design"), QStringLiteral("Ajuda")}, 6.8);
    const QRectF page(8, 126, 256, 92);
    p.setPen(QPen(QColor(0x80, 0x88, 0x98), 0.8));
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRect(page);
    const QStringList rows = {QStringLiteral("Dinheiro:  R$ 2,35"), QStringLiteral("Apostas:  12"),
                              QStringLiteral("Ganhou:  8"), QStringLiteral("Perdeu:  4")};
    for (int i = 0; i < rows.size(); ++i)
        smallText(p, QPointF(18, 146 + i * 18), rows[i], 9, QColor(0x10, 0x18, 0x40), i == 0);
    drawCoin(p, QPointF(178, 150), 15, kCoinGold, CoinFace::Value);
    drawCoin(p, QPointF(222, 150), 15, kCoinGold, CoinFace::Crown);
    smallText(p, QPointF(169, 180), QStringLiteral("1 REAL"), 7, QColor(0x10, 0x18, 0x40), true);
    smallText(p, QPointF(211, 180), QStringLiteral("Cara"), 7, QColor(0x10, 0x18, 0x40), true);
    // The player's name on its silver strip.
    const QRectF strip(150, 192, 106, 18);
    QLinearGradient silver(strip.topLeft(), strip.bottomLeft());
    silver.setColorAt(0, QColor(0xF4, 0xF6, 0xF8));
    silver.setColorAt(1, QColor(0xA8, 0xAE, 0xB8));
    p.setPen(QPen(QColor(0x70, 0x76, 0x80), 0.8));
    p.setBrush(silver);
    p.drawRect(strip);
    smallText(p, QPointF(157, 205), QStringLiteral("Jogador: Ana"), 7.6, QColor(0x20, 0x20, 0x28), true);
    // The hide button at the panel's right.
    const QRectF hideBtn(204, 104, 58, 13);
    p.setPen(QPen(QColor(0x70, 0x78, 0x88), 0.8));
    p.setBrush(QColor(0xEC, 0xEC, 0xEC));
    p.drawRoundedRect(hideBtn, 2, 2);
    p.setFont(font(sans(), 6.4));
    p.setPen(QColor(0x10, 0x10, 0x18));
    p.drawText(hideBtn, Qt::AlignCenter, QStringLiteral("<< Esconder"));
    p.end();
    return img;
}

QImage renderSlotMachineShot()
{
    QImage img = canvas(kShotW, kShotH, Qt::white);
    QPainter p(&img);
    prepare(p);
    const QRectF all(0, 0, kShotW, kShotH);
    p.fillRect(all, QColor(0xEC, 0xEC, 0xEC));
    paintTabs(p, 3, 2, {QStringLiteral("Caça - Níquel"), QStringLiteral("Design"), QStringLiteral("Ajuda")}, 6.6);

    // The machine: a dark cabinet with the three reels and the lever.
    const QRectF top(3, 16, 266, 108);
    QLinearGradient cab(top.topLeft(), top.bottomLeft());
    cab.setColorAt(0, QColor(0x5A, 0x06, 0x10));
    cab.setColorAt(1, QColor(0x24, 0x02, 0x06));
    p.setPen(QPen(kGoldDeep, 1));
    p.setBrush(cab);
    p.drawRect(top);
    const Symbol mids[3] = {Symbol::Cherry, Symbol::Cherry, Symbol::Bell};
    const Symbol ups[3] = {Symbol::Seven, Symbol::Bar, Symbol::Cherry};
    const Symbol downs[3] = {Symbol::Bar, Symbol::Seven, Symbol::Seven};
    for (int i = 0; i < 3; ++i) {
        const QRectF frame(10 + i * 66, 24, 60, 62);
        p.setPen(QPen(kGoldDeep, 1));
        p.setBrush(goldGradient(frame));
        p.drawRoundedRect(frame.adjusted(-2, -2, 2, 2), 4, 4);
        drawReel(p, frame, ups[i], mids[i], downs[i]);
    }
    drawLever(p, QPointF(216, 74), QPointF(232, 28), 56);
    // Match banner and the amount won.
    const QRectF match(16, 92, 180, 18);
    QLinearGradient mg(match.topLeft(), match.bottomLeft());
    mg.setColorAt(0, QColor(0xFF, 0xF0, 0x90));
    mg.setColorAt(1, QColor(0xE0, 0xA0, 0x10));
    p.setPen(QPen(kGoldDeep, 0.8));
    p.setBrush(mg);
    p.drawRoundedRect(match, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6A, 0x04, 0x08));
    p.drawPath(fittedText(QStringLiteral("2 FIGURAS IGUAIS"), font(display(), 30, QFont::Bold), match.adjusted(8, 3, -8, -3)));
    smallText(p, QPointF(206, 106), QStringLiteral("+25"), 12, QColor(0xFF, 0x30, 0x30), true);

    // The lower area over the theme: money, totals and the options.
    const QRectF lower(3, 124, 266, 96);
    paintThemeBackdrop(p, lower);
    const QColor ink(0x10, 0x18, 0x40);
    const QStringList rows = {QStringLiteral("Sua Quantia disponível:  US$ 115,00"), QStringLiteral("Quantia ganha:  US$ 75,00"),
                              QStringLiteral("Quantia perdida:  US$ 60,00"), QStringLiteral("Apostas:  6"),
                              QStringLiteral("Duas Figuras Iguais:  3"), QStringLiteral("Três Figuras Iguais:  0")};
    for (int i = 0; i < rows.size(); ++i)
        smallText(p, QPointF(9, 138 + i * 13.5), rows[i], 6.8, ink, i == 0);
    const QRectF opts(186, 128, 78, 88);
    p.setPen(QPen(QColor(0x60, 0x70, 0x90), 0.8));
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawRoundedRect(opts, 3, 3);
    smallText(p, QPointF(192, 140), QStringLiteral("Opções"), 7.6, ink, true);
    const QStringList options = {QStringLiteral("Configurações"), QStringLiteral("Novo Jogo"), QStringLiteral("Salvar Jogo"),
                                 QStringLiteral("Carregar Jogo"), QStringLiteral("Menu Principal"), QStringLiteral("Sair do Jogo")};
    for (int i = 0; i < options.size(); ++i)
        smallText(p, QPointF(194, 152 + i * 11), options[i], 6.4, i == 2 ? QColor(0x90, 0x98, 0xA8) : QColor(0x10, 0x30, 0x90));
    paintStatusBar(p, QRectF(0, 221, kShotW, 14),
                   {QStringLiteral("Nenhuma igual = US$ -5,00"), QStringLiteral("2 Iguais = US$ 25,00"),
                    QStringLiteral("Todas = US$ 50,00")},
                   {98, 88, 86});
    p.end();
    return img;
}

QImage renderBlackjackShot()
{
    QImage img = canvas(kShotW, kShotH, Qt::white);
    QPainter p(&img);
    prepare(p);
    const QRectF all(0, 0, kShotW, kShotH);

    // The felt, with a fine weave and the gold line that parts the house from the player.
    QRadialGradient felt(QPointF(136, 110), 190);
    felt.setColorAt(0, QColor(0x2A, 0xA0, 0x58));
    felt.setColorAt(0.7, QColor(0x12, 0x6A, 0x34));
    felt.setColorAt(1, QColor(0x06, 0x3A, 0x1A));
    p.fillRect(all, felt);
    p.setPen(QPen(QColor(0, 0, 0, 16), 1));
    for (int y = 0; y < kShotH; y += 3)
        p.drawLine(QPointF(0, y), QPointF(kShotW, y + 1));
    const QPointF arcCentre(136, -118);
    const double arcRadius = 236;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(kGold, 190), 1.4));
    p.drawEllipse(arcCentre, arcRadius, arcRadius);
    p.setPen(QPen(withAlpha(kGold, 110), 0.8));
    p.drawEllipse(arcCentre, arcRadius - 4, arcRadius - 4);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kGoldLight, 200));
    p.drawPath(arcText(QStringLiteral("BLACKJACK • JOGO DO 21"), font(display(), 13), arcCentre, arcRadius - 17, 270,
                       false, 0.6));

    // Two face-down piles in the upper corners.
    for (int k = 0; k < 6; ++k) {
        drawCard(p, QRectF(8 + k * 1.5, 8 + k * 1.2, 30, 44), 0, Suit::Spades, 0, true);
        drawCard(p, QRectF(232 - k * 1.5, 8 + k * 1.2, 30, 44), 0, Suit::Spades, 0, true);
    }
    // The house's three cards, still hidden.
    for (int k = 0; k < 3; ++k)
        drawCard(p, QRectF(100 + k * 18, 18, 38, 56), 0, Suit::Spades, 0, true);

    // The player's hand: an ace (which counts 1), a nine and a jack make 20.
    const int ranks[3] = {1, 9, 11};
    const Suit suits[3] = {Suit::Spades, Suit::Hearts, Suit::Diamonds};
    for (int k = 0; k < 3; ++k)
        drawCard(p, QRectF(98 + k * 24, 146, 38, 54), ranks[k], suits[k], (k - 1) * 7);
    const QRectF total(120, 124, 32, 17);
    p.setPen(QPen(QColor(0xC0, 0xFF, 0x60), 1));
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRect(total);
    p.setFont(font(sans(), 11, QFont::Bold));
    p.setPen(QColor(0x70, 0xFF, 0x30));
    p.drawText(total, Qt::AlignCenter, QStringLiteral("20"));

    // The bet in chips, and the two buttons.
    drawChip(p, QPointF(48, 190), 11, QColor(0xC8, 0x16, 0x24), 0.6);
    drawChip(p, QPointF(48, 183), 11, QColor(0x1E, 0x4E, 0xC8), 0.6);
    drawChip(p, QPointF(48, 176), 11, QColor(0x22, 0x22, 0x28), 0.6);
    drawChip(p, QPointF(70, 194), 11, QColor(0xE8, 0xB8, 0x30), 0.6);
    auto button = [&](const QRectF& b, const QString& text, const QColor& top, const QColor& bottom, const QColor& ink) {
        QLinearGradient g(b.topLeft(), b.bottomLeft());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        const QPainterPath shape = roundedRect(b, 7);
        dropShadow(p, shape, QPointF(1, 1.5), 3, 80);
        p.setPen(QPen(darker(bottom, 0.45), 1));
        p.setBrush(g);
        p.drawPath(shape);
        gloss(p, shape, 90);
        p.setFont(font(sans(), 7.4, QFont::Bold));
        p.setPen(ink);
        p.drawText(b, Qt::AlignCenter, text);
    };
    button(QRectF(190, 150, 70, 19), QStringLiteral("Dar as Cartas"), QColor(0xFF, 0xF0, 0xA0), QColor(0xD0, 0x90, 0x10),
           QColor(0x3A, 0x20, 0x00));
    button(QRectF(190, 176, 70, 19), QStringLiteral("Parar"), QColor(0xF4, 0xF4, 0xF8), QColor(0xA0, 0xA4, 0xB0),
           QColor(0x18, 0x18, 0x20));

    paintStatusBar(p, QRectF(0, 221, kShotW, 14),
                   {QStringLiteral("€$ 35,00"), QStringLiteral("Vitórias: 4"), QStringLiteral("Derrotas: 2"),
                    QStringLiteral("Estouros: 1"), QStringLiteral("21: 1")},
                   {54, 58, 58, 58, 44});
    p.end();
    return img;
}

// ---- The chooser's own background and the button glyphs ---------------------------------

// Shown until the theme is applied: the deep blue of the casino at night.
QImage renderBackdrop()
{
    const int W = 550, H = 652;
    QImage img = canvas(W, H, Qt::black);
    QPainter p(&img);
    prepare(p);
    QLinearGradient body(0, 0, W, H);
    body.setColorAt(0, QColor(0x3A, 0x62, 0xB8));
    body.setColorAt(0.5, QColor(0x1C, 0x34, 0x78));
    body.setColorAt(1, QColor(0x0A, 0x14, 0x3A));
    p.fillRect(logicalRect(img), body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 18));
    int row = 0;
    for (double y = 10; y < H; y += 34, ++row) {
        int col = 0;
        for (double x = (row % 2) ? 17 : 0; x < W + 20; x += 34, ++col)
            p.drawPath(suitPath(Suit((row + col) % 4), QRectF(x - 6, y - 6, 12, 12)));
    }
    Rng rng(0x5EEDu);
    for (int i = 0; i < 60; ++i)
        sparkle(p, QPointF(rng.uniform(0, W), rng.uniform(0, H)), rng.uniform(1.2, 4.0),
                QColor(255, 255, 255, int(rng.uniform(90, 210))));
    QRadialGradient vignette(QPointF(W / 2.0, H / 2.0), W * 0.8);
    vignette.setColorAt(0.7, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(logicalRect(img), vignette);
    p.end();
    return img;
}

// A green arrow turning back, for "Voltar para o Menu Principal".
QImage renderBackGlyph()
{
    const int S = 36;
    QImage img = canvas(S, S, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    QPainterPath arrow;
    arrow.moveTo(3, 15);
    arrow.lineTo(15, 4);
    arrow.lineTo(15, 10);
    arrow.cubicTo(27, 10, 34, 16, 33, 32);
    arrow.cubicTo(29, 23, 23, 20, 15, 20);
    arrow.lineTo(15, 26);
    arrow.closeSubpath();
    dropShadow(p, arrow, QPointF(1, 1.5), 2, 80);
    QLinearGradient g(0, 4, 0, 32);
    g.setColorAt(0, QColor(0x8C, 0xE8, 0x70));
    g.setColorAt(1, QColor(0x1A, 0x8A, 0x28));
    p.setPen(QPen(QColor(0x0C, 0x4A, 0x12), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(arrow);
    gloss(p, arrow, 110);
    p.end();
    return img;
}

// A red cross, the usual mark of a cancel button, for "Sair do Jogo".
QImage renderExitGlyph()
{
    const int S = 36;
    QImage img = canvas(S, S, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    QPainterPath cross;
    QPainterPath a;
    a.addRoundedRect(QRectF(-15, -4.5, 30, 9), 3, 3);
    QTransform t1;
    t1.translate(18, 18);
    t1.rotate(45);
    QTransform t2;
    t2.translate(18, 18);
    t2.rotate(-45);
    cross = t1.map(a).united(t2.map(a));
    dropShadow(p, cross, QPointF(1, 1.5), 2, 80);
    QLinearGradient g(0, 4, 0, 32);
    g.setColorAt(0, QColor(0xFF, 0x7A, 0x6A));
    g.setColorAt(1, QColor(0xB0, 0x08, 0x10));
    p.setPen(QPen(QColor(0x60, 0x02, 0x06), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(cross);
    gloss(p, cross, 110);
    p.end();
    return img;
}

} // namespace

QStringList writeChooserPictures(const QDir& layoutDir)
{
    QStringList out;
    out << write(renderBackdrop(), layoutDir, QStringLiteral("graconf.jpg"));
    const struct {
        Game game;
        const char* plain;
        const char* lit;
    } banners[] = {{Game::Coin, "coc1.png", "coc2.png"}, {Game::Slots, "ca1.png", "ca2.png"}, {Game::Blackjack, "bl1.png", "bl2.png"}};
    for (const auto& b : banners) {
        out << write(renderBanner(b.game, false), layoutDir, QString::fromLatin1(b.plain));
        out << write(renderBanner(b.game, true), layoutDir, QString::fromLatin1(b.lit));
    }
    out << write(renderCoinTableShot(), layoutDir, QStringLiteral("screen1.png"));
    out << write(renderSlotMachineShot(), layoutDir, QStringLiteral("screen2.png"));
    out << write(renderBlackjackShot(), layoutDir, QStringLiteral("screen3.png"));
    out << write(renderBackGlyph(), layoutDir, QStringLiteral("voltar.png"));
    out << write(renderExitGlyph(), layoutDir, QStringLiteral("sair.png"));
    return out;
}

} // namespace assetgen
