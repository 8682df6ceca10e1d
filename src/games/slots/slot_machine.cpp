#include "games/slots/slot_machine.h"
#include "controls/accessible.h"

#include "app/screens.h"
#include "controls/form.h"
#include "games/slots/symbol_sets.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "platform/signals.h"
#include "settings/design_screen.h"
#include "settings/config_screen.h"
#include "settings/store.h"
#include "shell/about_screens.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"
#include "shell/main_menu.h"
#include "shell/name_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>
#include <algorithm>

using zor::Setting;
namespace cn = zor::cn;

const QString Tfrm_cn::kNomePadrao = zor::namePrompt();

namespace {

constexpr int kNoticeStart = 840;
constexpr int kNoticeEnd = 488;
constexpr int kNoticeY = 290;

// Bold or not, never underlined.
void boldOnly(QWidget* w, bool bold)
{
    QFont f = w->font();
    if (f.bold() == bold && !f.underline())
        return;
    f.setBold(bold);
    f.setUnderline(false);
    w->setFont(f);
}

void boldUnderlined(QWidget* w)
{
    QFont f = w->font();
    if (f.bold() && f.underline())
        return;
    f.setBold(true);
    f.setUnderline(true);
    w->setFont(f);
}

void underlined(QWidget* w, bool on)
{
    QFont f = w->font();
    if (f.underline() == on)
        return;
    f.setUnderline(on);
    w->setFont(f);
}

} // namespace

Tfrm_cn::Tfrm_cn()
{
    layout();
    // Creation: a fresh game with the "Tema do Cassino ZOR" symbols and nothing to save yet.
    cn::SlotGame& g = game();
    g = cn::SlotGame{};
    syncReelTimers();
}

// ---- Qt events --------------------------------------------------------------------------------

void Tfrm_cn::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tfrm_cn::closeEvent(QCloseEvent* e)
{
    QDialog::closeEvent(e);
    zor::guarded([this] { FormClose(); });
}

void Tfrm_cn::keyPressEvent(QKeyEvent* e)
{
    // No cancel button: Esc does not close the screen behind its close handler's back.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    // Enter acts on the option or the name the keyboard reached, as a click on it does; held,
    // it acts once.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        const bool repeat = enterKeys_.isRepeat(e);
        auto* label = qobject_cast<zor::Label*>(focusWidget());
        if (label && (label == nome || options_.contains(label))) {
            e->accept();
            if (repeat || !label->isEnabled())
                return;
            if (label == nome)
                zor::guarded([this] { nomeMouseDown(); });
            else
                emit label->clicked();
            return;
        }
    }
    QDialog::keyPressEvent(e);
}

void Tfrm_cn::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        enterKeys_.isRepeat(e);
    QDialog::keyReleaseEvent(e);
}

bool Tfrm_cn::eventFilter(QObject* watched, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() != Qt::Key_Space)
            return false;
        if (watched == MainMenu1 && e->type() == QEvent::KeyPress)
            leaveMenuBar();
        zor::guarded([this, k] { spaceKey(k); });
        // Space is the lever here: it must not also open a chooser's list (which would take the
        // release away from the lever), press a focused button or open a menu of the bar.
        return true;
    }
    case QEvent::MouseButtonPress:
        if (watched == nome)
            zor::guarded([this] { nomeMouseDown(); });
        return false;
    case QEvent::MouseMove:
        // Labels pass the moves they do not use on to the sheet: only the sheet's own bare
        // places count as the sheet.
        if (watched == TabSheet1 && !TabSheet1->childAt(static_cast<QMouseEvent*>(e)->position().toPoint()))
            zor::guarded([this] { sheetMouseMove(); });
        return false;
    default:
        return false;
    }
}

