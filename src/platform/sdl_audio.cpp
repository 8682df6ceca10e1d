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
// The mixer wakes once per buffer: 2048 frames is 46 ms, about 22 wake-ups a second while
// anything sounds, and a cue still starts within a blink of the pointer's move.
constexpr int kBufferFrames = 2048;

// ---------------------------------------------------------------------------------------------
// The audio device, shared by the cues and the music.
//
// A running device wakes the process at every buffer even when it only plays silence (SDL's
// mixer thread goes on while paused). So a device that has sounded nothing for a little while
// is released, and opened again by the next cue or the next Play: the screens of the games,
// where the music is stopped, then cost no audio wake-up at all between two sounds. Only the
// device is closed: SDL's audio layer stays up, so opening again is quick.

enum class Device { Untried, Open, Released, Failed, Closed };
Device device = Device::Untried;
// The device's format, as obtained when it was last opened.
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

void shutDownMusic();
void beforeRelease();
bool somethingSounds();
int msUntilSilence();

// Closes the mixer (the device and its thread); SDL's audio layer stays up.
void closeMixer()
{
    Mix_HaltChannel(-1);
    Mix_HookMusic(nullptr, nullptr);
    Mix_CloseAudio();
}

void closeDevice()
{
    if (device != Device::Open && device != Device::Released)
        return;
    shutDownMusic();
    if (device == Device::Open) {
        beforeRelease();
        closeMixer();
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device = Device::Closed;
}

bool openMixer()
{
    if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
        static bool told = false;
        if (!told)
            std::fprintf(stderr, "Cassino ZOR: no audio (%s); playing without sound\n", Mix_GetError());
        told = true;
        return false;
    }
    Mix_AllocateChannels(1);
    Mix_QuerySpec(&deviceRate, &deviceFormat, &deviceChannels);
    return true;
}

// The release of a silent device: one single-shot timer, armed whenever a sound starts or
// stops and fired when the delay after that sound should have passed; it then lets the device
// go if nothing has sounded for the whole delay, or looks again later. It never ticks while
// the device is released.
class ReleaseTimer {
public:
    // A sound lasting `ms` from now started, or (ms 0) a sound was stopped.
    void soundFor(int ms)
    {
        quietFrom_ = std::max(quietFrom_, now() + ms);
        arm(ms + releaseDelayMs);
    }

    // Looks again in `ms`, or sooner if a look is already due sooner.
    void arm(int ms)
    {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || QThread::currentThread() != app->thread())
            return; // no event loop to fire it: the device simply stays open
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

private:
    static qint64 now()
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }

    void check()
    {
        if (device != Device::Open)
            return;
        if (somethingSounds()) {
            arm(std::max(msUntilSilence(), 100) + releaseDelayMs);
            return;
        }
        const qint64 due = quietFrom_ + releaseDelayMs;
        if (now() < due) {
            arm(int(due - now()));
            return;
        }
        beforeRelease();
        closeMixer();
        device = Device::Released;
    }

    QPointer<QTimer> timer_;
    // No cue started so far sounds after this moment.
    qint64 quietFrom_ = 0;
};

ReleaseTimer releaseTimer;

// Opens the device on first use, and again after it was released; later calls only report
// whether it is there. A failure at first use is reported once, on one line, and sound stays
// off for the rest of the run; a released device that cannot be opened again is tried again by
// the next sound.
bool ensureDevice()
{
    if (device == Device::Released) {
        // Another program may hold the sound card for now (ALSA without a sound server): this
        // sound is not heard, and the next one tries again.
        if (!openMixer())
            return false;
        device = Device::Open;
        return true;
    }
    if (device != Device::Untried)
        return device == Device::Open;
    device = Device::Failed;
    quietAlsa();
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Cassino ZOR");
    // SDL would otherwise take SIGINT and SIGTERM for itself and only queue a quit event that
    // this program never reads: the program routes them into its own event loop instead.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "Cassino ZOR: no audio (%s); playing without sound\n", SDL_GetError());
        return false;
    }
    if (!openMixer()) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    device = Device::Open;
    // Stop the mixer before the process tears down: its thread would otherwise go on running
    // the synthesiser while static objects are being destroyed.
    std::atexit(closeDevice);
    return true;
}

bool deviceOpen() { return device == Device::Open; }

