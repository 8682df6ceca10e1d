// zor-save-loop DIR: saves the heads-or-tails player name in DIR/Config over and over, a short
// and a long value in turn, until it is killed. The kill test runs it and kills it at random
// moments. Prints "ready" once the first save is done.
#include "settings/store.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: zor-save-loop DIR\n");
        return 2;
    }
    const QString shortValue = QStringLiteral("Ana");
    const QString longValue(512 * 1024, u'x');
    zor::SettingsStore& store = zor::settings();
    for (unsigned long i = 0;; ++i) {
        store.set(zor::Setting::nome, i % 2 ? longValue : shortValue);
        store.save(zor::Setting::nome);
        if (i == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
