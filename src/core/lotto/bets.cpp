#include "core/lotto/bets.h"

#include <algorithm>

#include "core/lotto/combinations.h"
#include "core/text/number_text.h"

namespace numeralia::lotto {

std::string countText(long long n) {
    return text::formatPattern(static_cast<double>(n), "###,###,##0");
}

std::string composeBetText(const std::vector<int>& numbers) {
    std::string text;
    text.reserve(numbers.size() * 5);
    for (int number : numbers) {
        text += text::signBlankText(number);
        text += ", ";
    }
    if (text.size() >= 2) text.resize(text.size() - 2);
    return text;
}

std::optional<std::vector<int>> parseBet(std::string_view text) {
    std::vector<int> numbers;
    std::size_t i = 0;
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (true) {
        while (i < text.size() && isBlank(text[i])) ++i;
        if (i == text.size()) break;
        int value = 0;
        std::size_t digits = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
            value = value * 10 + (text[i] - '0');
            if (value > kNumbers) return std::nullopt;
        }
        if (digits == 0) return std::nullopt;
        if (value < 1) return std::nullopt;
        numbers.push_back(value);
        while (i < text.size() && isBlank(text[i])) ++i;
        if (i == text.size()) break;
        if (text[i] == ',' || text[i] == ';') {
            ++i;
            while (i < text.size() && isBlank(text[i])) ++i;
            if (i == text.size()) return std::nullopt;  // a separator with nothing after it
        } else if (!(text[i] >= '0' && text[i] <= '9')) {
            return std::nullopt;
        }
        if (numbers.size() > static_cast<std::size_t>(kLargestBet)) return std::nullopt;
    }
    if (numbers.size() < static_cast<std::size_t>(kSmallestBet) ||
        numbers.size() > static_cast<std::size_t>(kLargestBet))
        return std::nullopt;
    std::sort(numbers.begin(), numbers.end());
    if (std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end()) return std::nullopt;
    return numbers;
}

}  // namespace numeralia::lotto
