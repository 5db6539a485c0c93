// Copy and paste in both calculator windows, through the real clipboard: Ctrl+Insert and
// Shift+Insert, the context menus of the displays, the memories and the key history (by
// right click and by the Menu key); copying leaves the calculator as it was. And what a
// screen reader hears of the error face.

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/normal_window.h"
#include "app/calc/scientific_window.h"
#include "app/shell/context_menu.h"
#include "app/shell/svg_picture.h"
#include "window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;
using calc::CalculatorKind;
using calc::KeyId;

namespace {

constexpr const char* kRefused = "Error: el portapapeles no contiene un número";

}  // namespace

class CalcClipboardTest : public QObject {
    Q_OBJECT

    Program p;
    std::unique_ptr<CalculatorWindow> window;

    void open(CalculatorKind kind) {
        window.reset();
        p.reset();
        p.state.soundOn = 1;  // a refused paste must stay silent all the same
        if (kind == CalculatorKind::Normal) {
            window = std::make_unique<NormalWindow>(p.context);
        } else {
            window = std::make_unique<ScientificWindow>(p.context);
        }
        QVERIFY(activate(window.get()));
    }
    const CalcDisplays& displays() const { return window->displays(); }
    QString numero() const { return displays().numero->text(); }
    void press(std::initializer_list<KeyId> keys) {
        for (KeyId id : keys) window->keypad().button(id)->click();
    }
    static QWidget* focus() { return QApplication::focusWidget(); }

  private slots:
    void cleanup() {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        window.reset();
    }

    void copyingTakesTheTextShownAndChangesNothing_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("Científica") << static_cast<int>(CalculatorKind::Scientific);
        QTest::newRow("Normal") << static_cast<int>(CalculatorKind::Normal);
    }
    void copyingTakesTheTextShownAndChangesNothing() {
        QFETCH(int, kind);
        open(static_cast<CalculatorKind>(kind));
        press({KeyId::digit1, KeyId::decimalPoint, KeyId::digit5, KeyId::memoryAdd1,
               KeyId::digit2, KeyId::plus, KeyId::digit3, KeyId::historyToggle});
        const calc::CalculatorState before = window->model().state();

        copyToClipboard(QStringLiteral("otra cosa"));
        QTest::keyClick(focus(), Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(clipboardText(), QStringLiteral("3"));

        // The menus of each display: their entries, and "Copiar" takes the text on show.
        QLineEdit* historyLine = displays().history->lineEdit();
        const struct {
            QWidget* widget;
            QLineEdit* shown;
            QStringList menu;
        } rows[] = {
            {displays().numero, displays().numero, {"Copiar", "Pegar"}},
            {displays().result, displays().result, {"Copiar"}},
            {displays().memories[0], displays().memories[0], {"Copiar"}},
            {displays().history, historyLine, {"Copiar", "Copiar todo"}},
            {historyLine, historyLine, {"Copiar", "Copiar todo"}},
        };
        for (const auto& row : rows) {
            copyToClipboard(QStringLiteral("otra cosa"));
            QMenu* menu = rightClick(row.widget);
            QCOMPARE(entries(menu), row.menu);
            choose(menu, QStringLiteral("Copiar"));
            QVERIFY(!row.shown->text().isEmpty());
            QCOMPARE(clipboardText(), row.shown->text());
        }
        QCOMPARE(displays().memories[0]->text(), QStringLiteral("1,5"));
        choose(rightClick(displays().history), QStringLiteral("Copiar todo"));
        QStringList history;
        for (const std::string& entry : before.history) history << QString::fromStdString(entry);
        QCOMPARE(clipboardText(), history.join(QLatin1Char('\n')));
        QVERIFY(clipboardText().contains(QStringLiteral("\n                  +\n")));

        const calc::CalculatorState& after = window->model().state();
        QCOMPARE(after.history, before.history);
        QCOMPARE(after.numero, before.numero);
        QCOMPARE(after.result, before.result);
        QCOMPARE(after.entryFlag, before.entryFlag);
        QCOMPARE(after.pendingOperator, before.pendingOperator);
        QCOMPARE(focus(), window->keypad().button(KeyId::equals));
    }

    // Rows: what is on the clipboard and the displays after the paste (the
    // reading rules themselves are the paste model's own tests).
    void pastingTypesTheNumber_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("result");
        for (const auto kind : {CalculatorKind::Scientific, CalculatorKind::Normal}) {
            const char* name = kind == CalculatorKind::Scientific ? "Científica" : "Normal";
            const int k = static_cast<int>(kind);
            QTest::addRow("%s thousands", name) << k << " 1.234.567,89\n" << "1234567,89" << "0";
            QTest::addRow("%s words", name) << k << "doce" << "3" << kRefused;
        }
    }
    void pastingTypesTheNumber() {
        QFETCH(int, kind);
        QFETCH(QString, clipboard);
        QFETCH(QString, numero);
        QFETCH(QString, result);
        for (const bool byMenu : {false, true}) {
            open(static_cast<CalculatorKind>(kind));
            press({KeyId::digit3});
            copyToClipboard(clipboard);
            if (byMenu) {
                choose(rightClick(displays().numero), QStringLiteral("Pegar"));
            } else {
                QTest::keyClick(focus(), Qt::Key_Insert, Qt::ShiftModifier);
            }
            QCOMPARE(this->numero(), numero);
            QCOMPARE(displays().result->text(), result);
            QVERIFY(p.sounds.played.empty());
            QCOMPARE(focus(), window->keypad().button(KeyId::equals));
        }
    }

    // The Menu key opens the main display's menu wherever the focus is; the menu shortcuts
    // of the letters still reach the keys (Ctrl+V takes off the VAT).
    void menuKeyAndLetterShortcutsStayApart() {
        open(CalculatorKind::Scientific);
        press({KeyId::digit1, KeyId::digit1, KeyId::digit6});
        QCOMPARE(entries(rightClick(focus(), QContextMenuEvent::Keyboard)),
                 (QStringList{"Copiar", "Pegar"}));
        QApplication::activePopupWidget()->close();
        copyToClipboard(QStringLiteral("999"));
        QTest::keyClick(focus(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(numero(), QStringLiteral("100"));
        QCOMPARE(clipboardText(), QStringLiteral("999"));
    }

    void errorFaceDescribesTheErrorShown() {
        open(CalculatorKind::Scientific);
        const auto description = [this] {
            return QAccessible::queryAccessibleInterface(displays().image3)
                ->text(QAccessible::Description);
        };
        QCOMPARE(description(), QStringLiteral("Sin error"));
        press({KeyId::digit2, KeyId::changeSign, KeyId::squareRoot});
        QCOMPARE(description(), QStringLiteral("Error: Número negativo"));
        press({KeyId::digit1});
        QCOMPARE(description(), QStringLiteral("Sin error"));
    }
};

QTEST_MAIN(CalcClipboardTest)
#include "calc_clipboard_test.moc"
