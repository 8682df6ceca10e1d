#pragma once
// The real sound cues and music player: WAV cues on one SDL2_mixer channel, on an audio device
// with short buffers; the MIDI music rendered ahead by FluidSynth with a General MIDI SoundFont
// and played on a device of its own with long buffers. Each device opens when it is first
// needed; without one everything stays silent and nothing fails. A device that has sounded
// nothing for a few seconds is released (a running device wakes the process at every buffer,
// silence or not) and opened again by the next sound.
#include "platform/services.h"

#include <memory>

namespace zor {

std::shared_ptr<SoundCues> makeSdlSoundCues();
std::unique_ptr<MusicPlayer> makeSdlMusicPlayer();

// How long the device stays open after the last sound ended (3000 ms unless changed).
void setSdlAudioReleaseDelay(int ms);
// Whether an audio device, the cues' or the music's, is open now (not yet opened, released,
// failed or closed: false).
bool sdlAudioDeviceRunning();
// Whether the music's own device is open now.
bool sdlMusicDeviceRunning();

} // namespace zor
