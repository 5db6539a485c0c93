#pragma once
// "Conversiones Numéricas de Magnitudes Físicas": 35 unit buttons labelled with the units of
// the magnitude chosen in the "Magnitud" menu; two clicks give the factor between two units,
// which "EXP" shows in exponential form and "R1" to "R3" copy into the transit memories.

#include <QMainWindow>
#include <array>

#include "app/shell/app_context.h"
#include "core/convert/converter_model.h"

class QLineEdit;
class QPushButton;

namespace numeralia::app {

class SvgPicture;

class ConverterWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ConverterWindow(AppContext& context, QWidget* parent = nullptr);

    convert::ConverterModel& model() { return model_; }
    QPushButton* unitButton(int index) const { return units_.at(index); }
    // Shows the model's state in every widget.
    void refresh();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildUnitButtons();
    QWidget* buildFactorLine();
    QLineEdit* display(const char* name, const char* tip);

    AppContext& context_;
    convert::ConverterModel model_;
    std::array<QPushButton*, convert::kUnitButtonCount> units_{};
    QLineEdit* magnitude_ = nullptr;
    QLineEdit* dimension_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
    QLineEdit* factor_ = nullptr;
    SvgPicture* sound_ = nullptr;
};

}  // namespace numeralia::app
