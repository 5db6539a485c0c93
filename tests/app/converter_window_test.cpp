#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/scientific_window.h"
#include "app/convert/converter_window.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_catalog.h"
#include "core/convert/unit_table.h"

using namespace numeralia;
using namespace numeralia::app;

namespace {

struct Silence : SoundPlayer {
    void playWave(const std::string&, bool) override {}
};

struct NoDialogs : Dialogs {
    void inform(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return true; }
};

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

QAction* topAction(QMainWindow& window, const QString& text) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

// The colour the button is painted with, sampled beside its text.
QColor buttonColour(QPushButton* button) {
    const QImage image = button->grab().toImage();
    return image.pixelColor(image.width() - 6, image.height() / 2);
}

}  // namespace

class ConverterWindowTest : public QObject {
    Q_OBJECT

    SharedState state;
    Silence sounds;
    NoDialogs dialogs;
    WindowRegistry windows;
    AppContext context{state, sounds, dialogs, windows};

    QString box(ConverterWindow& w, const char* name) {
        auto* edit = w.findChild<QLineEdit*>(QString::fromLatin1(name));
        return edit ? edit->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }

    QPushButton* button(ConverterWindow& w, const QString& text) {
        for (int i = 0; i < convert::kUnitButtonCount; ++i) {
            if (w.unitButton(i)->text() == text) return w.unitButton(i);
        }
        return nullptr;
    }

private slots:
    void init() { state = SharedState{}; }

