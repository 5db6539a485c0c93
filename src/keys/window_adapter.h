#pragma once
// The driver talks to each window model through an adapter: it hands the adapter one
// script line at a time and asks it for the window's state. Adding a window to the driver
// is one adapter class and one line in adapter_registry.cpp.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/shell/platform.h"
#include "core/shell/shared_state.h"
#include "keys/json_writer.h"

namespace numeralia::keys {

class WindowAdapter {
  public:
    virtual ~WindowAdapter() = default;
    // Performs one script line (never blank, never a comment). Returns an error message for
    // a line the window does not understand, empty on success.
    virtual std::string perform(std::string_view line) = 0;
    // Adds the window's own fields to the state object.
    virtual void writeState(JsonObject& json) const = 0;
    // Draws the window's random numbers from a generator with this seed instead of one
    // seeded from the clock. False for a window that draws none.
    virtual bool setSeed(std::uint64_t) { return false; }
};

using AdapterFactory = std::function<std::unique_ptr<WindowAdapter>(SharedState&, SoundPlayer&)>;

struct AdapterEntry {
    std::string_view name;  // the value of --window
    AdapterFactory make;
};

// Every window the driver can drive; the first one is the default.
const std::vector<AdapterEntry>& adapters();

// The window named `name`, or nullptr.
const AdapterEntry* findAdapter(std::string_view name);

// Whether the driver skips a script line: a blank one, or a comment beginning with "//".
bool skippedLine(std::string_view line);

// Adds the persisted fields of the shared state to the state object.
void writeSharedState(const SharedState& state, JsonObject& json);

}  // namespace numeralia::keys
