// Reading and writing the settings file "pref" in a folder of its own.

#include <gtest/gtest.h>

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
        folder_ = fs::temp_directory_path() / ("numeralia-settings-" + std::string(info->name()) + "-" +
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
        std::ifstream in(folder_ / "pref", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    int fileCount() const {
        int n = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_)) ++n;
        return n;
    }

    fs::path folder_;
    FakeSoundPlayer sounds_;
};

TEST_F(SettingsFile, FirstRunWritesTheInitialValues) {
    SharedState state;
    loadSettings(state, folder(), sounds_);
    EXPECT_EQ(state.programFolder, folder() + "/");
    EXPECT_TRUE(sounds_.played.empty());  // sounds are off without a file
    const SaveResult saved = saveSettings(state);
    EXPECT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(readPref(), ",0,0,0,0,0,0,0,,,,,,,,0\r\n");
    EXPECT_EQ(fileCount(), 1);  // no temporary file left behind
}

TEST_F(SettingsFile, ExampleReadsBackAndWritesBackByteForByte) {
    writePref(kExample);
    SharedState state;
    state.statCountX = 12;
    state.statCountY = 3;
    loadSettings(state, folder(), sounds_);
    EXPECT_EQ(state.vatRate, Variant::fromNumber(16));
    EXPECT_EQ(state.currencyName2, "pts");
    EXPECT_EQ(state.exchangeFactor, Variant::fromNumber(166.386));
    EXPECT_EQ(state.calculatorModel, "avanzada");
    EXPECT_EQ(state.soundOn, 1);
    EXPECT_EQ(state.statCountX, 0);
    EXPECT_EQ(state.statCountY, 0);
    const std::vector<FakeSoundPlayer::Play> start{{"manager.wav", false}};
    EXPECT_EQ(sounds_.played, start);

    writePref("garbage that must be replaced");
    EXPECT_TRUE(saveSettings(state).ok);
    EXPECT_EQ(readPref(), kExample);
}

TEST_F(SettingsFile, FileCutAfterTheNinthField) {
    writePref("16,1,2,3,4,5,6,7,\"Factor de conversión\"");
    SharedState state;
    loadSettings(state, folder(), sounds_);
    EXPECT_EQ(state.transitValue3, 7);
    EXPECT_EQ(state.transitLabel1, "Factor de conversión");
    EXPECT_EQ(state.transitLabel2, "");
    EXPECT_EQ(state.currencyName1, "");
    EXPECT_TRUE(state.exchangeFactor.isUnset());
    EXPECT_EQ(state.calculatorModel, "");
    EXPECT_EQ(state.soundOn, 0);
    EXPECT_TRUE(sounds_.played.empty());
}

TEST_F(SettingsFile, UnreadableFileStartsWithInitialValues) {
    fs::create_directory(folder_ / "pref");  // a folder where the file should be
    SharedState state;
    loadSettings(state, folder(), sounds_);
    EXPECT_EQ(state.memory1, 0);
    EXPECT_TRUE(state.vatRate.isUnset());

    SharedState missing;
    loadSettings(missing, (folder_ / "no-such-folder").string(), sounds_);
    EXPECT_EQ(missing.soundOn, 0);
}

TEST_F(SettingsFile, WriteFailureIsReportedAndLeavesNoTemporaryFile) {
    // pref is a non-empty folder: the temporary file is written but cannot replace it.
    fs::create_directory(folder_ / "pref");
    std::ofstream(folder_ / "pref" / "inside") << "x";
    SharedState state;
    state.programFolder = folder() + "/";
    const SaveResult saved = saveSettings(state);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find(folder() + "/pref"), std::string::npos) << saved.message;
    EXPECT_EQ(fileCount(), 1);
}

TEST_F(SettingsFile, FolderThatIsAFileCannotBeWritten) {
    writePref("x");
    SharedState state;
    state.programFolder = folder() + "/pref/";  // a regular file used as folder
    const SaveResult saved = saveSettings(state);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find("no existe"), std::string::npos) << saved.message;
    EXPECT_EQ(readPref(), "x");
}

#ifndef _WIN32
TEST_F(SettingsFile, ReadOnlyFolderKeepsTheOldFile) {
    writePref(kExample);
    ::chmod(folder_.c_str(), 0555);
    if (::access(folder_.c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore modes";
    SharedState state;
    state.programFolder = folder() + "/";
    const SaveResult saved = saveSettings(state);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find("permiso"), std::string::npos) << saved.message;
    EXPECT_EQ(readPref(), kExample);
}
#endif

TEST_F(SettingsFile, EncodingAppliesToTheWholeLine) {
    // A stand-in for an 8-bit code page: upper case in the file, lower case in the program.
    class UpperCase : public FileTextEncoding {
    public:
        std::string toFile(std::string_view s) const override {
            std::string r(s);
            for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return r;
        }
        std::string fromFile(std::string_view s) const override {
            std::string r(s);
            for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            return r;
        }
    } upper;
    SharedState state;
    state.programFolder = folder() + "/";
    state.currencyName1 = "euro";
    ASSERT_TRUE(saveSettings(state, upper).ok);
    EXPECT_EQ(readPref(), ",0,0,0,0,0,0,0,,,,\"EURO\",,,,0\r\n");
    SharedState back;
    loadSettings(back, folder(), sounds_, upper);
    EXPECT_EQ(back.currencyName1, "euro");
}

}  // namespace
}  // namespace numeralia
