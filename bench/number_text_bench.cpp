// Cost of the number texts the calculator writes and reads after every key.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "core/text/number_text.h"

namespace {

using namespace numeralia::text;

constexpr std::array<double, 8> kValues = {
    0.0, 2.5, 1.0 / 3.0, -1234567.891, 1.5e20, 1.2345e-7, 53032.758, 3.14159265358979,
};

void BM_GeneralText(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(generalText(kValues[i++ % kValues.size()]));
    }
}
BENCHMARK(BM_GeneralText);

void BM_FormatPattern(benchmark::State& state, const char* pattern) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatPattern(kValues[i++ % kValues.size()], pattern));
    }
}
BENCHMARK_CAPTURE(BM_FormatPattern, decimals, "0.###");
BENCHMARK_CAPTURE(BM_FormatPattern, decimals_exponent, "0.###E+###");
BENCHMARK_CAPTURE(BM_FormatPattern, exponential_view, "0.0000000000e+00");
BENCHMARK_CAPTURE(BM_FormatPattern, bank, "###,###,##0.00");
BENCHMARK_CAPTURE(BM_FormatPattern, general, "General Number");

void BM_ParseNumber(benchmark::State& state) {
    const std::array<std::string, 4> texts = {"2,5", "0,333333333333333", "-1234567,891",
                                              "1,5E+20"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseNumber(texts[i++ % texts.size()]));
    }
}
BENCHMARK(BM_ParseNumber);

}  // namespace
