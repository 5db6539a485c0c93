#pragma once
// Fakes of the platform interfaces for the core tests.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/calc/solver_dialogs.h"
#include "core/desk/alarm_model.h"
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
    // Input boxes take these answers in turn; with none left they are cancelled.
    std::vector<std::optional<std::string>> textAnswers;
    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string&) override {
        messages.emplace_back(title, prompt);
        if (textAnswers.empty()) return std::nullopt;
        std::optional<std::string> text = textAnswers.front();
        textAnswers.erase(textAnswers.begin());
        return text;
    }
};

// File dialogs that hand out the given paths in turn; with none left they are cancelled.
class FakeFileDialogs : public FileDialogs {
public:
    std::vector<std::string> paths;
    std::vector<std::string> titles;  // the title of every dialog shown
    std::optional<std::string> next(const std::string& title) {
        titles.push_back(title);
        if (paths.empty()) return std::nullopt;
        std::string path = paths.front();
        paths.erase(paths.begin());
        return path;
    }
    std::optional<std::string> openFile(const std::string& title, const std::string&,
                                        const std::string&) override {
        return next(title);
    }
    std::optional<std::string> saveFile(const std::string& title, const std::string&,
                                        const std::string&) override {
        return next(title);
    }
};

// The dialogs of "S.Ec" and "Tem": answers taken in turn (nothing left: cancelled); every
// question is kept.
class FakeSolverDialogs : public calc::SolverDialogs {
public:
    std::vector<std::optional<std::size_t>> choices;
    std::vector<std::optional<calc::LinearSystemForm>> systems;
    std::vector<calc::ChoiceQuestion> choiceQuestions;
    std::vector<calc::LinearSystemForm> systemsOffered;

    std::optional<std::size_t> askChoice(const calc::ChoiceQuestion& question) override {
        choiceQuestions.push_back(question);
        return next(choices);
    }
    std::optional<calc::LinearSystemForm> askLinearSystem(
        const std::string&, const calc::LinearSystemForm& initial) override {
        systemsOffered.push_back(initial);
        return next(systems);
    }

private:
    template <class T>
    static std::optional<T> next(std::vector<std::optional<T>>& answers) {
        if (answers.empty()) return std::nullopt;
        std::optional<T> answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
};

// The time editor of the alarm's "Set": answers in turn (nothing left: cancelled), and what it
// was offered.
struct FakeAlarmTimeEditor : desk::AlarmTimeEditor {
    std::vector<desk::AlarmTimeAnswer> answers;
    std::vector<std::pair<desk::WallTime, bool>> asked;
    desk::AlarmTimeAnswer askAlarmTime(desk::WallTime initial, bool offerClear) override {
        asked.emplace_back(initial, offerClear);
        if (answers.empty()) return {};
        const desk::AlarmTimeAnswer answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
};

}  // namespace numeralia::testing
