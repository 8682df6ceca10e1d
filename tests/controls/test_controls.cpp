// The control vocabulary: timer semantics, the handler guard, picture events and loading.
#include "controls/picture.h"
#include "controls/timer.h"
#include "fakes.h"
#include "platform/errors.h"
#include "platform/guard.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTest>

using namespace zor;

class Controls : public QObject {
    Q_OBJECT

    static void spin(int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
        }
    }

private slots:
    void timerEnableAndIntervalSemantics()
    {
        Timer::setManualMode(false);
        Timer timer(nullptr, "t", 10000, true);
        QVERIFY(timer.remainingMs() > 9000);
        spin(40);
        // Enabling a running timer keeps its count.
        timer.setEnabled(true);
        QVERIFY2(timer.remainingMs() <= 9965, qPrintable(QString::number(timer.remainingMs())));
        // Changing the interval restarts the count with the new interval.
        timer.setInterval(20000);
        QVERIFY(timer.remainingMs() > 19900);
        timer.setEnabled(false);
        QCOMPARE(timer.remainingMs(), -1);
        // A disabled timer whose interval changes stays off.
        timer.setInterval(128);
        QCOMPARE(timer.remainingMs(), -1);
        timer.setEnabled(true);
        QVERIFY(timer.remainingMs() <= 128);
    }

    void shortIntervalsRunAtTheFloor()
    {
        Timer::setManualMode(false);
        Timer fast(nullptr, "aleatorio", 1, true);
        QCOMPARE(fast.interval(), 1);
        QCOMPARE(fast.effectiveInterval(), 10);
        QVERIFY(fast.remainingMs() > 1);
        int ticks = 0;
        connect(&fast, &Timer::timeout, [&] { ++ticks; });
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 1000);
    }

    void manualModeTicksOnlyByHand()
    {
        Timer::setManualMode(true);
        Timer timer(nullptr, "t", 10, true);
        int ticks = 0;
        connect(&timer, &Timer::timeout, [&] { ++ticks; });
        QCOMPARE(timer.remainingMs(), -1);
        QVERIFY(timer.enabled());
        timer.tick();
        timer.tick();
        QCOMPARE(ticks, 2);
        Timer::setManualMode(false);
    }

    void guardShowsFailuresAndTheProgramGoesOn()
    {
        zortest::TestEnv env;
        Timer timer(nullptr, "t", 100, true);
        QStringList done;
        on(&timer, &Timer::timeout, &timer, [&] {
            done << "before";
            throw openError("Config/som.txt", "No such file or directory");
        });
        timer.tick();
        QCOMPARE(done, QStringList({"before"}));
        QCOMPARE(env.dialogs->texts("error"),
                 QStringList({"Cannot open file \"Config/som.txt\". No such file or directory"}));
        QVERIFY(!guarded([] { throw std::runtime_error("boom"); }));
        QCOMPARE(env.dialogs->texts("error").last(), QStringLiteral("boom"));
        QVERIFY(guarded([] {}));
    }

    void pictureClickComesBeforeRelease()
    {
        QWidget host;
        host.resize(100, 100);
        Picture p(&host, "menuover", {10, 10, 40, 40});
        QStringList events;
        connect(&p, &Picture::pressed, [&](Qt::MouseButton b) { events << (b == Qt::LeftButton ? "press" : "rpress"); });
        connect(&p, &Picture::clicked, [&] { events << "click"; });
        connect(&p, &Picture::released, [&] { events << "release"; });
        connect(&p, &Picture::mouseMoved, [&] { events << "move"; });
        host.show();
        QTest::mouseClick(&p, Qt::LeftButton);
        QTest::mouseClick(&p, Qt::RightButton);
        QTest::mouseMove(&p, QPoint(5, 5));
        QCOMPARE(events.mid(0, 6), QStringList({"press", "click", "release", "rpress", "release", "move"}));
        // A hotspot without picture still takes the mouse.
        QVERIFY(!p.hasPicture());
    }

    void pictureFilesLoadByExtension()
    {
        zortest::TestEnv env;
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(env.dir() + "/a.bmp", "BMP"));
        QVERIFY(img.save(env.dir() + "/b.jpg", "JPEG"));
        QVERIFY(img.save(env.dir() + "/c.png", "PNG"));
        QCOMPARE(loadPictureFile("a.bmp").size(), QSize(8, 8));
        QCOMPARE(loadPictureFile("b.jpg").size(), QSize(8, 8));
        auto failure = [](const QString& f) {
            try {
                loadPictureFile(f);
            } catch (const AppError& e) {
                return e.text();
            }
            return QString();
        };
        QCOMPARE(failure("c.png"), QStringLiteral("Unknown picture file extension (.png)"));
        QVERIFY(failure("x.jpg").startsWith("Cannot open file \"x.jpg\"."));
        QVERIFY(!failure("c.png.bmp").isEmpty());
    }
};

QTEST_MAIN(Controls)
#include "test_controls.moc"
