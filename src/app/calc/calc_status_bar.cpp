#include "app/calc/calc_status_bar.h"

#include <QDateTime>
#include <QLocale>

#include "app/calc/lock_keys.h"
#include "app/shell/svg_picture.h"

namespace numeralia::app {

namespace {

QLabel* panel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setContentsMargins(6, 0, 6, 0);
    return label;
}

void showLock(QLabel* label, const QString& name, std::optional<bool> on) {
    label->setText(name);
    label->setEnabled(on.value_or(false));
    label->setToolTip(
        on ? (*on ? name + QStringLiteral(" activado") : name + QStringLiteral(" desactivado"))
           : QString());
}

}  // namespace

CalcStatusBar::CalcStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    date = panel("statusDate", this);
    time = panel("statusTime", this);
    capsLock = panel("statusCaps", this);
    numLock = panel("statusNum", this);
    sound = new SvgPicture(QStringLiteral(":/pictures/sound_on.svg"), QSize(18, 18), this);
    sound->setObjectName("statusSound");
    sound->setToolTip(QStringLiteral("Sonidos activados"));
    currency = panel("statusCurrency", this);
    addWidget(date);
    addWidget(time);
    addWidget(capsLock);
    addWidget(numLock);
    addWidget(sound);
    addWidget(currency, 1);
    connect(&timer_, &QTimer::timeout, this, &CalcStatusBar::tick);
    timer_.start(1000);
    tick();
}

void CalcStatusBar::setSoundOn(bool on) { sound->setVisible(on); }

void CalcStatusBar::setCurrencyText(const QString& text) { currency->setText(text); }

void CalcStatusBar::tick() {
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    date->setText(locale.toString(now.date(), QLocale::ShortFormat));
    time->setText(locale.toString(now.time(), QLocale::ShortFormat));
    const LockKeys locks = lockKeyState();
    showLock(capsLock, QStringLiteral("MAYÚS"), locks.capsLock);
    showLock(numLock, QStringLiteral("NUM"), locks.numLock);
}

}  // namespace numeralia::app
