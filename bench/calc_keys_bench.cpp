// A key press through the calculator model: the key's action, the display-change step, the
// display formatting step and the key history included. One iteration is one key press.
//
//   build/bench/calc_keys_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "core/calc/calculator_model.h"

namespace {

using numeralia::calc::CalculatorModel;
using numeralia::calc::KeyId;

struct SilentSounds : numeralia::SoundPlayer {
    void playWave(const std::string&, bool) override {}
};

void pressCycling(benchmark::State& state, const std::vector<KeyId>& script, bool decimals) {
    numeralia::SharedState shared;
    SilentSounds sounds;
    CalculatorModel model(shared, sounds);
    if (decimals) {  // results go through the display formatting step with 3 decimals
        for (KeyId id : {KeyId::digit3, KeyId::setDecimals}) model.press(id);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        model.press(script[next]);
        next = next + 1 == script.size() ? 0 : next + 1;
        benchmark::DoNotOptimize(model.state().numero.data());
    }
    state.SetItemsProcessed(state.iterations());
}

// Typing a number of 12 digits, then "C".
void DigitEntry(benchmark::State& state) {
    std::vector<KeyId> script;
    for (int i = 0; i < 12; ++i) script.push_back(static_cast<KeyId>(1 + i % 9));
    script.push_back(KeyId::clearEntry);
    pressCycling(state, script, false);
}

// 12,5 + 3 x 7 -- 1 / 3 = : a chain evaluated left to right, with 3 decimals set.
void OperatorChain(benchmark::State& state) {
    const std::vector<KeyId> script = {
        KeyId::digit1, KeyId::digit2, KeyId::decimalPoint, KeyId::digit5, KeyId::plus,
        KeyId::digit3, KeyId::times,  KeyId::digit7,       KeyId::minus,  KeyId::digit1,
        KeyId::divide, KeyId::digit3, KeyId::equals};
    pressCycling(state, script, true);
}

// "=" on a key history that holds exactly 500 entries: the history starts afresh. Only the
// "=" is timed; the keys that fill the history are not.
void EqualsAtHistoryRollover(benchmark::State& state) {
    numeralia::SharedState shared;
    SilentSounds sounds;
    CalculatorModel model(shared, sounds);
    for (KeyId id : {KeyId::digit3, KeyId::setDecimals, KeyId::digit2, KeyId::plus, KeyId::digit3})
        model.press(id);
    for (auto _ : state) {
        while (model.state().history.size() < 500) model.press(KeyId::changeSign);
        if (model.state().history.size() > 500) model.press(KeyId::historyClear);
        if (model.state().history.size() != 500) continue;
        const auto start = std::chrono::steady_clock::now();
        model.press(KeyId::equals);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (model.state().history.size() > 2)
            state.SkipWithError("the history did not start afresh");
        model.press(KeyId::plus);
        model.press(KeyId::digit3);
    }
}

BENCHMARK(DigitEntry);
BENCHMARK(OperatorChain);
BENCHMARK(EqualsAtHistoryRollover)->UseManualTime()->Iterations(3000);

}  // namespace
