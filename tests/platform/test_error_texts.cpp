// Error texts of any input stay readable: a value or path is quoted to about 200 characters
// and four line breaks, and the message box wraps and fits a small screen whatever it holds.
#include "app/screens.h"
#include "controls/picture.h"
#include "fakes.h"
#include "platform/desktop.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/guard.h"
#include "settings/store.h"
#include "settings/theme.h"

#include <QRandomGenerator>
#include <QScreen>
#include <QTest>

using namespace zor;

namespace {

QString failureOf(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const AppError& e) {
        return e.text();
    }
    return QStringLiteral("<no failure>");
}

QByteArray binaryBytes(qsizetype n)
{
    QByteArray bytes(n, Qt::Uninitialized);
    QRandomGenerator rng(1234);
    for (char& c : bytes)
        c = char(rng.bounded(256));
    return bytes;
}

const QChar kEllipsis(0x2026);

} // namespace

class ErrorTexts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initApplication(); }

    void shortValuesAreQuotedWhole()
    {
        QCOMPARE(quoted("abc"), QStringLiteral("abc"));
        QCOMPARE(quoted(""), QString());
        const QString exact(200, u'x');
        QCOMPARE(quoted(exact), exact);
        QCOMPARE(quoted("a\r\nb\r\nc\r\nd\r\ne"), QStringLiteral("a\r\nb\r\nc\r\nd\r\ne"));
        QCOMPARE(intConvertError("12a").text(), QStringLiteral("'12a' is not a valid integer value"));
    }

    void longValuesAreCutWithAnEllipsis()
    {
        const QString huge(10'000'000, u'9');
        const QString q = quoted(huge);
        QCOMPARE(q.size(), 201);
        QCOMPARE(q.back(), kEllipsis);
        QVERIFY(huge.startsWith(q.chopped(1)));
        QCOMPARE(intConvertError(huge).text(), QStringLiteral("'%1' is not a valid integer value").arg(q));
        QVERIFY(floatConvertError(huge).text().size() < 260);
        QVERIFY(openError(huge, "Reason").text().endsWith("\". Reason"));
        QVERIFY(createError(huge, "Reason").text().size() < 260);

        // At most four line breaks, CR LF counting as one.
        QCOMPARE(quoted("1\r\n2\n3\r4\n\r5\r\n6\r\n7"), QStringLiteral("1\r\n2\n3\r4\n\r5") + kEllipsis);
        // A character outside the basic plane is never cut in two.
        const QString emoji = QString(199, u'a') + QString::fromUtf8("\xF0\x9F\x98\x80") + "tail";
        QCOMPARE(quoted(emoji), QString(199, u'a') + kEllipsis);
    }

    // The theme buffer holding a whole file of junk: the error box's text stays short and the
    // box fits a 1024x768 screen.
    void hugeOrBinaryThemeGivesAShortErrorInABoxThatFits_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("10 MB of text") << QByteArray(10 * 1024 * 1024, 'z');
        QTest::newRow("64 KiB of binary bytes") << binaryBytes(64 * 1024);
        QTest::newRow("a thousand line breaks") << QByteArray(1000, '\n');
        QTest::newRow("a long name with no blank.jpg") << (QByteArray(300, 'n') + ".jpg");
        QTest::newRow("a 10 MB name.jpg") << (QByteArray(10 * 1024 * 1024, 'n') + ".jpg");
    }
    void hugeOrBinaryThemeGivesAShortErrorInABoxThatFits()
    {
        QFETCH(QByteArray, contents);
        zortest::TestEnv env(zortest::TestEnv::WithGameFiles);
        env.writeFile("Config/cor.txt", contents);
        QWidget host;
        Picture background(&host, "graconf", {0, 0, 50, 50});
        // As a show handler does: a value too large to be one is refused by the load, and the
        // handler ends there; any other reaches the theme's picture loader.
        if (guarded([] { settings().load(Setting::memo); }))
            applyTheme({&background});
        const QStringList errors = env.dialogs->texts("error");
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].size() < 300, qPrintable(QString::number(errors[0].size())));
        QVERIFY(errors[0].count(u'\n') <= 4);

        const auto box = makeMessageBox(QMessageBox::Critical, errors[0], nullptr);
        box->show(); // the box settles its size as it is shown
        const QSize size = box->frameGeometry().size();
        const QRect screen = box->screen()->availableGeometry();
        QVERIFY2(size.width() < screen.width() && size.height() < screen.height(),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4").arg(size.width()).arg(size.height())
                                .arg(screen.width()).arg(screen.height())));
        // The text shown is the error's text (only invisible break chances added).
        QCOMPARE(box->text().remove(QChar(0x200B)), errors[0]);
    }
};

QTEST_MAIN(ErrorTexts)
#include "test_error_texts.moc"
