#pragma once
// The loading screen "Carregando Cassino ZOR...", the application's main window. Its show
// handler fills the settings buffers and writes the desktop launcher; Timer2 then plays ten
// steps of 278 ms while Timer1 creates the main menu, and the tenth step hands over to the menu.
// It stays alive, hidden, for the rest of the run.
#include "controls/picture.h"
#include "controls/timer.h"
#include "controls/widgets.h"

#include <QDialog>
#include <QProgressBar>

class TLoading final : public QDialog {
    Q_OBJECT
public:
    TLoading();

    // Client sizes: while stepping, and once "Concluído" hides the cancel button.
    static constexpr QSize kStepping{322, 96};
    static constexpr QSize kFinished{322, 71};

    zor::Picture* Image1 = nullptr;
    zor::Label* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    zor::Button* BitBtn1 = nullptr;
    zor::Timer* Timer1 = nullptr;
    zor::Timer* Timer2 = nullptr;

    void FormCreate();
    void FormShow();
    void Timer1Timer();
    void Timer2Timer();
    void BitBtn1Click();

    // The launcher step of FormShow: "Cassino ZOR" pointing at this program, started here.
    void CreateShortCut(const QString& target, const QString& args, const QString& workDir,
                        const QString& linkName);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void layout();
    void resizeClient(QSize size);
};
