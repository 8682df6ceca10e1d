#pragma once
// The slot machine screen "Caça-Níquel": three reels, the lever, the live statistics, the options
// panel and the menu on the machine tab; the symbol sets and the design screen on the "Design"
// tab; the game's help on the "Ajuda" tab.
//
// The game itself lives in the process-wide record zor::cn::slotGame() and its rule functions
// (slot_game.h); this screen turns events into rule calls and draws what the rules say. Every
// change of the record goes through play(), which then brings the three reel timers in step
// with the record's `running` flags and redraws the labels of money, totals and counts (only
// those whose text changed), in the same turn of the event loop. No timer polls the record, so
// an idle machine wakes the program for nothing.
//
// Controls and handlers keep the names of the layout (slot_machine_layout.cpp), where each
// control's events are wired to the handlers below. The handlers are in three files:
// slot_machine.cpp (life cycle, keys, lever, reels, result, labels), slot_machine_saves.cpp
// (save, load, name, new game) and slot_machine_menu.cpp (options, menu, tabs, symbol sets,
// pointer moves).
#include "controls/focus_ring.h"
#include "controls/key_repeats.h"
#include "controls/picture.h"
#include "controls/shape.h"
#include "controls/status_panels.h"
#include "controls/timer.h"
#include "controls/widgets.h"
#include "games/slots/slot_game.h"
#include "settings/theme.h"
#include "shell/player_name.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTabWidget>
#include <array>
#include <optional>

class Tfrm_cn final : public QDialog {
    Q_OBJECT
public:
    Tfrm_cn();

    // The caption the name label shows until a name is set.
    static const QString kNomePadrao;

    // ---- Menu bar ----
    QMenuBar* MainMenu1 = nullptr;
    QMenu* OpcoesdoJogo1 = nullptr;
    QAction* IniciarnovoJogo1 = nullptr;         // F2
    QAction* SalvarJogo1 = nullptr;              // Ctrl+S
    QAction* CarregarJogo1 = nullptr;            // Ctrl+O
    QAction* Sairparaomenuprincipal1 = nullptr;
    QAction* SairparaateladeJogos1 = nullptr;
    QAction* SairdoJogo1 = nullptr;              // Ctrl+Alt+W
    QMenu* Recursos1 = nullptr;
    QAction* Design1 = nullptr;
    QAction* Configuracoes1 = nullptr;
    QMenu* Ajuda1 = nullptr;
    QAction* CacaNiquel1 = nullptr;
    QAction* SobreoCassinoZOR1 = nullptr;
    QAction* SobreosDesenvolvedores1 = nullptr;

    // ---- Page control ----
    QTabWidget* pagecontrol1 = nullptr;
    QWidget* TabSheet1 = nullptr; // "Caça - Níquel"
    QWidget* TabSheet2 = nullptr; // "Design"
    QWidget* TabSheet3 = nullptr; // "Ajuda"

    // ---- Machine tab ----
    zor::Picture* Image1 = nullptr; // the cabinet and its reel windows
    zor::Picture* fig1 = nullptr;
    zor::Picture* fig2 = nullptr;
    zor::Picture* fig3 = nullptr;
    zor::Picture* alavanca = nullptr;
    zor::Picture* alavanca2 = nullptr; // the pulled lever
    zor::Picture* possible = nullptr;  // the match banner
    zor::Label* dim = nullptr;         // the last result's amount
    zor::Shape* shape = nullptr;       // the grey box behind the name
    zor::Label* nome = nullptr;
    zor::Label* Label1 = nullptr;      // "Altere a categoria:"
    zor::Shape* Shape13 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    zor::Picture* graconf = nullptr;   // themed background of the lower area
    zor::Shape* Shape1 = nullptr;      // the statistics' panel
    zor::Label* Label2 = nullptr;      // row captions
    zor::Label* Label3 = nullptr;
    zor::Label* Label4 = nullptr;
    zor::Label* Label5 = nullptr;
    zor::Label* Label6 = nullptr;
    zor::Label* Label7 = nullptr;
    zor::Label* Label8 = nullptr;
    zor::Label* Label9 = nullptr;      // "US$          ,00" under the money
    zor::Label* Label10 = nullptr;     // ... under the amount won
    zor::Label* Label12 = nullptr;     // ... under the amount lost
    zor::Label* ldinheiro = nullptr;
    zor::Label* lganha = nullptr;
    zor::Label* lperdeu = nullptr;
    zor::Label* lapostas = nullptr;
    zor::Label* l2 = nullptr;
    zor::Label* l3 = nullptr;
    zor::Label* ln = nullptr;
    zor::Picture* Image2 = nullptr;    // the options panel's background
    zor::Label* Label11 = nullptr;     // "Opções"
    zor::Label* l1 = nullptr;          // "Configurações"
    zor::Label* l22 = nullptr;         // "Novo Jogo"
    zor::Label* lsalvar = nullptr;     // "Salvar Jogo"
    zor::Label* lcarregar = nullptr;   // "Carregar Jogo"
    zor::Label* l33 = nullptr;         // "Menu Principal"
    zor::Label* l4 = nullptr;          // "Tela de Jogos"
    zor::Label* l5 = nullptr;          // "Sair do Jogo"
    zor::Label* l = nullptr;           // the sliding save and load notice
    zor::Button* buttonx = nullptr;    // never visible: the reel reset
    zor::Button* buttony = nullptr;    // never visible: the result evaluation

