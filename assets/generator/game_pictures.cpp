// The game's data pictures: the files the game loads by name from its working directory. This
// file holds the shared drawing helpers and the seven theme backgrounds; coins, cards, reel
// symbols and the slot machine's lever and banners have files of their own.
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
#include <vector>

namespace assetgen {

void writeGamePictures(const QDir& gameDir)
{
    gamepics::writeBackgrounds(gameDir);
    gamepics::writeCoins(gameDir);
    gamepics::writeCards(gameDir);
    gamepics::writeReelSymbols(gameDir);
    gamepics::writeSlotMachineParts(gameDir);
}

} // namespace assetgen

namespace assetgen::gamepics {

QImage canvas(int w, int h, const QColor& fill)
{
    QImage img = newCanvas(w, h);
    img.fill(fill);
    return img;
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

void save(const QImage& img, const QDir& dir, const QString& fileName)
{
    const bool bmp = fileName.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
    // Neither format keeps transparency: flatten onto white first so that nothing turns black.
    QImage flat(img.size(), QImage::Format_RGB32);
    flat.setDevicePixelRatio(img.devicePixelRatio());
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, img);
    }
    flat.setDevicePixelRatio(1);
    QImageWriter writer(dir.filePath(scaledName(fileName)), bmp ? QByteArray("bmp") : QByteArray("jpeg"));
    if (!bmp) {
        writer.setQuality(90);
        writer.setOptimizedWrite(true);
    }
    if (!writer.write(bmp ? flat.convertToFormat(QImage::Format_RGB888) : flat)) {
        std::fprintf(stderr, "zor-assetgen: cannot write %s: %s\n", qPrintable(writer.fileName()),
                     qPrintable(writer.errorString()));
        std::exit(1);
    }
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    auto lerp = [t](double x, double y) { return x + (y - x) * t; };
    return QColor::fromRgbF(float(lerp(a.redF(), b.redF())), float(lerp(a.greenF(), b.greenF())),
                            float(lerp(a.blueF(), b.blueF())), float(lerp(a.alphaF(), b.alphaF())));
}

QColor lighter(const QColor& c, double t)
{
    QColor w = Qt::white;
    w.setAlpha(c.alpha());
    return mix(c, w, t);
}

QColor darker(const QColor& c, double t)
{
    QColor k = Qt::black;
    k.setAlpha(c.alpha());
    return mix(c, k, t);
}

QColor withAlpha(const QColor& c, int alpha)
{
    QColor r = c;
    r.setAlpha(alpha);
    return r;
}

QFont font(const QString& family, double pixelSize, int weight, bool italic)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setWeight(QFont::Weight(weight));
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QPainterPath textPath(const QString& text, const QFont& f, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    return path.translated(centre - b.center());
}

