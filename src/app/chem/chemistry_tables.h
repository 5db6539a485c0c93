#pragma once
// The windows of the "&Tablas" menu of the Periodic table: the visible spectrum ("Espectro
// de la Luz") and the electrochemical series ("Series Electroquímicas").

#include <QWidget>

class QLabel;
class QSlider;
class QSpinBox;

namespace numeralia::app {

class SpectrumBar;

class SpectrumWindow : public QWidget {
    Q_OBJECT
public:
    explicit SpectrumWindow(QWidget* parent = nullptr);
    // Chooses a wavelength in nanometres (380 to 750).
    void chooseWavelength(int nanometres);

private:
    void showWavelength(int nanometres);

    SpectrumBar* bar_ = nullptr;
    QSlider* slider_ = nullptr;
    QSpinBox* spin_ = nullptr;
    QLabel* band_ = nullptr;
    QLabel* swatch_ = nullptr;
    QLabel* frequency_ = nullptr;
    QLabel* electronvolts_ = nullptr;
    QLabel* kilojoules_ = nullptr;
};

class SeriesWindow : public QWidget {
    Q_OBJECT
public:
    explicit SeriesWindow(QWidget* parent = nullptr);
};

}  // namespace numeralia::app
