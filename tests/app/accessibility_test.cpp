// Every window of the program as a screen reader sees it, through QAccessible: each button
// has a name in words (not a bare symbol) and, when its tool tip names a keyboard shortcut,
// a description with it; each display, field and list has a name. With
// NUMERALIA_ACCESSIBLE_DUMP set, every name and description is listed.

#include <QAccessible>
#include <algorithm>

#include "all_windows_support.h"
#include "core/shell/accessible_text.h"

using namespace numeralia;
using namespace numeralia::testing;

namespace {

bool isButton(QAccessible::Role role) {
    return role == QAccessible::Button || role == QAccessible::CheckBox ||
           role == QAccessible::RadioButton || role == QAccessible::ButtonMenu ||
           role == QAccessible::ButtonDropDown || role == QAccessible::ButtonDropGrid;
}

bool isField(QAccessible::Role role) {
    return role == QAccessible::EditableText || role == QAccessible::ComboBox ||
           role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree;
}

// Walks the accessible tree below iface and notes what a screen reader could not say.
void collect(QAccessibleInterface* iface, const QString& where, QStringList& problems,
             int& buttons) {
    if (!iface || !iface->isValid()) return;
    const QAccessible::Role role = iface->role();
    const QString name = iface->text(QAccessible::Name);
    QObject* object = iface->object();
    const QString what =
        QStringLiteral("%1: %2 %3 \"%4\"")
            .arg(where, object ? QString::fromLatin1(object->metaObject()->className()) : QString(),
                 object ? object->objectName() : QString(), name);
    if (qEnvironmentVariableIsSet("NUMERALIA_ACCESSIBLE_DUMP") && (isButton(role) || isField(role)))
        qInfo("%s | %s", qPrintable(what), qPrintable(iface->text(QAccessible::Description)));
    if (isButton(role)) {
        ++buttons;
        if (!speaksInWords(name.toStdString())) problems << what + QStringLiteral(" (button name)");
        const auto* widget = qobject_cast<QWidget*>(object);
        if (widget && widget->toolTip().contains(QLatin1Char('{')) &&
            !iface->text(QAccessible::Description).contains(QStringLiteral("Atajo de teclado")))
            problems << what + QStringLiteral(" (no shortcut in the description)");
    } else if (isField(role) && name.trimmed().isEmpty()) {
        problems << what + QStringLiteral(" (unnamed field)");
    }
    for (int i = 0; i < iface->childCount(); ++i) collect(iface->child(i), where, problems, buttons);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void everyButtonAndFieldOfEveryWindowIsNamed() {
        AllWindows all;
        QStringList problems;
        int buttons = 0;
        all.forEach([&](app::WindowId id, QWidget* window) {
            const int before = buttons;
            collect(QAccessible::queryAccessibleInterface(window), windowName(id), problems,
                    buttons);
            // A window whose buttons the walk did not reach would pass unseen.
            const QList<QAbstractButton*> all = window->findChildren<QAbstractButton*>();
            const bool anyShown = std::any_of(all.begin(), all.end(),
                                              [window](QWidget* b) { return b->isVisibleTo(window); });
            if (anyShown && buttons == before)
                problems << QStringLiteral("%1: no button reached").arg(windowName(id));
        });
        for (const QString& problem : problems) qWarning("%s", qPrintable(problem));
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problems").arg(problems.size())));
        QVERIFY(all.covered.contains(QStringLiteral("Scientific")));
        QVERIFY(buttons > 100);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
