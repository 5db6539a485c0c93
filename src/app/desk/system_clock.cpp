#include "app/desk/system_clock.h"

#include <QDateTime>
#include <QLocale>

namespace numeralia::app {

desk::Instant SystemClock::now() const { return QDateTime::currentMSecsSinceEpoch(); }

int SystemClock::utcOffset(desk::Instant at) const {
    return QDateTime::fromMSecsSinceEpoch(at, Qt::LocalTime).offsetFromUtc();
}

desk::TimeFormats systemTimeFormats() {
    const QLocale locale = QLocale::system();
    return {locale.timeFormat(QLocale::LongFormat).toStdString(), locale.amText().toStdString(),
            locale.pmText().toStdString()};
}

}  // namespace numeralia::app
