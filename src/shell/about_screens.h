#pragma once
// The two about screens.
#include <QDialog>

class Tcassino final : public QDialog {
public:
    Tcassino();
};

class Tdesen final : public QDialog {
public:
    Tdesen();
};
