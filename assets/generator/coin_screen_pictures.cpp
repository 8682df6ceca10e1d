// Layout pictures of the heads or tails screens ("coin/..."): the felt-and-mahogany backgrounds
// of the coin value screen, the side screen and the table, the six coins of the value screen
// (cut from the coin faces drawn into the game folder), the settings gear and its highlighted
// twin, the save/load balloon, the decorative coin of the options tab, the help icon of the mode
// dialog and the tab panel's own background, shown until the theme is first applied.
#include "game_pictures_common.h"
#include "generator.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {

using namespace gamepics;
using namespace gamepics::palette;

const QString kFolder = QStringLiteral("coin");

const QColor kFeltLight(0x2F, 0x9A, 0x5C);
const QColor kFeltDark(0x0A, 0x3D, 0x22);
const QColor kWoodLight(0xA8, 0x55, 0x2A);
const QColor kWoodDark(0x3E, 0x14, 0x06);

QString write(const QImage& img, const QDir& layoutDir, const QString& name)
{
    return writePicture(img, layoutDir, kFolder + u'/' + name, 90);
}

// A picture the generator drew into the game folder a moment ago.
// At 2x, its twin drawn at twice the size.
QImage gamePicture(const QDir& gameDir, const QString& name)
{
    QImage img(gameDir.filePath(scaledName(name)));
    if (img.isNull()) {
        std::fprintf(stderr, "zor-assetgen: cannot read %s\n", qPrintable(gameDir.filePath(name)));
        std::exit(1);
    }
    img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(renderScale());
    return img;
}

// Grain laid over a finished picture: a fine speckle of light and dark, deterministic.
void grain(QImage& img, std::uint32_t seed, int strength)
{
    Rng rng(seed);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int d = int(rng.uniform(-strength, strength));
            const QRgb px = line[x];
            const int a = qAlpha(px);
            if (a == 0)
                continue;
            line[x] = qRgba(std::clamp(qRed(px) + d, 0, a), std::clamp(qGreen(px) + d, 0, a),
                            std::clamp(qBlue(px) + d, 0, a), a);
        }
    }
}

// Casino felt: a pool of light on a deep green, darkening to the edges, with a woven texture.
void felt(QPainter& p, const QRectF& r, QPointF light)
{
    QRadialGradient g(light, std::max(r.width(), r.height()) * 0.75);
    g.setColorAt(0, lighter(kFeltLight, 0.08));
    g.setColorAt(0.45, kFeltLight);
    g.setColorAt(1, kFeltDark);
    p.fillRect(r, g);
    // The weave: faint diagonal threads both ways.
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(QColor(255, 255, 255, 9), 1));
    for (double x = r.left() - r.height(); x < r.right(); x += 4)
        p.drawLine(QPointF(x, r.top()), QPointF(x + r.height(), r.bottom()));
    p.setPen(QPen(QColor(0, 0, 0, 12), 1));
    for (double x = r.left(); x < r.right() + r.height(); x += 4)
        p.drawLine(QPointF(x, r.top()), QPointF(x - r.height(), r.bottom()));
    p.restore();
}

