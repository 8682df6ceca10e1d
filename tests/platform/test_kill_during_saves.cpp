// A save killed at any moment leaves the file holding one complete value, and the next
// start-up removes the temporary file it may have left beside it.
#include "fakes.h"
#include "settings/store.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>

using namespace zor;

class KillDuringSaves : public QObject {
    Q_OBJECT

private slots:
    void everyKillLeavesOneCompleteValue()
    {
        zortest::TestEnv env;
        const QString file = QStringLiteral("Config/Jogos/coc/nome.txt");
        const QByteArray shortValue("Ana");
        const QByteArray longValue(512 * 1024, 'x');
        QRandomGenerator rng(20261208);
        int leftovers = 0;
        for (int round = 0; round < 200; ++round) {
            QProcess loop;
            loop.start(QStringLiteral(ZOR_SAVE_LOOP), {env.dir()});
            QVERIFY2(loop.waitForReadyRead(10000), qPrintable(loop.errorString()));
            QCOMPARE(loop.readLine().trimmed(), QByteArray("ready"));
            QTest::qWait(int(rng.bounded(12)));
            ::kill(pid_t(loop.processId()), SIGKILL);
            QVERIFY(loop.waitForFinished(5000));
            QCOMPARE(loop.exitStatus(), QProcess::CrashExit);

            const QByteArray bytes = env.readFile(file);
            QVERIFY2(bytes == shortValue || bytes == longValue,
                     qPrintable(QStringLiteral("round %1: %2 bytes").arg(round).arg(bytes.size())));
            // The next start clears what the killed save left, and nothing else.
            const int removed = SettingsStore().removeStaleTemporaries();
            leftovers += removed;
            const QStringList rest = QDir(env.dir() + "/Config/Jogos/coc").entryList(QDir::Files);
            QVERIFY2(rest.filter("nome.txt.").isEmpty(), qPrintable(rest.join(", ")));
            QCOMPARE(env.readFile(file), bytes);
        }
        // Not a requirement, but a sign that the kills did land inside saves.
        qInfo("%d of 200 kills left a temporary file", leftovers);
    }
};

QTEST_GUILESS_MAIN(KillDuringSaves)
#include "test_kill_during_saves.moc"
