// The configuration screen: the show handler's box syncing, each switch's immediate effect,
// Save and Cancel with their file order and failures, Design and Help, hover rules and keys.
#include "app/screens.h"
#include "controls/picture.h"
#include "fakes.h"
#include "settings/config_screen.h"
#include "settings/design_screen.h"
#include "settings/store.h"
#include "shell/main_menu.h"

#include <QMouseEvent>
#include <QTest>

using namespace zor;

namespace {

const QStringList kFiles = {"Config/som.txt", "Config/alerta.txt", "Config/cor.txt", "Config/animacao.txt",
                            "Config/musica.txt"};

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, 8)); }

void moveOver(QWidget* w)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(4, 4), w->mapToGlobal(QPointF(4, 4)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

bool shows(const Picture* p, const QString& file)
{
    return p->picture().toImage() == loadPictureFile(file).toImage();
}

QList<bool> timers()
{
    return {frm_Menu->t->enabled(), frm_Menu->t2->enabled(), frm_Menu->t3->enabled(), frm_Menu->t4->enabled(),
            frm_Menu->t5->enabled()};
}
const QList<bool> kAllOn = {true, true, true, true, true};
const QList<bool> kAllOff = {false, false, false, false, false};

} // namespace

class ConfigScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

    // Shows the screen modally; the script plays the player's part while it is open.
    void open(std::function<void()> script = {})
    {
        env->openModal(frm_conf, [script](QDialog*) {
            if (script)
                script();
        });
    }

    QStringList messages() const { return env->dialogs->texts("message"); }
    QStringList errors() const { return env->dialogs->texts("error"); }

    void clearRecords()
    {
        env->sound->played.clear();
        env->musicLog.clear();
        env->dialogs->messages.clear();
    }

