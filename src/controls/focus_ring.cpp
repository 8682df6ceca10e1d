#include "controls/focus_ring.h"

#include "controls/picture.h"
#include "controls/window_frame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace zor {

namespace {

constexpr int kOutset = 5;

// The controls the ring frames: those a keyboard player presses (buttons, and the pictures and
// text labels a screen made reachable by Tab because they act as buttons).
bool framed(QWidget* w)
{
    return qobject_cast<QAbstractButton*>(w)
        || ((qobject_cast<Picture*>(w) || qobject_cast<QLabel*>(w)) && (w->focusPolicy() & Qt::TabFocus));
}

} // namespace

FocusRing::FocusRing(QWidget* form)
    : QWidget(form)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* now)
{
    if (!follows_)
        return;
    if (now && now->window() == window() && framed(now))
        showAround(now);
    else if (target_ && (!now || now->window() == window()))
        clear();
}

QRect FocusRing::frameFor(QWidget* control)
{
    QRect r = control->rect();
    QStyleOptionButton opt;
    opt.initFrom(control);
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        opt.text = box->text();
        r = control->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &opt, control);
    } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        opt.text = radio->text();
        r = control->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &opt, control);
    }
    r = r.intersected(control->rect());
    QWidget* screen = framedContent(control->window());
    return QRect(control->mapTo(screen, r.topLeft()), r.size());
}

void FocusRing::showAround(QWidget* control)
{
    if (target_ && target_ != control)
        target_->removeEventFilter(this);
    target_ = control;
    control->installEventFilter(this);
    setGeometry(frameFor(control).adjusted(-kOutset, -kOutset, kOutset, kOutset));
    raise();
    show();
    update();
}

void FocusRing::showAt(const QRect& rect)
{
    if (target_)
        target_->removeEventFilter(this);
    target_ = nullptr;
    setGeometry(rect.adjusted(-kOutset, -kOutset, kOutset, kOutset));
    raise();
    show();
    update();
}

void FocusRing::clear()
{
    if (target_)
        target_->removeEventFilter(this);
    target_ = nullptr;
    hide();
}

// A framed control that hides or moves takes the ring along.
bool FocusRing::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == target_) {
        if (e->type() == QEvent::Hide)
            hide();
        else if (e->type() == QEvent::Show || e->type() == QEvent::Move || e->type() == QEvent::Resize)
            showAround(target_);
    }
    return QWidget::eventFilter(watched, e);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 240), 5));
    p.drawRoundedRect(r, 3, 3);
    p.setPen(QPen(QColor(0x0B, 0x2D, 0x9C), 2.5));
    p.drawRoundedRect(r, 3, 3);
}

} // namespace zor
