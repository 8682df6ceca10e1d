// The settings store: buffers, placeholders, start-up load order, loads and saves and what
// survives each failure.
#include "fakes.h"
#include "platform/errors.h"
#include "platform/textfile.h"
#include "settings/store.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace zor;

class Store : public QObject {
    Q_OBJECT

    static QString failureOf(const std::function<void()>& fn)
    {
        try {
            fn();
        } catch (const AppError& e) {
            return e.text();
        }
        return QStringLiteral("<no failure>");
    }

private slots:
    void placeholdersAreNoValidValue()
    {
        SettingsStore store;
        QCOMPARE(store.get(Setting::som), QStringLiteral("som"));
        QCOMPARE(store.get(Setting::animacao), QStringLiteral("anima\r\ncao"));
        QCOMPARE(store.get(Setting::musica), QStringLiteral("music\r\na"));
        QCOMPARE(store.get(Setting::modo), QStringLiteral("m\r\nod\r\no"));
        QCOMPARE(store.get(Setting::nome), QStringLiteral("M\r\ne\r\nm\r\no\r\n1"));
        QCOMPARE(store.get(Setting::coc), QStringLiteral("v\r\na\r\nl\r\no\r\nr"));
        QCOMPARE(store.get(Setting::apostascn), QStringLiteral("nomecn"));
        for (Setting s : SettingsStore::kAll) {
            const QString v = store.get(s);
            QVERIFY(v != "s" && v != "n" && v != "1" && v != "0");
        }
    }

    void installedTreeLoadsWithEveryValueValid()
    {
        zortest::TestEnv env;
        SettingsStore store;
        store.loadAll();
        QCOMPARE(store.get(Setting::som), QStringLiteral("s"));
        QCOMPARE(store.get(Setting::memo), QStringLiteral("1"));
        QCOMPARE(store.get(Setting::design), QStringLiteral("Tema do Cassino ZOR"));
        QCOMPARE(store.get(Setting::dinheirocn), QStringLiteral("100"));
        // No installed file ends with a line break.
        for (Setting s : SettingsStore::kAll)
            QVERIFY2(!store.get(s).endsWith("\n"), qPrintable(SettingsStore::name(s)));
    }

    // One line break at the end of a file, as every text editor adds, is not part of the value;
    // anything else is kept whole.
    void loadDropsOneTrailingLineBreakAndKeepsTheRest()
    {
        zortest::TestEnv env;
        SettingsStore store;
        const QList<QPair<QByteArray, QString>> cases = {
            {"s\r\n", "s"},          {"s\n", "s"},           {"s\r", "s"},
            {"s\n\r", "s"},          {"s\r\n\r\n", "s\r\n"}, {"s\n\n", "s\r\n"},
            {"a\nb\n", "a\r\nb"},   {"\r\n", ""},           {"", ""},
            {"\n\ns", "\r\n\r\ns"}, {" s \n", " s "},
        };
        for (const auto& [bytes, value] : cases) {
            env.writeFile("Config/som.txt", bytes);
            store.load(Setting::som);
            QCOMPARE(store.get(Setting::som), value);
        }
        env.writeFile("Config/Jogos/cn/design.txt", "Bras\xF5" "es de Times\r\n");
        store.load(Setting::design);
        QCOMPARE(store.get(Setting::design), QStringLiteral("Brasões de Times"));
        // The next save writes the value without the break.
        store.save(Setting::design);
        QCOMPARE(env.readFile("Config/Jogos/cn/design.txt"), QByteArray("Bras\xF5" "es de Times"));
    }

