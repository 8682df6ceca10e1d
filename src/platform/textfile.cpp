#include "platform/textfile.h"

#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zor {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. Unassigned bytes map to themselves
// (as the C1 control characters), so every byte reads back to the byte it came from.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString systemReason(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

int g_failWith = 0;
qint64 g_failAfter = 0;

} // namespace

bool isSaveTemporaryOf(const QString& candidate, const QString& fileName)
{
    // A save writes "NAME.XXXXXX" beside NAME, six letters or digits.
    if (candidate.size() != fileName.size() + 7 || !candidate.startsWith(fileName)
        || candidate.at(fileName.size()) != u'.')
        return false;
    for (qsizetype i = fileName.size() + 1; i < candidate.size(); ++i) {
        const char16_t c = candidate.at(i).unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

int removeSaveTemporaries(const QString& path)
{
    const QFileInfo info(path);
    QDir dir = info.absoluteDir();
    int removed = 0;
    const QStringList names = dir.entryList({info.fileName() + QStringLiteral(".??????")},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (isSaveTemporaryOf(name, info.fileName()) && dir.remove(name))
            ++removed;
    }
    return removed;
}

QString fromCp1252(const QByteArray& bytes)
{
    // Written in place: a settings file can be megabytes of junk, and it must cost little.
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0, n = bytes.size(); i < n; ++i) {
        const unsigned char b = s[i];
        d[i] = QChar(b >= 0x80 && b < 0xA0 ? kHighTable[b - 0x80] : char16_t(b));
    }
    return out;
}

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(char(u));
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHighTable[i] == u) {
                mapped = char(0x80 + i);
                break;
            }
        }
        out.append(mapped);
    }
    return out;
}

bool fitsCp1252(const QString& text)
{
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
            continue;
        bool found = false;
        for (int i = 0; i < 32 && !found; ++i)
            found = kHighTable[i] == u;
        if (!found)
            return false;
    }
    return true;
}

namespace {

// Whether bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF)
// and hold at least one non-ASCII letter.
bool isUtf8WithLetters(const QByteArray& bytes)
{
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    bool letter = false;
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = s[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int len;
        char32_t cp;
        char32_t min;
        if ((b & 0xE0) == 0xC0) {
            len = 2, cp = b & 0x1F, min = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3, cp = b & 0x0F, min = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4, cp = b & 0x07, min = 0x10000;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        for (int k = 1; k < len; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        letter = letter || QChar::isLetter(cp);
        i += len;
    }
    return letter;
}

} // namespace

QString decodeValueBytes(const QByteArray& bytes)
{
    return isUtf8WithLetters(bytes) ? QString::fromUtf8(bytes) : fromCp1252(bytes);
}

QByteArray encodeValueText(const QString& text)
{
    return fitsCp1252(text) ? toCp1252(text) : text.toUtf8();
}

QString notRegularFileReason()
{
    return QStringLiteral("Not a regular file");
}

QString normaliseLineBreaks(const QString& text)
{
    const qsizetype n = text.size();
    const QChar* s = text.constData();
    // Most values hold no line break at all, or only CR LF pairs already: nothing to change.
    bool canonical = true;
    for (qsizetype i = 0; i < n && canonical; ++i) {
        if (s[i] == u'\n')
            canonical = false;
        else if (s[i] == u'\r')
            canonical = i + 1 < n && s[++i] == u'\n';
    }
    if (canonical)
        return text;
    QString out(n * 2, Qt::Uninitialized);
    QChar* d = out.data();
    qsizetype o = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = s[i];
        if (c == u'\r' || c == u'\n') {
            const QChar pair = c == u'\r' ? u'\n' : u'\r';
            if (i + 1 < n && s[i + 1] == pair)
                ++i;
            d[o++] = u'\r';
            d[o++] = u'\n';
        } else {
            d[o++] = c;
        }
    }
    out.truncate(o);
    return out;
}

namespace {

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

// Opens a file for reading without ever blocking (a FIFO with no writer would), and only a
// regular file: 0 and the descriptor, or the error's reason.
int openRegularForReading(const QString& path, QString* reason)
{
    const QByteArray native = nativePath(path);
    struct stat st = {};
    // Refused before it is opened: opening a device or a FIFO can have effects of its own.
    if (::stat(native.constData(), &st) != 0) {
        *reason = systemReason(errno);
        return -1;
    }
    if (S_ISDIR(st.st_mode)) {
        *reason = systemReason(EISDIR);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        *reason = notRegularFileReason();
        return -1;
    }
    int fd;
    do
        fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        *reason = systemReason(errno);
        return -1;
    }
    // The file may have been swapped since the check above: what was opened is what counts.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *reason = S_ISDIR(st.st_mode) ? systemReason(EISDIR) : notRegularFileReason();
        ::close(fd);
        return -1;
    }
    return fd;
}

