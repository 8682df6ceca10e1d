#include "platform/sdl_audio.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <thread>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#if defined(__linux__)
#include <dlfcn.h>
#endif

namespace zor {

namespace {

// Cues all play on this one mixer channel, so a new cue always cuts the one before it.
constexpr int kCueChannel = 0;
constexpr int kRate = 44100;
// The cue device wakes once per buffer: 2048 frames is 46 ms, so a cue starts within a blink
// of the pointer's move.
constexpr int kCueBufferFrames = 2048;
// The music needs no such haste: 8192 frames is 186 ms a buffer, five wake-ups a second while
// the menu's music plays (the music stops within a buffer or two of Stop).
constexpr int kMusicBufferFrames = 8192;

// ---------------------------------------------------------------------------------------------
// Two audio devices: the cues play through SDL_mixer on a device with short buffers; the music,
// rendered ahead into memory, is copied straight into a device of its own with long buffers, so
// that the menu's music does not wake the process twenty times a second. (Sound servers and
// ALSA's default device mix two streams; where one device holds a bare sound card and the other
// cannot be opened, the sound that needed it is not heard and the next one tries again.)
//
// A running device wakes the process at every buffer even when it only plays silence. So a
// device that has sounded nothing for a little while is released, and opened again by the next
// cue or the next Play: the screens of the games, where the music is stopped, then cost no
// audio wake-up at all between two sounds. SDL's audio layer stays up, so opening again is
// quick.

enum class Layer { Untried, Up, Failed, Closed };
Layer layer = Layer::Untried;
bool cueDeviceOpen = false;
SDL_AudioDeviceID musicDevice = 0;
// The cue device's format, as obtained when it was last opened.
int deviceRate = kRate;
Uint16 deviceFormat = MIX_DEFAULT_FORMAT;
int deviceChannels = 2;
int releaseDelayMs = 3000;

#if defined(__linux__)
void silentAlsaError(const char*, int, const char*, int, const char*, ...) {}

// On a machine without a sound card, ALSA prints a dozen configuration errors of its own
// straight to stderr while SDL probes it. ALSA reports through a process-wide handler, and SDL
// loads the same libasound.so.2, so a quiet handler installed here silences that probe; the
// one line of our own below still says why there is no sound.
void quietAlsa()
{
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!alsa)
        return;
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(silentAlsaError);
    // The library stays loaded for the rest of the run, handler and all.
}
#else
void quietAlsa() {}
#endif

// A steady clock in milliseconds, read on any thread.
qint64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void shutDownMusic();
void releaseCueDevice();
void closeMusicDevice(bool wait);
void joinCloser();
bool musicSounding();
int msUntilMusicEnds();
qint64 musicLastHeard();

// Whether a device is worth opening again. One that opened once and fails later is tried again
// at the next sound (another program may hold the sound card for now, ALSA without a sound
// server); one that fails at its very first try, with no other device of ours holding the card,
// is not tried again in this run, so that a machine without sound pays for no more attempts.
struct Tries {
    bool opened = false;
    bool gaveUp = false;

    void failed(bool otherDeviceOpen)
    {
        if (!opened && !otherDeviceOpen)
            gaveUp = true;
    }
};
Tries cueTries;
Tries musicTries;

void noAudio(const char* why)
{
    static bool told = false;
    if (!told)
        std::fprintf(stderr, "Cassino ZOR: no audio (%s); playing without sound\n", why);
    told = true;
}

// At the process's end: both devices stop before static objects are destroyed (the music
// device's thread would otherwise go on reading the rendered piece).
void closeAudio()
{
    if (layer != Layer::Up)
        return;
    shutDownMusic();
    closeMusicDevice(true);
    joinCloser();
    if (cueDeviceOpen)
        releaseCueDevice();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    layer = Layer::Closed;
}

// SDL's audio layer, brought up once; a machine where it cannot come up stays silent.
bool ensureLayer()
{
    if (layer != Layer::Untried)
        return layer == Layer::Up;
    layer = Layer::Failed;
    quietAlsa();
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Cassino ZOR");
    // SDL would otherwise take SIGINT and SIGTERM for itself and only queue a quit event that
    // this program never reads: the program routes them into its own event loop instead.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        noAudio(SDL_GetError());
        return false;
    }
    layer = Layer::Up;
    std::atexit(closeAudio);
    return true;
}

