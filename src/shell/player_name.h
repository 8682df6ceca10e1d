#pragma once
// The player's name on a game screen: the name label with the strip behind it, the name dialog
// that asks for it, and the part a save and a load play for it. Heads or tails and the slot
// machine do this the same way; they differ only in the dialog's caller code and the name
// buffer (with its file) that the dialog fills.
//
// A screen owns one PlayerName beside its controls and calls it:
//
//     name_ = zor::PlayerName(nome, shape, zor::PlayerName::slotMachine());
//     // a click on the label:
//     name_.ask();
//     // a save:
//     if (!name_.askIfUnset()) return;          // the program is ending: save nothing
//     const bool saved = name_.isSet() ? store.saveSet({..., name_.buffer()})  // with the name
//                                      : store.saveSet({...});                 // without it
//     if (saved) name_.afterSave();             // only when the set was written
//     // a load:
//     name_.load();                             // throws the store's error on a missing file
//
// The label always shows one short line: see shownName(). The full text stays in caption().
// Names never reach the label as markup: the label is switched to plain text.
#include "settings/store.h"

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace zor {

// The caption a name label shows until a name is set.
QString namePrompt();

// The widest a shown name may be, in pixels; a longer one ends in "…".
inline constexpr int kShownNameWidth = 420;
// At most this many characters of a name are measured at all, so that a broken name file of
// megabytes cannot stall the screen.
inline constexpr int kShownNameChars = 200;

// The rule for showing a name on one label line: its first line only, at most kShownNameChars
// characters, every other control character as a blank, then cut to `width` pixels in `font`
// with "…" at the end.
QString shownName(const QString& name, const QFont& font, int width = kShownNameWidth);

class PlayerName {
public:
    // Which game's name: the name dialog's caller code and the buffer the dialog fills.
    struct Game {
        int caller;
        Setting buffer;
    };
    static Game coinTable();   // caller 1, buffer `nome` ("Config/Jogos/coc/nome.txt")
    static Game slotMachine(); // caller 2, buffer `nomecn` ("Config/Jogos/cn/nome.txt")

    PlayerName() = default;
    // `label` shows the name, `strip` (may be null) is the box behind it, 3 pixels wider than the
    // label. The label starts with the prompt.
    PlayerName(QLabel* label, QWidget* strip, Game game);

    // The whole name the label stands for (the label may show it shortened), or the prompt.
    const QString& caption() const { return caption_; }
    // Whether a name is set: the label shows something other than the prompt.
    bool isSet() const { return caption_ != namePrompt(); }
    Setting buffer() const { return game_.buffer; }

    // Shows `text` (a name or the prompt) on the label, shortened by shownName, and sizes the
    // label to it and the strip to the label.
    void setCaption(const QString& text);
    // The name buffer as the label shows it: the prompt when the buffer is empty or still holds
    // its placeholder (its file could not be read at start-up), so the placeholder is never
    // taken for a name and never saved as one.
    QString fromBuffer() const;

    // Opens the name dialog for this game, modally, then shows what the buffer holds, also when
    // the dialog was closed without a new name.
    void ask();
    // The first step of a save: asks for a name when none is set yet and makes the label and
    // strip visible. Returns false when the program was asked to end while the dialog was open:
    // the save then writes nothing and reports nothing.
    bool askIfUnset();
    // The last step of a save that wrote its files: with a name, the name is read back from its
    // file and shown; without one, a buffer that holds something is read from the file (the
    // name saved before), and an empty one leaves the prompt.
    void afterSave();
    // A load: reads the name file into the buffer and shows it. Throws the store's "Cannot open
    // file" error when the file is missing, with the label as it was.
    void load();

private:
    QLabel* label_ = nullptr;
    QWidget* strip_ = nullptr;
    Game game_{0, Setting::nome};
    QString caption_;
};

} // namespace zor
