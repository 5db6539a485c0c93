#pragma once
// Fakes of the platform for the bank window model: they record what the model asked for.

#include <string>
#include <vector>

#include "core/shell/platform.h"

namespace numeralia::testing {

struct BankSounds : SoundPlayer {
    std::vector<std::string> played;
    void playWave(const std::string& file, bool) override { played.push_back(file); }
};

struct BankDialogs : Dialogs {
    bool answer = true;  // Yes: payments at the end of the month
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::string lastTitle;
    void inform(const std::string& title, const std::string& text) override {
        lastTitle = title;
        messages.push_back(text);
    }
    bool askYesNo(const std::string& title, const std::string& text) override {
        lastTitle = title;
        questions.push_back(text);
        return answer;
    }
};

}  // namespace numeralia::testing
