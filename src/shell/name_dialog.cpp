#include "shell/name_dialog.h"

#include "controls/form.h"

Tfrm_nome::Tfrm_nome()
{
    zor::setupForm(this, QStringLiteral("frm_nome"), QStringLiteral("Digite seu Nome"), QSize(270, 82));
}
