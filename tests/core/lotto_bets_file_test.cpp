#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/lotto/bets.h"
#include "core/lotto/bets_file.h"
#include "core/shell/file_path.h"
#include "lotto_script.h"

namespace fs = std::filesystem;
using numeralia::lotto::BetsRead;
using numeralia::lotto::composeBetText;
using numeralia::lotto::parseBet;
using numeralia::lotto::readBetsText;

namespace {

std::string numbersText(const std::optional<std::vector<int>>& numbers) {
    if (!numbers) return "-";
    std::string text;
    for (int x : *numbers) text += (text.empty() ? "" : " ") + std::to_string(x);
    return text;
}

// n different simple bets, as the list writes them.
std::vector<std::string> someBets(int n) {
    std::vector<std::string> bets;
    for (int i = 0; i < n; ++i) {
        const int a = 1 + i % 40;
        bets.push_back(composeBetText({a, a + 1, a + 3, a + 5, a + 7, a + 9}));
    }
    return bets;
}

std::string fileOf(const std::vector<std::string>& bets) {
    return numeralia::lotto::betsFileText(bets);
}

TEST(LottoBets, CountsGroupTheirThousands) {
    const std::pair<long long, const char*> rows[] = {
        {0, "0"},           {7, "7"},
        {999, "999"},       {1000, "1.000"},
        {13983816, "13.983.816"}, {1000000000, "1.000.000.000"},
    };
    for (const auto& [n, shown] : rows) EXPECT_EQ(numeralia::lotto::countText(n), shown) << n;
}

TEST(LottoBets, ComposedAndParsed) {
    EXPECT_EQ(composeBetText({3, 7, 12}), " 3,  7,  12");
    EXPECT_EQ(composeBetText({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 49}),
              " 1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  49");
    // What a line holds, and the bet read from it ("-": not a bet).
    const std::pair<const char*, const char*> rows[] = {
        {" 3,  7,  12,  20,  33,  41", "3 7 12 20 33 41"},
        {"41,3,20,7,33,12", "3 7 12 20 33 41"},
        {"\t1 2 3 4 5 6 ", "1 2 3 4 5 6"},
        {"1;2;3;4;5;6;7", "1 2 3 4 5 6 7"},
        {"01, 02, 03, 04, 05, 049", "1 2 3 4 5 49"},
        {"1,2,3,4,5,6,7,8,9,10,11", "1 2 3 4 5 6 7 8 9 10 11"},
        {"1,2,3,4,5,6,7,8,9,10,11,12", "-"},
        {"1,2,3,4,5", "-"},
        {"1,2,3,4,5,5", "-"},
        {"0,1,2,3,4,5", "-"},
        {"1,2,3,4,5,50", "-"},
        {"1,2,3,4,5,6.5", "-"},
        {"1,2,3,4,5,6,5", "-"},
        {"1,2,3,4,5,-6", "-"},
        {"1,2,3,4,5,+6", "-"},
        {"1,2,3,4,5,6,", "-"},
        {",1,2,3,4,5,6", "-"},
        {"1,,2,3,4,5,6", "-"},
        {"1,2,3,4,5,x", "-"},
        {"1,2,3,4,5,6 x", "-"},
        {"1,2,3,4,5,99999999999999999999999", "-"},
        {"", "-"},
        {"   ", "-"},
    };
    for (const auto& [line, expected] : rows) EXPECT_EQ(numbersText(parseBet(line)), expected) << line;
}

TEST(LottoBetsFile, TextIsReadWholeOrNotAtAll) {
    const std::string header(numeralia::lotto::kBetsFileHeader);
    struct Row {
        std::string content;
        std::size_t bets;        // read when accepted
        const char* problem;     // part of the refusal, "" when accepted
    };
    std::string badFourth = fileOf(someBets(3)) + " 1,  2,  3,  4,  5,  5\r\n" + fileOf(someBets(2));
    // clang-format off
    const Row rows[] = {
        {fileOf(someBets(1)), 1, ""},
        {fileOf(someBets(500)), 500, ""},
        {"\xEF\xBB\xBF" + header + "\n# a comment\n\n 1, 2, 3, 4, 5, 6\n\n41,3,20,7,33,12", 2, ""},
        {"1 2 3 4 5 6\r\n7 8 9 10 11 12 13\r\n", 2, ""},  // no header
        {fileOf(someBets(501)), 0, "más de 500"},
        {header + "\r\n", 0, "ninguna apuesta"},
        {"", 0, "ninguna apuesta"},
        {badFourth, 0, "La línea 5 no es una apuesta válida:\n\n     1,  2,  3,  4,  5,  5\n"},
        {header + "\r\n1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30\r\n", 0,
         "La línea 2 no es una apuesta válida:\n\n    1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,...\n"},
        {std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10), 0, "no son texto"},
        {std::string("1,2,3,4,5,6\r\n\0\0", 15), 0, "no son texto"},
        {"PK\x03\x04\x14\x00", 0, "no son texto"},
        {"\xFF\xFE" "1\0,\0", 0, "no son texto"},
        {" 1,  2,  3,  4,  5,  6\r\n\xC3(", 0, "no son texto"},
        {"Mis apuestas: 1 2 3 4 5 6\r\n", 0, "La línea 1"},
    };
    // clang-format on
    for (const Row& row : rows) {
        const BetsRead read = readBetsText(row.content);
        EXPECT_EQ(read.bets.size(), row.bets) << row.content.substr(0, 80);
        if (*row.problem == 0)
            EXPECT_TRUE(read.ok()) << read.problem;
        else
            EXPECT_NE(read.problem.find(row.problem), std::string::npos) << read.problem;
    }
    // What is read is what was written.
    const std::vector<std::string> bets = someBets(37);
    EXPECT_EQ(readBetsText(fileOf(bets)).bets, bets);
    EXPECT_EQ(fileOf({" 3,  7,  12,  20,  33,  41"}),
              header + "\r\n 3,  7,  12,  20,  33,  41\r\n");
}

