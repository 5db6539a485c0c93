#include "app/lotto/lottery_grid.h"

#include <QGridLayout>
#include <QPainter>

#include "core/lotto/lotto_model.h"

namespace numeralia::app {

namespace {

// Colours of the cells (0x00BBGGRR values 0xC0E0FF, 0x00C512 and 0xFF0000).
const QColor kFree(0xFF, 0xE0, 0xC0);
const QColor kMarked(0x12, 0xC5, 0x00);
const QColor kNumber(0x00, 0x00, 0xFF);
const QColor kBorder(0xB0, 0x8C, 0x68);
const QColor kMarkedBorder(0x0B, 0x7A, 0x00);

}  // namespace

LotteryCell::LotteryCell(int number, QWidget* parent) : QAbstractButton(parent) {
    setText(QString::number(number));
    setObjectName(QStringLiteral("numero_%1").arg(number));
    setFocusPolicy(Qt::NoFocus);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    setFont(bold);
    setAttribute(Qt::WA_Hover);
}

void LotteryCell::setClickable(bool clickable) {
    if (clickable == clickable_) return;
    clickable_ = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void LotteryCell::setMarked(bool marked) {
    if (marked == marked_) return;
    marked_ = marked;
    update();
}

QSize LotteryCell::sizeHint() const {
    const int side = fontMetrics().height() * 2 + 4;
    return {side, side};
}

void LotteryCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    QColor fill = marked_ ? kMarked : kFree;
    if (clickable_ && underMouse()) fill = fill.lighter(108);
    if (clickable_ && isDown()) fill = fill.darker(110);
    painter.setPen(QPen(marked_ ? kMarkedBorder : kBorder, 1.2));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 4, 4);
    painter.setPen(kNumber);
    painter.drawText(box, Qt::AlignCenter, text());
}

LotteryGrid::LotteryGrid(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    for (int index = 0; index < lotto::kNumbers; ++index) {
        auto* cell = new LotteryCell(index + 1);
        cells_[static_cast<std::size_t>(index)] = cell;
        layout->addWidget(cell, index % 7, index / 7);
        connect(cell, &QAbstractButton::clicked, this, [this, index] { emit cellClicked(index); });
    }
}

void LotteryGrid::refresh(const lotto::LottoModel& model) {
    const bool clickable = model.isManual() && !model.running();
    for (int index = 0; index < lotto::kNumbers; ++index) {
        LotteryCell* cell = cells_[static_cast<std::size_t>(index)];
        cell->setMarked(model.isMarked(index));
        cell->setClickable(clickable);
    }
}

}  // namespace numeralia::app
