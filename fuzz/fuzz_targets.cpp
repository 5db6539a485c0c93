#include "fuzz/fuzz_target.h"

namespace numeralia::fuzz {

const std::vector<FuzzTarget>& fuzzTargets() {
    static const std::vector<FuzzTarget> targets = {
        {"settings_line", checkSettingsLine},
        {"display_text", checkDisplayText},
        {"keys_script", checkKeysScript},
        {"bets_file", checkBetsFile},
        {"formula", checkFormula},
        {"statistics_file", checkStatisticsFile},
        {"pasted_number", checkPastedNumber},
    };
    return targets;
}

const FuzzTarget* findFuzzTarget(std::string_view name) {
    for (const FuzzTarget& target : fuzzTargets()) {
        if (target.name == name) return &target;
    }
    return nullptr;
}

}  // namespace numeralia::fuzz
