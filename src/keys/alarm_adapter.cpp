#include "keys/alarm_adapter.h"

#include <cstdio>

#include "core/desk/time_text.h"

namespace numeralia::keys {

namespace {

// The driver's clock starts here, and shows the time as a Spanish desktop does.
constexpr const char* kStart = "2024-01-15 12:00:00";
const desk::TimeFormats kFormats{"H:mm:ss", "a. m.", "p. m."};

desk::ManualClock startClock() {
    desk::ManualClock clock(0, desk::Zone::centralEuropean());
    clock.setLocal(*desk::parseDateTime(kStart));
    return clock;
}

std::string offsetText(int seconds) {
    char text[16];
    const int magnitude = seconds < 0 ? -seconds : seconds;
    std::snprintf(text, sizeof text, "%c%02d:%02d", seconds < 0 ? '-' : '+', magnitude / 3600,
                  magnitude / 60 % 60);
    return text;
}

std::optional<desk::WallTime> wallTime(std::string_view text) {
    const auto reading = desk::parseDateTime("2000-01-01 " + std::string(text));
    if (!reading || text.size() != 5) return std::nullopt;
    return desk::WallTime{reading->hour, reading->minute};
}

}  // namespace

AlarmAdapter::AlarmAdapter(SharedState& shared, SoundPlayer& sounds)
    : clock_(startClock()), model_(shared, sounds, clock_, editor_, kFormats) {}

std::string AlarmAdapter::perform(std::string_view line) {
    using Choice = desk::AlarmTimeAnswer::Choice;
    if (line.starts_with("now:")) {
        const auto reading = desk::parseDateTime(line.substr(4));
        if (!reading) return "not a date and time: " + std::string(line.substr(4));
        if (!clock_.setLocal(*reading)) {
            return "the clock never reads " + std::string(line.substr(4)) + " (a skipped hour)";
        }
        model_.tick();
    } else if (line.starts_with("zone:")) {
        const auto zone = desk::Zone::named(line.substr(5));
        if (!zone) return "no zone named \"" + std::string(line.substr(5)) + "\"";
        clock_.setZone(*zone);
        model_.tick();
    } else if (line.starts_with("jump:") || line.starts_with("advance:")) {
        const bool jump = line.starts_with("jump:");
        const auto span = desk::parseSpan(line.substr(jump ? 5 : 8));
        if (!span || (!jump && *span < 0)) return "not a span of time: " + std::string(line);
        if (jump) {
            clock_.advance(*span);
            model_.tick();
        } else {
            for (desk::Instant left = *span; left > 0; left -= desk::kSecond) {
                clock_.advance(left < desk::kSecond ? left : desk::kSecond);
                model_.tick();
            }
        }
    } else if (line.starts_with("Set:")) {
        const std::string_view answer = line.substr(4);
        if (answer == "clear") {
            editor_.answers.push_back({Choice::Clear, {}});
        } else if (answer == "cancel") {
            editor_.answers.push_back({Choice::Cancel, {}});
        } else if (const auto time = wallTime(answer)) {
            editor_.answers.push_back({Choice::Set, *time});
        } else {
            return "Set takes HH:MM, clear or cancel, not \"" + std::string(answer) + "\"";
        }
        model_.pressSet();
        editor_.answers.clear();
    } else if (line == "Posponer" || line == "Posponer 5 min") {
        model_.snooze();
    } else if (line == "Parar") {
        model_.stop();
    } else if (line == "minimize" || line == "restore") {
        model_.resized(line == "minimize");
    } else {
        return "the Alarm window has no key \"" + std::string(line) + "\"";
    }
    return {};
}

void AlarmAdapter::writeState(JsonObject& json) const {
    const desk::Instant now = clock_.now();
    json.text("caption", model_.caption());
    json.text("lblTime", model_.currentTime());
    json.text("programada", model_.programmed());
    json.text("Command1", model_.keyCaption());
    const auto alarm = model_.alarmTime();
    json.optionalText("alarm", alarm ? std::optional(desk::wallTimeText(*alarm)) : std::nullopt);
    json.boolean("ringing", model_.ringing());
    json.text("ringText", model_.ringText());
    json.boolean("late", model_.late());
    json.integer("ringCount", model_.ringCount());
    json.text("now", desk::dateTimeText(desk::localTime(clock_, now)));
    json.text("utcOffset", offsetText(clock_.utcOffset(now)));
    const auto next = model_.nextRing();
    json.optionalText("nextRing", next ? std::optional(desk::dateTimeText(desk::localTime(clock_, *next)))
                                       : std::nullopt);
    if (editor_.asked) {
        json.text("setOffered", desk::wallTimeText(editor_.asked->first));
        json.boolean("clearOffered", editor_.asked->second);
    }
}

}  // namespace numeralia::keys
