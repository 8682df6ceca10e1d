#pragma once
// Small drawing helpers the coin table's files share. Each writes only when the value differs
// from what is shown, so that drawing an unchanged record costs no repaint.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace zor::coin::table {

inline const QColor kSilver(0xC0, 0xC0, 0xC0);

inline void setText(QLabel* l, const QString& text)
{
    if (l->text() != text)
        l->setText(text);
}

inline void setWidth(QWidget* w, int width)
{
    if (w->width() != width)
        w->resize(width, w->height());
}

inline void setCursorShape(QWidget* w, Qt::CursorShape shape)
{
    if (w->cursor().shape() != shape)
        w->setCursor(shape);
}

inline void setUnderline(QWidget* w, bool on)
{
    QFont f = w->font();
    if (f.underline() == on)
        return;
    f.setUnderline(on);
    w->setFont(f);
}

} // namespace zor::coin::table