    // ---- Design tab ----
    zor::Picture* graconf2 = nullptr;
    zor::Label* Label13 = nullptr;     // "Escolha uma categoria do Caça Níquel:"
    QComboBox* ComboBox1 = nullptr;
    zor::Shape* Shape2 = nullptr;      // frames of the previews
    zor::Shape* Shape3 = nullptr;
    zor::Shape* Shape4 = nullptr;
    zor::Shape* Shape5 = nullptr;
    zor::Picture* c1 = nullptr;
    zor::Picture* c2 = nullptr;
    zor::Picture* c3 = nullptr;
    zor::Picture* c4 = nullptr;
    zor::Button* Button1 = nullptr;    // "Tela de design do Cassino ZOR: "
    zor::Label* Label14 = nullptr;
    zor::Picture* Image3 = nullptr;    // decoration

    // ---- Help tab ----
    zor::Picture* graconf3 = nullptr;
    zor::Picture* Image4 = nullptr;    // decoration
    zor::Label* Label15 = nullptr;
    zor::Button* Button2 = nullptr;    // "Clique aqui para obter ajuda"

    zor::StatusPanels* StatusBar1 = nullptr; // the pay table

    // ---- Timers ----
    zor::Timer* timer1 = nullptr;   // 90 ms: reel 1
    zor::Timer* Timer2 = nullptr;   // 90 ms: reel 2
    zor::Timer* Timer3 = nullptr;   // 90 ms: reel 3, the stops of reels 1 and 3, the result
    zor::Timer* t1 = nullptr;       // 2656 ms: hides the amount label
    zor::Timer* Timer4 = nullptr;   // 1 ms: slides the notice
    // 40 ms, once: a Space release counts as the lever's release when no press of a held key's
    // repeat follows it within this time.
    zor::Timer* spaceUp = nullptr;

    // The name the label stands for (its caption may be shortened to fit the screen).
    const QString& nomeCaption() const { return name_.caption(); }

    // ---- Handlers ----
    void FormShow();
    void FormClose();
    void FormKeyDown(int key);
    void FormKeyUp(int key);
    void alavancaMouseDown();
    void alavancaMouseUp();
    // The lever pressed by a screen reader: a press and a release.
    void leverByAction();
    // A reel's name for screen readers: "Roleta 1: figura 2" (slot 1..4 of the symbol set).
    static QString reelName(int reel, int slot);
    // The end of a pull as it is announced: "Figuras 2, 2 e 3: + US$ 25,00. Sua quantia
    // disponível: US$ 150,00".
    static QString pullText(const std::array<int, 3>& shown, const QString& amount, int money);
    void timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void buttonxClick();
    void buttonyClick();
    // Writes the record into the labels: the counts, money and totals (only where the text
    // changes) and the lever's cursor (an arrow while it is locked). play() runs it after every
    // change of the record.
    void redraw();
    void t1Timer();
    void Timer4Timer();
    void spaceUpTimer();

    void lsalvarClick();
    void SalvarJogo1Click();
    void lcarregarClick();
    void CarregarJogo1Click();
    void nomeMouseDown();
    void IniciarnovoJogo1Click();
    void pagecontrol1Change();

