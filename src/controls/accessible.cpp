#include "controls/accessible.h"

#include "controls/picture.h"
#include "controls/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTextDocumentFragment>

namespace zor {

namespace {

constexpr const char* kButtonProperty = "zorAccessibleButton";

AccessibleEventObserver& observer()
{
    static AccessibleEventObserver o = nullptr;
    return o;
}

void raise(QAccessibleEvent* event)
{
    if (observer())
        observer()(event);
    QAccessible::updateAccessibility(event);
}

QPointer<QWidget>& cursorControl()
{
    static QPointer<QWidget> control;
    return control;
}

// The press of a control shown as a button, kept as its child.
class PressAction final : public QObject {
public:
    PressAction(QObject* parent, std::function<void()> run)
        : QObject(parent)
        , run_(std::move(run))
    {
        setObjectName(QStringLiteral("zorPressAction"));
    }
    void run() const
    {
        if (run_)
            run_();
    }

private:
    std::function<void()> run_;
};

bool isButton(const QWidget* w)
{
    return w->property(kButtonProperty).toBool();
}

// A left click at the control's centre, through the same events the mouse sends.
void click(QWidget* w)
{
    QPointer<QWidget> guard(w);
    const QPointF at = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    if (!guard)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

void press(QWidget* w)
{
    if (!w->isEnabled())
        return;
    if (auto* action = w->findChild<PressAction*>(QStringLiteral("zorPressAction"), Qt::FindDirectChildrenOnly)) {
        action->run();
        return;
    }
    click(w);
}

// The layouts' pictures and text labels: a button when made one, a graphic when named, and
// otherwise what the toolkit makes of them.
class AccessibleControl final : public QAccessibleWidget {
public:
    explicit AccessibleControl(QWidget* w)
        : QAccessibleWidget(w, QAccessible::Client)
    {
    }

    QAccessible::Role role() const override
    {
        if (isButton(widget()))
            return QAccessible::Button;
        if (qobject_cast<QLabel*>(widget()))
            return QAccessible::StaticText;
        return widget()->accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            if (auto* label = qobject_cast<QLabel*>(widget()))
                return label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())
                    ? QTextDocumentFragment::fromHtml(label->text()).toPlainText().simplified()
                    : label->text().simplified();
            if (isButton(widget()))
                return widget()->toolTip();
            return {};
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget() == cursorControl()) {
            s.focusable = true;
            s.focused = true;
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (isButton(widget()))
            names << pressAction();
        if (widget()->focusPolicy() & Qt::TabFocus)
            names << setFocusAction();
        return names;
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction() && isButton(widget()))
            press(widget());
        else if (name == setFocusAction() && widget()->isEnabled())
            widget()->setFocus(Qt::OtherFocusReason);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("zor::Picture") || className == QLatin1String("zor::Label"))
        return new AccessibleControl(static_cast<QWidget*>(object));
    return nullptr;
}

void installFactory()
{
    QAccessible::installFactory(factory);
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(installFactory)

void setAccessibleButton(QWidget* control, const QString& name, const QString& description,
                         std::function<void()> run)
{
    control->setProperty(kButtonProperty, true);
    if (!name.isEmpty())
        control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
    delete control->findChild<PressAction*>(QStringLiteral("zorPressAction"), Qt::FindDirectChildrenOnly);
    if (run)
        new PressAction(control, std::move(run));
}

void setPictureName(QWidget* picture, const QString& name)
{
    if (picture->accessibleName() == name)
        return;
    // The toolkit raises the name-change event itself.
    picture->setAccessibleName(name);
}

void setKeyboardCursor(QWidget* control)
{
    QPointer<QWidget> old = cursorControl();
    cursorControl() = control;
    if (old && old != control) {
        QAccessible::State changed;
        changed.focused = true;
        QAccessibleStateChangeEvent left(old, changed);
        raise(&left);
    }
    if (control) {
        QAccessibleEvent focus(control, QAccessible::Focus);
        raise(&focus);
    }
}

QWidget* keyboardCursor()
{
    return cursorControl();
}

void announce(QWidget* object, const QString& text)
{
    // A result the same as the last one is a new result all the same: the name change is raised
    // whether or not the name is new.
    object->setAccessibleName(text);
    QAccessibleEvent changed(object, QAccessible::NameChanged);
    raise(&changed);
    QAccessibleEvent alert(object, QAccessible::Alert);
    raise(&alert);
}

void setAccessibleEventObserver(AccessibleEventObserver o)
{
    observer() = o;
}

bool isActionable(QWidget* control)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    if (!iface)
        return false;
    if (iface->state().focusable)
        return true;
    switch (iface->role()) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::PageTab:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
        return true;
    default:
        break;
    }
    if (QAccessibleActionInterface* actions = iface->actionInterface()) {
        for (const QString& a : actions->actionNames()) {
            if (a != QAccessibleActionInterface::setFocusAction())
                return true;
        }
    }
    return false;
}

} // namespace zor
