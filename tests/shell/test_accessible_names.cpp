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
#include "games/coin/coin_game.h"
#include "games/coin/coin_side_screen.h"
#include "games/coin/coin_table.h"
#include "games/coin/coin_value_screen.h"
#include "games/coin/mode_dialog.h"
#include "games/slots/slot_game.h"
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
#include <QLineEdit>
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

// What the accessibility bus is told: each event's kind, object and the object's name then.
struct Heard {
    QAccessible::Event type;
    QObject* object;
    QString name;
};
QList<Heard>& heard()
{
    static QList<Heard> events;
    return events;
}
void listen(QAccessibleEvent* e)
{
    QAccessibleInterface* iface = e->accessibleInterface();
    heard() << Heard{e->type(), e->object(), iface ? iface->text(QAccessible::Name) : QString()};
}
// The names an object had at each event of a kind, in order.
QStringList heardOn(QObject* object, QAccessible::Event type)
{
    QStringList names;
    for (const Heard& h : heard())
        if (h.object == object && h.type == type)
            names << h.name;
    return names;
}
// The objects given the focus event, in order.
QList<QObject*> focused()
{
    QList<QObject*> out;
    for (const Heard& h : heard())
        if (h.type == QAccessible::Focus)
            out << h.object;
    return out;
}

void press(QWidget* w)
{
    QAccessibleActionInterface* actions = ifaceOf(w)->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
}

// The draws of cards of hearts with the given ranks: a suit, then a rank, for each card.
QList<int> ranks(std::initializer_list<int> rs)
{
    QList<int> out;
    for (int r : rs)
        out << 0 << r - 1;
    return out;
}