void Tfrm_cn::spaceKey(const QKeyEvent* k)
{
    const bool repeat = spaceKeys_.isRepeat(k);
    if (k->type() == QEvent::KeyRelease) {
        // Held down, the key repeats as release and press pairs, often not flagged as repeats:
        // a release is the lever's release only when no press of its pair follows it.
        if (!repeat)
            spaceUp->setEnabled(true);
        return;
    }
    if (spaceUp->enabled()) {
        spaceUp->setEnabled(false);
        if (repeat)
            return; // still held down
        FormKeyUp(Qt::Key_Space); // released and pressed again at once: two real events
    }
    if (!repeat)
        FormKeyDown(Qt::Key_Space);
}

void Tfrm_cn::spaceUpTimer()
{
    spaceUp->setEnabled(false);
    FormKeyUp(Qt::Key_Space);
}

void Tfrm_cn::leaveMenuBar()
{
    if (!MainMenu1->hasFocus())
        return;
    // Esc takes the bar out of its keyboard mode and gives the focus back.
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(MainMenu1, &esc);
    if (MainMenu1->hasFocus())
        setFocus(Qt::OtherFocusReason);
}

// ---- Helpers ----------------------------------------------------------------------------------

void Tfrm_cn::syncReelTimers()
{
    const cn::SlotGame& g = game();
    timer1->setEnabled(g.running[0]);
    Timer2->setEnabled(g.running[1]);
    Timer3->setEnabled(g.running[2]);
}

QPixmap Tfrm_cn::symbolPicture(int slot, bool strict)
{
    const QString& file = game().symbols[slot];
    if (strict) {
        // Read at the moment of use, as every picture file is; a failure is the loader's error.
        QPixmap p = zor::loadPictureFile(file);
        symbolCache_.insert(file, p);
        return p;
    }
    auto it = symbolCache_.find(file);
    if (it != symbolCache_.end())
        return *it;
    QPixmap p;
    try {
        p = zor::loadPictureFile(file);
    } catch (const zor::AppError&) {
        // Remembered as blank: the next show or set choice reports it and tries again.
    }
    symbolCache_.insert(file, p);
    return p;
}

void Tfrm_cn::showOnReel(int reel, int slot, bool strict)
{
    zor::Picture* p = reels_[reel];
    p->setPicture(symbolPicture(slot, strict));
    reelSlots_[reel] = slot;
    zor::setPictureName(p, reelName(reel, slot));
}

QString Tfrm_cn::reelName(int reel, int slot)
{
    return QStringLiteral("Roleta %1: figura %2").arg(reel + 1).arg(slot + 1);
}

void Tfrm_cn::leverByAction()
{
    // A screen reader's press: the lever's press and release, as a click gives them.
    alavancaMouseDown();
    if (!isHidden())
        alavancaMouseUp();
}

void Tfrm_cn::idleReels()
{
    if (game().spinning())
        return;
    for (int reel = 0; reel < 3; ++reel)
        showOnReel(reel, 1, true);
    possible->hide();
}

void Tfrm_cn::applyScreenTheme()
{
    // A picture-name theme goes to the machine tab's background only.
    if (zor::themeNumber(zor::setting(Setting::memo)) == 0)
        zor::applyTheme({graconf});
    else
        zor::applyTheme({graconf, graconf2, graconf3});
}

void Tfrm_cn::showLever(bool usable)
{
    alavanca2->hide();
    alavanca->show();
    alavanca->loadFromFile(usable ? QStringLiteral("alavanca.jpg") : QStringLiteral("alavancadesabilitada.jpg"));
}

void Tfrm_cn::startNotice(const QString& text)
{
    l->setText(text);
    // 200 pixels wide, or as wide as the text needs with this desktop's font.
    l->resize(std::max(200, l->fontMetrics().horizontalAdvance(text) + 4), l->height());
    l->move(kNoticeStart, kNoticeY);
    l->show();
    Timer4->setEnabled(true);
}

void Tfrm_cn::showModal(QDialog* dialog)
{
    zor::dialogs().showModal(dialog);
}

