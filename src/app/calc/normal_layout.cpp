#include "app/calc/keypad_layout.h"

namespace numeralia::app {

namespace {

using calc::KeyId;
using S = KeySection;
using K = KeyStyle;

// The Normal model's keys besides the pocket keys of both models (keypad_layout.cpp): its
// powers, roots, 1/x and π fill a Functions panel of 3 columns.
constexpr KeySlot kNormal[] = {
    {KeyId::square, S::Functions, 0, 0, K::Function},
    {KeyId::cube, S::Functions, 0, 1, K::Function},
    {KeyId::reciprocal, S::Functions, 0, 2, K::Function},
    {KeyId::squareRoot, S::Functions, 1, 0, K::Function},
    {KeyId::cubeRoot, S::Functions, 1, 1, K::Function},
    {KeyId::pi, S::Functions, 1, 2, K::Function},
};

}  // namespace

std::span<const KeySlot> normalLayout() {
    static const std::vector<KeySlot> all = [] {
        std::vector<KeySlot> slots = pocketKeys(3);
        slots.insert(slots.end(), std::begin(kNormal), std::end(kNormal));
        return slots;
    }();
    return all;
}

}  // namespace numeralia::app
