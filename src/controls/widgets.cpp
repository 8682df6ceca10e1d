#include "controls/widgets.h"

#include <QMouseEvent>

namespace zor {

namespace {
void place(QWidget* w, const QString& name, QRect rect)
{
    w->setObjectName(name);
    w->setGeometry(rect);
    w->setMouseTracking(true);
}
} // namespace

Label::Label(QWidget* parent, const QString& name, const QString& text, QRect rect)
    : QLabel(text, parent)
{
    place(this, name, rect);
    setTextFormat(Qt::PlainText);
}

void Label::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved(e->buttons(), e->position().toPoint());
    QLabel::mouseMoveEvent(e);
}

void Label::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        leftDown_ = true;
    QLabel::mousePressEvent(e);
}

void Label::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = e->button() == Qt::LeftButton && leftDown_ && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        leftDown_ = false;
    QLabel::mouseReleaseEvent(e);
    if (click)
        emit clicked();
}

Button::Button(QWidget* parent, const QString& name, const QString& caption, QRect rect)
    : QPushButton(caption, parent)
{
    place(this, name, rect);
}

void Button::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved(e->buttons(), e->position().toPoint());
    QPushButton::mouseMoveEvent(e);
}

CheckBox::CheckBox(QWidget* parent, const QString& name, const QString& caption, QRect rect)
    : QCheckBox(caption, parent)
{
    place(this, name, rect);
}

void CheckBox::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved(e->buttons(), e->position().toPoint());
    QCheckBox::mouseMoveEvent(e);
}

RadioButton::RadioButton(QWidget* parent, const QString& name, const QString& caption, QRect rect)
    : QRadioButton(caption, parent)
{
    place(this, name, rect);
}

void RadioButton::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved(e->buttons(), e->position().toPoint());
    QRadioButton::mouseMoveEvent(e);
}

void RadioButton::mouseReleaseEvent(QMouseEvent* e)
{
    QRadioButton::mouseReleaseEvent(e);
    emit released(e->button());
}

void setBold(QWidget* w, bool bold)
{
    QFont f = w->font();
    if (f.bold() == bold)
        return;
    f.setBold(bold);
    w->setFont(f);
}

} // namespace zor
