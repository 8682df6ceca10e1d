#include "controls/picture.h"

#include "platform/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

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

const QPixmap& Picture::picture() const
{
    if (!layoutPath_.isEmpty()) {
        pixmap_ = QPixmap(layoutPath_);
        layoutPath_.clear();
    }
    return pixmap_;
}

void Picture::loadFromFile(const QString& fileName)
{
    setPicture(loadPictureFile(fileName));
}

QPixmap loadPictureFile(const QString& fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    QByteArray format;
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        format = "jpeg";
    else if (ext == QLatin1String("bmp"))
        format = "bmp";
    else
        throw AppError(QStringLiteral("Unknown picture file extension (.%1)").arg(quoted(QFileInfo(fileName).suffix())));

    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly))
        throw openError(fileName, QFileInfo(fileName).isDir() ? QStringLiteral("Is a directory")
                                                            : file.errorString());
    QImageReader reader(&file, format);
    QImage image = reader.read();
    if (image.isNull())
        throw AppError(format == "jpeg" ? QStringLiteral("JPEG error: \"%1\" is not a valid JPEG picture").arg(quoted(fileName))
                                        : QStringLiteral("Bitmap image is not valid: \"%1\"").arg(quoted(fileName)));
    return QPixmap::fromImage(std::move(image));
}

void Picture::paintEvent(QPaintEvent*)
{
    const QPixmap& pixmap = picture();
    if (pixmap.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
        p.drawPixmap(rect(), pixmap);
    else
        p.drawPixmap(0, 0, pixmap);
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
