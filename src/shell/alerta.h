#pragma once
// The warning dialog "Aviso": shown once per run while warnings are on, it suggests switching
// the menu animation off on a slow machine and lets the player switch warnings off for good.
#include "controls/picture.h"
#include "controls/widgets.h"

#include <QDialog>

class TAlerta final : public QDialog {
    Q_OBJECT
public:
    TAlerta();

    zor::Picture* graconf = nullptr;
    zor::Picture* imgAlerta = nullptr;
    zor::Label* Label2 = nullptr;
    zor::Label* Label3 = nullptr;
    zor::Label* Label1 = nullptr;
    zor::Label* Label4 = nullptr;
    zor::CheckBox* CheckBox1 = nullptr;
    zor::Button* Button1 = nullptr;

    void FormShow();
    void CheckBox1Click();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void layout();
};
