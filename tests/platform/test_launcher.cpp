// The desktop launcher the game writes at every start, and the name it gives the desktop: the
// file is UTF-8, carries the game's icon, passes desktop-file-validate whatever the program's
// path holds, and the program names the installed desktop entry as its own.
#include "platform/shortcut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace zor;

namespace {

QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The value of key in the launcher's text, as written (escapes and all).
QByteArray value(const QByteArray& text, const QByteArray& key)
{
    for (const QByteArray& line : text.split('\n')) {
        if (line.startsWith(key + '='))
            return line.mid(key.size() + 1);
    }
    return "<absent>";
}

} // namespace

class Launcher : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    QString desktop, game;

    // desktop-file-validate's complaints about the file, or an empty text.
    static QString validate(const QString& path)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral("desktop-file-validate"), {path});
        if (!p.waitForFinished(10000))
            return QStringLiteral("desktop-file-validate did not run");
        const QString out = QString::fromUtf8(p.readAll()).trimmed();
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || !out.isEmpty())
            return out.isEmpty() ? QStringLiteral("status %1").arg(p.exitCode()) : out;
        return {};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(root.isValid());
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty(),
                 "desktop-file-validate is missing (scripts/install-deps installs desktop-file-utils)");
    }

    void init()
    {
        const QString base = root.path() + u'/' + QString::fromLatin1(QTest::currentTestFunction());
        desktop = base + "/Área de Trabalho";
        game = base + "/jogos/Cassino ZOR";
        QVERIFY(QDir().mkpath(desktop));
        QVERIFY(QDir().mkpath(game));
        qputenv("XDG_DESKTOP_DIR", QFile::encodeName(desktop));
    }

    // The comment's accents are UTF-8 (a Latin-1 reading would give "CaÃ§a-NÃ\xadquel"); the
    // installed icon's name stands where the folder has no icon picture of its own.
    void utf8CommentAndTheInstalledIconName()
    {
        const QString written = writeDesktopLauncher(game + "/cassino-zor", QString(), game, QStringLiteral("Cassino ZOR"));
        QCOMPARE(written, desktop + "/Cassino ZOR.desktop");
        const QByteArray text = read(written);
        QCOMPARE(QString::fromUtf8(value(text, "Comment")), QStringLiteral("Cara ou Coroa, Caça-Níquel e BlackJack"));
        QVERIFY(!text.contains("\xc3\x83"));
        QCOMPARE(value(text, "Icon"), QByteArray("br.com.cassinozor.CassinoZOR"));
        QCOMPARE(value(text, "Name"), QByteArray("Cassino ZOR"));
        const QString complaints = validate(written);
        QVERIFY2(complaints.isEmpty(), qPrintable(complaints));
    }

    // A game folder built from the sources holds the icon picture: the launcher shows it by path.
    void aGameFolderLendsItsOwnIconPicture()
    {
        const QString picture = game + "/br.com.cassinozor.CassinoZOR.png";
        // The build lays the picture into its game folder, beside the tests' folder.
        const QString built = QCoreApplication::applicationDirPath() + "/../game/br.com.cassinozor.CassinoZOR.png";
        QVERIFY2(QFileInfo(built).isFile(), qPrintable(built));
        QVERIFY(QFile::copy(built, picture));
        const QString written = writeDesktopLauncher(game + "/cassino-zor", QString(), game, QStringLiteral("Cassino ZOR"));
        const QByteArray text = read(written);
        QCOMPARE(QString::fromUtf8(value(text, "Icon")), picture);
        QCOMPARE(launcherIcon(game), picture);
        // The windows show the same picture.
        const QIcon icon = windowIconFor(game);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(QSize(32, 32)).toImage().size(), QSize(32, 32));
        const QString complaints = validate(written);
        QVERIFY2(complaints.isEmpty(), qPrintable(complaints));
        // A folder of that name is no picture.
        QVERIFY(QFile::remove(picture));
        QVERIFY(QDir().mkpath(picture));
        QCOMPARE(launcherIcon(game), QStringLiteral("br.com.cassinozor.CassinoZOR"));
    }

    // Quotes, dollars, back quotes, backslashes, percent signs and blanks in the program's path
    // are escaped so that the desktop reads the path back whole, and the validator agrees.
    void anyPathMakesAValidLauncher()
    {
        const QString odd = game + "/a \"b\" $HOME `x` c\\d 100% e";
        QVERIFY(QDir().mkpath(odd));
        const QString written = writeDesktopLauncher(odd + "/cassino-zor", QString(), odd, QStringLiteral("Cassino ZOR"));
        const QByteArray text = read(written);
        const QByteArray expected = "\"" + QFile::encodeName(game)
            + "/a \\\\\"b\\\\\" \\\\$HOME \\\\`x\\\\` c\\\\\\\\d 100%% e/cassino-zor\"";
        QCOMPARE(value(text, "Exec"), expected);
        QCOMPARE(value(text, "Path"), QFile::encodeName(game) + "/a \"b\" $HOME `x` c\\\\d 100% e");
        const QString complaints = validate(written);
        QVERIFY2(complaints.isEmpty(), qPrintable(complaints));
    }

    // The Wayland app id (and the entry docks look for) is the installed entry's name.
    void theProgramNamesTheInstalledEntry()
    {
        identifyToDesktop();
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(kAppId));
        const QString entry = QFINDTESTDATA("../../assets/packaging/br.com.cassinozor.CassinoZOR.desktop");
        QVERIFY2(QFileInfo(entry).fileName() == QString::fromLatin1(kAppId) + ".desktop", qPrintable(entry));
        QCOMPARE(value(read(entry), "Icon"), QByteArray(kAppId));
    }
};

QTEST_MAIN(Launcher)
#include "test_launcher.moc"
