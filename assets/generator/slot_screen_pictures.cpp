// Layout pictures of the slot machine screen ("slots/..."): the cabinet that holds the three reels
// with its reel windows, lever bracket, payline tray and amount display; the pulled lever; the
// lower area's own background; the options panel's card; and the decorations of the "Design" and
// "Ajuda" tabs. The reel symbols, the lever and the match banners are data files drawn by
// game_pictures_reels.cpp and game_pictures_slots.cpp; the decorations reuse those symbols, read
// back from the game folder, so the screen and its pictures always show the same artwork.
#include "game_pictures_common.h"
#include "generator.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {

using namespace gamepics;
using namespace gamepics::palette;

const QString kFolder = QStringLiteral("slots");

const QColor kLacquer(0x9A, 0x0C, 0x1A);
const QColor kLacquerDeep(0x3A, 0x02, 0x08);

// The reels' rectangles on the machine tab, which the cabinet's windows frame.
const QRectF kReels[3] = {QRectF(30, 30, 180, 185), QRectF(253, 30, 180, 185), QRectF(476, 30, 180, 185)};
const QRectF kLever(680, 37, 42, 156);
const QRectF kBanner(83, 216, 505, 59);
const QRectF kDisplay(594, 221, 134, 38);


QString write(const QImage& img, const QDir& layoutDir, const QString& name)
{
    QImage out = img;
    if (name.endsWith(QLatin1String(".jpg"))) {
        // JPEG keeps no transparency: flatten onto white first.
        out = QImage(img.size(), QImage::Format_RGB32);
        out.setDevicePixelRatio(img.devicePixelRatio());
        out.fill(Qt::white);
        QPainter p(&out);
        p.drawImage(0, 0, img);
    }
    return writePicture(out, layoutDir, kFolder + u'/' + name, 90);
}

// A data picture the generator wrote earlier into the game folder; at 2x, its twin drawn at
// twice the size.
QImage gamePicture(const QDir& gameDir, const QString& name)
{
    QImage img(gameDir.filePath(scaledName(name)));
    if (img.isNull()) {
        std::fprintf(stderr, "zor-assetgen: missing %s\n", qPrintable(gameDir.filePath(scaledName(name))));
        std::exit(1);
    }
    img.setDevicePixelRatio(renderScale());
    return img;
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

void goldLettering(QPainter& p, const QPainterPath& text)
{
    dropShadow(p, text, QPointF(1.6, 2), 4, 120);
    p.save();
    p.setPen(QPen(QColor(0x3A, 0x22, 0x04), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(text.boundingRect()));
    p.drawPath(text);
    p.restore();
}

// A lit bulb with its glow.
void bulb(QPainter& p, QPointF c, double r, bool warm)
{
    QRadialGradient glow(c, r * 2.2);
    glow.setColorAt(0, warm ? QColor(0xFF, 0xE8, 0x90, 200) : QColor(0xFF, 0xFF, 0xF0, 200));
    glow.setColorAt(1, QColor(0xFF, 0xC0, 0x30, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * 2.2, r * 2.2);
    QRadialGradient b(c - QPointF(r * 0.3, r * 0.3), r);
    b.setColorAt(0, Qt::white);
    b.setColorAt(0.6, warm ? QColor(0xFF, 0xD0, 0x40) : QColor(0xFF, 0xF4, 0xC0));
    b.setColorAt(1, warm ? QColor(0xC0, 0x70, 0x10) : QColor(0xD8, 0xB0, 0x50));
    p.setPen(QPen(QColor(0x5A, 0x30, 0x04), 0.6));
    p.setBrush(b);
    p.drawEllipse(c, r, r);
}

// A gold bezel `width` pixels wide around `r`, with a dark recess just inside it.
void bezel(QPainter& p, const QRectF& r, double width, double radius)
{
    const QRectF outer = r.adjusted(-width, -width, width, width);
    dropShadow(p, roundedRect(outer, radius), QPointF(2, 3), 6, 140);
    QPainterPath ring = roundedRect(outer, radius);
    ring.addRect(r);
    ring.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(kGoldDeep, 1.2));
    p.setBrush(goldGradient(outer));
    p.drawPath(ring);
    // A bright edge along the top and a fine inner line give the bezel its depth.
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1));
    p.setPen(QPen(QColor(0x40, 0x24, 0x02), 2));
    p.drawRect(r.adjusted(-1, -1, 1, 1));
}

