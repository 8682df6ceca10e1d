// The coin value screen, the side screen and the mode dialog driven offscreen, and the layout
// pictures the generator draws for the heads or tails screens.
#include "app/pending_screens.h"
#include "controls/focus_ring.h"
#include "app/screens.h"
#include "coin_checks.h"
#include "fakes.h"
#include "games/coin/coin_game.h"
#include "platform/services.h"
#include "settings/store.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"
#include "shell/main_menu.h"

#include <QMouseEvent>
#include <QTest>

using namespace zor;
using zortest::shows;
using zortest::moveOver;
using zortest::holdKey;
using zortest::sendKey;
using zortest::showsCoin;
using zor::coin::game;

namespace {




void activate(QWidget* w)
{
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

bool boldUnderlined(const QWidget* w) { return w->font().bold() && w->font().underline(); }

// How far a picture is from a flat fill: the spread of its pixels' lightness.
int lightnessSpread(const QImage& img)
{
    int lo = 255, hi = 0;
    for (int y = 0; y < img.height(); y += 3) {
        for (int x = 0; x < img.width(); x += 3) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() < 200)
                continue;
            lo = std::min(lo, c.lightness());
            hi = std::max(hi, c.lightness());
        }
    }
    return hi - lo;
}

} // namespace

class CoinScreens : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

    QStringList cues() const { return env->sound->files(); }

