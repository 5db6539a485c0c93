#pragma once
// The texts of the window models (UTF-8) as Qt strings.

#include <QString>
#include <string_view>

namespace numeralia::app {

inline QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace numeralia::app
