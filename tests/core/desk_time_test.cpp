// Wall-clock readings and instants across the changes of summer time, and the texts of times.

#include <gtest/gtest.h>

#include "core/desk/local_time.h"
#include "core/desk/manual_clock.h"
#include "core/desk/time_text.h"
#include "desk_clock.h"

using namespace numeralia;
using namespace numeralia::desk;
using numeralia::testing::reading;
using numeralia::testing::utc;
using numeralia::testing::wall;

namespace {

const ManualClock cet(0, Zone::centralEuropean());

TEST(DeskLocalTime, ReadingsAtInstants) {
    struct Row {
        const char* zone;
        const char* utcTime;
        const char* local;
    } rows[] = {
        {"CET", "2024-01-15 12:00:00", "2024-01-15 13:00:00"},
        {"CET", "2024-07-01 12:00:00", "2024-07-01 14:00:00"},
        // spring: 02:00 becomes 03:00
        {"CET", "2024-03-31 00:59:59", "2024-03-31 01:59:59"},
        {"CET", "2024-03-31 01:00:00", "2024-03-31 03:00:00"},
        // autumn: 03:00 becomes 02:00 again
        {"CET", "2024-10-27 00:59:59", "2024-10-27 02:59:59"},
        {"CET", "2024-10-27 01:00:00", "2024-10-27 02:00:00"},
        {"CET", "2025-03-30 01:00:00", "2025-03-30 03:00:00"},
        {"CET", "2025-10-26 00:30:00", "2025-10-26 02:30:00"},
        {"CET", "2025-10-26 01:30:00", "2025-10-26 02:30:00"},
        // before 1970 and across the year's end
        {"CET", "1969-12-31 22:00:00", "1969-12-31 23:00:00"},
        {"UTC", "1969-12-31 23:59:59", "1969-12-31 23:59:59"},
        {"-03:30", "2025-01-01 02:00:00", "2024-12-31 22:30:00"},
        {"+14:00", "2024-02-28 12:00:00", "2024-02-29 02:00:00"},
    };
    for (const Row& row : rows) {
        const ManualClock clock(0, *Zone::named(row.zone));
        EXPECT_EQ(wall(clock, utc(row.utcTime)), row.local) << row.zone << " " << row.utcTime;
    }
    const LocalDateTime withMs = localTime(cet, utc("2024-01-15 12:00:00") + 7);
    EXPECT_EQ(withMs.millisecond, 7);
    EXPECT_EQ(localTime(cet, utc("1969-12-31 22:59:59") + 999).millisecond, 999);
}

TEST(DeskLocalTime, InstantsOfReadings) {
    struct Row {
        const char* local;
        int count;
        const char* first;   // UTC
        const char* second;  // UTC
    } rows[] = {
        {"2024-06-15 07:30:00", 1, "2024-06-15 05:30:00", nullptr},
        {"2024-03-31 01:59:59", 1, "2024-03-31 00:59:59", nullptr},
        {"2024-03-31 02:00:00", 0, nullptr, nullptr},  // skipped
        {"2024-03-31 02:30:00", 0, nullptr, nullptr},
        {"2024-03-31 02:59:59", 0, nullptr, nullptr},
        {"2024-03-31 03:00:00", 1, "2024-03-31 01:00:00", nullptr},
        {"2024-10-27 01:59:59", 1, "2024-10-26 23:59:59", nullptr},
        {"2024-10-27 02:00:00", 2, "2024-10-27 00:00:00", "2024-10-27 01:00:00"},  // repeated
        {"2024-10-27 02:30:00", 2, "2024-10-27 00:30:00", "2024-10-27 01:30:00"},
        {"2024-10-27 03:00:00", 1, "2024-10-27 02:00:00", nullptr},
    };
    for (const Row& row : rows) {
        const LocalInstants found = localInstants(cet, reading(row.local));
        EXPECT_EQ(found.count, row.count) << row.local;
        if (row.first) {
            EXPECT_EQ(found.first, utc(row.first)) << row.local;
        }
        if (row.second) {
            EXPECT_EQ(found.second, utc(row.second)) << row.local;
        }
    }
}

TEST(DeskLocalTime, MomentOfATimeOfDay) {
    struct Row {
        const char* zone;
        LocalDate date;
        WallTime time;
        const char* moment;  // UTC
    } rows[] = {
        {"CET", {2024, 6, 15}, {7, 30}, "2024-06-15 05:30:00"},
        {"CET", {2024, 1, 1}, {0, 0}, "2023-12-31 23:00:00"},
        // the skipped hour: the moment the clock jumps from 02:00 to 03:00
        {"CET", {2024, 3, 31}, {2, 0}, "2024-03-31 01:00:00"},
        {"CET", {2024, 3, 31}, {2, 30}, "2024-03-31 01:00:00"},
        {"CET", {2024, 3, 31}, {2, 59}, "2024-03-31 01:00:00"},
        {"CET", {2024, 3, 31}, {3, 0}, "2024-03-31 01:00:00"},
        {"CET", {2024, 3, 31}, {1, 59}, "2024-03-31 00:59:00"},
        // the repeated hour: its first pass
        {"CET", {2024, 10, 27}, {2, 30}, "2024-10-27 00:30:00"},
        {"-03:30", {2024, 1, 1}, {0, 0}, "2024-01-01 03:30:00"},
    };
    for (const Row& row : rows) {
        const ManualClock clock(0, *Zone::named(row.zone));
        EXPECT_EQ(momentOf(clock, row.date, row.time), utc(row.moment))
            << row.zone << " " << row.moment;
    }
}

TEST(DeskLocalTime, DaysAndZonesAndReadings) {
    EXPECT_EQ(addDays({2024, 2, 28}, 1), (LocalDate{2024, 2, 29}));
    EXPECT_EQ(addDays({2023, 2, 28}, 1), (LocalDate{2023, 3, 1}));
    EXPECT_EQ(addDays({2024, 12, 31}, 1), (LocalDate{2025, 1, 1}));
    EXPECT_EQ(addDays({2025, 1, 1}, -1), (LocalDate{2024, 12, 31}));
    EXPECT_EQ(daysBetween({2024, 12, 30}, {2025, 1, 2}), 3);
    EXPECT_EQ(daysBetween({2025, 1, 2}, {2024, 12, 30}), -3);

    EXPECT_EQ(Zone::named("+05:45")->standardOffset, 5 * 3600 + 45 * 60);
    EXPECT_EQ(Zone::named("-03:30")->standardOffset, -(3 * 3600 + 30 * 60));
    for (const char* bad : {"", "cet", "+5:00", "+15:00", "+05:60", "05:00", "+05-00"})
        EXPECT_FALSE(Zone::named(bad).has_value()) << bad;

    for (const char* bad : {"2024-02-30 10:00", "2023-02-29 10:00", "2024-04-31 10:00",
                            "2024-13-01 10:00", "2024-01-01 24:00", "2024-01-01 10:60",
                            "2024-01-01 10:00:60", "2024-01-01T10:00", "2024-1-01 10:00",
                            "2024-01-01 10:00:0", "x024-01-01 10:00"})
        EXPECT_FALSE(parseDateTime(bad).has_value()) << bad;
    EXPECT_EQ(dateTimeText(reading("2024-02-29 23:59")), "2024-02-29 23:59:00");

    ManualClock clock(0, Zone::centralEuropean());
    EXPECT_FALSE(clock.setLocal(reading("2024-03-31 02:30")));  // no such reading
    EXPECT_EQ(clock.now(), 0);
    EXPECT_TRUE(clock.setLocal(reading("2024-10-27 02:30")));
    EXPECT_EQ(clock.now(), utc("2024-10-27 00:30:00"));  // the first pass
    clock.advance(kHour);
    EXPECT_EQ(wall(clock, clock.now()), "2024-10-27 02:30:00");  // the second pass
}

TEST(DeskTimeText, Patterns) {
    const TimeFormats english{"", "AM", "PM"};
    const TimeFormats spanish{"", "a. m.", "p. m."};
    struct Row {
        const char* pattern;
        const char* local;
        const TimeFormats* formats;
        const char* text;
    } rows[] = {
        {"H:mm:ss", "2024-01-01 07:05:09", &english, "7:05:09"},
        {"HH:mm:ss", "2024-01-01 07:05:09", &english, "07:05:09"},
        {"HH:mm:ss", "2024-01-01 23:59:59", &english, "23:59:59"},
        {"h:mm:ss", "2024-01-01 19:05:09", &english, "19:05:09"},  // no designator: 0-23
        {"h:mm:ss AP", "2024-01-01 19:05:09", &english, "7:05:09 PM"},
        {"hh:mm ap", "2024-01-01 00:30:00", &english, "12:30 am"},
        {"hh:mm AP", "2024-01-01 12:00:00", &english, "12:00 PM"},
        {"h:mm:ss AP", "2024-01-01 11:59:59", &spanish, "11:59:59 a. m."},
        {"h:mm A", "2024-01-01 13:00:00", &spanish, "1:00 p. m."},
        {"HH'h'mm", "2024-01-01 07:05:00", &english, "07h05"},
        {"HH''mm", "2024-01-01 07:05:00", &english, "07'05"},
        {"'t' HH", "2024-01-01 07:05:00", &english, "t 07"},
        {"H.m.s", "2024-01-01 07:05:09", &english, "7.5.9"},
        {"HH:mm:ss t", "2024-01-01 07:05:09", &english, "07:05:09 "},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(formatTime(row.pattern, reading(row.local), *row.formats), row.text) << row.pattern;
    }
    LocalDateTime withMs = reading("2024-01-01 07:05:09");
    withMs.millisecond = 45;
    EXPECT_EQ(formatTime("ss.zzz", withMs, english), "09.045");

    EXPECT_EQ(mediumTime(reading("2024-01-01 19:05:59"), english), "07:05 PM");
    EXPECT_EQ(mediumTime(reading("2024-01-01 00:00:00"), english), "12:00 AM");
    EXPECT_EQ(mediumTime(reading("2024-01-01 09:41:00"), spanish), "09:41 a. m.");
}

TEST(DeskTimeText, TimeZoneFieldsDropped) {
    struct Row {
        const char* pattern;
        const char* without;
    } rows[] = {
        {"HH:mm:ss t", "HH:mm:ss"},     {"H:mm:ss (t)", "H:mm:ss"},
        {"h:mm:ss AP t", "h:mm:ss AP"}, {"tttt HH:mm", "HH:mm"},
        {"HH 'at' mm", "HH 'at' mm"},   {"H:mm:ss", "H:mm:ss"},
    };
    for (const Row& row : rows) EXPECT_EQ(withoutTimeZone(row.pattern), row.without) << row.pattern;
}

TEST(DeskTimeText, Durations) {
    struct Row {
        Instant span;
        const char* text;
    } rows[] = {
        {59 * kSecond, "0 min"},
        {kMinute, "1 min"},
        {59 * kMinute + 59 * kSecond, "59 min"},
        {kHour, "1 h"},
        {kHour + 5 * kMinute, "1 h 5 min"},
        {23 * kHour + 59 * kMinute, "23 h 59 min"},
        {kDay, "1 día"},
        {kDay + 30 * kMinute, "1 día"},
        {3 * kDay + 2 * kHour + 10 * kMinute, "3 días 2 h"},
    };
    for (const Row& row : rows) EXPECT_EQ(durationText(row.span), row.text) << row.span;
    EXPECT_EQ(wallTimeText({0, 5}), "00:05");

    struct Span {
        const char* text;
        std::optional<Instant> span;
    } spans[] = {
        {"90s", 90 * kSecond}, {"-10m", -10 * kMinute}, {"+2h", 2 * kHour}, {"3d", 3 * kDay},
        {"0s", 0},             {"10", std::nullopt},    {"m", std::nullopt}, {"1.5h", std::nullopt},
        {"+m", std::nullopt},  {"10w", std::nullopt},   {"--1s", std::nullopt},
        {"100001d", std::nullopt},
    };
    for (const Span& row : spans) EXPECT_EQ(parseSpan(row.text), row.span) << row.text;
    EXPECT_EQ(dateText({2024, 6, 9}), "09/06/2024");
}

}  // namespace
