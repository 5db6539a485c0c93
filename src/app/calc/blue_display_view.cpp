#include "app/calc/blue_display_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace numeralia::app {

namespace {

constexpr const char* kStyle = R"(
QFrame#blueDisplay { background: transparent; }
QListWidget {
    background: #1e4f8f; color: #f1faee; border: 1px solid #0f2d52; border-radius: 6px;
    font-size: 9pt; padding: 2px;
}
)";

QListWidget* list(const char* name, QWidget* parent) {
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    l->setToolTip(QStringLiteral("Pantalla auxiliar de Datos Azul"));
    // Clicking a line leaves the keyboard focus on "=".
    l->setFocusPolicy(Qt::NoFocus);
    l->setSelectionMode(QAbstractItemView::NoSelection);
    // A line longer than the list is wide goes on in the next row (a factorisation, an
    // equation of a system), so nothing needs scrolling sideways.
    l->setWordWrap(true);
    l->setTextElideMode(Qt::ElideNone);
    l->setResizeMode(QListView::Adjust);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return l;
}

// Shows the lines, the first one (the heading) in bold; each line's whole text is also its
// tool tip.
void showLines(QListWidget* l, const std::vector<std::string>& lines) {
    if (static_cast<std::size_t>(l->count()) == lines.size()) {
        bool same = true;
        for (int i = 0; same && i < l->count(); ++i)
            same = l->item(i)->text().toStdString() == lines[static_cast<std::size_t>(i)];
        if (same) return;
    }
    l->clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(lines[i]), l);
        item->setToolTip(item->text());
        if (i == 0) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    l->scrollToBottom();
}

}  // namespace

BlueDisplayView::BlueDisplayView(QPushButton* clearKey, QWidget* parent) : QFrame(parent) {
    setObjectName("blueDisplay");
    setStyleSheet(QString::fromUtf8(kStyle));
    rectangular = list("rectangular", this);
    polar = list("polar", this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(rectangular, 1);
    row->addWidget(polar, 1);
    if (clearKey) {
        clearKey->setParent(this);
        clearKey->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        clearKey->setMaximumWidth(36);
        row->addWidget(clearKey);
    }
    hide();
}

void BlueDisplayView::refresh(const calc::BlueDisplay& shown) {
    showLines(rectangular, shown.rectangular);
    showLines(polar, shown.polar);
    setVisible(shown.visible);
}

}  // namespace numeralia::app
