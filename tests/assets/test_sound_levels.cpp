// The balance of the generated cues against the menu music, as the player hears it: the real
// cue player and music player of the program play the generated "mouse.wav", "click.wav" and
// "casino.mid" into SDL's disk audio driver, and the recorded samples are measured. The music
// must sit around -20 dBFS RMS, nothing may clip, and a cue may stand no more than 6 dB above or
// below the music, so that a player who turns the music up is not jolted by every click.
//
// The disk driver is run a little faster than real time (SDL_DISKAUDIODELAY), so the whole
// two-minute piece is recorded in a few seconds.
#include "fakes.h"
#include "platform/sdl_audio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

using namespace zor;

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr qint64 kFrameBytes = 2 * kChannels;

double dbfs(double rms) { return rms > 0 ? 20.0 * std::log10(rms / 32768.0) : -200.0; }

// The levels of a stretch of recorded sound.
struct Levels {
    double rms = 0;        // over the windows that sound at all
    double loudest = 0;    // the loudest 50 ms window
    int peak = 0;          // the largest sample
    qint64 clipped = 0;    // samples at full scale
    qint64 frames = 0;
    qint64 soundingMs = 0; // how much of it sounds
};

// Windows quieter than -60 dBFS are left out: the silence around a cue, and the gaps the
// recording may hold before the music starts.
Levels measure(const std::vector<qint16>& s)
{
    Levels l;
    l.frames = qint64(s.size()) / kChannels;
    const std::size_t window = std::size_t(kRate / 20) * kChannels;
    double soundingSum = 0;
    std::size_t soundingSamples = 0;
    for (std::size_t at = 0; at < s.size(); at += window) {
        const std::size_t end = std::min(s.size(), at + window);
        double sum = 0;
        for (std::size_t i = at; i < end; ++i) {
            const int v = s[i];
            sum += double(v) * v;
            l.peak = std::max(l.peak, std::abs(v));
            if (v >= 32767 || v <= -32768)
                ++l.clipped;
        }
        // A window cut short at the end counts as a whole one: a short cue is not made louder.
        const double rms = std::sqrt(sum / double(window));
        l.loudest = std::max(l.loudest, rms);
        if (dbfs(rms) > -60) {
            soundingSum += sum;
            soundingSamples += end - at;
            l.soundingMs += 50;
        }
    }
    l.rms = soundingSamples ? std::sqrt(soundingSum / double(soundingSamples)) : 0;
    return l;
}

QString describe(const Levels& l)
{
    return QStringLiteral("RMS %1 dBFS, loudest 50 ms %2 dBFS, peak %3 dBFS, %4 clipped samples, %5 ms sounding")
        .arg(dbfs(l.rms), 0, 'f', 1)
        .arg(dbfs(l.loudest), 0, 'f', 1)
        .arg(dbfs(l.peak), 0, 'f', 1)
        .arg(l.clipped)
        .arg(l.soundingMs);
}

} // namespace

