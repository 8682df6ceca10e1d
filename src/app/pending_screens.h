#pragma once
// Screens whose games and dialogs are still to come: each already exists as its own class with
// its caption and client size, so that the registry, navigation and modal showing work.
// Game screens follow the navigation pattern of every game: closing one shows the game
// chooser again and hides the main menu.
#include <QDialog>

namespace zor {

class PendingScreen : public QDialog {
public:
    enum Kind { Dialog, GameScreen };
    PendingScreen(const QString& name, const QString& caption, QSize client, Kind kind,
                  bool minimiseBox = false);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    Kind kind_;
};

} // namespace zor

// A placeholder screen with a default constructor, so the registry creates it as it will create
// the real one.
#define ZOR_PENDING(Class, name, caption, w, h, kind, minimise)                                      \
    class Class final : public zor::PendingScreen {                                                 \
    public:                                                                                         \
        Class() : zor::PendingScreen(QStringLiteral(name), QStringLiteral(caption), QSize(w, h),    \
                                     zor::PendingScreen::kind, minimise) {}                         \
    };

// ---- heads or tails ----
ZOR_PENDING(Tfrm_CoC1, "frm_CoC1", "Cassino ZOR   -   —¤÷(`[¤*   Cå®å  øü  Cørøå   *¤]´)÷¤—", 888, 616, GameScreen, false)
ZOR_PENDING(Tfrm_CoC2, "frm_CoC2", "Cassino ZOR   -   —¤÷(`[¤*   Cå®å  øü  Cørøå   *¤]´)÷¤—", 889, 616, GameScreen, false)
ZOR_PENDING(TCoC_jogo, "CoC_jogo", "Cassino ZOR   -   —¤÷(`[¤*   Cå®å  øü  Cørøå   *¤]´)÷¤—", 886, 613, GameScreen, true)
ZOR_PENDING(Tcoc_modo, "coc_modo", "Cassino ZOR - Modos de Jogo", 302, 289, Dialog, false)
// ---- end of heads or tails ----

// ---- slot machine ----
#include "games/slots/slot_machine.h"
// ---- end of slot machine ----

// ---- Blackjack ----
ZOR_PENDING(Tfrm_estourou, "frm_estourou", "Que pena ! Você estourou !", 271, 208, Dialog, false)
ZOR_PENDING(Taposta, "aposta", "Faça sua aposta", 272, 156, Dialog, false)
ZOR_PENDING(Tperdeu, "perdeu", "Você perdeu !", 306, 201, Dialog, false)
ZOR_PENDING(Tganhou, "ganhou", "Você ganhou !", 264, 213, Dialog, false)
ZOR_PENDING(Tcerto, "certo", "Black Jack - 21 na Mosca", 249, 273, Dialog, false)
ZOR_PENDING(Tempate, "empate", "Empate !", 249, 208, Dialog, false)
// The Blackjack table is made anew by the game chooser at every visit.
ZOR_PENDING(Tfrm_bj, "frm_bj", "Cassino ZOR   -    (¯`·._.·[ßlå¢kJå¢k]·._.·´¯)", 797, 571, GameScreen, false)
// ---- end of Blackjack ----

#undef ZOR_PENDING
