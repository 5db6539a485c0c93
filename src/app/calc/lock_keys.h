#pragma once
// The state of the Caps Lock and Num Lock keys, where the platform tells it.

#include <optional>

namespace numeralia::app {

struct LockKeys {
    std::optional<bool> capsLock;  // nullopt: the platform does not say
    std::optional<bool> numLock;
};

LockKeys lockKeyState();

}  // namespace numeralia::app