// The file menu of the window: saving and opening through the file dialogs.
class LottoFiles : public numeralia::testing::LottoFixture {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("numeralia-lotto-" + std::string(info->name()) + "-" +
                   std::to_string(numeralia::clockSeed() % 1000000007));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    // A path in the test folder, as the file dialogs hand it out (UTF-8).
    std::string path(const std::string& name) const {
        return numeralia::utf8FromPath(folder_ / numeralia::pathFromUtf8(name));
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(numeralia::pathFromUtf8(path(name)), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::stringstream s;
        s << std::ifstream(numeralia::pathFromUtf8(path(name)), std::ios::binary).rdbuf();
        return s.str();
    }
    // Stores n bets with the automatic mode.
    void storeBets(int n) {
        dialogs.textAnswers = {std::to_string(n)};
        model.automaticMode();
        dialogs.messages.clear();
        dialogs.icons.clear();
    }
    fs::path folder_;
};

TEST_F(LottoFiles, SavedBetsOpenAsTheSameList) {
    storeBets(12);
    run("manual #1 #2 #3 #4 #5 #6 #7 #8 #9 #10 #11 S");
    const std::vector<std::string> before = model.storedBets();
    ASSERT_EQ(before.size(), 13u);
    files.paths = {path("Mis apuestas ñ.LOT")};
    model.saveBetsFile();
    EXPECT_EQ(files.titles, (std::vector<std::string>{"Guardar Fichero de Apuestas"}));
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(read("Mis apuestas ñ.LOT"), numeralia::lotto::betsFileText(before));
    EXPECT_FALSE(fs::exists(folder_ / numeralia::pathFromUtf8("Mis apuestas ñ.LOT.tmp")));

    run("clear");
    files.paths = {path("Mis apuestas ñ.LOT")};
    model.openBetsFile();
    EXPECT_EQ(model.storedBets(), before);
    EXPECT_EQ(model.counter(), "13");
    EXPECT_TRUE(model.listVisible());
    EXPECT_EQ(model.storeCaption(), "Cerrar Ventana");
    EXPECT_EQ(messages(), "");  // the list was empty: nothing asked

    // Over a list that is not empty the user is asked first; No keeps the list.
    run("S random 6 S");
    dialogs.answer = false;
    files.paths = {path("Mis apuestas ñ.LOT")};
    model.openBetsFile();
    EXPECT_EQ(model.storedBets().size(), 14u);
    EXPECT_EQ(messages(), "Las 14 Apuestas Seleccionadas de la lista se sustituirán por las 13 del "
                          "fichero.\n\n¿ Desea continuar ?");
    dialogs.answer = true;
    files.paths = {path("Mis apuestas ñ.LOT")};
    model.openBetsFile();
    EXPECT_EQ(model.storedBets(), before);
}

// A bad file, a binary file, a file of 501 bets, a missing file: a message naming the file,
// and the list, the counter and the bet stay as they were.
TEST_F(LottoFiles, BadFilesChangeNothing) {
    write("malo.LOT", fileOf(someBets(3)) + "1, 2, 3, 4, 5, 77\r\n");
    write("programa.LOT", std::string("MZ\x90\0\x03\0\0\0\x04\0", 10) + std::string(3000, '\xCC'));
    write("demasiadas.LOT", fileOf(someBets(501)));
    write("vacio.LOT", "");
    write("grande.LOT", std::string(numeralia::lotto::kLargestBetsFile + 1, ' '));
    storeBets(4);
    run("show");
    const std::vector<std::string> before = model.storedBets();
    const std::string bet = model.currentBet();
    const std::pair<const char*, const char*> rows[] = {
        {"malo.LOT", "La línea 5 no es una apuesta válida:\n\n    1, 2, 3, 4, 5, 77\n"},
        {"programa.LOT", "no son texto"},
        {"demasiadas.LOT", "más de 500"},
        {"vacio.LOT", "ninguna apuesta"},
        {"grande.LOT", "demasiado grande"},
        {"no existe.LOT", "No se ha podido leer el fichero."},
        {"", "No se ha podido leer el fichero."},  // the folder itself
    };
    for (const auto& [name, problem] : rows) {
        dialogs.messages.clear();
        dialogs.icons.clear();
        files.paths = {path(name)};
        model.openBetsFile();
        ASSERT_EQ(dialogs.messages.size(), 1u) << name;
        const std::string& message = dialogs.messages[0].second;
        EXPECT_TRUE(message.starts_with("Error:  No se ha cargado el fichero " + std::string(name)))
            << message;
        EXPECT_NE(message.find(problem), std::string::npos) << message;
        EXPECT_EQ(dialogs.icons, "x");
        EXPECT_EQ(model.storedBets(), before) << name;
        EXPECT_EQ(model.counter(), "4");
        EXPECT_EQ(model.currentBet(), bet);
        EXPECT_TRUE(model.listVisible());
    }
    // A cancelled dialog does nothing at all.
    dialogs.messages.clear();
    model.openBetsFile();
    model.saveBetsFile();
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(model.storedBets(), before);
}

TEST_F(LottoFiles, SavingNothingOrWhereNoFileCanBeWritten) {
    files.paths = {path("nada.LOT")};
    model.saveBetsFile();
    EXPECT_EQ(messages(), "No hay Apuestas Seleccionadas que guardar.");
    EXPECT_TRUE(files.titles.empty());  // no dialog for an empty list
    EXPECT_FALSE(fs::exists(folder_ / "nada.LOT"));

    storeBets(2);
    files.paths = {path("no hay carpeta/apuestas.LOT")};
    model.saveBetsFile();
    EXPECT_NE(messages().find("Error:  No se ha podido escribir el fichero."), std::string::npos)
        << messages();
    EXPECT_EQ(dialogs.icons, "x");

    // A file that is there already is replaced whole.
    dialogs.messages.clear();
    write("viejo.LOT", fileOf(someBets(300)));
    files.paths = {path("viejo.LOT")};
    model.saveBetsFile();
    EXPECT_EQ(readBetsText(read("viejo.LOT")).bets, model.storedBets());
    EXPECT_EQ(messages(), "");
}

}  // namespace