void Tfrm_cn::applySymbolSet(int index)
{
    const cn::SymbolSet& set = cn::symbolSets()[index];
    // The previews load first: a picture that cannot be read stops here, and the reels keep the
    // set they had.
    for (int i = 0; i < 4; ++i)
        previews_[i]->loadFromFile(set.files[i]);
    for (int i = 0; i < 4; ++i)
        symbolCache_.insert(set.files[i], previews_[i]->picture());
    game().symbols = set.files;
}

void Tfrm_cn::applyStoredSymbolSet()
{
    auto& store = zor::settings();
    store.load(Setting::design);
    const QString name = store.get(Setting::design);
    const int index = cn::symbolSetIndex(name);
    // A name that is none of the five leaves the choosers, previews and symbols as they were.
    if (index < 0)
        return;
    ComboBox1->setCurrentIndex(index);
    ComboBox2->setCurrentIndex(index);
    applySymbolSet(index);
}

void Tfrm_cn::writeCount(zor::Label* number, int value, std::optional<int>& shown)
{
    if (value == shown)
        return;
    shown = value;
    number->setText(QString::number(value));
}

void Tfrm_cn::writeNumber(zor::Label* number, zor::Label* fixed, int value, std::optional<int>& shown)
{
    if (value == shown)
        return;
    shown = value;
    const QString digits = QString::number(value);
    number->setText(digits);
    // The number stands between "US$ " and ",00". Ten blanks hold an ordinary amount; a long one
    // gets as many more as it needs, so it never runs over the currency sign.
    const QFontMetrics fm(fixed->font());
    const int start = fm.horizontalAdvance(QStringLiteral("US$ "));
    const int need = fm.horizontalAdvance(digits);
    int blanks = 10;
    while (fm.horizontalAdvance(QStringLiteral("US$") + QString(blanks, u' ')) - start < need && blanks < 60)
        ++blanks;
    const QString fixedText = QStringLiteral("US$") + QString(blanks, u' ') + QStringLiteral(",00");
    if (fixed->text() != fixedText) {
        fixed->setText(fixedText);
        fixed->adjustSize();
    }
    const int width = fm.horizontalAdvance(QStringLiteral("US$") + QString(blanks, u' ')) - start;
    if (number->width() != width)
        number->resize(width, number->height());
}

// ---- Life cycle -------------------------------------------------------------------------------

void Tfrm_cn::FormShow()
{
    boldOnly(l22, true);
    showLever(true);
    settingPage_ = true;
    pagecontrol1->setCurrentIndex(0);
    settingPage_ = false;
    verifica->setEnabled(true);
    applyScreenTheme();
    // The previews start with the set in force, whatever the stored name turns out to be.
    if (!c1->hasPicture()) {
        for (int i = 0; i < 4; ++i)
            previews_[i]->loadFromFile(game().symbols[i]);
    }
    applyStoredSymbolSet();
    idleReels();
}

void Tfrm_cn::FormClose()
{
    frm_Jogos->show();
    if (frm_Menu)
        frm_Menu->hide();
    cn::SlotGame& g = game();
    // The state first, so that a picture that fails below cannot leave a half-reset game.
    cn::resetForClose(g);
    syncReelTimers();
    spaceUp->setEnabled(false);
    verifica->setEnabled(false);
    possible->hide();
    if (!g.unsaved)
        lsalvar->setEnabled(false);
    for (int reel = 0; reel < 3; ++reel)
        showOnReel(reel, 1, true);
}

// ---- The lever --------------------------------------------------------------------------------

void Tfrm_cn::FormKeyDown(int key)
{
    if (key == Qt::Key_Space)
        alavancaMouseDown();
}

void Tfrm_cn::FormKeyUp(int key)
{
    if (key == Qt::Key_Space)
        alavancaMouseUp();
}

