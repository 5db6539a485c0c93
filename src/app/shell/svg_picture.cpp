#include "app/shell/svg_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace numeralia::app {

SvgPicture::SvgPicture(const QString& resource, QSize size, QWidget* parent)
    : QWidget(parent), size_(size) {
    setFixedSize(size);
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
}

void SvgPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace numeralia::app
