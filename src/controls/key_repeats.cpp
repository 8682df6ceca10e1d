#include "controls/key_repeats.h"

#include <QKeyEvent>

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

} // namespace zor
