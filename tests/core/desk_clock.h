#pragma once
// Instants and clocks for the alarm tests, written as wall-clock readings.

#include <gtest/gtest.h>

#include <string>

#include "core/desk/manual_clock.h"
#include "core/desk/time_text.h"

namespace numeralia::testing {

inline desk::LocalDateTime reading(const std::string& text) {
    const auto local = desk::parseDateTime(text);
    if (!local) ADD_FAILURE() << "not a date and time: " << text;
    return local.value_or(desk::LocalDateTime{});
}

// The instant a UTC clock reads `text` ("2024-03-31 01:00:00").
inline desk::Instant utc(const std::string& text) {
    const desk::ManualClock clock(0, desk::Zone::fixed(0));
    return desk::localInstants(clock, reading(text)).first;
}

// The wall-clock reading of an instant, with seconds: "2024-03-31 03:00:00".
inline std::string wall(const desk::Clock& clock, desk::Instant at) {
    return desk::dateTimeText(desk::localTime(clock, at));
}

}  // namespace numeralia::testing
