// The design screen: swatches by place and by theme, the radio group, the preview on release,
// Save and Cancel (buttons and keys), the close handler's repaint of the configuration screen,
// picture-name themes, failures and hover rules.
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

const QPoint kMiddle(50, 50);

void pressAndRelease(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QPoint at = kMiddle)
{
    QTest::mousePress(w, button, {}, at);
    QTest::mouseRelease(w, button, {}, at);
}

void moveOver(QWidget* w)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

bool shows(const Picture* p, const QString& file)
{
    return p->picture().toImage() == loadPictureFile(file).toImage();
}

// The theme numbers whose radio button is ticked.
QList<int> ticked()
{
    QList<int> out;
    for (int n = 1; n <= 7; ++n) {
        if (design->radioButton(n)->isChecked())
            out << n;
    }
    return out;
}

} // namespace

class DesignScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

    void open(std::function<void()> script = {})
    {
        env->openModal(design, [script](QDialog*) {
            if (script)
                script();
        });
    }

    QStringList messages() const { return env->dialogs->texts("message"); }
    QStringList errors() const { return env->dialogs->texts("error"); }

private slots:
    void initTestCase() { initApplication(); }
    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        createScreens();
        createMainMenu();
        env->sound->played.clear();
    }
    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    void showLoadsTheSavedThemeAndTicksIt()
    {
        QCOMPARE(ticked(), QList<int>({6})); // the layout's tick
        env->writeFile("Config/cor.txt", "7");
        settings().set(Setting::memo, "2"); // an unsaved choice is dropped
        open([] {
            QCOMPARE(setting(Setting::memo), QStringLiteral("7"));
            QVERIFY(shows(design->graconf, "graconf5.jpg"));
            QCOMPARE(ticked(), QList<int>({7}));
        });
    }

    // Each frame and each radio button sets its theme on press, with a click cue; the release
    // previews it on the screen's own background.
    void swatchPressSetsTheThemeAndReleasePreviewsIt_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("tickedOnPress");
        QTest::newRow("Shape1") << "Shape1" << 1 << "graconf.jpg" << true;
        QTest::newRow("Shape2") << "Shape2" << 2 << "graconf1.jpg" << true;
        QTest::newRow("Shape3 middle left") << "Shape3" << 5 << "graconf4.jpg" << false;
        QTest::newRow("Shape5 middle right") << "Shape5" << 3 << "graconf2.jpg" << false;
        QTest::newRow("Shape4") << "Shape4" << 4 << "graconf3.jpg" << true;
        QTest::newRow("Shape6") << "Shape6" << 6 << "grad.jpg" << true;
        QTest::newRow("Shape7") << "Shape7" << 7 << "graconf5.jpg" << true;
        QTest::newRow("RadioButton3") << "RadioButton3" << 3 << "graconf2.jpg" << false;
        QTest::newRow("RadioButton5") << "RadioButton5" << 5 << "graconf4.jpg" << false;
        QTest::newRow("RadioButton4") << "RadioButton4" << 4 << "graconf3.jpg" << true;
    }
    void swatchPressSetsTheThemeAndReleasePreviewsIt()
    {
        QFETCH(QString, control);
        QFETCH(int, theme);
        QFETCH(QString, picture);
        QFETCH(bool, tickedOnPress);
        open([&] {
            auto* w = design->findChild<QWidget*>(control);
            QVERIFY(w);
            const QPoint at = w->rect().center();
            QTest::mousePress(w, Qt::LeftButton, {}, at);
            QCOMPARE(setting(Setting::memo), QString::number(theme));
            QCOMPARE(design->radioButton(theme)->isChecked(), tickedOnPress);
            QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
            QVERIFY(!env->sound->played[0].wait);
            QTest::mouseRelease(w, Qt::LeftButton, {}, at);
            QCOMPARE(ticked(), QList<int>({theme}));
            QVERIFY(shows(design->graconf, picture));
        });
    }

    void anyMouseButtonPresses()
    {
        open([] {
            pressAndRelease(design->Shape2, Qt::RightButton);
            QCOMPARE(setting(Setting::memo), QStringLiteral("2"));
            QTest::mousePress(design->RadioButton7, Qt::RightButton, {}, QPoint(8, 8));
            QCOMPARE(setting(Setting::memo), QStringLiteral("7"));
            QCOMPARE(ticked(), QList<int>({7}));
        });
    }

    void saveWritesTheTickedThemeAndRepaintsTheConfigurationScreen()
    {
        open([] {
            pressAndRelease(design->Shape3);
            QTest::mouseClick(design->BitBtn1, Qt::LeftButton);
            QVERIFY(!design->isVisible());
        });
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("5"));
        QCOMPARE(messages(), QStringList({"Design salvo com sucesso !"}));
        QCOMPARE(env->sound->files(), QStringList({"click.wav", "click.wav"}));
        QVERIFY(env->sound->played[1].wait);
        QVERIFY(shows(frm_conf->graconf, "graconf4.jpg"));
    }

    void enterSavesWithoutAMessageWhenWarningsAreOff()
    {
        settings().set(Setting::msg, "n");
        open([] {
            QTest::mousePress(design->Shape6, Qt::LeftButton, {}, kMiddle);
            QTest::mouseRelease(design->Shape6, Qt::LeftButton, {}, kMiddle);
            QTest::keyClick(design->RadioButton6, Qt::Key_Return);
            QVERIFY(!design->isVisible());
        });
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("6"));
        QVERIFY(messages().isEmpty());
    }

    void cancelAndEscReloadTheSavedTheme()
    {
        open([] {
            pressAndRelease(design->Shape2);
            QTest::mouseClick(design->BitBtn3, Qt::LeftButton);
            QVERIFY(!design->isVisible());
        });
        QCOMPARE(setting(Setting::memo), QStringLiteral("1"));
        QCOMPARE(messages(), QStringList({"Design Cancelado !"}));
        QVERIFY(env->sound->played.last().wait);
        QVERIFY(shows(frm_conf->graconf, "graconf.jpg"));

        env->dialogs->messages.clear();
        open([] {
            pressAndRelease(design->Shape7);
            QTest::keyClick(design->RadioButton7, Qt::Key_Escape);
            QVERIFY(!design->isVisible());
        });
        QCOMPARE(setting(Setting::memo), QStringLiteral("1"));
        QCOMPARE(messages(), QStringList({"Design Cancelado !"}));
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("1"));
    }

    void closeBoxKeepsThePressedThemeUnsaved()
    {
        open([] { pressAndRelease(design->Shape4); });
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("1"));
        QCOMPARE(setting(Setting::memo), QStringLiteral("4"));
        QVERIFY(shows(frm_conf->graconf, "graconf3.jpg"));
        QVERIFY(messages().isEmpty());
    }

    // A picture-name theme shows that picture and ticks nothing new; Save then writes the
    // number of the radio button that stayed ticked.
    void pictureNameThemeTicksNoRadioButton()
    {
        open([] { pressAndRelease(design->Shape2); }); // leaves RadioButton2 ticked
        env->writeFile("Config/cor.txt", "graconf3.jpg");
        open([] {
            QVERIFY(shows(design->graconf, "graconf3.jpg"));
            QCOMPARE(ticked(), QList<int>({2}));
            QTest::mouseClick(design->BitBtn1, Qt::LeftButton);
        });
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("2"));
    }

    void missingCorAtShowKeepsThePreviousPictureAndTick()
    {
        open([] { pressAndRelease(design->Shape7); });
        const QImage before = design->graconf->picture().toImage();
        env->remove("Config/cor.txt");
        bool visible = false;
        open([&] {
            visible = design->isVisible();
            QCOMPARE(ticked(), QList<int>({7}));
        });
        QVERIFY(visible);
        QCOMPARE(design->graconf->picture().toImage(), before);
        QCOMPARE(errors().size(), 1);
        QVERIFY(errors()[0].startsWith("Cannot open file \"Config/cor.txt\""));
    }

    void missingConfigAtSave_data()
    {
        QTest::addColumn<bool>("modal");
        QTest::newRow("modal: the button still ends it") << true;
        QTest::newRow("without modality: stays open") << false;
    }
    void missingConfigAtSave()
    {
        QFETCH(bool, modal);
        design->setModal(modal);
        design->show();
        pressAndRelease(design->Shape1);
        env->remove("Config");
        env->sound->played.clear();
        QTest::mouseClick(design->BitBtn1, Qt::LeftButton);
        QCOMPARE(design->isVisible(), !modal);
        if (modal)
            QCOMPARE(design->result(), int(QDialog::Accepted));
        QCOMPARE(errors().size(), 1);
        QVERIFY(errors()[0].startsWith("Cannot create file \"Config/cor.txt\". "));
        QVERIFY(messages().isEmpty());
        QCOMPARE(env->sound->files(), QStringList({"click.wav"}));
        design->close();
    }

    void hoverFontsAndTheLatch()
    {
        open([this] {
            auto* salvar = design->BitBtn1;
            auto* cancelar = design->BitBtn3;
            moveOver(salvar);
            QVERIFY(salvar->font().bold());
            moveOver(design->Shape1);
            QCOMPARE(env->sound->files(), QStringList({"mouse.wav"})); // latched

            moveOver(cancelar);
            QVERIFY(cancelar->font().bold());
            QVERIFY(!salvar->font().bold());
            moveOver(design->Shape7);
            QVERIFY(!cancelar->font().bold());

            moveOver(salvar);
            moveOver(design->Image1); // the decoration counts as background
            QVERIFY(!salvar->font().bold());
            moveOver(design->Shape5);
            QCOMPARE(env->sound->files(), QStringList({"mouse.wav", "mouse.wav"}));

            moveOver(design->graconf);
            moveOver(design->Shape2);
            // The bare form clears the latch too (the background normally covers all of it).
            design->graconf->hide();
            moveOver(design);
            design->graconf->show();
            moveOver(design->Shape6);
            QCOMPARE(env->sound->files().size(), 4);
        });
    }
};

QTEST_MAIN(DesignScreen)
#include "test_design_screen.moc"
