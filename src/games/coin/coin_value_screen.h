#pragma once
// The coin value screen "Escolha o valor da moeda:": six coins, from 1 centavo to 1 real. The
// pointer on a coin rings it in red; pressing a mouse button on it picks the coin (and with it
// the stake), and releasing the button opens the side screen. Navigation labels lead back to the
// game chooser or the main menu, or end the program; closing the window shows the chooser.
//
// Keyboard: the arrows move the focus frame from coin to coin, Tab and Shift+Tab through the
// coins, the navigation labels and the gear; Enter or Space picks the framed coin on the press
// and opens the side screen on the release, as the mouse button does (or acts on the framed
// label or gear at once). A held key picks once.
//
// Controls and handlers keep the names of the layout (coin_value_screen_layout.cpp). The screen
// is not themed: its pictures are its own.
#include "controls/focus_ring.h"
#include "controls/key_repeats.h"
#include "controls/picture.h"
#include "controls/timer.h"
#include "controls/shape.h"
#include "controls/widgets.h"
#include "games/coin/coin_screens_common.h"
#include "settings/theme.h"

#include <QDialog>
#include <array>

class Tfrm_CoC1 final : public QDialog {
    Q_OBJECT
public:
    Tfrm_CoC1();

    zor::Picture* fundo = nullptr; // the background
    zor::Label* Label1 = nullptr;  // "Escolha o valor da moeda"
    zor::Label* Label2 = nullptr;  // ":"

    // The six coins, in the order of the coin values 1, 5, 10, 25, 50, 100.
    zor::Label* Label4 = nullptr;
    zor::Label* Label5 = nullptr;
    zor::Label* Label6 = nullptr;
    zor::Label* Label7 = nullptr;
    zor::Label* Label8 = nullptr;
    zor::Label* Label3 = nullptr;
    zor::Picture* Image3 = nullptr;
    zor::Picture* Image4 = nullptr;
    zor::Picture* Image5 = nullptr;
    zor::Picture* Image6 = nullptr;
    zor::Picture* Image7 = nullptr;
    zor::Picture* Image2 = nullptr;
    zor::Shape* s1 = nullptr;
    zor::Shape* s2 = nullptr;
    zor::Shape* s3 = nullptr;
    zor::Shape* s4 = nullptr;
    zor::Shape* s5 = nullptr;
    zor::Shape* s6 = nullptr;

    // Navigation.
    zor::Label* Label9 = nullptr;  // "Sair para o menu principal"
    zor::Label* Label14 = nullptr; // "Sair para a tela de Jogos"
    zor::Label* Label10 = nullptr; // "Sair do Jogo"

    zor::coin::Gear gear;
    zor::FocusRing* focusRing = nullptr;
    // The picking key's release counts once no press of a repeat pair follows it (40 ms).
    zor::Timer* pickUp = nullptr;

    // The coin the keyboard frames, 0..5, or -1.
    int focusedCoin() const;
    // The keyboard's pick: the framed coin (as a press on it), label or gear.
    void keyPick();
    void pickUpTimer();

    void FormShow();
    void FormClose();
    // A coin, by its index 0..5 in the coin table.
    void coinMouseMove(int coin, bool overLabel);
    void coinMouseDown(int coin);
    void coinMouseUp(int coin);
    void navMouseMove(zor::Label* label);
    void FormMouseMove(); // the background
    void Label9Click();
    void Label14Click();
    void Label10Click();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void layout();

    std::array<zor::Label*, 6> labels_{};
    std::array<zor::Picture*, 6> pictures_{};
    std::array<zor::Shape*, 6> rings_{};
    zor::HoverLatch latch_;
    zor::KeyRepeats keys_;
    int keyCoin_ = -1; // the coin picked by a key press, until its release opens the side screen
};
