#include "shell/about_screens.h"

#include "controls/form.h"

Tcassino::Tcassino()
{
    zor::setupForm(this, QStringLiteral("cassino"), QStringLiteral("O Cassino ZOR"), QSize(953, 575));
}

Tdesen::Tdesen()
{
    zor::setupForm(this, QStringLiteral("desen"), QStringLiteral("Desenvolvedores"), QSize(688, 460));
}
