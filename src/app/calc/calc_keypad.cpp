#include "app/calc/calc_keypad.h"

#include <algorithm>

#include "app/shell/qt_text.h"
#include "core/calc/key_catalog.h"
#include "core/calc/scientific_keys.h"

namespace numeralia::app {

namespace {

const char* styleName(KeyStyle style) {
    switch (style) {
        case KeyStyle::Digit: return "digit";
        case KeyStyle::Operator: return "operator";
        case KeyStyle::Equals: return "equals";
        case KeyStyle::Clear: return "clear";
        case KeyStyle::Function: return "function";
        case KeyStyle::Memory: return "memory";
        case KeyStyle::Transit: return "transit";
        case KeyStyle::Vat: return "vat";
        default: return "plain";
    }
}

const char* panelName(KeySection section) {
    switch (section) {
        case KeySection::Functions: return "functionsPanel";
        case KeySection::Memories: return "memoriesPanel";
        case KeySection::Main: return "mainPanel";
        case KeySection::Vat: return "vatPanel";
        case KeySection::Statistics: return "statisticsPanel";
        case KeySection::Solvers: return "solversPanel";
        default: return "displaysPanel";
    }
}

}  // namespace

CalcKeypad::CalcKeypad(std::span<const KeySlot> layout, calc::CalculatorKind kind,
                       QWidget* parent)
    : QObject(parent) {
    for (int s = 0; s < static_cast<int>(panels_.size()); ++s) {
        const auto section = static_cast<KeySection>(s);
        // A panel for each section the layout uses (a window shows every panel it has).
        const bool used = std::any_of(layout.begin(), layout.end(),
                                      [section](const KeySlot& slot) { return slot.section == section; });
        if (section == KeySection::Displays || !used) continue;
        auto* frame = new QFrame(parent);
        frame->setObjectName(panelName(section));
        auto* grid = new QGridLayout(frame);
        grid->setContentsMargins(8, 8, 8, 8);
        grid->setSpacing(6);
        panels_[static_cast<std::size_t>(s)] = frame;
    }
    for (const KeySlot& slot : layout) {
        if (!calc::kindHasKey(kind, slot.id)) continue;
        const std::string_view caption = calc::shownCaption(kind, slot.id);  // π for "p"
        auto* button = new QPushButton(qs(caption), parent);
        button->setObjectName(qs(calc::keyInfo(slot.id).name));
        button->setToolTip(qs(calc::keyToolTip(kind, slot.id)));
        button->setProperty("keyStyle", styleName(slot.style));
        button->setAutoDefault(true);  // Enter on a focused key presses it
        button->setMinimumSize(54, 32);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        const calc::KeyId id = slot.id;
        connect(button, &QPushButton::clicked, this, [this, id] { emit keyClicked(id); });
        buttons_[static_cast<std::size_t>(id)] = button;
        if (QGridLayout* target = grid(slot.section)) {
            target->addWidget(button, slot.row, slot.column, slot.rowSpan, slot.columnSpan);
        }
    }
}

QFrame* CalcKeypad::panel(KeySection section) const {
    return panels_[static_cast<std::size_t>(section)];
}

QGridLayout* CalcKeypad::grid(KeySection section) const {
    QFrame* frame = panel(section);
    return frame ? static_cast<QGridLayout*>(frame->layout()) : nullptr;
}

QPushButton* CalcKeypad::button(calc::KeyId id) const {
    const auto index = static_cast<std::size_t>(id);
    return index < buttons_.size() ? buttons_[index] : nullptr;
}

}  // namespace numeralia::app
