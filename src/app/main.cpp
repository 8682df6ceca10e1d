// Cassino ZOR: the program's entry. Takes no arguments.
#include "app/loading.h"
#include "app/screens.h"
#include "controls/form.h"
#include "platform/gamefolder.h"
#include "platform/services.h"
#include "platform/shortcut.h"
#include "platform/signals.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Before the first window: the Wayland app id names the installed desktop entry.
    zor::identifyToDesktop();
    // Fixed-size windows stay so, whatever a title bar offers.
    zor::keepFixedWindowsUnmaximised();
    zor::initApplication();
    zor::installRealServices();
    // An installed game runs in the player's own folder; a game folder runs where it is.
    const zor::GameFolder where = zor::chooseGameFolder(QDir::currentPath(), QCoreApplication::applicationDirPath());
    if (where.outcome == zor::GameFolder::Failed) {
        zor::dialogs().error(QStringLiteral("O Cassino ZOR não pôde preparar a sua pasta de jogo.\n\n%1").arg(where.error));
        return 1;
    }
    if (where.outcome == zor::GameFolder::Prepared)
        QDir::setCurrent(where.folder);
    QApplication::setWindowIcon(zor::windowIconFor(QDir::currentPath()));
    // kill, Ctrl+C and a logout end the program as its own "end" actions do.
    zor::routeEndSignals([](int) { zor::endOnRequest(); });
    zor::setApplicationTitle(QString::fromUtf8(zor::kFirstTitle));
    zor::createScreens();
    Loading->show();
    const int rc = QApplication::exec();
    // The screens live until the run ends; nothing is saved at exit. They go before the
    // application object: windows left over when Qt closes its Wayland connection corrupt the
    // heap as the process ends.
    zor::destroyScreens();
    return rc;
}
