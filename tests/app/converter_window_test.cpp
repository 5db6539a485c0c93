#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/scientific_window.h"
#include "app/convert/converter_window.h"
#include "app/info/help_window.h"
#include "app/shell/context_menu.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_catalog.h"
#include "core/convert/unit_table.h"
#include "window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

namespace {

// The leaf entries of a menu, submenus opened, in order.
void leafActions(QMenu* menu, QList<QAction*>& out) {
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr) {
            leafActions(action->menu(), out);
        } else if (!action->isSeparator()) {
            out << action;
        }
    }
}

QMenu* topMenu(QMainWindow& window, const QString& text) {
    for (QAction* action : window.menuBar()->actions())
        if (action->text() == text) return action->menu();
    return nullptr;
}

// The colour the button is painted with, sampled beside its text.
QColor buttonColour(QPushButton* button) {
    const QImage image = button->grab().toImage();
    return image.pixelColor(image.width() - 6, image.height() / 2);
}

QString box(ConverterWindow& w, const char* name) { return child<QLineEdit>(&w, name)->text(); }

QPushButton* unit(ConverterWindow& w, const QString& text) {
    for (int i = 0; i < convert::kUnitButtonCount; ++i)
        if (w.unitButton(i)->text() == text) return w.unitButton(i);
    return nullptr;
}

}  // namespace

class ConverterWindowTest : public QObject {
    Q_OBJECT

    Program p;

private slots:
    void init() { p.reset(); }

    // R1 crosses to the Scientific calculator: its key shows the factor and its description.
    void kilometresToMetresCopiedToR1() {
        registerWindows(p.context);
        auto* converter = static_cast<ConverterWindow*>(p.windows.show(WindowId::Converter));
        QVERIFY(converter != nullptr);
        ConverterWindow& w = *converter;
        QCOMPARE(w.windowTitle(), QStringLiteral("Conversiones Numéricas de Magnitudes Físicas"));
        QCOMPARE(box(w, "magnitud"), QStringLiteral("Longitud"));
        QCOMPARE(box(w, "dimension"), QStringLiteral("L"));
        QPushButton* km = unit(w, "Kilómetros");
        QVERIFY(km && unit(w, "¤ Metros {m}"));
        const QColor unselected = buttonColour(km);
        QCOMPARE(unselected, QColor(0xff, 0xe0, 0xc0));

        QTest::mouseClick(km, Qt::LeftButton);
        QTest::mouseClick(unit(w, "¤ Metros {m}"), Qt::LeftButton);
        QCOMPARE(box(w, "primeraUnidad"), QStringLiteral("Kilómetros"));
        QCOMPARE(box(w, "segundaUnidad"), QStringLiteral("¤ Metros {m}"));
        QCOMPARE(box(w, "factor"), QStringLiteral("1000"));
        QCOMPARE(buttonColour(km), QColor(0x00, 0xff, 0xff));
        QCOMPARE(buttonColour(unit(w, "¤ Metros {m}")), QColor(0x00, 0xff, 0xff));

        auto* r1 = child<QPushButton>(&w, "r1");
        QCOMPARE(r1->toolTip(), QStringLiteral("Copia el factor de conversión a la Memoria de Tránsito R1"));
        QTest::mouseClick(child<QPushButton>(&w, "exp"), Qt::LeftButton);
        QCOMPARE(box(w, "factor"), QStringLiteral("1,00e+03"));
        choose(rightClick(child<QLineEdit>(&w, "factor")), QStringLiteral("Copiar"));
        QCOMPARE(clipboardText(), QStringLiteral("1,00e+03"));
        QTest::mouseClick(r1, Qt::LeftButton);
        QCOMPARE(p.state.transitValue1, 1000.0);
        const QString description = QStringLiteral("Factor de conversión de Kilómetros a ¤ Metros {m}");
        QCOMPARE(qs(p.state.transitLabel1), description);

        // Clicking the first unit again leaves the second as the only one, back in its colour.
        QTest::mouseClick(km, Qt::LeftButton);
        QCOMPARE(box(w, "primeraUnidad"), QStringLiteral("¤ Metros {m}"));
        QCOMPARE(box(w, "factor"), QString());
        QCOMPARE(buttonColour(km), unselected);

        auto* calculator = static_cast<ScientificWindow*>(p.windows.show(WindowId::Scientific));
        QVERIFY(calculator != nullptr && activate(calculator));
        QPushButton* calculatorR1 = calculator->keypad().button(calc::KeyId::transit1);
        QVERIFY(calculatorR1 != nullptr);
        QCOMPARE(calculatorR1->toolTip(), description);
        // A screen reader hears which memory the picture key is and what it holds.
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(calculatorR1);
        QCOMPARE(heard->text(QAccessible::Name), QStringLiteral("Memoria de tránsito R1"));
        QCOMPARE(heard->text(QAccessible::Description), description);
        QTest::mouseClick(calculatorR1, Qt::LeftButton);
        QCOMPARE(calculator->displays().numero->text(), QStringLiteral("1000"));
    }

