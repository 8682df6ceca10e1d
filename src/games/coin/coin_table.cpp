#include "games/coin/coin_table.h"
#include "controls/accessible.h"

#include "app/pending_screens.h"
#include "app/screens.h"
#include "controls/form.h"
#include "games/coin/coin_game.h"
#include "games/coin/mode_dialog.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "platform/signals.h"
#include "settings/config_screen.h"
#include "settings/store.h"
#include "shell/about_screens.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"
#include "shell/main_menu.h"
#include "shell/name_dialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>
#include <QTabBar>

using zor::Setting;
using zor::coin::game;

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);

void setText(QLabel* l, const QString& text)
{
    if (l->text() != text)
        l->setText(text);
}

void setWidth(QWidget* w, int width)
{
    if (w->width() != width)
        w->resize(width, w->height());
}

void setCursorShape(QWidget* w, Qt::CursorShape shape)
{
    if (w->cursor().shape() != shape)
        w->setCursor(shape);
}

void setUnderline(QWidget* w, bool on)
{
    QFont f = w->font();
    if (f.underline() == on)
        return;
    f.setUnderline(on);
    w->setFont(f);
}

// A text as one label line: the first line, at most 200 characters, elided to `width` pixels.
QString oneLine(const QString& text, const QFont& font, int width)
{
    QString first = text.left(text.indexOf(u'\r') < 0 ? 200 : std::min<qsizetype>(200, text.indexOf(u'\r')));
    const qsizetype lf = first.indexOf(u'\n');
    if (lf >= 0)
        first.truncate(lf);
    return QFontMetrics(font).elidedText(first, Qt::ElideRight, width);
}

bool isEnter(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// A name the dialog may have left in the buffer: not empty, and not the placeholder a buffer
// holds when its file could not be read at start-up.
bool isRealName(const QString& name)
{
    return !name.isEmpty() && name != zor::SettingsStore::placeholder(Setting::nome);
}

} // namespace

TCoC_jogo::TCoC_jogo()
{
    layout();
}

QString TCoC_jogo::namePrompt()
{
    return QStringLiteral("Clique aqui para Editar o seu Nome");
}

void TCoC_jogo::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] {
        FormShow();
    });
    // The labels are right from the first frame, not one refresh later.
    if (!e->spontaneous())
        zor::guarded([this] { verificaTimer(); });
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
        const QString caption = jogar->text();
        if (caption == QLatin1String("Escolher Modo") || caption == QLatin1String("Jogar Moeda"))
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
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this)
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

// ---- Looks --------------------------------------------------------------------------------------

void TCoC_jogo::setJogarLook(JogarLook look)
{
    jogarLook_ = look;
    const QColor text = look == JogarLook::Hover ? Qt::black : Qt::white;
    const QColor box = look == JogarLook::Rest ? Qt::black : look == JogarLook::Hover ? Qt::white : kSilver;
    const QColor pen = look == JogarLook::Hover ? Qt::black : Qt::white;
    zor::coin::setTextColour(jogar, text);
    if (c->brush().color() != box)
        c->setBrush(box);
    if (c->pen().color() != pen)
        c->setPen(QPen(pen, 3));
}

void TCoC_jogo::setJogarCaption(const QString& caption)
{
    if (jogar->text() == caption && jogar->width() > 1)
        return;
    jogar->setText(caption);
    jogar->resize(QFontMetrics(jogar->font()).horizontalAdvance(caption) + 24, jogar->height());
}

void TCoC_jogo::setPararColour(const QColor& colour)
{
    zor::coin::setTextColour(parar, colour);
}

void TCoC_jogo::setNomeCaption(const QString& caption)
{
    nomeCaption_ = caption;
    const QString shown = oneLine(caption, nome->font(), 420);
    if (nome->text() != shown || nome->width() <= 1) {
        nome->setText(shown);
        nome->resize(QFontMetrics(nome->font()).horizontalAdvance(shown) + 6, nome->height());
    }
}

// ---- Show and close -----------------------------------------------------------------------------

