#pragma once
// The platform as a script sees it: questions, input boxes and file dialogs are answered
// from script lines, and the messages shown are kept for the state.

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/desk/alarm_model.h"
#include "core/shell/platform.h"

namespace numeralia::keys {

struct ScriptedDialogs : Dialogs {
    bool answer = true;                           // every Yes/No question, until told otherwise
    std::deque<std::optional<std::string>> texts;  // input boxes, in turn; empty: cancelled
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    void inform(const std::string&, const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string&, const std::string& text) override {
        questions.push_back(text);
        return answer;
    }
    std::optional<std::string> askText(const std::string&, const std::string& prompt,
                                       const std::string&) override {
        questions.push_back(prompt);
        if (texts.empty()) return std::nullopt;
        std::optional<std::string> text = std::move(texts.front());
        texts.pop_front();
        return text;
    }
};

// File dialogs answered by the script: each dialog takes the next path given, or is
// cancelled when none is left.
struct ScriptedFileDialogs : FileDialogs {
    std::deque<std::string> paths;
    std::optional<std::string> next() {
        if (paths.empty()) return std::nullopt;
        std::string path = std::move(paths.front());
        paths.pop_front();
        return path;
    }
    std::optional<std::string> openFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return next();
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return next();
    }
};

// The time editor of the Alarm window's "Set": takes the next answer given (cancelled with
// none left) and keeps what it was last offered.
struct ScriptedTimeEditor : desk::AlarmTimeEditor {
    std::deque<desk::AlarmTimeAnswer> answers;
    std::optional<std::pair<desk::WallTime, bool>> asked;  // prefilled time, clear offered
    desk::AlarmTimeAnswer askAlarmTime(desk::WallTime initial, bool offerClear) override {
        asked = {initial, offerClear};
        if (answers.empty()) return {};
        const desk::AlarmTimeAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace numeralia::keys
