#include "shell/alerta.h"

#include "controls/form.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "settings/store.h"
#include "settings/theme.h"

#include <QShowEvent>

TAlerta::TAlerta()
{
    layout();
}

void TAlerta::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void TAlerta::FormShow()
{
    zor::dialogs().beep(zor::Beep::Information);
    // The dialog only opens while warnings are on, so the box starts clear.
    CheckBox1->setChecked(false);
    zor::applyTheme({graconf});
}

void TAlerta::CheckBox1Click()
{
    zor::clickCue();
}

void TAlerta::Button1Click()
{
    zor::settings().set(zor::Setting::msg, CheckBox1->isChecked() ? QStringLiteral("n") : QStringLiteral("s"));
    zor::settings().save(zor::Setting::msg);
    close();
    // Heard whatever the sound switch holds.
    zor::playCueAlways(zor::kClickCue);
}
