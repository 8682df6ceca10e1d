#pragma once
// Ending on request: SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C, logout) end the program through
// its event loop. The signal handler itself only writes the signal's number into a pipe; a
// socket notifier reads it on the user-interface thread and runs the ending there, so nothing
// but an async-signal-safe write ever runs inside the handler.
#include <functional>

namespace zor {

// Installs the handlers for SIGTERM, SIGINT and SIGHUP. onSignal runs on the event loop's
// thread, once per signal received, with the signal's number. Call once, after the
// application object exists. Returns false if the pipe or a handler could not be set up.
bool routeEndSignals(std::function<void(int)> onSignal);

// The program's ending: from now on no settings file is written, cues stop and every running
// event loop (modal dialogs included) is left, so the process ends and closes the audio device.
void endOnRequest();
// Whether endOnRequest has run.
bool endRequested();

} // namespace zor
