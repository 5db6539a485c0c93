#include "app/desk/alarm_time_dialog.h"
#include "app/shell/window_rules.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace numeralia::app {

AlarmTimeDialog::AlarmTimeDialog(desk::WallTime initial, bool offerClear, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AlarmTime"));
    setWindowTitle(QStringLiteral("Numeralia - Alarma"));

    auto* prompt = new QLabel(QStringLiteral("Hora de la alarma (horas y minutos):"));
    time_ = new QTimeEdit(QTime(initial.hour, initial.minute));
    time_->setObjectName(QStringLiteral("hora"));
    time_->setDisplayFormat(QStringLiteral("HH:mm"));
    time_->setWrapping(true);  // up from 23 goes to 00
    time_->setCurrentSection(QDateTimeEdit::HourSection);
    QFont big = time_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    time_->setFont(big);
    time_->setAlignment(Qt::AlignCenter);
    prompt->setBuddy(time_);
    auto* hint = new QLabel(QStringLiteral(
        "Suena cada día a esa hora mientras la ventana «Alarma» esté abierta, también "
        "minimizada. Escriba las cifras (0730) o cambie horas y minutos con las flechas."));
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #5b6b7b;"));

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("aceptar"));
    ok->setDefault(true);
    if (offerClear) {
        QPushButton* clear =
            buttons->addButton(QStringLiteral("Quitar alarma"), QDialogButtonBox::DestructiveRole);
        clear->setObjectName(QStringLiteral("quitar"));
        clear->setAutoDefault(false);
        connect(clear, &QPushButton::clicked, this, [this] {
            choice_ = desk::AlarmTimeAnswer::Choice::Clear;
            accept();
        });
    }
    QPushButton* cancel = buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelar"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] {
        choice_ = desk::AlarmTimeAnswer::Choice::Set;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(prompt);
    layout->addWidget(time_);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 26);

    // Typing replaces the hours at once.
    time_->setFocus();
    QTimer::singleShot(0, time_, [box = time_] { box->setSelectedSection(QDateTimeEdit::HourSection); });
}

desk::AlarmTimeAnswer AlarmTimeDialog::answer() const {
    const QTime time = time_->time();
    return {choice_, {time.hour(), time.minute()}};
}

desk::AlarmTimeAnswer DialogTimeEditor::askAlarmTime(desk::WallTime initial, bool offerClear) {
    // On the heap: the window that owns it may go while it is open.
    QPointer<AlarmTimeDialog> dialog = new AlarmTimeDialog(initial, offerClear, parent_);
    prepareWindow(dialog);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog) return {};
    const desk::AlarmTimeAnswer answer = accepted ? dialog->answer() : desk::AlarmTimeAnswer{};
    delete dialog;
    return answer;
}

}  // namespace numeralia::app
