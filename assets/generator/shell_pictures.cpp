// Layout pictures of the help and about screens and of the name dialog:
//
//   help/<screen>.jpg      the background each help screen shows until the theme is applied,
//                          drawn at the screen's own size in the screen's own colour
//   help/nome.jpg          the same for the name dialog
//   help/cara.png, help/coroa.png
//                          the two faces of the coin on the heads-or-tails help
//   about/cassino_fundo.jpg, about/desen_fundo.jpg
//                          the about screens' backgrounds
//   about/cassino.jpg      the casino by night, the large picture of "O Cassino ZOR"
//   about/logo.png         the casino's name over the text frames of the same screen
//   about/dev1.png .. dev3.png
//                          portraits of the three (invented) authors
#include "game_pictures_common.h"
#include "generator.h"

#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTemporaryDir>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {

// ---- small helpers --------------------------------------------------------------------------

QImage blank(int w, int h, const QColor& fill = Qt::transparent)
{
    QImage img = newCanvas(w, h);
    img.fill(fill);
    return img;
}

void smooth(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QColor mixed(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor alpha(const QColor& c, int a)
{
    QColor out = c;
    out.setAlpha(a);
    return out;
}

QFont pixelFont(const QString& family, double px, int weight = QFont::Normal)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(px))));
    f.setWeight(QFont::Weight(weight));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The outline of a text centred on `centre`.
QPainterPath centredText(const QString& text, const QFont& font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    return path.translated(centre - b.center());
}

// Small deterministic generator, so that every build draws the same stars and windows.
class Dice {
public:
    explicit Dice(quint32 seed) : s_(seed) {}
    double next(double lo, double hi)
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return lo + (hi - lo) * (s_ / 4294967296.0);
    }

private:
    quint32 s_;
};

// Writes the picture under layoutDir/rel and notes it for the resource list. A picture that
// cannot be written stops the build: a layout must never lack one of its pictures.
void store(const QImage& img, const QDir& layoutDir, const QString& rel, QStringList& written)
{
    written << writePicture(img, layoutDir, rel, 92);
}

// A playing-card suit glyph as an outline (the fonts carry them).
QPainterPath suit(int index, double px, QPointF centre)
{
    static const char16_t glyphs[4] = {u'\u2660', u'\u2665', u'\u2666', u'\u2663'};
    return centredText(QString(QChar(glyphs[index & 3])), pixelFont(QStringLiteral("DejaVu Sans"), px), centre);
}

// ---- backgrounds ----------------------------------------------------------------------------

struct Paper {
    QColor base;   // the window colour of the screen
    QColor accent; // pattern, vignette and border
};

// A soft sheet in the screen's colour: a diagonal sheen, two beams of light, a faint pattern of
// card suits, a vignette and a double border line. Drawn at the screen's size so that the
// pattern is never stretched.
QImage paperBackground(QSize size, const Paper& paper, quint32 seed)
{
    const int w = size.width(), h = size.height();
    QImage img = blank(w, h, paper.base);
    QPainter p(&img);
    smooth(p);

    QLinearGradient sheen(0, 0, w, h);
    sheen.setColorAt(0, mixed(paper.base, Qt::white, 0.75));
    sheen.setColorAt(0.55, paper.base);
    sheen.setColorAt(1, mixed(paper.base, paper.accent, 0.22));
    p.fillRect(logicalRect(img), sheen);

    // Beams of light falling from the upper left.
    Dice dice(seed);
    for (int i = 0; i < 3; ++i) {
        const double x = w * (0.18 + 0.27 * i) + dice.next(-20, 20);
        const double spread = dice.next(40, 90);
        QPainterPath beam;
        beam.moveTo(x - spread * 0.3, -10);
        beam.lineTo(x + spread * 0.3, -10);
        beam.lineTo(x + spread + h * 0.55, h + 10);
        beam.lineTo(x - spread * 0.2 + h * 0.55, h + 10);
        beam.closeSubpath();
        QLinearGradient fade(0, 0, 0, h);
        fade.setColorAt(0, QColor(255, 255, 255, 70));
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(beam, fade);
    }

    // The suit pattern: a staggered grid, each suit tilted a little.
    const double step = 44;
    int n = 0;
    for (double y = 18; y < h + step; y += step * 0.8, ++n) {
        const double shift = (n % 2) ? step / 2 : 0;
        for (double x = 14 + shift; x < w + step; x += step) {
            const int s = int(x / step + n) % 4;
            p.save();
            p.translate(x, y);
            p.rotate(-14);
            p.fillPath(suit(s, 15, QPointF(0, 0)), alpha(paper.accent, 20));
            p.restore();
        }
    }

    // A few glints.
    for (int i = 0; i < 14; ++i) {
        const QPointF c(dice.next(0, w), dice.next(0, h));
        const double r = dice.next(1.5, 4.0);
        QRadialGradient glint(c, r * 2.5);
        glint.setColorAt(0, QColor(255, 255, 255, 190));
        glint.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glint);
        p.drawEllipse(c, r * 2.5, r * 2.5);
    }

    QRadialGradient vignette(QPointF(w * 0.45, h * 0.4), std::hypot(w, h) * 0.62);
    vignette.setColorAt(0.6, alpha(paper.accent, 0));
    vignette.setColorAt(1, alpha(paper.accent, 60));
    p.fillRect(logicalRect(img), vignette);

    // Double border: a fine accent line with a light line inside it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(alpha(paper.accent, 150), 1));
    p.drawRect(QRectF(3.5, 3.5, w - 7, h - 7));
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawRect(QRectF(5.5, 5.5, w - 11, h - 11));
    return img;
}

