#pragma once
// Compares the persisted fields of two shared states the way the settings file keeps them:
// numbers to 15 significant digits, texts and the kinds of variants exactly.

#include <string>

#include "core/shell/shared_state.h"

namespace numeralia::fuzz {

// Whether two numbers agree to 15 significant digits.
bool sameTo15Digits(double a, double b);

// The name of the first field, from `first` (0 for vatRate) to `last` (15 for soundOn), in
// which the two states differ; empty when they agree.
std::string differingField(const SharedState& a, const SharedState& b, int first = 0, int last = 15);

}  // namespace numeralia::fuzz
