#pragma once
// Where the game runs. The program reads its pictures, sounds and music and keeps its Config
// tree relative to its working folder. Started inside a game folder (build/game, or any folder
// that holds a Config tree) it runs there as it is. An installed program (games/cassino-zor, or
// bin/cassino-zor, with its data in ../share/cassino-zor) started anywhere else prepares the
// player's own folder, $XDG_DATA_HOME/cassino-zor (~/.local/share/cassino-zor): a link to every
// installed data file, kept current at every start so that an upgrade reaches it, and a copy of
// the initial Config tree made once and never overwritten, so saved games and settings survive
// upgrades. The program then runs there; the installed tree is never written to.
#include <QString>

namespace zor {

struct GameFolder {
    enum Outcome { Here, Prepared, Failed };
    Outcome outcome = Here;
    QString folder; // the folder the game runs in (Here: the working folder)
    QString error;  // Failed: what went wrong, for the error box
};

// The installed data folder of a program at programDir ("<programDir>/../share/cassino-zor"),
// or an empty text when there is none.
QString installedDataFolder(const QString& programDir);
// The player's own folder: $XDG_DATA_HOME/cassino-zor, else ~/.local/share/cassino-zor.
QString playerFolder();
// Whether folder is a game folder: it holds a Config directory.
bool isGameFolder(const QString& folder);

// Decides where to run and prepares the player's folder when needed (see above). Does not
// change the working folder.
GameFolder chooseGameFolder(const QString& workingFolder, const QString& programDir);

} // namespace zor
