// The main menu's casino scene: walls, carpet, slot machines, the blackjack table and the
// people around it. Every element that the menu animates is drawn from SceneState so that its
// alternative pose can be cut out of a second render and laid over the first seamlessly; the
// geometry below keeps each animated part inside the rectangle the menu shows it in.
#include "generator.h"
#include "layout_pictures_common.h"

#include <algorithm>

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace assetgen::layoutpics {
namespace {

constexpr double kPi = 3.14159265358979323846;

QColor rgba(int r, int g, int b, int a = 255) { return QColor(r, g, b, a); }


QLinearGradient vertical(double y0, double y1, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QLinearGradient horizontal(double x0, double x1, const QColor& a, const QColor& b)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// Polished gold across a band, lightest a third of the way down.
QLinearGradient goldBand(double y0, double y1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0.0, rgba(120, 80, 20));
    g.setColorAt(0.3, rgba(255, 226, 140));
    g.setColorAt(0.55, rgba(214, 160, 50));
    g.setColorAt(1.0, rgba(110, 70, 15));
    return g;
}

QLinearGradient goldColumn(double x0, double x1)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0.0, rgba(110, 72, 18));
    g.setColorAt(0.35, rgba(250, 220, 130));
    g.setColorAt(0.6, rgba(205, 150, 45));
    g.setColorAt(1.0, rgba(95, 60, 12));
    return g;
}

// ---------------------------------------------------------------- walls, ceiling, carpet

