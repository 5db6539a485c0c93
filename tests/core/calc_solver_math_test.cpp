// The maths of the solvers checked independently: quadratic roots substituted back into
// the equation, linear systems against A·x = k, interpolation exact on the points of a
// cubic, temperature scales against their fixed points.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "core/calc/interpolation.h"
#include "core/calc/linear_system.h"
#include "core/calc/quadratic.h"
#include "core/calc/temperature.h"
#include "core/text/number_text.h"

using namespace numeralia;
using namespace numeralia::calc;

namespace {

// |a·x² + b·x + c| against the size of its terms.
double relativeResidual(double a, double b, double c, std::complex<double> x) {
    const std::complex<double> value = a * x * x + b * x + c;
    const double scale = std::abs(a * x * x) + std::abs(b * x) + std::abs(c);
    return scale == 0 ? 0 : std::abs(value) / scale;
}

TEST(CalcSolverMath, QuadraticRootsSatisfyTheEquation) {
    using Kind = QuadraticRoots::Kind;
    struct Row {
        double a, b, c;
        Kind kind;
    };
    const Row rows[] = {
        {2, 5, -3, Kind::TwoReal},
        {1, -3, 2, Kind::TwoReal},
        {1, 2, 1, Kind::DoubleReal},
        {1, 2, 5, Kind::Complex},
        {-1, 5, -3, Kind::TwoReal},
        {3, 0, -12, Kind::TwoReal},
        {1, 0, 4, Kind::Complex},
        {0, 2, -3, Kind::Linear},
        {0, -4, 0, Kind::Linear},
        {1, 0, 0, Kind::DoubleReal},
        // A tiny root beside a large one: the textbook formula loses it entirely.
        {1, -1e8, 1, Kind::TwoReal},
        {1, 1e8, 1, Kind::TwoReal},
        {1e-6, 1, 1e-6, Kind::TwoReal},
        {4, 4, 1, Kind::DoubleReal},
    };
    for (const Row& r : rows) {
        const QuadraticSolution s = solveQuadratic(r.a, r.b, r.c);
        ASSERT_TRUE(s.outcome.isValue()) << r.a << " " << r.b << " " << r.c;
        EXPECT_EQ(s.roots.kind, r.kind) << r.a << " " << r.b << " " << r.c;
        std::vector<std::complex<double>> roots;
        if (r.kind == Kind::Complex) {
            EXPECT_GT(s.roots.im, 0);
            roots = {{s.roots.re, s.roots.im}, {s.roots.re, -s.roots.im}};
        } else {
            roots = {s.roots.x1, s.roots.x2};
        }
        for (const auto& x : roots) {
            EXPECT_LT(relativeResidual(r.a, r.b, r.c, x), 1e-14)
                << r.a << " " << r.b << " " << r.c << " root " << x;
        }
        if (r.kind == Kind::TwoReal) {
            // x1 is the root with +√D: x1 − x2 = √D / a has the sign of a.
            EXPECT_EQ(s.roots.x1 > s.roots.x2, r.a > 0) << r.a << " " << r.b << " " << r.c;
        }
    }
    // The small root of x² − 10^8·x + 1 is 10^-8 to full precision.
    EXPECT_DOUBLE_EQ(solveQuadratic(1, -1e8, 1).roots.x2, 1e-8);
    EXPECT_EQ(solveQuadratic(0, 0, 5).outcome.message, "Error: a y b no pueden ser nulos a la vez");
    EXPECT_TRUE(solveQuadratic(1, 1e200, 1).outcome.isFailed());  // b² overflows
}

// A row-major product A·x.
std::vector<double> times(const std::vector<double>& a, const std::vector<double>& x, int n) {
    std::vector<double> k(static_cast<std::size_t>(n), 0.0);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c)
            k[static_cast<std::size_t>(r)] +=
                a[static_cast<std::size_t>(r * n + c)] * x[static_cast<std::size_t>(c)];
    }
    return k;
}

