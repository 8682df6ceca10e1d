#include "platform/guard.h"

#include "platform/errors.h"
#include "platform/services.h"

#include <QString>
#include <exception>

namespace zor {

bool guarded(const std::function<void()>& fn)
{
    QString text;
    try {
        fn();
        return true;
    } catch (const AppError& e) {
        text = e.text();
    } catch (const std::exception& e) {
        text = QString::fromLocal8Bit(e.what());
    } catch (...) {
        text = QStringLiteral("Erro desconhecido.");
    }
    // The box is shown outside the catch so that a failure inside the box cannot nest.
    dialogs().error(text);
    return false;
}

} // namespace zor
