#include "app/shell/program_menu_widgets.h"

#include <QLinearGradient>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

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

PictureButton::PictureButton(const QString& picture, QWidget* parent)
    : QToolButton(parent), picture_(picture) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

const QImage& PictureButton::greyPicture(qreal pixelRatio) {
    const QSize pixels = iconSize() * pixelRatio;
    if (grey_.size() != pixels) {
        grey_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        grey_.fill(Qt::transparent);
        QPainter p(&grey_);
        p.setRenderHint(QPainter::Antialiasing);
        picture_.render(&p);
        p.end();
        for (int y = 0; y < grey_.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(grey_.scanLine(y));
            for (int x = 0; x < grey_.width(); ++x) {
                const int g = qGray(line[x]);
                line[x] = qRgba(g, g, g, qAlpha(line[x]));
            }
        }
        grey_.setDevicePixelRatio(pixelRatio);
    }
    return grey_;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QColor fill = Qt::white;
    QColor border = kBorder;
    if (!isEnabled()) {
        fill = QColor(0xee, 0xf1, 0xf4);
        border = QColor(0xdd, 0xe3, 0xea);
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
    QRectF picture(QPointF(0, 0), QSizeF(iconSize()));
    picture.moveCenter(QRectF(rect()).center());
    if (isEnabled()) {
        picture_.render(&p, picture);
    } else {
        p.setOpacity(0.55);
        p.drawImage(picture, greyPicture(devicePixelRatioF()));
    }
}

QIcon programIcon() {
    QSvgRenderer svg(QStringLiteral(":/pictures/icon.svg"));
    QIcon icon;
    for (int side : {16, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace numeralia::app
