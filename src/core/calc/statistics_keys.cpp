// The statistics keys of the Scientific model. The lists and their counts are program-wide;
// the grey data displays, the count display and the running sums belong to the window.

#include "core/calc/statistics_keys.h"

#include <algorithm>
#include <cmath>

#include "core/calc/calculator_model.h"
#include "core/calc/scientific_keys.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

constexpr const char* kDeletionLabel = "ESTAD.: Borrado";

// One list with everything that goes with it, so that X and Y share one piece of code.
struct ListRefs {
    std::int16_t& count;
    std::vector<double>& data;
    std::vector<std::string>& lines;
    double& sum;
    double& sumOfSquares;
};

ListRefs listRefs(SharedState& shared, StatisticsDisplays& shown, StatList list) {
    if (list == StatList::X) {
        return {shared.statCountX, shared.statDataX, shown.dataX, shown.statSumX, shown.statSumX2};
    }
    return {shared.statCountY, shared.statDataY, shown.dataY, shown.statSumY, shown.statSumY2};
}

StatData entries(const std::vector<double>& data, std::int16_t count) {
    const auto n = std::min(data.size(), static_cast<std::size_t>(std::max<std::int16_t>(count, 0)));
    return StatData(data.data(), n);
}

void refillLines(std::vector<std::string>& lines, StatData data) {
    lines.clear();
    for (std::size_t k = 0; k < data.size(); ++k) lines.push_back(statLine(static_cast<int>(k + 1), data[k]));
}

// Removes entry k (1-based) of a list that holds it.
void deleteEntry(ListRefs l, int k) {
    if (k > l.count) return;
    l.data.resize(static_cast<std::size_t>(l.count));
    if (l.count == 1) {
        l.count = 0;
        l.sum = 0;
        l.sumOfSquares = 0;
    } else {
        const double value = l.data[static_cast<std::size_t>(k - 1)];
        l.sum -= value;
        l.sumOfSquares -= value * value;
        l.data.erase(l.data.begin() + (k - 1));
        --l.count;
    }
    l.data.resize(static_cast<std::size_t>(l.count));
}

double computeResult(const CalculatorModel& m, StatResult result) {
    const SharedState& shared = m.shared();
    const StatisticsDisplays& shown = m.state().statistics;
    const StatData x = statDataX(shared);
    const StatData y = statDataY(shared);
    switch (result) {
        case StatResult::SumXY: return valueOrThrow(sumOfProducts(x, y));
        case StatResult::SumX2: return shown.statSumX2;
        case StatResult::MeanX: return valueOrThrow(mean(x));
        case StatResult::DeviationX: return valueOrThrow(populationDeviation(x));
        case StatResult::SampleDeviationX: return valueOrThrow(sampleDeviation(x));
        case StatResult::SumY2: return shown.statSumY2;
        case StatResult::MeanY: return valueOrThrow(mean(y));
        case StatResult::DeviationY: return valueOrThrow(populationDeviation(y));
        case StatResult::SampleDeviationY: return valueOrThrow(sampleDeviation(y));
        case StatResult::Count: return static_cast<double>(statCount(shared));
        case StatResult::WeightedMeanX: return valueOrThrow(weightedMean(x, y));
        case StatResult::WeightedDeviationX: return valueOrThrow(weightedDeviation(x, y));
        case StatResult::Slope: return valueOrThrow(regressionSlope(x, y));
        case StatResult::Intercept: return valueOrThrow(regressionIntercept(x, y));
        case StatResult::Determination: return valueOrThrow(determination(x, y));
        case StatResult::EstimateX: return valueOrThrow(estimateX(x, y, m.displayValue()));
        case StatResult::EstimateY: return valueOrThrow(estimateY(x, y, m.displayValue()));
        case StatResult::Area: return valueOrThrow(polygonArea(x, y));
    }
    throw CalcFailure{};
}

KeyId resultKey(StatResult result) {
    static constexpr KeyId keys[] = {
        KeyId::statSumXY,         KeyId::statSumX2,         KeyId::statMeanX,
        KeyId::statDeviationX,    KeyId::statSampleDeviationX, KeyId::statSumY2,
        KeyId::statMeanY,         KeyId::statDeviationY,    KeyId::statSampleDeviationY,
        KeyId::statCount,         KeyId::statWeightedMeanX, KeyId::statWeightedDeviationX,
        KeyId::statSlope,         KeyId::statIntercept,     KeyId::statDetermination,
        KeyId::statEstimateX,     KeyId::statEstimateY,     KeyId::polygonArea,
    };
    return keys[static_cast<std::size_t>(result)];
}

}  // namespace