private slots:
    void initTestCase() { initApplication(); }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        settings().set(Setting::som, "s");
        settings().set(Setting::msg, "n");
        game() = coin::CoinGame{};
        createScreens();
        createMainMenu();
    }

    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    // ---- Coin value screen -------------------------------------------------------------------

    void valueScreenWindow()
    {
        QCOMPARE(frm_CoC1->size(), QSize(888, 616));
        QCOMPARE(frm_CoC1->windowTitle(), coin::windowCaption());
        QVERIFY(!(frm_CoC1->windowFlags() & Qt::WindowMinimizeButtonHint));
        const QStringList captions = {"1 CENTAVO", "5 CENTAVOS", "10 CENTAVOS", "25 CENTAVOS", "50 CENTAVOS", "1 REAL"};
        const QList<QLabel*> labels = {frm_CoC1->Label4, frm_CoC1->Label5, frm_CoC1->Label6,
                                       frm_CoC1->Label7, frm_CoC1->Label8, frm_CoC1->Label3};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(labels[i]->text(), captions[i]);
        QCOMPARE(frm_CoC1->Label9->text(), QStringLiteral("Sair para o menu principal"));
        QCOMPARE(frm_CoC1->Label14->text(), QStringLiteral("Sair para a tela de Jogos"));
        QCOMPARE(frm_CoC1->Label10->text(), QStringLiteral("Sair do Jogo"));
        QCOMPARE(frm_CoC1->gear.config->toolTip(), QStringLiteral("Configurações"));
    }

    void hoverRingsTheCoinAndSoundsOnce()
    {
        frm_CoC1->show();
        moveOver(frm_CoC1->Label6);
        QVERIFY(frm_CoC1->s3->isVisible());
        QVERIFY(boldUnderlined(frm_CoC1->Label6));
        moveOver(frm_CoC1->Image5);
        moveOver(frm_CoC1->Image2);
        QVERIFY(frm_CoC1->s6->isVisible());
        QVERIFY(!frm_CoC1->Label3->font().underline()); // the picture rings, only a label underlines
        QCOMPARE(cues(), QStringList({"mouse.wav"}));
        moveOver(frm_CoC1->fundo);
        QVERIFY(frm_CoC1->s3->isHidden() && frm_CoC1->s6->isHidden());
        QVERIFY(frm_CoC1->Label6->font().bold() && !frm_CoC1->Label6->font().underline());
        moveOver(frm_CoC1->Label9);
        QVERIFY(boldUnderlined(frm_CoC1->Label9));
        QCOMPARE(cues(), QStringList({"mouse.wav", "mouse.wav"}));

        // With sound off nothing plays and the latch stays clear.
        settings().set(Setting::som, "n");
        moveOver(frm_CoC1->fundo);
        moveOver(frm_CoC1->Image3);
        QCOMPARE(cues().size(), 2);
    }

    void pressPicksTheCoinReleaseOpensTheSideScreen()
    {
        frm_CoC1->show();
        // Pressed on "1 REAL" and released elsewhere: still 1 real.
        QTest::mousePress(frm_CoC1->Image2, Qt::LeftButton);
        QCOMPARE(game().coinValue, 100);
        QCOMPARE(cues(), QStringList({"escolher.wav"}));
        QVERIFY(frm_CoC1->isVisible());
        QTest::mouseRelease(frm_CoC1->Image2, Qt::LeftButton, {}, QPoint(400, 300));
        QVERIFY(frm_CoC1->isHidden());
        QVERIFY(frm_CoC2->isVisible());
        QCOMPARE(frm_CoC2->cara->geometry(), QRect(259, 180, 148, 148));
        QCOMPARE(frm_CoC2->coroa->geometry(), QRect(470, 180, 147, 147));
        QVERIFY(showsCoin(frm_CoC2->cara, "coroa.bmp"));
        QVERIFY(showsCoin(frm_CoC2->coroa, "cara.bmp"));
        frm_CoC2->hide();

        // A press on a caption works the same; with sound off it is silent.
        settings().set(Setting::som, "n");
        frm_CoC1->show();
        QTest::mouseClick(frm_CoC1->Label4, Qt::LeftButton);
        QCOMPARE(game().coinValue, 1);
        QCOMPARE(cues().size(), 1);
        QCOMPARE(frm_CoC2->cara->geometry(), QRect(281, 182, 92, 94));
        QCOMPARE(frm_CoC2->coroa->geometry(), QRect(496, 184, 92, 94));
    }

    // The keyboard alone picks a coin: the arrows frame and ring one coin after another, Enter
    // picks it on the press (once, however long it is held) and opens the side screen on the
    // real release; Space does the same.
    void valueScreenKeysPickACoin()
    {
        activate(frm_CoC1);
        auto* ring = frm_CoC1->findChild<FocusRing*>();
        QVERIFY(ring && !ring->isVisible());
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Return); // nothing framed: nothing picked
        sendKey(frm_CoC1, QEvent::KeyRelease, Qt::Key_Return);
        QVERIFY(!frm_CoC1->pickUp->enabled());
        QVERIFY(cues().isEmpty());

        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), frm_CoC1->Image3);
        QVERIFY(ring->isVisible() && ring->geometry().contains(frm_CoC1->Image3->geometry()));
        QVERIFY(frm_CoC1->s1->isVisible());
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Right);
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Down);
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), frm_CoC1->Image4);
        QVERIFY(frm_CoC1->s2->isVisible() && frm_CoC1->s1->isHidden() && frm_CoC1->s3->isHidden());
        QVERIFY(ring->geometry().contains(frm_CoC1->Image4->geometry()));
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Up);
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Up); // the first coin stays
        QCOMPARE(QApplication::focusWidget(), frm_CoC1->Image3);
        for (int i = 0; i < 9; ++i)
            sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Right); // the last one stays
        QCOMPARE(QApplication::focusWidget(), frm_CoC1->Image2);
        QVERIFY(!cues().contains("escolher.wav")); // framing is hovering, not picking
        env->sound->played.clear();

        holdKey(frm_CoC1, Qt::Key_Return, 6, false);
        QCOMPARE(game().coinValue, 100);
        QCOMPARE(cues(), QStringList({"escolher.wav"}));
        for (quint64 stamp : {1000, 1033}) { // pairs the toolkit did not flag
            sendKey(frm_CoC1, QEvent::KeyRelease, Qt::Key_Return, false, stamp);
            sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Return, false, stamp);
        }
        QVERIFY(!frm_CoC1->pickUp->enabled());
        QCOMPARE(cues().size(), 1);
        QVERIFY(frm_CoC1->isVisible());
        sendKey(frm_CoC1, QEvent::KeyRelease, Qt::Key_Return, false, 2000);
        QVERIFY(frm_CoC1->isVisible() && frm_CoC2->isHidden());
        frm_CoC1->pickUp->tick();
        QVERIFY(frm_CoC1->isHidden());
        QVERIFY(frm_CoC2->isVisible());
        QCOMPARE(frm_CoC2->cara->geometry(), QRect(259, 180, 148, 148));
        frm_CoC2->hide();

        // Space, from Tab: the first coin in the chain.
        activate(frm_CoC1);
        env->sound->played.clear();
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Tab);
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frm_CoC1->Image4);
        env->sound->played.clear();
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Space);
        sendKey(frm_CoC1, QEvent::KeyRelease, Qt::Key_Space);
        QCOMPARE(game().coinValue, 5);
        frm_CoC1->pickUp->tick();
        QVERIFY(frm_CoC1->isHidden() && frm_CoC2->isVisible());
        QCOMPARE(frm_CoC2->cara->geometry(), QRect(275, 182, 120, 120));
        QCOMPARE(cues(), QStringList({"escolher.wav"}));
        // The side screen opened by a key takes nothing from that key's release.
        QVERIFY(!frm_CoC2->enterUp->enabled());
        sendKey(frm_CoC2, QEvent::KeyRelease, Qt::Key_Return);
        QVERIFY(!frm_CoC2->enterUp->enabled());
        QCOMPARE(game().side, QString());
    }

    // Tab goes on from the coins to the navigation and the gear; Enter acts on them.
    void valueScreenTabReachesTheNavigation()
    {
        activate(frm_CoC1);
        for (int i = 0; i < 7; ++i)
            sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frm_CoC1->Label9);
        auto* ring = frm_CoC1->findChild<FocusRing*>();
        QVERIFY(ring->isVisible() && ring->geometry().contains(frm_CoC1->Label9->geometry()));
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frm_CoC1->Label14);
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Tab);
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frm_CoC1->gear.config);
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Return);
        QCOMPARE(env->dialogs->modalShown, QStringList({"frm_conf"}));
        sendKey(frm_CoC1, QEvent::KeyRelease, Qt::Key_Return);
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Backtab);
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), frm_CoC1->Label14);
        sendKey(frm_CoC1, QEvent::KeyPress, Qt::Key_Return);
        QVERIFY(frm_CoC1->isHidden() && frm_Jogos->isVisible());
    }

    void valueScreenNavigation()
    {
        frm_CoC1->show();
        frm_CoC1->close();
        QVERIFY(frm_Jogos->isVisible());
        QVERIFY(frm_Menu->isHidden());

        frm_Jogos->hide();
        frm_CoC1->show();
        QTest::mouseClick(frm_CoC1->Label14, Qt::LeftButton);
        QVERIFY(frm_CoC1->isHidden() && frm_Jogos->isVisible());

        frm_Jogos->hide();
        frm_CoC1->show();
        settings().set(Setting::musica, "n");
        env->musicLog.clear();
        QTest::mouseClick(frm_CoC1->Label9, Qt::LeftButton);
        QVERIFY(frm_CoC1->isHidden() && frm_Jogos->isHidden());
        QVERIFY(frm_Menu->isVisible());
        QCOMPARE(env->musicLog, QStringList({"play"}));

        frm_CoC1->show();
        env->sound->played.clear();
        QTest::mouseClick(frm_CoC1->Label10, Qt::LeftButton);
        QCOMPARE(env->quits, 1);
        QCOMPARE(env->sound->played.size(), 1);
        QVERIFY(env->sound->played[0].wait);
        QCOMPARE(env->sound->played[0].file, QStringLiteral("escolher.wav"));
    }

    void gearOpensTheConfiguration()
    {
        frm_CoC1->show();
        moveOver(frm_CoC1->gear.config);
        QVERIFY(frm_CoC1->gear.config2->isHidden()); // state 1 at show: the background first
        moveOver(frm_CoC1->fundo);
        moveOver(frm_CoC1->gear.config);
        QVERIFY(frm_CoC1->gear.config2->isVisible());
        QTest::mouseClick(frm_CoC1->gear.config2, Qt::LeftButton);
        QCOMPARE(env->dialogs->modalShown, QStringList({"frm_conf"}));
    }

    // ---- Coin side screen --------------------------------------------------------------------

    void sideScreenOpensWithCaraTicked()
    {
        game().coinValue = 50;
        frm_CoC2->RadioButton2->setChecked(true);
        frm_CoC2->show();
        QVERIFY(frm_CoC2->RadioButton1->isChecked());
        QCOMPARE(frm_CoC2->cara->geometry(), QRect(266, 182, 126, 125));
        QCOMPARE(frm_CoC2->Label3->text(), QStringLiteral("Cara"));
        QCOMPARE(frm_CoC2->Label4->text(), QStringLiteral("Coroa"));
        QCOMPARE(frm_CoC2->Label6->text(), QStringLiteral("Jogar"));
        QCOMPARE(frm_CoC2->size(), QSize(889, 616));
        // A coin value outside the table leaves placement and pictures.
        frm_CoC2->hide();
        game().coinValue = 7;
        frm_CoC2->show();
        QCOMPARE(frm_CoC2->cara->geometry(), QRect(266, 182, 126, 125));
        QCOMPARE(env->dialogs->messages.size(), 0);
    }

    void coroaAndEnterOpenTheTable()
    {
        settings().set(Setting::som, "n");
        game().coinValue = 10;
        frm_CoC2->show();
        QTest::mousePress(frm_CoC2->coroa, Qt::LeftButton);
        QTest::mouseRelease(frm_CoC2->coroa, Qt::LeftButton);
        QVERIFY(frm_CoC2->RadioButton2->isChecked());
        // The side cues play whatever the sound switch holds.
        QCOMPARE(cues(), QStringList({"escolher.wav"}));
        // Another key does nothing.
        QTest::keyClick(frm_CoC2, Qt::Key_A);
        QVERIFY(frm_CoC2->isVisible());
        QCOMPARE(game().side, QString());
        QTest::keyPress(frm_CoC2, Qt::Key_Return);
        QCOMPARE(game().side, QStringLiteral("Coroa"));
        QCOMPARE(cues(), QStringList({"escolher.wav", "escolher2.wav"}));
        QVERIFY(frm_CoC2->isVisible());
        QTest::keyRelease(frm_CoC2, Qt::Key_Return);
        frm_CoC2->enterUp->tick(); // no press followed the release: it was a real one
        QVERIFY(frm_CoC2->isHidden());
        QVERIFY(CoC_jogo->isVisible());
        QCOMPARE(CoC_jogo->o->text(), QStringLiteral("Coroa"));
        QCOMPARE(CoC_jogo->ldinheiro->text(), QStringLiteral("R$ 0"));
    }

    void jogarTakesTheTickedSide()
    {
        game().coinValue = 5;
        frm_CoC2->show();
        QTest::mouseClick(frm_CoC2->Label3, Qt::LeftButton);
        QTest::mousePress(frm_CoC2->Label6, Qt::LeftButton);
        QCOMPARE(game().side, QStringLiteral("Cara"));
        QVERIFY(frm_CoC2->isVisible());
        QTest::mouseRelease(frm_CoC2->Label6, Qt::LeftButton);
        QVERIFY(CoC_jogo->isVisible());
        QCOMPARE(game().stake, 0.05);
    }

    void sideScreenHoverAndNavigation()
    {
        game().coinValue = 1;
        frm_CoC2->show();
        moveOver(frm_CoC2->Label6);
        QCOMPARE(frm_CoC2->Label6->palette().color(QPalette::WindowText), QColor(Qt::red));
        moveOver(frm_CoC2->back);
        QVERIFY(boldUnderlined(frm_CoC2->back) && frm_CoC2->back->font().italic());
        QCOMPARE(cues(), QStringList({"mouse.wav"}));
        moveOver(frm_CoC2->fundo);
        QCOMPARE(frm_CoC2->Label6->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(!frm_CoC2->back->font().underline());

        QTest::mouseClick(frm_CoC2->back, Qt::LeftButton);
        QVERIFY(frm_CoC2->isHidden());
        QVERIFY(frm_Jogos->isHidden());
        QVERIFY(frm_CoC1->isVisible());
        frm_CoC1->hide();

        frm_CoC2->show();
        frm_CoC2->RadioButton2->setChecked(true);
        QTest::mouseClick(frm_CoC2->label10, Qt::LeftButton);
        QVERIFY(frm_Jogos->isVisible());
        QVERIFY(frm_CoC2->RadioButton1->isChecked());

        frm_CoC2->show();
        QTest::mouseClick(frm_CoC2->Label9, Qt::LeftButton);
        QVERIFY(frm_Jogos->isHidden());
        QVERIFY(frm_Menu->isVisible());

        frm_CoC2->show();
        env->sound->played.clear();
        settings().set(Setting::som, "s");
        QTest::mouseClick(frm_CoC2->label14, Qt::LeftButton);
        QCOMPARE(env->quits, 1);
        QVERIFY(env->sound->played[0].wait);
    }

    // Only Enter and the arrows act on the side screen: Space, Tab, Esc and letters leave the
    // ticked side as the player left it, whatever control was clicked last.
    void sideScreenKeysOtherThanEnterChangeNothing()
    {
        game().coinValue = 100;
        frm_CoC2->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm_CoC2));
        QTest::mouseClick(frm_CoC2->RadioButton2, Qt::LeftButton);
        QVERIFY(frm_CoC2->RadioButton2->isChecked());
        QTest::mouseClick(frm_CoC2->RadioButton1, Qt::LeftButton);
        QTest::mouseClick(frm_CoC2->RadioButton2, Qt::LeftButton);
        QVERIFY(frm_CoC2->RadioButton2->isChecked());
        env->sound->played.clear();
        for (int key : {Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_A, Qt::Key_Home}) {
            holdKey(frm_CoC2, key, 3);
            QVERIFY2(frm_CoC2->RadioButton2->isChecked(), qPrintable(QKeySequence(key).toString()));
        }
        QTest::keyClick(frm_CoC2, Qt::Key_Space);
        QVERIFY(frm_CoC2->RadioButton2->isChecked());
        QVERIFY(frm_CoC2->isVisible());
        QCOMPARE(cues(), QStringList());
        QCOMPARE(game().side, QString());

        // Enter held down: the side and its cue on the real press, the table on the real release.
        holdKey(frm_CoC2, Qt::Key_Return, 8, false);
        QCOMPARE(game().side, QStringLiteral("Coroa"));
        QCOMPARE(cues(), QStringList({"escolher2.wav"}));
        QVERIFY(frm_CoC2->isVisible());
        QVERIFY(!CoC_jogo->isVisible());
        // Pairs the toolkit did not flag: a release and a press with one time stamp.
        for (quint64 stamp : {1000, 1033, 1066}) {
            sendKey(frm_CoC2, QEvent::KeyRelease, Qt::Key_Return, false, stamp);
            sendKey(frm_CoC2, QEvent::KeyPress, Qt::Key_Return, false, stamp);
            QVERIFY(!frm_CoC2->enterUp->enabled());
        }
        QVERIFY(frm_CoC2->isVisible());
        QCOMPARE(cues(), QStringList({"escolher2.wav"}));
        // The real release: no press follows it, and the table opens.
        sendKey(frm_CoC2, QEvent::KeyRelease, Qt::Key_Return, false, 2000);
        QVERIFY(frm_CoC2->isVisible());
        frm_CoC2->enterUp->tick();
        QVERIFY(frm_CoC2->isHidden());
        QVERIFY(CoC_jogo->isVisible());
        QVERIFY(!frm_CoC2->enterUp->enabled());
        CoC_jogo->hide();
    }

    // Enter held on the table opens this dialog; its repeats must not confirm it unseen.
    // The arrows choose the side and frame its picture; held, they sound once; Space after them
    // still flips nothing, and Enter plays the side they chose.
    void sideScreenArrowsChooseTheSide()
    {
        game().coinValue = 25;
        frm_CoC2->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm_CoC2));
        auto* ring = frm_CoC2->findChild<FocusRing*>();
        QVERIFY(ring && !ring->isVisible());
        holdKey(frm_CoC2, Qt::Key_Right, 5);
        QVERIFY(frm_CoC2->RadioButton2->isChecked() && !frm_CoC2->RadioButton1->isChecked());
        QVERIFY(ring->isVisible() && ring->geometry().contains(frm_CoC2->coroa->geometry()));
        QCOMPARE(cues(), QStringList({"escolher.wav"}));
        sendKey(frm_CoC2, QEvent::KeyPress, Qt::Key_Up);
        QVERIFY(frm_CoC2->RadioButton1->isChecked());
        QVERIFY(ring->geometry().contains(frm_CoC2->cara->geometry()));
        sendKey(frm_CoC2, QEvent::KeyPress, Qt::Key_Down);
        QVERIFY(frm_CoC2->RadioButton2->isChecked());
        holdKey(frm_CoC2, Qt::Key_Space, 4);
        QVERIFY(frm_CoC2->RadioButton2->isChecked());
        sendKey(frm_CoC2, QEvent::KeyPress, Qt::Key_Return);
        sendKey(frm_CoC2, QEvent::KeyRelease, Qt::Key_Return);
        frm_CoC2->enterUp->tick();
        QCOMPARE(game().side, QStringLiteral("Coroa"));
        QVERIFY(frm_CoC2->isHidden() && CoC_jogo->isVisible());
        CoC_jogo->hide();
        // The next showing ticks "Cara" again, unframed.
        frm_CoC2->show();
        QVERIFY(frm_CoC2->RadioButton1->isChecked() && !ring->isVisible());
        sendKey(frm_CoC2, QEvent::KeyPress, Qt::Key_Left);
        QVERIFY(frm_CoC2->RadioButton1->isChecked() && ring->isVisible());
        // Backspace is "Voltar": back to the value screen, once however long it is held.
        env->sound->played.clear();
        holdKey(frm_CoC2, Qt::Key_Backspace, 4);
        QVERIFY(frm_CoC2->isHidden() && frm_CoC1->isVisible());
        QCOMPARE(cues(), QStringList({"click.wav"}));
    }

    // ---- Mode dialog -------------------------------------------------------------------------

    void modeDialogTakesOnlyARealEnter()
    {
        game().mode = coin::Mode::NoMode;
        coc_modo->RadioButton2->setChecked(true);
        coc_modo->show();
        QVERIFY(QTest::qWaitForWindowExposed(coc_modo));
        for (int i = 0; i < 10; ++i) {
            sendKey(coc_modo, QEvent::KeyPress, Qt::Key_Return, true);
            sendKey(coc_modo, QEvent::KeyRelease, Qt::Key_Return, true);
            sendKey(coc_modo, QEvent::KeyPress, Qt::Key_Escape, true);
        }
        QVERIFY(coc_modo->isVisible());
        QCOMPARE(game().mode, coin::Mode::NoMode);
        sendKey(coc_modo, QEvent::KeyPress, Qt::Key_Return);
        QVERIFY(coc_modo->isHidden());
        QCOMPARE(game().mode, coin::Mode::PlayerStop);
    }

    void modeDialogReadsModoWithBlanksAround()
    {
        QCOMPARE(coc_modo->Label1->text(), QStringLiteral("Escolha um           para jogar: "));
        QCOMPARE(coc_modo->Label2->text(), QStringLiteral("modo"));
        const QString fault = zortest::gapFault(static_cast<zor::coin::GapLabel*>(coc_modo->Label1), coc_modo->Label2, {"modo"});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        // The sentence stays clear of the help icon.
        QVERIFY(coc_modo->Label1->x() + coc_modo->Label1->sizeHint().width() <= coc_modo->Image3->x());
    }

    void modeDialogConfirmAndCancel()
    {
        QCOMPARE(coc_modo->size(), QSize(302, 289));
        QCOMPARE(coc_modo->windowTitle(), QStringLiteral("Cassino ZOR - Modos de Jogo"));
        QVERIFY(coc_modo->RadioButton1->isChecked());
        QVERIFY(coc_modo->Button1->isDefault());

        env->openModal(coc_modo, [](QDialog*) {
            QTest::mouseClick(coc_modo->Image1, Qt::LeftButton);
            QVERIFY(coc_modo->RadioButton2->isChecked());
            QTest::keyClick(coc_modo->RadioButton2, Qt::Key_Return);
        });
        QCOMPARE(game().mode, coin::Mode::PlayerStop);
        QCOMPARE(env->dialogs->messages.size(), 0);
        QCOMPARE(cues(), QStringList({"escolher.wav"}));

        settings().set(Setting::msg, "s");
        env->openModal(coc_modo, [](QDialog*) {
            QVERIFY(coc_modo->RadioButton2->isChecked()); // the last choice stays
            QTest::mouseClick(coc_modo->Image2, Qt::LeftButton);
            coc_modo->Button1->click();
        });
        QCOMPARE(game().mode, coin::Mode::RandomStop);
        QCOMPARE(env->dialogs->texts("message"), QStringList({"Modo Escolhido: Parada Aleatória"}));

        env->openModal(coc_modo, [](QDialog*) { coc_modo->Button2->click(); });
        QCOMPARE(game().mode, coin::Mode::NoMode);

        // The close box and Esc leave the mode.
        game().mode = coin::Mode::PlayerStop;
        env->openModal(coc_modo, [](QDialog*) { QTest::keyClick(coc_modo, Qt::Key_Escape); });
        QCOMPARE(game().mode, coin::Mode::PlayerStop);
        env->openModal(coc_modo);
        QCOMPARE(game().mode, coin::Mode::PlayerStop);
    }

    void modeDialogHelpAndTheme()
    {
        settings().set(Setting::memo, "7");
        env->openModal(coc_modo, [](QDialog*) {
            QTest::mouseClick(coc_modo->contornoAjuda, Qt::LeftButton);
        });
        QVERIFY(shows(coc_modo->graconf, "graconf5.jpg"));
        QCOMPARE(env->dialogs->modalShown, QStringList({"coc_modo", "ajudacoc"}));
        QCOMPARE(cues(), QStringList({"click.wav", "escolher.wav"}));
    }

    // ---- Pictures ----------------------------------------------------------------------------

    void layoutPicturesAreDrawnNotFlat_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("value screen") << "coin/fundo1.jpg" << QSize(888, 616);
        QTest::newRow("side screen") << "coin/fundo2.jpg" << QSize(889, 616);
        QTest::newRow("table") << "coin/mesa.jpg" << QSize(886, 613);
        QTest::newRow("panel") << "coin/graconf.jpg" << QSize(886, 300);
        for (int i = 1; i <= 6; ++i)
            QTest::newRow(qPrintable(QStringLiteral("coin %1").arg(i))) << QStringLiteral("coin/moeda%1.png").arg(i)
                                                                        << QSize(120, 120);
        QTest::newRow("gear") << "coin/config.png" << QSize(50, 50);
        QTest::newRow("gear lit") << "coin/config2.png" << QSize(50, 50);
        QTest::newRow("balloon") << "coin/balao.png" << QSize(250, 104);
        QTest::newRow("decorative coin") << "coin/moeda.png" << QSize(150, 150);
        QTest::newRow("help icon") << "coin/ajuda.png" << QSize(33, 33);
    }
    void layoutPicturesAreDrawnNotFlat()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage img(QStringLiteral(":/layout/") + path);
        QVERIFY2(!img.isNull(), qPrintable(path));
        QCOMPARE(img.size(), size);
        QVERIFY2(lightnessSpread(img) > 60, qPrintable(QString::number(lightnessSpread(img))));
    }

    void coinPicturesAreRoundOnATransparentGround()
    {
        const QImage img(QStringLiteral(":/layout/coin/moeda6.png"));
        QCOMPARE(img.pixelColor(1, 1).alpha(), 0);
        QCOMPARE(img.pixelColor(60, 60).alpha(), 255);
        // The gear's twin is the highlighted one: warmer than the plain gear.
        const QImage gear(QStringLiteral(":/layout/coin/config.png"));
        const QImage lit(QStringLiteral(":/layout/coin/config2.png"));
        QVERIFY(lit.pixelColor(25, 8).red() - lit.pixelColor(25, 8).blue()
                > gear.pixelColor(25, 8).red() - gear.pixelColor(25, 8).blue());
    }
};

QTEST_MAIN(CoinScreens)
#include "test_coin_screens.moc"
