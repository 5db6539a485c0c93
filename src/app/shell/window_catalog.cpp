#include "app/shell/window_catalog.h"

#include "app/calc/preferences_window.h"

// One line per window; a window that is not listed here keeps its buttons and menu entries
// disabled.

namespace numeralia::app {

void registerWindows(AppContext& context) {
    WindowRegistry& windows = context.windows;
    (void)windows;
    windows.registerWindow(WindowId::Preferences, [&context] { return new PreferencesWindow(context); });
}

}  // namespace numeralia::app
