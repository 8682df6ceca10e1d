#include "platform/desktop.h"

#include "controls/window_frame.h"
#include "platform/sdl_audio.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace zor {

namespace {

// The title bar's own icon and buttons, besides the title.
constexpr int kTitleBarRoom = 140;

// Lets the text wrap inside any run of more than 40 characters without a blank: a zero-width
// space is a line-break opportunity that shows nothing.
QString wrappable(const QString& text)
{
    constexpr int kRun = 40;
    QString out;
    out.reserve(text.size() + text.size() / kRun + 1);
    int run = 0;
    for (QChar c : text) {
        if (c.isSpace()) {
            run = 0;
        } else if (++run > kRun && !c.isLowSurrogate()) {
            out.append(QChar(0x200B));
            run = 1;
        }
        out.append(c);
    }
    return out;
}

void showBox(QMessageBox::Icon icon, const QString& text)
{
    makeMessageBox(icon, text, openerFor(nullptr))->exec();
}

// Whether w is a window a dialog may belong to: a screen or a dialog on screen, not a pop-up.
bool canOpen(const QWidget* w, const QWidget* dialog)
{
    if (!w || w == dialog || (dialog && w == dialog->window()) || !w->isVisible() || w->isMinimized())
        return false;
    const Qt::WindowType type = w->windowType();
    return type == Qt::Dialog || type == Qt::Window || type == Qt::Sheet;
}

// The program's windows in the order they were last shown or activated, latest first.
class WindowOrder final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow()) {
                order.removeIf([w](const QPointer<QWidget>& p) { return !p || p == w; });
                order.prepend(w);
            }
        }
        return false;
    }

    QList<QPointer<QWidget>> order;
};

QPointer<WindowOrder> g_order;

} // namespace

void followWindowOrder()
{
    if (g_order || !QCoreApplication::instance())
        return;
    g_order = new WindowOrder(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(g_order);
}

QWidget* openerFor(const QWidget* dialog)
{
    for (QWidget* w : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        if (w && canOpen(w->window(), dialog))
            return w->window();
    }
    if (g_order) {
        for (const QPointer<QWidget>& w : std::as_const(g_order->order)) {
            if (canOpen(w, dialog))
                return w;
        }
    }
    return nullptr;
}

std::unique_ptr<QMessageBox> makeMessageBox(QMessageBox::Icon icon, const QString& text, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(icon, applicationTitle(), wrappable(text), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    // A box as narrow as a short message would have its title cut by the window manager: its
    // content keeps at least the width of the title (as the title bar's bold font sets it) plus
    // room for the title bar's icon and buttons. A message box sizes itself from its layout, so
    // the width is held by a spacer across the layout's last row.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        QFont bold = QApplication::font();
        bold.setBold(true);
        const int width = QFontMetrics(bold).horizontalAdvance(applicationTitle()) * 5 / 4 + kTitleBarRoom;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    frameWindow(box.get());
    return box;
}

void QtDialogs::message(const QString& text) { showBox(QMessageBox::NoIcon, text); }
void QtDialogs::warning(const QString& text) { showBox(QMessageBox::Warning, text); }
void QtDialogs::error(const QString& text) { showBox(QMessageBox::Critical, text); }

int QtDialogs::showModal(QDialog* dialog)
{
    // The dialog is a window of its own (each lives for the whole run and is opened from several
    // screens); it is made transient for this opener for as long as it is open.
    QPointer<QWindow> own;
    if (QWidget* opener = openerFor(dialog); opener && opener->windowHandle()) {
        dialog->window()->winId();
        own = dialog->window()->windowHandle();
        if (own)
            own->setTransientParent(opener->windowHandle());
    }
    const int result = dialog->exec();
    if (own)
        own->setTransientParent(nullptr);
    return result;
}

void QtDialogs::beep(Beep) { QApplication::beep(); }

namespace {
QString g_title;
}

QString applicationTitle() { return g_title; }
void setApplicationTitle(const QString& title) { g_title = title; }

void installRealServices()
{
    Services& s = services();
    s.sound = makeSdlSoundCues();
    s.random = std::make_shared<ClockRandom>();
    s.dialogs = std::make_shared<QtDialogs>();
    s.makeMusic = [] { return makeSdlMusicPlayer(); };
    followWindowOrder();
    s.quit = [] { QCoreApplication::exit(0); };
    s.minimise = [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                w->showMinimized();
        }
    };
}

} // namespace zor
