#pragma once
// Fakes of the platform interfaces for the core tests.

#include <string>
#include <utility>
#include <vector>

#include "core/shell/platform.h"

namespace numeralia::testing {

class FakeSoundPlayer : public SoundPlayer {
public:
    struct Play {
        std::string file;
        bool wait;
        bool operator==(const Play&) const = default;
    };
    std::vector<Play> played;
    void playWave(const std::string& file, bool wait) override { played.push_back({file, wait}); }
};

class FakeDialogs : public Dialogs {
public:
    std::vector<std::pair<std::string, std::string>> messages;
    bool answer = true;
    void inform(const std::string& title, const std::string& text) override {
        messages.emplace_back(title, text);
    }
    bool askYesNo(const std::string& title, const std::string& text) override {
        messages.emplace_back(title, text);
        return answer;
    }
};

}  // namespace numeralia::testing
