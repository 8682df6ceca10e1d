#include "settings/config_screen.h"

#include "controls/form.h"

Tfrm_conf::Tfrm_conf()
{
    zor::setupForm(this, QStringLiteral("frm_conf"), QStringLiteral("Configurações"), QSize(238, 285));
}
