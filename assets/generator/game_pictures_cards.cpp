// The 52 card faces and the card back. Face names are the suit letter, " (", the rank and ").jpg":
// "c" hearts, "e" spades, "o" diamonds, "p" clubs; rank 1 is the ace and 11 to 13 the jack, queen
// and king. The table shows the house's cards at 79 x 123 and the player's at 65 x 89, so the
// pictures are drawn at 130 x 190, about twice both and between their proportions.
#include "game_pictures_common.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <vector>

namespace assetgen::gamepics {

namespace {

constexpr int kW = 130;
constexpr int kH = 190;
const QColor kRed(0xC8, 0x10, 0x2E);
const QColor kBlack(0x16, 0x16, 0x1A);
const QColor kGoldC(0xE8, 0xB8, 0x30);
const QColor kBlueC(0x1F, 0x4E, 0xA8);
const QColor kSkin(0xF8, 0xD7, 0xB4);
const QColor kInk(0x22, 0x1A, 0x14);

bool isRed(Suit s) { return s == Suit::Hearts || s == Suit::Diamonds; }
QColor suitColour(Suit s) { return isRed(s) ? kRed : kBlack; }

// The felt of the blackjack table, showing in the card's rounded corners.
const QColor kFelt(0x17, 0x6B, 0x34);

QPainterPath cardShape() { return roundedRect(QRectF(0.5, 0.5, kW - 1, kH - 1), 8); }

void drawBlankCard(QPainter& p)
{
    const QPainterPath shape = cardShape();
    QLinearGradient paper(0, 0, kW, kH);
    paper.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    paper.setColorAt(1, QColor(0xF1, 0xF0, 0xEA));
    p.setPen(QPen(QColor(0x8A, 0x8A, 0x8A), 1.6));
    p.setBrush(paper);
    p.drawPath(shape);
}

// A suit sign with a fine shading so that the pips look printed rather than flat.
void drawPip(QPainter& p, Suit s, const QRectF& box, bool upsideDown)
{
    p.save();
    if (upsideDown) {
        p.translate(box.center());
        p.rotate(180);
        p.translate(-box.center());
    }
    const QPainterPath shape = suitPath(s, box);
    const QColor c = suitColour(s);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, isRed(s) ? lighter(c, 0.18) : lighter(c, 0.22));
    g.setColorAt(1, darker(c, 0.15));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shape);
    p.restore();
}

