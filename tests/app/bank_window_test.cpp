#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "app/bank/bank_help_window.h"
#include "app/bank/bank_printout.h"
#include "app/bank/bank_window.h"
#include "app/shell/printing.h"

using namespace numeralia;
using namespace numeralia::app;

namespace {

struct Sounds : SoundPlayer {
    QStringList played;
    void playWave(const std::string& file, bool) override {
        played << QString::fromStdString(file);
    }
};

struct Answers : Dialogs {
    bool yes = true;
    QStringList messages;
    QStringList questions;
    void inform(const std::string&, const std::string& text) override {
        messages << QString::fromStdString(text);
    }
    bool askYesNo(const std::string&, const std::string& text) override {
        questions << QString::fromStdString(text);
        return yes;
    }
};

}  // namespace

class BankWindowTest : public QObject {
    Q_OBJECT

    SharedState state;
    Sounds sounds;
    Answers answers;
    WindowRegistry windows;
    AppContext context{state, sounds, answers, windows};

    QString text(BankWindow& w, const char* name) {
        auto* label = w.findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }

    QAction* menuAction(BankWindow& w, const QString& menu, const QString& item) {
        for (QAction* top : w.menuBar()->actions()) {
            if (top->text() != menu) continue;
            if (item.isEmpty()) return top;
            for (QAction* a : top->menu()->actions()) {
                if (a->text() == item) return a;
            }
        }
        return nullptr;
    }

  private slots:
    void init() {
        state = SharedState{};
        answers.messages.clear();
        answers.questions.clear();
        answers.yes = true;
    }

