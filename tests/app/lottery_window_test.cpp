#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTimer>

#include "app/lotto/lottery_grid.h"
#include "app/lotto/lottery_printout.h"
#include "app/lotto/lottery_window.h"
#include "app/shell/printing.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_catalog.h"
#include "window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

namespace {

QPushButton* sizeKey(LotteryWindow& w, int n) {
    return child<QPushButton>(&w, QStringLiteral("tecla_%1").arg(n).toLatin1().constData());
}

QString field(LotteryWindow& w, int hits) {
    return child<QLineEdit>(&w, QStringLiteral("probabilidad_%1").arg(hits).toLatin1().constData())
        ->text();
}

QString label(LotteryWindow& w, const char* name) { return child<QLabel>(&w, name)->text(); }

// The numbers whose cells are green.
QList<int> greenCells(LotteryWindow& w) {
    QList<int> numbers;
    for (int i = 0; i < 49; ++i) {
        if (w.grid()->cell(i)->isMarked()) numbers << i + 1;
    }
    return numbers;
}

// The colour a cell is painted with, at its corner.
QColor cellColour(LotteryWindow& w, int number) {
    const QImage image = w.grid()->cell(number - 1)->grab().toImage();
    return image.pixelColor(4, image.height() / 2);
}


}  // namespace

class LotteryWindowTest : public QObject {
    Q_OBJECT

    Program p;
    SeededRandomSource random{11};

  private slots:
    void init() { p.reset(); }

    // The grid, numbered down the columns, and the fields and keys showing the model; cells
    // answer in manual mode only.
    void keysCellsAndFieldsShowTheModel() {
        LotteryWindow w(p.context);
        w.model().setRandomSource(random);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Simulador Loto"));
        QCOMPARE(label(w, "contador"), QString());
        QCOMPARE(w.grid()->cell(6)->text(), QStringLiteral("7"));
        QVERIFY(w.grid()->cell(7)->x() > w.grid()->cell(6)->x());
        QVERIFY(w.grid()->cell(1)->y() > w.grid()->cell(0)->y());
        QCOMPARE(w.grid()->cell(1)->x(), w.grid()->cell(0)->x());
        QCOMPARE(cellColour(w, 1), QColor(0xFF, 0xE0, 0xC0));

        sizeKey(w, 11)->click();
        const QList<int> eleven = greenCells(w);
        QCOMPARE(eleven.size(), 11);
        QCOMPARE(cellColour(w, eleven.first()), QColor(0x12, 0xC5, 0x00));
        QCOMPARE(field(w, 6), QStringLiteral("0,003304 %"));
        QCOMPARE(label(w, "informacion"),
                 QStringLiteral(" 1 Apuesta Múltiple equivalente a    462 Apuestas Sencillas"));
        child<QPushButton>(&w, "seleccionar")->click();
        child<QPushButton>(&w, "seleccionar")->click();
        QCOMPARE(label(w, "contador"), QStringLiteral("2"));

        findAction(&w, "Apuestas Manuales")->trigger();
        QVERIFY(findAction(&w, "Apuestas Manuales")->isChecked());
        QVERIFY(!findAction(&w, "Apuestas al Azar")->isChecked());
        QCOMPARE(sizeKey(w, 7)->text(), QStringLiteral("c"));
        QCOMPARE(sizeKey(w, 7)->toolTip(), QStringLiteral("Borrar Números"));
        QVERIFY(!sizeKey(w, 6)->isEnabled());
        for (int number : {12, 3, 49, 40, 41, 21}) QTest::mouseClick(w.grid()->cell(number - 1), Qt::LeftButton);
        QCOMPARE(greenCells(w), (QList<int>{3, 12, 21, 40, 41, 49}));
        QCOMPARE(field(w, 5), QStringLiteral("0,0003 %"));
        child<QPushButton>(&w, "seleccionar")->click();
        QCOMPARE(qs(w.model().storedBets().at(2)), QStringLiteral(" 3,  12,  21,  40,  41,  49"));
        sizeKey(w, 7)->click();
        QVERIFY(greenCells(w).isEmpty());
        findAction(&w, "Apuestas al Azar")->trigger();
        QCOMPARE(sizeKey(w, 7)->text(), QStringLiteral("7"));
        QVERIFY(sizeKey(w, 6)->isEnabled());
    }

