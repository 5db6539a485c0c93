// Keyboard reach: in the converter, the bank, the Preferences window and the Program menu,
// Tab passes through every control the mouse can use, in reading order, and comes round.

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolBar>

#include "all_windows_support.h"
#include "app/shell/picture_box.h"

using namespace numeralia;
using namespace numeralia::testing;
using app::WindowId;

namespace {

// The controls of the window a mouse can use: buttons (those of a tool bar repeat menu
// entries), fields, lists and text boxes, and pictures that answer a click.
QList<QWidget*> mouseControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || w->window() != window) continue;
        const auto* picture = qobject_cast<app::PictureBox*>(w);
        const bool control =
            (qobject_cast<QAbstractButton*>(w) && !qobject_cast<QToolBar*>(w->parentWidget())) ||
            (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget())) ||
            (qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QHeaderView*>(w)) ||
            qobject_cast<QComboBox*>(w) ||
            qobject_cast<QTextEdit*>(w) || (picture && picture->isClickable());
        if (control) controls << w;
    }
    return controls;
}

// The widgets that hold the focus, Tab after Tab, once round the window.
QList<QWidget*> tabRound() {
    QList<QWidget*> seen;
    for (int i = 0; i < 300; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || seen.contains(focus)) break;
        seen << focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return seen;
}

QString named(const QWidget* w) {
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()),
                                       w->objectName());
}

}  // namespace

class KeyboardReachTest : public QObject {
    Q_OBJECT
  private slots:
    void tabReachesEveryControlInOrder_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QStringList>("order");  // names that must come in this order
        QTest::newRow("Converter") << static_cast<int>(WindowId::Converter)
                                   << QStringList{"logo", "magnitud", "dimension", "unidad0",
                                                  "unidad1", "unidad7", "unidad34",
                                                  "primeraUnidad", "factor", "segundaUnidad",
                                                  "exp", "r1", "r2", "r3"};
        QTest::newRow("Bank") << static_cast<int>(WindowId::Bank)
                              << QStringList{"numero", "key_7", "key_9", "key_0", "key_C", "calcular",
                                             "capital", "interes", "tiempo", "anos",
                                             "mensual", "intereses", "tabla"};
        QTest::newRow("Preferences") << static_cast<int>(WindowId::Preferences)
                                     << QStringList{"Text1", "Text2", "valor", "Check1",
                                                    "Image2", "Command1", "Command2",
                                                    "Command3"};
        QTest::newRow("ProgramMenu") << static_cast<int>(WindowId::ProgramMenu)
                                     << QStringList{"Image6", "readme"};
    }
    void tabReachesEveryControlInOrder() {
        QFETCH(int, window);
        QFETCH(QStringList, order);
        AllWindows all;
        QWidget* w = all.p.windows.show(static_cast<WindowId>(window));
        QVERIFY(w && activate(w));
        // The first control of the window takes the focus, as with a Tab from outside it.
        w->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w, Qt::Key_Tab);
        const QList<QWidget*> round = tabRound();

        // Options of one group are one stop: Tab reaches the chosen one, the arrows the rest.
        const auto reached = [&round](QWidget* control) {
            if (round.contains(control)) return true;
            if (!qobject_cast<QRadioButton*>(control)) return false;
            for (QWidget* seen : round) {
                if (qobject_cast<QRadioButton*>(seen) && seen->parentWidget() == control->parentWidget())
                    return true;
            }
            return false;
        };
        QStringList missed;
        for (QWidget* control : mouseControls(w)) {
            if (!reached(control->focusProxy() ? control->focusProxy() : control))
                missed << named(control);
        }
        QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("not reached: ") + missed.join(QStringLiteral(", "))));

        qsizetype last = -1;
        QStringList seen;
        for (const QWidget* focus : round) seen << focus->objectName();
        for (const QString& name : order) {
            const qsizetype at = seen.indexOf(name);
            QVERIFY2(at > last, qPrintable(QStringLiteral("%1 out of order in %2").arg(name, seen.join(QLatin1Char(' ')))));
            last = at;
        }
        all.p.closeWindows();
    }
};

QTEST_MAIN(KeyboardReachTest)
#include "keyboard_reach_test.moc"
