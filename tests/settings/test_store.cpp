// The settings store: buffers, placeholders, start-up load order, loads and saves and what
// survives each failure.
#include "fakes.h"
#include "platform/errors.h"
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

    void loadTakesTheWholeTextUnparsed()
    {
        zortest::TestEnv env;
        SettingsStore store;
        env.writeFile("Config/som.txt", "s\n");
        store.load(Setting::som);
        QCOMPARE(store.get(Setting::som), QStringLiteral("s\r\n"));
        env.writeFile("Config/som.txt", "");
        store.load(Setting::som);
        QCOMPARE(store.get(Setting::som), QString());
        env.writeFile("Config/Jogos/cn/design.txt", "Bras\xF5" "es de Times");
        store.load(Setting::design);
        QCOMPARE(store.get(Setting::design), QStringLiteral("Brasões de Times"));
        const QByteArray huge(2 * 1024 * 1024, 'x');
        env.writeFile("Config/cor.txt", huge);
        store.load(Setting::memo);
        QCOMPARE(store.get(Setting::memo).size(), huge.size());
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
    void placeholderBuffersAreNeverWritten()
    {
        zortest::TestEnv env;
        SettingsStore store;
        env.remove("Config/som.txt");
        env.writeFile("Config/cor.txt", "5");
        QVERIFY(failureOf([&] { store.loadAll(); }).startsWith("Cannot open file \"Config/som.txt\""));
        for (Setting s : {Setting::memo, Setting::musica, Setting::nome, Setting::apostascn})
            QCOMPARE(failureOf([&] { store.save(s); }), QStringLiteral("<no failure>"));
        QCOMPARE(env.readFile("Config/cor.txt"), QByteArray("5"));
        QCOMPARE(env.readFile("Config/musica.txt"), QByteArray("s"));
        QVERIFY(!env.exists("Config/som.txt"));
        // A value set by the program is written as before, even a line-broken one.
        store.set(Setting::musica, "n");
        store.save(Setting::musica);
        QCOMPARE(env.readFile("Config/musica.txt"), QByteArray("n"));
        store.set(Setting::som, "s\r\n");
        store.save(Setting::som);
        QCOMPARE(env.readFile("Config/som.txt"), QByteArray("s\r\n"));
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
