#include "app/calc/statistics_chart_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/shell/qt_text.h"
#include "app/shell/accessibility.h"
#include "core/calc/statistics_keys.h"
#include "core/calc/statistics_report.h"
#include "core/text/number_text.h"

namespace numeralia::app {

namespace {

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

// Bars with a category each; the value axis counts whole numbers from 0.
QChart* barChart(const QString& title, const QStringList& categories,
                 const std::vector<double>& heights, const QColor& colour) {
    QChart* chart = newChart(title);
    auto* set = new QBarSet(QStringLiteral("Frecuencia"));
    set->setColor(colour);
    for (double h : heights) *set << h;
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.9);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    QFont small = x->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    x->setLabelsFont(small);
    x->setLabelsAngle(categories.size() > 5 ? -40 : 0);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis;
    const double top = heights.empty() ? 1 : *std::max_element(heights.begin(), heights.end());
    y->setRange(0, std::max(1.0, top));
    y->applyNiceNumbers();
    // Whole counts: one tick per unit while they are few.
    if (y->max() <= 10 && top == std::floor(top)) y->setTickCount(static_cast<int>(y->max()) + 1);
    y->setLabelFormat(top == std::floor(top) ? QStringLiteral("%.0f") : QStringLiteral("%.3g"));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    return chart;
}

QChart* distribution(const QString& title, calc::StatData data, const QColor& colour) {
    if (data.empty()) return newChart(title + QStringLiteral(": sin datos"));
    QStringList labels;
    std::vector<double> counts;
    for (const calc::HistogramClass& c : calc::histogram(data)) {
        labels << qs(calc::classLabel(c));
        counts.push_back(c.count);
    }
    return barChart(title + QStringLiteral(" (%1 datos)").arg(data.size()), labels, counts, colour);
}

QChart* withFrequencies(calc::StatData x, calc::StatData n) {
    const QString title = QStringLiteral("X con sus frecuencias (datos Y)");
    if (const calc::MathResult check = calc::weightedMean(x, n); !check.isValue()) {
        QString reason = qs(check.message);
        reason.remove(QStringLiteral("Error: "));
        return newChart(title + QStringLiteral(": ") + reason);
    }
    QStringList labels;
    std::vector<double> heights;
    for (std::size_t k = 0; k < x.size(); ++k) {
        labels << qs(text::generalText(x[k]));
        heights.push_back(n[k]);
    }
    return barChart(title, labels, heights, QColor(0xe9, 0xc4, 0x6a));
}

// The range of the values with a margin, never empty.
std::pair<double, double> padded(calc::StatData v) {
    const auto [low, high] = std::minmax_element(v.begin(), v.end());
    const double span = *high - *low;
    const double margin = span > 0 ? span * 0.08 : std::max(1.0, std::fabs(*low) * 0.1);
    return {*low - margin, *high + margin};
}

QChart* pairs(calc::StatData x, calc::StatData y) {
    const std::size_t n = std::min(x.size(), y.size());
    if (n == 0) return newChart(QStringLiteral("Pares (X, Y): sin pares de datos"));
    const calc::StatData px = x.first(n), py = y.first(n);
    QString title = QStringLiteral("Pares (X, Y)");
    const auto line = x.size() == y.size() ? calc::chartLine(px, py) : std::nullopt;
    if (line) {
        title += QStringLiteral(":   ") + qs(line->equation);
    } else if (x.size() != y.size()) {
        title += QStringLiteral(": los datos no coinciden (%1 X, %2 Y), sin recta de regresión")
                     .arg(x.size())
                     .arg(y.size());
    }
    QChart* chart = newChart(title);
    auto* points = new QScatterSeries;
    points->setMarkerSize(9);
    points->setColor(QColor(0x2a, 0x6f, 0x97));
    for (std::size_t k = 0; k < n; ++k) points->append(px[k], py[k]);
    chart->addSeries(points);
    const auto [x0, x1] = padded(px);
    auto [y0, y1] = padded(py);
    QLineSeries* regression = nullptr;
    if (line) {
        regression = new QLineSeries;
        regression->setColor(QColor(0xe7, 0x6f, 0x51));
        QPen pen = regression->pen();
        pen.setWidth(2);
        regression->setPen(pen);
        regression->append(x0, line->a * x0 + line->b);
        regression->append(x1, line->a * x1 + line->b);
        chart->addSeries(regression);
        y0 = std::min({y0, line->a * x0 + line->b, line->a * x1 + line->b});
        y1 = std::max({y1, line->a * x0 + line->b, line->a * x1 + line->b});
    }
    auto* ax = new QValueAxis;
    ax->setRange(x0, x1);
    ax->setLabelFormat(QStringLiteral("%.6g"));
    auto* ay = new QValueAxis;
    ay->setRange(y0, y1);
    ay->setLabelFormat(QStringLiteral("%.6g"));
    ax->applyNiceNumbers();
    ay->applyNiceNumbers();
    chart->addAxis(ax, Qt::AlignBottom);
    chart->addAxis(ay, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(ax);
        s->attachAxis(ay);
    }
    return chart;
}

}  // namespace

