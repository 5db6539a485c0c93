// Reading and writing the settings file "pref" in a folder of its own.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/shell/settings_file.h"
#include "fake_platform.h"

namespace numeralia {
namespace {

namespace fs = std::filesystem;
using testing::FakeSoundPlayer;

constexpr const char* kExample = "16,0,0,0,0,0,0,0,,,,\"euro\",\"pts\",166.386,\"avanzada\",1\r\n";

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("numeralia-settings-" + std::string(info->name()) + "-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder_, ec);
    }
    std::string folder() const { return folder_.string(); }
    void writePref(const std::string& bytes) const {
        std::ofstream(folder_ / "pref", std::ios::binary) << bytes;
    }
    std::string readPref() const {
        std::stringstream s;
        s << std::ifstream(folder_ / "pref", std::ios::binary).rdbuf();
        return s.str();
    }
    int fileCount() const {
        return static_cast<int>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }
    // Saves a fresh state into `into` and expects a failure whose message names the file and
    // gives the reason, when one is given.
    void expectSaveFails(const std::string& into, const std::string& reason = "") const {
        SharedState state;
        state.programFolder = state.settingsFolder = into;
        const SaveResult saved = saveSettings(state);
        EXPECT_FALSE(saved.ok);
        EXPECT_NE(saved.message.find(into + "pref"), std::string::npos) << saved.message;
        if (!reason.empty()) {
            EXPECT_NE(saved.message.find(reason), std::string::npos) << saved.message;
        }
    }

    fs::path folder_;
    FakeSoundPlayer sounds_;
};

TEST_F(SettingsFile, FirstRunWritesTheInitialValuesAndLaterRunsKeepTheFileByteForByte) {
    SharedState first;
    loadSettings(first, folder(), sounds_);
    EXPECT_EQ(first.programFolder, folder() + "/");
    EXPECT_TRUE(sounds_.played.empty());  // sounds are off without a file
    const SaveResult saved = saveSettings(first);
    EXPECT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(readPref(), ",0,0,0,0,0,0,0,,,,,,,,0\r\n");
    EXPECT_EQ(fileCount(), 1);  // no temporary file left behind

    writePref(kExample);
    SharedState state;
    state.statCountX = 12;
    state.statCountY = 3;
    loadSettings(state, folder(), sounds_);
    EXPECT_EQ(state.statCountX + state.statCountY, 0);
    EXPECT_EQ(sounds_.played, (std::vector<FakeSoundPlayer::Play>{{"manager.wav", false}}));
    writePref("garbage that must be replaced");
    EXPECT_TRUE(saveSettings(state).ok);
    EXPECT_EQ(readPref(), kExample);
}

TEST_F(SettingsFile, ReadOnlyProgramFolderKeepsTheFileInTheUserFolder) {
    struct Row {
        const char* name;
        bool writable;
        bool withUserFolder;
        bool inUserFolder;  // where "pref" is read and written
    };
    const Row rows[] = {
        {"writable program folder", true, true, false},
        {"read-only program folder", false, true, true},
        {"read-only, no user folder known", false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path program = folder_ / row.name / "lib";
        const fs::path user = folder_ / row.name / "home" / ".config" / "Numeralia";
        fs::create_directories(program);
        std::ofstream(program / "pref", std::ios::binary) << kExample;
        const FolderReport report{program.string(), row.writable,
                                  row.withUserFolder ? user.string() : std::string()};

        SharedState first;
        loadSettings(first, report, sounds_);
        EXPECT_EQ(first.programFolder, program.string() + "/");  // the sounds stay there
        EXPECT_EQ(first.settingsFolder, (row.inUserFolder ? user : program).string() + "/");
        // A file in a folder that is not the settings folder is not read.
        EXPECT_EQ(first.calculatorModel, row.inUserFolder ? "" : "avanzada");
        first.memory1 = 7.5;
        const SaveResult saved = saveSettings(first);
        ASSERT_TRUE(saved.ok) << saved.message;

        // The folder that is not the settings folder is left as it was.
        std::stringstream left;
        left << std::ifstream(program / "pref", std::ios::binary).rdbuf();
        EXPECT_EQ(left.str() == kExample, row.inUserFolder);
        EXPECT_EQ(fs::exists(user), row.inUserFolder);
        EXPECT_EQ(std::distance(fs::directory_iterator(program), fs::directory_iterator()), 1);

        SharedState next;  // the next run reads what this one wrote
        loadSettings(next, report, sounds_);
        EXPECT_EQ(next.memory1, 7.5);
    }
}

TEST_F(SettingsFile, UnreadableFileOrFolderStartsWithInitialValues) {
    fs::create_directory(folder_ / "pref");  // a folder where the file should be
    for (const fs::path& where : {folder_, folder_ / "no-such-folder"}) {
        SharedState state;
        loadSettings(state, where.string(), sounds_);
        EXPECT_EQ(state.memory1, 0);
        EXPECT_TRUE(state.vatRate.isUnset());
        EXPECT_EQ(state.soundOn, 0);
    }
}

TEST_F(SettingsFile, FailedWritesAreReportedAndKeepTheOldFile) {
    writePref(kExample);
    expectSaveFails(folder() + "/pref/", "no existe");  // a regular file used as folder
    EXPECT_EQ(readPref(), kExample);

    // pref is a non-empty folder: the temporary file is written but cannot replace it.
    fs::remove(folder_ / "pref");
    fs::create_directory(folder_ / "pref");
    std::ofstream(folder_ / "pref" / "inside") << "x";
    expectSaveFails(folder() + "/");
    EXPECT_EQ(fileCount(), 1);  // the temporary file is gone
}

#ifndef _WIN32
TEST_F(SettingsFile, ReadOnlyFolderKeepsTheOldFile) {
    writePref(kExample);
    ::chmod(folder_.c_str(), 0555);
    if (::access(folder_.c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore modes";
    expectSaveFails(folder() + "/", "permiso");
    EXPECT_EQ(readPref(), kExample);
}
#endif

TEST_F(SettingsFile, EncodingAppliesToTheWholeLine) {
    // A stand-in for an 8-bit code page: upper case in the file, lower case in the program.
    class UpperCase : public FileTextEncoding {
        std::string toFile(std::string_view s) const override { return mapped(s, ::toupper); }
        std::string fromFile(std::string_view s) const override { return mapped(s, ::tolower); }
        static std::string mapped(std::string_view s, int (*f)(int)) {
            std::string r(s);
            for (char& c : r) c = static_cast<char>(f(static_cast<unsigned char>(c)));
            return r;
        }
    } upper;
    SharedState state;
    state.programFolder = state.settingsFolder = folder() + "/";
    state.currencyName1 = "euro";
    ASSERT_TRUE(saveSettings(state, upper).ok);
    EXPECT_EQ(readPref(), ",0,0,0,0,0,0,0,,,,\"EURO\",,,,0\r\n");
    SharedState back;
    loadSettings(back, folder(), sounds_, upper);
    EXPECT_EQ(back.currencyName1, "euro");
}

}  // namespace
}  // namespace numeralia
