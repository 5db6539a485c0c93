#include "core/chem/element_search.h"

#include <cstdlib>

#include "core/chem/elements.h"
#include "core/text/letter_case.h"

namespace numeralia::chem {

int findElement(std::string_view typed) {
    const std::string wanted = text::searchFolded(typed);
    if (wanted.empty()) return 0;
    for (int z = 1; z <= kElementCount; ++z) {
        if (text::searchFolded(element(z).symbol) == wanted) return z;
    }
    for (int z = 1; z <= kElementCount; ++z) {
        if (text::searchFolded(element(z).name).starts_with(wanted)) return z;
    }
    for (int z = 1; z <= kElementCount; ++z) {
        if (text::searchFolded(element(z).english).starts_with(wanted)) return z;
    }
    return 0;
}

int ElementTypeAhead::type(std::string_view character, long long timeMs) {
    if (timeMs - lastMs_ > kPauseMs) typed_.clear();
    lastMs_ = timeMs;
    typed_ += character;
    if (const int z = findElement(typed_)) return z;
    typed_ = std::string(character);
    return findElement(typed_);
}

int neighbour(int z, Direction direction) {
    if (!isElement(z)) return z;
    const GridPlace from = gridPlace(z);
    if (direction == Direction::Left || direction == Direction::Right) {
        const int step = direction == Direction::Left ? -1 : 1;
        for (int c = from.column + step; c >= 0 && c < kGridColumns; c += step) {
            if (const int found = elementAt({from.row, c})) return found;
        }
        return z;
    }
    const int step = direction == Direction::Up ? -1 : 1;
    for (int r = from.row + step; r >= 0 && r < kGridRows; r += step) {
        int best = 0;
        int bestDistance = kGridColumns;
        for (int c = 0; c < kGridColumns; ++c) {
            const int found = elementAt({r, c});
            const int distance = std::abs(c - from.column);
            if (found != 0 && distance < bestDistance) {
                best = found;
                bestDistance = distance;
            }
        }
        if (best != 0) return best;
    }
    return z;
}

}  // namespace numeralia::chem
