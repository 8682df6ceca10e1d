#pragma once
// The game chooser "Cassino ZOR - Jogos". For now the window itself: closing it returns to the
// main menu and its music, so Start and back works.
#include <QDialog>

class Tfrm_Jogos final : public QDialog {
public:
    Tfrm_Jogos();

    void FormClose();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};
