#pragma once
// The time editor of the Alarm window's "Set" key: hours and minutes in a box that takes
// typed digits and the arrow keys, with "Aceptar", "Cancelar" and, while an alarm is set,
// "Quitar alarma".

#include <QDialog>

#include "core/desk/alarm_model.h"

class QTimeEdit;

namespace numeralia::app {

class AlarmTimeDialog : public QDialog {
    Q_OBJECT
public:
    AlarmTimeDialog(desk::WallTime initial, bool offerClear, QWidget* parent = nullptr);

    QTimeEdit* timeBox() const { return time_; }
    // What the user chose; Cancel until the dialog has been answered.
    desk::AlarmTimeAnswer answer() const;

private:
    QTimeEdit* time_ = nullptr;
    desk::AlarmTimeAnswer::Choice choice_ = desk::AlarmTimeAnswer::Choice::Cancel;
};

// Asks through an AlarmTimeDialog over the given window.
class DialogTimeEditor : public desk::AlarmTimeEditor {
public:
    explicit DialogTimeEditor(QWidget* parent) : parent_(parent) {}
    desk::AlarmTimeAnswer askAlarmTime(desk::WallTime initial, bool offerClear) override;

private:
    QWidget* parent_;
};

}  // namespace numeralia::app
