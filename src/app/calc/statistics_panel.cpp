#include "app/calc/statistics_panel.h"

#include <QFontDatabase>
#include <QLabel>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"

namespace numeralia::app {

namespace {

using calc::KeyId;
using S = KeySection;
using K = KeyStyle;

constexpr KeySlot kStatisticsPanel[] = {
    // Entry keys on both sides of the count display (columns 4 and 5).
    {KeyId::statEnterX, S::Statistics, 2, 0, K::Operator, 1, 4},
    {KeyId::statEnterY, S::Statistics, 2, 6, K::Operator, 1, 4},
    // One list per row: sum, sum of squares, mean, both deviations.
    {KeyId::statSumX, S::Statistics, 3, 0, K::Vat, 1, 2},
    {KeyId::statSumX2, S::Statistics, 3, 2, K::Vat, 1, 2},
    {KeyId::statMeanX, S::Statistics, 3, 4, K::Vat, 1, 2},
    {KeyId::statDeviationX, S::Statistics, 3, 6, K::Vat, 1, 2},
    {KeyId::statSampleDeviationX, S::Statistics, 3, 8, K::Vat, 1, 2},
    {KeyId::statSumY, S::Statistics, 4, 0, K::Vat, 1, 2},
    {KeyId::statSumY2, S::Statistics, 4, 2, K::Vat, 1, 2},
    {KeyId::statMeanY, S::Statistics, 4, 4, K::Vat, 1, 2},
    {KeyId::statDeviationY, S::Statistics, 4, 6, K::Vat, 1, 2},
    {KeyId::statSampleDeviationY, S::Statistics, 4, 8, K::Vat, 1, 2},
    // Pairs, the count, X with its frequencies, the polygon.
    {KeyId::statSumXY, S::Statistics, 5, 0, K::Function, 1, 2},
    {KeyId::statCount, S::Statistics, 5, 2, K::Function, 1, 2},
    {KeyId::statWeightedMeanX, S::Statistics, 5, 4, K::Memory, 1, 2},
    {KeyId::statWeightedDeviationX, S::Statistics, 5, 6, K::Memory, 1, 2},
    {KeyId::polygonArea, S::Statistics, 5, 8, K::Function, 1, 2},
    // Linear regression.
    {KeyId::statSlope, S::Statistics, 6, 0, K::Function, 1, 2},
    {KeyId::statIntercept, S::Statistics, 6, 2, K::Function, 1, 2},
    {KeyId::statDetermination, S::Statistics, 6, 4, K::Function, 1, 2},
    {KeyId::statEstimateX, S::Statistics, 6, 6, K::Function, 1, 2},
    {KeyId::statEstimateY, S::Statistics, 6, 8, K::Function, 1, 2},
    // Deletion.
    {KeyId::statDeleteEntry, S::Statistics, 7, 0, K::Clear, 1, 5},
    {KeyId::statClear, S::Statistics, 7, 5, K::Clear, 1, 5},
};

QListWidget* dataDisplay(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setToolTip(QStringLiteral("Pantalla auxiliar de Datos Gris"));
    // Clicking a line leaves the keyboard focus on "=".
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setUniformItemSizes(true);
    // The lists take the room the keys leave, not the default size of a list.
    list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    // Numbers in columns: a fixed-width face; five lines show at least.
    QFont face = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    face.setPointSize(9);
    list->setFont(face);
    list->setMinimumHeight(QFontMetrics(face).lineSpacing() * 5 + 10);
    return list;
}

// Shows the lines, touching the list only where they differ; a new last line is scrolled to.
void showLines(QListWidget* list, const std::vector<std::string>& lines) {
    const int count = static_cast<int>(lines.size());
    const bool grown = count > list->count();
    while (list->count() > count) delete list->takeItem(list->count() - 1);
    for (int i = 0; i < count; ++i) {
        const QString line = QString::fromStdString(lines[static_cast<std::size_t>(i)]);
        if (i < list->count()) {
            if (list->item(i)->text() != line) list->item(i)->setText(line);
        } else {
            list->addItem(line);
        }
    }
    if (grown) list->scrollToBottom();
}

}  // namespace

std::span<const KeySlot> statisticsPanelLayout() { return kStatisticsPanel; }

StatisticsPanel::StatisticsPanel(const CalcKeypad& keypad, QWidget* parent)
    : QObject(parent), frame_(keypad.panel(KeySection::Statistics)) {
    QGridLayout* grid = keypad.grid(KeySection::Statistics);
    dataX = dataDisplay("dataX", frame_);
    dataY = dataDisplay("dataY", frame_);
    num = new QLineEdit(QStringLiteral("0"), frame_);
    num->setObjectName("num");
    num->setReadOnly(true);
    num->setFocusPolicy(Qt::NoFocus);
    num->setAlignment(Qt::AlignCenter);
    num->setToolTip(QStringLiteral("Número de Datos Estadísticos almacenados"));
    num->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    num->setMinimumWidth(num->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);

    grid->addWidget(CalcDisplays::caption(QStringLiteral("Datos X"), frame_), 0, 0, 1, 5);
    grid->addWidget(CalcDisplays::caption(QStringLiteral("Datos Y"), frame_), 0, 5, 1, 5);
    grid->addWidget(dataX, 1, 0, 1, 5);
    grid->addWidget(dataY, 1, 5, 1, 5);
    grid->addWidget(num, 2, 4, 1, 2);
    for (int c = 0; c < 10; ++c) grid->setColumnStretch(c, 1);
    grid->setRowStretch(1, 1);  // the data displays take what height is left
}

void StatisticsPanel::refresh(const calc::StatisticsDisplays& shown) {
    showLines(dataX, shown.dataX);
    showLines(dataY, shown.dataY);
    num->setText(QString::fromStdString(shown.num));
}

}  // namespace numeralia::app
