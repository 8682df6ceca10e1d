// The theme rule, theme pictures, sound cues under the sound switch, the hover latch and the
// warnings gate of confirmation messages.
#include "controls/picture.h"
#include "fakes.h"
#include "platform/errors.h"
#include "settings/store.h"
#include "settings/theme.h"

#include <QImage>
#include <QTest>
#include <QWidget>

using namespace zor;

class ThemeAndCues : public QObject {
    Q_OBJECT

    static QString failureOf(const std::function<void()>& fn)
    {
        try {
            fn();
        } catch (const AppError& e) {
            return e.text();
        }
        return QStringLiteral("<no failure>");
    }

    static QRgb centre(const Picture& p)
    {
        const QImage img = p.picture().toImage();
        return img.pixel(img.width() / 2, img.height() / 2);
    }

private slots:
    void themeNumbersNameTheirPictures()
    {
        QCOMPARE(themePictureFile("1"), QStringLiteral("graconf.jpg"));
        QCOMPARE(themePictureFile("2"), QStringLiteral("graconf1.jpg"));
        QCOMPARE(themePictureFile("5"), QStringLiteral("graconf4.jpg"));
        QCOMPARE(themePictureFile("6"), QStringLiteral("grad.jpg"));
        QCOMPARE(themePictureFile("7"), QStringLiteral("graconf5.jpg"));
        QCOMPARE(themePictureFile("8"), QStringLiteral("8"));
        QCOMPARE(themePictureFile("1\r\n"), QStringLiteral("1\r\n"));
        QCOMPARE(themePictureFile("graconf3.jpg"), QStringLiteral("graconf3.jpg"));
        QCOMPARE(themeNumber("memo"), 0);
        QCOMPARE(themeNumber("7"), 7);
    }

    void applyThemeLoadsThePictureOfEachTheme()
    {
        zortest::TestEnv env(zortest::TestEnv::WithGameFiles);
        QWidget host;
        Picture a(&host, "graconf", {0, 0, 50, 50});
        Picture b(&host, "graconf2", {0, 0, 50, 50});
        settings().set(Setting::memo, "6");
        applyTheme({&a, &b});
        QVERIFY(a.hasPicture() && b.hasPicture());
        const QRgb darkBlue = centre(a);
        settings().set(Setting::memo, "7");
        applyTheme({&a});
        QVERIFY(centre(a) != darkBlue);
        QCOMPARE(centre(b), darkBlue);
        // A picture-name theme loads that file.
        settings().set(Setting::memo, "grad.jpg");
        applyTheme({&a});
        QCOMPARE(centre(a), darkBlue);
    }

    // A theme picture that cannot be loaded shows the loader's error in the error box and
    // returns, so the show handler that applies it goes on; the old picture stays.
    void unreadableThemeKeepsTheOldPictureAndReportsIt()
    {
        zortest::TestEnv env(zortest::TestEnv::WithGameFiles);
        QWidget host;
        Picture a(&host, "graconf", {0, 0, 50, 50});
        settings().set(Setting::memo, "1");
        applyTheme({&a});
        const QRgb before = centre(a);
        QCOMPARE(env.dialogs->texts("error"), QStringList());

        // The one error box's text, or what went wrong instead.
        const auto errorOf = [&](const char* theme) -> QString {
            settings().set(Setting::memo, QString::fromLatin1(theme));
            env.dialogs->messages.clear();
            const QString thrown = failureOf([&] { applyTheme({&a}); });
            if (thrown != QStringLiteral("<no failure>"))
                return QStringLiteral("threw: ") + thrown;
            const QStringList errors = env.dialogs->texts("error");
            return errors.size() == 1 ? errors.first() : errors.join(" | ");
        };
        QCOMPARE(errorOf("8"), QStringLiteral("Unknown picture file extension (.)"));
        QVERIFY(errorOf("memo").startsWith("Unknown picture file extension"));
        QVERIFY(errorOf("sumiu.jpg").startsWith("Cannot open file \"sumiu.jpg\"."));
        env.writeFile("lixo.jpg", "not a picture at all");
        QVERIFY(errorOf("lixo.jpg").contains("lixo.jpg"));
        QCOMPARE(centre(a), before);
    }

    void cuesPlayOnlyWithSoundOn()
    {
        zortest::TestEnv env;
        settings().set(Setting::som, "s");
        clickCue();
        playCue(kChoiceCue, Wait::Yes);
        settings().set(Setting::som, "n");
        clickCue();
        settings().set(Setting::som, "s\r\n");
        clickCue();
        playCueAlways(kClickCue);
        QCOMPARE(env.sound->files(), QStringList({"click.wav", "escolher.wav", "click.wav"}));
        QCOMPARE(env.sound->played[0].wait, false);
        QCOMPARE(env.sound->played[1].wait, true);
    }

    void hoverLatchSoundsOncePerEntry()
    {
        zortest::TestEnv env;
        HoverLatch latch;
        settings().set(Setting::som, "n");
        latch.enter();
        QVERIFY(!latch.isSet());
        settings().set(Setting::som, "s");
        latch.enter(); // the very next hover after switching sound on is heard
        latch.enter();
        QVERIFY(latch.isSet());
        latch.clear();
        latch.enter();
        QCOMPARE(env.sound->files(), QStringList({"mouse.wav", "mouse.wav"}));
        QCOMPARE(&sharedHoverLatch(), &sharedHoverLatch());
    }

    void confirmationsNeedWarningsExactlyOn()
    {
        zortest::TestEnv env;
        settings().set(Setting::msg, "s");
        confirmation("Design salvo com sucesso !");
        settings().set(Setting::msg, "n");
        confirmation("a");
        settings().set(Setting::msg, "S");
        confirmation("b");
        settings().set(Setting::msg, "msg");
        confirmation("c");
        QCOMPARE(env.dialogs->texts("message"), QStringList({"Design salvo com sucesso !"}));
    }
};

QTEST_MAIN(ThemeAndCues)
#include "test_theme_and_cues.moc"
