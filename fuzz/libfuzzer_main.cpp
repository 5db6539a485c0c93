// The libFuzzer entry of one target, chosen at build time by NUMERALIA_FUZZ_TARGET. A check
// that fails aborts, so libFuzzer keeps the input as a finding.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_target.h"

namespace {

const numeralia::fuzz::FuzzTarget& target() {
    static const numeralia::fuzz::FuzzTarget* found =
        numeralia::fuzz::findFuzzTarget(NUMERALIA_FUZZ_TARGET);
    if (found == nullptr) {
        std::fprintf(stderr, "no fuzz target named %s\n", NUMERALIA_FUZZ_TARGET);
        std::abort();
    }
    return *found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure =
        target().check(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!failure.empty()) {
        std::fprintf(stderr, "%s: %s\n", NUMERALIA_FUZZ_TARGET, failure.c_str());
        std::abort();
    }
    return 0;
}
