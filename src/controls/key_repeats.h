#pragma once
// Tells the repeats of a key held down from real presses and releases.
//
// Held down, a key repeats as release and press pairs. The toolkit flags most of them as
// auto-repeated, but on X it decides by peeking for the press that follows each release, and
// often finds it not yet arrived: many pairs then come unflagged. The two events of a pair carry
// the same time stamp and follow each other directly, which no real release and press do; so a
// press that directly follows a release of the same key with the same time stamp is a repeat too.
//
// A release cannot be judged when it arrives: only the event after it tells. Screens that act on
// a press use isRepeat() on every key press and release they see; a screen that acts on a release
// waits a moment for a paired press before taking the release as real (the slot machine's lever).
#include <QList>
#include <QObject>

class QKeyEvent;
class QWidget;

namespace zor {

class KeyRepeats {
public:
    // Feed every key press and release the screen sees, in order. True for the events of a held
    // key's repeats: a flagged auto-repeat event, and a press paired with the release before it.
    // A release that is not flagged gives false: it may still turn out to be half of a pair.
    bool isRepeat(const QKeyEvent* e);

private:
    bool pairsWithLastRelease(const QKeyEvent* press) const;

    // The last event fed: its key, whether it was a release, and its time stamp (0: none).
    int lastKey_ = 0;
    bool lastWasRelease_ = false;
    quint64 lastStamp_ = 0;
};

// Keeps the repeats of a held key away from a window and its controls, so that holding a key
// acts as one press. Installed by ignoreKeyRepeats().
class RepeatFilter : public QObject {
    Q_OBJECT
public:
    RepeatFilter(QObject* parent, QList<int> keys);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    KeyRepeats repeats_;
    QList<int> keys_; // empty: every key
};

// Holding one of `keys` (every key when empty) down on `window` acts as a single press: the
// repeats never reach the window or any of its controls that take the keyboard.
void ignoreKeyRepeats(QWidget* window, const QList<int>& keys = {});

} // namespace zor
