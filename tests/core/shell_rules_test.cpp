// The program folder rule, the sound rules and the calculator button of the Program menu.

#include <gtest/gtest.h>

#include "core/shell/program_folder.h"
#include "core/shell/program_menu.h"
#include "core/shell/settings_file.h"
#include "core/shell/sounds.h"
#include "fake_platform.h"

namespace numeralia {
namespace {

using testing::FakeSoundPlayer;

TEST(ProgramFolder, AppendsTheSeparatorOnlyWhenMissing) {
    struct Row {
        const char* reported;
        char separator;
        const char* folder;
    };
    const Row rows[] = {
        {"C:\\", '\\', "C:\\"},          // root of a drive: one separator only
        {"C:\\A", '\\', "C:\\A\\"},      // four characters
        {"C:\\CALC", '\\', "C:\\CALC\\"},
        {"D:\\Programas\\Numeralia", '\\', "D:\\Programas\\Numeralia\\"},
        {"C:/A/", '\\', "C:/A/"},        // a forward slash counts as a separator too
        {"/", '/', "/"},
        {"/ab", '/', "/ab/"},            // short paths keep their separator
        {"/opt/numeralia", '/', "/opt/numeralia/"},
        {"/opt/numeralia/", '/', "/opt/numeralia/"},
        {"", '/', ""},
    };
    for (const Row& r : rows) EXPECT_EQ(programFolderFrom(r.reported, r.separator), r.folder) << r.reported;
}

TEST(ProgramFolder, SettingsFileIsPrefInTheFolder) {
    struct Row {
        const char* reported;
        char separator;
        const char* file;
    };
    const Row rows[] = {
        {"C:\\", '\\', "C:\\pref"},
        {"C:\\A", '\\', "C:\\A\\pref"},
        {"/ab", '/', "/ab/pref"},
        {"/", '/', "/pref"},
    };
    for (const Row& r : rows) {
        SharedState state;
        state.programFolder = programFolderFrom(r.reported, r.separator);
        EXPECT_EQ(settingsFilePath(state), r.file) << r.reported;
    }
}

TEST(Sounds, CueSoundFiles) {
    const std::pair<int, const char*> rows[] = {
        {1, "hey.wav"}, {2, "ooh.wav"}, {3, "pato.wav"}, {4, "tic.wav"},
        {0, ""},        {5, ""},        {-1, ""},        {32767, ""},
    };
    for (const auto& [cue, file] : rows) EXPECT_EQ(cueSoundFile(cue), file) << cue;
}

TEST(Sounds, PlayOnlyWithTheSoundSwitchOn) {
    struct Row {
        std::int16_t soundOn;
        std::int16_t soundCue;
        std::vector<FakeSoundPlayer::Play> expected;
    };
    const Row rows[] = {
        {1, 1, {{"hey.wav", true}}},
        {1, 3, {{"pato.wav", true}}},
        {1, 4, {{"tic.wav", true}}},
        {1, 0, {}},  // the lottery has not set a cue yet
        {1, 9, {}},
        {0, 2, {}},
        {2, 2, {}},  // only 1 switches the sounds on
    };
    for (const Row& r : rows) {
        SharedState state;
        state.soundOn = r.soundOn;
        state.soundCue = r.soundCue;
        FakeSoundPlayer player;
        playCueSound(state, player);
        EXPECT_EQ(player.played, r.expected) << r.soundOn << " " << r.soundCue;
        EXPECT_EQ(state.soundCue, r.soundCue);  // playing the cue never changes it
    }
}

TEST(Sounds, PlayWavePassesTheWaitFlag) {
    SharedState state;
    FakeSoundPlayer player;
    playWave(state, player, "pato.wav", true);
    EXPECT_TRUE(player.played.empty());
    state.soundOn = 1;
    playWave(state, player, "pato.wav", true);
    playWave(state, player, "manager.wav", false);
    const std::vector<FakeSoundPlayer::Play> expected{{"pato.wav", true}, {"manager.wav", false}};
    EXPECT_EQ(player.played, expected);
}

TEST(ProgramMenu, CalculatorButtonFollowsTheModelUsedLast) {
    const std::pair<const char*, MenuTarget> rows[] = {
        {"normalita", MenuTarget::NormalModel},
        {"avanzada", MenuTarget::ScientificModel},
        {"", MenuTarget::ScientificModel},
        {"Normalita", MenuTarget::ScientificModel},   // case counts
        {"normalita ", MenuTarget::ScientificModel},  // so do blanks
        {"normal", MenuTarget::ScientificModel},
    };
    for (const auto& [model, target] : rows) {
        SharedState state;
        state.calculatorModel = model;
        EXPECT_EQ(calculatorTarget(state), target) << model;
    }
}

}  // namespace
}  // namespace numeralia