// The whole content of a regular file of at most kMaxValueFileBytes; throws the open error.
QByteArray readCapped(const QString& path)
{
    QString reason;
    const int fd = openRegularForReading(path, &reason);
    if (fd < 0)
        throw openError(path, reason);
    QByteArray bytes;
    char chunk[8192];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int err = errno;
            ::close(fd);
            throw openError(path, systemReason(err));
        }
        if (got == 0)
            break;
        bytes.append(chunk, got);
        // Never more than one chunk past the cap, whatever the file claims its size is.
        if (bytes.size() > kMaxValueFileBytes) {
            ::close(fd);
            throw openError(path, systemReason(EFBIG));
        }
    }
    ::close(fd);
    return bytes;
}

// Why the directory that is to hold a file cannot: missing, or something other than a
// directory in its path. 0 when it is a directory.
int directoryFault(const QString& dir)
{
    struct stat st = {};
    if (::stat(nativePath(dir).constData(), &st) != 0)
        return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

// Writes all of bytes, or returns the error.
int writeAll(int fd, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        qint64 want = bytes.size() - done;
        if (g_failWith) {
            if (g_failAfter <= 0)
                return g_failWith;
            want = std::min(want, g_failAfter);
        }
        const ssize_t put = ::write(fd, bytes.constData() + done, size_t(want));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return errno;
        if (put == 0)
            return ENOSPC;
        done += put;
        if (g_failWith)
            g_failAfter -= put;
    }
    return 0;
}

