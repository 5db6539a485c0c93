#pragma once
// Context menus of displays, fields and tables ("Copiar", "Pegar", ...): opened by a right
// click, or by the Menu key while the widget has the keyboard focus; and the clipboard the
// entries copy to.

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace numeralia::app {

struct MenuEntry {
    QString text;
    std::function<void()> action;
    std::function<bool()> enabled = {};  // always enabled when empty
};

// The widget's context menu offers these entries instead of the platform's own.
void setContextEntries(QWidget* widget, std::vector<MenuEntry> entries);

// Opens the widget's menu at the middle of the widget (the Menu key pressed while another
// widget of the window has the focus). False when the widget has no entries.
bool popUpContextEntries(QWidget* widget);

// Puts the text on the clipboard (and on the selection where the system has one).
void copyToClipboard(const QString& text);

// The text on the clipboard.
QString clipboardText();

}  // namespace numeralia::app
