#pragma once
// The five help screens: the general help of the main menu, one per game and one for the
// configuration screen. Each shows a fixed column of text lines (headings in bold) over the
// themed background and closes with "Fechar" or its close box; none of them reads or writes a
// setting beyond the theme.
//
// The five are one code: each is its page of help_screens_layout.cpp (window, lines, the place of
// "Fechar") laid out by the text screen parts they share (shell/text_screen.h); a class adds only
// what is its own, the coin pictures of the heads-or-tails help. Controls keep the names of the
// layouts (graconf, Label1 ..., Button1).
#include "shell/text_screen.h"

#include <QDialog>

// "Ajuda", opened by the main menu.
class Tajudamenu1 final : public QDialog {
    Q_OBJECT
public:
    Tajudamenu1();

    zor::Picture* graconf = nullptr;
    QList<zor::Label*> lines; // Label1, Label2, ... in layout order
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    zor::TextScreen screen_;
};

// "Ajuda do Cara ou Coroa", with the two faces of a coin.
class Tajudacoc final : public QDialog {
    Q_OBJECT
public:
    Tajudacoc();

    zor::Picture* graconf = nullptr;
    zor::Picture* Image1 = nullptr; // the "Cara" face
    zor::Picture* Image2 = nullptr; // the "Coroa" face
    QList<zor::Label*> lines; // Label1, Label2, ... in layout order
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    zor::TextScreen screen_;
};

// "Ajuda do Caça-Níquel".
class Tajudacn final : public QDialog {
    Q_OBJECT
public:
    Tajudacn();

    zor::Picture* graconf = nullptr;
    QList<zor::Label*> lines; // Label1, Label2, ... in layout order
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    zor::TextScreen screen_;
};

// "Ajuda do BlackJack(Jogo do 21)", with the keys of the table as its last line.
class Tajudabj final : public QDialog {
    Q_OBJECT
public:
    Tajudabj();

    zor::Picture* graconf = nullptr;
    QList<zor::Label*> lines; // Label1, Label2, ... in layout order
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    zor::TextScreen screen_;
};

// "Ajuda de Configurações", opened by the configuration screen.
class Tajudaconf final : public QDialog {
    Q_OBJECT
public:
    Tajudaconf();

    zor::Picture* graconf = nullptr;
    QList<zor::Label*> lines; // Label1, Label2, ... in layout order
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    zor::TextScreen screen_;
};
