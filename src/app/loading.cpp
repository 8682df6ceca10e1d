#include "app/loading.h"

#include "app/screens.h"
#include "controls/form.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "platform/shortcut.h"
#include "settings/store.h"
#include "shell/main_menu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>

namespace {

// The step texts in order; each tick moves the label from one to the next.
const QString kSteps[] = {
    QStringLiteral("Criando Objetos..."),
    QStringLiteral("Carregando Informações..."),
    QStringLiteral("Carregando Imagens..."),
    QStringLiteral("Carregando Janelas, Arquivos e Dados..."),
    QStringLiteral("Criando Músicas e Botões..."),
    QStringLiteral("Criando Jogos..."),
    QStringLiteral("Criando Regras..."),
    QStringLiteral("Escrevendo Regras..."),
    QStringLiteral("Abrindo Janelas..."),
    QStringLiteral("Concluído"),
};

} // namespace

TLoading::TLoading()
{
    layout();
    FormCreate();
}

void TLoading::FormCreate()
{
    zor::setApplicationTitle(QString::fromUtf8(zor::kTitle));
}

void TLoading::resizeClient(QSize size)
{
    setFixedSize(size);
}

void TLoading::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void TLoading::FormShow()
{
    resizeClient(kStepping);
    zor::settings().recoverInterruptedSave();
    zor::settings().loadAll();
    CreateShortCut(QCoreApplication::applicationFilePath(), QString(), QDir::currentPath(),
                   QStringLiteral("Cassino ZOR"));
}

void TLoading::CreateShortCut(const QString& target, const QString& args, const QString& workDir,
                              const QString& linkName)
{
    zor::writeDesktopLauncher(target, args, workDir, linkName);
}

void TLoading::Timer1Timer()
{
    zor::createMainMenu();
    Timer1->setEnabled(false);
}

void TLoading::Timer2Timer()
{
    ProgressBar1->setValue(std::min(ProgressBar1->value() + 1, ProgressBar1->maximum()));
    const QString text = Label1->text();
    int step = -1;
    for (int i = 0; i < 10; ++i) {
        if (text == kSteps[i]) {
            step = i;
            break;
        }
    }
    if (step < 0)
        return;
    if (step < 9)
        Label1->setText(kSteps[step + 1]);
    switch (step) {
    case 5:
        Timer1->setInterval(128);
        QApplication::setOverrideCursor(Qt::BusyCursor);
        break;
    case 7:
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        break;
    case 8:
        Label1->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
        BitBtn1->hide();
        resizeClient(kFinished);
        break;
    case 9:
        // Hand-over. The menu exists by now: Timer1 fired before step 6 or 128 ms after it.
        if (!frm_Menu)
            zor::createMainMenu();
        frm_Menu->show();
        Timer1->setEnabled(false);
        Timer2->setEnabled(false);
        hide();
        break;
    default:
        break;
    }
}

void TLoading::BitBtn1Click()
{
    zor::services().quit();
}

void TLoading::keyPressEvent(QKeyEvent* e)
{
    // Esc presses the cancel button while it is on view; afterwards it does nothing (and
    // must not close the dialog, which would end the program).
    if (e->key() == Qt::Key_Escape) {
        if (BitBtn1->isVisible())
            zor::guarded([this] { BitBtn1Click(); });
        return;
    }
    QDialog::keyPressEvent(e);
}

void TLoading::closeEvent(QCloseEvent* e)
{
    // Closing the main window ends the program.
    QDialog::closeEvent(e);
    zor::guarded([] { zor::services().quit(); });
}
