// Statistics data files: the written text reads back to the very same lists, a hand-edited
// file is accepted, and every faulty file (cut off, a bad line, binary, too many entries) is
// refused with its line and reason while the data already in the calculator stay as they were.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "calc_script.h"
#include "core/calc/statistics_file.h"
#include "core/calc/statistics_keys.h"
#include "core/calc/statistics_menu.h"
#include "fake_platform.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

const std::string kHeader = "NUMERALIA ESTADISTICA 1\n";

// Lists whose numbers need every digit: thirds, a subnormal, 17-digit values, far from zero.
StatisticsLists awkwardLists() {
    return {{1.0 / 3.0, 0.1, -2.5e-300, 4.9406564584124654e-324, 1.2345678901234567, 1000000001,
             -1.7976931348623157e308},
            {2.0 / 3.0, 1e22, 7, -0.0001, 123456789.123456789}};
}

TEST(StatisticsFile, TheWrittenTextReadsBackToTheSameDoubles) {
    for (const StatisticsLists& lists :
         {awkwardLists(), StatisticsLists{{1, 2}, {}}, StatisticsLists{{}, {5, 6, 7}}}) {
        const std::string text = statisticsFileText(lists);
        const StatisticsReading back = readStatisticsText(text);
        ASSERT_TRUE(back.lists) << back.problem << "\n" << text;
        EXPECT_EQ(*back.lists, lists) << text;  // == on doubles: bit for bit
    }
    EXPECT_EQ(statisticsFileText({{1.5, 2}, {3}}),
              kHeader +
                  "# Datos estadísticos de Numeralia: 2 datos X y 1 dato Y.\n"
                  "# Cada línea: dato X y dato Y separados por un tabulador; \"-\" donde una "
                  "lista no tiene dato.\n"
                  "1.5\t3\n2\t-\nFIN\n");
}

TEST(StatisticsFile, AcceptsWhatAUserEditsByHand) {
    const std::string text =
        "\xEF\xBB\xBF"
        "# Medidas del martes\r\n"
        "numeralia estadistica\r\n"
        "\r\n"
        "  1,5 ; 2.25  \r\n"
        "\t-3E2\t\t4,0e-1\r\n"
        "# una nota en medio\r\n"
        "7\r\n"
        "8 -\r\n"
        "   \r\n"
        "fin\r\n"
        "# fin de los datos\r\n";
    const StatisticsReading r = readStatisticsText(text);
    ASSERT_TRUE(r.lists) << r.line << ": " << r.problem;
    EXPECT_EQ(r.lists->x, (std::vector<double>{1.5, -300, 7, 8}));
    EXPECT_EQ(r.lists->y, (std::vector<double>{2.25, 0.4}));
    // Y data alone, the X column marked "-".
    const StatisticsReading y = readStatisticsText(kHeader + "- 1\n- 2\nFIN");
    ASSERT_TRUE(y.lists);
    EXPECT_TRUE(y.lists->x.empty());
    EXPECT_EQ(y.lists->y, (std::vector<double>{1, 2}));
}

std::string lines(int count, const char* line) {
    std::string out;
    for (int k = 0; k < count; ++k) out += std::string(line) + "\n";
    return out;
}

