#pragma once
// Helpers shared by the drawing code of the game's data pictures (backgrounds, coins, cards, reel
// symbols, lever and banners). Everything lives in its own namespace so that it cannot clash with
// the other parts of the generator.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <cstdint>

namespace assetgen::gamepics {

// Small deterministic generator: every build draws the very same pictures, whatever the
// platform's standard library does with its distributions.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    std::uint32_t next()
    {
        // xorshift32
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double uniform(double lo, double hi) { return lo + (hi - lo) * (next() / 4294967296.0); }

private:
    std::uint32_t state_;
};

// A blank canvas with premultiplied alpha, filled with the given colour.
QImage canvas(int w, int h, const QColor& fill = Qt::transparent);
// A painter with antialiasing and smooth transforms switched on.
void prepare(QPainter& p);
// Writes the picture under the exact file name; the extension picks the format (".jpg" JPEG,
// ".bmp" 24-bit bitmap). A picture that cannot be written ends the generator with an error, so
// that a build never lays out an incomplete game folder.
void save(const QImage& img, const QDir& dir, const QString& fileName);

QColor mix(const QColor& a, const QColor& b, double t);
QColor lighter(const QColor& c, double t); // towards white
QColor darker(const QColor& c, double t);  // towards black
QColor withAlpha(const QColor& c, int alpha);

QFont font(const QString& family, double pixelSize, int weight = QFont::Normal, bool italic = false);
// The outline of a text, its bounding box moved so that it is centred on `centre`.
QPainterPath textPath(const QString& text, const QFont& f, QPointF centre);
// The outline of a text scaled (keeping its proportions unless `stretch`) to fit `box`, centred.
QPainterPath fittedText(const QString& text, const QFont& f, const QRectF& box, bool stretch = false);
// Text laid along an arc around `centre` at `radius`, centred on the angle `midDegrees`
// (0 = right, 90 = up). `outward` letters stand on the arc (their baselines on it) and read
// clockwise along the top; otherwise their tops touch the arc from outside and they read
// anticlockwise along the bottom.
QPainterPath arcText(const QString& text, const QFont& f, QPointF centre, double radius,
                     double midDegrees, bool outward, double letterSpacing = 0.0);

// Card suits and a few motifs, each filling `box`.
enum class Suit { Hearts, Spades, Diamonds, Clubs };
QPainterPath suitPath(Suit s, const QRectF& box);
QPainterPath starPath(QPointF centre, double outer, double inner, int points, double rotationDeg = -90);
QPainterPath roundedRect(const QRectF& r, double radius);

// A four-pointed twinkle of light.
void sparkle(QPainter& p, QPointF c, double r, const QColor& colour);
// A filled shape with a soft drop shadow.
void dropShadow(QPainter& p, const QPainterPath& shape, QPointF offset, double blur, int alpha);
// Fill with a vertical gloss: a light band over the upper part of the shape.
void gloss(QPainter& p, const QPainterPath& shape, int alpha = 110);

// The gold and the type faces that the chooser's banners and the games' screens share.
namespace palette {
inline const QColor kGoldLight(0xFF, 0xF1, 0xB0);
inline const QColor kGold(0xE8, 0xB8, 0x30);
inline const QColor kGoldDeep(0x8A, 0x5C, 0x0C);
inline QString serif() { return QStringLiteral("DejaVu Serif"); }
inline QString sans() { return QStringLiteral("DejaVu Sans"); }
inline QString display() { return QStringLiteral("Bebas Neue"); }
} // namespace palette

// The slot machine's lever, 42 x 156: usable or locked, at rest (pull 0) or pulled (pull 1).
QImage renderLever(bool enabled, double pull);

// The pictures of each group; game_pictures.cpp calls them in turn.
void writeBackgrounds(const QDir& dir);
void writeCoins(const QDir& dir);
void writeCards(const QDir& dir);
void writeReelSymbols(const QDir& dir);
void writeSlotMachineParts(const QDir& dir);

} // namespace assetgen::gamepics
