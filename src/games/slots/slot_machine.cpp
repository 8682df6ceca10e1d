// The slot machine screen: its life cycle, the keyboard, the lever, the reels, the result and the
// labels that follow the game record. The saves, the load, the name and a new game are in
// slot_machine_saves.cpp; the options, the menu, the symbol sets and the pointer's looks in
// slot_machine_menu.cpp; the controls and their wiring in slot_machine_layout.cpp.
#include "games/slots/slot_machine.h"

#include "app/screens.h"
#include "controls/accessible.h"
#include "controls/form.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "shell/game_chooser.h"
#include "shell/main_menu.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>

namespace cn = zor::cn;

const QString Tfrm_cn::kNomePadrao = zor::namePrompt();

Tfrm_cn::Tfrm_cn()
{
    layout();
    // Creation: a fresh game with the "Tema do Cassino ZOR" symbols and nothing to save yet; the
    // labels show its counts from the start.
    play([](cn::SlotGame& g) { g = cn::SlotGame{}; });
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

// ---- Life cycle -------------------------------------------------------------------------------

void Tfrm_cn::FormShow()
{
    boldOnly(l22, true);
    showLever(true);
    settingPage_ = true;
    pagecontrol1->setCurrentIndex(0);
    settingPage_ = false;
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
    // The state first, so that a picture that fails below cannot leave a half-reset game.
    play([](cn::SlotGame& g) { cn::resetForClose(g); });
    spaceUp->setEnabled(false);
    possible->hide();
    if (!game().unsaved)
        lsalvar->setEnabled(false);
    for (int reel = 0; reel < 3; ++reel)
        showOnReel(reel, 1, true);
}

void Tfrm_cn::showModal(QDialog* dialog)
{
    zor::dialogs().showModal(dialog);
}

// ---- The record and the labels ----------------------------------------------------------------

void Tfrm_cn::syncReelTimers()
{
    const cn::SlotGame& g = game();
    timer1->setEnabled(g.running[0]);
    Timer2->setEnabled(g.running[1]);
    Timer3->setEnabled(g.running[2]);
}

void Tfrm_cn::redraw()
{
    const cn::SlotGame& g = game();
    writeCount(l2, g.twoEqual, shown_[0]);
    writeCount(l3, g.threeEqual, shown_[1]);
    writeCount(ln, g.noMatch, shown_[2]);
    writeCount(lapostas, g.pulls, shown_[3]);
    writeNumber(ldinheiro, Label9, g.money, shown_[4]);
    writeNumber(lganha, Label10, g.won, shown_[5]);
    writeNumber(lperdeu, Label12, g.lost, shown_[6]);
    const Qt::CursorShape cursor = g.leverLock ? Qt::ArrowCursor : Qt::PointingHandCursor;
    if (alavanca->cursor().shape() != cursor)
        alavanca->setCursor(cursor);
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
    const cn::Press press = play([](cn::SlotGame& g) { return cn::pressLever(g, zor::random()); });
    if (press == cn::Press::Ignored)
        return;
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
    lsalvar->setEnabled(true);
    const cn::Release release = play([](cn::SlotGame& g) { return cn::releaseLever(g); });
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

void Tfrm_cn::leverByAction()
{
    // A screen reader's press: the lever's press and release, as a click gives them.
    alavancaMouseDown();
    if (!isHidden())
        alavancaMouseUp();
}

void Tfrm_cn::showLever(bool usable)
{
    alavanca2->hide();
    alavanca->show();
    alavanca->loadFromFile(usable ? QStringLiteral("alavanca.jpg") : QStringLiteral("alavancadesabilitada.jpg"));
}

void Tfrm_cn::buttonxClick()
{
    zor::random().reseed();
    play([](cn::SlotGame& g) { cn::resetReels(g); });
}

// ---- The reels and the result -----------------------------------------------------------------

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

void Tfrm_cn::idleReels()
{
    if (game().spinning())
        return;
    for (int reel = 0; reel < 3; ++reel)
        showOnReel(reel, 1, true);
    possible->hide();
}

void Tfrm_cn::reelTick(int reel)
{
    const cn::ReelTick t = play([reel](cn::SlotGame& g) { return cn::tickReel(g, reel, zor::random()); });
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
    const cn::Outcome o = play([](cn::SlotGame& g) { return cn::settle(g); });
    const cn::SlotGame& g = game();
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