TEST(StatisticsFile, RefusesAFaultyFileWithItsLineAndReason) {
    struct Row {
        std::string text;
        int line;
        std::string problem;  // a part of the reason
    };
    const Row rows[] = {
        {"", 0, "vacío"},
        {"# solo un comentario\n\n", 0, "vacío"},
        {"1\t2\nFIN\n", 1, "falta la cabecera «NUMERALIA ESTADISTICA»"},
        {"NUMERALIA ESTADISTICA 2\nFIN\n", 1, "la versión «2» del formato no se conoce"},
        {kHeader + "1\t2\n", 2, "incompleto: falta la línea final «FIN»"},
        {kHeader + "1\t2\n3\t4", 3, "incompleto"},
        {kHeader + "1\tabc\nFIN\n", 2, "«abc» no es un número"},
        {kHeader + "1\t2\n1.5.2\t3\nFIN\n", 3, "«1.5.2» no es un número"},
        {kHeader + "1e999\nFIN\n", 2, "«1e999» no es un número"},
        {kHeader + "inf\t1\nFIN\n", 2, "«inf» no es un número"},
        {kHeader + "1 2 3\nFIN\n", 2, "más de dos valores"},
        {kHeader + "1\t-\n2\t3\nFIN\n", 3, "hueco en los datos Y"},
        {kHeader + "-\t1\n2\t3\nFIN\n", 3, "hueco en los datos X"},
        {kHeader + "-\t-\nFIN\n", 2, "ni dato X ni dato Y"},
        {kHeader + "1\nFIN\n2\n", 4, "después de la línea «FIN»"},
        {kHeader + lines(201, "1\t2") + "FIN\n", 202, "más de 200 datos X"},
        {kHeader + lines(200, "1\t2") + "-\t3\nFIN\n", 202, "más de 200 datos Y"},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 2, "no son de texto"},
        {kHeader + std::string("1\t2\n\0\0\x7f\x01", 8), 3, "no son de texto"},
    };
    for (const Row& row : rows) {
        const StatisticsReading r = readStatisticsText(row.text);
        EXPECT_FALSE(r.lists) << row.text;
        EXPECT_EQ(r.line, row.line) << row.text;
        EXPECT_NE(r.problem.find(row.problem), std::string::npos)
            << row.text << " gave: " << r.problem;
    }
    // Exactly 200 entries in each list are fine.
    EXPECT_TRUE(readStatisticsText(kHeader + lines(200, "1\t2") + "FIN").lists);
}

TEST(StatisticsFile, EveryCutOffCopyIsRefused) {
    const std::string text = statisticsFileText(awkwardLists());
    const std::size_t complete = text.rfind("FIN") + 3;
    for (std::size_t length = 0; length < complete; ++length) {
        EXPECT_FALSE(readStatisticsText(text.substr(0, length)).lists) << "cut at " << length;
    }
    EXPECT_TRUE(readStatisticsText(text.substr(0, complete)).lists);
}

// A calculator with data, fake dialogs and a folder of its own for the files.
class StatisticsFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  (std::string("numeralia-stats-") +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        calc_.run("1000000001 statEnterX 1000000002 statEnterX 1000000003 statEnterX 4 statEnterY "
                  "5,5 statEnterY 7 statEnterY");
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    void write(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }
    bool open(const std::string& name) {
        files_.paths = {path(name)};
        return openStatisticsFile(calc_.model, dialogs_, files_);
    }
    // What every result key shows, key by key.
    std::vector<std::string> results() {
        std::vector<std::string> shown;
        for (int k = static_cast<int>(KeyId::statSumX); k <= static_cast<int>(KeyId::polygonArea); ++k) {
            const auto id = static_cast<KeyId>(k);
            if (id == KeyId::statDeleteEntry || id == KeyId::statClear) continue;
            calc_.run("allClear 5");
            calc_.model.press(id);
            shown.push_back(calc_.model.state().numero + " / " + calc_.model.state().result);
        }
        return shown;
    }

    std::filesystem::path folder_;
    Calculator calc_;
    numeralia::testing::FakeDialogs dialogs_;
    numeralia::testing::FakeFileDialogs files_;
};

TEST_F(StatisticsFiles, ASavedAndReopenedListGivesIdenticalResults) {
    const std::vector<std::string> before = results();
    const StatisticsDisplays shownBefore = calc_.model.state().statistics;
    files_.paths = {path("medidas.DAT")};
    saveStatisticsFile(calc_.shared, dialogs_, files_);
    EXPECT_TRUE(dialogs_.messages.empty());
    calc_.run("statClear");
    ASSERT_EQ(calc_.shared.statCountX, 0);

    EXPECT_TRUE(open("medidas.DAT"));
    EXPECT_TRUE(dialogs_.messages.empty());  // nothing to replace: no question
    EXPECT_EQ(results(), before);
    EXPECT_EQ(calc_.model.state().statistics.dataX, shownBefore.dataX);
    EXPECT_EQ(calc_.model.state().statistics.dataY, shownBefore.dataY);
    EXPECT_EQ(calc_.model.state().statistics.num, "3");
    EXPECT_EQ(calc_.model.state().statistics.statSumX, shownBefore.statSumX);
}