// Syncs a directory, so that the names created and renamed in it are on the disk.
void syncDirectory(const QString& dir)
{
    const int fd = ::open(nativePath(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

mode_t defaultFileMode()
{
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mode_t(0666 & ~mask);
    }();
    return mode;
}

// One file of a set, checked and ready to be written.
struct Planned {
    QString shownPath; // as errors name it
    QString target;    // the file that is replaced (a link's target)
    QByteArray bytes;
    mode_t mode = 0;
    QString temporary;
};

Planned plan(const QString& path, const QByteArray& bytes)
{
    Planned p;
    p.shownPath = path;
    p.target = path;
    p.bytes = bytes;
    const QFileInfo info(path);
    if (const int fault = directoryFault(info.absolutePath()))
        throw createError(path, systemReason(fault));
    struct stat st = {};
    const QByteArray native = nativePath(path);
    if (::stat(native.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            throw createError(path, systemReason(EISDIR));
        if (!S_ISREG(st.st_mode))
            throw createError(path, notRegularFileReason());
        // An existing file the user made read-only refuses the save, as an in-place rewrite
        // would; the rename below must not quietly replace it.
        if (::access(native.constData(), W_OK) != 0)
            throw createError(path, systemReason(errno));
        // A link is followed: its target gets the new text and the link stays.
        char resolved[PATH_MAX];
        if (::realpath(native.constData(), resolved))
            p.target = QFile::decodeName(resolved);
        p.mode = st.st_mode & 07777;
    } else if (errno == ENOENT) {
        p.mode = defaultFileMode();
    } else {
        throw createError(path, systemReason(errno));
    }
    if (bytes.size() > kMaxValueFileBytes)
        throw createError(path, systemReason(EFBIG));
    return p;
}

// Writes p.bytes to a new temporary beside p.target, synced; returns the error (0: done).
int writeTemporary(Planned& p)
{
    QByteArray name = nativePath(p.target) + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    p.temporary = QFile::decodeName(name);
    int err = 0;
    if (::fchmod(fd, p.mode) != 0)
        err = errno;
    if (!err)
        err = writeAll(fd, p.bytes);
    if (!err && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err && errno != EINTR)
        err = errno;
    return err;
}

void removeTemporaries(const QList<Planned>& planned)
{
    for (const Planned& p : planned) {
        if (!p.temporary.isEmpty())
            ::unlink(nativePath(p.temporary).constData());
    }
}

QString dirOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

const QByteArray kJournalHead = "cassino-zor: arquivos salvos juntos\n";
const QByteArray kJournalEnd = "fim\n";

} // namespace

QString readTextFile(const QString& path)
{
    return normaliseLineBreaks(decodeValueBytes(readCapped(path)));
}

void writeTextFile(const QString& path, const QString& text)
{
    writeTextFiles({{path, text}}, QString());
}

void writeTextFiles(const QList<TextFileWrite>& files, const QString& journalPath)
{
    // Every file is checked before anything is written.
    QList<Planned> planned;
    for (const TextFileWrite& f : files)
        planned.append(plan(f.path, encodeValueText(f.text)));
    if (planned.isEmpty())
        return;
    for (Planned& p : planned) {
        if (const int err = writeTemporary(p)) {
            removeTemporaries(planned);
            throw createError(p.shownPath, systemReason(err));
        }
    }
    QSet<QString> dirs;
    for (const Planned& p : planned)
        dirs.insert(dirOf(p.target));

    // One file needs no journal: its rename is the whole change.
    const bool journaled = planned.size() > 1 && !journalPath.isEmpty();
    if (journaled) {
        Planned journal;
        QByteArray text = kJournalHead;
        for (const Planned& p : planned)
            text += QUrl::toPercentEncoding(p.temporary) + ' ' + QUrl::toPercentEncoding(p.target) + '\n';
        text += kJournalEnd;
        try {
            journal = plan(journalPath, QByteArray());
        } catch (...) {
            removeTemporaries(planned);
            throw;
        }
        journal.bytes = text;
        journal.target = journalPath;
        const int err = writeTemporary(journal);
        // The journal's rename commits the set.
        if (err || ::rename(nativePath(journal.temporary).constData(), nativePath(journalPath).constData()) != 0) {
            const int why = err ? err : errno;
            removeTemporaries(planned);
            removeTemporaries({journal});
            throw createError(journalPath, systemReason(why));
        }
        syncDirectory(dirOf(journalPath));
    }

    for (qsizetype i = 0; i < planned.size(); ++i) {
        const Planned& p = planned[i];
        if (::rename(nativePath(p.temporary).constData(), nativePath(p.target).constData()) != 0) {
            const int err = errno;
            if (!journaled)
                removeTemporaries(planned);
            // With a journal the set is committed: the next start finishes it.
            throw createError(p.shownPath, systemReason(err));
        }
    }
    for (const QString& dir : dirs)
        syncDirectory(dir);
    if (journaled) {
        ::unlink(nativePath(journalPath).constData());
        syncDirectory(dirOf(journalPath));
    }
}

bool finishInterruptedWrites(const QString& journalPath)
{
    const QByteArray native = nativePath(journalPath);
    struct stat st = {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    QByteArray text;
    try {
        text = readCapped(journalPath);
    } catch (const AppError&) {
        text.clear();
    }
    // Only a whole journal commits: its rename was the commit, so anything else is not one of
    // ours and commits nothing.
    if (!text.startsWith(kJournalHead) || !text.endsWith(kJournalEnd)) {
        ::unlink(native.constData());
        return false;
    }
    const QList<QByteArray> lines =
        text.mid(kJournalHead.size(), text.size() - kJournalHead.size() - kJournalEnd.size()).split('\n');
    QSet<QString> dirs;
    int failed = 0;
    QString failedPath;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 2)
            continue;
        const QString temporary = QUrl::fromPercentEncoding(parts[0]);
        const QString target = QUrl::fromPercentEncoding(parts[1]);
        // Only a temporary of that very file is renamed onto it.
        if (!isSaveTemporaryOf(QFileInfo(temporary).fileName(), QFileInfo(target).fileName())
            || dirOf(temporary) != dirOf(target))
            continue;
        struct stat t = {};
        if (::lstat(nativePath(temporary).constData(), &t) != 0 || !S_ISREG(t.st_mode))
            continue; // renamed before the kill
        if (::rename(nativePath(temporary).constData(), nativePath(target).constData()) != 0) {
            failed = errno;
            failedPath = target;
            continue;
        }
        dirs.insert(dirOf(target));
    }
    for (const QString& dir : dirs)
        syncDirectory(dir);
    if (failed)
        throw createError(failedPath, systemReason(failed));
    ::unlink(native.constData());
    syncDirectory(dirOf(journalPath));
    return true;
}

void simulateWriteFailure(int err, qint64 keepBytes)
{
    g_failWith = err;
    g_failAfter = keepBytes;
}

} // namespace zor
