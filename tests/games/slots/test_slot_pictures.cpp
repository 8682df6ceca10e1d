// The slot machine's pictures: the layout pictures the generator draws for the screen (sizes,
// real texture rather than flat fills, the pulled lever really pulled, the cabinet framing the
// reels and lighting the amount display), and the data files of the five symbol sets, the lever
// and the match banners that the screen loads by name.
#include "app/screens.h"
#include "controls/picture.h"
#include "fakes.h"
#include "games/slots/slot_game.h"
#include "games/slots/symbol_sets.h"

#include <QImage>
#include <QSet>
#include <QTest>

namespace {

QImage layoutPicture(const QString& path)
{
    return QImage(QStringLiteral(":/layout/slots/") + path).convertToFormat(QImage::Format_ARGB32);
}

int distinctColours(const QImage& img)
{
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2)
            seen.insert(img.pixel(x, y) | 0xFF000000u);
    return int(seen.size());
}

// The mean height of the strongly red pixels: where the lever's knob is.
double redCentreY(const QImage& img)
{
    double sum = 0;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 170 && c.green() < 80 && c.blue() < 80) {
                sum += y;
                ++n;
            }
        }
    return n ? sum / n : -1;
}

bool golden(QColor c) { return c.red() > 120 && c.red() > c.blue() + 50 && c.green() > c.blue(); }

} // namespace

class SlotPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { zor::initApplication(); }

    void layoutPicturesHaveTheirSizesAndTexture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("cabinet") << "gabinete.jpg" << QSize(852, 292);
        QTest::newRow("pulled lever") << "alavanca2.jpg" << QSize(42, 156);
        QTest::newRow("background") << "graconf.jpg" << QSize(852, 480);
        QTest::newRow("options panel") << "opcoes.jpg" << QSize(286, 164);
        QTest::newRow("design tab") << "design.png" << QSize(280, 440);
        QTest::newRow("help tab") << "ajuda.png" << QSize(300, 300);
    }
    void layoutPicturesHaveTheirSizesAndTexture()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage img = layoutPicture(path);
        QVERIFY2(!img.isNull(), qPrintable(path));
        QCOMPARE(img.size(), size);
        // Shaded and textured, not a flat fill: many distinct colours.
        QVERIFY2(distinctColours(img) > 400, qPrintable(QString::number(distinctColours(img))));
    }

    // The decorations stand free on the tabs' themed backgrounds: their corners are transparent.
    void decorationsAreTransparentAroundTheirMotif()
    {
        for (const QString& path : {QStringLiteral("design.png"), QStringLiteral("ajuda.png")}) {
            const QImage img = layoutPicture(path);
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(img.pixel(img.width() - 1, img.height() - 1)), 0);
        }
    }

    void thePulledLeverHasItsKnobLow()
    {
        const QImage pulled = layoutPicture("alavanca2.jpg");
        const QImage usable(QDir(zortest::generatedGameDir()).filePath("alavanca.jpg"));
        QVERIFY(!usable.isNull());
        QCOMPARE(usable.size(), pulled.size());
        const double up = redCentreY(usable.convertToFormat(QImage::Format_ARGB32));
        const double down = redCentreY(pulled);
        QVERIFY2(up > 0 && up < 45, qPrintable(QString::number(up)));
        QVERIFY2(down > 90, qPrintable(QString::number(down)));
    }

    // Gold bezels frame the three reels, and the amount display under the lever is light, so the
    // red amount reads well on it.
    void theCabinetFramesTheReelsAndTheDisplay()
    {
        const QImage cab = layoutPicture("gabinete.jpg");
        for (int left : {30, 253, 476}) {
            QVERIFY(golden(cab.pixelColor(left - 4, 120)));
            QVERIFY(golden(cab.pixelColor(left + 184, 120)));
            QVERIFY(golden(cab.pixelColor(left + 90, 30 - 4)));
        }
        int light = 0;
        for (int y = 228; y < 252; y += 3)
            for (int x = 604; x < 720; x += 4)
                light += cab.pixelColor(x, y).lightness() > 200;
        QVERIFY2(light > 200, qPrintable(QString::number(light)));
    }

    // Every file the screen loads by name is there, at the reels' or the controls' size.
    void theDataFilesTheScreenLoads()
    {
        const QDir dir(zortest::generatedGameDir());
        for (const auto& set : zor::cn::symbolSets())
            for (const QString& f : set.files) {
                const QPixmap p = zor::loadPictureFile(dir.filePath(f));
                QCOMPARE(p.size(), QSize(180, 185));
            }
        for (const char* f : {"alavanca.jpg", "alavancadesabilitada.jpg"})
            QCOMPARE(zor::loadPictureFile(dir.filePath(f)).size(), QSize(42, 156));
        for (auto m : {zor::cn::Match::LeftMiddle, zor::cn::Match::LeftRight, zor::cn::Match::MiddleRight,
                       zor::cn::Match::All})
            QCOMPARE(zor::loadPictureFile(dir.filePath(zor::cn::matchPicture(m))).size(), QSize(505, 59));
    }
};

QTEST_MAIN(SlotPictures)
#include "test_slot_pictures.moc"