// A polished mahogany frame `width` pixels wide around the picture, with a gold inlay inside it.
void woodFrame(QPainter& p, const QRectF& outer, double width)
{
    QPainterPath frame;
    frame.addRect(outer);
    const QRectF inner = outer.adjusted(width, width, -width, -width);
    QPainterPath hole;
    hole.addRoundedRect(inner, 14, 14);
    frame = frame.subtracted(hole);

    QLinearGradient wood(outer.topLeft(), outer.bottomLeft());
    wood.setColorAt(0, kWoodLight);
    wood.setColorAt(0.5, mix(kWoodLight, kWoodDark, 0.55));
    wood.setColorAt(1, kWoodDark);
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawPath(frame);
    // The grain of the wood: long wavy streaks.
    p.save();
    p.setClipPath(frame);
    Rng rng(0xC01u);
    for (int i = 0; i < 140; ++i) {
        const double y = outer.top() + rng.uniform(0, outer.height());
        const double x = outer.left() + rng.uniform(-40, outer.width());
        QPainterPath streak;
        streak.moveTo(x, y);
        streak.cubicTo(x + 60, y + rng.uniform(-3, 3), x + 120, y + rng.uniform(-3, 3), x + 200, y);
        p.setPen(QPen(i % 3 ? QColor(30, 8, 0, 40) : QColor(255, 200, 150, 26), rng.uniform(0.6, 1.6)));
        p.drawPath(streak);
        // The same streaks down the sides.
        QPainterPath side;
        const double sx = outer.left() + rng.uniform(0, outer.width());
        const double sy = outer.top() + rng.uniform(-40, outer.height());
        side.moveTo(sx, sy);
        side.cubicTo(sx + rng.uniform(-3, 3), sy + 60, sx + rng.uniform(-3, 3), sy + 120, sx, sy + 200);
        p.drawPath(side);
    }
    p.restore();
    // Bevel: light along the inner top, shade along the inner bottom.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 120), 3));
    p.drawRoundedRect(inner.adjusted(-1.5, -1.5, 1.5, 1.5), 15, 15);
    p.setPen(QPen(QColor(255, 220, 180, 60), 1.2));
    p.drawRect(outer.adjusted(1, 1, -1, -1));
    // Gold inlay just inside the felt.
    p.setPen(QPen(withAlpha(kGold, 200), 1.6));
    p.drawRoundedRect(inner.adjusted(7, 7, -7, -7), 10, 10);
    p.setPen(QPen(withAlpha(kGoldDeep, 150), 0.8));
    p.drawRoundedRect(inner.adjusted(9, 9, -9, -9), 9, 9);
}

// A soft pool of light on the felt.
void spotlight(QPainter& p, QPointF c, double r, int alpha)
{
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(255, 250, 220, alpha));
    g.setColorAt(1, QColor(255, 250, 220, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// A darker, inset panel on the felt (navigation, descriptions).
void insetPanel(QPainter& p, const QRectF& r)
{
    const QPainterPath path = roundedRect(r, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(path.translated(0, 2));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(4, 30, 16, 170));
    g.setColorAt(1, QColor(2, 20, 10, 200));
    p.setBrush(g);
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(kGold, 170), 1.2));
    p.drawPath(roundedRect(r.adjusted(3, 3, -3, -3), 9));
}

// A cream plaque with a gold rim, for captions drawn in black or red over it.
void plaque(QPainter& p, const QRectF& r)
{
    const QPainterPath path = roundedRect(r, 10);
    dropShadow(p, path, QPointF(2, 3), 5, 120);
    QLinearGradient rim(r.topLeft(), r.bottomLeft());
    rim.setColorAt(0, kGoldLight);
    rim.setColorAt(0.5, kGold);
    rim.setColorAt(1, kGoldDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawPath(path);
    const QRectF in = r.adjusted(3, 3, -3, -3);
    QLinearGradient face(in.topLeft(), in.bottomLeft());
    face.setColorAt(0, QColor(0xFF, 0xFB, 0xEE));
    face.setColorAt(1, QColor(0xEF, 0xE2, 0xC0));
    p.setBrush(face);
    p.drawPath(roundedRect(in, 8));
    gloss(p, roundedRect(in, 8), 60);
}

// Gold lettering with a dark outline and a shadow.
void goldLettering(QPainter& p, const QPainterPath& text)
{
    dropShadow(p, text, QPointF(2, 3), 5, 140);
    p.setPen(QPen(QColor(0x3A, 0x22, 0x04), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    const QRectF b = text.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, kGoldLight);
    g.setColorAt(0.5, kGold);
    g.setColorAt(0.55, QColor(0xC8, 0x90, 0x20));
    g.setColorAt(1, QColor(0xF4, 0xCC, 0x60));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(text);
}

// Scattered faint suits and stars over the felt, for texture far from the controls.
void motifs(QPainter& p, const QRectF& area, std::uint32_t seed, int count)
{
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF c(area.left() + rng.uniform(0, area.width()), area.top() + rng.uniform(0, area.height()));
        const double s = rng.uniform(10, 22);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 14));
        if (i % 3 == 0)
            p.drawPath(starPath(c, s * 0.6, s * 0.25, 5));
        else
            p.drawPath(suitPath(Suit(i % 4), QRectF(c - QPointF(s / 2, s / 2), QSizeF(s, s))));
    }
}

