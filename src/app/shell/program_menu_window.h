#pragma once
// The Program menu: the first window of the program and its hub. Opening it loads the
// settings file; closing it saves the file, closes every other window and ends the program.

#include <QTextBrowser>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <optional>

#include "app/shell/app_context.h"
#include "app/shell/program_folders.h"
#include "core/shell/program_menu.h"

namespace numeralia::app {

class SvgPicture;

class ProgramMenuWindow : public QWidget {
    Q_OBJECT
public:
    // `folders` says where the program's files live: the sounds in the program folder, the
    // settings file there too when that folder can be written, otherwise in the user's
    // configuration folder.
    explicit ProgramMenuWindow(AppContext& context, const ProgramFolders& folders = runningProgramFolders());
    // Everything in `folder`, the settings file included.
    ProgramMenuWindow(AppContext& context, const QString& folder)
        : ProgramMenuWindow(context, ProgramFolders{folder, {}}) {}

    // The window a button opens now, or nothing when that window does not exist yet.
    std::optional<WindowId> windowFor(MenuTarget target) const;

    QToolButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void open(MenuTarget target);
    void refreshButtons();

    AppContext& context_;
    std::array<QToolButton*, kProgramMenuButtons.size()> buttons_{};
    SvgPicture* image6_ = nullptr;
    QTextBrowser* readme_ = nullptr;
    bool shutDown_ = false;
};

}  // namespace numeralia::app
