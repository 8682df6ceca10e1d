// The coin table's tab panel: hiding and showing it, the options tab's navigation and reset,
// the design tab's theme chooser, the help tab and the settings gear. Save and load are in
// coin_table_saves.cpp.
#include "games/coin/coin_table.h"

#include "app/pending_screens.h"
#include "app/screens.h"
#include "games/coin/coin_game.h"
#include "platform/services.h"
#include "platform/signals.h"
#include "settings/config_screen.h"
#include "settings/store.h"
#include "shell/about_screens.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"
#include "shell/main_menu.h"

using zor::Setting;
using zor::coin::game;

void TCoC_jogo::placeButton1(int top)
{
    Button1->move(button1Left_, top);
}

void TCoC_jogo::Button1Click()
{
    if (Button1->text() == QLatin1String("<< Esconder")) {
        PageControl1->hide();
        nome->hide();
        shape->hide();
        placeButton1(588);
        Button1->setText(QStringLiteral("Mostrar >>"));
    } else if (Button1->text() == QLatin1String("Mostrar >>")) {
        PageControl1->show();
        nome->show();
        shape->show();
        placeButton1(292);
        Button1->setText(QStringLiteral("<< Esconder"));
    }
}

// ---- The options tab ----------------------------------------------------------------------------

void TCoC_jogo::b1Click()
{
    zor::clickCue();
    close();
    frm_Jogos->close();
    frm_Menu->show();
    frm_Menu->musica().play();
}

void TCoC_jogo::b2Click()
{
    zor::clickCue();
    close();
}

void TCoC_jogo::b3Click()
{
    zor::clickCue();
    close();
    zor::endProgram();
}

void TCoC_jogo::b4Click()
{
    zor::clickCue();
    close();
    // Closing brought up the chooser; the way back leads to the side screen alone.
    frm_Jogos->hide();
    frm_CoC2->show();
}

void TCoC_jogo::b5Click()
{
    zor::clickCue();
    frm_conf->show();
    frm_conf->raise();
    frm_conf->activateWindow();
}

void TCoC_jogo::b6Click()
{
    zor::coin::ChangeScope change;
    zor::clickCue();
    zor::coin::reset(game());
    stopToss();
}

void TCoC_jogo::b9Click()
{
    Button1->click();
}

// ---- The design tab -----------------------------------------------------------------------------

int TCoC_jogo::checkedTheme() const
{
    for (int n = 1; n <= 7; ++n) {
        if (radios[n - 1]->isChecked())
            return n;
    }
    return 0;
}

void TCoC_jogo::RadioButtonClick(int n)
{
    // A preview on this screen only; the buffer changes with a press on the swatch.
    const QString file = zor::themePictureFile(QString::number(n));
    for (zor::Picture* p : {graconf, graconf2, graconf3, graconf4, graconf5})
        p->loadFromFile(file);
}

void TCoC_jogo::ShapeMouseDown(int n, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        radios[n - 1]->setChecked(true);
        if (n == 1) {
            zor::settings().set(Setting::memo, QStringLiteral("1"));
            zor::settings().save(Setting::memo);
        }
        return;
    }
    if (button != Qt::LeftButton)
        return;
    zor::clickCue();
    radios[n - 1]->setChecked(true);
    zor::settings().set(Setting::memo, QString::number(n));
}

void TCoC_jogo::BitBtn1MouseDown()
{
    zor::clickCue(zor::Wait::Yes);
}

void TCoC_jogo::BitBtn1Click()
{
    if (const int n = checkedTheme())
        zor::settings().set(Setting::memo, QString::number(n));
    zor::settings().save(Setting::memo);
    zor::confirmation(QStringLiteral("Design salvo com sucesso !"));
}

// ---- Help and settings --------------------------------------------------------------------------

void TCoC_jogo::Button2Click()
{
    zor::dialogs().showModal(ajudacoc);
    zor::playCue(zor::kChoiceCue);
}

void TCoC_jogo::Button3Click()
{
    zor::dialogs().showModal(cassino);
    zor::playCue(zor::kChoiceCue);
}

void TCoC_jogo::Button4Click()
{
    zor::dialogs().showModal(desen);
    zor::playCue(zor::kChoiceCue);
}

void TCoC_jogo::config2Click()
{
    zor::coin::Gear::open();
}
