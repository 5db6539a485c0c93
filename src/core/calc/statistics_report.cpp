#include "core/calc/statistics_report.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/calc/statistics_keys.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

// The value's text, or a dash and the reason the key would give.
std::string shown(const MathResult& r) {
    if (r.isValue()) return text::generalText(r.value);
    if (r.isReported()) {
        std::string reason = r.message;
        if (reason.starts_with("Error: ")) reason.erase(0, 7);
        if (!reason.empty()) reason[0] = static_cast<char>(std::tolower(reason[0]));
        return "—  (" + reason + ")";
    }
    return "—  (fuera del alcance de la calculadora)";
}

std::string shown(double value) { return shown(MathResult::of(value)); }

// Digits enough to tell apart two numbers `step` apart at the magnitude of `largest`.
int digitsFor(double largest, double step) {
    if (largest == 0 || step <= 0 || !std::isfinite(step)) return 3;
    const int apart =
        static_cast<int>(std::floor(std::log10(largest)) - std::floor(std::log10(step))) + 2;
    return std::clamp(apart, 3, 15);
}

}  // namespace

std::vector<ReportLine> statisticsReport(const SharedState& shared,
                                         const StatisticsDisplays& shownSums) {
    const StatData x = statDataX(shared);
    const StatData y = statDataY(shared);
    std::vector<ReportLine> lines = {
        {"Número de datos (N)", std::to_string(statCount(shared)) + "  (" +
                                    std::to_string(x.size()) + " X, " + std::to_string(y.size()) +
                                    " Y)"},
        {"Σ x", shown(shownSums.statSumX)},
        {"Σ x²", shown(shownSums.statSumX2)},
        {"Σ y", shown(shownSums.statSumY)},
        {"Σ y²", shown(shownSums.statSumY2)},
        {"Σ xy", shown(sumOfProducts(x, y))},
        {"Media de X (X m)", shown(mean(x))},
        {"Desviación estándar de la población X (σ x n)", shown(populationDeviation(x))},
        {"Desviación estándar de la muestra X (σ x n-1)", shown(sampleDeviation(x))},
        {"Media de Y (Y m)", shown(mean(y))},
        {"Desviación estándar de la población Y (σ y n)", shown(populationDeviation(y))},
        {"Desviación estándar de la muestra Y (σ y n-1)", shown(sampleDeviation(y))},
        {"Media de X con sus frecuencias Y (X m)", shown(weightedMean(x, y))},
        {"Desviación típica de X con sus frecuencias Y (σ X n)", shown(weightedDeviation(x, y))},
        {"Regresión lineal y = a·x + b: coeficiente a", shown(regressionSlope(x, y))},
        {"Regresión lineal: ordenada en el origen b", shown(regressionIntercept(x, y))},
        {"Regresión lineal: r²", shown(determination(x, y))},
    };
    if (const MathResult area = polygonArea(x, y); area.isValue())
        lines.push_back({"Área del polígono de vértices (X, Y)", shown(area)});
    return lines;
}

std::string classLabel(const HistogramClass& c) {
    if (c.low == c.high) return text::generalText(c.low);
    const int digits =
        digitsFor(std::max(std::fabs(c.low), std::fabs(c.high)), c.high - c.low);
    return text::significantText(c.low, digits) + "–" + text::significantText(c.high, digits);
}

std::optional<ChartLine> chartLine(StatData x, StatData y) {
    const MathResult a = regressionSlope(x, y);
    const MathResult b = regressionIntercept(x, y);
    if (!a.isValue() || !b.isValue()) return std::nullopt;
    ChartLine line{a.value, b.value, {}};
    const std::string sign = b.value < 0 ? " − " : " + ";
    line.equation = "y = " + text::significantText(a.value, 7) + "·x" + sign +
                    text::significantText(std::fabs(b.value), 7);
    if (const MathResult r2 = determination(x, y); r2.isValue())
        line.equation += "   (r² = " + text::significantText(r2.value, 7) + ")";
    return line;
}

}  // namespace numeralia::calc
