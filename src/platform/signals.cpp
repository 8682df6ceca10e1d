#include "platform/signals.h"

#include "platform/services.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zor {

namespace {

int g_pipe[2] = {-1, -1};
bool g_ending = false;

void writeSignal(int sig)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(sig);
    // A full pipe drops the byte: the ending is already on its way.
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1);
    errno = saved;
}

} // namespace

bool routeEndSignals(std::function<void(int)> onSignal)
{
    if (g_pipe[0] >= 0)
        return false;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0)
        return false;
    auto* notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [onSignal = std::move(onSignal)] {
        unsigned char byte = 0;
        while (::read(g_pipe[1], &byte, 1) == 1)
            onSignal(byte);
    });

    struct sigaction sa = {};
    sa.sa_handler = writeSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    bool ok = true;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ok = ::sigaction(sig, &sa, nullptr) == 0 && ok;
    return ok;
}

void endOnRequest()
{
    if (g_ending)
        return;
    g_ending = true;
    if (services().sound)
        services().sound->stop();
    // Leaves the main loop and every nested one; a loop started later returns at once.
    if (services().quit)
        services().quit();
    else
        QCoreApplication::exit(0);
}

bool endRequested()
{
    return g_ending;
}

} // namespace zor
