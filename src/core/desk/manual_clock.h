#pragma once
// A clock set by hand, for the driver's scripts and the tests: it stands still until it is
// set or advanced, or runs on from a set time with the real time. Its local time follows a
// zone: a fixed offset from UTC, or central European time with its summer time (UTC+1, and
// UTC+2 from 01:00 UTC on the last Sunday of March to 01:00 UTC on the last Sunday of
// October), which skips an hour in spring and repeats one in autumn.

#include <chrono>
#include <optional>
#include <string_view>

#include "core/desk/clock.h"
#include "core/desk/local_time.h"

namespace numeralia::desk {

struct Zone {
    int standardOffset = 0;     // seconds east of UTC
    bool summerTime = false;  // European rules: one hour more in summer

    static Zone fixed(int offsetSeconds) { return {offsetSeconds, false}; }
    static Zone centralEuropean() { return {3600, true}; }
    // "CET" (central European time with summer time), "UTC", or a fixed offset "+01:00",
    // "-03:30"; nothing for another text.
    static std::optional<Zone> named(std::string_view name);
};

class ManualClock : public Clock {
public:
    explicit ManualClock(Instant start = 0, Zone zone = Zone::centralEuropean())
        : start_(start), zone_(zone) {}

    Instant now() const override;
    int utcOffset(Instant at) const override;

    void set(Instant at);
    void advance(Instant span) { set(now() + span); }
    void setZone(Zone zone) { zone_ = zone; }
    const Zone& zone() const { return zone_; }
    // From now on the clock moves with the real time.
    void run();

    // Sets the clock to a wall-clock reading (in a repeated hour the first pass). False,
    // and the clock unchanged, for a reading the zone skips.
    bool setLocal(const LocalDateTime& local);

private:
    Instant start_;
    Zone zone_;
    std::optional<std::chrono::steady_clock::time_point> running_;
};

}  // namespace numeralia::desk
