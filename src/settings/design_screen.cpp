#include "settings/design_screen.h"

#include "controls/form.h"

Tdesign::Tdesign()
{
    zor::setupForm(this, QStringLiteral("design"), QStringLiteral("Tela de Design"), QSize(253, 527));
}