// A round coin cut out of its square face picture, with a soft shadow, on a transparent ground.
QImage cutCoin(const QImage& face, int size)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    const double r = size / 2.0 - 4;
    const QPointF c(size / 2.0 - 1.5, size / 2.0 - 1.5);
    QRadialGradient shadow(c + QPointF(3, 4), r + 4);
    shadow.setColorAt(0.85, QColor(0, 0, 0, 110));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(3, 4), r + 4, r + 4);
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.setClipPath(disc);
    // The face picture's coin fills it up to about 2 pixels from the edge; scale so that its rim
    // meets the cut.
    const QSizeF faceSize = face.deviceIndependentSize();
    const double scale = (2 * r) / (faceSize.width() - 5.0);
    const QRectF target(c.x() - faceSize.width() * scale / 2 + 0.8 * scale, c.y() - faceSize.height() * scale / 2 + scale,
                        faceSize.width() * scale, faceSize.height() * scale);
    p.drawImage(target, face);
    p.end();
    return img;
}

// ---- Backgrounds --------------------------------------------------------------------------------

QImage valueScreenBackground()
{
    QImage img = canvas(888, 616, kFeltDark);
    QPainter p(&img);
    prepare(p);
    const QRectF all(0, 0, 888, 616);
    felt(p, all, QPointF(330, 300));
    motifs(p, QRectF(620, 300, 250, 140), 0xA1u, 10);
    motifs(p, QRectF(330, 380, 260, 210), 0xA2u, 14);
    // A pool of light under each coin.
    const QPointF coins[6] = {{130, 152}, {130, 282}, {130, 412}, {130, 542}, {530, 152}, {530, 282}};
    for (QPointF c : coins)
        spotlight(p, c, 92, 60);
    insetPanel(p, QRectF(596, 486, 270, 108));
    // A big decorative coin of light, far right.
    spotlight(p, QPointF(760, 240), 150, 40);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(kGold, 60), 2));
    p.drawEllipse(QPointF(760, 240), 96, 96);
    p.drawEllipse(QPointF(760, 240), 84, 84);
    const QPainterPath logo = fittedText(QStringLiteral("Cara ou Coroa"),
                                         font(QStringLiteral("DejaVu Serif"), 60, QFont::Bold, true),
                                         QRectF(664, 200, 192, 80));
    goldLettering(p, logo);
    woodFrame(p, all, 16);
    p.end();
    grain(img, 0x51u, 4);
    return img;
}

QImage sideScreenBackground()
{
    QImage img = canvas(889, 616, kFeltDark);
    QPainter p(&img);
    prepare(p);
    const QRectF all(0, 0, 889, 616);
    felt(p, all, QPointF(444, 260));
    motifs(p, QRectF(40, 360, 220, 220), 0xB1u, 12);
    motifs(p, QRectF(660, 90, 200, 320), 0xB2u, 12);
    // The two coins stand in pools of light on a darker oval.
    QRadialGradient oval(QPointF(440, 255), 270);
    oval.setColorAt(0, QColor(0, 0, 0, 0));
    oval.setColorAt(0.7, QColor(0, 0, 0, 30));
    oval.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(oval);
    p.drawEllipse(QPointF(440, 255), 270, 170);
    spotlight(p, QPointF(333, 254), 120, 80);
    spotlight(p, QPointF(543, 254), 120, 80);
    // The gold rule between the two sides.
    QLinearGradient rule(QPointF(438, 140), QPointF(438, 360));
    rule.setColorAt(0, withAlpha(kGold, 0));
    rule.setColorAt(0.5, withAlpha(kGold, 200));
    rule.setColorAt(1, withAlpha(kGold, 0));
    p.fillRect(QRectF(437, 140, 2, 220), rule);
    // The plaque under "Jogar".
    plaque(p, QRectF(352, 384, 184, 56));
    insetPanel(p, QRectF(596, 456, 270, 138));
    woodFrame(p, all, 16);
    p.end();
    grain(img, 0x52u, 4);
    return img;
}