void paintCeiling(QPainter& p)
{
    p.fillRect(QRectF(0, -72, 801, 120), vertical(-72, 40, rgba(8, 2, 3), rgba(40, 10, 14)));
    // Coffered panels with a warm downlight in each.
    for (int i = 0; i < 10; ++i) {
        const QRectF r(-30 + i * 88, -6, 80, 34);
        p.fillRect(r, vertical(r.top(), r.bottom(), rgba(24, 6, 8), rgba(52, 14, 18)));
        p.setPen(QPen(rgba(150, 105, 40, 150), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(QPen(rgba(0, 0, 0, 120), 1));
        p.drawLine(QPointF(r.left() + 2, r.top() + 2.5), QPointF(r.right() - 2, r.top() + 2.5));
        paintGlow(p, QRectF(r.center().x() - 14, r.top() + 2, 28, 22), rgba(255, 190, 110, 70));
        p.setPen(Qt::NoPen);
        p.setBrush(rgba(255, 235, 190));
        p.drawEllipse(QPointF(r.center().x(), r.top() + 8), 2.2, 1.4);
    }
    // Crown moulding with dentils.
    p.fillRect(QRectF(0, 32, 801, 12), goldBand(32, 44));
    p.fillRect(QRectF(0, 44, 801, 3), rgba(40, 12, 10));
    for (int x = 0; x < 801; x += 8)
        p.fillRect(QRectF(x + 1, 38, 4, 4), rgba(110, 70, 20, 170));
    p.fillRect(QRectF(0, 47, 801, 2), rgba(200, 150, 60));
}

void paintDamask(QPainter& p, const QRectF& area)
{
    p.save();
    p.setClipRect(area);
    p.setPen(Qt::NoPen);
    for (int row = 0; row * 26 < area.height() + 26; ++row) {
        for (int col = 0; col * 30 < area.width() + 30; ++col) {
            const double x = area.left() + col * 30 + (row % 2 ? 15 : 0);
            const double y = area.top() + row * 26 + 6;
            QPainterPath f;
            f.moveTo(x, y - 8);
            f.cubicTo(x + 5, y - 3, x + 5, y + 3, x, y + 8);
            f.cubicTo(x - 5, y + 3, x - 5, y - 3, x, y - 8);
            p.setBrush(rgba(255, 120, 120, 16));
            p.drawPath(f);
            p.setBrush(rgba(255, 190, 120, 22));
            p.drawEllipse(QPointF(x - 6, y), 1.4, 1.4);
            p.drawEllipse(QPointF(x + 6, y), 1.4, 1.4);
        }
    }
    p.restore();
}

void paintPilaster(QPainter& p, double x, double w)
{
    p.fillRect(QRectF(x, 49, w, 192), goldColumn(x, x + w));
    p.fillRect(QRectF(x + 3, 60, w - 6, 170), goldColumn(x + w - 3, x + 3));
    p.fillRect(QRectF(x + w / 2 - 1, 64, 2, 162), rgba(120, 80, 20, 160));
    p.fillRect(QRectF(x - 3, 49, w + 6, 8), goldBand(49, 57));
    p.fillRect(QRectF(x - 3, 232, w + 6, 9), goldBand(232, 241));
}

// Carpet in perspective: a diamond lattice of gold threads with medallions at the crossings.
void paintCarpet(QPainter& p)
{
    const double horizonY = 150;
    const double focal = 900;
    const double nearY = 540;
    p.fillRect(QRectF(0, 240, 801, 300), vertical(240, 530, rgba(70, 8, 20), rgba(120, 18, 32)));
    auto project = [&](double X, double Z) {
        return QPointF(400 + focal * X / Z / 2.0, horizonY + focal / Z);
    };
    const double zFar = focal / (240 - horizonY);
    const double zNear = focal / (nearY - horizonY);
    p.save();
    p.setClipRect(QRectF(0, 240, 801, 300));
    QPen thread(rgba(220, 160, 60, 70), 1.2);
    p.setPen(thread);
    for (int k = -40; k <= 40; ++k) {
        p.drawLine(project(k + (zFar - zNear), zFar), project(k, zNear));
        p.drawLine(project(k - (zFar - zNear), zFar), project(k, zNear));
    }
    p.setPen(Qt::NoPen);
    for (int zi = 0; zi < 40; ++zi) {
        const double Z = zNear + zi * 0.5;
        if (Z > zFar)
            break;
        for (int xi = -40; xi <= 40; ++xi) {
            const double X = xi + (zi % 2 ? 0.5 : 0.0);
            const QPointF c = project(X + 0.25, Z + 0.25);
            const double s = focal / Z / 2.0 * 0.08;
            p.setBrush(rgba(240, 190, 80, 90));
            p.drawEllipse(c, s * 1.6, s * 0.6);
        }
    }
    p.restore();
    // Soft shadow where the carpet meets the wall.
    p.fillRect(QRectF(0, 240, 801, 14), vertical(240, 254, rgba(0, 0, 0, 110), rgba(0, 0, 0, 0)));
}

// Neon text: wide faint strokes for the halo, then a bright core.
void paintNeonText(QPainter& p, const QPainterPath& text, const QColor& colour)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (double w : {7.0, 4.5, 2.5}) {
        QColor c = colour;
        c.setAlpha(w > 6 ? 40 : w > 4 ? 70 : 140);
        p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(text);
    }
    p.fillPath(text, blend(colour, Qt::white, 0.65));
    p.restore();
}

// Signs and a framed royal flush on the wall; nothing here moves.
void paintWallDecor(QPainter& p)
{
    // Neon sign over the slot machines on the left.
    {
        const QRectF plate(104.5, 96.5, 110, 30);
        p.setPen(QPen(rgba(200, 150, 60), 1.5));
        p.setBrush(vertical(plate.top(), plate.bottom(), rgba(30, 6, 14), rgba(12, 2, 6)));
        p.drawRoundedRect(plate, 5, 5);
        QFont f = pixelFont(QStringLiteral("Bebas Neue"), 21);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        const QString text = QStringLiteral("CAÇA-NÍQUEIS");
        const QFontMetricsF fm(f);
        QPainterPath path;
        path.addText(plate.center().x() - fm.horizontalAdvance(text) / 2, plate.bottom() - 7, f, text);
        paintGlow(p, plate.adjusted(-10, -8, 10, 8), rgba(255, 60, 160, 60));
        paintNeonText(p, path, rgba(255, 70, 170));
    }
    // A royal flush behind glass.
    {
        const QRectF frame(254.5, 78.5, 84, 66);
        p.setPen(Qt::NoPen);
        p.fillRect(frame.translated(2, 3), rgba(0, 0, 0, 90));
        p.fillRect(frame, goldColumn(frame.left(), frame.right()));
        const QRectF baize = frame.adjusted(5, 5, -5, -5);
        QRadialGradient g(baize.center(), baize.width() * 0.7);
        g.setColorAt(0, rgba(30, 120, 60));
        g.setColorAt(1, rgba(8, 50, 25));
        p.fillRect(baize, g);
        const QString ranks[5] = {QStringLiteral("10"), QStringLiteral("J"), QStringLiteral("Q"), QStringLiteral("K"),
                                  QStringLiteral("A")};
        const QPointF pivot(296.5, 138);
        for (int i = 0; i < 5; ++i) {
            const double angle = -28 + i * 14;
            const double a = angle * kPi / 180;
            const QPointF c = pivot + QPointF(std::sin(a) * 30, -std::cos(a) * 30);
            paintCard(p, QRectF(c.x() - 8.5, c.y() - 12, 17, 24), ranks[i], 1, angle);
        }
        p.setFont(pixelFont(QStringLiteral("DejaVu Serif"), 7, QFont::Bold));
        p.setPen(rgba(240, 210, 120));
        p.drawText(QRectF(baize.left(), baize.bottom() - 10, baize.width(), 9), Qt::AlignCenter, QStringLiteral("ROYAL FLUSH"));
        p.fillRect(QRectF(baize.left(), baize.top(), baize.width(), baize.height() * 0.4),
                   vertical(baize.top(), baize.top() + baize.height() * 0.4, rgba(255, 255, 255, 40), rgba(255, 255, 255, 0)));
    }
    // Progressive jackpot board over the machines on the right.
    {
        const QRectF board(560.5, 84.5, 186, 58);
        QPainterPath b;
        b.addRoundedRect(board, 7, 7);
        p.fillPath(b.translated(2, 3), rgba(0, 0, 0, 90));
        p.fillPath(b, goldBand(board.top(), board.bottom()));
        QPainterPath in;
        in.addRoundedRect(board.adjusted(3, 3, -3, -3), 5, 5);
        p.fillPath(in, vertical(board.top(), board.bottom(), rgba(25, 10, 40), rgba(8, 2, 14)));
        QFont title = pixelFont(QStringLiteral("Bebas Neue"), 19, QFont::Bold);
        title.setLetterSpacing(QFont::AbsoluteSpacing, 4);
        const QString word = QStringLiteral("JACKPOT");
        const QFontMetricsF fm(title);
        QPainterPath t;
        t.addText(board.center().x() - fm.horizontalAdvance(word) / 2 + 2, board.top() + 21, title, word);
        paintNeonText(p, t, rgba(80, 200, 255));
        const QRectF led(574, 109, 160, 27);
        p.fillRect(led, rgba(20, 0, 0));
        p.setPen(QPen(rgba(120, 90, 40), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(led.adjusted(0.5, 0.5, -0.5, -0.5));
        QFont digits = pixelFont(QStringLiteral("DejaVu Sans"), 17, QFont::Bold);
        p.setFont(digits);
        p.setPen(rgba(255, 120, 20, 90));
        p.drawText(led.translated(0, 0.5).adjusted(-1, 0, 1, 0), Qt::AlignCenter, QStringLiteral("R$ 1.250.000,00"));
        p.setPen(rgba(255, 190, 60));
        p.drawText(led, Qt::AlignCenter, QStringLiteral("R$ 1.250.000,00"));
        p.fillRect(QRectF(led.left(), led.top(), led.width(), 9), rgba(255, 255, 255, 16));
        for (double x = 570; x <= 738; x += 12) {
            p.setPen(Qt::NoPen);
            p.setBrush(rgba(255, 220, 120));
            p.drawEllipse(QPointF(x, 107), 0.9, 0.9);
        }
    }
}

void paintChandelierShape(QPainter& p, double cx, double top, bool lit);

QImage makeBackdrop()
{
    QImage img = newCanvas(kSceneWidth, kSceneHeight);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(0, kSceneOffsetY);
    paintCeiling(p);
    // Wall: burgundy silk above a panelled wainscot.
    p.fillRect(QRectF(0, 49, 801, 146), vertical(49, 195, rgba(96, 16, 30), rgba(62, 9, 18)));
    paintDamask(p, QRectF(0, 49, 801, 146));
    p.fillRect(QRectF(0, 49, 801, 10), vertical(49, 59, rgba(0, 0, 0, 110), rgba(0, 0, 0, 0)));
    p.fillRect(QRectF(0, 193, 801, 48), vertical(193, 241, rgba(58, 22, 14), rgba(34, 12, 8)));
    for (int x = 6; x < 801; x += 52) {
        const QRectF panel(x, 201, 44, 32);
        p.setPen(QPen(rgba(140, 90, 40, 120), 1));
        p.setBrush(vertical(201, 233, rgba(70, 30, 18), rgba(44, 16, 10)));
        p.drawRect(panel);
    }
    p.fillRect(QRectF(0, 191, 801, 5), goldBand(191, 196));
    p.fillRect(QRectF(0, 237, 801, 4), goldBand(237, 241));
    for (double x : {226.0, 516.0, 780.0})
        paintPilaster(p, x, 18);
    paintCarpet(p);
    paintWallDecor(p);
    // Two chandeliers that always burn; the third, at the top right, is animated.
    paintChandelierShape(p, 90, 20, true);
    paintChandelierShape(p, 422, 12, true);
    return img;
}

// ---------------------------------------------------------------- lights

void paintBulb(QPainter& p, QPointF c, double r, bool lit, const QColor& litColour = rgba(255, 240, 170))
{
    p.setPen(Qt::NoPen);
    if (lit) {
        paintGlow(p, QRectF(c.x() - r * 2.6, c.y() - r * 2.6, r * 5.2, r * 5.2),
                  rgba(litColour.red(), litColour.green(), litColour.blue(), 150));
        QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
        g.setColorAt(0, Qt::white);
        g.setColorAt(0.6, litColour);
        g.setColorAt(1, litColour.darker(130));
        p.setBrush(g);
    } else {
        QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
        g.setColorAt(0, rgba(170, 130, 90));
        g.setColorAt(0.5, rgba(110, 70, 40));
        g.setColorAt(1, rgba(50, 25, 15));
        p.setBrush(g);
    }
    p.drawEllipse(c, r, r);
}

// A gilded chandelier hanging from the ceiling: chain, two tiers of candle arms and crystal
// drops. It spans 28 px either side of cx and 46 px below `top`.
void paintChandelierShape(QPainter& p, double cx, double top, bool lit)
{
    p.save();
    if (lit) {
        paintGlow(p, QRectF(cx - 32, top + 2, 64, 46), rgba(255, 200, 110, 190));
        paintGlow(p, QRectF(cx - 20, top + 8, 40, 28), rgba(255, 240, 200, 150));
    }
    // Chain down from the ceiling.
    p.setPen(QPen(rgba(170, 120, 40), 1.4));
    p.drawLine(QPointF(cx, -72), QPointF(cx, top + 4));
    p.setPen(QPen(rgba(230, 190, 100), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(cx, top + 3), 2, 2.5);
    // Stem and bowl.
    QPainterPath stem;
    stem.addRoundedRect(QRectF(cx - 2.5, top + 5, 5, 30), 2, 2);
    p.setPen(Qt::NoPen);
    p.fillPath(stem, goldColumn(cx - 2.5, cx + 2.5));
    QPainterPath bowl;
    bowl.moveTo(cx - 14, top + 26);
    bowl.cubicTo(cx - 12, top + 36, cx + 12, top + 36, cx + 14, top + 26);
    bowl.closeSubpath();
    p.fillPath(bowl, goldBand(top + 26, top + 35));
    // Arms, lower tier wide, upper tier narrow.
    auto arm = [&](double span, double y, double drop) {
        for (int side : {-1, 1}) {
            QPainterPath a;
            a.moveTo(cx, y);
            a.cubicTo(cx + side * span * 0.4, y + drop, cx + side * span * 0.9, y + drop, cx + side * span, y - 2);
            p.setPen(QPen(rgba(200, 150, 55), 2.0, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(a);
        }
    };
    arm(27, top + 28, 9);
    arm(16, top + 18, 6);
    // Candle cups and flames.
    const double cupX[] = {-27, -16, 16, 27};
    const double cupY[] = {top + 24, top + 14, top + 14, top + 24};
    for (int i = 0; i < 4; ++i) {
        const QPointF c(cx + cupX[i], cupY[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(goldBand(c.y(), c.y() + 3));
        p.drawRoundedRect(QRectF(c.x() - 3, c.y(), 6, 3), 1, 1);
        p.fillRect(QRectF(c.x() - 1.2, c.y() - 5, 2.4, 5), rgba(245, 235, 215));
        paintBulb(p, QPointF(c.x(), c.y() - 7.5), 2.2, lit, rgba(255, 210, 120));
    }
    // Crystal drops under the lower arms and the bowl.
    const double dropX[] = {-22, -14, -7, 0, 7, 14, 22};
    for (int i = 0; i < 7; ++i) {
        const double x = cx + dropX[i];
        const double y = top + 30 + (i % 2 ? 6 : 3) + (i == 3 ? 4 : 0);
        p.setPen(QPen(rgba(220, 200, 170, 140), 0.7));
        p.drawLine(QPointF(x, y - 5), QPointF(x, y));
        QPainterPath d;
        d.moveTo(x, y);
        d.lineTo(x + 1.8, y + 3);
        d.lineTo(x, y + 6);
        d.lineTo(x - 1.8, y + 3);
        d.closeSubpath();
        p.setPen(Qt::NoPen);
        p.fillPath(d, lit ? QBrush(rgba(255, 250, 225)) : QBrush(rgba(150, 150, 160)));
        if (lit) {
            p.setBrush(rgba(255, 255, 255));
            p.drawEllipse(QPointF(x - 0.5, y + 2.5), 0.7, 0.7);
        }
    }
    p.restore();
}

// The marquee "CASSINO ZOR" with a ring of chasing bulbs: 131x57 at (357, 82).
void paintMarquee(QPainter& p, bool swapped)
{
    const QRectF board(358.5, 83.5, 128, 54);
    QPainterPath frame;
    frame.addRoundedRect(board, 7, 7);
    p.setPen(Qt::NoPen);
    p.fillPath(frame, goldBand(board.top(), board.bottom()));
    QPainterPath inner;
    inner.addRoundedRect(board.adjusted(4, 4, -4, -4), 5, 5);
    p.fillPath(inner, vertical(board.top(), board.bottom(), rgba(90, 4, 10), rgba(40, 0, 4)));
    // Letters.
    p.save();
    p.setClipPath(inner);
    if (swapped)
        paintGlow(p, QRectF(368, 88, 108, 46), rgba(255, 120, 40, 110));
    QFont small = pixelFont(QStringLiteral("Bebas Neue"), 14);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(small);
    p.setPen(swapped ? rgba(255, 250, 220) : rgba(230, 200, 140));
    p.drawText(QRectF(366, 90, 112, 16), Qt::AlignCenter, QStringLiteral("CASSINO"));
    p.setPen(QPen(rgba(230, 180, 80, 160), 1));
    p.drawLine(QPointF(372, 98), QPointF(391, 98));
    p.drawLine(QPointF(453, 98), QPointF(472, 98));
    p.restore();
    p.save();
    QPainterPath zor;
    QFont big = pixelFont(QStringLiteral("Bebas Neue"), 30, QFont::Bold);
    big.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    const QFontMetricsF fm(big);
    const QString word = QStringLiteral("ZOR");
    zor.addText(422 - fm.horizontalAdvance(word) / 2, 130, big, word);
    p.setPen(QPen(rgba(40, 0, 0), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(zor);
    QLinearGradient lg(0, 106, 0, 130);
    if (swapped) {
        lg.setColorAt(0, rgba(255, 255, 235));
        lg.setColorAt(0.5, rgba(255, 236, 120));
        lg.setColorAt(1, rgba(255, 170, 40));
    } else {
        lg.setColorAt(0, rgba(240, 210, 130));
        lg.setColorAt(0.5, rgba(200, 140, 40));
        lg.setColorAt(1, rgba(130, 80, 15));
    }
    p.fillPath(zor, lg);
    p.restore();
    // Ring of bulbs.
    int index = 0;
    auto bulb = [&](double x, double y) {
        const bool lit = (index++ % 2 == 0) != swapped;
        paintBulb(p, QPointF(x, y), 2.1, lit);
    };
    for (double x = 366; x <= 479; x += 8.07)
        bulb(x, 87.5);
    for (double y = 95.5; y <= 126; y += 7.7)
        bulb(482.5, y);
    for (double x = 479; x >= 365.9; x -= 8.07)
        bulb(x, 133.5);
    for (double y = 126; y >= 95; y -= 7.7)
        bulb(362.5, y);
}

// ---------------------------------------------------------------- slot machines

enum Symbol { Cherry, Bell, Bar, Seven, Lemon, Gem };

void paintSymbol(QPainter& p, QPointF c, double s, Symbol sym)
{
    p.save();
    p.setPen(Qt::NoPen);
    switch (sym) {
    case Cherry: {
        p.setPen(QPen(rgba(40, 120, 30), s * 0.08));
        p.setBrush(Qt::NoBrush);
        QPainterPath stems;
        stems.moveTo(c.x() - s * 0.2, c.y() + s * 0.1);
        stems.quadTo(c.x(), c.y() - s * 0.3, c.x() + s * 0.15, c.y() - s * 0.42);
        stems.moveTo(c.x() + s * 0.22, c.y() + s * 0.15);
        stems.quadTo(c.x() + s * 0.2, c.y() - s * 0.2, c.x() + s * 0.15, c.y() - s * 0.42);
        p.drawPath(stems);
        p.setPen(Qt::NoPen);
        for (QPointF o : {QPointF(-0.2, 0.22), QPointF(0.22, 0.27)}) {
            const QPointF cc = c + o * s;
            QRadialGradient g(cc - QPointF(s * 0.06, s * 0.06), s * 0.22);
            g.setColorAt(0, rgba(255, 120, 120));
            g.setColorAt(1, rgba(170, 0, 10));
            p.setBrush(g);
            p.drawEllipse(cc, s * 0.19, s * 0.19);
        }
        break;
    }
    case Bell: {
        QPainterPath b;
        b.moveTo(c.x(), c.y() - s * 0.42);
        b.cubicTo(c.x() + s * 0.3, c.y() - s * 0.42, c.x() + s * 0.25, c.y() + s * 0.1, c.x() + s * 0.4, c.y() + s * 0.28);
        b.lineTo(c.x() - s * 0.4, c.y() + s * 0.28);
        b.cubicTo(c.x() - s * 0.25, c.y() + s * 0.1, c.x() - s * 0.3, c.y() - s * 0.42, c.x(), c.y() - s * 0.42);
        p.fillPath(b, horizontal(c.x() - s * 0.4, c.x() + s * 0.4, rgba(255, 230, 100), rgba(190, 120, 10)));
        p.setBrush(rgba(150, 90, 10));
        p.drawEllipse(QPointF(c.x(), c.y() + s * 0.35), s * 0.09, s * 0.09);
        break;
    }
    case Bar: {
        const QRectF r(c.x() - s * 0.42, c.y() - s * 0.2, s * 0.84, s * 0.4);
        p.setBrush(rgba(25, 25, 30));
        p.drawRoundedRect(r, s * 0.06, s * 0.06);
        QFont f = pixelFont(QStringLiteral("DejaVu Sans"), s * 0.3, QFont::Black);
        p.setFont(f);
        p.setPen(rgba(250, 250, 250));
        p.drawText(r, Qt::AlignCenter, QStringLiteral("BAR"));
        break;
    }
    case Seven: {
        QPainterPath t;
        QFont f = pixelFont(QStringLiteral("DejaVu Serif"), s * 0.95, QFont::Black);
        const QFontMetricsF fm(f);
        t.addText(c.x() - fm.horizontalAdvance(QStringLiteral("7")) / 2, c.y() + s * 0.34, f, QStringLiteral("7"));
        p.fillPath(t, vertical(c.y() - s * 0.4, c.y() + s * 0.4, rgba(255, 60, 50), rgba(150, 0, 0)));
        p.setPen(QPen(rgba(90, 0, 0), s * 0.04));
        p.drawPath(t);
        break;
    }
    case Lemon: {
        QRadialGradient g(c - QPointF(s * 0.1, s * 0.1), s * 0.45);
        g.setColorAt(0, rgba(255, 255, 170));
        g.setColorAt(1, rgba(220, 180, 0));
        p.setBrush(g);
        p.drawEllipse(c, s * 0.38, s * 0.28);
        break;
    }
    case Gem: {
        QPainterPath d;
        d.moveTo(c.x(), c.y() - s * 0.4);
        d.lineTo(c.x() + s * 0.34, c.y());
        d.lineTo(c.x(), c.y() + s * 0.4);
        d.lineTo(c.x() - s * 0.34, c.y());
        d.closeSubpath();
        p.fillPath(d, horizontal(c.x() - s * 0.34, c.x() + s * 0.34, rgba(120, 200, 255), rgba(20, 60, 190)));
        p.setPen(QPen(rgba(230, 245, 255, 180), s * 0.04));
        p.drawLine(QPointF(c.x() - s * 0.15, c.y() - s * 0.1), QPointF(c.x(), c.y() - s * 0.3));
        break;
    }
    }
    p.restore();
}

// Three reels behind glass; `shown` gives the symbol on the payline of each reel, and the
// symbols above and below it peek in at the edges.
void paintReels(QPainter& p, const QRectF& window, const Symbol shown[3], bool win)
{
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(window, 3, 3);
    p.setClipPath(clip);
    const double reelW = window.width() / 3.0;
    const double symbolSize = std::min(reelW * 0.95, window.height() * 0.42);
    for (int i = 0; i < 3; ++i) {
        const QRectF reel(window.left() + i * reelW, window.top(), reelW, window.height());
        QLinearGradient g(0, reel.top(), 0, reel.bottom());
        g.setColorAt(0, rgba(120, 115, 110));
        g.setColorAt(0.25, rgba(250, 248, 240));
        g.setColorAt(0.75, rgba(250, 248, 240));
        g.setColorAt(1, rgba(120, 115, 110));
        p.fillRect(reel, g);
        const QPointF mid = reel.center();
        paintSymbol(p, mid, symbolSize, shown[i]);
        paintSymbol(p, mid - QPointF(0, window.height() * 0.5), symbolSize * 0.9,
                    static_cast<Symbol>((shown[i] + 2 + i) % 6));
        paintSymbol(p, mid + QPointF(0, window.height() * 0.5), symbolSize * 0.9,
                    static_cast<Symbol>((shown[i] + 4 + i) % 6));
        if (i > 0)
            p.fillRect(QRectF(reel.left() - 0.5, reel.top(), 1, reel.height()), rgba(60, 60, 60));
    }
    // Cylinder shading and glass sheen.
    p.fillRect(window, vertical(window.top(), window.top() + window.height() * 0.3, rgba(0, 0, 0, 90), rgba(0, 0, 0, 0)));
    p.fillRect(QRectF(window.left(), window.bottom() - window.height() * 0.3, window.width(), window.height() * 0.3),
               vertical(window.bottom() - window.height() * 0.3, window.bottom(), rgba(0, 0, 0, 0), rgba(0, 0, 0, 100)));
    QPainterPath sheen;
    sheen.moveTo(window.left(), window.top());
    sheen.lineTo(window.left() + window.width() * 0.45, window.top());
    sheen.lineTo(window.left() + window.width() * 0.2, window.bottom());
    sheen.lineTo(window.left(), window.bottom());
    p.fillPath(sheen, QBrush(rgba(255, 255, 255, 28)));
    // Payline.
    const double y = window.center().y();
    if (win) {
        p.fillRect(QRectF(window.left(), y - 2.5, window.width(), 5), rgba(255, 60, 40, 90));
        p.fillRect(QRectF(window.left(), y - 0.75, window.width(), 1.5), rgba(255, 230, 120));
    } else {
        p.fillRect(QRectF(window.left(), y - 0.5, window.width(), 1), rgba(200, 30, 30, 150));
    }
    p.restore();
}

// Chasing lights around a reel window: alternate bulbs lit, or all lit on a win.
void paintWindowLights(QPainter& p, const QRectF& r, bool win, double spacing)
{
    int n = 0;
    auto bulb = [&](double x, double y) {
        const bool lit = win || (n % 3 == 0);
        ++n;
        paintBulb(p, QPointF(x, y), 1.4, lit, win ? rgba(255, 240, 140) : rgba(255, 200, 120));
    };
    for (double x = r.left() + 3; x <= r.right() - 2; x += spacing)
        bulb(x, r.top());
    for (double x = r.left() + 3; x <= r.right() - 2; x += spacing)
        bulb(x, r.bottom());
}

void paintCabinet(QPainter& p, const QRectF& body, const QColor& colour, double radius)
{
    QPainterPath b;
    b.addRoundedRect(body, radius, radius);
    QLinearGradient g(body.left(), 0, body.right(), 0);
    g.setColorAt(0, colour.darker(260));
    g.setColorAt(0.15, colour.darker(120));
    g.setColorAt(0.45, colour.lighter(135));
    g.setColorAt(0.7, colour);
    g.setColorAt(1, colour.darker(280));
    p.fillPath(b, g);
    p.setPen(QPen(rgba(255, 230, 170, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(b);
    p.setPen(Qt::NoPen);
}

void paintChromeFrame(QPainter& p, const QRectF& r, double radius)
{
    QPainterPath f;
    f.addRoundedRect(r, radius, radius);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, rgba(250, 250, 250));
    g.setColorAt(0.5, rgba(140, 140, 150));
    g.setColorAt(0.55, rgba(90, 90, 100));
    g.setColorAt(1, rgba(220, 220, 225));
    p.fillPath(f, g);
}

void paintButtonDeck(QPainter& p, const QRectF& deck)
{
    p.fillRect(deck, vertical(deck.top(), deck.bottom(), rgba(60, 60, 66), rgba(20, 20, 24)));
    const QColor colours[] = {rgba(230, 40, 40), rgba(250, 200, 40), rgba(60, 200, 90), rgba(60, 140, 250)};
    const int n = std::max(2, static_cast<int>(deck.width() / 12));
    for (int i = 0; i < n; ++i) {
        const double x = deck.left() + (i + 0.5) * deck.width() / n;
        const QColor c = colours[i % 4];
        p.setBrush(vertical(deck.top(), deck.bottom(), c.lighter(150), c.darker(140)));
        p.drawRoundedRect(QRectF(x - 4, deck.center().y() - 2.5, 8, 5), 1.5, 1.5);
    }
}

// Left machine: wheel topper (x 0..88, y 199..275), bonus lamp (15..50, 276..306) and reels
// (6..55, 308..369).
void paintWheel(QPainter& p, QPointF c, double turn)
{
    // Fixed wooden rim and its mounting.
    p.setPen(Qt::NoPen);
    QRadialGradient rim(c, 40);
    rim.setColorAt(0.80, rgba(120, 60, 20));
    rim.setColorAt(0.9, rgba(200, 140, 60));
    rim.setColorAt(1.0, rgba(80, 35, 10));
    p.setBrush(rim);
    p.drawEllipse(c, 39, 39);
    p.setPen(QPen(rgba(255, 220, 140), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 34.4, 34.4);
    // Rotating part.
    p.save();
    p.translate(c);
    p.rotate(turn);
    p.setPen(Qt::NoPen);
    const int pockets = 37;
    const double step = 360.0 / pockets;
    for (int i = 0; i < pockets; ++i) {
        QPainterPath wedge;
        wedge.moveTo(0, 0);
        wedge.arcTo(QRectF(-33.6, -33.6, 67.2, 67.2), 90 - i * step - step / 2, -step);
        wedge.closeSubpath();
        const QColor col = i == 0 ? rgba(20, 140, 60) : (i % 2 ? rgba(200, 20, 25) : rgba(25, 22, 25));
        p.fillPath(wedge, col);
    }
    // Pocket separators.
    p.setPen(QPen(rgba(230, 200, 120), 0.6));
    for (int i = 0; i < pockets; ++i) {
        const double a = (i * step + step / 2) * kPi / 180.0;
        p.drawLine(QPointF(std::sin(a) * 22, -std::cos(a) * 22), QPointF(std::sin(a) * 33.4, -std::cos(a) * 33.4));
    }
    // Cone.
    QRadialGradient cone(QPointF(-5, -5), 26);
    cone.setColorAt(0, rgba(230, 170, 90));
    cone.setColorAt(0.6, rgba(150, 80, 30));
    cone.setColorAt(1, rgba(80, 35, 10));
    p.setPen(QPen(rgba(240, 200, 110), 1));
    p.setBrush(cone);
    p.drawEllipse(QPointF(0, 0), 22, 22);
    // Diamonds on the cone.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45);
        QPainterPath d;
        d.moveTo(0, -19);
        d.lineTo(1.6, -16);
        d.lineTo(0, -13);
        d.lineTo(-1.6, -16);
        d.closeSubpath();
        p.fillPath(d, rgba(250, 235, 190));
        p.restore();
    }
    // Turret with four arms.
    p.setPen(QPen(rgba(120, 80, 20), 0.6));
    p.setBrush(goldBand(-10, 10));
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.rotate(i * 90);
        p.drawRoundedRect(QRectF(-1.6, -13, 3.2, 12), 1.5, 1.5);
        p.drawEllipse(QPointF(0, -13), 2.4, 2.4);
        p.restore();
    }
    p.setBrush(QRadialGradient(QPointF(-2, -2), 8));
    QRadialGradient hub(QPointF(-1.5, -1.5), 6);
    hub.setColorAt(0, rgba(255, 245, 200));
    hub.setColorAt(1, rgba(170, 110, 30));
    p.setBrush(hub);
    p.drawEllipse(QPointF(0, 0), 5, 5);
    // The ball resting in pocket 9.
    const double ba = (9 * step) * kPi / 180.0;
    QRadialGradient ball(QPointF(std::sin(ba) * 28 - 0.7, -std::cos(ba) * 28 - 0.7), 3);
    ball.setColorAt(0, Qt::white);
    ball.setColorAt(1, rgba(170, 170, 180));
    p.setPen(Qt::NoPen);
    p.setBrush(ball);
    p.drawEllipse(QPointF(std::sin(ba) * 28, -std::cos(ba) * 28), 2.4, 2.4);
    p.restore();
    // Fixed glare from the room lights.
    QRadialGradient glare(c + QPointF(-12, -14), 24);
    glare.setColorAt(0, rgba(255, 255, 255, 70));
    glare.setColorAt(1, rgba(255, 255, 255, 0));
    p.setBrush(glare);
    p.drawEllipse(c, 33.5, 33.5);
    // Pointer at the top, on the fixed rim.
    QPainterPath ptr;
    ptr.moveTo(c.x() - 4, c.y() - 39);
    ptr.lineTo(c.x() + 4, c.y() - 39);
    ptr.lineTo(c.x(), c.y() - 32);
    ptr.closeSubpath();
    p.fillPath(ptr, goldBand(c.y() - 39, c.y() - 32));
}

void paintLeftMachine(QPainter& p, const SceneState& s)
{
    const QRectF body(-6, 276, 76, 192);
    paintGlow(p, QRectF(-16, 460, 100, 16), rgba(0, 0, 0, 170));
    paintCabinet(p, body, rgba(150, 20, 30), 5);
    // Cap under the wheel.
    p.fillRect(QRectF(-6, 274, 78, 5), goldBand(274, 279));
    // Bonus lamp.
    const QRectF lamp(17.5, 281.5, 31, 21);
    QPainterPath lp;
    lp.addRoundedRect(lamp, 5, 5);
    p.fillPath(lp, goldBand(lamp.top(), lamp.bottom()));
    QPainterPath glass;
    glass.addRoundedRect(lamp.adjusted(2, 2, -2, -2), 3.5, 3.5);
    if (s.bonusLamp) {
        paintGlow(p, QRectF(15, 279, 35, 27), rgba(255, 230, 120, 200));
        p.fillPath(lp, goldBand(lamp.top(), lamp.bottom()));
        p.fillPath(glass, vertical(lamp.top(), lamp.bottom(), rgba(255, 255, 200), rgba(255, 190, 40)));
        p.save();
        p.setClipPath(glass);
        paintGlow(p, lamp.adjusted(0, 0, 0, 0), rgba(255, 255, 255, 200));
        p.restore();
    } else {
        p.fillPath(glass, vertical(lamp.top(), lamp.bottom(), rgba(110, 60, 20), rgba(60, 25, 5)));
    }
    QFont f = pixelFont(QStringLiteral("Bebas Neue"), 13, QFont::Bold);
    p.setFont(f);
    p.setPen(s.bonusLamp ? rgba(200, 0, 0) : rgba(190, 130, 60));
    p.drawText(lamp.adjusted(0, 1, 0, 0), Qt::AlignCenter, QStringLiteral("BÔNUS"));
    // Reel window and its lights.
    paintChromeFrame(p, QRectF(7.5, 307.5, 51, 62), 5);
    const QRectF lightsBand(11, 310, 44, 57);
    p.fillRect(lightsBand, rgba(30, 5, 8));
    paintWindowLights(p, QRectF(12.5, 312, 41, 53), s.leftReelsWin, 6.4);
    const Symbol base[3] = {Cherry, Bar, Bell};
    const Symbol win[3] = {Seven, Seven, Seven};
    paintReels(p, QRectF(13, 316, 40, 45), s.leftReelsWin ? win : base, s.leftReelsWin);
    // Buttons, belly art and coin tray.
    paintButtonDeck(p, QRectF(2, 374, 62, 14));
    const QRectF belly(2, 392, 62, 44);
    p.fillRect(belly, vertical(belly.top(), belly.bottom(), rgba(60, 0, 10), rgba(20, 0, 5)));
    p.setPen(QPen(rgba(220, 170, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(belly.adjusted(1.5, 1.5, -1.5, -1.5));
    paintSymbol(p, QPointF(20, 414), 16, Seven);
    paintSymbol(p, QPointF(33, 414), 16, Seven);
    paintSymbol(p, QPointF(46, 414), 16, Seven);
    p.fillRect(QRectF(8, 444, 50, 10), vertical(444, 454, rgba(30, 30, 30), rgba(160, 160, 170)));
    p.fillRect(QRectF(-6, 460, 76, 8), rgba(25, 5, 8));
    // The wheel on top.
    paintWheel(p, QPointF(37, 237), s.wheelTurn);
}

// Middle machine: reels in (137..199, 259..313).
void paintMiddleMachine(QPainter& p, const SceneState& s)
{
    const QRectF body(127, 214, 82, 206);
    paintGlow(p, QRectF(115, 412, 106, 16), rgba(0, 0, 0, 170));
    paintCabinet(p, body, rgba(30, 60, 150), 6);
    // Topper sign.
    const QRectF topper(131, 205, 74, 40);
    QPainterPath tp;
    tp.addRoundedRect(topper, 10, 10);
    p.fillPath(tp, goldBand(topper.top(), topper.bottom()));
    QPainterPath ti;
    ti.addRoundedRect(topper.adjusted(3, 3, -3, -3), 8, 8);
    p.fillPath(ti, vertical(topper.top(), topper.bottom(), rgba(20, 30, 90), rgba(5, 10, 40)));
    for (int i = 0; i < 3; ++i)
        paintSymbol(p, QPointF(151 + i * 17, 225), 18, Seven);
    // Reel window.
    paintChromeFrame(p, QRectF(134, 254, 68, 62), 5);
    p.fillRect(QRectF(138, 258, 60, 54), rgba(10, 10, 30));
    paintWindowLights(p, QRectF(139.5, 262.5, 57, 46), s.middleReelsWin, 6.5);
    const Symbol base[3] = {Lemon, Seven, Gem};
    const Symbol win[3] = {Bell, Bell, Bell};
    paintReels(p, QRectF(141, 266, 54, 39), s.middleReelsWin ? win : base, s.middleReelsWin);
    paintButtonDeck(p, QRectF(133, 320, 70, 14));
    const QRectF belly(133, 338, 70, 52);
    p.fillRect(belly, vertical(belly.top(), belly.bottom(), rgba(10, 20, 70), rgba(0, 5, 25)));
    p.setPen(QPen(rgba(220, 170, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(belly.adjusted(1.5, 1.5, -1.5, -1.5));
    paintSymbol(p, QPointF(153, 364), 18, Cherry);
    paintSymbol(p, QPointF(168, 364), 18, Bell);
    paintSymbol(p, QPointF(183, 364), 18, Gem);
    p.fillRect(QRectF(138, 396, 60, 10), vertical(396, 406, rgba(30, 30, 30), rgba(160, 160, 170)));
    p.fillRect(QRectF(127, 412, 82, 8), rgba(8, 10, 30));
}

// A small machine against the wall, seen far away; nothing on it moves.
void paintBackMachine(QPainter& p, double x, double w, const QColor& colour, int seed)
{
    const QRectF body(x, 178, w, 110);
    paintCabinet(p, body, colour, 4);
    const QRectF screen(x + 5, 190, w - 10, 34);
    paintChromeFrame(p, screen.adjusted(-2, -2, 2, 2), 3);
    const Symbol sy[3] = {static_cast<Symbol>(seed % 6), static_cast<Symbol>((seed + 3) % 6), static_cast<Symbol>((seed + 1) % 6)};
    paintReels(p, screen, sy, false);
    paintButtonDeck(p, QRectF(x + 4, 230, w - 8, 8));
    p.fillRect(QRectF(x + 5, 244, w - 10, 30), vertical(244, 274, colour.darker(200), colour.darker(400)));
    p.fillRect(QRectF(x, 280, w, 8), rgba(10, 5, 5));
}

// Back right machines: beacon in (567..601, 150..176), lever in (651..677, 174..248).
void paintBackRightMachines(QPainter& p, const SceneState& s)
{
    paintBackMachine(p, 690, 52, rgba(120, 30, 140), 2);
    paintBackMachine(p, 745, 50, rgba(30, 110, 70), 4);
    paintBackMachine(p, 560, 48, rgba(170, 110, 20), 1);
    paintBackMachine(p, 612, 40, rgba(40, 70, 160), 5);
    // Beacon dome on the first of them.
    const QPointF bc(584, 166);
    p.fillRect(QRectF(572, 172, 24, 6), goldBand(172, 178));
    if (s.beaconOn) {
        paintGlow(p, QRectF(567, 150, 34, 26), rgba(255, 60, 40, 170));
        QPainterPath dome;
        dome.moveTo(bc.x() - 9, bc.y() + 6);
        dome.cubicTo(bc.x() - 9, bc.y() - 13, bc.x() + 9, bc.y() - 13, bc.x() + 9, bc.y() + 6);
        dome.closeSubpath();
        QRadialGradient g(bc + QPointF(-2, -3), 12);
        g.setColorAt(0, rgba(255, 255, 220));
        g.setColorAt(0.35, rgba(255, 120, 80));
        g.setColorAt(1, rgba(230, 20, 10));
        p.fillPath(dome, g);
        // Light beams sweeping out of the dome, fading before the edge of the beacon's frame.
        p.setPen(Qt::NoPen);
        for (int side : {-1, 1}) {
            QPainterPath beam;
            beam.moveTo(bc.x(), bc.y() - 3);
            beam.lineTo(bc.x() + side * 16, bc.y() - 14);
            beam.lineTo(bc.x() + side * 16, bc.y() - 5);
            beam.closeSubpath();
            QLinearGradient bg(bc.x(), 0, bc.x() + side * 16, 0);
            bg.setColorAt(0, rgba(255, 200, 150, 170));
            bg.setColorAt(1, rgba(255, 120, 80, 0));
            p.fillPath(beam, bg);
        }
    } else {
        QPainterPath dome;
        dome.moveTo(bc.x() - 9, bc.y() + 6);
        dome.cubicTo(bc.x() - 9, bc.y() - 13, bc.x() + 9, bc.y() - 13, bc.x() + 9, bc.y() + 6);
        dome.closeSubpath();
        QRadialGradient g(bc + QPointF(-3, -4), 12);
        g.setColorAt(0, rgba(230, 140, 130));
        g.setColorAt(0.4, rgba(130, 20, 20));
        g.setColorAt(1, rgba(60, 5, 5));
        p.fillPath(dome, g);
    }
    // Lever on the right side of the blue machine.
    p.fillRect(QRectF(650.5, 205, 8, 15), horizontal(650.5, 658.5, rgba(200, 200, 210), rgba(80, 80, 90)));
    const QPointF pivot(655, 212);
    const QPointF knob = s.leverPulled ? QPointF(665, 240) : QPointF(665, 181);
    p.setPen(QPen(rgba(190, 190, 200), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pivot, knob);
    p.setPen(QPen(rgba(255, 255, 255, 150), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pivot + QPointF(-0.6, 0), knob + QPointF(-0.6, 0));
    QRadialGradient kg(knob + QPointF(-1.8, -1.8), 6.5);
    kg.setColorAt(0, rgba(255, 170, 170));
    kg.setColorAt(0.5, rgba(230, 20, 20));
    kg.setColorAt(1, rgba(110, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(kg);
    p.drawEllipse(knob, 5.5, 5.5);
    p.setBrush(goldColumn(651, 659));
    p.drawEllipse(pivot, 3, 3);
}

// ---------------------------------------------------------------- people

struct Look {
    double yaw = 0;   // radians, positive turns the face to the viewer's right
    double pitch = 0; // positive looks down
    double tilt = 0;  // degrees
};

enum class Hair { Short, Updo, Slick, Bob };

struct Person {
    QColor skin;
    QColor hair;
    Hair hairStyle = Hair::Short;
    bool lipstick = false;
};

void paintHead(QPainter& p, QPointF centre, double w, double h, const Person& who, const Look& look)
{
    p.save();
    p.translate(centre);
    p.rotate(look.tilt);
    const double yaw = look.yaw;
    const double fy = look.pitch * h * 0.16;
    const QColor skinShade = who.skin.darker(135);

    // Hair behind the head.
    if (who.hairStyle == Hair::Updo) {
        QRadialGradient g(QPointF(-2 - yaw * 4, -h * 0.52), w * 0.3);
        g.setColorAt(0, who.hair.lighter(150));
        g.setColorAt(1, who.hair.darker(130));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(-yaw * w * 0.25, -h * 0.44 + fy * 0.3), w * 0.24, h * 0.13);
    } else if (who.hairStyle == Hair::Bob) {
        QPainterPath back;
        back.addRoundedRect(QRectF(-w * 0.56, -h * 0.42, w * 1.12, h * 0.82), w * 0.4, w * 0.4);
        p.fillPath(back, who.hair.darker(120));
    }

    QPainterPath head;
    head.addEllipse(QPointF(std::sin(yaw) * w * 0.04, 0), w / 2, h / 2);
    QRadialGradient sg(QPointF(-w * 0.15 + std::sin(yaw) * w * 0.2, -h * 0.2), w * 0.75);
    sg.setColorAt(0, who.skin.lighter(112));
    sg.setColorAt(0.7, who.skin);
    sg.setColorAt(1, skinShade);
    p.fillPath(head, sg);

    // Ears: each sits at 90 degrees from the nose and shows while it faces the viewer.
    for (int side : {-1, 1}) {
        const double a = side * kPi / 2 + yaw;
        if (std::cos(a) < -0.12)
            continue;
        const double ex = std::sin(a) * w * 0.49;
        QPainterPath ear;
        ear.addEllipse(QPointF(ex, h * 0.03 + fy * 0.3), w * 0.09, h * 0.12);
        p.fillPath(ear, who.skin.darker(108));
        p.setPen(QPen(skinShade, 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(ear);
        p.setPen(Qt::NoPen);
    }

    // Hair on top: the head less the face, which follows the turn.
    QPainterPath face;
    face.addEllipse(QPointF(std::sin(yaw) * w * 0.3, h * 0.13 + fy * 0.6), w * 0.42, h * 0.47);
    QPainterPath hairCap = head.subtracted(face);
    QPainterPath topHalf;
    const double hairBottom = who.hairStyle == Hair::Bob ? h * 0.32 : h * 0.02;
    topHalf.addRect(QRectF(-w, -h, 2 * w, h + hairBottom));
    hairCap = hairCap.intersected(topHalf);
    if (who.hairStyle == Hair::Slick || who.hairStyle == Hair::Short || who.hairStyle == Hair::Updo) {
        // A little volume on top.
        QPainterPath crown;
        crown.addEllipse(QPointF(std::sin(yaw) * w * 0.05, -h * 0.33), w * 0.48, h * 0.17);
        hairCap = hairCap.united(crown.intersected(topHalf));
    }
    QLinearGradient hg(0, -h / 2, 0, h * 0.2);
    hg.setColorAt(0, who.hair.lighter(135));
    hg.setColorAt(1, who.hair.darker(115));
    p.fillPath(hairCap, hg);
    if (who.hairStyle == Hair::Slick) {
        p.setPen(QPen(who.hair.lighter(170), 0.6));
        const double px = std::sin(yaw) * w * 0.35 - w * 0.12;
        p.drawLine(QPointF(px, -h * 0.47), QPointF(px + 1.5, -h * 0.28));
        p.setPen(Qt::NoPen);
    }

    // Features placed around the head by their angle from the nose.
    auto featureX = [&](double angle) { return std::sin(angle + yaw) * w * 0.47; };
    const double eyeY = -h * 0.02 + fy;
    const bool tiny = w < 18;
    for (int side : {-1, 1}) {
        const double a = side * 0.42;
        const double vis = std::cos(a + yaw);
        if (vis < 0.2)
            continue;
        const double ex = featureX(a);
        // Brow.
        p.setPen(QPen(who.hair.darker(140), tiny ? 0.8 : 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(ex - w * 0.09 * vis, eyeY - h * 0.09), QPointF(ex + w * 0.09 * vis, eyeY - h * 0.1));
        p.setPen(Qt::NoPen);
        if (tiny) {
            p.setBrush(rgba(30, 20, 20));
            p.drawEllipse(QPointF(ex + yaw * 0.6, eyeY), 0.9 * vis + 0.2, 0.9);
        } else {
            p.setBrush(rgba(250, 250, 245));
            p.drawEllipse(QPointF(ex, eyeY), w * 0.075 * vis + 0.3, h * 0.04);
            p.setBrush(rgba(40, 25, 20));
            p.drawEllipse(QPointF(ex + std::sin(yaw) * w * 0.03, eyeY), w * 0.04 + 0.2, h * 0.038);
        }
    }
    // Nose: points the way the head turns.
    const double nx = featureX(0);
    QPainterPath nose;
    nose.moveTo(nx, eyeY + h * 0.02);
    nose.lineTo(nx + std::sin(yaw) * w * 0.1 + w * 0.02, eyeY + h * 0.17);
    nose.lineTo(nx - w * 0.05, eyeY + h * 0.18);
    p.setPen(QPen(skinShade, tiny ? 0.7 : 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(nose);
    // Mouth.
    const double mx = featureX(0) * 0.95;
    const double mw = w * 0.13 * std::cos(yaw) + 0.8;
    const double my = eyeY + h * 0.29;
    QPainterPath mouth;
    mouth.moveTo(mx - mw, my);
    mouth.quadTo(mx, my + h * 0.06, mx + mw, my);
    p.setPen(QPen(who.lipstick ? rgba(200, 20, 40) : who.skin.darker(170), who.lipstick && !tiny ? 1.5 : 0.9,
                  Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mouth);
    if (who.lipstick && !tiny) {
        p.setPen(Qt::NoPen);
        p.setBrush(rgba(255, 120, 120, 60));
        p.drawEllipse(QPointF(featureX(-0.7), eyeY + h * 0.15), w * 0.07, h * 0.04);
        p.drawEllipse(QPointF(featureX(0.7), eyeY + h * 0.15), w * 0.07, h * 0.04);
    }
    p.restore();
}

// Neck and torso with shoulders; `style` picks the clothes.
enum class Outfit { Dealer, Dress, Suit, Waitress, Casual };

void paintTorso(QPainter& p, double cx, double neckTop, double shoulderY, double shoulderW, double waistY,
                double waistW, const QColor& skin, const QColor& cloth, Outfit outfit)
{
    p.setPen(Qt::NoPen);
    // Neck.
    const double neckW = shoulderW * 0.2;
    p.fillRect(QRectF(cx - neckW / 2, neckTop, neckW, shoulderY - neckTop + 4), horizontal(cx - neckW / 2, cx + neckW / 2, skin.darker(130), skin));
    QPainterPath t;
    const double l = cx - shoulderW / 2, r = cx + shoulderW / 2;
    t.moveTo(cx - neckW * 0.9, shoulderY - 1);
    t.quadTo(l + 2, shoulderY - 1, l, shoulderY + 7);
    t.lineTo(cx - waistW / 2, waistY);
    t.lineTo(cx + waistW / 2, waistY);
    t.lineTo(r, shoulderY + 7);
    t.quadTo(r - 2, shoulderY - 1, cx + neckW * 0.9, shoulderY - 1);
    t.closeSubpath();
    QLinearGradient g(l, 0, r, 0);
    g.setColorAt(0, cloth.darker(170));
    g.setColorAt(0.35, cloth.lighter(120));
    g.setColorAt(0.7, cloth);
    g.setColorAt(1, cloth.darker(190));
    p.fillPath(t, g);
    switch (outfit) {
    case Outfit::Dealer:
    case Outfit::Waitress: {
        // White shirt front between the vest's lapels, and a bow tie.
        QPainterPath shirt;
        shirt.moveTo(cx - neckW * 0.8, shoulderY - 1);
        shirt.lineTo(cx + neckW * 0.8, shoulderY - 1);
        shirt.lineTo(cx + 2, waistY);
        shirt.lineTo(cx - 2, waistY);
        shirt.closeSubpath();
        p.fillPath(shirt, vertical(shoulderY, waistY, rgba(255, 255, 255), rgba(200, 200, 205)));
        QPainterPath bow;
        const double by = shoulderY + 1.5;
        bow.moveTo(cx, by);
        bow.lineTo(cx - 5, by - 2.5);
        bow.lineTo(cx - 5, by + 2.5);
        bow.closeSubpath();
        bow.moveTo(cx, by);
        bow.lineTo(cx + 5, by - 2.5);
        bow.lineTo(cx + 5, by + 2.5);
        bow.closeSubpath();
        p.fillPath(bow, rgba(190, 10, 20));
        p.setBrush(rgba(220, 200, 120));
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(cx + 3.2, shoulderY + 12 + i * 9), 0.9, 0.9);
        break;
    }
    case Outfit::Suit: {
        QPainterPath shirt;
        shirt.moveTo(cx - neckW * 0.8, shoulderY - 1);
        shirt.lineTo(cx + neckW * 0.8, shoulderY - 1);
        shirt.lineTo(cx, shoulderY + 22);
        shirt.closeSubpath();
        p.fillPath(shirt, rgba(240, 240, 245));
        QPainterPath tie;
        tie.moveTo(cx - 1.6, shoulderY);
        tie.lineTo(cx + 1.6, shoulderY);
        tie.lineTo(cx + 2.6, shoulderY + 17);
        tie.lineTo(cx, shoulderY + 21);
        tie.lineTo(cx - 2.6, shoulderY + 17);
        tie.closeSubpath();
        p.fillPath(tie, rgba(200, 150, 30));
        p.setPen(QPen(cloth.darker(200), 0.8));
        p.drawLine(QPointF(cx - neckW * 0.8, shoulderY - 1), QPointF(cx - 1, shoulderY + 26));
        p.drawLine(QPointF(cx + neckW * 0.8, shoulderY - 1), QPointF(cx + 1, shoulderY + 26));
        p.setPen(Qt::NoPen);
        break;
    }
    case Outfit::Dress: {
        // Neckline and a sparkling necklace.
        QPainterPath neck;
        neck.moveTo(cx - neckW * 1.2, shoulderY - 1);
        neck.quadTo(cx, shoulderY + 12, cx + neckW * 1.2, shoulderY - 1);
        neck.closeSubpath();
        p.fillPath(neck, skin);
        p.setPen(QPen(rgba(250, 240, 200), 1.0));
        p.setBrush(Qt::NoBrush);
        QPainterPath lace;
        lace.moveTo(cx - neckW * 0.9, shoulderY);
        lace.quadTo(cx, shoulderY + 7, cx + neckW * 0.9, shoulderY);
        p.drawPath(lace);
        p.setPen(Qt::NoPen);
        break;
    }
    case Outfit::Casual: {
        QPainterPath collar;
        collar.moveTo(cx - neckW, shoulderY - 1);
        collar.lineTo(cx, shoulderY + 6);
        collar.lineTo(cx + neckW, shoulderY - 1);
        collar.closeSubpath();
        p.fillPath(collar, skin);
        break;
    }
    }
}

// A rounded limb along `path`: a dark rim, the body colour, and a highlight towards the light.
void paintLimb(QPainter& p, const QPainterPath& path, double width, const QColor& c)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.darker(165), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(c, width * 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(-width * 0.08, -width * 0.06));
    p.setPen(QPen(c.lighter(122), width * 0.26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(-width * 0.2, -width * 0.16));
    p.restore();
}

// An arm in two segments, sleeve down to `sleeveEnd` (0..1 along the forearm), and a hand.
void paintArm(QPainter& p, QPointF shoulder, QPointF elbow, QPointF hand, double width, const QColor& sleeve,
              const QColor& skin, double sleeveEnd = 0.85)
{
    const QPointF cuff = elbow + (hand - elbow) * sleeveEnd;
    p.setPen(Qt::NoPen);
    if (sleeveEnd < 1.0) {
        QPainterPath wrist;
        wrist.moveTo(cuff);
        wrist.lineTo(hand);
        paintLimb(p, wrist, width * 0.62, skin);
    }
    QPainterPath arm;
    arm.moveTo(shoulder);
    arm.lineTo(elbow);
    arm.lineTo(cuff);
    paintLimb(p, arm, width * 0.9, sleeve);
    QRadialGradient hg(hand + QPointF(-1, -1), width * 0.7);
    hg.setColorAt(0, skin.lighter(115));
    hg.setColorAt(1, skin.darker(125));
    p.setPen(Qt::NoPen);
    p.setBrush(hg);
    p.drawEllipse(hand, width * 0.5, width * 0.56);
}

const Person kDealer{rgba(226, 180, 140), rgba(40, 28, 22), Hair::Slick, false};
const Person kLady{rgba(240, 200, 170), rgba(70, 30, 15), Hair::Updo, true};
const Person kGentleman{rgba(170, 115, 80), rgba(25, 20, 18), Hair::Short, false};
const Person kWaitress{rgba(245, 210, 180), rgba(220, 170, 80), Hair::Updo, true};
const Person kBystander{rgba(200, 150, 110), rgba(90, 60, 40), Hair::Short, false};
const Person kCheerer{rgba(120, 80, 55), rgba(20, 15, 15), Hair::Bob, true};

void paintLegs(QPainter& p, double cx, double hipY, double footY, double spread, const QColor& colour)
{
    for (int side : {-1, 1}) {
        QPainterPath leg;
        leg.moveTo(cx + side * 1, hipY);
        leg.lineTo(cx + side * spread, hipY);
        leg.lineTo(cx + side * (spread - 1), footY);
        leg.lineTo(cx + side * 1.5, footY);
        leg.closeSubpath();
        p.fillPath(leg, vertical(hipY, footY, colour, colour.darker(160)));
        p.setPen(Qt::NoPen);
        p.setBrush(rgba(15, 10, 10));
        p.drawEllipse(QPointF(cx + side * (spread * 0.6 + 1), footY), spread * 0.6 + 1, 1.8);
    }
}

// The man at the back between the middle machine and the table; head in (256..281, 187..213).
void paintBystander(QPainter& p, const SceneState& s)
{
    const double cx = 268.5;
    paintGlow(p, QRectF(cx - 16, 295, 32, 9), rgba(0, 0, 0, 140));
    paintLegs(p, cx, 248, 300, 7, rgba(50, 50, 60));
    paintTorso(p, cx, 205, 213, 28, 250, 20, kBystander.skin, rgba(90, 95, 110), Outfit::Suit);
    paintArm(p, QPointF(256, 217), QPointF(254, 234), QPointF(257, 250), 6, rgba(80, 85, 100), kBystander.skin, 0.9);
    paintArm(p, QPointF(281, 217), QPointF(284, 234), QPointF(281, 250), 6, rgba(80, 85, 100), kBystander.skin, 0.9);
    Look look;
    if (s.bystanderNods) {
        look.pitch = 1.0;
        look.yaw = -0.8;
        look.tilt = -10;
    } else {
        look.yaw = 0.4;
    }
    paintHead(p, QPointF(cx, 200), 14, 18, kBystander, look);
}

// The lady at the back cheering with a drink; arm in (384..418, 185..228).
void paintCheerer(QPainter& p, const SceneState& s)
{
    const double cx = 425;
    paintGlow(p, QRectF(cx - 15, 293, 30, 9), rgba(0, 0, 0, 140));
    paintLegs(p, cx, 250, 298, 6, kCheerer.skin.darker(110));
    // Dress down to the knees.
    QPainterPath skirt;
    skirt.moveTo(cx - 10, 240);
    skirt.lineTo(cx + 10, 240);
    skirt.lineTo(cx + 14, 274);
    skirt.lineTo(cx - 14, 274);
    skirt.closeSubpath();
    p.fillPath(skirt, vertical(240, 274, rgba(150, 50, 170), rgba(80, 20, 100)));
    paintTorso(p, cx, 203, 210, 26, 244, 18, kCheerer.skin, rgba(150, 50, 170), Outfit::Dress);
    paintArm(p, QPointF(437, 214), QPointF(441, 232), QPointF(436, 246), 5.5, kCheerer.skin, kCheerer.skin, 1.0);
    QPointF elbow, hand;
    if (s.cheerArmUp) {
        elbow = QPointF(401, 208);
        hand = QPointF(396, 199);
    } else {
        elbow = QPointF(406, 222);
        hand = QPointF(397, 214);
    }
    paintArm(p, QPointF(413, 214), elbow, hand, 5.5, kCheerer.skin, kCheerer.skin, 1.0);
    // Cocktail glass in her hand.
    const QPointF g = hand + QPointF(-1, -3);
    QPainterPath cup;
    cup.moveTo(g.x() - 4, g.y() - 7);
    cup.lineTo(g.x() + 4, g.y() - 7);
    cup.lineTo(g.x(), g.y() - 2);
    cup.closeSubpath();
    p.fillPath(cup, QBrush(rgba(255, 120, 150, 220)));
    p.setPen(QPen(rgba(240, 240, 255, 200), 0.8));
    p.drawLine(QPointF(g.x(), g.y() - 2), QPointF(g.x(), g.y() + 3));
    p.drawLine(QPointF(g.x() - 1.8, g.y() + 3), QPointF(g.x() + 1.8, g.y() + 3));
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(240, 200, 40));
    p.drawEllipse(QPointF(g.x() + 3, g.y() - 7.5), 1.2, 1.2);
    paintHead(p, QPointF(cx, 196), 14, 18, kCheerer, Look{0.25, 0, 5});
}

// The dealer behind the table; head in (454..493, 251..282).
void paintDealerBody(QPainter& p, const SceneState& s)
{
    const double cx = 473.5;
    paintTorso(p, cx, 276, 289, 58, 345, 46, kDealer.skin, rgba(25, 25, 30), Outfit::Dealer);
    // Shirt sleeves at the shoulders (arms are drawn over the table).
    p.setBrush(rgba(245, 245, 248));
    p.drawEllipse(QPointF(cx - 27, 298), 6, 8);
    p.drawEllipse(QPointF(cx + 27, 298), 6, 8);
    Look look;
    if (s.dealerTurned) {
        look.yaw = -0.95;
        look.tilt = -7;
        look.pitch = 0.3;
    } else {
        look.yaw = 0.1;
    }
    paintHead(p, QPointF(cx, 266.5), 23, 28, kDealer, look);
}

void paintDealerArms(QPainter& p)
{
    const QColor sleeve = rgba(245, 245, 248);
    paintArm(p, QPointF(447, 298), QPointF(437, 330), QPointF(452, 357), 10, sleeve, kDealer.skin, 0.8);
    paintArm(p, QPointF(500, 298), QPointF(510, 330), QPointF(497, 357), 10, sleeve, kDealer.skin, 0.8);
    // A red garter on each sleeve.
    p.setPen(QPen(rgba(190, 10, 20), 2.2));
    p.drawLine(QPointF(436, 316), QPointF(446, 318));
    p.drawLine(QPointF(501, 318), QPointF(511, 316));
    p.setPen(Qt::NoPen);
}

// The lady at the left end of the table; head in (302..335, 239..279), arm in (311..357, 287..338).
void paintLadyPlayer(QPainter& p, const SceneState& s)
{
    const double cx = 318.5;
    const QColor dress = rgba(200, 20, 40);
    paintTorso(p, cx, 274, 287, 48, 345, 36, kLady.skin, dress, Outfit::Dress);
    paintArm(p, QPointF(298, 293), QPointF(290, 318), QPointF(296, 336), 8, kLady.skin, kLady.skin, 1.0);
    QPointF elbow, hand;
    if (s.chipArmUp) {
        elbow = QPointF(348, 313);
        hand = QPointF(344, 297);
    } else {
        elbow = QPointF(346, 318);
        hand = QPointF(334, 331);
    }
    paintArm(p, QPointF(338, 294), elbow, hand, 8, kLady.skin, kLady.skin, 1.0);
    // Bracelet and the chip between her fingers.
    p.setBrush(rgba(250, 220, 120));
    const QPointF wrist = elbow + (hand - elbow) * 0.72;
    p.drawEllipse(wrist, 2.4, 1.4);
    paintChip(p, hand + QPointF(s.chipArmUp ? 2 : 3, s.chipArmUp ? -3 : -2), 3.6, rgba(30, 90, 200));
    Look look;
    if (s.playerTurned) {
        look.yaw = -0.85;
        look.tilt = -8;
        look.pitch = -0.2;
    } else {
        look.yaw = 0.55;
        look.tilt = 5;
    }
    paintHead(p, QPointF(cx, 262), 22, 29, kLady, look);
}

// The gentleman at the right end of the table; arm in (558..605, 286..327).
void paintGentleman(QPainter& p, const SceneState& s)
{
    const double cx = 592;
    const QColor suit = rgba(30, 50, 110);
    paintTorso(p, cx, 274, 290, 50, 345, 42, kGentleman.skin, suit, Outfit::Suit);
    paintArm(p, QPointF(614, 296), QPointF(622, 322), QPointF(614, 340), 10, suit, kGentleman.skin, 0.85);
    QPointF elbow, hand;
    if (s.cardArmUp) {
        elbow = QPointF(566, 313);
        hand = QPointF(571, 297);
    } else {
        elbow = QPointF(567, 317);
        hand = QPointF(585, 318);
    }
    paintArm(p, QPointF(572, 296), elbow, hand, 10, suit, kGentleman.skin, 0.82);
    // Two cards in his hand, fanned out when he shows them.
    if (s.cardArmUp) {
        paintCard(p, QRectF(hand.x() - 9, hand.y() - 8, 8, 11), QStringLiteral("A"), 0, -12);
        paintCard(p, QRectF(hand.x() - 4, hand.y() - 9, 8, 11), QStringLiteral("K"), 1, 10);
    } else {
        paintCard(p, QRectF(hand.x() - 2, hand.y() - 7, 7, 9), QString(), -1, -5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kGentleman.skin);
    p.drawEllipse(hand + QPointF(0, 1), 3.2, 3);
    paintHead(p, QPointF(cx, 262), 23, 28, kGentleman, Look{-0.35, 0, -3});
}

// The waitress at the right, carrying a tray of drinks; head in (674..706, 336..365).
void paintWaitress(QPainter& p, const SceneState& s)
{
    const double cx = 692;
    paintTorso(p, cx, 360, 372, 42, 480, 34, kWaitress.skin, rgba(25, 20, 25), Outfit::Waitress);
    paintArm(p, QPointF(673, 378), QPointF(668, 410), QPointF(674, 436), 9, rgba(245, 245, 248), kWaitress.skin, 0.75);
    paintArm(p, QPointF(711, 378), QPointF(730, 398), QPointF(740, 376), 9, rgba(245, 245, 248), kWaitress.skin, 0.7);
    // Tray with glasses of champagne.
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(368, 374, rgba(230, 230, 235), rgba(120, 120, 130)));
    p.drawEllipse(QPointF(743, 371), 22, 4);
    for (int i = 0; i < 3; ++i) {
        const double gx = 731 + i * 11;
        QPainterPath flute;
        flute.moveTo(gx - 3, 352);
        flute.lineTo(gx + 3, 352);
        flute.lineTo(gx + 2, 362);
        flute.lineTo(gx - 2, 362);
        flute.closeSubpath();
        p.fillPath(flute, QBrush(rgba(250, 220, 120, 220)));
        p.setPen(QPen(rgba(255, 255, 255, 200), 0.8));
        p.drawLine(QPointF(gx, 362), QPointF(gx, 369));
        p.drawLine(QPointF(gx - 2.5, 369), QPointF(gx + 2.5, 369));
        p.setPen(Qt::NoPen);
        p.setBrush(rgba(255, 255, 255, 170));
        p.drawEllipse(QPointF(gx - 1, 355), 0.7, 0.7);
    }
    Look look;
    if (s.waitressTurned) {
        look.yaw = 0.85;
        look.tilt = 7;
    } else {
        look.yaw = -0.6;
        look.tilt = -3;
    }
    paintHead(p, QPointF(690, 351), 20, 24, kWaitress, look);
}

// Brass posts with a red velvet rope in the foreground, left of the table.
void paintStanchions(QPainter& p)
{
    const QPointF posts[] = {QPointF(176, 470), QPointF(246, 466)};
    const double height = 44;
    for (const QPointF& base : posts)
        paintGlow(p, QRectF(base.x() - 14, base.y() - 4, 28, 8), rgba(0, 0, 0, 150));
    auto post = [&](const QPointF& base) {
        p.setPen(Qt::NoPen);
        p.setBrush(goldColumn(base.x() - 9, base.x() + 9));
        p.drawEllipse(QPointF(base.x(), base.y() - 2), 9, 3.2);
        p.fillRect(QRectF(base.x() - 2.2, base.y() - height, 4.4, height - 2), goldColumn(base.x() - 2.2, base.x() + 2.2));
        QRadialGradient knob(QPointF(base.x() - 1.2, base.y() - height - 1.5), 4.5);
        knob.setColorAt(0, rgba(255, 245, 200));
        knob.setColorAt(1, rgba(150, 100, 20));
        p.setBrush(knob);
        p.drawEllipse(QPointF(base.x(), base.y() - height - 1), 3.6, 3.6);
    };
    post(posts[0]);
    // The rope sags between the posts.
    QPainterPath rope;
    const QPointF a = posts[0] - QPointF(-3, height - 3);
    const QPointF b = posts[1] - QPointF(3, height - 3);
    rope.moveTo(a);
    rope.cubicTo(a + QPointF(20, 26), b + QPointF(-20, 26), b);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(70, 0, 10), 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rope);
    p.setPen(QPen(rgba(190, 20, 40), 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rope);
    p.setPen(QPen(rgba(255, 110, 120, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rope.translated(-0.4, -1.0));
    post(posts[1]);
}

// ---------------------------------------------------------------- the table

// Centre of the betting circle of seat `i` (0..4, left to right).
QPointF bettingSpot(int i)
{
    const double a = kPi * (0.18 + 0.16 * i);
    return QPointF(472 - std::cos(a) * 171, 344 + std::sin(a) * 92);
}

void paintTable(QPainter& p)
{
    const QPointF c(472, 338);
    const double rx = 212, ry = 130;
    // Shadow on the carpet.
    paintGlow(p, QRectF(c.x() - rx - 10, c.y() + 60, 2 * rx + 20, ry + 20), rgba(0, 0, 0, 160));
    // Wooden rail: a half ellipse closed by the straight dealer's edge.
    QPainterPath outer;
    outer.moveTo(c.x() - rx, c.y());
    outer.arcTo(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), 180, 180);
    outer.closeSubpath();
    QLinearGradient wood(0, c.y(), 0, c.y() + ry);
    wood.setColorAt(0, rgba(110, 50, 20));
    wood.setColorAt(0.7, rgba(80, 30, 10));
    wood.setColorAt(1, rgba(40, 14, 4));
    p.fillPath(outer, wood);
    // Padded leather arm rest.
    const double lx = rx - 4, ly = ry - 4;
    QPainterPath pad;
    pad.moveTo(c.x() - lx, c.y());
    pad.arcTo(QRectF(c.x() - lx, c.y() - ly, 2 * lx, 2 * ly), 180, 180);
    pad.closeSubpath();
    QRadialGradient leather(c, std::max(lx, ly));
    leather.setColorAt(0.8, rgba(60, 14, 10));
    leather.setColorAt(0.95, rgba(120, 40, 30));
    leather.setColorAt(1.0, rgba(40, 8, 6));
    p.fillPath(pad, leather);
    // Felt.
    const double fx = rx - 17, fy = ry - 16;
    QPainterPath felt;
    felt.moveTo(c.x() - fx, c.y() + 6);
    felt.arcTo(QRectF(c.x() - fx, c.y() + 6 - fy, 2 * fx, 2 * fy), 180, 180);
    felt.closeSubpath();
    QRadialGradient fg(QPointF(c.x(), c.y() + 40), fx);
    fg.setColorAt(0, rgba(30, 140, 70));
    fg.setColorAt(0.7, rgba(15, 100, 50));
    fg.setColorAt(1, rgba(5, 60, 30));
    p.fillPath(felt, fg);
    // Dealer's straight edge.
    p.fillRect(QRectF(c.x() - rx, 338, 2 * rx, 8), vertical(338, 346, rgba(150, 80, 35), rgba(70, 28, 10)));
    p.fillRect(QRectF(c.x() - rx, 338, 2 * rx, 1.2), rgba(220, 160, 90));

    // Printing on the felt.
    p.save();
    p.setClipPath(felt);
    p.setPen(QPen(rgba(240, 210, 120, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 165, 290, 330, 120), 200 * 16, 140 * 16);
    QFont f = pixelFont(QStringLiteral("DejaVu Serif"), 10, QFont::Bold);
    p.setFont(f);
    const QString line = QStringLiteral("BLACKJACK PAGA 3 PARA 2");
    const QFontMetricsF fm(f);
    const double total = fm.horizontalAdvance(line);
    // Letters along an arc under the dealer.
    double along = -total / 2;
    const double arcR = 185;
    const QPointF arcC(c.x(), 398 - arcR * 0.8);
    for (const QChar ch : line) {
        const double adv = fm.horizontalAdvance(ch);
        const double a = (along + adv / 2) / arcR;
        const QPointF pos(arcC.x() + std::sin(a) * arcR, arcC.y() + std::cos(a) * arcR * 0.8);
        p.save();
        p.translate(pos);
        p.rotate(-a * 180 / kPi * 0.8);
        p.setPen(rgba(250, 220, 130));
        p.drawText(QPointF(-adv / 2, 0), QString(ch));
        p.restore();
        along += adv;
    }
    QFont g = pixelFont(QStringLiteral("DejaVu Sans"), 7.5);
    p.setFont(g);
    p.setPen(rgba(230, 230, 210, 190));
    p.drawText(QRectF(c.x() - 60, 413, 120, 11), Qt::AlignCenter, QStringLiteral("A BANCA PARA EM 17"));
    // Betting circles for five players along the curve.
    for (int i = 0; i < 5; ++i) {
        const QPointF b = bettingSpot(i);
        p.setPen(QPen(rgba(240, 210, 120, 170), 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(b, 13, 8);
    }
    p.restore();
    // Sheen along the rail.
    p.setPen(QPen(rgba(255, 210, 160, 70), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - rx + 2, c.y() - ry + 2, 2 * rx - 4, 2 * ry - 4), 200 * 16, 140 * 16);
}

void paintTableItems(QPainter& p)
{
    // Chip rack in front of the dealer.
    const QRectF rack(430, 347, 86, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(rack.top(), rack.bottom(), rgba(90, 40, 20), rgba(40, 14, 5)));
    p.drawRoundedRect(rack, 2, 2);
    const QColor chipColours[] = {rgba(220, 30, 30), rgba(30, 90, 200), rgba(30, 150, 60), rgba(20, 20, 20),
                                  rgba(240, 240, 240), rgba(150, 40, 170), rgba(230, 160, 30)};
    for (int i = 0; i < 7; ++i) {
        const QRectF slot(433 + i * 11.6, 348.5, 10, 9);
        const QColor col = chipColours[i];
        p.setBrush(horizontal(slot.left(), slot.right(), col.darker(150), col.lighter(130)));
        p.drawRoundedRect(slot, 2, 2);
        p.setPen(QPen(rgba(255, 255, 255, 140), 0.6, Qt::DashLine));
        for (double y = slot.top() + 2; y < slot.bottom(); y += 2.2)
            p.drawLine(QPointF(slot.left() + 1, y), QPointF(slot.right() - 1, y));
        p.setPen(Qt::NoPen);
    }
    paintDealerArms(p);
    // Dealer's cards and the shoe.
    paintCard(p, QRectF(456, 362, 15, 21), QStringLiteral("K"), 2, -4);
    paintCard(p, QRectF(475, 362, 15, 21), QString(), -1, 5);
    p.setBrush(vertical(352, 372, rgba(70, 25, 10), rgba(30, 8, 2)));
    p.drawRoundedRect(QRectF(548, 356, 24, 18), 3, 3);
    paintCard(p, QRectF(540, 360, 12, 16), QString(), -1, -8);
    // Players' bets and cards at four of the five seats.
    struct Seat {
        int index;
        int chips;
        QColor colour;
        QString r1, r2;
        int s1, s2;
    };
    const Seat seats[] = {
        {0, 3, rgba(220, 30, 30), QStringLiteral("9"), QStringLiteral("A"), 1, 0},
        {1, 5, rgba(30, 90, 200), QStringLiteral("Q"), QStringLiteral("7"), 3, 2},
        {3, 2, rgba(30, 150, 60), QStringLiteral("5"), QStringLiteral("J"), 0, 1},
        {4, 4, rgba(20, 20, 20), QStringLiteral("A"), QStringLiteral("10"), 2, 3},
    };
    for (const Seat& seat : seats) {
        const QPointF b = bettingSpot(seat.index);
        paintCard(p, QRectF(b.x() + 2, b.y() - 24, 15, 21), seat.r1, seat.s1, -8);
        paintCard(p, QRectF(b.x() + 10, b.y() - 22, 15, 21), seat.r2, seat.s2, 7);
        for (int k = 0; k < seat.chips; ++k)
            paintChip(p, b + QPointF(-2, 1 - k * 2.2), 7.5, k % 2 ? rgba(240, 240, 240) : seat.colour);
    }
    // Loose chips near the lady.
    paintChip(p, QPointF(300, 360), 6, rgba(30, 90, 200));
    paintChip(p, QPointF(311, 365), 6, rgba(220, 30, 30));
    paintChip(p, QPointF(302, 367), 6, rgba(240, 240, 240));
}

} // namespace

QImage renderScene(const SceneState& s)
{
    // The backdrop is drawn once per scale and shared by every render at that scale.
    static QImage backdrops[3];
    QImage& backdrop = backdrops[std::clamp(renderScale(), 1, 2)];
    if (backdrop.isNull())
        backdrop = makeBackdrop();
    QImage img = backdrop.copy();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(0, kSceneOffsetY);

    paintChandelierShape(p, 743.5, 20, s.chandelierLit);
    paintMarquee(p, s.marqueeSwap);
    paintBackMachine(p, 78, 44, rgba(140, 100, 30), 3);
    paintBackRightMachines(p, s);
    paintCheerer(p, s);
    paintBystander(p, s);
    paintMiddleMachine(p, s);
    paintLeftMachine(p, s);
    paintDealerBody(p, s);
    paintLadyPlayer(p, s);
    paintGentleman(p, s);
    paintTable(p);
    paintTableItems(p);
    paintStanchions(p);
    paintWaitress(p, s);

    paintButtonBar(p, s.bar);
    if (s.panelOpen)
        paintMenuPanel(p, s.panelEntry, s.panelIcon);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace assetgen::layoutpics
