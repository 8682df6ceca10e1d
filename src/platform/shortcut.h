#pragma once
// The desktop launcher the game writes to itself at every start.
#include <QString>

namespace zor {

// The user's desktop folder: XDG_DESKTOP_DIR, else the user-dirs file
// ($XDG_CONFIG_HOME/user-dirs.dirs), else ~/Desktop.
QString desktopFolder();

// Writes "<linkName>.desktop" into the desktop folder, replacing any old one: a freedesktop
// launcher whose Exec is target (with args) and whose Path is workDir. A missing desktop
// folder means no launcher, silently. Returns the file written, or an empty text.
QString writeDesktopLauncher(const QString& target, const QString& args, const QString& workDir,
                             const QString& linkName);

} // namespace zor
