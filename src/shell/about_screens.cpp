#include "shell/about_screens.h"

#include "controls/form.h"
#include "platform/guard.h"
#include "settings/theme.h"

#include <QShowEvent>

// Cassino ------------------------------------------------------------------------------------

Tcassino::Tcassino()
{
    layout();
}

void Tcassino::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tcassino::FormShow()
{
    zor::applyTheme({graconf});
}

void Tcassino::Button1Click()
{
    close();
}

// Desenvolvedores ----------------------------------------------------------------------------

const Tdesen::Author& Tdesen::author(int index)
{
    // The three authors are invented for the game; the addresses use the domain reserved for
    // examples, so no real mailbox is ever named.
    static const Author authors[3] = {
        {QStringLiteral("Zacarias Dado"), QStringLiteral("17"), QStringLiteral("zacarias.dado@example.com"),
         QStringLiteral("41")},
        {QStringLiteral("Otávia Trevo"), QStringLiteral("16"), QStringLiteral("otavia.trevo@example.com"),
         QStringLiteral("29")},
        {QStringLiteral("Rodrigo Ficha"), QStringLiteral("17"), QStringLiteral("rodrigo.ficha@example.com"),
         QStringLiteral("33")},
    };
    return authors[index];
}

Tdesen::Tdesen()
{
    layout();
}

void Tdesen::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tdesen::FormShow()
{
    zor::applyTheme({graconf});
}

void Tdesen::Button1Click()
{
    close();
}

void Tdesen::showAuthor(int index)
{
    const Author& a = author(index);
    e1->setText(a.age);
    e2->setText(a.email);
    e3->setText(a.number);
}

void Tdesen::Label10MouseMove()
{
    showAuthor(0);
}

void Tdesen::Label11MouseMove()
{
    showAuthor(1);
}

void Tdesen::Label12MouseMove()
{
    showAuthor(2);
}

// Only the background clears the fields: frames, portraits and other texts leave them as they are.
void Tdesen::graconfMouseMove()
{
    e1->clear();
    e2->clear();
    e3->clear();
}
