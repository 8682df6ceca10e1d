#pragma once
// The design screen "Tela de Design".
#include <QDialog>

class Tdesign final : public QDialog {
public:
    Tdesign();
};
