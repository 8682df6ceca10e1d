// zor-save-loop MODE DIR: the program's own code at work in the game folder DIR, for the tests
// that kill it or end it from outside.
//   name   saves the heads-or-tails player name over and over, a short and a long value in turn.
//   coin   saves whole heads-or-tails games over and over through the coin table's "Salvar jogo",
//          game A and game B in turn (see kCoinGames).
//   slots  saves whole slot games over and over through the slot machine's "Salvar Jogo", game A
//          and game B in turn (see kSlotGames).
//   start  runs the start-up (the loading screen's load), then each game's load, and then the
//          event loop until the program is ended (SIGTERM and the like, as the real program).
// Prints every error box as "error: TEXT" and "ready" once the first save (or the loads) is
// done; coin and slots print "ready MICROSECONDS" after two saves, with the time one took.
#include "app/loading.h"
#include "app/screens.h"
#include "fakes.h"
#include "games/coin/coin_game.h"
#include "games/coin/coin_table.h"
#include "games/slots/slot_game.h"
#include "games/slots/slot_machine.h"
#include "platform/guard.h"
#include "platform/signals.h"
#include "settings/store.h"
#include "save_loop.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <cstdio>

namespace {

// Error boxes are printed, every other box and cue is dropped.
class PrintedDialogs final : public zor::Dialogs {
public:
    void message(const QString&) override {}
    void warning(const QString&) override {}
    void error(const QString& text) override
    {
        std::printf("error: %s\n", qPrintable(text.simplified()));
        std::fflush(stdout);
    }
    int showModal(QDialog*) override { return 0; }
    void beep(zor::Beep) override {}
};

void ready()
{
    std::puts("ready");
    std::fflush(stdout);
}

// After the first two saves: "ready" and how long one save took, in microseconds, so that
// the killer can aim inside the saves.
void readyAfterTwo(unsigned long i, QElapsedTimer& clock)
{
    if (i == 0) {
        clock.start();
    } else if (i == 1) {
        std::printf("ready %lld\n", static_cast<long long>(clock.nsecsElapsed() / 1000));
        std::fflush(stdout);
    }
}

// Lets the screens settle (their first painting) before the saves start.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void installServices()
{
    zor::services().dialogs = std::make_shared<PrintedDialogs>();
    zor::services().sound = std::make_shared<zortest::FakeSound>();
    zor::services().random = std::make_shared<zortest::FakeRandom>();
    zor::services().makeMusic = [] { return std::unique_ptr<zor::MusicPlayer>(); };
    zor::services().quit = [] { QCoreApplication::exit(0); };
    zor::services().minimise = [] {};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || !QDir::setCurrent(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "usage: zor-save-loop name|coin|slots|start DIR\n");
        return 2;
    }
    const QByteArray mode = argv[1];
    zor::SettingsStore& store = zor::settings();
    if (mode == "name") {
        const QString shortValue = QStringLiteral("Ana");
        const QString longValue(zorloop::kLongName, u'x');
        for (unsigned long i = 0;; ++i) {
            store.set(zor::Setting::nome, i % 2 ? longValue : shortValue);
            store.save(zor::Setting::nome);
            if (i == 0)
                ready();
        }
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The start-up's desktop launcher goes into the folder, not onto a real desktop.
    QDir().mkpath(QStringLiteral("Desktop"));
    qputenv("XDG_DESKTOP_DIR", QFile::encodeName(QDir::current().absoluteFilePath(QStringLiteral("Desktop"))));
    QApplication app(argc, argv);
    zor::initApplication();
    installServices();
    zor::routeEndSignals([](int) { zor::endOnRequest(); });
    zor::createScreens();
    // The start-up load, as the loading screen runs it when first shown.
    zor::guarded([] { Loading->FormShow(); });

    if (mode == "coin") {
        CoC_jogo->show();
        // The load gives the table the saved player's name, so no save asks for one.
        zor::guarded([] { CoC_jogo->b8Click(); });
        settle();
        QElapsedTimer clock;
        for (unsigned long i = 0;; ++i) {
            const zorloop::CoinGame& want = zorloop::kCoinGames[i % 2];
            zor::coin::CoinGame& g = zor::coin::game();
            g.mode = static_cast<zor::coin::Mode>(want.mode);
            g.side = QString::fromLatin1(want.side);
            g.coinValue = want.coinValue;
            g.money = want.money;
            g.bets = want.bets;
            g.wins = want.wins;
            g.losses = want.losses;
            store.set(zor::Setting::nome, QString::fromLatin1(want.name));
            if (!zor::guarded([] { CoC_jogo->b7Click(); }))
                return 1;
            readyAfterTwo(i, clock);
            // An end request (SIGTERM) arrives through the event loop.
            QCoreApplication::processEvents();
            if (zor::endRequested())
                return 0;
        }
    }
    if (mode == "slots") {
        frm_cn->show();
        zor::guarded([] { frm_cn->lcarregarClick(); });
        settle();
        QElapsedTimer clock;
        for (unsigned long i = 0;; ++i) {
            const zorloop::SlotGame& want = zorloop::kSlotGames[i % 2];
            zor::cn::SlotGame& g = zor::cn::slotGame();
            g.money = want.money;
            g.won = want.won;
            g.lost = want.lost;
            g.pulls = want.pulls;
            g.twoEqual = want.twoEqual;
            g.threeEqual = want.threeEqual;
            g.noMatch = want.noMatch;
            store.set(zor::Setting::nomecn, QString::fromLatin1(want.name));
            if (!zor::guarded([] { frm_cn->lsalvarClick(); }))
                return 1;
            readyAfterTwo(i, clock);
            QCoreApplication::processEvents();
            if (zor::endRequested())
                return 0;
        }
    }
    if (mode == "start") {
        CoC_jogo->show();
        zor::guarded([] { CoC_jogo->b8Click(); });
        frm_cn->show();
        zor::guarded([] { frm_cn->lcarregarClick(); });
        ready();
        return QApplication::exec();
    }
    std::fprintf(stderr, "unknown mode %s\n", mode.constData());
    return 2;
}