QImage tableBackground()
{
    QImage img = canvas(886, 613, kFeltDark);
    QPainter p(&img);
    prepare(p);
    const QRectF all(0, 0, 886, 613);
    felt(p, all, QPointF(300, 150));
    motifs(p, QRectF(40, 330, 800, 240), 0xC1u, 26);
    // The coin's landing ring and the pool of light it stands in.
    spotlight(p, QPointF(164, 127), 130, 90);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(kGold, 150), 2));
    p.drawEllipse(QPointF(164, 127), 84, 84);
    p.setPen(QPen(withAlpha(kGoldDeep, 120), 1));
    p.drawEllipse(QPointF(164, 127), 88, 88);
    // The plaque under "Parar" and a dark slot for the countdown bar.
    plaque(p, QRectF(331, 157, 124, 54));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(roundedRect(QRectF(334, 220, 430, 26), 6));
    // The game's name, seen when the tab panel is hidden.
    const QPainterPath title = fittedText(QStringLiteral("Cara ou Coroa"),
                                          font(QStringLiteral("DejaVu Serif"), 80, QFont::Bold, true),
                                          QRectF(243, 380, 400, 110));
    goldLettering(p, title);
    for (int side : {-1, 1}) {
        sparkle(p, QPointF(443 + side * 226, 435), 9, kGoldLight);
        p.setPen(QPen(withAlpha(kGold, 170), 1.5));
        p.drawLine(QPointF(443 + side * 240, 435), QPointF(443 + side * 320, 435));
    }
    woodFrame(p, all, 14);
    p.end();
    grain(img, 0x53u, 4);
    return img;
}

