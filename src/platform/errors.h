#pragma once
// The program's failures: each carries the exact text the error box shows.
#include <stdexcept>
#include <QString>

namespace zor {

// A failure inside an event handler. The handler guard catches it, shows its text in the
// error box and lets the program go on; the failed handler simply ends there.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const noexcept { return text_; }

private:
    QString text_;
};

// A value or path as an error text quotes it: at most 200 characters and four line breaks,
// then an ellipsis, with control and invisible characters shown as '?', so that an error box
// stays readable and fits the screen whatever a file held.
QString quoted(const QString& value);

// Each builder quotes its value or path as above.
// "Cannot open file "PATH". REASON"
AppError openError(const QString& path, const QString& reason);
// "Cannot create file "PATH". REASON"
AppError createError(const QString& path, const QString& reason);
// "'TEXT' is not a valid integer value"
AppError intConvertError(const QString& text);
// "'TEXT' is not a valid floating point value"
AppError floatConvertError(const QString& text);

} // namespace zor
