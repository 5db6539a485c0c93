#pragma once
// "Alarma": the current time, kept current at every second of the clock; the alarm time
// in red under "Alarma Programada"; the key "Set" that programs it. At the alarm time the
// window comes to the front, blinks its alarm and shows "¡ Alarma !" with "Posponer 5 min"
// and "Parar", repeating "tic.wav" while the sounds are on.

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "app/shell/app_context.h"
#include "core/desk/alarm_model.h"

class QLabel;
class QPushButton;

namespace numeralia::app {

class AlarmWindow : public QWidget {
    Q_OBJECT
public:
    // Without a clock the window reads the system clock; without an editor "Set" asks with
    // the time dialog.
    explicit AlarmWindow(AppContext& context, const desk::Clock* clock = nullptr,
                         desk::AlarmTimeEditor* editor = nullptr, QWidget* parent = nullptr);
    ~AlarmWindow() override;

    desk::AlarmModel& model() { return *model_; }
    // The ringing message while it is shown.
    QMessageBox* ringBox() const { return ringBox_; }
    // Shows the model's state in every widget.
    void refresh();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onSecond();
    void comeForward();
    void showRingBox();
    void placeRingBox();
    void stateChanged();

    AppContext& context_;
    std::unique_ptr<desk::Clock> ownClock_;
    std::unique_ptr<desk::AlarmTimeEditor> ownEditor_;
    std::unique_ptr<desk::AlarmModel> model_;
    QTimer second_;
    QLabel* time_ = nullptr;
    QLabel* alarm_ = nullptr;
    QPushButton* set_ = nullptr;
    QPointer<QMessageBox> ringBox_;
};

}  // namespace numeralia::app
