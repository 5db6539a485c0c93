#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/calc_status_bar.h"
#include "app/calc/history_printing.h"
#include "app/calc/scientific_window.h"
#include "app/shell/app_context.h"
#include "app/shell/printing.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_registry.h"

using namespace numeralia;
using namespace numeralia::app;
using calc::KeyId;

namespace {

struct RecordingSounds : SoundPlayer {
    QStringList played;
    void playWave(const std::string& file, bool) override {
        played << QString::fromStdString(file);
    }
};

struct NoDialogs : Dialogs {
    void inform(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
};

QAction* findAction(QWidget* root, const QString& text) {
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

}  // namespace

class ScientificWindowTest : public QObject {
    Q_OBJECT

    SharedState state;
    RecordingSounds sounds;
    NoDialogs dialogs;
    WindowRegistry windows;
    AppContext context{state, sounds, dialogs, windows};
    std::unique_ptr<ScientificWindow> window;

    void click(KeyId id) {
        QPushButton* button = window->keypad().button(id);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString numero() const { return window->displays().numero->text(); }
    QString result() const { return window->displays().result->text(); }

  private slots:
    void init() {
        state = SharedState{};
        sounds.played.clear();
        window = std::make_unique<ScientificWindow>(context);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void opensWithItsCaptionAndDisplays() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Numeralia v2.5   (Científica)"));
        QCOMPARE(numero(), QStringLiteral("0"));
        QCOMPARE(window->displays().dcm->text(), QStringLiteral("15"));
        QCOMPARE(window->displays().angulo->text(), QStringLiteral("deg"));
        QCOMPARE(window->displays().ivas->text(), QStringLiteral("16 %"));
        QVERIFY(window->displays().history->isHidden());
        QCOMPARE(QString::fromStdString(state.calculatorModel), QStringLiteral("avanzada"));
    }

    void clicksThenEnterPressesEquals() {
        click(KeyId::digit2);
        click(KeyId::plus);
        click(KeyId::digit3);
        QCOMPARE(numero(), QStringLiteral("3"));
        QCOMPARE(QApplication::focusWidget(), window->keypad().button(KeyId::equals));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(numero(), QStringLiteral("5"));
        QCOMPARE(window->displays().func->text(), QStringLiteral("="));
    }

    void typedKeysRunTheirKeys() {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12*3"));
        QCOMPARE(numero(), QStringLiteral("3"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(numero(), QStringLiteral("36"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2,5<"));
        QCOMPARE(numero(), QStringLiteral("-2,5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QCOMPARE(numero(), QStringLiteral("2,5"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("a"));
        QCOMPARE(numero(), QStringLiteral("0"));
        QCOMPARE(window->displays().func->text(), QStringLiteral("*** ERROR / BORRADO ***"));
    }

    void shiftOneAddsToTheFirstMemory() {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        // What a US keyboard reports for Shift+1.
        QTest::sendKeyEvent(QTest::Press, QApplication::focusWidget(), Qt::Key_Exclam,
                            QStringLiteral("!"), Qt::ShiftModifier);
        QCOMPARE(window->displays().memories[0]->text(), QStringLiteral("7"));
        QCOMPARE(state.memory1, 7.0);
        QCOMPARE(numero(), QStringLiteral("7"));  // nothing typed into the display
    }

    void divisionByZeroShowsTheCriticalFace() {
        state.soundOn = 1;
        for (KeyId id : {KeyId::digit5, KeyId::divide, KeyId::digit0, KeyId::equals}) click(id);
        QCOMPARE(numero(), QStringLiteral("0"));
        QCOMPARE(result(), QStringLiteral("Error: Parada crítica"));
        QCOMPARE(window->displays().image3->source(),
                 QStringLiteral(":/pictures/face_critical.svg"));
        QCOMPARE(sounds.played, QStringList{QStringLiteral("pato.wav")});
        click(KeyId::digit4);
        QCOMPARE(window->displays().image3->source(), QStringLiteral(":/pictures/face_normal.svg"));
        QCOMPARE(result(), QStringLiteral("0"));
    }

    void historyListFollowsTheModel() {
        click(KeyId::digit4);
        click(KeyId::digit2);
        click(KeyId::historyToggle);
        QVERIFY(window->displays().history->isVisible());
        QCOMPARE(window->displays().history->count(), 2);
        QCOMPARE(window->displays().history->itemText(1), QStringLiteral("42"));
        emit window->displays().history->activated(0);
        QCOMPARE(numero(), QStringLiteral("4"));
        QVERIFY(window->displays().history->isHidden());
        click(KeyId::historyClear);
        QCOMPARE(window->displays().history->count(), 0);
    }

    void toolTipsNameTheShortcuts() {
        QCOMPARE(window->keypad().button(KeyId::equals)->toolTip(), QStringLiteral("{ENTER}"));
        QCOMPARE(window->keypad().button(KeyId::allClear)->toolTip(),
                 QStringLiteral("Borrado.  {A}"));
        QCOMPARE(window->keypad().button(KeyId::memoryAdd2)->toolTip(),
                 QStringLiteral("Sumar a M2.  {SHIFT+2}"));
        QCOMPARE(window->displays().memories[3]->toolTip(),
                 QStringLiteral("Valor actual de la Memoria 4"));
    }

    void activationRefreshesTransitTipsAndStatusBar() {
        state.transitLabel2 = "Mensualidad";
        state.currencyName1 = "euro";
        state.currencyName2 = "pts";
        state.exchangeFactor = Variant::fromNumber(166.386);
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(window.get(), &activation);
        QCOMPARE(window->keypad().button(KeyId::transit2)->toolTip(),
                 QStringLiteral("Mensualidad"));
        QCOMPARE(window->status().currency->text(), QStringLiteral("1 euro = 166,386 pts"));
        QVERIFY(window->status().sound->isHidden());
    }

    void menusFollowTheProgramsThatExist() {
        QVERIFY(findAction(window.get(), QStringLiteral("Historial")));
        QVERIFY(findAction(window.get(), QStringLiteral("Historial"))->isEnabled());
        QAction* alarm = findAction(window.get(), QStringLiteral("Alarma"));
        QVERIFY(alarm);
        QVERIFY(!alarm->isEnabled());  // no Alarm window registered here
        QCOMPARE(alarm->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
        QCOMPARE(findAction(window.get(), QStringLiteral("Simulador Loto"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_S));
        state.calculatorModel = "normalita";
        findAction(window.get(), QStringLiteral("Científica"))->trigger();
        QCOMPARE(QString::fromStdString(state.calculatorModel), QStringLiteral("avanzada"));
    }

    void historyMenuPrintsTheKeyHistory() {
        QTemporaryDir folder;
        setPdfFolderForTests(folder.path());
        click(KeyId::digit7);
        findAction(window.get(), QStringLiteral("Historial"))->trigger();
        const QStringList pdfs = QDir(folder.path()).entryList({QStringLiteral("*.pdf")});
        QCOMPARE(pdfs.size(), 1);
        QVERIFY(QFileInfo(QDir(folder.path()).filePath(pdfs.front())).size() > 0);
        setPdfFolderForTests(QString());
    }

    void printedHistoryHoldsEveryEntry() {
        const QString html = historyDocumentHtml(
            {QStringLiteral("12"), QStringLiteral("                  +"), QStringLiteral("a<b")},
            QStringLiteral("hoy"));
        QVERIFY(html.contains(QStringLiteral("Historial")));
        QVERIFY(html.contains(QStringLiteral("                  +\n")));
        QVERIFY(html.contains(QStringLiteral("a&lt;b")));
    }
};

QTEST_MAIN(ScientificWindowTest)
#include "scientific_window_test.moc"
