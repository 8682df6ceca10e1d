#include "platform/shortcut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace zor {

namespace {

// Exec values quote arguments with double quotes, escaping ", `, $ and \ inside them.
QString quoteExecArg(const QString& arg)
{
    QString out;
    for (QChar c : arg) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            out.append(u'\\');
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
    const QString text = QLatin1String("[Desktop Entry]\n"
                                       "Type=Application\n"
                                       "Version=1.0\n"
                                       "Name=") + escapeValue(linkName)
        + QLatin1String("\nComment=Cara ou Coroa, Caça-Níquel e BlackJack\n"
                        "Exec=") + escapeValue(exec)
        + QLatin1String("\nPath=") + escapeValue(workDir)
        + QLatin1String("\nTerminal=false\nCategories=Game;CardGame;\n");
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
