#pragma once
// What the window models need from the platform. The front end implements these with Qt;
// tests implement them with fakes.

#include <optional>
#include <string>

namespace numeralia {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays a wave file of the program folder. With wait, returns when the sound has ended.
    // A missing or unplayable file plays nothing and reports nothing.
    virtual void playWave(const std::string& file, bool wait) = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box with an OK button.
    virtual void inform(const std::string& title, const std::string& text) = 0;
    // The same for something that went wrong (a warning icon where the platform has one).
    virtual void warn(const std::string& title, const std::string& text) { inform(title, text); }
    // The same for an error the user must correct (a critical-error icon where the platform
    // has one).
    virtual void error(const std::string& title, const std::string& text) { warn(title, text); }
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
    // An input box: a prompt and a text field prefilled with initial, OK and Cancel.
    // Returns the text typed, or nothing when the user cancelled.
    virtual std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                               const std::string& initial) = 0;
};

// The standard dialogs that choose a file to open or to save. They start in the user's
// documents folder (or where the last one of the program ended); extension is the default
// extension without the dot ("DAT"), or several separated by blanks, the first being the
// default ("png svg"); description names the kind of file ("Datos estadísticos"). The chosen path as UTF-8 text (open it through pathFromUtf8 of
// core/shell/file_path.h), or nothing when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> openFile(const std::string& title,
                                                const std::string& description,
                                                const std::string& extension) = 0;
    // The save dialog asks before a file is replaced and adds the default extension to a
    // name typed without one.
    virtual std::optional<std::string> saveFile(const std::string& title,
                                                const std::string& description,
                                                const std::string& extension) = 0;
};

}  // namespace numeralia