TEST(CalcSolverMath, LinearSystemsSolveAxEqualsK) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-10, 10);
    for (int n = kFewestEquations; n <= kMostEquations; ++n) {
        for (int trial = 0; trial < 20; ++trial) {
            std::vector<double> a(static_cast<std::size_t>(n * n));
            for (double& v : a) v = value(random);
            std::vector<double> x(static_cast<std::size_t>(n));
            for (double& v : x) v = std::round(value(random));  // whole-number solutions
            const std::vector<double> k = times(a, x, n);
            const LinearSolution s = solveLinear(a, k, n);
            ASSERT_TRUE(s.outcome.isValue()) << n << " " << s.outcome.message;
            const std::vector<double> back = times(a, s.x, n);
            for (int r = 0; r < n; ++r) {
                const auto i = static_cast<std::size_t>(r);
                EXPECT_NEAR(back[i], k[i], 1e-12 * (1 + std::fabs(k[i]))) << n << " row " << r;
                EXPECT_NEAR(s.x[i], x[i], 1e-9) << n << " unknown " << r;
            }
        }
    }
    // Equations of very different sizes are no harder than others.
    const LinearSolution scaled = solveLinear({1e-200, 2e-200, 3e200, -1e200}, {5e-200, 1e200}, 2);
    ASSERT_TRUE(scaled.outcome.isValue());
    EXPECT_DOUBLE_EQ(scaled.x[0], 1);
    EXPECT_DOUBLE_EQ(scaled.x[1], 2);
}

TEST(CalcSolverMath, SingularAndNearlySingularSystemsAreRefused) {
    const std::string refused = "Error: Sistema sin solución única";
    auto hilbert = [](int n) {
        std::vector<double> a;
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) a.push_back(1.0 / (r + c + 1));
        }
        return a;
    };
    struct Row {
        std::vector<double> a;
        int n;
        bool solved;
    };
    const Row rows[] = {
        {{1, 2, 2, 4}, 2, false},                 // dependent rows
        {{0, 0, 1, 1}, 2, false},                 // a row of zeros
        {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 3, false},  // rank 2, not caught by a zero pivot
        {{1, 1, 1, 1 + 1e-15}, 2, false},         // nearly singular
        {{0, 1, 1, 0}, 2, true},                  // needs a row exchange
        {hilbert(6), 6, true},                    // condition about 1,5E7
        {hilbert(10), 10, false},                 // condition about 1,6E13
    };
    for (const Row& r : rows) {
        const LinearSolution s =
            solveLinear(r.a, std::vector<double>(static_cast<std::size_t>(r.n), 1.0), r.n);
        EXPECT_EQ(s.outcome.isValue(), r.solved) << r.n << " " << r.a[0] << " " << r.a.back();
        if (!r.solved) {
            EXPECT_EQ(s.outcome.message, refused);
        }
    }
}

TEST(CalcSolverMath, SystemFormsResizeReadAndNameTheirBadFields) {
    LinearSystemForm form = resizedForm(LinearSystemForm{}, 2);
    form.cell(0, 0) = "2";
    form.cell(0, 1) = "1,5";
    form.cell(0, 2) = "8";
    form.cell(1, 0) = "1.5";  // a point reads as the decimal mark
    form.cell(1, 2) = "-3E2";
    EXPECT_FALSE(firstBadField(form));
    EXPECT_EQ(formValue(form.cell(1, 0)), 1.5);
    EXPECT_EQ(formValue(form.cell(1, 1)), 0.0);  // an empty field is 0
    EXPECT_EQ(formValue(form.cell(1, 2)), -300.0);

    // Growing keeps every coefficient where it was and each term with its equation.
    const LinearSystemForm bigger = resizedForm(form, 3);
    EXPECT_EQ(bigger.size, 3);
    EXPECT_EQ(bigger.cells.size(), 12u);
    EXPECT_EQ(bigger.cell(0, 1), "1,5");
    EXPECT_EQ(bigger.cell(0, 3), "8");
    EXPECT_EQ(bigger.cell(1, 3), "-3E2");
    EXPECT_EQ(bigger.cell(0, 2), "");
    EXPECT_EQ(bigger.cell(2, 3), "");
    EXPECT_EQ(resizedForm(bigger, 2), form);
    EXPECT_EQ(resizedForm(form, 1).size, kFewestEquations);
    EXPECT_EQ(resizedForm(form, 40).size, kMostEquations);

    form.cell(1, 1) = "x";
    const auto bad = firstBadField(form);
    ASSERT_TRUE(bad);
    EXPECT_EQ(badFieldMessage(form, *bad), "Error: Coeficiente no válido: ecuación 2, A22");
    form.cell(1, 1) = "1";
    form.cell(0, 2) = "1,2,3";
    EXPECT_EQ(badFieldMessage(form, *firstBadField(form)),
              "Error: Coeficiente no válido: ecuación 1, K1");
    EXPECT_EQ(solveLinearSystem(form).outcome.message,
              "Error: Coeficiente no válido: ecuación 1, K1");
}

