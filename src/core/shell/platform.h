#pragma once
// What the window models need from the platform. The front end implements these with Qt;
// tests implement them with fakes.

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
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
};

}  // namespace numeralia
