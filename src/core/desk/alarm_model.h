#pragma once
// The Alarm window: the current time, kept current second by second, a daily alarm set
// with "Set", and its ringing (a sound repeated while the sounds are on) until it is
// stopped or snoozed. Minimized, the window's caption shows the time of the moment of
// minimizing. The window calls tick() at every second of the clock.

#include <optional>
#include <string>
#include <string_view>

#include "core/desk/alarm_schedule.h"
#include "core/desk/clock.h"
#include "core/desk/local_time.h"
#include "core/shell/platform.h"
#include "core/shell/shared_state.h"

namespace numeralia::desk {

inline constexpr std::string_view kAlarmCaption = "Alarma";
inline constexpr std::string_view kSetCaption = "Set";
inline constexpr std::string_view kRingHeading = "¡ Alarma !";
inline constexpr std::string_view kAlarmSound = "tic.wav";
inline constexpr Instant kSnoozeSpan = 5 * kMinute;
// A ring this much after its moment says it is late (the computer slept, the clock was
// put forward).
inline constexpr Instant kLateAfter = kMinute;

// What the time editor of "Set" answers.
struct AlarmTimeAnswer {
    enum class Choice { Cancel, Set, Clear };
    Choice choice = Choice::Cancel;
    WallTime time;
};

class AlarmTimeEditor {
public:
    virtual ~AlarmTimeEditor() = default;
    // Asks for an alarm time (hours and minutes), prefilled with `initial`; with offerClear
    // the user may also clear the alarm that is set.
    virtual AlarmTimeAnswer askAlarmTime(WallTime initial, bool offerClear) = 0;
};

class AlarmModel {
public:
    // Opens showing the current time, with no alarm.
    AlarmModel(SharedState& state, SoundPlayer& sounds, const Clock& clock,
               AlarmTimeEditor& editor, TimeFormats formats);

    // What the window shows.
    const std::string& caption() const { return caption_; }
    const std::string& currentTime() const { return currentTime_; }  // lblTime, "Hora Actual"
    const std::string& programmed() const { return programmed_; }    // "Alarma Programada"
    const std::string& keyCaption() const { return keyCaption_; }
    std::optional<WallTime> alarmTime() const { return alarm_; }
    bool ringing() const { return ringing_; }
    // Besides the heading "¡ Alarma !", what the ringing message says.
    const std::string& ringText() const { return ringText_; }
    bool late() const { return late_; }
    // Alternates at every second while ringing, for the blinking of the alarm label.
    bool blinkOn() const { return ringing_ && ringSeconds_ % 2 == 0; }
    // When the alarm rings next: the end of a snooze, or the alarm's next moment.
    std::optional<Instant> nextRing() const;
    // How long until the clock's next whole second, when the window calls tick() again.
    int msUntilNextSecond() const;
    // The question asked before the window is closed by the user while an alarm is set
    // (closing it ends the alarm); empty when there is nothing to lose.
    std::string closeQuestion() const;
    // How many times the alarm has started ringing since the window opened.
    int ringCount() const { return ringCount_; }

    // A second of the clock: reads the time, rings when the alarm is due (once, however far
    // the clock jumped), repeats the ringing sound. True when the alarm starts ringing.
    bool tick();
    // The window's size or state changed.
    void resized(bool minimized);
    // "Set": asks for the alarm time.
    void pressSet();
    void setAlarm(WallTime time);
    void clearAlarm();
    // "Posponer 5 min" and "Parar" of the ringing message.
    void snooze();
    void stop();

private:
    void startRinging(Instant now, Instant due, bool snoozed);
    Occurrence occurrenceAfter(Instant after) const;
    void refreshTexts(Instant now);
    std::string ringMessage(Instant now, Instant due, bool snoozed) const;

    SharedState& state_;
    SoundPlayer& sounds_;
    const Clock& clock_;
    AlarmTimeEditor& editor_;
    TimeFormats formats_;

    std::optional<WallTime> alarm_;
    std::optional<LocalDate> lastRung_;  // the day it rang last: it never rings twice for it
    std::optional<Instant> snoozeUntil_;
    // The clock reading up to which ring moments have been dealt with: the last second.
    Instant checkedUntil_ = 0;

    // The last ring moment worked out, kept while the clock moves on towards it: it holds for
    // every instant from `after` up to it while the alarm, the day passed over and the
    // clock's offset stay the same.
    struct Memo {
        Instant after = 0;
        int offset = 0;
        WallTime time;
        std::optional<LocalDate> skip;
        Occurrence next;
    };
    mutable std::optional<Memo> memo_;

    bool ringing_ = false;
    bool late_ = false;
    WallTime ringingFor_;
    int ringSeconds_ = 0;
    int ringCount_ = 0;

    std::string caption_, currentTime_, programmed_, keyCaption_, ringText_;
};

}  // namespace numeralia::desk
