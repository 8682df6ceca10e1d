#include "platform/errors.h"

namespace zor {

AppError openError(const QString& path, const QString& reason)
{
    return AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
}

AppError createError(const QString& path, const QString& reason)
{
    return AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
}

AppError intConvertError(const QString& text)
{
    return AppError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

AppError floatConvertError(const QString& text)
{
    return AppError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

} // namespace zor
