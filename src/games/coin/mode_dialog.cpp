#include "games/coin/mode_dialog.h"

#include "app/screens.h"
#include "controls/form.h"
#include "games/coin/coin_game.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "shell/help_screens.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>

using zor::coin::game;

Tcoc_modo::Tcoc_modo()
{
    layout();
}

void Tcoc_modo::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tcoc_modo::keyPressEvent(QKeyEvent* e)
{
    // Esc closes the dialog as its close box does: the mode stays as it was. Enter goes on to
    // the dialog, which presses "Escolher" (or "Cancelar" when that has the focus).
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        close();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Tcoc_modo::mouseMoveEvent(QMouseEvent* e)
{
    if (!childAt(e->position().toPoint()))
        zor::guarded([this] { graconfMouseMove(); });
    QDialog::mouseMoveEvent(e);
}

void Tcoc_modo::FormShow()
{
    latch_.clear();
    // The theme buffer as it stands; the file is not read again here.
    zor::applyTheme({graconf});
}

void Tcoc_modo::Button1Click()
{
    zor::coin::ChangeScope change;
    if (RadioButton1->isChecked()) {
        game().mode = zor::coin::Mode::RandomStop;
        zor::confirmation(QStringLiteral("Modo Escolhido: Parada Aleatória"));
    } else if (RadioButton2->isChecked()) {
        game().mode = zor::coin::Mode::PlayerStop;
        zor::confirmation(QStringLiteral("Modo Escolhido: Parada pelo Jogador"));
    }
    zor::playCue(zor::kChoiceCue);
    close();
}

void Tcoc_modo::Button2Click()
{
    zor::playCue(zor::kChoiceCue);
    game().mode = zor::coin::Mode::NoMode;
    zor::coin::recordChanged();
    close();
}

void Tcoc_modo::Image1Click()
{
    RadioButton2->setChecked(true);
}

void Tcoc_modo::Image2Click()
{
    RadioButton1->setChecked(true);
}

void Tcoc_modo::contornoAjudaMouseDown()
{
    zor::dialogs().showModal(ajudacoc);
    zor::clickCue();
}

void Tcoc_modo::contornoAjudaMouseUp()
{
    zor::playCue(zor::kChoiceCue);
}

void Tcoc_modo::Button1MouseMove()
{
    zor::setBold(Button1, true);
    latch_.enter();
}

void Tcoc_modo::Button2MouseMove()
{
    zor::setBold(Button1, false);
    latch_.enter();
}

void Tcoc_modo::HotMouseMove()
{
    latch_.enter();
}

void Tcoc_modo::graconfMouseMove()
{
    latch_.clear();
    zor::setBold(Button1, false);
}
