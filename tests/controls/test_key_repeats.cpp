// Telling a held key's repeats from real presses and releases: flagged repeats, unflagged pairs
// told by their shared time stamp, real taps in quick succession, events made by hand, and the
// filter that keeps the repeats away from a window and its controls.
#include "controls/key_repeats.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

std::unique_ptr<QKeyEvent> key(QEvent::Type type, int k, quint64 stamp, bool flagged = false)
{
    auto e = std::make_unique<QKeyEvent>(type, k, Qt::NoModifier, QString(), flagged);
    e->setTimestamp(stamp);
    return e;
}

} // namespace

class KeyRepeatsTest : public QObject {
    Q_OBJECT

private slots:
    void aHeldKeyIsOnePressAndOneRelease()
    {
        zor::KeyRepeats r;
        auto press = key(QEvent::KeyPress, Qt::Key_Space, 1000);
        QVERIFY(!r.isRepeat(press.get()));
        // Flagged and unflagged pairs alike, as X sends them while the key is held.
        for (int i = 0; i < 20; ++i) {
            const bool flagged = i % 3 == 0;
            auto up = key(QEvent::KeyRelease, Qt::Key_Space, 1500 + 40 * i, flagged);
            auto down = key(QEvent::KeyPress, Qt::Key_Space, 1500 + 40 * i, flagged);
            QCOMPARE(r.isRepeat(up.get()), flagged); // an unflagged release cannot be told yet
            QVERIFY(r.isRepeat(down.get()));
        }
        auto release = key(QEvent::KeyRelease, Qt::Key_Space, 3000);
        QVERIFY(!r.isRepeat(release.get()));
    }

    void realTapsAreNeverRepeats()
    {
        zor::KeyRepeats r;
        for (quint64 t : {100, 180, 181, 260}) {
            auto press = key(QEvent::KeyPress, Qt::Key_Return, t);
            auto release = key(QEvent::KeyRelease, Qt::Key_Return, t + 30);
            QVERIFY(!r.isRepeat(press.get()));
            QVERIFY(!r.isRepeat(release.get()));
        }
        // A press of another key at the very time of a release is no repeat either.
        auto up = key(QEvent::KeyRelease, Qt::Key_A, 500);
        auto other = key(QEvent::KeyPress, Qt::Key_B, 500);
        QVERIFY(!r.isRepeat(up.get()));
        QVERIFY(!r.isRepeat(other.get()));
        // Events made by hand carry no time stamp: they are taken as flagged.
        auto handUp = key(QEvent::KeyRelease, Qt::Key_Space, 0);
        auto handDown = key(QEvent::KeyPress, Qt::Key_Space, 0);
        QVERIFY(!r.isRepeat(handUp.get()));
        QVERIFY(!r.isRepeat(handDown.get()));
    }

    // The filter keeps the repeats of the chosen keys from the window and its field; other keys
    // pass untouched.
    void theFilterKeepsRepeatsAway()
    {
        QWidget window;
        auto* field = new QLineEdit(&window);
        zor::ignoreKeyRepeats(&window, {Qt::Key_Space});
        auto send = [&](QEvent::Type type, int k, quint64 stamp, const QString& text) {
            QKeyEvent e(type, k, Qt::NoModifier, text, false);
            e.setTimestamp(stamp);
            QApplication::sendEvent(field, &e);
        };
        send(QEvent::KeyPress, Qt::Key_Space, 1000, " ");
        for (int i = 1; i <= 10; ++i) {
            send(QEvent::KeyRelease, Qt::Key_Space, 1500 + 40 * i, " ");
            send(QEvent::KeyPress, Qt::Key_Space, 1500 + 40 * i, " ");
        }
        QCOMPARE(field->text(), QStringLiteral(" "));
        for (int i = 1; i <= 5; ++i) {
            send(QEvent::KeyRelease, Qt::Key_7, 3000 + 40 * i, "7");
            send(QEvent::KeyPress, Qt::Key_7, 3000 + 40 * i, "7");
        }
        QCOMPARE(field->text(), QStringLiteral(" 77777"));
    }
};

QTEST_MAIN(KeyRepeatsTest)
#include "test_key_repeats.moc"
