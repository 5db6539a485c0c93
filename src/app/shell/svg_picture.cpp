#include "app/shell/svg_picture.h"

#include <QPainter>

namespace numeralia::app {

SvgPicture::SvgPicture(const QString& resource, QSize size, QWidget* parent)
    : PictureBox(size, parent) {
    setSource(resource);
}

void SvgPicture::setSource(const QString& resource) {
    if (resource == source_) return;
    source_ = resource;
    renderer_.load(resource);
    update();
}

void SvgPicture::paintEvent(QPaintEvent*) {
    if (!renderer_.isValid()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Keep the picture's proportions, centred in the widget.
    QSizeF picture = renderer_.defaultSize();
    picture.scale(QSizeF(size()), Qt::KeepAspectRatio);
    const QPointF corner((width() - picture.width()) / 2, (height() - picture.height()) / 2);
    renderer_.render(&painter, QRectF(corner, picture));
    paintFocusFrame(painter);
}

}  // namespace numeralia::app
