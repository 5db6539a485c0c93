#include "app/shell/window_catalog.h"

#include "app/bank/bank_help_window.h"
#include "app/bank/bank_window.h"
#include "app/calc/calc_help_window.h"
#include "app/calc/normal_window.h"
#include "app/calc/preferences_window.h"
#include "app/calc/scientific_window.h"
#include "app/chem/ionic_character_window.h"
#include "app/chem/notes_window.h"
#include "app/chem/periodic_help_window.h"
#include "app/chem/periodic_window.h"
#include "app/convert/converter_help_window.h"
#include "app/convert/converter_window.h"
#include "app/desk/alarm_window.h"
#include "app/info/about_window.h"
#include "app/lotto/lottery_help_window.h"
#include "app/lotto/lottery_window.h"
#include "app/shell/program_menu_window.h"

// One line per window; a window that is not listed here keeps its buttons and menu entries
// disabled.

namespace numeralia::app {

void registerWindows(AppContext& context) {
    WindowRegistry& windows = context.windows;
    (void)windows;
    windows.registerWindow(WindowId::ProgramMenu, [&context] { return new ProgramMenuWindow(context); });
    windows.registerWindow(WindowId::Scientific, [&context] { return new ScientificWindow(context); });
    windows.registerWindow(WindowId::Normal, [&context] { return new NormalWindow(context); });
    windows.registerWindow(WindowId::Help, [&context] { return new CalcHelpWindow(context); });
    windows.registerWindow(WindowId::Bank, [&context] { return new BankWindow(context); });
    windows.registerWindow(WindowId::BankHelp, [] { return new BankHelpWindow; });
    windows.registerWindow(WindowId::Converter, [&context] { return new ConverterWindow(context); });
    windows.registerWindow(WindowId::ConverterHelp, [] { return new ConverterHelpWindow; });
    windows.registerWindow(WindowId::Alarm, [&context] { return new AlarmWindow(context); });
    windows.registerWindow(WindowId::Lottery, [&context] { return new LotteryWindow(context); });
    windows.registerWindow(WindowId::LotteryHelp, [] { return new LotteryHelpWindow; });
    windows.registerWindow(WindowId::Periodic, [&context] { return new PeriodicWindow(context); });
    windows.registerWindow(WindowId::Notes, [] { return new NotesWindow; });
    windows.registerWindow(WindowId::Ionic, [&context] { return new IonicCharacterWindow(context); });
    windows.registerWindow(WindowId::PeriodicHelp, [] { return new PeriodicHelpWindow; });
    windows.registerWindow(WindowId::About, [&context] { return new AboutWindow(context); });
    windows.registerWindow(WindowId::Preferences, [&context] { return new PreferencesWindow(context); });
}

}  // namespace numeralia::app
