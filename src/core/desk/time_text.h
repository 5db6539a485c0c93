#pragma once
// The texts of times, dates and durations the alarm window shows.

#include <optional>
#include <string>
#include <string_view>

#include "core/desk/clock.h"
#include "core/desk/local_time.h"

namespace numeralia::desk {

// The wall-clock reading written with a pattern of TimeFormats::longTime's notation.
std::string formatTime(std::string_view pattern, const LocalDateTime& local,
                       const TimeFormats& formats);

// The pattern without its time-zone fields ("t") and the brackets and blanks around them:
// the window shows the time of day only.
std::string withoutTimeZone(std::string_view pattern);

// Hours and minutes on the 12-hour clock with the AM/PM designator: "07:30 PM".
std::string mediumTime(const LocalDateTime& local, const TimeFormats& formats);

// "07:30".
std::string wallTimeText(WallTime time);

// "15/01/2025".
std::string dateText(LocalDate date);

// "2024-03-31 03:00:00", and back: "YYYY-MM-DD HH:MM" with optional ":SS"; nothing for
// another text or a reading that is no date and time.
std::string dateTimeText(const LocalDateTime& local);
std::optional<LocalDateTime> parseDateTime(std::string_view text);

// A span written as a whole number with an optional sign and a unit: "90s", "-10m", "+2h",
// "3d"; nothing for another text.
std::optional<Instant> parseSpan(std::string_view text);

// A span of time in whole minutes, at most two units: "3 días 2 h", "2 h 5 min", "1 min".
std::string durationText(Instant span);

}  // namespace numeralia::desk
