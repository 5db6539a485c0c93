#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/calc/calculator_state.h"
#include "core/desk/clock.h"
#include "core/desk/time_text.h"
#include "core/shell/settings_line.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/printable.h"
#include "fuzz/settings_compare.h"
#include "keys/calculator_adapter.h"
#include "keys/window_adapter.h"

namespace numeralia::fuzz {

namespace {

namespace fs = std::filesystem;

struct SilentSounds : SoundPlayer {
    void playWave(const std::string&, bool) override {}
};

bool isWordByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return std::isalpha(b) || b >= 0x80;
}

// Whether a text shows "inf", "infinity" or "nan" as a word of its own (any case), as a
// number that escaped its checks would be written; words such as "Información" or
// "Nanómetros" do not count.
bool showsNonNumber(std::string_view text) {
    for (std::size_t begin = 0; begin < text.size();) {
        while (begin < text.size() && !isWordByte(text[begin])) ++begin;
        std::size_t end = begin;
        while (end < text.size() && isWordByte(text[end])) ++end;
        std::string word;
        for (std::size_t i = begin; i < end; ++i)
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        if (word == "inf" || word == "infinity" || word == "nan") return true;
        begin = end;
    }
    return false;
}

// After every line in a calculator window: readable displays, a bounded key history.
std::string checkCalculator(const keys::WindowAdapter& adapter) {
    const auto* calculator = dynamic_cast<const keys::CalculatorAdapter*>(&adapter);
    if (calculator == nullptr) return {};
    const calc::CalculatorState& s = calculator->model().state();
    if (s.history.size() > calc::kHistoryLimit)
        return "the key history holds " + std::to_string(s.history.size()) + " entries";
    for (const std::string* shown : {&s.numero, &s.result, &s.func, &s.dcm, &s.ivas}) {
        if (showsNonNumber(*shown)) return "a display shows " + printable(*shown);
    }
    for (const std::string& memory : s.memories) {
        if (showsNonNumber(memory)) return "a memory display shows " + printable(memory);
    }
    if (s.accumulator && showsNonNumber(*s.accumulator))
        return "the accumulator holds " + printable(*s.accumulator);
    return {};
}

// The members of a one-line JSON object as the driver writes it: each name with the text
// of its value (a string, an array, an object or a literal).
std::vector<std::pair<std::string, std::string_view>> members(std::string_view json) {
    std::vector<std::pair<std::string, std::string_view>> out;
    std::size_t i = 1;  // after "{"
    auto skipString = [&](std::size_t at) {  // at: the opening quote; returns after the closing one
        for (++at; at < json.size() && json[at] != '"'; ++at) at += json[at] == '\\';
        return at + 1;
    };
    while (i < json.size() && json[i] == '"') {
        const std::size_t nameEnd = skipString(i);
        std::string name(json.substr(i + 1, nameEnd - i - 2));
        std::size_t end = nameEnd + 1;  // after ":"
        int depth = 0;
        while (end < json.size() && (depth > 0 || (json[end] != ',' && json[end] != '}'))) {
            if (json[end] == '"') {
                end = skipString(end);
                continue;
            }
            depth += json[end] == '[' || json[end] == '{';
            depth -= json[end] == ']' || json[end] == '}';
            ++end;
        }
        out.emplace_back(std::move(name), json.substr(nameEnd + 1, end - nameEnd - 1));
        i = end + 1;
    }
    return out;
}

// The simulated time an Alarm script lets run second by second ("advance:53d" is 4.6 million
// seconds of the window). A script gets two days of it, enough for an alarm today and
// tomorrow; lines beyond are skipped, so that a script never runs for minutes.
constexpr desk::Instant kAlarmRunBudget = 2 * 24 * 60 * desk::kMinute;

desk::Instant alarmRunTime(std::string_view line) {
    if (!line.starts_with("advance:")) return 0;
    const auto span = desk::parseSpan(line.substr(8));
    return span && *span > 0 ? *span : 0;
}

// What a window must hold after every line, and which fields of its state show what the
// user typed (whatever that is: "NaN" is sodium nitride). After the last line no other
// field of the state may show an infinity or a NaN. A window whose lines may take long
// tells how much each costs and how much a script may spend.
using WindowCheck = std::string (*)(const keys::WindowAdapter&);
struct WindowRule {
    std::string_view window;
    WindowCheck eachLine;
    std::vector<std::string_view> typedFields;
    std::int64_t (*cost)(std::string_view line) = nullptr;
    std::int64_t budget = 0;
};

std::string nothingMore(const keys::WindowAdapter&) { return {}; }

const std::vector<WindowRule>& windowRules() {
    static const std::vector<WindowRule> rules = {
        {"scientific", checkCalculator, {}},
        {"normal", checkCalculator, {}},
        {"preferences", nothingMore, {"Text1", "Text2", "valor", "Label1", "Label2"}},
        {"periodic", nothingMore, {"formulaEscrita", "formulaError"}},
        {"alarm", nothingMore, {}, alarmRunTime, kAlarmRunBudget},
    };
    return rules;
}

WindowRule ruleFor(std::string_view window) {
    for (const WindowRule& rule : windowRules()) {
        if (rule.window == window) return rule;
    }
    return {window, nothingMore, {}};
}

std::string checkShownState(const keys::WindowAdapter& adapter, const WindowRule& rule) {
    keys::JsonObject json;
    adapter.writeState(json);
    const std::string text = json.str();
    for (const auto& [name, value] : members(text)) {
        if (std::find(rule.typedFields.begin(), rule.typedFields.end(), name) != rule.typedFields.end()) continue;
        if (showsNonNumber(value)) return "\"" + name + "\" shows " + printable(value);
    }
    return {};
}

// Script lines that name a file ("open:PATH", "save:PATH", "file:PATH"). Whatever path such
// a line gives, the file is one of a scratch folder of the run, emptied before every script,
// so that no script reads or writes anywhere else and each runs alike. Files are named
// "file1", "file2", ... in the order their names first come, so that no name shows up in a
// message of the state ("nan.DAT" would be taken for a NaN).
constexpr std::string_view kFileLines[] = {"open:", "save:", "file:"};

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() / ("numeralia-fuzz-" + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    void empty() {
        std::error_code ignored;
        for (const fs::directory_entry& entry : fs::directory_iterator(path_, ignored))
            fs::remove_all(entry.path(), ignored);
        names_.clear();
    }
    // The line with its path replaced by the scratch file that stands for it.
    std::string confined(std::string_view prefix, std::string_view path) {
        auto known = std::find(names_.begin(), names_.end(), path);
        if (known == names_.end()) known = names_.insert(names_.end(), std::string(path));
        const auto index = std::distance(names_.begin(), known) + 1;
        return std::string(prefix) + (path_ / ("file" + std::to_string(index))).string();
    }

private:
    fs::path path_;
    std::vector<std::string> names_;
};

ScratchFolder& scratch() {
    static ScratchFolder folder;
    return folder;
}

// The value of a "// NAME: value" line at the head of the script, or empty.
std::string_view header(std::string_view script, std::string_view name) {
    const std::string prefix = "// " + std::string(name) + ": ";
    for (std::size_t at = 0; at < script.size();) {
        std::size_t end = script.find('\n', at);
        if (end == std::string_view::npos) end = script.size();
        std::string_view line = script.substr(at, end - at);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!line.starts_with("//")) break;
        if (line.starts_with(prefix)) return line.substr(prefix.size());
        at = end + 1;
    }
    return {};
}

