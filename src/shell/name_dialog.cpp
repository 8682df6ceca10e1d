#include "shell/name_dialog.h"

#include "controls/form.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "platform/textfile.h"
#include "settings/store.h"
#include "settings/theme.h"

#include <QShowEvent>

int nomeChamador = 0;

Tfrm_nome::Tfrm_nome()
{
    layout();
}

void Tfrm_nome::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tfrm_nome::FormShow()
{
    zor::applyTheme({graconf});
    // Typing replaces the name entered last time, whichever game it was for.
    Edit1->setFocus();
    Edit1->selectAll();
}

void Tfrm_nome::graconfMouseMove()
{
    zor::sharedHoverLatch().clear();
    zor::setBold(Button1, false);
}

void Tfrm_nome::Button1MouseMove()
{
    zor::setBold(Button1, true);
    zor::sharedHoverLatch().enter();
}

void Tfrm_nome::Button1Click()
{
    // An empty name is refused, and so is a name with letters the game's files cannot hold
    // (they are Windows-1252): "Ωmega" would be saved as "?mega". Blanks and every other
    // character are taken as typed.
    if (Edit1->text().isEmpty() || !zor::fitsCp1252(Edit1->text())) {
        zor::dialogs().message(QStringLiteral("Preencha o Nome sem Caracteres Especiais !"));
        Edit1->setFocus();
        return;
    }
    if (nomeChamador == zor::kNomeCaraOuCoroa)
        zor::settings().set(zor::Setting::nome, Edit1->text());
    else if (nomeChamador == zor::kNomeCacaNiquel)
        zor::settings().set(zor::Setting::nomecn, Edit1->text());
    close();
    zor::setBold(Button1, false);
}
