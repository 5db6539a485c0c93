#pragma once
// Screen readers: every button of a window gets an accessible name that says in words what
// it does, and a description with its keyboard shortcut (core/shell/accessible_text.h says
// how both come from the tool tip and the caption); every display, field and list with a
// tool tip is named after it. The names follow later changes of the tool tips. A name or
// description the window sets itself with setAccessibleTexts is kept.

#include <QString>

class QWidget;

namespace numeralia::app {

// Names the buttons, displays, fields and lists of the window and its later descendants
// (they are looked at again whenever the window is shown). Calling it again does no harm.
void makeAccessible(QWidget* window);

// A name and a description chosen by the window itself (a picture key, a display whose tool
// tip does not say what it is); makeAccessible leaves them as they are.
void setAccessibleTexts(QWidget* widget, const QString& name, const QString& description = {});

}  // namespace numeralia::app