// ---- the coin faces of the heads-or-tails help ----------------------------------------------

// The help explains the faces of the very coin the game tosses, so it shows the game's own
// 1 real coin: drawn by the game picture code into a scratch folder, then cut round so that the
// themed background shows around it, and given a soft shadow of its own.
QImage helpCoin(const QImage& square, int size)
{
    QImage out = blank(size, size);
    QPainter p(&out);
    smooth(p);
    const QPointF c(size / 2.0 - 1, size / 2.0 - 1);
    const double r = size / 2.0 - 3;

    QRadialGradient shadow(c + QPointF(1.8, 2.4), r + 2.5);
    shadow.setColorAt(0.86, QColor(0, 0, 0, 90));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(1.8, 2.4), r + 2.5, r + 2.5);

    // The coin fills its square picture edge to edge (with a hair of margin); cut just inside it.
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.setClipPath(disc);
    const QSizeF face = square.deviceIndependentSize();
    const double scale = (2 * r) / (face.width() - 4.4);
    const QRectF target(c.x() - face.width() * scale / 2 + 0.8 * scale, c.y() - face.height() * scale / 2 + 1.0 * scale,
                        face.width() * scale, face.height() * scale);
    p.drawImage(target, square);
    return out;
}

void writeHelpCoins(const QDir& layoutDir, QStringList& written)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "zor-assetgen: no scratch folder for the coin pictures\n");
        std::exit(1);
    }
    gamepics::writeCoins(QDir(scratch.path()));
    // The game keeps the face with the value, the side called "Cara", in its "coroa" files and
    // the effigy in its "cara" files (its screens load them crosswise).
    // Drawn at the current scale, so read back with its pixel ratio.
    QImage valueFace(QDir(scratch.path()).filePath(scaledName(QStringLiteral("coroa.bmp"))));
    QImage effigyFace(QDir(scratch.path()).filePath(scaledName(QStringLiteral("cara.bmp"))));
    valueFace.setDevicePixelRatio(renderScale());
    effigyFace.setDevicePixelRatio(renderScale());
    if (valueFace.isNull() || effigyFace.isNull()) {
        std::fprintf(stderr, "zor-assetgen: the coin pictures were not drawn\n");
        std::exit(1);
    }
    store(helpCoin(valueFace, 112), layoutDir, QStringLiteral("help/cara.png"), written);
    store(helpCoin(effigyFace, 112), layoutDir, QStringLiteral("help/coroa.png"), written);
}

// ---- the casino by night --------------------------------------------------------------------

const QColor kGoldLight(0xFF, 0xE9, 0xA0);
const QColor kGold(0xE0, 0xB0, 0x40);
const QColor kGoldDark(0x8A, 0x5E, 0x12);

QLinearGradient goldAcross(double x0, double x1)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, kGoldDark);
    g.setColorAt(0.35, kGoldLight);
    g.setColorAt(0.6, kGold);
    g.setColorAt(1, kGoldDark);
    return g;
}

QLinearGradient goldDown(double y0, double y1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, kGoldLight);
    g.setColorAt(0.5, kGold);
    g.setColorAt(1, kGoldDark);
    return g;
}

