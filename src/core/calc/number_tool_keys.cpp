// The number tools of one press: "Fact" (prime factors, in the blue display only), the
// counting keys "V m,n", "VR m,n", "C m,n", "CR m,n", "intp" and "µeff" (one number,
// shown in the main display like the result of a function key and, with its data, in the
// blue display).

#include <cmath>
#include <span>

#include "core/calc/calculator_model.h"
#include "core/calc/integer_tools.h"
#include "core/calc/interpolation.h"
#include "core/calc/scientific_keys.h"
#include "core/calc/solver_keys.h"
#include "core/calc/statistics_keys.h"

namespace numeralia::calc {

namespace {

// The exact count of a counting key takes one line when short, otherwise a line "V(m,n) ="
// and its digits in lines of this many (the first line the shortest).
constexpr std::size_t kDigitsPerLine = 20;
constexpr std::size_t kShortLine = 30;
constexpr int kMostUnpairedElectrons = 7;

// The label of each counting key and the heading of its data, in the order of Counting.
struct CountingTexts {
    const char* label;
    const char* heading;
};
constexpr CountingTexts kCountingTexts[] = {
    {"V m,n", "Variaciones sin repetición"},
    {"VR m,n", "Variaciones con repetición"},
    {"C m,n", "Combinaciones sin repetición"},
    {"CR m,n", "Combinaciones con repetición"},
};

const CountingTexts& countingTexts(Counting kind) {
    return kCountingTexts[static_cast<std::size_t>(kind)];
}

std::vector<std::string> countLines(const std::string& name, const std::string& digits) {
    std::vector<std::string> lines{"Resultado"};
    if (name.size() + 3 + digits.size() <= kShortLine) {
        lines.push_back(name + " = " + digits);
        return lines;
    }
    lines.push_back(name + " =");
    std::size_t first = digits.size() % kDigitsPerLine;
    if (first == 0) first = kDigitsPerLine;
    for (std::size_t at = 0; at < digits.size(); at = at == 0 ? first : at + kDigitsPerLine)
        lines.push_back(digits.substr(at, at == 0 ? first : kDigitsPerLine));
    return lines;
}

}  // namespace

void factorizationKey(CalculatorModel& m) {
    CalculatorState& s = m.mutableState();
    s.func = "Fact";
    m.recordHistory();
    m.trap([&] {
        const double value = m.displayValue();
        checkWholeOperand(s.numero, value);
        if (value < 2) throw ReportedError{message::belowTwo};
        const auto n = static_cast<std::uint64_t>(value);
        const std::vector<PrimePower> factors = primeFactors(n);
        const std::string number = std::to_string(n);
        std::vector<std::string> right{"Factores primos"};
        for (const PrimePower& p : factors) right.push_back(primePowerText(p));
        const bool prime = factors.size() == 1 && factors[0].exponent == 1;
        abandonEntries(s.solver);
        showInBlueDisplay(s.solver,
                          {"Descomposición factorial", "N = " + number,
                           prime ? number + " es primo" : factorizationText(n, factors)},
                          std::move(right));
        endEntryStep(m);
    });
}

void countingKey(CalculatorModel& m, Counting kind) {
    CalculatorState& s = m.mutableState();
    const std::string typed = s.numero;
    m.functionFrame(countingTexts(kind).label, [&](double) {
        const ElementsReading e = readElements(typed);
        if (!e.message.empty()) throw ReportedError{e.message};
        const CountingResult count = countArrangements(kind, e.value);
        const double value = valueOrThrow(count.value);
        const std::string name = std::string(countingSymbol(kind)) + "(" +
                                 std::to_string(e.value.m) + "," + std::to_string(e.value.n) + ")";
        abandonEntries(s.solver);
        showInBlueDisplay(s.solver,
                          {countingTexts(kind).heading, "m = " + std::to_string(e.value.m),
                           "n = " + std::to_string(e.value.n)},
                          countLines(name, count.digits));
        return value;
    });
}

void interpolationKey(CalculatorModel& m) {
    CalculatorState& s = m.mutableState();
    const SharedState& shared = m.sharedState();
    m.functionFrame("intp", [&](double x) {
        const StatData xs = statDataX(shared);
        const StatData ys = statDataY(shared);
        const double y = valueOrThrow(lagrangeInterpolation(xs, ys, x));
        abandonEntries(s.solver);
        showInBlueDisplay(s.solver,
                          {"Interpolación de Lagrange", "Puntos = " + std::to_string(xs.size()),
                           "x = " + lineNumber(x)},
                          {"Resultado", "y = " + lineNumber(y)});
        return y;
    });
}

void magneticMomentKey(CalculatorModel& m) {
    CalculatorState& s = m.mutableState();
    m.functionFrame("µeff", [&](double n) {
        if (n != std::trunc(n) || n < 0 || n > kMostUnpairedElectrons)
            throw ReportedError{message::electronCount};
        const double moment = std::sqrt(n * (n + 2.0));
        abandonEntries(s.solver);
        showInBlueDisplay(s.solver, {"Momento magnético efectivo", "n = " + lineNumber(n)},
                          {"Resultado", "µeff = " + lineNumber(moment) + " BM"});
        return moment;
    });
}

}  // namespace numeralia::calc
