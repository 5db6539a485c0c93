// Shows a dialog of the equation solvers on its own, for looking at it (screenshots):
//   solver_dialogs_app system [N]     the "S.Ec" grid with N equations (3 by default)
//   solver_dialogs_app temperature    the choice of "Tem"
// The answer is printed on standard output when the dialog closes.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>

#include "app/calc/qt_solver_dialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    numeralia::app::QtSolverDialogs dialogs(nullptr);
    const std::string which = argc > 1 ? argv[1] : "system";
    if (which == "temperature") {
        numeralia::calc::ChoiceQuestion question{
            "Numeralia - Conversor de Temperaturas", "Temperatura 25: elija la conversión",
            {"Celsius (°C)  →  Kelvin (K)", "Kelvin (K)  →  Celsius (°C)",
             "Celsius (°C)  →  Fahrenheit (°F)", "Fahrenheit (°F)  →  Celsius (°C)",
             "Fahrenheit (°F)  →  Kelvin (K)", "Kelvin (K)  →  Fahrenheit (°F)"},
            2};
        const auto choice = dialogs.askChoice(question);
        std::printf("%s\n", choice ? std::to_string(*choice).c_str() : "cancelled");
        return 0;
    }
    const int n = argc > 2 ? std::stoi(argv[2]) : 3;
    numeralia::calc::LinearSystemForm form = numeralia::calc::resizedForm({}, n);
    const char* example[] = {"2", "1", "-1", "8", "-3", "-1", "2", "-11", "-2", "1", "2", "-3"};
    for (int r = 0; r < std::min(n, 3); ++r) {
        for (int c = 0; c < 3; ++c) form.cell(r, c) = example[r * 4 + c];
        form.cell(r, n) = example[r * 4 + 3];
    }
    const auto answer = dialogs.askLinearSystem("Numeralia - Sistema de Ecuaciones Lineales", form);
    std::printf("%s\n", answer ? "accepted" : "cancelled");
    return 0;
}
