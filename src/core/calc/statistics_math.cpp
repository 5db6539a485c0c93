#include "core/calc/statistics_math.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

namespace numeralia::calc {

namespace {

// Σ v with Neumaier's compensation: the rounding error of every addition is carried along.
double compensatedSum(StatData v) {
    double sum = 0;
    double carry = 0;
    for (double value : v) {
        const double t = sum + value;
        carry += std::fabs(sum) >= std::fabs(value) ? (sum - t) + value : (value - t) + sum;
        sum = t;
    }
    return sum + carry;
}

// The mean, refined by the mean of the residuals (the second pass removes what the first
// one lost). Data whose sum overflows are averaged term by term.
double centredMean(StatData v) {
    const auto n = static_cast<double>(v.size());
    double m = compensatedSum(v) / n;
    if (!std::isfinite(m)) {
        m = 0;
        for (double value : v) m += value / n;
    }
    double residual = 0;
    for (double value : v) residual += value - m;
    return m + residual / n;
}

bool allEqual(StatData v) {
    return std::all_of(v.begin(), v.end(), [&](double value) { return value == v.front(); });
}

// The centred sums of the pairs: Sxx = Σ(x − x̄)², Syy = Σ(y − ȳ)², Sxy = Σ(x − x̄)(y − ȳ).
struct CentredSums {
    double meanX = 0, meanY = 0;
    double sxx = 0, syy = 0, sxy = 0;
};

CentredSums centredSums(StatData x, StatData y) {
    CentredSums s;
    s.meanX = centredMean(x);
    s.meanY = centredMean(y);
    for (std::size_t k = 0; k < x.size(); ++k) {
        const double dx = x[k] - s.meanX;
        const double dy = y[k] - s.meanY;
        s.sxx += dx * dx;
        s.syy += dy * dy;
        s.sxy += dx * dy;
    }
    return s;
}

// Unequal counts, then no data: the checks every paired key makes first.
std::optional<MathResult> pairedCheck(StatData x, StatData y) {
    if (x.size() != y.size()) return MathResult::reported(message::dataMismatch);
    if (x.empty()) return MathResult::reported(statmessage::noData);
    return std::nullopt;
}

// The line through the centre of the data: y = ȳ + a·(x − x̄), that is b = ȳ − a·x̄.
struct Line {
    double a = 0, b = 0;
    double meanX = 0, meanY = 0;
};

// The least-squares line, or the message why there is none.
std::optional<MathResult> fitLine(StatData x, StatData y, Line& line) {
    if (auto refused = pairedCheck(x, y)) return refused;
    if (allEqual(x)) return MathResult::reported(statmessage::equalX);
    const CentredSums s = centredSums(x, y);
    line.a = s.sxy / s.sxx;
    line.b = s.meanY - line.a * s.meanX;
    line.meanX = s.meanX;
    line.meanY = s.meanY;
    return std::nullopt;
}

// The frequencies must pair with the data, be none negative and not all zero.
std::optional<MathResult> frequencyCheck(StatData x, StatData n, double& total) {
    if (auto refused = pairedCheck(x, n)) return refused;
    if (std::any_of(n.begin(), n.end(), [](double f) { return f < 0; }))
        return MathResult::reported(statmessage::negativeFrequency);
    total = compensatedSum(n);
    if (total == 0) return MathResult::reported(statmessage::zeroFrequencies);
    return std::nullopt;
}

double weightedCentredMean(StatData x, StatData n, double total) {
    double m = 0;
    for (std::size_t k = 0; k < x.size(); ++k) m += n[k] * x[k];
    m /= total;
    double residual = 0;
    for (std::size_t k = 0; k < x.size(); ++k) residual += n[k] * (x[k] - m);
    return m + residual / total;
}

// Σ(x − x̄)² less the square of the residual sum over N (corrected two-pass form), over the
// divisor; never below 0.
MathResult deviation(StatData x, std::size_t divisorLess) {
    if (x.empty()) return MathResult::reported(statmessage::noData);
    if (x.size() <= divisorLess) return MathResult::reported(statmessage::tooFew);
    const double m = centredMean(x);
    double squares = 0;
    double residual = 0;
    for (double value : x) {
        squares += (value - m) * (value - m);
        residual += value - m;
    }
    const auto n = static_cast<double>(x.size());
    const double variance = (squares - residual * residual / n) / (n - static_cast<double>(divisorLess));
    return MathResult::of(std::sqrt(std::max(variance, 0.0)));
}

}  // namespace

MathResult sumOfProducts(StatData x, StatData y) {
    if (x.size() != y.size()) return MathResult::reported(message::dataMismatch);
    double sum = 0;
    for (std::size_t k = 0; k < x.size(); ++k) sum += x[k] * y[k];
    return MathResult::of(sum);
}

MathResult mean(StatData x) {
    if (x.empty()) return MathResult::reported(statmessage::noData);
    return MathResult::of(centredMean(x));
}

MathResult populationDeviation(StatData x) { return deviation(x, 0); }

MathResult sampleDeviation(StatData x) { return deviation(x, 1); }

MathResult weightedMean(StatData x, StatData n) {
    double total = 0;
    if (auto refused = frequencyCheck(x, n, total)) return *refused;
    return MathResult::of(weightedCentredMean(x, n, total));
}

MathResult weightedDeviation(StatData x, StatData n) {
    double total = 0;
    if (auto refused = frequencyCheck(x, n, total)) return *refused;
    const double m = weightedCentredMean(x, n, total);
    double squares = 0;
    for (std::size_t k = 0; k < x.size(); ++k) squares += n[k] * (x[k] - m) * (x[k] - m);
    return MathResult::of(std::sqrt(squares / total));
}

MathResult regressionSlope(StatData x, StatData y) {
    Line line;
    if (auto refused = fitLine(x, y, line)) return *refused;
    return MathResult::of(line.a);
}

MathResult regressionIntercept(StatData x, StatData y) {
    Line line;
    if (auto refused = fitLine(x, y, line)) return *refused;
    return MathResult::of(line.b);
}

MathResult determination(StatData x, StatData y) {
    if (auto refused = pairedCheck(x, y)) return *refused;
    if (allEqual(x)) return MathResult::reported(statmessage::equalX);
    if (allEqual(y)) return MathResult::reported(statmessage::equalY);
    const CentredSums s = centredSums(x, y);
    // (Sxy / Sxx)·(Sxy / Syy) keeps the products in range; rounding may pass 1 by an ulp.
    return MathResult::of(std::clamp((s.sxy / s.sxx) * (s.sxy / s.syy), 0.0, 1.0));
}

MathResult estimateY(StatData x, StatData y, double at) {
    Line line;
    if (auto refused = fitLine(x, y, line)) return *refused;
    // a·at + b, taken from the centre: the two large terms of a·at + b would cancel.
    return MathResult::of(line.meanY + line.a * (at - line.meanX));
}

MathResult estimateX(StatData x, StatData y, double at) {
    Line line;
    if (auto refused = fitLine(x, y, line)) return *refused;
    if (line.a == 0) return MathResult::reported(statmessage::zeroSlope);
    return MathResult::of(line.meanX + (at - line.meanY) / line.a);
}

MathResult polygonArea(StatData x, StatData y) {
    if (auto refused = pairedCheck(x, y)) return *refused;
    if (x.size() < 3) return MathResult::reported(statmessage::fewVertices);
    // Around a closed polygon the x differences sum to 0, so the y values may be taken from
    // the first vertex: the same area without the cancellation of large coordinates.
    const double origin = y.front();
    double twice = 0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        const std::size_t next = (k + 1) % x.size();
        twice += (x[next] - x[k]) * ((y[next] - origin) + (y[k] - origin));
    }
    return MathResult::of(std::fabs(twice) / 2);
}

