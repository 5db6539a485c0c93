#include "keys/solver_script.h"

#include <charconv>

#include "core/calc/temperature.h"

namespace numeralia::keys {

namespace {

using calc::LinearSystemForm;

std::optional<calc::TemperatureScale> scaleByLetter(char c) {
    switch (c) {
        case 'K':
        case 'k':
            return calc::TemperatureScale::Kelvin;
        case 'C':
        case 'c':
            return calc::TemperatureScale::Celsius;
        case 'F':
        case 'f':
            return calc::TemperatureScale::Fahrenheit;
        default:
            return std::nullopt;
    }
}

std::vector<std::string> cellsOf(std::string_view text) {
    std::vector<std::string> cells;
    std::string cell;
    for (char c : text) {
        if (c == ' ' || c == ';') {
            if (!cell.empty()) cells.push_back(cell);
            cell.clear();
        } else {
            cell += c;
        }
    }
    if (!cell.empty()) cells.push_back(cell);
    return cells;
}

const char* entryName(calc::SolverEntry entry) {
    switch (entry) {
        case calc::SolverEntry::Quadratic:
            return "abc";
        case calc::SolverEntry::Division:
            return "Div";
        default:
            return "";
    }
}

}  // namespace

bool SolverScript::handles(std::string_view line) {
    return line.starts_with("sec:") || line.starts_with("tem:");
}

std::string SolverScript::perform(std::string_view line) {
    if (line.starts_with("sec:")) return performSystem(line.substr(4));
    return performTemperature(line.substr(4));
}

std::string SolverScript::performSystem(std::string_view rest) {
    if (rest == "cancel") {
        systems_.push_back({true, 0, {}});
        return {};
    }
    if (rest.starts_with("row:")) {
        if (systems_.empty() || systems_.back().cancel) systems_.push_back({});
        SystemAnswer& answer = systems_.back();
        const std::vector<std::string> cells = cellsOf(rest.substr(4));
        if (answer.size > 0 && cells.size() != static_cast<std::size_t>(answer.size + 1)) {
            return "sec:row: needs " + std::to_string(answer.size + 1) + " cells, got " +
                   std::to_string(cells.size());
        }
        if (answer.size > 0 && answer.rows.size() == static_cast<std::size_t>(answer.size))
            return "sec:row: all " + std::to_string(answer.size) + " rows are given already";
        answer.rows.push_back(cells);
        return {};
    }
    int n = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), n);
    if (error != std::errc{} || end != rest.data() + rest.size() || n < calc::kFewestEquations ||
        n > calc::kMostEquations) {
        return "sec: needs a number of equations from 2 to 10, row:CELLS or cancel; got \"" +
               std::string(rest) + "\"";
    }
    systems_.push_back({false, n, {}});
    return {};
}

std::string SolverScript::performTemperature(std::string_view rest) {
    if (rest == "cancel") {
        choices_.push_back(std::nullopt);
        return {};
    }
    const auto conversions = calc::temperatureConversions();
    if (rest.size() == 2) {
        const auto from = scaleByLetter(rest[0]), to = scaleByLetter(rest[1]);
        for (std::size_t i = 0; from && to && i < conversions.size(); ++i) {
            if (conversions[i].from == *from && conversions[i].to == *to) {
                choices_.push_back(i);
                return {};
            }
        }
    }
    return "tem: needs two different scales of K, C and F (tem:CK) or cancel; got \"" +
           std::string(rest) + "\"";
}

std::optional<std::size_t> SolverScript::askChoice(const calc::ChoiceQuestion& question) {
    questions_.push_back(question.title + ": " + question.prompt);
    if (choices_.empty()) return question.initial;
    const std::optional<std::size_t> choice = choices_.front();
    choices_.pop_front();
    return choice;
}

std::optional<LinearSystemForm> SolverScript::askLinearSystem(const std::string& title,
                                                              const LinearSystemForm& initial) {
    questions_.push_back(title);
    if (systems_.empty()) return initial;
    const SystemAnswer answer = systems_.front();
    systems_.pop_front();
    if (answer.cancel) return std::nullopt;
    LinearSystemForm form =
        calc::resizedForm(initial, answer.size > 0 ? answer.size : initial.size);
    for (std::size_t r = 0; r < answer.rows.size() && r < static_cast<std::size_t>(form.size);
         ++r) {
        const std::vector<std::string>& cells = answer.rows[r];
        for (std::size_t c = 0; c < cells.size() && c <= static_cast<std::size_t>(form.size); ++c)
            form.cell(static_cast<int>(r), static_cast<int>(c)) = cells[c];
    }
    return form;
}

void SolverScript::writeState(const calc::CalculatorState& state, JsonObject& json) const {
    const calc::SolverState& v = state.solver;
    JsonObject blue;
    blue.boolean("visible", v.blue.visible);
    blue.textArray("rectangular", v.blue.rectangular);
    blue.textArray("polar", v.blue.polar);
    json.raw("blueDisplay", blue.str());
    json.integer("complexStep", v.complexStep);
    // The second operands of the conversion are never stored: "complexY" and "complexAngle"
    // stay in the state, always null, so that scripts reading it keep their keys.
    json.optionalText("complexX", v.complexX);
    json.null("complexY");
    json.optionalText("complexModulus", v.complexModulus);
    json.null("complexAngle");
    json.text("solverEntry", entryName(v.entry));
    std::string operands = "[";
    for (std::size_t i = 0; i < v.operands.size(); ++i)
        operands += (i ? "," : "") + JsonObject::numberText(v.operands[i]);
    json.raw("solverOperands", operands + "]");
    JsonObject system;
    system.integer("size", v.lastSystem.size);
    system.textArray("cells", v.lastSystem.cells);
    json.raw("linearSystem", system.str());
    json.textArray("solverQuestions", questions_);
}

}  // namespace numeralia::keys
