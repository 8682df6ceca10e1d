#pragma once
// The mode dialog "Cassino ZOR - Modos de Jogo": the player picks how a coin toss ends, random
// stop ("Parada Aleatória") or player stop ("Parada pelo Jogador"). Its only output is the mode
// of the coin game record: "Escolher" sets 1 or 2, "Cancelar" sets 0, the close box (or Esc)
// leaves it as it was. The table opens it modally while no mode is chosen; the table also ticks
// its radio buttons from outside (reset, close and load), and the dialog keeps the last choice
// from one opening to the next.
//
// Controls and handlers keep the names of the layout (mode_dialog_layout.cpp).
#include "controls/picture.h"
#include "controls/shape.h"
#include "controls/widgets.h"
#include "settings/theme.h"

#include <QDialog>

class Tcoc_modo final : public QDialog {
    Q_OBJECT
public:
    Tcoc_modo();

    zor::Picture* graconf = nullptr;
    zor::Label* Label1 = nullptr;
    zor::Label* Label2 = nullptr; // "modo"
    zor::Picture* Image3 = nullptr; // help icon
    zor::Shape* contornoAjuda = nullptr;
    zor::RadioButton* RadioButton1 = nullptr; // "Parada Aleatória"
    zor::Label* Label3 = nullptr;
    zor::Label* Label4 = nullptr;
    zor::Label* Label5 = nullptr;
    zor::Label* Label6 = nullptr;
    zor::Picture* Image2 = nullptr; // hot area over the description of mode 1
    zor::RadioButton* RadioButton2 = nullptr; // "Parada pelo Jogador"
    zor::Label* Label7 = nullptr;
    zor::Label* Label8 = nullptr;
    zor::Label* Label9 = nullptr;
    zor::Label* Label10 = nullptr;
    zor::Picture* Image1 = nullptr; // hot area over the description of mode 2
    zor::Button* Button2 = nullptr; // "Cancelar"
    zor::Button* Button1 = nullptr; // "Escolher", the default button

    void FormShow();
    void Button1Click();
    void Button2Click();
    void Image1Click();
    void Image2Click();
    void contornoAjudaMouseDown();
    void contornoAjudaMouseUp();

    void Button1MouseMove();
    void Button2MouseMove();
    void HotMouseMove(); // radio buttons and hot areas
    void graconfMouseMove();

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void layout();
    zor::HoverLatch latch_;
};
