#pragma once

namespace numeralia::app {

// Starts reading the system's font configuration on a second thread, so that it overlaps
// with the connection to the display. Call it first thing in main(). Where fonts are not
// read through fontconfig, it does nothing.
void startFontWarmUp();

}  // namespace numeralia::app
