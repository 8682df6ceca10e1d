#pragma once
// The five dialogs that tell how a hand of Blackjack ended, each shown modally by the table:
//   ganhou        "Você ganhou !"               won          themed   Space or Enter closes it
//   perdeu        "Você perdeu !"               lost                  Space or Enter closes it
//   empate        "Empate !"                    tie          themed   Space or Enter closes it
//   frm_estourou  "Que pena ! Você estourou !"  bust         themed   Space or Enter closes it
//   certo         "Black Jack - 21 na Mosca"    exact 21              only its close box closes it
// Each holds a picture that says its outcome at a glance and a line of text. None of them has a
// cancel button, so Esc does nothing.
//
// The five are one code: each is its look in outcome_dialogs_layout.cpp, built, shown and keyed
// by the parts they share (zor::bj::OutcomeParts); every dialog still derives only from QDialog.
#include "controls/picture.h"
#include "controls/widgets.h"

#include <QDialog>
#include <functional>

class QKeyEvent;
class QShowEvent;

namespace zor::bj {

// What an outcome dialog looks like and which keys close it.
struct OutcomeLook {
    QString name;
    QString caption;
    QSize size;
    QColor colour;          // the window behind the pictures
    QString background;     // the themed background's layout picture; empty: no theme
    QString picture;        // the outcome's picture
    QRect pictureRect;
    QString text;
    QRect textRect;
    int textPoints;         // "Verdana", bold
    QString textStyle;      // the text's colours (a style sheet)
    bool wrap;              // the text may take two lines
    bool spaceOrEnterCloses;
};

// The parts every outcome dialog is made of: the window, the themed background `graconf` (for
// the themed ones), the picture `Image1`, the text `Label1`, the show handler that applies the
// theme, and the keys: Space and Enter close the dialog where its look says so, every other key
// (Esc included) does nothing, and the repeats of a key still held down from the table close
// nothing.
class OutcomeParts {
public:
    OutcomeParts(QDialog* dialog, const OutcomeLook& look);

    zor::Picture* graconf = nullptr;
    zor::Picture* Image1 = nullptr;
    zor::Label* Label1 = nullptr;

    void show(QShowEvent* e, const std::function<void()>& formShow) const;
    void applyTheme() const;
    // A key pressed on the dialog, in the handler guard.
    void keyPress(QKeyEvent* e, const std::function<void(QKeyEvent*)>& formKeyDown) const;
    // What FormKeyDown does: Space or Enter closes the dialog, other keys do nothing.
    void closeOnSpaceOrEnter(QKeyEvent* e) const;

private:
    QDialog* dialog_;
};

} // namespace zor::bj

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

private:
    zor::bj::OutcomeParts parts_;
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

private:
    zor::bj::OutcomeParts parts_;
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

private:
    zor::bj::OutcomeParts parts_;
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

private:
    zor::bj::OutcomeParts parts_;
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

private:
    zor::bj::OutcomeParts parts_;
};
