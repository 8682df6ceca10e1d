#include "controls/key_repeats.h"

#include <QKeyEvent>
#include <QWidget>

namespace zor {

bool KeyRepeats::pairsWithLastRelease(const QKeyEvent* press) const
{
    // Events made by hand (time stamp 0) never pair: they are all taken as they are flagged.
    return press->type() == QEvent::KeyPress && lastWasRelease_ && lastKey_ == press->key() && lastStamp_ != 0
        && press->timestamp() == lastStamp_;
}

bool KeyRepeats::isRepeat(const QKeyEvent* e)
{
    const bool release = e->type() == QEvent::KeyRelease;
    const bool repeat = e->isAutoRepeat() || (!release && pairsWithLastRelease(e));
    lastKey_ = e->key();
    lastWasRelease_ = release;
    lastStamp_ = e->timestamp();
    return repeat;
}

RepeatFilter::RepeatFilter(QObject* parent, QList<int> keys)
    : QObject(parent)
    , keys_(std::move(keys))
{
}

bool RepeatFilter::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, e);
    const auto* k = static_cast<const QKeyEvent*>(e);
    if (!keys_.isEmpty() && !keys_.contains(k->key()))
        return false;
    // An event passed on from a control to its window is seen twice; judging it again gives the
    // same answer.
    return repeats_.isRepeat(k);
}

void ignoreKeyRepeats(QWidget* window, const QList<int>& keys)
{
    auto* filter = new RepeatFilter(window, keys);
    window->installEventFilter(filter);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(filter);
    }
}

} // namespace zor
