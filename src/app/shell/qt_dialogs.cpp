#include "app/shell/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace numeralia::app {

namespace {

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void message(QMessageBox::Icon icon, const std::string& title, const std::string& text) {
    QMessageBox box(icon, fromUtf8(title), fromUtf8(text), QMessageBox::Ok, QApplication::activeWindow());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    box.exec();
}

}  // namespace

void QtDialogs::inform(const std::string& title, const std::string& text) {
    message(QMessageBox::Information, title, text);
}

void QtDialogs::warn(const std::string& title, const std::string& text) {
    message(QMessageBox::Warning, title, text);
}

bool QtDialogs::askYesNo(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Question, fromUtf8(title), fromUtf8(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace numeralia::app
