#pragma once
// What every window of the program follows: a screen reader can use it (accessibility.h)
// and no caption is cut (caption_fit.h). The window registry applies it to every window it
// creates; a window or dialog made outside the registry (a sub-window of a window, the
// solver and alarm dialogs, the ringing box) is prepared by the code that makes it.

class QWidget;

namespace numeralia::app {

void prepareWindow(QWidget* window);

}  // namespace numeralia::app
