#pragma once
// The five dialogs that tell how a hand of Blackjack ended, each shown modally by the table:
//   ganhou        "Você ganhou !"               won          themed   Space or Enter closes it
//   perdeu        "Você perdeu !"               lost                  Space or Enter closes it
//   empate        "Empate !"                    tie          themed   Space or Enter closes it
//   frm_estourou  "Que pena ! Você estourou !"  bust         themed   Space or Enter closes it
//   certo         "Black Jack - 21 na Mosca"    exact 21              only its close box closes it
// Each holds a picture that says its outcome at a glance and a line of text. None of them has a
// cancel button, so Esc does nothing.
#include "controls/picture.h"
#include "controls/widgets.h"

#include <QDialog>

class Tganhou final : public QDialog {
    Q_OBJECT
public:
    Tganhou();
    zor::Picture* graconf = nullptr;
    zor::Picture* Image1 = nullptr;
    zor::Label* Label1 = nullptr;
    void FormShow();
    void FormKeyDown(QKeyEvent* e);

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

class Tperdeu final : public QDialog {
    Q_OBJECT
public:
    Tperdeu();
    zor::Picture* Image1 = nullptr;
    zor::Label* Label1 = nullptr;
    void FormKeyDown(QKeyEvent* e);

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

class Tempate final : public QDialog {
    Q_OBJECT
public:
    Tempate();
    zor::Picture* graconf = nullptr;
    zor::Picture* Image1 = nullptr;
    zor::Label* Label1 = nullptr;
    void FormShow();
    void FormKeyDown(QKeyEvent* e);

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

class Tfrm_estourou final : public QDialog {
    Q_OBJECT
public:
    Tfrm_estourou();
    zor::Picture* graconf = nullptr;
    zor::Picture* Image1 = nullptr;
    zor::Label* Label1 = nullptr;
    void FormShow();
    void FormKeyDown(QKeyEvent* e);

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

class Tcerto final : public QDialog {
    Q_OBJECT
public:
    Tcerto();
    zor::Picture* Image1 = nullptr;
    zor::Label* Label1 = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};
