#pragma once
// Small pieces the heads or tails screens share: the settings gear with its highlighted twin,
// the look of their navigation labels, and the caption every coin window bears.
#include "controls/picture.h"
#include "controls/widgets.h"
#include "settings/theme.h"

#include <QLabel>
#include <QString>
#include <utility>

namespace zor::coin {

// "Cassino ZOR   -   —¤÷(`[¤*   Cå®å  øü  Cørøå   *¤]´)÷¤—"
QString windowCaption();

// The gear of a coin screen: `config` at rest, its highlighted twin `config2` laid over it while
// the pointer is on it. The hover state is 1 while the twin may be showing, 2 once the pointer
// has crossed the background.
class Gear {
public:
    Picture* config = nullptr;
    Picture* config2 = nullptr;
    int state = 1;

    // The pointer on `config`.
    void enter();
    // The pointer on the background.
    void leave();
    // `config2` clicked: the click cue, then the configuration screen, modally.
    static void open();
};

// Makes both gear pictures at the top-right corner of a window `width` pixels wide.
Gear makeGear(QWidget* parent, int width);

// Loads a coin face picture file into a coin control and rounds it: the files are squares with
// the coin drawn on a plain ground, and the screens show the coin alone on the felt. Throws the
// picture loader's error as loadFromFile does.
void loadCoinFace(Picture* picture, const QString& fileName);

// A sentence label with a run of blanks where a word label stands ("Escolha um           para
// jogar: " with "modo"). Its text stays as it is; it draws the run of blanks as wide as it is
// told, so that the word fits between its neighbours.
class GapLabel : public zor::Label {
public:
    using zor::Label::Label;
    // The width the run of blanks takes on screen; 0 for its natural width.
    void setGapWidth(int width);
    // Where the run of blanks lies, in the label's own coordinates.
    QRect gapRect() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // The run of blanks: [start, end) of the text, or start -1 when there is none.
    std::pair<qsizetype, qsizetype> run() const;
    int gapWidth_ = 0;
};

// Widens the sentence's run of blanks, if need be, until it holds the widest of `words` in the
// word label's font with a blank to spare on either side, and lays the word label over the run,
// its text centred there.
void fitWordInGap(GapLabel* sentence, QLabel* word, const QStringList& words);

// Font styles of the labels; each changes the font only when it differs.
void setLabelStyle(QLabel* label, bool bold, bool underline, bool italic = false);
// A label's text colour, changed only when it differs.
void setTextColour(QLabel* label, const QColor& colour);

} // namespace zor::coin
