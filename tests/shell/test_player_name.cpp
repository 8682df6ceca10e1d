// The player's name as both games show, ask and save it: the one rule that shortens a name to a
// label line, the name dialog opened with each game's caller code and buffer, the placeholder
// never taken for a name, and the name's part in a save and a load.
#include "app/screens.h"
#include "fakes.h"
#include "platform/errors.h"
#include "settings/store.h"
#include "shell/name_dialog.h"
#include "shell/player_name.h"

#include <QLabel>
#include <QTest>

using namespace zor;

class PlayerNameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;
    std::unique_ptr<QWidget> screen;
    QLabel* label = nullptr;
    QWidget* strip = nullptr;

    // The name dialog plays the player's part: types a name and presses "Salvar !".
    void dialogTypes(const QString& name)
    {
        env->dialogs->scripts["frm_nome"] = [name](QDialog*) {
            frm_nome->Edit1->setText(name);
            frm_nome->Button1->click();
        };
    }
    // The name dialog closed with its close box, no name given.
    void dialogClosed() { env->dialogs->scripts["frm_nome"] = [](QDialog*) {}; }

private slots:
    void initTestCase() { initApplication(); }
    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        createScreens();
        screen = std::make_unique<QWidget>();
        strip = new QWidget(screen.get());
        strip->setGeometry(5, 4, 10, 20);
        label = new QLabel(screen.get());
        label->setGeometry(7, 6, 10, 16);
    }
    void cleanup()
    {
        screen.reset();
        destroyScreens();
        env.reset();
    }

    // ---- The shortening rule ------------------------------------------------------------------

    void aShownNameIsOneShortLine()
    {
        const QFont font;
        QCOMPARE(shownName(QStringLiteral("Ana Maria"), font), QStringLiteral("Ana Maria"));
        // Only the first line, whichever break ends it.
        QCOMPARE(shownName(QStringLiteral("Ana\r\nsegunda"), font), QStringLiteral("Ana"));
        QCOMPARE(shownName(QStringLiteral("Ana\nsegunda\rterceira"), font), QStringLiteral("Ana"));
        QCOMPARE(shownName(QStringLiteral("Ana\rsegunda\nterceira"), font), QStringLiteral("Ana"));
        // Tabs, escapes and invisible format characters stand as blanks.
        QCOMPARE(shownName(QStringLiteral("A\tn\x1b" "a\u200Bb"), font), QStringLiteral("A n a b"));
        // Markup is text like any other.
        QCOMPARE(shownName(QStringLiteral("<b>Zé</b>"), font), QStringLiteral("<b>Zé</b>"));
        QCOMPARE(shownName(QString(), font), QString());
    }

    void aLongNameEndsInAnEllipsisWithinTheWidth()
    {
        const QFont font;
        const QFontMetrics fm(font);
        const QString wide = shownName(QString(300, u'W'), font);
        QVERIFY(wide.endsWith(QChar(0x2026)));
        QVERIFY(fm.horizontalAdvance(wide) <= kShownNameWidth);
        // Narrow letters within the width but past the character limit are cut there.
        const QString narrow = shownName(QString(250, u'i'), font, 100000);
        QCOMPARE(narrow, QString(kShownNameChars, u'i') + QChar(0x2026));
        QCOMPARE(shownName(QString(kShownNameChars, u'i'), font, 100000), QString(kShownNameChars, u'i'));
        // A megabyte of one line is measured in no time, as 200 characters.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(shownName(QString(1 << 20, u'x'), font).size() <= kShownNameChars + 1);
        QVERIFY(clock.elapsed() < 1000);
    }

    // ---- The label ----------------------------------------------------------------------------

    void theLabelStartsWithThePromptAndSizesTheStrip()
    {
        PlayerName name(label, strip, PlayerName::slotMachine());
        QCOMPARE(label->text(), QStringLiteral("Clique aqui para Editar o seu Nome"));
        QCOMPARE(name.caption(), namePrompt());
        QVERIFY(!name.isSet());
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
        QCOMPARE(strip->width(), label->width() + 3);

        name.setCaption(QStringLiteral("Bia"));
        QVERIFY(name.isSet());
        QCOMPARE(label->text(), QStringLiteral("Bia"));
        QCOMPARE(strip->width(), label->width() + 3);
        QVERIFY(label->width() < label->fontMetrics().horizontalAdvance(namePrompt()));

        // The whole name stays the caption; the label shows one short line of it.
        const QString huge = QString(5000, u'W') + QStringLiteral("\r\nfim");
        name.setCaption(huge);
        QCOMPARE(name.caption(), huge);
        QVERIFY(label->width() <= kShownNameWidth + 6);
        QVERIFY(!label->text().contains(u'\n'));
    }

    // ---- Asking -------------------------------------------------------------------------------

    void eachGameAsksWithItsCodeIntoItsBuffer()
    {
        PlayerName machine(label, strip, PlayerName::slotMachine());
        dialogTypes(QStringLiteral("Rita"));
        machine.ask();
        QCOMPARE(env->dialogs->modalShown, QStringList({"frm_nome"}));
        QCOMPARE(nomeChamador, kNomeCacaNiquel);
        QCOMPARE(settings().get(Setting::nomecn), QStringLiteral("Rita"));
        QCOMPARE(machine.caption(), QStringLiteral("Rita"));
        QCOMPARE(label->text(), QStringLiteral("Rita"));
        QCOMPARE(strip->width(), label->width() + 3);

        QLabel coinLabel(screen.get());
        PlayerName coin(&coinLabel, nullptr, PlayerName::coinTable());
        dialogTypes(QStringLiteral("Caio"));
        coin.ask();
        QCOMPARE(nomeChamador, kNomeCaraOuCoroa);
        QCOMPARE(settings().get(Setting::nome), QStringLiteral("Caio"));
        QCOMPARE(coinLabel.text(), QStringLiteral("Caio"));
        QCOMPARE(settings().get(Setting::nomecn), QStringLiteral("Rita"));
    }

    // Closed without a name, the dialog leaves the buffer; the label shows it, unless it holds
    // nothing a player typed: then the prompt stays.
    void aDialogClosedWithoutANameShowsTheBuffer()
    {
        PlayerName name(label, strip, PlayerName::slotMachine());
        settings().set(Setting::nomecn, QStringLiteral("Jogador"));
        dialogClosed();
        name.ask();
        QCOMPARE(name.caption(), QStringLiteral("Jogador"));

        settings().set(Setting::nomecn, QString());
        name.ask();
        QCOMPARE(name.caption(), namePrompt());

        // The placeholder of a name file unread at start-up is no one's name...
        settings().reset();
        name.ask();
        QCOMPARE(name.caption(), namePrompt());
        // ...but the same text typed by a player is.
        dialogTypes(SettingsStore::placeholder(Setting::nomecn));
        name.ask();
        QCOMPARE(name.caption(), SettingsStore::placeholder(Setting::nomecn));
    }

    void aSaveAsksOnlyWhileNoNameIsSet()
    {
        PlayerName name(label, strip, PlayerName::slotMachine());
        label->hide();
        strip->hide();
        dialogTypes(QStringLiteral("Léo"));
        QVERIFY(name.askIfUnset());
        QCOMPARE(env->dialogs->modalShown.size(), 1);
        QCOMPARE(name.caption(), QStringLiteral("Léo"));
        QVERIFY(!label->isHidden());
        QVERIFY(!strip->isHidden());

        QVERIFY(name.askIfUnset());
        QCOMPARE(env->dialogs->modalShown.size(), 1);

        // Asked and closed without a name: the save goes on without one.
        PlayerName other(label, strip, PlayerName::slotMachine());
        settings().set(Setting::nomecn, QString());
        dialogClosed();
        QVERIFY(other.askIfUnset());
        QCOMPARE(env->dialogs->modalShown.size(), 2);
        QVERIFY(!other.isSet());
    }

    // ---- After a save, and a load -------------------------------------------------------------

    void afterASaveTheLabelShowsTheNameFile()
    {
        PlayerName name(label, strip, PlayerName::slotMachine());
        // With a name the save has just written the file: the label shows it read back.
        name.setCaption(QStringLiteral("Ana"));
        env->writeFile("Config/Jogos/cn/nome.txt", "Ana\r\n");
        name.afterSave();
        QCOMPARE(name.caption(), QStringLiteral("Ana"));
        QCOMPARE(settings().get(Setting::nomecn), QStringLiteral("Ana"));

        // Without a name, a buffer that holds something brings back the name saved before.
        name.setCaption(namePrompt());
        settings().reset();
        env->writeFile("Config/Jogos/cn/nome.txt", "Antigo");
        name.afterSave();
        QCOMPARE(name.caption(), QStringLiteral("Antigo"));

        // An empty buffer leaves the prompt, and reads nothing.
        name.setCaption(namePrompt());
        settings().set(Setting::nomecn, QString());
        QVERIFY(env->remove("Config/Jogos/cn/nome.txt"));
        name.afterSave();
        QCOMPARE(name.caption(), namePrompt());
    }

    void aLoadShowsTheFileAndAMissingFileChangesNothing()
    {
        PlayerName name(label, strip, PlayerName::coinTable());
        env->writeFile("Config/Jogos/coc/nome.txt", "Z\xe9");
        name.load();
        QCOMPARE(name.caption(), QStringLiteral("Zé"));
        QCOMPARE(label->text(), QStringLiteral("Zé"));

        // An empty name file shows the prompt, never an empty label nobody could click.
        env->writeFile("Config/Jogos/coc/nome.txt", "");
        name.load();
        QCOMPARE(name.caption(), namePrompt());

        name.setCaption(QStringLiteral("Zé"));
        QVERIFY(env->remove("Config/Jogos/coc/nome.txt"));
        bool threw = false;
        try {
            name.load();
        } catch (const AppError& e) {
            threw = true;
            QVERIFY(e.text().startsWith("Cannot open file \"Config/Jogos/coc/nome.txt\""));
        }
        QVERIFY(threw);
        QCOMPARE(name.caption(), QStringLiteral("Zé"));
    }
};

QTEST_MAIN(PlayerNameTest)
#include "test_player_name.moc"
