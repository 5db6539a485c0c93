#pragma once

class QWidget;

namespace numeralia::app {

// For the start-up benchmark only: when NUMERALIA_STARTUP_PROBE is set, prints the wall
// clock in microseconds since the epoch once the window's first frame has been drawn, then
// ends the process at once. Does nothing otherwise.
void installStartupProbe(QWidget* window);

}  // namespace numeralia::app
