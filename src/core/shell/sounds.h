#pragma once
// When the program plays its sounds. Every sound of every window goes through these
// functions, so the sound switch is checked in one place.

#include <string_view>

#include "core/shell/platform.h"
#include "core/shell/shared_state.h"

namespace numeralia {

inline constexpr std::string_view kStartSound = "manager.wav";
inline constexpr std::string_view kErrorSound = "pato.wav";

// Plays a wave file of the program folder when the sounds are on (soundOn = 1); with wait,
// returns when the sound has ended.
void playWave(const SharedState& state, SoundPlayer& sounds, std::string_view file, bool wait);

// The wave file of a cue: 1 "hey.wav", 2 "ooh.wav", 3 "pato.wav", 4 "tic.wav"; any other
// value has no sound (empty result).
std::string_view cueSoundFile(int soundCue);

// Plays the current cue (soundCue) and waits for it to end; nothing for a cue without sound
// or with the sounds off.
void playCueSound(const SharedState& state, SoundPlayer& sounds);

}  // namespace numeralia