// The tab panel's own background, shown until the theme is first applied: the first theme's
// picture, scaled to the panel.
QImage panelBackground(const QDir& gameDir)
{
    const QImage theme = gamePicture(gameDir, QStringLiteral("graconf.jpg"));
    QImage panel = theme.scaled(886 * renderScale(), 300 * renderScale(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    panel.setDevicePixelRatio(renderScale());
    return panel;
}

// ---- Small pictures -----------------------------------------------------------------------------

QPainterPath gearPath(QPointF c, double outer, double inner, int teeth)
{
    QPainterPath gear;
    const int steps = teeth * 4;
    for (int i = 0; i <= steps; ++i) {
        const double a = 2 * M_PI * i / steps - M_PI / 2;
        const double r = (i % 4 == 1 || i % 4 == 2) ? outer : inner;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            gear.moveTo(pt);
        else
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, inner * 0.38, inner * 0.38);
    return gear.subtracted(hole);
}

QImage gearPicture(bool highlighted)
{
    QImage img = canvas(50, 50);
    QPainter p(&img);
    prepare(p);
    const QPointF c(25, 25);
    if (highlighted) {
        QRadialGradient glow(c, 25);
        glow.setColorAt(0, QColor(255, 230, 120, 200));
        glow.setColorAt(1, QColor(255, 200, 60, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, 25, 25);
    }
    const QPainterPath gear = gearPath(c, 20, 15.5, 10);
    dropShadow(p, gear, QPointF(1.5, 2), 3, 140);
    QLinearGradient metal(QPointF(8, 6), QPointF(42, 44));
    if (highlighted) {
        metal.setColorAt(0, kGoldLight);
        metal.setColorAt(0.5, kGold);
        metal.setColorAt(1, kGoldDeep);
    } else {
        metal.setColorAt(0, QColor(0xF2, 0xF4, 0xF8));
        metal.setColorAt(0.5, QColor(0xA8, 0xAE, 0xB8));
        metal.setColorAt(1, QColor(0x4A, 0x50, 0x5A));
    }
    p.setPen(QPen(QColor(0x20, 0x20, 0x28, 200), 1));
    p.setBrush(metal);
    p.drawPath(gear);
    // The hub.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
    p.drawEllipse(c, 9, 9);
    gloss(p, gear, 70);
    if (highlighted)
        sparkle(p, QPointF(38, 11), 5, Qt::white);
    p.end();
    return img;
}

QImage balloonPicture()
{
    QImage img = canvas(250, 104);
    QPainter p(&img);
    prepare(p);
    QPainterPath body = roundedRect(QRectF(6, 6, 214, 84), 30);
    QPainterPath tail;
    tail.moveTo(196, 60);
    tail.quadTo(226, 76, 244, 96);
    tail.quadTo(214, 88, 180, 80);
    tail.closeSubpath();
    body = body.united(tail);
    dropShadow(p, body, QPointF(2, 3), 5, 120);
    QLinearGradient fill(QPointF(0, 6), QPointF(0, 96));
    fill.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    fill.setColorAt(1, QColor(0xFF, 0xF3, 0xD0));
    p.setPen(QPen(kGoldDeep, 2));
    p.setBrush(fill);
    p.drawPath(body);
    gloss(p, roundedRect(QRectF(10, 10, 206, 40), 20), 70);
    sparkle(p, QPointF(24, 22), 6, kGold);
    p.end();
    return img;
}

QImage helpIcon()
{
    QImage img = canvas(33, 33);
    QPainter p(&img);
    prepare(p);
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), 14.5, 14.5);
    dropShadow(p, disc, QPointF(1, 1.5), 2, 120);
    QRadialGradient g(QPointF(12, 10), 20);
    g.setColorAt(0, QColor(0x8C, 0xC8, 0xFF));
    g.setColorAt(1, QColor(0x10, 0x4C, 0xA8));
    p.setPen(QPen(QColor(0x08, 0x28, 0x60), 1));
    p.setBrush(g);
    p.drawPath(disc);
    const QPainterPath mark = fittedText(QStringLiteral("?"), font(QStringLiteral("DejaVu Sans"), 40, QFont::Bold),
                                         QRectF(9, 6, 14, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(mark);
    gloss(p, disc, 90);
    p.end();
    return img;
}

QImage decorativeCoin(const QDir& gameDir)
{
    QImage img = cutCoin(gamePicture(gameDir, QStringLiteral("coroa.bmp")), 150);
    QPainter p(&img);
    prepare(p);
    sparkle(p, QPointF(40, 30), 9, Qt::white);
    sparkle(p, QPointF(112, 104), 6, kGoldLight);
    p.end();
    return img;
}

} // namespace

QStringList writeCoinScreenPictures(const QDir& layoutDir, const QDir& gameDir)
{
    QStringList out;
    out << write(valueScreenBackground(), layoutDir, QStringLiteral("fundo1.jpg"));
    out << write(sideScreenBackground(), layoutDir, QStringLiteral("fundo2.jpg"));
    out << write(tableBackground(), layoutDir, QStringLiteral("mesa.jpg"));
    out << write(panelBackground(gameDir), layoutDir, QStringLiteral("graconf.jpg"));
    // The value screen's coins, by coin value, show their value side.
    const char* faces[6] = {"coroa2.bmp", "coroa3.bmp", "coroa4.bmp", "coroa5.bmp", "coroa6.bmp", "coroa.bmp"};
    for (int i = 0; i < 6; ++i)
        out << write(cutCoin(gamePicture(gameDir, QString::fromLatin1(faces[i])), 120), layoutDir,
                     QStringLiteral("moeda%1.png").arg(i + 1));
    out << write(gearPicture(false), layoutDir, QStringLiteral("config.png"));
    out << write(gearPicture(true), layoutDir, QStringLiteral("config2.png"));
    out << write(balloonPicture(), layoutDir, QStringLiteral("balao.png"));
    out << write(decorativeCoin(gameDir), layoutDir, QStringLiteral("moeda.png"));
    out << write(helpIcon(), layoutDir, QStringLiteral("ajuda.png"));
    return out;
}

} // namespace assetgen
