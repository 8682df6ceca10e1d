#pragma once
// The Blackjack table "(¯`·._.·[ßlå¢kJå¢k]·._.·´¯)": the house's three cards face down at the
// top, a face-down pile in each upper corner, the player's cards below with the two totals, the
// deal and stand buttons, and a status bar with the visit's money and the counts.
//
// The game chooser makes a new table on every visit; the state record (blackjack_rules.h) outlives
// it. "Dar as Cartas" (or Enter or Space) starts a hand (house cards, bet dialog, two player cards)
// or draws the next card, up to five; an exact 21 or a bust settles at once, the stand button (or
// the P key) compares the totals. No clock polls the record: while the table is shown it follows
// the record's notifier (zor::bj::tableChanged), copying the record into the labels, writing a
// label only when its text changes, and settling an exact 21 or a bust it finds, within the event
// that moved the record. The handled flags keep each settlement from running twice, also when
// the record moves again while its dialog is open.
//
// Controls and handlers keep the names of the layout (blackjack_table_layout.cpp). The
// controls lie on `body`, the client area below the menu bar, in the layout's coordinates.
#include "controls/picture.h"
#include "controls/shape.h"
#include "controls/status_panels.h"
#include "controls/widgets.h"
#include "games/blackjack/blackjack_rules.h"

#include <QDialog>
#include <QList>
#include <array>

class QMenuBar;
class QMenu;
class QAction;

class Tfrm_bj final : public QDialog {
    Q_OBJECT
public:
    Tfrm_bj();

    QMenuBar* MainMenu1 = nullptr;
    QWidget* body = nullptr;

    zor::Picture* Image1 = nullptr; // the table

    // The left pile, bottom to top: Image3 .. Image7, i8 .. i1; the right pile: Image10,
    // Image11, s11 .. s1.
    QList<zor::Picture*> leftPile;
    QList<zor::Picture*> rightPile;
    zor::Picture* i1 = nullptr;
    zor::Picture* i2 = nullptr;
    zor::Picture* i3 = nullptr;
    zor::Picture* i4 = nullptr;
    zor::Picture* i5 = nullptr;
    zor::Picture* s1 = nullptr;
    zor::Picture* s2 = nullptr;
    zor::Picture* s3 = nullptr;
    zor::Picture* s4 = nullptr;
    zor::Picture* s5 = nullptr;

    // The house's cards and total.
    zor::Picture* c1 = nullptr;
    zor::Picture* c2 = nullptr;
    zor::Picture* c3 = nullptr;
    zor::Shape* s = nullptr;
    zor::Label* pontos2 = nullptr;

    // The player's cards with their frames, and the total.
    zor::Shape* Shape1 = nullptr;
    zor::Shape* Shape2 = nullptr;
    zor::Shape* Shape3 = nullptr;
    zor::Shape* Shape4 = nullptr;
    zor::Shape* Shape5 = nullptr;
    zor::Shape* Shape6 = nullptr;
    zor::Shape* Shape7 = nullptr;
    zor::Picture* dar1 = nullptr;
    zor::Picture* dar2 = nullptr;
    zor::Picture* dar3 = nullptr;
    zor::Picture* dar4 = nullptr;
    zor::Picture* dar5 = nullptr;
    zor::Label* pontos = nullptr;

    // Deal: hover zone, lit button ("Dar as Cartas"), pressed button. Stand: hover zone (only
    // while the player holds cards), lit button.
    zor::Picture* b1 = nullptr;
    zor::Picture* b2 = nullptr;
    zor::Picture* b3 = nullptr;
    zor::Picture* p1 = nullptr;
    zor::Picture* p2 = nullptr;

    zor::StatusPanels* StatusBar1 = nullptr;

    // Menu entries.
    QAction* sairMenu = nullptr;      // "Sair para o menu principal"
    QAction* sairJogos = nullptr;     // "Sair para a tela de Jogos"
    QAction* sairJogo = nullptr;      // "Sair do Jogo"
    QAction* configuracoes = nullptr; // "Configurações"
    QAction* designMenu = nullptr;    // "Design"
    QAction* sobreBj = nullptr;       // "Sobre o BlackJack"
    QAction* sobreCassino = nullptr;  // "Sobre o Cassino ZOR"
    QAction* sobreDesen = nullptr;    // "Sobre os Desenvolvedores"

    void FormShow();
    void FormClose();
    void b2Click();
    void p2Click();
    // The record moved: the labels follow, and an exact 21 or a bust is settled with its dialog.
    void follow();

    // Draws the house's three cards.
    void sortear();
    // Draws the player's card 1..5 into its slot and shows it.
    void randomcartas(int n);
    // Compares the totals after a stand.
    void verifica();

    void b1MouseMove();
    void p1MouseMove();
    void Image1MouseMove(); // also the status bar
    void b2MouseDown();
    void b2MouseUp();
    void p2MouseDown();

    void sairMenuClick();
    void sairJogosClick();
    void sairJogoClick();
    void configuracoesClick();
    void designClick();
    void sobreBjClick();
    void sobreCassinoClick();
    void sobreDesenClick();

    // A card's name for screen readers, from its picture file: "c (1).jpg" -> "Ás de Copas";
    // empty for any other file.
    static QString cardName(const QString& pictureFile);
    // The result of a hand as it is announced: "Você ganhou: 19 contra 17 da casa. Dinheiro: ...".
    static QString outcomeText(zor::bj::Outcome o, int player, int house, const QString& money);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Builds the controls and their event wiring (blackjack_table_layout.cpp).
    void setupLayout();
    // Settles an exact 21 or a bust, if there is one, with its dialog.
    void settleNow();
    // Turns the house's cards over and shows their total.
    void revealHouse();
    // Hides the player's cards, their frames, the stand button and the player's total.
    void hidePlayerSide();
    // The dialog of an ending.
    static void showOutcome(zor::bj::Outcome o);
    // Announces the hand's result to screen readers on the status bar.
    void announceOutcome(zor::bj::Outcome o, int player);
    // Copies the state into the totals and the status bar, writing only what changed.
    void refresh();
    static void setText(QLabel* label, const QString& text);

    // The figures the labels show now (player and house totals, money, the four counts); -1
    // before the first refresh.
    std::array<int, 7> lastShown_ = {-1, -1, -1, -1, -1, -1, -1};
    QList<zor::Picture*> dar_;
    QList<zor::Shape*> frames_; // Shape1 .. Shape7
    QMetaObject::Connection following_; // to the record's notifier, while the table is shown
};
