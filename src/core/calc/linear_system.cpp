#include "core/calc/linear_system.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

// Systems whose condition number (1-norm, after row scaling) exceeds this are refused: their
// solution would carry fewer than about four correct digits.
constexpr double kLargestCondition = 1.0E12;
constexpr int kRefinementSteps = 2;

// The LU factors of a row-major n × n matrix with partial pivoting.
struct Factors {
    std::vector<double> lu;
    std::vector<int> pivot;  // row of the original matrix at each position
    int n = 0;

    double& at(int r, int c) { return lu[static_cast<std::size_t>(r * n + c)]; }
    double at(int r, int c) const { return lu[static_cast<std::size_t>(r * n + c)]; }

    std::vector<double> solve(const std::vector<double>& k) const {
        std::vector<double> x(static_cast<std::size_t>(n));
        for (int r = 0; r < n; ++r) {
            double s = k[static_cast<std::size_t>(pivot[static_cast<std::size_t>(r)])];
            for (int c = 0; c < r; ++c) s -= at(r, c) * x[static_cast<std::size_t>(c)];
            x[static_cast<std::size_t>(r)] = s;
        }
        for (int r = n - 1; r >= 0; --r) {
            double s = x[static_cast<std::size_t>(r)];
            for (int c = r + 1; c < n; ++c) s -= at(r, c) * x[static_cast<std::size_t>(c)];
            x[static_cast<std::size_t>(r)] = s / at(r, r);
        }
        return x;
    }
};

// Gaussian elimination with partial pivoting; nothing for a zero pivot.
std::optional<Factors> factorize(std::vector<double> a, int n) {
    Factors f{std::move(a), std::vector<int>(static_cast<std::size_t>(n)), n};
    std::iota(f.pivot.begin(), f.pivot.end(), 0);
    for (int c = 0; c < n; ++c) {
        int best = c;
        for (int r = c + 1; r < n; ++r) {
            if (std::fabs(f.at(r, c)) > std::fabs(f.at(best, c))) best = r;
        }
        if (f.at(best, c) == 0.0) return std::nullopt;
        if (best != c) {
            for (int k = 0; k < n; ++k) std::swap(f.at(best, k), f.at(c, k));
            std::swap(f.pivot[static_cast<std::size_t>(best)],
                      f.pivot[static_cast<std::size_t>(c)]);
        }
        for (int r = c + 1; r < n; ++r) {
            const double m = f.at(r, c) / f.at(c, c);
            f.at(r, c) = m;
            for (int k = c + 1; k < n; ++k) f.at(r, k) -= m * f.at(c, k);
        }
    }
    return f;
}

// The 1-norm of a matrix: the largest column sum of magnitudes.
double normOne(const std::vector<double>& a, int n) {
    double best = 0;
    for (int c = 0; c < n; ++c) {
        double sum = 0;
        for (int r = 0; r < n; ++r) sum += std::fabs(a[static_cast<std::size_t>(r * n + c)]);
        best = std::max(best, sum);
    }
    return best;
}

// k_r − Σ a_rc·x_c, with the products and sums compensated (each rounding error is kept
// and added back), so the residual of a nearly exact solution is not lost in cancellation.
double residual(const std::vector<double>& a, const std::vector<double>& k,
                const std::vector<double>& x, int n, int r) {
    double sum = k[static_cast<std::size_t>(r)];
    double errors = 0;
    for (int c = 0; c < n; ++c) {
        const double av = a[static_cast<std::size_t>(r * n + c)];
        const double xv = -x[static_cast<std::size_t>(c)];
        const double p = av * xv;
        const double pError = std::fma(av, xv, -p);
        const double s = sum + p;
        const double z = s - sum;
        const double sError = (sum - (s - z)) + (p - z);
        sum = s;
        errors += pError + sError;
    }
    return sum + errors;
}

LinearSolution refused(const char* message) { return {MathResult::reported(message), {}}; }

}  // namespace

LinearSystemForm resizedForm(const LinearSystemForm& form, int n) {
    n = std::clamp(n, kFewestEquations, kMostEquations);
    LinearSystemForm out;
    out.size = n;
    out.cells.assign(static_cast<std::size_t>(n * (n + 1)), std::string());
    const int shared = std::min(n, form.size);
    if (!isWellFormed(form)) return out;
    for (int r = 0; r < shared; ++r) {
        for (int c = 0; c < shared; ++c) out.cell(r, c) = form.cell(r, c);
        out.cell(r, n) = form.cell(r, form.size);
    }
    return out;
}

