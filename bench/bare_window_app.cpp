// The yardstick of the start-up benchmark: a bare Qt window of the Program menu's size.

#include <QApplication>
#include <QWidget>

#include "app/shell/startup_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare window");
    window.resize(780, 440);
    window.show();
    numeralia::app::installStartupProbe(&window);
    return app.exec();
}