// A lit bulb with its halo.
void bulb(QPainter& p, QPointF c, double r, const QColor& colour = QColor(255, 236, 170))
{
    QRadialGradient halo(c, r * 3.2);
    halo.setColorAt(0, alpha(colour, 150));
    halo.setColorAt(1, alpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, r * 3.2, r * 3.2);
    QRadialGradient glass(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
    glass.setColorAt(0, Qt::white);
    glass.setColorAt(0.6, colour);
    glass.setColorAt(1, mixed(colour, QColor(160, 90, 20), 0.5));
    p.setBrush(glass);
    p.drawEllipse(c, r, r);
}

// Neon lettering: wide soft strokes of the glow colour under a near-white core.
void neon(QPainter& p, const QPainterPath& letters, const QColor& glow)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 5; i >= 1; --i) {
        p.setPen(QPen(alpha(glow, 26 + 6 * (5 - i)), i * 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(letters);
    }
    p.setPen(QPen(glow, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(letters);
    p.setPen(Qt::NoPen);
    p.setBrush(mixed(glow, Qt::white, 0.75));
    p.drawPath(letters);
    p.restore();
}

void palm(QPainter& p, QPointF foot, double height, double lean, bool mirrored)
{
    const double dir = mirrored ? -1 : 1;
    const QPointF top(foot.x() + lean * dir, foot.y() - height);
    // Trunk: a gently curved tapering band with ring marks.
    QPainterPath trunk;
    const QPointF ctrl(foot.x() + lean * 0.1 * dir, foot.y() - height * 0.55);
    trunk.moveTo(foot + QPointF(-5, 0));
    trunk.quadTo(ctrl + QPointF(-4, 0), top + QPointF(-2, 0));
    trunk.lineTo(top + QPointF(2, 0));
    trunk.quadTo(ctrl + QPointF(4, 0), foot + QPointF(5, 0));
    trunk.closeSubpath();
    QLinearGradient bark(foot.x() - 6, 0, foot.x() + 6, 0);
    bark.setColorAt(0, QColor(0x2A, 0x1A, 0x22));
    bark.setColorAt(0.5, QColor(0x5A, 0x3A, 0x38));
    bark.setColorAt(1, QColor(0x1C, 0x12, 0x1A));
    p.fillPath(trunk, bark);
    p.setPen(QPen(QColor(0x14, 0x0C, 0x12, 160), 1));
    for (double t = 0.06; t < 0.98; t += 0.07) {
        const double u = 1 - t;
        const QPointF pt = u * u * foot + 2 * u * t * ctrl + t * t * top;
        const double half = 5 - 3 * t;
        p.drawLine(pt + QPointF(-half, 0), pt + QPointF(half, -1.5));
    }

    // Fronds: a drooping midrib with leaflets along both sides, backlit by the casino (a warm
    // rim on the leaflets' lower edges).
    const double angles[] = {-165, -135, -100, -62, -28, 4, 30};
    for (double a0 : angles) {
        const double a = (mirrored ? 180 - a0 : a0) * M_PI / 180.0;
        const double len = height * 0.36;
        const QPointF tip = top + QPointF(std::cos(a) * len, std::sin(a) * len * 0.45 + len * 0.45);
        const QPointF ctrl = top + QPointF(std::cos(a) * len * 0.6, std::sin(a) * len * 0.6 - len * 0.2);
        auto along = [&](double t) {
            const double u = 1 - t;
            return u * u * top + 2 * u * t * ctrl + t * t * tip;
        };
        for (int i = 1; i <= 16; ++i) {
            const double t = i / 16.0;
            const QPointF at = along(t), ahead = along(std::min(1.0, t + 0.05));
            const double dir = std::atan2(ahead.y() - at.y(), ahead.x() - at.x()) * 180.0 / M_PI;
            const double leafLen = len * (0.34 - 0.22 * t);
            for (int side : {-1, 1}) {
                QPainterPath leaf;
                leaf.moveTo(0, 0);
                leaf.quadTo(leafLen * 0.5, -leafLen * 0.16, leafLen, 0);
                leaf.quadTo(leafLen * 0.5, leafLen * 0.12, 0, 0);
                QTransform tr;
                tr.translate(at.x(), at.y());
                tr.rotate(dir + side * 52 + 18);
                const QPainterPath placed = tr.map(leaf);
                p.fillPath(placed, QColor(0x12, 0x2C, 0x20));
                p.fillPath(placed.translated(0, 0.8).subtracted(placed), QColor(0xFF, 0xA8, 0x60, 110));
            }
        }
        QPainterPath rib;
        rib.moveTo(top);
        rib.quadTo(ctrl, tip);
        p.setPen(QPen(QColor(0x1E, 0x3A, 0x2A), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rib);
    }
}

QImage casinoByNight()
{
    constexpr int W = 320, H = 492;
    QImage img = blank(W, H, Qt::black);
    QPainter p(&img);
    smooth(p);
    Dice dice(0x5EED2024u);

    // Sky, from deep night down to a warm glow over the city.
    QLinearGradient sky(0, 0, 0, 360);
    sky.setColorAt(0, QColor(0x07, 0x0A, 0x24));
    sky.setColorAt(0.55, QColor(0x2A, 0x17, 0x4E));
    sky.setColorAt(0.85, QColor(0x7A, 0x2A, 0x5E));
    sky.setColorAt(1, QColor(0xE0, 0x70, 0x6A));
    p.fillRect(QRect(0, 0, W, 360), sky);

    // Stars.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 110; ++i) {
        const QPointF c(dice.next(0, W), dice.next(0, 240));
        const double r = dice.next(0.3, 1.1);
        p.setBrush(QColor(255, 255, 240, int(dice.next(90, 230))));
        p.drawEllipse(c, r, r);
    }
    for (int i = 0; i < 6; ++i) {
        const QPointF c(dice.next(10, W - 10), dice.next(10, 170));
        const double r = dice.next(3, 6);
        QPainterPath star;
        star.moveTo(c + QPointF(0, -r));
        star.quadTo(c, c + QPointF(r, 0));
        star.quadTo(c, c + QPointF(0, r));
        star.quadTo(c, c + QPointF(-r, 0));
        star.quadTo(c, c + QPointF(0, -r));
        p.fillPath(star, QColor(255, 255, 255, 210));
    }

    // Moon: a crescent with a soft halo.
    const QPointF moon(262, 56);
    QRadialGradient moonHalo(moon, 60);
    moonHalo.setColorAt(0, QColor(255, 240, 200, 90));
    moonHalo.setColorAt(1, QColor(255, 240, 200, 0));
    p.setBrush(moonHalo);
    p.drawEllipse(moon, 60, 60);
    QPainterPath full;
    full.addEllipse(moon, 19, 19);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(-9, -6), 17, 17);
    QRadialGradient moonLight(moon + QPointF(6, 4), 22);
    moonLight.setColorAt(0, QColor(0xFF, 0xFB, 0xE6));
    moonLight.setColorAt(1, QColor(0xF0, 0xD8, 0x98));
    p.fillPath(full.subtracted(bite), moonLight);

    // Searchlights sweeping the sky from behind the casino.
    for (int side : {-1, 1}) {
        const QPointF foot(160 + side * 110, 330);
        const double tilt = side * 0.42;
        QPainterPath beam;
        beam.moveTo(foot + QPointF(-3, 0));
        beam.lineTo(foot + QPointF(-330 * tilt - 26, -330));
        beam.lineTo(foot + QPointF(-330 * tilt + 26, -330));
        beam.lineTo(foot + QPointF(3, 0));
        beam.closeSubpath();
        QLinearGradient fade(foot, foot + QPointF(-330 * tilt, -330));
        fade.setColorAt(0, QColor(255, 250, 220, 95));
        fade.setColorAt(1, QColor(255, 250, 220, 0));
        p.fillPath(beam, fade);
    }

    // Distant city: blocks of dark towers with a few lit windows.
    for (int i = 0; i < 14; ++i) {
        const double x = i * 24 - 8 + dice.next(-4, 4);
        const double top = dice.next(230, 300);
        const double w = dice.next(18, 30);
        const QRectF block(x, top, w, 360 - top);
        p.fillRect(block, QColor(0x18, 0x14, 0x34));
        for (double wy = top + 5; wy < 340; wy += 7) {
            for (double wx = x + 3; wx < x + w - 3; wx += 5) {
                if (dice.next(0, 1) < 0.22)
                    p.fillRect(QRectF(wx, wy, 2, 3), QColor(255, 214, 130, int(dice.next(120, 220))));
            }
        }
    }

    // ---- the casino ----
    // Main block: burgundy facade between gold pilasters.
    const QRectF body(26, 212, 268, 190);
    QLinearGradient wall(0, body.top(), 0, body.bottom());
    wall.setColorAt(0, QColor(0x8E, 0x16, 0x2C));
    wall.setColorAt(1, QColor(0x4A, 0x06, 0x16));
    p.fillRect(body, wall);

    // Rows of arched windows glowing warm.
    auto archWindow = [&p](const QRectF& r) {
        QPainterPath win;
        win.moveTo(r.left(), r.bottom());
        win.lineTo(r.left(), r.top() + r.width() / 2);
        win.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
        win.lineTo(r.right(), r.bottom());
        win.closeSubpath();
        QLinearGradient glow(0, r.top(), 0, r.bottom());
        glow.setColorAt(0, QColor(0xFF, 0xF0, 0xB8));
        glow.setColorAt(1, QColor(0xF2, 0x9A, 0x3A));
        p.fillPath(win, glow);
        p.setPen(QPen(QColor(0x5A, 0x1A, 0x10), 1));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(r.center().x(), r.top() + 2), QPointF(r.center().x(), r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + r.height() * 0.55), QPointF(r.right(), r.top() + r.height() * 0.55));
        p.setPen(QPen(kGold, 1.2));
        p.drawPath(win);
    };
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 10; ++col) {
            const double x = 40 + col * 25.5;
            if (col == 4 || col == 5)
                continue; // the tower stands here
            archWindow(QRectF(x, 228 + row * 36, 13, 24));
        }
    }
    // Gold pilasters.
    for (double x : {26.0, 92.0, 222.0, 288.0}) {
        p.fillRect(QRectF(x - 2, body.top(), 8, body.height()), goldAcross(x - 2, x + 6));
    }

    // Cornice with a row of bulbs.
    p.fillRect(QRectF(18, 202, 284, 12), goldDown(202, 214));
    p.fillRect(QRectF(18, 213, 284, 2), QColor(0x3A, 0x22, 0x08));
    for (double x = 24; x < 300; x += 11)
        bulb(p, QPointF(x, 208), 1.8);

    // Central tower, stepped at the top, with a spire and a beacon.
    const QRectF tower(112, 92, 96, 112);
    QLinearGradient stone(tower.left(), 0, tower.right(), 0);
    stone.setColorAt(0, QColor(0xB8, 0x9C, 0x78));
    stone.setColorAt(0.4, QColor(0xF4, 0xE4, 0xC4));
    stone.setColorAt(1, QColor(0x8C, 0x70, 0x52));
    p.fillRect(tower, stone);
    p.fillRect(QRectF(124, 76, 72, 18), stone);
    p.fillRect(QRectF(138, 62, 44, 16), stone);
    for (double y : {92.0, 76.0, 62.0})
        p.fillRect(QRectF(y == 92 ? 110 : (y == 76 ? 122 : 136), y - 3, y == 92 ? 100 : (y == 76 ? 76 : 48), 4),
                   goldDown(y - 3, y + 1));
    QPainterPath spire;
    spire.moveTo(152, 62);
    spire.lineTo(160, 18);
    spire.lineTo(168, 62);
    spire.closeSubpath();
    p.fillPath(spire, goldAcross(152, 168));
    bulb(p, QPointF(160, 16), 3.2, QColor(255, 90, 90));

    // The blade sign on the tower: Z, O, R stacked in red neon inside a gold-rimmed board.
    const QRectF blade(136, 100, 48, 98);
    QPainterPath board;
    board.addRoundedRect(blade, 8, 8);
    p.fillPath(board, QColor(0x1A, 0x08, 0x14));
    p.setPen(QPen(QBrush(goldAcross(blade.left(), blade.right())), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(board);
    for (int i = 0; i < 14; ++i) {
        const double t = i / 13.0;
        bulb(p, QPointF(blade.left() + 5, blade.top() + 8 + t * (blade.height() - 16)), 1.4);
        bulb(p, QPointF(blade.right() - 5, blade.top() + 8 + t * (blade.height() - 16)), 1.4);
    }
    const QFont signFont = pixelFont(QStringLiteral("Bebas Neue"), 32, QFont::Bold);
    const QString zor = QStringLiteral("ZOR");
    for (int i = 0; i < 3; ++i)
        neon(p, centredText(zor.mid(i, 1), signFont, QPointF(blade.center().x(), blade.top() + 18 + i * 31)),
             QColor(255, 60, 110));

    // Marquee over the entrance: "CASSINO" in warm light, chasing bulbs all round.
    const QRectF marquee(58, 300, 204, 40);
    QPainterPath mq;
    mq.addRoundedRect(marquee, 6, 6);
    QLinearGradient mqFill(0, marquee.top(), 0, marquee.bottom());
    mqFill.setColorAt(0, QColor(0x2A, 0x0C, 0x1E));
    mqFill.setColorAt(1, QColor(0x10, 0x04, 0x0C));
    p.fillPath(mq, mqFill);
    p.setPen(QPen(QBrush(goldDown(marquee.top(), marquee.bottom())), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mq);
    for (double x = marquee.left() + 6; x < marquee.right() - 3; x += 8) {
        bulb(p, QPointF(x, marquee.top() + 4.5), 1.5);
        bulb(p, QPointF(x, marquee.bottom() - 4.5), 1.5);
    }
    neon(p, centredText(QStringLiteral("CASSINO"), pixelFont(QStringLiteral("Bebas Neue"), 28, QFont::Bold),
                        marquee.center() + QPointF(0, 1)),
         QColor(255, 190, 60));

    // Canopy, then the glowing glass doors.
    QPainterPath canopy;
    canopy.moveTo(92, 340);
    canopy.lineTo(228, 340);
    canopy.lineTo(238, 352);
    canopy.lineTo(82, 352);
    canopy.closeSubpath();
    p.fillPath(canopy, goldDown(340, 352));
    for (double x = 88; x < 234; x += 9)
        bulb(p, QPointF(x, 352), 1.6);
    const QRectF doors(110, 354, 100, 48);
    QLinearGradient doorGlow(0, doors.top(), 0, doors.bottom());
    doorGlow.setColorAt(0, QColor(0xFF, 0xF4, 0xC8));
    doorGlow.setColorAt(1, QColor(0xFF, 0xB8, 0x50));
    p.fillRect(doors, doorGlow);
    p.setPen(QPen(kGoldDark, 2));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(doors.left() + i * 25, doors.top()), QPointF(doors.left() + i * 25, doors.bottom()));
    p.setPen(QPen(QBrush(goldAcross(doors.left(), doors.right())), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(doors);

    // Steps and the plaza, with the lights mirrored on the wet stone.
    for (int i = 0; i < 3; ++i) {
        const QRectF step(96 - i * 10, 402 + i * 6, 128 + i * 20, 6);
        p.fillRect(step, QColor(0x6A - i * 10, 0x5A - i * 10, 0x60 - i * 10));
        p.fillRect(QRectF(step.left(), step.top(), step.width(), 1), QColor(255, 220, 170, 120));
    }
    QLinearGradient plaza(0, 420, 0, H);
    plaza.setColorAt(0, QColor(0x2C, 0x1A, 0x2A));
    plaza.setColorAt(1, QColor(0x0C, 0x08, 0x12));
    p.fillRect(QRectF(0, 402, W, H - 402), plaza);
    p.fillRect(QRectF(0, 402, 96, 18), plaza);
    // Red carpet from the doors down to the street.
    QPainterPath carpet;
    carpet.moveTo(134, 402);
    carpet.lineTo(186, 402);
    carpet.lineTo(214, H);
    carpet.lineTo(106, H);
    carpet.closeSubpath();
    QLinearGradient carpetFill(0, 402, 0, H);
    carpetFill.setColorAt(0, QColor(0xD0, 0x1C, 0x2E));
    carpetFill.setColorAt(1, QColor(0x6A, 0x08, 0x14));
    p.fillPath(carpet, carpetFill);
    p.setPen(QPen(kGold, 1.5));
    p.drawLine(QPointF(134, 402), QPointF(106, H));
    p.drawLine(QPointF(186, 402), QPointF(214, H));
    // Reflections: soft vertical streaks under the bright parts.
    p.setPen(Qt::NoPen);
    for (double x : {122.0, 160.0, 198.0, 70.0, 250.0}) {
        const QPointF c(x, 446);
        QRadialGradient streak(c, 40);
        streak.setColorAt(0, QColor(255, 200, 110, 80));
        streak.setColorAt(1, QColor(255, 200, 110, 0));
        p.setBrush(streak);
        p.save();
        p.translate(c);
        p.scale(0.18, 1.0);
        p.translate(-c);
        p.drawEllipse(c, 40, 40);
        p.restore();
    }
    // Velvet rope posts beside the carpet.
    for (double x : {92.0, 228.0}) {
        p.fillRect(QRectF(x - 1.5, 430, 3, 26), goldAcross(x - 1.5, x + 1.5));
        bulb(p, QPointF(x, 428), 2.6, QColor(255, 220, 140));
    }
    p.setPen(QPen(QColor(0xB0, 0x10, 0x28), 2.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath rope;
    rope.moveTo(92, 436);
    rope.quadTo(72, 452, 48, 440);
    p.drawPath(rope);
    rope = QPainterPath();
    rope.moveTo(228, 436);
    rope.quadTo(248, 452, 272, 440);
    p.drawPath(rope);

    // Palms framing the scene.
    palm(p, QPointF(18, 470), 190, 26, false);
    palm(p, QPointF(302, 476), 176, 22, true);

    // A gold frame round the picture.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(goldDown(0, H)), 4));
    p.drawRect(QRectF(2, 2, W - 4, H - 4));
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.drawRect(QRectF(4.5, 4.5, W - 9, H - 9));
    return img;
}

// ---- the casino's name ----------------------------------------------------------------------

QImage logo()
{
    constexpr int W = 585, H = 50;
    QImage img = blank(W, H);
    QPainter p(&img);
    smooth(p);

    const QPainterPath name =
        centredText(QStringLiteral("Cassino ZOR"), pixelFont(QStringLiteral("DejaVu Serif"), 34, QFont::Bold),
                    QPointF(W / 2.0, H / 2.0));
    const QRectF nb = name.boundingRect();

    // Gold rules running out to a suit at each end.
    for (int side : {-1, 1}) {
        const double inner = side < 0 ? nb.left() - 16 : nb.right() + 16;
        const double outer = side < 0 ? 34 : W - 34;
        QLinearGradient rule(inner, 0, outer, 0);
        rule.setColorAt(0, kGold);
        rule.setColorAt(1, alpha(kGold, 40));
        p.fillRect(QRectF(std::min(inner, outer), H / 2.0 - 1.5, std::abs(outer - inner), 3), rule);
        p.fillRect(QRectF(std::min(inner, outer), H / 2.0 + 3, std::abs(outer - inner), 1), alpha(kGoldDark, 90));
        // A black spade at the left end, a red diamond at the right.
        const QPointF c(side < 0 ? 16 : W - 16, H / 2.0);
        const QPainterPath glyph = suit(side < 0 ? 0 : 2, 26, c);
        p.fillPath(glyph.translated(1.5, 1.5), QColor(0, 0, 0, 90));
        p.fillPath(glyph, side < 0 ? QColor(0x1A, 0x1A, 0x22) : QColor(0xC0, 0x10, 0x24));
        p.setPen(QPen(kGold, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(glyph);
        // A diamond where the rule meets the name.
        QPainterPath diamond;
        const QPointF d(inner, H / 2.0);
        diamond.moveTo(d + QPointF(0, -5));
        diamond.lineTo(d + QPointF(5, 0));
        diamond.lineTo(d + QPointF(0, 5));
        diamond.lineTo(d + QPointF(-5, 0));
        diamond.closeSubpath();
        p.fillPath(diamond, goldDown(H / 2.0 - 5, H / 2.0 + 5));
    }

    // The name: shadow, dark outline, gold body with a bright upper half.
    p.fillPath(name.translated(2, 2.5), QColor(0, 0, 0, 110));
    p.setPen(QPen(QColor(0x4A, 0x2C, 0x06), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    QLinearGradient body(0, nb.top(), 0, nb.bottom());
    body.setColorAt(0, QColor(0xFF, 0xF6, 0xC8));
    body.setColorAt(0.45, QColor(0xF2, 0xC4, 0x4E));
    body.setColorAt(0.55, QColor(0xD0, 0x98, 0x24));
    body.setColorAt(1, QColor(0xF0, 0xC8, 0x60));
    p.fillPath(name, body);
    return img;
}

// ---- portraits of the authors ---------------------------------------------------------------

enum class Hair { ShortCurly, LongFringe, Spiky };

struct Person {
    QColor backdrop;
    QColor skin;
    QColor hair;
    QColor shirt;
    QColor iris;
    Hair style;
    bool glasses;
    bool earrings;
};

QImage portrait(const Person& who)
{
    constexpr int W = 120, H = 140;
    QImage img = blank(W, H, who.backdrop);
    QPainter p(&img);
    smooth(p);

    // Studio backdrop: a lit circle behind the head fading into the colour.
    QRadialGradient studio(QPointF(W * 0.42, H * 0.35), W * 0.9);
    studio.setColorAt(0, mixed(who.backdrop, Qt::white, 0.55));
    studio.setColorAt(0.7, who.backdrop);
    studio.setColorAt(1, mixed(who.backdrop, Qt::black, 0.35));
    p.fillRect(logicalRect(img), studio);

    const QColor skinShade = mixed(who.skin, QColor(0x60, 0x30, 0x20), 0.3);
    const QColor skinLight = mixed(who.skin, Qt::white, 0.25);
    const QPointF head(60, 60);

    // Long hair falls behind the shoulders.
    if (who.style == Hair::LongFringe) {
        QPainterPath back;
        back.moveTo(28, 56);
        back.cubicTo(22, 90, 24, 118, 30, 128);
        back.lineTo(90, 128);
        back.cubicTo(96, 118, 98, 90, 92, 56);
        back.cubicTo(90, 26, 30, 26, 28, 56);
        QLinearGradient g(0, 30, 0, 128);
        g.setColorAt(0, mixed(who.hair, Qt::white, 0.15));
        g.setColorAt(1, mixed(who.hair, Qt::black, 0.35));
        p.fillPath(back, g);
    }

    // Shoulders and shirt with a collar.
    QPainterPath torso;
    torso.moveTo(4, H);
    torso.cubicTo(6, 118, 24, 108, 46, 104);
    torso.lineTo(74, 104);
    torso.cubicTo(96, 108, 114, 118, 116, H);
    torso.closeSubpath();
    QLinearGradient shirt(0, 100, W, H);
    shirt.setColorAt(0, mixed(who.shirt, Qt::white, 0.25));
    shirt.setColorAt(1, mixed(who.shirt, Qt::black, 0.3));
    p.fillPath(torso, shirt);

    // Neck, shaded under the chin.
    QPainterPath neck;
    neck.moveTo(49, 84);
    neck.lineTo(49, 106);
    neck.quadTo(60, 114, 71, 106);
    neck.lineTo(71, 84);
    neck.closeSubpath();
    QLinearGradient neckFill(0, 84, 0, 110);
    neckFill.setColorAt(0, skinShade);
    neckFill.setColorAt(1, who.skin);
    p.fillPath(neck, neckFill);

    // Collar points of a school polo.
    for (int side : {-1, 1}) {
        QPainterPath collar;
        collar.moveTo(60, 112);
        collar.lineTo(60 + side * 14, 102);
        collar.lineTo(60 + side * 20, 116);
        collar.closeSubpath();
        p.fillPath(collar, mixed(who.shirt, Qt::white, 0.45));
        p.setPen(QPen(mixed(who.shirt, Qt::black, 0.4), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(collar);
    }
    // The school badge on the chest.
    const QPointF badge(84, 126);
    p.setPen(QPen(kGoldDark, 0.8));
    p.setBrush(kGold);
    p.drawEllipse(badge, 5, 5);
    p.fillPath(suit(0, 7, badge), QColor(0x30, 0x20, 0x08));

    // Ears.
    for (int side : {-1, 1}) {
        const QPointF ear(head.x() + side * 26, head.y() + 4);
        p.setPen(Qt::NoPen);
        p.setBrush(skinShade);
        p.drawEllipse(ear, 5, 8);
        p.setBrush(who.skin);
        p.drawEllipse(ear + QPointF(-side * 0.8, 0), 3.6, 6.4);
        if (who.earrings) {
            p.setBrush(kGold);
            p.drawEllipse(ear + QPointF(0, 9.5), 2, 2);
        }
    }

    // The face: an egg shape lit from the upper left.
    QPainterPath face;
    face.moveTo(head.x(), head.y() - 32);
    face.cubicTo(head.x() + 22, head.y() - 32, head.x() + 27, head.y() - 12, head.x() + 26, head.y() + 4);
    face.cubicTo(head.x() + 25, head.y() + 20, head.x() + 14, head.y() + 32, head.x(), head.y() + 33);
    face.cubicTo(head.x() - 14, head.y() + 32, head.x() - 25, head.y() + 20, head.x() - 26, head.y() + 4);
    face.cubicTo(head.x() - 27, head.y() - 12, head.x() - 22, head.y() - 32, head.x(), head.y() - 32);
    QRadialGradient skin(head + QPointF(-8, -10), 40);
    skin.setColorAt(0, skinLight);
    skin.setColorAt(0.7, who.skin);
    skin.setColorAt(1, skinShade);
    p.fillPath(face, skin);

    // Cheeks.
    for (int side : {-1, 1}) {
        QRadialGradient blush(head + QPointF(side * 14, 12), 7);
        blush.setColorAt(0, QColor(230, 90, 90, 60));
        blush.setColorAt(1, QColor(230, 90, 90, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(blush);
        p.drawEllipse(head + QPointF(side * 14, 12), 7, 7);
    }

    // Eyes with lids, irises and catch-lights; brows above.
    for (int side : {-1, 1}) {
        const QPointF eye(head.x() + side * 10, head.y() + 1);
        QPainterPath white;
        white.moveTo(eye + QPointF(-6, 0));
        white.quadTo(eye + QPointF(0, -5.5), eye + QPointF(6, 0));
        white.quadTo(eye + QPointF(0, 4.5), eye + QPointF(-6, 0));
        p.fillPath(white, QColor(0xFB, 0xF8, 0xF4));
        p.save();
        p.setClipPath(white);
        p.setPen(Qt::NoPen);
        p.setBrush(who.iris);
        p.drawEllipse(eye + QPointF(side * -0.5, 0), 3.3, 3.3);
        p.setBrush(QColor(0x10, 0x0C, 0x0A));
        p.drawEllipse(eye + QPointF(side * -0.5, 0), 1.6, 1.6);
        p.restore();
        p.setBrush(Qt::white);
        p.drawEllipse(eye + QPointF(side * -0.5 - 1.1, -1.2), 0.9, 0.9);
        p.setPen(QPen(QColor(0x30, 0x20, 0x18), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath lid;
        lid.moveTo(eye + QPointF(-6.4, 0.3));
        lid.quadTo(eye + QPointF(0, -6), eye + QPointF(6.4, 0.3));
        p.drawPath(lid);
        p.setPen(QPen(mixed(who.hair, Qt::black, 0.2), 2.0, Qt::SolidLine, Qt::RoundCap));
        QPainterPath brow;
        brow.moveTo(eye + QPointF(-6 * side, -7.5));
        brow.quadTo(eye + QPointF(0, -10.5), eye + QPointF(7 * side, -8));
        p.drawPath(brow);
    }

    // Nose: a soft shadow on one side and a small tip.
    p.setPen(QPen(alpha(skinShade, 200), 1.3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath nose;
    nose.moveTo(head + QPointF(1.5, 2));
    nose.quadTo(head + QPointF(4, 11), head + QPointF(2.5, 13));
    nose.quadTo(head + QPointF(0, 14.5), head + QPointF(-2.5, 13));
    p.drawPath(nose);

    // A friendly smile.
    QPainterPath mouth;
    mouth.moveTo(head + QPointF(-8, 20));
    mouth.quadTo(head + QPointF(0, 27), head + QPointF(8, 20));
    mouth.quadTo(head + QPointF(0, 23), head + QPointF(-8, 20));
    p.fillPath(mouth, QColor(0xA8, 0x3A, 0x3A));
    p.setPen(QPen(QColor(0x7A, 0x22, 0x22), 1, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mouth);

    // Hair on top.
    QLinearGradient hairFill(0, 24, 0, 70);
    hairFill.setColorAt(0, mixed(who.hair, Qt::white, 0.2));
    hairFill.setColorAt(1, mixed(who.hair, Qt::black, 0.25));
    QPainterPath top;
    top.setFillRule(Qt::WindingFill);
    QPainterPath curls; // the curls' edges, drawn over the hair
    switch (who.style) {
    case Hair::ShortCurly:
        // A close cap over the crown and temples, its edge all in round curls.
        top.addEllipse(head + QPointF(0, -17), 27, 17);
        for (int i = 0; i <= 14; ++i) {
            const double a = M_PI * (0.93 + 1.14 * i / 14.0);
            const QPointF c(head.x() + std::cos(a) * 26, head.y() - 15 + std::sin(a) * 17);
            top.addEllipse(c, 6, 6);
            curls.moveTo(c + QPointF(-3.5, 1.5));
            curls.quadTo(c + QPointF(0, -4.5), c + QPointF(3.5, 1.5));
        }
        break;
    case Hair::LongFringe:
        top.moveTo(head + QPointF(-28, 8));
        top.cubicTo(head + QPointF(-32, -30), head + QPointF(30, -42), head + QPointF(28, 4));
        top.cubicTo(head + QPointF(22, -14), head + QPointF(6, -18), head + QPointF(-4, -16));
        top.cubicTo(head + QPointF(-14, -14), head + QPointF(-22, -6), head + QPointF(-28, 8));
        break;
    case Hair::Spiky:
        top.moveTo(head + QPointF(-27, -2));
        for (int i = 0; i <= 8; ++i) {
            const double t = i / 8.0;
            const double x = -27 + 54 * t;
            const double base = -22 - 12 * std::sin(t * M_PI);
            top.lineTo(head + QPointF(x - 3.4, base + 6));
            top.lineTo(head + QPointF(x + 2, base - 8 - 3 * std::sin(t * M_PI)));
        }
        top.lineTo(head + QPointF(27, -2));
        top.cubicTo(head + QPointF(22, -16), head + QPointF(-22, -16), head + QPointF(-27, -2));
        break;
    }
    p.fillPath(top, hairFill);
    p.setPen(QPen(QColor(0, 0, 0, 70), 1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curls);
    // Shine on the hair.
    p.setPen(QPen(QColor(255, 255, 255, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath shine;
    shine.moveTo(head + QPointF(-14, -26));
    shine.quadTo(head + QPointF(-4, -32), head + QPointF(8, -30));
    p.drawPath(shine);

    if (who.glasses) {
        p.setPen(QPen(QColor(0x22, 0x22, 0x2A), 1.6));
        p.setBrush(QColor(255, 255, 255, 30));
        p.drawRoundedRect(QRectF(head.x() - 18, head.y() - 6, 15, 12), 4, 4);
        p.drawRoundedRect(QRectF(head.x() + 3, head.y() - 6, 15, 12), 4, 4);
        p.drawLine(head + QPointF(-3, -1), head + QPointF(3, -1));
        p.drawLine(head + QPointF(-18, -2), head + QPointF(-25, -4));
        p.drawLine(head + QPointF(18, -2), head + QPointF(25, -4));
    }

    // A thin light edge, like a mounted photograph.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.drawRect(QRectF(1, 1, W - 2, H - 2));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));
    return img;
}

} // namespace

QStringList writeShellScreenPictures(const QDir& layoutDir)
{
    QStringList written;

    // The window colours of the screens: button face, white and sky blue.
    const Paper face{QColor(0xEC, 0xEC, 0xEE), QColor(0x7A, 0x86, 0x9A)};
    const Paper white{QColor(0xFF, 0xFD, 0xF6), QColor(0xC0, 0x96, 0x40)};
    const Paper sky{QColor(0xA6, 0xCA, 0xF0), QColor(0x2E, 0x5E, 0xA4)};
    store(paperBackground({788, 280}, face, 11), layoutDir, QStringLiteral("help/ajudamenu1.jpg"), written);
    store(paperBackground({742, 477}, white, 12), layoutDir, QStringLiteral("help/ajudacoc.jpg"), written);
    store(paperBackground({784, 382}, face, 13), layoutDir, QStringLiteral("help/ajudacn.jpg"), written);
    store(paperBackground({691, 285}, white, 14), layoutDir, QStringLiteral("help/ajudabj.jpg"), written);
    store(paperBackground({931, 369}, sky, 15), layoutDir, QStringLiteral("help/ajudaconf.jpg"), written);
    store(paperBackground({270, 82}, white, 16), layoutDir, QStringLiteral("help/nome.jpg"), written);
    store(paperBackground({953, 575}, white, 17), layoutDir, QStringLiteral("about/cassino_fundo.jpg"), written);
    store(paperBackground({688, 460}, white, 18), layoutDir, QStringLiteral("about/desen_fundo.jpg"), written);

    writeHelpCoins(layoutDir, written);

    store(casinoByNight(), layoutDir, QStringLiteral("about/cassino.jpg"), written);
    store(logo(), layoutDir, QStringLiteral("about/logo.png"), written);

    const Person authors[3] = {
        // Zacarias: short curly hair and glasses.
        {QColor(0x4A, 0x9A, 0x9C), QColor(0xC8, 0x8E, 0x64), QColor(0x24, 0x18, 0x12), QColor(0x2C, 0x4C, 0x8C),
         QColor(0x5A, 0x3A, 0x1E), Hair::ShortCurly, true, false},
        // Otávia: long hair with a fringe, small gold earrings.
        {QColor(0xC8, 0x6A, 0x8A), QColor(0xF2, 0xCC, 0xAE), QColor(0x6A, 0x34, 0x16), QColor(0x2C, 0x4C, 0x8C),
         QColor(0x3A, 0x6A, 0x3A), Hair::LongFringe, false, true},
        // Rodrigo: spiky fair hair.
        {QColor(0xD0, 0x9A, 0x3A), QColor(0xE8, 0xB8, 0x92), QColor(0xC8, 0x9A, 0x48), QColor(0x2C, 0x4C, 0x8C),
         QColor(0x2A, 0x5A, 0x9A), Hair::Spiky, false, false},
    };
    for (int i = 0; i < 3; ++i)
        store(portrait(authors[i]), layoutDir, QStringLiteral("about/dev%1.png").arg(i + 1), written);

    return written;
}

} // namespace assetgen
