#pragma once
// The clock the alarm reads. Time is kept in two ways: as an absolute instant (which a
// change of time zone or of summer time does not move) and as the local wall-clock time
// the user sees, which the clock's UTC offset at each instant gives. The front end reads
// the system clock; tests and the driver use a clock set by hand (manual_clock.h).

#include <cstdint>
#include <string>

namespace numeralia::desk {

// Milliseconds since 1970-01-01 00:00:00 UTC.
using Instant = std::int64_t;

inline constexpr Instant kSecond = 1000;
inline constexpr Instant kMinute = 60 * kSecond;
inline constexpr Instant kHour = 60 * kMinute;
inline constexpr Instant kDay = 24 * kHour;

class Clock {
public:
    virtual ~Clock() = default;
    virtual Instant now() const = 0;
    // The offset of local time from UTC in force at the instant, in seconds (local time =
    // UTC + offset); it changes where summer time begins or ends.
    virtual int utcOffset(Instant at) const = 0;
};

// The user's time formats. longTime is a pattern: H or HH hours 0-23; h or hh the same, or
// 1-12 when the pattern has an AM/PM designator; m or mm minutes; s or ss seconds; z or zzz
// milliseconds; AP (am, pm as given) or ap (in small letters) the designator; text in
// single quotes as it stands; any other letter (a time zone "t") writes nothing.
struct TimeFormats {
    std::string longTime = "H:mm:ss";
    std::string am = "AM";
    std::string pm = "PM";
};

}  // namespace numeralia::desk
