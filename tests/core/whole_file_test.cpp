// Reading files whole and replacing them through a temporary file, for the three kinds of
// file the program writes: bets, statistics data and the settings file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include "core/calc/statistics_file.h"
#include "core/lotto/bets.h"
#include "core/lotto/bets_file.h"
#include "core/shell/file_path.h"
#include "core/shell/random_source.h"
#include "core/shell/settings_file.h"
#include "core/shell/settings_line.h"
#include "core/shell/whole_file.h"

namespace numeralia {
namespace {

namespace fs = std::filesystem;

class WholeFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("numeralia-whole-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                   "-" + std::to_string(clockSeed() % 1000000007));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    void put(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder_ / pathFromUtf8(name), std::ios::binary) << bytes;
    }
    std::string got(const std::string& name) const {
        std::stringstream s;
        s << std::ifstream(folder_ / pathFromUtf8(name), std::ios::binary).rdbuf();
        return s.str();
    }
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder_))
            found.insert(utf8FromPath(entry.path().filename()));
        return found;
    }
    fs::path folder_;
};

// What stops a save, set up around the target `name` in `folder`.
enum class Trouble { none, missingFolder, fileSizeLimit, targetIsFolder };

#ifndef _WIN32
// Writing past `bytes` fails (EFBIG) while it lives; the rights of root do not lift it.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(bool on) : on_(on) {
        if (!on_) return;
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &before_);
        rlimit limit = before_;
        limit.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        if (on_) ::setrlimit(RLIMIT_FSIZE, &before_);
    }

  private:
    bool on_;
    rlimit before_{};
};
#endif

// Each kind of file saved by its own writer into a folder; true when it says it saved.
struct Saver {
    std::string name;
    std::string text;  // what the saved file holds
    std::function<bool(const fs::path& folder)> save;
};

std::vector<Saver> savers() {
    const std::vector<std::string> bets = {lotto::composeBetText({3, 7, 12, 20, 33, 41})};
    const calc::StatisticsLists lists{{1.5, 2}, {7}};
    SharedState settings;
    settings.memory1 = 42;
    return {
        {"apuestas ñ.LOT", lotto::betsFileText(bets),
         [=](const fs::path& folder) {
             return lotto::writeBetsFile(folder / pathFromUtf8("apuestas ñ.LOT"), bets).empty();
         }},
        {"datos.DAT", calc::statisticsFileText(lists),
         [=](const fs::path& folder) {
             return calc::writeStatisticsFile(utf8FromPath(folder / "datos.DAT"), lists).empty();
         }},
        {"pref", encodeSettingsLine(settings),
         [=](const fs::path& folder) {
             SharedState state = settings;
             state.programFolder = state.settingsFolder = utf8FromPath(folder) + "/";
             return saveSettings(state).ok;
         }},
    };
}

// A file of the user's named like the temporary file survives every save, the old file
// survives a failed one, and no temporary file is left behind.
TEST_F(WholeFiles, SavingTouchesNoOtherFileAndLeavesNoTemporaryFile) {
    struct Row {
        Trouble trouble;
        ReplaceStep failed;
        std::errc error;
        const char* statisticsProblem;
    };
    const Row rows[] = {
        {Trouble::none, ReplaceStep::none, std::errc(), ""},
        {Trouble::missingFolder, ReplaceStep::create, std::errc::no_such_file_or_directory,
         "no se puede crear en esa carpeta"},
#ifndef _WIN32
        {Trouble::fileSizeLimit, ReplaceStep::write, std::errc::file_too_large,
         "no se ha podido escribir entero (¿disco lleno?)"},
#endif
        {Trouble::targetIsFolder, ReplaceStep::rename, std::errc::is_a_directory,
         "no se puede sustituir (¿está protegido contra escritura?)"},
    };
    // The target "old" (or a folder holding "inside") and a file of the user's beside it.
    const auto prepare = [this](Trouble trouble, const std::string& name) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        put(name + ".tmp", "mine");
        if (trouble == Trouble::targetIsFolder) {
            fs::create_directory(folder_ / pathFromUtf8(name));
            put(name + "/inside", "x");
        } else {
            put(name, "old");
        }
    };
    for (const Row& row : rows) {
        for (const Saver& saver : savers()) {
            SCOPED_TRACE(saver.name + " trouble " + std::to_string(static_cast<int>(row.trouble)));
            prepare(row.trouble, saver.name);
            const fs::path into = row.trouble == Trouble::missingFolder ? folder_ / "no" : folder_;
            bool saved = false;
            {
#ifndef _WIN32
                FileSizeLimit limit(row.trouble == Trouble::fileSizeLimit);
#endif
                saved = saver.save(into);
            }
            EXPECT_EQ(saved, row.failed == ReplaceStep::none);
            EXPECT_EQ(got(saver.name + ".tmp"), "mine");
            EXPECT_EQ(names(), (std::set<std::string>{saver.name, saver.name + ".tmp"}));
            if (row.trouble == Trouble::targetIsFolder) {
                EXPECT_EQ(got(saver.name + "/inside"), "x");
            } else {
                EXPECT_EQ(got(saver.name), saved ? saver.text : "old");
            }
        }
        // The step that failed and why, and how the statistics window words it.
        prepare(row.trouble, "datos.DAT");
        const fs::path target = (row.trouble == Trouble::missingFolder ? folder_ / "no" : folder_) /
                                "datos.DAT";
        FileReplaced replaced;
        std::string problem;
        {
#ifndef _WIN32
            FileSizeLimit limit(row.trouble == Trouble::fileSizeLimit);
#endif
            replaced = replaceFile(target, std::string(100, 'x'));
            problem = calc::writeStatisticsFile(utf8FromPath(target), {{1}, {}});
        }
        EXPECT_EQ(replaced.failed, row.failed);
        if (row.error == std::errc()) {
            EXPECT_FALSE(replaced.error) << replaced.error.message();
        } else {
            EXPECT_EQ(replaced.error, row.error) << replaced.error.message();
        }
        EXPECT_EQ(problem, row.statisticsProblem);
    }
}

TEST_F(WholeFiles, ReadsARegularFileUpToItsLimitOrSaysWhatStoppedIt) {
    fs::create_directory(folder_ / "carpeta");
    put("diez", "0123456789");
    put("once", "0123456789A");
    put("vacio", "");
    const struct {
        const char* name;
        ReadProblem problem;
        std::string bytes;
    } rows[] = {
        {"diez", ReadProblem::none, "0123456789"},
        {"vacio", ReadProblem::none, ""},
        {"once", ReadProblem::tooLarge, ""},
        {"carpeta", ReadProblem::notAFile, ""},
        {"falta", ReadProblem::notAFile, ""},
    };
    for (const auto& row : rows) {
        const WholeFile read = readWholeFile(folder_ / row.name, 10);
        EXPECT_EQ(read.problem, row.problem) << row.name;
        EXPECT_EQ(read.bytes, row.bytes) << row.name;
    }
    // The statistics window's words for a folder and for a file over its limit.
    put("grande.DAT", std::string(calc::kLargestStatisticsFile + 1, '#'));
    const std::pair<const char*, const char*> refusals[] = {
        {"carpeta", "no se puede leer: no existe o no es un archivo"},
        {"grande.DAT", "es demasiado grande para ser un archivo de datos estadísticos"},
    };
    for (const auto& [name, problem] : refusals) {
        const calc::StatisticsReading read = calc::readStatisticsFile(utf8FromPath(folder_ / name));
        EXPECT_FALSE(read.lists) << name;
        EXPECT_EQ(read.problem, problem) << name;
    }
}

}  // namespace
}  // namespace numeralia
