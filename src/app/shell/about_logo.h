#pragma once
// The picture on a window that opens the About window: the program's logo (or the window's
// own emblem), with a pointing hand, a tool tip and a name for screen readers. It is reached
// with Tab and pressed with Space or Enter, but a click does not take the focus from the
// control that holds it (a calculator keeps it on "=").

#include <QSize>
#include <QString>

class QWidget;

namespace numeralia::app {

class SvgPicture;
class WindowRegistry;

// `objectName` is the name the window's tests and the driver find the picture by.
SvgPicture* aboutLogo(WindowRegistry& windows, const QString& objectName, QSize size,
                      const QString& toolTip = QStringLiteral("Acerca de..."),
                      const QString& resource = QStringLiteral(":/pictures/logo.svg"),
                      QWidget* parent = nullptr);

}  // namespace numeralia::app
