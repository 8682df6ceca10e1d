// What a screen reader finds on every screen: each control a player can act on (one that takes
// the keyboard focus, or has a press or tick action) has a name, and the pictures that act as
// buttons are buttons with a press action that does what a click does.
#include "app/loading.h"
#include "app/screens.h"
#include "controls/accessible.h"
#include "controls/picture.h"
#include "fakes.h"
#include "games/blackjack/bet_dialog.h"
#include "games/blackjack/blackjack_table.h"
#include "games/blackjack/outcome_dialogs.h"
#include "games/coin/coin_side_screen.h"
#include "games/coin/coin_table.h"
#include "games/coin/coin_value_screen.h"
#include "games/coin/mode_dialog.h"
#include "games/slots/slot_machine.h"
#include "settings/config_screen.h"
#include "settings/design_screen.h"
#include "settings/store.h"
#include "shell/about_screens.h"
#include "shell/alerta.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"
#include "shell/main_menu.h"
#include "shell/name_dialog.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QTest>

using namespace zor;

namespace {

// A picture or label the layouts make clickable: the pointer turns into a hand over it.
bool looksClickable(QWidget* w)
{
    return (qobject_cast<Picture*>(w) || qobject_cast<QLabel*>(w)) && w->testAttribute(Qt::WA_SetCursor)
        && w->cursor().shape() == Qt::PointingHandCursor;
}

bool hasPress(QAccessibleInterface* iface)
{
    QAccessibleActionInterface* actions = iface->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// "frm_CoC1/Image3 (zor::Picture, role 10, nameless)" for every control of `screen` on view that
// a player can act on and that has no name, and for every clickable picture or label that a
// screen reader would not take for a button. The walk goes down the accessible tree, as a screen
// reader does, and skips what it reports invisible.
void walk(QAccessibleInterface* iface, const QString& screen, QStringList& out)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child || child->state().invisible)
            continue;
        auto* w = qobject_cast<QWidget*>(child->object());
        const bool clickable = w && looksClickable(w);
        if (w && (clickable || isActionable(w))) {
            const bool nameless = child->text(QAccessible::Name).trimmed().isEmpty();
            const bool notAButton = clickable && (child->role() != QAccessible::Button || !hasPress(child));
            if (nameless || notAButton)
                out << QStringLiteral("%1/%2 (%3, role %4%5)")
                           .arg(screen, w->objectName(), QString::fromLatin1(w->metaObject()->className()))
                           .arg(int(child->role()))
                           .arg(nameless ? QStringLiteral(", nameless") : QStringLiteral(", no button"));
        }
        walk(child, screen, out);
    }
}

QStringList namelessControls(QWidget* screen)
{
    QStringList out;
    walk(QAccessible::queryAccessibleInterface(screen), screen->objectName(), out);
    return out;
}

QAccessibleInterface* ifaceOf(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }

} // namespace

class AccessibleNames : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

private slots:
    void initTestCase() { initApplication(); }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        settings().set(Setting::msg, "n");
        createScreens();
        createMainMenu();
        frm_bj = new Tfrm_bj;
    }

    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    void everyActionableControlHasAName()
    {
        const QList<QWidget*> screens = {frm_Menu, frm_Jogos, frm_CoC1, frm_CoC2, CoC_jogo, frm_conf, Alerta,
                                         coc_modo, frm_nome, design, frm_cn, frm_estourou, aposta, perdeu,
                                         ganhou, certo, empate, ajudamenu1, desen, cassino, ajudacn, ajudabj,
                                         ajudacoc, ajudaconf, frm_bj};
        QStringList nameless;
        for (QWidget* s : screens) {
            QVERIFY(s);
            s->show();
            QApplication::processEvents();
            nameless << namelessControls(s);
            s->hide();
        }
        for (const QString& n : nameless)
            qWarning("%s", qPrintable(n));
        QCOMPARE(nameless, QStringList());
    }
};

QTEST_MAIN(AccessibleNames)
#include "test_accessible_names.moc"
