// The alarm: when it rings, how it rings, and what the window shows, on a clock set by
// hand in central European time (summer time skips 02:00-03:00 on 2024-03-31 and repeats
// 02:00-03:00 on 2024-10-27).

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/desk/alarm_model.h"
#include "core/desk/alarm_schedule.h"
#include "core/desk/manual_clock.h"
#include "desk_clock.h"
#include "fake_platform.h"

using namespace numeralia;
using namespace numeralia::desk;
using numeralia::testing::reading;
using numeralia::testing::utc;
using numeralia::testing::wall;

namespace {

TEST(DeskAlarmSchedule, NextOccurrence) {
    struct Row {
        const char* now;  // local
        WallTime alarm;
        const char* rings;  // local, or UTC where the local reading is not enough
        bool ringsInUtc = false;
        std::optional<LocalDate> skip = std::nullopt;
    } rows[] = {
        {"2024-06-15 06:00:00", {7, 30}, "2024-06-15 07:30:00"},  // ahead: today
        {"2024-06-15 08:00:00", {7, 30}, "2024-06-16 07:30:00"},  // behind: tomorrow
        {"2024-06-15 07:30:00", {7, 30}, "2024-06-16 07:30:00"},  // exactly now: tomorrow
        {"2024-06-15 07:29:59", {7, 30}, "2024-06-15 07:30:00"},
        {"2024-12-31 23:59:30", {0, 0}, "2025-01-01 00:00:00"},  // midnight, year's end
        {"2024-02-28 23:00:00", {6, 0}, "2024-02-29 06:00:00"},
        {"2024-06-15 06:00:00", {7, 30}, "2024-06-16 07:30:00", false, LocalDate{2024, 6, 15}},
        // the skipped hour: when the clock jumps over 02:30 (03:00 summer time)
        {"2024-03-30 22:00:00", {2, 30}, "2024-03-31 01:00:00", true},
        {"2024-03-31 01:59:59", {2, 30}, "2024-03-31 01:00:00", true},
        {"2024-03-31 03:10:00", {2, 30}, "2024-04-01 02:30:00"},
        {"2024-03-30 08:00:00", {7, 30}, "2024-03-31 05:30:00", true},  // the day is 23 h long
        // the repeated hour: the first pass, and the second one for an alarm set between
        {"2024-10-26 23:00:00", {2, 30}, "2024-10-27 00:30:00", true},
        {"2024-10-27 02:45:00", {2, 30}, "2024-10-27 01:30:00", true},
        {"2024-10-27 02:45:00", {2, 30}, "2024-10-28 02:30:00", false, LocalDate{2024, 10, 27}},
        {"2024-10-26 08:00:00", {7, 30}, "2024-10-27 06:30:00", true},  // the day is 25 h long
    };
    ManualClock clock(0, Zone::centralEuropean());
    for (const Row& row : rows) {
        ASSERT_TRUE(clock.setLocal(reading(row.now)));
        const Occurrence next = nextOccurrence(clock, clock.now(), row.alarm, row.skip);
        if (row.ringsInUtc) {
            EXPECT_EQ(next.at, utc(row.rings)) << row.now;
        } else {
            EXPECT_EQ(wall(clock, next.at), row.rings) << row.now;
        }
        EXPECT_EQ(next.date, localTime(clock, next.at).date) << row.now;
    }
    ASSERT_TRUE(clock.setLocal(reading("2024-06-15 23:10:00")));
    EXPECT_EQ(nextFullHour(clock, clock.now()), (WallTime{0, 0}));
    ASSERT_TRUE(clock.setLocal(reading("2024-06-15 06:59:59")));
    EXPECT_EQ(nextFullHour(clock, clock.now()), (WallTime{7, 0}));
}

// A window with its clock, sounds and time editor; steps are script words:
// "set 07:30", "clear", "tick", "advance 90s" (a tick at every second), "jump -10m"
// (the clock is put back or forward, then one tick), "zone +03:00", "snooze", "stop".
struct AlarmWindow {
    ManualClock clock;
    SharedState state;
    numeralia::testing::FakeSoundPlayer sounds;
    numeralia::testing::FakeAlarmTimeEditor editor;
    std::optional<AlarmModel> model;

