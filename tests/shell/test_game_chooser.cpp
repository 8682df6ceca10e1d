// The game chooser driven offscreen: its banners and descriptions, the hover cue latch it
// shares with the name dialog, opening each game and coming back, the back and exit buttons,
// Esc and the close box.
#include "app/pending_screens.h"
#include "app/screens.h"
#include "fakes.h"
#include "platform/services.h"
#include "settings/store.h"
#include "settings/theme.h"
#include "shell/game_chooser.h"
#include "shell/main_menu.h"

#include <QDirIterator>
#include <QPointer>
#include <QTest>

using namespace zor;

namespace {

// Runs a callback when a watched widget is shown, so a test can look at the program's state at
// that very moment.
class ShowSpy : public QObject {
public:
    ShowSpy(QWidget* w, std::function<void()> fn) : fn_(std::move(fn)) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            fn_();
        return false;
    }

private:
    std::function<void()> fn_;
};

QStringList names(QChar letter, int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QString(letter) + QString::number(i);
    return out;
}

const QStringList kCocLines = names(u'a', 7);
const QStringList kCaLines = names(u'b', 7);
const QStringList kBlLines = names(u'c', 8);
// Everything that a hover shows.
const QStringList kHoverShown = QStringList{"coc2", "ca2", "bl2", "Shape4", "screen1", "screen2", "screen3"}
    + kCocLines + kCaLines + kBlLines;

// Spots of the client area, where nothing but the named control lies.
const QPoint kBackgroundBetweenBanners(270, 112);
const QPoint kHeaderStrip(40, 360);
const QPoint kBetweenTheButtons(130, 592);

// Every file of the Config tree with its bytes.
QMap<QString, QByteArray> configSnapshot()
{
    QMap<QString, QByteArray> out;
    QDirIterator it(QStringLiteral("Config"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        out.insert(f.fileName(), f.readAll());
    }
    return out;
}

} // namespace

class GameChooser : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;
    Tfrm_Jogos* jogos = nullptr;
    int moves = 0;

    QWidget* control(const QString& name) { return zortest::control(jogos, name); }
    QStringList shownOf(const QStringList& names) { return zortest::shownOf(jogos, names); }

    void showChooser()
    {
        jogos->show();
        QVERIFY(QTest::qWaitForWindowExposed(jogos));
    }

    // A real pointer move over the window: the control on top at that point gets it. A tiny
    // offset on every call keeps two moves to the same spot from being no move at all.
    void pointAt(const QString& name)
    {
        QWidget* w = control(name);
        QTest::mouseMove(jogos, w->mapTo(jogos, w->rect().center() + QPoint(moves++ % 3, 0)));
    }
    void pointAt(QPoint client) { QTest::mouseMove(jogos, client + QPoint(moves++ % 3, 0)); }

    QStringList cues() const { return env->sound->files(); }

