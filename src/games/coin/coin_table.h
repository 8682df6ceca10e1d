#pragma once
// The coin table of heads or tails: the coin, the main button ("Escolher Modo", then "Jogar
// Moeda"), the stop button "Parar" with its countdown bar, the settings gear, the player's name
// in the top-left corner and, below the coin, the tab panel with the money, the counts, the
// game's options (navigation, reset, save, load), an in-game theme chooser and the help.
//
// A toss turns the coin face after face (`gira1`/`gira2`, 73 ms each) with the turning sound
// (`som`, 70 ms) until it stops: by itself after the 150 ticks of the countdown `aleatorio` in
// random stop, or on "Parar" / the space bar in player stop. The game, the toss included (its
// phase, the face up, the countdown), lives in the coin game record (coin_game.h) and its rules;
// handlers call the rules and drive the timers and the looks. The table draws the record in
// redraw(), which runs whenever the record announces a change, in the same event-loop turn, and
// writes a text, a width, a cursor or a value only when it differs from what is shown: no timer
// polls, and an idle table wakes nothing.
//
// Controls and handlers keep the names of the layout (coin_table_layout.cpp). The handlers live
// in four files: coin_table.cpp (show, close, keys, the toss and the drawing of the record),
// coin_table_panel.cpp (the tab panel: hiding it, navigation, reset, design and help tabs),
// coin_table_saves.cpp (save, load and the player's name) and coin_table_looks.cpp (how the
// buttons look under the pointer).
#include "controls/picture.h"
#include "controls/shape.h"
#include "controls/timer.h"
#include "controls/widgets.h"
#include "games/coin/coin_game.h"
#include "games/coin/coin_screens_common.h"
#include "settings/theme.h"
#include "shell/player_name.h"

#include <QDialog>
#include <QProgressBar>
#include <QTabWidget>
#include <array>

class TCoC_jogo final : public QDialog {
    Q_OBJECT
public:
    TCoC_jogo();

    // ---- The upper table ----
    zor::Picture* fundo = nullptr; // the table itself, behind everything
    zor::Picture* cara = nullptr;
    zor::Picture* coroa = nullptr; // over `cara`; hidden at rest
    zor::Shape* c = nullptr;       // the box around `jogar`
    zor::Label* jogar = nullptr;
    zor::Label* parar = nullptr;
    QProgressBar* position = nullptr;
    zor::coin::Gear gear; // `config` and `config2`
    zor::Button* Button1 = nullptr; // "<< Esconder" / "Mostrar >>"
    zor::Shape* shape = nullptr;    // the silver strip under the name
    zor::Label* nome = nullptr;

    // ---- The tab panel ----
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr; // "Dinheiro"
    QWidget* TabSheet2 = nullptr; // "Apostas"
    QWidget* TabSheet3 = nullptr; // "Opções do Jogo"
    QWidget* TabSheet5 = nullptr; // "Design"
    QWidget* TabSheet4 = nullptr; // "Ajuda"
    zor::Picture* graconf = nullptr;
    zor::Picture* graconf2 = nullptr;
    zor::Picture* graconf3 = nullptr;
    zor::Picture* graconf4 = nullptr;
    zor::Picture* graconf5 = nullptr;
    zor::Label* ldinheiro = nullptr;
    zor::Label* lapostas = nullptr;
    zor::Label* lganhou = nullptr;
    zor::Label* lperdeu = nullptr;
    zor::Label* o = nullptr; // the chosen side inside its sentence
    zor::Button* b1 = nullptr; // "Sair para o menu principal"
    zor::Button* b2 = nullptr; // "Sair para a tela de jogos"
    zor::Button* b3 = nullptr; // "Sair do Jogo"
    zor::Button* b4 = nullptr; // "Voltar para Escolher Cara ou Coroa"
    zor::Button* b5 = nullptr; // "Configurações"
    zor::Button* b6 = nullptr; // "Zerar Cara ou Coroa"
    zor::Button* b7 = nullptr; // "Salvar jogo"
    zor::Button* b8 = nullptr; // "Carregar último jogo"
    zor::Button* b9 = nullptr; // "Esconder Opções"
    zor::Picture* balao = nullptr;
    zor::Label* l1 = nullptr;
    zor::Label* l2 = nullptr;
    zor::Picture* moeda = nullptr;
    std::array<zor::Picture*, 7> swatches{}; // Image1 to Image7
    std::array<zor::Shape*, 7> shapes{};     // Shape1 to Shape7
    std::array<zor::RadioButton*, 7> radios{}; // RadioButton1 to RadioButton7
    zor::Button* BitBtn1 = nullptr; // "&Salvar"
    zor::Button* Button2 = nullptr; // "Sobre o Cara ou Coroa"
    zor::Button* Button3 = nullptr; // "Sobre o Cassino ZOR"
    zor::Button* Button4 = nullptr; // "Sobre os Desenvolvedores"

