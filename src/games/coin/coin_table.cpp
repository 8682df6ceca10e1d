// The coin table: show and close, the keys, the toss in both stop modes, and the drawing of the
// coin game record. The tab panel, the saves and the looks are in coin_table_panel.cpp,
// coin_table_saves.cpp and coin_table_looks.cpp.
#include "games/coin/coin_table.h"

#include "app/pending_screens.h"
#include "app/screens.h"
#include "controls/accessible.h"
#include "controls/form.h"
#include "games/coin/coin_game.h"
#include "games/coin/coin_table_helpers.h"
#include "games/coin/mode_dialog.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "settings/store.h"
#include "shell/game_chooser.h"
#include "shell/main_menu.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>
#include <QTabBar>

using zor::Setting;
using zor::coin::ChangeScope;
using zor::coin::Face;
using zor::coin::game;
using namespace zor::coin::table;

namespace {

bool isEnter(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

TCoC_jogo::TCoC_jogo()
{
    layout();
    redraw();
}

void TCoC_jogo::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // FormShow draws the record when it ends, so the labels are right from the first frame.
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void TCoC_jogo::closeEvent(QCloseEvent* e)
{
    QDialog::closeEvent(e);
    zor::guarded([this] { FormClose(); });
}

void TCoC_jogo::keyPressEvent(QKeyEvent* e)
{
    if (!previewKey(e))
        QDialog::keyPressEvent(e);
}

bool TCoC_jogo::previewKey(QKeyEvent* e)
{
    if (e->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (isEnter(e)) {
        // A focused button of this window takes Enter itself.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        if (focused && focused->isVisible() && focused->isEnabled() && isAncestorOf(focused))
            return false;
        e->accept();
        if (e->isAutoRepeat())
            return true;
        if (PageControl1->isVisible() && PageControl1->currentWidget() == TabSheet3) {
            // The options tab's default button.
            b8->click();
            return true;
        }
        // The main button, whichever of its two captions it shows.
        zor::guarded([this] { jogarClick(); });
        return true;
    }
    if (e->key() == Qt::Key_Space) {
        // Always the stop, never a focused button.
        e->accept();
        if (!e->isAutoRepeat())
            zor::guarded([this] { pararClick(); });
        return true;
    }
    if (e->key() == Qt::Key_Escape) {
        // No cancel button: Esc must not hide the table behind its close handler's back.
        e->accept();
        return true;
    }
    return false;
}

void TCoC_jogo::mouseMoveEvent(QMouseEvent* e)
{
    if (!childAt(e->position().toPoint()))
        zor::guarded([this] { FormMouseMove(); });
    QDialog::mouseMoveEvent(e);
}

bool TCoC_jogo::eventFilter(QObject* watched, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window())
            return previewKey(static_cast<QKeyEvent*>(e));
        break;
    case QEvent::MouseButtonPress:
        if (watched == nome && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            zor::guarded([this] { nomeMouseDown(); });
        else if (watched == BitBtn1 && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            zor::guarded([this] { BitBtn1MouseDown(); });
        break;
    case QEvent::MouseMove:
        if (watched == PageControl1 || watched == PageControl1->tabBar())
            zor::guarded([this] { PageControl1MouseMove(); });
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, e);
}

// ---- Show and close -----------------------------------------------------------------------------

void TCoC_jogo::FormShow()
{
    ChangeScope change;
    if (jogar->font().family() != QLatin1String("Showcard Gothic")) {
        QFont f = jogar->font();
        f.setFamily(QStringLiteral("Verdana"));
        jogar->setFont(f);
    }
    nome->show();
    shape->show();
    zor::settings().load(Setting::memo);
    zor::applyTheme({graconf, graconf2, graconf3, graconf4, graconf5});
    if (const int n = zor::themeNumber(zor::setting(Setting::memo)))
        radios[n - 1]->setChecked(true);
    zor::coin::showTable(game());
    PageControl1->setCurrentIndex(0);
    // No button of the panel holds the focus, so Enter goes to the main button.
    PageControl1->tabBar()->setFocus();
    gear.state = 1;
    setCoinPictures();
}

void TCoC_jogo::setCoinPictures()
{
    if (const zor::coin::CoinKind* kind = zor::coin::coinKind(game().coinValue)) {
        zor::coin::loadCoinFace(cara, QString::fromLatin1(kind->caraPicture));
        zor::coin::loadCoinFace(coroa, QString::fromLatin1(kind->coroaPicture));
    }
    zor::coin::applyStake(game());
}

void TCoC_jogo::stopToss()
{
    for (zor::Timer* t : {gira1, gira2, som, aleatorio})
        t->setEnabled(false);
    setPararColour(kSilver);
    // A table left in the middle of a toss comes back usable: the main button at rest and the
    // tab panel on view.
    if (jogarLook_ == JogarLook::Busy)
        setJogarLook(JogarLook::Rest);
    Button1->setEnabled(true);
    if (Button1->text() == QLatin1String("Mostrar >>")) {
        PageControl1->show();
        placeButton1(292);
        Button1->setText(QStringLiteral("<< Esconder"));
    }
    coc_modo->RadioButton1->setChecked(true);
}

void TCoC_jogo::FormClose()
{
    ChangeScope change;
    name_.setCaption(zor::namePrompt());
    zor::coin::closeTable(game());
    stopToss();
    nome->hide();
    shape->hide();
    frm_Jogos->show();
    if (frm_Menu)
        frm_Menu->hide();
    if (!game().unsaved)
        b7->setEnabled(false);
}

// ---- The toss -----------------------------------------------------------------------------------

void TCoC_jogo::jogarClick()
{
    zor::coin::CoinGame& g = game();
    // The main button takes no click while a toss runs (its "not allowed" cursor).
    if (g.tossRunning)
        return;
    ChangeScope change;
    if (zor::coin::phase(g) == zor::coin::Phase::NoMode) {
        if (g.mode == zor::coin::Mode::NoMode) {
            setJogarLook(JogarLook::Hover);
            zor::dialogs().showModal(coc_modo);
        }
        zor::coin::confirmMode(g);
        return;
    }
    if (!zor::coin::startToss(g, zor::random()))
        return;

    setJogarLook(JogarLook::Busy);
    b7->setEnabled(true);

    PageControl1->hide();
    placeButton1(588);
    Button1->setText(QStringLiteral("Mostrar >>"));
    Button1->setEnabled(false);

    if (g.mode == zor::coin::Mode::RandomStop) {
        gear.config2->hide();
        setPararColour(kSilver);
        aleatorio->setEnabled(true);
    } else {
        setPararColour(Qt::black);
    }
    som->setEnabled(true);
    gira1->setEnabled(true);
}

void TCoC_jogo::somTimer()
{
    zor::playCue(zor::kSpinCue);
}

void TCoC_jogo::gira1Timer()
{
    ChangeScope change;
    zor::coin::turnTick(game(), Face::Coroa);
    gira1->setEnabled(false);
    gira2->setEnabled(true);
}

void TCoC_jogo::gira2Timer()
{
    ChangeScope change;
    zor::coin::turnTick(game(), Face::Cara);
    gira2->setEnabled(false);
    gira1->setEnabled(true);
}

void TCoC_jogo::aleatorioTimer()
{
    ChangeScope change;
    const std::optional<zor::coin::TossEnd> end = zor::coin::countdownTick(game());
    if (!end)
        return;
    for (zor::Timer* t : {aleatorio, som, gira1, gira2})
        t->setEnabled(false);
    endToss(*end);
    Button1->click();
}

void TCoC_jogo::pararClick()
{
    ChangeScope change;
    const zor::coin::StopResult r = zor::coin::stop(game());
    if (r.remind)
        zor::dialogs().message(QStringLiteral("Clique em \"Jogar Moeda\" para Começar !"));
    if (!r.end)
        return;
    for (zor::Timer* t : {som, gira1, gira2})
        t->setEnabled(false);
    setPararColour(Qt::black);
    endToss(*r.end);
    // Only a hidden panel is brought back (a stop armed by a load has nothing hidden).
    if (Button1->text() == QLatin1String("Mostrar >>"))
        Button1->click();
}

void TCoC_jogo::endToss(const zor::coin::TossEnd& end)
{
    // The coin shows the face the toss settled on before the result is heard.
    redraw();
    const zor::coin::CoinGame& g = game();
    zor::announce(cara, tossText(end.face == Face::Coroa, end.outcome, g.stake, g.money));
    setJogarLook(JogarLook::Rest);
    Button1->setEnabled(true);
}

QString TCoC_jogo::tossText(bool coroaUp, zor::coin::Outcome o, double stake, double money)
{
    const QString face = coroaUp ? QStringLiteral("Coroa") : QStringLiteral("Cara");
    const QString amount = QStringLiteral("R$ %1").arg(QString::number(stake, 'f', 2).replace(u'.', u','));
    QString text;
    switch (o) {
    case zor::coin::Outcome::Won: text = QStringLiteral("%1: você ganhou %2").arg(face, amount); break;
    case zor::coin::Outcome::Lost: text = QStringLiteral("%1: você perdeu %2").arg(face, amount); break;
    case zor::coin::Outcome::BetOnly: text = face; break;
    }
    return QStringLiteral("%1. Dinheiro: %2").arg(text, zor::coin::moneyText(money));
}

// ---- Drawing the record -------------------------------------------------------------------------

void TCoC_jogo::redraw()
{
    const zor::coin::CoinGame& g = game();
    setJogarCaption(zor::coin::phase(g) == zor::coin::Phase::NoMode ? QStringLiteral("Escolher Modo")
                                                                     : QStringLiteral("Jogar Moeda"));
    setCursorShape(jogar, g.tossRunning ? Qt::ForbiddenCursor : Qt::PointingHandCursor);
    setWidth(c, jogar->width() + 4);
    setWidth(shape, nome->width() + 3);
    setText(lganhou, QString::number(g.wins));
    setText(lperdeu, QString::number(g.losses));
    setText(lapostas, QString::number(g.bets));
    // The money and the side cost a formatting only when they changed.
    if (!drawn_ || shownMoney_ != g.money) {
        shownMoney_ = g.money;
        setText(ldinheiro, zor::coin::moneyText(g.money));
    }
    if (!drawn_ || shownSide_ != g.side) {
        shownSide_ = g.side;
        setText(o, zor::shownName(g.side, o->font(), o->width()));
    }
    drawn_ = true;
    setCursorShape(parar, g.playerStop ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
    setCursorShape(gear.config, g.tossRunning ? Qt::ArrowCursor : Qt::PointingHandCursor);
    const bool coroaUp = g.showing == Face::Coroa;
    if (coroa->isHidden() == coroaUp)
        coroa->setVisible(coroaUp);
    if (position->value() != g.countdown)
        position->setValue(g.countdown);
}