// Lacquered wood: a deep red gradient with fine grain and a soft top light.
void lacquer(QPainter& p, const QRectF& r, std::uint32_t seed)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, lighter(kLacquer, 0.08));
    g.setColorAt(0.5, kLacquer);
    g.setColorAt(1, kLacquerDeep);
    p.fillRect(r, g);
    Rng rng(seed);
    p.save();
    p.setClipRect(r);
    for (int i = 0; i < 260; ++i) {
        const double y = rng.uniform(r.top(), r.bottom());
        const double x = rng.uniform(r.left() - 40, r.right());
        const double len = rng.uniform(40, 220);
        p.setPen(QPen(i % 3 ? QColor(0, 0, 0, 22) : QColor(255, 200, 200, 14), rng.uniform(0.5, 1.4)));
        p.drawLine(QPointF(x, y), QPointF(x + len, y + rng.uniform(-1.5, 1.5)));
    }
    QRadialGradient light(QPointF(r.center().x(), r.top()), r.width() * 0.6);
    light.setColorAt(0, QColor(255, 220, 200, 60));
    light.setColorAt(1, QColor(255, 220, 200, 0));
    p.fillRect(r, light);
    p.restore();
}

// The cabinet behind the machine tab's upper part, 852 x 292.
QImage renderCabinet(const QDir& gameDir)
{
    const int W = 852, H = 292;
    QImage img = canvas(W, H, kLacquerDeep);
    QPainter p(&img);
    prepare(p);
    lacquer(p, QRectF(0, 0, W, H), 7);

    // The header strip for the name and the symbol-set chooser: darker, with a gold rule.
    QLinearGradient head(0, 0, 0, 28);
    head.setColorAt(0, QColor(0x1C, 0x02, 0x06));
    head.setColorAt(1, QColor(0x3A, 0x04, 0x0C));
    p.fillRect(QRectF(0, 0, W, 28), head);
    p.setPen(Qt::NoPen);
    for (int x = -20; x < W; x += 16) {
        QPainterPath chevron;
        chevron.moveTo(x, 28);
        chevron.lineTo(x + 8, 14);
        chevron.lineTo(x + 16, 28);
        p.setBrush(QColor(255, 255, 255, 6));
        p.drawPath(chevron);
    }
    p.setPen(QPen(kGoldDeep, 3));
    p.drawLine(QPointF(0, 27.5), QPointF(W, 27.5));
    p.setPen(QPen(kGoldLight, 1));
    p.drawLine(QPointF(0, 26.5), QPointF(W, 26.5));

    // Reel windows.
    for (const QRectF& r : kReels) {
        bezel(p, r, 7, 10);
        p.fillRect(r, QColor(0x10, 0x04, 0x06));
    }

    // Payline tray under the reels, where the match banner appears.
    const QRectF tray = kBanner.adjusted(-4, -1, 4, 4);
    QLinearGradient tg(tray.topLeft(), tray.bottomLeft());
    tg.setColorAt(0, QColor(0x14, 0x02, 0x04));
    tg.setColorAt(1, QColor(0x36, 0x06, 0x0E));
    p.setPen(QPen(kGoldDeep, 2));
    p.setBrush(tg);
    p.drawRoundedRect(tray, 6, 6);
    const QPainterPath motto = fittedText(QStringLiteral("★  BOA SORTE  ★"), font(display(), 40, QFont::Bold),
                                          QRectF(tray.center().x() - 120, tray.top() + 14, 240, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE8, 0xB8, 0x30, 90));
    p.drawPath(motto);
    for (double x = tray.left() + 14; x < tray.right() - 6; x += 24) {
        bulb(p, QPointF(x, tray.top() + 6), 2.2, int(x) % 48 < 24);
        bulb(p, QPointF(x, tray.bottom() - 6), 2.2, int(x) % 48 >= 24);
    }

    // The lever's bracket.
    const QRectF bracket = kLever.adjusted(-8, -10, 8, 10);
    QLinearGradient chrome(bracket.topLeft(), bracket.topRight());
    chrome.setColorAt(0, QColor(0x50, 0x52, 0x5A));
    chrome.setColorAt(0.35, QColor(0xE6, 0xE8, 0xEE));
    chrome.setColorAt(1, QColor(0x40, 0x42, 0x4A));
    dropShadow(p, roundedRect(bracket, 8), QPointF(2, 3), 6, 150);
    p.setPen(QPen(QColor(0x20, 0x20, 0x24), 1.2));
    p.setBrush(chrome);
    p.drawRoundedRect(bracket, 8, 8);
    p.setBrush(QColor(0x18, 0x18, 0x1C));
    p.drawRect(kLever.adjusted(-1, -1, 1, 1));

    // The amount display under the lever: an ivory window the red amount shows in.
    bezel(p, kDisplay, 4, 6);
    QLinearGradient ivory(kDisplay.topLeft(), kDisplay.bottomLeft());
    ivory.setColorAt(0, QColor(0xFF, 0xFB, 0xEA));
    ivory.setColorAt(1, QColor(0xF0, 0xE2, 0xBC));
    p.fillRect(kDisplay, ivory);
    p.setPen(QPen(QColor(0, 0, 0, 40), 1));
    p.drawLine(kDisplay.topLeft() + QPointF(0, 1), kDisplay.topRight() + QPointF(0, 1));

    // The jackpot column at the right: a dark plate with bulbs, the logo and three sevens.
    const QRectF column(744, 36, 100, 226);
    dropShadow(p, roundedRect(column, 12), QPointF(2, 3), 6, 150);
    p.setPen(QPen(kGoldDeep, 1.5));
    p.setBrush(goldGradient(column));
    p.drawRoundedRect(column, 12, 12);
    const QRectF inner = column.adjusted(6, 6, -6, -6);
    QLinearGradient ig(inner.topLeft(), inner.bottomLeft());
    ig.setColorAt(0, QColor(0x2A, 0x04, 0x0A));
    ig.setColorAt(1, QColor(0x0E, 0x01, 0x03));
    p.setBrush(ig);
    p.drawRoundedRect(inner, 8, 8);
    for (int i = 0; i < 9; ++i) {
        const double y = inner.top() + 10 + i * (inner.height() - 20) / 8.0;
        bulb(p, QPointF(inner.left() + 7, y), 2.4, i % 2 == 0);
        bulb(p, QPointF(inner.right() - 7, y), 2.4, i % 2 == 1);
    }
    goldLettering(p, fittedText(QStringLiteral("ZOR"), font(display(), 60, QFont::Bold),
                                QRectF(inner.left() + 16, inner.top() + 10, inner.width() - 32, 36)));
    const QImage seven = gamePicture(gameDir, QStringLiteral("c3.bmp"));
    for (int i = 0; i < 3; ++i) {
        const QRectF cell(inner.left() + 23, inner.top() + 54 + i * 45, inner.width() - 46, 38);
        p.setPen(QPen(kGoldDeep, 1.2));
        p.setBrush(goldGradient(cell.adjusted(-2, -2, 2, 2)));
        p.drawRoundedRect(cell.adjusted(-2, -2, 2, 2), 5, 5);
        p.drawImage(cell, seven);
    }
    goldLettering(p, fittedText(QStringLiteral("JACKPOT"), font(display(), 40, QFont::Bold),
                                QRectF(inner.left() + 14, inner.bottom() - 26, inner.width() - 28, 18)));

    // The trim along the bottom, where the cabinet meets the lower area.
    QLinearGradient trim(0, H - 10, 0, H);
    trim.setColorAt(0, kGoldLight);
    trim.setColorAt(0.5, kGold);
    trim.setColorAt(1, kGoldDeep);
    p.fillRect(QRectF(0, H - 9, W, 9), trim);
    p.setPen(QPen(QColor(0x40, 0x24, 0x02), 1));
    p.drawLine(QPointF(0, H - 9.5), QPointF(W, H - 9.5));
    for (double x = 10; x < W; x += 30)
        sparkle(p, QPointF(x, H - 4.5), 2.2, QColor(255, 255, 240, 200));
    p.end();
    return img;
}

