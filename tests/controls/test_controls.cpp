// The control vocabulary: timer semantics, the handler guard, picture events and loading.
#include "controls/picture.h"
#include "controls/timer.h"
#include "fakes.h"
#include "platform/errors.h"
#include "platform/guard.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace zor;

namespace {

// A picture of four coloured quarters, `side` pixels square, with the given pixel ratio.
QPixmap quarters(int side, qreal ratio)
{
    QImage img(side, side, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(0, 0, side / 2, side / 2, Qt::red);
    p.fillRect(side / 2, 0, side - side / 2, side / 2, Qt::green);
    p.fillRect(0, side / 2, side / 2, side - side / 2, Qt::blue);
    p.fillRect(side / 2, side / 2, side - side / 2, side - side / 2, Qt::yellow);
    p.end();
    QPixmap pm = QPixmap::fromImage(img);
    pm.setDevicePixelRatio(ratio);
    return pm;
}

// The control as a screen of the given pixel ratio shows it, on a transparent ground.
QImage rendered(QWidget* w, qreal ratio)
{
    QImage img((QSizeF(w->size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(ratio);
    img.fill(Qt::transparent);
    w->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    img.setDevicePixelRatio(1);
    return img.convertToFormat(QImage::Format_ARGB32);
}

// The colour at a fraction of the picture's width and height.
QColor at(const QImage& img, qreal fx, qreal fy)
{
    return img.pixelColor(int(fx * img.width()), int(fy * img.height()));
}

} // namespace

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

    // Whatever the screen's pixel ratio (1, 1.25, 1.5, 2) and whichever picture it was given
    // (the plain one or its twin at twice the size), a picture fills its whole control, the
    // same composition as at 1x: no half-size copy in a corner.
    void picturesFillTheirControlAtEveryPixelRatio()
    {
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            for (const qreal own : {1.0, 2.0}) {
                Picture p(nullptr, "cara", {0, 0, 146, 146});
                p.setPicture(quarters(int(146 * own), own));
                const QImage img = rendered(&p, ratio);
                const QString what = QStringLiteral("ratio %1, picture at %2x").arg(ratio).arg(own);
                QCOMPARE(img.size(), (QSizeF(146, 146) * ratio).toSize());
                QVERIFY2(at(img, 0.05, 0.05) == Qt::red, qPrintable(what));
                QVERIFY2(at(img, 0.95, 0.05) == Qt::green, qPrintable(what));
                QVERIFY2(at(img, 0.05, 0.95) == Qt::blue, qPrintable(what));
                QVERIFY2(at(img, 0.95, 0.95) == Qt::yellow, qPrintable(what));
            }
        }
    }

    // A round picture shows the inscribed disc only: its corners are what lies behind (here
    // nothing), its middle the picture, at every pixel ratio and for both pictures.
    void roundPicturesCutTheirDiscAtEveryPixelRatio()
    {
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            for (const qreal own : {1.0, 2.0}) {
                Picture p(nullptr, "coroa", {0, 0, 148, 148});
                p.setPicture(quarters(int(148 * own), own));
                p.setRound(true);
                QVERIFY(p.isRound());
                const QImage img = rendered(&p, ratio);
                const QString what = QStringLiteral("ratio %1, picture at %2x").arg(ratio).arg(own);
                for (const QPointF corner : {QPointF(0.03, 0.03), QPointF(0.97, 0.03), QPointF(0.03, 0.97),
                                             QPointF(0.97, 0.97), QPointF(0.12, 0.12), QPointF(0.88, 0.88)})
                    QVERIFY2(at(img, corner.x(), corner.y()).alpha() == 0, qPrintable(what));
                // Just inside the disc, on each side: the picture's own colour, fully drawn.
                QVERIFY2(at(img, 0.25, 0.25) == Qt::red, qPrintable(what));
                QVERIFY2(at(img, 0.75, 0.25) == Qt::green, qPrintable(what));
                QVERIFY2(at(img, 0.25, 0.75) == Qt::blue, qPrintable(what));
                QVERIFY2(at(img, 0.75, 0.75) == Qt::yellow, qPrintable(what));
                QVERIFY2(at(img, 0.5, 0.02).alpha() == 255, qPrintable(what)); // the top of the disc
                QVERIFY2(at(img, 0.02, 0.5).alpha() == 255, qPrintable(what));
                // The edge is smooth: some pixels are partly covered.
                int partial = 0;
                for (int x = 0; x < img.width(); ++x) {
                    const int a = img.pixelColor(x, img.height() / 5).alpha();
                    partial += a > 0 && a < 255;
                }
                QVERIFY2(partial >= 2, qPrintable(what));
            }
        }
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
