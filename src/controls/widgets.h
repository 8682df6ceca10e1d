#pragma once
// The standard controls of the layouts: Qt widgets with the layout name as object name, and
// a mouseMoved signal where layouts bind a move handler. Labels of typed text stay plain text.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace zor {

class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& name, const QString& text, QRect rect);
signals:
    void mouseMoved(Qt::MouseButtons buttons, QPoint pos);
    void clicked();
protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
private:
    bool leftDown_ = false;
};

class Button : public QPushButton {
    Q_OBJECT
public:
    Button(QWidget* parent, const QString& name, const QString& caption, QRect rect);
signals:
    void mouseMoved(Qt::MouseButtons buttons, QPoint pos);
protected:
    void mouseMoveEvent(QMouseEvent* e) override;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(QWidget* parent, const QString& name, const QString& caption, QRect rect);
signals:
    void mouseMoved(Qt::MouseButtons buttons, QPoint pos);
protected:
    void mouseMoveEvent(QMouseEvent* e) override;
};

class RadioButton : public QRadioButton {
    Q_OBJECT
public:
    RadioButton(QWidget* parent, const QString& name, const QString& caption, QRect rect);
signals:
    void mouseMoved(Qt::MouseButtons buttons, QPoint pos);
    void released(Qt::MouseButton button);
protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// Makes a font's bold flag follow `bold` (hover handlers make captions bold on enter).
void setBold(QWidget* w, bool bold);

} // namespace zor