// The options panel: an ivory card in a gold frame, with chips and cards at its right.
QImage renderOptionsPanel(const QDir& gameDir)
{
    const int W = 286, H = 164;
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    prepare(p);
    QLinearGradient card(0, 0, 0, H);
    card.setColorAt(0, QColor(0xFF, 0xFC, 0xF0));
    card.setColorAt(1, QColor(0xF2, 0xE6, 0xC8));
    p.fillRect(QRectF(0, 0, W, H), card);
    // A faint diamond pattern, like the felt of a card table seen through the paper.
    p.setPen(QPen(QColor(0xB0, 0x8A, 0x3A, 26), 1));
    for (int x = -H; x < W; x += 14) {
        p.drawLine(QPointF(x, 0), QPointF(x + H, H));
        p.drawLine(QPointF(x + H, 0), QPointF(x, H));
    }
    // Heading rule.
    p.setPen(QPen(kGoldDeep, 1));
    p.drawLine(QPointF(14, 24), QPointF(150, 24));
    p.setPen(QPen(kGoldLight, 1));
    p.drawLine(QPointF(14, 25), QPointF(150, 25));

    // Decoration at the right: a fan of two symbols and a stack of chips.
    const QImage sym1 = gamePicture(gameDir, QStringLiteral("c1.jpg"));
    const QImage sym2 = gamePicture(gameDir, QStringLiteral("c4.jpg"));
    auto tile = [&](const QImage& s, QPointF c, double angle) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        const QRectF r(-34, -35, 68, 70);
        dropShadow(p, roundedRect(r.adjusted(-3, -3, 3, 3), 6), QPointF(2, 3), 5, 110);
        p.setPen(QPen(kGoldDeep, 1));
        p.setBrush(goldGradient(r.adjusted(-3, -3, 3, 3)));
        p.drawRoundedRect(r.adjusted(-3, -3, 3, 3), 6, 6);
        p.drawImage(r, s);
        p.restore();
    };
    tile(sym2, QPointF(200, 70), -10);
    tile(sym1, QPointF(240, 82), 9);
    const QColor chipColours[] = {QColor(0xC8, 0x10, 0x20), QColor(0x14, 0x50, 0xB8), QColor(0x1A, 0x8A, 0x3A)};
    for (int i = 0; i < 5; ++i) {
        const QPointF c(214, 144 - i * 5);
        const QColor col = chipColours[i % 3];
        p.setPen(QPen(darker(col, 0.5), 0.8));
        p.setBrush(darker(col, 0.15));
        p.drawEllipse(c + QPointF(0, 1.5), 20, 7);
        p.setBrush(col);
        p.drawEllipse(c, 20, 7);
        p.setPen(QPen(QColor(255, 255, 255, 220), 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 15, 5);
    }
    // The gold frame.
    p.setPen(QPen(QBrush(goldGradient(QRectF(0, 0, W, H))), 5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 2.5, W - 5, H - 5), 8, 8);
    p.setPen(QPen(kGoldDeep, 1));
    p.drawRoundedRect(QRectF(6, 6, W - 12, H - 12), 6, 6);
    p.end();
    return img;
}

