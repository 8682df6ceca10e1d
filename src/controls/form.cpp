#include "controls/form.h"

#include "controls/window_frame.h"
#include "platform/guard.h"

#include <QGuiApplication>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace zor {

namespace {

constexpr Qt::WindowStates kScreenFilling = Qt::WindowMaximized | Qt::WindowFullScreen;
// The fixed size of a window whose limits are lifted while the desktop holds it maximised.
constexpr const char* kFixedSize = "zorFixedSize";
// Set while a maximise asked for by the window itself awaits the desktop's answer.
constexpr const char* kAwaiting = "zorAwaitingDesktop";
constexpr const char* kWatched = "zorStateWatched";
// A desktop that has not answered a maximise by then ignored it.
constexpr int kAnswerWaitMs = 3000;

// See keepFixedWindowsUnmaximised.
//
// No title bar of the program offers maximise: on X11 the window manager reads the flags and the
// equal minimum and maximum size, on Wayland the windows wear the program's own title bar
// (window_frame.h). A desktop may still maximise a window by a key of its own, or a window
// manager may ignore the flags: that is undone here.
class FixedSizeKeeper final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::PlatformSurface && type != QEvent::WindowStateChange)
            return false;
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->isTopLevel())
            return false;
        if (type == QEvent::PlatformSurface)
            watch(window);
        else
            desktopStateChanged(window);
        return false;
    }

private:
    static bool isLifted(const QWindow* w) { return w->property(kFixedSize).isValid(); }

    static void lift(QWindow* window)
    {
        if (isLifted(window) || window->minimumSize() != window->maximumSize())
            return;
        window->setProperty(kFixedSize, window->minimumSize());
        window->setMinimumSize(QSize(0, 0));
        window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }

    static void restore(QWindow* window)
    {
        const QSize fixed = window->property(kFixedSize).toSize();
        window->setProperty(kFixedSize, QVariant());
        window->setProperty(kAwaiting, QVariant());
        window->setMinimumSize(fixed);
        window->setMaximumSize(fixed);
        window->resize(fixed);
    }

    // A maximise asked for by the window itself (setWindowStates) changes its state at
    // once, before the desktop answers with its size: the limits are lifted then, so that the
    // size is taken when the answer comes.
    void watch(QWindow* window)
    {
        if (window->property(kWatched).toBool())
            return;
        window->setProperty(kWatched, true);
        QPointer<QWindow> guarded(window);
        connect(window, &QWindow::windowStateChanged, this, [this, guarded](Qt::WindowState state) {
            if (!guarded || !(state & kScreenFilling) || isLifted(guarded))
                return;
            lift(guarded);
            if (!isLifted(guarded))
                return;
            guarded->setProperty(kAwaiting, true);
            QTimer::singleShot(kAnswerWaitMs, this, [guarded] {
                if (!guarded || !guarded->property(kAwaiting).toBool())
                    return;
                // Never answered: the window stays as it is, at its fixed size.
                guarded->setProperty(kAwaiting, QVariant());
                if (guarded->windowStates() & kScreenFilling)
                    guarded->setWindowStates(guarded->windowStates() & ~kScreenFilling);
                restore(guarded);
            });
        });
    }

    // The state the desktop reports (on Wayland, the state of the compositor's last configure,
    // which the window has acknowledged).
    void desktopStateChanged(QWindow* window)
    {
        if (window->windowStates() & kScreenFilling) {
            lift(window);
            if (!isLifted(window))
                return; // a window of no fixed size may be maximised
            window->setProperty(kAwaiting, QVariant());
            // Asked back to normal once this change is through.
            QPointer<QWindow> guarded(window);
            QTimer::singleShot(0, this, [guarded] {
                if (guarded && (guarded->windowStates() & kScreenFilling))
                    guarded->setWindowStates(guarded->windowStates() & ~kScreenFilling);
            });
            return;
        }
        // Back to normal: the fixed size returns, unless a maximise the window asked for is still
        // on its way (a configure the desktop sent before it, which says nothing about it).
        if (isLifted(window) && !window->property(kAwaiting).toBool())
            restore(window);
    }
};

} // namespace

void keepFixedWindowsUnmaximised()
{
    static QPointer<FixedSizeKeeper> keeper;
    if (keeper || !QCoreApplication::instance())
        return;
    keeper = new FixedSizeKeeper(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(keeper);
}

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
    frameWindow(form);
}

void runShowHandler(QDialog* form, QShowEvent* e, const std::function<void()>& formShow)
{
    if (e->spontaneous())
        return;
    centreOnScreen(form);
    guarded(formShow);
}

void centreOnScreen(QWidget* widget)
{
    // A framed screen is placed by its frame.
    QWidget* window = widget->window();
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