class SoundLevels : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    // The file being measured: the cues' device writes one, the music's device another.
    QString output_;
    std::shared_ptr<SoundCues> cues_;
    Levels music_;

    static QString game(const char* name) { return zortest::generatedGameDir() + u'/' + QString::fromLatin1(name); }

    qint64 mark() const { return QFileInfo(output_).size() / kFrameBytes * kFrameBytes; }

    std::vector<qint16> recordedSince(qint64 from, qint64 upTo = -1) const
    {
        QFile f(output_);
        if (!f.open(QIODevice::ReadOnly) || !f.seek(from))
            return {};
        const QByteArray bytes = upTo < 0 ? f.readAll() : f.read(upTo - from);
        std::vector<qint16> out(std::size_t(bytes.size() / 2));
        std::memcpy(out.data(), bytes.constData(), out.size() * 2);
        return out;
    }

    // Waits until the driver has written `frames` more frames after `from` (at most `ms`).
    bool waitForFrames(qint64 from, qint64 frames, int ms) const
    {
        QElapsedTimer clock;
        clock.start();
        while (QFileInfo(output_).size() < from + frames * kFrameBytes) {
            if (clock.elapsed() > ms)
                return false;
            QTest::qWait(20);
        }
        return true;
    }

    Levels cue(const char* name)
    {
        output_ = dir_.filePath(QStringLiteral("cues.raw"));
        const qint64 from = mark();
        cues_->play(game(name), true);
        QTest::qWait(100); // the last buffer reaches the file
        return measure(recordedSince(from));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        output_ = dir_.filePath(QStringLiteral("cues.raw"));
        // Before anything touches SDL's audio layer, which comes up once per process. The cue
        // device's buffer of 2048 frames (46 ms) is written every 2 ms, the music device's
        // 8192 frames (186 ms) too: many times real time.
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output_));
        qputenv("SDL_DISKAUDIODELAY", "2");
        // Both devices stay open for the whole test, each writing on into its own file.
        setSdlAudioReleaseDelay(10 * 60 * 1000);
        for (const char* name : {"mouse.wav", "click.wav", "casino.mid"})
            QVERIFY2(QFileInfo::exists(game(name)), name);
        cues_ = makeSdlSoundCues();
        cues_->stop();
        cues_->play(QString(), false); // opens the device: the default cue
        QTest::qWait(200);
        QVERIFY2(QFileInfo::exists(output_), "the disk audio driver wrote nothing");
    }

    // The whole piece, from its first note to the end of its last chord.
    void musicSitsAroundMinus20DbfsWithoutClipping()
    {
        std::unique_ptr<MusicPlayer> player = makeSdlMusicPlayer();
        QVERIFY(player->open(game("casino.mid")));
        // The piece is rendered ahead on a worker thread; a head start keeps the faster than
        // real time recording from catching up with it.
        QTest::qWait(1500);
        output_ = dir_.filePath(QStringLiteral("music.raw"));
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output_)); // read as the device opens
        const qint64 from = mark();
        player->play();
        const qint64 frames = qint64(kRate) * 128;
        QVERIFY2(waitForFrames(from, frames, 120000), "the recording stalled");
        player->stop();
        music_ = measure(recordedSince(from, from + frames * kFrameBytes));
        qInfo("music: %s", qPrintable(describe(music_)));
        QVERIFY2(music_.soundingMs > 100000, qPrintable(describe(music_)));
        QVERIFY2(dbfs(music_.rms) > -23.0 && dbfs(music_.rms) < -17.0, qPrintable(describe(music_)));
        QCOMPARE(music_.clipped, qint64(0));
        QVERIFY2(dbfs(music_.peak) < -1.0, qPrintable(describe(music_)));
    }

    void cuesStandWithin6DbOfTheMusic_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("hover cue") << QStringLiteral("mouse.wav");
        QTest::newRow("click cue") << QStringLiteral("click.wav");
    }

    void cuesStandWithin6DbOfTheMusic()
    {
        QFETCH(QString, file);
        QVERIFY2(music_.frames > 0, "the music was not measured");
        const Levels l = cue(qPrintable(file));
        qInfo("%s: %s", qPrintable(file), qPrintable(describe(l)));
        QVERIFY2(l.soundingMs >= 50, qPrintable(describe(l)));
        QCOMPARE(l.clipped, qint64(0));
        // A cue is heard over a few tens of milliseconds: its loudest 50 ms against the music's
        // average level.
        const double gap = dbfs(l.loudest) - dbfs(music_.rms);
        QVERIFY2(std::abs(gap) <= 6.0, qPrintable(QStringLiteral("%1 dB from the music; %2").arg(gap, 0, 'f', 1).arg(describe(l))));
    }

    void cleanupTestCase() { cues_.reset(); }
};

QTEST_MAIN(SoundLevels)
#include "test_sound_levels.moc"
