#pragma once

namespace numeralia::app {

// Every window of the program, in the order in which shut-down closes them.
enum class WindowId {
    Scientific,
    Normal,
    Converter,
    Lottery,
    Ionic,
    ProgramMenu,
    ImageStore,
    ConverterHelp,
    LotteryHelp,
    Alarm,
    Bank,
    Periodic,
    Notes,
    Help,
    About,
    BankHelp,
    PeriodicHelp,
    Preferences,
};

inline constexpr int kWindowCount = static_cast<int>(WindowId::Preferences) + 1;

}  // namespace numeralia::app
