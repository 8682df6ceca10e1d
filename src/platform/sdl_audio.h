#pragma once
// The real sound cues and music player, on SDL2_mixer: WAV cues on one mixer channel, the MIDI
// music rendered by FluidSynth with a General MIDI SoundFont into the mixer's music hook. Both
// share one audio device, opened the first time either needs it; without a device everything stays silent and nothing fails.
#include "platform/services.h"

#include <memory>

namespace zor {

std::shared_ptr<SoundCues> makeSdlSoundCues();
std::unique_ptr<MusicPlayer> makeSdlMusicPlayer();

} // namespace zor
