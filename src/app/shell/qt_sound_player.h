#pragma once
// Plays the wave files of the program folder with Qt Multimedia.

#include <QObject>

#include "core/shell/platform.h"
#include "core/shell/shared_state.h"

namespace numeralia::app {

class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    // Reads programFolder from the state at each call.
    explicit QtSoundPlayer(const SharedState& state, QObject* parent = nullptr);

    // Without wait the sound plays in the background. With wait, the call returns when the
    // sound has ended; meanwhile the windows keep being painted, and clicks and keys are held
    // back until then. A missing file or a machine without sound output plays nothing, and
    // waiting never lasts much longer than the file plays.
    void playWave(const std::string& file, bool wait) override;

private:
    void play(const std::string& file, bool wait);

    const SharedState& state_;
};

// How long a wave file plays, from its header, in milliseconds; 0 if it is not a wave file.
int waveDurationMs(const QString& path);

}  // namespace numeralia::app
