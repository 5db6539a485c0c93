#include "app/chem/element_grid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "app/chem/bgr_colour.h"
#include "app/shell/qt_text.h"
#include "core/chem/element_search.h"

namespace numeralia::app {

namespace {

// Layout rows: the column numbers, the seven periods, a gap, lanthanides and actinides.
int layoutRow(int gridRow) { return gridRow < 7 ? gridRow + 1 : gridRow + 2; }

}  // namespace

ElementKey::ElementKey(int z, int side, QWidget* parent) : QAbstractButton(parent), z_(z), side_(side) {
    setObjectName(QStringLiteral("elemento%1").arg(z));
    setText(qs(chem::element(z).symbol));
    setToolTip(qs(chem::keyToolTip(z)));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(side, side);
    setAttribute(Qt::WA_Hover);
}

QSize ElementKey::sizeHint() const { return {side_, side_}; }

void ElementKey::setShown(bool shown) {
    if (shown == shown_) return;
    shown_ = shown;
    update();
}

void ElementKey::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const chem::KeyFace face = chem::keyFace(z_);
    QColor fill = bgrColour(chem::keyFaceColour(face));
    if (isDown()) fill = fill.darker(118);
    else if (underMouse()) fill = fill.lighter(106);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double round = side_ / 9.0;
    QColor border = fill.darker(150);
    double borderWidth = 1;
    if (shown_) {
        border = QColor(0x1d, 0x35, 0x57);
        borderWidth = 2.5;
    }
    if (hasFocus()) {
        border = QColor(0x2a, 0x6f, 0x97);
        borderWidth = 3;
    }
    painter.setPen(QPen(border, borderWidth));
    painter.setBrush(fill);
    painter.drawRoundedRect(box.adjusted(borderWidth / 2, borderWidth / 2, -borderWidth / 2,
                                         -borderWidth / 2),
                            round, round);

    QFont number = font();
    number.setPointSizeF(font().pointSizeF() * 0.62);
    painter.setFont(number);
    painter.setPen(QColor(0x33, 0x33, 0x33));
    painter.drawText(box.adjusted(side_ * 0.1, side_ * 0.04, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(z_));

    QFont symbol = font();
    symbol.setBold(true);
    symbol.setPointSizeF(font().pointSizeF() * 1.12);
    symbol.setItalic(chem::isArtificial(z_));
    symbol.setUnderline(chem::isUnderlinedLiquid(z_));
    painter.setFont(symbol);
    painter.setPen(Qt::black);
    painter.drawText(box.adjusted(0, side_ * 0.16, 0, 0), Qt::AlignCenter, text());
}

void ElementKey::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            emit arrowPressed(event->key());
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            click();
            return;
        default: QAbstractButton::keyPressEvent(event);
    }
}

ElementGrid::ElementGrid(QWidget* parent) : QWidget(parent) {
    side_ = fontMetrics().height() * 2 + 6;
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setSpacing(2);
    for (int c = 0; c < chem::kGridColumns; ++c) {
        auto* number = new QLabel(QString::number(c + 1));
        number->setAlignment(Qt::AlignCenter);
        number->setStyleSheet(QStringLiteral("QLabel { color: #264653; font-weight: bold; }"));
        grid_->addWidget(number, 0, c);
    }
    grid_->setRowMinimumHeight(8, side_ / 3);
    const char* labels[2] = {"Lantánidos", "Actínidos"};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(QString::fromUtf8(labels[i]));
        label->setObjectName(i == 0 ? QStringLiteral("lantanidos") : QStringLiteral("actinidos"));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setStyleSheet(QStringLiteral("QLabel { color: #264653; padding-right: 6px; }"));
        grid_->addWidget(label, layoutRow(7 + i), 0, 1, 3);
    }
    for (int z = 1; z <= chem::kElementCount; ++z) {
        auto* key = new ElementKey(z, side_);
        keys_[static_cast<std::size_t>(z)] = key;
        const chem::GridPlace place = chem::gridPlace(z);
        grid_->addWidget(key, layoutRow(place.row), place.column);
        connect(key, &ElementKey::clicked, this, [this, z] { emit elementClicked(z); });
        connect(key, &ElementKey::arrowPressed, this, [this, z](int arrow) {
            const chem::Direction direction = arrow == Qt::Key_Left    ? chem::Direction::Left
                                              : arrow == Qt::Key_Right ? chem::Direction::Right
                                              : arrow == Qt::Key_Up    ? chem::Direction::Up
                                                                       : chem::Direction::Down;
            focusElement(chem::neighbour(z, direction));
        });
    }
}

void ElementGrid::setCentrePiece(QWidget* widget) {
    grid_->addWidget(widget, layoutRow(0), 2, 3, 10);
}

void ElementGrid::setShownElement(int z) {
    for (int i = 1; i <= chem::kElementCount; ++i) key(i)->setShown(i == z);
}

void ElementGrid::focusElement(int z) {
    if (chem::isElement(z)) key(z)->setFocus(Qt::OtherFocusReason);
}

QWidget* makeElementLegend(int chipSide) {
    auto* legend = new QWidget;
    legend->setObjectName(QStringLiteral("leyenda"));
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    for (chem::KeyFace face : {chem::KeyFace::NonMetal, chem::KeyFace::NobleGas,
                               chem::KeyFace::Semimetal, chem::KeyFace::Metal}) {
        auto* chip = new QLabel;
        chip->setFixedSize(chipSide, chipSide);
        chip->setStyleSheet(QStringLiteral("QLabel { background: %1; border: 1px solid %2;"
                                           " border-radius: 3px; }")
                                .arg(bgrColour(chem::keyFaceColour(face)).name(),
                                     bgrColour(chem::keyFaceColour(face)).darker(150).name()));
        const std::string_view caption = chem::keyFaceCaption(face);
        row->addWidget(chip);
        row->addWidget(new QLabel(qs(caption)));
        row->addSpacing(chipSide / 2);
    }
    auto* italic = new QLabel(QStringLiteral("Cursiva: Artificiales"));
    QFont font = italic->font();
    font.setItalic(true);
    italic->setFont(font);
    auto* underlined = new QLabel(QStringLiteral("Subrayado: Líquidos"));
    font.setItalic(false);
    font.setUnderline(true);
    underlined->setFont(font);
    row->addWidget(italic);
    row->addSpacing(chipSide / 2);
    row->addWidget(underlined);
    row->addStretch(1);
    return legend;
}

}  // namespace numeralia::app
