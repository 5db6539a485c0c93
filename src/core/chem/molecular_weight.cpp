#include "core/chem/molecular_weight.h"

#include <algorithm>
#include <cmath>

#include "core/text/number_text.h"

namespace numeralia::chem {

double atomsMass(double weight, int count) { return std::fabs(weight) * count; }

void MolecularWeightCalculator::exit() {
    active_ = false;
    mass_ = 0;
    entries_.clear();
    formula_.clear();
    massText_.clear();
    subscript_ = "0";
}

void MolecularWeightCalculator::clear() {
    mass_ = 0;
    entries_.clear();
    formula_.clear();
    massText_ = "0";
}

void MolecularWeightCalculator::digit(int d) {
    if (formula_.empty() || d < 0 || d > 9) return;
    const char c = static_cast<char>('0' + d);
    if (subscript_ == "0") subscript_ = std::string(1, c);
    else if (subscript_.size() < kMaxSubscriptDigits) subscript_ += c;
}

bool MolecularWeightCalculator::applySubscript(std::string_view symbol, double weight) {
    auto entry = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& e) { return e.symbol == symbol; });
    if (entry == entries_.end()) return false;
    // The field holds digits only; anything else would count as 0.
    int n = 0;
    for (char c : subscript_) {
        if (c < '0' || c > '9') {
            n = 0;
            break;
        }
        n = n * 10 + (c - '0');
    }
    mass_ = mass_ - atomsMass(weight, entry->count) + atomsMass(weight, n - 1);
    entry->count = n - 1;
    subscript_ = "0";
    return true;
}

void MolecularWeightCalculator::add(std::string_view symbol, double weight, int count) {
    auto entry = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& e) { return e.symbol == symbol; });
    if (entry == entries_.end() && static_cast<int>(entries_.size()) >= kMaxEntries) {
        clear();
        entry = entries_.end();
    }
    mass_ += atomsMass(weight, count);
    if (entry == entries_.end()) entries_.push_back({std::string(symbol), count});
    else entry->count += count;
    rewriteFields();
}

void MolecularWeightCalculator::rewriteFields() {
    formula_.clear();
    for (const Entry& e : entries_) formula_ += e.symbol + text::signBlankText(e.count) + " ";
    massText_ = text::signBlankText(mass_);
}

}  // namespace numeralia::chem
