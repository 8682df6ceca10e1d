// The Blackjack table driven offscreen: dealing and drawing by click, Enter and Space, the bet
// taken at the start of a hand, the five-card limit, the immediate settlement of an exact 21 and
// of a bust, also when the record moves again during its dialog, the labels following the record
// with no clock, an idle table that wakes nothing, standing, the status bar, hover and
// press feedback, the menu, leaving and coming back, and two hundred visits from the chooser.
#include "app/screens.h"
#include "controls/picture.h"
#include "fakes.h"
#include "games/blackjack/bet_dialog.h"
#include "games/blackjack/blackjack_rules.h"
#include "games/blackjack/blackjack_table.h"
#include "games/blackjack/outcome_dialogs.h"
#include "settings/store.h"
#include "shell/game_chooser.h"
#include "shell/main_menu.h"

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

using namespace zor;
using zortest::shows;
using zortest::moveOver;
using namespace zor::bj;
using zortest::repeatKey;
using zortest::sendKey;

namespace {

// The draws of cards of hearts with the given ranks: a suit, then a rank, for each card.
QList<int> ranks(std::initializer_list<int> rs)
{
    QList<int> out;
    for (int r : rs)
        out << 0 << r - 1;
    return out;
}




} // namespace

class BlackjackTableScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;
    Tfrm_bj* bj = nullptr;

    QStringList modals() const { return env->dialogs->modalShown; }
    QStringList messages() const { return env->dialogs->texts("message"); }
    QStringList errors() const { return env->dialogs->texts("error"); }
    QStringList shown(const QStringList& names) const { return zortest::shownOf(bj, names); }
    QString panel(int i) const { return bj->StatusBar1->panel(i); }

    // The bet dialog, when it comes up, gets the amount typed and Enter pressed.
    void betOnEachHand(const QString& amount)
    {
        env->dialogs->scripts["aposta"] = [amount](QDialog*) {
            QLineEdit* edit = aposta->cn->editor();
            edit->selectAll();
            QTest::keyClicks(edit, amount);
            QTest::keyClick(edit, Qt::Key_Return);
        };
    }

    void openTable()
    {
        frm_bj = bj = new Tfrm_bj;
        bj->show();
    }

    void press(Qt::Key key = Qt::Key_Return) { QTest::keyClick(bj, key); }

    // Stands as the player does: onto the stand zone, then a click on the lit button.
    void standByMouse()
    {
        moveOver(bj->p1);
        QVERIFY(bj->p2->isVisible());
        QTest::mouseClick(bj->p2, Qt::LeftButton, {}, QPoint(20, 20));
    }

