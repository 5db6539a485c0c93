// Long random sequences of every key of the Scientific model: after each press every
// display holds a readable number or a message (never "inf" or "nan"), and the key history
// never holds more than 500 entries; a key whose function frame failed leaves its error on
// show. NUMERALIA_PRESSES sets the number of presses; the
// sanitizer build presses more by default.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "core/calc/calculator_model.h"
#include "core/calc/key_catalog.h"
#include "core/calc/random_source.h"
#include "core/calc/statistics_keys.h"
#include "core/shell/platform.h"
#include "core/shell/shared_state.h"

namespace numeralia::calc {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr long kDefaultPresses = 1'500'000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr long kDefaultPresses = 1'500'000;
#else
constexpr long kDefaultPresses = 200'000;
#endif
#else
constexpr long kDefaultPresses = 200'000;
#endif

long pressCount() {
    if (const char* env = std::getenv("NUMERALIA_PRESSES")) {
        const long n = std::strtol(env, nullptr, 10);
        if (n > 0) return n;
    }
    return kDefaultPresses;
}

struct SilentSounds : SoundPlayer {
    void playWave(const std::string&, bool) override {}
};

struct SeededRandom : RandomSource {
    std::mt19937 generator{7};
    double draw() override { return std::uniform_real_distribution<double>(0.0, 1.0)(generator); }
};

// What a display may hold: a number as the calculator writes or types it (comma, exponent,
// a trailing "E" or "E-" while typing, a "." typed into the exponent, the exponential view
// "1,50e+03"), a typed hexadecimal number ("&h1F"), the digits of
// "HEX" or "OCT", degrees typed with "#", the degrees-minutes-seconds text, a VAT rate, or a
// message.
bool readable(const std::string& t) {
    static const std::string number = "-?[0-9]+(,[0-9]*)?([Ee][+-]?[0-9]*(,[0-9]*)?)?";
    static const std::regex shapes(number +               // number, exponential view, typing
                                   "|-?(&h)?[0-9A-F]+" +  // hexadecimal and octal digits
                                   "|" + number + "(#[0-9,E+-]*)+" +  // degrees#minutes#seconds
                                   "|-?[0-9,E+]+°  -?[0-9,E+]+'  -?[0-9]+,[0-9][0-9]''" +  // gms
                                   "|" + number + " %");  // VAT display
    if (t.rfind("Error: ", 0) == 0) return true;
    return std::regex_match(t, shapes);
}

TEST(CalcRandomPresses, DisplaysStayReadableAndTheHistoryBounded) {
    SharedState shared;
    SilentSounds sounds;
    SeededRandom random;
    CalculatorModel model(shared, sounds);
    model.setRandomSource(random);

    std::vector<KeyId> keys;
    std::vector<KeyId> entry;  // number typing is pressed more often, so numbers grow long
    for (const KeyInfo& key : allKeys()) {
        if (!model.hasKey(key.id)) continue;
        keys.push_back(key.id);
        if (key.id <= KeyId::digit9 || key.id == KeyId::decimalPoint || key.id == KeyId::exponent ||
            key.id == KeyId::changeSign ||
            (key.id >= KeyId::hexDigitA && key.id <= KeyId::hexDigitF))
            entry.push_back(key.id);
    }
    ASSERT_GT(keys.size(), 100u);

    std::mt19937 pick(20261206);
    std::uniform_int_distribution<std::size_t> anyKey(0, keys.size() - 1);
    std::uniform_int_distribution<std::size_t> entryKey(0, entry.size() - 1);
    std::bernoulli_distribution typing(0.45);
    const long presses = pressCount();
    std::vector<KeyId> recent;
    for (long i = 0; i < presses; ++i) {
        const KeyId id = typing(pick) ? entry[entryKey(pick)] : keys[anyKey(pick)];
        recent.push_back(id);
        if (recent.size() > 12) recent.erase(recent.begin());
        model.press(id);
        const CalculatorState& s = model.state();
        const std::string* shown[] = {&s.numero,      &s.result,      &s.memories[0],
                                      &s.memories[1], &s.memories[2], &s.memories[3],
                                      &s.ivas};
        for (const std::string* text : shown) {
            if (!readable(*text)) {
                std::string last;
                for (KeyId k : recent) last += std::string(keyInfo(k).name) + " ";
                FAIL() << "press " << i << ": display \"" << *text << "\" after " << last;
            }
        }
        ASSERT_LE(s.history.size(), kHistoryLimit) << "press " << i;
        // The statistics: lists, counts, data displays and count display tell the same data.
        const StatisticsDisplays& st = s.statistics;
        if (st.dataX.size() != static_cast<std::size_t>(shared.statCountX) ||
            st.dataY.size() != static_cast<std::size_t>(shared.statCountY) ||
            statDataX(shared).size() != st.dataX.size() ||
            statDataY(shared).size() != st.dataY.size() || shared.statCountX > kStatCapacity ||
            shared.statCountY > kStatCapacity ||
            st.num != std::to_string(std::max(st.dataX.size(), st.dataY.size())) ||
            (!st.dataX.empty() && st.dataX.back() != statLine(shared.statCountX,
                                                                statDataX(shared).back()))) {
            FAIL() << "press " << i << ": statistics out of step (" << shared.statCountX << ", "
                   << shared.statCountY << ", " << st.num << ")";
        }
        // A key whose function frame took an error path leaves its message and face on show.
        if (model.lastFrameOutcome() != CalculatorModel::Outcome::Done &&
            !(s.result.starts_with("Error: ") && s.picture != ErrorPicture::Normal &&
              s.errorKind == kErrorShown)) {
            std::string last;
            for (KeyId k : recent) last += std::string(keyInfo(k).name) + " ";
            FAIL() << "press " << i << ": error not on show (\"" << s.result << "\") after " << last;
        }
    }
}

TEST(CalcRandomPresses, ReadableShapes) {
    for (const char* good :
         {"0", "-12,5", "1,5E+20", "5E", "5E-", "&h1F", "-FF", "12#30#", "12°  30'  0,00''", "16 %",
          "Error: Parada crítica", "7E308", "1,E-6", "5,00e-02"}) {
        EXPECT_TRUE(readable(good)) << good;
    }
    for (const char* bad : {"inf", "-nan", "1,#INF", "", "NaN", "1.5", "Infinity"}) {
        EXPECT_FALSE(readable(bad)) << bad;
    }
}

}  // namespace
}  // namespace numeralia::calc