// The release of a silent device: one single-shot timer, armed whenever a sound starts or
// stops and fired when the delay after that sound should have passed; it then lets each device
// go that has sounded nothing for the whole delay, or looks again later. It never ticks while
// both devices are released.
class ReleaseTimer {
public:
    // A cue lasting `ms` from now started, or (ms 0) a cue was stopped.
    void cueFor(int ms)
    {
        cueQuietFrom_ = std::max(cueQuietFrom_, nowMs() + ms);
        arm(ms + releaseDelayMs);
    }

    // The music was stopped.
    void musicStopped()
    {
        musicQuietFrom_ = nowMs();
        arm(releaseDelayMs);
    }

    // Looks again in `ms`, or sooner if a look is already due sooner.
    void arm(int ms)
    {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || QThread::currentThread() != app->thread())
            return; // no event loop to fire it: the devices simply stay open
        if (!timer_) {
            timer_ = new QTimer(app);
            timer_->setObjectName(QStringLiteral("releaseAudio"));
            timer_->setSingleShot(true);
            QObject::connect(timer_, &QTimer::timeout, [this] { check(); });
        }
        if (timer_->isActive() && timer_->remainingTime() <= ms)
            return;
        timer_->start(std::max(ms, 0));
    }

    void cancel()
    {
        if (timer_)
            timer_->stop();
    }

    // Each open device that has been silent for the whole delay is released; the timer is
    // armed again for the others.
    void check()
    {
        int next = -1;
        auto lookIn = [&next](qint64 ms) {
            const int in = int(std::clamp<qint64>(ms, 0, 24 * 3600 * 1000));
            next = next < 0 ? in : std::min(next, in);
        };
        if (cueDeviceOpen) {
            if (Mix_Playing(kCueChannel))
                lookIn(500 + releaseDelayMs); // a cue's end is not tracked: look again shortly
            else if (nowMs() < cueQuietFrom_ + releaseDelayMs)
                lookIn(cueQuietFrom_ + releaseDelayMs - nowMs());
            else
                releaseCueDevice();
        }
        if (musicDevice != 0) {
            if (musicSounding()) {
                lookIn(qint64(msUntilMusicEnds()) + releaseDelayMs);
            } else {
                const qint64 quietFrom = std::max(musicQuietFrom_, musicLastHeard());
                if (nowMs() < quietFrom + releaseDelayMs)
                    lookIn(quietFrom + releaseDelayMs - nowMs());
                else
                    closeMusicDevice(false);
            }
        }
        if (next >= 0)
            arm(next);
    }

private:
    QPointer<QTimer> timer_;
    // No cue started so far sounds after this moment.
    qint64 cueQuietFrom_ = 0;
    // When the music was last stopped.
    qint64 musicQuietFrom_ = 0;
};

ReleaseTimer releaseTimer;

// Opens the cue device (SDL_mixer) if it is not open and worth a try; reports whether it is.
bool ensureCueDevice()
{
    if (!ensureLayer())
        return false;
    if (cueDeviceOpen)
        return true;
    if (cueTries.gaveUp)
        return false;
    joinCloser();
    if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kCueBufferFrames) != 0) {
        noAudio(Mix_GetError());
        cueTries.failed(musicDevice != 0);
        return false;
    }
    cueTries.opened = true;
    Mix_AllocateChannels(1);
    Mix_QuerySpec(&deviceRate, &deviceFormat, &deviceChannels);
    cueDeviceOpen = true;
    return true;
}

// ---------------------------------------------------------------------------------------------
// The default cue, heard in place of a WAV file that is missing or cannot be read, as a desktop
// plays its default sound: a soft two-tone "ding-dong", composed once in memory.

QByteArray monoWav(const std::vector<qint16>& samples)
{
    auto le32 = [](QByteArray& b, quint32 v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    };
    auto le16 = [](QByteArray& b, quint16 v) {
        b.append(char(v & 0xFF));
        b.append(char(v >> 8));
    };
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray wav;
    wav.append("RIFF");
    le32(wav, 36 + dataBytes);
    wav.append("WAVEfmt ");
    le32(wav, 16);
    le16(wav, 1); // PCM
    le16(wav, 1); // mono
    le32(wav, kRate);
    le32(wav, kRate * 2);
    le16(wav, 2);
    le16(wav, 16);
    wav.append("data");
    le32(wav, dataBytes);
    for (qint16 s : samples)
        le16(wav, quint16(s));
    return wav;
}

