// The bet dialog and the five outcome dialogs driven offscreen: the amount pulled into 5..100
// however "Apostar" is pressed, the close box, the field starting at 5 on every showing, the
// themes, and which keys close which outcome dialog. Also the generated pictures they and the
// table show.
#include "app/screens.h"
#include "controls/picture.h"
#include "fakes.h"
#include "games/blackjack/bet_dialog.h"
#include "games/blackjack/blackjack_rules.h"
#include "games/blackjack/outcome_dialogs.h"
#include "settings/store.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

using namespace zor;
using zortest::shows;
using namespace zor::bj;
using zortest::repeatKey;
using zortest::sendKey;

namespace {

// How many different colours a picture has, counted on a coarse grid: drawn pictures have many,
// flat fills and placeholders a handful.
int colours(const QImage& img)
{
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); y += 3)
        for (int x = 0; x < img.width(); x += 3)
            seen.insert(img.pixel(x, y) & 0xF8F8F8F8);
    return int(seen.size());
}

QDialog* dialog(const QString& name)
{
    if (name == "ganhou")
        return ganhou;
    if (name == "perdeu")
        return perdeu;
    if (name == "empate")
        return empate;
    if (name == "frm_estourou")
        return frm_estourou;
    if (name == "certo")
        return certo;
    return aposta;
}

} // namespace

class BetAndOutcomeDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

    QLineEdit* field() const { return aposta->cn->editor(); }

    void type(const QString& text)
    {
        field()->selectAll();
        QTest::keyClick(field(), Qt::Key_Delete);
        QTest::keyClicks(field(), text);
    }

