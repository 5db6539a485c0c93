#pragma once
// The open and save file dialogs with Qt, over the active window.

#include "core/shell/platform.h"

namespace numeralia::app {

class QtFileDialogs : public FileDialogs {
public:
    std::optional<std::string> openFile(const std::string& title, const std::string& description,
                                        const std::string& extension) override;
    std::optional<std::string> saveFile(const std::string& title, const std::string& description,
                                        const std::string& extension) override;
};

}  // namespace numeralia::app
