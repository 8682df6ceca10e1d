// The name dialog: which buffer a name goes to, the empty-name refusal, Enter, the selected
// name at each opening, the theme, and the hover cue with the latch shared with the chooser.
// Pointer events go to the window they name, not to whichever window lies on top at that spot:
// the chooser and the dialog overlap on the offscreen screen.
#define QTEST_QPA_MOUSE_HANDLING

#include "app/screens.h"
#include "controls/picture.h"
#include "fakes.h"
#include "platform/services.h"
#include "platform/textfile.h"
#include "settings/store.h"
#include "settings/theme.h"
#include "shell/game_chooser.h"
#include "shell/name_dialog.h"

#include <QApplication>
#include <QTest>

using namespace zor;

class NameDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;
    int moves = 0;

    // Opens the dialog as a game does: caller code first, then the modal dialog.
    void open(int caller, std::function<void()> script)
    {
        // Between two openings the program's event loop runs; let the work the last closing
        // left behind (a line edit tidies its selection after its window deactivates) be done.
        QCoreApplication::processEvents();
        nomeChamador = caller;
        env->dialogs->scripts["frm_nome"] = [script](QDialog* d) {
            QVERIFY(QTest::qWaitForWindowExposed(d));
            script();
        };
        dialogs().showModal(frm_nome);
    }

    void typeAndSave(const QString& text)
    {
        frm_nome->Edit1->selectAll();
        QTest::keyClicks(frm_nome->Edit1, text);
        QTest::mouseClick(frm_nome->Button1, Qt::LeftButton);
    }

    // A real pointer move onto a control. A move to the very spot of a window's last move is no
    // move at all, so every call shifts the point a little.
    int nudge() { return moves++ % 9 - 4; }
    void pointAt(QWidget* window, QWidget* control)
    {
        QTest::mouseMove(window, control->mapTo(window, control->rect().center() + QPoint(nudge(), 0)));
    }
    void pointAtBackground() { QTest::mouseMove(frm_nome, QPoint(5 + nudge(), 76)); }

    QStringList cues() const { return env->sound->files(); }