    void kilometresToMetresCopiedToR1() {
        ConverterWindow w(context);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Conversiones Numéricas de Magnitudes Físicas"));
        QCOMPARE(box(w, "magnitud"), QStringLiteral("Longitud"));
        QCOMPARE(box(w, "dimension"), QStringLiteral("L"));
        QPushButton* km = button(w, QStringLiteral("Kilómetros"));
        QPushButton* m = button(w, QStringLiteral("¤ Metros {m}"));
        QVERIFY(km && m);
        const QColor unselected = buttonColour(km);
        QCOMPARE(unselected, QColor(0xff, 0xe0, 0xc0));

        QTest::mouseClick(km, Qt::LeftButton);
        QTest::mouseClick(m, Qt::LeftButton);
        QCOMPARE(box(w, "primeraUnidad"), QStringLiteral("Kilómetros"));
        QCOMPARE(box(w, "segundaUnidad"), QStringLiteral("¤ Metros {m}"));
        QCOMPARE(box(w, "factor"), QStringLiteral("1000"));
        QCOMPARE(buttonColour(km), QColor(0x00, 0xff, 0xff));
        QCOMPARE(buttonColour(m), QColor(0x00, 0xff, 0xff));

        auto* r1 = w.findChild<QPushButton*>(QStringLiteral("r1"));
        QVERIFY(r1 != nullptr);
        QCOMPARE(r1->toolTip(),
                 QStringLiteral("Copia el factor de conversión a la Memoria de Tránsito R1"));
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("exp")), Qt::LeftButton);
        QCOMPARE(box(w, "factor"), QStringLiteral("1,00e+03"));
        QTest::mouseClick(r1, Qt::LeftButton);
        QCOMPARE(state.transitValue1, 1000.0);
        QCOMPARE(qs(state.transitLabel1),
                 QStringLiteral("Factor de conversión de Kilómetros a ¤ Metros {m}"));

        // Clicking the first unit again leaves the second as the only one, back in its colour.
        QTest::mouseClick(km, Qt::LeftButton);
        QCOMPARE(box(w, "primeraUnidad"), QStringLiteral("¤ Metros {m}"));
        QCOMPARE(box(w, "factor"), QString());
        QCOMPARE(buttonColour(km), unselected);
    }

    void r1ReachesTheScientificCalculator() {
        registerWindows(context);
        auto* converter = static_cast<ConverterWindow*>(windows.show(WindowId::Converter));
        QVERIFY(converter != nullptr);
        QTest::mouseClick(button(*converter, QStringLiteral("Kilómetros")), Qt::LeftButton);
        QTest::mouseClick(button(*converter, QStringLiteral("¤ Metros {m}")), Qt::LeftButton);
        QTest::mouseClick(converter->findChild<QPushButton*>(QStringLiteral("r1")), Qt::LeftButton);

        auto* calculator = static_cast<ScientificWindow*>(windows.show(WindowId::Scientific));
        QVERIFY(calculator != nullptr);
        calculator->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(calculator));
        QPushButton* r1 = calculator->keypad().button(calc::KeyId::transit1);
        QVERIFY(r1 != nullptr);
        QCOMPARE(r1->toolTip(), QStringLiteral("Factor de conversión de Kilómetros a ¤ Metros {m}"));
        QTest::mouseClick(r1, Qt::LeftButton);
        QCOMPARE(calculator->displays().numero->text(), QStringLiteral("1000"));
        windows.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void everyMagnitudeEntryLoadsItsTable() {
        ConverterWindow w(context);
        QAction* magnitudes = topAction(w, QStringLiteral("&Magnitud"));
        QVERIFY(magnitudes && magnitudes->menu());
        QList<QAction*> entries;
        leafActions(magnitudes->menu(), entries);
        const auto tables = convert::magnitudes();
        QCOMPARE(entries.size(), static_cast<qsizetype>(tables.size()));
        QStringList groups;
        for (QAction* top : magnitudes->menu()->actions()) groups << top->text();
        QCOMPARE(groups, QStringList({"Aceleración", "Angulo", "Densidad", "Electricidad",
                                      "Energía", "Frecuencia", "Fuerza", "Longitud",
                                      "Magnetismo", "Masa", "Número de Onda", "Radiación",
                                      "Potencia", "Presión", "Superfície", "Tiempo",
                                      "Velocidad", "Viscosidad", "Volumen"}));
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
        registerWindows(context);
        auto* w = static_cast<ConverterWindow*>(windows.show(WindowId::Converter));
        QVERIFY(w != nullptr);
        QAction* prefixes = topAction(*w, QStringLiteral("&Prefijos"));
        QVERIFY(prefixes && prefixes->menu());
        QCOMPARE(prefixes->menu()->actions().size(), 16);
        QCOMPARE(prefixes->menu()->actions().first()->text(), QStringLiteral("exa      E    (1e+18)"));
        QCOMPARE(prefixes->menu()->actions().last()->text(), QStringLiteral("atto      a     (1e-18)"));

        topAction(*w, QStringLiteral("A&yuda"))->trigger();
        QWidget* help = windows.existing(WindowId::ConverterHelp);
        QVERIFY(help != nullptr);
        QCOMPARE(help->windowTitle(), QStringLiteral("Ayuda Conversion de Unidades"));
        QStringList texts;
        for (QLabel* label : help->findChildren<QLabel*>()) texts << label->text();
        QCOMPARE(texts.size(), 6);
        QVERIFY(texts[0].startsWith(QStringLiteral("Para realizar conversiones")));
        QCOMPARE(texts[3], QStringLiteral("Notas"));
        QVERIFY(texts[5].endsWith(QStringLiteral("pulse el botón <EXP>.")));

        topAction(*w, QStringLiteral("A&cerca de..."))->trigger();
        QVERIFY(windows.existing(WindowId::About) != nullptr);
        windows.close(WindowId::About);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(windows.existing(WindowId::About) == nullptr);
        auto* logo = w->findChild<SvgPicture*>(QStringLiteral("logo"));
        QVERIFY(logo != nullptr);
        QTest::mouseClick(logo, Qt::LeftButton);
        QVERIFY(windows.existing(WindowId::About) != nullptr);
        windows.closeAll();
    }

    void soundPictureFollowsTheSwitchOnActivation() {
        state.soundOn = 0;
        ConverterWindow w(context);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* sound = w.findChild<SvgPicture*>(QStringLiteral("sonido"));
        QVERIFY(sound != nullptr);
        QVERIFY(!sound->isVisible());
        // The switch is read when the window becomes active, not while it stays active.
        state.soundOn = 1;
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!sound->isVisible());
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(sound->isVisible());
        state.soundOn = 0;
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(!sound->isVisible());
    }
};

QTEST_MAIN(ConverterWindowTest)
#include "converter_window_test.moc"
