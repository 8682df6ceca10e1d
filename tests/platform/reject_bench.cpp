// zor-reject-bench: how long the program takes to refuse a settings value it cannot use, for
// values of every size and kind. scripts/bench prints the figures beside their target (under
// 100 ms each). Each case writes "Config/cor.txt" in a scratch folder, then times the reload of
// the theme buffer and the themed picture's load, error text included.
#include "app/screens.h"
#include "controls/picture.h"
#include "platform/errors.h"
#include "settings/store.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zor::initApplication();
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir().mkpath(dir.path() + "/Config") || !QDir::setCurrent(dir.path()))
        return 1;

    QByteArray binary(64 * 1024, Qt::Uninitialized);
    QRandomGenerator rng(7);
    for (char& c : binary)
        c = char(rng.bounded(256));
    const QList<QPair<const char*, QByteArray>> cases = {
        {"10 MB of text", QByteArray(10 * 1024 * 1024, 'z')},
        {"64 KiB of binary bytes", binary},
        {"a 10 MB picture name", QByteArray(10 * 1024 * 1024, 'n') + ".jpg"},
        {"100,000 line breaks", QByteArray(100'000, '\n')},
    };
    QWidget host;
    zor::Picture background(&host, QStringLiteral("graconf"), {0, 0, 50, 50});
    double worst = 0;
    for (const auto& [name, bytes] : cases) {
        QFile f(QStringLiteral("Config/cor.txt"));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            return 1;
        f.close();
        QElapsedTimer timer;
        timer.start();
        QString error;
        try {
            zor::settings().load(zor::Setting::memo);
            background.loadFromFile(zor::setting(zor::Setting::memo));
        } catch (const zor::AppError& e) {
            error = e.text();
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        worst = std::max(worst, ms);
        std::printf("%-24s %8.1f ms  (error of %lld characters)\n", name, ms, static_cast<long long>(error.size()));
    }
    std::printf("worst %.1f ms\n", worst);
    return 0;
}