private slots:
    void initTestCase() { initApplication(); }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().set(Setting::som, "s");
        settings().set(Setting::musica, "s");
        settings().set(Setting::animacao, "n");
        settings().set(Setting::msg, "n");
        settings().set(Setting::memo, "1");
        createScreens();
        createMainMenu();
        jogos = frm_Jogos;
        sharedHoverLatch().clear();
        QCursor::setPos(-100, -100);
    }

    void cleanup()
    {
        destroyScreens();
        jogos = nullptr;
        env.reset();
    }

    // ---- Layout ------------------------------------------------------------------------

    void windowAndControls()
    {
        QCOMPARE(jogos->objectName(), QStringLiteral("frm_Jogos"));
        QCOMPARE(jogos->windowTitle(), QStringLiteral("Cassino ZOR - Jogos"));
        QCOMPARE(jogos->size(), QSize(547, 647));
        QCOMPARE(jogos->minimumSize(), jogos->maximumSize());
        QVERIFY(!(jogos->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(jogos->isHidden());

        QCOMPARE(control("graconf")->geometry(), QRect(-1, -3, 550, 652));
        for (const auto& [plain, lit, top] : {std::tuple{"coc1", "coc2", 10}, {"ca1", "ca2", 122}, {"bl1", "bl2", 233}}) {
            QCOMPARE(control(plain)->geometry(), QRect(8, top, 530, 91));
            QCOMPARE(control(lit)->geometry(), QRect(8, top, 530, 91));
        }
        QCOMPARE(control("Shape1")->geometry(), QRect(8, 336, 529, 297));
        QCOMPARE(control("Shape2")->geometry(), QRect(8, 336, 529, 49));
        QCOMPARE(control("Shape3")->geometry(), QRect(256, 336, 281, 297));
        QCOMPARE(control("Shape4")->geometry(), QRect(259, 392, 275, 238));
        for (const char* s : {"screen1", "screen2", "screen3"})
            QCOMPARE(control(s)->geometry(), QRect(260, 392, 272, 235));
        QCOMPARE(jogos->BitBtn1->geometry(), QRect(20, 560, 215, 26));
        QCOMPARE(jogos->BitBtn2->geometry(), QRect(20, 599, 215, 26));
        QCOMPARE(jogos->BitBtn1->text(), QStringLiteral("Voltar para o Menu Principal"));
        QCOMPARE(jogos->BitBtn2->text(), QStringLiteral("Sair do Jogo"));
        QVERIFY(!jogos->BitBtn1->icon().isNull());
        QVERIFY(!jogos->BitBtn2->icon().isNull());
        QCOMPARE(jogos->Label1->text(), QStringLiteral("Descrição"));
        QCOMPARE(jogos->Label2->text(), QStringLiteral("Figura do Jogo"));
        QVERIFY(jogos->Label1->font().bold() && jogos->Label2->font().bold());
        QCOMPARE(jogos->Label1->pos(), QPoint(96, 352));
        QCOMPARE(jogos->Label2->pos(), QPoint(352, 352));

        // Banners, highlights and game pictures carry pictures of the layout.
        for (const char* p : {"graconf", "coc1", "coc2", "ca1", "ca2", "bl1", "bl2", "screen1", "screen2", "screen3"})
            QVERIFY2(static_cast<Picture*>(control(p))->hasPicture(), p);
        // A highlighted banner is its own picture, not its banner's.
        QVERIFY(jogos->coc1->picture().toImage() != jogos->coc2->picture().toImage());

        // Nothing of a hover is shown at first; highlights lie over their banners.
        QCOMPARE(shownOf(kHoverShown), QStringList());
        const QObjectList kids = jogos->children();
        QVERIFY(kids.indexOf(jogos->coc2) > kids.indexOf(jogos->coc1));
        QVERIFY(kids.indexOf(jogos->Shape4) > kids.indexOf(jogos->screen3));
    }

    void descriptionLines()
    {
        auto texts = [this](const QStringList& lines) {
            QStringList out;
            for (const QString& n : lines)
                out << static_cast<QLabel*>(control(n))->text();
            return out;
        };
        QCOMPARE(texts(kCocLines), QStringList({
            "Um jogo simples de Cara ou Coroa, onde",
            "o objetivo é escolher o valor, o lado da ",
            "moeda, sendo capaz de escolher 2 modos",
            "de jogo, um que a moeda para sozinha ",
            "\"Aleatória\", ou o jogador decide quando",
            "a moeda irá parar, dando pontuação e ",
            "tudo mais !",
        }));
        QCOMPARE(texts(kCaLines), QStringList({
            "Funciona basicamente como todas as",
            "máquinas caça-níqueis, só com algumas",
            "diferenças, como mudar a categoria da ",
            "roleta na qual gira conforme ao clique",
            "encima da alavanca, para que as roletas",
            "girem aleatóriamente parando em uma",
            "outra posição.",
        }));
        QCOMPARE(texts(kBlLines), QStringList({
            "Como nos antigos tempos até hoje, o",
            "baralho foi ficando cada vez mais normal",
            "e um dos primeiros jogos também foi",
            "tradicional e que todo mundo jogava,",
            "assim o BlackJack foi evoluindo, portanto",
            "os cassinos foram adotando-o como um",
            "jogo padrão, mais conhecido como",
            "\"BlackJack\", ou então \"Jogo do 21\".",
        }));

        // One line every 16 pixels from 400, left between 11 and 17, each whole in the
        // description column (left of the picture column).
        for (const QStringList& lines : {kCocLines, kCaLines, kBlLines}) {
            for (int i = 0; i < lines.size(); ++i) {
                auto* l = static_cast<QLabel*>(control(lines[i]));
                QCOMPARE(l->y(), 400 + 16 * i);
                QVERIFY2(l->x() >= 11 && l->x() <= 17, qPrintable(lines[i]));
                QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(lines[i]));
                QVERIFY2(l->geometry().right() < 256, qPrintable(lines[i]));
            }
        }
    }

    // ---- Show ------------------------------------------------------------------------------

    void showAppliesTheTheme()
    {
        settings().set(Setting::memo, "6");
        showChooser();
        QCOMPARE(jogos->graconf->picture().toImage(), loadPictureFile("grad.jpg").toImage());
        QVERIFY(env->dialogs->messages.isEmpty());
        QCOMPARE(shownOf(kHoverShown), QStringList());
    }

    void unreadableThemeShowsTheFailureAndStillOpens()
    {
        settings().set(Setting::memo, "8");
        showChooser();
        QVERIFY(jogos->isVisible());
        QCOMPARE(env->dialogs->texts("error").size(), 1);
        QVERIFY(jogos->graconf->hasPicture()); // the layout's own picture stays
    }

    // ---- Hover -----------------------------------------------------------------------------

    void bannerShowsItsHighlightDescriptionAndPicture_data()
    {
        QTest::addColumn<QString>("banner");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("Cara ou Coroa") << "coc1" << QStringList{"coc2", "Shape4", "screen1"} + kCocLines;
        QTest::newRow("Caça-Níquel") << "ca1" << QStringList{"ca2", "Shape4", "screen2"} + kCaLines;
        QTest::newRow("BlackJack") << "bl1" << QStringList{"bl2", "Shape4", "screen3"} + kBlLines;
    }
    void bannerShowsItsHighlightDescriptionAndPicture()
    {
        QFETCH(QString, banner);
        QFETCH(QStringList, shown);
        showChooser();
        pointAt(banner);
        const QStringList now = shownOf(kHoverShown);
        QCOMPARE(QSet<QString>(now.begin(), now.end()), QSet<QString>(shown.begin(), shown.end()));
        // The highlight now takes the pointer; staying on it keeps everything up.
        pointAt(banner);
        QCOMPARE(shownOf(kHoverShown).size(), shown.size());
        // Banners make no sound.
        QCOMPARE(cues(), QStringList());

        pointAt(kBackgroundBetweenBanners);
        QCOMPARE(shownOf(kHoverShown), QStringList());
    }

    void movingFromBannerToBannerShowsOneGameAtATime()
    {
        showChooser();
        pointAt("coc1");
        pointAt(kBackgroundBetweenBanners);
        pointAt("ca1");
        QCOMPARE(shownOf(kHoverShown).size(), 3 + kCaLines.size());
        QVERIFY(!shownOf(kHoverShown).contains("coc2"));
        QVERIFY(!shownOf(kHoverShown).contains("a1"));
    }

    void headerStripClearsLikeTheBackground()
    {
        showChooser();
        pointAt("bl1");
        pointAt(kHeaderStrip);
        QCOMPARE(shownOf(kHoverShown), QStringList());
    }

    void buttonsTurnBoldAndOnlyTheFrameMakesBothPlain()
    {
        showChooser();
        pointAt("BitBtn1");
        QVERIFY(jogos->BitBtn1->font().bold());
        pointAt("BitBtn2");
        QVERIFY(jogos->BitBtn2->font().bold());
        // The background makes only the exit button plain again.
        pointAt(kBackgroundBetweenBanners);
        QVERIFY(jogos->BitBtn1->font().bold());
        QVERIFY(!jogos->BitBtn2->font().bold());
        pointAt(kBetweenTheButtons);
        QVERIFY(!jogos->BitBtn1->font().bold());
        QVERIFY(!jogos->BitBtn2->font().bold());
    }

    void hoverCueOnceUntilThePointerCrossesTheFrame()
    {
        showChooser();
        pointAt("BitBtn1");
        pointAt("BitBtn1");
        pointAt("BitBtn2");
        QCOMPARE(cues(), QStringList({"mouse.wav"}));
        QVERIFY(!env->sound->played[0].wait);
        // The background does not clear the latch here; the frame between the buttons does.
        pointAt(kBackgroundBetweenBanners);
        pointAt("BitBtn1");
        QCOMPARE(cues().size(), 1);
        pointAt(kBetweenTheButtons);
        QVERIFY(!sharedHoverLatch().isSet());
        pointAt("BitBtn2");
        QCOMPARE(cues(), QStringList({"mouse.wav", "mouse.wav"}));
    }

    void latchIsSharedWithTheNameDialog()
    {
        // Set elsewhere (the name dialog's buttons use the same latch): the chooser stays silent.
        sharedHoverLatch().enter();
        env->sound->played.clear();
        showChooser();
        pointAt("BitBtn1");
        QCOMPARE(cues(), QStringList());
        // And the chooser's frame clears it for both.
        pointAt(kBetweenTheButtons);
        QVERIFY(!sharedHoverLatch().isSet());
        pointAt("BitBtn1");
        QVERIFY(sharedHoverLatch().isSet());
        QCOMPARE(cues(), QStringList({"mouse.wav"}));
    }

    void withSoundOffNoCueAndTheLatchStaysClear()
    {
        settings().set(Setting::som, "n");
        showChooser();
        pointAt("BitBtn1");
        pointAt("BitBtn2");
        QCOMPARE(cues(), QStringList());
        QVERIFY(!sharedHoverLatch().isSet());
        QVERIFY(jogos->BitBtn2->font().bold());
        // The very next hover after switching sound on sounds.
        settings().set(Setting::som, "s");
        pointAt("BitBtn1");
        QCOMPARE(cues(), QStringList({"mouse.wav"}));
    }

    // ---- Opening a game --------------------------------------------------------------------

    void clickOnAHighlightOpensTheGame_data()
    {
        QTest::addColumn<QString>("banner");
        QTest::addColumn<QString>("highlight");
        QTest::addColumn<QString>("screen");
        QTest::newRow("Cara ou Coroa") << "coc1" << "coc2" << "frm_CoC1";
        QTest::newRow("Caça-Níquel") << "ca1" << "ca2" << "frm_cn";
        QTest::newRow("BlackJack") << "bl1" << "bl2" << "frm_bj";
    }
    void clickOnAHighlightOpensTheGame()
    {
        QFETCH(QString, banner);
        QFETCH(QString, highlight);
        QFETCH(QString, screen);
        showChooser();
        pointAt(banner);
        const auto settingsBefore = configSnapshot();

        QWidget* game = nullptr;
        auto gameScreen = [&] {
            return screen == "frm_CoC1" ? static_cast<QWidget*>(frm_CoC1)
                : screen == "frm_cn"    ? static_cast<QWidget*>(frm_cn)
                                        : static_cast<QWidget*>(frm_bj);
        };
        bool checked = false;
        // The Blackjack table does not exist before the click; the others are watched as they show.
        std::unique_ptr<ShowSpy> spy;
        if (screen != "frm_bj") {
            spy = std::make_unique<ShowSpy>(gameScreen(), [&] {
                checked = true;
                QVERIFY(jogos->isHidden());
                QCOMPARE(shownOf(kHoverShown), QStringList());
            });
        }
        QTest::mouseClick(control(highlight), Qt::LeftButton);
        game = gameScreen();
        QVERIFY(game);
        QCOMPARE(game->objectName(), screen);
        QVERIFY(game->isVisible());
        QVERIFY(jogos->isHidden());
        QVERIFY(checked || screen == "frm_bj");
        QCOMPARE(shownOf(kHoverShown), QStringList());
        QCOMPARE(cues(), QStringList());
        QCOMPARE(configSnapshot(), settingsBefore);

        // The game's screen brings the chooser back when it closes, with nothing highlighted.
        frm_Menu->show();
        game->close();
        QVERIFY(jogos->isVisible());
        QVERIFY(frm_Menu->isHidden());
        QCOMPARE(shownOf(kHoverShown), QStringList());
    }

    void blackjackIsAFreshTableEveryTime()
    {
        QVERIFY(!frm_bj);
        showChooser();
        pointAt("bl1");
        QTest::mouseClick(jogos->bl2, Qt::LeftButton);
        QPointer<Tfrm_bj> first = frm_bj;
        QVERIFY(first && first->isVisible());

        first->close();
        QVERIFY(jogos->isVisible());
        pointAt("bl1");
        QTest::mouseClick(jogos->bl2, Qt::LeftButton);
        QVERIFY(frm_bj);
        QVERIFY(frm_bj != first.data());
        QVERIFY(frm_bj->isVisible());
        // The hidden old table goes once control is back in the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(frm_bj->isVisible());
    }

    void aTableStillOnViewGoesWhenItCloses()
    {
        showChooser();
        pointAt("bl1");
        QTest::mouseClick(jogos->bl2, Qt::LeftButton);
        QPointer<Tfrm_bj> first = frm_bj;
        // The chooser shown again over a table that is still open.
        jogos->show();
        jogos->bl1MouseMove();
        jogos->bl2Click();
        QVERIFY(frm_bj != first.data());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first);
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(frm_bj);
    }

    // ---- Back to the menu ------------------------------------------------------------------

    void backButtonReturnsToTheMenu_data()
    {
        QTest::addColumn<QString>("som");
        QTest::addColumn<QString>("musica");
        QTest::addColumn<QStringList>("cues");
        QTest::addColumn<QStringList>("music");
        QTest::newRow("sound and music on") << "s" << "s" << QStringList{"click.wav"} << QStringList{"play"};
        QTest::newRow("music off") << "s" << "n" << QStringList{"click.wav"} << QStringList{};
        QTest::newRow("sound off") << "n" << "s" << QStringList{} << QStringList{"play"};
        QTest::newRow("music neither s nor n") << "s" << "S" << QStringList{"click.wav"} << QStringList{};
    }
    void backButtonReturnsToTheMenu()
    {
        QFETCH(QString, som);
        QFETCH(QString, musica);
        QFETCH(QStringList, cues);
        QFETCH(QStringList, music);
        settings().set(Setting::som, som);
        settings().set(Setting::musica, musica);
        showChooser();
        pointAt("coc1");
        env->musicLog.clear();

        // The click cue has been heard to its end by the time the menu comes up.
        QList<zortest::PlayedCue> atMenuShow;
        bool shown = false;
        ShowSpy spy(frm_Menu, [&] {
            shown = true;
            atMenuShow = env->sound->played;
        });
        QTest::mouseClick(jogos->BitBtn1, Qt::LeftButton);
        QVERIFY(shown);
        QCOMPARE(atMenuShow.size(), cues.size());
        for (const auto& c : atMenuShow)
            QVERIFY(c.wait);
        QCOMPARE(this->cues(), cues);
        QVERIFY(jogos->isHidden());
        QVERIFY(frm_Menu->isVisible());
        QCOMPARE(env->musicLog, music);
        QCOMPARE(env->quits, 0);
        // Closing clears the highlight and description for the next visit.
        QCOMPARE(shownOf(kHoverShown), QStringList());
    }

    void closeBoxReturnsToTheMenuWithoutACue()
    {
        showChooser();
        pointAt("ca1");
        pointAt("BitBtn2");
        env->sound->played.clear();
        env->musicLog.clear();
        jogos->close();
        QVERIFY(jogos->isHidden());
        QVERIFY(frm_Menu->isVisible());
        QCOMPARE(cues(), QStringList());
        QCOMPARE(env->musicLog, QStringList({"play"}));
        QCOMPARE(shownOf(kHoverShown), QStringList());
        QVERIFY(!jogos->BitBtn2->font().bold());
    }

    void closingWhileAGameIsOpenStillShowsTheMenu()
    {
        // A game's "back to the main menu" closes the chooser while it is hidden.
        showChooser();
        pointAt("coc1");
        QTest::mouseClick(jogos->coc2, Qt::LeftButton);
        env->musicLog.clear();
        frm_CoC1->hide();
        jogos->close();
        QVERIFY(frm_Menu->isVisible());
        QVERIFY(jogos->isHidden());
        QCOMPARE(env->musicLog, QStringList({"play"}));
    }

    // ---- Ending the program ----------------------------------------------------------------

    void exitButtonEndsTheProgram_data()
    {
        QTest::addColumn<QString>("som");
        QTest::addColumn<QStringList>("cues");
        QTest::newRow("sound on") << "s" << QStringList{"click.wav"};
        QTest::newRow("sound off") << "n" << QStringList{};
    }
    void exitButtonEndsTheProgram()
    {
        QFETCH(QString, som);
        QFETCH(QStringList, cues);
        settings().set(Setting::som, som);
        showChooser();
        const auto before = configSnapshot();
        QTest::mouseClick(jogos->BitBtn2, Qt::LeftButton);
        QCOMPARE(env->quits, 1);
        QCOMPARE(this->cues(), cues);
        for (const auto& c : env->sound->played)
            QVERIFY(!c.wait);
        // Ending is not closing: the menu does not come back, and nothing is saved.
        QVERIFY(frm_Menu->isHidden());
        QCOMPARE(configSnapshot(), before);
    }

    void escapeEndsTheProgram()
    {
        showChooser();
        QTest::keyClick(jogos, Qt::Key_Escape);
        QCOMPARE(env->quits, 1);
        QCOMPARE(cues(), QStringList({"click.wav"}));
        // From a focused button as well.
        jogos->BitBtn1->setFocus();
        QTest::keyClick(jogos->BitBtn1, Qt::Key_Escape);
        QCOMPARE(env->quits, 2);
        QVERIFY(frm_Menu->isHidden());
    }
};

QTEST_MAIN(GameChooser)
#include "test_game_chooser.moc"
