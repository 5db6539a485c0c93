// The statistics of the Scientific window: the grey data displays and the count display
// follow the keys, the window with the solvers' planned panel still fits a 1024 × 768
// screen, the chart window opens, draws and follows the data, and the printout reaches a
// PDF whose text (read back with pdftotext) holds the data table on every page and the
// results.

#include <QBarSet>
#include <QBarSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScatterSeries>
#include <QStackedWidget>

#include <functional>

#include "app/calc/blue_display_view.h"
#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/scientific_window.h"
#include "app/calc/solver_panel.h"
#include "app/calc/statistics_chart_window.h"
#include "app/calc/statistics_panel.h"
#include "core/calc/key_catalog.h"
#include "calc_window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;
using calc::KeyId;

namespace {

// The values of the first bar set of a chart, or of its scatter points' y.
QList<qreal> bars(QChartView* view) {
    for (QAbstractSeries* s : view->chart()->series()) {
        if (auto* series = qobject_cast<QBarSeries*>(s)) {
            QList<qreal> values;
            for (int i = 0; i < series->barSets().front()->count(); ++i)
                values << series->barSets().front()->at(i);
            return values;
        }
    }
    return {};
}

int scatterPoints(QChartView* view) {
    for (QAbstractSeries* s : view->chart()->series())
        if (auto* series = qobject_cast<QScatterSeries*>(s)) return series->count();
    return -1;
}

qreal total(const QList<qreal>& values) {
    qreal sum = 0;
    for (qreal v : values) sum += v;
    return sum;
}

}  // namespace

class StatisticsWindowTest : public CalcWindowTest<ScientificWindow> {
    Q_OBJECT

    StatisticsPanel& panel() const { return window->statistics(); }
    // Types each number and enters it with "«  X" (or "Y  »").
    void enter(const QStringList& numbers, KeyId entry) {
        for (const QString& n : numbers) {
            type(n);
            click(entry);
        }
    }

  private slots:
    void init() { openWindow(); }
    void cleanup() { window.reset(); }

