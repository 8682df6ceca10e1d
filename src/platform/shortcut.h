#pragma once
// The desktop launcher the game writes to itself at every start.
#include <QIcon>
#include <QString>

namespace zor {

// The reverse-DNS id the desktop knows the game by: the installed desktop entry is
// "<id>.desktop", the installed icon is named after it, and it is the program's Wayland app id.
inline constexpr char kAppId[] = "br.com.cassinozor.CassinoZOR";

// Names the installed desktop entry as the program's own (the Wayland app id), so that docks
// link its windows to the entry and its icon. Call before the first window is created.
void identifyToDesktop();

// The launcher's icon: the icon picture "<id>.png" of the folder the game runs in (a game
// folder built from the sources has one), else the installed icon's name.
QString launcherIcon(const QString& workDir);

// The windows' icon (task bars on X11, the program's own title bar on Wayland): the launcher's,
// the picture itself or the installed icon from the desktop's icon theme.
QIcon windowIconFor(const QString& workDir);

// The user's desktop folder: XDG_DESKTOP_DIR, else the user-dirs file
// ($XDG_CONFIG_HOME/user-dirs.dirs), else ~/Desktop.
QString desktopFolder();

// Writes "<linkName>.desktop" into the desktop folder, replacing any old one: a freedesktop
// launcher (UTF-8) whose Exec is target (with args), whose Path is workDir and whose Icon is
// launcherIcon(workDir). A missing desktop folder means no launcher, silently. Returns the file
// written, or an empty text.
QString writeDesktopLauncher(const QString& target, const QString& args, const QString& workDir,
                             const QString& linkName);

} // namespace zor
