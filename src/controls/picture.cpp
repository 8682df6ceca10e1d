#include "controls/picture.h"

#include "platform/errors.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>

namespace zor {

Picture::Picture(QWidget* parent, const QString& name, QRect rect)
    : QWidget(parent)
{
    setObjectName(name);
    setGeometry(rect);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Picture::setPicture(const QPixmap& pixmap)
{
    pixmap_ = pixmap;
    layoutPath_.clear();
    update();
}

void Picture::setLayoutPicture(const QString& path)
{
    pixmap_ = QPixmap();
    layoutPath_ = QLatin1String(":/layout/") + path;
    update();
}

void Picture::setRound(bool on)
{
    if (round_ == on)
        return;
    round_ = on;
    update();
}

const QPixmap& Picture::picture() const
{
    if (!layoutPath_.isEmpty()) {
        pixmap_ = loadLayoutPixmap(layoutPath_, devicePixelRatioF());
        layoutPath_.clear();
    }
    return pixmap_;
}

void Picture::loadFromFile(const QString& fileName)
{
    setPicture(loadPictureFile(fileName));
}

QString denseTwin(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString dir = info.path() == QLatin1String(".") && !fileName.startsWith(QLatin1String("./"))
        ? QString()
        : info.path() + u'/';
    return dir + info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
}

QPixmap loadLayoutPixmap(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        QPixmap dense(denseTwin(path));
        if (!dense.isNull()) {
            dense.setDevicePixelRatio(2);
            return dense;
        }
    }
    QPixmap plain(path);
    plain.setDevicePixelRatio(1);
    return plain;
}

namespace {

// The file's path, device, inode, size and change time: a file written anew differs in one.
QString fileIdentity(const QFile& file)
{
    struct stat st = {};
    if (::fstat(file.handle(), &st) != 0)
        return QString();
    return QFileInfo(file).absoluteFilePath() + QStringLiteral("|%1|%2|%3|%4.%5").arg(st.st_dev).arg(st.st_ino)
        .arg(st.st_size).arg(st.st_mtim.tv_sec).arg(st.st_mtim.tv_nsec);
}

QString fileIdentity(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? fileIdentity(file) : QStringLiteral("none");
}

QPixmap decodePictureFile(QFile& file, const QString& fileName, const QByteArray& format, bool dense)
{
    // On a dense screen a twin drawn at twice the size, "NAME@2x.EXT", is preferred where it
    // lies beside the file and decodes; every rule and failure is still that of the file itself.
    if (dense) {
        QFile denseFile(denseTwin(fileName));
        if (denseFile.open(QIODevice::ReadOnly)) {
            QImageReader denseReader(&denseFile, format);
            QImage image = denseReader.read();
            if (!image.isNull()) {
                QPixmap pixmap = QPixmap::fromImage(std::move(image));
                pixmap.setDevicePixelRatio(2);
                return pixmap;
            }
        }
    }
    QImageReader reader(&file, format);
    QImage image = reader.read();
    if (image.isNull())
        throw AppError(format == "jpeg" ? QStringLiteral("JPEG error: \"%1\" is not a valid JPEG picture").arg(quoted(fileName))
                                        : QStringLiteral("Bitmap image is not valid: \"%1\"").arg(quoted(fileName)));
    return QPixmap::fromImage(std::move(image));
}

} // namespace

QPixmap loadPictureFile(const QString& fileName)
{
    return loadPictureFile(fileName, qApp ? qApp->devicePixelRatio() : 1.0);
}

QPixmap loadPictureFile(const QString& fileName, qreal devicePixelRatio)
{
    // The text after the last dot of the file name (not of a folder), as QFileInfo::suffix
    // gives it, found without building a file path out of what may be megabytes of text.
    const qsizetype slash = fileName.lastIndexOf(u'/');
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString suffix = dot > slash ? fileName.mid(dot + 1) : QString();
    const QString ext = suffix.toLower();
    QByteArray format;
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        format = "jpeg";
    else if (ext == QLatin1String("bmp"))
        format = "bmp";
    else
        throw AppError(QStringLiteral("Unknown picture file extension (.%1)").arg(quoted(suffix)));

    // No file name longer than the system takes can be opened: refuse it before any path
    // handling has to walk megabytes of text.
    if (QFile::encodeName(fileName).size() >= PATH_MAX)
        throw openError(fileName, QString::fromLocal8Bit(std::strerror(ENAMETOOLONG)));
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly))
        throw openError(fileName, QFileInfo(fileName).isDir() ? QStringLiteral("Is a directory")
                                                            : file.errorString());
    // A picture decoded before is taken from the cache while its file (and its dense twin) are
    // the very files they were: a card dealt again or a theme chosen again costs no decoding.
    const bool dense = devicePixelRatio > 1;
    const QString identity = fileIdentity(file);
    if (identity.isEmpty())
        return decodePictureFile(file, fileName, format, dense);
    const QString key = QStringLiteral("zor-picture|") + identity + u'|'
        + (dense ? fileIdentity(denseTwin(fileName)) : QStringLiteral("plain"));
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    const QPixmap decoded = decodePictureFile(file, fileName, format, dense);
    QPixmapCache::insert(key, decoded);
    return decoded;
}


void Picture::paintEvent(QPaintEvent*)
{
    const QPixmap& pixmap = picture();
    if (pixmap.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (round_) {
        // The disc is cut where it is drawn, in the painter's own device pixels, so its edge
        // is as sharp on a dense screen as the picture itself.
        QPainterPath disc;
        disc.addEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipPath(disc);
    }
    // Every picture covers the same device-independent area whatever its own pixel ratio: a
    // twin drawn at twice the size fills the control as its plain file does, only sharper.
    if (!stretch_) {
        p.drawPixmap(0, 0, pixmap);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * ratio).toSize();
    if (pixmap.size() == device && qFuzzyCompare(pixmap.devicePixelRatio(), ratio)) {
        p.drawPixmap(rect(), pixmap);
        return;
    }
    if (scaled_.size() != device || scaled_.cacheKey() == 0 || scaledFrom_ != pixmap.cacheKey()
        || !qFuzzyCompare(scaled_.devicePixelRatio(), ratio)) {
        scaled_ = pixmap.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(ratio);
        scaledFrom_ = pixmap.cacheKey();
    }
    p.drawPixmap(rect(), scaled_);
}

void Picture::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved(e->buttons(), e->position().toPoint());
}

void Picture::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        leftDown_ = true;
    emit pressed(e->button(), e->position().toPoint());
}

void Picture::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = e->button() == Qt::LeftButton && leftDown_ && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        leftDown_ = false;
    // A click fires before the release handler, as the layouts expect (a hover picture's
    // action runs first, then its release collapses the menu).
    if (click)
        emit clicked();
    emit released(e->button(), e->position().toPoint());
}

} // namespace zor
