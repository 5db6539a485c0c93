#pragma once

#include <QString>

namespace numeralia::app {

// The read-me document shown in the Program menu, as rich text.
QString programMenuReadme();

}  // namespace numeralia::app
