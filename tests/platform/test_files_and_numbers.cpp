// Windows-1252 text files, line-break normalisation, atomic saves and number conversions.
#include "fakes.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QElapsedTimer>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace zor;

class FilesAndNumbers : public QObject {
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

private slots:
    void cp1252RoundTripsEveryByte()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(toCp1252(fromCp1252(all)), all);
        QCOMPARE(fromCp1252(QByteArray("Bras\xF5" "es \x80")), QStringLiteral("Brasões €"));
        QCOMPARE(toCp1252(QStringLiteral("ção—")), QByteArray("\xE7\xE3o\x97"));
        QCOMPARE(toCp1252(QStringLiteral("日本")), QByteArray("??"));
    }

    void lineBreaksBecomeCrLf_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("lf") << "a\nb" << "a\r\nb";
        QTest::newRow("cr") << "a\rb" << "a\r\nb";
        QTest::newRow("crlf") << "a\r\nb" << "a\r\nb";
        QTest::newRow("lfcr is one break") << "a\n\rb" << "a\r\nb";
        QTest::newRow("two crlf") << "a\r\n\r\nb" << "a\r\n\r\nb";
        QTest::newRow("lf lf") << "a\n\nb" << "a\r\n\r\nb";
        QTest::newRow("trailing") << "s\n" << "s\r\n";
        QTest::newRow("empty") << "" << "";
    }
    void lineBreaksBecomeCrLf()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(normaliseLineBreaks(in), out);
    }

    void readKeepsWholeTextAndNormalises()
    {
        zortest::TestEnv env;
        env.writeFile("x.txt", "s\n");
        QCOMPARE(readTextFile("x.txt"), QStringLiteral("s\r\n"));
        env.writeFile("e.txt", "");
        QCOMPARE(readTextFile("e.txt"), QString());
        env.writeFile("bin.txt", QByteArray("\x00\xFF\x01", 3));
        QCOMPARE(readTextFile("bin.txt").size(), 3);
    }

    void readFailuresNameTheFile()
    {
        zortest::TestEnv env;
        QCOMPARE(failureOf([] { readTextFile("nada.txt"); }),
                 QStringLiteral("Cannot open file \"nada.txt\". No such file or directory"));
        QVERIFY(failureOf([] { readTextFile("Config"); }).startsWith("Cannot open file \"Config\"."));
    }

    // Anything but a regular file is refused at once, before a byte is read: a FIFO with no
    // writer, a device (a link to /dev/zero), a directory, a socket; and so is a file past the
    // cap. None of them may block or fill the memory.
    void onlySmallRegularFilesAreRead()
    {
        zortest::TestEnv env;
        const QByteArray fifo = QFile::encodeName(env.dir() + "/fifo.txt");
        QCOMPARE(::mkfifo(fifo.constData(), 0644), 0);
        QVERIFY(QFile::link("/dev/zero", env.dir() + "/zero.txt"));
        QVERIFY(QDir().mkdir(env.dir() + "/dir.txt"));
        const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr = {};
        addr.sun_family = AF_UNIX;
        const QByteArray sockPath = QFile::encodeName(env.dir() + "/sock.txt");
        if (sockPath.size() < qsizetype(sizeof addr.sun_path)) {
            std::memcpy(addr.sun_path, sockPath.constData(), sockPath.size());
            QCOMPARE(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        }
        env.writeFile("big.txt", QByteArray(kMaxValueFileBytes + 1, 's'));
        QVERIFY(QFile::link(env.dir() + "/big.txt", env.dir() + "/biglink.txt"));
        const QString notRegular = notRegularFileReason();
        const QList<QPair<QString, QString>> cases = {
            {"fifo.txt", notRegular},
            {"zero.txt", notRegular},
            {"dir.txt", QString::fromLocal8Bit(std::strerror(EISDIR))},
            {"big.txt", QString::fromLocal8Bit(std::strerror(EFBIG))},
            {"biglink.txt", QString::fromLocal8Bit(std::strerror(EFBIG))},
            {"sock.txt", notRegular},
        };
        for (const auto& [name, reason] : cases) {
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(failureOf([&] { readTextFile(name); }),
                     QStringLiteral("Cannot open file \"%1\". %2").arg(name, reason));
            QVERIFY2(clock.elapsed() < 1000, qPrintable(name));
        }
        ::close(sock);
        // Saving onto them is refused too, and leaves them as they are.
        for (const QString& name : {QStringLiteral("fifo.txt"), QStringLiteral("zero.txt"), QStringLiteral("dir.txt")})
            QVERIFY(failureOf([&] { writeTextFile(name, "s"); }).startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(name)));
        QVERIFY(QFileInfo(env.dir() + "/zero.txt").isSymLink());
        QVERIFY(QFileInfo(env.dir() + "/dir.txt").isDir());
        // A link to a regular file is followed: the target gets the text, the link stays.
        env.writeFile("real.txt", "old");
        QVERIFY(QFile::link(env.dir() + "/real.txt", env.dir() + "/link.txt"));
        writeTextFile("link.txt", "new");
        QVERIFY(QFileInfo(env.dir() + "/link.txt").isSymLink());
        QCOMPARE(env.readFile("real.txt"), QByteArray("new"));
    }

    void utf8IsReadOnlyWhenItHoldsLetters()
    {
        QCOMPARE(decodeValueBytes(QStringLiteral("João").toUtf8()), QStringLiteral("João"));
        QCOMPARE(decodeValueBytes("Jo\xE3o"), QStringLiteral("João"));
        QCOMPARE(decodeValueBytes("plain"), QStringLiteral("plain"));
        // Overlong forms and lone surrogates are no UTF-8.
        QCOMPARE(decodeValueBytes("\xC3\x81\xC0\x80"), fromCp1252("\xC3\x81\xC0\x80"));
        QCOMPARE(decodeValueBytes("\xC3\x81\xED\xA0\x80"), fromCp1252("\xC3\x81\xED\xA0\x80"));
        QCOMPARE(decodeValueBytes("\xC3\x81"), QStringLiteral("Á"));
        // Saves are Windows-1252 whenever the text fits it.
        QCOMPARE(encodeValueText(QStringLiteral("João €")), QByteArray("Jo\xE3o \x80"));
        QVERIFY(fitsCp1252(QStringLiteral("Ação Œ™")));
        QVERIFY(!fitsCp1252(QStringLiteral("Ωmega")));
        QCOMPARE(decodeValueBytes(encodeValueText(QStringLiteral("Ωmega"))), QStringLiteral("Ωmega"));
    }

    void saveWritesExactBytesWithoutTemporaryLeftovers()
    {
        zortest::TestEnv env;
        writeTextFile("Config/som.txt", QStringLiteral("n"));
        QCOMPARE(env.readFile("Config/som.txt"), QByteArray("n"));
        writeTextFile("Config/som.txt", QStringLiteral("Ação\r\nx"));
        QCOMPARE(env.readFile("Config/som.txt"), QByteArray("A\xE7\xE3o\r\nx"));
        writeTextFile("Config/novo.txt", QString());
        QCOMPARE(env.readFile("Config/novo.txt"), QByteArray());
        // Only the files themselves: no temporary file is left behind.
        const QStringList files = QDir("Config").entryList(QDir::Files | QDir::Hidden);
        for (const QString& f : files)
            QVERIFY2(f.endsWith(".txt"), qPrintable(f));
    }

    void saveRefusalsKeepTheOldFile()
    {
        zortest::TestEnv env;
        QVERIFY(failureOf([] { writeTextFile("Sumiu/som.txt", "s"); })
                    .startsWith("Cannot create file \"Sumiu/som.txt\". "));
        QVERIFY(!env.exists("Sumiu"));

        env.writeFile("ro.txt", "old");
        QFile::setPermissions(env.dir() + "/ro.txt", QFileDevice::ReadOwner);
        if (QFileInfo(env.dir() + "/ro.txt").isWritable())
            QSKIP("running as a user that can write read-only files");
        QVERIFY(failureOf([] { writeTextFile("ro.txt", "new"); }).startsWith("Cannot create file \"ro.txt\". "));
        QCOMPARE(env.readFile("ro.txt"), QByteArray("old"));
    }

    void strictIntegers()
    {
        QCOMPARE(strToInt("42"), 42);
        QCOMPARE(strToInt("-7"), -7);
        QCOMPARE(strToInt("+3"), 3);
        QCOMPARE(strToInt("2147483647"), 2147483647);
        QCOMPARE(strToInt("-2147483648"), int(-2147483648LL));
        for (const char* bad : {"", " 1", "1 ", "1\r\n", "1.0", "x", "-", "2147483648", "99999999999999999999", "0x10"})
            QCOMPARE(failureOf([bad] { strToInt(QString::fromLatin1(bad)); }),
                     QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(bad)));
    }

    void moneyIsWrittenInTheLocaleAndReadInAny()
    {
        const QChar dp = localeDecimalPoint();
        if (qEnvironmentVariable("LANG").startsWith("pt_BR"))
            QCOMPARE(dp, QChar(u','));
        QCOMPARE(floatToStr(12.5), QStringLiteral("12") + dp + QStringLiteral("5"));
        QCOMPARE(floatToStr(-0.25), QStringLiteral("-0") + dp + QStringLiteral("25"));
        QCOMPARE(floatToStr(1000000), QStringLiteral("1000000"));
        QCOMPARE(floatToStr(0.1 + 0.2), QStringLiteral("0") + dp + QStringLiteral("3"));
        QCOMPARE(strToFloat("12,5"), 12.5);
        QCOMPARE(strToFloat("12.5"), 12.5);
        QCOMPARE(strToFloat("-3"), -3.0);
        QCOMPARE(strToFloat(floatToStr(1234.56)), 1234.56);
        for (const char* bad : {"", "abc", "1,2,3", "1.2,3", "M\r\ne"})
            QCOMPARE(failureOf([bad] { strToFloat(QString::fromLatin1(bad)); }),
                     QStringLiteral("'%1' is not a valid floating point value").arg(QString::fromLatin1(bad)));
    }
};

QTEST_MAIN(FilesAndNumbers)
#include "test_files_and_numbers.moc"