void TCoC_jogo::FormShow()
{
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
    game().playerStop = false;
    game().money = 0;
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
    coroa->hide();
    position->setValue(0);
    setPararColour(kSilver);
    parar->setCursor(Qt::ArrowCursor);
    setJogarCaption(QStringLiteral("Escolher Modo"));
    // A table left in the middle of a toss comes back usable: the main button at rest and the
    // tab panel on view.
    if (jogarLook_ == JogarLook::Busy)
        setJogarLook(JogarLook::Rest);
    jogar->setCursor(Qt::PointingHandCursor);
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
    setNomeCaption(namePrompt());
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
    if (jogar->cursor().shape() != Qt::PointingHandCursor)
        return;
    zor::coin::CoinGame& g = game();
    if (jogar->text() == QLatin1String("Escolher Modo")) {
        if (g.mode == zor::coin::NoMode) {
            setJogarLook(JogarLook::Hover);
            zor::dialogs().showModal(coc_modo);
        }
        if (g.mode != zor::coin::NoMode)
            setJogarCaption(QStringLiteral("Jogar Moeda"));
        return;
    }
    if (jogar->text() != QLatin1String("Jogar Moeda"))
        return;
    // Without a mode (a loaded game may hold none) nothing starts until a reset brings back
    // "Escolher Modo": a toss that no timer and no stop could ever end is never begun.
    if (!zor::coin::hasPlayableMode(g))
        return;
    g.unsaved = true;
    g.tossRunning = true;

    setJogarLook(JogarLook::Busy);
    jogar->setCursor(Qt::ForbiddenCursor);
    b7->setEnabled(true);

    PageControl1->hide();
    placeButton1(588);
    Button1->setText(QStringLiteral("Mostrar >>"));
    Button1->setEnabled(false);

    if (g.mode == zor::coin::RandomStop) {
        g.stopTarget = zor::coin::drawStopTarget(zor::random());
        gear.config2->hide();
        setPararColour(kSilver);
        parar->setCursor(Qt::ArrowCursor);
        position->setValue(0);
        aleatorio->setEnabled(true);
    } else {
        g.playerStop = true;
        position->setValue(150);
        setPararColour(Qt::black);
        parar->setCursor(Qt::PointingHandCursor);
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
    coroa->show();
    gira1->setEnabled(false);
    gira2->setEnabled(true);
}

void TCoC_jogo::gira2Timer()
{
    coroa->hide();
    gira2->setEnabled(false);
    gira1->setEnabled(true);
}

void TCoC_jogo::aleatorioTimer()
{
    position->setValue(std::min(position->value() + 1, 150));
    if (position->value() < 150)
        return;
    game().tossRunning = false;
    for (zor::Timer* t : {aleatorio, som, gira1, gira2})
        t->setEnabled(false);
    // The drawn face alone decides, whatever the animation was showing.
    coroa->setVisible(game().stopTarget == zor::coin::CoroaFace);
    ganhou();
    setJogarLook(JogarLook::Rest);
    jogar->setCursor(Qt::PointingHandCursor);
    Button1->setEnabled(true);
    Button1->click();
}

void TCoC_jogo::pararClick()
{
    zor::coin::CoinGame& g = game();
    if (parar->cursor().shape() == Qt::ForbiddenCursor)
        zor::dialogs().message(QStringLiteral("Clique em \"Jogar Moeda\" para Começar !"));
    if (!(g.mode == zor::coin::PlayerStop && g.playerStop))
        return;
    g.tossRunning = false;
    for (zor::Timer* t : {som, gira1, gira2})
        t->setEnabled(false);
    setPararColour(Qt::black);
    parar->setCursor(Qt::ForbiddenCursor);
    ganhou();
    setJogarLook(JogarLook::Rest);
    jogar->setCursor(Qt::PointingHandCursor);
    Button1->setEnabled(true);
    // Only a hidden panel is brought back (a stop armed by a load has nothing hidden).
    if (Button1->text() == QLatin1String("Mostrar >>"))
        Button1->click();
    g.playerStop = false;
}

void TCoC_jogo::ganhou()
{
    const bool coroaUp = !coroa->isHidden();
    const zor::coin::Outcome o = zor::coin::settle(game(), coroaUp);
    zor::announce(cara, tossText(coroaUp, o, game().stake, game().money));
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

// ---- The refresh --------------------------------------------------------------------------------

void TCoC_jogo::verificaTimer()
{
    const zor::coin::CoinGame& g = game();
    setWidth(c, jogar->width() + 4);
    setWidth(shape, nome->width() + 3);
    setText(lganhou, QString::number(g.wins));
    setText(lperdeu, QString::number(g.losses));
    setText(lapostas, QString::number(g.bets));
    setText(ldinheiro, zor::coin::moneyText(g.money));
    // The side costs an elision only when it changed.
    if (!sideShown_ || shownSide_ != g.side) {
        shownSide_ = g.side;
        sideShown_ = true;
        setText(o, oneLine(g.side, o->font(), o->width()));
    }
    setCursorShape(parar, g.playerStop ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
    setCursorShape(gear.config, g.tossRunning ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

// ---- The tab panel ------------------------------------------------------------------------------

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
    zor::clickCue();
    zor::coin::reset(game());
    stopToss();
}

void TCoC_jogo::askName()
{
    nomeChamador = zor::kNomeCaraOuCoroa;
    zor::dialogs().showModal(frm_nome);
    const QString name = zor::setting(Setting::nome);
    if (isRealName(name))
        setNomeCaption(name);
}

void TCoC_jogo::b7Click()
{
    zor::coin::CoinGame& g = game();
    const int theme = checkedTheme();
    if (theme)
        zor::settings().set(Setting::memo, QString::number(theme));
    if (nomeCaption_ == namePrompt()) {
        askName();
        // An end requested while the dialog was open ends the save here: nothing is written
        // and nothing reports success.
        if (zor::endRequested())
            return;
        nome->show();
        shape->show();
    }
    const zor::coin::SavedGame t = zor::coin::savedTexts(g);
    zor::settings().set(Setting::modo, t.modo);
    zor::settings().set(Setting::dinheiro, t.dinheiro);
    zor::settings().set(Setting::ganhou, t.ganhou);
    zor::settings().set(Setting::perdeu, t.perdeu);
    zor::settings().set(Setting::coc, t.coc);
    zor::settings().set(Setting::valor, t.valor);
    zor::settings().set(Setting::apostas, t.apostas);
    // The theme, the game and the name are written as one set: a failure (a full disk) or a
    // kill leaves every file as it was, or every file new.
    const bool withName = nomeCaption_ != namePrompt();
    const bool saved = withName
        ? zor::settings().saveSet({Setting::memo, Setting::modo, Setting::coc, Setting::valor, Setting::dinheiro,
                                   Setting::ganhou, Setting::perdeu, Setting::apostas, Setting::nome})
        : zor::settings().saveSet({Setting::memo, Setting::modo, Setting::coc, Setting::valor, Setting::dinheiro,
                                   Setting::ganhou, Setting::perdeu, Setting::apostas});
    if (!saved)
        return;
    if (withName) {
        zor::settings().load(Setting::nome);
        setNomeCaption(zor::setting(Setting::nome));
    } else if (!zor::setting(Setting::nome).isEmpty()) {
        zor::settings().load(Setting::nome);
        setNomeCaption(zor::setting(Setting::nome));
    } else {
        setNomeCaption(namePrompt());
    }
    // Only a save that has written every file counts: a failure above leaves the play unsaved.
    g.unsaved = false;
    zor::clickCue();
    zor::setBold(b7, false);
    b7->setEnabled(false);
    showBalloon(QStringLiteral("salvo com sucesso !"), 395);
    zor::confirmation(QStringLiteral("O Jogo foi salvo com Sucesso !"));
}

void TCoC_jogo::b8Click()
{
    b6Click();
    for (Setting s : {Setting::modo, Setting::dinheiro, Setting::apostas, Setting::ganhou, Setting::perdeu,
                      Setting::nome, Setting::valor, Setting::coc})
        zor::settings().load(s);
    setNomeCaption(zor::setting(Setting::nome));
    nome->show();
    shape->show();
    setJogarCaption(QStringLiteral("Jogar Moeda"));

    zor::coin::CoinGame& g = game();
    zor::coin::takeMode(g, zor::setting(Setting::modo));
    if (g.mode == zor::coin::PlayerStop) {
        position->setValue(150);
        setPararColour(Qt::black);
        parar->setCursor(Qt::PointingHandCursor);
        coc_modo->RadioButton2->setChecked(true);
    } else if (g.mode == zor::coin::RandomStop) {
        coc_modo->RadioButton1->setChecked(true);
    }
    zor::coin::SavedGame t;
    t.dinheiro = zor::setting(Setting::dinheiro);
    t.apostas = zor::setting(Setting::apostas);
    t.ganhou = zor::setting(Setting::ganhou);
    t.perdeu = zor::setting(Setting::perdeu);
    t.valor = zor::setting(Setting::valor);
    zor::coin::takeNumbers(g, t);
    setCoinPictures();
    g.side = zor::setting(Setting::coc);
    zor::clickCue();
    showBalloon(QStringLiteral("carregado com sucesso !"), 382);
    zor::confirmation(QStringLiteral("O Último jogo foi carregado com sucesso !"));
}

void TCoC_jogo::b9Click()
{
    Button1->click();
}

void TCoC_jogo::showBalloon(const QString& text, int left)
{
    l2->setText(text);
    l2->move(left, l2->y());
    balao->show();
    l1->show();
    l2->show();
    balao->raise();
    l1->raise();
    l2->raise();
    Timer->setEnabled(true);
}

void TCoC_jogo::TimerTimer()
{
    balao->hide();
    l1->hide();
    l2->hide();
    Timer->setEnabled(false);
}

void TCoC_jogo::nomeMouseDown()
{
    game().unsaved = true;
    zor::clickCue();
    askName();
    b7->setEnabled(true);
}

void TCoC_jogo::shapeMouseDown()
{
    askName();
    b7->setEnabled(true);
    zor::clickCue();
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

// ---- Pointer moves ------------------------------------------------------------------------------

void TCoC_jogo::FormMouseMove()
{
    if (jogarLook_ == JogarLook::Hover)
        setJogarLook(JogarLook::Rest);
    else if (jogarLook_ == JogarLook::Busy && jogar->cursor().shape() != Qt::ForbiddenCursor)
        setJogarLook(JogarLook::Hover);
    if (game().mode == zor::coin::PlayerStop)
        setPararColour(Qt::black);
    gear.leave();
    setUnderline(b9, false);
    setUnderline(Button1, false);
}

void TCoC_jogo::jogarMouseMove()
{
    if (jogarLook_ == JogarLook::Rest)
        setJogarLook(JogarLook::Hover);
}

void TCoC_jogo::pararMouseMove()
{
    if (game().mode == zor::coin::PlayerStop && game().playerStop)
        setPararColour(Qt::red);
}

void TCoC_jogo::coinMouseMove()
{
    if (parar->palette().color(QPalette::WindowText) == QColor(Qt::red))
        setPararColour(Qt::black);
}

void TCoC_jogo::configMouseMove()
{
    if (!game().tossRunning)
        gear.enter();
}

void TCoC_jogo::PageControl1MouseMove()
{
    if (jogarLook_ == JogarLook::Hover)
        setJogarLook(JogarLook::Rest);
    else if (jogarLook_ == JogarLook::Busy && jogar->cursor().shape() != Qt::ForbiddenCursor)
        setJogarLook(JogarLook::Hover);
    setUnderline(b9, false);
    setUnderline(Button1, false);
}

void TCoC_jogo::unstylePanelButtons()
{
    for (QWidget* b : {static_cast<QWidget*>(b2), static_cast<QWidget*>(b6), static_cast<QWidget*>(b7),
                       static_cast<QWidget*>(b8), static_cast<QWidget*>(BitBtn1)})
        zor::setBold(b, false);
    setUnderline(b9, false);
    setUnderline(Button1, false);
}

void TCoC_jogo::graconf3MouseMove()
{
    latch_.clear();
    unstylePanelButtons();
    PageControl1MouseMove();
}

void TCoC_jogo::graconf4MouseMove()
{
    latch_.clear();
    zor::setBold(BitBtn1, false);
}

void TCoC_jogo::graconf5MouseMove()
{
    latch_.clear();
}

void TCoC_jogo::panelButtonMouseMove(QWidget* w)
{
    if (w == b2 || w == b6 || w == b7 || w == b8 || w == BitBtn1)
        zor::setBold(w, true);
    if (w == b9 || w == Button1) {
        setUnderline(b9, true);
        setUnderline(Button1, true);
    }
    // The panel's hover cue; `Button1` lies outside the panel and only underlines.
    if (w != Button1)
        latch_.enter();
}

void TCoC_jogo::moedaMouseMove()
{
    zor::setBold(b7, false);
}
