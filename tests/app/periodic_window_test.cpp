// The Periodic table window: opened from the Program menu and the calculator's menu, keys
// and keyboard reach the sheet, the energy menu switches units, the notes, help and About
// windows open, the pictures follow the sheet and the window prints.

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>

#include "app/chem/crystal_drawing.h"
#include "app/chem/element_grid.h"
#include "app/chem/periodic_window.h"
#include "app/info/help_window.h"
#include "app/shell/printing.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_catalog.h"
#include "periodic_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

class PeriodicWindowTest : public QObject, PeriodicFixture {
    Q_OBJECT

private slots:
    void init() { openWindow(); }

    void keysFillTheSheet() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Tabla Periodica"));
        QCOMPARE(field("nombres"), QString());
        click("Fr");
        QCOMPARE(field("z"), QStringLiteral("87"));
        QCOMPARE(field("nombres"), QStringLiteral("Francio"));
        QCOMPARE(field("simbolos"), QStringLiteral("Fr"));
        QCOMPARE(field("pesos"), QStringLiteral("(223)"));
        QCOMPARE(field("fusiones"), QStringLiteral("(27)"));
        QCOMPARE(field("ebulliciones"), QStringLiteral("--"));
        QCOMPARE(field("radiois"), QStringLiteral("1,76(+1)"));
        QCOMPARE(field("sistemas"), QStringLiteral("Cúbico CE"));
        QVERIFY(window->grid()->key(87)->isShown());
        // Every key reaches the sheet with its own element.
        for (int z = 1; z <= chem::kElementCount; ++z) {
            QTest::mouseClick(window->grid()->key(z), Qt::LeftButton);
            QCOMPARE(field("z"), QString::number(z));
        }
        QCOMPARE(window->grid()->key(88)->toolTip(), QStringLiteral("88, Radio, Radium"));
    }

    // The symbol is drawn in the colour of the element's state.
    void symbolColourFollowsTheState() {
        const struct {
            const char* symbol;
            QColor colour;
        } rows[] = {{"H", QColor(200, 0, 0)},
                    {"Li", QColor(0, 0, 0)},
                    {"Cs", QColor(0x80, 0x80, 0xFF)},
                    {"Tc", QColor(0, 0x80, 0)}};
        for (const auto& row : rows) {
            click(row.symbol);
            QLineEdit* symbol = child<QLineEdit>(window, "simbolos");
            QCOMPARE(symbol->palette().color(QPalette::Text), row.colour);
        }
    }

    void energyMenuSwitchesUnits() {
        menu(QStringLiteral("Julios"));  // nothing shown yet: nothing changes
        QCOMPARE(label("unidadEnergias"), QStringLiteral("(Kcal/mol)"));
        QVERIFY(findAction(window, QStringLiteral("Calorías"))->isChecked());
        click("H");
        QCOMPARE(field("energias"), QStringLiteral("31,3"));
        menu(QStringLiteral("Julios"));
        QCOMPARE(field("energias"), QStringLiteral("131,00615"));
        QCOMPARE(field("calores"), QStringLiteral("14,439975"));
        QCOMPARE(field("ebulliciones"), QStringLiteral("-252,7"));
        QCOMPARE(label("unidadEnergias"), QStringLiteral("(KJ/mol)"));
        QCOMPARE(label("unidadCalores"), QStringLiteral("(J/(g·C))"));
        QCOMPARE(label("unidadCondutes"), QStringLiteral("(J/(cm²·cm·C·seg))"));
        QCOMPARE(label("unidadConduces"), QStringLiteral("(mΩ)"));
        QVERIFY(findAction(window, QStringLiteral("Julios"))->isChecked());
        menu(QStringLiteral("Calorías"));
        QCOMPARE(field("energias"), QStringLiteral("31,3"));
        QCOMPARE(label("unidadCalorvs"), QStringLiteral("(Kcal/mol)"));
    }

    void picturesFollowTheSheet() {
        auto* crystal = child<SheetPicture>(window, "cristal");
        auto* swatch = child<SheetPicture>(window, "caracter");
        QTest::mouseClick(crystal, Qt::LeftButton);  // on an empty sheet: nothing
        QCOMPARE(crystal->toolTip(), QString());
        click("H");
        QCOMPARE(crystal->toolTip(), QStringLiteral("Hexagonal"));
        QCOMPARE(swatch->toolTip(), QStringLiteral("Óxido anfótero"));
        click("Na");
        QCOMPARE(crystal->toolTip(), QStringLiteral("Cúbica centrada en el espacio"));
        QCOMPARE(swatch->toolTip(), QStringLiteral("Óxido básico fuerte"));
        click("At");
        QCOMPARE(crystal->toolTip(), QString());
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(swatch->toolTip(), QString());
        // The drawings differ from one another and from the empty picture.
        QSet<QByteArray> drawings;
        for (int i = 0; i <= 9; ++i) {
            QImage image(120, 120, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            paintCrystal(painter, QRectF(0, 0, 120, 120), static_cast<chem::CrystalPicture>(i));
            painter.end();
            drawings.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                       static_cast<qsizetype>(image.sizeInBytes())));
        }
        QCOMPARE(drawings.size(), 10);
    }

    void keyboardWalksAndFindsElements() {
        QTRY_VERIFY(window->grid()->key(1)->hasFocus());
        QTest::keyClick(window->grid()->key(1), Qt::Key_Right);
        QVERIFY(window->grid()->key(2)->hasFocus());
        QTest::keyClick(window->grid()->key(2), Qt::Key_Down);
        QVERIFY(window->grid()->key(10)->hasFocus());
        QTest::keyClick(window->grid()->key(10), Qt::Key_Return);
        QCOMPARE(field("nombres"), QStringLiteral("Neón"));
        QTest::keyClick(window->grid()->key(10), Qt::Key_Left);
        QTest::keyClick(window->grid()->key(9), Qt::Key_Space);
        QCOMPARE(field("nombres"), QStringLiteral("Flúor"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hier"));
        QCOMPARE(field("nombres"), QStringLiteral("Hierro"));
        QVERIFY(window->grid()->key(26)->hasFocus());
        QTest::qWait(1100);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("gold"));
        QCOMPARE(field("nombres"), QStringLiteral("Oro"));
    }

    void notesHelpAndAboutOpen() {
        menu(QStringLiteral("&Notas"));
        QWidget* notes = p.windows.existing(WindowId::Notes);
        QVERIFY(notes != nullptr);
        QCOMPARE(notes->windowTitle(), QStringLiteral("Notas"));
        QStringList texts;
        for (QLabel* label : notes->findChildren<QLabel*>()) texts << label->text();
        QCOMPARE(texts.size(), 11);
        QCOMPARE(texts[0], QStringLiteral("(1)  Para los elementos gaseosos, este valor se refiere al liquido en su punto de ebullición."));
        QCOMPARE(texts[6], QStringLiteral("Rómbica, Cúbica, Hexagonal, Romboédrica, Tetragonal, Ortorrómbica, Monoclínica."));
        QCOMPARE(texts[8], QStringLiteral("(8)  A la Temperatura de ebullición.  "));
        QCOMPARE(texts[9], QStringLiteral("(9)  De 0 a 20C.  "));
        QCOMPARE(texts[10], QStringLiteral("(10)  A Temperatura ambiente."));
        QVERIFY(texts[7].contains(QStringLiteral("El óxido es ácido si el color es rojo, básico si el color es azul")));

        menu(QStringLiteral("Ayuda"));
        auto* help = qobject_cast<HelpWindow*>(p.windows.existing(WindowId::PeriodicHelp));
        QVERIFY(help != nullptr);
        QCOMPARE(help->windowTitle(), QStringLiteral("Ayuda Tabla Periódica"));
        QVERIFY(help->plainText().contains(QStringLiteral("Julios")));

        QVERIFY(p.windows.existing(WindowId::About) == nullptr);
        QTest::mouseClick(child<SvgPicture>(window, "acercaDe"), Qt::LeftButton);
        QVERIFY(p.windows.existing(WindowId::About) != nullptr);
    }

    void printsTheWindowImage() {
        PdfFolder pdf;
        click("Au");
        const QString path = window->printWindow();
        QCOMPARE(pdf.files().size(), 1);
        QVERIFY(QFileInfo(path).size() > 10000);
        QVERIFY(p.dialogs.messages.empty());
    }

    // The sound picture, hidden, stays hidden when the toolbar lays itself out again.
    void soundPictureStaysHiddenThroughARelayout() {
        auto* sound = child<SvgPicture>(window, "sonido");
        QTRY_VERIFY(!sound->isVisible());
        window->resize(window->width() + 40, window->height());
        QTest::qWait(50);
        QVERIFY(!sound->isVisible());
    }
};

QTEST_MAIN(PeriodicWindowTest)
#include "periodic_window_test.moc"
