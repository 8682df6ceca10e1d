#include "games/blackjack/outcome_dialogs.h"

#include "controls/form.h"
#include "platform/guard.h"
#include "settings/theme.h"

#include <QKeyEvent>
#include <QShowEvent>

namespace {

bool isSpaceOrEnter(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// Space and Enter close the dialog; every other key, Esc included, does nothing.
void closeOnSpaceOrEnter(QDialog* d, QKeyEvent* e)
{
    e->accept();
    if (isSpaceOrEnter(e))
        d->close();
}

} // namespace

// ---- ganhou -----------------------------------------------------------------------------------

void Tganhou::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tganhou::keyPressEvent(QKeyEvent* e)
{
    zor::guarded([&] { FormKeyDown(e); });
    e->accept();
}

void Tganhou::FormShow()
{
    zor::applyTheme({graconf});
}

void Tganhou::FormKeyDown(QKeyEvent* e)
{
    closeOnSpaceOrEnter(this, e);
}

// ---- perdeu -----------------------------------------------------------------------------------

void Tperdeu::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [] {});
}

void Tperdeu::keyPressEvent(QKeyEvent* e)
{
    zor::guarded([&] { FormKeyDown(e); });
    e->accept();
}

void Tperdeu::FormKeyDown(QKeyEvent* e)
{
    closeOnSpaceOrEnter(this, e);
}

// ---- empate -----------------------------------------------------------------------------------

void Tempate::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tempate::keyPressEvent(QKeyEvent* e)
{
    zor::guarded([&] { FormKeyDown(e); });
    e->accept();
}

void Tempate::FormShow()
{
    zor::applyTheme({graconf});
}

void Tempate::FormKeyDown(QKeyEvent* e)
{
    closeOnSpaceOrEnter(this, e);
}

// ---- frm_estourou -----------------------------------------------------------------------------

void Tfrm_estourou::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tfrm_estourou::keyPressEvent(QKeyEvent* e)
{
    zor::guarded([&] { FormKeyDown(e); });
    e->accept();
}

void Tfrm_estourou::FormShow()
{
    zor::applyTheme({graconf});
}

void Tfrm_estourou::FormKeyDown(QKeyEvent* e)
{
    closeOnSpaceOrEnter(this, e);
}

// ---- certo ------------------------------------------------------------------------------------

void Tcerto::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [] {});
}

void Tcerto::keyPressEvent(QKeyEvent* e)
{
    // No key closes it, so that a deal key still held down cannot sweep the news of a 21 away.
    e->accept();
}