void Tfrm_cn::alavancaMouseDown()
{
    cn::SlotGame& g = game();
    const cn::Press press = cn::pressLever(g, zor::random());
    if (press == cn::Press::Ignored)
        return;
    syncReelTimers();
    possible->hide();
    if (press == cn::Press::ResetPulled) {
        // The pulled lever covers the lever exactly. The lever itself stays shown beneath it: it
        // holds the mouse press, and a widget hidden under a held button would never see the
        // release.
        alavanca2->show();
        alavanca2->raise();
    }
}

void Tfrm_cn::alavancaMouseUp()
{
    cn::SlotGame& g = game();
    lsalvar->setEnabled(true);
    const cn::Release release = cn::releaseLever(g);
    syncReelTimers();
    alavanca2->hide();
    alavanca->show();
    possible->hide();
    switch (release) {
    case cn::Release::Accepted:
        alavanca->loadFromFile(QStringLiteral("alavancadesabilitada.jpg"));
        break;
    case cn::Release::OutOfMoney:
        alavanca->loadFromFile(QStringLiteral("alavancadesabilitada.jpg"));
        zor::dialogs().warning(QStringLiteral("Você não possui mais dinheiro!"));
        break;
    case cn::Release::Ignored:
        break;
    }
}

void Tfrm_cn::buttonxClick()
{
    zor::random().reseed();
    cn::resetReels(game());
    syncReelTimers();
}

// ---- The reels --------------------------------------------------------------------------------

void Tfrm_cn::reelTick(int reel)
{
    cn::SlotGame& g = game();
    const cn::ReelTick t = cn::tickReel(g, reel, zor::random());
    syncReelTimers();
    // Only the reels that changed are repainted.
    for (int r = 0; r < 3; ++r) {
        if (t.show[r] >= 0)
            showOnReel(r, t.show[r], false);
    }
    if (t.evaluate)
        buttonyClick();
}

void Tfrm_cn::timer1Timer() { reelTick(0); }
void Tfrm_cn::Timer2Timer() { reelTick(1); }
void Tfrm_cn::Timer3Timer() { reelTick(2); }

void Tfrm_cn::buttonyClick()
{
    cn::SlotGame& g = game();
    const cn::Outcome o = cn::settle(g);
    dim->setText(cn::amountText(o.kind));
    if (o.match != cn::Match::None) {
        possible->loadFromFile(cn::matchPicture(o.match));
        possible->show();
    }
    dim->show();
    t1->setEnabled(true);
    showLever(!g.leverLock);
    zor::announce(dim, pullText(reelSlots_, dim->text(), g.money));
}

QString Tfrm_cn::pullText(const std::array<int, 3>& shown, const QString& amount, int money)
{
    return QStringLiteral("Figuras %1, %2 e %3: %4. Sua quantia disponível: US$ %5,00")
        .arg(shown[0] + 1)
        .arg(shown[1] + 1)
        .arg(shown[2] + 1)
        .arg(amount.simplified())
        .arg(money);
}

void Tfrm_cn::t1Timer()
{
    dim->hide();
    t1->setEnabled(false);
}

void Tfrm_cn::verificaTimer()
{
    const cn::SlotGame& g = game();
    writeCount(l2, g.twoEqual, shown_[0]);
    writeCount(l3, g.threeEqual, shown_[1]);
    writeCount(ln, g.noMatch, shown_[2]);
    writeCount(lapostas, g.pulls, shown_[3]);
    writeNumber(ldinheiro, Label9, g.money, shown_[4]);
    writeNumber(lganha, Label10, g.won, shown_[5]);
    writeNumber(lperdeu, Label12, g.lost, shown_[6]);
    const int width = nome->width() + 3;
    if (width != shapeWidth_) {
        shapeWidth_ = width;
        shape->resize(width, shape->height());
    }
    const Qt::CursorShape cursor = g.leverLock ? Qt::ArrowCursor : Qt::PointingHandCursor;
    if (alavanca->cursor().shape() != cursor)
        alavanca->setCursor(cursor);
}

// ---- Save, load, name, new game ---------------------------------------------------------------