TEST_F(StatisticsFiles, OpeningOverDataAsksFirst) {
    write("otros.DAT", kHeader + "1\t2\n3\t4\nFIN\n");
    dialogs_.answer = false;
    EXPECT_FALSE(open("otros.DAT"));
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].second,
              "Los datos actuales (3 datos X y 3 datos Y) se sustituirán por los del archivo "
              "(2 datos X y 2 datos Y).\n¿Desea continuar?");
    EXPECT_EQ(calc_.shared.statCountX, 3);

    dialogs_.answer = true;
    EXPECT_TRUE(open("otros.DAT"));
    EXPECT_EQ(calc_.shared.statDataX, (std::vector<double>{1, 3}));
    EXPECT_EQ(calc_.model.state().statistics.dataY,
              (std::vector<std::string>{"1)    2", "2)    4"}));
    EXPECT_EQ(calc_.model.state().statistics.num, "2");
    // A cancelled dialog does nothing.
    files_.paths.clear();
    EXPECT_FALSE(openStatisticsFile(calc_.model, dialogs_, files_));
}

TEST_F(StatisticsFiles, AFaultyFileLeavesTheDataAsTheyWere) {
    const std::string saved = statisticsFileText({{1, 2, 3}, {4, 5}});
    write("cortado.DAT", saved.substr(0, saved.size() / 2));
    write("mala.DAT", kHeader + "1\t2\n3\tcuatro\nFIN\n");
    write("imagen.DAT", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0", 20));
    write("grande.DAT", kHeader + lines(201, "1") + "FIN\n");
    struct Row {
        const char* file;
        std::string says;
    };
    const Row rows[] = {
        {"cortado.DAT", "el archivo está incompleto: falta la línea final «FIN»"},
        {"mala.DAT", "Línea 3: «cuatro» no es un número."},
        {"imagen.DAT", "Línea 2: tiene caracteres que no son de texto"},
        {"grande.DAT", "Línea 202: hay más de 200 datos X (el máximo es 200)."},
        {"no-existe.DAT", "El archivo no se puede leer"},
    };
    const std::vector<double> x = calc_.shared.statDataX, y = calc_.shared.statDataY;
    const StatisticsDisplays shown = calc_.model.state().statistics;
    for (const Row& row : rows) {
        dialogs_.messages.clear();
        EXPECT_FALSE(open(row.file)) << row.file;
        ASSERT_EQ(dialogs_.messages.size(), 1u) << row.file;  // the refusal, no question
        const std::string& message = dialogs_.messages[0].second;
        EXPECT_EQ(dialogs_.messages[0].first, kStatisticsTitle);
        EXPECT_NE(message.find(path(row.file)), std::string::npos) << message;
        EXPECT_NE(message.find(row.says), std::string::npos) << message;
        EXPECT_NE(message.find("Los datos actuales no han cambiado."), std::string::npos);
        EXPECT_EQ(calc_.shared.statDataX, x) << row.file;
        EXPECT_EQ(calc_.shared.statDataY, y) << row.file;
        EXPECT_EQ(calc_.shared.statCountX, 3);
        EXPECT_EQ(calc_.model.state().statistics.dataX, shown.dataX);
        EXPECT_EQ(calc_.model.state().statistics.num, shown.num);
    }
}

TEST_F(StatisticsFiles, SavingTellsWhatWentWrong) {
    // A folder that does not exist.
    files_.paths = {path("falta/datos.DAT")};
    saveStatisticsFile(calc_.shared, dialogs_, files_);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_NE(dialogs_.messages[0].second.find("No se han podido guardar"), std::string::npos);
    EXPECT_NE(dialogs_.messages[0].second.find(path("falta/datos.DAT")), std::string::npos);
    // Nothing to save.
    dialogs_.messages.clear();
    calc_.run("statClear");
    files_.paths = {path("vacio.DAT")};
    saveStatisticsFile(calc_.shared, dialogs_, files_);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].second, "No hay datos estadísticos que guardar.");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "vacio.DAT"));
    // Saving over a file replaces it whole and leaves no temporary file behind.
    calc_.run("9 statEnterX");
    write("viejo.DAT", std::string(5000, '#'));
    files_.paths = {path("viejo.DAT")};
    dialogs_.messages.clear();
    saveStatisticsFile(calc_.shared, dialogs_, files_);
    EXPECT_TRUE(dialogs_.messages.empty());
    const StatisticsReading back = readStatisticsFile(path("viejo.DAT"));
    ASSERT_TRUE(back.lists);
    EXPECT_EQ(back.lists->x, (std::vector<double>{9}));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "viejo.DAT.tmp"));
}

}  // namespace
}  // namespace numeralia::calc
