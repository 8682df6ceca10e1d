#pragma once
// The five help screens.
#include <QDialog>

class Tajudamenu1 final : public QDialog {
public:
    Tajudamenu1();
};

class Tajudacoc final : public QDialog {
public:
    Tajudacoc();
};

class Tajudacn final : public QDialog {
public:
    Tajudacn();
};

class Tajudabj final : public QDialog {
public:
    Tajudabj();
};

class Tajudaconf final : public QDialog {
public:
    Tajudaconf();
};
