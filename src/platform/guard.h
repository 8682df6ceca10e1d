#pragma once
// The handler guard: every event handler of every screen runs inside it. A failure (an
// AppError, or any other exception) ends the handler, its text is shown in the modal error
// box, and control returns to the event loop so the program goes on. No exception may cross
// Qt's signal or event dispatch.
#include <QObject>
#include <functional>
#include <type_traits>
#include <utility>

namespace zor {

// Runs fn; on failure shows the error box. Returns false when fn failed.
bool guarded(const std::function<void()>& fn);

// connect() whose slot runs inside the guard. The handler takes either all of the signal's
// arguments or none of them.
template <typename Sender, typename Signal, typename Fn>
QMetaObject::Connection on(Sender* sender, Signal signal, QObject* context, Fn fn)
{
    return QObject::connect(sender, signal, context, [fn = std::move(fn)](auto&&... args) {
        guarded([&] {
            if constexpr (std::is_invocable_v<const Fn&, decltype(args)...>)
                fn(std::forward<decltype(args)>(args)...);
            else
                fn();
        });
    });
}

} // namespace zor
