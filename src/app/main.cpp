// Cassino ZOR: the program's entry. Takes no arguments.
#include "app/loading.h"
#include "app/screens.h"
#include "platform/services.h"
#include "platform/signals.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zor::initApplication();
    zor::installRealServices();
    // kill, Ctrl+C and a logout end the program as its own "end" actions do.
    zor::routeEndSignals([](int) { zor::endOnRequest(); });
    zor::setApplicationTitle(QString::fromUtf8(zor::kFirstTitle));
    zor::createScreens();
    Loading->show();
    const int rc = QApplication::exec();
    // The screens live until the process ends; nothing is saved at exit.
    return rc;
}