private slots:
    void initTestCase() { initApplication(); }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().set(Setting::som, "s");
        settings().set(Setting::msg, "n");
        settings().set(Setting::memo, "1");
        settings().set(Setting::musica, "n");
        createScreens();
        createMainMenu();
        blackjack() = BlackjackTable{};
        betOnEachHand("50");
        openTable();
        env->sound->played.clear();
    }

    void cleanup()
    {
        destroyScreens();
        bj = nullptr;
        env.reset();
    }

    // ---- The table at rest ----------------------------------------------------------------

    void windowAndFirstLook()
    {
        QCOMPARE(bj->objectName(), QStringLiteral("frm_bj"));
        QCOMPARE(bj->windowTitle(), QStringLiteral("Cassino ZOR   -    (¯`·._.·[ßlå¢kJå¢k]·._.·´¯)"));
        QCOMPARE(bj->size(), QSize(797, 571));
        QVERIFY(!(bj->windowFlags() & Qt::WindowMinimizeButtonHint));
        // The house's cards face down, both piles whole, nothing of the player's yet.
        QCOMPARE(shown({"c1", "c2", "c3", "i1", "i2", "i3", "s1", "s5", "Image3", "Image10"}),
                 QStringList({"c1", "c2", "c3", "i1", "i2", "i3", "s1", "s5", "Image3", "Image10"}));
        QCOMPARE(shown({"dar1", "dar2", "dar3", "dar4", "dar5", "Shape1", "Shape7", "s", "pontos", "pontos2", "p1",
                        "p2", "b2", "b3"}),
                 QStringList());
        QCOMPARE(bj->leftPile.size(), 13);
        QCOMPARE(bj->rightPile.size(), 13);
        // The cards keep the layout's places, below the menu bar.
        QCOMPARE(bj->c2->geometry(), QRect(363, 80, 79, 123));
        QCOMPARE(bj->dar5->geometry(), QRect(416, 425, 65, 89));
        QCOMPARE(bj->body->geometry().bottom(), 570);
        QCOMPARE(bj->b2->toolTip(), QStringLiteral("Dar as Cartas"));
        QCOMPARE(panel(0), QStringLiteral("Dinheiro: €$ 0,00"));
        QCOMPARE(panel(1), QStringLiteral("Vitórias: 0"));
        QCOMPARE(panel(2), QStringLiteral("Derrotas: 0"));
        QCOMPARE(panel(3), QStringLiteral("Estourou nenhuma vez."));
        QCOMPARE(panel(4), QStringLiteral("Acertou 21: 0 vez(es)."));
        // Five centred panels in slots of 150 pixels, the last one to the window's edge.
        QCOMPARE(bj->StatusBar1->count(), 5);
        QCOMPARE(bj->StatusBar1->geometry(), QRect(0, 551, 797, 20));
        const QList<QRect> places = {{1, 2, 148, 17}, {151, 2, 148, 17}, {301, 2, 148, 17}, {451, 2, 148, 17},
                                    {601, 2, 195, 17}};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(bj->StatusBar1->panelLabel(i)->geometry(), places[i]);
            QCOMPARE(bj->StatusBar1->panelLabel(i)->alignment(), Qt::AlignCenter);
        }
    }

    // ---- A hand ---------------------------------------------------------------------------

    void aHandIsDealtDrawnAndStood()
    {
        // House 10 + 4 + 3 = 17; the player gets 6 and 5, then draws a 4: 15.
        env->random->script = ranks({10, 4, 3, 6, 5, 4});
        press();
        QCOMPARE(modals(), QStringList({"aposta"}));
        QCOMPARE(blackjack().bet, 50);
        QCOMPARE(blackjack().step, HandStep::TwoCards);
        QCOMPARE(shown({"dar1", "dar2", "dar3", "Shape1", "Shape2", "Shape3", "Shape7", "pontos", "p1"}),
                 QStringList({"dar1", "dar2", "Shape1", "Shape2", "Shape7", "pontos", "p1"}));
        QCOMPARE(shown({"s1", "s2", "s3", "i1", "i2", "i3", "i4", "pontos2", "s"}), QStringList({"s3", "i4"}));
        QVERIFY(shows(bj->dar1, "c (6).jpg"));
        QVERIFY(shows(bj->dar2, "c (5).jpg"));
        QVERIFY(shows(bj->c1, "baralho.jpg"));
        QCOMPARE(bj->pontos->text(), QStringLiteral("11"));

        press();
        QCOMPARE(blackjack().step, HandStep::ThreeCards);
        QCOMPARE(shown({"dar3", "Shape3", "Shape4", "s3"}), QStringList({"dar3", "Shape3", "Shape4"}));
        QCOMPARE(bj->pontos->text(), QStringLiteral("15"));
        QCOMPARE(modals(), QStringList({"aposta"}));

        // 15 against 17 loses the bet.
        standByMouse();
        QCOMPARE(modals(), QStringList({"aposta", "perdeu"}));
        QCOMPARE(blackjack().losses, 1);
        QCOMPARE(blackjack().money, -50);
        QCOMPARE(blackjack().step, HandStep::NoHand);
        QVERIFY(shows(bj->c1, "c (10).jpg"));
        QVERIFY(shows(bj->c3, "c (3).jpg"));
        QCOMPARE(shown({"pontos2", "s", "s1", "s2", "s3", "dar1", "dar3", "pontos", "p1", "p2", "Shape7"}),
                 QStringList({"pontos2", "s", "s1", "s2", "s3"}));
        QCOMPARE(bj->pontos2->text(), QStringLiteral("17"));
        QCOMPARE(panel(0), QStringLiteral("Dinheiro: €$ -50,00"));
        QCOMPARE(panel(2), QStringLiteral("Derrotas: 1"));
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));

        // The revealed house stays on the table until the next deal turns it down again.
        env->random->script = ranks({2, 2, 2, 9, 9});
        press();
        QVERIFY(shows(bj->c1, "baralho.jpg"));
        QCOMPARE(shown({"pontos2", "s"}), QStringList());
        QCOMPARE(bj->pontos->text(), QStringLiteral("18"));
    }

    void standingCompares_data()
    {
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("money");
        // House first, then the player's two cards.
        QTest::newRow("15 against 25 wins") << ranks({10, 10, 5, 10, 5}) << "ganhou" << 50;
        QTest::newRow("15 against 18 loses") << ranks({10, 4, 4, 10, 5}) << "perdeu" << -50;
        QTest::newRow("17 against 17 ties") << ranks({10, 4, 3, 10, 7}) << "empate" << 0;
        QTest::newRow("20 against 12 wins") << ranks({10, 1, 1, 13, 12}) << "ganhou" << 50;
    }
    void standingCompares()
    {
        QFETCH(QList<int>, draws);
        QFETCH(QString, dialog);
        QFETCH(int, money);
        env->random->script = draws;
        press();
        standByMouse();
        QCOMPARE(modals(), QStringList({"aposta", dialog}));
        QCOMPARE(blackjack().money, money);
        QCOMPARE(panel(0), QStringLiteral("Dinheiro: €$ %1,00").arg(money));
    }

    // Each press fills the slot the rules name for the step the hand is at: cards 1 and 2 for a
    // new hand, then 3, 4 and 5; none after five.
    void eachDealFillsTheRulesNextSlot()
    {
        env->random->script = ranks({10, 10, 10, 1, 2, 1, 2, 2});
        const QStringList cards = {"dar1", "dar2", "dar3", "dar4", "dar5"};
        for (int deal = 0; deal < 4; ++deal) {
            const int slot = nextCardSlot(blackjack().step);
            const int dealt = slot == 0 ? 2 : 1;
            QCOMPARE(shown(cards), cards.mid(0, slot));
            press();
            QCOMPARE(shown(cards), cards.mid(0, slot + dealt));
            for (int i = slot; i < slot + dealt; ++i)
                QVERIFY(blackjack().player[i] > 0);
        }
        QCOMPARE(nextCardSlot(blackjack().step), -1);
        press();
        QCOMPARE(messages().size(), 1);
        QCOMPARE(shown(cards), cards);
    }

    void aSixthCardIsRefused()
    {
        // House 30; the player: five aces and twos, 8 in all.
        env->random->script = ranks({10, 10, 10, 1, 2, 1, 2, 2});
        press();
        press();
        press();
        press();
        QCOMPARE(blackjack().step, HandStep::FiveCards);
        QCOMPARE(shown({"dar5", "Shape6", "s5"}), QStringList({"dar5", "Shape6"}));
        const int drawsSoFar = env->random->drawnFrom.size();
        press();
        press(Qt::Key_Space);
        QCOMPARE(messages(), QStringList(2, QStringLiteral("Clique em parar ! Só são permitidas 5 cartas por rodada.")));
        QCOMPARE(env->random->drawnFrom.size(), drawsSoFar);
        QCOMPARE(blackjack().step, HandStep::FiveCards);
        QCOMPARE(bj->pontos->text(), QStringLiteral("8"));
        // The five cards stay until the player stands: 8 against a house of 30 wins.
        standByMouse();
        QCOMPARE(modals(), QStringList({"aposta", "ganhou"}));
        QCOMPARE(blackjack().money, 50);
    }

    // P is "Parar" for the keyboard, as its hint says: with no hand it does nothing; held down
    // it stands once (its repeats, flagged or not, reach nothing); a modified P is no stand.
    void thePKeyStands_data()
    {
        QTest::addColumn<bool>("flagged");
        QTest::newRow("repeats flagged") << true;
        QTest::newRow("repeats not flagged") << false;
    }
    void thePKeyStands()
    {
        QFETCH(bool, flagged);
        QCOMPARE(bj->p2->toolTip(), QStringLiteral("Parar (tecla P)"));
        press(Qt::Key_P);
        QCOMPARE(modals(), QStringList());
        QCOMPARE(blackjack().step, HandStep::NoHand);

        // House 30; the player 18.
        env->random->script = ranks({10, 10, 10, 10, 8, 10, 10, 10, 2, 3});
        press();
        QCOMPARE(blackjack().step, HandStep::TwoCards);
        QTest::keyClick(bj, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(blackjack().step, HandStep::TwoCards);
        sendKey(bj, QEvent::KeyPress, Qt::Key_P, false, 1000);
        QCOMPARE(modals(), QStringList({"aposta", "ganhou"}));
        QCOMPARE(blackjack().step, HandStep::NoHand);
        QCOMPARE(blackjack().money, 50);
        QVERIFY(env->sound->files().contains("click.wav"));
        // The repeats of the held key, then a new hand dealt: they stand nothing.
        repeatKey(bj, Qt::Key_P, 1000, 10, flagged);
        sendKey(bj, QEvent::KeyRelease, Qt::Key_P, false, 2000);
        press();
        repeatKey(bj, Qt::Key_P, 2000, 3, true);
        QCOMPARE(blackjack().step, HandStep::TwoCards);
        QCOMPARE(modals(), QStringList({"aposta", "ganhou", "aposta"}));
        // A real press again: 5 against 30 wins too.
        sendKey(bj, QEvent::KeyPress, Qt::Key_P, false, 4000);
        QCOMPARE(modals(), QStringList({"aposta", "ganhou", "aposta", "ganhou"}));
    }

    // ---- Immediate settlement -------------------------------------------------------------

    void anExactTwentyOneSettlesAtOnce_data()
    {
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QList<int>>("counts"); // wins, losses, busts, 21s, money
        QTest::newRow("21 against 17") << ranks({10, 5, 2, 10, 10, 1}) << "certo" << QList<int>{1, 0, 0, 1, 50};
        QTest::newRow("21 against 22") << ranks({10, 10, 2, 10, 10, 1}) << "certo" << QList<int>{1, 0, 0, 1, 50};
        QTest::newRow("21 against 21") << ranks({10, 10, 1, 10, 10, 1}) << "empate" << QList<int>{1, 1, 0, 0, 0};
        QTest::newRow("bust against 25") << ranks({10, 10, 5, 10, 10, 2}) << "empate" << QList<int>{1, 1, 0, 0, 0};
        QTest::newRow("bust against 18") << ranks({10, 4, 4, 10, 10, 2}) << "frm_estourou" << QList<int>{0, 0, 1, 0, 0};
    }
    void anExactTwentyOneSettlesAtOnce()
    {
        QFETCH(QList<int>, draws);
        QFETCH(QString, dialog);
        QFETCH(QList<int>, counts);
        env->random->script = draws;
        press();
        // While the outcome dialog is open the record may move again (the bet dialog, another
        // change): the settlement runs once.
        int dialogsSeen = 0;
        env->dialogs->scripts[dialog] = [&](QDialog*) {
            ++dialogsSeen;
            for (int i = 0; i < 5; ++i)
                tableChanged();
        };
        press(); // the third card
        QCOMPARE(dialogsSeen, 1);
        QCOMPARE(modals(), QStringList({"aposta", dialog}));
        const auto& t = blackjack();
        QCOMPARE((QList<int>{t.wins, t.losses, t.busts, t.hits21, t.money}), counts);
        QCOMPARE(t.step, HandStep::NoHand);
        QCOMPARE(shown({"dar1", "dar2", "dar3", "Shape3", "Shape7", "pontos", "p1", "p2", "pontos2", "s"}),
                 QStringList({"pontos2", "s"}));
        // The right pile is whole again for the next hand.
        QCOMPARE(shown({"s1", "s2", "s3"}), QStringList({"s1", "s2", "s3"}));
        for (int i = 0; i < 3; ++i)
            tableChanged();
        QCOMPARE(modals().size(), 2);
        QCOMPARE((QList<int>{t.wins, t.losses, t.busts, t.hits21, t.money}), counts);
        // The next press starts a new hand rather than drawing on the settled one.
        env->random->script = ranks({2, 2, 2, 3, 3});
        press();
        QCOMPARE(modals().last(), QStringLiteral("aposta"));
        QCOMPARE(blackjack().step, HandStep::TwoCards);
    }

    void aRecordChangeSettlesAtOnceWithNoTimer()
    {
        // A hand brought to 21 by a change of the record itself (the record is shared, not the
        // table's): told of it, the table settles within that call; no timer is involved.
        QVERIFY(zor::Timer::manualMode());
        env->random->script = ranks({10, 4, 4, 10, 5});
        press();
        QCOMPARE(bj->pontos->text(), QStringLiteral("15"));
        blackjack().player[2] = 6;
        blackjack().step = HandStep::ThreeCards;
        QVERIFY(!modals().contains("certo"));
        QString pontosWhenShown;
        env->dialogs->scripts["certo"] = [&](QDialog*) { pontosWhenShown = bj->pontos2->text(); };
        tableChanged();
        QCOMPARE(modals(), QStringList({"aposta", "certo"}));
        QCOMPARE(pontosWhenShown, QStringLiteral("18")); // the house turned over before the dialog
        QCOMPARE(blackjack().hits21, 1);
        QCOMPARE(blackjack().money, 50);
        QCOMPARE(panel(0), QStringLiteral("Dinheiro: €$ 50,00"));
        QCOMPARE(panel(4), QStringLiteral("Acertou 21: 1 vez(es)."));
        tableChanged();
        QCOMPARE(modals().size(), 2);
    }

    void theLabelsFollowTheRecord()
    {
        // Each figure the labels show, changed in the record, is on screen as soon as the
        // change is told, in the same turn of the event loop.
        blackjack().busts = 1;
        tableChanged();
        QCOMPARE(panel(3), QStringLiteral("Estourou 1 vez."));
        blackjack().busts = 3;
        blackjack().wins = 7;
        blackjack().losses = 4;
        blackjack().hits21 = 2;
        blackjack().money = -15;
        tableChanged();
        QCOMPARE(panel(0), QStringLiteral("Dinheiro: €$ -15,00"));
        QCOMPARE(panel(1), QStringLiteral("Vitórias: 7"));
        QCOMPARE(panel(2), QStringLiteral("Derrotas: 4"));
        QCOMPARE(panel(3), QStringLiteral("Estourou: 3 vezes."));
        QCOMPARE(panel(4), QStringLiteral("Acertou 21: 2 vez(es)."));
        blackjack().player = {3, 4, 0, 0, 0};
        blackjack().house = {2, 9, 10};
        blackjack().step = HandStep::TwoCards;
        tableChanged();
        QCOMPARE(bj->pontos->text(), QStringLiteral("7"));
        QCOMPARE(bj->pontos2->text(), QStringLiteral("21"));
        QCOMPARE(modals(), QStringList());
    }

    // Nothing moving, the table and its dialogs wake the program for no timer faster than ten
    // times a second: none is set so, and the event loop, left to run with the timers live,
    // delivers them hardly any timer event.
    void anIdleTableWakesNothing()
    {
        const QList<QObject*> screens = {bj, aposta, ganhou, perdeu, empate, frm_estourou, certo};
        for (QObject* screen : screens) {
            for (zor::Timer* t : screen->findChildren<zor::Timer*>())
                QVERIFY2(!t->enabled() || t->effectiveInterval() >= 100, qPrintable(t->objectName()));
            for (QTimer* t : screen->findChildren<QTimer*>())
                QVERIFY2(!t->isActive() || t->interval() >= 100, qPrintable(t->objectName()));
        }
        // A hand on the table, waiting for the player.
        env->random->script = ranks({10, 4, 4, 10, 5});
        press();
        struct TimerEvents : QObject {
            QList<QObject*> watched;
            int count = 0;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (e->type() == QEvent::Timer)
                    for (QObject* w : watched)
                        for (QObject* p = o; p; p = p->parent())
                            if (p == w)
                                ++count;
                return false;
            }
        } events;
        events.watched = screens;
        qApp->installEventFilter(&events);
        zor::Timer::setManualMode(false);
        QTest::qWait(300);
        zor::Timer::setManualMode(true);
        qApp->removeEventFilter(&events);
        QVERIFY2(events.count <= 3, qPrintable(QString::number(events.count)));
        QCOMPARE(bj->pontos->text(), QStringLiteral("15"));
    }

    // ---- Keys, clicks and hover -----------------------------------------------------------

    // Enter or Space held down deals once: the repeats, flagged or not, reach neither the bet
    // dialog (it comes up while the key is held) nor the table; the next real press draws one
    // card. Held mid-hand into an exact 21, the repeats do not sweep its dialog away either.
    void aHeldKeyDealsOnce_data()
    {
        zortest::addHeldDealKeyRows();
    }
    void aHeldKeyDealsOnce()
    {
        QFETCH(int, key);
        QFETCH(bool, flagged);
        const auto k = Qt::Key(key);
        env->random->script = ranks({10, 10, 10, 5, 6, 10, 2});
        bool betOpen = false;
        env->dialogs->scripts["aposta"] = [&](QDialog* d) {
            repeatKey(aposta->cn, k, 1000, 40, flagged);
            betOpen = d->isVisible();
            sendKey(aposta->cn, QEvent::KeyRelease, k, false, 3000);
            QTest::keyClicks(aposta->cn->editor(), "50");
            sendKey(aposta->cn, QEvent::KeyPress, Qt::Key_Return, false, 3500);
        };
        sendKey(bj, QEvent::KeyPress, k, false, 1000);
        QVERIFY(betOpen);
        QCOMPARE(blackjack().step, HandStep::TwoCards);
        QCOMPARE(blackjack().bet, 50);
        // The table gets the rest of the repeats: no more cards.
        repeatKey(bj, k, 3600, 30, flagged);
        sendKey(bj, QEvent::KeyRelease, k, false, 5000);
        QCOMPARE(blackjack().step, HandStep::TwoCards);
        QCOMPARE(bj->pontos->text(), QStringLiteral("11"));

        // Held again: one card (10: 21 exactly), whose dialog stays up through the repeats.
        bool certoOpen = false;
        env->dialogs->scripts["certo"] = [&](QDialog* d) {
            repeatKey(d, k, 6000, 40, flagged);
            certoOpen = d->isVisible();
        };
        sendKey(bj, QEvent::KeyPress, k, false, 6000);
        QVERIFY(certoOpen);
        repeatKey(bj, k, 8000, 20, flagged);
        QCOMPARE(blackjack().hits21, 1);
        QCOMPARE(blackjack().step, HandStep::NoHand);
        QCOMPARE(modals(), QStringList({"aposta", "certo"}));
    }

    // The whole table shows above the status bar; the stand button wakes up (in colour) while
    // the player holds cards; the card frames lie beneath every card, so no frame line crosses
    // the face of a card.
    void theTableLooksWhole()
    {
        const QRect table(bj->Image1->mapTo(bj, QPoint(0, 0)), bj->Image1->size());
        QCOMPARE(table.bottom() + 1, bj->StatusBar1->y());
        QCOMPARE(table.top(), bj->MainMenu1->height());
        QCOMPARE(table.width(), 797);
        // The picture is shown at its own proportions, give or take a row.
        const QImage picture(":/layout/blackjack/mesa.jpg");
        QVERIFY2(qAbs(picture.height() - table.height()) <= 6, qPrintable(QString::number(table.height())));

        QVERIFY(bj->p1->isHidden());
        env->random->script = ranks({10, 10, 10, 2, 3});
        press();
        QVERIFY(bj->p1->isVisible());
        QVERIFY(bj->p1->hasPicture());
        const QObjectList order = bj->body->children();
        for (QWidget* card : {bj->dar1, bj->dar2, bj->dar3, bj->dar4, bj->dar5})
            for (QWidget* f : {bj->Shape1, bj->Shape2, bj->Shape3, bj->Shape4, bj->Shape5, bj->Shape6})
                QVERIFY2(order.indexOf(f) < order.indexOf(card), qPrintable(f->objectName() + " over " + card->objectName()));
        standByMouse();
        QVERIFY(bj->p1->isHidden());
    }

    void enterSpaceAndClickDealAlike_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter") << "enter";
        QTest::newRow("keypad Enter") << "keypad";
        QTest::newRow("Space") << "space";
        QTest::newRow("click") << "click";
    }
    void enterSpaceAndClickDealAlike()
    {
        QFETCH(QString, how);
        auto deal = [&] {
            if (how == "enter")
                press(Qt::Key_Return);
            else if (how == "keypad")
                QTest::keyClick(bj, Qt::Key_Enter, Qt::KeypadModifier);
            else if (how == "space")
                press(Qt::Key_Space);
            else {
                moveOver(bj->b1);
                QVERIFY(bj->b2->isVisible());
                QTest::mouseClick(bj->b2, Qt::LeftButton, {}, QPoint(30, 20));
            }
        };
        env->random->script = ranks({10, 10, 10, 2, 3, 4, 5});
        deal();
        QCOMPARE(blackjack().step, HandStep::TwoCards);
        deal();
        QCOMPARE(blackjack().step, HandStep::ThreeCards);
        deal();
        QCOMPARE(blackjack().step, HandStep::FourCards);
        QCOMPARE(bj->pontos->text(), QStringLiteral("14"));
        QCOMPARE(modals(), QStringList({"aposta"}));
        QCOMPARE(env->sound->files(), how == "click" ? QStringList(3, "click.wav") : QStringList());
        QVERIFY(bj->b3->isHidden());
    }

    void hoverAndPressFeedback()
    {
        moveOver(bj->b1);
        QCOMPARE(shown({"b2", "b3", "p2"}), QStringList({"b2"}));
        QTest::mousePress(bj->b2, Qt::LeftButton, {}, QPoint(30, 20));
        QCOMPARE(shown({"b2", "b3"}), QStringList({"b2", "b3"}));
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
        // Released away from the button: no deal, the pressed picture goes.
        QTest::mouseRelease(bj->b2, Qt::LeftButton, {}, QPoint(-200, -200));
        QCOMPARE(shown({"b3"}), QStringList());
        QCOMPARE(blackjack().step, HandStep::NoHand);
        moveOver(bj->Image1);
        QCOMPARE(shown({"b2", "b3", "p2"}), QStringList());

        // The stand zone exists only while the player holds cards.
        env->random->script = ranks({10, 10, 10, 2, 3});
        press();
        moveOver(bj->b1);
        moveOver(bj->p1);
        QCOMPARE(shown({"b2", "p2"}), QStringList({"p2"}));
        moveOver(bj->b1);
        QCOMPARE(shown({"b2", "p2"}), QStringList({"b2"}));
        moveOver(bj->StatusBar1);
        QCOMPARE(shown({"b2", "p2"}), QStringList());

        // With sound off the press is silent.
        settings().set(Setting::som, "n");
        env->sound->played.clear();
        moveOver(bj->p1);
        QTest::mousePress(bj->p2, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(bj->p2, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(env->sound->files(), QStringList());
        // 5 against a house of 30, which is above 21: won.
        QCOMPARE(modals().last(), QStringLiteral("ganhou"));
    }

    void escapeLeavesTheTableAlone()
    {
        press(Qt::Key_Escape);
        QVERIFY(bj->isVisible());
        QVERIFY(frm_Jogos->isHidden());
    }

    // ---- Leaving and coming back ----------------------------------------------------------

    void closingMidHandReturnsToTheChooser()
    {
        frm_Menu->show();
        env->random->script = ranks({10, 10, 10, 2, 3, 4});
        press();
        press();
        bj->close();
        QVERIFY(frm_Jogos->isVisible());
        QVERIFY(frm_Menu->isHidden());
        QCOMPARE(blackjack().step, HandStep::NoHand);
        QCOMPARE(playerTotal(blackjack()), 0);
        QCOMPARE(shown({"s1", "s2", "s3", "i1", "dar1", "dar3", "pontos", "Shape7"}), QStringList({"s1", "s2", "s3", "i1"}));
        // A closed table follows the record no more: a hand at 21 is not settled by it.
        blackjack().player = {10, 10, 1, 0, 0};
        blackjack().step = HandStep::ThreeCards;
        tableChanged();
        QCOMPARE(modals(), QStringList({"aposta"}));
        QCOMPARE(blackjack().hits21, 0);
    }

    void aNewVisitStartsWithNoMoneyAndTheCountsKept()
    {
        // The table of init goes; the chooser makes the tables from here on.
        delete bj;
        frm_bj = bj = nullptr;
        frm_Jogos->show();
        auto visit = [&] {
            // Onto the Blackjack banner, then a click on its lit picture, as the player does.
            moveOver(frm_Jogos->bl1);
            QVERIFY(frm_Jogos->bl2->isVisible());
            QTest::mouseClick(frm_Jogos->bl2, Qt::LeftButton, {}, QPoint(10, 10));
            bj = frm_bj;
            QVERIFY(bj && bj->isVisible());
        };
        visit();
        QPointer<Tfrm_bj> first = bj;
        // A win and a bust on the first visit.
        env->random->script = ranks({10, 10, 5, 10, 5}) + ranks({10, 4, 4, 10, 10, 5});
        press();
        standByMouse();
        press();
        press();
        QCOMPARE(blackjack().money, 50);
        QCOMPARE(blackjack().busts, 1);
        bj->close();
        visit();
        QVERIFY(bj != first.data());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QCOMPARE(blackjack().money, 0);
        QCOMPARE(panel(0), QStringLiteral("Dinheiro: €$ 0,00"));
        QCOMPARE(panel(1), QStringLiteral("Vitórias: 1"));
        QCOMPARE(panel(3), QStringLiteral("Estourou 1 vez."));
        QCOMPARE(blackjack().bet, 50);
        QCOMPARE(shown({"c1", "dar1", "pontos2"}), QStringList({"c1"}));
    }

    void twoHundredVisitsLeaveMemoryWhereItWas()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer keeps freed memory in quarantine: resident figures mean nothing here");
#endif
        // The table of init goes; the chooser makes the tables from here on.
        delete bj;
        frm_bj = bj = nullptr;
        frm_Jogos->show();
        auto visits = [&](int n) {
            for (int i = 0; i < n; ++i) {
                frm_Jogos->bl1MouseMove();
                frm_Jogos->bl2Click();
                tableChanged();
                frm_bj->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        };
        visits(20); // caches and pools fill up first
        const long before = zortest::residentKiB();
        visits(200);
        const long after = zortest::residentKiB();
        QVERIFY(before > 0);
        QVERIFY2(after - before < 5 * 1024, qPrintable(QStringLiteral("%1 KiB -> %2 KiB").arg(before).arg(after)));
        // Only the last table is left.
        int tables = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            tables += qobject_cast<Tfrm_bj*>(w) ? 1 : 0;
        QCOMPARE(tables, 1);
    }

    // ---- Menu -----------------------------------------------------------------------------

    void theMenuLeavesAndOpensScreens()
    {
        frm_Menu->show();
        bj->sairJogos->trigger();
        QVERIFY(bj->isHidden());
        QVERIFY(frm_Jogos->isVisible());
        QVERIFY(frm_Menu->isHidden());
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));

        bj->show();
        frm_Jogos->hide();
        env->sound->played.clear();
        bj->sairMenu->trigger();
        QVERIFY(bj->isHidden());
        QVERIFY(frm_Jogos->isHidden());
        QVERIFY(frm_Menu->isVisible());

        bj->show();
        env->sound->played.clear();
        // The two about screens are followed by the click cue once they close.
        bj->sobreCassino->trigger();
        QCOMPARE(env->sound->files().value(env->sound->played.size() - 1), QStringLiteral("click.wav"));
        env->sound->played.clear();
        bj->sobreDesen->trigger();
        QCOMPARE(env->sound->files().value(env->sound->played.size() - 1), QStringLiteral("click.wav"));
        bj->sobreBj->trigger();
        bj->configuracoes->trigger();
        bj->designMenu->trigger();
        QCOMPARE(modals(), QStringList({"cassino", "desen", "ajudabj", "frm_conf", "design"}));

        env->sound->played.clear();
        QCOMPARE(bj->sairJogo->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_W));
        bj->sairJogo->trigger();
        QCOMPARE(env->quits, 1);
        QCOMPARE(env->sound->played.size(), 1);
        QCOMPARE(env->sound->played[0].file, QStringLiteral("click.wav"));
        QVERIFY(env->sound->played[0].wait);
    }

    // ---- Failures -------------------------------------------------------------------------

    void aMissingCardPictureLeavesAWayToDealAgain()
    {
        QFile::rename("baralho.jpg", "baralho.bak");
        env->random->script = ranks({10, 10, 10});
        press();
        QCOMPARE(errors().size(), 1);
        QVERIFY(errors()[0].contains("baralho.jpg"));
        QCOMPARE(modals(), QStringList());
        QCOMPARE(blackjack().step, HandStep::NoHand);

        QFile::rename("baralho.bak", "baralho.jpg");
        QFile::rename("c (7).jpg", "c7.bak");
        env->random->script = ranks({10, 10, 10, 2, 3, 7});
        press();
        QCOMPARE(blackjack().step, HandStep::TwoCards);
        press(); // the seven cannot be shown: it is not dealt
        QCOMPARE(errors().size(), 2);
        QCOMPARE(blackjack().step, HandStep::TwoCards);
        QCOMPARE(playerTotal(blackjack()), 5);
        QVERIFY(bj->dar3->isHidden());
        QFile::rename("c7.bak", "c (7).jpg");
        env->random->script = ranks({4});
        press();
        QCOMPARE(blackjack().step, HandStep::ThreeCards);
        QCOMPARE(bj->pontos->text(), QStringLiteral("9"));
    }
};

QTEST_MAIN(BlackjackTableScreen)
#include "test_blackjack_table.moc"