    void keysDisplaysAndTipsFollowTheModel() {
        QCOMPARE(key(KeyId::statEnterX)->text(), QStringLiteral("«  X"));
        QCOMPARE(key(KeyId::statSumX)->text(), QStringLiteral("Σ x"));
        QCOMPARE(key(KeyId::statSampleDeviationY)->text(), QStringLiteral("σ y n-1"));
        QCOMPARE(key(KeyId::statEnterY)->toolTip(),
                 QStringLiteral("Introducción Datos estadísticos Y/Frecuencias.  {Y}"));
        QCOMPARE(panel().dataX->toolTip(), QStringLiteral("Pantalla auxiliar de Datos Gris"));
        QCOMPARE(panel().num->toolTip(), QStringLiteral("Número de Datos Estadísticos almacenados"));
        // Every caption fits its key.
        for (const KeySlot& slot : statisticsPanelLayout()) {
            QPushButton* b = key(slot.id);
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) + 4 <= b->width(),
                     calc::keyInfo(slot.id).name.data());
        }

        type(QStringLiteral("2,1"));
        click(KeyId::statEnterX);
        type(QStringLiteral("7x3y"));  // x and y type the entry keys
        QCOMPARE(lines(panel().dataX), QStringList({"1)    2,1", "2)    7"}));
        QCOMPARE(lines(panel().dataY), QStringList({"1)    3"}));
        QCOMPARE(panel().num->text(), QStringLiteral("2"));
        QCOMPARE(window->displays().func->text(), QStringLiteral("Estad  Y1"));
        QCOMPARE(QApplication::focusWidget(), key(KeyId::equals));
        // Clicking a line of a data display leaves the focus on "=".
        QTest::mouseClick(panel().dataX->viewport(), Qt::LeftButton, {},
                          panel().dataX->visualItemRect(panel().dataX->item(0)).center());
        QCOMPARE(QApplication::focusWidget(), key(KeyId::equals));

        type(QStringLiteral("1"));
        click(KeyId::statDeleteEntry);
        QCOMPARE(lines(panel().dataX), QStringList({"1)    7"}));
        QVERIFY(lines(panel().dataY).isEmpty());
        QCOMPARE(panel().num->text(), QStringLiteral("1"));
        click(KeyId::statClear);
        QCOMPARE(panel().dataX->count(), 0);
        QCOMPARE(panel().num->text(), QStringLiteral("0"));
    }

    // With the equation solvers in their place under the statistics, their keys and the
    // blue display shown, the window still fits a 1024 × 768 screen (its frame and title
    // bar included) and no two keys overlap.
    void fitsTheScreenWithTheSolversPanel() {
        // The size the window asks for (the platform may give a window less than its size
        // hint on a small screen, never less than its minimum).
        const auto fits = [this] {
            QCoreApplication::processEvents();
            const QSize size = window->sizeHint().expandedTo(window->minimumSizeHint());
            return size.width() <= 1010 && size.height() <= 730;
        };
        const auto shown = [this] {
            const QSize size = window->sizeHint();
            return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()).toUtf8();
        };
        QVERIFY2(fits(), shown().constData());
        for (KeyId id : {KeyId::digit1, KeyId::complexRectangular, KeyId::digit2,
                         KeyId::complexRectangular})
            click(id);
        QVERIFY(window->solvers().blueDisplay()->isVisible());
        QVERIFY2(fits(), shown().constData());
        window->resize(window->sizeHint());
        QCoreApplication::processEvents();
        // The grey data displays keep room for five lines at least, the blue display for
        // its three lines.
        QVERIFY(panel().dataX->height() >= 5 * panel().dataX->fontMetrics().lineSpacing());
        const QListWidget* polar = window->solvers().blueDisplay()->polar;
        QVERIFY(polar->height() >= 3 * polar->fontMetrics().lineSpacing());
        QList<QRect> placed;
        for (const calc::KeyInfo& info : calc::allKeys()) {
            if (QPushButton* b = key(info.id); b && b->isVisible())
                placed << QRect(b->mapTo(window.get(), QPoint(0, 0)), b->size());
        }
        for (qsizetype i = 0; i < placed.size(); ++i)
            for (qsizetype j = i + 1; j < placed.size(); ++j) QVERIFY(!placed[i].intersects(placed[j]));
    }

    // The chart and the data displays follow every change of the lists (an entry, a
    // deletion, a file read, a clearing) and are not drawn again for keys that leave the
    // lists alone: a chart drawn again is a new QChart.
    void chartRedrawsOnlyWhenTheListsChange() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("datos.dat"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("NUMERALIA ESTADISTICA 1\n1\t4\n2\t5\n3\t-\n4\t-\nFIN\n");
        out.close();
        findAction(window.get(), QStringLiteral("Gráfico-EST."))->trigger();
        StatisticsChartWindow* chart = window->chart();
        enter({"1", "2"}, KeyId::statEnterX);

        struct Row {
            const char* step;
            std::function<void()> act;
            bool redrawn;
            int entries;  // X entries the chart counts and the X data display lists
        };
        const Row rows[] = {
            {"digits", [&] { type(QStringLiteral("57")); }, false, 2},
            {"sum", [&] { click(KeyId::plus); click(KeyId::digit3); click(KeyId::equals); }, false, 2},
            {"mean", [&] { click(KeyId::statMeanX); }, false, 2},
            {"entry", [&] { type(QStringLiteral("9")); click(KeyId::statEnterX); }, true, 3},
            {"deletion", [&] { type(QStringLiteral("1")); click(KeyId::statDeleteEntry); }, true, 2},
            {"file",
             [&] {
                 p.files.paths = {file.toStdString()};
                 findAction(window.get(), QStringLiteral("Abrir Est."))->trigger();
             },
             true, 4},
            {"digit after the file", [&] { type(QStringLiteral("8")); }, false, 4},
            {"clearing", [&] { click(KeyId::statClear); }, true, 0},
        };
        for (const Row& row : rows) {
            const QChart* before = chart->view(0)->chart();
            const bool wasEmpty = chart->showsNoData();
            row.act();
            QVERIFY2(chart->isVisible(), row.step);
            QCOMPARE(panel().dataX->count(), row.entries);
            if (row.entries == 0) {
                QVERIFY2(chart->showsNoData() != wasEmpty, row.step);
                continue;
            }
            QVERIFY2((chart->view(0)->chart() != before) == row.redrawn, row.step);
            QVERIFY2(total(bars(chart->view(0))) == row.entries, row.step);
        }
    }

    void chartOpensDrawsAndFollowsTheData() {
        findAction(window.get(), QStringLiteral("Gráfico-EST."))->trigger();
        StatisticsChartWindow* chart = window->chart();
        QVERIFY(chart && chart->isVisible());
        QVERIFY(chart->showsNoData());  // no empty axes without data

        enter({"10", "8", "13", "9", "11", "14", "6", "4", "12", "7", "5"}, KeyId::statEnterX);
        enter({"8,04", "6,95", "7,58", "8,81", "8,33", "9,96", "7,24", "4,26", "10,84", "4,82",
               "5,68"},
              KeyId::statEnterY);
        QVERIFY(!chart->showsNoData());
        QCOMPARE(total(bars(chart->view(0))), 11.0);
        QCOMPARE(total(bars(chart->view(1))), 11.0);
        QCOMPARE(scatterPoints(chart->view(2)), 11);
        QVERIFY2(chart->view(2)->chart()->title().contains(QStringLiteral("y = 0,5000909·x + 3,000091")),
                 qPrintable(chart->view(2)->chart()->title()));
        QVERIFY(chart->view(2)->chart()->title().contains(QStringLiteral("r² = 0,6665425")));

        // A new entry is drawn at once.
        type(QStringLiteral("15"));
        click(KeyId::statEnterX);
        QCOMPARE(total(bars(chart->view(0))), 12.0);
        QVERIFY(chart->view(2)->chart()->title().contains(QStringLiteral("no coinciden")));
        QCOMPARE(scatterPoints(chart->view(2)), 11);

        // X with its frequencies, as the second chart.
        click(KeyId::statClear);
        QVERIFY(chart->showsNoData());
        enter({"1", "2", "3"}, KeyId::statEnterX);
        enter({"4", "0", "2"}, KeyId::statEnterY);
        chart->secondChoice()->setCurrentIndex(1);
        QCOMPARE(bars(chart->view(1)), QList<qreal>({4, 0, 2}));

        QTemporaryDir folder;
        for (const char* name : {"grafico.png", "grafico.svg"}) {
            const QString path = folder.filePath(QString::fromLatin1(name));
            QVERIFY(chart->savePicture(path));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray head = file.read(400);
            QVERIFY2(path.endsWith(".svg") ? head.contains("<svg") : head.startsWith("\x89PNG"), name);
        }
        // Saved through the dialog: a name typed without an extension is a PNG.
        p.files.paths = {folder.filePath(QStringLiteral("sin-error.png")).toStdString()};
        chart->findChild<QPushButton*>(QStringLiteral("savePicture"))->click();
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("sin-error.png"))).size() > 1000);
        QVERIFY(p.dialogs.messages.empty());
    }

    void printoutReachesAPdfWithTheTableOnEveryPage() {
        PdfFolder pdf;
        QStringList xs, ys;
        for (int k = 1; k <= 120; ++k) {
            xs << QString::number(1000000000 + k);
            if (k <= 118) ys << QString::number(2 * k) + QStringLiteral(",5");
        }
        enter(xs, KeyId::statEnterX);
        enter(ys, KeyId::statEnterY);
        findAction(window.get(), QStringLiteral("Estadística"))->trigger();
        const QString text = pdf.text();
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
        QVERIFY(text.contains(QStringLiteral("Numeralia - Estadística")));
        QVERIFY(text.contains(QStringLiteral("1000000001")));
        QVERIFY(text.contains(QStringLiteral("1000000120")));
        QVERIFY(text.contains(QStringLiteral("236,5")));
        // The heading of the table on every page that holds rows of it.
        const QRegularExpression row(QStringLiteral("(^|\\n)\\s*\\d+\\s+1000000\\d\\d\\d\\s"));
        const QRegularExpression heading(QStringLiteral("Nº\\s+X\\s+Y"));
        int pagesWithRows = 0;
        for (const QString& page : pages) {
            if (!page.contains(row)) continue;
            ++pagesWithRows;
            QVERIFY2(page.contains(heading), qPrintable(page.left(300)));
        }
        QVERIFY(pagesWithRows >= 2);
        QVERIFY(text.contains(QStringLiteral("Media de X (X m)")));
        QVERIFY(text.contains(QStringLiteral("1000000060,5")));  // the mean of X
        QVERIFY(text.contains(QStringLiteral("34,6398133174338")));  // σ x n of 1..120
        QVERIFY(text.contains(QStringLiteral("los datos no coinciden")));  // 120 X, 118 Y
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "statistics_window_test.moc"