    // ---- Timers ----
    zor::Timer* som = nullptr;
    zor::Timer* gira1 = nullptr;
    zor::Timer* gira2 = nullptr;
    zor::Timer* aleatorio = nullptr;
    // No longer polls: it stays switched off, and a tick by hand draws the record as a change
    // does (redraw).
    zor::Timer* Timer = nullptr; // hides the save/load balloon

    // The name label's whole caption ("Clique aqui para Editar o seu Nome" until a name is
    // given); the label itself shows it shortened (zor::shownName).
    QString nomeCaption() const { return name_.caption(); }
    static QString namePrompt() { return zor::namePrompt(); }

    // ---- Handlers ----
    void FormShow();
    void FormClose();
    void jogarClick();
    void pararClick();
    // The end of a toss as it is announced on the coin: "Coroa: você ganhou R$ 0,10. Dinheiro:
    // R$ 1,1".
    static QString tossText(bool coroaUp, zor::coin::Outcome o, double stake, double money);
    void somTimer();
    void gira1Timer();
    void gira2Timer();
    void aleatorioTimer();
    // Draws the coin game record: the main button's caption and cursor, the box and strip
    // widths, the money and counts, the side, the cursors of "Parar" and the gear, the face up
    // and the stop bar. Runs on every change of the record.
    void redraw();
    void TimerTimer();
    void Button1Click();
    void b1Click();
    void b2Click();
    void b3Click();
    void b4Click();
    void b5Click();
    void b6Click(); // reset
    void b7Click(); // save
    void b8Click(); // load
    void b9Click();
    void nomeMouseDown();
    void shapeMouseDown();
    void RadioButtonClick(int n); // a radio button of the design tab became checked
    void ShapeMouseDown(int n, Qt::MouseButton button);
    void BitBtn1MouseDown();
    void BitBtn1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void config2Click();

    // Pointer moves.
    void FormMouseMove(); // the window background
    void jogarMouseMove();
    void pararMouseMove();
    void coinMouseMove();
    void configMouseMove();
    void PageControl1MouseMove();
    void graconf3MouseMove(); // the options tab background
    void graconf4MouseMove(); // the design tab background
    void graconf5MouseMove(); // the help tab background
    void panelButtonMouseMove(QWidget* button);
    void moedaMouseMove();

    // The Enter and space handling of the table (the form previews every key).
    bool previewKey(QKeyEvent* e);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void layout();

    enum class JogarLook { Rest, Hover, Busy };
    void setJogarLook(JogarLook look);
    void setJogarCaption(const QString& caption);
    void setPararColour(const QColor& colour);
    // Stops every timer of a toss and brings the stop button, the main button and the tab panel
    // to rest (reset and close); the record has been reset already.
    void stopToss();
    // The end of a toss, once the rules have settled it: the coin announces the result, the
    // main button comes to rest and the tab panel back.
    void endToss(const zor::coin::TossEnd& end);
    // The coin's two pictures, then the stake, by the coin value; a value outside the coin
    // table leaves both as they were.
    void setCoinPictures();
    // The digit of the design tab's checked radio button, or 0 when none is checked.
    int checkedTheme() const;
    void showBalloon(const QString& text, int left);
    // Shows a tab panel button with a bold caption while the pointer is on it.
    void unstylePanelButtons();

    // `Button1` at the given top, at its left edge (see layout).
    void placeButton1(int top);

    // The left edge of `Button1`: 811, or further left if its captions need more room than the
    // 75 pixels left there, so that its right edge stays inside the window.
    int button1Left_ = 811;
    JogarLook jogarLook_ = JogarLook::Rest;
    // What redraw() last drew of the money and the side, so an unchanged record costs no
    // formatting.
    bool drawn_ = false;
    double shownMoney_ = 0;
    QString shownSide_;
    // The player's name on `nome` and its strip `shape`, with the name dialog (coin game).
    zor::PlayerName name_;
    zor::HoverLatch latch_;
};
