#include "shell/about_screens.h"

#include <QShowEvent>

// Cassino ------------------------------------------------------------------------------------

void Tcassino::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    screen_.show(e, [this] { FormShow(); });
}

void Tcassino::FormShow()
{
    screen_.applyTheme();
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

void Tdesen::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    screen_.show(e, [this] { FormShow(); });
}

void Tdesen::FormShow()
{
    screen_.applyTheme();
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