    explicit AlarmWindow(const char* start, TimeFormats formats = {}) {
        state.soundOn = 1;
        EXPECT_TRUE(clock.setLocal(reading(start)));
        model.emplace(state, sounds, clock, editor, formats);
    }

    static Instant span(const std::string& text) {
        const auto parsed = parseSpan(text);
        EXPECT_TRUE(parsed.has_value()) << text;
        return parsed.value_or(0);
    }

    void run(const std::string& script) {
        std::istringstream steps(script);
        for (std::string word; steps >> word;) {
            std::string argument;
            if (word == "set" || word == "advance" || word == "jump" || word == "zone") steps >> argument;
            if (word == "set") {
                editor.answers.push_back({AlarmTimeAnswer::Choice::Set,
                                          {std::stoi(argument.substr(0, 2)), std::stoi(argument.substr(3, 2))}});
                model->pressSet();
            } else if (word == "clear") {
                editor.answers.push_back({AlarmTimeAnswer::Choice::Clear, {}});
                model->pressSet();
            } else if (word == "tick") {
                model->tick();
            } else if (word == "advance") {
                for (Instant left = span(argument); left > 0; left -= kSecond) {
                    clock.advance(kSecond);
                    model->tick();
                }
            } else if (word == "jump") {
                clock.advance(span(argument));
                model->tick();
            } else if (word == "zone") {
                clock.setZone(*Zone::named(argument));
                model->tick();
            } else if (word == "snooze") {
                model->snooze();
            } else if (word == "stop") {
                model->stop();
            } else {
                ADD_FAILURE() << "unknown step " << word;
            }
        }
    }
};

TEST(DeskAlarm, WhenItRings) {
    struct Row {
        const char* name;
        const char* start;   // local
        const char* script;
        int rings;           // times it started ringing
        bool ringing;        // at the end
        const char* programmed;
        const char* ringText;  // of the last ring
    } rows[] = {
        {"ahead today, not yet", "2024-06-15 07:29:00", "set 07:30 advance 59s", 0, false,
         "07:30 (hoy)", ""},
        {"ahead today, on the second", "2024-06-15 07:29:00", "set 07:30 advance 60s", 1, true,
         "07:30 (sonando)", "Son las 07:30."},
        {"behind: tomorrow", "2024-06-15 08:00:00", "set 07:30", 0, false, "07:30 (mañana)", ""},
        {"behind: rings the next morning", "2024-06-15 08:00:00", "set 07:30 advance 23h advance 29m advance 59s",
         0, false, "07:30 (hoy)", ""},
        {"behind: and then", "2024-06-15 08:00:00", "set 07:30 jump 23h tick advance 29m advance 60s", 1,
         true, "07:30 (sonando)", "Son las 07:30."},
        {"exactly now: tomorrow", "2024-06-15 07:30:00", "set 07:30 advance 30s", 0, false,
         "07:30 (mañana)", ""},
        {"midnight, stopped", "2024-12-31 23:59:50", "set 00:00 advance 10s stop", 1, false,
         "00:00 (mañana)", "Son las 00:00."},
        {"tomorrow becomes today at midnight", "2024-06-15 23:59:58", "set 07:30 advance 2s", 0, false,
         "07:30 (hoy)", ""},
        {"one o'clock", "2024-06-15 01:04:59", "set 01:05 advance 1s", 1, true, "01:05 (sonando)",
         "Es la 01:05."},
        {"every day", "2024-06-15 07:29:59", "set 07:30 advance 1s stop jump 1d tick", 2, true,
         "07:30 (sonando)", "Son las 07:30."},
        {"cleared", "2024-06-15 07:29:00", "set 07:30 clear advance 61s", 0, false, "", ""},
        {"cleared while ringing", "2024-06-15 07:29:59", "set 07:30 advance 1s clear advance 5s", 1, false,
         "", "Son las 07:30."},
        // snooze
        {"snoozed, not yet", "2024-06-15 07:29:59", "set 07:30 advance 1s snooze advance 299s", 1, false,
         "07:35 (pospuesta)", "Son las 07:30."},
        {"snoozed, rings again", "2024-06-15 07:29:59", "set 07:30 advance 1s snooze advance 300s", 2, true,
         "07:30 (sonando)", "Son las 07:35. Alarma de las 07:30, pospuesta 5 min."},
        {"snoozed twice", "2024-06-15 07:29:59",
         "set 07:30 advance 1s snooze advance 300s snooze advance 300s stop", 3, false,
         "07:30 (mañana)", "Son las 07:40. Alarma de las 07:30, pospuesta 5 min."},
        {"snooze cleared", "2024-06-15 07:29:59", "set 07:30 advance 1s snooze clear advance 400s", 1,
         false, "", "Son las 07:30."},
        {"snooze outlived by a clock put back", "2024-06-15 07:29:59",
         "set 07:30 advance 1s snooze jump -1h advance 299s", 1, false, "06:35 (pospuesta)",
         "Son las 07:30."},
        {"snooze through a sleep", "2024-06-15 07:29:59", "set 07:30 advance 1s snooze jump 2h", 2, true,
         "07:30 (sonando)",
         "Son las 09:30. La alarma de las 07:30, pospuesta, suena con 1 h 55 min de retraso: el "
         "equipo estaba en reposo o se adelantó el reloj."},
        // the clock jumps forward past the alarm (a sleep, a clock put right): rings once, late
        {"jump forward past it: once, late", "2024-06-15 07:00:00", "set 07:30 jump 2h stop advance 10s", 1,
         false, "07:30 (mañana)",
         "Son las 09:00. La alarma de las 07:30 suena con 1 h 30 min de retraso: el equipo estaba en "
         "reposo o se adelantó el reloj."},
        {"slept three days: once, and today's still ahead", "2024-06-15 07:00:00",
         "set 07:30 jump 3d stop advance 10s", 1, false, "07:30 (hoy)",
         "Son las 07:00. La alarma de las 07:30 suena con 2 días 23 h de retraso: el equipo estaba en "
         "reposo o se adelantó el reloj."},
        {"late by less than a minute is on time", "2024-06-15 07:29:00", "set 07:30 jump 59s jump 59s", 1,
         true, "07:30 (sonando)", "Son las 07:30."},
        // the clock is put back
        {"put back over a rung alarm", "2024-06-15 07:29:59", "set 07:30 advance 1s stop jump -10m advance 15m",
         1, false, "07:30 (mañana)", "Son las 07:30."},
        {"put back before it rang", "2024-06-15 07:00:00", "set 07:30 jump -1h advance 89m advance 59s", 0,
         false, "07:30 (hoy)", ""},
        {"put back before it rang, rings", "2024-06-15 07:00:00", "set 07:30 jump -1h advance 90m", 1, true,
         "07:30 (sonando)", "Son las 07:30."},
        {"put back a day after it rang", "2024-06-15 07:29:59", "set 07:30 advance 1s stop jump -1d", 1,
         false, "07:30 (16/06/2024)", nullptr},
        {"put back over midnight: not yet", "2024-06-16 00:00:30", "set 00:00 jump -1m advance 29s", 0,
         false, "00:00 (mañana)", ""},
        {"put back over midnight: the day comes again", "2024-06-16 00:00:30",
         "set 00:00 jump -1m advance 30s", 1, true, "00:00 (sonando)", "Son las 00:00."},
        // a change of time zone moves the moment with the wall clock
        {"zone moves east: the moment is past", "2024-06-15 07:00:00", "set 07:30 zone +03:00", 0, false,
         "07:30 (mañana)", ""},
        {"zone moves west: later", "2024-06-15 07:20:00", "set 07:30 zone UTC advance 10m", 0, false,
         "07:30 (hoy)", ""},
        // summer time begins: 02:30 is never read; it rings as the clock jumps to 03:00
        {"skipped hour", "2024-03-31 01:59:00", "set 02:30 advance 59s", 0, false, "02:30 (hoy)", ""},
        {"skipped hour, rings at 03:00", "2024-03-31 01:59:00", "set 02:30 advance 60s", 1, true,
         "02:30 (sonando)", "Son las 03:00. Alarma de las 02:30 (cambio de hora)."},
        {"skipped hour, next day as usual", "2024-03-31 01:59:00", "set 02:30 advance 60s stop jump 23h advance 30m",
         2, true, "02:30 (sonando)", "Son las 02:30."},
        {"across the spring change", "2024-03-30 08:00:00", "set 07:30 jump 22h advance 29m advance 59s", 0,
         false, "07:30 (hoy)", ""},
        {"across the spring change, rings", "2024-03-30 08:00:00", "set 07:30 jump 22h advance 30m", 1,
         true, "07:30 (sonando)", "Son las 07:30."},
        // summer time ends: 02:30 is read twice; it rings at the first and not at the second
        {"repeated hour, first pass", "2024-10-27 02:29:00", "set 02:30 advance 60s", 1, true,
         "02:30 (sonando)", "Son las 02:30."},
        {"repeated hour, not twice", "2024-10-27 02:29:00", "set 02:30 advance 60s stop advance 1h advance 5m",
         1, false, "02:30 (mañana)", "Son las 02:30."},
        {"repeated hour, set between the passes", "2024-10-27 02:45:00", "set 02:30", 0, false,
         "02:30 (hoy)", ""},
        {"repeated hour, rings at the second pass", "2024-10-27 02:45:00", "set 02:30 advance 45m", 1, true,
         "02:30 (sonando)", "Son las 02:30."},
        {"across the autumn change", "2024-10-26 08:00:00", "set 07:30 jump 24h advance 29m advance 59s",
         0, false, "07:30 (hoy)", ""},
        {"across the autumn change, rings", "2024-10-26 08:00:00", "set 07:30 jump 24h advance 30m", 1,
         true, "07:30 (sonando)", "Son las 07:30."},
    };
    for (const Row& row : rows) {
        AlarmWindow w(row.start);
        w.run(row.script);
        const AlarmModel& m = *w.model;
        EXPECT_EQ(m.ringCount(), row.rings) << row.name;
        EXPECT_EQ(m.ringing(), row.ringing) << row.name;
        EXPECT_EQ(m.programmed(), row.programmed) << row.name;
        if (row.ringText) {
            EXPECT_EQ(m.ringText(), row.ringText) << row.name;
        }
    }
}

TEST(DeskAlarm, SoundRepeatsWhileRingingOnlyWithSoundsOnAndTheLabelBlinks) {
    AlarmWindow w("2024-06-15 07:29:58");
    w.run("set 07:30 advance 1s");
    EXPECT_TRUE(w.sounds.played.empty());
    EXPECT_FALSE(w.model->blinkOn());
    w.run("advance 1s");
    using Play = numeralia::testing::FakeSoundPlayer::Play;
    // Never waited for: the window stays free to stop it.
    EXPECT_EQ(w.sounds.played, (std::vector<Play>{{"tic.wav", false}}));
    std::vector<bool> blinks;  // the alarm label blinks at every second
    for (int i = 0; i < 3; ++i) {
        blinks.push_back(w.model->blinkOn());
        w.run("advance 1s");
    }
    EXPECT_EQ(blinks, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(w.sounds.played.size(), 4u);
    w.state.soundOn = 0;  // sounds turned off in the Preferences window while it rings
    w.run("advance 3s");
    EXPECT_EQ(w.sounds.played.size(), 4u);
    EXPECT_TRUE(w.model->ringing());  // still rings, to be seen
    w.state.soundOn = 1;
    w.run("advance 1s stop advance 3s");
    EXPECT_EQ(w.sounds.played.size(), 5u);
    EXPECT_FALSE(w.model->blinkOn());
    for (const Play& play : w.sounds.played) EXPECT_EQ(play, (Play{"tic.wav", false}));
}

TEST(DeskAlarm, SetOffersTheNextHourOrTheAlarmAndClearing) {
    AlarmWindow w("2024-06-15 14:23:10");
    EXPECT_EQ(w.model->alarmTime(), std::nullopt);
    EXPECT_EQ(w.model->programmed(), "");
    w.model->pressSet();  // cancelled
    w.run("set 06:45 clear");
    w.run("advance 1s snooze");  // snooze without ringing does nothing
    w.run("set 22:10");
    w.model->pressSet();  // cancelled: the alarm stays
    using Asked = std::pair<WallTime, bool>;
    EXPECT_EQ(w.editor.asked, (std::vector<Asked>{{{15, 0}, false},
                                                  {{15, 0}, false},
                                                  {{6, 45}, true},
                                                  {{15, 0}, false},
                                                  {{22, 10}, true}}));
    EXPECT_EQ(w.model->alarmTime(), (WallTime{22, 10}));
    EXPECT_EQ(w.model->programmed(), "22:10 (hoy)");
    EXPECT_EQ(w.model->nextRing(), utc("2024-06-15 20:10:00"));

    // Set while ringing stops the ringing; a snooze can be cleared.
    AlarmWindow r("2024-06-15 23:59:59");
    r.run("set 00:00 advance 1s");
    ASSERT_TRUE(r.model->ringing());
    r.model->pressSet();
    EXPECT_FALSE(r.model->ringing());
    EXPECT_EQ(r.editor.asked.back(), (Asked{{0, 0}, true}));
    EXPECT_EQ(r.model->programmed(), "00:00 (mañana)");

    AlarmWindow s("2024-06-15 23:59:59");
    s.run("set 00:00 advance 1s snooze");
    EXPECT_EQ(s.model->nextRing(), s.clock.now() + kSnoozeSpan);
    s.run("clear");
    EXPECT_EQ(s.editor.asked.back(), (Asked{{0, 0}, true}));
    EXPECT_EQ(s.model->nextRing(), std::nullopt);
    EXPECT_EQ(s.model->alarmTime(), std::nullopt);
}

TEST(DeskAlarm, ClosingAsksOnlyWhileAnAlarmWaits) {
    AlarmWindow w("2024-06-15 07:29:59");
    EXPECT_EQ(w.model->closeQuestion(), "");
    w.run("set 07:30");
    EXPECT_EQ(w.model->closeQuestion(),
              "Si cierra esta ventana, la alarma de las 07:30 no sonará; minimizada, sigue en "
              "marcha.\n\n¿Desea cerrarla?");
    w.run("advance 1s snooze");
    EXPECT_EQ(w.model->closeQuestion(),
              "Si cierra esta ventana, la alarma pospuesta hasta las 07:35 no sonará; minimizada, "
              "sigue en marcha.\n\n¿Desea cerrarla?");
    w.run("clear");
    EXPECT_EQ(w.model->closeQuestion(), "");
}

TEST(DeskAlarm, CaptionAndCurrentTime) {
    AlarmWindow w("2024-06-15 19:05:09", TimeFormats{"HH:mm:ss t", "a. m.", "p. m."});
    const AlarmModel& m = *w.model;
    EXPECT_EQ(m.caption(), "Alarma");
    EXPECT_EQ(m.keyCaption(), "Set");
    EXPECT_EQ(m.currentTime(), "19:05:09");  // no time zone
    w.run("advance 1s");
    EXPECT_EQ(m.currentTime(), "19:05:10");
    w.model->resized(true);
    EXPECT_EQ(m.caption(), "07:05 p. m.");
    w.run("advance 2m");  // written once, at minimizing
    EXPECT_EQ(m.caption(), "07:05 p. m.");
    EXPECT_EQ(m.currentTime(), "19:07:10");
    w.model->resized(false);
    EXPECT_EQ(m.caption(), "Alarma");
    w.model->resized(true);
    EXPECT_EQ(m.caption(), "07:07 p. m.");

    AlarmWindow english("2024-06-15 00:00:00", TimeFormats{"h:mm:ss AP", "AM", "PM"});
    EXPECT_EQ(english.model->currentTime(), "12:00:00 AM");
    AlarmWindow empty("2024-06-15 09:08:07", TimeFormats{"t", "AM", "PM"});
    EXPECT_EQ(empty.model->currentTime(), "9:08:07");  // nothing left: the usual format

    // The timer aims at the next whole second.
    ManualClock& clock = w.clock;
    EXPECT_EQ(m.msUntilNextSecond(), 1000);
    clock.advance(250);
    EXPECT_EQ(m.msUntilNextSecond(), 750);
    clock.advance(749);
    EXPECT_EQ(m.msUntilNextSecond(), 1);
}

}  // namespace