void Tfrm_cn::lsalvarClick()
{
    cn::SlotGame& g = game();
    auto& store = zor::settings();
    lsalvar->setEnabled(false);
    cn::stopForSaveOrLoad(g);
    g.unsaved = false;
    syncReelTimers();
    showLever(true);
    for (int reel = 0; reel < 3; ++reel)
        showOnReel(reel, 1, true);

    // An end requested while the name dialog was open ends the save here: nothing is written
    // and nothing reports success.
    if (!name_.askIfUnset())
        return;

    const cn::SavedGame t = cn::savedTexts(g, ComboBox2->currentText());
    store.set(Setting::dinheirocn, t.dinheiro);
    store.set(Setting::ganhoucn, t.ganhou);
    store.set(Setting::perdeucn, t.perdeu);
    store.set(Setting::apostascn, t.apostas);
    store.set(Setting::design, t.design);
    store.set(Setting::duasiguais, t.duasiguais);
    store.set(Setting::tresiguais, t.tresiguais);
    store.set(Setting::nenhuma, t.nenhuma);
    // The game and the name are written as one set: a failure (a full disk) or a kill leaves
    // every file as it was, or every file new; after a failure no notice or success message
    // follows.
    const bool withName = name_.isSet();
    const bool saved = withName
        ? store.saveSet({Setting::dinheirocn, Setting::ganhoucn, Setting::perdeucn, Setting::apostascn,
                         Setting::design, Setting::duasiguais, Setting::tresiguais, Setting::nenhuma, Setting::nomecn})
        : store.saveSet({Setting::dinheirocn, Setting::ganhoucn, Setting::perdeucn, Setting::apostascn,
                         Setting::design, Setting::duasiguais, Setting::tresiguais, Setting::nenhuma});
    if (!saved)
        return;

    name_.afterSave();

    zor::clickCue();
    boldOnly(lsalvar, false);
    startNotice(QStringLiteral("O Jogo foi Salvo com Sucesso !"));
    zor::confirmation(QStringLiteral("O Jogo foi salvo com Sucesso !"));
}

void Tfrm_cn::SalvarJogo1Click()
{
    boldOnly(lsalvar, false);
    lsalvarClick();
}

void Tfrm_cn::lcarregarClick()
{
    cn::SlotGame& g = game();
    auto& store = zor::settings();
    cn::stopForSaveOrLoad(g);
    syncReelTimers();
    showLever(true);
    for (int reel = 0; reel < 3; ++reel)
        showOnReel(reel, 1, true);

    name_.load();
    for (Setting s : {Setting::dinheirocn, Setting::ganhoucn, Setting::perdeucn, Setting::apostascn, Setting::design,
                      Setting::duasiguais, Setting::tresiguais, Setting::nenhuma})
        store.load(s);

    // Every file is read before any value is taken; a value that is not a whole number stops the
    // load there, with the values before it taken (cn::takeSaved).
    cn::SavedGame t;
    t.dinheiro = store.get(Setting::dinheirocn);
    t.ganhou = store.get(Setting::ganhoucn);
    t.perdeu = store.get(Setting::perdeucn);
    t.apostas = store.get(Setting::apostascn);
    t.design = store.get(Setting::design);
    t.duasiguais = store.get(Setting::duasiguais);
    t.tresiguais = store.get(Setting::tresiguais);
    t.nenhuma = store.get(Setting::nenhuma);
    cn::takeSaved(g, t, [this](const QString& design) {
        const int index = cn::symbolSetIndex(design);
        if (index >= 0) {
            ComboBox1->setCurrentIndex(index);
            ComboBox2->setCurrentIndex(index);
            applySymbolSet(index);
        }
        idleReels();
    });

    zor::clickCue();
    boldOnly(lcarregar, false);
    startNotice(QStringLiteral("O Jogo foi Carregado com Sucesso !"));
    zor::confirmation(QStringLiteral("O Jogo foi carregado com Sucesso !"));
}