void activate(QWidget* w)
{
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace

class AccessibleNames : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

private slots:
    void initTestCase()
    {
        initApplication();
        setAccessibleEventObserver(listen);
    }
    void cleanupTestCase() { setAccessibleEventObserver(nullptr); }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        settings().set(Setting::msg, "n");
        createScreens();
        createMainMenu();
        frm_bj = new Tfrm_bj;
        heard().clear();
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

    // The buttons a screen reader finds do what a click does.
    void pressActionsActAsClicks()
    {
        activate(frm_CoC1);
        QCOMPARE(ifaceOf(frm_CoC1->Image5)->role(), QAccessible::Button);
        QCOMPARE(ifaceOf(frm_CoC1->Image5)->text(QAccessible::Name), QStringLiteral("Moeda de 10 centavos"));
        press(frm_CoC1->Image5);
        QCOMPARE(coin::game().coinValue, 10);
        QVERIFY(frm_CoC1->isHidden() && frm_CoC2->isVisible());
        press(frm_CoC2->coroa);
        QVERIFY(frm_CoC2->RadioButton2->isChecked());
        QCOMPARE(ifaceOf(frm_CoC2->Label6)->text(QAccessible::Name), QStringLiteral("Jogar"));
        press(frm_CoC2->Label6);
        QCOMPARE(coin::game().side, QStringLiteral("Coroa"));
        QVERIFY(frm_CoC2->isHidden() && CoC_jogo->isVisible());
        CoC_jogo->hide();

        // The main menu's "Escolher Jogo", resting and unlit, opens the chooser.
        frm_Menu->show();
        QCOMPARE(ifaceOf(frm_Menu->escolherup)->text(QAccessible::Name), QStringLiteral("Escolher Jogo"));
        press(frm_Menu->escolherup);
        QVERIFY(frm_Jogos->isVisible());

        // A disabled option presses nothing; the lever pulls.
        frm_cn->show();
        QVERIFY(!frm_cn->lsalvar->isEnabled());
        press(frm_cn->lsalvar);
        QCOMPARE(env->dialogs->modalShown, QStringList());
        const int pulls = cn::slotGame().pulls;
        press(frm_cn->alavanca);
        QCOMPARE(cn::slotGame().pulls, pulls + 1);
    }

    // Tab on the main menu moves the focus event with the frame, bar button by button, and the
    // framed button reports itself focused; the panel's entries likewise.
    void mainMenuKeyboardRaisesFocusEvents()
    {
        activate(frm_Menu);
        heard().clear();
        QTest::keyClick(frm_Menu, Qt::Key_Tab);
        QTest::keyClick(frm_Menu, Qt::Key_Tab);
        QCOMPARE(focused(), QList<QObject*>({frm_Menu->menuup, frm_Menu->escolherup}));
        QVERIFY(ifaceOf(frm_Menu->escolherup)->state().focused);
        QVERIFY(!ifaceOf(frm_Menu->menuup)->state().focused);
        QCOMPARE(heardOn(frm_Menu->escolherup, QAccessible::Focus), QStringList({"Escolher Jogo"}));
        QTest::keyClick(frm_Menu, Qt::Key_Backtab);
        QCOMPARE(focused().size(), 3);
        QCOMPARE(focused().last(), static_cast<QObject*>(frm_Menu->menuup));

        // Open the panel (Space on "Menu"), then Down to its first two entries.
        QTest::keyClick(frm_Menu, Qt::Key_Space);
        QVERIFY(frm_Menu->menuclick->isVisible());
        heard().clear();
        QTest::keyClick(frm_Menu, Qt::Key_Down);
        QTest::keyClick(frm_Menu, Qt::Key_Down);
        QCOMPARE(focused(), QList<QObject*>({frm_Menu->escolher2up, frm_Menu->ajuda2up}));
        QCOMPARE(heardOn(frm_Menu->ajuda2up, QAccessible::Focus), QStringList({"Ajuda"}));
    }

    // The side screen's arrows give the focus event to the side they tick.
    void sideArrowsRaiseFocusEvents()
    {
        coin::game().coinValue = 50;
        frm_CoC2->show();
        heard().clear();
        QTest::keyClick(frm_CoC2, Qt::Key_Right);
        QTest::keyClick(frm_CoC2, Qt::Key_Left);
        QCOMPARE(focused(), QList<QObject*>({frm_CoC2->coroa, frm_CoC2->cara}));
        QCOMPARE(heardOn(frm_CoC2->cara, QAccessible::Focus), QStringList({"Cara"}));
        QVERIFY(ifaceOf(frm_CoC2->cara)->state().focused);
    }

    // The end of a toss is announced on the coin: the face, the result and the money.
    void theEndOfATossIsAnnounced()
    {
        coin::game().coinValue = 10;
        coin::game().side = QStringLiteral("Coroa");
        CoC_jogo->show();
        env->dialogs->scripts["coc_modo"] = [](QDialog* d) {
            auto* m = static_cast<Tcoc_modo*>(d);
            m->RadioButton1->setChecked(true);
            m->Button1->click();
        };
        QTest::keyClick(CoC_jogo, Qt::Key_Return); // the mode
        env->random->script = {1};                 // the coin stops on `coroa`
        QTest::keyClick(CoC_jogo, Qt::Key_Return); // the toss
        QVERIFY(coin::game().tossRunning);
        heard().clear();
        for (int i = 0; i < 150 && CoC_jogo->aleatorio->enabled(); ++i)
            CoC_jogo->aleatorio->tick();
        QVERIFY(!coin::game().tossRunning);
        const QStringList alerts = heardOn(CoC_jogo->cara, QAccessible::Alert);
        QCOMPARE(alerts.size(), 1);
        QVERIFY2(alerts[0].startsWith(QStringLiteral("Coroa: você ganhou R$ 0,10. Dinheiro: R$ ")), qPrintable(alerts[0]));
        QCOMPARE(heardOn(CoC_jogo->cara, QAccessible::NameChanged).last(), alerts[0]);

        // A loss on the other face.
        coin::game().side = QStringLiteral("Cara");
        env->random->script = {1};
        QTest::keyClick(CoC_jogo, Qt::Key_Return);
        for (int i = 0; i < 150 && CoC_jogo->aleatorio->enabled(); ++i)
            CoC_jogo->aleatorio->tick();
        QVERIFY(heardOn(CoC_jogo->cara, QAccessible::Alert).last().startsWith(QStringLiteral("Coroa: você perdeu R$ 0,10")));
    }

    // The end of a pull is announced with the three figures, the amount and the money.
    void theEndOfAPullIsAnnounced()
    {
        frm_cn->show();
        env->random->script = {};
        press(frm_cn->alavanca);
        QVERIFY(cn::slotGame().spinning());
        for (int i = 0; i < 400 && cn::slotGame().spinning(); ++i) {
            for (zor::Timer* t : {frm_cn->timer1, frm_cn->Timer2, frm_cn->Timer3})
                if (t->enabled())
                    t->tick();
        }
        QVERIFY(!cn::slotGame().spinning());
        const QStringList alerts = heardOn(frm_cn->dim, QAccessible::Alert);
        QCOMPARE(alerts.size(), 1);
        QVERIFY2(alerts[0].startsWith(QStringLiteral("Figuras ")), qPrintable(alerts[0]));
        QVERIFY2(alerts[0].contains(frm_cn->dim->text().simplified()), qPrintable(alerts[0]));
        QVERIFY2(alerts[0].endsWith(QStringLiteral("Sua quantia disponível: US$ %1,00").arg(cn::slotGame().money)),
                 qPrintable(alerts[0]));
        // The reels are named after the figures they stopped on, as the announcement says.
        const QString r1 = ifaceOf(frm_cn->fig1)->text(QAccessible::Name);
        QVERIFY2(r1.startsWith(QStringLiteral("Roleta 1: figura ")), qPrintable(r1));
        QVERIFY(alerts[0].startsWith(QStringLiteral("Figuras %1,").arg(r1.back())));
    }

    // The cards are read by rank and suit; the end of a hand is announced with both totals.
    void theCardsAreNamedAndTheEndOfAHandIsAnnounced()
    {
        env->dialogs->scripts["aposta"] = [](QDialog*) {
            QLineEdit* edit = aposta->cn->findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keyClicks(edit, "50");
            QTest::keyClick(edit, Qt::Key_Return);
        };
        frm_bj->show();
        // House: ace, king, 5 (face down); the player: ten and eight.
        env->random->script = ranks({1, 13, 5, 10, 8});
        QTest::keyClick(frm_bj, Qt::Key_Return);
        QCOMPARE(ifaceOf(frm_bj->dar1)->text(QAccessible::Name), QStringLiteral("Dez de Copas"));
        QCOMPARE(ifaceOf(frm_bj->dar2)->text(QAccessible::Name), QStringLiteral("Oito de Copas"));
        QCOMPARE(ifaceOf(frm_bj->dar1)->role(), QAccessible::Graphic);
        QCOMPARE(ifaceOf(frm_bj->c1)->text(QAccessible::Name), QStringLiteral("Carta da casa, virada"));
        heard().clear();
        QTest::keyClick(frm_bj, Qt::Key_P);
        QCOMPARE(ifaceOf(frm_bj->c1)->text(QAccessible::Name), QStringLiteral("Casa: Ás de Copas"));
        QCOMPARE(ifaceOf(frm_bj->c2)->text(QAccessible::Name), QStringLiteral("Casa: Rei de Copas"));
        const QStringList alerts = heardOn(frm_bj->StatusBar1, QAccessible::Alert);
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts[0].section(QStringLiteral(". "), 0, 0), QStringLiteral("Você ganhou: 18 contra 16 da casa"));
        QVERIFY(alerts[0].endsWith(frm_bj->StatusBar1->panel(0)));

        QCOMPARE(Tfrm_bj::cardName(QStringLiteral("e (10).jpg")), QStringLiteral("Dez de Espadas"));
        QCOMPARE(Tfrm_bj::cardName(QStringLiteral("o (12).jpg")), QStringLiteral("Dama de Ouros"));
        QCOMPARE(Tfrm_bj::cardName(QStringLiteral("p (11).jpg")), QStringLiteral("Valete de Paus"));
        QCOMPARE(Tfrm_bj::cardName(QStringLiteral("p (14).jpg")), QString());
        QCOMPARE(Tfrm_bj::cardName(QStringLiteral("baralho.jpg")), QString());
    }
};

QTEST_MAIN(AccessibleNames)
#include "test_accessible_names.moc"
