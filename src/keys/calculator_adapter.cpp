#include "keys/calculator_adapter.h"

#include <charconv>

#include "core/calc/key_catalog.h"
#include "core/calc/keyboard_tables.h"
#include "core/calc/scientific_keys.h"
#include "core/calc/statistics_keys.h"
#include "core/calc/statistics_menu.h"
#include "core/text/utf8.h"

namespace numeralia::keys {

namespace {

using calc::KeyId;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

const char* pictureName(calc::ErrorPicture picture) {
    switch (picture) {
        case calc::ErrorPicture::Critical:
            return "critical";
        case calc::ErrorPicture::FunctionError:
            return "functionError";
        default:
            return "normal";
    }
}

}  // namespace

CalculatorAdapter::CalculatorAdapter(SharedState& shared, SoundPlayer& sounds,
                                     calc::CalculatorKind kind)
    : shared_(shared), sounds_(sounds) {
    openModel(kind);
}

void CalculatorAdapter::openModel(calc::CalculatorKind kind) {
    model_.emplace(shared_, sounds_, kind);
    model_->setSolverDialogs(solverScript_);
}

std::string CalculatorAdapter::perform(std::string_view line) {
    if (line.starts_with("type:")) return type(line.substr(5));
    if (line.starts_with("keydown:")) return keyDown(line.substr(8));
    if (line.starts_with("select:")) return select(line.substr(7));
    if (line.starts_with("menu:")) return menu(line.substr(5));
    if (line.starts_with("open:") || line.starts_with("save:")) return statisticsFile(line);
    if (line == "answer:yes" || line == "answer:no") {
        dialogs_.answer = line == "answer:yes";
        return {};
    }
    if (line.starts_with("paste:")) {
        model_->paste(line.substr(6));
        return {};
    }
    if (SolverScript::handles(line)) return solverScript_.perform(line);
    return pressKey(line);
}

std::string CalculatorAdapter::pressKey(std::string_view line) {
    if (const auto id = calc::keyByName(line); id && model_->hasKey(*id)) {
        model_->press(*id);
        return {};
    }
    std::vector<KeyId> found;
    for (const calc::KeyInfo& key : calc::allKeys()) {
        if (model_->hasKey(key.id) && trimmed(calc::keyCaption(model_->kind(), key.id)) == trimmed(line))
            found.push_back(key.id);
    }
    if (found.size() == 1) {
        model_->press(found.front());
        return {};
    }
    if (found.empty()) return "no key with the id or caption \"" + std::string(line) + "\"";
    std::string names;
    for (KeyId id : found) names += " " + std::string(calc::keyInfo(id).name);
    return "the caption \"" + std::string(line) + "\" names several keys:" + names;
}

std::string CalculatorAdapter::type(std::string_view text) {
    const calc::KeyboardTables& tables = calc::keyboardTables(model_->kind());
    for (char32_t c : text::codePoints(text)) {
        const bool hexadecimal = calc::isHexadecimalMode(model_->state());
        if (const auto id = calc::matchCharacter(tables, c, hexadecimal)) model_->typeKey(*id);
    }
    return {};
}

std::string CalculatorAdapter::keyDown(std::string_view chord) {
    const std::size_t plus = chord.find('+', 1);
    const std::string_view name = chord.substr(0, plus);
    int shift = 0;
    for (std::size_t at = plus; at != std::string_view::npos;) {
        const std::size_t next = chord.find('+', at + 1);
        const std::string_view modifier = chord.substr(at + 1, next - at - 1);
        if (modifier == "shift") {
            shift |= calc::kShiftBit;
        } else if (modifier == "ctrl") {
            shift |= calc::kCtrlBit;
        } else if (modifier == "alt") {
            shift |= calc::kAltBit;
        } else {
            return "unknown modifier \"" + std::string(modifier) + "\" (shift, ctrl, alt)";
        }
        at = next;
    }
    const auto code = calc::keyCodeByName(name);
    if (!code) return "unknown key name \"" + std::string(name) + "\"";
    const calc::KeyboardTables& tables = calc::keyboardTables(model_->kind());
    if (const auto id = calc::matchKeyDown(tables, *code, shift)) {
        model_->typeKey(*id);
    } else if (*code == calc::kVkBackspace) {
        // Backspace also types character 8.
        if (const auto typed = calc::matchCharacter(tables, U'\b')) model_->typeKey(*typed);
    }
    return {};
}

std::string CalculatorAdapter::select(std::string_view index) {
    std::size_t n = 0;
    const auto [end, error] = std::from_chars(index.data(), index.data() + index.size(), n);
    if (error != std::errc{} || end != index.data() + index.size()) {
        return "select: needs an entry number, got \"" + std::string(index) + "\"";
    }
    model_->selectHistoryEntry(n);
    return {};
}

std::string CalculatorAdapter::menu(std::string_view entry) {
    calc::CalculatorKind chosen = calc::CalculatorKind::Scientific;
    if (entry == "Normal") {
        chosen = calc::CalculatorKind::Normal;
    } else if (entry != "Científica") {
        return "no menu entry \"" + std::string(entry) + "\" (Normal, Científica)";
    }
    if (calc::chooseModel(shared_, model_->kind(), chosen)) openModel(chosen);
    return {};
}

void CalculatorAdapter::writeState(JsonObject& json) const {
    const calc::CalculatorState& s = model_->state();
    const bool scientific = model_->kind() == calc::CalculatorKind::Scientific;
    json.text("calculator", scientific ? "scientific" : "normal");
    json.text("numero", s.numero);
    json.text("result", s.result);
    json.text("func", s.func);
    if (scientific) {  // the Normal model has no decimals, angle or number-mode displays
        json.text("dcm", s.dcm);
        json.text("angulo", s.angulo);
        json.text("hyperbolic", s.hyperbolic);
        json.text("numberMode", calc::isHexadecimalMode(s) ? "Hexadecimal" : "Decimal");
    }
    json.integer("errorKind", s.errorKind);
    json.text("picture", pictureName(s.picture));
    json.text("pendingOperator", s.pendingOperator);
    json.optionalText("accumulator", s.accumulator);
    json.integer("entryFlag", s.entryFlag);
    json.text("displayPattern", s.displayPattern);
    json.text("ivas", s.ivas);
    const std::size_t memories = scientific ? s.memories.size() : 3;  // M4: Scientific only
    for (std::size_t i = 0; i < memories; ++i) {
        json.text("m" + std::to_string(i + 1), s.memories[i]);
    }
    json.textArray("history", s.history);
    json.boolean("historyVisible", s.historyVisible);
    if (scientific) {
        writeStatistics(json);
        solverScript_.writeState(s, json);
    }
}

void CalculatorAdapter::writeStatistics(JsonObject& json) const {
    const calc::StatisticsDisplays& st = model_->state().statistics;
    const SharedState& shared = model_->shared();
    json.integer("statCountX", shared.statCountX);
    json.integer("statCountY", shared.statCountY);
    const auto numbers = [](calc::StatData data) {
        std::string out = "[";
        for (double v : data) out += (out.size() > 1 ? "," : "") + JsonObject::numberText(v);
        return out + "]";
    };
    json.raw("statDataX", numbers(calc::statDataX(shared)));
    json.raw("statDataY", numbers(calc::statDataY(shared)));
    json.textArray("dataX", st.dataX);
    json.textArray("dataY", st.dataY);
    json.text("num", st.num);
    json.number("statSumX", st.statSumX);
    json.number("statSumX2", st.statSumX2);
    json.number("statSumY", st.statSumY);
    json.number("statSumY2", st.statSumY2);
    json.textArray("messages", dialogs_.messages);
    json.textArray("questions", dialogs_.questions);
}

std::string CalculatorAdapter::statisticsFile(std::string_view line) {
    if (model_->kind() != calc::CalculatorKind::Scientific)
        return "the Normal model has no statistics files";
    const bool open = line.starts_with("open:");
    files_.paths = {std::string(line.substr(5))};
    if (open) {
        calc::openStatisticsFile(*model_, dialogs_, files_);
    } else {
        calc::saveStatisticsFile(model_->shared(), dialogs_, files_);
    }
    files_.paths.clear();
    return {};
}

}  // namespace numeralia::keys
