#include "shell/help_screens.h"

#include <QShowEvent>

// Every help screen shows and closes the same way, through the parts it is made of.

void Tajudamenu1::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    screen_.show(e, [this] { FormShow(); });
}

void Tajudamenu1::FormShow()
{
    screen_.applyTheme();
}

void Tajudamenu1::Button1Click()
{
    close();
}

void Tajudacoc::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    screen_.show(e, [this] { FormShow(); });
}

void Tajudacoc::FormShow()
{
    screen_.applyTheme();
}

void Tajudacoc::Button1Click()
{
    close();
}

void Tajudacn::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    screen_.show(e, [this] { FormShow(); });
}

void Tajudacn::FormShow()
{
    screen_.applyTheme();
}

void Tajudacn::Button1Click()
{
    close();
}

void Tajudabj::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    screen_.show(e, [this] { FormShow(); });
}

void Tajudabj::FormShow()
{
    screen_.applyTheme();
}

void Tajudabj::Button1Click()
{
    close();
}

void Tajudaconf::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    screen_.show(e, [this] { FormShow(); });
}

void Tajudaconf::FormShow()
{
    screen_.applyTheme();
}

void Tajudaconf::Button1Click()
{
    close();
}
