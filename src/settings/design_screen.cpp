#include "settings/design_screen.h"

#include "app/screens.h"
#include "controls/form.h"
#include "platform/guard.h"
#include "settings/config_screen.h"
#include "settings/store.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>

using zor::Setting;

Tdesign::Tdesign()
{
    layout();
}

void Tdesign::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
    // The keyboard starts on the ticked swatch: the arrow keys move the tick from there.
    if (!e->spontaneous()) {
        for (zor::RadioButton* r : radios_)
            if (r->isChecked())
                r->setFocus(Qt::OtherFocusReason);
    }
}

void Tdesign::closeEvent(QCloseEvent* e)
{
    zor::guarded([this] { FormClose(); });
    QDialog::closeEvent(e);
}

void Tdesign::keyPressEvent(QKeyEvent* e)
{
    // Esc presses "&Cancelar", so that it cancels exactly as the button does. Enter is left to
    // the dialog, which presses the default button "&Salvar".
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        BitBtn3->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Tdesign::mouseMoveEvent(QMouseEvent* e)
{
    // Moves that a control ignores (a button without a press) come up to the form as well; only
    // the bare form counts, or every move over a button would clear the latch again.
    if (!childAt(e->position().toPoint()))
        zor::guarded([this] { FormMouseMove(); });
    QDialog::mouseMoveEvent(e);
}

bool Tdesign::eventFilter(QObject* watched, QEvent* e)
{
    // A press with any mouse button on a radio button runs its swatch's press handler; the
    // radio button then goes on with its own handling of the press.
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
        for (int n = 1; n <= 7; ++n) {
            if (watched != radios_[n - 1])
                continue;
            mouseOnRadio_ = true;
            zor::guarded([this, n] { (this->*pressOf(n))(); });
        }
    }
    return QDialog::eventFilter(watched, e);
}

Tdesign::Press Tdesign::pressOf(int theme)
{
    static constexpr Press byTheme[7] = {&Tdesign::Shape1MouseDown, &Tdesign::Shape2MouseDown,
                                         &Tdesign::Shape5MouseDown, &Tdesign::Shape4MouseDown,
                                         &Tdesign::Shape3MouseDown, &Tdesign::Shape6MouseDown,
                                         &Tdesign::Shape7MouseDown};
    return byTheme[theme - 1];
}

void Tdesign::keyboardChoice(int theme)
{
    (this->*pressOf(theme))();
    RadioButton6MouseUp();
}

void Tdesign::runButton(void (Tdesign::*handler)(), int result)
{
    const bool modal = isModal() && isVisible();
    zor::guarded([this, handler] { (this->*handler)(); });
    if (!modal)
        return;
    // A modal showing ends even when the handler failed before closing the screen.
    if (isVisible())
        close();
    setResult(result);
}

// ---- Show, close, preview ---------------------------------------------------------------------

void Tdesign::FormShow()
{
    // Each showing starts from the saved theme; an unsaved choice is dropped.
    zor::settings().load(Setting::memo);
    showTheme();
}

void Tdesign::showTheme()
{
    zor::applyTheme({graconf});
    if (const int n = zor::themeNumber(zor::setting(Setting::memo)))
        radios_[n - 1]->setChecked(true);
}

void Tdesign::RadioButton6MouseUp()
{
    showTheme();
}

void Tdesign::FormClose()
{
    // After the close box the buffer still holds the last swatch pressed: the configuration
    // screen shows it, saved or not.
    if (frm_conf)
        zor::applyTheme({frm_conf->graconf});
}

// ---- Presses ----------------------------------------------------------------------------------

void Tdesign::press(int n, bool tick)
{
    zor::settings().set(Setting::memo, QString::number(n));
    if (tick)
        radios_[n - 1]->setChecked(true);
    zor::clickCue();
}

// Themes "3" and "5" leave their tick to the release.
void Tdesign::Shape1MouseDown() { press(1, true); }
void Tdesign::Shape2MouseDown() { press(2, true); }
void Tdesign::Shape3MouseDown() { press(5, false); }
void Tdesign::Shape4MouseDown() { press(4, true); }
void Tdesign::Shape5MouseDown() { press(3, false); }
void Tdesign::Shape6MouseDown() { press(6, true); }
void Tdesign::Shape7MouseDown() { press(7, true); }

// ---- Buttons ----------------------------------------------------------------------------------

void Tdesign::BitBtn1Click()
{
    zor::clickCue(zor::Wait::Yes);
    for (int n = 1; n <= 7; ++n) {
        if (radios_[n - 1]->isChecked()) {
            zor::settings().set(Setting::memo, QString::number(n));
            break;
        }
    }
    // A missing Config directory stops here: no repaint, no message.
    zor::settings().save(Setting::memo);
    if (frm_conf)
        frm_conf->update();
    zor::confirmation(QStringLiteral("Design salvo com sucesso !"));
    close();
}

void Tdesign::BitBtn3Click()
{
    zor::clickCue(zor::Wait::Yes);
    zor::settings().load(Setting::memo);
    zor::confirmation(QStringLiteral("Design Cancelado !"));
    close();
}

// ---- Pointer moves ----------------------------------------------------------------------------

void Tdesign::ShapeMouseMove()
{
    latch_.enter();
}

void Tdesign::Shape7MouseMove()
{
    zor::setBold(BitBtn1, false);
    zor::setBold(BitBtn3, false);
    latch_.enter();
}

void Tdesign::BitBtn1MouseMove()
{
    zor::setBold(BitBtn1, true);
    latch_.enter();
}

void Tdesign::BitBtn3MouseMove()
{
    zor::setBold(BitBtn3, true);
    zor::setBold(BitBtn1, false);
    latch_.enter();
}

void Tdesign::graconfMouseMove()
{
    zor::setBold(BitBtn1, false);
    zor::setBold(BitBtn3, false);
    latch_.clear();
}

void Tdesign::FormMouseMove()
{
    latch_.clear();
}
