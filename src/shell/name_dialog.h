#pragma once
// The name dialog "Digite seu Nome".
#include <QDialog>

class Tfrm_nome final : public QDialog {
public:
    Tfrm_nome();
};
