#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTextBrowser>

#include "app/bank/bank_help_window.h"
#include "app/bank/bank_printout.h"
#include "app/bank/bank_window.h"
#include "app/shell/context_menu.h"
#include "app/shell/printing.h"
#include "window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

namespace {

// The text of a field, or of a caption.
QString text(BankWindow& w, const char* name) {
    if (auto* box = w.findChild<QLineEdit*>(QString::fromLatin1(name))) return box->text();
    return child<QLabel>(&w, name)->text();
}

// Types a loan in months from the keyboard and presses F12.
void calculateLoan(BankWindow& w, const QString& capital, const QString& rate, const QString& months) {
    w.model().chooseMonths();
    QTest::keyClicks(&w, capital);
    QTest::keyClick(&w, Qt::Key_F1);
    QTest::keyClicks(&w, rate);
    QTest::keyClick(&w, Qt::Key_F2);
    QTest::keyClicks(&w, months);
    QTest::keyClick(&w, Qt::Key_F3);
    QTest::keyClick(&w, Qt::Key_F12);
}

}  // namespace

class BankWindowTest : public QObject {
    Q_OBJECT

    Program p;

  private slots:
    void init() { p.reset(); }

    void keysAndCalculateShowTheExampleLoan() {
        BankWindow w(p.context);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Operaciones Bancarias  -  Préstamos"));
        QTest::keyClicks(&w, QStringLiteral("5000000"));
        QTest::keyClick(&w, Qt::Key_F1);
        QTest::keyClicks(&w, QStringLiteral("5"));
        child<QPushButton>(&w, "key_0")->click();  // the keypad too: "50"
        QCOMPARE(text(w, "numero"), QStringLiteral("50"));
        QTest::keyClick(&w, Qt::Key_C);
        QCOMPARE(text(w, "capital"), QString());
        QTest::keyClicks(&w, QStringLiteral("5000000"));
        QTest::keyClick(&w, Qt::Key_F1);
        QTest::keyClicks(&w, QStringLiteral("5"));
        QTest::keyClick(&w, Qt::Key_F2);
        child<QRadioButton>(&w, "meses")->click();
        QTest::keyClicks(&w, QStringLiteral("120"));
        QTest::keyClick(&w, Qt::Key_F3);
        QCOMPARE(text(w, "capital"), QStringLiteral("5000000"));
        QCOMPARE(text(w, "tiempo"), QStringLiteral("120"));
        child<QPushButton>(&w, "calcular")->click();
        QCOMPARE(p.dialogs.messages.size(), std::size_t(1));  // paid at the end of the month?
        QCOMPARE(text(w, "mensual_titulo"), QStringLiteral("Mensualidad"));
        QCOMPARE(text(w, "mensual"), QStringLiteral("53.032"));
        QCOMPARE(text(w, "total"), QStringLiteral("6.363.931"));
        QCOMPARE(text(w, "intereses"), QStringLiteral("1.363.930"));
        QAbstractItemModel* table = w.table()->model();
        QCOMPARE(table->rowCount(), 120);
        QCOMPARE(table->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Pendiente"));
        QCOMPARE(table->index(0, 4).data().toString(), QStringLiteral("4.967.800,58"));
        // A click on a cell selects its whole row.
        QTableView* view = w.table();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(table->index(7, 2)).center());
        const QModelIndexList selected = view->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 5);
        for (const QModelIndex& index : selected) QCOMPARE(index.row(), 7);
        // Keys typed while the table has the focus still reach the keypad.
        view->setFocus();
        QTest::keyClicks(view, QStringLiteral("12"));
        QCOMPARE(text(w, "numero"), QStringLiteral("12"));
        QCOMPARE(table->rowCount(), 120);
    }

    void modesChangeCaptionsAndSavingsKeys() {
        BankWindow w(p.context);
        auto* contributionKey = child<QLineEdit>(&w, "aportemes");
        QVERIFY(!contributionKey->isEnabled());
        findAction(&w, QStringLiteral("Planes de Ahorro"))->trigger();
        QCOMPARE(w.windowTitle(), QStringLiteral("Operaciones Bancarias  -  Planes de Ahorro"));
        QVERIFY(contributionKey->isEnabled());
        QCOMPARE(text(w, "mensual_titulo"), QStringLiteral("Total Aportado"));
        QTest::keyClicks(&w, QStringLiteral("100"));
        QTest::keyClick(&w, Qt::Key_F4);
        QCOMPARE(text(w, "aportemes"), QStringLiteral("100"));
        findAction(&w, QStringLiteral("Depósitos a Plazo Fijo"))->trigger();
        QCOMPARE(w.windowTitle(), QStringLiteral("Operaciones Bancarias  -  Depósitos a Plazo Fijo"));
        QCOMPARE(text(w, "aportemes"), QString());
        QCOMPARE(w.table()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Saldo Inicial"));
    }

    void wrongInputShowsAMessageAndEmptiesResults() {
        BankWindow w(p.context);
        p.state.transitValue1 = 7;
        QTest::keyClicks(&w, QStringLiteral("1000"));
        QTest::keyClick(&w, Qt::Key_F1);
        QTest::keyClick(&w, Qt::Key_F12);
        QCOMPARE(p.dialogs.messages.size(), std::size_t(1));
        const QString message = qs(p.dialogs.messages[0].second);
        QVERIFY(message.contains(QStringLiteral("Interés (%)")) && message.contains(QStringLiteral("Tiempo")));
        QCOMPARE(text(w, "mensual"), QString());
        QCOMPARE(w.table()->model()->rowCount(), 0);
        QCOMPARE(p.state.transitValue1, 7.0);
    }

    void printsResultsAndTableToAPdf() {
        PdfFolder pdf;
        BankWindow w(p.context);
        w.printResults(true);  // nothing calculated yet: the user is told, nothing printed
        QCOMPARE(p.dialogs.messages.size(), std::size_t(1));
        QVERIFY(pdf.files().isEmpty());
        calculateLoan(w, "20000", "7.5", "36");
        QVERIFY(!bankPrintHtml(w.model(), false).contains(QStringLiteral(">36</td>")));
        w.printResults(true);
        const QString text = pdf.text();
        for (const char* piece : {"7,5", "36 meses", "Pendiente", "622"})
            QVERIFY2(text.contains(QString::fromUtf8(piece)), qPrintable(text));
        // The table down to its last month.
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\n\\s*36\\s"))), qPrintable(text));
    }

    void helpWindowCoversEveryKey() {
        BankHelpWindow help;
        QCOMPARE(help.windowTitle(), QStringLiteral("Ayuda Operaciones Bancarias"));
        const QString text = help.findChild<QTextBrowser*>()->toPlainText();
        for (const char* word : {"F1", "F2", "F3", "F4", "F5", "F12", "R1", "Depósitos a Plazo Fijo",
                                 "Planes de Ahorro", "Préstamos Bancarios"})
            QVERIFY2(text.contains(QString::fromUtf8(word)), word);
    }

    // Rows picked with the mouse, copied with Ctrl+Insert or Ctrl+C, read back as a
    // spreadsheet reads them: the titles, then the cells of each row, column by column.
    void selectedRowsPasteAsTheTablesCells() {
        BankWindow w(p.context);
        QVERIFY(activate(&w));
        calculateLoan(w, "20000", "7.5", "36");
        QTableView* view = w.table();
        const QAbstractItemModel* model = view->model();
        const auto rowCenter = [view](int row) { return view->visualRect(view->model()->index(row, 2)).center(); };
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowCenter(4));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCenter(0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCenter(35));
        for (const Qt::Key key : {Qt::Key_Insert, Qt::Key_C}) {
            copyToClipboard(QString());
            QTest::keyClick(view, key, Qt::ControlModifier);
            const QStringList lines = clipboardText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 4);
            const int rows[] = {-1, 0, 4, 35};  // the titles, then the rows in table order
            for (int line = 0; line < 4; ++line) {
                const QStringList cells = lines[line].split(QLatin1Char('\t'));
                QCOMPARE(cells.size(), 5);
                for (int column = 0; column < 5; ++column) {
                    const QString expected =
                        rows[line] < 0 ? model->headerData(column, Qt::Horizontal).toString()
                                       : model->index(rows[line], column).data().toString();
                    QCOMPARE(cells[column], expected);
                }
            }
        }
        QCOMPARE(p.state.transitValue1, 622.0);  // copying leaves the results as they were

        // The table's menu: the rows, or the whole table.
        choose(rightClick(view->viewport()), QStringLiteral("Copiar tabla"));
        QCOMPARE(clipboardText().count(QLatin1Char('\n')), 37);
        view->clearSelection();
        QMenu* menu = rightClick(view, QContextMenuEvent::Keyboard);  // the Menu key
        QCOMPARE(entries(menu), (QStringList{"Copiar filas", "Copiar tabla"}));
        QVERIFY(!menu->actions().at(0)->isEnabled());
        menu->close();

        // A result field copies its value.
        choose(rightClick(child<QLineEdit>(&w, "mensual")), QStringLiteral("Copiar"));
        QCOMPARE(clipboardText(), QStringLiteral("622"));
    }
};

QTEST_MAIN(BankWindowTest)
#include "bank_window_test.moc"