QPainterPath fittedText(const QString& text, const QFont& f, const QRectF& box, bool stretch)
{
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    if (b.isEmpty())
        return path;
    double sx = box.width() / b.width();
    double sy = box.height() / b.height();
    if (!stretch)
        sx = sy = std::min(sx, sy);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

QPainterPath arcText(const QString& text, const QFont& f, QPointF centre, double radius,
                     double midDegrees, bool outward, double letterSpacing)
{
    const QFontMetricsF fm(f);
    std::vector<double> adv;
    double total = 0;
    for (const QChar ch : text) {
        adv.push_back(fm.horizontalAdvance(ch) + letterSpacing);
        total += adv.back();
    }
    total -= letterSpacing;
    const double span = total / radius * 180.0 / M_PI;
    double along = 0; // distance travelled along the arc
    QPainterPath out;
    for (int i = 0; i < text.size(); ++i) {
        const double mid = along + (adv[size_t(i)] - letterSpacing) / 2.0;
        const double offsetDeg = mid / radius * 180.0 / M_PI;
        const double theta = outward ? midDegrees + span / 2 - offsetDeg : midDegrees - span / 2 + offsetDeg;
        const double rad = theta * M_PI / 180.0;
        const QPointF pos(centre.x() + radius * std::cos(rad), centre.y() - radius * std::sin(rad));
        QPainterPath glyph;
        const double w = fm.horizontalAdvance(text[i]);
        if (outward)
            glyph.addText(-w / 2, 0, f, QString(text[i]));
        else
            glyph.addText(-w / 2, fm.ascent() * 0.72, f, QString(text[i])); // hangs inside the arc
        QTransform t;
        t.translate(pos.x(), pos.y());
        t.rotate(outward ? 90 - theta : 270 - theta);
        out.addPath(t.map(glyph));
        along += adv[size_t(i)];
    }
    return out;
}

namespace {

// Each suit drawn once in the unit square; suitPath() scales it into place.
QPainterPath unitHeart()
{
    QPainterPath p;
    p.moveTo(0.5, 0.98);
    p.cubicTo(0.40, 0.84, 0.02, 0.62, 0.02, 0.31);
    p.cubicTo(0.02, 0.11, 0.16, 0.02, 0.29, 0.02);
    p.cubicTo(0.40, 0.02, 0.47, 0.09, 0.5, 0.19);
    p.cubicTo(0.53, 0.09, 0.60, 0.02, 0.71, 0.02);
    p.cubicTo(0.84, 0.02, 0.98, 0.11, 0.98, 0.31);
    p.cubicTo(0.98, 0.62, 0.60, 0.84, 0.5, 0.98);
    p.closeSubpath();
    return p;
}

QPainterPath unitStem()
{
    QPainterPath s;
    s.moveTo(0.465, 0.60);
    s.quadTo(0.45, 0.88, 0.27, 0.99);
    s.lineTo(0.73, 0.99);
    s.quadTo(0.55, 0.88, 0.535, 0.60);
    s.closeSubpath();
    return s;
}

QPainterPath unitSpade()
{
    QPainterPath body;
    body.moveTo(0.5, 0.01);
    body.cubicTo(0.60, 0.16, 0.98, 0.34, 0.98, 0.58);
    body.cubicTo(0.98, 0.75, 0.85, 0.82, 0.72, 0.82);
    body.cubicTo(0.62, 0.82, 0.55, 0.76, 0.5, 0.68);
    body.cubicTo(0.45, 0.76, 0.38, 0.82, 0.28, 0.82);
    body.cubicTo(0.15, 0.82, 0.02, 0.75, 0.02, 0.58);
    body.cubicTo(0.02, 0.34, 0.40, 0.16, 0.5, 0.01);
    body.closeSubpath();
    return body.united(unitStem());
}

QPainterPath unitClub()
{
    QPainterPath c;
    c.addEllipse(QPointF(0.5, 0.25), 0.225, 0.225);
    QPainterPath l;
    l.addEllipse(QPointF(0.255, 0.57), 0.225, 0.225);
    QPainterPath r;
    r.addEllipse(QPointF(0.745, 0.57), 0.225, 0.225);
    QPainterPath mid;
    mid.moveTo(0.40, 0.40);
    mid.lineTo(0.60, 0.40);
    mid.lineTo(0.56, 0.66);
    mid.lineTo(0.44, 0.66);
    mid.closeSubpath();
    return c.united(l).united(r).united(mid).united(unitStem());
}

QPainterPath unitDiamond()
{
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.quadTo(0.66, 0.27, 0.90, 0.5);
    p.quadTo(0.66, 0.73, 0.5, 1.0);
    p.quadTo(0.34, 0.73, 0.10, 0.5);
    p.quadTo(0.34, 0.27, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

} // namespace

QPainterPath suitPath(Suit s, const QRectF& box)
{
    static const QPainterPath shapes[4] = {unitHeart(), unitSpade(), unitDiamond(), unitClub()};
    QTransform t;
    t.translate(box.x(), box.y());
    t.scale(box.width(), box.height());
    return t.map(shapes[int(s)]);
}

QPainterPath starPath(QPointF centre, double outer, double inner, int points, double rotationDeg)
{
    QPainterPath p;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2) ? inner : outer;
        const double a = (rotationDeg + i * 180.0 / points) * M_PI / 180.0;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

QPainterPath roundedRect(const QRectF& r, double radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

void sparkle(QPainter& p, QPointF c, double r, const QColor& colour)
{
    p.save();
    QRadialGradient glow(c, r * 1.1);
    glow.setColorAt(0, withAlpha(colour, colour.alpha() * 2 / 3));
    glow.setColorAt(1, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * 1.1, r * 1.1);
    p.setBrush(colour);
    p.drawPath(starPath(c, r, r * 0.16, 4, -90));
    p.restore();
}

void dropShadow(QPainter& p, const QPainterPath& shape, QPointF offset, double blur, int alpha)
{
    // A few widening translucent strokes give a soft edge without a blur filter.
    p.save();
    const QPainterPath moved = shape.translated(offset);
    const int steps = 5;
    for (int i = steps; i >= 1; --i) {
        p.setPen(QPen(QColor(0, 0, 0, alpha / (steps + 1)), blur * i / steps, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(moved);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, alpha));
    p.drawPath(moved);
    p.restore();
}

void gloss(QPainter& p, const QPainterPath& shape, int alpha)
{
    const QRectF b = shape.boundingRect();
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    QLinearGradient g(b.topLeft(), QPointF(b.left(), b.top() + b.height() * 0.55));
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    QPainterPath band;
    band.addEllipse(QRectF(b.left() - b.width() * 0.2, b.top() - b.height() * 0.45, b.width() * 1.4,
                           b.height() * 0.95));
    p.drawPath(band);
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// Theme backgrounds

namespace {

struct Theme {
    const char* file;
    QColor light; // the glow in the upper left
    QColor base;  // the body of the picture
    QColor deep;  // the lower right corner
    bool dark;    // dark themes carry light text, so their motifs and sparkles are brighter
    std::uint32_t seed;
};

void drawBackground(const Theme& t, const QDir& dir)
{
    const int W = 960, H = 680;
    QImage img = canvas(W, H, t.base);
    QPainter p(&img);
    prepare(p);

    // Body: a diagonal gradient from the light corner to the deep one.
    QLinearGradient body(0, 0, W, H);
    body.setColorAt(0.0, t.light);
    body.setColorAt(0.45, t.base);
    body.setColorAt(1.0, t.deep);
    p.fillRect(logicalRect(img), body);

    // Soft glow in the upper left.
    QRadialGradient glow(QPointF(W * 0.28, H * 0.22), W * 0.75);
    glow.setColorAt(0, withAlpha(Qt::white, t.dark ? 70 : 90));
    glow.setColorAt(0.6, withAlpha(Qt::white, t.dark ? 12 : 25));
    glow.setColorAt(1, withAlpha(Qt::white, 0));
    p.fillRect(logicalRect(img), glow);

    // Diagonal sheen: a few wide bands of light across the picture.
    const double bands[][3] = {{0.18, 0.10, 34}, {0.36, 0.04, 26}, {0.62, 0.14, 22}, {0.80, 0.05, 28}};
    for (const auto& b : bands) {
        QLinearGradient sheen(0, 0, W, H * 0.55);
        const double c = b[0], half = b[1];
        sheen.setColorAt(std::max(0.0, c - half), withAlpha(Qt::white, 0));
        sheen.setColorAt(c, withAlpha(Qt::white, int(b[2] * (t.dark ? 0.7 : 1.0))));
        sheen.setColorAt(std::min(1.0, c + half), withAlpha(Qt::white, 0));
        p.fillRect(logicalRect(img), sheen);
    }

    // A faint lattice of card suits, the casino's watermark.
    const QColor motif = t.dark ? withAlpha(lighter(t.base, 0.6), 26) : withAlpha(darker(t.deep, 0.25), 22);
    p.setPen(Qt::NoPen);
    p.setBrush(motif);
    const double step = 68;
    int row = 0;
    for (double y = -step / 2; y < H + step; y += step * 0.5, ++row) {
        const double shift = (row % 2) ? step / 2 : 0;
        int col = 0;
        for (double x = -step + shift; x < W + step; x += step, ++col) {
            const Suit s = Suit((row + col * 3) % 4);
            const double sz = 16;
            p.drawPath(suitPath(s, QRectF(x - sz / 2, y - sz / 2, sz, sz)));
        }
    }

    // Fine diagonal pinstripes for texture.
    p.setPen(QPen(t.dark ? QColor(255, 255, 255, 9) : QColor(255, 255, 255, 30), 1.2));
    for (int x = -H; x < W; x += 9)
        p.drawLine(QPointF(x, 0), QPointF(x + H, H));

    Rng rng(t.seed);
    // Soft out-of-focus lights (bokeh) for depth.
    for (int i = 0; i < 16; ++i) {
        const QPointF c(rng.uniform(0, W), rng.uniform(0, H));
        const double r = rng.uniform(30, 95);
        const int a = int(rng.uniform(14, t.dark ? 26 : 40));
        QRadialGradient bokeh(c, r);
        bokeh.setColorAt(0.0, withAlpha(Qt::white, a / 2));
        bokeh.setColorAt(0.85, withAlpha(Qt::white, a));
        bokeh.setColorAt(1.0, withAlpha(Qt::white, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(bokeh);
        p.drawEllipse(c, r, r);
    }

    // Sparkles, more and brighter on the dark theme (a night sky of lights).
    const int count = t.dark ? 120 : 70;
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.uniform(0, W), rng.uniform(0, H));
        const double r = rng.uniform(1.5, 1.0 + (rng.next() % 5 == 0 ? 9.0 : 4.0));
        const int a = int(rng.uniform(t.dark ? 110 : 90, t.dark ? 230 : 200));
        sparkle(p, c, r, QColor(255, 255, 255, a));
    }

    // Gentle vignette to frame the screens.
    QRadialGradient vignette(QPointF(W / 2.0, H / 2.0), W * 0.72);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.75, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, withAlpha(darker(t.deep, 0.5), t.dark ? 110 : 60));
    p.fillRect(logicalRect(img), vignette);

    p.end();
    save(img, dir, QString::fromLatin1(t.file));
}

} // namespace

void writeBackgrounds(const QDir& dir)
{
    const Theme themes[] = {
        {"graconf.jpg", QColor(0xD2, 0xE6, 0xFF), QColor(0x9C, 0xC3, 0xF4), QColor(0x4F, 0x86, 0xD6), false, 11},
        {"graconf1.jpg", QColor(0xFF, 0xF8, 0xC8), QColor(0xFF, 0xE6, 0x78), QColor(0xF0, 0xBC, 0x2A), false, 12},
        {"graconf2.jpg", QColor(0xFF, 0xE4, 0xEF), QColor(0xFB, 0xBE, 0xD6), QColor(0xEC, 0x88, 0xB0), false, 13},
        {"graconf3.jpg", QColor(0xE2, 0xFA, 0xDA), QColor(0xB2, 0xE6, 0xA4), QColor(0x5E, 0xB8, 0x56), false, 14},
        {"graconf4.jpg", QColor(0xFF, 0xDC, 0xF8), QColor(0xF4, 0xA2, 0xE4), QColor(0xD4, 0x4C, 0xC0), false, 15},
        // The dark blue theme stays light enough behind the black text of every screen (7:1 and
        // more): a deep royal blue that darkens to navy only at the very edges.
        {"grad.jpg", QColor(0xC6, 0xD2, 0xF6), QColor(0x8F, 0xA5, 0xE6), QColor(0x68, 0x84, 0xD4), true, 16},
        {"graconf5.jpg", QColor(0xDA, 0xFA, 0xFF), QColor(0xA2, 0xEC, 0xF4), QColor(0x3E, 0xC4, 0xD8), false, 17},
    };
    for (const Theme& t : themes)
        drawBackground(t, dir);
}

} // namespace assetgen::gamepics
