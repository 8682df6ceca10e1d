// Settings files holding anything at all: a seeded run writes random contents (empty, line
// breaks, binary bytes, huge text, numbers past 32 bits, "nan", placeholders, valid values)
// into every Config file of 200 trees, then runs the start-up load, shows every screen and runs
// each game's load and save through its screen. The
// program may only answer with the error boxes of the store, the conversions and the picture
// loader, each short enough to read; it never crashes or hangs (the sanitizer build runs this
// too).
#include "app/loading.h"
#include "app/screens.h"
#include "fakes.h"
#include "games/coin/coin_table.h"
#include "games/slots/slot_machine.h"
#include "platform/guard.h"
#include "settings/store.h"
#include "shell/name_dialog.h"

#include "platform/textfile.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

using namespace zor;

namespace {

const QStringList kAllowedErrors = {
    "Cannot open file \"", "Unknown picture file extension (", "JPEG error: \"", "Bitmap image is not valid: \"", "'",
};

QByteArray randomBytes(QRandomGenerator& rng, qsizetype n)
{
    QByteArray b(n, Qt::Uninitialized);
    for (char& c : b)
        c = char(rng.bounded(256));
    return b;
}

// One file's contents, drawn from the kinds that break careless readers.
QByteArray badValue(QRandomGenerator& rng, Setting s)
{
    static const QList<QByteArray> fixed = {
        "", "\r\n", "\n\n\n", "s\r\n", "n\n", "nan", "inf", "-inf", "1e999", "-1e999", "2147483647", "2147483648",
        "-2147483649", "99999999999999999999", "0", "-1", "1", "5", "7", "8", "0,5", "0.5", "1,5e3", "Cara",
        "Coroa", "Tema do Cassino ZOR", "grad.jpg", "nada.bmp", "Config", "..", "/", "\xE9\xE7\xE3", "s", "n",
    };
    switch (rng.bounded(6)) {
    case 0:
        return fixed[rng.bounded(int(fixed.size()))];
    case 1:
        return SettingsStore::placeholder(s).toLatin1();
    case 2:
        return randomBytes(rng, rng.bounded(1, 300));
    case 3:
        return QByteArray::number(rng.generate64()) + (rng.bounded(2) ? "\r\n" : "");
    case 4:
        // Huge text now and then: a few hundred KiB, rarely megabytes.
        return QByteArray(rng.bounded(20) == 0 ? 3 * 1024 * 1024 : rng.bounded(1, 300 * 1024), 'x');
    default:
        return randomBytes(rng, rng.bounded(1, 8)) + fixed[rng.bounded(int(fixed.size()))];
    }
}

// Puts a thing that is no small regular file at path (relative to the working folder).
void putHostile(zortest::TestEnv& env, const QString& path, const QString& kind)
{
    env.remove(path);
    const QString full = env.dir() + "/" + path;
    if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(full).constData(), 0644), 0);
    else if (kind == QLatin1String("/dev/zero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), full));
    else if (kind == QLatin1String("directory"))
        QVERIFY(QDir().mkpath(full));
    else
        env.writeFile(path, QByteArray(kMaxValueFileBytes + 1, '1'));
}

const QStringList kHostileKinds = {"fifo", "/dev/zero", "directory", "oversize"};

// The error box a hostile file at path gives, for the kind.
QString hostileError(const QString& path, const QString& kind)
{
    const QString reason = kind == QLatin1String("directory") ? QString::fromLocal8Bit(std::strerror(EISDIR))
        : kind == QLatin1String("oversize")                    ? QString::fromLocal8Bit(std::strerror(EFBIG))
                                                               : notRegularFileReason();
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason);
}

} // namespace

class BadSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initApplication(); }

    void anyContentsOnlyEverGiveTheDefinedErrors()
    {
        QRandomGenerator rng(0x2026'1208);
        int errors = 0;
        // One game folder; each round writes a new Config tree into it.
        zortest::TestEnv env(zortest::TestEnv::WithGameFiles);
        const QString desktop = env.dir() + "/Desktop";
        QDir().mkpath(desktop);
        qputenv("XDG_DESKTOP_DIR", desktop.toLocal8Bit());
        for (int tree = 0; tree < 200; ++tree) {
            env.dialogs->messages.clear();
            settings().reset();
            for (Setting s : SettingsStore::kAll) {
                // Now and then a file is missing altogether.
                const QString path = SettingsStore::diskPath(SettingsStore::path(s));
                if (rng.bounded(15) == 0)
                    env.remove(path);
                else
                    env.writeFile(path, badValue(rng, s));
            }

            createScreens();
            Loading->show(); // the start-up load and the launcher
            Loading->hide();
            createMainMenu();
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* screen = qobject_cast<QDialog*>(w);
                if (!screen || screen == Loading)
                    continue;
                screen->show();
                QApplication::processEvents();
                screen->hide();
            }
            // Each game's load and save through its screen, as the player's clicks run them.
            env.dialogs->scripts["frm_nome"] = [](QDialog*) {
                frm_nome->Edit1->setText(QStringLiteral("Ana"));
                frm_nome->Button1->click();
            };
            CoC_jogo->show();
            guarded([] { CoC_jogo->b8Click(); });
            guarded([] { CoC_jogo->b7Click(); });
            CoC_jogo->hide();
            frm_cn->show();
            guarded([] { frm_cn->lcarregarClick(); });
            guarded([] { frm_cn->lsalvarClick(); });
            frm_cn->hide();
            QApplication::processEvents();
            destroyScreens();

            for (const zortest::Message& m : env.dialogs->messages) {
                if (m.kind != "error")
                    continue;
                ++errors;
                bool known = false;
                for (const QString& prefix : kAllowedErrors)
                    known = known || m.text.startsWith(prefix);
                QVERIFY2(known, qPrintable(QStringLiteral("tree %1: %2").arg(tree).arg(m.text.left(300))));
                QVERIFY2(m.text.size() < 400, qPrintable(QStringLiteral("tree %1: %2 characters").arg(tree).arg(m.text.size())));
                QVERIFY2(m.text.count(u'\n') <= 6, qPrintable(QStringLiteral("tree %1: %2").arg(tree).arg(m.text.left(300))));
            }
        }
        // The trees are bad enough to be refused somewhere.
        QVERIFY(errors > 200);
    }

    // A FIFO (which blocks a careless open for good), a link to /dev/zero (endless), a directory
    // and an oversize file in place of every value file: the start-up load and each game's
    // load refuse it with the store's error within a second.
    void hostileFilesAreRefusedAtOnce()
    {
        zortest::TestEnv env(zortest::TestEnv::WithGameFiles);
        QDir().mkpath(env.dir() + "/Desktop");
        qputenv("XDG_DESKTOP_DIR", QFile::encodeName(env.dir() + "/Desktop"));
        createScreens();
        CoC_jogo->show();
        frm_cn->show();
        const auto timed = [](const std::function<void()>& fn) {
            QElapsedTimer clock;
            clock.start();
            guarded(fn);
            return clock.elapsed();
        };
        const QList<Setting> coinGame = {Setting::modo, Setting::dinheiro, Setting::apostas, Setting::ganhou,
                                         Setting::perdeu, Setting::nome, Setting::valor, Setting::coc};
        for (const QString& kind : kHostileKinds) {
            for (Setting s : SettingsStore::kAll) {
                const QString path = SettingsStore::diskPath(SettingsStore::path(s));
                const QByteArray keep = env.readFile(path);
                putHostile(env, path, kind);
                const QString what = kind + " as " + path;
                env.dialogs->messages.clear();
                settings().reset();
                QVERIFY2(timed([] { Loading->FormShow(); }) < 1000, qPrintable(what));
                QCOMPARE(env.dialogs->texts("error"), QStringList({hostileError(path, kind)}));
                QVERIFY(settings().holdsPlaceholder(s));

                // Each game's load of its own files.
                const bool isCoin = coinGame.contains(s);
                const bool isSlot = int(s) >= int(Setting::nomecn);
                if (isCoin || isSlot) {
                    env.dialogs->messages.clear();
                    QVERIFY2(timed([isCoin] { isCoin ? CoC_jogo->b8Click() : frm_cn->lcarregarClick(); }) < 1000,
                             qPrintable(what));
                    QCOMPARE(env.dialogs->texts("error"), QStringList({hostileError(path, kind)}));
                    QVERIFY(!env.dialogs->texts("message").join("").contains("sucesso", Qt::CaseInsensitive));
                }
                env.remove(path);
                env.writeFile(path, keep);
            }
        }
        destroyScreens();
    }

    // The program with a hostile file in place of a settings file and of a game file starts,
    // shows the error, and still ends on SIGTERM.
    void endsOnSigtermWithHostileFiles()
    {
        for (const QString& kind : kHostileKinds) {
            zortest::TestEnv env(zortest::TestEnv::WithGameFiles);
            putHostile(env, "Config/som.txt", kind);
            putHostile(env, "Config/Jogos/cn/apostas.txt", kind);
            QProcess program;
            program.start(QStringLiteral(ZOR_SAVE_LOOP), {QStringLiteral("start"), env.dir()});
            QElapsedTimer clock;
            clock.start();
            QByteArray out;
            while (!out.contains("ready\n") && clock.elapsed() < 10000 && program.waitForReadyRead(10000))
                out += program.readAll();
            QVERIFY2(out.contains("ready\n"), qPrintable(kind + ": " + out));
            QVERIFY2(out.contains("error: " + hostileError("Config/som.txt", kind).toUtf8()), qPrintable(out));
            QVERIFY2(out.contains("error: " + hostileError("Config/Jogos/cn/apostas.txt", kind).toUtf8()),
                     qPrintable(out));
            clock.restart();
            ::kill(pid_t(program.processId()), SIGTERM);
            QVERIFY2(program.waitForFinished(5000), qPrintable(kind));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
            QVERIFY2(clock.elapsed() < 1000, qPrintable(QStringLiteral("%1: %2 ms").arg(kind).arg(clock.elapsed())));
        }
    }
};

QTEST_MAIN(BadSettings)
#include "test_bad_settings.moc"
