// What the Alarm window costs while it waits: one tick() a second, on the clock set by hand
// and on the system clock (which asks Qt for the local offset).

#include <benchmark/benchmark.h>

#include "app/desk/system_clock.h"
#include "core/desk/alarm_model.h"
#include "core/desk/alarm_schedule.h"
#include "core/desk/manual_clock.h"
#include "core/desk/time_text.h"
#include "quiet_platform.h"

namespace {

using namespace numeralia;

struct NoEditor : desk::AlarmTimeEditor {
    desk::AlarmTimeAnswer askAlarmTime(desk::WallTime, bool) override { return {}; }
};

// An alarm set for tomorrow, a second of the clock at each iteration.
template <typename MakeClock>
void tickWithAlarmSet(benchmark::State& run, MakeClock makeClock) {
    SharedState state;
    bench::QuietSounds sounds;
    NoEditor editor;
    auto clock = makeClock();
    desk::AlarmModel model(state, sounds, clock, editor, desk::TimeFormats{"H:mm:ss (t)", "a. m.", "p. m."});
    model.setAlarm({6, 45});
    for (auto _ : run) benchmark::DoNotOptimize(model.tick());
}

void tickOnTheManualClock(benchmark::State& run) {
    tickWithAlarmSet(run, [] {
        desk::ManualClock clock(0, desk::Zone::centralEuropean());
        clock.setLocal(*desk::parseDateTime("2024-10-27 02:29:00"));
        return clock;
    });
}
BENCHMARK(tickOnTheManualClock);

void tickOnTheSystemClock(benchmark::State& run) {
    tickWithAlarmSet(run, [] { return app::SystemClock(); });
}
BENCHMARK(tickOnTheSystemClock);

void nextOccurrenceAcrossSummerTime(benchmark::State& run) {
    desk::ManualClock clock(0, desk::Zone::centralEuropean());
    clock.setLocal(*desk::parseDateTime("2024-10-27 02:45:00"));
    for (auto _ : run)
        benchmark::DoNotOptimize(desk::nextOccurrence(clock, clock.now(), {2, 30}, desk::LocalDate{2024, 10, 27}));
}
BENCHMARK(nextOccurrenceAcrossSummerTime);

}  // namespace
