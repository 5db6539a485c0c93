#include "core/shell/random_source.h"

#include <atomic>
#include <chrono>

namespace numeralia {

double SeededRandomSource::draw() {
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

std::uint64_t clockSeed() {
    static std::atomic<std::uint64_t> created{0};
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seq{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                      static_cast<std::uint32_t>(++created)};
    std::uint32_t words[2];
    seq.generate(words, words + 2);
    return (static_cast<std::uint64_t>(words[0]) << 32) | words[1];
}

}  // namespace numeralia
