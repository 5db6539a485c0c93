#include "app/shell/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
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

void QtDialogs::error(const std::string& title, const std::string& text) {
    message(QMessageBox::Critical, title, text);
}

bool QtDialogs::askYesNo(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Question, fromUtf8(title), fromUtf8(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::askText(const std::string& title, const std::string& prompt,
                                              const std::string& initial) {
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(fromUtf8(title));
    box.setLabelText(fromUtf8(prompt));
    box.setTextValue(fromUtf8(initial));
    box.setOkButtonText(QStringLiteral("Aceptar"));
    box.setCancelButtonText(QStringLiteral("Cancelar"));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    const QByteArray utf8 = box.textValue().toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

}  // namespace numeralia::app