// The value given to an option ("--window", "--seed") on a "// args:" line, or empty.
std::string_view argument(std::string_view script, std::string_view option) {
    std::string_view args = header(script, "args");
    bool next = false;
    while (!args.empty()) {
        const std::size_t blank = args.find(' ');
        const std::string_view word = args.substr(0, blank);
        if (next && !word.empty()) return word;
        next = next || word == option;
        args = blank == std::string_view::npos ? std::string_view() : args.substr(blank + 1);
    }
    return {};
}

}  // namespace

std::string checkKeysScript(std::string_view input) {
    std::string_view window = header(input, "window");
    if (window.empty()) window = argument(input, "--window");
    const keys::AdapterEntry* entry = keys::findAdapter(window);
    if (entry == nullptr) entry = &keys::adapters().front();
    const WindowRule rule = ruleFor(entry->name);

    scratch().empty();
    SharedState shared;
    if (header(input, "sounds") == "on") shared.soundOn = 1;
    SilentSounds sounds;
    const std::unique_ptr<keys::WindowAdapter> adapter = entry->make(shared, sounds);
    // Random numbers from a seed, so that a finding comes back when its script runs again.
    const std::string_view seedText = argument(input, "--seed");
    std::uint64_t seed = 1;
    std::from_chars(seedText.data(), seedText.data() + seedText.size(), seed);
    adapter->setSeed(seed);

    // Every line is performed (but those beyond the window's budget); one the window does
    // not understand changes nothing.
    int number = 0;
    std::int64_t spent = 0;
    for (std::size_t at = 0; at < input.size();) {
        std::size_t end = input.find('\n', at);
        if (end == std::string_view::npos) end = input.size();
        std::string_view line = input.substr(at, end - at);
        at = end + 1;
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (keys::skippedLine(line)) continue;
        if (rule.cost) {
            const std::int64_t cost = rule.cost(line);
            if (spent + cost > rule.budget) continue;
            spent += cost;
        }
        std::string performed(line);
        for (std::string_view prefix : kFileLines) {
            if (line.starts_with(prefix)) performed = scratch().confined(prefix, line.substr(prefix.size()));
        }
        adapter->perform(performed);
        if (std::string f = rule.eachLine(*adapter); !f.empty())
            return std::string(entry->name) + ", after line " + std::to_string(number) + " " +
                   printable(line) + ": " + f;
    }
    if (std::string f = checkShownState(*adapter, rule); !f.empty()) return std::string(entry->name) + ": " + f;

    // The shared state the window leaves is saved and loaded again unchanged.
    const std::string line = encodeSettingsLine(shared);
    SharedState loaded;
    if (const int n = decodeSettingsLine(line, loaded); n != kSettingsFieldCount)
        return "only " + std::to_string(n) + " fields of the settings line " + printable(line) + " read back";
    if (const std::string f = differingField(shared, loaded); !f.empty())
        return std::string(entry->name) + " leaves a " + f + " that the settings file does not keep: " + printable(line);
    return {};
}

}  // namespace numeralia::fuzz
