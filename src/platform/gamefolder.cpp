#include "platform/gamefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace zor {

namespace {

constexpr const char* kConfig = "Config";

QString reason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// mkdir -p that reports the system's reason.
bool makePath(const QString& path, QString* error)
{
    const QStringList parts = QDir::cleanPath(path).split(u'/');
    QString sofar;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        sofar += (i ? QStringLiteral("/") : QString()) + parts[i];
        if (sofar.isEmpty())
            continue;
        if (::mkdir(QFile::encodeName(sofar).constData(), 0755) != 0 && errno != EEXIST) {
            *error = QStringLiteral("Cannot create folder \"%1\". %2").arg(sofar, reason(errno));
            return false;
        }
    }
    if (!QFileInfo(path).isDir()) {
        *error = QStringLiteral("Cannot create folder \"%1\". %2").arg(path, reason(ENOTDIR));
        return false;
    }
    return true;
}

// Copies the tree at from into to, creating folders.
bool copyTree(const QString& from, const QString& to, QString* error)
{
    if (!makePath(to, error))
        return false;
    const QDir source(from);
    for (const QFileInfo& entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + u'/' + entry.fileName();
        if (entry.isDir()) {
            if (!copyTree(entry.filePath(), target, error))
                return false;
            continue;
        }
        QFile file(entry.filePath());
        if (!file.copy(target)) {
            *error = QStringLiteral("Cannot create file \"%1\". %2").arg(target, file.errorString());
            return false;
        }
        // Installed files are read-only; the copies are the player's own to save into.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return true;
}

// Links every data file of the installed folder into the player's folder, replacing links that
// point elsewhere and removing links into the installed folder whose file has gone (an upgrade
// that dropped it). A file of the player's own with a data file's name is left alone.
bool linkData(const QString& data, const QString& player, QString* error)
{
    const QDir dataDir(data);
    for (const QFileInfo& entry : dataDir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString link = player + u'/' + entry.fileName();
        const QFileInfo existing(link);
        if (existing.isSymLink()) {
            if (existing.symLinkTarget() == entry.absoluteFilePath())
                continue;
            QFile::remove(link);
        } else if (existing.exists()) {
            continue;
        }
        if (::symlink(QFile::encodeName(entry.absoluteFilePath()).constData(), QFile::encodeName(link).constData()) != 0) {
            *error = QStringLiteral("Cannot create file \"%1\". %2").arg(link, reason(errno));
            return false;
        }
    }
    const QString dataPrefix = dataDir.absolutePath() + u'/';
    for (const QFileInfo& entry : QDir(player).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (entry.isSymLink() && !entry.exists() && entry.symLinkTarget().startsWith(dataPrefix))
            QFile::remove(entry.filePath());
    }
    return true;
}

} // namespace

QString installedDataFolder(const QString& programDir)
{
    const QString data = QDir::cleanPath(programDir + QStringLiteral("/../share/cassino-zor"));
    return QFileInfo(data + u'/' + QLatin1String(kConfig)).isDir() ? data : QString();
}

QString playerFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/cassino-zor");
}

bool isGameFolder(const QString& folder)
{
    return QFileInfo(folder + u'/' + QLatin1String(kConfig)).isDir();
}

GameFolder chooseGameFolder(const QString& workingFolder, const QString& programDir)
{
    GameFolder result;
    result.folder = workingFolder;
    const QString data = installedDataFolder(programDir);
    if (isGameFolder(workingFolder) || data.isEmpty())
        return result;

    const QString player = playerFolder();
    result.folder = player;
    result.outcome = GameFolder::Failed;
    if (!makePath(player, &result.error))
        return result;
    if (!linkData(data, player, &result.error))
        return result;
    const QString config = player + u'/' + QLatin1String(kConfig);
    if (!QFileInfo::exists(config) && !copyTree(data + u'/' + QLatin1String(kConfig), config, &result.error)) {
        QDir(config).removeRecursively(); // a half copy would count as done at the next start
        return result;
    }
    result.outcome = GameFolder::Prepared;
    return result;
}

} // namespace zor
