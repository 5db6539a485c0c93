// numeralia-keys: presses keys of a window model, one per line of standard input, and prints
// the window's state as one JSON object per line (after every key with --trace, otherwise
// once at the end). It plays no sounds: a sound a key would play shows in the state.

#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/shell/settings_file.h"
#include "keys/window_adapter.h"

namespace {

using namespace numeralia;

struct ShownSounds : SoundPlayer {
    std::vector<std::string> played;
    void playWave(const std::string& file, bool) override { played.push_back(file); }
};

struct Options {
    std::string window;
    bool trace = false;
    bool save = false;
    bool hasFolder = false;
    std::string folder;
    std::optional<std::uint64_t> seed;
};

constexpr const char* kUsage =
    "usage: numeralia-keys [--window NAME] [--trace] [--folder DIR [--save]] [--seed N] < script\n"
    "  One key per line: a key id (digit7, plus, memoryAdd1) or a caption that names one\n"
    "  key (7, +, M1+); type:TEXT types characters; keydown:NAME+shift+ctrl+alt sends a key\n"
    "  (keydown:1+shift); select:N picks entry N of the key history; menu:Normal and\n"
    "  menu:Científica switch the calculator model. Blank lines and lines beginning with //\n"
    "  are skipped.\n"
    "  --folder DIR  use DIR as the program folder: its settings file is read first\n"
    "  --save        and written after the last key\n"
    "  --seed N      draw random numbers from a generator seeded with N (lottery window)\n";

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--save") {
            options.save = true;
        } else if (arg == "--seed" && i + 1 < argc) {
            const std::string value = argv[++i];
            if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos ||
                value.size() > 19)
                return false;
            options.seed = std::stoull(value);
        } else if ((arg == "--folder" || arg == "--window") && i + 1 < argc) {
            (arg == "--folder" ? options.folder : options.window) = argv[++i];
            if (arg == "--folder") options.hasFolder = true;
        } else {
            return false;
        }
    }
    return !(options.save && !options.hasFolder);
}

std::string stateLine(const keys::WindowAdapter& adapter, const SharedState& shared,
                      ShownSounds& sounds, const std::string* key) {
    keys::JsonObject json;
    if (key) json.text("key", *key);
    adapter.writeState(json);
    keys::writeSharedState(shared, json);
    if (sounds.played.empty()) {
        json.null("sound");
    } else {
        json.text("sound", sounds.played.back());
    }
    json.textArray("sounds", sounds.played);
    sounds.played.clear();
    return json.str();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    const keys::AdapterEntry* entry = &keys::adapters().front();
    if (!options.window.empty()) {
        entry = keys::findAdapter(options.window);
        if (!entry) {
            std::cerr << "numeralia-keys: no window named \"" << options.window << "\"; windows:";
            for (const keys::AdapterEntry& candidate : keys::adapters()) std::cerr << " " << candidate.name;
            std::cerr << "\n";
            return 2;
        }
    }

    SharedState shared;
    ShownSounds sounds;
    if (options.hasFolder) {
        loadSettings(shared, options.folder, sounds);
        sounds.played.clear();  // the start-up sound is not a key's
    }
    const auto adapter = entry->make(shared, sounds);
    if (options.seed && !adapter->setSeed(*options.seed)) {
        std::cerr << "numeralia-keys: the " << entry->name << " window draws no random numbers\n";
        return 2;
    }

    std::string line;
    int number = 0;
    while (std::getline(std::cin, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (keys::skippedLine(line)) continue;
        if (const std::string error = adapter->perform(line); !error.empty()) {
            std::cerr << "numeralia-keys: line " << number << ": " << error << "\n";
            return 2;
        }
        if (options.trace) std::cout << stateLine(*adapter, shared, sounds, &line) << "\n";
    }
    if (!options.trace) std::cout << stateLine(*adapter, shared, sounds, nullptr) << "\n";

    if (options.save) {
        const SaveResult saved = saveSettings(shared);
        if (!saved.ok) {
            std::cerr << "numeralia-keys: " << saved.message << "\n";
            return 1;
        }
    }
    return 0;
}
