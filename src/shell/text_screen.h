#pragma once
// What the help and about screens have in common, composed into each of them (every screen
// still derives only from QDialog): the fixed window, the themed background `graconf` behind
// everything else, text lines in "Verdana" 8 point, "Fechar" (`Button1`) centred near the bottom
// with a hand cursor, the focus ring, and the show handler that applies the theme.
#include "controls/form.h"
#include "controls/picture.h"
#include "controls/widgets.h"

#include <QList>
#include <functional>

class QShowEvent;

namespace zor {

// One text line of a screen: its control name, place, weight, text (blanks at the end belong to
// it) and alignment.
struct TextLine {
    const char* name;
    QRect rect;
    bool bold;
    QString text;
    Qt::Alignment align = Qt::AlignLeft;
};

class TextScreen {
public:
    struct Window {
        QString name;
        QString caption;
        QSize size;
        TitleButtons buttons;
        QColor colour;
        QString background; // the layout's own picture, shown until a theme is applied
    };

    // Sets the window up and lays the background over the whole client area.
    TextScreen(QDialog* form, const Window& window);

    Picture* background() const { return graconf_; }
    Label* addLine(const TextLine& line);
    QList<Label*> addLines(const QList<TextLine>& lines);
    // "Fechar" with its top edge at `top`, then the focus ring over everything; a click on
    // "Fechar" runs `click` in the handler guard.
    Button* addFechar(int top, const std::function<void()>& click);

    // The show handler of the program's own shows: centred, then `formShow` in the guard.
    void show(QShowEvent* e, const std::function<void()>& formShow) const;
    // What every such screen's FormShow does: the current theme onto `graconf`.
    void applyTheme() const;

private:
    QDialog* form_;
    Picture* graconf_;
};

} // namespace zor
