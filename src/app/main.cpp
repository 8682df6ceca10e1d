// Cassino ZOR: the program's entry. Takes no arguments.
#include "app/loading.h"
#include "app/screens.h"
#include "platform/services.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zor::initApplication();
    zor::installRealServices();
    zor::setApplicationTitle(QString::fromUtf8(zor::kFirstTitle));
    zor::createScreens();
    Loading->show();
    const int rc = QApplication::exec();
    // The screens live until the process ends; nothing is saved at exit.
    return rc;
}
