#pragma once
// 8-bit text files in the Windows-1252 character set, the character set of every settings
// file the game reads and writes.
#include <QByteArray>
#include <QList>
#include <QString>

namespace zor {

QString fromCp1252(const QByteArray& bytes);
// Characters outside Windows-1252 become '?'.
QByteArray toCp1252(const QString& text);
// Whether every character of text has a Windows-1252 byte.
bool fitsCp1252(const QString& text);

// A value file's bytes as text: bytes that are valid UTF-8 holding at least one letter beyond
// ASCII ("Jo\xC3\xA3o", written by a UTF-8 editor) are read as UTF-8; all else is Windows-1252.
QString decodeValueBytes(const QByteArray& bytes);
// The bytes a value file is written with: Windows-1252, or UTF-8 for a text that has
// characters Windows-1252 lacks (which only a UTF-8 file can have brought in), so that no
// letter is lost and the file reads back to the same text.
QByteArray encodeValueText(const QString& text);

// Turns every line break (CR, LF, CR LF or LF CR) into CR LF.
QString normaliseLineBreaks(const QString& text);

// The largest value file read or written, in bytes. Values are a few bytes; anything larger is
// refused before it is read.
inline constexpr qint64 kMaxValueFileBytes = 64 * 1024;
// The reason an error gives for something that is not a regular file (a directory gives the
// system's own reason).
QString notRegularFileReason();

// Reads the whole file (decodeValueBytes) with normalised line breaks. Never blocks: anything
// but a regular file (a FIFO, a device, a socket, a directory, a link to one of these) is
// refused before a byte is read, and a file larger than kMaxValueFileBytes is refused unread.
// Throws the "Cannot open file" AppError with the reason.
QString readTextFile(const QString& path);

// Writes text byte for byte (encodeValueText), with no line break added. The bytes go to a
// temporary file "NAME.XXXXXX" in the same directory, written unbuffered with every write
// checked and synced to the disk, that then replaces the old file with the old file's
// permission bits, so a crash or a full disk never leaves a torn or empty file. Throws the
// "Cannot create file" AppError with the system's reason when the directory is missing or not a
// directory, the existing file is read-only or not a regular file, the text is larger than
// kMaxValueFileBytes, or a write fails; the old file is then untouched.
void writeTextFile(const QString& path, const QString& text);

struct TextFileWrite {
    QString path;
    QString text;
};
// Writes several files as one: either every file gets its new text or, whatever happens (a
// failure, a full disk, the process killed at any instant), every old file stays as it was,
// once finishInterruptedWrites has run at the next start. Every temporary is written and synced
// first; then the journal (a small file at journalPath naming each temporary and the file it
// replaces) is written and synced, which commits the set; then the temporaries are renamed in
// order and the journal removed. A failure before the commit removes the temporaries and throws
// the "Cannot create file" AppError of the file (or journal) that failed, with nothing changed.
void writeTextFiles(const QList<TextFileWrite>& files, const QString& journalPath);
// At start-up: finishes a set whose journal is on disk (renames the temporaries it names that
// are still there, then removes the journal). A set that was killed before its commit left no
// journal: its temporaries are stale, for removeSaveTemporaries. Returns whether a set was
// finished. Throws the "Cannot create file" AppError when a rename fails (the journal stays).
bool finishInterruptedWrites(const QString& journalPath);

// Whether candidate is the name of a temporary file that writeTextFile leaves beside fileName
// when it is killed before the rename ("som.txt.a1B2c3" for "som.txt").
bool isSaveTemporaryOf(const QString& candidate, const QString& fileName);
// Removes the temporary files a killed save left beside the file at path, and nothing else.
// Returns how many were removed.
int removeSaveTemporaries(const QString& path);

// Test seam: while err is not 0, the writes of value files fail with that system error once
// keepBytes bytes in all have been written (as a disk that fills up does).
void simulateWriteFailure(int err, qint64 keepBytes = 0);

} // namespace zor
