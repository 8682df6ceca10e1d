// The application icon in the freedesktop hicolor sizes: a red casino chip with its white
// inserts and a gold "Z", on a rounded tile of green baize with a gold rim. Every size is drawn
// from the vectors at its own resolution, so the small ones stay crisp; below 32 pixels the
// tile goes and the chip fills the square.
#include "generator.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {

constexpr double kPi = 3.14159265358979323846;

void paintTile(QPainter& p, double s)
{
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    const double radius = s * 0.2;
    // Soft shadow under the tile.
    for (int i = 4; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawRoundedRect(tile.translated(0, s * 0.006 * i).adjusted(-i * s * 0.003, 0, i * s * 0.003, 0), radius, radius);
    }
    QLinearGradient rim(0, tile.top(), 0, tile.bottom());
    rim.setColorAt(0, QColor(255, 236, 160));
    rim.setColorAt(0.5, QColor(205, 150, 45));
    rim.setColorAt(1, QColor(120, 72, 12));
    p.setBrush(rim);
    p.drawRoundedRect(tile, radius, radius);
    const QRectF felt = tile.adjusted(s * 0.035, s * 0.035, -s * 0.035, -s * 0.035);
    QRadialGradient baize(felt.center() - QPointF(0, s * 0.12), s * 0.62);
    baize.setColorAt(0, QColor(40, 150, 80));
    baize.setColorAt(0.7, QColor(14, 92, 46));
    baize.setColorAt(1, QColor(6, 55, 28));
    p.setBrush(baize);
    p.drawRoundedRect(felt, radius * 0.82, radius * 0.82);
    if (s >= 64) {
        // The baize's weave: faint diagonal threads.
        p.save();
        QPainterPath clip;
        clip.addRoundedRect(felt, radius * 0.82, radius * 0.82);
        p.setClipPath(clip);
        p.setPen(QPen(QColor(255, 255, 255, 10), std::max(1.0, s / 256.0)));
        for (double d = -s; d < s; d += s / 42.0)
            p.drawLine(QPointF(felt.left() + d, felt.top()), QPointF(felt.left() + d + s, felt.top() + s));
        p.restore();
    }
}

void paintChip(QPainter& p, QPointF c, double r)
{
    p.setPen(Qt::NoPen);
    // Drop shadow and the chip's edge.
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(c + QPointF(r * 0.03, r * 0.07), r, r);
    QRadialGradient body(c - QPointF(r * 0.35, r * 0.4), r * 1.35);
    body.setColorAt(0, QColor(240, 70, 60));
    body.setColorAt(0.6, QColor(190, 20, 28));
    body.setColorAt(1, QColor(110, 6, 14));
    p.setBrush(body);
    p.drawEllipse(c, r, r);
    // Six white inserts on the rim.
    p.setBrush(QColor(250, 248, 240));
    const int inserts = 6;
    for (int i = 0; i < inserts; ++i) {
        const double a = i * 2 * kPi / inserts - kPi / 2;
        QPainterPath seg;
        const double a0 = (a - 0.2) * 180 / kPi, span = 0.4 * 180 / kPi;
        const QRectF outer(c.x() - r * 0.97, c.y() - r * 0.97, r * 1.94, r * 1.94);
        const QRectF inner(c.x() - r * 0.74, c.y() - r * 0.74, r * 1.48, r * 1.48);
        seg.arcMoveTo(outer, -a0);
        seg.arcTo(outer, -a0, -span);
        seg.arcTo(inner, -a0 - span, span);
        seg.closeSubpath();
        p.drawPath(seg);
    }
    // Inner ring and face.
    p.setBrush(QColor(250, 240, 215));
    p.drawEllipse(c, r * 0.64, r * 0.64);
    QRadialGradient face(c - QPointF(r * 0.2, r * 0.25), r * 0.7);
    face.setColorAt(0, QColor(225, 45, 45));
    face.setColorAt(1, QColor(150, 10, 20));
    p.setBrush(face);
    p.drawEllipse(c, r * 0.58, r * 0.58);
    // Gloss over the upper half.
    QLinearGradient gloss(0, c.y() - r, 0, c.y());
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawEllipse(QRectF(c.x() - r * 0.85, c.y() - r * 0.95, r * 1.7, r * 1.1));
}

void paintZ(QPainter& p, QPointF c, double r, double height)
{
    QFont f(QStringLiteral("Bebas Neue"));
    f.setPixelSize(std::max(6, int(r * 1.05)));
    f.setBold(true);
    QPainterPath z;
    z.addText(0, 0, f, QStringLiteral("Z"));
    const QRectF b = z.boundingRect();
    const double scale = (r * height) / std::max(b.height(), 1.0);
    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(scale, scale);
    t.translate(-b.center().x(), -b.center().y());
    z = t.map(z);
    p.setPen(Qt::NoPen);
    p.fillPath(z.translated(r * 0.03, r * 0.05), QColor(40, 0, 0, 170));
    QLinearGradient gold(0, c.y() - r * 0.4, 0, c.y() + r * 0.4);
    gold.setColorAt(0, QColor(255, 250, 210));
    gold.setColorAt(0.45, QColor(250, 205, 90));
    gold.setColorAt(0.55, QColor(215, 150, 40));
    gold.setColorAt(1, QColor(255, 220, 120));
    if (r >= 20)
        p.strokePath(z, QPen(QColor(90, 40, 0), r * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(z, gold);
}

QImage renderIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double s = size;
    if (size >= 32) {
        paintTile(p, s);
        paintChip(p, QPointF(s * 0.5, s * 0.49), s * 0.34);
        paintZ(p, QPointF(s * 0.5, s * 0.49), s * 0.34, 0.78);
    } else {
        paintChip(p, QPointF(s * 0.5, s * 0.48), s * 0.46);
        // Small sizes: a bigger letter that still reads at 16 pixels.
        paintZ(p, QPointF(s * 0.5, s * 0.48), s * 0.46, 0.98);
    }
    p.end();
    return img;
}

} // namespace

void writeIcons(const QDir& iconsDir, const QString& iconName)
{
    for (int size : kIconSizes) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!iconsDir.mkpath(folder)) {
            std::fprintf(stderr, "zor-assetgen: cannot create %s\n", qPrintable(iconsDir.filePath(folder)));
            std::exit(1);
        }
        const QString file = iconsDir.filePath(folder + u'/' + iconName + QStringLiteral(".png"));
        if (!renderIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "zor-assetgen: cannot write %s\n", qPrintable(file));
            std::exit(1);
        }
    }
}

} // namespace assetgen
