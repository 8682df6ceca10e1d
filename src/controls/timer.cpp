#include "controls/timer.h"

#include "platform/guard.h"

namespace zor {

namespace {
bool g_manual = false;

// Never destroyed, so a timer that outlives the static objects can still take itself off.
QList<Timer*>& live()
{
    static auto* const list = new QList<Timer*>;
    return *list;
}
}

Timer::Timer(QObject* parent, const QString& name, int intervalMs, bool enabled)
    : QObject(parent), interval_(intervalMs), enabled_(enabled)
{
    setObjectName(name);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
    sync(true);
    live().append(this);
}

Timer::~Timer()
{
    live().removeOne(this);
}

QList<Timer*> Timer::all()
{
    return live();
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    sync(true);
}

void Timer::setInterval(int ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    sync(true);
}

void Timer::tick()
{
    emit timeout();
}

void Timer::sync(bool restart)
{
    const bool run = enabled_ && interval_ > 0 && !g_manual;
    if (!run) {
        timer_.stop();
        return;
    }
    if (restart || !timer_.isActive())
        timer_.start(effectiveInterval());
}

void Timer::setManualMode(bool on)
{
    g_manual = on;
}

bool Timer::manualMode()
{
    return g_manual;
}

} // namespace zor