    void keyboardAndKeysComputeTheExampleLoan() {
        BankWindow w(context);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Operaciones Bancarias  -  Préstamos"));
        QTest::keyClicks(&w, QStringLiteral("5000000"));
        QCOMPARE(text(w, "numero"), QStringLiteral("5000000"));
        QTest::keyClick(&w, Qt::Key_F1);
        QTest::keyClicks(&w, QStringLiteral("5"));
        w.findChild<QPushButton*>(QStringLiteral("key_0"))->click();  // the keypad too: "50"
        QCOMPARE(text(w, "numero"), QStringLiteral("50"));
        QTest::keyClick(&w, Qt::Key_C);
        QCOMPARE(text(w, "capital"), QString());
        QTest::keyClicks(&w, QStringLiteral("5000000"));
        QTest::keyClick(&w, Qt::Key_F1);
        QTest::keyClicks(&w, QStringLiteral("5"));
        QTest::keyClick(&w, Qt::Key_F2);
        w.findChild<QRadioButton*>(QStringLiteral("meses"))->click();
        QTest::keyClicks(&w, QStringLiteral("120"));
        QTest::keyClick(&w, Qt::Key_F3);
        QCOMPARE(text(w, "capital"), QStringLiteral("5000000"));
        QCOMPARE(text(w, "tiempo"), QStringLiteral("120"));
        w.findChild<QPushButton*>(QStringLiteral("calcular"))->click();
        QCOMPARE(answers.questions.size(), 1);
        QCOMPARE(text(w, "mensual_titulo"), QStringLiteral("Mensualidad"));
        QCOMPARE(text(w, "mensual"), QStringLiteral("53.032"));
        QCOMPARE(text(w, "total"), QStringLiteral("6.363.931"));
        QCOMPARE(text(w, "intereses"), QStringLiteral("1.363.930"));
        QCOMPARE(state.transitValue2, 6363930.0);
        QAbstractItemModel* table = w.table()->model();
        QCOMPARE(table->rowCount(), 120);
        QCOMPARE(table->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Pendiente"));
        QCOMPARE(table->index(0, 3).data().toString(), QStringLiteral("20.833,34"));
        QCOMPARE(table->index(0, 4).data().toString(), QStringLiteral("4.967.800,58"));
        // Keys typed while the table has the focus still reach the keypad.
        w.table()->setFocus();
        QTest::keyClicks(w.table(), QStringLiteral("12"));
        QCOMPARE(text(w, "numero"), QStringLiteral("12"));
        QCOMPARE(table->rowCount(), 120);
    }

    void tableRowsSelectAcrossAllColumns() {
        BankWindow w(context);
        w.model().chooseMonths();
        QTest::keyClicks(&w, QStringLiteral("1000"));
        QTest::keyClick(&w, Qt::Key_F1);
        QTest::keyClicks(&w, QStringLiteral("4"));
        QTest::keyClick(&w, Qt::Key_F2);
        QTest::keyClicks(&w, QStringLiteral("24"));
        QTest::keyClick(&w, Qt::Key_F3);
        QTest::keyClick(&w, Qt::Key_F12);
        QTableView* view = w.table();
        view->selectionModel()->select(
            view->model()->index(7, 2),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        const QModelIndexList selected = view->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 5);
        for (const QModelIndex& index : selected) QCOMPARE(index.row(), 7);
    }

    void modesChangeCaptionsAndSavingsKeys() {
        BankWindow w(context);
        auto* contributionKey = w.findChild<QLabel*>(QStringLiteral("aportemes"));
        QVERIFY(!contributionKey->isEnabled());
        menuAction(w, QStringLiteral("Tipo &Operación"), QStringLiteral("Planes de Ahorro"))
            ->trigger();
        QCOMPARE(w.windowTitle(), QStringLiteral("Operaciones Bancarias  -  Planes de Ahorro"));
        QVERIFY(contributionKey->isEnabled());
        QCOMPARE(text(w, "mensual_titulo"), QStringLiteral("Total Aportado"));
        QTest::keyClicks(&w, QStringLiteral("100"));
        QTest::keyClick(&w, Qt::Key_F4);
        QCOMPARE(text(w, "aportemes"), QStringLiteral("100"));
        menuAction(w, QStringLiteral("Tipo &Operación"), QStringLiteral("Depósitos a Plazo Fijo"))
            ->trigger();
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Operaciones Bancarias  -  Depósitos a Plazo Fijo"));
        QCOMPARE(text(w, "aportemes"), QString());
        QCOMPARE(w.table()->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Saldo Inicial"));
    }

    void wrongInputShowsAMessageAndEmptiesResults() {
        BankWindow w(context);
        state.transitValue1 = 7;
        QTest::keyClicks(&w, QStringLiteral("1000"));
        QTest::keyClick(&w, Qt::Key_F1);
        QTest::keyClick(&w, Qt::Key_F12);
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY(answers.messages[0].contains(QStringLiteral("Interés (%)")));
        QVERIFY(answers.messages[0].contains(QStringLiteral("Tiempo")));
        QCOMPARE(text(w, "mensual"), QString());
        QCOMPARE(w.table()->model()->rowCount(), 0);
        QCOMPARE(state.transitValue1, 7.0);
    }

    void printsResultsAndTableToAPdf() {
        QTemporaryDir folder;
        setPdfFolderForTests(folder.path());
        BankWindow w(context);
        w.printResults(true);  // nothing calculated yet: the user is told, nothing printed
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
        w.model().chooseMonths();
        QTest::keyClicks(&w, QStringLiteral("20000"));
        QTest::keyClick(&w, Qt::Key_F1);
        QTest::keyClicks(&w, QStringLiteral("7.5"));
        QTest::keyClick(&w, Qt::Key_F2);
        QTest::keyClicks(&w, QStringLiteral("36"));
        QTest::keyClick(&w, Qt::Key_F3);
        QTest::keyClick(&w, Qt::Key_F12);
        const QString html = bankPrintHtml(w.model(), true);
        QVERIFY(html.contains(QStringLiteral("7,5")));
        QVERIFY(html.contains(QStringLiteral("36 meses")));
        QVERIFY(html.contains(QStringLiteral(">36</td>")));  // the last month of the table
        QVERIFY(!bankPrintHtml(w.model(), false).contains(QStringLiteral(">36</td>")));
        w.printResults(true);
        const QStringList files = QDir(folder.path()).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY(QFileInfo(folder.filePath(files[0])).size() > 1000);
        setPdfFolderForTests(QString());
    }

    void helpWindowCoversEveryKey() {
        BankHelpWindow help;
        QCOMPARE(help.windowTitle(), QStringLiteral("Ayuda Operaciones Bancarias"));
        const QString text = help.findChild<QTextBrowser*>()->toPlainText();
        for (const char* word :
             {"F1", "F2", "F3", "F4", "F5", "F12", "R1", "Depósitos a Plazo Fijo",
              "Planes de Ahorro", "Préstamos Bancarios"}) {
            QVERIFY2(text.contains(QString::fromUtf8(word)), word);
        }
    }

    void soundIndicatorFollowsTheSwitchOnActivation() {
        BankWindow w(context);
        w.show();
        QLabel* indicator = nullptr;
        for (QLabel* label : w.findChildren<QLabel*>()) {
            if (label->toolTip() == QStringLiteral("Sonidos activados")) indicator = label;
        }
        QVERIFY(indicator != nullptr);
        state.soundOn = 1;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(indicator->isVisible());
        // Another window takes the focus, the sounds are switched off there, and the bank
        // window shows the change when it becomes active again.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        state.soundOn = 0;
        QVERIFY(indicator->isVisible());
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(!indicator->isVisible());
    }
};

QTEST_MAIN(BankWindowTest)
#include "bank_window_test.moc"
