#pragma once
// The configuration screen "Configurações": four switches (music, sound effects, menu
// animation, warnings) that act on the settings buffers the moment a box is clicked, the design
// screen and the configuration help, and Save (writes five files) or Cancel (reloads them).
//
// Each box works straight on its buffer: music and animation reach the main menu's player and
// timers at once, the sound switch silences every cue at once. Only the warnings box waits for
// Save. The boxes keep their state between showings; the show handler brings them back in line
// with the buffers, running a box's click handling only where its state has to change.
#include "controls/picture.h"
#include "controls/shape.h"
#include "controls/widgets.h"
#include "settings/theme.h"

#include <QDialog>

class Tfrm_conf final : public QDialog {
    Q_OBJECT
public:
    Tfrm_conf();

    zor::Picture* graconf = nullptr;
    zor::CheckBox* CheckBox1 = nullptr; // music
    zor::Label* Label1 = nullptr;
    zor::CheckBox* CheckBox5 = nullptr; // sound effects
    zor::Label* Label8 = nullptr;
    zor::CheckBox* CheckBox2 = nullptr; // menu animation
    zor::Label* Label2 = nullptr;
    zor::CheckBox* CheckBox4 = nullptr; // warnings
    zor::Label* Label7 = nullptr;
    zor::Shape* Shape1 = nullptr;
    zor::Label* Label4 = nullptr;
    zor::Label* Label5 = nullptr;
    zor::Label* Label6 = nullptr;
    zor::Button* Button3 = nullptr; // "Design"
    zor::Button* Button1 = nullptr; // "Salvar !"
    zor::Button* Button4 = nullptr; // "Ajuda"
    zor::Button* Button2 = nullptr; // "Cancelar"

    // Set by the music box's click handling, so that Save applies the music switch again.
    bool musicChanged() const { return musicaMudou_; }

    void FormShow();
    void FormClose();
    void CheckBox1Click(); // also Label1
    void CheckBox2Click(); // also Label2
    void CheckBox4Click(); // also Label7
    void CheckBox5Click(); // also Label8
    void Button1Click();   // Save
    void Button2Click();   // Cancel, also the Enter key
    void Button3Click();   // Design
    void Button4Click();   // Help

    void Button1MouseMove();
    void Button2MouseMove();
    void Button3MouseMove(); // also Button4MouseMove
    void Button4MouseMove();
    void CheckBoxMouseMove(); // CheckBox1, 2, 4 and 5
    void graconfMouseMove();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Builds the controls and their event wiring (config_screen_layout.cpp).
    void layout();
    // Ticks or clears a box as the show handler does: only a change runs its click handling.
    void syncBox(QCheckBox* box, bool ticked, void (Tfrm_conf::*click)());
    // The main menu's five animation timers on or off.
    static void animationTimers(bool on);

    bool musicaMudou_ = false;
    zor::HoverLatch latch_;
};
