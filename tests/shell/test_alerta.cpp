// The warning dialog: its cues, the file it writes and its refusal without a Config directory.
#include "app/screens.h"
#include "fakes.h"
#include "platform/services.h"
#include "settings/store.h"
#include "shell/alerta.h"

#include <QTest>

using namespace zor;

class Alerta_ : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

    void open(std::function<void(QDialog*)> script)
    {
        env->openModal(Alerta, std::move(script));
    }

private slots:
    void initTestCase() { initApplication(); }
    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        createScreens();
    }
    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    void layoutTexts()
    {
        QCOMPARE(Alerta->size(), QSize(420, 159));
        QCOMPARE(Alerta->Label1->text(), QStringLiteral("em seguida, mude a opção \"Animação do Jogo\" para OFF,"));
        QCOMPARE(Alerta->CheckBox1->text(), QStringLiteral("Não exibir avisos e alertas"));
        QVERIFY(Alerta->Button1->isDefault());
    }

    void showBeepsAndAppliesTheTheme()
    {
        settings().set(Setting::memo, "4");
        open([](QDialog* d) {
            auto* a = static_cast<TAlerta*>(d);
            QVERIFY(!a->CheckBox1->isChecked());
            QVERIFY(a->graconf->hasPicture());
        });
        QCOMPARE(env->dialogs->beeps, QList<Beep>({Beep::Information}));
        QVERIFY(env->dialogs->messages.isEmpty());
    }

    void tickedBoxWritesNAndClosesWithACue()
    {
        open([](QDialog*) {
            QTest::mouseClick(Alerta->CheckBox1, Qt::LeftButton, {}, QPoint(6, 10));
            QVERIFY(Alerta->CheckBox1->isChecked());
            QTest::mouseClick(Alerta->Button1, Qt::LeftButton);
            QVERIFY(!Alerta->isVisible());
        });
        QCOMPARE(env->readFile("Config/alerta.txt"), QByteArray("n"));
        QCOMPARE(setting(Setting::msg), QStringLiteral("n"));
        QCOMPARE(env->sound->files(), QStringList({"click.wav", "click.wav"}));
    }

    void clearBoxWritesS()
    {
        env->writeFile("Config/alerta.txt", "s\r\n");
        open([](QDialog*) { QTest::keyClick(Alerta->Button1, Qt::Key_Return); });
        QCOMPARE(env->readFile("Config/alerta.txt"), QByteArray("s"));
    }

    void fecharCueIgnoresTheSoundSwitchButTheBoxDoesNot()
    {
        settings().set(Setting::som, "n");
        open([](QDialog*) {
            QTest::mouseClick(Alerta->CheckBox1, Qt::LeftButton, {}, QPoint(6, 10));
            QTest::mouseClick(Alerta->Button1, Qt::LeftButton);
        });
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
    }

    void closeBoxChangesNothing()
    {
        settings().set(Setting::msg, "s");
        open([](QDialog*) { QTest::mouseClick(Alerta->CheckBox1, Qt::LeftButton, {}, QPoint(6, 10)); });
        QCOMPARE(setting(Setting::msg), QStringLiteral("s"));
        QCOMPARE(env->readFile("Config/alerta.txt"), QByteArray("s"));
    }

    void missingConfigKeepsTheDialogOpenWithoutCue()
    {
        env->remove("Config");
        open([](QDialog*) {
            QTest::mouseClick(Alerta->CheckBox1, Qt::LeftButton, {}, QPoint(6, 10));
            QTest::mouseClick(Alerta->Button1, Qt::LeftButton);
            QVERIFY(Alerta->isVisible());
        });
        QCOMPARE(setting(Setting::msg), QStringLiteral("n"));
        const QStringList errors = env->dialogs->texts("error");
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].startsWith("Cannot create file \"Config/alerta.txt\". "));
        QVERIFY(!env->exists("Config"));
        QCOMPARE(env->sound->files(), QStringList({"click.wav"})); // the box's cue only
    }

};

QTEST_MAIN(Alerta_)
#include "test_alerta.moc"
