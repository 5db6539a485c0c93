#pragma once
// The statistics entries of the Scientific window's "Archivo" menu that read and write data
// files: "Abrir Est." and "Guardar Est.". They ask through the platform's dialogs and tell
// every failure in a message box titled kStatisticsTitle.

#include "core/shell/platform.h"
#include "core/shell/shared_state.h"

namespace numeralia::calc {

class CalculatorModel;

inline constexpr const char* kStatisticsTitle = "Numeralia - Estadística";

// "Abrir Est.": chooses a file and reads it whole; a file with a fault leaves the data as
// they were. Over existing data it asks first. True when the lists were replaced.
bool openStatisticsFile(CalculatorModel& model, Dialogs& dialogs, FileDialogs& files);

// "Guardar Est.": chooses a file and writes both lists to it.
void saveStatisticsFile(const SharedState& shared, Dialogs& dialogs, FileDialogs& files);

}  // namespace numeralia::calc
