#include "controls/window_frame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScopedValueRollback>
#include <QWhatsThis>
#include <QWindow>

#include <optional>

namespace zor {

namespace {

std::optional<bool> g_ownTitleBars;

constexpr int kButtonWidth = 40;
constexpr int kIconSize = 18;
constexpr int kMargin = 8;

const QColor kActiveBar(45, 45, 48);
const QColor kInactiveBar(82, 82, 88);
const QColor kActiveInk(Qt::white);
const QColor kInactiveInk(190, 190, 194);
const QColor kCloseHot(196, 43, 28);

enum class Glyph { Help, Minimise, Close };

// A button of the title bar: never takes the keyboard focus (the screen keeps it), lights up
// under the pointer.
class TitleButton final : public QAbstractButton {
public:
    TitleButton(Glyph glyph, QWidget* parent) : QAbstractButton(parent), glyph_(glyph)
    {
        setFocusPolicy(Qt::NoFocus);
        setFixedSize(kButtonWidth, kTitleBarHeight);
        switch (glyph) {
        case Glyph::Help:
            setObjectName(QStringLiteral("titleBarHelp"));
            setAccessibleName(QStringLiteral("Ajuda"));
            break;
        case Glyph::Minimise:
            setObjectName(QStringLiteral("titleBarMinimise"));
            setAccessibleName(QStringLiteral("Minimizar"));
            break;
        case Glyph::Close:
            setObjectName(QStringLiteral("titleBarClose"));
            setAccessibleName(QStringLiteral("Fechar"));
            break;
        }
    }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Enter || e->type() == QEvent::Leave)
            update();
        return QAbstractButton::event(e);
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const bool hot = underMouse() || isDown();
        if (hot)
            p.fillRect(rect(), glyph_ == Glyph::Close ? kCloseHot : QColor(255, 255, 255, isDown() ? 64 : 36));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(hot || window()->isActiveWindow() ? kActiveInk : kInactiveInk, 1.5));
        const QPointF c = QRectF(rect()).center();
        switch (glyph_) {
        case Glyph::Close:
            p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
            p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
            break;
        case Glyph::Minimise:
            p.drawLine(c + QPointF(-5, 0.5), c + QPointF(5, 0.5));
            break;
        case Glyph::Help: {
            QFont f = font();
            f.setBold(true);
            p.setFont(f);
            p.drawText(rect(), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        }
    }

private:
    Glyph glyph_;
};

// The bar: the window's icon and caption, its buttons at the right.
class TitleBar final : public QWidget {
public:
    TitleBar(Qt::WindowFlags flags, QWidget* frame) : QWidget(frame)
    {
        setObjectName(QStringLiteral("titleBar"));
        setFixedHeight(kTitleBarHeight);
        if (flags & Qt::WindowContextHelpButtonHint) {
            auto* help = new TitleButton(Glyph::Help, this);
            connect(help, &QAbstractButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
            buttons_.append(help);
        }
        if (flags & Qt::WindowMinimizeButtonHint) {
            auto* minimise = new TitleButton(Glyph::Minimise, this);
            connect(minimise, &QAbstractButton::clicked, this, [this] { window()->showMinimized(); });
            buttons_.append(minimise);
        }
        if (flags & Qt::WindowCloseButtonHint) {
            auto* close = new TitleButton(Glyph::Close, this);
            connect(close, &QAbstractButton::clicked, this, [this] { window()->close(); });
            buttons_.append(close);
        }
    }

protected:
    void resizeEvent(QResizeEvent*) override
    {
        int x = width();
        for (auto it = buttons_.crbegin(); it != buttons_.crend(); ++it) {
            x -= kButtonWidth;
            (*it)->move(x, 0);
        }
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const bool active = window()->isActiveWindow();
        p.fillRect(rect(), active ? kActiveBar : kInactiveBar);
        int x = kMargin;
        const QIcon icon = window()->windowIcon();
        if (!icon.isNull()) {
            icon.paint(&p, QRect(x, (height() - kIconSize) / 2, kIconSize, kIconSize));
            x += kIconSize + kMargin;
        }
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        p.setPen(active ? kActiveInk : kInactiveInk);
        const int room = width() - x - kMargin - kButtonWidth * int(buttons_.size());
        const QString title = QFontMetrics(f).elidedText(window()->windowTitle(), Qt::ElideRight, qMax(0, room));
        p.drawText(QRect(x, 0, qMax(0, room), height()), Qt::AlignVCenter | Qt::AlignLeft, title);
    }

    // A drag moves the window: the compositor does the moving.
    void mousePressEvent(QMouseEvent* e) override
    {
        e->accept();
        if (e->button() != Qt::LeftButton)
            return;
        if (QWindow* w = window()->windowHandle())
            w->startSystemMove();
    }

    // Elsewhere a double click on a title bar maximises; these windows keep their size.
    void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }

private:
    QList<QAbstractButton*> buttons_;
};

class WindowFrame final : public QWidget {
public:
    explicit WindowFrame(QWidget* content)
        // No title or button hints: Qt would take them for a title bar of its own and drop the
        // frameless hint.
        : QWidget(content->parentWidget(), Qt::Dialog | Qt::FramelessWindowHint)
        , content_(content)
    {
        setObjectName(content->objectName() + QStringLiteral("Frame"));
        bar_ = new TitleBar(content->windowFlags(), this);
        setWindowTitle(content->windowTitle());
        if (content->testAttribute(Qt::WA_SetWindowIcon))
            setWindowIcon(content->windowIcon());
        content->setParent(this, Qt::Widget);
        content->hide();
        content->move(0, kTitleBarHeight);
        content->installEventFilter(this);
        fitContent();
        // A window deleted on its own (closed with WA_DeleteOnClose) takes its frame with it.
        connect(content, &QObject::destroyed, this, &QObject::deleteLater);
    }

