#include "shell/help_screens.h"

#include "controls/form.h"

Tajudamenu1::Tajudamenu1()
{
    zor::setupForm(this, QStringLiteral("ajudamenu1"), QStringLiteral("Ajuda"), QSize(788, 280));
}

Tajudacoc::Tajudacoc()
{
    zor::setupForm(this, QStringLiteral("ajudacoc"), QStringLiteral("Ajuda do Cara ou Coroa"), QSize(742, 477));
}

Tajudacn::Tajudacn()
{
    zor::setupForm(this, QStringLiteral("ajudacn"), QStringLiteral("Ajuda do Caça-Níquel"), QSize(784, 382));
}

Tajudabj::Tajudabj()
{
    zor::setupForm(this, QStringLiteral("ajudabj"), QStringLiteral("Ajuda do BlackJack(Jogo do 21)"), QSize(691, 285));
}

Tajudaconf::Tajudaconf()
{
    zor::setupForm(this, QStringLiteral("ajudaconf"), QStringLiteral("Ajuda de Configurações"), QSize(931, 369));
}
