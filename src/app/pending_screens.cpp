#include "app/pending_screens.h"

#include "app/screens.h"
#include "controls/form.h"
#include "platform/guard.h"
#include "shell/game_chooser.h"
#include "shell/main_menu.h"

#include <QCloseEvent>

namespace zor {

PendingScreen::PendingScreen(const QString& name, const QString& caption, QSize client, Kind kind,
                             bool minimiseBox)
    : kind_(kind)
{
    setupForm(this, name, caption, client,
              minimiseBox ? TitleButtons::MinimiseAndClose : TitleButtons::CloseOnly);
}

void PendingScreen::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    centreOnScreen(this);
}

void PendingScreen::closeEvent(QCloseEvent* e)
{
    QDialog::closeEvent(e);
    if (kind_ != GameScreen)
        return;
    guarded([] {
        frm_Jogos->show();
        if (frm_Menu)
            frm_Menu->hide();
    });
}

} // namespace zor
