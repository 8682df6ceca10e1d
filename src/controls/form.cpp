#include "controls/form.h"

#include "platform/guard.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>

namespace zor {

void setupForm(QDialog* form, const QString& objectName, const QString& caption, QSize client,
               TitleButtons buttons, const QColor& colour)
{
    form->setObjectName(objectName);
    form->setWindowTitle(caption);
    form->setFixedSize(client);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint;
    if (buttons == TitleButtons::MinimiseAndClose)
        flags |= Qt::WindowMinimizeButtonHint;
    if (buttons == TitleButtons::CloseAndHelp)
        flags |= Qt::WindowContextHelpButtonHint;
    form->setWindowFlags(flags);
    form->setFont(verdana(8));
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, colour);
    form->setPalette(pal);
    form->setAutoFillBackground(true);
}

void runShowHandler(QDialog* form, QShowEvent* e, const std::function<void()>& formShow)
{
    if (e->spontaneous())
        return;
    centreOnScreen(form);
    guarded(formShow);
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The client area is placed, not the frame: the frame's size is known only once the window
    // manager has framed the window, and not always again after it was hidden, so a window placed
    // by its frame (move()) would land somewhere else on every other showing. setGeometry places
    // the client area itself, the same way every time.
    const QRect avail = screen->availableGeometry();
    const QSize client = window->size();
    window->setGeometry(QRect(avail.center() - QPoint(client.width() / 2, client.height() / 2), client));
}

QFont verdana(int points, bool bold)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

} // namespace zor
