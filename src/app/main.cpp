#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label("NUMERALIA  -  Menú de Programas");
    label.setWindowTitle("NUMERALIA  -  Menú de Programas");
    label.resize(480, 320);
    label.show();
    return app.exec();
}
