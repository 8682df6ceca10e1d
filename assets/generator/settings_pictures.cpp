// Layout pictures of the configuration screen ("config/...") and the design screen
// ("design/..."): the backgrounds each layout shows before a theme is applied, the seven swatch
// previews, the palette that decorates the design screen and the glyphs of its two buttons.
#include "game_pictures_common.h"
#include "generator.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {

using namespace gamepics;

// The colours of the seven theme backgrounds (light corner, body, deep corner), so that each
// swatch shows what its theme will look like, and the name the swatch carries.
struct ThemeLook {
    int number;
    QColor light, base, deep;
    bool dark;
    const char* name;
};

const ThemeLook kThemes[7] = {
    {1, QColor(0xE6, 0xF1, 0xFF), QColor(0xA9, 0xCB, 0xF5), QColor(0x5F, 0x94, 0xDC), false, "Azul"},
    {2, QColor(0xFF, 0xFC, 0xE0), QColor(0xFF, 0xEA, 0x8A), QColor(0xF0, 0xC2, 0x38), false, "Amarelo"},
    {3, QColor(0xFF, 0xF0, 0xF6), QColor(0xFB, 0xC8, 0xDC), QColor(0xEE, 0x94, 0xB8), false, "Rosa"},
    {4, QColor(0xF0, 0xFF, 0xEC), QColor(0xBE, 0xEB, 0xB2), QColor(0x6F, 0xC2, 0x66), false, "Verde"},
    {5, QColor(0xFF, 0xEC, 0xFC), QColor(0xF5, 0xAE, 0xE8), QColor(0xD9, 0x5C, 0xC6), false, "Fúcsia"},
    {6, QColor(0xC6, 0xD2, 0xF6), QColor(0x8F, 0xA5, 0xE6), QColor(0x68, 0x84, 0xD4), true, "Azul-escuro"},
    {7, QColor(0xEC, 0xFE, 0xFF), QColor(0xB0, 0xF0, 0xF6), QColor(0x4F, 0xCC, 0xDD), false, "Ciano"},
};

// The neutral pearl look of a layout's own background, shown until a theme is applied.
const ThemeLook kPearl = {0, QColor(0xFC, 0xFC, 0xFE), QColor(0xE4, 0xE7, 0xEE), QColor(0xB4, 0xBA, 0xC8), false, ""};

// Writes a layout picture under dir/relPath, PNG or JPEG by extension, and returns relPath.
// A picture that cannot be written ends the generator, so that no build misses one.
QString write(const QImage& img, const QDir& dir, const QString& relPath)
{
    return writePicture(img, dir, relPath, 92);
}

// The body of a theme background at any size: diagonal gradient, glow, sheen, a lattice of card
// suits, pinstripes, sparkles and a vignette, as the full-size backgrounds are drawn.
void paintThemeBody(QPainter& p, const QRectF& r, const ThemeLook& t, double scale, std::uint32_t seed)
{
    p.save();
    p.setClipRect(r);
    QLinearGradient body(r.topLeft(), r.bottomRight());
    body.setColorAt(0.0, t.light);
    body.setColorAt(0.45, t.base);
    body.setColorAt(1.0, t.deep);
    p.fillRect(r, body);

    QRadialGradient glow(r.topLeft() + QPointF(r.width() * 0.28, r.height() * 0.22), std::max(r.width(), r.height()) * 0.75);
    glow.setColorAt(0, withAlpha(Qt::white, t.dark ? 70 : 120));
    glow.setColorAt(0.6, withAlpha(Qt::white, t.dark ? 12 : 25));
    glow.setColorAt(1, withAlpha(Qt::white, 0));
    p.fillRect(r, glow);

    const QColor motif = t.dark ? withAlpha(lighter(t.base, 0.6), 30) : withAlpha(darker(t.deep, 0.25), 24);
    p.setPen(Qt::NoPen);
    p.setBrush(motif);
    const double step = 68 * scale, sz = 16 * scale;
    int row = 0;
    for (double y = r.top() - step / 2; y < r.bottom() + step; y += step * 0.5, ++row) {
        const double shift = (row % 2) ? step / 2 : 0;
        int col = 0;
        for (double x = r.left() - step + shift; x < r.right() + step; x += step, ++col)
            p.drawPath(suitPath(Suit((row + col * 3) % 4), QRectF(x - sz / 2, y - sz / 2, sz, sz)));
    }

    p.setPen(QPen(t.dark ? QColor(255, 255, 255, 10) : QColor(255, 255, 255, 34), std::max(0.6, 1.2 * scale)));
    const double gap = std::max(3.0, 9 * scale);
    for (double x = r.left() - r.height(); x < r.right(); x += gap)
        p.drawLine(QPointF(x, r.top()), QPointF(x + r.height(), r.bottom()));

    Rng rng(seed);
    const int count = int((t.dark ? 120 : 70) * r.width() * r.height() / (960.0 * 680.0) * 3) + 4;
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.uniform(r.left(), r.right()), rng.uniform(r.top(), r.bottom()));
        const double rad = rng.uniform(1.2, rng.next() % 5 == 0 ? 4.5 : 2.4);
        sparkle(p, c, rad, QColor(255, 255, 255, int(rng.uniform(t.dark ? 120 : 100, t.dark ? 230 : 210))));
    }

    QRadialGradient vignette(r.center(), std::max(r.width(), r.height()) * 0.72);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.75, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, withAlpha(darker(t.deep, 0.5), t.dark ? 110 : 60));
    p.fillRect(r, vignette);
    p.restore();
}

