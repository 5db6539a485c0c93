#pragma once
// The driver's adapter for the Alarm window ("--window alarm"), on a clock the script sets.

#include <optional>
#include <string>

#include "core/desk/alarm_model.h"
#include "core/desk/manual_clock.h"
#include "keys/scripted_platform.h"
#include "keys/window_adapter.h"

namespace numeralia::keys {

class AlarmAdapter : public WindowAdapter {
public:
    AlarmAdapter(SharedState& shared, SoundPlayer& sounds);

    // The clock: "now:2024-03-31 01:59:30" sets the wall-clock reading (in a repeated hour
    // the first pass), "zone:CET" (the default), "zone:UTC" or "zone:+05:30" its zone,
    // "jump:-10m" puts it back or forward at once (a sleep, a clock put right); each is
    // followed by one second of the window. "advance:90s" lets the time run, the window
    // seeing every second (units s, m, h, d).
    // The window: "Set:07:30" programs the alarm through "Set", "Set:clear" takes "Quitar
    // alarma", "Set:cancel" cancels; "Posponer" (or "Posponer 5 min"), "Parar"; "minimize",
    // "restore".
    std::string perform(std::string_view line) override;
    void writeState(JsonObject& json) const override;

private:
    desk::ManualClock clock_;
    ScriptedTimeEditor editor_;
    desk::AlarmModel model_;
};

}  // namespace numeralia::keys
