#include "core/desk/time_text.h"

#include <charconv>
#include <cstdio>

#include "core/text/letter_case.h"

namespace numeralia::desk {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string number(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", digits, value);
    return text;
}

// Whether the pattern has an AM/PM designator outside its quoted texts.
bool hasDesignator(std::string_view pattern) {
    bool quoted = false;
    for (char c : pattern) {
        if (c == '\'') quoted = !quoted;
        else if (!quoted && (c == 'A' || c == 'a')) return true;
    }
    return false;
}

std::string plural(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string formatTime(std::string_view pattern, const LocalDateTime& local,
                       const TimeFormats& formats) {
    const bool twelveHour = hasDesignator(pattern);
    const int hour12 = local.hour % 12 == 0 ? 12 : local.hour % 12;
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            const std::size_t close = pattern.find('\'', i + 1);
            if (close == i + 1) {
                out += '\'';  // '' is a quote
            } else {
                out += pattern.substr(i + 1, close == std::string_view::npos ? close : close - i - 1);
            }
            i = close == std::string_view::npos ? pattern.size() : close + 1;
            continue;
        }
        if (!isLetter(c)) {
            out += c;
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        const int width = run >= 2 ? 2 : 1;
        switch (c) {
            case 'H': out += number(local.hour, width); break;
            case 'h': out += number(twelveHour ? hour12 : local.hour, width); break;
            case 'm': out += number(local.minute, width); break;
            case 's': out += number(local.second, width); break;
            case 'z': out += number(local.millisecond, run >= 3 ? 3 : 1); break;
            case 'A':
            case 'a': {
                const std::string& designator = local.hour < 12 ? formats.am : formats.pm;
                out += c == 'A' ? designator : text::lowerCase(designator);
                const char p = c == 'A' ? 'P' : 'p';
                if (i + run < pattern.size() && pattern[i + run] == p) ++run;  // "AP", "ap"
                break;
            }
            default: break;  // a time zone or a field of the date: not shown
        }
        i += run;
    }
    return out;
}

std::string withoutTimeZone(std::string_view pattern) {
    std::string out;
    bool quoted = false;
    for (char c : pattern) {
        if (c == '\'') quoted = !quoted;
        if (quoted || c != 't') out += c;
    }
    // Brackets left empty, then blanks doubled or at the ends.
    for (const char* empty : {"()", "[]"}) {
        for (std::size_t at; (at = out.find(empty)) != std::string::npos;) out.erase(at, 2);
    }
    for (std::size_t at; (at = out.find("  ")) != std::string::npos;) out.erase(at, 1);
    while (!out.empty() && out.back() == ' ') out.pop_back();
    while (!out.empty() && out.front() == ' ') out.erase(0, 1);
    return out;
}

std::string mediumTime(const LocalDateTime& local, const TimeFormats& formats) {
    return formatTime("hh:mm AP", local, formats);
}

std::string wallTimeText(WallTime time) { return number(time.hour, 2) + ":" + number(time.minute, 2); }

std::string dateText(LocalDate date) {
    return number(date.day, 2) + "/" + number(date.month, 2) + "/" + number(date.year, 4);
}

std::string dateTimeText(const LocalDateTime& local) {
    return number(local.date.year, 4) + "-" + number(local.date.month, 2) + "-" +
           number(local.date.day, 2) + " " + number(local.hour, 2) + ":" + number(local.minute, 2) +
           ":" + number(local.second, 2);
}

std::optional<LocalDateTime> parseDateTime(std::string_view text) {
    // Fixed positions: YYYY-MM-DD HH:MM[:SS]
    if (text.size() != 16 && text.size() != 19) return std::nullopt;
    auto field = [&](std::size_t at, std::size_t length, int low, int high) -> std::optional<int> {
        int value = 0;
        const char* begin = text.data() + at;
        const auto [end, error] = std::from_chars(begin, begin + length, value);
        if (error != std::errc() || end != begin + length || value < low || value > high) return {};
        return value;
    };
    if (text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':') return std::nullopt;
    if (text.size() == 19 && text[16] != ':') return std::nullopt;
    const auto year = field(0, 4, 1, 9999), month = field(5, 2, 1, 12), day = field(8, 2, 1, 31);
    const auto hour = field(11, 2, 0, 23), minute = field(14, 2, 0, 59);
    const auto second = text.size() == 19 ? field(17, 2, 0, 59) : std::optional<int>(0);
    if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
    const LocalDate date{*year, *month, *day};
    if (addDays(addDays(date, 1), -1) != date) return std::nullopt;  // 31 April, 29 February 2023
    return LocalDateTime{date, *hour, *minute, *second, 0};
}

std::optional<Instant> parseSpan(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    Instant unit = 0;
    switch (text.back()) {
        case 's': unit = kSecond; break;
        case 'm': unit = kMinute; break;
        case 'h': unit = kHour; break;
        case 'd': unit = kDay; break;
        default: return std::nullopt;
    }
    text.remove_suffix(1);
    if (text.front() == '+') text.remove_prefix(1);
    long long count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (count > 100000 || count < -100000) return std::nullopt;
    return count * unit;
}

std::string durationText(Instant span) {
    const Instant minutes = span < 0 ? 0 : span / kMinute;
    const int days = static_cast<int>(minutes / (24 * 60));
    const int hours = static_cast<int>(minutes / 60 % 24);
    const int mins = static_cast<int>(minutes % 60);
    if (days > 0) {
        return hours > 0 ? plural(days, "día", "días") + " " + std::to_string(hours) + " h"
                         : plural(days, "día", "días");
    }
    if (hours > 0) {
        return mins > 0 ? std::to_string(hours) + " h " + std::to_string(mins) + " min"
                        : std::to_string(hours) + " h";
    }
    return std::to_string(mins) + " min";
}

}  // namespace numeralia::desk
