#include "shell/game_chooser.h"

#include "app/screens.h"
#include "controls/form.h"
#include "platform/guard.h"
#include "settings/store.h"
#include "shell/main_menu.h"

#include <QCloseEvent>

Tfrm_Jogos::Tfrm_Jogos()
{
    zor::setupForm(this, QStringLiteral("frm_Jogos"), QStringLiteral("Cassino ZOR - Jogos"), QSize(547, 647));
}

void Tfrm_Jogos::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::centreOnScreen(this);
}

void Tfrm_Jogos::closeEvent(QCloseEvent* e)
{
    QDialog::closeEvent(e);
    zor::guarded([this] { FormClose(); });
}

void Tfrm_Jogos::FormClose()
{
    frm_Menu->show();
    if (zor::isOn(zor::Setting::musica))
        frm_Menu->musica().play();
}
