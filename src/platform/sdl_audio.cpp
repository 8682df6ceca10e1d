#include "platform/sdl_audio.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <atomic>
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
constexpr int kBufferFrames = 1024;

// ---------------------------------------------------------------------------------------------
// The audio device, shared by the cues and the music.

enum class Device { Untried, Open, Failed, Closed };
Device device = Device::Untried;

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

void closeDevice()
{
    if (device != Device::Open)
        return;
    shutDownMusic();
    Mix_HaltChannel(-1);
    Mix_HookMusic(nullptr, nullptr);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device = Device::Closed;
}

// Opens the device on first use; later calls only report whether it is there. A failure is
// reported once, on one line, and sound stays off for the rest of the run.
bool ensureDevice()
{
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
    if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
        std::fprintf(stderr, "Cassino ZOR: no audio (%s); playing without sound\n", Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    device = Device::Open;
    // Stop the mixer before the process tears down: its thread would otherwise go on running
    // the synthesiser while static objects are being destroyed.
    std::atexit(closeDevice);
    return true;
}

bool deviceOpen() { return device == Device::Open; }

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

Mix_Chunk* defaultCue()
{
    static Mix_Chunk* const chunk = composeDefaultCue();
    return chunk;
}

// ---------------------------------------------------------------------------------------------

// Cues are loaded from their file at every play: the files are tiny, and a file replaced on disk
// is heard at once. The chunk of the last cue is kept until the next play or stop, since the
// mixer reads it while it sounds.
class SdlSoundCues final : public SoundCues {
public:
    ~SdlSoundCues() override { release(); }

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
        if (!chunk || Mix_PlayChannel(kCueChannel, chunk, 0) < 0)
            return;
        if (wait)
            waitForEnd(chunk);
    }

    void stop() override
    {
        if (!deviceOpen())
            return;
        Mix_HaltChannel(kCueChannel);
        release();
    }

private:
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
        // Once the device is closed the mixer is gone; the chunk is left to the process's end.
        loaded_ = nullptr;
    }

    // The caller closes its screen or ends the program right after, so the cue has to be heard
    // to its end first. The mixer is polled until it lets go of the chunk, then one device
    // buffer more passes so that its last samples have reached the speaker. A deadline guards
    // against a device that stopped consuming samples.
    static void waitForEnd(Mix_Chunk* chunk)
    {
        int rate = kRate, channels = 2;
        Uint16 format = MIX_DEFAULT_FORMAT;
        Mix_QuerySpec(&rate, &format, &channels);
        const Uint64 bytesPerSecond
            = Uint64(rate) * Uint64(channels) * Uint64(SDL_AUDIO_BITSIZE(format) / 8);
        const Uint64 deadline
            = SDL_GetTicks64() + Uint64(chunk->alen) * 1000 / std::max<Uint64>(bytesPerSecond, 1) + 2000;
        while (Mix_Playing(kCueChannel) && Mix_GetChunk(kCueChannel) == chunk
               && SDL_GetTicks64() < deadline)
            SDL_Delay(5);
        SDL_Delay(Uint32(kBufferFrames * 1000 / std::max(rate, 1)));
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
        int rate = kRate, channels = 2;
        Uint16 format = AUDIO_S16SYS;
        Mix_QuerySpec(&rate, &format, &channels);
        if (format != AUDIO_S16SYS || channels < 1)
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
        return true;
    }

    bool isOpen() const override { return open_; }

    void play() override
    {
        if (!open_ || !deviceOpen())
            return;
        SDL_LockAudio();
        if (ended())
            moveToStart();
        playing_ = true;
        SDL_UnlockAudio();
        if (owner != this) {
            Mix_HookMusic(&SdlMusicPlayer::hook, this);
            owner = this;
        }
    }

    void stop() override
    {
        if (!open_ || !deviceOpen())
            return;
        SDL_LockAudio();
        playing_ = false;
        SDL_UnlockAudio();
    }

    void rewind() override
    {
        if (!open_ || !deviceOpen())
            return;
        SDL_LockAudio();
        moveToStart();
        SDL_UnlockAudio();
    }

    // Stops the worker and lets go of the mixer; the device is about to close.
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
        std::fill(out, out + std::size_t(frames) * std::size_t(channels_), Sint16(0));
        if (owner != this || !playing_)
            return;
        const std::size_t available = rendered_.load(std::memory_order_acquire);
        for (int i = 0; i < frames; ++i) {
            if (phase_ == 0) {
                if (position_ >= available)
                    return; // the end of the piece (or, briefly, of what is rendered so far)
                previous_[0] = current_[0];
                previous_[1] = current_[1];
                const Sint16* frame = blocks_[position_ / kBlockFrames].get() + 2 * (position_ % kBlockFrames);
                current_[0] = frame[0];
                current_[1] = frame[1];
                ++position_;
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
    for (SdlMusicPlayer* player : livePlayers)
        player->shutDown();
}

} // namespace

std::shared_ptr<SoundCues> makeSdlSoundCues() { return std::make_shared<SdlSoundCues>(); }

std::unique_ptr<MusicPlayer> makeSdlMusicPlayer() { return std::make_unique<SdlMusicPlayer>(); }

} // namespace zor
