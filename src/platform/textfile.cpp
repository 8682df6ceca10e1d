#include "platform/textfile.h"

#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

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

} // namespace

bool isSaveTemporaryOf(const QString& candidate, const QString& fileName)
{
    // QSaveFile writes "NAME.XXXXXX" beside NAME, six letters or digits.
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

QString readTextFile(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        throw openError(path, systemReason(EISDIR));
    if (!file.open(QIODevice::ReadOnly))
        throw openError(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw openError(path, file.errorString());
    return normaliseLineBreaks(fromCp1252(bytes));
}

// Why the directory that is to hold a file cannot: missing, or something other than a
// directory in its path. 0 when it is a directory.
int directoryFault(const QString& dir)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(dir).constData(), &st) != 0)
        return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

void writeTextFile(const QString& path, const QString& text)
{
    const QFileInfo info(path);
    if (const int fault = directoryFault(info.absolutePath()))
        throw createError(path, systemReason(fault));
    if (info.isDir())
        throw createError(path, systemReason(EISDIR));
    // An existing file the user made read-only refuses the save, as an in-place rewrite
    // would; the rename below must not quietly replace it.
    if (info.exists() && !info.isWritable())
        throw createError(path, systemReason(EACCES));

    // The new file takes the place of the old one with the old one's permission bits.
    struct stat old = {};
    const bool hadFile = ::stat(QFile::encodeName(path).constData(), &old) == 0;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw createError(path, file.errorString());
    if (hadFile && ::fchmod(file.handle(), old.st_mode & 07777) != 0)
        throw createError(path, systemReason(errno));
    const QByteArray bytes = toCp1252(text);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw createError(path, file.errorString());
}

} // namespace zor
