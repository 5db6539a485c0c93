// The program folder and settings folder rules, the sound rules and the calculator button of the Program menu.

#include <gtest/gtest.h>

#include "core/shell/program_folder.h"
#include "core/shell/program_menu.h"
#include "core/shell/settings_file.h"
#include "core/shell/sounds.h"
#include "fake_platform.h"

namespace numeralia {
namespace {

using testing::FakeSoundPlayer;
using Plays = std::vector<FakeSoundPlayer::Play>;

TEST(ProgramFolder, AppendsTheSeparatorOnlyWhenMissing) {
    // clang-format off
    const std::tuple<const char*, char, const char*> rows[] = {
        {"C:\\", '\\', "C:\\"},  // root of a drive: one separator only
        {"C:\\A", '\\', "C:\\A\\"}, {"C:/A/", '\\', "C:/A/"},  // "/" is a separator too
        {"/", '/', "/"}, {"/ab", '/', "/ab/"}, {"/opt/numeralia/", '/', "/opt/numeralia/"},
        {"", '/', ""},
    };
    // clang-format on
    for (const auto& [reported, separator, folder] : rows) {
        SharedState state;
        state.programFolder = programFolderFrom(reported, separator);
        EXPECT_EQ(state.programFolder, folder) << reported;
    }
}

TEST(SettingsFolder, ProgramFolderWhereverItCanBeWritten) {
    // clang-format off
    const std::tuple<const char*, bool, const char*, char, const char*> rows[] = {
        {"/home/ana/numeralia/", true, "/home/ana/.config/Numeralia", '/', "/home/ana/numeralia/"},
        {"/usr/lib/numeralia/", false, "/home/ana/.config/Numeralia", '/', "/home/ana/.config/Numeralia/"},
        {"/usr/lib/numeralia/", false, "/home/ana/.config/Numeralia/", '/', "/home/ana/.config/Numeralia/"},
        {"/usr/lib/numeralia/", false, "", '/', "/usr/lib/numeralia/"},  // nowhere else to go
        {"/media/cd/", true, "", '/', "/media/cd/"},
        {"C:\\Archivos de programa\\Numeralia\\", false, "C:\\Users\\Ana\\AppData\\Local\\Numeralia", '\\',
         "C:\\Users\\Ana\\AppData\\Local\\Numeralia\\"},
        {"C:\\", true, "C:\\Users\\Ana", '\\', "C:\\"},
    };
    // clang-format on
    for (const auto& [program, writable, user, separator, expected] : rows) {
        SharedState state;
        state.settingsFolder = settingsFolderFor(program, writable, user, separator);
        EXPECT_EQ(state.settingsFolder, expected) << program << " " << writable << " " << user;
        EXPECT_EQ(settingsFilePath(state), std::string(expected) + "pref");
    }
}

TEST(Sounds, PlayOnlyWithTheSoundSwitchOn) {
    // clang-format off
    const std::tuple<std::int16_t, std::int16_t, Plays> rows[] = {
        {1, 1, {{"hey.wav", true}}}, {1, 2, {{"ooh.wav", true}}}, {1, 3, {{"pato.wav", true}}},
        {1, 4, {{"tic.wav", true}}}, {1, 5, {}}, {1, -1, {}},
        {1, 0, {}},  // the lottery has not set a cue yet
        {0, 2, {}}, {2, 2, {}},  // only 1 switches the sounds on
    };
    // clang-format on
    for (const auto& [soundOn, soundCue, expected] : rows) {
        SharedState state;
        state.soundOn = soundOn;
        state.soundCue = soundCue;
        FakeSoundPlayer player;
        playCueSound(state, player);
        EXPECT_EQ(player.played, expected) << soundOn << " " << soundCue;
        EXPECT_EQ(state.soundCue, soundCue);  // playing the cue never changes it
    }
}

TEST(ProgramMenu, CalculatorButtonFollowsTheModelUsedLast) {
    // Only "normalita" opens the Normal model: case and blanks count.
    const std::pair<const char*, MenuTarget> rows[] = {
        {"normalita", MenuTarget::NormalModel},      {"avanzada", MenuTarget::ScientificModel},
        {"", MenuTarget::ScientificModel},           {"Normalita", MenuTarget::ScientificModel},
        {"normalita ", MenuTarget::ScientificModel}, {"normal", MenuTarget::ScientificModel},
    };
    for (const auto& [model, target] : rows) {
        SharedState state;
        state.calculatorModel = model;
        EXPECT_EQ(calculatorTarget(state), target) << model;
    }
}

}  // namespace
}  // namespace numeralia