Mix_Chunk* composeDefaultCue()
{
    constexpr double kPi = 3.14159265358979323846;
    const int length = kRate * 55 / 100; // 550 ms
    std::vector<double> mix(std::size_t(length), 0.0);
    // Two bell-like tones a major third apart, the second entering as the first decays.
    auto bell = [&](double startSeconds, double frequency) {
        const int start = int(startSeconds * kRate);
        for (int i = start; i < length; ++i) {
            const double t = double(i - start) / kRate;
            const double attack = std::min(1.0, t / 0.004);
            const double body = std::exp(-t / 0.16);
            mix[std::size_t(i)] += 0.30 * attack * body
                * (std::sin(2 * kPi * frequency * t)
                   + 0.25 * std::exp(-t / 0.05) * std::sin(2 * kPi * 2 * frequency * t));
        }
    };
    bell(0.0, 987.77);  // B5
    bell(0.16, 783.99); // G5
    std::vector<qint16> samples(mix.size());
    const int fadeOut = kRate * 40 / 1000;
    for (int i = 0; i < length; ++i) {
        double v = mix[std::size_t(i)];
        if (i > length - fadeOut)
            v *= double(length - i) / fadeOut;
        samples[std::size_t(i)] = qint16(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    }
    const QByteArray wav = monoWav(samples);
    SDL_RWops* rw = SDL_RWFromConstMem(wav.constData(), int(wav.size()));
    return rw ? Mix_LoadWAV_RW(rw, 1) : nullptr; // the chunk keeps a converted copy
}

// The default cue is converted to the device's format as it is composed; a device opened again
// in another format gets it composed anew.
struct DefaultCue {
    Mix_Chunk* chunk = nullptr;
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
};
DefaultCue defaultCueCache;

Mix_Chunk* defaultCue()
{
    DefaultCue& d = defaultCueCache;
    if (d.chunk && (d.rate != deviceRate || d.format != deviceFormat || d.channels != deviceChannels)) {
        Mix_FreeChunk(d.chunk);
        d.chunk = nullptr;
    }
    if (!d.chunk) {
        d.chunk = composeDefaultCue();
        d.rate = deviceRate;
        d.format = deviceFormat;
        d.channels = deviceChannels;
    }
    return d.chunk;
}

// The length of a chunk in the device's format, in milliseconds.
int chunkMs(const Mix_Chunk* chunk)
{
    const int bytesPerSecond = std::max(1, deviceRate * deviceChannels * int(SDL_AUDIO_BITSIZE(deviceFormat) / 8));
    return int(qint64(chunk->alen) * 1000 / bytesPerSecond);
}

// ---------------------------------------------------------------------------------------------

// Cues are loaded from their file at every play: the files are tiny, and a file replaced on disk
// is heard at once. The chunk of the last cue is kept until the next play or stop, since the
// mixer reads it while it sounds.
class SdlSoundCues;
std::vector<SdlSoundCues*> liveCues;

class SdlSoundCues final : public SoundCues {
public:
    SdlSoundCues() { liveCues.push_back(this); }
    ~SdlSoundCues() override
    {
        release();
        liveCues.erase(std::remove(liveCues.begin(), liveCues.end(), this), liveCues.end());
    }

    void play(const QString& wavFile, bool wait) override
    {
        if (!ensureCueDevice())
            return;
        Mix_HaltChannel(kCueChannel);
        release();
        Mix_Chunk* chunk = wavFile.isEmpty()
            ? nullptr
            : Mix_LoadWAV(QFile::encodeName(wavFile).constData());
        if (chunk)
            loaded_ = chunk;
        else
            chunk = defaultCue();
        if (!chunk || Mix_PlayChannel(kCueChannel, chunk, 0) < 0) {
            releaseTimer.cueFor(0);
            return;
        }
        if (wait)
            waitForEnd(chunk);
        releaseTimer.cueFor(wait ? 0 : chunkMs(chunk));
    }

    void stop() override
    {
        if (!cueDeviceOpen)
            return;
        Mix_HaltChannel(kCueChannel);
        release();
        releaseTimer.cueFor(0);
    }

    // Frees the chunk of the previous cue, making sure the mixer no longer reads it.
    void release()
    {
        if (!loaded_)
            return;
        if (cueDeviceOpen) {
            if (Mix_GetChunk(kCueChannel) == loaded_)
                Mix_HaltChannel(kCueChannel);
            Mix_FreeChunk(loaded_);
        }
        // Without a device the mixer is gone, and the chunk with it: a device released for
        // silence frees its chunks before it closes.
        loaded_ = nullptr;
    }

private:
    // The caller closes its screen or ends the program right after, so the cue has to be heard
    // to its end first. The mixer is polled until it lets go of the chunk, then one device
    // buffer more passes so that its last samples have reached the speaker. A deadline guards
    // against a device that stopped consuming samples.
    static void waitForEnd(Mix_Chunk* chunk)
    {
        const Uint64 deadline = SDL_GetTicks64() + Uint64(chunkMs(chunk)) + 2000;
        while (Mix_Playing(kCueChannel) && Mix_GetChunk(kCueChannel) == chunk
               && SDL_GetTicks64() < deadline)
            SDL_Delay(5);
        SDL_Delay(Uint32(kCueBufferFrames * 1000 / std::max(deviceRate, 1)));
    }

    Mix_Chunk* loaded_ = nullptr;
};

// ---------------------------------------------------------------------------------------------

bool looksLikeMidi(const QByteArray& bytes)
{
    return bytes.startsWith("MThd")
        || (bytes.startsWith("RIFF") && bytes.size() >= 12 && bytes.mid(8, 4) == "RMID");
}

// The SoundFont: the first readable file of SDL_SOUNDFONTS (a ';' or ':' separated list, as
// SDL_mixer reads it), else the General MIDI fonts Debian installs.
QByteArray soundFontPath()
{
    QList<QByteArray> candidates;
    const QByteArray fromEnvironment = qgetenv("SDL_SOUNDFONTS");
    for (const QByteArray& part : fromEnvironment.split(fromEnvironment.contains(';') ? ';' : ':'))
        if (!part.isEmpty())
            candidates << part;
    candidates << "/usr/share/sounds/sf2/TimGM6mb.sf2" << "/usr/share/sounds/sf2/default-GM.sf2"
               << "/usr/share/sounds/sf2/FluidR3_GM.sf2";
    for (const QByteArray& path : candidates)
        if (QFileInfo(QFile::decodeName(path)).isReadable())
            return path;
    return {};
}

// The music. FluidSynth renders the whole piece once, on a worker thread, into memory; the
// music device then plays it from there. The piece is played from its start over and over for
// the whole run (the menu starts it anew every couple of minutes), so rendering it once and
// replaying the samples costs a fraction of synthesising it live, and the synthesiser and its
// SoundFont are freed as soon as the rendering is done. Rendering runs about eighty times faster
// than the music plays, so playback never catches up with it.
//
// The samples are rendered at half the device rate and interpolated up: a General MIDI piece
// played with this SoundFont keeps its character at 22 kHz, in half the memory.
//
// Play resumes from the position where Stop left the piece, or starts from the beginning once
// the piece has ended; Rewind moves the position to the start. The music device plays one
// piece: that of the player that last started its own. The state the device's thread reads
// changes only with the device locked; the rendered length grows atomically.
class SdlMusicPlayer;
std::vector<SdlMusicPlayer*> livePlayers;
// The player whose piece the music device plays, if any.
SdlMusicPlayer* feed = nullptr;
// A music device being closed in the background (see closeMusicDevice).
std::thread closer;

void joinCloser()
{
    if (closer.joinable())
        closer.join();
}

// Holds the music device's lock, if it is open, while the state its thread reads changes.
class MusicLock {
public:
    MusicLock() : device_(musicDevice)
    {
        if (device_ != 0)
            SDL_LockAudioDevice(device_);
    }
    ~MusicLock()
    {
        if (device_ != 0)
            SDL_UnlockAudioDevice(device_);
    }
    MusicLock(const MusicLock&) = delete;
    MusicLock& operator=(const MusicLock&) = delete;

private:
    SDL_AudioDeviceID device_;
};

void musicCallback(void*, Uint8* stream, int len);

// Opens the music device if it is not open; reports whether it is. The device takes 16-bit
// stereo at 44.1 kHz whatever the hardware wants (SDL converts), so the piece is rendered for
// that one format.
bool ensureMusicDevice()
{
    if (!ensureLayer())
        return false;
    if (musicDevice != 0)
        return true;
    if (musicTries.gaveUp)
        return false;
    joinCloser();
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = kMusicBufferFrames;
    want.callback = musicCallback;
    SDL_AudioSpec have{};
    musicDevice = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (musicDevice == 0) {
        noAudio(SDL_GetError());
        musicTries.failed(cueDeviceOpen);
        return false;
    }
    musicTries.opened = true;
    SDL_PauseAudioDevice(musicDevice, 0);
    return true;
}

// Closing a device waits for its thread to finish its buffer, up to 186 ms: a device released
// for silence is closed on a thread of its own, so that no screen stalls for it (the next
// opening waits for that thread first). Its feed is cleared first, so nothing of a player is
// read after this returns.
void closeMusicDevice(bool wait)
{
    if (musicDevice == 0)
        return;
    const SDL_AudioDeviceID device = musicDevice;
    SDL_LockAudioDevice(device);
    feed = nullptr;
    SDL_UnlockAudioDevice(device);
    SDL_PauseAudioDevice(device, 1);
    musicDevice = 0;
    joinCloser();
    if (wait)
        SDL_CloseAudioDevice(device);
    else
        closer = std::thread([device] { SDL_CloseAudioDevice(device); });
}

class SdlMusicPlayer final : public MusicPlayer {
public:
    SdlMusicPlayer() { livePlayers.push_back(this); }
    ~SdlMusicPlayer() override
    {
        close();
        livePlayers.erase(std::remove(livePlayers.begin(), livePlayers.end(), this), livePlayers.end());
    }

    bool open(const QString& midiFile) override
    {
        close();
        QFile file(midiFile);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QByteArray bytes = file.readAll();
        if (!looksLikeMidi(bytes) || !ensureLayer())
            return false;
        const QByteArray font = soundFontPath();
        if (font.isEmpty())
            return false;

        // The synthesiser and the sequencer are made here, so that a file FluidSynth refuses
        // makes open() fail; the worker then owns them until the piece is rendered.
        settings_ = new_fluid_settings();
        fluid_settings_setnum(settings_, "synth.sample-rate", double(kRate) / 2);
        fluid_settings_setint(settings_, "synth.reverb.active", 0);
        fluid_settings_setint(settings_, "synth.chorus.active", 0);
        fluid_settings_setint(settings_, "synth.polyphony", 128);
        fluid_settings_setint(settings_, "synth.cpu-cores", 1);
        fluid_settings_setstr(settings_, "player.timing-source", "sample");
        // The menu's piece then plays at about -20 dBFS RMS, its loudest notes a few dB under
        // full scale, as loud as the cues that sound over it.
        fluid_settings_setnum(settings_, "synth.gain", 1.0);
        synth_ = new_fluid_synth(settings_);
        midi_ = std::move(bytes);
        sequencer_ = synth_ ? new_fluid_player(synth_) : nullptr;
        if (!sequencer_ || fluid_synth_sfload(synth_, font.constData(), 1) == FLUID_FAILED
            || fluid_player_add_mem(sequencer_, midi_.constData(), std::size_t(midi_.size())) != FLUID_OK
            || fluid_player_play(sequencer_) != FLUID_OK) {
            freeSynth();
            midi_.clear();
            return false;
        }
        position_ = 0;
        phase_ = 0;
        cancel_ = false;
        rendered_ = 0;
        complete_ = false;
        open_ = true;
        worker_ = std::thread([this] { renderAll(); });
        return true;
    }

    bool isOpen() const override { return open_; }

    void play() override
    {
        if (!open_ || !ensureMusicDevice())
            return;
        {
            MusicLock lock;
            if (ended())
                moveToStart();
            playing_ = true;
            feed = this;
        }
        // Looked at again when the piece should be over.
        releaseTimer.arm(msToEnd() + releaseDelayMs);
    }

    void stop() override
    {
        if (!open_)
            return;
        {
            MusicLock lock;
            playing_ = false;
        }
        releaseTimer.musicStopped();
    }

    void rewind() override
    {
        if (!open_)
            return;
        bool playing = false;
        {
            MusicLock lock;
            moveToStart();
            playing = playing_;
        }
        // A piece that ended while playing sounds again from its start: the device must run.
        if (playing)
            play();
    }

    // Whether the piece is sounding now.
    bool sounding() const
    {
        MusicLock lock;
        return feed == this && playing_ && !ended();
    }

    // The milliseconds of the piece still to play, as far as it is rendered.
    int msToEnd() const
    {
        std::size_t position = 0;
        {
            MusicLock lock;
            position = position_;
        }
        const std::size_t rendered = rendered_.load(std::memory_order_acquire);
        if (!complete_.load(std::memory_order_acquire))
            return releaseDelayMs; // still rendering: look again a little later
        const std::size_t left = rendered > position ? rendered - position : 0;
        return int(std::min<std::size_t>(left * 2 * 1000 / std::size_t(kRate), 24 * 3600 * 1000));
    }

    // Fills `frames` stereo frames of the device's buffer from the piece; returns how many it
    // filled (fewer at the end of the piece, or of what is rendered so far). Runs on the
    // device's thread, with the device locked.
    int fill(Sint16* out, int frames)
    {
        if (!playing_)
            return 0;
        const int written = fillDoubled(out, frames, rendered_.load(std::memory_order_acquire));
        if (written < frames && ended() && !endHeard_) {
            endHeard_ = true;
            endedAt_.store(nowMs(), std::memory_order_relaxed);
        }
        return written;
    }

    // When the device last played the end of this piece (0: never).
    qint64 endedAt() const { return endedAt_.load(std::memory_order_relaxed); }

    // Stops the worker and lets go of the device; the process is ending.
    void shutDown() { close(); }

private:
    static constexpr std::size_t kBlockFrames = 1 << 16;
    // Room for a piece of up to about three quarters of an hour.
    static constexpr std::size_t kMaxBlocks = 1024;

    void renderAll()
    {
        std::size_t frames = 0;
        while (!cancel_ && fluid_player_get_status(sequencer_) == FLUID_PLAYER_PLAYING) {
            const std::size_t block = frames / kBlockFrames;
            if (block >= kMaxBlocks)
                break;
            // FluidSynth reports the piece as playing until its last notes have rung out.
            if (!blocks_[block])
                blocks_[block] = std::make_unique<Sint16[]>(2 * kBlockFrames);
            const std::size_t offset = frames % kBlockFrames;
            const int chunk = 512;
            Sint16* out = blocks_[block].get() + 2 * offset;
            fluid_synth_write_s16(synth_, chunk, out, 0, 2, out, 1, 2);
            frames += chunk;
            rendered_.store(frames, std::memory_order_release);
        }
        freeSynth();
        complete_.store(true, std::memory_order_release);
    }

    void freeSynth()
    {
        if (sequencer_) {
            fluid_player_stop(sequencer_);
            delete_fluid_player(sequencer_);
            sequencer_ = nullptr;
        }
        if (synth_) {
            delete_fluid_synth(synth_);
            synth_ = nullptr;
        }
        if (settings_) {
            delete_fluid_settings(settings_);
            settings_ = nullptr;
        }
    }

    bool ended() const
    {
        return complete_.load(std::memory_order_acquire)
            && position_ >= rendered_.load(std::memory_order_acquire);
    }

    void moveToStart()
    {
        endHeard_ = false;
        position_ = 0;
        phase_ = 0;
        previous_[0] = previous_[1] = current_[0] = current_[1] = 0;
    }

    const Sint16* frameAt(std::size_t position) const
    {
        return blocks_[position / kBlockFrames].get() + 2 * (position % kBlockFrames);
    }

    // The device runs at twice the rendering rate: each rendered frame gives the midpoint from
    // the frame before, then itself. Returns the frames written.
    int fillDoubled(Sint16* out, int frames, std::size_t available)
    {
        int i = 0;
        if (phase_ == 1 && i < frames) {
            out[0] = Sint16(current_[0]);
            out[1] = Sint16(current_[1]);
            phase_ = 0;
            ++i;
        }
        while (i < frames) {
            if (position_ >= available)
                return i;
            nextFrame();
            out[2 * i] = Sint16(previous_[0] + (current_[0] - previous_[0]) / 2);
            out[2 * i + 1] = Sint16(previous_[1] + (current_[1] - previous_[1]) / 2);
            phase_ = 1;
            if (++i == frames)
                break;
            out[2 * i] = Sint16(current_[0]);
            out[2 * i + 1] = Sint16(current_[1]);
            phase_ = 0;
            ++i;
        }
        return i;
    }

    // Steps to the music's next frame: the current frame becomes the previous one.
    void nextFrame()
    {
        previous_[0] = current_[0];
        previous_[1] = current_[1];
        const Sint16* frame = frameAt(position_++);
        current_[0] = frame[0];
        current_[1] = frame[1];
    }

    void close()
    {
        {
            MusicLock lock;
            if (feed == this)
                feed = nullptr;
            playing_ = false;
        }
        cancel_ = true;
        if (worker_.joinable())
            worker_.join();
        freeSynth();
        open_ = false;
        rendered_ = 0;
        complete_ = false;
        for (auto& b : blocks_)
            b.reset();
        midi_.clear();
    }

    QByteArray midi_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* sequencer_ = nullptr;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    std::array<std::unique_ptr<Sint16[]>, kMaxBlocks> blocks_;
    std::atomic<std::size_t> rendered_{0};
    std::atomic<bool> complete_{false};

    bool open_ = false;
    bool playing_ = false;
    std::size_t position_ = 0; // the next rendered frame to play
    bool endHeard_ = false;
    std::atomic<qint64> endedAt_{0};
    int phase_ = 0;
    int previous_[2] = {0, 0};
    int current_[2] = {0, 0};
};

void musicCallback(void*, Uint8* stream, int len)
{
    auto* out = reinterpret_cast<Sint16*>(stream);
    const int frames = len / int(2 * sizeof(Sint16));
    const int written = feed ? feed->fill(out, frames) : 0;
    // After the end of the piece (or, briefly, of what is rendered so far): silence.
    std::fill(out + 2 * std::size_t(written), out + 2 * std::size_t(frames), Sint16(0));
}

void shutDownMusic()
{
    releaseTimer.cancel();
    for (SdlMusicPlayer* player : livePlayers)
        player->shutDown();
}

bool musicSounding()
{
    return std::any_of(livePlayers.begin(), livePlayers.end(),
                       [](const SdlMusicPlayer* p) { return p->sounding(); });
}

qint64 musicLastHeard()
{
    qint64 at = 0;
    for (const SdlMusicPlayer* p : livePlayers)
        at = std::max(at, p->endedAt());
    return at;
}

int msUntilMusicEnds()
{
    int ms = 0;
    for (const SdlMusicPlayer* p : livePlayers)
        if (p->sounding())
            ms = std::max(ms, p->msToEnd());
    return ms;
}

// Lets the cue device go: the chunks the mixer could read are freed first.
void releaseCueDevice()
{
    for (SdlSoundCues* cues : liveCues)
        cues->release();
    if (defaultCueCache.chunk) {
        Mix_FreeChunk(defaultCueCache.chunk);
        defaultCueCache.chunk = nullptr;
    }
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    cueDeviceOpen = false;
}

} // namespace

std::shared_ptr<SoundCues> makeSdlSoundCues() { return std::make_shared<SdlSoundCues>(); }

std::unique_ptr<MusicPlayer> makeSdlMusicPlayer() { return std::make_unique<SdlMusicPlayer>(); }

void setSdlAudioReleaseDelay(int ms)
{
    releaseDelayMs = std::max(ms, 0);
    // A look due after the old delay is made after the new one instead.
    releaseTimer.cancel();
    if (cueDeviceOpen || musicDevice != 0)
        releaseTimer.arm(releaseDelayMs);
}

bool sdlAudioDeviceRunning() { return cueDeviceOpen || musicDevice != 0; }

bool sdlMusicDeviceRunning() { return musicDevice != 0; }

} // namespace zor
