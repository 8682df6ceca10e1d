// Ending on request: kill, Ctrl+C and a logout reach the event loop as the program's own end,
// cues stop, nested loops (modal dialogs) are left and no settings file is written afterwards.
#include "fakes.h"
#include "platform/signals.h"
#include "settings/store.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <csignal>

using namespace zor;

class Signals : public QObject {
    Q_OBJECT

    QList<int> received;

private slots:
    void initTestCase()
    {
        QVERIFY(routeEndSignals([this](int sig) {
            received.append(sig);
            endOnRequest();
        }));
        // A second routing is refused: one pipe, one set of handlers.
        QVERIFY(!routeEndSignals([](int) {}));
    }

    // The handler only writes a byte; the ending runs later, on the event loop's thread. It
    // leaves a modal dialog's nested loop too, and a loop started after it returns at once, so
    // no dialog can hold the program open.
    void aSignalEndsEveryEventLoop()
    {
        zortest::TestEnv env;
        int quits = 0;
        services().quit = [&] {
            ++quits;
            QCoreApplication::exit(0);
        };
        QEventLoop modal;
        QTimer::singleShot(0, [this] {
            QCOMPARE(::raise(SIGTERM), 0);
            QVERIFY(received.isEmpty()); // nothing ran inside the handler
        });
        QTimer::singleShot(5000, &modal, [&] { modal.exit(42); });
        QCOMPARE(modal.exec(), 0);
        QCOMPARE(received, QList<int>({SIGTERM}));
        QVERIFY(endRequested());
        QCOMPARE(quits, 1);
        QCOMPARE(env.sound->stops, 1); // the cue playing is cut

        QEventLoop later;
        QTimer::singleShot(5000, &later, [&] { later.exit(42); });
        QVERIFY(later.exec() != 42);

        // The other two signals arrive the same way; the program is already ending.
        for (int sig : {SIGHUP, SIGINT}) {
            const qsizetype before = received.size();
            QCOMPARE(::raise(sig), 0);
            QTRY_COMPARE(received.size(), before + 1);
            QCOMPARE(received.last(), sig);
        }
        QCOMPARE(quits, 1);
    }

    // A handler that goes on after its dialog was left writes no settings file.
    void noSettingsFileIsWrittenOnceEnding()
    {
        zortest::TestEnv env;
        QVERIFY(endRequested());
        settings().set(Setting::som, "n");
        settings().save(Setting::som);
        QCOMPARE(env.readFile("Config/som.txt"), QByteArray("s"));
    }
};

QTEST_MAIN(Signals)
#include "test_signals.moc"
