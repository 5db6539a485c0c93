// The equation solvers in the Scientific window: their keys with their tool tips, the blue
// display that appears with the first conversion and goes with its "C", and the dialogs of
// "S.Ec" and "Tem" answered as a user would.

#include <QListWidget>
#include <QSpinBox>
#include <QTimer>

#include "app/calc/blue_display_view.h"
#include "app/calc/qt_solver_dialogs.h"
#include "app/calc/scientific_window.h"
#include "app/calc/solver_panel.h"
#include "calc_window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;
using calc::KeyId;

namespace {

// Runs `answer` on the dialog that the next click opens, once it is on the screen.
template <class Dialog, class Answer>
void answerNextDialog(Answer answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(*dialog);
    });
}

}  // namespace

class SolverWindowTest : public CalcWindowTest<ScientificWindow> {
    Q_OBJECT

    BlueDisplayView& blue() const { return *window->solvers().blueDisplay(); }

  private slots:
    void init() { openWindow(); }
    void cleanup() { window.reset(); }

    void keysHaveTheirCaptionsAndTips() {
        for (const KeySlot& slot : solverPanelLayout()) {
            QPushButton* button = key(slot.id);
            QVERIFY2(button, calc::keyInfo(slot.id).name.data());
            // The "C" of the blue display comes and goes with it.
            QCOMPARE(button->isVisible(), slot.id != KeyId::blueDisplayClear);
            QCOMPARE(button->toolTip(), qs(calc::keyInfo(slot.id).toolTip));
            QCOMPARE(button->text(), qs(calc::keyInfo(slot.id).caption));
        }
        // The blue display waits, hidden, for its first use.
        QVERIFY(!blue().isVisible());
        QCOMPARE(blue().rectangular->toolTip(), QString("Pantalla auxiliar de Datos Azul"));
    }

    void conversionShowsTheBlueDisplayAndItsClearHidesIt() {
        click(KeyId::modeRad);
        for (KeyId id : {KeyId::digit1, KeyId::complexRectangular, KeyId::digit2,
                         KeyId::complexRectangular})
            click(id);
        QVERIFY(blue().isVisible());
        QCOMPARE(lines(blue().rectangular),
                 (QStringList{"Coord. Rectangulares", "x = 1", "y = 2 i"}));
        QCOMPARE(lines(blue().polar),
                 (QStringList{"Coord. Polares", "m = 2,23606798", "Ø = 63,43494882 °"}));
        QVERIFY(blue().polar->item(0)->font().bold());
        QCOMPARE(displays().angulo->text(), QString("deg"));
        QVERIFY(key(KeyId::modeDeg)->isChecked());
        QCOMPARE(numero(), QString("0"));

        click(KeyId::digit7);
        click(KeyId::blueDisplayClear);
        QVERIFY(!blue().isVisible());
        QCOMPARE(blue().polar->count(), 0);
        QCOMPARE(numero(), QString("0"));
        QVERIFY(key(KeyId::equals)->hasFocus());
    }

    void linearSystemTypedIntoTheDialog() {
        answerNextDialog<LinearSystemDialog>([](LinearSystemDialog& d) {
            d.sizeBox()->setValue(2);
            const char* cells[2][3] = {{"1", "1", "3"}, {"1", "-1", "1"}};
            for (int r = 0; r < 2; ++r) {
                for (int c = 0; c < 3; ++c) d.field(r, c)->setText(cells[r][c]);
            }
            QTest::keyClick(d.field(1, 2), Qt::Key_Return);
        });
        click(KeyId::linearSystem);
        QCOMPARE(lines(blue().polar), (QStringList{"Solución", "X1 = 2", "X2 = 1"}));
        QCOMPARE(lines(blue().rectangular),
                 (QStringList{"Sistema de 2 ecuaciones", "1·X1 + 1·X2 = 3", "1·X1 − 1·X2 = 1"}));
        QVERIFY(blue().isVisible());

        // The next dialog offers the same system; Escape cancels it and nothing changes.
        answerNextDialog<LinearSystemDialog>([](LinearSystemDialog& d) {
            QCOMPARE(d.field(0, 2)->text(), QString("3"));
            QTest::keyClick(d.field(0, 0), Qt::Key_Escape);
        });
        click(KeyId::linearSystem);
        QCOMPARE(lines(blue().polar), (QStringList{"Solución", "X1 = 2", "X2 = 1"}));
    }

    void temperatureChosenWithOneDigit() {
        type("25");
        answerNextDialog<ChoiceDialog>([](ChoiceDialog& d) {
            QCOMPARE(d.list()->count(), 6);
            QTest::keyClick(d.list(), Qt::Key_3);  // Celsius to Fahrenheit
        });
        click(KeyId::temperature);
        QCOMPARE(numero(), QString("77"));
        QCOMPARE(lines(blue().polar), (QStringList{"Resultado", "T = 77 °F"}));
    }

    void screenshot() {
        const QByteArray file = qgetenv("NUMERALIA_SOLVER_SCREENSHOT");
        if (file.isEmpty()) QSKIP("set NUMERALIA_SOLVER_SCREENSHOT to save the window");
        type("25428");
        click(KeyId::factorization);
        window->resize(window->sizeHint());
        QTest::qWait(50);
        QVERIFY(window->grab().save(QString::fromLocal8Bit(file)));
    }
};

QTEST_MAIN(SolverWindowTest)
#include "solver_window_test.moc"
