#pragma once
// What the window tests share: a program whose sounds and message boxes are fakes, and small
// helpers to find controls, type into boxes and switch the active window.

#include <QtTest>

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string_view>

#include "../core/fake_platform.h"
#include "app/shell/app_context.h"
#include "app/shell/printing.h"
#include "app/shell/window_registry.h"

namespace numeralia::testing {

inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// A program with fake sounds and dialogs; no window is registered until a test does it.
struct Program {
    SharedState state;
    FakeSoundPlayer sounds;
    FakeDialogs dialogs;
    FakeFileDialogs files;
    app::WindowRegistry windows;
    app::AppContext context{state, sounds, dialogs, windows, files};

    ~Program() { closeWindows(); }
    void closeWindows() {
        windows.closeAll();
        flushDeletes();
    }
    void reset() {
        closeWindows();
        state = SharedState{};
        sounds.played.clear();
        dialogs.messages.clear();
        dialogs.answer = true;
        dialogs.textAnswers.clear();
        files.paths.clear();
        files.titles.clear();
    }
    void registerPlain(app::WindowId id) { windows.registerWindow(id, [] { return new QWidget; }); }
};

// The named control; a missing one ends the run, as every later check would fail anyway.
template <typename T>
T* child(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}

inline QAction* findAction(const QObject* root, const QString& text) {
    for (QAction* action : root->findChildren<QAction*>())
        if (action->text() == text) return action;
    return nullptr;
}

// The focus-out a user causes by leaving a box.
inline void leaveBox(QWidget* box) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

// Replaces what a box holds by typing, then leaves it.
inline void typeInto(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClicks(box, text);
    leaveBox(box);
}

inline bool activate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Another window takes the focus, then `window` becomes active again.
inline bool activateAgain(QWidget* window) {
    QWidget other;
    return activate(&other) && activate(window);
}

// Opens the widget's context menu as a right click does and returns it.
inline QMenu* rightClick(QWidget* widget, QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse) {
    const QPoint at = widget->rect().center();
    QContextMenuEvent event(reason, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

inline QStringList entries(const QMenu* menu) {
    QStringList texts;
    if (menu)
        for (const QAction* action : menu->actions()) texts << action->text();
    return texts;
}

// Chooses an entry of an open menu and closes the menu.
inline void choose(QMenu* menu, const QString& text) {
    QVERIFY(menu);
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            menu->close();
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no entry %1").arg(text)));
}

// The texts of a list's lines.
inline QStringList lines(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// While it lives, printing writes its PDFs here instead of asking for a printer.
struct PdfFolder {
    QTemporaryDir dir;
    PdfFolder() { app::setPdfFolderForTests(dir.path()); }
    ~PdfFolder() { app::setPdfFolderForTests(QString()); }
    QStringList files() const { return QDir(dir.path()).entryList({QStringLiteral("*.pdf")}); }
    // The text of the one PDF printed, as pdftotext reads it, with the "fi" and "fl" the font
    // joins in one glyph written as two letters ("" when there is not one).
    QString text() const {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty()) qFatal("pdftotext is missing (scripts/install-deps.sh installs it)");
        if (files().size() != 1) return {};
        QProcess process;
        process.start(tool, {QStringLiteral("-layout"), dir.filePath(files().front()), "-"});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput())
            .replace(QChar(0xFB01), QStringLiteral("fi"))
            .replace(QChar(0xFB02), QStringLiteral("fl"));
    }
};

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace numeralia::testing