StatData statDataX(const SharedState& shared) { return entries(shared.statDataX, shared.statCountX); }

StatData statDataY(const SharedState& shared) { return entries(shared.statDataY, shared.statCountY); }

std::size_t statCount(const SharedState& shared) {
    return std::max(statDataX(shared).size(), statDataY(shared).size());
}

std::string statLine(int entry, double value) {
    return std::to_string(entry) + ")    " + text::generalText(value);
}

void rebuildStatistics(StatisticsDisplays& shown, const SharedState& shared) {
    shown = StatisticsDisplays{};
    const StatData x = statDataX(shared);
    const StatData y = statDataY(shared);
    refillLines(shown.dataX, x);
    refillLines(shown.dataY, y);
    for (double v : x) {
        shown.statSumX += v;
        shown.statSumX2 += v * v;
    }
    for (double v : y) {
        shown.statSumY += v;
        shown.statSumY2 += v * v;
    }
    shown.num = std::to_string(statCount(shared));
}

void replaceStatistics(CalculatorModel& m, std::vector<double> x, std::vector<double> y) {
    SharedState& shared = m.sharedState();
    shared.statCountX = static_cast<std::int16_t>(x.size());
    shared.statCountY = static_cast<std::int16_t>(y.size());
    shared.statDataX = std::move(x);
    shared.statDataY = std::move(y);
    ++shared.statRevision;
    rebuildStatistics(m.mutableState().statistics, shared);
}

void statEntryKey(CalculatorModel& m, StatList list) {
    CalculatorState& s = m.mutableState();
    const ListRefs l = listRefs(m.sharedState(), s.statistics, list);
    const int k = l.count + 1;
    s.func = std::string("Estad  ") + (list == StatList::X ? "X" : "Y") + std::to_string(k);
    m.recordHistory();
    m.trap([&] {
        if (k > kStatCapacity) throw CalcFailure{};  // the list, its sums and display stay
        const double value = m.displayValue();
        l.data.resize(static_cast<std::size_t>(k - 1));
        l.data.push_back(value);
        l.count = static_cast<std::int16_t>(k);
        s.statistics.num = std::to_string(statCount(m.shared()));
        l.sum += value;
        l.sumOfSquares += value * value;
        l.lines.push_back(statLine(k, value));
        ++m.sharedState().statRevision;
        s.result = s.numero;
        m.setDisplay("0");
    });
}

void statSumKey(CalculatorModel& m, StatList list) {
    const KeyId id = list == StatList::X ? KeyId::statSumX : KeyId::statSumY;
    const StatisticsDisplays& shown = m.state().statistics;
    m.resultFrame(
        std::string(shownCaption(id)),
        [&] { return list == StatList::X ? shown.statSumX : shown.statSumY; },
        CalculatorModel::RecordAt::Start, CalculatorModel::ShowIn::DisplayOnly);
}

void statResultKey(CalculatorModel& m, StatResult result) {
    m.resultFrame(std::string(shownCaption(resultKey(result))),
                  [&] { return computeResult(m, result); });
}

void statDeleteKey(CalculatorModel& m) {
    CalculatorState& s = m.mutableState();
    StatisticsDisplays& shown = s.statistics;
    s.func = kDeletionLabel;
    m.recordHistory();
    m.trap([&] {
        const double k = m.displayValue();
        if (k > static_cast<double>(statCount(m.shared())) || k <= 0 || k != std::floor(k))
            throw ReportedError{"Error: Dato Nº " + s.numero + " no valido"};
        const int entry = static_cast<int>(k);
        deleteEntry(listRefs(m.sharedState(), shown, StatList::X), entry);
        deleteEntry(listRefs(m.sharedState(), shown, StatList::Y), entry);
        shown.num = std::to_string(statCount(m.shared()));
        refillLines(shown.dataX, statDataX(m.shared()));
        refillLines(shown.dataY, statDataY(m.shared()));
        ++m.sharedState().statRevision;
        s.result = s.numero;
        m.setDisplay("0");
    });
}

void statClearKey(CalculatorModel& m) {
    CalculatorState& s = m.mutableState();
    SharedState& shared = m.sharedState();
    s.func = kDeletionLabel;
    m.recordHistory();
    s.result = "0";
    m.setDisplay("0");
    shared.statDataX.clear();
    shared.statDataY.clear();
    shared.statCountX = 0;
    shared.statCountY = 0;
    ++shared.statRevision;
    s.statistics = StatisticsDisplays{};
    s.statistics.num = "0";
}

}  // namespace numeralia::calc