// Open, or released for silence: the state the mixer reads can be changed. (Locking a released
// device is a no-op: it has no mixer thread to keep out.)
bool mixerReachable() { return device == Device::Open || device == Device::Released; }

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
        if (!ensureDevice())
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
            releaseTimer.soundFor(0);
            return;
        }
        if (wait)
            waitForEnd(chunk);
        releaseTimer.soundFor(wait ? 0 : chunkMs(chunk));
    }

    void stop() override
    {
        if (!deviceOpen())
            return;
        Mix_HaltChannel(kCueChannel);
        release();
        releaseTimer.soundFor(0);
    }

    // Frees the chunk of the previous cue, making sure the mixer no longer reads it.
    void release()
    {
        if (!loaded_)
            return;
        if (deviceOpen()) {
            if (Mix_GetChunk(kCueChannel) == loaded_)
                Mix_HaltChannel(kCueChannel);
            Mix_FreeChunk(loaded_);
        }
        // Once the device is closed for good the mixer is gone; the chunk is left to the
        // process's end. (A device released for silence frees its chunks first.)
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
        SDL_Delay(Uint32(kBufferFrames * 1000 / std::max(deviceRate, 1)));
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
// mixer's music hook then plays it from there. The piece is played from its start over and over
// for the whole run (the menu starts it anew every couple of minutes), so rendering it once and
// replaying the samples costs a fraction of synthesising it live, and the synthesiser and its
// SoundFont are freed as soon as the rendering is done. Rendering runs about eighty times faster
// than the music plays, so playback never catches up with it.
//
// The samples are rendered at half the device rate and interpolated up: a General MIDI piece
// played with this SoundFont keeps its character at 22 kHz, in half the memory.
//
// Play resumes from the position where Stop left the piece, or starts from the beginning once
// the piece has ended; Rewind moves the position to the start. The mixer has one music hook: the
// player that last started its piece owns it. The state the hook reads changes only with the
// audio device locked; the rendered length grows atomically.
class SdlMusicPlayer;
std::vector<SdlMusicPlayer*> livePlayers;

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
        if (!looksLikeMidi(bytes) || !ensureDevice())
            return false;
        const int rate = deviceRate, channels = deviceChannels;
        if (deviceFormat != AUDIO_S16SYS || channels < 1)
            return false;
        const QByteArray font = soundFontPath();
        if (font.isEmpty())
            return false;
        ratio_ = rate >= 40000 ? 2 : 1;
        channels_ = channels;

        // The synthesiser and the sequencer are made here, so that a file FluidSynth refuses
        // makes open() fail; the worker then owns them until the piece is rendered.
        settings_ = new_fluid_settings();
        fluid_settings_setnum(settings_, "synth.sample-rate", double(rate) / ratio_);
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
        // Opening made the device run; it is let go again if Play does not follow.
        releaseTimer.soundFor(0);
        return true;
    }

    bool isOpen() const override { return open_; }

    void play() override
    {
        if (!open_)
            return;
        if (!ensureDevice())
            return;
        SDL_LockAudio();
        if (ended())
            moveToStart();
        playing_ = true;
        SDL_UnlockAudio();
        hookAndWatch();
    }

    void stop() override
    {
        if (!open_ || !mixerReachable())
            return;
        SDL_LockAudio();
        playing_ = false;
        SDL_UnlockAudio();
        releaseTimer.soundFor(0);
    }

    void rewind() override
    {
        if (!open_ || !mixerReachable())
            return;
        SDL_LockAudio();
        moveToStart();
        const bool playing = playing_;
        SDL_UnlockAudio();
        // A piece that ended while playing sounds again from its start: the device must run.
        if (playing && ensureDevice())
            hookAndWatch();
    }

    // Whether the piece is sounding now.
    bool sounding() const
    {
        if (owner != this || !playing_)
            return false;
        SDL_LockAudio();
        const bool over = ended();
        SDL_UnlockAudio();
        return !over;
    }

    // The milliseconds of the piece still to play, as far as it is rendered.
    int msToEnd() const
    {
        SDL_LockAudio();
        const std::size_t position = position_;
        SDL_UnlockAudio();
        const std::size_t rendered = rendered_.load(std::memory_order_acquire);
        if (!complete_.load(std::memory_order_acquire))
            return releaseDelayMs; // still rendering: look again a little later
        const std::size_t left = rendered > position ? rendered - position : 0;
        return int(std::min<std::size_t>(left * std::size_t(ratio_) * 1000 / std::size_t(std::max(deviceRate, 1)),
                                         24 * 3600 * 1000));
    }

    // The device is about to be released: the mixer lets go of the hook.
    void unhook()
    {
        if (owner == this) {
            Mix_HookMusic(nullptr, nullptr);
            owner = nullptr;
        }
    }

    // Stops the worker and lets go of the mixer; the device is about to close.
    void shutDown() { close(); }

private:
    void hookAndWatch()
    {
        if (owner != this) {
            Mix_HookMusic(&SdlMusicPlayer::hook, this);
            owner = this;
        }
        // Looked at again when the piece should be over.
        releaseTimer.arm(msToEnd() + releaseDelayMs);
    }

