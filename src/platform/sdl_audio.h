#pragma once
// The real sound cues and music player, on SDL2_mixer: WAV cues on one mixer channel, the MIDI
// music rendered by FluidSynth with a General MIDI SoundFont into the mixer's music hook. Both
// share one audio device, opened the first time either needs it; without a device everything
// stays silent and nothing fails. A device that has sounded nothing for a few seconds is
// released (a running device wakes the process at every buffer, silence or not) and opened
// again by the next sound.
#include "platform/services.h"

#include <memory>

namespace zor {

std::shared_ptr<SoundCues> makeSdlSoundCues();
std::unique_ptr<MusicPlayer> makeSdlMusicPlayer();

// How long the device stays open after the last sound ended (3000 ms unless changed).
void setSdlAudioReleaseDelay(int ms);
// Whether the audio device is open now (not yet opened, released, failed or closed: false).
bool sdlAudioDeviceRunning();

} // namespace zor