private slots:
    void initTestCase() { initApplication(); }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().set(Setting::som, "s");
        settings().set(Setting::msg, "n");
        settings().set(Setting::memo, "1");
        createScreens();
        blackjack() = BlackjackTable{};
    }

    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    // ---- The bet dialog -------------------------------------------------------------------

    void betDialogWindow()
    {
        QCOMPARE(aposta->objectName(), QStringLiteral("aposta"));
        QCOMPARE(aposta->windowTitle(), QStringLiteral("Faça sua aposta"));
        QCOMPARE(aposta->size(), QSize(272, 156));
        QCOMPARE(aposta->Label2->text(), QStringLiteral("€$"));
        QCOMPARE(aposta->Label1->text(), QStringLiteral(",00"));
        QCOMPARE(aposta->BitBtn1->text(), QStringLiteral("Apostar"));
        QVERIFY(aposta->BitBtn1->isDefault());
        QCOMPARE(aposta->BitBtn1->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(aposta->cn->minimum(), 5);
        QCOMPARE(aposta->cn->maximum(), 100);
        QCOMPARE(aposta->cn->font().pixelSize(), 47);
        QVERIFY(aposta->cn->font().bold());
        QVERIFY(aposta->Edit1->isHidden());
    }

    void theAmountShownIsTheBet_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("bet");
        const QStringList hows = {"mouse", "Enter", "Space"};
        const struct {
            const char* typed;
            int bet;
        } rows[] = {{"250", 100}, {"2", 5}, {"", 5}, {"60", 60}, {"abc", 5}, {"-30", 5}, {"99999999999", 100}, {"7x", 5}};
        for (const QString& how : hows)
            for (const auto& r : rows)
                QTest::addRow("%s by %s", r.typed, qPrintable(how)) << QString::fromLatin1(r.typed) << how << r.bet;
    }
    void theAmountShownIsTheBet()
    {
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(int, bet);
        blackjack().bet = 33;
        const int result = env->openModal(aposta, [&](QDialog*) {
            type(typed);
            if (how == "mouse")
                QTest::mouseClick(aposta->BitBtn1, Qt::LeftButton);
            else if (how == "Enter")
                QTest::keyClick(field(), Qt::Key_Return);
            else {
                aposta->BitBtn1->setFocus();
                QTest::keyClick(aposta->BitBtn1, Qt::Key_Space);
            }
            QVERIFY(aposta->isHidden());
        });
        QCOMPARE(blackjack().bet, bet);
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(aposta->cn->value(), bet);
    }

    void aMouseReleaseAnywhereTakesTheBet()
    {
        env->openModal(aposta, [&](QDialog*) {
            type("40");
            QTest::mousePress(aposta->BitBtn1, Qt::LeftButton, {}, QPoint(10, 10));
            QVERIFY(aposta->isVisible());
            QTest::mouseRelease(aposta->BitBtn1, Qt::LeftButton, {}, QPoint(300, -50));
        });
        QCOMPARE(blackjack().bet, 40);
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
    }

    // The close box takes the amount shown, as "Apostar" does, from the first hand on; Esc does
    // nothing (there is no cancel button).
    void theCloseBoxTakesTheAmountShown()
    {
        env->openModal(aposta, [&](QDialog* d) {
            type("80");
            d->close();
            QVERIFY(d->isHidden());
        });
        QCOMPARE(blackjack().bet, 80);
        env->openModal(aposta, [&](QDialog* d) {
            type("250");
            QTest::keyClick(field(), Qt::Key_Escape);
            QVERIFY(d->isVisible());
            d->close();
        });
        QCOMPARE(blackjack().bet, 100);
        QCOMPARE(aposta->cn->value(), 100);
        env->openModal(aposta, [&](QDialog* d) { d->close(); });
        QCOMPARE(blackjack().bet, 5);
        env->openModal(aposta, [&](QDialog* d) {
            type("abc");
            d->close();
        });
        QCOMPARE(blackjack().bet, 5);
    }

    // A deal key held down on the table repeats into the dialog: flagged or not, the repeats
    // neither bet nor type; the next real press bets once.
    void heldKeysActOnce_data()
    {
        zortest::addHeldDealKeyRows();
    }
    void heldKeysActOnce()
    {
        QFETCH(int, key);
        QFETCH(bool, flagged);
        blackjack().bet = 33;
        bool open = false;
        env->openModal(aposta, [&](QDialog* d) {
            repeatKey(aposta->cn, Qt::Key(key), 1000, 40, flagged);
            open = d->isVisible();
            QCOMPARE(field()->text(), QStringLiteral("5"));
            sendKey(aposta->cn, QEvent::KeyRelease, Qt::Key(key), false, 3000);
            sendKey(aposta->cn, QEvent::KeyPress, Qt::Key_Return, false, 3500);
        });
        QVERIFY(open);
        QCOMPARE(blackjack().bet, 5);
        QVERIFY(aposta->isHidden());
    }

    void theFieldStartsAtFiveAndSteps()
    {
        env->openModal(aposta, [&](QDialog*) {
            QCOMPARE(field()->text(), QStringLiteral("5"));
            type("70");
            QTest::keyClick(field(), Qt::Key_Return);
        });
        QCOMPARE(blackjack().bet, 70);
        env->openModal(aposta, [&](QDialog*) {
            QCOMPARE(aposta->cn->value(), 5);
            QCOMPARE(field()->text(), QStringLiteral("5"));
            QTest::keyClick(field(), Qt::Key_Up);
            QTest::keyClick(field(), Qt::Key_Up);
            QTest::keyClick(field(), Qt::Key_Down);
            QTest::keyClick(field(), Qt::Key_Down);
            QTest::keyClick(field(), Qt::Key_Down); // not below 5
            QTest::keyClick(field(), Qt::Key_Up);
            QTest::keyClick(field(), Qt::Key_Return);
        });
        QCOMPARE(blackjack().bet, 6);
        // Leaving the field pulls what it holds into range.
        env->openModal(aposta, [&](QDialog*) {
            aposta->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(aposta));
            type("400");
            aposta->BitBtn1->setFocus();
            QCOMPARE(aposta->cn->value(), 100);
            QCOMPARE(field()->text(), QStringLiteral("100"));
            QTest::mouseClick(aposta->BitBtn1, Qt::LeftButton);
        });
        QCOMPARE(blackjack().bet, 100);
    }

    void hoverMakesTheButtonBold()
    {
        env->openModal(aposta, [&](QDialog*) {
            QTest::mouseMove(aposta->BitBtn1, QPoint(20, 10));
            QVERIFY(aposta->BitBtn1->font().bold());
            QTest::mouseMove(aposta->graconf, QPoint(5, 5));
            QVERIFY(!aposta->BitBtn1->font().bold());
        });
    }

    void soundOffPressesSilently()
    {
        settings().set(Setting::som, "n");
        env->openModal(aposta, [&](QDialog*) { QTest::mouseClick(aposta->BitBtn1, Qt::LeftButton); });
        QCOMPARE(blackjack().bet, 5);
        QCOMPARE(env->sound->files(), QStringList());
    }

    // ---- Outcome dialogs ------------------------------------------------------------------

    void outcomeDialogWindows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::newRow("ganhou") << "ganhou" << "Você ganhou !" << "Você ganhou a aposta ! Parabéns !" << QSize(264, 213);
        QTest::newRow("perdeu") << "perdeu" << "Você perdeu !" << "Você perdeu e o computador ganhou a aposta!" << QSize(306, 201);
        QTest::newRow("empate") << "empate" << "Empate !" << "O Computador empatou com você !" << QSize(249, 208);
        QTest::newRow("frm_estourou") << "frm_estourou" << "Que pena ! Você estourou !"
                                      << "Não se preocupe! Você não perdeu dinheiro !" << QSize(271, 208);
        QTest::newRow("certo") << "certo" << "Black Jack - 21 na Mosca" << "Você acertou 21 !" << QSize(249, 273);
    }
    void outcomeDialogWindows()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QDialog* d = dialog(name);
        QCOMPARE(d->objectName(), name);
        QCOMPARE(d->windowTitle(), caption);
        QCOMPARE(d->size(), size);
        QVERIFY(!(d->windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(zortest::control<QLabel>(d, "Label1")->text(), text);
        // The whole text fits its place.
        auto* label = zortest::control<QLabel>(d, "Label1");
        if (label->wordWrap())
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
        else
            QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->width());
    }

    void keysCloseAllButTheExactTwentyOne_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("closes");
        QTest::newRow("ganhou") << "ganhou" << true;
        QTest::newRow("perdeu") << "perdeu" << true;
        QTest::newRow("empate") << "empate" << true;
        QTest::newRow("frm_estourou") << "frm_estourou" << true;
        QTest::newRow("certo") << "certo" << false;
    }
    void keysCloseAllButTheExactTwentyOne()
    {
        QFETCH(QString, name);
        QFETCH(bool, closes);
        QDialog* d = dialog(name);
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            bool stillOpen = false;
            env->openModal(d, [&](QDialog*) {
                // Other keys, Esc included, do nothing.
                QTest::keyClick(d, Qt::Key_Escape);
                QTest::keyClick(d, Qt::Key_A);
                QTest::keyClick(d, Qt::Key_Down);
                QVERIFY(d->isVisible());
                QTest::keyClick(d, key);
                stillOpen = d->isVisible();
            });
            QCOMPARE(stillOpen, !closes);
        }
    }

    // Space or Enter held down from the table: its repeats, flagged or not, close no dialog; a
    // real press closes those that close.
    void heldKeysCloseNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("flagged");
        for (const char* name : {"ganhou", "perdeu", "empate", "frm_estourou", "certo"}) {
            QTest::addRow("%s flagged", name) << QString::fromLatin1(name) << true;
            QTest::addRow("%s not flagged", name) << QString::fromLatin1(name) << false;
        }
    }
    void heldKeysCloseNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, flagged);
        QDialog* d = dialog(name);
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            bool openWhileHeld = false, openAfter = false;
            env->openModal(d, [&](QDialog*) {
                repeatKey(d, key, 1000, 40, flagged);
                openWhileHeld = d->isVisible();
                sendKey(d, QEvent::KeyRelease, key, false, 3000);
                sendKey(d, QEvent::KeyPress, key, false, 3400);
                openAfter = d->isVisible();
            });
            QVERIFY(openWhileHeld);
            QCOMPARE(openAfter, name == "certo");
        }
    }

    void themedDialogsTakeTheTheme_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("aposta") << "aposta";
        QTest::newRow("ganhou") << "ganhou";
        QTest::newRow("empate") << "empate";
        QTest::newRow("frm_estourou") << "frm_estourou";
    }
    void themedDialogsTakeTheTheme()
    {
        QFETCH(QString, name);
        QDialog* d = dialog(name);
        settings().set(Setting::memo, "6");
        env->openModal(d, [&](QDialog*) { QVERIFY(shows(zortest::control<Picture>(d, "graconf"), "grad.jpg")); });
        // A theme that names no picture: the error box, and the dialog still comes up.
        settings().set(Setting::memo, "8");
        bool cameUp = false;
        env->openModal(d, [&](QDialog*) { cameUp = d->isVisible(); });
        QVERIFY(cameUp);
        QCOMPARE(env->dialogs->texts("error").size(), 1);
    }

    void lostAndExactTwentyOneKeepTheirOwnLook()
    {
        settings().set(Setting::memo, "8");
        env->openModal(perdeu);
        env->openModal(certo);
        QCOMPARE(env->dialogs->texts("error"), QStringList());
        QVERIFY(!perdeu->findChild<Picture*>("graconf"));
        QVERIFY(!certo->findChild<Picture*>("graconf"));
    }

    // ---- The generated pictures -----------------------------------------------------------

    void theLayoutPicturesAreDrawn_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("transparentCorner");
        QTest::newRow("table") << "mesa.jpg" << QSize(797, 528) << false;
        QTest::newRow("pile card") << "monte.png" << QSize(71, 100) << true;
        QTest::newRow("face-down card") << "carta.jpg" << QSize(130, 190) << false;
        QTest::newRow("deal lit") << "dar2.png" << QSize(176, 44) << true;
        QTest::newRow("deal pressed") << "dar3.png" << QSize(176, 44) << true;
        QTest::newRow("stand awake") << "parar1.png" << QSize(176, 44) << true;
        QTest::newRow("stand lit") << "parar2.png" << QSize(176, 44) << true;
        QTest::newRow("bet glyph") << "apostar.png" << QSize(44, 44) << true;
        QTest::newRow("dialog background") << "aposta_fundo.jpg" << QSize(306, 273) << false;
        QTest::newRow("won") << "ganhou.png" << QSize(240, 160) << true;
        QTest::newRow("lost") << "perdeu.jpg" << QSize(306, 176) << false;
        QTest::newRow("tie") << "empate.png" << QSize(229, 156) << true;
        QTest::newRow("bust") << "estourou.png" << QSize(247, 156) << true;
        QTest::newRow("exact 21") << "certo.jpg" << QSize(249, 240) << false;
    }
    void theLayoutPicturesAreDrawn()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(bool, transparentCorner);
        const QImage img(QStringLiteral(":/layout/blackjack/") + path);
        QVERIFY2(!img.isNull(), qPrintable(path));
        QCOMPARE(img.size(), size);
        QVERIFY2(colours(img) > 40, qPrintable(QString::number(colours(img))));
        if (transparentCorner)
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
    }

    void theButtonStatesDiffer()
    {
        const QImage lit(":/layout/blackjack/dar2.png"), pressed(":/layout/blackjack/dar3.png");
        const QImage table(":/layout/blackjack/mesa.jpg");
        QVERIFY(lit != pressed);
        // The lit button lies over the one printed on the table at rest, and differs from it.
        const QImage rest = table.copy(566, 424, 176, 44).convertToFormat(QImage::Format_ARGB32);
        int differ = 0;
        for (int y = 10; y < 34; ++y)
            for (int x = 20; x < 156; ++x)
                differ += qAbs(qGray(rest.pixel(x, y)) - qGray(lit.pixel(x, y))) > 12 ? 1 : 0;
        QVERIFY2(differ > 300, qPrintable(QString::number(differ)));
    }

    // The stand button printed on the table is greyed out (no hand); the one shown while the
    // player holds cards, at rest and lit, is in colour.
    void theStandButtonIsGreyOnlyWithoutAHand()
    {
        auto saturation = [](const QImage& img) {
            const QImage a = img.convertToFormat(QImage::Format_ARGB32);
            long sum = 0, n = 0;
            for (int y = 8; y < 34; ++y)
                for (int x = 12; x < 164; ++x) {
                    const QColor c = QColor::fromRgba(a.pixel(x, y));
                    if (c.alpha() < 250)
                        continue;
                    sum += c.hsvSaturation();
                    ++n;
                }
            return n ? int(sum / n) : 0;
        };
        const QImage table(":/layout/blackjack/mesa.jpg");
        const int asleep = saturation(table.copy(566, 476, 176, 44));
        const int awake = saturation(QImage(":/layout/blackjack/parar1.png"));
        const int lit = saturation(QImage(":/layout/blackjack/parar2.png"));
        QVERIFY2(asleep < 60, qPrintable(QString::number(asleep)));
        QVERIFY2(awake > 120, qPrintable(QString::number(awake)));
        QVERIFY2(lit > 100, qPrintable(QString::number(lit)));
    }
};

QTEST_MAIN(BetAndOutcomeDialogs)
#include "test_bet_and_outcome_dialogs.moc"
