#include "app/shell/window_rules.h"

#include "app/shell/accessibility.h"
#include "app/shell/caption_fit.h"

namespace numeralia::app {

void prepareWindow(QWidget* window) {
    makeAccessible(window);
    fitCaptions(window);
}

}  // namespace numeralia::app
