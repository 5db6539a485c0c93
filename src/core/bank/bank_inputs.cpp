#include "core/bank/bank_inputs.h"

#include <cmath>

#include "core/text/number_text.h"

namespace numeralia::bank {

namespace {

std::string line(std::string_view name, std::string_view problem) {
    return "\xE2\x80\xA2 " + std::string(name) + ": " + std::string(problem);
}

}  // namespace

std::optional<double> readEntry(std::string_view entry) {
    bool hasDigit = false;
    for (char c : entry) hasDigit = hasDigit || (c >= '0' && c <= '9');
    if (!hasDigit) return std::nullopt;
    // The keypad types a point for the decimal mark; number texts use the comma.
    std::string text(entry);
    for (char& c : text) {
        if (c == '.') c = ',';
    }
    if (text.back() == ',') text.pop_back();
    if (text.front() == ',') text.insert(text.begin(), '0');
    return text::parseNumber(text);
}

std::optional<double> readRequired(std::string_view field, std::string_view name,
                                   std::vector<std::string>& problems) {
    if (field.empty()) {
        problems.push_back(line(name, "falta el dato."));
        return std::nullopt;
    }
    const std::optional<double> value = text::parseNumber(field);
    if (!value || !std::isfinite(*value)) {
        problems.push_back(line(name, "\"" + std::string(field) + "\" no es un número."));
        return std::nullopt;
    }
    if (*value < 0) {
        problems.push_back(line(name, "no puede ser negativo."));
        return std::nullopt;
    }
    return value;
}

std::optional<double> readOptional(std::string_view field, std::string_view name,
                                   std::vector<std::string>& problems) {
    if (field.empty()) return 0.0;
    return readRequired(field, name, problems);
}

std::optional<float> readMonths(std::string_view field, bool inMonths, int maxMonths,
                                std::vector<std::string>& problems) {
    constexpr std::string_view name = "Tiempo";
    const std::optional<double> value = readRequired(field, name, problems);
    if (!value) return std::nullopt;
    const float months = static_cast<float>(inMonths ? *value : 12.0 * *value);
    if (months <= 0.0f) {
        problems.push_back(line(name, "el plazo debe ser mayor que 0."));
        return std::nullopt;
    }
    if (months > static_cast<float>(maxMonths)) {
        problems.push_back(line(
            name, "el plazo no puede pasar de " + text::formatPattern(maxMonths, "###,###,##0") +
                      " meses (" + text::formatPattern(maxMonths / 12, "###,###,##0") + " años)."));
        return std::nullopt;
    }
    if (months != std::floor(months)) {
        problems.push_back(line(name, "el plazo debe ser un número entero de meses (" +
                                          text::singleText(months) + " meses)."));
        return std::nullopt;
    }
    return months;
}

float monthlyRateOf(double yearlyPercent) { return static_cast<float>(yearlyPercent / 1200.0); }

std::string problemsMessage(const std::vector<std::string>& problems, bool withSavings) {
    std::string message = "No se puede calcular con estos datos:\n";
    for (const std::string& problem : problems) message += "\n" + problem;
    message +=
        "\n\nEscriba cada dato en el visor y asígnelo con su tecla: Capital  Base (F1), "
        "Interés (%) (F2), Tiempo (F3)";
    message += withSavings ? ", Aport. Mensual (F4), Incr. Anual (%) (F5)." : ".";
    return message;
}

}  // namespace numeralia::bank
