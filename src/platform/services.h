#pragma once
// The desktop services the program uses, behind small interfaces so that tests can put
// recording doubles in their place. The program installs the real ones at start-up
// (installRealServices); every screen reaches them through zor::services().
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QDialog;

namespace zor {

// Short sound cues (WAV files). One channel: a new cue cuts the one playing.
class SoundCues {
public:
    virtual ~SoundCues() = default;
    // Plays the file; with wait the call returns once the cue has been heard to its end.
    // A missing or unreadable file plays a short built-in default cue instead.
    // Without an audio device nothing is heard and nothing fails.
    virtual void play(const QString& wavFile, bool wait) = 0;
    // Cuts the cue playing, if any.
    virtual void stop() = 0;
};

// The background music player of the main menu.
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    // Opens the MIDI file; returns false when it cannot be played here (no file, no device,
    // not a MIDI file). A player that is not open ignores play, stop and rewind.
    virtual bool open(const QString& midiFile) = 0;
    virtual bool isOpen() const = 0;
    // Plays on from the current position, or from the start once the piece has ended.
    virtual void play() = 0;
    virtual void stop() = 0;
    // Seeks to the start (the music stays stopped or playing as it was).
    virtual void rewind() = 0;
};

enum class Beep { Question, Information };

// Random draws. Every drawing place reseeds from the high-resolution clock right before it
// draws, so draws made in quick succession still differ.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A uniform whole number from 0 to n-1.
    virtual int draw(int n) = 0;
};

// Message boxes and modal showing.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Plain message: application title, OK button, no icon.
    virtual void message(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    // The error box of the handler guard.
    virtual void error(const QString& text) = 0;
    // Shows a screen modally and returns when it closes.
    virtual int showModal(QDialog* dialog) = 0;
    virtual void beep(Beep kind) = 0;
};

struct Services {
    std::shared_ptr<SoundCues> sound;
    std::shared_ptr<RandomSource> random;
    std::shared_ptr<Dialogs> dialogs;
    // Makes the main menu's music player.
    std::function<std::unique_ptr<MusicPlayer>()> makeMusic;
    // Ends the program: leaves every running event loop, so the process ends.
    std::function<void()> quit;
    // Minimises the whole application (every visible window) to the taskbar.
    std::function<void()> minimise;
};

Services& services();

// The application title: the text message boxes bear in their title bar. (Kept apart from Qt's
// application display name, which X11 desktops would append to every window's caption.)
QString applicationTitle();
void setApplicationTitle(const QString& title);
// Installs the real desktop services (SDL2_mixer sound and music, Qt message boxes).
void installRealServices();

// Shorthands used all over the screens.
inline SoundCues& sound() { return *services().sound; }
inline RandomSource& random() { return *services().random; }
inline Dialogs& dialogs() { return *services().dialogs; }

} // namespace zor
