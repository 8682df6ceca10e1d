#include "settings/config_screen.h"

#include "app/screens.h"
#include "controls/form.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "settings/design_screen.h"
#include "settings/store.h"
#include "shell/help_screens.h"
#include "shell/main_menu.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

using zor::Setting;

namespace {

const QString kOn = QStringLiteral("ON");
const QString kOff = QStringLiteral("OFF");

QString onOff(const QCheckBox* box) { return box->isChecked() ? kOn : kOff; }
QString switchText(bool on) { return on ? QStringLiteral("s") : QStringLiteral("n"); }

// Neither bold nor underlined.
void plain(QWidget* w)
{
    QFont f = w->font();
    if (!f.bold() && !f.underline())
        return;
    f.setBold(false);
    f.setUnderline(false);
    w->setFont(f);
}

void underline(QWidget* w)
{
    QFont f = w->font();
    if (f.underline())
        return;
    f.setUnderline(true);
    w->setFont(f);
}

// The main menu's music player. The menu exists whenever this screen can be opened; without it
// (a screen shown on its own) there is simply no music to drive.
zor::MusicPlayer* music() { return frm_Menu ? &frm_Menu->musica() : nullptr; }

void restartMusic()
{
    if (auto* m = music()) {
        m->rewind();
        m->play();
    }
}

void stopMusic()
{
    if (auto* m = music())
        m->stop();
}

} // namespace

Tfrm_conf::Tfrm_conf()
{
    layout();
}

void Tfrm_conf::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // Every opening starts with the keyboard on the first box.
    if (!e->spontaneous())
        CheckBox1->setFocus(Qt::OtherFocusReason);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tfrm_conf::closeEvent(QCloseEvent* e)
{
    zor::guarded([this] { FormClose(); });
    QDialog::closeEvent(e);
}