    QWidget* content() const { return content_; }

protected:
    // With no control of the window focused, the keys go to the top-level window: they are the
    // window's, as they were before it was framed. (A key a focused control leaves goes up to the
    // window and then here: that one the window has seen already, as has one the window leaves
    // when handed it from here.)
    bool event(QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            if (!forwarding_ && content_ && content_->isVisible() && !holdsFocus()) {
                const QScopedValueRollback<bool> once(forwarding_, true);
                return QCoreApplication::sendEvent(content_, e);
            }
            break;
        default:
            break;
        }
        return QWidget::event(e);
    }

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched != content_)
            return false;
        switch (e->type()) {
        case QEvent::ShowToParent:
            // The window's show(), exec() or open(): the frame shows it, modal as the window is.
            if (!isVisible()) {
                fitContent();
                setWindowModality(content_->windowModality());
                show();
            }
            break;
        case QEvent::HideToParent:
            hide();
            break;
        case QEvent::WindowTitleChange:
            setWindowTitle(content_->windowTitle());
            bar_->update();
            break;
        case QEvent::WindowIconChange:
            setWindowIcon(content_->windowIcon());
            bar_->update();
            break;
        case QEvent::Resize:
            fitContent();
            break;
        case QEvent::Move:
            // Whatever places the window (a dialog placing itself over its parent) would move it
            // inside its frame: it stays under the bar. The frame is what is placed on screen.
            if (content_->pos() != QPoint(0, kTitleBarHeight))
                content_->move(0, kTitleBarHeight);
            break;
        default:
            break;
        }
        return false;
    }

    // The compositor's close or the bar's close button: the window's own close, which it may
    // refuse. The frame hides when the window does.
    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        if (content_)
            content_->close();
    }

    void changeEvent(QEvent* e) override
    {
        if (e->type() == QEvent::ActivationChange) {
            bar_->update();
            for (QWidget* child : bar_->findChildren<QWidget*>())
                child->update();
        }
        QWidget::changeEvent(e);
    }

    void resizeEvent(QResizeEvent*) override { bar_->setGeometry(0, 0, width(), kTitleBarHeight); }

private:
    bool holdsFocus() const
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus && (focus == content_ || content_->isAncestorOf(focus));
    }

    void fitContent()
    {
        if (content_)
            setFixedSize(content_->width(), content_->height() + kTitleBarHeight);
    }

    QPointer<QWidget> content_;
    TitleBar* bar_ = nullptr;
    bool forwarding_ = false;
};

} // namespace

bool ownTitleBars()
{
    if (!g_ownTitleBars.has_value()) {
        if (!qGuiApp)
            return false;
        g_ownTitleBars = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    }
    return *g_ownTitleBars;
}

void setOwnTitleBars(bool on) { g_ownTitleBars = on; }

void frameWindow(QWidget* window)
{
    if (!window || !window->isWindow() || !ownTitleBars())
        return;
    const Qt::WindowType type = window->windowType();
    if (type != Qt::Dialog && type != Qt::Window && type != Qt::Sheet)
        return;
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return;
    new WindowFrame(window);
}

QWidget* framedContent(QWidget* window)
{
    if (auto* frame = dynamic_cast<WindowFrame*>(window); frame && frame->content())
        return frame->content();
    return window;
}

} // namespace zor
