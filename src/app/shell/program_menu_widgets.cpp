#include "app/shell/program_menu_widgets.h"

#include <QLinearGradient>
#include <QPainter>

namespace numeralia::app {

namespace {
const QColor kNavy(0x1d, 0x35, 0x57);
const QColor kBlue(0x2a, 0x6f, 0x97);
const QColor kBorder(0xcb, 0xd5, 0xe1);

void roundedBox(QPainter& p, const QRectF& r, const QColor& fill, const QColor& border, qreal radius) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}
}  // namespace

void TitleBand::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient band(0, 0, width(), 0);
    band.setColorAt(0, kNavy);
    band.setColorAt(1, kBlue);
    p.fillRect(rect(), band);
}

void RoundedPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    roundedBox(p, rect(), QColor(0xf1, 0xf5, 0xf9), kBorder, 10);
}

PictureButton::PictureButton(QWidget* parent) : QToolButton(parent) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QColor fill = Qt::white;
    QColor border = kBorder;
    QIcon::Mode mode = QIcon::Normal;
    if (!isEnabled()) {
        fill = QColor(0xee, 0xf1, 0xf4);
        border = QColor(0xdd, 0xe3, 0xea);
        mode = QIcon::Disabled;
    } else if (isDown()) {
        fill = QColor(0xc7, 0xe0, 0xf7);
        border = kBlue;
    } else if (underMouse()) {
        fill = QColor(0xe0, 0xef, 0xff);
        border = kBlue;
    }
    roundedBox(p, rect(), fill, border, 10);
    if (hasFocus()) {
        p.setPen(QPen(kBlue, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5), 7, 7);
    }
    QRect picture(QPoint(0, 0), iconSize());
    picture.moveCenter(rect().center());
    icon().paint(&p, picture, Qt::AlignCenter, mode);
}

}  // namespace numeralia::app
