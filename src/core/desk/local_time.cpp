#include "core/desk/local_time.h"

#include <chrono>

namespace numeralia::desk {

namespace {

using std::chrono::sys_days;

Instant floorDiv(Instant a, Instant b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

Instant daysSinceEpoch(LocalDate date) {
    const std::chrono::year_month_day ymd{std::chrono::year(date.year),
                                          std::chrono::month(static_cast<unsigned>(date.month)),
                                          std::chrono::day(static_cast<unsigned>(date.day))};
    return sys_days(ymd).time_since_epoch().count();
}

LocalDate dateOfDay(Instant days) {
    const std::chrono::year_month_day ymd{sys_days(std::chrono::days(days))};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

// The wall-clock reading written as if it were a UTC instant.
Instant asUtc(const LocalDateTime& local) {
    return daysSinceEpoch(local.date) * kDay + local.hour * kHour + local.minute * kMinute +
           local.second * kSecond + local.millisecond;
}

Instant offsetMs(const Clock& clock, Instant at) { return clock.utcOffset(at) * kSecond; }

}  // namespace

LocalDateTime localTime(const Clock& clock, Instant at) {
    const Instant local = at + offsetMs(clock, at);
    const Instant day = floorDiv(local, kDay);
    Instant rest = local - day * kDay;
    LocalDateTime result;
    result.date = dateOfDay(day);
    result.hour = static_cast<int>(rest / kHour);
    rest %= kHour;
    result.minute = static_cast<int>(rest / kMinute);
    rest %= kMinute;
    result.second = static_cast<int>(rest / kSecond);
    result.millisecond = static_cast<int>(rest % kSecond);
    return result;
}

LocalDate addDays(LocalDate date, int days) { return dateOfDay(daysSinceEpoch(date) + days); }

int daysBetween(LocalDate from, LocalDate to) {
    return static_cast<int>(daysSinceEpoch(to) - daysSinceEpoch(from));
}

// An offset change lies at most a few hours from any wall-clock reading it concerns, so the
// offsets a day before and a day after are the two that can apply.
LocalInstants localInstants(const Clock& clock, const LocalDateTime& local) {
    const Instant wall = asUtc(local);
    const Instant before = offsetMs(clock, wall - kDay);
    const Instant after = offsetMs(clock, wall + kDay);
    LocalInstants found;
    auto consider = [&](Instant offset) {
        const Instant at = wall - offset;
        if (offsetMs(clock, at) != offset) return;
        if (found.count == 0) {
            found.first = at;
        } else if (at != found.first) {
            found.second = at;
        } else {
            return;
        }
        ++found.count;
    };
    // The larger offset gives the earlier instant.
    consider(before > after ? before : after);
    consider(before > after ? after : before);
    return found;
}

Instant momentOf(const Clock& clock, LocalDate date, WallTime time) {
    const LocalDateTime local{date, time.hour, time.minute, 0, 0};
    const LocalInstants instants = localInstants(clock, local);
    if (instants.count > 0) return instants.first;

    // A skipped reading: the clock jumps over it at the change of offset, which lies between
    // the instant the reading would have under the later offset and under the earlier one.
    const Instant wall = asUtc(local);
    const Instant before = offsetMs(clock, wall - kDay);
    const Instant after = offsetMs(clock, wall + kDay);
    Instant low = wall - after;   // still under the earlier offset
    Instant high = wall - before;  // already under the later one
    if (low >= high || offsetMs(clock, low) != before) return wall - before;
    while (high - low > 1) {
        const Instant middle = low + (high - low) / 2;
        (offsetMs(clock, middle) == before ? low : high) = middle;
    }
    return high;
}

}  // namespace numeralia::desk
