#include "platform/errors.h"

namespace zor {

QString quoted(const QString& value)
{
    constexpr qsizetype kMaxChars = 200;
    constexpr int kMaxBreaks = 4;
    qsizetype end = 0;
    int breaks = 0;
    while (end < value.size() && end < kMaxChars) {
        const QChar c = value.at(end);
        if (c == u'\r' || c == u'\n') {
            if (breaks == kMaxBreaks)
                break;
            ++breaks;
            // CR LF and LF CR are one break.
            if (end + 1 < value.size() && end + 1 < kMaxChars) {
                const QChar next = value.at(end + 1);
                if ((next == u'\r' || next == u'\n') && next != c)
                    ++end;
            }
        }
        ++end;
    }
    // Never cut a character in two.
    if (end < value.size() && end > 0 && value.at(end - 1).isHighSurrogate())
        --end;
    QString out = value.left(end);
    // Control and invisible characters (binary bytes, zero-width marks) show as '?'.
    for (QChar& c : out) {
        const QChar::Category cat = c.category();
        if (c != u'\r' && c != u'\n'
            && (cat == QChar::Other_Control || cat == QChar::Other_Format || cat == QChar::Other_NotAssigned))
            c = u'?';
    }
    if (end < value.size())
        out += QChar(0x2026);
    return out;
}

AppError openError(const QString& path, const QString& reason)
{
    return AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(quoted(path), reason));
}

AppError createError(const QString& path, const QString& reason)
{
    return AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(quoted(path), reason));
}

AppError intConvertError(const QString& text)
{
    return AppError(QStringLiteral("'%1' is not a valid integer value").arg(quoted(text)));
}

AppError floatConvertError(const QString& text)
{
    return AppError(QStringLiteral("'%1' is not a valid floating point value").arg(quoted(text)));
}

} // namespace zor