void Tfrm_conf::keyPressEvent(QKeyEvent* e)
{
    // The layout has no cancel button, so Esc does not close the screen (a dialog's Esc would
    // hide it without a close handler). Enter goes on to the default button, "Cancelar".
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Tfrm_conf::animationTimers(bool on)
{
    if (!frm_Menu)
        return;
    for (zor::Timer* t : {frm_Menu->t, frm_Menu->t2, frm_Menu->t3, frm_Menu->t4, frm_Menu->t5})
        t->setEnabled(on);
}

void Tfrm_conf::syncBox(QCheckBox* box, bool ticked, void (Tfrm_conf::*click)())
{
    if (box->isChecked() == ticked)
        return;
    box->setChecked(ticked);
    (this->*click)();
}

// ---- Show and close ---------------------------------------------------------------------------

void Tfrm_conf::FormShow()
{
    zor::applyTheme({graconf});
    if (frm_Menu)
        frm_Menu->esconderMenu();
    musicaMudou_ = false;
    // A box whose state differs from its buffer is clicked, as the player would: cue, state label,
    // buffer, music or timers. Music and sound count as on unless exactly "n"; animation and
    // warnings only when exactly "s".
    syncBox(CheckBox4, zor::isOn(Setting::msg), &Tfrm_conf::CheckBox4Click);
    Label7->setText(onOff(CheckBox4));
    syncBox(CheckBox1, !zor::isOff(Setting::musica), &Tfrm_conf::CheckBox1Click);
    Label1->setText(onOff(CheckBox1));
    syncBox(CheckBox2, zor::isOn(Setting::animacao), &Tfrm_conf::CheckBox2Click);
    Label2->setText(onOff(CheckBox2));
    syncBox(CheckBox5, !zor::isOff(Setting::som), &Tfrm_conf::CheckBox5Click);
    Label8->setText(onOff(CheckBox5));
    // Only the player's own clicks count as a change of music.
    musicaMudou_ = false;
}

void Tfrm_conf::FormClose()
{
    plain(Button1);
    plain(Button2);
}

// ---- The four switches ------------------------------------------------------------------------

void Tfrm_conf::CheckBox1Click()
{
    zor::clickCue();
    musicaMudou_ = true;
    Label1->setText(onOff(CheckBox1));
    // A tick (or a click on "ON") starts the piece from its beginning.
    if (CheckBox1->isChecked()) {
        zor::settings().set(Setting::musica, QStringLiteral("s"));
        restartMusic();
    } else {
        zor::settings().set(Setting::musica, QStringLiteral("n"));
        stopMusic();
    }
}

void Tfrm_conf::CheckBox2Click()
{
    zor::clickCue();
    Label2->setText(onOff(CheckBox2));
    zor::settings().set(Setting::animacao, switchText(CheckBox2->isChecked()));
    animationTimers(CheckBox2->isChecked());
}

void Tfrm_conf::CheckBox4Click()
{
    // Warnings change only at Save.
    zor::clickCue();
    Label7->setText(onOff(CheckBox4));
}

void Tfrm_conf::CheckBox5Click()
{
    Label8->setText(onOff(CheckBox5));
    if (CheckBox5->isChecked()) {
        // A sample of the sound being switched on; the switch is still off, so it plays anyway.
        if (zor::isOff(Setting::som))
            zor::playCueAlways(zor::kHoverCue);
        zor::settings().set(Setting::som, QStringLiteral("s"));
    } else {
        zor::settings().set(Setting::som, QStringLiteral("n"));
    }
}

// ---- Buttons ----------------------------------------------------------------------------------

void Tfrm_conf::Button1Click()
{
    auto& store = zor::settings();
    if (musicaMudou_) {
        if (CheckBox1->isChecked()) {
            store.set(Setting::musica, QStringLiteral("s"));
            restartMusic();
        } else {
            store.set(Setting::musica, QStringLiteral("n"));
            stopMusic();
        }
    }
    store.set(Setting::som, switchText(CheckBox5->isChecked()));
    store.set(Setting::msg, switchText(CheckBox4->isChecked()));
    store.set(Setting::animacao, switchText(CheckBox2->isChecked()));
    animationTimers(CheckBox2->isChecked());

    // A missing Config directory stops here, at the first file that cannot be created: the
    // files before it are written, nothing after it happens and the screen stays open.
    store.save(Setting::som);
    store.save(Setting::msg);
    store.save(Setting::memo); // a theme chosen on the design screen and not yet saved
    store.save(Setting::animacao);
    store.save(Setting::musica);

    zor::clickCue(zor::Wait::Yes);
    zor::confirmation(QStringLiteral("  As Alterações foram salvas com sucesso !"));
    plain(Button1);
    close();
}

void Tfrm_conf::Button2Click()
{
    auto& store = zor::settings();
    store.load(Setting::som);
    store.load(Setting::msg);
    store.load(Setting::animacao);
    store.load(Setting::musica);
    store.load(Setting::memo);

    zor::clickCue(zor::Wait::Yes);
    zor::confirmation(QStringLiteral("  As Alterações foram canceladas !"));
    // Switched off, the animation stops by itself at the menu timer's next tick, and music
    // started on this visit plays to the end of the piece.
    if (zor::isOn(Setting::animacao))
        animationTimers(true);
    if (zor::isOn(Setting::musica)) {
        if (auto* m = music())
            m->play();
    }
    // The boxes keep the cancelled states until the next show brings them back in line.
    close();
}

void Tfrm_conf::Button3Click()
{
    zor::clickCue(zor::Wait::Yes);
    zor::dialogs().showModal(design);
    zor::applyTheme({graconf});
}

void Tfrm_conf::Button4Click()
{
    zor::dialogs().showModal(ajudaconf);
    zor::clickCue();
}

// ---- Pointer moves ----------------------------------------------------------------------------

void Tfrm_conf::Button1MouseMove()
{
    zor::setBold(Button1, true);
    plain(Button2);
    latch_.enter();
}

void Tfrm_conf::Button2MouseMove()
{
    plain(Button1);
    underline(Button2);
    latch_.enter();
}

void Tfrm_conf::Button3MouseMove()
{
    plain(Button1);
    plain(Button2);
    latch_.enter();
}

void Tfrm_conf::Button4MouseMove()
{
    Button3MouseMove();
}

void Tfrm_conf::CheckBoxMouseMove()
{
    latch_.enter();
}

void Tfrm_conf::graconfMouseMove()
{
    // "Cancelar" keeps its underline until another button or the close takes it away.
    zor::setBold(Button1, false);
    latch_.clear();
}
