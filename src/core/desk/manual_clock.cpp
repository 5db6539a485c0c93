#include "core/desk/manual_clock.h"

#include <charconv>

namespace numeralia::desk {

namespace {

// 01:00 UTC on the last Sunday of the month.
Instant lastSundayOneAm(int year, int month) {
    const int lastDay = month == 3 || month == 10 ? 31 : 30;
    const LocalDate last{year, month, lastDay};
    const int daysFromEpoch = daysBetween(LocalDate{1970, 1, 1}, last);
    const int weekday = ((daysFromEpoch % 7) + 7 + 4) % 7;  // 1970-01-01 was a Thursday; 0 = Sunday
    return static_cast<Instant>(daysFromEpoch - weekday) * kDay + kHour;
}

std::optional<int> twoDigits(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.size() != 2 || error != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

}  // namespace

std::optional<Zone> Zone::named(std::string_view name) {
    if (name == "CET") return centralEuropean();
    if (name == "UTC") return fixed(0);
    // "+HH:MM" or "-HH:MM"
    if (name.size() != 6 || (name[0] != '+' && name[0] != '-') || name[3] != ':') return {};
    const auto hours = twoDigits(name.substr(1, 2));
    const auto minutes = twoDigits(name.substr(4, 2));
    if (!hours || !minutes || *hours > 14 || *minutes > 59) return {};
    const int seconds = *hours * 3600 + *minutes * 60;
    return fixed(name[0] == '-' ? -seconds : seconds);
}

Instant ManualClock::now() const {
    if (!running_) return start_;
    const auto elapsed = std::chrono::steady_clock::now() - *running_;
    return start_ + std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

void ManualClock::set(Instant at) {
    start_ = at;
    if (running_) running_ = std::chrono::steady_clock::now();
}

void ManualClock::run() {
    start_ = now();
    running_ = std::chrono::steady_clock::now();
}

int ManualClock::utcOffset(Instant at) const {
    if (!zone_.summerTime) return zone_.standardOffset;
    const int year = localTime(ManualClock(0, Zone::fixed(0)), at).date.year;
    const bool summer = at >= lastSundayOneAm(year, 3) && at < lastSundayOneAm(year, 10);
    return zone_.standardOffset + (summer ? 3600 : 0);
}

bool ManualClock::setLocal(const LocalDateTime& local) {
    const LocalInstants instants = localInstants(*this, local);
    if (instants.count == 0) return false;
    set(instants.first);
    return true;
}

}  // namespace numeralia::desk
