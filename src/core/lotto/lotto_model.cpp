#include "core/lotto/lotto_model.h"

#include <algorithm>
#include <cmath>

#include "core/lotto/bets.h"
#include "core/lotto/bets_file.h"
#include "core/shell/file_path.h"
#include "core/shell/sounds.h"
#include "core/text/number_text.h"

namespace numeralia::lotto {

namespace {

constexpr const char* kInvalidBet = "Error:  Apuesta No Válida";
constexpr const char* kInvalidCount = "Error:  Número de Apuestas No Válido";
constexpr const char* kLimitWarning =
    "¡ ATENCIÓN !  Ha llegado al límite de las 500 Apuestas Seleccionadas. Si no las salvaguarda "
    "ahora en Fichero, serán eliminadas al realizar una Nueva Apuesta";
constexpr const char* kSelect = "Seleccionar";
constexpr const char* kCloseList = "Cerrar Ventana";
constexpr const char* kFileDescription = "Apuestas de Loto";
// Beyond this many bets a run would never end; a larger answer runs this many.
constexpr double kLongestRun = 1e15;

// The answer of the input box as a number: its leading number, with a comma read as the
// decimal point (so "2,5" is as fractional as "2.5"); text that is no number reads 0.
std::optional<double> answeredCount(std::string answer) {
    std::replace(answer.begin(), answer.end(), ',', '.');
    return text::leadingNumber(answer);
}

std::string fileName(const std::string& utf8Path) {
    return utf8FromPath(pathFromUtf8(utf8Path).filename());
}

}  // namespace

LottoModel::LottoModel(SharedState& state, SoundPlayer& sounds, Dialogs& dialogs,
                       FileDialogs& files)
    : state_(state), sounds_(sounds), dialogs_(dialogs), files_(files), clockRandom_(clockSeed()) {}

bool LottoModel::isMarked(int cell) const {
    return cell >= 0 && cell < kNumbers && marked_[static_cast<std::size_t>(cell)];
}

bool LottoModel::sizeKeyEnabled(int n) const {
    if (n < kSmallestBet || n > kLargestBet) return false;
    return !manual_ || n == 7;
}

std::string LottoModel::sizeKeyCaption(int n) const {
    if (manual_ && n == 7) return "c";
    return std::to_string(n);
}

std::string LottoModel::sizeKeyTip(int n) const {
    if (n == kSmallestBet) return "Obtención de una Apuesta Sencilla (6 Números)";
    if (n == 7 && manual_) return "Borrar Números";
    std::string tip = "Obtención de una Apuesta Múltiple (" + std::to_string(n) + " Números)";
    if (n != 7 || key7TipTrailingBlank_) tip += ' ';
    return tip;
}

// ---- keys and cells ----

void LottoModel::sizeKey(int n) {
    if (running_ || !sizeKeyEnabled(n)) return;
    pressSize(n);
}

void LottoModel::pressSize(int n) {
    if (listVisible_) return;
    if (manual_) {
        clearNumbers();
        return;
    }
    betSize_ = n;
    drawBet();
    updateProbabilities();
}

void LottoModel::clearNumbers() {
    freeCells();
    clearProbabilities();
}

void LottoModel::clickCell(int cell) {
    // The list covers the grid while it is shown.
    if (running_ || !manual_ || listVisible_ || cell < 0 || cell >= kNumbers) return;
    bool& mark = marked_[static_cast<std::size_t>(cell)];
    mark = !mark;
    betSize_ += mark ? 1 : -1;
    if (betSize_ >= kSmallestBet && betSize_ <= kLargestBet)
        updateProbabilities();
    else
        clearProbabilities();
}

void LottoModel::store() {
    if (!running_) pressStore();
}

void LottoModel::pressStore() {
    if (listVisible_) {
        listVisible_ = false;
        storeCaption_ = kSelect;
        return;
    }
    if (manual_) {
        if (betSize_ < kSmallestBet || betSize_ > kLargestBet) {
            soundCue(1);
            dialogs_.error(kMessageTitle, kInvalidBet);
            return;
        }
        composeBet();
    }
    if (currentBet_.empty()) return;
    stored_.push_back(currentBet_);
    const auto count = static_cast<int>(stored_.size());
    counter_ = std::to_string(count);
    if (count == kStoreLimit) {
        soundCue(2);
        dialogs_.warn(kMessageTitle, kLimitWarning);
    } else if (count > kStoreLimit) {
        clearList();
    }
}

void LottoModel::showStoredBets() {
    if (running_) return;
    listVisible_ = true;
    storeCaption_ = kCloseList;
}

void LottoModel::clearStoredBets() {
    if (!running_) clearList();
}

void LottoModel::clearList() {
    listVisible_ = false;
    stored_.clear();
    clearProbabilities();
    counter_ = "0";
    storeCaption_ = kSelect;
    currentBet_.clear();
    freeCells();
}

// ---- modes ----

void LottoModel::randomMode() {
    if (!running_) enterMode(false);
}

void LottoModel::manualMode() {
    if (!running_) enterMode(true);
}

void LottoModel::enterMode(bool manual) {
    clearProbabilities();
    manual_ = manual;
    if (!manual) key7TipTrailingBlank_ = false;
    // With every cell free there is no current bet: storing now stores nothing.
    freeCells();
    currentBet_.clear();
}

void LottoModel::automaticMode() {
    if (running_) return;
    enterMode(false);
    const std::optional<std::string> answer = dialogs_.askText(
        "Simulador Loto - Modo Automático", "¿ Cuantas Apuestas Sencillas deseas realizar ?", "");
    if (!answer || answer->empty()) return;
    const std::optional<double> value = answeredCount(*answer);
    if (!value || *value != std::floor(*value)) {
        soundCue(1);
        dialogs_.error(kMessageTitle, kInvalidCount);
        return;
    }
    runAutomatic(static_cast<long long>(std::min(*value, kLongestRun)));
}

void LottoModel::runAutomatic(long long count) {
    if (count <= 0) return;
    // The list would swallow the first store key; the run starts with it closed.
    listVisible_ = false;
    storeCaption_ = kSelect;
    running_ = true;
    cancelRequested_ = false;
    progressMaximum_ = count;
    progressValue_ = 0;
    for (long long i = 1; i <= count; ++i) {
        pressSize(kSmallestBet);
        pressStore();
        progressValue_ = i;
        if ((pacer_ != nullptr && !pacer_->proceed(*this)) || cancelRequested_) break;
    }
    running_ = false;
    cancelRequested_ = false;
    progressMaximum_ = 0;
    progressValue_ = 0;
}

void LottoModel::cancelAutomatic() {
    if (running_) cancelRequested_ = true;
}

// ---- files, printing and the simulated draw ----

void LottoModel::saveBetsFile() {
    if (running_) return;
    if (stored_.empty()) {
        dialogs_.inform(kMessageTitle, "No hay Apuestas Seleccionadas que guardar.");
        return;
    }
    const auto path =
        files_.saveFile("Guardar Fichero de Apuestas", kFileDescription, kBetsFileExtension);
    if (!path) return;
    const std::string problem = writeBetsFile(pathFromUtf8(*path), stored_);
    if (!problem.empty())
        dialogs_.error(kMessageTitle, "Error:  " + problem + "\n\n" + *path);
}

void LottoModel::openBetsFile() {
    if (running_) return;
    const auto path =
        files_.openFile("Abrir Fichero de Apuestas", kFileDescription, kBetsFileExtension);
    if (!path) return;
    BetsRead read = readBetsFile(pathFromUtf8(*path));
    if (!read.ok()) {
        dialogs_.error(kMessageTitle, "Error:  No se ha cargado el fichero " + fileName(*path) +
                                          ".\n\n" + read.problem);
        return;
    }
    if (!stored_.empty() &&
        !dialogs_.askYesNo(kMessageTitle, "Las " + std::to_string(stored_.size()) +
                                              " Apuestas Seleccionadas de la lista se sustituirán "
                                              "por las " +
                                              std::to_string(read.bets.size()) +
                                              " del fichero.\n\n¿ Desea continuar ?"))
        return;
    stored_ = std::move(read.bets);
    counter_ = std::to_string(stored_.size());
    showStoredBets();
}

bool LottoModel::readyToPrint() {
    if (running_) return false;
    if (!stored_.empty()) return true;
    dialogs_.inform(kMessageTitle, "No hay Apuestas Seleccionadas que imprimir.");
    return false;
}

void LottoModel::simulatedDraw() {
    if (running_) return;
    const Draw draw = drawNumbers(random());
    DrawOutcome outcome;
    for (const std::string& bet : stored_) {
        if (const auto numbers = parseBet(bet)) countBet(*numbers, draw, outcome);
    }
    lastDraw_ = draw;
    lastOutcome_ = outcome;
    dialogs_.inform(kMessageTitle, drawReport(draw, outcome));
}

// ---- the routines the keys share ----

void LottoModel::drawBet() {
    listVisible_ = false;
    storeCaption_ = kSelect;
    marked_.fill(false);
    drawn_.fill(0);
    currentBet_.clear();
    random().draw();  // the first number of every bet is drawn and discarded
    for (int k = 1; k <= betSize_; ++k) {
        int x = 0;
        do {
            x = randomNumber(random());
        } while (marked_[static_cast<std::size_t>(x - 1)]);
        marked_[static_cast<std::size_t>(x - 1)] = true;
        drawn_[static_cast<std::size_t>(k)] = x;
    }
    composeBet();
}

void LottoModel::composeBet() {
    std::vector<int> numbers;
    numbers.reserve(kLargestBet);
    for (int cell = 0; cell < kNumbers; ++cell) {
        if (marked_[static_cast<std::size_t>(cell)]) numbers.push_back(cell + 1);
    }
    currentBet_ = composeBetText(numbers);
}

void LottoModel::updateProbabilities() {
    probabilities_ = probabilityTexts(betSize_);
    information_ = informationText(betSize_);
}

void LottoModel::clearProbabilities() {
    for (std::string& field : probabilities_) field.clear();
    information_.clear();
}

void LottoModel::freeCells() {
    marked_.fill(false);
    betSize_ = 0;
}

void LottoModel::soundCue(int cue) {
    state_.soundCue = static_cast<std::int16_t>(cue);
    playCueSound(state_, sounds_);
}

std::string LottoModel::progressText() const {
    return countText(progressValue_) + " de " + countText(progressMaximum_) + " Apuestas";
}

}  // namespace numeralia::lotto
