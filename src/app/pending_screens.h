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
#include "games/coin/coin_side_screen.h"
#include "games/coin/coin_table.h"
#include "games/coin/coin_value_screen.h"
#include "games/coin/mode_dialog.h"
// ---- end of heads or tails ----

// ---- slot machine ----
#include "games/slots/slot_machine.h"
// ---- end of slot machine ----

// ---- Blackjack ----
#include "games/blackjack/bet_dialog.h"
#include "games/blackjack/blackjack_table.h"
#include "games/blackjack/outcome_dialogs.h"
// ---- end of Blackjack ----

#undef ZOR_PENDING
