#pragma once
// What every window of the program is handed when it is created.

#include "app/shell/window_registry.h"
#include "core/shell/platform.h"
#include "core/shell/shared_state.h"

namespace numeralia::app {

struct AppContext {
    SharedState& state;
    SoundPlayer& sounds;
    Dialogs& dialogs;
    WindowRegistry& windows;
    FileDialogs& files;
};

}  // namespace numeralia::app
