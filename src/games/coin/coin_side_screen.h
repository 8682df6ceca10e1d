#pragma once
// The coin side screen "Escolha o lado da moeda:": the two faces of the chosen coin, placed and
// sized as that coin's row says, with "Cara" ticked whenever the screen opens. "Jogar" (or
// Enter) takes the ticked side on the press and opens the coin table on the release.
// The left and up arrows tick "Cara", the right and down arrows "Coroa", framing the side's
// picture; Backspace is "Voltar"; no other key but Enter acts (Space never flips the side).
// Navigation labels go back to the value screen, to the chooser or the main menu, or end the
// program; closing the window shows the chooser.
//
// Controls and handlers keep the names of the layout (coin_side_screen_layout.cpp). The screen
// is not themed.
#include "controls/focus_ring.h"
#include "controls/key_repeats.h"
#include "controls/picture.h"
#include "controls/timer.h"
#include "controls/widgets.h"
#include "games/coin/coin_screens_common.h"
#include "settings/theme.h"

#include <QDialog>

class Tfrm_CoC2 final : public QDialog {
    Q_OBJECT
public:
    Tfrm_CoC2();

    zor::Picture* fundo = nullptr;
    zor::Label* Label1 = nullptr; // "Escolha o lado da moeda"
    zor::Label* Label2 = nullptr; // ":"
    zor::Label* Label3 = nullptr; // "Cara"
    zor::Label* Label4 = nullptr; // "Coroa"
    zor::Picture* cara = nullptr;
    zor::Picture* coroa = nullptr;
    zor::RadioButton* RadioButton1 = nullptr; // "Cara", ticked at every showing
    zor::RadioButton* RadioButton2 = nullptr; // "Coroa"
    zor::Label* Label6 = nullptr;             // "Jogar"
    zor::Label* back = nullptr;               // "Voltar"
    zor::Label* Label9 = nullptr;             // "Sair para o menu principal"
    zor::Label* label10 = nullptr;            // "Sair para a tela de Jogos"
    zor::Label* label14 = nullptr;            // "Sair do Jogo"
    zor::coin::Gear gear;
    // Enter's release counts once no press of a repeat pair follows it (40 ms).
    zor::Timer* enterUp = nullptr;
    // Frames the side the arrows ticked.
    zor::FocusRing* focusRing = nullptr;

    // Placement of the two pictures: height, left, width, top.
    void ordem(int height, int left, int width, int top);
    void ordem2(int height, int left, int width, int top);

    void FormShow();
    void FormClose();
    void caraClick();  // also Label3 and RadioButton1
    void coroaClick(); // also Label4 and RadioButton2
    void sideMouseDown(); // a press on either picture or either word
    void Label6MouseDown();
    void Label6MouseUp();
    void Label6MouseMove();
    void sideMouseMove(zor::Label* word); // a picture (nullptr) or a side word
    void navMouseMove(zor::Label* label);
    void FormMouseMove();
    void backClick();
    void Label9Click();
    void label10Click();
    void label14Click();
    void enterUpTimer();
    // An arrow key: "Cara" (true) or "Coroa" ticked, its cue, and the frame on its picture.
    void keySide(bool caraSide);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void layout();
    zor::HoverLatch latch_;
    zor::KeyRepeats enterKeys_;
    bool enterDown_ = false; // Enter pressed on this screen and not yet released
};
