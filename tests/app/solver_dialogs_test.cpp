// The dialogs of "S.Ec" and "Tem": what they show, what they hand back, and that they work
// from the keyboard.

#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include "app/calc/qt_solver_dialogs.h"

using namespace numeralia;
using namespace numeralia::app;

namespace {

calc::LinearSystemForm twoEquations() {
    calc::LinearSystemForm form = calc::resizedForm({}, 2);
    form.cells = {"1", "1", "3", "1", "-1", "1"};
    return form;
}

}  // namespace

class SolverDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void systemGridShowsGrowsAndHandsBackTheForm() {
        LinearSystemDialog dialog("Numeralia - Sistema de Ecuaciones Lineales", twoEquations(),
                                  nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.sizeBox()->value(), 2);
        QCOMPARE(dialog.field(0, 2)->text(), QString("3"));
        QCOMPARE(dialog.field(1, 1)->text(), QString("-1"));
        // The first coefficient has the focus; typing replaces it, Tab goes along the row.
        QVERIFY(dialog.field(0, 0)->hasFocus());
        dialog.field(0, 0)->selectAll();
        QTest::keyClicks(dialog.field(0, 0), "2,5");
        QTest::keyClick(dialog.field(0, 0), Qt::Key_Tab);
        QVERIFY(dialog.field(0, 1)->hasFocus());

        // Three equations: every field typed stays, the term moves to the new last column.
        dialog.sizeBox()->setValue(3);
        QCOMPARE(dialog.field(0, 0)->text(), QString("2,5"));
        QCOMPARE(dialog.field(0, 3)->text(), QString("3"));
        QCOMPARE(dialog.field(1, 3)->text(), QString("1"));
        QVERIFY(dialog.field(2, 2)->text().isEmpty());
        QVERIFY(dialog.field(0, 3)->width() > 0 && dialog.field(2, 3)->isVisible());
        const calc::LinearSystemForm form = dialog.form();
        QCOMPARE(form.size, 3);
        QCOMPARE(form.cells.size(), std::size_t{12});
        QCOMPARE(form.cell(1, 1), std::string("-1"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void systemGridRefusesAFieldThatIsNotANumber() {
        LinearSystemDialog dialog("S.Ec", twoEquations(), nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.field(1, 2)->setText("1,2,3");
        QTest::keyClick(dialog.field(0, 0), Qt::Key_Return);  // Enter presses "Aceptar"
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.problem()->isVisible());
        QCOMPARE(dialog.problem()->text(),
                 QString("Error: Coeficiente no válido: ecuación 2, K2"));
        QVERIFY(dialog.field(1, 2)->hasFocus());
        // Mending the field hides the message; Enter then accepts.
        QTest::keyClicks(dialog.field(1, 2), "7");
        QVERIFY(!dialog.problem()->isVisible());
        QTest::keyClick(dialog.field(1, 2), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.form().cell(1, 2), std::string("7"));
    }

    void choiceOpensOnTheLastAndADigitPicksAtOnce() {
        const calc::ChoiceQuestion question{"Numeralia - Conversor de Temperaturas",
                                            "Temperatura 25: elija la conversión",
                                            {"a", "b", "c", "d", "e", "f"},
                                            2};
        ChoiceDialog dialog(question, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.chosen(), 2);
        QCOMPARE(dialog.list()->item(4)->text(), QString("5    e"));
        QTest::keyClick(dialog.list(), Qt::Key_5);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosen(), 4);

        ChoiceDialog arrows(question, nullptr);
        arrows.show();
        QVERIFY(QTest::qWaitForWindowExposed(&arrows));
        QTest::keyClick(arrows.list(), Qt::Key_Down);
        QTest::keyClick(arrows.list(), Qt::Key_Return);
        QCOMPARE(arrows.result(), int(QDialog::Accepted));
        QCOMPARE(arrows.chosen(), 3);

        ChoiceDialog cancelled(question, nullptr);
        cancelled.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cancelled));
        QTest::keyClick(cancelled.list(), Qt::Key_Escape);
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QTest::keyClick(cancelled.list(), Qt::Key_9);  // no ninth choice: nothing picked
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(SolverDialogsTest)
#include "solver_dialogs_test.moc"
