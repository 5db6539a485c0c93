#include "app/chem/ionic_character_window.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include "app/shell/about_logo.h"
#include "app/shell/svg_picture.h"
#include "core/chem/ionic_character.h"
#include "app/shell/qt_text.h"

namespace numeralia::app {

namespace {

// The two pairs of rows of figures in a grid of lines, each figure under its difference.
QWidget* figureTable() {
    auto* table = new QWidget;
    table->setObjectName(QStringLiteral("tabla"));
    table->setStyleSheet(QStringLiteral(
        "QWidget#tabla { background: white; }"
        "QLabel { border-right: 1px solid #9aa5b1; border-bottom: 1px solid #9aa5b1;"
        " padding: 3px 6px; qproperty-alignment: AlignCenter; }"
        "QLabel[axis=\"true\"] { qproperty-alignment: 'AlignLeft | AlignVCenter';"
        " font-weight: bold; color: #1d3557; background: #eef2f6; }"
        "QLabel[difference=\"true\"] { background: #f6f8fa; }"));
    auto* grid = new QGridLayout(table);
    grid->setContentsMargins(1, 1, 0, 0);
    grid->setSpacing(0);
    const auto& rows = chem::ionicCharacterRows();
    for (int r = 0; r < 4; ++r) {
        auto* caption = new QLabel(qs(r % 2 == 0 ? chem::kIonicDifferenceAxis : chem::kIonicPercentAxis));
        caption->setProperty("axis", true);
        grid->addWidget(caption, r, 0);
        // The figures of the written row, one per cell.
        const QStringList figures =
            qs(rows[static_cast<std::size_t>(r)]).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int c = 0; c < figures.size(); ++c) {
            auto* figure = new QLabel(figures[c]);
            figure->setObjectName(QStringLiteral("fila%1_%2").arg(r).arg(c));
            figure->setProperty("difference", r % 2 == 0);
            grid->addWidget(figure, r, c + 1);
        }
    }
    return table;
}

QWidget* curve() {
    auto* line = new QLineSeries;
    auto* points = new QScatterSeries;
    points->setMarkerSize(6);
    for (const chem::IonicPoint& p : chem::ionicCharacterTable()) {
        line->append(p.difference, p.percent);
        points->append(p.difference, p.percent);
    }
    line->setPen(QPen(QColor(0x2a, 0x6f, 0x97), 2));
    points->setColor(QColor(0xe7, 0x6f, 0x51));
    points->setBorderColor(QColor(0xe7, 0x6f, 0x51));
    auto* chart = new QChart;
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    chart->addSeries(line);
    chart->addSeries(points);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* x = new QValueAxis;
    x->setRange(0, 3.2);
    x->setTickCount(9);
    x->setLabelFormat(QStringLiteral("%.1f"));
    x->setTitleText(QStringLiteral("Diferencia de electronegatividad"));
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setTickCount(6);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(QStringLiteral("Carácter iónico (%)"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(line), static_cast<QAbstractSeries*>(points)}) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    auto* view = new QChartView(chart);
    view->setObjectName(QStringLiteral("curva"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(view->fontMetrics().height() * 20);
    return view;
}

}  // namespace

IonicCharacterWindow::IonicCharacterWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Ionic"));
    setWindowTitle(qs(chem::kIonicCaption));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/periodic_table.svg")));
    SvgPicture* logo = aboutLogo(context.windows, QStringLiteral("logo"), QSize(40, 40));
    auto* title = new QLabel(qs(chem::kIonicCaption));
    title->setStyleSheet(QStringLiteral("QLabel { font-size: 13pt; font-weight: bold; color: #1d3557; }"));
    auto* head = new QHBoxLayout;
    head->addWidget(logo);
    head->addWidget(title, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addLayout(head);
    layout->addWidget(figureTable());
    layout->addWidget(curve(), 1);
    // A fixed window: it opens at the size its contents need and keeps it.
    setFixedSize(sizeHint());
}

}  // namespace numeralia::app
