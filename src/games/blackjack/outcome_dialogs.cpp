#include "games/blackjack/outcome_dialogs.h"

#include "controls/form.h"
#include "platform/guard.h"
#include "settings/theme.h"

#include <QKeyEvent>
#include <QShowEvent>

namespace zor::bj {

void OutcomeParts::show(QShowEvent* e, const std::function<void()>& formShow) const
{
    runShowHandler(dialog_, e, formShow);
}

void OutcomeParts::applyTheme() const
{
    zor::applyTheme({graconf});
}

void OutcomeParts::keyPress(QKeyEvent* e, const std::function<void(QKeyEvent*)>& formKeyDown) const
{
    if (formKeyDown)
        guarded([&] { formKeyDown(e); });
    e->accept();
}

void OutcomeParts::closeOnSpaceOrEnter(QKeyEvent* e) const
{
    e->accept();
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        dialog_->close();
}

} // namespace zor::bj

// Every outcome dialog shows and takes its keys through the parts it is made of.

// ---- ganhou --------------------------------------------------------------------------------

void Tganhou::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    parts_.show(e, [this] { FormShow(); });
}

void Tganhou::keyPressEvent(QKeyEvent* e)
{
    parts_.keyPress(e, [this](QKeyEvent* k) { FormKeyDown(k); });
}

void Tganhou::FormShow()
{
    parts_.applyTheme();
}

void Tganhou::FormKeyDown(QKeyEvent* e)
{
    parts_.closeOnSpaceOrEnter(e);
}

// ---- perdeu --------------------------------------------------------------------------------

void Tperdeu::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    parts_.show(e, [] {});
}

void Tperdeu::keyPressEvent(QKeyEvent* e)
{
    parts_.keyPress(e, [this](QKeyEvent* k) { FormKeyDown(k); });
}

void Tperdeu::FormKeyDown(QKeyEvent* e)
{
    parts_.closeOnSpaceOrEnter(e);
}

// ---- empate --------------------------------------------------------------------------------

void Tempate::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    parts_.show(e, [this] { FormShow(); });
}

void Tempate::keyPressEvent(QKeyEvent* e)
{
    parts_.keyPress(e, [this](QKeyEvent* k) { FormKeyDown(k); });
}

void Tempate::FormShow()
{
    parts_.applyTheme();
}

void Tempate::FormKeyDown(QKeyEvent* e)
{
    parts_.closeOnSpaceOrEnter(e);
}

// ---- frm_estourou --------------------------------------------------------------------------

void Tfrm_estourou::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    parts_.show(e, [this] { FormShow(); });
}

void Tfrm_estourou::keyPressEvent(QKeyEvent* e)
{
    parts_.keyPress(e, [this](QKeyEvent* k) { FormKeyDown(k); });
}

void Tfrm_estourou::FormShow()
{
    parts_.applyTheme();
}

void Tfrm_estourou::FormKeyDown(QKeyEvent* e)
{
    parts_.closeOnSpaceOrEnter(e);
}

// ---- certo ---------------------------------------------------------------------------------

void Tcerto::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    parts_.show(e, [] {});
}

void Tcerto::keyPressEvent(QKeyEvent* e)
{
    // No key closes it, so that a deal key still held down cannot sweep the news of a 21 away.
    parts_.keyPress(e, {});
}
