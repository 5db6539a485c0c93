#pragma once
// "Preferencias": currency names, exchange factor and the sound switch. One instance, opened
// from the calculators' "Preferencias" menu entry; every change is seen at once by the other
// windows.

#include <QWidget>

#include "app/shell/app_context.h"
#include "core/calc/preferences_model.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace numeralia::app {

class PreferencesWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesWindow(AppContext& context, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void leave(QObject* box);
    void refresh();

    AppContext& context_;
    PreferencesModel model_;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* valor_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QPushButton* originales_ = nullptr;
    QPushButton* guardar_ = nullptr;
    QPushButton* cancelar_ = nullptr;
    QToolButton* image2_ = nullptr;
    bool cancelled_ = false;
};

}  // namespace numeralia::app
