#pragma once
// Number conversions of the saved games.
#include <QString>

namespace zor {

// Strict decimal integer: optional sign, digits, nothing else, within 32 bits.
// Throws "'TEXT' is not a valid integer value".
int strToInt(const QString& text);
QString intToStr(int value);

// Money of the coin game: general format with up to 15 significant digits, the decimal
// separator of the user's locale, no group separators ("12,5" in a Brazilian locale).
QString floatToStr(double value);
// Reads money back. Either decimal separator, ',' or '.', is accepted, so that a game saved
// under one locale still loads under another. Throws "'TEXT' is not a valid floating point value".
double strToFloat(const QString& text);

// The decimal separator of the user's locale (LC_NUMERIC / LANG).
QChar localeDecimalPoint();

} // namespace zor
