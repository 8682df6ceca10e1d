#pragma once
// Small drawing helpers the coin table's files share. Each writes only when the value differs
// from what is shown, so that drawing an unchanged record costs no repaint.
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <algorithm>

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

// A text as one label line: the first line, at most 200 characters, elided to `width` pixels.
inline QString oneLine(const QString& text, const QFont& font, int width)
{
    const qsizetype cr = text.indexOf(u'\r');
    QString first = text.left(cr < 0 ? 200 : std::min<qsizetype>(200, cr));
    const qsizetype lf = first.indexOf(u'\n');
    if (lf >= 0)
        first.truncate(lf);
    return QFontMetrics(font).elidedText(first, Qt::ElideRight, width);
}

} // namespace zor::coin::table
