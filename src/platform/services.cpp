#include "platform/services.h"

namespace zor {

// The one set of services of the process; installRealServices (platform/desktop.h) or a
// test's doubles fill it.
Services& services()
{
    static Services s;
    return s;
}

} // namespace zor
