// The chemistry tools of the Periodic table window: the molecular-weight calculator and the
// typed formula, the Ionic character window, the printed element sheet (read back from its
// PDF) and the windows of the "&Tablas" menu.

#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>

#include "app/chem/chemistry_tables.h"
#include "app/chem/element_grid.h"
#include "app/chem/molecular_weight_panel.h"
#include "app/chem/periodic_window.h"
#include "core/chem/sheet_printout.h"
#include "app/info/help_window.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_catalog.h"
#include "periodic_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

class ChemistryToolsTest : public QObject, PeriodicFixture {
    Q_OBJECT

    void press(const char* name) { QTest::mouseClick(child<QPushButton>(window, name), Qt::LeftButton); }

private slots:
    void init() { openWindow(); }

    // The panel and its keys, fields and keyboard; the rules of the formula are the
    // molecular-weight model's tests.
    void calculatorKeysBuildTheFormula() {
        auto* about = child<SvgPicture>(window, "acercaDe");
        QVERIFY(window->calculatorPanel() == nullptr);  // built when first started
        QVERIFY(about->isVisible());
        menu(QStringLiteral("Cálculo"));
        auto* panel = child<QWidget>(window, "calculoPM");
        QVERIFY(panel->isVisible());
        QVERIFY(!about->isVisible());
        QCOMPARE(field("nn"), QStringLiteral("0"));
        click("H");
        press("tecla2");
        QCOMPARE(field("nn"), QStringLiteral("2"));
        press("igual");
        click("S");
        click("O");
        press("tecla4");
        press("igual");
        QCOMPARE(field("formula"), QStringLiteral("H 2 S 1 O 4 "));
        QCOMPARE(field("masa"), QStringLiteral(" 98,07948"));
        // The keyboard's digits and "=" press the calculator's keys.
        click("Fr");
        QTest::keyClicks(window->grid()->key(87), QStringLiteral("3="));
        QCOMPARE(field("formula"), QStringLiteral("H 2 S 1 O 4 Fr 3 "));
        QCOMPARE(field("masa"), QStringLiteral(" 767,07948"));
        // While the calculator is on, typing a name only chooses the key; Enter adds it.
        QTest::keyClicks(window->grid()->key(87), QStringLiteral("na"));
        QVERIFY(window->grid()->key(11)->hasFocus());
        QCOMPARE(field("formula"), QStringLiteral("H 2 S 1 O 4 Fr 3 "));
        QTest::keyClick(window->grid()->key(11), Qt::Key_Return);
        QCOMPARE(field("formula"), QStringLiteral("H 2 S 1 O 4 Fr 3 Na 1 "));
        press("tecla7");
        press("borrar");
        QCOMPARE(field("formula"), QString());
        QCOMPARE(field("nn"), QStringLiteral("7"));
        press("salir");
        QVERIFY(!panel->isVisible());
        QVERIFY(about->isVisible());
        menu(QStringLiteral("Cálculo"));  // the same panel again, cleared
        QCOMPARE(window->calculatorPanel(), panel);
        QCOMPARE(field("nn"), QStringLiteral("0"));
        press("salir");
        click("Cl");
        QCOMPARE(field("nombres"), QStringLiteral("Cloro"));
        QCOMPARE(field("formula"), QString());
    }

    void calculatorKeyFaces() {
        menu(QStringLiteral("Cálculo"));
        const struct {
            const char* name;
            QColor colour;
        } rows[] = {{"tecla0", QColor(0xE0, 0xE0, 0xE0)},
                    {"borrar", QColor(0xFF, 0x80, 0x80)},
                    {"igual", QColor(0x00, 0xC0, 0x00)},
                    {"salir", QColor(0xFF, 0x80, 0x00)}};
        for (const auto& row : rows) {
            QPushButton* key = child<QPushButton>(window, row.name);
            const QImage image = key->grab().toImage();
            QCOMPARE(image.pixelColor(4, image.height() / 2), row.colour);
        }
    }

    void typedFormulaShowsMassAndComposition() {
        menu(QStringLiteral("Cálculo"));
        QLineEdit* typed = child<QLineEdit>(window, "formulaEscrita");
        auto* table = child<QTableWidget>(window, "composicion");
        QTest::keyClicks(typed, QStringLiteral("CuSO4·5H2O"));
        QVERIFY(child<QLabel>(window, "pmEscrito")->text().contains(QStringLiteral("249,686")));
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->item(2, 0)->text(), QStringLiteral("O"));
        QCOMPARE(table->item(2, 1)->text(), QStringLiteral("9"));
        QCOMPARE(table->item(2, 3)->text(), QStringLiteral("57,67"));
        QVERIFY(child<QLabel>(window, "errorFormula")->text().isEmpty());
        // The typed formula does not touch the clicked one.
        QCOMPARE(field("formula"), QString());

