#pragma once
// The screen theme and the sound cues every screen applies.
//
// Theme: the buffer `memo` holds "1".."7", each naming one background picture; any other text
// is itself taken as a picture file name. A themed screen loads that picture into its
// background pictures when it is shown (pictures are read from the working directory at the
// moment of use, never cached).
//
// Cues: every cue plays only while `som` is exactly "s", except the few a screen plays
// unconditionally (playCueAlways). Hover cues use a latch so that a cue sounds once on
// entering a hot control and again only after the pointer has crossed the background.
#include "settings/store.h"

#include <QString>
#include <initializer_list>

namespace zor {

class Picture;

// "1" -> "graconf.jpg", ..., "6" -> "grad.jpg", "7" -> "graconf5.jpg"; other text as it is.
QString themePictureFile(const QString& theme);
// The theme number 1..7 of a theme text, or 0 for a picture-name theme.
int themeNumber(const QString& theme);

// Loads the current theme's picture into each background picture, in order. A picture that
// cannot be loaded shows the loader's error in the error box and returns normally (the pictures
// not yet loaded keep theirs), so the caller's handler goes on.
void applyTheme(std::initializer_list<Picture*> backgrounds);

// Cue file names.
inline const QString kHoverCue = QStringLiteral("mouse.wav");
inline const QString kClickCue = QStringLiteral("click.wav");
inline const QString kChoiceCue = QStringLiteral("escolher.wav");
inline const QString kConfirmCue = QStringLiteral("escolher2.wav");
inline const QString kSpinCue = QStringLiteral("girando.wav");

enum class Wait { No, Yes };

// Plays the cue when `som` is "s". Wait::Yes returns once it has been heard to its end (used
// where the handler closes its screen or ends the program right after).
void playCue(const QString& file, Wait wait = Wait::No);
// Plays the cue whatever `som` holds.
void playCueAlways(const QString& file, Wait wait = Wait::No);
inline void clickCue(Wait wait = Wait::No) { playCue(kClickCue, wait); }

// The hover-sound latch of a screen.
class HoverLatch {
public:
    // Pointer onto a hot control: with the latch clear and `som` "s", plays "mouse.wav" and
    // sets the latch. With sound off the latch stays clear.
    void enter();
    // Pointer onto the screen's background.
    void clear() { set_ = false; }
    bool isSet() const { return set_; }

private:
    bool set_ = false;
};

// The one latch that the game chooser and the name dialog share.
HoverLatch& sharedHoverLatch();

// A confirmation message: shown (plain box, OK) only while `msg` is exactly "s".
void confirmation(const QString& text);

} // namespace zor
