// The number tools at the top of their ranges: "Fact" on the hardest whole numbers up to
// 2^53 (a product of two primes near 2^26.5, the square of such a prime, the largest prime),
// first the factorisation alone, then the whole key press through the calculator model
// (reading the display, the factorisation, the lines of the blue display); and "n !" and
// "C m,n" at the top of theirs.
//
//   build/bench/solver_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "core/calc/calculator_model.h"
#include "core/calc/combinatorics.h"
#include "core/calc/function_math.h"
#include "core/calc/integer_tools.h"
#include "quiet_platform.h"

namespace {

using numeralia::calc::CalculatorModel;
using numeralia::calc::KeyId;

// The numbers, by argument index.
constexpr std::uint64_t kNumbers[] = {
    94906249ull * 94906247ull,  // two primes just below 2^26.5
    94906249ull * 94906249ull,  // the square of one
    9007199254740881ull,        // the largest prime below 2^53
    9007199254740991ull,        // 2^53 − 1 = 6361 · 69431 · 20394401
    9007199254740992ull,        // 2^53
};

void PrimeFactors(benchmark::State& state) {
    const std::uint64_t n = kNumbers[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(numeralia::calc::primeFactors(n));
    state.SetLabel(std::to_string(n));
}
BENCHMARK(PrimeFactors)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// 256 products of two primes taken just below 2^26.5 (every product at most 2^53), one per
// iteration: the spread of Pollard's rho over the hardest numbers. max_ms is the slowest in
// wall time (which includes any preemption of a busy machine), max_cpu_ms in processor time.
void BalancedSemiprimes(benchmark::State& state) {
    std::vector<std::uint64_t> primes;
    for (std::uint64_t n = 94906265; primes.size() < 32; --n) {
        if (numeralia::calc::isPrime(n)) primes.push_back(n);
    }
    std::vector<std::uint64_t> numbers;
    for (std::size_t i = 0; i < 16; ++i) {
        for (std::size_t j = 16; j < 32; ++j) numbers.push_back(primes[i] * primes[j]);
    }
    std::size_t next = 0;
    double slowest = 0, slowestCpu = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        benchmark::DoNotOptimize(numeralia::calc::primeFactors(numbers[next]));
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        slowest = std::max(slowest, took.count());
        slowestCpu = std::max(
            slowestCpu, 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        next = (next + 1) % numbers.size();
    }
    state.counters["max_ms"] = slowest;
    state.counters["max_cpu_ms"] = slowestCpu;
}
BENCHMARK(BalancedSemiprimes)->Iterations(2048)->Unit(benchmark::kMillisecond);

// The "Fact" key as the user presses it, the number already typed.
void FactKey(benchmark::State& state) {
    numeralia::SharedState shared;
    numeralia::bench::QuietSounds sounds;
    CalculatorModel model(shared, sounds);
    const std::string typed = std::to_string(kNumbers[state.range(0)]);
    for (auto _ : state) {
        state.PauseTiming();
        model.setDisplay(typed);
        state.ResumeTiming();
        model.press(KeyId::factorization);
        benchmark::DoNotOptimize(model.state().solver.blue.polar.data());
    }
    state.SetLabel(typed);
}
BENCHMARK(FactKey)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void Factorial170(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(numeralia::calc::factorial(170));
}
BENCHMARK(Factorial170)->Unit(benchmark::kMicrosecond);

void Combinations1020Over510(benchmark::State& state) {
    using numeralia::calc::Counting;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            numeralia::calc::countArrangements(Counting::Combinations, {1020, 510}));
    }
}
BENCHMARK(Combinations1020Over510)->Unit(benchmark::kMicrosecond);

}  // namespace