bool isWellFormed(const LinearSystemForm& form) {
    return form.size >= kFewestEquations && form.size <= kMostEquations &&
           form.cells.size() == static_cast<std::size_t>(form.size * (form.size + 1));
}

std::optional<double> formValue(const std::string& field) {
    std::string text = field;
    std::replace(text.begin(), text.end(), '.', ',');
    if (text.find_first_not_of(' ') == std::string::npos) return 0.0;
    return text::parseNumber(text);
}

std::optional<FormField> firstBadField(const LinearSystemForm& form) {
    for (int r = 0; r < form.size; ++r) {
        for (int c = 0; c <= form.size; ++c) {
            if (!formValue(form.cell(r, c))) return FormField{r, c};
        }
    }
    return std::nullopt;
}

std::string badFieldMessage(const LinearSystemForm& form, FormField field) {
    const std::string row = std::to_string(field.row + 1);
    const std::string name =
        field.column == form.size ? "K" + row : "A" + row + std::to_string(field.column + 1);
    return std::string(message::badCoefficient) + ": ecuación " + row + ", " + name;
}

LinearSolution solveLinearSystem(const LinearSystemForm& form) {
    const int n = form.size;
    if (!isWellFormed(form)) return {MathResult::failed(), {}};
    if (const auto bad = firstBadField(form)) {
        return {MathResult::reported(badFieldMessage(form, *bad)), {}};
    }
    std::vector<double> a, k;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) a.push_back(*formValue(form.cell(r, c)));
        k.push_back(*formValue(form.cell(r, n)));
    }
    return solveLinear(std::move(a), std::move(k), n);
}

LinearSolution solveLinear(std::vector<double> a, std::vector<double> k, int n) {
    // Each equation is scaled by a power of two (exactly) so that its largest coefficient
    // lies between 1/2 and 1: the pivoting and the condition number then judge the system,
    // not the units of its equations.
    for (int r = 0; r < n; ++r) {
        double largest = 0;
        for (int c = 0; c < n; ++c)
            largest = std::max(largest, std::fabs(a[static_cast<std::size_t>(r * n + c)]));
        if (!std::isfinite(largest)) return {MathResult::failed(), {}};
        if (largest == 0.0) return refused(message::singularSystem);
        int exponent = 0;
        std::frexp(largest, &exponent);
        for (int c = 0; c < n; ++c) {
            double& v = a[static_cast<std::size_t>(r * n + c)];
            v = std::ldexp(v, -exponent);
        }
        k[static_cast<std::size_t>(r)] = std::ldexp(k[static_cast<std::size_t>(r)], -exponent);
    }
    const auto factors = factorize(a, n);
    if (!factors) return refused(message::singularSystem);

    // The inverse, column by column, for the condition number.
    double inverseNorm = 0;
    for (int c = 0; c < n; ++c) {
        std::vector<double> unit(static_cast<std::size_t>(n), 0.0);
        unit[static_cast<std::size_t>(c)] = 1.0;
        double sum = 0;
        for (double v : factors->solve(unit)) sum += std::fabs(v);
        inverseNorm = std::max(inverseNorm, sum);
    }
    const double condition = normOne(a, n) * inverseNorm;
    if (!std::isfinite(condition) || condition > kLargestCondition)
        return refused(message::singularSystem);

    std::vector<double> x = factors->solve(k);
    for (int step = 0; step < kRefinementSteps; ++step) {
        std::vector<double> r(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) r[static_cast<std::size_t>(i)] = residual(a, k, x, n, i);
        const std::vector<double> d = factors->solve(r);
        for (int i = 0; i < n; ++i)
            x[static_cast<std::size_t>(i)] += d[static_cast<std::size_t>(i)];
    }
    for (double& v : x) {
        if (!std::isfinite(v)) return {MathResult::failed(), {}};
        if (v == 0.0) v = 0.0;  // never a negative zero
    }
    return {MathResult::of(0.0), std::move(x)};
}

}  // namespace numeralia::calc
