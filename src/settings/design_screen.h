#pragma once
// The design screen "Tela de Design": seven swatches, one per colour theme. Pressing a swatch
// (or its radio button) changes the theme buffer at once, so every screen shown later takes the
// new theme, saved or not; releasing the mouse previews the theme on this screen's own
// background. Save writes the theme to "Config/cor.txt", Cancel reads it back from there, and
// however the screen closes, the configuration screen's background is repainted with the theme
// then in the buffer.
//
// The frames and previews are numbered by their place on the screen, the radio buttons by their
// theme: the middle row holds theme "5" on the left (Shape3, Image6) and theme "3" on the right
// (Shape5, Image4).
#include "controls/picture.h"
#include "controls/shape.h"
#include "controls/widgets.h"
#include "settings/theme.h"

#include <QDialog>
#include <array>

class Tdesign final : public QDialog {
    Q_OBJECT
public:
    Tdesign();

    zor::Picture* graconf = nullptr;
    zor::Label* Label3 = nullptr;

    // Swatches by place: the preview picture and the transparent frame over it.
    zor::Picture* Image2 = nullptr;
    zor::Picture* Image3 = nullptr;
    zor::Picture* Image6 = nullptr;
    zor::Picture* Image4 = nullptr;
    zor::Picture* Image5 = nullptr;
    zor::Picture* Image7 = nullptr;
    zor::Picture* Image8 = nullptr;
    zor::Shape* Shape1 = nullptr;
    zor::Shape* Shape2 = nullptr;
    zor::Shape* Shape3 = nullptr;
    zor::Shape* Shape5 = nullptr;
    zor::Shape* Shape4 = nullptr;
    zor::Shape* Shape6 = nullptr;
    zor::Shape* Shape7 = nullptr;

    // One radio button per theme, RadioButtonN for theme "N"; one group, exactly one ticked.
    zor::RadioButton* RadioButton1 = nullptr;
    zor::RadioButton* RadioButton2 = nullptr;
    zor::RadioButton* RadioButton3 = nullptr;
    zor::RadioButton* RadioButton4 = nullptr;
    zor::RadioButton* RadioButton5 = nullptr;
    zor::RadioButton* RadioButton6 = nullptr;
    zor::RadioButton* RadioButton7 = nullptr;

    zor::Button* BitBtn1 = nullptr; // "&Salvar", Enter
    zor::Button* BitBtn3 = nullptr; // "&Cancelar", Esc
    zor::Picture* Image1 = nullptr; // decoration

    // The radio button of theme n (1..7).
    zor::RadioButton* radioButton(int n) const { return radios_[n - 1]; }

    void FormShow();
    void FormClose();
    void FormMouseMove();

    // Presses on a swatch or its radio button, by place: Shape3 is theme "5", Shape5 theme "3".
    void Shape1MouseDown();
    void Shape2MouseDown();
    void Shape3MouseDown();
    void Shape4MouseDown();
    void Shape5MouseDown();
    void Shape6MouseDown();
    void Shape7MouseDown();
    // The release on every frame and radio button: the preview.
    void RadioButton6MouseUp();

    void ShapeMouseMove();  // Shape1 to Shape6 and Image4
    void Shape7MouseMove();
    void BitBtn1MouseMove();
    void BitBtn3MouseMove();
    void graconfMouseMove(); // also Image1

    void BitBtn1Click(); // Save
    void BitBtn3Click(); // Cancel

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Builds the controls and their event wiring (design_screen_layout.cpp).
    void layout();
    // Applies the theme in the buffer to the background and ticks its radio button (a picture
    // name ticks none and leaves the tick where it was).
    void showTheme();
    // The press on a swatch of theme n; `tick` ticks its radio button at once.
    void press(int n, bool tick);
    // Runs a button's handler; a modal showing ends with `result` even if the handler failed,
    // as the button itself ends it.
    void runButton(void (Tdesign::*handler)(), int result);

    // The press handler of the swatch of theme n (theme "3" is Shape5, "5" is Shape3).
    using Press = void (Tdesign::*)();
    static Press pressOf(int theme);
    // A choice made from the keyboard (Space or an arrow key on the radio buttons) runs the
    // swatch's press and the preview, as a click does.
    void keyboardChoice(int theme);

    std::array<zor::RadioButton*, 7> radios_{};
    // Between a mouse press on a radio button and its release: its click is the mouse's.
    bool mouseOnRadio_ = false;
    zor::HoverLatch latch_;
};
