#include "shell/text_screen.h"

#include "controls/focus_ring.h"
#include "platform/guard.h"
#include "settings/theme.h"

#include <QPushButton>

namespace zor {

TextScreen::TextScreen(QDialog* form, const Window& window)
    : form_(form)
{
    setupForm(form, window.name, window.caption, window.size, window.buttons, window.colour);
    graconf_ = new Picture(form, QStringLiteral("graconf"), QRect(QPoint(0, 0), window.size));
    graconf_->setLayoutPicture(window.background);
}

Label* TextScreen::addLine(const TextLine& line)
{
    auto* l = new Label(form_, QString::fromLatin1(line.name), line.text, line.rect);
    l->setFont(verdana(8, line.bold));
    l->setAlignment(line.align | Qt::AlignVCenter);
    return l;
}

QList<Label*> TextScreen::addLines(const QList<TextLine>& lines)
{
    QList<Label*> out;
    for (const TextLine& line : lines)
        out << addLine(line);
    return out;
}

Button* TextScreen::addFechar(int top, const std::function<void()>& click)
{
    constexpr int w = 75;
    auto* b = new Button(form_, QStringLiteral("Button1"), QStringLiteral("Fechar"),
                         QRect((form_->width() - w) / 2, top, w, 25));
    b->setCursor(Qt::PointingHandCursor);
    new FocusRing(form_);
    on(b, &QPushButton::clicked, form_, click);
    return b;
}

void TextScreen::show(QShowEvent* e, const std::function<void()>& formShow) const
{
    runShowHandler(form_, e, formShow);
}

void TextScreen::applyTheme() const
{
    zor::applyTheme({graconf_});
}

} // namespace zor
