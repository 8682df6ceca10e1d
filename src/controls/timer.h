#pragma once
// Timer control of the layouts, over QTimer:
// - `enabled` and `interval` properties; enabling a running timer does not restart its count;
//   changing the interval of a running timer restarts the count with the new interval;
// - intervals under 10 ms run at 10 ms, the granularity of a desktop message loop (so the
//   coin's 150-tick countdown lasts about 1.5 s);
// - handlers are connected with zor::on, so every tick runs inside the handler guard;
// - tests switch all timers to manual mode, where nothing ticks by itself and tick() fires one
//   tick by hand;
// - every live timer is listed (all()), so a test can look for one that would wake the program
//   too often while nothing moves.
#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

namespace zor {

class Timer : public QObject {
    Q_OBJECT
public:
    static constexpr int kFloorMs = 10;

    Timer(QObject* parent, const QString& name, int intervalMs, bool enabled);
    ~Timer() override;

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    int interval() const { return interval_; }
    void setInterval(int ms);
    // The interval the message loop really uses.
    int effectiveInterval() const { return interval_ < kFloorMs ? kFloorMs : interval_; }

    // Whether the timer would tick by itself, manual mode aside.
    bool running() const { return enabled_ && interval_ > 0; }

    // Milliseconds until the next tick, or -1 when not running (manual mode: -1).
    int remainingMs() const { return timer_.remainingTime(); }

    // Fires one tick now, as the message loop would.
    void tick();

    // In manual mode timers keep their state but never tick by themselves. Tests turn it on.
    static void setManualMode(bool on);
    static bool manualMode();

    // Every timer alive now, oldest first.
    static QList<Timer*> all();

signals:
    void timeout();

private:
    void sync(bool restart);

    QTimer timer_;
    int interval_;
    bool enabled_;
};

} // namespace zor