// The "Design" tab's decoration, 280 x 440: an easel with a canvas of reel symbols of several sets,
// a palette and brushes, on a soft stage light.
QImage renderDesignDecoration(const QDir& gameDir)
{
    const int W = 280, H = 440;
    QImage img = canvas(W, H);
    QPainter p(&img);
    prepare(p);
    QRadialGradient stage(QPointF(W / 2.0, H * 0.45), W * 0.75);
    stage.setColorAt(0, QColor(255, 255, 255, 150));
    stage.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(stage);
    p.drawEllipse(QPointF(W / 2.0, H * 0.45), W * 0.75, H * 0.5);

    // Easel legs.
    QLinearGradient wood(0, 0, W, 0);
    wood.setColorAt(0, QColor(0x6A, 0x3A, 0x14));
    wood.setColorAt(0.5, QColor(0xB0, 0x70, 0x30));
    wood.setColorAt(1, QColor(0x5A, 0x30, 0x10));
    p.setPen(QPen(QBrush(wood), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 420), QPointF(128, 40));
    p.drawLine(QPointF(210, 420), QPointF(152, 40));
    p.drawLine(QPointF(140, 40), QPointF(140, 400));

    // The canvas: four symbols of four sets in a 2 x 2 grid.
    const QRectF canvasRect(34, 70, 212, 232);
    dropShadow(p, roundedRect(canvasRect, 4), QPointF(4, 6), 10, 140);
    p.setPen(QPen(QColor(0x50, 0x30, 0x10), 3));
    p.setBrush(QColor(0xFF, 0xFC, 0xF4));
    p.drawRect(canvasRect);
    const QString symbols[4] = {QStringLiteral("c3.bmp"), QStringLiteral("ferrari1.jpg"), QStringLiteral("i2.jpg"),
                                QStringLiteral("f4.jpg")};
    for (int i = 0; i < 4; ++i) {
        const QRectF cell(canvasRect.left() + 10 + (i % 2) * 100, canvasRect.top() + 12 + (i / 2) * 108, 92, 96);
        p.setPen(QPen(kGoldDeep, 1));
        p.setBrush(goldGradient(cell.adjusted(-3, -3, 3, 3)));
        p.drawRoundedRect(cell.adjusted(-3, -3, 3, 3), 5, 5);
        p.drawImage(cell, gamePicture(gameDir, symbols[i]));
    }
    // The ledge the canvas rests on.
    p.setPen(QPen(QColor(0x40, 0x22, 0x08), 1));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(24, 300, 232, 14), 4, 4);

    // Palette with paint dabs.
    QPainterPath palette;
    palette.addEllipse(QRectF(120, 330, 150, 96));
    QPainterPath hole;
    hole.addEllipse(QRectF(236, 392, 20, 16));
    palette = palette.subtracted(hole);
    dropShadow(p, palette, QPointF(3, 4), 6, 130);
    QLinearGradient pw(120, 330, 270, 426);
    pw.setColorAt(0, QColor(0xE8, 0xC0, 0x80));
    pw.setColorAt(1, QColor(0xA8, 0x70, 0x34));
    p.setPen(QPen(QColor(0x60, 0x38, 0x10), 1.2));
    p.setBrush(pw);
    p.drawPath(palette);
    const QColor dabs[] = {QColor(0xD0, 0x10, 0x20), QColor(0x20, 0x60, 0xD0), QColor(0xF0, 0xC8, 0x20),
                           QColor(0x20, 0xA0, 0x40), QColor(0xE0, 0x60, 0xB0)};
    for (int i = 0; i < 5; ++i) {
        const double a = (200 + i * 32) * M_PI / 180;
        const QPointF c(195 + 52 * std::cos(a), 378 - 30 * std::sin(a));
        QRadialGradient dg(c - QPointF(3, 3), 11);
        dg.setColorAt(0, lighter(dabs[i], 0.5));
        dg.setColorAt(1, dabs[i]);
        p.setPen(QPen(darker(dabs[i], 0.4), 0.8));
        p.setBrush(dg);
        p.drawEllipse(c, 10, 8);
    }
    // A brush across the palette.
    p.save();
    p.translate(150, 390);
    p.rotate(-32);
    QLinearGradient handle(0, -4, 0, 4);
    handle.setColorAt(0, QColor(0x30, 0x30, 0x38));
    handle.setColorAt(0.5, QColor(0x70, 0x70, 0x80));
    handle.setColorAt(1, QColor(0x20, 0x20, 0x28));
    p.setPen(QPen(Qt::black, 0.6));
    p.setBrush(handle);
    p.drawRoundedRect(QRectF(0, -4, 90, 8), 4, 4);
    p.setBrush(goldGradient(QRectF(-14, -5, 14, 10)));
    p.drawRect(QRectF(-14, -5, 14, 10));
    QPainterPath tip;
    tip.moveTo(-14, -5);
    tip.quadTo(-30, -2, -36, 0);
    tip.quadTo(-30, 2, -14, 5);
    tip.closeSubpath();
    p.setBrush(QColor(0xD0, 0x10, 0x20));
    p.drawPath(tip);
    p.restore();
    for (QPointF s : {QPointF(40, 50), QPointF(250, 60), QPointF(24, 330), QPointF(262, 250)})
        sparkle(p, s, 7, QColor(255, 240, 180, 230));
    p.end();
    return img;
}

