#pragma once

#include "app/shell/app_context.h"

namespace numeralia::app {

// Tells the registry how to create each window of the program.
void registerWindows(AppContext& context);

}  // namespace numeralia::app