    void Sairparaomenuprincipal1Click(); // also l33
    void SairparaateladeJogos1Click();   // also l4
    void SairdoJogo1Click();             // also l5
    void Design1Click();
    void Configuracoes1Click();          // also l1
    void CacaNiquel1Click();             // also the help tab's button
    void SobreoCassinoZOR1Click();
    void SobreosDesenvolvedores1Click();

    void ComboBox1Click();
    void ComboBox2Click();
    void ComboBox1Select(); // the set application; also ComboBox2Change
    void Button1Click();

    // Pointer moves.
    void optionMouseMove(zor::Label* option); // each option label
    void Image2MouseMove();                   // the options panel's background
    void machineMouseMove();                  // reels, lever, statistics, lower background
    void nomeMouseMove();
    void sheetMouseMove();                    // machine sheet, fig1, shape, the design tab's background
    void Button1MouseMove();

    // Applies the stored symbol set ("Config/jogos/cn/design.txt") as every show and load do.
    void applyStoredSymbolSet();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Builds the controls and their event wiring (slot_machine_layout.cpp).
    void layout();

    // Space as the lever: a real press presses it, a real release releases it; a held key's
    // repeats do nothing.
    void spaceKey(const QKeyEvent* k);
    // A menu of the bar closed with Esc leaves the bar holding the keyboard: hands it back to
    // the control that had it before.
    void leaveMenuBar();

    // The record, to read. It changes only through play().
    const zor::cn::SlotGame& game() const { return zor::cn::slotGame(); }
    // Runs `rule` over the record, then enables or disables the reel timers as the record's
    // running flags say and redraws the labels, also when the rule throws (a load stopped by a
    // broken file shows the values it took). Returns what the rule returns.
    template <class Rule>
    decltype(auto) play(Rule&& rule);
    // Enables or disables the reel timers as the record's running flags say.
    void syncReelTimers();
    // Runs one reel's tick rule and draws what changed.
    void reelTick(int reel);
    // The picture of symbol slot `slot` (0..3) of the current set. `strict` loads throw the
    // loader's failure; the reel ticks use the quiet kind, so a missing file leaves a blank reel
    // instead of an error box every 90 ms.
    QPixmap symbolPicture(int slot, bool strict);
    void showOnReel(int reel, int slot, bool strict);
    // All three reels on symbol slot 2 and the banner hidden, when no reel runs.
    void idleReels();
    // The set of index `index` into the previews and the symbol slots.
    void applySymbolSet(int index);
    void applyScreenTheme();
    void showLever(bool usable);
    // Fonts of the option labels: bold or not and never underlined; bold and underlined;
    // underlined or not.
    static void boldOnly(QWidget* w, bool bold);
    static void boldUnderlined(QWidget* w);
    static void underlined(QWidget* w, bool on);
    void startNotice(const QString& text);
    // Shows a secondary screen modally.
    void showModal(QDialog* dialog);
    // The statistics: writes the number of a row only when it changed, and widens the fixed
    // "US$ ... ,00" label beneath it when a long number would not fit between its ends.
    void writeNumber(zor::Label* number, zor::Label* fixed, int value, std::optional<int>& shown);
    void writeCount(zor::Label* number, int value, std::optional<int>& shown);

    std::array<zor::Picture*, 3> reels_{};
    std::array<zor::Picture*, 4> previews_{};
    QList<zor::Label*> options_;
    // Decoded pictures of the current symbol files, by file name.
    QHash<QString, QPixmap> symbolCache_;
    // The name label, the name dialog and the name's part in a save and a load.
    zor::PlayerName name_;
    // The labels' last written values, none before the first redraw.
    std::array<std::optional<int>, 7> shown_{};
    zor::HoverLatch latch_;
    bool settingPage_ = false;
    zor::KeyRepeats spaceKeys_;
    zor::KeyRepeats enterKeys_;
    // The symbol slot each reel shows now.
    std::array<int, 3> reelSlots_{1, 1, 1};
    // Frames the control the keyboard reached (an option, the name, a button).
    zor::FocusRing* focusRing_ = nullptr;
};

template <class Rule>
decltype(auto) Tfrm_cn::play(Rule&& rule)
{
    struct Follow {
        Tfrm_cn* screen;
        ~Follow()
        {
            screen->syncReelTimers();
            screen->redraw();
        }
    } follow{this};
    return rule(zor::cn::slotGame());
}