std::vector<HistogramClass> histogram(StatData x) {
    if (x.empty()) return {};
    const auto [low, high] = std::minmax_element(x.begin(), x.end());
    if (*low == *high) return {{*low, *high, static_cast<int>(x.size())}};
    const std::set<double> distinct(x.begin(), x.end());
    const int sturges =
        static_cast<int>(std::ceil(std::log2(static_cast<double>(x.size())))) + 1;
    const int classes = std::min(sturges, static_cast<int>(distinct.size()));
    // Divided first, so that a range wider than the largest double still has a width.
    const double width = *high / classes - *low / classes;
    std::vector<HistogramClass> out;
    for (int c = 0; c < classes; ++c) {
        const double from = *low + width * c;
        const double to = c + 1 == classes ? *high : *low + width * (c + 1);
        out.push_back({from, to, 0});
    }
    for (double value : x) {
        const double position = value / width - *low / width;
        int c = position >= 0 ? static_cast<int>(std::min(position, classes - 1.0)) : 0;
        // A value on a boundary belongs to the class that begins there.
        while (c + 1 < classes && value >= out[static_cast<std::size_t>(c + 1)].low) ++c;
        while (c > 0 && value < out[static_cast<std::size_t>(c)].low) --c;
        ++out[static_cast<std::size_t>(c)].count;
    }
    return out;
}

}  // namespace numeralia::calc
