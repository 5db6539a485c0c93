#include "keys/alarm_adapter.h"
#include "keys/bank_adapter.h"
#include "keys/calculator_adapter.h"
#include "keys/converter_adapter.h"
#include "keys/lottery_adapter.h"
#include "keys/periodic_adapter.h"
#include "keys/preferences_adapter.h"
#include "keys/window_adapter.h"

namespace numeralia::keys {

const std::vector<AdapterEntry>& adapters() {
    static const std::vector<AdapterEntry> list = {
        {"scientific",
         [](SharedState& s, SoundPlayer& p) -> std::unique_ptr<WindowAdapter> {
             return std::make_unique<CalculatorAdapter>(s, p, calc::CalculatorKind::Scientific);
         }},
        {"normal",
         [](SharedState& s, SoundPlayer& p) -> std::unique_ptr<WindowAdapter> {
             return std::make_unique<CalculatorAdapter>(s, p, calc::CalculatorKind::Normal);
         }},
        {"preferences",
         [](SharedState& s, SoundPlayer&) -> std::unique_ptr<WindowAdapter> {
             return std::make_unique<PreferencesAdapter>(s);
         }},
        {"converter",
         [](SharedState& s, SoundPlayer&) -> std::unique_ptr<WindowAdapter> {
             return std::make_unique<ConverterAdapter>(s);
         }},
        {"bank",
         [](SharedState& s, SoundPlayer& p) -> std::unique_ptr<WindowAdapter> {
             return std::make_unique<BankAdapter>(s, p);
         }},
        {"alarm",
         [](SharedState& s, SoundPlayer& p) -> std::unique_ptr<WindowAdapter> {
             return std::make_unique<AlarmAdapter>(s, p);
         }},
        {"lottery",
         [](SharedState& s, SoundPlayer& p) -> std::unique_ptr<WindowAdapter> {
             return std::make_unique<LotteryAdapter>(s, p);
         }},
        {"periodic",
         [](SharedState& s, SoundPlayer&) -> std::unique_ptr<WindowAdapter> {
             return std::make_unique<PeriodicAdapter>(s);
         }},
    };
    return list;
}

const AdapterEntry* findAdapter(std::string_view name) {
    for (const AdapterEntry& entry : adapters()) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

bool skippedLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos || line.starts_with("//");
}

}  // namespace numeralia::keys
