#include "app/calc/calc_keyboard.h"

#include <QGuiApplication>

namespace numeralia::app {

namespace {

// The digit key under a shifted symbol of the top row, for layouts where Qt reports the
// symbol (Shift+1 gives "!" on a US keyboard, the scan code still names the 1 key).
int topRowDigit(const QKeyEvent& event) {
#ifdef Q_OS_WIN
    const quint32 vk = event.nativeVirtualKey();
    if (vk >= '0' && vk <= '9') return static_cast<int>(vk);
#else
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        const quint32 scan = event.nativeScanCode();  // X keycodes 10..19: keys 1..9, 0
        if (scan >= 10 && scan <= 19) return scan == 19 ? '0' : static_cast<int>('1' + scan - 10);
    }
#endif
    switch (event.key()) {
        case Qt::Key_Exclam:
            return '1';
        case Qt::Key_At:
        case Qt::Key_QuoteDbl:
            return '2';
        case Qt::Key_NumberSign:
        case Qt::Key_periodcentered:
            return '3';
        case Qt::Key_Dollar:
            return '4';
        default:
            return 0;
    }
}

}  // namespace

KeyStroke keyStroke(const QKeyEvent& event) {
    KeyStroke stroke;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::ShiftModifier) stroke.shiftState |= calc::kShiftBit;
    if (modifiers & Qt::ControlModifier) stroke.shiftState |= calc::kCtrlBit;
    if (modifiers & Qt::AltModifier) stroke.shiftState |= calc::kAltBit;

    const int key = event.key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        stroke.keyCode = calc::kVkF1 + (key - Qt::Key_F1);
    } else if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        stroke.keyCode = key;  // Qt uses the ASCII capitals, as the virtual keys do
    } else if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(modifiers & Qt::KeypadModifier)) {
        stroke.keyCode = key;
    } else if (key == Qt::Key_Backspace) {
        stroke.keyCode = calc::kVkBackspace;
    } else if (!(modifiers & Qt::KeypadModifier)) {
        stroke.keyCode = topRowDigit(event);
    }

    if (key == Qt::Key_Backspace) {
        stroke.character = U'\b';
    } else {
        const QString text = event.text();
        if (!text.isEmpty() && text.at(0).unicode() >= 0x20) {
            const auto ucs4 = text.toUcs4();
            stroke.character = static_cast<char32_t>(ucs4.front());
        }
    }
    return stroke;
}

std::vector<calc::KeyId> keysPressed(const KeyStroke& stroke, const calc::KeyboardTables& tables,
                                     bool hexadecimalMode) {
    std::vector<calc::KeyId> keys;
    if (stroke.keyCode != 0) {
        if (const auto id = calc::matchKeyDown(tables, stroke.keyCode, stroke.shiftState)) {
            keys.push_back(*id);
        }
    }
    if (stroke.character) {
        if (const auto id = calc::matchCharacter(tables, *stroke.character, hexadecimalMode)) {
            keys.push_back(*id);
        }
    }
    return keys;
}

}  // namespace numeralia::app
