#pragma once
// Systems of n linear equations in n unknowns (the key "S.Ec"): the form the user fills in
// and its solution by Gaussian elimination with partial pivoting.

#include <optional>
#include <string>
#include <vector>

#include "core/calc/math_result.h"

namespace numeralia::calc {

inline constexpr int kFewestEquations = 2;
inline constexpr int kMostEquations = 10;

// The coefficients Aij and the independent terms Ki as the user typed them: n rows of n + 1
// texts (A i1 .. A in, then Ki). An empty field stands for 0; a field may use the comma or
// the point as decimal mark.
struct LinearSystemForm {
    int size = 3;
    std::vector<std::string> cells = std::vector<std::string>(12);  // row after row

    std::string& cell(int row, int column) {
        return cells[static_cast<std::size_t>(row * (size + 1) + column)];
    }
    const std::string& cell(int row, int column) const {
        return cells[static_cast<std::size_t>(row * (size + 1) + column)];
    }
    bool operator==(const LinearSystemForm&) const = default;
};

// The form for n equations (clamped to 2 .. 10), keeping every field the two sizes share:
// coefficient Aij stays Aij and the term Ki stays Ki; new fields are empty.
LinearSystemForm resizedForm(const LinearSystemForm& form, int n);

// Whether the form has 2 to 10 equations and n·(n + 1) fields.
bool isWellFormed(const LinearSystemForm& form);

// The value of one field, or nothing for a text that is not a number.
std::optional<double> formValue(const std::string& field);

// The first field that is not a number, row and column from 0, or nothing when every field
// reads.
struct FormField {
    int row = 0;
    int column = 0;
};
std::optional<FormField> firstBadField(const LinearSystemForm& form);

// The message for a field that is not a number: "Error: Coeficiente no válido: ecuación 2,
// A23" or "... ecuación 2, K2".
std::string badFieldMessage(const LinearSystemForm& form, FormField field);

// The solution X1 .. Xn, or the message for a form with a field that is not a number and
// for a system without a single solution: a singular matrix or one so close to singular
// (condition number above 1E12) that the solution would be meaningless. The solution is
// improved by two steps of iterative refinement with compensated residuals.
struct LinearSolution {
    MathResult outcome;  // reported or failed, or a value (unused) when x holds the solution
    std::vector<double> x;
};
LinearSolution solveLinearSystem(const LinearSystemForm& form);

// Solves the n × n row-major matrix a against k (the core of solveLinearSystem).
LinearSolution solveLinear(std::vector<double> a, std::vector<double> k, int n);

}  // namespace numeralia::calc
