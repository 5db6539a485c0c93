#include "app/shell/about_logo.h"

#include "app/shell/accessibility.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_registry.h"

namespace numeralia::app {

SvgPicture* aboutLogo(WindowRegistry& windows, const QString& objectName, QSize size,
                      const QString& toolTip, const QString& resource, QWidget* parent) {
    auto* logo = new SvgPicture(resource, size, parent);
    logo->setObjectName(objectName);
    logo->setToolTip(toolTip);
    logo->setCursor(Qt::PointingHandCursor);
    logo->setFocusPolicy(Qt::TabFocus);
    setAccessibleTexts(logo, QStringLiteral("Acerca de Numeralia"));
    // A program without the About window (a look-at program, a test) shows nothing.
    QObject::connect(logo, &SvgPicture::clicked, logo, [&windows] { windows.show(WindowId::About); });
    return logo;
}

}  // namespace numeralia::app
