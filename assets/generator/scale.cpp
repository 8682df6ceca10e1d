// Drawing for dense screens: the generator draws every picture twice, at 1x and at 2x. All
// drawing code paints in the picture's own (logical) coordinates; a canvas made here carries
// the scale as its device pixel ratio, so the painter maps those coordinates onto twice as
// many pixels, and writePicture names the 2x twin "NAME@2x.EXT".
#include "generator.h"

#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {
int g_scale = 1;
}

int renderScale() { return g_scale; }
void setRenderScale(int scale) { g_scale = scale; }

QImage newCanvas(int w, int h, QImage::Format format)
{
    QImage img(w * g_scale, h * g_scale, format);
    img.setDevicePixelRatio(g_scale);
    return img;
}

QRectF logicalRect(const QImage& img)
{
    return QRectF(QPointF(0, 0), img.deviceIndependentSize());
}

QRect scaledRect(const QRect& r)
{
    return QRect(r.topLeft() * g_scale, r.size() * g_scale);
}

QString scaledName(const QString& name)
{
    if (g_scale == 1)
        return name;
    const int dot = int(name.lastIndexOf(u'.'));
    const int slash = int(name.lastIndexOf(u'/'));
    const QString suffix = QStringLiteral("@%1x").arg(g_scale);
    return dot > slash ? name.left(dot) + suffix + name.mid(dot) : name + suffix;
}

QString writePicture(const QImage& img, const QDir& dir, const QString& name, int jpegQuality)
{
    const QString rel = scaledName(name);
    const QString path = dir.filePath(rel);
    QDir().mkpath(QFileInfo(path).path());
    const QString ext = QFileInfo(name).suffix().toLower();
    const bool jpeg = ext == QLatin1String("jpg") || ext == QLatin1String("jpeg");
    const bool bmp = ext == QLatin1String("bmp");
    QImageWriter writer(path, jpeg ? QByteArray("jpeg") : bmp ? QByteArray("bmp") : QByteArray("png"));
    if (jpeg)
        writer.setQuality(jpegQuality);
    QImage out = jpeg ? img.convertToFormat(QImage::Format_RGB32) : bmp ? img.convertToFormat(QImage::Format_RGB888) : img;
    // The pixel ratio is the generator's business; the files carry plain pixels.
    out.setDevicePixelRatio(1);
    if (!writer.write(out)) {
        std::fprintf(stderr, "zor-assetgen: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        std::exit(1);
    }
    return rel;
}

} // namespace assetgen
