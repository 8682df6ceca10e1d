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

#define ZOR_PENDING(Class)                                                                          \
    class Class final : public zor::PendingScreen {                                                 \
    public:                                                                                         \
        using zor::PendingScreen::PendingScreen;                                                    \
    };

ZOR_PENDING(Tfrm_CoC1)
ZOR_PENDING(Tfrm_CoC2)
ZOR_PENDING(TCoC_jogo)
ZOR_PENDING(Tcoc_modo)
ZOR_PENDING(Tfrm_cn)
ZOR_PENDING(Tfrm_estourou)
ZOR_PENDING(Taposta)
ZOR_PENDING(Tperdeu)
ZOR_PENDING(Tganhou)
ZOR_PENDING(Tcerto)
ZOR_PENDING(Tempate)

// The Blackjack table is made anew by the game chooser at every visit.
class Tfrm_bj final : public zor::PendingScreen {
public:
    Tfrm_bj();
};

#undef ZOR_PENDING
