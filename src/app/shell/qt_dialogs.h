#pragma once
// Message boxes and Yes/No questions with Qt, over the active window.

#include "core/shell/platform.h"

namespace numeralia::app {

class QtDialogs : public Dialogs {
public:
    void inform(const std::string& title, const std::string& text) override;
    void warn(const std::string& title, const std::string& text) override;
    void error(const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
};

}  // namespace numeralia::app
