#pragma once
// Local wall-clock dates and times, and the instants at which the wall clock shows them.
// Where summer time begins a local hour is skipped (no instant shows it); where it ends an
// hour is repeated (two instants show it).

#include <compare>
#include <optional>

#include "core/desk/clock.h"

namespace numeralia::desk {

struct LocalDate {
    int year = 1970;
    int month = 1;  // 1-12
    int day = 1;    // 1-31
    auto operator<=>(const LocalDate&) const = default;
};

// An hour and a minute of the day: what the alarm is set to.
struct WallTime {
    int hour = 0;    // 0-23
    int minute = 0;  // 0-59
    auto operator<=>(const WallTime&) const = default;
};

struct LocalDateTime {
    LocalDate date;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    auto operator<=>(const LocalDateTime&) const = default;
};

// The wall-clock reading at an instant.
LocalDateTime localTime(const Clock& clock, Instant at);

// The date `days` days after (or before, when negative) `date`.
LocalDate addDays(LocalDate date, int days);
// Whole days from `from` to `to`.
int daysBetween(LocalDate from, LocalDate to);

// The instants at which the wall clock reads `local`: none in a skipped hour, two in a
// repeated hour (earlier first), otherwise one.
struct LocalInstants {
    int count = 0;
    Instant first = 0, second = 0;
};
LocalInstants localInstants(const Clock& clock, const LocalDateTime& local);

// The first instant at which the wall clock of `date` reads `time` or later: in a repeated
// hour the first pass, in a skipped hour the moment the clock jumps over it.
Instant momentOf(const Clock& clock, LocalDate date, WallTime time);

}  // namespace numeralia::desk