void Tfrm_cn::CarregarJogo1Click()
{
    boldOnly(lcarregar, false);
    lcarregarClick();
}

void Tfrm_cn::Timer4Timer()
{
    l->move(l->x() - 2, kNoticeY);
    if (l->x() <= kNoticeEnd) {
        l->hide();
        Timer4->setEnabled(false);
        l->move(kNoticeStart, kNoticeY);
    }
}

void Tfrm_cn::nomeMouseDown()
{
    cn::SlotGame& g = game();
    g.unsaved = true;
    if (g.spinning())
        return;
    zor::clickCue();
    name_.ask();
    lsalvar->setEnabled(true);
}

void Tfrm_cn::IniciarnovoJogo1Click()
{
    frm_Jogos->hide();
    // The close handler resets the game and brings the chooser back; the chooser is hidden again
    // at once, since the machine comes straight back with a new game.
    close();
    frm_Jogos->hide();
    show();
}

void Tfrm_cn::pagecontrol1Change()
{
    idleReels();
    applyScreenTheme();
}

// ---- Options and menu -------------------------------------------------------------------------

void Tfrm_cn::Sairparaomenuprincipal1Click()
{
    zor::clickCue();
    close();
    boldOnly(l33, true);
    frm_Jogos->close();
}

void Tfrm_cn::SairparaateladeJogos1Click()
{
    zor::clickCue();
    boldOnly(l4, true);
    close();
}

void Tfrm_cn::SairdoJogo1Click()
{
    zor::endProgram();
    boldOnly(l5, true);
}

void Tfrm_cn::Design1Click()
{
    design->show();
}

void Tfrm_cn::Configuracoes1Click()
{
    showModal(frm_conf);
    boldOnly(l1, false);
}

void Tfrm_cn::CacaNiquel1Click()
{
    showModal(ajudacn);
    zor::clickCue();
}

void Tfrm_cn::SobreoCassinoZOR1Click()
{
    showModal(cassino);
    zor::clickCue();
}

void Tfrm_cn::SobreosDesenvolvedores1Click()
{
    showModal(desen);
    zor::clickCue();
}

// ---- Symbol sets ------------------------------------------------------------------------------

void Tfrm_cn::ComboBox1Click()
{
    ComboBox2->setCurrentIndex(ComboBox1->currentIndex());
    lsalvar->setEnabled(true);
    game().unsaved = true;
}

void Tfrm_cn::ComboBox2Click()
{
    ComboBox1->setCurrentIndex(ComboBox2->currentIndex());
    lsalvar->setEnabled(true);
    game().unsaved = true;
}

void Tfrm_cn::ComboBox1Select()
{
    const int index = cn::symbolSetIndex(ComboBox1->currentText());
    if (index >= 0)
        applySymbolSet(index);
    // While a spin runs the reels keep cycling and take the new pictures at their next tick.
    idleReels();
}

void Tfrm_cn::Button1Click()
{
    showModal(design);
    applyScreenTheme();
}

// ---- Pointer moves ----------------------------------------------------------------------------

void Tfrm_cn::optionMouseMove(zor::Label* option)
{
    boldUnderlined(option);
}

void Tfrm_cn::Image2MouseMove()
{
    underlined(Label11, true);
    for (zor::Label* o : options_)
        boldOnly(o, true);
}

void Tfrm_cn::machineMouseMove()
{
    underlined(Label11, false);
}

void Tfrm_cn::nomeMouseMove()
{
    latch_.enter();
    const Qt::CursorShape cursor = game().spinning() ? Qt::ArrowCursor : Qt::PointingHandCursor;
    if (nome->cursor().shape() != cursor)
        nome->setCursor(cursor);
}

void Tfrm_cn::sheetMouseMove()
{
    latch_.clear();
}

void Tfrm_cn::Button1MouseMove()
{
    latch_.enter();
}
