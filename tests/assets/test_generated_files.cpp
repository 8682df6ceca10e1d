// The generated game folder: every picture, sound and the music the screens load by name is
// there, in the format its name promises; and every embedded layout picture the screens name
// exists. A file the generator forgets would otherwise only show up as an error box in play.
#include "app/screens.h"
#include "controls/picture.h"
#include "fakes.h"
#include "platform/errors.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

class GeneratedFiles : public QObject {
    Q_OBJECT

    static QString game(const QString& name) { return zortest::generatedGameDir() + u'/' + name; }

    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { zor::initApplication(); }

    void everyPictureLoadsInTheFormatOfItsName()
    {
        QStringList names = {"graconf.jpg", "graconf1.jpg", "graconf2.jpg", "graconf3.jpg", "graconf4.jpg",
                             "graconf5.jpg", "grad.jpg", "baralho.jpg", "alavanca.jpg",
                             "alavancadesabilitada.jpg", "esqermeio.jpg", "esqerdirei.jpg", "meiodirei.jpg",
                             "todos.jpg", "c3.bmp", "f1.bmp", "f2.bmp", "f3.bmp", "f4.jpg", "c1.jpg", "c2.jpg",
                             "c4.jpg"};
        for (const QString& set : {"fig", "ferrari", "i"})
            for (int n = 1; n <= 4; ++n)
                names << QStringLiteral("%1%2.jpg").arg(set).arg(n);
        for (const QString& side : {"cara", "coroa"}) {
            names << side + ".bmp";
            for (int n = 2; n <= 6; ++n)
                names << QStringLiteral("%1%2.bmp").arg(side).arg(n);
        }
        for (const QString& suit : {"c", "e", "o", "p"})
            for (int n = 1; n <= 13; ++n)
                names << QStringLiteral("%1 (%2).jpg").arg(suit).arg(n);
        QCOMPARE(names.size(), 22 + 12 + 12 + 52);
        for (const QString& name : names) {
            // The loader the screens use picks the format by extension: it must read the file.
            QPixmap pixmap;
            try {
                pixmap = zor::loadPictureFile(game(name));
            } catch (const zor::AppError& e) {
                QFAIL(qPrintable(name + ": " + e.text()));
            }
            QVERIFY2(pixmap.width() >= 16 && pixmap.height() >= 16, qPrintable(name));
            const QByteArray format = QImageReader(game(name)).format();
            QCOMPARE(format, QByteArray(name.endsWith(".bmp") ? "bmp" : "jpeg"));
        }
    }

    void themeBackgroundsDiffer()
    {
        QSet<QRgb> centres;
        for (const QString& name : {"graconf.jpg", "graconf1.jpg", "graconf2.jpg", "graconf3.jpg",
                                    "graconf4.jpg", "grad.jpg", "graconf5.jpg"}) {
            const QImage img(game(name));
            centres.insert(img.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0));
        }
        QCOMPARE(centres.size(), 7);
    }

    void cuesAreShortAudibleWaves()
    {
        for (const QString& name : {"mouse.wav", "click.wav", "escolher.wav", "escolher2.wav", "girando.wav"}) {
            const QByteArray wav = read(game(name));
            QVERIFY2(wav.startsWith("RIFF") && wav.mid(8, 4) == "WAVE", qPrintable(name));
            const int dataAt = int(wav.indexOf("data"));
            QVERIFY(dataAt > 0);
            const quint32 bytes = qFromLittleEndian<quint32>(wav.constData() + dataAt + 4);
            const quint32 rate = qFromLittleEndian<quint32>(wav.constData() + 24);
            const quint16 bits = qFromLittleEndian<quint16>(wav.constData() + 34);
            QCOMPARE(bits, quint16(16));
            const double seconds = double(bytes) / (rate * 2 * qFromLittleEndian<quint16>(wav.constData() + 22));
            QVERIFY2(seconds > 0.02 && seconds < 1.0, qPrintable(name));
            int peak = 0;
            for (quint32 i = 0; i + 1 < bytes; i += 2)
                peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(wav.constData() + dataAt + 8 + i))));
            QVERIFY2(peak > 3000 && peak < 32767, qPrintable(name));
        }
        // The spin cue is re-struck every 70 ms.
        const QByteArray spin = read(game("girando.wav"));
        QVERIFY(qFromLittleEndian<quint32>(spin.constData() + spin.indexOf("data") + 4) <= 44100 * 2 * 70 / 1000);
    }

    void musicIsAPieceOfAboutTwoMinutes()
    {
        const QByteArray midi = read(game("casino.mid"));
        QVERIFY(midi.startsWith("MThd"));
        const int format = qFromBigEndian<quint16>(midi.constData() + 8);
        const int tracks = qFromBigEndian<quint16>(midi.constData() + 10);
        QCOMPARE(format, 1);
        QVERIFY(tracks >= 4); // melody, harmony, bass and drums at least
        // Drums play on channel 10: note-on events with status 0x99 are there.
        QVERIFY(midi.count(char(0x99)) > 100);
        QVERIFY(midi.size() > 8000);
    }

    void everyLayoutPictureOfEveryScreenIsEmbedded()
    {
        zortest::TestEnv env;
        zor::createScreens();
        zor::createMainMenu();
        QStringList missing;
        int pictures = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            for (const zor::Picture* p : w->findChildren<zor::Picture*>()) {
                // Hotspots have no picture; every other picture must decode.
                if (!p->hasPicture())
                    continue;
                ++pictures;
                if (p->picture().isNull())
                    missing << w->objectName() + "/" + p->objectName();
            }
        }
        zor::destroyScreens();
        QVERIFY(pictures > 50);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
        QCOMPARE(QImage(":/layout/menu/fundo.jpg").size(), QSize(801, 601));
    }
};

QTEST_MAIN(GeneratedFiles)
#include "test_generated_files.moc"
