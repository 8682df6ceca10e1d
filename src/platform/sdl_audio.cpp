#include "platform/sdl_audio.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
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

// FluidSynth needs a SoundFont. SDL_mixer honours SDL_SOUNDFONTS by itself, but a font set
// here would take precedence over it, so one is set only when that variable is absent.
void chooseSoundFont()
{
    const char* fromEnvironment = SDL_getenv("SDL_SOUNDFONTS");
    if (fromEnvironment && *fromEnvironment)
        return;
    for (const char* path : {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                             "/usr/share/sounds/sf2/default-GM.sf2",
                             "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
        if (QFileInfo::exists(QString::fromLatin1(path))) {
            Mix_SetSoundFonts(path);
            return;
        }
    }
}

void closeDevice()
{
    if (device != Device::Open)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
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
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "Cassino ZOR: no audio (%s); playing without sound\n", SDL_GetError());
        return false;
    }
    chooseSoundFont();
    if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
        std::fprintf(stderr, "Cassino ZOR: no audio (%s); playing without sound\n", Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    // FluidSynth at the mixer's full music volume peaks near full scale with this program's
    // piece; kept lower, the music stays in the background and a cue over it does not clip.
    Mix_VolumeMusic(MIX_MAX_VOLUME * 5 / 8);
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

// SDL_mixer 2.6 cannot seek a FluidSynth piece: Mix_SetMusicPosition and Mix_RewindMusic fail
// with "Position not implemented for music type", whether the music plays, is paused or halted,
// and Mix_PlayMusic after Mix_HaltMusic carries on from where the synthesiser's sequencer stood.
// Pausing, on the other hand, silences at once and resumes exactly where it was. So the player
// keeps the file's bytes and starts the piece over by loading a fresh Mix_Music from them (a
// few tens of milliseconds with the SoundFont), and Stop is a pause.
//
// The mixer plays one music at a time; the player that last started its piece owns it, and a
// player acts on the mixer only while it does.
class SdlMusicPlayer final : public MusicPlayer {
public:
    ~SdlMusicPlayer() override { close(); }

    bool open(const QString& midiFile) override
    {
        close();
        QFile file(midiFile);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QByteArray bytes = file.readAll();
        if (!looksLikeMidi(bytes) || !ensureDevice())
            return false;
        midi_ = std::move(bytes);
        if (!load()) {
            midi_.clear();
            return false;
        }
        return true;
    }

    bool isOpen() const override { return music_ != nullptr; }

    void play() override
    {
        if (!music_ || !deviceOpen())
            return;
        if (ownsMixer() && Mix_PlayingMusic()) {
            if (Mix_PausedMusic())
                Mix_ResumeMusic();
            return;
        }
        // Never started, rewound, or the piece has played to its end: from the start.
        if (!fresh_ && !reload())
            return;
        if (Mix_PlayMusic(music_, 0) == 0) {
            owner = this;
            fresh_ = false;
        }
    }

    void stop() override
    {
        if (!music_ || !deviceOpen())
            return;
        if (ownsMixer() && Mix_PlayingMusic())
            Mix_PauseMusic();
    }

    void rewind() override
    {
        if (!music_ || !deviceOpen() || fresh_)
            return;
        const bool wasPlaying = ownsMixer() && Mix_PlayingMusic() && !Mix_PausedMusic();
        if (!reload())
            return;
        if (wasPlaying)
            play();
    }

private:
    bool ownsMixer() const { return owner == this; }

    bool load()
    {
        // The mixer reads from the bytes while it loads; midi_ outlives every Mix_Music.
        SDL_RWops* rw = SDL_RWFromConstMem(midi_.constData(), int(midi_.size()));
        music_ = rw ? Mix_LoadMUSType_RW(rw, MUS_MID, 1) : nullptr;
        fresh_ = music_ != nullptr;
        return fresh_;
    }

    // Halts and drops the piece played so far and loads it anew, positioned at its start.
    bool reload()
    {
        releaseMusic();
        return load();
    }

    void releaseMusic()
    {
        if (ownsMixer()) {
            if (deviceOpen())
                Mix_HaltMusic();
            owner = nullptr;
        }
        if (music_ && deviceOpen())
            Mix_FreeMusic(music_); // after the device has closed, left to the process's end
        music_ = nullptr;
        fresh_ = false;
    }

    void close()
    {
        releaseMusic();
        midi_.clear();
    }

    static inline SdlMusicPlayer* owner = nullptr;

    QByteArray midi_;
    Mix_Music* music_ = nullptr;
    bool fresh_ = false; // music_ was loaded and has not been played since
};

} // namespace

std::shared_ptr<SoundCues> makeSdlSoundCues() { return std::make_shared<SdlSoundCues>(); }

std::unique_ptr<MusicPlayer> makeSdlMusicPlayer() { return std::make_unique<SdlMusicPlayer>(); }

} // namespace zor
