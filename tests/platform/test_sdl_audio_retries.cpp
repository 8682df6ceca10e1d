// When an audio device cannot be opened. SDL's disk audio driver stands in for the sound card: it
// fails to open while the file it should write lies in a folder that does not exist, and opens
// again once the folder is there. SDL's audio layer comes up once per process, so each case that
// needs a fresh start runs in a process of its own (this binary, started again with the case's
// name).
#include "platform/sdl_audio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace zor;

namespace {

QByteArray toneWav(int milliseconds)
{
    const int rate = 44100;
    const int n = rate * milliseconds / 1000;
    QByteArray wav("RIFF");
    auto le = [&wav](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wav.append(char((v >> (8 * i)) & 0xFF));
    };
    le(36 + quint32(n) * 2, 4);
    wav.append("WAVEfmt ");
    le(16, 4);
    le(1, 2);
    le(1, 2);
    le(rate, 4);
    le(rate * 2, 4);
    le(2, 2);
    le(16, 2);
    wav.append("data");
    le(quint32(n) * 2, 4);
    for (int i = 0; i < n; ++i)
        le(quint16(qint16(std::lround(12000 * std::sin(2 * std::numbers::pi * 440 * i / rate)))), 2);
    return wav;
}

} // namespace

class SdlAudioRetries : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString tone_;
    std::shared_ptr<SoundCues> cues_;

    // The disk driver writes here; it fails to open while the folder "placa" is missing.
    QString card() const { return dir_.filePath(QStringLiteral("placa")); }
    QString output() const { return card() + QStringLiteral("/saida.raw"); }
    void plugCard() { QVERIFY(QDir().mkpath(card())); }
    void unplugCard() { QVERIFY(QDir(card()).removeRecursively()); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output()));
        tone_ = dir_.filePath(QStringLiteral("tom.wav"));
        QFile f(tone_);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(toneWav(200));
        f.close();
        setSdlAudioReleaseDelay(200);
        cues_ = makeSdlSoundCues();
    }

    // A device that opened once and then fails (another program took the sound card) is tried
    // again at each sound, and sounds again once the card is free.
    void aDeviceThatOpenedOnceIsTriedAgainAtEachSound()
    {
        plugCard();
        cues_->play(tone_, false);
        QVERIFY(sdlAudioDeviceRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 3000);

        unplugCard();
        cues_->play(tone_, false);
        QVERIFY(!sdlAudioDeviceRunning());
        cues_->play(tone_, true); // heard to its end, were there a device: returns at once
        QVERIFY(!sdlAudioDeviceRunning());
        cues_->stop();

        plugCard();
        cues_->play(tone_, false);
        QVERIFY(sdlAudioDeviceRunning());
        QTRY_VERIFY(QFileInfo(output()).size() > 0);
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 3000);
    }

    // Run in a fresh process by the case below: no device has ever opened, and the first try
    // fails.
    void firstTryFails()
    {
        if (qEnvironmentVariableIsEmpty("ZOR_FIRST_TRY_CASE"))
            QSKIP("run by aDeviceThatNeverOpenedIsNotTriedAgain in a process of its own");
        unplugCard();
        cues_->play(tone_, false);
        QVERIFY(!sdlAudioDeviceRunning());
        plugCard();
        // The card is there now, but a machine that had no sound at the first try is taken
        // to have none: no further attempt at every hover and click.
        cues_->play(tone_, false);
        QVERIFY(!sdlAudioDeviceRunning());
        QVERIFY(!QFileInfo::exists(output()));
    }

    void aDeviceThatNeverOpenedIsNotTriedAgain()
    {
        if (!qEnvironmentVariableIsEmpty("ZOR_FIRST_TRY_CASE"))
            QSKIP("the outer run");
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZOR_FIRST_TRY_CASE"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("firstTryFails")});
        QVERIFY(child.waitForFinished(30000));
        const QByteArray out = child.readAllStandardOutput();
        const QByteArray err = child.readAllStandardError();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, out.constData());
        QVERIFY2(out.contains("PASS   : SdlAudioRetries::firstTryFails()"), out.constData());
        // Said once, on one line, however many sounds were asked for.
        QCOMPARE(err.count("Cassino ZOR: no audio"), qsizetype(1));
    }

    void cleanupTestCase() { cues_.reset(); }
};

QTEST_MAIN(SdlAudioRetries)
#include "test_sdl_audio_retries.moc"
