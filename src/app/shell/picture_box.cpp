#include "app/shell/picture_box.h"

#include <QMouseEvent>

namespace numeralia::app {

PictureBox::PictureBox(QSize size, QWidget* parent) : QWidget(parent), size_(size) {
    setFixedSize(size);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace numeralia::app