private slots:
    void initTestCase() { initApplication(); }
    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        settings().set(Setting::nome, "antes");
        settings().set(Setting::nomecn, "antes cn");
        createScreens();
        nomeChamador = 0;
        sharedHoverLatch().clear();
    }
    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    void layout()
    {
        QCOMPARE(frm_nome->windowTitle(), QStringLiteral("Digite seu Nome"));
        QCOMPARE(frm_nome->size(), QSize(270, 82));
        QCOMPARE(frm_nome->Label1->text(), QStringLiteral("Digite seu nome:"));
        QVERIFY(frm_nome->Label1->font().bold());
        QCOMPARE(frm_nome->Button1->text(), QStringLiteral("Salvar !"));
        QVERIFY(frm_nome->Button1->isDefault());
        QCOMPARE(frm_nome->Button1->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(frm_nome->graconf->geometry(), QRect(0, 0, 270, 82));
        QVERIFY(frm_nome->graconf->hasPicture());
        for (QWidget* w : {static_cast<QWidget*>(frm_nome->Label1), static_cast<QWidget*>(frm_nome->Edit1),
                           static_cast<QWidget*>(frm_nome->Button1)})
            QVERIFY(QRect(0, 0, 270, 82).contains(w->geometry()));
    }

    void callerCodeChoosesTheBuffer_data()
    {
        QTest::addColumn<int>("caller");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("nomecn");
        QTest::newRow("heads or tails") << 1 << "Ana" << "antes cn";
        QTest::newRow("slot machine") << 2 << "antes" << "Ana";
        QTest::newRow("no caller yet") << 0 << "antes" << "antes cn";
        QTest::newRow("unknown caller") << 3 << "antes" << "antes cn";
    }
    void callerCodeChoosesTheBuffer()
    {
        QFETCH(int, caller);
        QFETCH(QString, nome);
        QFETCH(QString, nomecn);
        const QByteArray cocFile = env->readFile("Config/Jogos/coc/nome.txt");
        const QByteArray cnFile = env->readFile("Config/Jogos/cn/nome.txt");
        bool closed = false;
        open(caller, [&] {
            typeAndSave("Ana");
            closed = !frm_nome->isVisible();
        });
        QVERIFY(closed);
        QCOMPARE(setting(Setting::nome), nome);
        QCOMPARE(setting(Setting::nomecn), nomecn);
        QCOMPARE(nomeChamador, caller); // kept for the next opening
        // The dialog writes no file: the game saves the name itself.
        QCOMPARE(env->readFile("Config/Jogos/coc/nome.txt"), cocFile);
        QCOMPARE(env->readFile("Config/Jogos/cn/nome.txt"), cnFile);
        QVERIFY(env->dialogs->messages.isEmpty());
    }

    void emptyNameIsRefusedBlanksAreNot()
    {
        open(1, [] {
            frm_nome->Edit1->clear();
            frm_nome->Button1->setFocus();
            QTest::mouseClick(frm_nome->Button1, Qt::LeftButton);
            QVERIFY(frm_nome->isVisible());
            QCOMPARE(frm_nome->focusWidget(), frm_nome->Edit1);

            QTest::keyClicks(frm_nome->Edit1, "   ");
            QTest::mouseClick(frm_nome->Button1, Qt::LeftButton);
            QVERIFY(!frm_nome->isVisible());
        });
        QCOMPARE(env->dialogs->texts("message"), QStringList({"Preencha o Nome sem Caracteres Especiais !"}));
        QCOMPARE(setting(Setting::nome), QStringLiteral("   "));
    }

    void enterInTheFieldSaves()
    {
        open(2, [] {
            frm_nome->Edit1->clear();
            QTest::keyClick(frm_nome->Edit1, Qt::Key_Return); // empty: refused
            QVERIFY(frm_nome->isVisible());
            QTest::keyClicks(frm_nome->Edit1, "Zeca");
            QTest::keyClick(frm_nome->Edit1, Qt::Key_Return);
            QVERIFY(!frm_nome->isVisible());
        });
        QCOMPARE(env->dialogs->texts("message").size(), 1);
        QCOMPARE(setting(Setting::nomecn), QStringLiteral("Zeca"));
    }

    void closeBoxChangesNothing()
    {
        open(1, [] {
            QTest::keyClicks(frm_nome->Edit1, "Outro");
            frm_nome->close();
        });
        QCOMPARE(setting(Setting::nome), QStringLiteral("antes"));
        QCOMPARE(setting(Setting::nomecn), QStringLiteral("antes cn"));
        QVERIFY(env->dialogs->messages.isEmpty());
    }

    // A name typed for one game is offered, selected, when the other game opens the dialog, so
    // typing replaces it.
    void lastNameOfferedSelected()
    {
        open(2, [this] { typeAndSave("Maria"); });
        open(1, [] {
            QCOMPARE(frm_nome->Edit1->text(), QStringLiteral("Maria"));
            QCOMPARE(frm_nome->Edit1->selectedText(), QStringLiteral("Maria"));
            QCOMPARE(frm_nome->focusWidget(), frm_nome->Edit1);
            QTest::keyClicks(frm_nome->Edit1, "Joana");
            QTest::keyClick(frm_nome->Edit1, Qt::Key_Enter);
        });
        QCOMPARE(setting(Setting::nomecn), QStringLiteral("Maria"));
        QCOMPARE(setting(Setting::nome), QStringLiteral("Joana"));
    }

    // Whatever the player types is kept and shown as typed: markup, symbols, great length, as
    // long as the game's files (Windows-1252) can hold every letter.
    void anyTextIsTakenAsTyped()
    {
        const QString markup = QStringLiteral("<b>Zé</b> & <i>&amp;</i> <img src=x> Œ€™ \\n %1");
        const QString longName = QString(40000, QChar(u'x'));
        open(1, [&] {
            frm_nome->Edit1->setText(markup);
            QTest::mouseClick(frm_nome->Button1, Qt::LeftButton);
        });
        QCOMPARE(setting(Setting::nome), markup);
        open(1, [&] {
            QCOMPARE(frm_nome->Edit1->displayText(), markup); // shown as plain text
            frm_nome->Edit1->selectAll();
            frm_nome->Edit1->insert(longName); // as a paste would
            QTest::mouseClick(frm_nome->Button1, Qt::LeftButton);
        });
        QCOMPARE(setting(Setting::nome), longName);
        // The longest name the field takes is one a value file holds.
        open(1, [&] {
            frm_nome->Edit1->selectAll();
            frm_nome->Edit1->insert(QString(kMaxValueFileBytes + 10, u'y'));
            QTest::mouseClick(frm_nome->Button1, Qt::LeftButton);
        });
        QCOMPARE(setting(Setting::nome).size(), kMaxValueFileBytes);
    }

    // Letters the files cannot hold are refused as an empty name is, not saved as '?'.
    void lettersBeyondWindows1252AreRefused()
    {
        for (const QString& name : {QStringLiteral("Ωmega"), QStringLiteral("Zé 😀"), QStringLiteral("日本")}) {
            env->dialogs->messages.clear();
            open(2, [&] {
                frm_nome->Edit1->selectAll();
                frm_nome->Edit1->insert(name);
                QTest::keyClick(frm_nome->Edit1, Qt::Key_Return);
                QVERIFY(frm_nome->isVisible());
                QCOMPARE(frm_nome->focusWidget(), frm_nome->Edit1);
                frm_nome->close();
            });
            QCOMPARE(env->dialogs->texts("message"), QStringList({"Preencha o Nome sem Caracteres Especiais !"}));
            QCOMPARE(setting(Setting::nomecn), QStringLiteral("antes cn"));
        }
        // The slot player called like the buffer's placeholder is a name like any other.
        open(2, [this] { typeAndSave("nomecn"); });
        QCOMPARE(setting(Setting::nomecn), QStringLiteral("nomecn"));
        QVERIFY(!settings().holdsPlaceholder(Setting::nomecn));
    }

    void themeAppliedOnShow()
    {
        settings().set(Setting::memo, "2");
        open(1, [] {
            QCOMPARE(frm_nome->graconf->picture().toImage(), loadPictureFile("graconf1.jpg").toImage());
        });
        settings().set(Setting::memo, "x.png");
        bool opened = false;
        open(1, [&] { opened = frm_nome->isVisible(); });
        QVERIFY(opened);
        QCOMPARE(env->dialogs->texts("error").size(), 1);
    }

    void hoverCueAndBoldCaption()
    {
        open(1, [this] {
            pointAt(frm_nome, frm_nome->Button1);
            QVERIFY(frm_nome->Button1->font().bold());
            pointAt(frm_nome, frm_nome->Button1);
            QCOMPARE(cues(), QStringList({"mouse.wav"})); // once per visit
            pointAt(frm_nome, frm_nome->Edit1);           // not the background: latch stays
            pointAt(frm_nome, frm_nome->Button1);
            QCOMPARE(cues().size(), 1);
            pointAtBackground();
            QVERIFY(!frm_nome->Button1->font().bold());
            QVERIFY(!sharedHoverLatch().isSet());
            pointAt(frm_nome, frm_nome->Button1);
            QCOMPARE(cues(), QStringList({"mouse.wav", "mouse.wav"}));

            // Saving leaves the caption plain for the next opening.
            frm_nome->Edit1->setText("Ana");
            QTest::mouseClick(frm_nome->Button1, Qt::LeftButton);
            QVERIFY(!frm_nome->Button1->font().bold());
        });
    }

    void noHoverCueWithSoundOff()
    {
        settings().set(Setting::som, "n");
        open(1, [this] {
            pointAt(frm_nome, frm_nome->Button1);
            QVERIFY(frm_nome->Button1->font().bold());
            QVERIFY(!sharedHoverLatch().isSet());
            settings().set(Setting::som, "s");
            pointAt(frm_nome, frm_nome->Button1); // the very next hover sounds
        });
        QCOMPARE(cues(), QStringList({"mouse.wav"}));
    }

    // The chooser's buttons and "Salvar !" share one latch: a cue sounded over the chooser keeps
    // the dialog's button quiet until the pointer has crossed a background, and the dialog's
    // background frees the chooser's cue again.
    void latchSharedWithTheChooser()
    {
        frm_Jogos->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm_Jogos));
        pointAt(frm_Jogos, frm_Jogos->BitBtn1);
        QCOMPARE(cues(), QStringList({"mouse.wav"}));
        QVERIFY(sharedHoverLatch().isSet());
        open(2, [this] {
            pointAt(frm_nome, frm_nome->Button1);
            QVERIFY(frm_nome->Button1->font().bold()); // the pointer is there
            QCOMPARE(cues().size(), 1);
            pointAtBackground();
        });
        pointAt(frm_Jogos, frm_Jogos->BitBtn1);
        QCOMPARE(cues(), QStringList({"mouse.wav", "mouse.wav"}));
    }
};

QTEST_MAIN(NameDialog)
#include "test_name_dialog.moc"
