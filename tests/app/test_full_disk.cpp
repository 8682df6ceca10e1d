// Saves on a full disk, through the screens that save: the coin table's "Salvar jogo", the slot
// machine's "Salvar Jogo" and the configuration screen's Save. Every old file stays whole, the
// system's reason is shown in the error box, and nothing reports success. Run as root (as CI
// does), the Config tree lies on a small tmpfs filled to the last byte; otherwise the platform's
// writer is told to fail as a full disk does.
// Last, an end requested while the name dialog of a first save is open: nothing is written and
// nothing reports success.
#include "app/screens.h"
#include "fakes.h"
#include "games/coin/coin_game.h"
#include "games/coin/coin_table.h"
#include "games/slots/slot_game.h"
#include "games/slots/slot_machine.h"
#include "platform/guard.h"
#include "platform/signals.h"
#include "platform/textfile.h"
#include "settings/config_screen.h"
#include "settings/store.h"
#include "shell/name_dialog.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace zor;

namespace {

using Tree = QMap<QString, QByteArray>;

// Every file under Config with its bytes.
Tree configTree()
{
    Tree tree;
    QDirIterator it(QStringLiteral("Config"), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String("enchimento")))
            continue;
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            tree.insert(path, f.readAll());
    }
    return tree;
}

QStringList successTexts(const zortest::FakeDialogs& d)
{
    QStringList out;
    for (const zortest::Message& m : d.messages) {
        if (m.kind == QLatin1String("message") && m.text.contains(QLatin1String("sucesso"), Qt::CaseInsensitive))
            out.append(m.text);
    }
    return out;
}

} // namespace

class FullDisk : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;
    bool mounted = false;

    // Fills the disk: on the tmpfs a filler file takes every free byte; elsewhere the writer
    // fails as a full disk does.
    void fill()
    {
        if (!mounted) {
            simulateWriteFailure(ENOSPC);
            return;
        }
        const int fd = ::open("Config/enchimento", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0);
        const QByteArray chunk(4096, 'z');
        ssize_t put;
        while ((put = ::write(fd, chunk.constData(), chunk.size())) > 0) {
        }
        QCOMPARE(errno, ENOSPC);
        // Even a byte no longer fits.
        while (::write(fd, "z", 1) == 1) {
        }
        ::close(fd);
    }
    void makeRoom()
    {
        simulateWriteFailure(0);
        QFile::remove(QStringLiteral("Config/enchimento"));
    }

    void expectNothingSaved(const Tree& before)
    {
        const QString full = QString::fromLocal8Bit(std::strerror(ENOSPC));
        const QStringList errors = env->dialogs->texts("error");
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].startsWith("Cannot create file \"Config/") && errors[0].endsWith(". " + full),
                 qPrintable(errors[0]));
        QVERIFY2(successTexts(*env->dialogs).isEmpty(), qPrintable(successTexts(*env->dialogs).join(", ")));
        QCOMPARE(configTree(), before);
        env->dialogs->messages.clear();
    }

