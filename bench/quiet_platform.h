#pragma once
// The platform for benchmarks and look-at programs: no sounds, message boxes printed to
// standard output, every question answered Yes, input boxes answered with `typed` (cancelled
// while it is unset), file dialogs cancelled.

#include <cstdio>
#include <optional>
#include <string>

#include "core/shell/platform.h"

namespace numeralia::bench {

struct QuietSounds : SoundPlayer {
    void playWave(const std::string&, bool) override {}
};

struct YesDialogs : Dialogs {
    bool print = false;  // print message boxes on standard output
    void inform(const std::string& title, const std::string& text) override {
        if (print) std::printf("%s: %s\n", title.c_str(), text.c_str());
    }
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> typed;
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override {
        return typed;
    }
};

struct NoFiles : FileDialogs {
    std::optional<std::string> openFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return std::nullopt;
    }
};

}  // namespace numeralia::bench
