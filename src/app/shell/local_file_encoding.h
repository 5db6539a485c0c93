#pragma once
// The settings file's texts: the system's 8-bit code page on Windows, UTF-8 elsewhere.

#include "core/shell/settings_file.h"

namespace numeralia::app {

const FileTextEncoding& localFileEncoding();

}  // namespace numeralia::app
