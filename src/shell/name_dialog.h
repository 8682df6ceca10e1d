#pragma once
// The name dialog "Digite seu Nome": asks for the player's name and puts it into the name
// buffer of the game that opened it. One dialog serves both games and keeps the last text typed
// for the rest of the run; it writes no file (the game saves the name with its next save).
//
// Controls keep the names of the layout (name_dialog_layout.cpp). The hover cue of "Salvar !"
// uses the latch this dialog shares with the game chooser.
#include "controls/picture.h"
#include "controls/widgets.h"

#include <QDialog>
#include <QLineEdit>

// The name dialog caller code: the game sets it just before opening the dialog, and it keeps its
// last value between openings. 1 puts the name into `nome` (heads or tails), 2 into `nomecn`
// (slot machine); any other code stores the name nowhere.
extern int nomeChamador;

namespace zor {
inline constexpr int kNomeCaraOuCoroa = 1;
inline constexpr int kNomeCacaNiquel = 2;
} // namespace zor

class Tfrm_nome final : public QDialog {
    Q_OBJECT
public:
    Tfrm_nome();

    zor::Picture* graconf = nullptr;
    zor::Label* Label1 = nullptr;
    // Shown as typed: a line edit never reads its text as markup.
    QLineEdit* Edit1 = nullptr;
    zor::Button* Button1 = nullptr;

    void FormShow();
    void graconfMouseMove();
    void Button1MouseMove();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void layout();
};
