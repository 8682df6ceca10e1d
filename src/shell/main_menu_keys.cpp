// The main menu by keyboard: Tab and Shift+Tab (or the arrows) move a cursor along the button
// bar, Up and Down through the open panel, Space presses what the cursor is on, Enter starts.
// Every move highlights exactly what the pointer would, hover cue included; the frame around
// the button reached and the object screen readers hear follow the cursor.
#include "shell/main_menu.h"

#include "controls/accessible.h"
#include "platform/guard.h"

#include <QKeyEvent>

#include <algorithm>

void Tfrm_Menu::keyPressEvent(QKeyEvent* e)
{
    // Not QDialog's handling: Escape would hide the home screen with no way back.
    e->accept();
    const int key = e->key();
    const bool panelOpen = menuclick->isVisible();
    if (!panelOpen)
        panelFocus_ = -1;
    switch (key) {
    case Qt::Key_Space:
        if (panelFocus_ >= 0)
            zor::guarded([this] { pressPanel(); });
        else if (barFocus_ >= 0)
            zor::guarded([this] { pressBar(); });
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (panelOpen) {
            // The panel drops up from the bar: Up enters it at its last entry.
            const int at = panelFocus_ < 0 ? (key == Qt::Key_Up ? kPanelEntries - 1 : 0)
                                           : std::clamp(panelFocus_ + (key == Qt::Key_Up ? -1 : 1), 0,
                                                        kPanelEntries - 1);
            zor::guarded([this, at] { focusPanel(at); });
        }
        return;
    case Qt::Key_Right:
        focusNextPrevChild(true);
        return;
    case Qt::Key_Left:
        focusNextPrevChild(false);
        return;
    default:
        zor::guarded([this, key] { FormKeyDown(key); });
    }
}

// Tab moves the bar's cursor: the menu has no focusable control of its own, its buttons being
// pictures.
bool Tfrm_Menu::focusNextPrevChild(bool next)
{
    panelFocus_ = -1;
    const int at = barFocus_ < 0 ? (next ? 0 : kBarButtons - 1)
                                 : (barFocus_ + (next ? 1 : kBarButtons - 1)) % kBarButtons;
    zor::guarded([this, at] { focusBar(at); });
    return true;
}

// Reaching a button highlights it exactly as moving the pointer onto it does (hover cue
// included), after taking the highlight off the button left.
void Tfrm_Menu::focusBar(int index)
{
    barFocus_ = index;
    for (zor::Picture* p : {menuover, escolherover, configover, ajudaover, minover, closeover})
        p->hide();
    const bool panelOpen = menuclick->isVisible();
    if (!panelOpen)
        menuup->show();
    QRect frame;
    switch (Bar(index)) {
    case Bar::Menu:
        if (!panelOpen)
            menuupMouseMove();
        frame = menuclick->geometry().united(menuover->geometry());
        break;
    case Bar::Start:
        escolherupMouseMove();
        frame = escolherover->geometry();
        break;
    case Bar::Config:
        configupMouseMove();
        frame = configover->geometry();
        break;
    case Bar::Help:
        ajudaupMouseMove();
        frame = ajudaover->geometry();
        break;
    case Bar::Minimise:
        minupMouseMove();
        frame = minover->geometry();
        break;
    case Bar::Close:
        closeupMouseMove();
        frame = closeover->geometry();
        break;
    }
    focusRing->showAt(frame);
    // Screen readers hear the button reached.
    zor::Picture* const reached[kBarButtons] = {panelOpen ? menuclick : menuup, escolherup, configup,
                                                ajudaup,                        minup,      closeup};
    zor::setKeyboardCursor(reached[index]);
}

// The panel's entries top to bottom, each with the move handler that highlights it.
void Tfrm_Menu::focusPanel(int index)
{
    static constexpr void (Tfrm_Menu::*highlight[kPanelEntries])() = {
        &Tfrm_Menu::escolher2upMouseMove, &Tfrm_Menu::ajuda2upMouseMove, &Tfrm_Menu::config2upMouseMove,
        &Tfrm_Menu::deseMouseMove,        &Tfrm_Menu::casMouseMove,      &Tfrm_Menu::diminuir1MouseMove,
        &Tfrm_Menu::sair1MouseMove};
    zor::Picture* const rows[kPanelEntries] = {escolher2up, ajuda2up, config2up, dese, cas, diminuir1, sair1};
    panelFocus_ = index;
    // Off the entry left, as the panel's gaps take the highlights off under the pointer.
    nadaMouseMove();
    nada2MouseMove();
    // The handler is picked before the call: GCC's bounds check of a member call through an
    // indexed array reads the index before it is set.
    const auto move = highlight[index];
    (this->*move)();
    focusRing->showAt(rows[index]->geometry());
    zor::setKeyboardCursor(rows[index]);
}

// Space chooses the entry reached, as a click on it does; the menu collapses with it and the
// keyboard is back on the menu button.
void Tfrm_Menu::pressPanel()
{
    const int entry = panelFocus_;
    panelFocus_ = -1;
    barFocus_ = int(Bar::Menu);
    focusRing->showAt(menuclick->geometry().united(menuover->geometry()));
    switch (entry) {
    case 0: escolheroverClick(); break;
    case 1: ajudaoverClick(); break;
    case 2: configoverClick(); break;
    case 3: deseClick(); break;
    case 4: casClick(); break;
    case 5: minoverClick(); break;
    case 6: closeoverClick(); break;
    default: break;
    }
}

// Space does what a click on the highlighted button does, its release included.
void Tfrm_Menu::pressBar()
{
    switch (Bar(barFocus_)) {
    case Bar::Menu:
        if (menuclick->isVisible()) {
            menuclickMouseDown(Qt::LeftButton);
        } else {
            menuoverMouseDown(Qt::LeftButton);
            menuoverMouseUp(Qt::LeftButton);
        }
        return;
    case Bar::Start:
        escolheroverClick();
        break;
    case Bar::Config:
        configoverClick();
        break;
    case Bar::Help:
        ajudaoverClick();
        break;
    case Bar::Minimise:
        minoverClick();
        break;
    case Bar::Close:
        closeoverClick();
        break;
    }
    escolheroverMouseUp();
}
