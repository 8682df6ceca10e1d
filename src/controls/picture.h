#pragma once
// Picture control of the layouts: a stretched image from a file or from the layout's
// embedded pictures. A picture without an image is a hotspot: invisible, but it still takes
// the mouse. Mouse tracking is on, so moving over it emits mouseMoved without a button held.
#include <QPixmap>
#include <QWidget>

namespace zor {

class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent, const QString& name, QRect rect);

    void setPicture(const QPixmap& pixmap);
    // An embedded layout picture, ":/layout/<path>".
    void setLayoutPicture(const QString& path);
    // Loads a picture file (JPEG or bitmap) by name at the moment of use. On failure throws
    // the loader's AppError and keeps the previous picture.
    void loadFromFile(const QString& fileName);
    const QPixmap& picture() const;
    bool hasPicture() const { return !layoutPath_.isEmpty() || !pixmap_.isNull(); }
    // Transparent pictures paint their alpha channel over what lies behind them.
    void setStretch(bool on) { stretch_ = on; update(); }
    // A round picture shows only the disc inscribed in the control, with a smooth edge drawn
    // at the screen's own resolution; around it lies what is behind the control (a coin drawn
    // on a square ground shows as the coin alone).
    void setRound(bool on);
    bool isRound() const { return round_; }

signals:
    void mouseMoved(Qt::MouseButtons buttons, QPoint pos);
    void pressed(Qt::MouseButton button, QPoint pos);
    void released(Qt::MouseButton button, QPoint pos);
    // A left press and release on the control.
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // Embedded pictures are decoded when first painted or asked for, so that the screens
    // created hidden at start-up cost next to nothing until they are shown.
    mutable QPixmap pixmap_;
    mutable QString layoutPath_;
    // The picture smoothed once to the control's size in device pixels: a repaint (a hover, a
    // turning coin, a window exposed again) then copies pixels instead of scaling them anew.
    QPixmap scaled_;
    qint64 scaledFrom_ = 0;
    bool stretch_ = true;
    bool round_ = false;
    bool leftDown_ = false;
};

// Loads a picture file with the rules of the picture loader: the extension picks the format
// (.jpg/.jpeg JPEG, .bmp bitmap); any other extension, a missing file or undecodable data is
// an AppError with the loader's text.
// On a screen whose device pixel ratio is above 1, a twin "NAME@2x.EXT" beside the file is
// preferred when it decodes (its pixmap has a pixel ratio of 2); the rules and failures stay
// those of the file itself.
QPixmap loadPictureFile(const QString& fileName);
QPixmap loadPictureFile(const QString& fileName, qreal devicePixelRatio);
// An embedded layout picture (":/layout/..."), its "@2x" twin on dense screens.
QPixmap loadLayoutPixmap(const QString& path, qreal devicePixelRatio);
// "dir/NAME.EXT" -> "dir/NAME@2x.EXT".
QString denseTwin(const QString& fileName);

} // namespace zor
