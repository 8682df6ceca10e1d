#pragma once
// The main menu "Cassino ZOR - Menu Principal": the casino scene with its button bar, the
// drop-up panel, the idle animation, the background music and the one-time warning.
//
// Every button is a picture pair: an invisible hotspot catches the pointer and shows a hover
// picture over itself, and the hover picture carries the click. Moving onto the scene `fundo`
// takes every highlight away again. The controls and handlers keep the names of the layout
// (main_menu_layout.cpp), where each control's events are wired to the handlers below; the
// keyboard's way through the bar and the panel is in main_menu_keys.cpp.
#include "controls/focus_ring.h"
#include "controls/picture.h"
#include "controls/timer.h"
#include "platform/services.h"

#include <QDialog>
#include <memory>

class Tfrm_Menu final : public QDialog {
    Q_OBJECT
public:
    Tfrm_Menu();
    ~Tfrm_Menu() override;

    // Collapse: closes the panel and removes every highlight.
    void esconderMenu();
    // The background music player (open or not; one that could not open ignores every call).
    zor::MusicPlayer& musica() { return *musica_; }

    // Timers other screens drive (the configuration screen switches the animation).
    zor::Timer* t = nullptr;
    zor::Timer* t2 = nullptr;
    zor::Timer* t3 = nullptr;
    zor::Timer* t4 = nullptr;
    zor::Timer* t5 = nullptr;
    zor::Timer* alertat = nullptr;
    zor::Timer* m = nullptr;

    // The frame around the bar button that Tab has reached.
    zor::FocusRing* focusRing = nullptr;

    // The scene, bottom of everything that takes the mouse.
    zor::Picture* fundo = nullptr;

    // The button bar: hotspots and their hover pictures.
    zor::Picture* menuup = nullptr;
    zor::Picture* menuover = nullptr;
    zor::Picture* menuclick = nullptr;
    zor::Picture* escolherup = nullptr;
    zor::Picture* escolherover = nullptr;
    zor::Picture* configup = nullptr;
    zor::Picture* configover = nullptr;
    zor::Picture* ajudaup = nullptr;
    zor::Picture* ajudaover = nullptr;
    zor::Picture* minup = nullptr;
    zor::Picture* minover = nullptr;
    zor::Picture* closeup = nullptr;
    zor::Picture* closeover = nullptr;

    // The drop-up panel.
    zor::Picture* menuprincipal = nullptr;
    zor::Picture* escolher2up = nullptr;
    zor::Picture* escolher2over = nullptr;
    zor::Picture* ajuda2up = nullptr;
    zor::Picture* ajuda2over = nullptr;
    zor::Picture* config2up = nullptr;
    zor::Picture* config2over = nullptr;
    zor::Picture* nada = nullptr;
    zor::Picture* dese = nullptr;
    zor::Picture* icon1 = nullptr;
    zor::Picture* cas = nullptr;
    zor::Picture* icon2 = nullptr;
    zor::Picture* nada2 = nullptr;
    zor::Picture* diminuir1 = nullptr;
    zor::Picture* sair1 = nullptr;
    zor::Picture* icone1 = nullptr;
    zor::Picture* icone2 = nullptr;

    // The animation pictures of the scene.
    zor::Picture* roletaup = nullptr;
    zor::Picture* roletaover = nullptr;
    zor::Picture* roletaover2 = nullptr;
    zor::Picture* luz = nullptr;
    zor::Picture* head = nullptr;
    zor::Picture* braco1 = nullptr;
    zor::Picture* braco2 = nullptr;
    zor::Picture* head3 = nullptr;
    zor::Picture* head4 = nullptr;
    zor::Picture* luz2 = nullptr;
    zor::Picture* makina2 = nullptr;
    zor::Picture* braco3 = nullptr;
    zor::Picture* luzes = nullptr;
    zor::Picture* makina = nullptr;
    zor::Picture* makina3 = nullptr;
    zor::Picture* head2 = nullptr;
    zor::Picture* makina4 = nullptr;

    // Form events.
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormKeyDown(int key);

    // Sound cues of the menu, both under the sound switch `som`.
    void mousem();
    void clickc();

    // Pointer moves: the bar, the scene and the panel.
    void menuupMouseMove();
    void escolherupMouseMove();
    void configupMouseMove();
    void ajudaupMouseMove();
    void minupMouseMove();
    void closeupMouseMove();
    void fundoMouseMove();
    void escolher2upMouseMove(); // also escolher2over
    void ajuda2upMouseMove();    // also ajuda2over
    void config2upMouseMove();
    void config2overMouseMove();
    void nadaMouseMove();
    void deseMouseMove();
    void casMouseMove();
    void nada2MouseMove();
    void diminuir1MouseMove();
    void sair1MouseMove();
    void menuclickMouseMove();
    void makinaMouseMove();

    // Opening and closing the panel.
    void menuoverMouseDown(Qt::MouseButton button);
    void menuoverMouseUp(Qt::MouseButton button);
    void menuclickMouseDown(Qt::MouseButton button);
    void menuclickClick();
    void fundoClick();
    // A button released on one of the bar's hover pictures collapses the menu.
    void escolheroverMouseUp();

    // Actions.
    void escolheroverClick(); // Start: also escolher2over and the Enter key
    void configoverClick();   // Configuration: also config2over
    void ajudaoverClick();    // Help: also ajuda2over
    void deseClick();         // Developers
    void icon1Click();        // Developers, without the cue
    void casClick();          // About the casino: also icon2
    void minoverClick();      // Minimise: also diminuir1
    void closeoverClick();    // End: also sair1 and icone2

    // Timers.
    void tTimer();
    void t2Timer();
    void t3Timer();
    void t4Timer();
    void t5Timer();
    void alertatTimer();
    void Timer1Timer();

    // Keyboard on the bar (main_menu_keys.cpp): Tab and Shift+Tab (or the left and right
    // arrows) go from button to button, highlighting each as the pointer would; Space presses
    // the one reached. Enter keeps its meaning (Start) wherever the bar's cursor is.
    enum class Bar { Menu, Start, Config, Help, Minimise, Close };
    static constexpr int kBarButtons = 6;
    // The bar button reached, or -1 before the first Tab.
    int barFocus() const { return barFocus_; }
    void focusBar(int index);
    void pressBar();
    // With the panel open, Up and Down go through its seven entries, highlighting each as the
    // pointer would, and Space chooses the one reached. -1: none reached.
    static constexpr int kPanelEntries = 7;
    int panelFocus() const { return panelFocus_; }
    void focusPanel(int index);
    void pressPanel();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Builds the controls, the timers and the event wiring (main_menu_layout.cpp).
    void setupLayout();
    // The random pose of the idle animation that t, t2 and t3 each show.
    void pose();
    // The hiding shared by every way of closing the panel.
    void fecharPainel();

    std::unique_ptr<zor::MusicPlayer> musica_;
    // The left button went down on menuover, which hid itself; its release is still due.
    bool menuoverHeld_ = false;
    int barFocus_ = -1;
    int panelFocus_ = -1;
};
