#include "app/calc/lock_keys.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QDir>
#include <QFile>
#endif

#include <QtGlobal>

namespace numeralia::app {

#ifdef Q_OS_WIN

LockKeys lockKeyState() {
    return {(GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0};
}

#else

namespace {

// The keyboard LEDs the kernel exposes (/sys/class/leds/input*::capslock).
std::optional<bool> ledState(const char* suffix) {
    const QDir leds(QStringLiteral("/sys/class/leds"));
    const QStringList names =
        leds.entryList({QStringLiteral("*::") + QLatin1String(suffix)}, QDir::Dirs | QDir::System);
    if (names.isEmpty()) return std::nullopt;
    bool on = false;
    for (const QString& name : names) {
        QFile file(leds.filePath(name + QStringLiteral("/brightness")));
        if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
        on = on || file.readAll().trimmed() != "0";
    }
    return on;
}

}  // namespace

LockKeys lockKeyState() { return {ledState("capslock"), ledState("numlock")}; }

#endif

}  // namespace numeralia::app
