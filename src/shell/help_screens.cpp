#include "shell/help_screens.h"

#include "controls/form.h"
#include "platform/guard.h"
#include "settings/theme.h"

#include <QShowEvent>


// ajudamenu1 ----------------------------------------------------------------------------------

Tajudamenu1::Tajudamenu1()
{
    layout();
}

void Tajudamenu1::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tajudamenu1::FormShow()
{
    zor::applyTheme({graconf});
}

void Tajudamenu1::Button1Click()
{
    close();
}

// ajudacoc ------------------------------------------------------------------------------------

Tajudacoc::Tajudacoc()
{
    layout();
}

void Tajudacoc::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tajudacoc::FormShow()
{
    zor::applyTheme({graconf});
}

void Tajudacoc::Button1Click()
{
    close();
}

// ajudacn -------------------------------------------------------------------------------------

Tajudacn::Tajudacn()
{
    layout();
}

void Tajudacn::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tajudacn::FormShow()
{
    zor::applyTheme({graconf});
}

void Tajudacn::Button1Click()
{
    close();
}

// ajudabj -------------------------------------------------------------------------------------

Tajudabj::Tajudabj()
{
    layout();
}

void Tajudabj::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tajudabj::FormShow()
{
    zor::applyTheme({graconf});
}

void Tajudabj::Button1Click()
{
    close();
}

// ajudaconf -----------------------------------------------------------------------------------

Tajudaconf::Tajudaconf()
{
    layout();
}

void Tajudaconf::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tajudaconf::FormShow()
{
    zor::applyTheme({graconf});
}

void Tajudaconf::Button1Click()
{
    close();
}
