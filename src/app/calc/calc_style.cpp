#include "app/calc/calc_style.h"

namespace numeralia::app {

const char* const kCalculatorStyle = R"(
QWidget#calculatorBody {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #27476e, stop:1 #1d3557);
}
QFrame#displayPanel {
    background: #16283f; border: 1px solid #0f1d2e; border-radius: 10px;
}
QFrame#functionsPanel, QFrame#memoriesPanel, QFrame#mainPanel, QFrame#vatPanel,
QFrame#solversPanel {
    background: rgba(255, 255, 255, 18); border: 1px solid rgba(255, 255, 255, 30);
    border-radius: 10px;
}
QLineEdit {
    background: #dfe8d8; color: #1b2a1f; border: 1px solid #9fb39a; border-radius: 4px;
    padding: 1px 4px; selection-background-color: #9fb39a;
}
QLineEdit#numero {
    font-size: 22pt; font-weight: bold; padding: 4px 8px; border-radius: 6px;
}
QLineEdit#result { font-size: 11pt; color: #2f4a33; }
QLineEdit#func, QLineEdit#dcm, QLineEdit#angulo, QLineEdit#ivas { font-weight: bold; }
QLabel#displayCaption { color: #cfe0ee; font-weight: bold; }
QComboBox#Combo1 {
    background: #f1faee; color: #1d3557; border: 1px solid #61a5c2; border-radius: 4px;
    padding: 1px 4px; font-family: monospace;
}
QPushButton {
    border: 1px solid #0f1d2e; border-radius: 6px; padding: 3px 6px;
    font-weight: bold; font-size: 10pt; color: #1d3557;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dde5ec);
}
QPushButton:focus { border: 2px solid #f4a261; }
QPushButton:pressed { background: #b9c7d3; }
QPushButton[keyStyle="digit"] {
    font-size: 13pt;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfdff, stop:1 #e3eaf1);
}
QPushButton[keyStyle="operator"] {
    font-size: 12pt; color: #ffffff;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6fb3cf, stop:1 #2a6f97);
}
QPushButton[keyStyle="operator"]:pressed { background: #1f5577; }
QPushButton[keyStyle="equals"] {
    font-size: 15pt; color: #1d3557;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f8c08c, stop:1 #f4a261);
}
QPushButton[keyStyle="equals"]:pressed { background: #d98a4d; }
QPushButton[keyStyle="equals"]:focus { border: 3px solid #ffffff; }
QPushButton[keyStyle="clear"] {
    color: #ffffff;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f08a70, stop:1 #e76f51);
}
QPushButton[keyStyle="clear"]:pressed { background: #c4563b; }
QPushButton[keyStyle="function"] {
    color: #ffffff;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3fb3a4, stop:1 #2a9d8f);
}
QPushButton[keyStyle="function"]:pressed { background: #217f74; }
QPushButton[keyStyle="memory"], QPushButton[keyStyle="transit"] {
    color: #264653;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3d98e, stop:1 #e9c46a);
}
QPushButton[keyStyle="memory"]:pressed, QPushButton[keyStyle="transit"]:pressed {
    background: #cfa94c;
}
QPushButton[keyStyle="vat"] {
    color: #ffffff;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f7fa8, stop:1 #335c81);
}
QPushButton[keyStyle="vat"]:pressed { background: #274a69; }
QPushButton[keyStyle]:checked {
    color: #1d3557; border: 2px solid #f4a261;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fde2c4, stop:1 #f8c08c);
}
QPushButton[keyStyle]:disabled {
    color: rgba(255, 255, 255, 70); border-color: rgba(15, 29, 46, 120);
    background: rgba(255, 255, 255, 22);
}
*[compactKeys="true"] QPushButton { font-size: 9pt; padding: 2px 2px; }
QFrame[compactKeys="true"] {
    background: rgba(255, 255, 255, 18); border: 1px solid rgba(255, 255, 255, 30);
    border-radius: 10px;
}
QListWidget#dataX, QListWidget#dataY {
    background: #c9cdd1; color: #1b2a1f; border: 1px solid #8e969d; border-radius: 4px;
}
QLineEdit#num { font-weight: bold; }
)";

}  // namespace numeralia::app