// A playing card seen from the front, small: white face, corner index and a centre pip.
void paintMiniCard(QPainter& p, const QRectF& r, const QString& rank, Suit suit, double angle)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF c(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    const QPainterPath face = roundedRect(c, r.width() * 0.12);
    dropShadow(p, face, QPointF(0.8, 1.0), 1.6, 70);
    p.setPen(QPen(QColor(120, 120, 130), 0.6));
    p.setBrush(QColor(255, 255, 252));
    p.drawPath(face);
    const bool red = suit == Suit::Hearts || suit == Suit::Diamonds;
    const QColor ink = red ? QColor(200, 24, 36) : QColor(24, 24, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const double pip = r.width() * 0.5;
    p.drawPath(suitPath(suit, QRectF(-pip / 2, -pip / 2 + r.height() * 0.06, pip, pip)));
    p.setPen(ink);
    p.setFont(font(QStringLiteral("DejaVu Sans"), r.height() * 0.24, QFont::Bold));
    p.drawText(QRectF(c.left() + 1.2, c.top() + 0.4, r.width() * 0.5, r.height() * 0.3), Qt::AlignLeft | Qt::AlignTop, rank);
    p.restore();
}

// A casino chip from above.
void paintMiniChip(QPainter& p, QPointF c, double radius, const QColor& colour)
{
    p.save();
    QPainterPath disc;
    disc.addEllipse(c, radius, radius);
    dropShadow(p, disc, QPointF(0.6, 0.9), 1.4, 70);
    QRadialGradient g(c - QPointF(radius * 0.3, radius * 0.35), radius * 1.4);
    g.setColorAt(0, lighter(colour, 0.35));
    g.setColorAt(1, darker(colour, 0.2));
    p.setPen(QPen(darker(colour, 0.45), 0.6));
    p.setBrush(g);
    p.drawPath(disc);
    // The edge spots.
    p.setPen(QPen(QColor(255, 255, 255, 230), radius * 0.28, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 6; ++i)
        p.drawArc(QRectF(c.x() - radius * 0.82, c.y() - radius * 0.82, radius * 1.64, radius * 1.64), i * 960 + 160, 320);
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius * 0.52, radius * 0.52);
    p.restore();
}

// One swatch: the theme's background with a little themed window on it, the casino at play
// inside, and the theme's name along the bottom. The lower right corner stays plain, for the
// radio button that sits there.
QImage renderSwatch(const ThemeLook& t)
{
    const int S = 105;
    QImage img = canvas(S, S, t.base);
    QPainter p(&img);
    prepare(p);
    paintThemeBody(p, QRectF(0, 0, S, S), t, 0.32, 100 + t.number);

    // The little window: a title bar in a deeper shade of the theme, and a body that shows the
    // theme again, as every window will.
    const QRectF win(11, 10, 83, 66);
    const QPainterPath frame = roundedRect(win, 3.5);
    dropShadow(p, frame, QPointF(1.5, 2.0), 3.0, 80);
    // The dark blue theme shows its colour in a navy title bar.
    const QColor barTop = t.dark ? darker(t.deep, 0.35) : darker(t.deep, 0.05);
    const QColor barBottom = t.dark ? darker(t.deep, 0.65) : darker(t.deep, 0.32);
    QLinearGradient bar(win.topLeft(), QPointF(win.left(), win.top() + 12));
    bar.setColorAt(0, barTop);
    bar.setColorAt(1, barBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(bar);
    p.drawPath(frame);
    const QRectF client(win.left() + 2, win.top() + 12, win.width() - 4, win.height() - 14);
    paintThemeBody(p, client, t, 0.16, 200 + t.number);
    p.setPen(QPen(darker(barBottom, 0.35), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    gloss(p, roundedRect(QRectF(win.left(), win.top(), win.width(), 12), 3.5), 90);

    // Title: a tiny crown of suits, and the close box.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    for (int i = 0; i < 4; ++i)
        p.drawPath(suitPath(Suit(i), QRectF(win.left() + 4 + i * 6.5, win.top() + 3.2, 5, 5)));
    const QRectF closeBox(win.right() - 11, win.top() + 2.2, 8.5, 7.5);
    QLinearGradient red(closeBox.topLeft(), closeBox.bottomLeft());
    red.setColorAt(0, QColor(240, 120, 100));
    red.setColorAt(1, QColor(190, 40, 30));
    p.setBrush(red);
    p.setPen(QPen(QColor(120, 20, 16), 0.6));
    p.drawRoundedRect(closeBox, 1.5, 1.5);
    p.setPen(QPen(Qt::white, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(closeBox.center() + QPointF(-1.8, -1.6), closeBox.center() + QPointF(1.8, 1.6));
    p.drawLine(closeBox.center() + QPointF(1.8, -1.6), closeBox.center() + QPointF(-1.8, 1.6));

    // The green baize of a card table, with two cards and a stack of chips on it.
    const QRectF baize(client.left() + 5, client.top() + 5, client.width() - 10, 30);
    const QPainterPath table = roundedRect(baize, 12);
    dropShadow(p, table, QPointF(0.8, 1.2), 2.0, 60);
    QRadialGradient felt(baize.center() - QPointF(0, 4), baize.width() * 0.6);
    felt.setColorAt(0, QColor(40, 150, 80));
    felt.setColorAt(1, QColor(12, 86, 44));
    p.setBrush(felt);
    p.setPen(QPen(QColor(150, 100, 40), 1.4));
    p.drawPath(table);
    paintMiniCard(p, QRectF(baize.left() + 12, baize.top() + 4, 14, 20), QStringLiteral("A"), Suit::Spades, -12);
    paintMiniCard(p, QRectF(baize.left() + 22, baize.top() + 5, 14, 20), QStringLiteral("K"), Suit::Hearts, 10);
    paintMiniChip(p, QPointF(baize.right() - 22, baize.center().y() + 4), 5.2, QColor(200, 30, 40));
    paintMiniChip(p, QPointF(baize.right() - 13, baize.center().y() + 1), 5.2, QColor(30, 60, 170));
    paintMiniChip(p, QPointF(baize.right() - 18, baize.center().y() - 5), 5.2, QColor(20, 130, 60));

    // Two little buttons at the foot of the window.
    for (int i = 0; i < 2; ++i) {
        const QRectF b(client.center().x() - 23 + i * 25, client.bottom() - 12, 21, 8);
        QLinearGradient g(b.topLeft(), b.bottomLeft());
        g.setColorAt(0, QColor(252, 252, 252));
        g.setColorAt(1, QColor(206, 208, 214));
        p.setBrush(g);
        p.setPen(QPen(QColor(110, 112, 122), 0.6));
        p.drawRoundedRect(b, 1.8, 1.8);
        p.setPen(QPen(QColor(90, 90, 100), 0.8));
        p.drawLine(QPointF(b.left() + 5, b.center().y()), QPointF(b.right() - 5, b.center().y()));
    }

    // The theme's name, left of the radio button's corner and clear of it.
    const QFont nameFont = font(QStringLiteral("DejaVu Sans"), 10.5, QFont::Bold);
    const QString name = QString::fromUtf8(t.name);
    const QRectF nameBox(5, 84, 76, 17);
    const QPainterPath text = fittedText(name, nameFont, nameBox.adjusted(2, 3, -2, -3));
    QPainterPath textLeft = text.translated(nameBox.left() + 3 - text.boundingRect().left(), 0);
    p.setPen(QPen(t.dark ? QColor(0, 0, 20, 200) : withAlpha(darker(t.deep, 0.55), 200), 2.2, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(textLeft);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(textLeft);

    // A bevel: light along the top and left, shade along the bottom and right.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(QPointF(0.5, S - 1), QPointF(0.5, 0.5));
    p.drawLine(QPointF(0.5, 0.5), QPointF(S - 1, 0.5));
    p.setPen(QPen(withAlpha(darker(t.deep, 0.5), 170), 1));
    p.drawLine(QPointF(S - 0.5, 0.5), QPointF(S - 0.5, S - 0.5));
    p.drawLine(QPointF(0.5, S - 0.5), QPointF(S - 0.5, S - 0.5));
    p.end();
    return img;
}

// A layout's own pearl background; the design screen's carries a faint band of the theme
// colours across its top.
QImage renderPearl(int w, int h, bool spectrum, std::uint32_t seed)
{
    QImage img = canvas(w, h, kPearl.base);
    QPainter p(&img);
    prepare(p);
    paintThemeBody(p, QRectF(0, 0, w, h), kPearl, 0.45, seed);
    if (spectrum) {
        QLinearGradient band(0, 0, w, 0);
        const QColor stops[7] = {QColor(0, 0, 202), QColor(255, 255, 0), QColor(255, 62, 255), QColor(0, 128, 0),
                                 QColor(255, 0, 255), QColor(0, 0, 159), QColor(0, 202, 202)};
        for (int i = 0; i < 7; ++i)
            band.setColorAt(i / 6.0, withAlpha(stops[i], 70));
        p.fillRect(QRectF(0, 0, w, 27), band);
        QLinearGradient fade(0, 20, 0, 30);
        fade.setColorAt(0, withAlpha(kPearl.base, 0));
        fade.setColorAt(1, kPearl.base);
        p.fillRect(QRectF(0, 20, w, 10), fade);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawLine(QPointF(0, 27.5), QPointF(w, 27.5));
    }
    p.end();
    return img;
}

// The decoration of the design screen: a painter's palette with a dab of every theme colour
// and a brush across it. Transparent around the palette. The design screen shows only the top
// 50 rows of the picture (it runs past the window's lower edge), so the palette, its shadow and
// the brush are drawn within them.
QImage renderPalette()
{
    const int W = 67, H = 55;
    QImage img = canvas(W, H);
    QPainter p(&img);
    prepare(p);
    p.translate(3, 0);
    p.scale(0.88, 0.88);

    QPainterPath board;
    board.moveTo(8, 25);
    board.cubicTo(6, 10, 26, 3, 42, 5);
    board.cubicTo(58, 7, 65, 20, 61, 31);
    board.cubicTo(58, 40, 50, 39, 45, 37);
    board.cubicTo(40, 35, 36, 39, 38, 44);
    board.cubicTo(40, 50, 30, 52, 22, 49);
    board.cubicTo(13, 46, 9, 37, 8, 25);
    board.closeSubpath();
    QPainterPath thumb;
    thumb.addEllipse(QPointF(22, 37), 4.2, 3.6);
    const QPainterPath palette = board.subtracted(thumb);

    dropShadow(p, palette, QPointF(1.5, 2.0), 3.0, 70);
    QLinearGradient wood(0, 4, 0, 52);
    wood.setColorAt(0, QColor(236, 200, 140));
    wood.setColorAt(1, QColor(186, 130, 70));
    p.setBrush(wood);
    p.setPen(QPen(QColor(120, 78, 36), 1.0));
    p.drawPath(palette);
    // Grain.
    p.save();
    p.setClipPath(palette);
    p.setPen(QPen(QColor(150, 100, 50, 60), 0.7));
    for (int i = 0; i < 6; ++i) {
        QPainterPath g;
        g.moveTo(4, 12 + i * 7);
        g.cubicTo(20, 8 + i * 7, 40, 16 + i * 7, 66, 10 + i * 7);
        p.drawPath(g);
    }
    p.restore();
    gloss(p, palette, 80);

    const QColor dabs[7] = {QColor(0, 0, 202), QColor(255, 230, 0), QColor(255, 62, 255), QColor(0, 128, 0),
                            QColor(255, 0, 255), QColor(0, 0, 110), QColor(0, 202, 202)};
    const QPointF at[7] = {{17, 20}, {24, 12}, {34, 9.5}, {44, 10.5}, {52, 16}, {55, 25}, {31, 20}};
    for (int i = 0; i < 7; ++i) {
        QPainterPath dab;
        dab.addEllipse(at[i], 3.8, 3.3);
        QRadialGradient g(at[i] - QPointF(1.2, 1.2), 5);
        g.setColorAt(0, lighter(dabs[i], 0.45));
        g.setColorAt(1, dabs[i]);
        p.setPen(QPen(darker(dabs[i], 0.4), 0.5));
        p.setBrush(g);
        p.drawPath(dab);
    }

    // The brush: a wooden handle, a metal ferrule and a tip wet with blue.
    p.save();
    p.translate(46, 42);
    p.rotate(-38);
    const QPainterPath handle = roundedRect(QRectF(-4, -1.6, 22, 3.2), 1.6);
    dropShadow(p, handle, QPointF(0.8, 1.2), 1.5, 70);
    QLinearGradient h(0, -1.6, 0, 1.6);
    h.setColorAt(0, QColor(210, 60, 50));
    h.setColorAt(1, QColor(130, 20, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(h);
    p.drawPath(handle);
    QLinearGradient m(0, -1.8, 0, 1.8);
    m.setColorAt(0, QColor(240, 240, 245));
    m.setColorAt(1, QColor(140, 140, 150));
    p.setBrush(m);
    p.drawRect(QRectF(-9, -1.8, 5.2, 3.6));
    QPainterPath tip;
    tip.moveTo(-9, -1.8);
    tip.cubicTo(-12, -2.2, -15, -0.6, -17, 0);
    tip.cubicTo(-15, 0.6, -12, 2.2, -9, 1.8);
    tip.closeSubpath();
    p.setBrush(QColor(20, 40, 200));
    p.drawPath(tip);
    p.restore();
    p.end();
    return img;
}

// The glyphs of the design screen's buttons: a green tick for Save, a red cross for Cancel.
QImage renderGlyph(bool ok)
{
    const int S = 16;
    QImage img = canvas(S, S);
    QPainter p(&img);
    prepare(p);
    QPainterPath mark;
    if (ok) {
        mark.moveTo(2.5, 8.5);
        mark.lineTo(6.2, 12.5);
        mark.lineTo(13.5, 3.5);
    } else {
        mark.moveTo(3.5, 3.5);
        mark.lineTo(12.5, 12.5);
        mark.moveTo(12.5, 3.5);
        mark.lineTo(3.5, 12.5);
    }
    const QColor deep = ok ? QColor(20, 110, 30) : QColor(150, 20, 20);
    const QColor bright = ok ? QColor(70, 190, 70) : QColor(230, 60, 50);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(deep, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mark);
    p.setPen(QPen(bright, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mark);
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mark.translated(-0.4, -0.5));
    p.end();
    return img;
}

} // namespace

QStringList writeSettingsPictures(const QDir& layoutDir)
{
    QStringList files;
    files << write(renderPearl(237, 286, false, 301), layoutDir, QStringLiteral("config/graconf.jpg"));
    files << write(renderPearl(259, 528, true, 302), layoutDir, QStringLiteral("design/graconf.jpg"));
    for (const ThemeLook& t : kThemes)
        files << write(renderSwatch(t), layoutDir, QStringLiteral("design/tema%1.png").arg(t.number));
    files << write(renderPalette(), layoutDir, QStringLiteral("design/Image1.png"));
    files << write(renderGlyph(true), layoutDir, QStringLiteral("design/ok.png"));
    files << write(renderGlyph(false), layoutDir, QStringLiteral("design/cancel.png"));
    return files;
}

} // namespace assetgen
