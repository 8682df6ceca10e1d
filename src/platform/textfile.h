#pragma once
// 8-bit text files in the Windows-1252 character set, the character set of every settings
// file the game reads and writes.
#include <QByteArray>
#include <QString>

namespace zor {

QString fromCp1252(const QByteArray& bytes);
// Characters outside Windows-1252 become '?'.
QByteArray toCp1252(const QString& text);

// Turns every line break (CR, LF, CR LF or LF CR) into CR LF.
QString normaliseLineBreaks(const QString& text);

// Reads the whole file as Windows-1252 text with normalised line breaks.
// Throws the "Cannot open file" AppError when it cannot be opened or read.
QString readTextFile(const QString& path);

// Writes text byte for byte (Windows-1252), with no line break added. The bytes go to a
// temporary file "NAME.XXXXXX" in the same directory that then replaces the old file, with the
// old file's permission bits, so a crash never leaves a torn or empty file. Throws the "Cannot
// create file" AppError with the system's reason when the directory is missing or not a
// directory, the existing file is read-only, or the write fails; the old file is then untouched.
void writeTextFile(const QString& path, const QString& text);

// Whether candidate is the name of a temporary file that writeTextFile leaves beside fileName
// when it is killed before the rename ("som.txt.a1B2c3" for "som.txt").
bool isSaveTemporaryOf(const QString& candidate, const QString& fileName);
// Removes the temporary files a killed save left beside the file at path, and nothing else.
// Returns how many were removed.
int removeSaveTemporaries(const QString& path);

} // namespace zor