// The "Ajuda" tab's decoration, 300 x 300: a gold medallion with a question mark over three reels.
QImage renderHelpDecoration(const QDir& gameDir)
{
    const int W = 300, H = 300;
    QImage img = canvas(W, H);
    QPainter p(&img);
    prepare(p);
    const QPointF c(W / 2.0, H / 2.0 - 10);
    QRadialGradient halo(c, 150);
    halo.setColorAt(0, QColor(255, 255, 255, 170));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, 150, 150);

    // Three small reels along the bottom, the help's subject.
    const QString files[3] = {QStringLiteral("c1.jpg"), QStringLiteral("c3.bmp"), QStringLiteral("c2.jpg")};
    for (int i = 0; i < 3; ++i) {
        const QRectF r(44 + i * 74, 206, 64, 66);
        p.setPen(QPen(kGoldDeep, 1));
        p.setBrush(goldGradient(r.adjusted(-4, -4, 4, 4)));
        dropShadow(p, roundedRect(r.adjusted(-4, -4, 4, 4), 6), QPointF(2, 3), 5, 120);
        p.drawRoundedRect(r.adjusted(-4, -4, 4, 4), 6, 6);
        p.drawImage(r, gamePicture(gameDir, files[i]));
    }

    // The medallion.
    const double R = 92;
    const QPointF m(c.x(), 108);
    QPainterPath disc;
    disc.addEllipse(m, R, R);
    dropShadow(p, disc, QPointF(3, 5), 10, 150);
    p.setPen(QPen(kGoldDeep, 2));
    p.setBrush(goldGradient(QRectF(m.x() - R, m.y() - R, 2 * R, 2 * R)));
    p.drawPath(disc);
    QRadialGradient face(m - QPointF(20, 26), R);
    face.setColorAt(0, QColor(0xD8, 0x2A, 0x34));
    face.setColorAt(0.7, kLacquer);
    face.setColorAt(1, kLacquerDeep);
    p.setPen(QPen(kGoldDeep, 1.5));
    p.setBrush(face);
    p.drawEllipse(m, R - 12, R - 12);
    for (int i = 0; i < 24; ++i) {
        const double a = i * M_PI / 12;
        bulb(p, m + QPointF((R - 6) * std::cos(a), (R - 6) * std::sin(a)), 2.3, i % 2 == 0);
    }
    goldLettering(p, fittedText(QStringLiteral("?"), font(QStringLiteral("DejaVu Serif"), 120, QFont::Bold),
                                QRectF(m.x() - 40, m.y() - 58, 80, 116)));
    gloss(p, [&] {
        QPainterPath inner;
        inner.addEllipse(m, R - 12, R - 12);
        return inner;
    }(), 60);
    p.end();
    return img;
}

// The lower area's own background, shown until the screen theme is first applied: the blue theme
// picture, cut to the machine tab's proportions.
QImage renderLowerBackground(const QDir& gameDir)
{
    const QImage theme = gamePicture(gameDir, QStringLiteral("graconf.jpg"));
    const int s = renderScale();
    QImage lower = theme.scaled(852 * s, 480 * s, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation)
                       .copy(0, 0, 852 * s, 480 * s);
    lower.setDevicePixelRatio(s);
    return lower;
}

} // namespace

QStringList writeSlotScreenPictures(const QDir& layoutDir, const QDir& gameDir)
{
    return {
        write(renderCabinet(gameDir), layoutDir, QStringLiteral("gabinete.jpg")),
        write(renderLever(true, 1.0), layoutDir, QStringLiteral("alavanca2.jpg")),
        write(renderLowerBackground(gameDir), layoutDir, QStringLiteral("graconf.jpg")),
        write(renderOptionsPanel(gameDir), layoutDir, QStringLiteral("opcoes.jpg")),
        write(renderDesignDecoration(gameDir), layoutDir, QStringLiteral("design.png")),
        write(renderHelpDecoration(gameDir), layoutDir, QStringLiteral("ajuda.png")),
    };
}

} // namespace assetgen
