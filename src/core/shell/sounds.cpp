#include "core/shell/sounds.h"

#include <string>

namespace numeralia {

void playWave(const SharedState& state, SoundPlayer& sounds, std::string_view file, bool wait) {
    if (state.soundOn != 1 || file.empty()) return;
    sounds.playWave(std::string(file), wait);
}

std::string_view cueSoundFile(int soundCue) {
    switch (soundCue) {
        case 1: return "hey.wav";
        case 2: return "ooh.wav";
        case 3: return "pato.wav";
        case 4: return "tic.wav";
        default: return {};
    }
}

void playCueSound(const SharedState& state, SoundPlayer& sounds) {
    playWave(state, sounds, cueSoundFile(state.soundCue), true);
}

}  // namespace numeralia