private slots:
    void initTestCase() { initApplication(); }
    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        mounted = false;
        if (::geteuid() == 0) {
            // The installed tree moves onto a 256 KiB tmpfs mounted in its place.
            const Tree tree = configTree();
            const QByteArray where = QFile::encodeName(env->dir() + "/Config");
            if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=256k,mode=0755") == 0) {
                mounted = true;
                for (auto it = tree.begin(); it != tree.end(); ++it)
                    env->writeFile(it.key(), it.value());
            } else {
                qInfo("no tmpfs (%s): the writer fails as a full disk would", std::strerror(errno));
            }
        }
        QCOMPARE(configTree().size(), kSettingCount);
        settings().reset();
        settings().loadAll();
        createScreens();
    }
    void cleanup()
    {
        destroyScreens();
        makeRoom();
        if (mounted)
            QCOMPARE(::umount2(QFile::encodeName(env->dir() + "/Config").constData(), MNT_DETACH), 0);
        env.reset();
    }

    void coinSaveOnAFullDisk()
    {
        CoC_jogo->show();
        QVERIFY(guarded([] { CoC_jogo->b8Click(); }));
        CoC_jogo->balao->hide(); // the load's balloon
        env->dialogs->messages.clear();
        coin::CoinGame& g = coin::game();
        g.money = 321;
        g.bets = 9;
        g.unsaved = true;
        const Tree before = configTree();
        fill();
        QVERIFY(!guarded([] { CoC_jogo->b7Click(); }));
        expectNothingSaved(before);
        QVERIFY(!CoC_jogo->balao->isVisible());
        QVERIFY(g.unsaved);

        // With room again the same save goes through, and says so.
        makeRoom();
        QVERIFY(guarded([] { CoC_jogo->b7Click(); }));
        QCOMPARE(successTexts(*env->dialogs), QStringList({"O Jogo foi salvo com Sucesso !"}));
        QCOMPARE(env->readFile("Config/Jogos/coc/dinheiro.txt"), QByteArray("321"));
        QCOMPARE(env->readFile("Config/Jogos/coc/apostas.txt"), QByteArray("9"));
    }

    void slotSaveOnAFullDisk()
    {
        frm_cn->show();
        QVERIFY(guarded([] { frm_cn->lcarregarClick(); }));
        QApplication::processEvents();
        frm_cn->Timer4->setEnabled(false);
        frm_cn->l->hide();
        env->dialogs->messages.clear();
        cn::SlotGame& g = cn::slotGame();
        g.money = 7777;
        g.pulls = 12;
        g.unsaved = true; // as after a pull, which also enables "Salvar Jogo"
        frm_cn->lsalvar->setEnabled(true);
        const Tree before = configTree();
        fill();
        QVERIFY(!guarded([] { frm_cn->SalvarJogo1Click(); }));
        expectNothingSaved(before);
        QVERIFY(!frm_cn->l->isVisible());
        // Nothing was saved: the play stays unsaved and the button stays there to try again.
        QVERIFY(g.unsaved);
        QVERIFY(frm_cn->lsalvar->isEnabled());

        makeRoom();
        QVERIFY(guarded([] { frm_cn->SalvarJogo1Click(); }));
        QCOMPARE(successTexts(*env->dialogs), QStringList({"O Jogo foi salvo com Sucesso !"}));
        QVERIFY(frm_cn->l->isVisible());
        QVERIFY(!g.unsaved);
        QVERIFY(!frm_cn->lsalvar->isEnabled());
        QCOMPARE(env->readFile("Config/Jogos/cn/dinheiro.txt"), QByteArray("7777"));
        QCOMPARE(env->readFile("Config/Jogos/cn/apostas.txt"), QByteArray("12"));
    }

    void settingsSaveOnAFullDisk()
    {
        env->dialogs->scripts["frm_conf"] = [this](QDialog*) {
            frm_conf->CheckBox5->setChecked(false); // sound effects off
            const Tree before = configTree();
            fill();
            QVERIFY(!guarded([] { frm_conf->Button1Click(); }));
            expectNothingSaved(before);
            QVERIFY(frm_conf->isVisible());
            makeRoom();
            QVERIFY(guarded([] { frm_conf->Button1Click(); }));
        };
        dialogs().showModal(frm_conf);
        QCOMPARE(successTexts(*env->dialogs).size(), 1);
        QCOMPARE(env->readFile("Config/som.txt"), QByteArray("n"));
    }

    // Must stay the last case: an end request cannot be taken back within the process.
    void endRequestedInTheNameDialogSavesAndReportsNothing()
    {
        CoC_jogo->show();
        frm_cn->show();
        QVERIFY(CoC_jogo->nomeCaption() == TCoC_jogo::namePrompt());
        QVERIFY(frm_cn->nomeCaption() == Tfrm_cn::kNomePadrao);
        coin::game().money = 1;
        cn::slotGame().money = 2;
        const Tree before = configTree();
        bool asked = false;
        env->dialogs->scripts["frm_nome"] = [&](QDialog*) {
            asked = true;
            frm_nome->Edit1->setText(QStringLiteral("Zeca"));
            // SIGTERM arrives while the dialog is open; the dialog's loop is left.
            endOnRequest();
            frm_nome->close();
        };
        guarded([] { CoC_jogo->b7Click(); });
        QVERIFY(asked);
        asked = false;
        guarded([] { frm_cn->lsalvarClick(); });
        QVERIFY(asked);
        QVERIFY(endRequested());
        QCOMPARE(configTree(), before);
        QVERIFY(env->dialogs->messages.isEmpty());
        QVERIFY(!CoC_jogo->balao->isVisible());
        QVERIFY(!frm_cn->l->isVisible());
    }
};

QTEST_MAIN(FullDisk)
#include "test_full_disk.moc"
