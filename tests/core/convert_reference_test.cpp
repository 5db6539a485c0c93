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

// The factor GNU units gives from expr to si; on failure nullopt, and what went wrong in error.
std::optional<double> unitsFactor(std::string_view expr, std::string_view si, std::string& error) {
    const std::string command = "LC_ALL=C units -f '' -f '" + std::string(NUMERALIA_SOURCE_DIR) +
                                "/tests/core/data/castilian.units' -t -o '%.17g' '" +
                                std::string(expr) + "' '" + std::string(si) + "' 2>&1";
    error = "GNU units (Debian package 'units') failed on '" + std::string(expr) + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    char buffer[512];
    std::string line;  // the first line of the output
    for (bool first = true; std::fgets(buffer, sizeof buffer, pipe) != nullptr; first = false) {
        if (first) line = buffer;
    }
    if (pclose(pipe) != 0) return std::nullopt;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    error = line;
    char* end = nullptr;
    const double value = std::strtod(line.c_str(), &end);
    if (end == line.c_str() || *end != '\0') return std::nullopt;
    return value;
}

class ConvertReferenceTable : public testing::TestWithParam<const Magnitude*> {};

// A well-formed table (at most 35 units, distinct names, exactly one SI unit marked "¤ " with
// factor 1) whose every factor agrees with GNU units.
TEST_P(ConvertReferenceTable, WellFormedAndAgreesWithGnuUnits) {
    const Magnitude& m = *GetParam();
    SCOPED_TRACE(std::string(m.name));
    ASSERT_FALSE(m.units.empty());
    EXPECT_LE(m.units.size(), 35u);
    EXPECT_FALSE(m.dimension.empty());
    int siUnits = 0;
    std::set<std::string_view> names;
    for (const Unit& u : m.units) {
        EXPECT_FALSE(u.name.empty());
        EXPECT_TRUE(names.insert(u.name).second) << "twice: " << u.name;
        EXPECT_GT(u.factor, 0) << u.name;
        if (u.name.starts_with("¤ ")) {
            ++siUnits;
            EXPECT_EQ(u.factor, 1.0) << u.name;
        }
        ASSERT_FALSE(u.unitsExpr.empty()) << u.name;
        std::string error;
        const auto reference = unitsFactor(u.unitsExpr, m.siUnitsExpr, error);
        ASSERT_TRUE(reference.has_value()) << u.name << ": " << error;
        const double relative = std::fabs(u.factor - *reference) / *reference;
        if (kExceptions.contains({std::string(m.menuEntry), std::string(u.name)})) {
            // A listed exception must still be one; otherwise it is out of date.
            EXPECT_GT(relative, 1e-9) << u.name << " now agrees with GNU units; unlist it";
        } else {
            EXPECT_LE(relative, 1e-9)
                << u.name << ": table " << u.factor << ", GNU units " << *reference;
        }
    }
    EXPECT_EQ(siUnits, 1) << "exactly one unit carries the SI mark";
}

INSTANTIATE_TEST_SUITE_P(AllMagnitudes, ConvertReferenceTable,
                         testing::ValuesIn(numeralia::convert::magnitudes().begin(),
                                           numeralia::convert::magnitudes().end()));

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
