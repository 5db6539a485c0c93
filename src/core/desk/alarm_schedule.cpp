#include "core/desk/alarm_schedule.h"

namespace numeralia::desk {

LocalInstants ringMoments(const Clock& clock, LocalDate date, WallTime time) {
    const LocalInstants reads = localInstants(clock, {date, time.hour, time.minute, 0, 0});
    if (reads.count > 0) return reads;
    return {1, momentOf(clock, date, time), 0};
}

Occurrence nextOccurrence(const Clock& clock, Instant after, WallTime time,
                          std::optional<LocalDate> skip) {
    // From the day before (a clock put back at midnight reads yesterday again) to a few
    // days on, which always hold one.
    LocalDate date = addDays(localTime(clock, after).date, -1);
    for (int day = 0; day < 5; ++day, date = addDays(date, 1)) {
        if (date == skip) continue;
        const LocalInstants moments = ringMoments(clock, date, time);
        if (moments.count > 0 && moments.first > after) return {date, moments.first};
        if (moments.count > 1 && moments.second > after) return {date, moments.second};
    }
    return {date, after + kDay};  // a clock whose zone has no such reading for days
}

WallTime nextFullHour(const Clock& clock, Instant now) {
    return {(localTime(clock, now).hour + 1) % 24, 0};
}

}  // namespace numeralia::desk
