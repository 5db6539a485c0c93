#include "app/shell/font_warmup.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <dlfcn.h>

#include <thread>
#endif

namespace numeralia::app {

void startFontWarmUp() {
#if defined(Q_OS_LINUX)
    // Qt reads its fonts through fontconfig, which the Qt libraries have already loaded. Its
    // set-up is thread-safe, and Qt finds it done when it first needs a font.
    using Init = int (*)();
    if (auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        std::thread([init] { init(); }).detach();
#endif
}

}  // namespace numeralia::app
