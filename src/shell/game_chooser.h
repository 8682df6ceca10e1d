#pragma once
// The game chooser "Cassino ZOR - Jogos": three picture banners, one per game. Pointing at a
// banner lays its highlighted twin over it and shows the game's description and picture;
// clicking the highlighted banner hides the chooser and opens the game's first screen. Two
// buttons go back to the main menu or end the program.
//
// Controls and handlers keep the names of the layout (game_chooser_layout.cpp), where each
// control's events are wired to the handlers below. The hover cue of the two buttons uses the
// latch this screen shares with the name dialog.
#include "controls/focus_ring.h"
#include "controls/picture.h"
#include "controls/shape.h"
#include "controls/widgets.h"

#include <QDialog>
#include <QList>

class Tfrm_Jogos final : public QDialog {
    Q_OBJECT
public:
    Tfrm_Jogos();

    // Themed background, bottom of everything.
    zor::Picture* graconf = nullptr;

    // Banners and their highlighted twins, each twin lying exactly over its banner.
    zor::Picture* coc1 = nullptr;
    zor::Picture* coc2 = nullptr;
    zor::Picture* ca1 = nullptr;
    zor::Picture* ca2 = nullptr;
    zor::Picture* bl1 = nullptr;
    zor::Picture* bl2 = nullptr;

    // The lower area: its frame, header strip and picture column.
    zor::Shape* Shape1 = nullptr;
    zor::Shape* Shape2 = nullptr;
    zor::Shape* Shape3 = nullptr;
    zor::Label* Label1 = nullptr;
    zor::Label* Label2 = nullptr;

    // Description lines: heads or tails (a), slot machine (b), Blackjack (c).
    zor::Label* a1 = nullptr;
    zor::Label* a2 = nullptr;
    zor::Label* a3 = nullptr;
    zor::Label* a4 = nullptr;
    zor::Label* a5 = nullptr;
    zor::Label* a6 = nullptr;
    zor::Label* a7 = nullptr;
    zor::Label* b1 = nullptr;
    zor::Label* b2 = nullptr;
    zor::Label* b3 = nullptr;
    zor::Label* b4 = nullptr;
    zor::Label* b5 = nullptr;
    zor::Label* b6 = nullptr;
    zor::Label* b7 = nullptr;
    zor::Label* c1 = nullptr;
    zor::Label* c2 = nullptr;
    zor::Label* c3 = nullptr;
    zor::Label* c4 = nullptr;
    zor::Label* c5 = nullptr;
    zor::Label* c6 = nullptr;
    zor::Label* c7 = nullptr;
    zor::Label* c8 = nullptr;

    // The picture of each game and the frame drawn around whichever is shown.
    zor::Picture* screen1 = nullptr;
    zor::Picture* screen2 = nullptr;
    zor::Picture* screen3 = nullptr;
    zor::Shape* Shape4 = nullptr;

    // "Voltar para o Menu Principal" and "Sair do Jogo" (the cancel button: Esc presses it).
    zor::Button* BitBtn1 = nullptr;
    zor::Button* BitBtn2 = nullptr;

    // The frame around the control with the keyboard focus.
    zor::FocusRing* focusRing = nullptr;

    // Form events.
    void FormShow();
    void FormClose();

    // Pointer moves.
    void coc1MouseMove();
    void ca1MouseMove();
    void bl1MouseMove();
    void graconfMouseMove(); // also Shape2
    void Shape1MouseMove();
    void BitBtn1MouseMove();
    void BitBtn2MouseMove();

    // Choosing a game.
    void coc2Click();
    void ca2Click();
    void bl2Click();

    // Buttons.
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Keyboard: Tab and the arrow keys reach the banners; a banner with the keyboard focus is
    // highlighted with its description as under the pointer, and Space or Enter opens its game.
    QList<zor::Picture*> banners() const { return {coc1, ca1, bl1}; }
    void bannerFocused(zor::Picture* banner);
    void openBanner(zor::Picture* banner);

    // Builds the controls and the event wiring (game_chooser_layout.cpp).
    void setupLayout();
    // Hides the description lines, the game pictures and their frame.
    void hideDescriptions();
    static void showAll(const QList<QWidget*>& controls);
    static void hideAll(const QList<QWidget*>& controls);

    QList<QWidget*> cocDescription_; // a1 to a7
    QList<QWidget*> caDescription_;  // b1 to b7
    QList<QWidget*> blDescription_;  // c1 to c8
};
