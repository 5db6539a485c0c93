#include "core/desk/alarm_model.h"

#include "core/desk/alarm_schedule.h"
#include "core/desk/time_text.h"
#include "core/shell/sounds.h"

namespace numeralia::desk {

namespace {

// A clock read earlier than the last second by more than this was put back.
constexpr Instant kBackwardTolerance = kSecond;

// "Son las 07:30." or "Es la 01:05."
std::string timeIs(const LocalDateTime& local) {
    const std::string time = wallTimeText({local.hour, local.minute});
    return (local.hour == 1 ? "Es la " : "Son las ") + time + ".";
}

bool valid(WallTime time) {
    return time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60;
}

}  // namespace

AlarmModel::AlarmModel(SharedState& state, SoundPlayer& sounds, const Clock& clock,
                       AlarmTimeEditor& editor, TimeFormats formats)
    : state_(state), sounds_(sounds), clock_(clock), editor_(editor), formats_(std::move(formats)) {
    formats_.longTime = withoutTimeZone(formats_.longTime);
    if (formats_.longTime.empty()) formats_.longTime = TimeFormats{}.longTime;
    caption_ = kAlarmCaption;
    keyCaption_ = kSetCaption;
    checkedUntil_ = clock_.now();
    refreshTexts(checkedUntil_);
}

std::optional<Instant> AlarmModel::nextRing() const {
    if (snoozeUntil_) return snoozeUntil_;
    if (alarm_) return occurrenceAfter(clock_.now()).at;
    return std::nullopt;
}

// A tick asks the clock for its offset once instead of a few dozen times (a system clock
// takes microseconds for each).
Occurrence AlarmModel::occurrenceAfter(Instant after) const {
    const int offset = clock_.utcOffset(after);
    if (memo_ && memo_->time == *alarm_ && memo_->skip == lastRung_ && memo_->offset == offset &&
        after >= memo_->after && after < memo_->next.at)
        return memo_->next;
    memo_ = Memo{after, offset, *alarm_, lastRung_, nextOccurrence(clock_, after, *alarm_, lastRung_)};
    return memo_->next;
}

std::string AlarmModel::closeQuestion() const {
    std::string alarm;
    if (snoozeUntil_) {
        const LocalDateTime until = localTime(clock_, *snoozeUntil_);
        alarm = "la alarma pospuesta hasta las " + wallTimeText({until.hour, until.minute});
    } else if (alarm_) {
        alarm = "la alarma de las " + wallTimeText(*alarm_);
    } else {
        return {};
    }
    return "Si cierra esta ventana, " + alarm +
           " no sonará; minimizada, sigue en marcha.\n\n¿Desea cerrarla?";
}

int AlarmModel::msUntilNextSecond() const {
    const Instant now = clock_.now();
    const Instant into = ((now % kSecond) + kSecond) % kSecond;
    return static_cast<int>(kSecond - into);
}

bool AlarmModel::tick() {
    const Instant now = clock_.now();
    bool started = false;
    if (ringing_) {
        // Ring moments wait until the ringing ends.
        ++ringSeconds_;
        playWave(state_, sounds_, kAlarmSound, false);
        refreshTexts(now);
        return false;
    }
    // A clock put back: a snooze lasts no longer than it was given.
    if (now + kBackwardTolerance < checkedUntil_ && snoozeUntil_ && *snoozeUntil_ > now + kSnoozeSpan)
        snoozeUntil_ = now + kSnoozeSpan;

    if (snoozeUntil_ && now >= *snoozeUntil_) {
        startRinging(now, *snoozeUntil_, true);
        started = true;
    } else if (alarm_) {
        // The ring moments are worked out at every second from the clock's offsets, so that a
        // change of time zone moves them too. A clock put forward past several of them (the
        // computer slept) rings once; a clock put back finds its next moment after the last
        // second it saw, and never a day that has rung.
        const Occurrence due = occurrenceAfter(checkedUntil_);
        if (due.at <= now) {
            lastRung_ = due.date;
            ringingFor_ = *alarm_;
            startRinging(now, due.at, false);
            started = true;
        }
    }
    checkedUntil_ = now;
    refreshTexts(now);
    return started;
}

void AlarmModel::startRinging(Instant now, Instant due, bool snoozed) {
    snoozeUntil_.reset();
    ringing_ = true;
    ringSeconds_ = 0;
    ++ringCount_;
    late_ = now - due >= kLateAfter;
    ringText_ = ringMessage(now, due, snoozed);
    playWave(state_, sounds_, kAlarmSound, false);
}

std::string AlarmModel::ringMessage(Instant now, Instant due, bool snoozed) const {
    const LocalDateTime local = localTime(clock_, now);
    const std::string alarm = wallTimeText(ringingFor_);
    std::string text = timeIs(local);
    if (late_) {
        text += snoozed ? " La alarma de las " + alarm + ", pospuesta, suena con "
                        : " La alarma de las " + alarm + " suena con ";
        text += durationText(now - due) +
                " de retraso: el equipo estaba en reposo o se adelantó el reloj.";
    } else if (snoozed) {
        text += " Alarma de las " + alarm + ", pospuesta 5 min.";
    } else if (WallTime{local.hour, local.minute} != ringingFor_) {
        text += " Alarma de las " + alarm + " (cambio de hora).";
    }
    return text;
}

void AlarmModel::resized(bool minimized) {
    caption_ = minimized ? mediumTime(localTime(clock_, clock_.now()), formats_)
                         : std::string(kAlarmCaption);
    keyCaption_ = kSetCaption;
}

void AlarmModel::pressSet() {
    if (ringing_) stop();
    const WallTime initial = alarm_ ? *alarm_ : nextFullHour(clock_, clock_.now());
    const AlarmTimeAnswer answer = editor_.askAlarmTime(initial, alarm_ || snoozeUntil_);
    switch (answer.choice) {
        case AlarmTimeAnswer::Choice::Set: setAlarm(answer.time); break;
        case AlarmTimeAnswer::Choice::Clear: clearAlarm(); break;
        case AlarmTimeAnswer::Choice::Cancel: break;
    }
}

void AlarmModel::setAlarm(WallTime time) {
    if (!valid(time)) return;
    const Instant now = clock_.now();
    alarm_ = time;
    snoozeUntil_.reset();
    lastRung_.reset();
    checkedUntil_ = now;  // the current minute, set now, rings tomorrow
    refreshTexts(now);
}

void AlarmModel::clearAlarm() {
    alarm_.reset();
    snoozeUntil_.reset();
    lastRung_.reset();
    ringing_ = false;
    refreshTexts(clock_.now());
}

void AlarmModel::snooze() {
    if (!ringing_) return;
    const Instant now = clock_.now();
    ringing_ = false;
    snoozeUntil_ = now + kSnoozeSpan;
    refreshTexts(now);
}

void AlarmModel::stop() {
    ringing_ = false;
    refreshTexts(clock_.now());
}

void AlarmModel::refreshTexts(Instant now) {
    const LocalDateTime local = localTime(clock_, now);
    currentTime_ = formatTime(formats_.longTime, local, formats_);
    if (ringing_) {
        programmed_ = wallTimeText(ringingFor_) + " (sonando)";
    } else if (snoozeUntil_) {
        const LocalDateTime until = localTime(clock_, *snoozeUntil_);
        programmed_ = wallTimeText({until.hour, until.minute}) + " (pospuesta)";
    } else if (alarm_) {
        const LocalDate next = occurrenceAfter(now).date;
        const int days = daysBetween(local.date, next);
        const std::string day = days == 0 ? "hoy" : days == 1 ? "mañana" : dateText(next);
        programmed_ = wallTimeText(*alarm_) + " (" + day + ")";
    } else {
        programmed_.clear();
    }
}

}  // namespace numeralia::desk
