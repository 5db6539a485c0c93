#include "app/shell/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QWidget>

#include "app/shell/picture_box.h"
#include "core/shell/accessible_text.h"

namespace numeralia::app {

namespace {

// The texts this helper set last, so that it knows them from the window's own.
constexpr const char* kDerivedName = "derivedAccessibleName";
constexpr const char* kDerivedDescription = "derivedAccessibleDescription";
constexpr const char* kOwnTexts = "ownAccessibleTexts";

bool isField(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

// A label of the same parent that names the widget (Qt reads its caption, kept current).
bool hasBuddyLabel(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (!parent) return false;
    for (const QObject* o : parent->children()) {
        const auto* label = qobject_cast<const QLabel*>(o);
        if (label && label->buddy() == w) return true;
    }
    return false;
}

// A label in a layout cell, or nullptr.
QLabel* labelIn(QLayoutItem* item) {
    return item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
}

// The caption of a field in its layout: the label just before it (to its left in a grid),
// else the label above it, else the one below it.
QLabel* captionInLayout(QWidget* field) {
    QWidget* parent = field->parentWidget();
    if (!parent) return nullptr;
    for (QLayout* layout : parent->findChildren<QLayout*>()) {
        const int index = layout->indexOf(field);
        if (index < 0) continue;
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int row = 0, column = 0, rows = 1, columns = 1;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            for (QLabel* label : {column > 0 ? labelIn(grid->itemAtPosition(row, column - 1)) : nullptr,
                                  row > 0 ? labelIn(grid->itemAtPosition(row - 1, column)) : nullptr,
                                  labelIn(grid->itemAtPosition(row + rows, column))}) {
                if (label) return label;
            }
            return nullptr;
        }
        return index > 0 ? labelIn(layout->itemAt(index - 1)) : nullptr;
    }
    return nullptr;
}

// The combo box a widget is part of (its edit line, its list): they are named with the box.
const QComboBox* owningComboBox(const QWidget* w) {
    // The list sits in a pop-up window of the box: two levels up.
    const QWidget* p = w->parentWidget();
    for (int level = 0; p && level < 2; ++level, p = p->parentWidget()) {
        if (const auto* box = qobject_cast<const QComboBox*>(p)) return box;
    }
    return nullptr;
}

QString withoutMnemonic(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption;
}

// Sets a text unless the window set its own: an empty one, or the one derived last time,
// may be replaced.
void setDerived(QWidget* w, const char* property, const QString& current, const QString& text,
                void (QWidget::*setter)(const QString&)) {
    if (!current.isEmpty() && current != w->property(property).toString()) return;
    if (current != text) (w->*setter)(text);
    w->setProperty(property, text);
}

void describe(QWidget* w);

void describeComboBoxParts(QComboBox* box) {
    for (QWidget* part : {static_cast<QWidget*>(box->lineEdit()), static_cast<QWidget*>(box->view())}) {
        if (!part || part->property(kOwnTexts).toBool()) continue;
        setDerived(part, kDerivedName, part->accessibleName(), box->accessibleName(),
                   &QWidget::setAccessibleName);
    }
}

void describe(QWidget* w) {
    if (w->property(kOwnTexts).toBool()) return;
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    const bool field = isField(w);
    if (!button && !field && w->toolTip().isEmpty()) return;
    if (owningComboBox(w) || (field && !button && hasBuddyLabel(w))) return;
    if (field && w->toolTip().isEmpty() && w->accessibleName().isEmpty()) {
        // A field without a tool tip is named by its caption in the layout (Qt reads a buddy
        // label's text, kept current).
        // (A caption with "&" would turn it into a mnemonic: it is left alone.)
        QLabel* caption = captionInLayout(w);
        if (caption && !caption->buddy() && !caption->text().contains(QLatin1Char('&'))) {
            caption->setBuddy(w);
            return;
        }
    }
    if (w->objectName() == QLatin1String("qt_toolbar_ext_button")) {
        // The button Qt adds to a tool bar too narrow for all its tools.
        setDerived(w, kDerivedName, w->accessibleName(), QStringLiteral("Más herramientas"),
                   &QWidget::setAccessibleName);
        return;
    }

    const QString caption = button ? withoutMnemonic(button->text()) : QString();
    const AccessibleTexts texts =
        accessibleTexts(w->toolTip().toStdString(), caption.simplified().toStdString());
    QString name = QString::fromStdString(texts.name);
    // A caption in words is what Qt says anyway, and it stays current when the caption
    // changes; a text box that fills a window is named after the window.
    if (name == caption.simplified()) name.clear();
    if (name.isEmpty() && qobject_cast<const QTextEdit*>(w)) name = w->window()->windowTitle();
    setDerived(w, kDerivedName, w->accessibleName(), name, &QWidget::setAccessibleName);
    setDerived(w, kDerivedDescription, w->accessibleDescription(),
               QString::fromStdString(texts.description), &QWidget::setAccessibleDescription);
    if (auto* box = qobject_cast<QComboBox*>(w)) describeComboBoxParts(box);
}

void describeAll(QWidget* window, QObject* watcher) {
    describe(window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->property(kDerivedName).isValid() && !w->property(kOwnTexts).toBool())
            w->installEventFilter(watcher);
        describe(w);
    }
}

// Renames a widget when its tool tip changes; looks at the whole window again when it is
// shown (widgets added since).
class AccessibleNamer : public QObject {
  public:
    explicit AccessibleNamer(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("accessibleNamer"));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTipChange) {
            describe(static_cast<QWidget*>(watched));
        } else if (watched == window_ && event->type() == QEvent::Show) {
            describeAll(window_, this);
        }
        return false;
    }

  private:
    QWidget* window_;
};

// A picture that takes the focus is pressed like a button; screen readers are told so.
class PictureInterface : public QAccessibleWidget {
  public:
    explicit PictureInterface(PictureBox* picture)
        : QAccessibleWidget(picture, picture->focusPolicy() == Qt::NoFocus ? QAccessible::Graphic
                                                                           : QAccessible::Button) {}
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button) names << pressAction();
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && role() == QAccessible::Button) {
            emit static_cast<PictureBox*>(widget())->clicked();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

QAccessibleInterface* pictureInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(PictureBox::staticMetaObject.className())) return nullptr;
    auto* picture = qobject_cast<PictureBox*>(object);
    return picture ? new PictureInterface(picture) : nullptr;
}

}  // namespace

void makeAccessible(QWidget* window) {
    static const bool pictures = [] {
        QAccessible::installFactory(pictureInterface);
        return true;
    }();
    (void)pictures;
    auto* namer = window->findChild<AccessibleNamer*>(QStringLiteral("accessibleNamer"),
                                                      Qt::FindDirectChildrenOnly);
    if (!namer) {
        namer = new AccessibleNamer(window);
        window->installEventFilter(namer);
    }
    describeAll(window, namer);
}

void setAccessibleTexts(QWidget* widget, const QString& name, const QString& description) {
    widget->setProperty(kOwnTexts, true);
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
    if (auto* box = qobject_cast<QComboBox*>(widget)) describeComboBoxParts(box);
}

}  // namespace numeralia::app
