#pragma once
// The configuration screen "Configurações".
#include <QDialog>

class Tfrm_conf final : public QDialog {
public:
    Tfrm_conf();
};
