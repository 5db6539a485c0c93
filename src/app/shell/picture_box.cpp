#include "app/shell/picture_box.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace numeralia::app {

PictureBox::PictureBox(QSize size, QWidget* parent) : QWidget(parent), size_(size) {
    setFixedSize(size);
}

bool PictureBox::isClickable() const {
    return isSignalConnected(QMetaMethod::fromSignal(&PictureBox::clicked));
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::paintFocusFrame(QPainter& painter) const {
    if (!hasFocus()) return;
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace numeralia::app
