#pragma once
// The Preferences window: the two currency names, the exchange factor and the sound switch.
// Every change goes straight into the shared state; "Cancelar" brings back the values the
// window found when it opened, or the ones kept by the last "Guardar".

#include <cstdint>
#include <string>

#include "core/shell/shared_state.h"

namespace numeralia {

class PreferencesModel {
public:
    // The factory values of "Originales".
    static constexpr double kOriginalFactor = 166.386;
    static constexpr const char* kOriginalName1 = "euro";
    static constexpr const char* kOriginalName2 = "pts";

    // Opening: the boxes show the shared values and the restore point is taken.
    explicit PreferencesModel(SharedState& state);

    // What the window shows.
    const std::string& text1() const { return text1_; }  // name of currency 1
    const std::string& text2() const { return text2_; }  // name of currency 2
    std::string label1() const;                          // "1 euro ="
    std::string label2() const;                          // "pts"
    const std::string& valor() const { return valor_; }  // the factor
    bool soundChecked() const { return state_.soundOn == 1; }

    // Typing in a name box stores the name in lower case at every change; leaving the box
    // shows the stored name.
    void editText1(const std::string& typed);
    void leaveText1();
    void editText2(const std::string& typed);
    void leaveText2();

    // Typing in the factor box changes nothing yet; leaving it reads the text with either
    // "," or "." as decimal mark. A text that is not a number keeps the previous factor, and
    // the box shows the stored factor in every case.
    void editValor(const std::string& typed);
    void leaveValor();

    void setSound(bool on);  // "Activar Sonidos del Programa"
    void restoreOriginals();  // "Originales"
    // "Guardar": the current values, with a factor still being typed, become the restore point.
    void save();
    void cancel();            // "Cancelar": back to the restore point (the window then closes)

private:
    struct RestorePoint {
        std::string name1, name2;
        Variant factor;
        std::int16_t soundOn = 0;
    };

    void showStoredValues();

    SharedState& state_;
    RestorePoint restore_;
    std::string text1_, text2_, valor_;
    bool valorEdited_ = false;
};

}  // namespace numeralia
