#pragma once
// When a daily alarm rings: at the instants at which the wall clock reaches the alarm time.
// Usually one a day; two where summer time ends and the hour is repeated (the alarm rings
// at the first one, and a day never rings twice); where summer time begins and the hour is
// skipped, the moment the clock jumps over it.

#include <optional>

#include "core/desk/local_time.h"

namespace numeralia::desk {

// The instants of `date` at which the wall clock reaches `time`, earlier first.
LocalInstants ringMoments(const Clock& clock, LocalDate date, WallTime time);

struct Occurrence {
    LocalDate date;  // the day it rings for
    Instant at = 0;  // when
};

// The first ring moment strictly after `after`, passing over the day `skip` (the day that
// has rung already). Set at 08:00 for 07:30, an alarm rings tomorrow; set for the current
// minute at its first instant, tomorrow too.
Occurrence nextOccurrence(const Clock& clock, Instant after, WallTime time,
                          std::optional<LocalDate> skip = {});

// The alarm time a new alarm is offered with: the next full hour.
WallTime nextFullHour(const Clock& clock, Instant now);

}  // namespace numeralia::desk