TEST(CalcSolverMath, LagrangeIsExactOnTheCubicItsPointsCameFrom) {
    auto cubic = [](double x) { return 2 * x * x * x - 3 * x * x + 0.5 * x - 7; };
    const std::vector<double> xs{-2, -0.5, 1, 3, 4.5};
    std::vector<double> ys;
    for (double x : xs) ys.push_back(cubic(x));
    for (double x : {-3.0, -1.0, 0.0, 0.25, 2.0, 3.0, 5.0, 10.0}) {
        const MathResult y = lagrangeInterpolation(xs, ys, x);
        ASSERT_TRUE(y.isValue());
        EXPECT_NEAR(y.value, cubic(x), 1e-11 * (1 + std::fabs(cubic(x)))) << x;
    }
    const std::vector<double> two{1, 3}, line{10, 20};
    EXPECT_DOUBLE_EQ(lagrangeInterpolation(two, line, 2).value, 15);
    EXPECT_EQ(lagrangeInterpolation(two, ys, 1).message, "Error: los datos no coinciden");
    EXPECT_EQ(lagrangeInterpolation(std::vector<double>{1}, std::vector<double>{2}, 1).message,
              "Error: Se necesitan al menos 2 puntos");
    EXPECT_EQ(lagrangeInterpolation(std::vector<double>{1, 2, 1}, std::vector<double>{2, 3, 4}, 1)
                  .message,
              "Error: Valores de X repetidos");
}

TEST(CalcSolverMath, TemperatureScalesMeetAtTheirFixedPoints) {
    using enum TemperatureScale;
    struct Row {
        double t;
        TemperatureScale from, to;
        const char* shown;
    };
    const Row rows[] = {
        {0, Celsius, Kelvin, "273,15"},
        {100, Celsius, Fahrenheit, "212"},
        {32, Fahrenheit, Celsius, "0"},
        {212, Fahrenheit, Kelvin, "373,15"},
        {0, Kelvin, Fahrenheit, "-459,67"},
        {0, Kelvin, Celsius, "-273,15"},
        {-40, Celsius, Fahrenheit, "-40"},
        {-40, Fahrenheit, Celsius, "-40"},
        {-273.15, Celsius, Kelvin, "0"},
        {-459.67, Fahrenheit, Kelvin, "0"},
        {300, Kelvin, Celsius, "26,85"},
        {98.6, Fahrenheit, Celsius, "37"},
        {-0.01, Kelvin, Celsius, "Error: Temperatura inferior al cero absoluto"},
        {-273.16, Celsius, Fahrenheit, "Error: Temperatura inferior al cero absoluto"},
        {-460, Fahrenheit, Kelvin, "Error: Temperatura inferior al cero absoluto"},
    };
    for (const Row& r : rows) {
        const MathResult got = convertTemperature(r.t, r.from, r.to);
        EXPECT_EQ(got.isValue() ? text::generalText(got.value) : got.message, r.shown)
            << r.t << " " << scaleSymbol(r.from) << " to " << scaleSymbol(r.to);
    }
    // Every conversion and its reverse bring a temperature back.
    for (const TemperatureConversion& c : temperatureConversions()) {
        for (double t : {0.0, 15.5, 1000.0}) {
            const double there = convertTemperature(t, c.from, c.to).value;
            EXPECT_NEAR(convertTemperature(there, c.to, c.from).value, t, 1e-12 * (1 + t));
        }
    }
    EXPECT_EQ(temperatureConversions().size(), 6u);
}

}  // namespace
