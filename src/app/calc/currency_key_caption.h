#pragma once
// The currency keys show names the user typed in the Preferences window, of any length. A
// key keeps its place in the keypad whatever the name: the caption is elided to the key's
// width (the tool tip still names the currency in full).

#include <QString>

class QPushButton;

namespace numeralia::app {

void setCurrencyCaption(QPushButton* key, const QString& name);

}  // namespace numeralia::app