QString rankText(int rank)
{
    switch (rank) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

// Rank and small suit in the upper left corner; the painter is turned for the lower right one.
void drawIndex(QPainter& p, Suit s, int rank)
{
    const QString text = rankText(rank);
    const QFont f = font(QStringLiteral("DejaVu Serif"), 60, QFont::Bold);
    const QRectF box = text.size() > 1 ? QRectF(2.5, 6, 23, 22) : QRectF(4, 6, 19, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(s));
    p.drawPath(fittedText(text, f, box, text.size() > 1));
    drawPip(p, s, QRectF(6, 32, 15, 16), false);
}

// Pip positions for 2 to 10: column (-1 left, 0 centre, 1 right) and row from 0 (top) to 1.
struct PipAt {
    int col;
    double row;
};

std::vector<PipAt> pipLayout(int rank)
{
    const double t = 1.0 / 3.0;
    switch (rank) {
    case 2: return {{0, 0}, {0, 1}};
    case 3: return {{0, 0}, {0, 0.5}, {0, 1}};
    case 4: return {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 5: return {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
    case 6: return {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    case 7: return {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    case 8: return {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {0, 0.75}, {-1, 1}, {1, 1}};
    case 9:
        return {{-1, 0}, {1, 0}, {-1, t}, {1, t}, {0, 0.5}, {-1, 2 * t}, {1, 2 * t}, {-1, 1}, {1, 1}};
    case 10:
        return {{-1, 0}, {1, 0}, {0, 1.0 / 6}, {-1, t}, {1, t}, {-1, 2 * t}, {1, 2 * t}, {0, 5.0 / 6}, {-1, 1}, {1, 1}};
    default: return {};
    }
}

void drawNumberPips(QPainter& p, Suit s, int rank)
{
    const double colX[3] = {44, 65, 86};
    const double top = 37, bottom = 153;
    const double pw = 24, ph = 26;
    for (const PipAt& at : pipLayout(rank)) {
        const double cx = colX[at.col + 1];
        const double cy = top + (bottom - top) * at.row;
        // Pips below the middle stand upside down, as on a printed card.
        drawPip(p, s, QRectF(cx - pw / 2, cy - ph / 2, pw, ph), at.row > 0.5 + 1e-9);
    }
}

void drawAce(QPainter& p, Suit s)
{
    const QPointF c(kW / 2.0, kH / 2.0);
    if (s == Suit::Spades) {
        // The ace of spades carries the house's ornament: a large pip in a fine wreath.
        p.setPen(QPen(withAlpha(kBlack, 120), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 42, 46);
        p.setPen(QPen(withAlpha(kBlack, 70), 0.8, Qt::DotLine));
        p.drawEllipse(c, 38, 42);
        drawPip(p, s, QRectF(c.x() - 30, c.y() - 36, 60, 66), false);
        QPainterPath zor = fittedText(QStringLiteral("ZOR"), font(QStringLiteral("DejaVu Serif"), 40, QFont::Bold),
                                      QRectF(c.x() - 9, c.y() + 6, 18, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(zor);
        return;
    }
    drawPip(p, s, QRectF(c.x() - 24, c.y() - 26, 48, 52), false);
}

// ---- court cards --------------------------------------------------------------------------------

// One half of a court figure, drawn in a 78 x 77 box whose bottom edge is the card's centre line.
void drawCourtHalf(QPainter& p, Suit s, int rank)
{
    // Each suit dresses its court in its own pair of colours.
    const QColor green(0x2E, 0x7D, 0x32);
    const QColor robe = s == Suit::Clubs ? green : isRed(s) ? kRed : kBlueC;
    const QColor cape = s == Suit::Diamonds ? green : isRed(s) ? kBlueC : kRed;
    const QPen ink(kInk, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // What the figure holds, behind the body: the king a sword, the queen a flower, the jack a
    // feather.
    if (rank == 13) {
        p.setPen(QPen(kInk, 1.0));
        QLinearGradient steel(60, 0, 68, 0);
        steel.setColorAt(0, QColor(0xF4, 0xF6, 0xFA));
        steel.setColorAt(1, QColor(0x9A, 0xA2, 0xB0));
        p.setBrush(steel);
        QPainterPath blade;
        blade.moveTo(64, 3);
        blade.lineTo(67.5, 8);
        blade.lineTo(67.5, 58);
        blade.lineTo(60.5, 58);
        blade.lineTo(60.5, 8);
        blade.closeSubpath();
        p.drawPath(blade);
        p.drawLine(QPointF(64, 9), QPointF(64, 56));
        p.setBrush(kGoldC);
        p.drawRoundedRect(QRectF(54, 56, 20, 4.5), 2, 2);
        p.drawRect(QRectF(61.5, 60, 5, 12));
    } else if (rank == 12) {
        p.setPen(QPen(QColor(0x2E, 0x7D, 0x32), 1.8));
        p.drawLine(QPointF(15, 16), QPointF(17, 62));
        p.setBrush(QColor(0x43, 0xA0, 0x47));
        p.setPen(QPen(kInk, 0.7));
        QPainterPath leaf;
        leaf.moveTo(16, 34);
        leaf.cubicTo(8, 30, 6, 36, 6, 38);
        leaf.cubicTo(10, 38, 14, 38, 16, 34);
        p.drawPath(leaf);
        p.setBrush(cape == kRed ? kRed : QColor(0xD0, 0x20, 0x50));
        for (int i = 0; i < 6; ++i) {
            const double a = i * 60 * M_PI / 180;
            p.drawEllipse(QPointF(15 + 4.8 * std::cos(a), 13 + 4.8 * std::sin(a)), 3.8, 3.8);
        }
        p.setBrush(kGoldC);
        p.drawEllipse(QPointF(15, 13), 2.8, 2.8);
    } else {
        p.setPen(QPen(kInk, 0.9));
        p.setBrush(QColor(0xFA, 0xF7, 0xEE));
        QPainterPath feather;
        feather.moveTo(15, 64);
        feather.cubicTo(4, 44, 6, 18, 19, 2);
        feather.cubicTo(22, 22, 20, 44, 15, 64);
        p.drawPath(feather);
        p.setPen(QPen(cape, 0.9));
        p.drawLine(QPointF(15, 62), QPointF(17.5, 8));
        for (int i = 0; i < 6; ++i) {
            const double y = 16 + i * 7;
            p.drawLine(QPointF(16.5 - i * 0.1, y), QPointF(11, y - 5));
        }
    }

    // Robe from the shoulders down to the centre line.
    QPainterPath body;
    body.moveTo(5, 78);
    body.lineTo(7, 60);
    body.cubicTo(9, 51, 17, 47, 27, 46);
    body.lineTo(51, 46);
    body.cubicTo(61, 47, 69, 51, 71, 60);
    body.lineTo(73, 78);
    body.closeSubpath();
    QLinearGradient rg(0, 46, 78, 78);
    rg.setColorAt(0, lighter(robe, 0.18));
    rg.setColorAt(1, darker(robe, 0.22));
    p.setPen(ink);
    p.setBrush(rg);
    p.drawPath(body);
    // Fine pattern on the robe.
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(withAlpha(kGoldC, 150), 0.8));
    for (double x = -40; x < 90; x += 6)
        p.drawLine(QPointF(x, 78), QPointF(x + 32, 46));
    p.restore();
    // Cape over the shoulders in the second colour, edged in gold.
    QPainterPath capePath;
    capePath.moveTo(7, 60);
    capePath.cubicTo(9, 51, 17, 47, 27, 46);
    capePath.lineTo(51, 46);
    capePath.cubicTo(61, 47, 69, 51, 71, 60);
    capePath.cubicTo(60, 57, 50, 58, 39, 64);
    capePath.cubicTo(28, 58, 18, 57, 7, 60);
    capePath.closeSubpath();
    p.setBrush(cape);
    p.setPen(ink);
    p.drawPath(capePath);
    if (rank == 13) {
        // Ermine trim: white with black tails.
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(Qt::white);
        QPainterPath ermine;
        ermine.moveTo(7, 60);
        ermine.cubicTo(18, 57, 28, 58, 39, 64);
        ermine.cubicTo(50, 58, 60, 57, 71, 60);
        ermine.lineTo(71.5, 65);
        ermine.cubicTo(60, 62, 50, 63, 39, 69);
        ermine.cubicTo(28, 63, 18, 62, 6.5, 65);
        ermine.closeSubpath();
        p.drawPath(ermine);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        for (double x = 11; x < 70; x += 7)
            p.drawEllipse(QPointF(x, 62.3 + 2.0 * std::abs(x - 39) / 32.0 * -1 + 2.0), 0.9, 1.4);
    } else {
        p.setPen(QPen(kGoldC, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath edge;
        edge.moveTo(7.5, 60.5);
        edge.cubicTo(18, 57, 28, 58, 39, 64.5);
        edge.cubicTo(50, 58, 60, 57, 70.5, 60.5);
        p.drawPath(edge);
    }
    // Gold front band with suit signs.
    p.setPen(ink);
    p.setBrush(kGoldC);
    p.drawRect(QRectF(34, 66, 10, 12));
    drawPip(p, s, QRectF(36, 68.5, 6, 6.5), false);

    // Hand holding the emblem.
    p.setPen(ink);
    p.setBrush(kSkin);
    if (rank == 13)
        p.drawEllipse(QPointF(64, 63), 4.2, 3.6);
    else
        p.drawEllipse(QPointF(16, 60), 4.2, 3.6);

    // Neck, hair behind the head, head.
    p.setBrush(kSkin);
    p.drawRect(QRectF(34, 36, 10, 11));
    if (rank == 12) {
        p.setBrush(QColor(0xE3, 0xAA, 0x3C));
        QPainterPath hair;
        hair.moveTo(25, 24);
        hair.cubicTo(20, 36, 20, 46, 26, 51);
        hair.lineTo(52, 51);
        hair.cubicTo(58, 46, 58, 36, 53, 24);
        hair.cubicTo(49, 10, 29, 10, 25, 24);
        p.drawPath(hair);
    }
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(39, 27), 11.5, 13.5);

    // Hair, beard.
    if (rank == 13) {
        p.setBrush(QColor(0x8A, 0x68, 0x46));
        QPainterPath beard;
        beard.moveTo(28, 27);
        beard.cubicTo(28, 40, 33, 47, 39, 48);
        beard.cubicTo(45, 47, 50, 40, 50, 27);
        beard.cubicTo(47, 34, 44, 35.5, 39, 35.5);
        beard.cubicTo(34, 35.5, 31, 34, 28, 27);
        p.drawPath(beard);
        p.setPen(QPen(QColor(0x5E, 0x44, 0x2C), 1.7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(34, 34.4), QPointF(39, 33.2));
        p.drawLine(QPointF(44, 34.4), QPointF(39, 33.2));
        p.setPen(ink);
    } else if (rank == 11) {
        p.setBrush(QColor(0x5A, 0x3A, 0x22));
        QPainterPath hair;
        hair.moveTo(27.5, 27);
        hair.cubicTo(26, 14, 52, 14, 50.5, 27);
        hair.cubicTo(51, 33, 53, 38, 51, 41);
        hair.lineTo(48, 25);
        hair.cubicTo(43, 20, 35, 20, 30, 25);
        hair.lineTo(27, 41);
        hair.cubicTo(25, 38, 27, 33, 27.5, 27);
        p.drawPath(hair);
    }

    // Face.
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(34.8, 26), 1.3, 1.5);
    p.drawEllipse(QPointF(43.2, 26), 1.3, 1.5);
    p.setPen(QPen(kInk, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32.3, 22.8), QPointF(36.8, 22.3));
    p.drawLine(QPointF(41.2, 22.3), QPointF(45.7, 22.8));
    p.drawLine(QPointF(39, 27), QPointF(38.1, 31));
    p.drawLine(QPointF(38.1, 31), QPointF(39.6, 31.2));
    p.setPen(QPen(QColor(0xC0, 0x30, 0x30), 1.5, Qt::SolidLine, Qt::RoundCap));
    if (rank != 13)
        p.drawLine(QPointF(37, 35), QPointF(41, 35));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF0, 0x88, 0x88, 110));
    p.drawEllipse(QPointF(33, 31), 2.4, 1.7);
    p.drawEllipse(QPointF(45, 31), 2.4, 1.7);

    // Headgear.
    p.setPen(ink);
    if (rank == 13) {
        QPainterPath crown;
        crown.moveTo(26.5, 17);
        crown.lineTo(26, 3);
        crown.lineTo(32.5, 9.5);
        crown.lineTo(39, 0.5);
        crown.lineTo(45.5, 9.5);
        crown.lineTo(52, 3);
        crown.lineTo(51.5, 17);
        crown.closeSubpath();
        QLinearGradient cg(26, 0, 52, 17);
        cg.setColorAt(0, lighter(kGoldC, 0.4));
        cg.setColorAt(1, darker(kGoldC, 0.15));
        p.setBrush(cg);
        p.drawPath(crown);
        p.setBrush(kGoldC);
        p.drawRect(QRectF(26, 14, 26, 4));
        p.setBrush(kRed);
        p.drawEllipse(QPointF(39, 11), 2.4, 2.4);
        p.setBrush(kBlueC);
        p.drawEllipse(QPointF(31.5, 12.5), 1.6, 1.6);
        p.drawEllipse(QPointF(46.5, 12.5), 1.6, 1.6);
    } else if (rank == 12) {
        QPainterPath tiara;
        tiara.moveTo(28, 17);
        tiara.cubicTo(30, 10, 48, 10, 50, 17);
        tiara.cubicTo(45, 14.5, 33, 14.5, 28, 17);
        p.setBrush(kGoldC);
        p.drawPath(tiara);
        for (int i = 0; i < 5; ++i) {
            const double x = 31 + i * 4;
            const double y = 11.5 - (i == 2 ? 5.5 : (i == 1 || i == 3) ? 3 : 0.5);
            p.drawLine(QPointF(x, 13.5), QPointF(x, y));
            p.setBrush(i == 2 ? kRed : Qt::white);
            p.drawEllipse(QPointF(x, y), i == 2 ? 2.2 : 1.5, i == 2 ? 2.2 : 1.5);
        }
    } else {
        QPainterPath cap;
        cap.moveTo(25, 20);
        cap.cubicTo(22, 5, 54, 1, 56, 16);
        cap.cubicTo(47, 14, 34, 15, 25, 20);
        p.setBrush(cape);
        p.drawPath(cap);
        p.setBrush(kGoldC);
        QPainterPath brim;
        brim.moveTo(25, 20);
        brim.cubicTo(34, 15, 47, 14, 56, 16);
        brim.lineTo(56, 19.5);
        brim.cubicTo(47, 17.5, 34, 18.5, 25, 23.5);
        brim.closeSubpath();
        p.drawPath(brim);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(52, 8), 2.2, 2.2);
    }
}

void drawCourt(QPainter& p, Suit s, int rank)
{
    const QRectF frame(25, 16, 80, 158);
    p.save();
    p.setPen(QPen(QColor(0x55, 0x55, 0x5A), 1.2));
    QLinearGradient bg(frame.topLeft(), frame.bottomRight());
    bg.setColorAt(0, QColor(0xFF, 0xFA, 0xEA));
    bg.setColorAt(1, QColor(0xF5, 0xEC, 0xD2));
    p.setBrush(bg);
    p.drawRect(frame);
    p.setClipRect(frame.adjusted(0.6, 0.6, -0.6, -0.6));
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(frame.center());
            p.rotate(180);
            p.translate(-frame.center());
        }
        p.translate(frame.left() + 1, frame.top() + 1);
        drawCourtHalf(p, s, rank);
        p.restore();
    }
    p.restore();
    // The line between the two halves.
    p.setPen(QPen(QColor(0x55, 0x55, 0x5A), 1.0));
    p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
}

void drawFace(const QDir& dir, Suit s, char letter, int rank)
{
    QImage img = canvas(kW, kH, kFelt);
    QPainter p(&img);
    prepare(p);
    drawBlankCard(p);
    if (rank == 1)
        drawAce(p, s);
    else if (rank <= 10)
        drawNumberPips(p, s, rank);
    else
        drawCourt(p, s, rank);
    drawIndex(p, s, rank);
    p.translate(kW, kH);
    p.rotate(180);
    drawIndex(p, s, rank);
    p.end();
    save(img, dir, QStringLiteral("%1 (%2).jpg").arg(QLatin1Char(letter)).arg(rank));
}

void drawBack(const QDir& dir)
{
    QImage img = canvas(kW, kH, kFelt);
    QPainter p(&img);
    prepare(p);
    drawBlankCard(p);

    const QRectF inner(7, 7, kW - 14, kH - 14);
    const QPainterPath field = roundedRect(inner, 5);
    const QColor red(0xA8, 0x10, 0x24);
    QRadialGradient bg(inner.center(), inner.height() * 0.7);
    bg.setColorAt(0, lighter(red, 0.12));
    bg.setColorAt(1, darker(red, 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawPath(field);

    p.save();
    p.setClipPath(field);
    // Lattice of fine gold lines, with a dot at each crossing.
    const QColor gold(0xF2, 0xC8, 0x5A);
    p.setPen(QPen(withAlpha(gold, 150), 0.9));
    const double step = 11;
    for (double x = -kH; x < kW + kH; x += step) {
        p.drawLine(QPointF(x, 0), QPointF(x + kH, kH));
        p.drawLine(QPointF(x, 0), QPointF(x - kH, kH));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(gold, 200));
    for (double y = 0; y < kH + step; y += step / 2) {
        const int row = int(std::lround(y / (step / 2)));
        for (double x = (row % 2) ? step / 2 : 0; x < kW + step; x += step)
            p.drawEllipse(QPointF(x + 7 - 0.5, y + 7 - 0.5), 0.9, 0.9);
    }
    p.restore();

    // Double gold border inside the field.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 1.4));
    p.drawPath(roundedRect(inner.adjusted(3, 3, -3, -3), 4));
    p.setPen(QPen(withAlpha(gold, 160), 0.8));
    p.drawPath(roundedRect(inner.adjusted(6, 6, -6, -6), 3));

    // Medallion: an oval with the spade and the house's name.
    const QPointF c = inner.center();
    QRadialGradient med(c + QPointF(-6, -10), 40);
    med.setColorAt(0, QColor(0x7A, 0x08, 0x18));
    med.setColorAt(1, QColor(0x4A, 0x02, 0x0C));
    p.setBrush(med);
    p.setPen(QPen(gold, 2.0));
    p.drawEllipse(c, 31, 42);
    p.setPen(QPen(withAlpha(gold, 170), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 27, 38);
    QLinearGradient gg(c - QPointF(18, 22), c + QPointF(18, 22));
    gg.setColorAt(0, QColor(0xFF, 0xEC, 0xA0));
    gg.setColorAt(1, QColor(0xC8, 0x90, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(gg);
    p.drawPath(suitPath(Suit::Spades, QRectF(c.x() - 15, c.y() - 26, 30, 32)));
    p.drawPath(fittedText(QStringLiteral("ZOR"), font(QStringLiteral("DejaVu Serif"), 40, QFont::Bold),
                          QRectF(c.x() - 16, c.y() + 11, 32, 12)));
    // Four small suit signs around the medallion.
    const Suit around[4] = {Suit::Hearts, Suit::Clubs, Suit::Diamonds, Suit::Spades};
    const QPointF spots[4] = {c + QPointF(0, -54), c + QPointF(40, 0), c + QPointF(0, 54), c + QPointF(-40, 0)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(0x4A, 0x02, 0x0C));
        p.setPen(QPen(gold, 1.0));
        p.drawEllipse(spots[i], 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(gg);
        p.drawPath(suitPath(around[i], QRectF(spots[i].x() - 5, spots[i].y() - 5.5, 10, 11)));
    }
    p.end();
    save(img, dir, QStringLiteral("baralho.jpg"));
}

} // namespace

void writeCards(const QDir& dir)
{
    const struct {
        char letter;
        Suit suit;
    } suits[] = {{'c', Suit::Hearts}, {'e', Suit::Spades}, {'o', Suit::Diamonds}, {'p', Suit::Clubs}};
    for (const auto& s : suits)
        for (int rank = 1; rank <= 13; ++rank)
            drawFace(dir, s.suit, s.letter, rank);
    drawBack(dir);
}

} // namespace assetgen::gamepics
