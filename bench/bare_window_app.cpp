// The yardsticks of the start-up benchmark: a bare Qt window of the Program menu's size, and
// with the argument "--text" the same window showing one line of text (which adds the
// start-up of the font system every window with text pays).

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "app/shell/startup_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare window");
    window.resize(780, 440);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* text = new QLabel("Menú de Programas", &window);
        text->move(20, 20);
    }
    window.show();
    numeralia::app::installStartupProbe(&window);
    return app.exec();
}
