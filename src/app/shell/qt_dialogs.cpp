#include "app/shell/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "app/shell/qt_text.h"

namespace numeralia::app {

namespace {

void message(QMessageBox::Icon icon, const std::string& title, const std::string& text) {
    QMessageBox box(icon, qs(title), qs(text), QMessageBox::Ok, QApplication::activeWindow());
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

void QtDialogs::error(const std::string& title, const std::string& text) {
    message(QMessageBox::Critical, title, text);
}

bool QtDialogs::askYesNo(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Question, qs(title), qs(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::askText(const std::string& title, const std::string& prompt,
                                              const std::string& initial) {
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(qs(title));
    box.setLabelText(qs(prompt));
    box.setTextValue(qs(initial));
    box.setOkButtonText(QStringLiteral("Aceptar"));
    box.setCancelButtonText(QStringLiteral("Cancelar"));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    const QByteArray utf8 = box.textValue().toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

}  // namespace numeralia::app