public:

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
        position_ = 0;
        phase_ = 0;
        previous_[0] = previous_[1] = current_[0] = current_[1] = 0;
    }

    static void hook(void* self, Uint8* stream, int len)
    {
        static_cast<SdlMusicPlayer*>(self)->fill(reinterpret_cast<Sint16*>(stream), len);
    }

    void fill(Sint16* out, int len)
    {
        const int frames = len / int(sizeof(Sint16)) / channels_;
        int written = 0;
        if (owner == this && playing_) {
            const std::size_t available = rendered_.load(std::memory_order_acquire);
            written = ratio_ == 2 && channels_ == 2 ? fillDoubledStereo(out, frames, available)
                                                    : fillAnyRate(out, frames, available);
        }
        // After the end of the piece (or, briefly, of what is rendered so far): silence.
        std::fill(out + std::size_t(written) * std::size_t(channels_),
                  out + std::size_t(frames) * std::size_t(channels_), Sint16(0));
    }

    const Sint16* frameAt(std::size_t position) const
    {
        return blocks_[position / kBlockFrames].get() + 2 * (position % kBlockFrames);
    }

    // The common case, a stereo device at twice the rendering rate: each rendered frame gives
    // the midpoint from the frame before, then itself. Returns the frames written.
    int fillDoubledStereo(Sint16* out, int frames, std::size_t available)
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

    // Any other device: linear interpolation by the whole-number ratio, mono or stereo.
    int fillAnyRate(Sint16* out, int frames, std::size_t available)
    {
        for (int i = 0; i < frames; ++i) {
            if (phase_ == 0) {
                if (position_ >= available)
                    return i;
                nextFrame();
            }
            phase_ = (phase_ + 1) % ratio_;
            const int step = phase_ == 0 ? ratio_ : phase_;
            const int left = previous_[0] + (current_[0] - previous_[0]) * step / ratio_;
            const int right = previous_[1] + (current_[1] - previous_[1]) * step / ratio_;
            if (channels_ == 1) {
                out[i] = Sint16((left + right) / 2);
            } else {
                out[channels_ * i] = Sint16(left);
                out[channels_ * i + 1] = Sint16(right);
            }
        }
        return frames;
    }

    void close()
    {
        if (owner == this) {
            if (deviceOpen())
                Mix_HookMusic(nullptr, nullptr);
            owner = nullptr;
        }
        cancel_ = true;
        if (worker_.joinable())
            worker_.join();
        freeSynth();
        playing_ = false;
        open_ = false;
        rendered_ = 0;
        complete_ = false;
        for (auto& b : blocks_)
            b.reset();
        midi_.clear();
    }

    static inline SdlMusicPlayer* owner = nullptr;

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
    int ratio_ = 2;
    int channels_ = 2;
    std::size_t position_ = 0; // the next rendered frame to play
    int phase_ = 0;
    int previous_[2] = {0, 0};
    int current_[2] = {0, 0};
};

void shutDownMusic()
{
    releaseTimer.cancel();
    for (SdlMusicPlayer* player : livePlayers)
        player->shutDown();
}

bool somethingSounds()
{
    if (Mix_Playing(kCueChannel))
        return true;
    return std::any_of(livePlayers.begin(), livePlayers.end(),
                       [](const SdlMusicPlayer* p) { return p->sounding(); });
}

// Until every sound now playing is over, as far as known (a cue's end is not tracked: a cue
// still sounding is looked at again shortly).
int msUntilSilence()
{
    int ms = Mix_Playing(kCueChannel) ? 500 : 0;
    for (const SdlMusicPlayer* p : livePlayers)
        if (p->sounding())
            ms = std::max(ms, p->msToEnd());
    return ms;
}

void beforeRelease()
{
    for (SdlSoundCues* cues : liveCues)
        cues->release();
    for (SdlMusicPlayer* player : livePlayers)
        player->unhook();
    if (defaultCueCache.chunk) {
        Mix_FreeChunk(defaultCueCache.chunk);
        defaultCueCache.chunk = nullptr;
    }
}

} // namespace

std::shared_ptr<SoundCues> makeSdlSoundCues() { return std::make_shared<SdlSoundCues>(); }

std::unique_ptr<MusicPlayer> makeSdlMusicPlayer() { return std::make_unique<SdlMusicPlayer>(); }

void setSdlAudioReleaseDelay(int ms)
{
    releaseDelayMs = std::max(ms, 0);
    // A look due after the old delay is due after the new one instead.
    releaseTimer.cancel();
    if (deviceOpen())
        releaseTimer.arm(msUntilSilence() + releaseDelayMs);
}

bool sdlAudioDeviceRunning() { return deviceOpen(); }

} // namespace zor
