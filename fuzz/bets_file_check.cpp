#include <string>

#include "core/lotto/bets.h"
#include "core/lotto/bets_file.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/printable.h"

namespace numeralia::fuzz {

std::string checkBetsFile(std::string_view input) {
    const lotto::BetsRead read = lotto::readBetsText(input);
    if (!read.ok()) {
        if (!read.bets.empty()) return "a refused file left " + std::to_string(read.bets.size()) + " bets";
        return {};
    }
    if (read.bets.empty() || read.bets.size() > static_cast<std::size_t>(lotto::kStoreLimit))
        return "a file was read with " + std::to_string(read.bets.size()) + " bets";
    // Every bet as the list writes it: 6 to 11 distinct numbers from 1 to 49, ascending.
    for (const std::string& bet : read.bets) {
        const auto numbers = lotto::parseBet(bet);
        if (!numbers) return "the bet " + printable(bet) + " does not read";
        if (numbers->size() < 6 || numbers->size() > 11) return "the bet " + printable(bet) + " has a wrong size";
        for (std::size_t i = 0; i < numbers->size(); ++i) {
            const int n = (*numbers)[i];
            if (n < 1 || n > 49 || (i > 0 && n <= (*numbers)[i - 1]))
                return "the bet " + printable(bet) + " is not ascending from 1 to 49";
        }
        if (lotto::composeBetText(*numbers) != bet) return "the bet " + printable(bet) + " is not as the list writes it";
    }
    // Saved and read again, the same bets; saved again, the same file.
    const std::string saved = lotto::betsFileText(read.bets);
    const lotto::BetsRead again = lotto::readBetsText(saved);
    if (!again.ok()) return "the saved file is refused: " + again.problem;
    if (again.bets != read.bets) return "the saved file reads other bets: " + printable(saved);
    if (lotto::betsFileText(again.bets) != saved) return "saved again, the file changes";
    return {};
}

}  // namespace numeralia::fuzz