    void everyMagnitudeEntryLoadsItsTable() {
        ConverterWindow w(p.context);
        QMenu* magnitudes = topMenu(w, "&Magnitud");
        QVERIFY(magnitudes);
        QList<QAction*> entries;
        leafActions(magnitudes, entries);
        const auto tables = convert::magnitudes();
        QCOMPARE(entries.size(), static_cast<qsizetype>(tables.size()));
        QStringList groups;
        for (QAction* top : magnitudes->actions()) groups << top->text();
        QCOMPARE(groups, QStringList({"Aceleración", "Angulo", "Densidad", "Electricidad", "Energía",
                                      "Frecuencia", "Fuerza", "Longitud", "Magnetismo", "Masa",
                                      "Número de Onda", "Radiación", "Potencia", "Presión",
                                      "Superfície", "Tiempo", "Velocidad", "Viscosidad", "Volumen"}));
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const convert::Magnitude& m = *tables[static_cast<std::size_t>(i)];
            w.unitButton(0)->click();  // a selection that loading must clear
            entries[i]->trigger();
            QCOMPARE(entries[i]->text(), qs(m.menuEntry));
            QCOMPARE(box(w, "magnitud"), qs(m.name));
            QCOMPARE(box(w, "dimension"), qs(m.dimension));
            QCOMPARE(box(w, "primeraUnidad"), QString());
            const int count = static_cast<int>(m.units.size());
            QCOMPARE(w.unitButton(0)->text(), qs(m.units[0].name));
            QCOMPARE(w.unitButton(count - 1)->text(), qs(m.units[count - 1].name));
            QVERIFY(w.unitButton(count - 1)->isEnabled());
            if (count < convert::kUnitButtonCount) {
                QCOMPARE(w.unitButton(count)->text(), QString());
                QVERIFY(!w.unitButton(count)->isEnabled());
            }
        }
    }

    void prefixesHelpAndAbout() {
        registerWindows(p.context);
        auto* w = static_cast<ConverterWindow*>(p.windows.show(WindowId::Converter));
        QVERIFY(w != nullptr);
        QMenu* prefixes = topMenu(*w, "&Prefijos");
        QVERIFY(prefixes);
        QCOMPARE(prefixes->actions().size(), 16);
        QCOMPARE(prefixes->actions().first()->text(), QStringLiteral("exa      E    (1e+18)"));
        QCOMPARE(prefixes->actions().last()->text(), QStringLiteral("atto      a     (1e-18)"));

        findAction(w, "A&yuda")->trigger();
        QWidget* help = p.windows.existing(WindowId::ConverterHelp);
        QVERIFY(help != nullptr);
        QCOMPARE(help->windowTitle(), QStringLiteral("Ayuda Conversion de Unidades"));
        const QStringList texts = static_cast<HelpWindow*>(help)->plainText().split(
            QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(texts.size(), 6);
        QVERIFY(texts[0].startsWith(QStringLiteral("Para realizar conversiones")));
        QCOMPARE(texts[3], QStringLiteral("Notas"));
        QVERIFY(texts[5].endsWith(QStringLiteral("pulse el botón <EXP>.")));

        findAction(w, "A&cerca de...")->trigger();
        QVERIFY(p.windows.existing(WindowId::About) != nullptr);
        p.windows.close(WindowId::About);
        flushDeletes();
        QVERIFY(p.windows.existing(WindowId::About) == nullptr);
        QTest::mouseClick(child<SvgPicture>(w, "logo"), Qt::LeftButton);
        QVERIFY(p.windows.existing(WindowId::About) != nullptr);
    }
};

QTEST_MAIN(ConverterWindowTest)
#include "converter_window_test.moc"
