#include "platform/numbers.h"

#include "platform/errors.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace zor {

int strToInt(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n)
        throw intConvertError(text);
    qint64 value = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            throw intConvertError(text);
        value = value * 10 + (c.unicode() - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            throw intConvertError(text);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        throw intConvertError(text);
    return int(value);
}

QString intToStr(int value)
{
    return QString::number(value);
}

QChar localeDecimalPoint()
{
    const QString dp = QLocale::system().decimalPoint();
    return dp.isEmpty() ? QChar(u'.') : dp.at(0);
}

QString floatToStr(double value)
{
    // 'g' with 15 significant digits drops trailing zeros; plain C formatting keeps it free
    // of group separators, then the locale's separator takes the point's place.
    QString s = QString::number(value, 'g', 15);
    if (s.contains(u'e')) {
        // General format writes exponents as "1.5E+20".
        s.replace(u'e', u'E');
    }
    const QChar dp = localeDecimalPoint();
    if (dp != u'.')
        s.replace(u'.', dp);
    return s;
}

double strToFloat(const QString& text)
{
    QString s = text.trimmed();
    if (s.isEmpty() || s.count(u',') + s.count(u'.') > 1)
        throw floatConvertError(text);
    s.replace(u',', u'.');
    bool ok = false;
    const double v = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(v))
        throw floatConvertError(text);
    return v;
}

} // namespace zor
