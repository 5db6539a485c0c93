// Every unit of the converter against GNU units: the factor of each unit to its magnitude's SI
// unit must agree to a relative 1e-9, except for the few units listed below, which keep the
// values the converter has always shown. Old Castilian units, which GNU units does not know,
// come from tests/core/data/castilian.units (derived from the converter's own vara).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "core/convert/unit_table.h"

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#endif

namespace {

using numeralia::convert::Magnitude;
using numeralia::convert::Unit;

// Units whose factor deliberately differs from GNU units, with the reason.
const std::map<std::pair<std::string, std::string>, std::string> kExceptions = {
    {{"Longitud", "Año Luz {Ly}"}, "rounded to 6 digits (9.46055e15 m; GNU 9.4607305e15)"},
    {{"Longitud", "U. Astronómicas {AU}"}, "rounded to 6 digits (1.49598e11 m)"},
    {{"Longitud", "Points"}, "printer's point rounded to 10 decimals of a metre"},
    {{"Longitud", "Fathoms {fath}"}, "the old fathom of 1.828804 m, not 6 ft = 1.8288 m"},
    {{"Longitud", "Cubits"}, "kept at 45.72, as always shown (an 18-inch cubit is 0.4572 m)"},
    {{"Longitud", "Parsecs {pc}"}, "rounded to 4 digits (3.083e16 m; GNU 3.0857e16)"},
};

std::string castilianFile() {
    return std::string(NUMERALIA_SOURCE_DIR) + "/tests/core/data/castilian.units";
}

// Runs a shell command and returns its first output line, or nullopt when it failed.
std::optional<std::string> firstLine(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::string line;
    char buffer[512];
    if (std::fgets(buffer, sizeof buffer, pipe) != nullptr) line = buffer;
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
    }
    const int status = pclose(pipe);
    if (status != 0) return std::nullopt;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return line;
}

// The factor GNU units gives from expr to si, or the error text.
std::pair<std::optional<double>, std::string> unitsFactor(std::string_view expr,
                                                          std::string_view si) {
    const std::string command = "LC_ALL=C units -f '' -f '" + castilianFile() +
                                "' -t -o '%.17g' '" + std::string(expr) + "' '" +
                                std::string(si) + "' 2>&1";
    const auto line = firstLine(command);
    if (!line) return {std::nullopt, "units failed for '" + std::string(expr) + "'"};
    char* end = nullptr;
    const double value = std::strtod(line->c_str(), &end);
    if (end == line->c_str() || *end != '\0') return {std::nullopt, *line};
    return {value, {}};
}

TEST(ConvertReference, UnitsIsInstalled) {
    // The test command installs GNU units; without it the tables go unchecked.
    const auto version = firstLine("units --version 2>&1");
    ASSERT_TRUE(version.has_value()) << "GNU units is not installed (Debian package 'units')";
    EXPECT_NE(version->find("GNU Units"), std::string::npos) << *version;
}

class ConvertReferenceTable : public testing::TestWithParam<const Magnitude*> {};

TEST_P(ConvertReferenceTable, WellFormed) {
    const Magnitude& m = *GetParam();
    ASSERT_FALSE(m.units.empty());
    EXPECT_LE(m.units.size(), 35u) << m.name;
    EXPECT_FALSE(m.dimension.empty());
    int siUnits = 0;
    std::set<std::string_view> names;
    for (const Unit& u : m.units) {
        EXPECT_FALSE(u.name.empty());
        EXPECT_TRUE(names.insert(u.name).second) << "twice: " << u.name;
        EXPECT_GT(u.factor, 0) << u.name;
        EXPECT_FALSE(u.unitsExpr.empty()) << u.name;
        if (u.name.starts_with("¤ ")) {
            ++siUnits;
            EXPECT_EQ(u.factor, 1.0) << u.name;
        }
    }
    EXPECT_EQ(siUnits, 1) << m.name << ": exactly one unit carries the SI mark";
}

TEST_P(ConvertReferenceTable, FactorsAgreeWithGnuUnits) {
    const Magnitude& m = *GetParam();
    for (const Unit& u : m.units) {
        const auto [reference, error] = unitsFactor(u.unitsExpr, m.siUnitsExpr);
        ASSERT_TRUE(reference.has_value()) << u.name << ": " << error;
        const double relative = std::fabs(u.factor - *reference) / *reference;
        const auto exception = kExceptions.find({std::string(m.menuEntry), std::string(u.name)});
        if (exception != kExceptions.end()) {
            // A listed exception must still be one; otherwise it is out of date.
            EXPECT_GT(relative, 1e-9) << u.name << " now agrees with GNU units; unlist it";
        } else {
            EXPECT_LE(relative, 1e-9) << m.name << ", " << u.name << ": table " << u.factor
                                      << ", GNU units " << *reference;
        }
    }
}

std::string magnitudeTestName(const testing::TestParamInfo<const Magnitude*>& info) {
    std::string name = std::to_string(info.index) + "_";
    for (char c : info.param->siUnitsExpr) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllMagnitudes, ConvertReferenceTable,
                         testing::ValuesIn(numeralia::convert::magnitudes().begin(),
                                           numeralia::convert::magnitudes().end()),
                         magnitudeTestName);

TEST(ConvertReference, ExceptionsNameRealUnits) {
    for (const auto& [key, reason] : kExceptions) {
        const Magnitude* m = numeralia::convert::findMagnitude(key.first);
        ASSERT_NE(m, nullptr) << key.first;
        bool found = false;
        for (const Unit& u : m->units) found = found || u.name == key.second;
        EXPECT_TRUE(found) << key.second << " (" << reason << ")";
    }
}

}  // namespace
