#pragma once
// Requests from outside to end the program (the desktop session ends, `kill`, Ctrl+C in a
// terminal) close the Program menu as its close box does: the settings file is written and
// every window is closed. On Unix these are SIGTERM, SIGINT and SIGHUP; a second request
// ends the program at once. Elsewhere both calls do nothing.

class QWidget;

namespace numeralia::app {

// Catches the requests from now on; call it first thing in main(). Requests that arrive
// before closeOnTerminationRequest are kept for it.
void catchTerminationRequests();

// A request closes `window`; a modal dialog that is open is closed first, as Escape would.
void closeOnTerminationRequest(QWidget* window);

}  // namespace numeralia::app
