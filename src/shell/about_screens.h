#pragma once
// The two about screens: "O Cassino ZOR" (how the casino came about, what casinos are, that
// this one is fictional, and where its name comes from) and "Desenvolvedores" (the authors;
// pointing at an author's name shows that author's details in three read-only fields).
//
// Both are made of the parts every text screen shares (shell/text_screen.h): window, themed
// background, text lines, "Fechar" and the show handler. Controls keep the names of the layouts
// (about_screens_layout.cpp), which hold the texts, pictures, frames and the event wiring.
#include "controls/shape.h"
#include "shell/text_screen.h"

#include <QDialog>
#include <QLineEdit>

// "O Cassino ZOR".
class Tcassino final : public QDialog {
    Q_OBJECT
public:
    Tcassino();

    zor::Picture* graconf = nullptr;
    zor::Picture* Image1 = nullptr; // the casino by night
    zor::Picture* Image2 = nullptr; // the casino's name over the frames
    // One frame around each topic, top to bottom.
    zor::Shape* Shape1 = nullptr;
    zor::Shape* Shape2 = nullptr;
    zor::Shape* Shape3 = nullptr;
    zor::Shape* Shape4 = nullptr;
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
    zor::Label* Label16 = nullptr;
    zor::Label* Label17 = nullptr;
    zor::Label* Label18 = nullptr;
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    zor::TextScreen screen_;
};

// "Desenvolvedores".
class Tdesen final : public QDialog {
    Q_OBJECT
public:
    Tdesen();

    // What the screen shows of each author when the pointer is on the author's name.
    struct Author {
        QString name;
        QString age;
        QString email;
        QString number; // number in the class roll
    };
    static const Author& author(int index); // 0..2, in the order of the names on screen

    zor::Picture* graconf = nullptr;
    zor::Label* Label1 = nullptr;
    zor::Label* Label2 = nullptr;
    zor::Label* Label3 = nullptr;
    zor::Label* Label4 = nullptr;
    zor::Label* Label5 = nullptr;
    // One frame per author, each holding the author's portrait and name.
    zor::Shape* Shape1 = nullptr;
    zor::Shape* Shape2 = nullptr;
    zor::Shape* Shape3 = nullptr;
    zor::Picture* Image1 = nullptr;
    zor::Picture* Image2 = nullptr;
    zor::Picture* Image3 = nullptr;
    zor::Label* Label10 = nullptr;
    zor::Label* Label11 = nullptr;
    zor::Label* Label12 = nullptr;
    // "Idade: " e1, "E-mail: " e2, "Nº:" e3.
    zor::Label* Label6 = nullptr;
    QLineEdit* e1 = nullptr;
    zor::Label* Label7 = nullptr;
    QLineEdit* e2 = nullptr;
    zor::Label* Label8 = nullptr;
    QLineEdit* e3 = nullptr;
    zor::Label* Label9 = nullptr;
    zor::Button* Button1 = nullptr;

    void FormShow();
    void Button1Click();
    void Label10MouseMove();
    void Label11MouseMove();
    void Label12MouseMove();
    void graconfMouseMove();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void showAuthor(int index);

    zor::TextScreen screen_;
};
