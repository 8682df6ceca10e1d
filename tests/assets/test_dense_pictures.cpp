// Pictures for dense screens: every embedded layout picture and every picture file of the game
// folder has a twin drawn at twice its size ("NAME@2x.EXT"), and the loaders pick it where the
// device pixel ratio is above 1, keeping the rules and failures of the plain file.
#include "app/screens.h"
#include "controls/picture.h"
#include "fakes.h"
#include "platform/errors.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QTest>

using namespace zor;

namespace {

bool isTwin(const QString& name) { return name.contains(QLatin1String("@2x.")); }

// Every picture under the folder that is not itself a twin, and whether its twin decodes at
// exactly twice its size; returns the faults found.
QStringList twinFaults(const QString& folder, const QStringList& filters)
{
    QStringList faults;
    int plain = 0;
    QDirIterator it(folder, filters, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (isTwin(path))
            continue;
        ++plain;
        const QSize size = QImageReader(path).size();
        const QSize twin = QImageReader(denseTwin(path)).read().size();
        if (!size.isValid() || twin != size * 2)
            faults << QStringLiteral("%1: %2x%3, twin %4x%5").arg(path).arg(size.width()).arg(size.height())
                          .arg(twin.width()).arg(twin.height());
    }
    if (plain < 20)
        faults << QStringLiteral("%1: only %2 pictures").arg(folder).arg(plain);
    return faults;
}

} // namespace

class DensePictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initApplication(); }

    void everyEmbeddedPictureHasATwinAtTwiceItsSize()
    {
        const QStringList faults = twinFaults(QStringLiteral(":/layout"), {"*.png", "*.jpg"});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void everyPictureFileHasATwinAtTwiceItsSize()
    {
        const QStringList faults = twinFaults(zortest::generatedGameDir(), {"*.jpg", "*.bmp"});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void twinNames()
    {
        QCOMPARE(denseTwin("graconf.jpg"), QStringLiteral("graconf@2x.jpg"));
        QCOMPARE(denseTwin(":/layout/menu/fundo.jpg"), QStringLiteral(":/layout/menu/fundo@2x.jpg"));
        QCOMPARE(denseTwin("./c3.bmp"), QStringLiteral("./c3@2x.bmp"));
        QCOMPARE(denseTwin("Config/a.b.jpg"), QStringLiteral("Config/a.b@2x.jpg"));
    }

    void layoutPicturesFollowThePixelRatio()
    {
        const QPixmap plain = loadLayoutPixmap(":/layout/menu/fundo.jpg", 1);
        const QPixmap dense = loadLayoutPixmap(":/layout/menu/fundo.jpg", 2);
        const QPixmap between = loadLayoutPixmap(":/layout/menu/fundo.jpg", 1.5);
        QCOMPARE(plain.devicePixelRatio(), 1.0);
        QCOMPARE(dense.devicePixelRatio(), 2.0);
        QCOMPARE(between.devicePixelRatio(), 2.0);
        QCOMPARE(dense.size(), plain.size() * 2);
        // Both cover the same device-independent area.
        QCOMPARE(dense.deviceIndependentSize(), QSizeF(plain.size()));
    }

    void pictureFilesPreferTheirTwinOnDenseScreens()
    {
        zortest::TestEnv env(zortest::TestEnv::WithGameFiles);
        const QPixmap plain = loadPictureFile("graconf.jpg", 1);
        const QPixmap dense = loadPictureFile("graconf.jpg", 2);
        QCOMPARE(plain.devicePixelRatio(), 1.0);
        QCOMPARE(dense.devicePixelRatio(), 2.0);
        QCOMPARE(dense.size(), plain.size() * 2);

        // A twin that does not decode is passed over; a missing one too.
        env.writeFile("graconf2@2x.jpg", "not a picture");
        QCOMPARE(loadPictureFile("graconf2.jpg", 2).devicePixelRatio(), 1.0);
        env.remove("graconf3@2x.jpg");
        QCOMPARE(loadPictureFile("graconf3.jpg", 2).devicePixelRatio(), 1.0);

        // The plain file's rules hold whatever twins lie about: a missing file fails as before.
        env.remove("graconf4.jpg");
        QVERIFY(QFile::exists("graconf4@2x.jpg"));
        bool failed = false;
        try {
            loadPictureFile("graconf4.jpg", 2);
        } catch (const AppError& e) {
            failed = e.text().startsWith("Cannot open file \"graconf4.jpg\"");
        }
        QVERIFY(failed);
    }
};

QTEST_MAIN(DensePictures)
#include "test_dense_pictures.moc"
