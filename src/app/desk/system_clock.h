#pragma once
// The system clock and the user's time formats, read through Qt.

#include "core/desk/clock.h"

namespace numeralia::app {

class SystemClock : public desk::Clock {
public:
    desk::Instant now() const override;
    // The offset of the system's local time zone at the instant, summer time included.
    int utcOffset(desk::Instant at) const override;
};

// The long time format and the AM/PM designators of the user's locale.
desk::TimeFormats systemTimeFormats();

}  // namespace numeralia::app
