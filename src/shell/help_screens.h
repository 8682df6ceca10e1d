#pragma once
// The five help screens: the general help of the main menu, one per game and one for the
// configuration screen. Each shows a fixed column of text lines (headings in bold) over the
// themed background and closes with "Fechar" or its close box; none of them reads or writes a
// setting beyond the theme.
//
// Controls keep the names of the layouts (help_screens_layout.cpp), which hold the texts, their
// places and the event wiring.
#include "controls/picture.h"
#include "controls/widgets.h"

#include <QDialog>

// "Ajuda", opened by the main menu.
class Tajudamenu1 final : public QDialog {
    Q_OBJECT
public:
    Tajudamenu1();

    zor::Picture* graconf = nullptr;
    zor::Label* Label1 = nullptr;
    zor::Label* Label2 = nullptr;
    zor::Label* Label3 = nullptr;
    zor::Label* Label4 = nullptr;
    zor::Label* Label5 = nullptr;
    zor::Label* Label6 = nullptr;
    zor::Label* Label7 = nullptr;
    zor::Label* Label8 = nullptr;
    zor::Label* Label9 = nullptr;
    zor::Label* Label10 = nullptr;
    zor::Label* Label11 = nullptr;
    zor::Label* Label12 = nullptr;
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void layout();
};

// "Ajuda do Cara ou Coroa", with the two faces of a coin.
class Tajudacoc final : public QDialog {
    Q_OBJECT
public:
    Tajudacoc();

    zor::Picture* graconf = nullptr;
    zor::Label* Label1 = nullptr;
    zor::Label* Label2 = nullptr;
    zor::Label* Label3 = nullptr;
    zor::Picture* Image1 = nullptr; // the "Cara" face
    zor::Picture* Image2 = nullptr; // the "Coroa" face
    zor::Label* Label4 = nullptr;
    zor::Label* Label5 = nullptr;
    zor::Label* Label6 = nullptr;
    zor::Label* Label7 = nullptr;
    zor::Label* Label8 = nullptr;
    zor::Label* Label9 = nullptr;
    zor::Label* Label10 = nullptr;
    zor::Label* Label11 = nullptr;
    zor::Label* Label12 = nullptr;
    zor::Label* Label13 = nullptr;
    zor::Label* Label14 = nullptr;
    zor::Label* Label15 = nullptr;
    zor::Label* Label16 = nullptr;
    zor::Label* Label17 = nullptr;
    zor::Label* Label18 = nullptr;
    zor::Label* Label19 = nullptr;
    zor::Label* Label20 = nullptr;
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void layout();
};

// "Ajuda do Caça-Níquel".
class Tajudacn final : public QDialog {
    Q_OBJECT
public:
    Tajudacn();

    zor::Picture* graconf = nullptr;
    zor::Label* Label1 = nullptr;
    zor::Label* Label2 = nullptr;
    zor::Label* Label3 = nullptr;
    zor::Label* Label4 = nullptr;
    zor::Label* Label5 = nullptr;
    zor::Label* Label6 = nullptr;
    zor::Label* Label7 = nullptr;
    zor::Label* Label8 = nullptr;
    zor::Label* Label9 = nullptr;
    zor::Label* Label10 = nullptr;
    zor::Label* Label11 = nullptr;
    zor::Label* Label12 = nullptr;
    zor::Label* Label13 = nullptr;
    zor::Label* Label14 = nullptr;
    zor::Label* Label15 = nullptr;
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void layout();
};

// "Ajuda do BlackJack(Jogo do 21)".
class Tajudabj final : public QDialog {
    Q_OBJECT
public:
    Tajudabj();

    zor::Picture* graconf = nullptr;
    zor::Label* Label1 = nullptr;
    zor::Label* Label2 = nullptr;
    zor::Label* Label3 = nullptr;
    zor::Label* Label4 = nullptr;
    zor::Label* Label5 = nullptr;
    zor::Label* Label6 = nullptr;
    zor::Label* Label7 = nullptr;
    zor::Label* Label8 = nullptr;
    zor::Label* Label9 = nullptr;
    zor::Label* Label10 = nullptr;
    zor::Label* Label11 = nullptr;
    zor::Label* Label12 = nullptr;
    zor::Label* Label13 = nullptr; // the keys of the table
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void layout();
};

// "Ajuda de Configurações", opened by the configuration screen.
class Tajudaconf final : public QDialog {
    Q_OBJECT
public:
    Tajudaconf();

    zor::Picture* graconf = nullptr;
    zor::Label* Label1 = nullptr;
    zor::Label* Label2 = nullptr;
    zor::Label* Label3 = nullptr;
    zor::Label* Label4 = nullptr;
    zor::Label* Label5 = nullptr;
    zor::Label* Label6 = nullptr;
    zor::Label* Label7 = nullptr;
    zor::Label* Label8 = nullptr;
    zor::Label* Label9 = nullptr;
    zor::Label* Label10 = nullptr;
    zor::Label* Label11 = nullptr;
    zor::Label* Label12 = nullptr;
    zor::Label* Label13 = nullptr;
    zor::Label* Label14 = nullptr;
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void layout();
};
