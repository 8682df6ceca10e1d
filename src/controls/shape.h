#pragma once
// Shape control: rectangle, ellipse or line with brush and pen. A shape with no brush and no
// pen is transparent, but like every shape it still takes the mouse.
#include <QBrush>
#include <QPen>
#include <QWidget>

namespace zor {

class Shape : public QWidget {
    Q_OBJECT
public:
    enum Kind { Rectangle, Ellipse, Line };
    Shape(QWidget* parent, const QString& name, QRect rect, Kind kind = Rectangle);

    void setBrush(const QBrush& b) { brush_ = b; update(); }
    void setPen(const QPen& p) { pen_ = p; update(); }
    const QBrush& brush() const { return brush_; }
    const QPen& pen() const { return pen_; }

signals:
    void mouseMoved(Qt::MouseButtons buttons, QPoint pos);
    void pressed(Qt::MouseButton button, QPoint pos);
    void released(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Kind kind_;
    QBrush brush_ = Qt::NoBrush;
    QPen pen_ = Qt::NoPen;
};

} // namespace zor