private slots:
    void initTestCase() { initApplication(); }
    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        createScreens();
        createMainMenu();
        clearRecords();
    }
    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    // ---- Show ---------------------------------------------------------------------------------

    void showWithMatchingBuffersRunsNothingAndCollapsesTheMenu()
    {
        frm_Menu->menuprincipal->show();
        frm_Menu->configover->show();
        settings().set(Setting::memo, "3");
        open([] {
            QVERIFY(shows(frm_conf->graconf, "graconf2.jpg"));
            for (QCheckBox* b : {frm_conf->CheckBox1, frm_conf->CheckBox2, frm_conf->CheckBox4, frm_conf->CheckBox5})
                QVERIFY(b->isChecked());
            QCOMPARE(frm_conf->Label7->text(), QStringLiteral("ON"));
        });
        QVERIFY(frm_Menu->menuprincipal->isHidden());
        QVERIFY(frm_Menu->configover->isHidden());
        QVERIFY(env->sound->played.isEmpty());
        QVERIFY(env->musicLog.isEmpty());
        QVERIFY(!frm_conf->musicChanged());
    }

    // A box whose state differs from its buffer is clicked by the show: music stops with a cue,
    // animation timers stop, warnings only relabel; sound off means later cues are silent.
    void showClicksOnlyTheBoxesThatChange()
    {
        settings().set(Setting::musica, "n");
        settings().set(Setting::animacao, "n");
        settings().set(Setting::msg, "x");
        open([] {
            QVERIFY(!frm_conf->CheckBox1->isChecked());
            QCOMPARE(frm_conf->Label1->text(), QStringLiteral("OFF"));
            QVERIFY(!frm_conf->CheckBox2->isChecked());
            QCOMPARE(frm_conf->Label2->text(), QStringLiteral("OFF"));
            QVERIFY(!frm_conf->CheckBox4->isChecked());
            QCOMPARE(frm_conf->Label7->text(), QStringLiteral("OFF"));
            QVERIFY(frm_conf->CheckBox5->isChecked());
        });
        // msg, musica and animacao clicks, each with its cue; som's box already matched.
        QCOMPARE(env->sound->files(), QStringList({"click.wav", "click.wav", "click.wav"}));
        QCOMPARE(env->musicLog, QStringList({"stop"}));
        QCOMPARE(timers(), kAllOff);
        QCOMPARE(setting(Setting::msg), QStringLiteral("x")); // the warnings box never writes
        QVERIFY(!frm_conf->musicChanged());

        // Shown again with the music back on: only the music box is clicked, and the piece
        // starts from its beginning.
        clearRecords();
        settings().set(Setting::musica, "s");
        open();
        QCOMPARE(env->musicLog, QStringList({"rewind", "play"}));
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
        QCOMPARE(timers(), kAllOff);
    }

    void showReadsPlaceholdersByEachBoxsRule()
    {
        settings().reset();
        settings().set(Setting::memo, "1");
        open([] {
            // Music and sound count as on unless exactly "n"; animation and warnings need "s".
            QVERIFY(frm_conf->CheckBox1->isChecked());
            QVERIFY(frm_conf->CheckBox5->isChecked());
            QVERIFY(!frm_conf->CheckBox2->isChecked());
            QVERIFY(!frm_conf->CheckBox4->isChecked());
        });
        QCOMPARE(setting(Setting::animacao), QStringLiteral("n"));
        QCOMPARE(setting(Setting::musica), QStringLiteral("music\r\na"));
        QCOMPARE(setting(Setting::som), QStringLiteral("som"));
        QCOMPARE(timers(), kAllOff);
        QVERIFY(env->sound->played.isEmpty()); // "som" is not "s"
        QVERIFY(env->musicLog.isEmpty());
    }

    void missingThemePictureShowsTheFailureAndStillOpens()
    {
        settings().set(Setting::memo, "nada.jpg");
        bool visible = false;
        open([&] { visible = frm_conf->isVisible(); });
        QVERIFY(visible);
        QCOMPARE(errors().size(), 1);
        QVERIFY(errors()[0].startsWith("Cannot open file \"nada.jpg\""));
    }

    // A theme picture that cannot be loaded is reported, and the show still brings every box in
    // line with its buffer, so Save writes what the screen shows and not the layout's ticks.
    void badThemeStillSyncsTheBoxesAndSaveKeepsTheSwitchesOff()
    {
        for (const QString& f : kFiles)
            env->writeFile(f, "n");
        env->writeFile("Config/cor.txt", "8");
        settings().loadAll();
        clearRecords();
        open([] {
            for (QCheckBox* b : {frm_conf->CheckBox1, frm_conf->CheckBox2, frm_conf->CheckBox4, frm_conf->CheckBox5})
                QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
            QTest::mouseClick(frm_conf->Button1, Qt::LeftButton);
        });
        QCOMPARE(errors(), QStringList({"Unknown picture file extension (.)"}));
        for (const QString& f : {"Config/som.txt", "Config/alerta.txt", "Config/animacao.txt", "Config/musica.txt"})
            QCOMPARE(env->readFile(f), QByteArray("n"));
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("8"));
    }

    // ---- The switches -------------------------------------------------------------------------

    void soundBoxSilencesAtOnceAndPlaysASampleWhenTicked()
    {
        open([this] {
            click(frm_conf->CheckBox5);
            QCOMPARE(setting(Setting::som), QStringLiteral("n"));
            QCOMPARE(frm_conf->Label8->text(), QStringLiteral("OFF"));
            QVERIFY(env->sound->played.isEmpty()); // no click cue for this box
            moveOver(frm_conf->Button3);
            click(frm_conf->CheckBox1);
            QVERIFY(env->sound->played.isEmpty());

            click(frm_conf->CheckBox5);
            QCOMPARE(setting(Setting::som), QStringLiteral("s"));
            QCOMPARE(env->sound->files(), QStringList({"mouse.wav"}));
            QVERIFY(!env->sound->played[0].wait);
            // Its state label runs the handler without changing the box: som is already "s".
            click(frm_conf->Label8);
            QVERIFY(frm_conf->CheckBox5->isChecked());
            QCOMPARE(env->sound->files(), QStringList({"mouse.wav"}));
        });
        QCOMPARE(env->readFile("Config/som.txt"), QByteArray("s"));
    }

    void musicBoxStopsAndRestartsTheMusic()
    {
        open([this] {
            click(frm_conf->CheckBox1);
            QCOMPARE(setting(Setting::musica), QStringLiteral("n"));
            QCOMPARE(env->musicLog, QStringList({"stop"}));
            QVERIFY(frm_conf->musicChanged());
            click(frm_conf->CheckBox1);
            QCOMPARE(env->musicLog, QStringList({"stop", "rewind", "play"}));
            click(frm_conf->Label1);
            QVERIFY(frm_conf->CheckBox1->isChecked());
            QCOMPARE(env->musicLog, QStringList({"stop", "rewind", "play", "rewind", "play"}));
            QCOMPARE(frm_conf->Label1->text(), QStringLiteral("ON"));
        });
        QCOMPARE(env->sound->files(), QStringList({"click.wav", "click.wav", "click.wav"}));
    }

    void animationBoxSwitchesTheFiveMenuTimers()
    {
        open([] {
            click(frm_conf->CheckBox2);
            QCOMPARE(setting(Setting::animacao), QStringLiteral("n"));
            QCOMPARE(timers(), kAllOff);
            click(frm_conf->Label2); // unticked: the label switches off again
            QCOMPARE(timers(), kAllOff);
            click(frm_conf->CheckBox2);
            QCOMPARE(setting(Setting::animacao), QStringLiteral("s"));
            QCOMPARE(timers(), kAllOn);
        });
    }

    void warningsBoxChangesNothingUntilSave()
    {
        open([this] {
            click(frm_conf->CheckBox4);
            QCOMPARE(frm_conf->Label7->text(), QStringLiteral("OFF"));
            QCOMPARE(setting(Setting::msg), QStringLiteral("s"));
            QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
            QTest::mouseClick(frm_conf->Button1, Qt::LeftButton);
        });
        QCOMPARE(setting(Setting::msg), QStringLiteral("n"));
        QCOMPARE(env->readFile("Config/alerta.txt"), QByteArray("n"));
        QVERIFY(messages().isEmpty()); // warnings now off: no confirmation
    }

    // ---- Save ---------------------------------------------------------------------------------

    void saveWritesTheFiveFilesAsOneByteEach()
    {
        for (const QString& f : kFiles)
            env->writeFile(f, "s\r\n");
        env->writeFile("Config/cor.txt", "1");
        settings().loadAll();
        open([] {
            settings().set(Setting::memo, "4"); // a design choice not yet saved
            click(frm_conf->CheckBox5);
            click(frm_conf->CheckBox2);
            QTest::mouseClick(frm_conf->Button1, Qt::LeftButton);
            QVERIFY(!frm_conf->isVisible());
        });
        // "s\r\n", as an editor leaves it, is the switch "s": every box started ticked, the two
        // clicks cleared sound and animation (the menu's animation timers stop), and every file is
        // written without a line break.
        QCOMPARE(env->readFile("Config/som.txt"), QByteArray("n"));
        QCOMPARE(env->readFile("Config/alerta.txt"), QByteArray("s"));
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("4"));
        QCOMPARE(env->readFile("Config/animacao.txt"), QByteArray("n"));
        QCOMPARE(env->readFile("Config/musica.txt"), QByteArray("s"));
        QCOMPARE(messages(), QStringList({"  As Alterações foram salvas com sucesso !"}));
        QCOMPARE(timers(), kAllOff);
    }

    void saveConfirmsWithAWaitingCueAndReappliesTheMusic()
    {
        open([] {
            click(frm_conf->CheckBox1);
            QTest::mouseClick(frm_conf->Button1, Qt::LeftButton);
        });
        QCOMPARE(env->musicLog, QStringList({"stop", "stop"}));
        QCOMPARE(env->readFile("Config/musica.txt"), QByteArray("n"));
        QCOMPARE(env->sound->files(), QStringList({"click.wav", "click.wav"}));
        QVERIFY(env->sound->played.last().wait);
        QCOMPARE(messages(), QStringList({"  As Alterações foram salvas com sucesso !"}));
        QVERIFY(!frm_conf->Button1->font().bold());
    }

    // A file that cannot be created stops Save there: the files before it are written, those
    // after it are not, and no cue, message or close follows.
    void saveStopsAtTheFileThatCannotBeCreated_data()
    {
        QTest::addColumn<int>("blocked");
        for (int i = 0; i < kFiles.size(); ++i)
            QTest::newRow(qPrintable(kFiles[i])) << i;
    }
    void saveStopsAtTheFileThatCannotBeCreated()
    {
        QFETCH(int, blocked);
        for (const QString& f : kFiles)
            env->writeFile(f, "old");
        settings().set(Setting::musica, "s");
        settings().set(Setting::memo, "2");
        env->remove(kFiles[blocked]);
        QDir(env->dir()).mkpath(kFiles[blocked]); // a directory where the file should be
        bool stillOpen = false;
        open([&] {
            QTest::mouseClick(frm_conf->Button1, Qt::LeftButton);
            stillOpen = frm_conf->isVisible();
        });
        QVERIFY(stillOpen);
        QCOMPARE(errors().size(), 1);
        QVERIFY(errors()[0].startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(kFiles[blocked])));
        for (int i = 0; i < kFiles.size(); ++i) {
            if (i != blocked)
                QCOMPARE(env->readFile(kFiles[i]) == "old", i > blocked);
        }
        QVERIFY(env->sound->played.isEmpty());
        QVERIFY(messages().isEmpty());
    }

    void saveWithoutConfigShowsTheCreateFailureOnly()
    {
        env->remove("Config");
        open([] {
            click(frm_conf->CheckBox5);
            QTest::mouseClick(frm_conf->Button1, Qt::LeftButton);
        });
        QCOMPARE(errors().size(), 1);
        QVERIFY(errors()[0].startsWith("Cannot create file \"Config/som.txt\". "));
        QVERIFY(!env->exists("Config"));
        QVERIFY(messages().isEmpty());
        QCOMPARE(setting(Setting::som), QStringLiteral("n")); // set in memory before the saves
    }

    void closeBoxKeepsTheChangesUnsaved()
    {
        open([] { click(frm_conf->CheckBox5); });
        QCOMPARE(setting(Setting::som), QStringLiteral("n"));
        QCOMPARE(env->readFile("Config/som.txt"), QByteArray("s"));
    }

    // ---- Cancel -------------------------------------------------------------------------------

    void cancelReloadsAndRestartsMusicThatWasOn()
    {
        open([] {
            click(frm_conf->CheckBox1);
            click(frm_conf->CheckBox2);
            click(frm_conf->CheckBox5);
            settings().set(Setting::memo, "5");
            QTest::mouseClick(frm_conf->Button2, Qt::LeftButton);
            QVERIFY(!frm_conf->isVisible());
        });
        QCOMPARE(setting(Setting::som), QStringLiteral("s"));
        QCOMPARE(setting(Setting::musica), QStringLiteral("s"));
        QCOMPARE(setting(Setting::animacao), QStringLiteral("s"));
        QCOMPARE(setting(Setting::memo), QStringLiteral("1"));
        QCOMPARE(env->musicLog, QStringList({"stop", "play"}));
        QCOMPARE(timers(), kAllOn);
        QVERIFY(env->sound->played.last().wait);
        QCOMPARE(messages(), QStringList({"  As Alterações foram canceladas !"}));
        // The boxes keep the cancelled states; the next show clicks them back, with cues.
        QVERIFY(!frm_conf->CheckBox1->isChecked());
        clearRecords();
        open();
        QVERIFY(frm_conf->CheckBox1->isChecked());
        QCOMPARE(env->musicLog, QStringList({"rewind", "play"}));
        QCOMPARE(env->sound->files(), QStringList({"click.wav", "click.wav"}));
    }

    void cancelLeavesMusicAndTimersStartedWhenTheFileSaysOff()
    {
        env->writeFile("Config/musica.txt", "n");
        env->writeFile("Config/animacao.txt", "n");
        env->writeFile("Config/alerta.txt", "n");
        settings().loadAll();
        open([] {
            QCOMPARE(timers(), kAllOff);
            click(frm_conf->CheckBox1);
            click(frm_conf->CheckBox2);
            QTest::mouseClick(frm_conf->Button2, Qt::LeftButton);
        });
        QCOMPARE(env->musicLog, QStringList({"stop", "rewind", "play"})); // no play after Cancel
        QCOMPARE(timers(), kAllOn);
        QCOMPARE(setting(Setting::animacao), QStringLiteral("n"));
        QVERIFY(messages().isEmpty());
    }

    void cancelWithAMissingFileStopsThereAndStaysOpen()
    {
        env->remove("Config/animacao.txt");
        env->writeFile("Config/som.txt", "n");
        bool stillOpen = false;
        open([&] {
            settings().set(Setting::msg, "x");
            QTest::mouseClick(frm_conf->Button2, Qt::LeftButton);
            stillOpen = frm_conf->isVisible();
        });
        QVERIFY(stillOpen);
        QCOMPARE(errors().size(), 1);
        QVERIFY(errors()[0].startsWith("Cannot open file \"Config/animacao.txt\""));
        QCOMPARE(setting(Setting::som), QStringLiteral("n"));
        QCOMPARE(setting(Setting::msg), QStringLiteral("s"));
        QVERIFY(messages().isEmpty());
    }

    void enterCancelsAndEscDoesNotClose()
    {
        bool openAfterEsc = false;
        open([&] {
            QTest::keyClick(frm_conf->CheckBox2, Qt::Key_Escape);
            openAfterEsc = frm_conf->isVisible();
            settings().set(Setting::som, "n");
            QTest::keyClick(frm_conf->CheckBox2, Qt::Key_Return);
        });
        QVERIFY(openAfterEsc);
        QCOMPARE(messages(), QStringList({"  As Alterações foram canceladas !"}));
        QCOMPARE(setting(Setting::som), QStringLiteral("s"));
    }

    // ---- Design and Help ----------------------------------------------------------------------

    void designOpensModallyAndTheThemeIsAppliedAgain()
    {
        env->dialogs->scripts["design"] = [](QDialog*) {
            QTest::mousePress(design->Shape4, Qt::LeftButton, {}, QPoint(50, 50));
            QTest::mouseRelease(design->Shape4, Qt::LeftButton, {}, QPoint(50, 50));
        };
        open([&] {
            QTest::mouseClick(frm_conf->Button3, Qt::LeftButton);
            QVERIFY(shows(frm_conf->graconf, "graconf3.jpg"));
        });
        QCOMPARE(env->dialogs->modalShown, QStringList({"frm_conf", "design"}));
        QCOMPARE(env->sound->files(), QStringList({"click.wav", "click.wav"}));
        QVERIFY(env->sound->played[0].wait);
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("1")); // closed by its close box
    }

    void helpOpensModallyThenCues()
    {
        QStringList seenCues;
        env->dialogs->scripts["ajudaconf"] = [&](QDialog*) { seenCues = env->sound->files(); };
        open([] { QTest::mouseClick(frm_conf->Button4, Qt::LeftButton); });
        QCOMPARE(env->dialogs->modalShown, QStringList({"frm_conf", "ajudaconf"}));
        QVERIFY(seenCues.isEmpty());
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
        QVERIFY(!env->sound->played[0].wait);
    }

    // ---- Pointer moves ------------------------------------------------------------------------

    void hoverFontsAndTheLatch()
    {
        open([this] {
            auto* salvar = frm_conf->Button1;
            auto* cancelar = frm_conf->Button2;
            moveOver(salvar);
            QVERIFY(salvar->font().bold());
            moveOver(salvar);
            moveOver(frm_conf->CheckBox4); // latched: no second cue without the background
            QCOMPARE(env->sound->files(), QStringList({"mouse.wav"}));

            moveOver(cancelar);
            QVERIFY(!salvar->font().bold());
            QVERIFY(cancelar->font().underline());
            moveOver(salvar);
            QVERIFY(!cancelar->font().underline());
            moveOver(cancelar);

            moveOver(frm_conf->graconf);
            QVERIFY(!salvar->font().bold());
            QVERIFY(cancelar->font().underline()); // the background leaves "Cancelar" as it is
            moveOver(frm_conf->CheckBox1);
            QCOMPARE(env->sound->files(), QStringList({"mouse.wav", "mouse.wav"}));

            moveOver(frm_conf->Button4);
            QVERIFY(!cancelar->font().underline());
            moveOver(salvar);
        });
        // Closing makes both captions plain.
        QVERIFY(!frm_conf->Button1->font().bold());
        QVERIFY(frm_conf->Button4->font().bold());
    }
};

QTEST_MAIN(ConfigScreen)
#include "test_config_screen.moc"