StatisticsChartWindow::StatisticsChartWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
    setWindowTitle(QStringLiteral("Numeralia - Gráfico estadístico"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    setObjectName("statisticsChart");

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Segundo gráfico:"), this));
    second_ = new QComboBox(this);
    second_->setObjectName("secondChart");
    setAccessibleTexts(second_, QStringLiteral("Segundo gráfico"));
    second_->addItems({QStringLiteral("Distribución de los datos Y"),
                       QStringLiteral("X con sus frecuencias (datos Y)")});
    connect(second_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    top->addWidget(second_);
    top->addStretch(1);
    auto* save = new QPushButton(QStringLiteral("Guardar imagen..."), this);
    save->setObjectName("savePicture");
    save->setToolTip(QStringLiteral("Guardar los gráficos como imagen PNG o SVG"));
    connect(save, &QPushButton::clicked, this, &StatisticsChartWindow::choosePicture);
    top->addWidget(save);

    charts_ = new QWidget(this);
    auto* grid = new QGridLayout(charts_);
    grid->setContentsMargins(0, 0, 0, 0);
    const char* names[] = {"xChart", "yChart", "pairsChart"};
    for (int i = 0; i < 3; ++i) {
        views_[i] = new QChartView(newChart(QString()), charts_);
        views_[i]->setObjectName(names[i]);
        views_[i]->setRenderHint(QPainter::Antialiasing);
        views_[i]->setMinimumSize(300, 220);
    }
    grid->addWidget(views_[0], 0, 0);
    grid->addWidget(views_[1], 0, 1);
    grid->addWidget(views_[2], 1, 0, 1, 2);
    grid->setRowStretch(1, 1);

    noData_ = new QLabel(QStringLiteral("No hay datos estadísticos que representar.\n\n"
                                        "Escriba un número y pulse «  X» (tecla X) o «Y  »"
                                        " (tecla Y) para añadirlo a los datos."),
                         this);
    noData_->setObjectName("noData");
    noData_->setAlignment(Qt::AlignCenter);
    noData_->setWordWrap(true);

    pages_ = new QStackedWidget(this);
    pages_->addWidget(noData_);
    pages_->addWidget(charts_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pages_, 1);
    resize(940, 680);
    refresh();
}

void StatisticsChartWindow::setChart(int index, QChart* chart) {
    QChart* old = views_[index]->chart();
    views_[index]->setChart(chart);
    delete old;  // the view does not delete the chart it gives up
}

void StatisticsChartWindow::refresh() {
    const calc::StatData x = calc::statDataX(context_.state);
    const calc::StatData y = calc::statDataY(context_.state);
    const bool empty = x.empty() && y.empty();
    pages_->setCurrentWidget(empty ? static_cast<QWidget*>(noData_) : charts_);
    if (empty) return;
    setChart(0, distribution(QStringLiteral("Distribución de los datos X"), x,
                             QColor(0x2a, 0x9d, 0x8f)));
    setChart(1, second_->currentIndex() == 0
                    ? distribution(QStringLiteral("Distribución de los datos Y"), y,
                                   QColor(0x4f, 0x7f, 0xa8))
                    : withFrequencies(x, y));
    setChart(2, pairs(x, y));
}

bool StatisticsChartWindow::showsNoData() const { return pages_->currentWidget() == noData_; }

bool StatisticsChartWindow::savePicture(const QString& path) {
    QWidget* shown = pages_->currentWidget();
    if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(shown->size());
        svg.setViewBox(QRect(QPoint(0, 0), shown->size()));
        svg.setTitle(windowTitle());
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        shown->render(&painter);
        return painter.end();
    }
    return shown->grab().save(path, "PNG");
}

void StatisticsChartWindow::choosePicture() {
    const auto path =
        context_.files.saveFile("Guardar el gráfico como imagen", "Imagen PNG o SVG", "png svg");
    if (!path) return;
    const QString file = QString::fromStdString(*path);
    if (!savePicture(file)) {
        context_.dialogs.warn("Numeralia - Estadística",
                              "No se ha podido guardar la imagen en\n" + *path);
    }
}

}  // namespace numeralia::app
