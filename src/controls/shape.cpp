#include "controls/shape.h"

#include <QMouseEvent>
#include <QPainter>

namespace zor {

Shape::Shape(QWidget* parent, const QString& name, QRect rect, Kind kind)
    : QWidget(parent), kind_(kind)
{
    setObjectName(name);
    setGeometry(rect);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(pen_);
    p.setBrush(brush_);
    const qreal half = pen_.style() == Qt::NoPen ? 0 : pen_.widthF() / 2;
    const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    switch (kind_) {
    case Rectangle: p.drawRect(r); break;
    case Ellipse: p.drawEllipse(r); break;
    case Line: p.drawLine(r.topLeft(), QPointF(r.right(), r.top())); break;
    }
}

void Shape::mouseMoveEvent(QMouseEvent* e) { emit mouseMoved(e->buttons(), e->position().toPoint()); }
void Shape::mousePressEvent(QMouseEvent* e) { emit pressed(e->button(), e->position().toPoint()); }
void Shape::mouseReleaseEvent(QMouseEvent* e) { emit released(e->button(), e->position().toPoint()); }

} // namespace zor
