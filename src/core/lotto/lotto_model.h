#pragma once
// The Lottery simulator window: a grid of 49 numbers, random bets of 6 to 11 numbers drawn
// with the size keys or marked by hand, the probabilities of 6, 5, 4 and 3 hits, a list of
// up to 500 stored bets with its file and an automatic mode that draws many simple bets.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/lotto/bets.h"
#include "core/lotto/combinations.h"
#include "core/lotto/simulated_draw.h"
#include "core/shell/platform.h"
#include "core/shell/random_source.h"
#include "core/shell/shared_state.h"

namespace numeralia::lotto {

inline const std::string kMessageTitle = "Numeralia - Simulador Loto";

class LottoModel;

// What an automatic run does between two bets: the window repaints itself now and then and
// lets the user press "Cancelar".
class AutomaticPacer {
  public:
    virtual ~AutomaticPacer() = default;
    // Called after every bet of the run; false stops the run there.
    virtual bool proceed(const LottoModel& model) = 0;
};

class LottoModel {
  public:
    // The random source is seeded from the clock; setRandomSource replaces it.
    LottoModel(SharedState& state, SoundPlayer& sounds, Dialogs& dialogs, FileDialogs& files);

    void setRandomSource(RandomSource& source) { random_ = &source; }
    void setPacer(AutomaticPacer* pacer) { pacer_ = pacer; }

    // ---- What the window shows ----
    // Cells 0 to 48 show the numbers 1 to 49, seven to a column.
    bool isMarked(int cell) const;
    int betSize() const { return betSize_; }
    // The numbers drawn for the current random bet, in the order drawn (slots 1 to bet size).
    const std::array<int, 12>& drawnNumbers() const { return drawn_; }
    const std::string& currentBet() const { return currentBet_; }
    const std::array<std::string, 4>& probabilities() const { return probabilities_; }
    const std::string& information() const { return information_; }
    const std::string& counter() const { return counter_; }
    const std::vector<std::string>& storedBets() const { return stored_; }
    bool listVisible() const { return listVisible_; }
    const std::string& storeCaption() const { return storeCaption_; }
    bool isManual() const { return manual_; }
    // Size keys n = 6 to 11; in manual mode only "7" is enabled, as the clear key "c".
    bool sizeKeyEnabled(int n) const;
    std::string sizeKeyCaption(int n) const;
    std::string sizeKeyTip(int n) const;
    // The speaker picture, checked each time the window becomes active.
    bool soundPictureVisible() const { return state_.soundOn == 1; }
    // The progress bar of an automatic run.
    bool running() const { return running_; }
    long long progressMaximum() const { return progressMaximum_; }
    long long progressValue() const { return progressValue_; }
    // The text on the bar: "1.234 de 1.000.000 Apuestas".
    std::string progressText() const;
    // The last simulated draw and how the stored bets did.
    const std::optional<Draw>& lastDraw() const { return lastDraw_; }
    const DrawOutcome& lastOutcome() const { return lastOutcome_; }

    // ---- Keys, cells and menus ----
    // While an automatic run is going on they do nothing; only cancelAutomatic acts.
    void sizeKey(int n);      // "6" to "11"; "7" is "c" in manual mode
    void clickCell(int cell);  // 0 to 48
    void store();             // "Seleccionar" / "Cerrar Ventana"
    void showStoredBets();    // "Mostrar Apuestas Seleccionadas"
    void clearStoredBets();   // "Borrar Apuestas"
    void randomMode();        // "Apuestas al Azar"
    void manualMode();        // "Apuestas Manuales"
    void automaticMode();     // "Modo Automático"
    void cancelAutomatic();   // "Cancelar" beside the progress bar
    void openBetsFile();      // "Abrir Fichero  de Apuestas"
    void saveBetsFile();      // "Guardar Fichero de Apuestas"
    void simulatedDraw();     // "Sorteo Simulado"
    // Before "Imprimir Apuestas Seleccionadas": false, after telling the user, when there is
    // nothing to print.
    bool readyToPrint();

  private:
    // The automatic run's loop (the count already asked): count simple bets through the "6"
    // key and the store key.
    void runAutomatic(long long count);
    void pressSize(int n);
    void pressStore();
    void clearNumbers();
    void drawBet();
    void composeBet();
    void updateProbabilities();
    void clearProbabilities();
    void freeCells();
    void enterMode(bool manual);
    void clearList();
    void soundCue(int cue);
    RandomSource& random() { return *random_; }

    SharedState& state_;
    SoundPlayer& sounds_;
    Dialogs& dialogs_;
    FileDialogs& files_;
    SeededRandomSource clockRandom_;
    RandomSource* random_ = &clockRandom_;
    AutomaticPacer* pacer_ = nullptr;

    std::array<bool, kNumbers> marked_{};
    int betSize_ = 0;
    std::array<int, 12> drawn_{};
    std::string currentBet_;
    std::vector<std::string> stored_;
    std::string counter_;
    bool listVisible_ = false;
    std::string storeCaption_ = "Seleccionar";
    bool manual_ = false;
    bool key7TipTrailingBlank_ = true;
    std::array<std::string, 4> probabilities_;
    std::string information_;
    bool running_ = false;
    bool cancelRequested_ = false;
    long long progressMaximum_ = 0;
    long long progressValue_ = 0;
    std::optional<Draw> lastDraw_;
    DrawOutcome lastOutcome_;
};

}  // namespace numeralia::lotto
