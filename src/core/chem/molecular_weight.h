#pragma once
// The molecular-weight calculator: a formula built from element keys, each symbol listed
// once in the order of its first click with its count, and the molar mass kept as a running
// sum of weight times count. A typed formula is added up the same way.

#include <string>
#include <string_view>
#include <vector>

namespace numeralia::chem {

class MolecularWeightCalculator {
public:
    static constexpr int kMaxEntries = 30;
    static constexpr std::size_t kMaxSubscriptDigits = 4;

    struct Entry {
        std::string symbol;
        int count;
        bool operator==(const Entry&) const = default;
    };

    // "Cálculo": shows the calculator; nothing is cleared.
    void start() { active_ = true; }
    // "Salir": hides it and clears the formula, the mass and the subscript.
    void exit();
    // "C": clears the formula and the mass; the subscript stays.
    void clear();
    // "0" to "9": only while the formula has an entry; the subscript takes at most four digits.
    void digit(int d);
    // "=", first half: the typed subscript n becomes the count of the shown element's entry,
    // less the one the element's key is about to add again; the subscript goes back to "0".
    // False when there is nothing to apply it to (then nothing changes).
    bool applySubscript(std::string_view symbol, double weight);
    // An element key: weight |w| count times more of this symbol. A symbol already in the
    // formula adds to its entry; a 31st different symbol starts a new formula.
    void add(std::string_view symbol, double weight, int count = 1);

    bool active() const { return active_; }
    double runningMass() const { return mass_; }
    const std::vector<Entry>& entries() const { return entries_; }
    // The fields: "H 2 S 1 O 4 ", " 98,07948" (blank for the sign), the subscript typed.
    const std::string& formula() const { return formula_; }
    const std::string& massText() const { return massText_; }
    const std::string& subscript() const { return subscript_; }

private:
    void rewriteFields();

    bool active_ = false;
    double mass_ = 0;
    std::vector<Entry> entries_;
    std::string formula_;
    std::string massText_;
    std::string subscript_ = "0";
};

// The mass of count atoms of an element of this weight (mass numbers stored as -N count N).
double atomsMass(double weight, int count);

}  // namespace numeralia::chem
