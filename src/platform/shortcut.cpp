#include "platform/shortcut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>

namespace zor {

namespace {

// Exec values quote arguments with double quotes, escaping ", `, $ and \ inside them; a
// literal % is written %% (a single one would start a field code).
QString quoteExecArg(const QString& arg)
{
    QString out;
    for (QChar c : arg) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            out.append(u'\\');
        else if (c == u'%')
            out.append(u'%');
        out.append(c);
    }
    return u'"' + out + u'"';
}

// Values of string keys escape backslashes and line breaks.
QString escapeValue(const QString& v)
{
    QString out = v;
    out.replace(u'\\', QLatin1String("\\\\"));
    out.replace(u'\n', QLatin1String("\\n"));
    out.replace(u'\r', QLatin1String("\\r"));
    return out;
}

QString fromUserDirsFile()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QLatin1String("/.config");
    QFile f(configHome + QLatin1String("/user-dirs.dirs"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression line(QStringLiteral(R"(^\s*XDG_DESKTOP_DIR\s*=\s*"([^"]*)\"\s*$)"));
    while (!f.atEnd()) {
        const QString l = QString::fromUtf8(f.readLine()).trimmed();
        const auto m = line.match(l);
        if (!m.hasMatch())
            continue;
        QString dir = m.captured(1);
        if (dir.startsWith(QLatin1String("$HOME")))
            dir = QDir::homePath() + dir.mid(5);
        return dir;
    }
    return {};
}

} // namespace

void identifyToDesktop()
{
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
}

QString launcherIcon(const QString& workDir)
{
    const QFileInfo picture(QDir(workDir).filePath(QString::fromLatin1(kAppId) + QLatin1String(".png")));
    if (picture.isFile())
        return picture.absoluteFilePath();
    return QString::fromLatin1(kAppId);
}

QIcon windowIconFor(const QString& workDir)
{
    const QString icon = launcherIcon(workDir);
    return QFileInfo(icon).isAbsolute() ? QIcon(icon) : QIcon::fromTheme(icon);
}

QString desktopFolder()
{
    QString dir = qEnvironmentVariable("XDG_DESKTOP_DIR");
    if (dir.isEmpty())
        dir = fromUserDirsFile();
    if (dir.isEmpty())
        dir = QDir::homePath() + QLatin1String("/Desktop");
    return dir;
}

QString writeDesktopLauncher(const QString& target, const QString& args, const QString& workDir,
                             const QString& linkName)
{
    const QString folder = desktopFolder();
    if (!QFileInfo(folder).isDir())
        return {};
    const QString path = QDir(folder).filePath(linkName + QLatin1String(".desktop"));
    QString exec = quoteExecArg(target);
    if (!args.isEmpty())
        exec += u' ' + args;
    // The file is UTF-8, as the desktop entry format wants: the comment's accents are written
    // as they are.
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\nName=") + escapeValue(linkName)
        + QStringLiteral("\nComment=Cara ou Coroa, Caça-Níquel e BlackJack\nIcon=") + escapeValue(launcherIcon(workDir))
        + QStringLiteral("\nExec=") + escapeValue(exec)
        + QStringLiteral("\nPath=") + escapeValue(workDir)
        + QStringLiteral("\nTerminal=false\nCategories=Game;CardGame;\n");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(text.toUtf8());
    if (!file.commit())
        return {};
    // Desktops only launch launchers marked executable.
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return path;
}

} // namespace zor
