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

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QRandomGenerator>
#include <QTest>

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
};

QTEST_MAIN(BadSettings)
#include "test_bad_settings.moc"
