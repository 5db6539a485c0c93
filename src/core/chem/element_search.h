#pragma once
// Finding an element key from the keyboard: by typing its symbol or the start of its
// Spanish or English name, and by walking the grid with the arrow keys.

#include <string>
#include <string_view>

namespace numeralia::chem {

// The element a typed text names, or 0: the element whose symbol it is (in any case), else
// the first element whose Spanish name starts with it (accents and case not counting), else
// the first whose English name does. "Fe", "hier" and "iron" all name iron.
int findElement(std::string_view typed);

// Letters typed one after another, as on a list that finds its entries by their start. A
// letter typed more than a second after the last one starts a new search, and so does a
// letter that would leave the search without any element.
class ElementTypeAhead {
public:
    static constexpr long long kPauseMs = 1000;
    // One typed character (UTF-8) at a time in milliseconds; the element the typed text
    // names now, or 0 when the character finds none.
    int type(std::string_view character, long long timeMs);
    const std::string& typed() const { return typed_; }

private:
    std::string typed_;
    long long lastMs_ = 0;
};

enum class Direction { Left, Right, Up, Down };

// The key reached from element z with an arrow key: the next key of the row in that
// direction, or the nearest key of the next row that has one; z itself at the edge.
int neighbour(int z, Direction direction);

}  // namespace numeralia::chem