    // Every value of the tree, written by an editor with CR LF, LF or CR line ends, loads at
    // start-up as the value itself.
    void everyValueReadsTheSameWithAnyLineEnd_data()
    {
        QTest::addColumn<QByteArray>("ending");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void everyValueReadsTheSameWithAnyLineEnd()
    {
        QFETCH(QByteArray, ending);
        zortest::TestEnv env;
        SettingsStore plain;
        plain.loadAll();
        for (Setting s : SettingsStore::kAll) {
            const QString path = SettingsStore::diskPath(SettingsStore::path(s));
            env.writeFile(path, env.readFile(path) + ending);
        }
        SettingsStore edited;
        edited.loadAll();
        for (Setting s : SettingsStore::kAll)
            QCOMPARE(edited.get(s), plain.get(s));
    }

    // A valid UTF-8 file with letters beyond ASCII is read as UTF-8; all else is Windows-1252,
    // and saves write Windows-1252.
    void utf8FilesAreReadAsUtf8()
    {
        zortest::TestEnv env;
        SettingsStore store;
        env.writeFile("Config/Jogos/coc/nome.txt", QStringLiteral("João").toUtf8());
        store.load(Setting::nome);
        QCOMPARE(store.get(Setting::nome), QStringLiteral("João"));
        store.save(Setting::nome);
        QCOMPARE(env.readFile("Config/Jogos/coc/nome.txt"), QByteArray("Jo\xE3o"));
        env.writeFile("Config/Jogos/cn/design.txt", QStringLiteral("Brasões de Times\n").toUtf8());
        store.load(Setting::design);
        QCOMPARE(store.get(Setting::design), QStringLiteral("Brasões de Times"));
        // Windows-1252 bytes that are no UTF-8, and plain ASCII, stay as they were.
        env.writeFile("Config/Jogos/cn/nome.txt", "Jo\xE3o \x80");
        store.load(Setting::nomecn);
        QCOMPARE(store.get(Setting::nomecn), QStringLiteral("João €"));
        // UTF-8 bytes with no letter beyond ASCII (a no-break space) are Windows-1252 text.
        env.writeFile("Config/Jogos/cn/nome.txt", "a\xC2\xA0" "b");
        store.load(Setting::nomecn);
        QCOMPARE(store.get(Setting::nomecn), QStringLiteral("aÂ\u00A0b"));
        // A letter Windows-1252 lacks is kept: written back as UTF-8, it reads back the same.
        env.writeFile("Config/Jogos/cn/nome.txt", QStringLiteral("Ωmega").toUtf8());
        store.load(Setting::nomecn);
        QCOMPARE(store.get(Setting::nomecn), QStringLiteral("Ωmega"));
        store.save(Setting::nomecn);
        store.load(Setting::nomecn);
        QCOMPARE(store.get(Setting::nomecn), QStringLiteral("Ωmega"));
    }

    // Values are a few bytes: a larger file is refused unread, and a save never writes one.
    void oversizeFilesAreRefused()
    {
        zortest::TestEnv env;
        SettingsStore store;
        const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
        env.writeFile("Config/cor.txt", QByteArray(kMaxValueFileBytes, '7'));
        store.load(Setting::memo);
        QCOMPARE(store.get(Setting::memo).size(), kMaxValueFileBytes);
        env.writeFile("Config/cor.txt", QByteArray(kMaxValueFileBytes + 1, '7'));
        store.set(Setting::memo, "3");
        QCOMPARE(failureOf([&] { store.load(Setting::memo); }),
                 QStringLiteral("Cannot open file \"Config/cor.txt\". ") + tooLarge);
        QCOMPARE(store.get(Setting::memo), QStringLiteral("3"));
        env.writeFile("Config/cor.txt", "1");
        store.set(Setting::memo, QString(kMaxValueFileBytes + 1, u'x'));
        QCOMPARE(failureOf([&] { store.save(Setting::memo); }),
                 QStringLiteral("Cannot create file \"Config/cor.txt\". ") + tooLarge);
        QCOMPARE(env.readFile("Config/cor.txt"), QByteArray("1"));
    }

    void setIsMemoryOnlyUntilSave()
    {
        zortest::TestEnv env;
        SettingsStore store;
        store.set(Setting::som, "n");
        QCOMPARE(store.get(Setting::som), QStringLiteral("n"));
        QCOMPARE(env.readFile("Config/som.txt"), QByteArray("s"));
        store.save(Setting::som);
        QCOMPARE(env.readFile("Config/som.txt"), QByteArray("n"));
        store.set(Setting::nomecn, QStringLiteral("João\r\nSilva"));
        store.save(Setting::nomecn);
        QCOMPARE(env.readFile("Config/Jogos/cn/nome.txt"), QByteArray("Jo\xE3o\r\nSilva"));
    }

    void gameDirectoryIsMatchedWhateverItsCase()
    {
        zortest::TestEnv env;
        // dinheirocn is spelled with "jogos"; it reaches the one directory "Jogos".
        QCOMPARE(SettingsStore::path(Setting::dinheirocn), QStringLiteral("Config/jogos/cn/dinheiro.txt"));
        QCOMPARE(SettingsStore::diskPath("config/JOGOS/CN/dinheiro.txt"), QStringLiteral("Config/Jogos/cn/dinheiro.txt"));
        QCOMPARE(SettingsStore::diskPath("Config/jogos/Coc/Nome.TXT"), QStringLiteral("Config/Jogos/coc/Nome.TXT"));
        SettingsStore store;
        store.set(Setting::dinheirocn, "250");
        store.save(Setting::dinheirocn);
        QCOMPARE(env.readFile("Config/Jogos/cn/dinheiro.txt"), QByteArray("250"));
        QVERIFY(!env.exists("Config/jogos"));
        env.writeFile("Config/Jogos/cn/dinheiro.txt", "-5");
        store.load(Setting::dinheirocn);
        QCOMPARE(store.get(Setting::dinheirocn), QStringLiteral("-5"));
    }

    void startupLoadStopsAtTheFirstMissingFile()
    {
        zortest::TestEnv env;
        SettingsStore store;
        env.remove("Config/musica.txt");
        env.writeFile("Config/cor.txt", "3");
        const QString text = failureOf([&] { store.loadAll(); });
        QVERIFY2(text.startsWith("Cannot open file \"Config/musica.txt\". "), qPrintable(text));
        QCOMPARE(store.get(Setting::som), QStringLiteral("s"));
        QCOMPARE(store.get(Setting::animacao), QStringLiteral("s"));
        // This one and all later keep their placeholders.
        QCOMPARE(store.get(Setting::musica), QStringLiteral("music\r\na"));
        QCOMPARE(store.get(Setting::memo), QStringLiteral("memo"));
        QCOMPARE(store.get(Setting::apostascn), QStringLiteral("nomecn"));
    }

    void failedLoadKeepsThePreviousText()
    {
        zortest::TestEnv env;
        SettingsStore store;
        store.set(Setting::design, "Ferrari");
        env.remove("Config/Jogos/cn/design.txt");
        QVERIFY(failureOf([&] { store.load(Setting::design); }).startsWith("Cannot open file"));
        QCOMPARE(store.get(Setting::design), QStringLiteral("Ferrari"));
    }

    void saveWithoutItsDirectoryIsRefusedAndCreatesNothing()
    {
        zortest::TestEnv env;
        SettingsStore store;
        env.remove("Config/Jogos/cn");
        store.set(Setting::dinheirocn, "7");
        const QString text = failureOf([&] { store.save(Setting::dinheirocn); });
        QVERIFY2(text.startsWith("Cannot create file \"Config/Jogos/cn/dinheiro.txt\". "), qPrintable(text));
        QVERIFY(!env.exists("Config/Jogos/cn"));
        QVERIFY(!env.exists("Config/jogos"));
    }

    // A buffer still holding its placeholder (never loaded, never set) leaves its file as it
    // is: a start-up load that stopped early must not lead a later save to write placeholders.
    // A value that merely reads like a placeholder is a value.
    void placeholderBuffersAreNeverWritten()
    {
        zortest::TestEnv env;
        SettingsStore store;
        env.remove("Config/som.txt");
        env.writeFile("Config/cor.txt", "5");
        QVERIFY(failureOf([&] { store.loadAll(); }).startsWith("Cannot open file \"Config/som.txt\""));
        for (Setting s : {Setting::memo, Setting::musica, Setting::nome, Setting::apostascn}) {
            QVERIFY(store.holdsPlaceholder(s));
            QCOMPARE(failureOf([&] { store.save(s); }), QStringLiteral("<no failure>"));
        }
        QVERIFY(store.saveSet({Setting::memo, Setting::dinheirocn, Setting::nomecn}));
        QCOMPARE(env.readFile("Config/cor.txt"), QByteArray("5"));
        QCOMPARE(env.readFile("Config/musica.txt"), QByteArray("s"));
        QCOMPARE(env.readFile("Config/Jogos/cn/dinheiro.txt"), QByteArray("100"));
        QVERIFY(!env.exists("Config/som.txt"));
        // A value set by the program is written as before.
        store.set(Setting::musica, "n");
        store.save(Setting::musica);
        QCOMPARE(env.readFile("Config/musica.txt"), QByteArray("n"));
        // The slot player called "nomecn" is a player like any other.
        store.set(Setting::nomecn, QStringLiteral("nomecn"));
        QVERIFY(!store.holdsPlaceholder(Setting::nomecn));
        QVERIFY(store.saveSet({Setting::nomecn}));
        QCOMPARE(env.readFile("Config/Jogos/cn/nome.txt"), QByteArray("nomecn"));
        store.reset();
        QVERIFY(store.holdsPlaceholder(Setting::nomecn));
        store.load(Setting::nomecn);
        QVERIFY(!store.holdsPlaceholder(Setting::nomecn));
        QCOMPARE(store.get(Setting::nomecn), QStringLiteral("nomecn"));
    }

    // A set is written whole or not at all: a write that fails on any file (a full disk)
    // leaves every file of the set as it was, names that file, and leaves nothing behind.
    void aSetIsWrittenWholeOrNotAtAll()
    {
        zortest::TestEnv env;
        SettingsStore store;
        store.loadAll();
        const QList<Setting> slot = {Setting::dinheirocn, Setting::ganhoucn, Setting::perdeucn,
                                     Setting::apostascn, Setting::design, Setting::nomecn};
        const auto files = [&] {
            QList<QByteArray> bytes;
            for (Setting s : slot)
                bytes.append(env.readFile(SettingsStore::diskPath(SettingsStore::path(s))));
            return bytes;
        };
        const auto writeSet = [&] {
            return store.saveSet({Setting::dinheirocn, Setting::ganhoucn, Setting::perdeucn, Setting::apostascn,
                                  Setting::design, Setting::nomecn});
        };
        const QList<QByteArray> before = files();
        for (Setting s : slot)
            store.set(s, QStringLiteral("novo ") + SettingsStore::name(s));
        const QString full = QString::fromLocal8Bit(std::strerror(ENOSPC));
        // Every byte of the first file written ("novo dinheirocn"), then the disk is full.
        simulateWriteFailure(ENOSPC, 20);
        const QString text = failureOf([&] { writeSet(); });
        simulateWriteFailure(0);
        QCOMPARE(text, QStringLiteral("Cannot create file \"Config/Jogos/cn/ganhou.txt\". ") + full);
        QCOMPARE(files(), before);
        QCOMPARE(QDir("Config/Jogos/cn").entryList(QDir::Files).size(), 9);
        QVERIFY(!env.exists(SettingsStore::journalPath()));

        // A file of the set that is not a regular file stops the set before anything is written.
        env.remove("Config/Jogos/cn/perdeu.txt");
        QVERIFY(QDir().mkdir("Config/Jogos/cn/perdeu.txt"));
        QVERIFY(failureOf([&] { writeSet(); }).startsWith("Cannot create file \"Config/Jogos/cn/perdeu.txt\". "));
        QCOMPARE(env.readFile("Config/Jogos/cn/dinheiro.txt"), before[0]);
        QVERIFY(QDir().rmdir("Config/Jogos/cn/perdeu.txt"));

        QCOMPARE(failureOf([&] { QVERIFY(writeSet()); }), QStringLiteral("<no failure>"));
        for (Setting s : slot)
            QCOMPARE(env.readFile(SettingsStore::diskPath(SettingsStore::path(s))),
                     QByteArray("novo ") + SettingsStore::name(s).toLatin1());
        QCOMPARE(QDir("Config/Jogos/cn").entryList(QDir::Files).size(), 9);
        QCOMPARE(QDir("Config").entryList(QDir::Files).size(), 5);
    }

    // The directory of the game gone: the first file's error, and nothing is created.
    void aSetWithoutItsDirectoryCreatesNothing()
    {
        zortest::TestEnv env;
        SettingsStore store;
        store.loadAll();
        env.remove("Config/Jogos/cn");
        store.set(Setting::dinheirocn, "7");
        const QString text = failureOf([&] { store.saveSet({Setting::dinheirocn, Setting::ganhoucn}); });
        QVERIFY2(text.startsWith("Cannot create file \"Config/Jogos/cn/dinheiro.txt\". "), qPrintable(text));
        QVERIFY(!env.exists("Config/Jogos/cn"));
        QVERIFY(!env.exists(SettingsStore::journalPath()));
    }

    // The new file replaces the old one with the old one's permission bits (a read-only file
    // saved by root stays read-only; a private file stays private).
    void saveKeepsThePermissionBits()
    {
        zortest::TestEnv env;
        SettingsStore store;
        const QByteArray path = QFile::encodeName(env.dir() + "/Config/Jogos/coc/nome.txt");
        const auto mode = [&] {
            struct stat st = {};
            return ::stat(path.constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
        };
        QCOMPARE(::chmod(path.constData(), 0600), 0);
        store.set(Setting::nome, "Ana");
        store.save(Setting::nome);
        QCOMPARE(mode(), 0600);
        QCOMPARE(env.readFile("Config/Jogos/coc/nome.txt"), QByteArray("Ana"));
        QCOMPARE(::chmod(path.constData(), 0444), 0);
        store.set(Setting::nome, "Bia");
        const QString text = failureOf([&] { store.save(Setting::nome); });
        if (::geteuid() == 0) {
            // Root may rewrite a read-only file, as an in-place rewrite would; it stays 0444.
            QCOMPARE(text, QStringLiteral("<no failure>"));
            QCOMPARE(env.readFile("Config/Jogos/coc/nome.txt"), QByteArray("Bia"));
        } else {
            QVERIFY2(text.startsWith("Cannot create file"), qPrintable(text));
            QCOMPARE(env.readFile("Config/Jogos/coc/nome.txt"), QByteArray("Ana"));
        }
        QCOMPARE(mode(), 0444);
    }

    // What a save killed before its rename leaves ("NAME.XXXXXX" beside NAME) goes at the next
    // start, and nothing else does.
    void staleSaveTemporariesAreRemovedAndNothingElse()
    {
        zortest::TestEnv env;
        SettingsStore store;
        const QStringList stale = {"Config/som.txt.a1B2c3", "Config/Jogos/cn/dinheiro.txt.ZZZZZZ",
                                   "Config/Jogos/coc/modo.txt.000000"};
        const QStringList kept = {"Config/som.txt.bak", "Config/som.txt.a1B2c",   "Config/som.txt.a1B2c34",
                                  "Config/som.txt.a1-2c3", "Config/xyz.txt.a1B2c3", "Config/som.txtXa1B2c3",
                                  "Config/Jogos/cn/foto.jpg.a1B2c3"};
        for (const QString& f : stale + kept)
            env.writeFile(f, "x");
        QCOMPARE(store.removeStaleTemporaries(), int(stale.size()));
        for (const QString& f : stale)
            QVERIFY2(!env.exists(f), qPrintable(f));
        for (const QString& f : kept)
            QVERIFY2(env.exists(f), qPrintable(f));
        QCOMPARE(env.readFile("Config/som.txt"), QByteArray("s"));
        // A missing directory is nothing to clean.
        env.remove("Config/Jogos");
        QCOMPARE(store.removeStaleTemporaries(), 0);
    }

    // The error names the system's real reason: "Config" as a plain file is not a directory.
    void saveReportsTheRealReasonForAMissingDirectory()
    {
        zortest::TestEnv env;
        SettingsStore store;
        env.remove("Config");
        env.writeFile("Config", "a file, not a folder");
        store.set(Setting::som, "n");
        // The system's words, in whatever language the system speaks.
        const QString notDir = QString::fromLocal8Bit(std::strerror(ENOTDIR));
        const QString missing = QString::fromLocal8Bit(std::strerror(ENOENT));
        QCOMPARE(failureOf([&] { store.save(Setting::som); }),
                 QStringLiteral("Cannot create file \"Config/som.txt\". ") + notDir);
        store.set(Setting::dinheirocn, "7");
        QCOMPARE(failureOf([&] { store.save(Setting::dinheirocn); }),
                 QStringLiteral("Cannot create file \"Config/Jogos/cn/dinheiro.txt\". ") + notDir);
        env.remove("Config");
        QCOMPARE(failureOf([&] { store.save(Setting::som); }),
                 QStringLiteral("Cannot create file \"Config/som.txt\". ") + missing);
    }
};

QTEST_MAIN(Store)
#include "test_store.moc"