    void theListTakesThePlaceOfTheGrid() {
        LotteryWindow w(p.context);
        w.show();
        QVERIFY(!child<QListWidget>(&w, "apuestas")->isVisible());
        findAction(&w, "Mostrar Apuestas Seleccionadas")->trigger();
        auto* list = child<QListWidget>(&w, "apuestas");
        QVERIFY(list->isVisible() && !w.grid()->isVisible());
        QCOMPARE(list->count(), 0);
        QCOMPARE(child<QPushButton>(&w, "seleccionar")->text(), QStringLiteral("Cerrar Ventana"));
        child<QPushButton>(&w, "seleccionar")->click();
        QVERIFY(!list->isVisible() && w.grid()->isVisible());
        for (int i = 0; i < 3; ++i) {
            sizeKey(w, 6 + i)->click();
            child<QPushButton>(&w, "seleccionar")->click();
        }
        findAction(&w, "Mostrar Apuestas Seleccionadas")->trigger();
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(2)->text(), qs(w.model().storedBets()[2]));
        findAction(&w, "Borrar Apuestas")->trigger();
        QVERIFY(!list->isVisible());
        QCOMPARE(label(w, "contador"), QStringLiteral("0"));
        findAction(&w, "Mostrar Apuestas Seleccionadas")->trigger();
        QCOMPARE(list->count(), 0);
    }

    // The progress bar shows during a run, "Cancelar" stops it between two bets and keeps
    // what was stored, and the window is repainted meanwhile.
    void automaticRunShowsProgressAndCancels() {
        LotteryWindow w(p.context);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* bar = child<QProgressBar>(&w, "progreso");
        auto* cancel = child<QPushButton>(&w, "cancelar");
        QVERIFY(!bar->isVisible() && !cancel->isVisible());
        p.dialogs.textAnswers = {"1000000000"};
        bool seenRunning = false;
        int seenValue = 0;
        QString seenText;
        QTimer::singleShot(150, &w, [&] {
            seenRunning = bar->isVisible() && cancel->isVisible() && w.model().running();
            seenValue = bar->value();
            seenText = bar->text();
            QVERIFY(!sizeKey(w, 6)->isEnabled());
            QVERIFY(!w.menuBar()->isEnabled());
            cancel->click();
        });
        findAction(&w, "Modo Automático")->trigger();
        QVERIFY(seenRunning);
        QVERIFY(seenValue > 0);
        QVERIFY2(seenText.endsWith(QStringLiteral(" de 1.000.000.000 Apuestas")), qPrintable(seenText));
        QVERIFY(!w.model().running());
        QVERIFY(!bar->isVisible() && !cancel->isVisible());
        QVERIFY(w.menuBar()->isEnabled() && sizeKey(w, 6)->isEnabled());
        const int stored = static_cast<int>(w.model().storedBets().size());
        // The list empties itself at the 501st bet, so a run cancelled just then keeps none.
        QVERIFY(stored <= 500);
        QCOMPARE(label(w, "contador"), QString::number(stored));
        // A short run: the bets, the counter and a hidden bar at the end.
        findAction(&w, "Borrar Apuestas")->trigger();
        p.dialogs.textAnswers = {"499"};
        findAction(&w, "Modo Automático")->trigger();
        QCOMPARE(label(w, "contador"), QStringLiteral("499"));
        QCOMPARE(greenCells(w).size(), 6);
        QVERIFY(!bar->isVisible());
    }

    // Closing the window during a run stops the run first, then closes.
    void closingDuringARun() {
        registerWindows(p.context);
        auto* w = qobject_cast<LotteryWindow*>(p.windows.show(WindowId::Lottery));
        QVERIFY(w != nullptr);
        QPointer<LotteryWindow> alive(w);
        p.dialogs.textAnswers = {"1000000000"};
        QTimer::singleShot(100, w, [&] { p.windows.close(WindowId::Lottery); });
        findAction(w, "Modo Automático")->trigger();
        flushDeletes();
        QVERIFY(alive.isNull());
        QVERIFY(p.windows.existing(WindowId::Lottery) == nullptr);
    }

    void toolTipsAndMenus() {
        LotteryWindow w(p.context);
        QCOMPARE(sizeKey(w, 9)->toolTip(), QStringLiteral("Obtención de una Apuesta Múltiple (9 Números) "));
        QCOMPARE(child<QPushButton>(&w, "seleccionar")->toolTip(),
                 QStringLiteral("Selecciona la Combinación Actual / Cierra la Ventana de Apuestas Seleccionadas"));
        QCOMPARE(child<QLineEdit>(&w, "probabilidad_4")->toolTip(), QStringLiteral("Probabilidad de 4 Aciertos"));
        QCOMPARE(child<QLabel>(&w, "informacion")->toolTip(),
                 QStringLiteral("Información acerca de la Combinación Actual"));
        QCOMPARE(child<QLabel>(&w, "contador")->toolTip(),
                 QStringLiteral("Número de Apuestas Seleccionadas hasta el Momento"));
        QStringList menus;
        for (QAction* action : w.menuBar()->actions()) menus << action->text();
        QCOMPARE(menus, (QStringList{"&Fichero", "&Edit", "&Opciones", "A&yuda", "A&cerca de..."}));
        QStringList files;
        for (QAction* action : w.menuBar()->actions().first()->menu()->actions()) files << action->text();
        QCOMPARE(files, (QStringList{"Abrir Fichero  de Apuestas", "Guardar Fichero de Apuestas", "",
                                     "Imprimir Apuestas Seleccionadas"}));
    }

    // Its menus and logo open the help and About windows.
    void helpAndAboutFromTheWindow() {
        registerWindows(p.context);
        QWidget* lottery = p.windows.show(WindowId::Lottery);
        QVERIFY(qobject_cast<LotteryWindow*>(lottery) != nullptr);
        findAction(lottery, "A&yuda")->trigger();
        QWidget* help = p.windows.existing(WindowId::LotteryHelp);
        QVERIFY(help != nullptr);
        QCOMPARE(help->windowTitle(), QStringLiteral("Ayuda Simulador Loto"));
        const QString text = child<QTextBrowser>(help, "ayuda")->toPlainText();
        for (const char* quoted : {"Carga un conjunto de apuestas almacenadas previamente en un fichero.",
                                   "Almacena en un fichero el conjunto de apuestas actualmente seleccionadas.",
                                   "Saca una copia impresa del conjunto de apuestas actualmente seleccionadas."})
            QVERIFY2(text.contains(QString::fromUtf8(quoted)), quoted);
        findAction(lottery, "A&cerca de...")->trigger();
        QVERIFY(p.windows.existing(WindowId::About) != nullptr);
        p.windows.close(WindowId::About);
        flushDeletes();
        QTest::mouseClick(child<SvgPicture>(lottery, "logo"), Qt::LeftButton);
        QVERIFY(p.windows.existing(WindowId::About) != nullptr);
    }

    // Numbered bets, three columns of 42 rows a page (two for multiple bets), filled down the
    // columns; a page break after every page but the last.
    void printedList() {
        std::vector<std::string> simple;
        for (int i = 0; i < 262; ++i) simple.push_back(" 1,  2,  3,  4,  5,  " + std::to_string(6 + i % 40));
        const QString html = lotteryPrintHtml(simple);
        QCOMPARE(html.count(QStringLiteral("<table")), 3);
        QCOMPARE(html.count(QStringLiteral("page-break-after")), 2);
        QVERIFY(html.contains(QStringLiteral("262 Apuestas Seleccionadas")));
        const qsizetype firstRow = html.indexOf(QStringLiteral("<tr"));
        const QString row = html.mid(firstRow, html.indexOf(QStringLiteral("</tr>"), firstRow) - firstRow);
        QVERIFY2(row.contains(QStringLiteral(">1.<")) && row.contains(QStringLiteral(">43.<")) &&
                     row.contains(QStringLiteral(">85.<")),
                 qPrintable(row));
        // The last page: bets 253 to 262 in three columns of 4, 4 and 2.
        const qsizetype lastPage = html.lastIndexOf(QStringLiteral("<table"));
        const QString last = html.mid(lastPage, html.indexOf(QStringLiteral("</tr>"), lastPage) - lastPage);
        QVERIFY2(last.contains(QStringLiteral(">253.<")) && last.contains(QStringLiteral(">257.<")) &&
                     last.contains(QStringLiteral(">261.<")),
                 qPrintable(last));
        std::vector<std::string> multiple = {" 1,  2,  3,  4,  5,  6,  7", " 1,  2,  3,  4,  5,  6"};
        const QString two = lotteryPrintHtml(multiple);
        QVERIFY(two.contains(QStringLiteral("2 Apuestas Seleccionadas")));
        QCOMPARE(two.count(QStringLiteral("<td align='right'")), 2);

        // From the menu: a PDF when there is no printer, nothing with an empty list.
        PdfFolder pdf;
        LotteryWindow w(p.context);
        findAction(&w, "Imprimir Apuestas Seleccionadas")->trigger();
        QCOMPARE(p.dialogs.messages.back().second, std::string("No hay Apuestas Seleccionadas que imprimir."));
        QVERIFY(pdf.files().isEmpty());
        sizeKey(w, 6)->click();
        child<QPushButton>(&w, "seleccionar")->click();
        findAction(&w, "Imprimir Apuestas Seleccionadas")->trigger();
        QVERIFY2(pdf.text().simplified().contains(qs(w.model().storedBets().front()).simplified()),
                 qPrintable(pdf.text()));
    }
};

QTEST_MAIN(LotteryWindowTest)
#include "lottery_window_test.moc"
