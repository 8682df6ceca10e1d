// The real sound cues and music player, heard through SDL's disk audio driver: everything a
// device outputs is written, in real time, to a raw file (signed 16-bit stereo at 44100 Hz) that
// the test reads back, one buffer at each wake-up of the device's thread. The cues and the music
// play on two devices; each writes the file named when it opened. The waits below are therefore
// audio time, not timers.
#include "platform/sdl_audio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using namespace zor;

namespace {

// Loudness thresholds on the RMS of the recorded samples. What the mixer writes while nothing
// sounds is exactly or nearly zero; the tones and the organ below reach thousands.
constexpr double kLoud = 300.0;
constexpr double kSilent = 30.0;

void append16(QByteArray& b, quint16 v)
{
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

void append32(QByteArray& b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// A mono 16-bit sine tone at half scale, with short fades.
QByteArray sineWav(double frequency, int milliseconds)
{
    const int rate = 44100;
    const int n = rate * milliseconds / 1000;
    const int fade = rate / 200;
    QByteArray data;
    for (int i = 0; i < n; ++i) {
        const double ramp = std::min({1.0, double(i) / fade, double(n - 1 - i) / fade});
        const double v = 0.5 * ramp * std::sin(2 * std::numbers::pi * frequency * i / rate);
        append16(data, quint16(qint16(std::lround(v * 32767))));
    }
    QByteArray wav("RIFF");
    append32(wav, 36 + quint32(data.size()));
    wav.append("WAVEfmt ");
    append32(wav, 16);
    append16(wav, 1);
    append16(wav, 1);
    append32(wav, rate);
    append32(wav, rate * 2);
    append16(wav, 2);
    append16(wav, 16);
    wav.append("data");
    append32(wav, quint32(data.size()));
    return wav + data;
}

struct MidiNote {
    int key;
    int startMs;
    int endMs;
};

// A one-track MIDI file at 120 beats a minute (480 ticks to the beat, so a tick is 1/960 s):
// an organ, which stops sounding as soon as its keys are let go, with no reverb or chorus.
QByteArray organMidi(const std::vector<MidiNote>& notes, int endMs)
{
    struct Ev {
        int tick;
        QByteArray bytes;
    };
    std::vector<Ev> evs;
    auto tick = [](int ms) { return ms * 960 / 1000; };
    for (const MidiNote& n : notes) {
        evs.push_back({tick(n.startMs), QByteArray("\x90", 1) + char(n.key) + char(100)});
        evs.push_back({tick(n.endMs), QByteArray("\x80", 1) + char(n.key) + char(0)});
    }
    std::stable_sort(evs.begin(), evs.end(), [](const Ev& a, const Ev& b) { return a.tick < b.tick; });
    evs.push_back({tick(endMs), QByteArray("\xFF\x2F\x00", 3)});

    QByteArray track;
    track.append(QByteArray("\x00\xFF\x51\x03\x07\xA1\x20", 7)); // tempo 500000 us a beat
    track.append(QByteArray("\x00\xC0\x13", 3));                 // church organ
    track.append(QByteArray("\x00\xB0\x5B\x00", 4));             // no reverb
    track.append(QByteArray("\x00\xB0\x5D\x00", 4));             // no chorus
    int now = 0;
    for (const Ev& e : evs) {
        quint32 delta = quint32(e.tick - now);
        now = e.tick;
        QByteArray vlq(1, char(delta & 0x7F));
        while (delta >>= 7)
            vlq.prepend(char(0x80 | (delta & 0x7F)));
        track.append(vlq + e.bytes);
    }
    QByteArray midi("MThd", 4);
    midi.append(QByteArray("\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0", 10));
    midi.append("MTrk");
    for (int i = 3; i >= 0; --i)
        midi.append(char((track.size() >> (8 * i)) & 0xFF));
    return midi + track;
}

} // namespace

class SdlAudio : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString output_;
    std::shared_ptr<SoundCues> cues_;

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // The next device to open writes this file, and the checks below listen to it.
    void recordTo(const char* name)
    {
        output_ = path(name);
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output_));
    }

    // The number of buffers the device writing the file wrote over `ms` (one per wake-up of
    // its thread), and the size of each.
    QList<qint64> buffersOver(int ms) const
    {
        QList<qint64> sizes;
        qint64 last = mark();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            QTest::qWait(5);
            const qint64 now = mark();
            if (now != last)
                sizes << now - last;
            last = now;
        }
        return sizes;
    }

    qint64 mark() const { return QFileInfo(output_).size(); }

    // RMS of everything the mixer has written since the mark.
    double loudnessSince(qint64 from) const
    {
        QFile f(output_);
        if (!f.open(QIODevice::ReadOnly) || !f.seek(from & ~qint64(3)))
            return -1;
        const QByteArray bytes = f.readAll();
        const auto* s = reinterpret_cast<const qint16*>(bytes.constData());
        const qsizetype n = bytes.size() / 2;
        if (n == 0)
            return -1; // nothing written at all: the device is not running
        double sum = 0;
        for (qsizetype i = 0; i < n; ++i)
            sum += double(s[i]) * s[i];
        return std::sqrt(sum / double(n));
    }

    // Silence that was recorded, as opposed to no recording at all.
    static bool quiet(double loudness) { return loudness >= 0 && loudness < kSilent; }

    double listen(int milliseconds) const
    {
        const qint64 from = mark();
        QTest::qWait(milliseconds);
        return loudnessSince(from);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // Before anything touches SDL's audio layer, which comes up once per process.
        qputenv("SDL_AUDIODRIVER", "disk");
        recordTo("cues.raw");
        writeFile(path("tom400.wav"), sineWav(660, 400));
        writeFile(path("tom1500.wav"), sineWav(440, 1500));
        writeFile(path("tom100.wav"), sineWav(880, 100));
        writeFile(path("lixo.wav"), "isto nao e um arquivo de som\n");
        // A chord for half a second, silence, a last note from 2.5 s to 2.8 s.
        writeFile(path("peca.mid"),
                  organMidi({{60, 0, 500}, {64, 0, 500}, {67, 0, 500}, {72, 2500, 2800}}, 2900));
        writeFile(path("curta.mid"), organMidi({{60, 0, 300}, {67, 0, 300}}, 400));
        writeFile(path("som.mid"), sineWav(440, 300)); // a WAV under a MIDI name
        cues_ = makeSdlSoundCues();
        cues_->play(path("tom100.wav"), true); // opens the device, so that output is written
        QVERIFY2(QFileInfo::exists(output_), "the disk audio driver wrote nothing");
    }

    void cueIsHeardAndWaitReturnsAtItsEnd()
    {
        const qint64 from = mark();
        QElapsedTimer clock;
        clock.start();
        cues_->play(path("tom400.wav"), true);
        const qint64 took = clock.elapsed();
        QVERIFY2(took >= 380, qPrintable(QString::number(took)));
        QVERIFY2(took < 3000, qPrintable(QString::number(took)));
        QTest::qWait(50); // the last buffer reaches the file
        QVERIFY(loudnessSince(from) > kLoud);
        QVERIFY(quiet(listen(250))); // it was over when play returned
    }

    void asyncCueReturnsAtOnceAndANewCueCutsTheOld()
    {
        QElapsedTimer clock;
        clock.start();
        cues_->play(path("tom1500.wav"), false);
        QVERIFY(clock.elapsed() < 200);
        QVERIFY(listen(250) > kLoud);
        cues_->play(path("tom100.wav"), false);
        QTest::qWait(250);
        // The long tone would go on for another second had the short one not cut it.
        QVERIFY(quiet(listen(300)));
    }

    void stopCutsTheCue()
    {
        cues_->play(path("tom1500.wav"), false);
        QVERIFY(listen(200) > kLoud);
        cues_->stop();
        QTest::qWait(60);
        QVERIFY(quiet(listen(300)));
        cues_->stop(); // nothing playing: harmless
    }

    void unplayableFileSoundsTheDefaultCue_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing") << path("nao_existe.wav");
        QTest::newRow("not a sound") << path("lixo.wav");
    }

    void unplayableFileSoundsTheDefaultCue()
    {
        QFETCH(QString, file);
        const qint64 from = mark();
        QElapsedTimer clock;
        clock.start();
        cues_->play(file, true);
        QVERIFY(clock.elapsed() >= 300); // the default cue lasts about half a second
        QTest::qWait(50);
        QVERIFY(loudnessSince(from) > kLoud);
    }

    // A cue plays at once on a device with short buffers; the music plays on a device of its
    // own with long ones (a wake-up of the process every 186 ms), and each sounds on while the
    // other starts and stops.
    void cuesAndMusicPlayOnDevicesOfTheirOwn()
    {
        setSdlAudioReleaseDelay(300);
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 2000);
        setSdlAudioReleaseDelay(3000);
        recordTo("cues.raw");
        const QString cueFile = output_;
        cues_->play(path("tom400.wav"), false);
        QVERIFY(sdlAudioDeviceRunning());
        QVERIFY(!sdlMusicDeviceRunning());
        const QList<qint64> cueBuffers = buffersOver(300);
        QVERIFY2(cueBuffers.size() >= 4, qPrintable(QString::number(cueBuffers.size())));
        for (qint64 size : cueBuffers)
            QCOMPARE(size % (2048 * 4), 0); // 46 ms buffers (the driver may write two at once)

        recordTo("music.raw");
        const QString musicFile = output_;
        std::unique_ptr<MusicPlayer> player = makeSdlMusicPlayer();
        QVERIFY(player->open(path("peca.mid")));
        QVERIFY(!sdlMusicDeviceRunning()); // opening renders; only Play needs the device
        player->play();
        QVERIFY(sdlMusicDeviceRunning());
        const qint64 musicFrom = mark();
        const QList<qint64> musicBuffers = buffersOver(1000);
        QVERIFY2(musicBuffers.size() >= 4 && musicBuffers.size() <= 7,
                 qPrintable(QString::number(musicBuffers.size())));
        for (qint64 size : musicBuffers)
            QCOMPARE(size % (8192 * 4), 0);
        QVERIFY(loudnessSince(musicFrom) > kLoud); // the chord

        // A cue over the music: both are heard over the same 300 ms.
        player->rewind();
        cues_->play(path("tom400.wav"), false);
        const qint64 cueMark = QFileInfo(cueFile).size();
        const qint64 musicMark = QFileInfo(musicFile).size();
        QTest::qWait(300);
        QVERIFY(loudnessSince(musicMark) > kLoud);
        output_ = cueFile;
        QVERIFY(loudnessSince(cueMark) > kLoud);

        // Stopped, the music falls silent within a buffer or two and its device goes; the cue
        // device goes on its own time.
        player->stop();
        output_ = musicFile;
        QTest::qWait(400);
        QVERIFY(quiet(listen(400)));
        setSdlAudioReleaseDelay(300);
        QTRY_VERIFY_WITH_TIMEOUT(!sdlMusicDeviceRunning(), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 2000);
        setSdlAudioReleaseDelay(3000);
        recordTo("cues.raw");
    }

    void musicThatCannotPlayIsNotOpenedAndIgnoresCommands()
    {
        recordTo("music.raw");
        std::unique_ptr<MusicPlayer> player = makeSdlMusicPlayer();
        QVERIFY(!player->isOpen());
        QVERIFY(!player->open(path("nao_existe.mid")));
        QVERIFY(!player->isOpen());
        QVERIFY(!player->open(path("som.mid")));
        QVERIFY(!player->isOpen());
        player->play();
        player->rewind();
        player->play();
        QVERIFY(!sdlMusicDeviceRunning()); // nothing to play: no device for it
        player->stop();

        // Opening another file lets go of the piece open before, even when that open fails.
        QVERIFY(player->open(path("peca.mid")));
        QVERIFY(player->isOpen());
        player->play();
        QVERIFY(listen(250) > kLoud);
        QVERIFY(!player->open(path("nao_existe.mid")));
        QVERIFY(!player->isOpen());
        QTest::qWait(200);
        QVERIFY(quiet(listen(400)));
        player->play();
        QVERIFY(quiet(listen(400)));
    }

    void musicStopsResumesAndRewinds()
    {
        std::unique_ptr<MusicPlayer> player = makeSdlMusicPlayer();
        QVERIFY(player->open(path("peca.mid")));
        player->play();
        QVERIFY(listen(300) > kLoud); // the opening chord

        player->stop();
        QTest::qWait(60);
        QVERIFY(quiet(listen(300)));

        player->play();
        QVERIFY(listen(150) > kLoud); // on with the chord where it stopped

        QTest::qWait(1100); // into the silence between the chord and the last note
        player->stop();
        player->play();
        QVERIFY(quiet(listen(400))); // resumed in the silence, not started over

        player->stop();
        player->rewind();
        QVERIFY(quiet(listen(200))); // rewinding a stopped piece leaves it stopped
        player->play();
        QVERIFY(listen(300) > kLoud); // the chord again: from the start

        QTest::qWait(1300); // the silence again
        player->rewind();
        QVERIFY(listen(300) > kLoud); // rewinding a playing piece plays on from the start
        player->stop();
    }

    void musicPlayedToItsEndStartsOverOnPlay()
    {
        std::unique_ptr<MusicPlayer> player = makeSdlMusicPlayer();
        QVERIFY(player->open(path("curta.mid")));
        player->play();
        QVERIFY(listen(200) > kLoud);
        // The piece lasts 0.4 s; FluidSynth declares it over two seconds later.
        QTest::qWait(3600);
        QVERIFY(quiet(listen(400))); // the device plays silence for a while after the end
        player->play();
        QVERIFY(listen(400) > kLoud);
    }

    // A device that sounds nothing wakes the process at every buffer all the same, so it is
    // let go after a delay of silence and opened again by the next sound. (The disk driver
    // starts its file anew when the device opens again.)
    void silentDeviceIsReleasedAndTheNextCueOpensItAgain()
    {
        setSdlAudioReleaseDelay(300);
        cues_->play(path("tom400.wav"), false);
        QVERIFY(sdlAudioDeviceRunning());
        QTest::qWait(500); // the tone plays on, and the delay has not run out after it
        QVERIFY(sdlAudioDeviceRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 2000);
        const qint64 size = QFileInfo(output_).size();
        QTest::qWait(200);
        QCOMPARE(QFileInfo(output_).size(), size); // nothing written: no mixer thread runs

        cues_->play(path("tom1500.wav"), false);
        QVERIFY(sdlAudioDeviceRunning());
        QVERIFY(listen(250) > kLoud);
        cues_->stop();
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 2000);
        cues_->stop(); // harmless on a released device
        QVERIFY(!sdlAudioDeviceRunning());

        // A cue heard to its end opens the device again too, and is heard.
        cues_->play(path("tom100.wav"), true);
        QVERIFY(sdlAudioDeviceRunning());
        QVERIFY(loudnessSince(0) > kLoud);
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 2000);
        // The default cue, made for the device before, sounds after it opened again.
        cues_->play(path("nao_existe.wav"), false);
        QVERIFY(listen(250) > kLoud);
        setSdlAudioReleaseDelay(3000);
    }

    void musicKeepsTheDeviceUntilItEndsOrStops()
    {
        setSdlAudioReleaseDelay(300);
        std::unique_ptr<MusicPlayer> player = makeSdlMusicPlayer();
        QVERIFY(player->open(path("peca.mid")));
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 2000); // opened, never played
        player->play();
        QVERIFY(sdlAudioDeviceRunning());
        QVERIFY(listen(300) > kLoud);
        QTest::qWait(1500); // the silence in the middle of the piece: still playing
        QVERIFY(sdlAudioDeviceRunning());
        player->stop();
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 2000);
        player->rewind(); // a stopped piece stays stopped: no device for it
        QTest::qWait(500);
        QVERIFY(!sdlAudioDeviceRunning());
        player->play();
        QVERIFY(sdlAudioDeviceRunning());
        QVERIFY(listen(300) > kLoud); // from the start, as rewound

        // Played to its end (FluidSynth declares a piece over about two seconds after its last
        // note), the device goes; Play starts the piece over and the device with it.
        QVERIFY(player->open(path("curta.mid")));
        player->play();
        QVERIFY(listen(200) > kLoud);
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 8000);
        player->play();
        QVERIFY(sdlAudioDeviceRunning());
        QVERIFY(listen(300) > kLoud);

        // A piece that ended while playing starts again on Rewind alone, device and all.
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 8000);
        player->rewind();
        QVERIFY(sdlAudioDeviceRunning());
        QVERIFY(listen(300) > kLoud);
        // Stop and Rewind, as the menu's Start does: silence, and the device goes.
        player->stop();
        player->rewind();
        QTest::qWait(100);
        QVERIFY(quiet(listen(200)));
        QTRY_VERIFY_WITH_TIMEOUT(!sdlAudioDeviceRunning(), 2000);
        setSdlAudioReleaseDelay(3000);
    }

    void cleanupTestCase() { cues_.reset(); }
};

QTEST_MAIN(SdlAudio)
#include "test_sdl_audio.moc"