        typed->clear();
        QTest::keyClicks(typed, QStringLiteral("Ca(OH]2"));
        const QString error = child<QLabel>(window, "errorFormula")->text();
        QVERIFY2(error.contains(QStringLiteral("no cierra el paréntesis")), qPrintable(error));
        QVERIFY(error.contains(QStringLiteral("posición 6")));
        QVERIFY(error.contains(QStringLiteral("underline;'>]</span>")));
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(child<QLabel>(window, "pmEscrito")->text().isEmpty());
    }

    void ionicCharacterWindow() {
        menu(QStringLiteral("Ca&racter Iónico"));
        QWidget* ionic = p.windows.existing(WindowId::Ionic);
        QVERIFY(ionic != nullptr);
        QCOMPARE(ionic->windowTitle(),
                 QStringLiteral("Porcentaje de  carácter iónico de un enlace químico sencillo"));
        QStringList texts;
        for (QLabel* label : ionic->findChildren<QLabel*>()) texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Diferencia de Electronegatividad")));
        QVERIFY(texts.contains(QStringLiteral("Porcentaje de carácter Iónico   (%)")));
        QCOMPARE(child<QLabel>(ionic, "fila0_0")->text(), QStringLiteral("0.1"));
        QCOMPARE(child<QLabel>(ionic, "fila1_0")->text(), QStringLiteral("0.5"));
        QCOMPARE(child<QLabel>(ionic, "fila2_15")->text(), QStringLiteral("3.2"));
        QCOMPARE(child<QLabel>(ionic, "fila3_15")->text(), QStringLiteral("92"));
        auto* chart = child<QChartView>(ionic, "curva");
        auto* curve = qobject_cast<QLineSeries*>(chart->chart()->series().first());
        QVERIFY(curve != nullptr);
        QCOMPARE(curve->count(), 32);
        QCOMPARE(curve->at(16), QPointF(1.7, 51));
        QCOMPARE(ionic->minimumSize(), ionic->maximumSize());
        QTest::mouseClick(child<SvgPicture>(ionic, "logo"), Qt::LeftButton);
        QVERIFY(p.windows.existing(WindowId::About) != nullptr);
    }

    void printedSheetReadsBack() {
        PdfFolder pdf;
        click("H");
        menu(QStringLiteral("Julios"));
        QVERIFY(QFileInfo::exists(window->printElement()));
        const QString text = pdf.text().simplified();
        // Every line of the printout the sheet gives (its wording is the printout model's
        // test), in this order down the page.
        const chem::SheetPrintout sheet = chem::sheetPrintout(window->model());
        QStringList expected = {qs(sheet.credit.substr(0, 28)), qs(sheet.name)};
        for (const chem::PrintLine& line : sheet.large) expected << qs(line.caption) << qs(line.value);
        for (const chem::PrintLine& line : sheet.properties) expected << qs(line.caption) << qs(line.value);
        QCOMPARE(expected.size(), 44);
        qsizetype at = 0;
        for (const QString& full : expected) {
            const QString piece = full.simplified();
            const qsizetype found = text.indexOf(piece, at);
            QVERIFY2(found >= 0, qPrintable(piece + QStringLiteral(" in\n") + text));
            at = found + piece.size();
        }
        QVERIFY(p.dialogs.messages.empty());
    }

    void spectrumAndSeriesWindows() {
        menu(QStringLiteral("Espectro de la Luz"));
        auto* spectrum = window->findChild<SpectrumWindow*>();
        QVERIFY(spectrum != nullptr && spectrum->isVisible());
        QCOMPARE(spectrum->windowTitle(), QStringLiteral("Espectro de la Luz"));
        spectrum->chooseWavelength(500);
        QCOMPARE(child<QLabel>(spectrum, "frecuencia")->text(), QStringLiteral("599,6 THz"));
        QCOMPARE(child<QLabel>(spectrum, "energiaEv")->text(), QStringLiteral("2,480 eV"));
        QCOMPARE(child<QLabel>(spectrum, "energiaKj")->text(), QStringLiteral("239,3 kJ/mol"));
        QCOMPARE(child<QLabel>(spectrum, "color")->text(), QStringLiteral("verde"));
        // A click on the drawn spectrum chooses the wavelength under the mouse.
        QWidget* bar = child<QWidget>(spectrum, "espectro");
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));
        QCOMPARE(child<QLabel>(spectrum, "color")->text(), QStringLiteral("rojo"));
        menu(QStringLiteral("Espectro de la Luz"));  // the same window again
        QCOMPARE(window->findChildren<SpectrumWindow*>().size(), 1);

        menu(QStringLiteral("Series Electroquímicas"));
        auto* series = window->findChild<SeriesWindow*>();
        QVERIFY(series != nullptr);
        auto* table = child<QTableWidget>(series, "serie");
        QVERIFY(table->rowCount() >= 40);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("F₂/F⁻"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("F₂ + 2e⁻ → 2F⁻"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("+2,87"));
        QCOMPARE(table->item(table->rowCount() - 1, 2)->text(), QStringLiteral("-3,04"));
        // Closing the Periodic table closes its tables.
        QPointer<SeriesWindow> watched(series);
        window->close();
        flushDeletes();
        QVERIFY(watched == nullptr);
    }

    void helpExplainsTheCalculator() {
        menu(QStringLiteral("Ayuda"));
        auto* help = qobject_cast<HelpWindow*>(p.windows.existing(WindowId::PeriodicHelp));
        QVERIFY(help != nullptr);
        const QString text = help->plainText();
        for (const char* line : {
                 "Ayuda para el cálculo de Pesos Moleculares.",
                 "Puede Calcular el PM de una substancia siguiendo uno de estos dos métodos "
                 "(ejemplo para el H2SO4):",
                 "Ejemplo:  [H],[H],[S],[O],[O],[O],[O].   No importa el orden de los símbolos.",
                 "Ejemplo:   [H],[2],[=],[S],[O],[4],[=].     No importa el orden de los símbolos.",
                 "Si desea finalizar, pulse el botón [Salir]",
             })
            QVERIFY2(text.contains(QString::fromUtf8(line)), line);
    }
};

QTEST_MAIN(ChemistryToolsTest)
#include "chemistry_tools_test.moc"
