// Where the game runs: a game folder runs where it is; an installed program prepares the
// player's own folder (links to the data, a Config copied once) and keeps it current.
#include "platform/gamefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

using namespace zor;

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class GameFolders : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    QString prefix, bin, data, home, work;

private slots:
    void init()
    {
        QVERIFY(root.isValid());
        const QString base = root.path() + QStringLiteral("/%1").arg(QTest::currentTestFunction());
        prefix = base + "/usr";
        bin = prefix + "/bin";
        data = prefix + "/share/cassino-zor";
        home = base + "/home";
        work = base + "/elsewhere";
        QDir().mkpath(bin);
        QDir().mkpath(work);
        write(data + "/casino.mid", "MThd");
        write(data + "/graconf.jpg", "jpeg");
        write(data + "/Config/cor.txt", "1");
        write(data + "/Config/Jogos/cn/dinheiro.txt", "100");
        QFile::setPermissions(data + "/Config/cor.txt", QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        qputenv("XDG_DATA_HOME", QFile::encodeName(home + "/data"));
    }

    void gameFolderOrNoInstalledDataRunsHere()
    {
        QDir().mkpath(work + "/Config");
        GameFolder here = chooseGameFolder(work, bin);
        QCOMPARE(here.outcome, GameFolder::Here);
        QCOMPARE(here.folder, work);
        QDir(work + "/Config").removeRecursively();
        // A program with no share/cassino-zor beside it (build/game) runs where it is, too.
        here = chooseGameFolder(work, root.path() + "/nowhere/bin");
        QCOMPARE(here.outcome, GameFolder::Here);
        QVERIFY(!QFileInfo::exists(home + "/data/cassino-zor"));
        QCOMPARE(installedDataFolder(bin), QDir::cleanPath(data));
    }

    // The Debian package puts the program in /usr/games: its data is the same ../share/cassino-zor.
    void aProgramInGamesFindsTheSameData()
    {
        const QString games = prefix + "/games";
        QDir().mkpath(games);
        QCOMPARE(installedDataFolder(games), QDir::cleanPath(data));
        const GameFolder g = chooseGameFolder(work, games);
        QCOMPARE(g.outcome, GameFolder::Prepared);
        QCOMPARE(QFileInfo(g.folder + "/casino.mid").symLinkTarget(), QFileInfo(data + "/casino.mid").absoluteFilePath());
        QCOMPARE(read(g.folder + "/Config/cor.txt"), QByteArray("1"));
    }

    void installedProgramPreparesThePlayersFolder()
    {
        const GameFolder g = chooseGameFolder(work, bin);
        QCOMPARE(g.outcome, GameFolder::Prepared);
        const QString player = home + "/data/cassino-zor";
        QCOMPARE(g.folder, player);
        QCOMPARE(playerFolder(), player);
        QVERIFY(QFileInfo(player + "/casino.mid").isSymLink());
        QCOMPARE(read(player + "/graconf.jpg"), QByteArray("jpeg"));
        // Config is a copy, and the player's own to save into.
        QVERIFY(!QFileInfo(player + "/Config/cor.txt").isSymLink());
        QCOMPARE(read(player + "/Config/Jogos/cn/dinheiro.txt"), QByteArray("100"));
        QVERIFY(QFileInfo(player + "/Config/cor.txt").isWritable());
        QVERIFY(QDir(work).isEmpty());
    }

    // Saved settings survive later starts and upgrades; the data links follow the installed
    // files; a file of the player's own is left alone.
    void laterStartsKeepConfigAndFollowTheData()
    {
        QCOMPARE(chooseGameFolder(work, bin).outcome, GameFolder::Prepared);
        const QString player = home + "/data/cassino-zor";
        write(player + "/Config/cor.txt", "5");
        QFile::remove(player + "/Config/Jogos/cn/dinheiro.txt");

        // An upgrade: a new data file, a file gone, a new Config file, an old link elsewhere.
        write(data + "/novo.wav", "RIFF");
        QFile::remove(data + "/graconf.jpg");
        write(data + "/Config/Jogos/cn/novo.txt", "x");
        QFile::remove(player + "/casino.mid");
        QVERIFY(QFile::link(root.path() + "/old-casino.mid", player + "/casino.mid"));
        write(player + "/meu.txt", "mine");

        QCOMPARE(chooseGameFolder(work, bin).outcome, GameFolder::Prepared);
        QCOMPARE(read(player + "/Config/cor.txt"), QByteArray("5"));
        QVERIFY(!QFileInfo::exists(player + "/Config/Jogos/cn/dinheiro.txt")); // never copied again
        QVERIFY(!QFileInfo::exists(player + "/Config/Jogos/cn/novo.txt"));
        QCOMPARE(read(player + "/novo.wav"), QByteArray("RIFF"));
        QVERIFY(!QFileInfo(player + "/graconf.jpg").isSymLink()); // the dangling link went
        QCOMPARE(QFileInfo(player + "/casino.mid").symLinkTarget(), QFileInfo(data + "/casino.mid").absoluteFilePath());
        QCOMPARE(read(player + "/meu.txt"), QByteArray("mine"));
    }

    void homeIsTheFallbackOfARelativeOrMissingXdgDataHome()
    {
        qputenv("XDG_DATA_HOME", "relative/path");
        QCOMPARE(playerFolder(), QDir::homePath() + "/.local/share/cassino-zor");
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(playerFolder(), QDir::homePath() + "/.local/share/cassino-zor");
    }

    void aFolderThatCannotBeMadeIsReported()
    {
        write(home + "/data", "a file where a folder should be");
        const GameFolder g = chooseGameFolder(work, bin);
        QCOMPARE(g.outcome, GameFolder::Failed);
        QVERIFY2(g.error.startsWith(QStringLiteral("Cannot create folder \"%1").arg(home + "/data")), qPrintable(g.error));
        QVERIFY2(g.error.endsWith(QString::fromLocal8Bit(std::strerror(ENOTDIR))), qPrintable(g.error));
    }
};

QTEST_GUILESS_MAIN(GameFolders)
#include "test_game_folder.moc"
