// The fuzz targets' checks in the regular build: every seed of fuzz/corpus/NAME and every
// input that a finding left in tests/fuzz/NAME passes its reader's check, and every target
// has its seeds and its dictionary.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "fuzz/fuzz_target.h"

namespace numeralia::fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = NUMERALIA_SOURCE_DIR;

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(FuzzInputs, SeedsAndKeptFindingsPassTheirChecks) {
    int inputs = 0;
    for (const FuzzTarget& target : fuzzTargets()) {
        for (const fs::path& folder : {kSource / "fuzz/corpus" / target.name, kSource / "tests/fuzz" / target.name}) {
            if (!fs::is_directory(folder)) continue;
            for (const fs::directory_entry& file : fs::directory_iterator(folder)) {
                if (!file.is_regular_file()) continue;
                EXPECT_EQ(target.check(contents(file.path())), "") << file.path();
                ++inputs;
            }
        }
    }
    EXPECT_GT(inputs, 100);
}

TEST(FuzzInputs, EveryTargetHasSeedsAndADictionaryAndEveryFolderATarget) {
    // A dictionary line: a comment, or an optional name and a quoted value whose bytes are
    // printable ASCII or \xNN escapes (libFuzzer refuses anything else).
    const std::regex entry(R"re(^(#.*|\s*|([A-Za-z0-9_]+=)?"([ !#-\[\]-~]|\\\\|\\"|\\x[0-9A-Fa-f]{2})*")$)re");
    for (const FuzzTarget& target : fuzzTargets()) {
        const fs::path seeds = kSource / "fuzz/corpus" / target.name;
        EXPECT_TRUE(fs::is_directory(seeds) && !fs::is_empty(seeds)) << seeds;
        const fs::path dictionary = kSource / "fuzz/dict" / (std::string(target.name) + ".dict");
        std::ifstream in(dictionary);
        EXPECT_TRUE(in.good()) << dictionary;
        int entries = 0;
        for (std::string line; std::getline(in, line);) {
            EXPECT_TRUE(std::regex_match(line, entry)) << dictionary << ": " << line;
            entries += line.starts_with("\"");
        }
        EXPECT_GT(entries, 5) << dictionary;
    }
    for (const char* parent : {"fuzz/corpus", "tests/fuzz"}) {
        if (!fs::is_directory(kSource / parent)) continue;
        for (const fs::directory_entry& folder : fs::directory_iterator(kSource / parent))
            EXPECT_NE(findFuzzTarget(folder.path().filename().string()), nullptr) << folder.path();
    }
}

TEST(FuzzInputs, KeyScriptsWriteNoFileOutsideTheirScratchFolder) {
    const fs::path folder = fs::temp_directory_path() / "numeralia-fuzz-confined";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string outside = (folder / "escaped.DAT").string();
    const std::string scripts[] = {
        "// window: scientific\ntype:5\nstatEnterX\nsave:" + outside + "\n",
        "// args: --window lottery --seed 2\nSeleccionar\nfile:" + outside +
            "\nmenu:Guardar Fichero de Apuestas\n",
    };
    for (const std::string& script : scripts) {
        EXPECT_EQ(checkKeysScript(script), "") << script;
        EXPECT_FALSE(fs::exists(outside)) << script;
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace numeralia::fuzz
