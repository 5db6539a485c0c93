// The window soak: the whole program on the offscreen platform, every window opened through
// the Program menu and the windows' own menus, then thousands of random clicks and key
// presses on random controls. Message boxes, input boxes and file dialogs are fakes that
// answer at random; a window's own modal dialog or a popup is answered by the test as a user
// would. At the end the Program menu closes through the normal shut-down: every window must
// be gone and the settings file must read back. Built with AddressSanitizer, this run is
// also checked for memory errors and leaks.
//
// NUMERALIA_SOAK_EVENTS sets the number of random events (20000 by default),
// NUMERALIA_SOAK_SEED the seed of the random choices (printed at the start).

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <random>
#include <set>

#include "app/shell/printing.h"
#include "app/shell/program_menu_window.h"
#include "app/shell/window_catalog.h"
#include "core/shell/settings_line.h"
#include "window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

namespace {

using Random = std::mt19937;

// The offscreen platform says at every raise() and resize that it does not do them.
QtMessageHandler testLogHandler = nullptr;
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith("This plugin does not support")) return;
    if (testLogHandler) testLogHandler(type, context, message);
}

long environmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    const long n = text ? std::strtol(text, nullptr, 10) : 0;
    return n > 0 ? n : fallback;
}

int below(Random& random, int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
bool chance(Random& random, double p) { return std::bernoulli_distribution(p)(random); }

template <typename T>
T pick(Random& random, const QList<T>& list) {
    return list.at(below(random, static_cast<int>(list.size())));
}

// What a user may type into a box: numbers in every shape, words, nothing, very long texts.
std::string randomText(Random& random) {
    static const char* const samples[] = {
        "",          "0",       "12",         "-3,5",   "1,5E+20", "1E308", "9E-400",
        "166,386",   "euro",    "pts",        "abc",    "07:30",   "  5  ", ",",
        "99999999999999999999", "¤ Metros {m}", "\"quoted\", text", "1.5"};
    std::string text = samples[below(random, std::size(samples))];
    if (chance(random, 0.05)) text = std::string(static_cast<std::size_t>(below(random, 3000)), '9');
    return text;
}

// Message boxes that are noted, questions answered Yes or No and input boxes given a random
// text or cancelled, all at random.
class RandomDialogs : public FakeDialogs {
public:
    explicit RandomDialogs(Random& random) : random_(random) {}
    bool askYesNo(const std::string& title, const std::string& text) override {
        FakeDialogs::askYesNo(title, text);
        return chance(random_, 0.5);
    }
    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string&) override {
        messages.emplace_back(title, prompt);
        if (chance(random_, 0.3)) return std::nullopt;
        return randomText(random_);
    }
    void warn(const std::string& title, const std::string& text) override {
        warnings.push_back(text);
        FakeDialogs::warn(title, text);
    }
    std::vector<std::string> warnings;

private:
    Random& random_;
};

// File dialogs that cancel, or choose a file of the test's folder: one written before, one
// that does not exist, or the folder itself.
class RandomFileDialogs : public FileDialogs {
public:
    RandomFileDialogs(Random& random, QString folder) : random_(random), folder_(std::move(folder)) {}
    std::optional<std::string> openFile(const std::string&, const std::string&, const std::string& extension) override {
        return choose(extension);
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&, const std::string& extension) override {
        return choose(extension);
    }
    int shown = 0;

private:
    std::optional<std::string> choose(const std::string& extension) {
        ++shown;
        switch (below(random_, 4)) {
            case 0: return std::nullopt;
            case 1: return (folder_ + "/soak." + QString::fromStdString(extension)).toStdString();
            case 2: return (folder_ + "/absent/none." + QString::fromStdString(extension)).toStdString();
            default: return folder_.toStdString();
        }
    }
    Random& random_;
    QString folder_;
};

const Qt::Key kKeys[] = {
    Qt::Key_0,        Qt::Key_1,      Qt::Key_2,        Qt::Key_3,     Qt::Key_4,     Qt::Key_5,
    Qt::Key_6,        Qt::Key_7,      Qt::Key_8,        Qt::Key_9,     Qt::Key_A,     Qt::Key_C,
    Qt::Key_E,        Qt::Key_F,      Qt::Key_H,        Qt::Key_I,     Qt::Key_M,     Qt::Key_O,
    Qt::Key_P,        Qt::Key_R,      Qt::Key_S,        Qt::Key_T,     Qt::Key_X,     Qt::Key_Return,
    Qt::Key_Enter,    Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab,  Qt::Key_Space,
    Qt::Key_Up,       Qt::Key_Down,   Qt::Key_Left,     Qt::Key_Right, Qt::Key_Home,  Qt::Key_End,
    Qt::Key_PageUp,   Qt::Key_Plus,   Qt::Key_Minus,    Qt::Key_Asterisk, Qt::Key_Slash, Qt::Key_Comma,
    Qt::Key_Period,   Qt::Key_Percent, Qt::Key_Less,    Qt::Key_Greater, Qt::Key_F1,  Qt::Key_F2,
    Qt::Key_F3,       Qt::Key_F4,     Qt::Key_F5,       Qt::Key_F6,    Qt::Key_F7,    Qt::Key_F8,
    Qt::Key_F9,       Qt::Key_F10,    Qt::Key_F11,      Qt::Key_F12,
};

Qt::KeyboardModifiers randomModifiers(Random& random) {
    switch (below(random, 10)) {
        case 0: return Qt::ShiftModifier;
        case 1: return Qt::ControlModifier;
        case 2: return Qt::AltModifier;
        default: return Qt::NoModifier;
    }
}

void pressRandomKey(Random& random, QWidget* target) {
    QTest::keyClick(target, kKeys[below(random, std::size(kKeys))], randomModifiers(random));
}

bool usable(const QWidget* w) { return w->isVisible() && w->isEnabled() && !w->size().isEmpty(); }

// Which random event the soak is sending, and to which window.
struct SoakProgress {
    long step = 0;
    bool busy = false;  // true while the event is delivered
    QPointer<QWidget> window;
};

// A user's modal dialog or an open popup (a drop-down list, a context menu) is answered
// from a timer, which also runs inside the dialog's own event loop: a few keys typed into
// it, then one of its buttons clicked, and closed if it is still there after that. A long
// run that keeps its window answering (the Lottery's automatic mode) is stopped with its
// "Cancelar" button after a while, as a user would; one that cannot be stopped ends the soak.
class ModalAnswerer : public QObject {
public:
    ModalAnswerer(Random& random, const SoakProgress& progress) : random_(random), progress_(progress) {
        connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
        timer_.start(1);
        since_.start();
    }
    int answered = 0;
    int cancelled = 0;

private:
    static constexpr qint64 kPatience = 300;        // ms before a long run is cancelled
    static constexpr qint64 kHang = 30000;          // ms after which a run counts as hung

    void watchLongRun() {
        if (progress_.step != lastStep_) {
            lastStep_ = progress_.step;
            since_.start();
            return;
        }
        if (!progress_.busy || !progress_.window || since_.elapsed() < kPatience) return;
        for (QAbstractButton* b : progress_.window->findChildren<QAbstractButton*>()) {
            if (usable(b) && b->text() == QLatin1String("Cancelar")) {
                b->click();
                ++cancelled;
                return;
            }
        }
        if (since_.elapsed() > kHang)
            qFatal("event %ld has kept %s busy for %lld ms with no way to stop it", progress_.step,
                   qPrintable(progress_.window->objectName()), since_.elapsed());
    }

    void tick() {
        QWidget* open = QApplication::activePopupWidget();
        if (!open) open = QApplication::activeModalWidget();
        if (!open) {
            watchLongRun();
            return;
        }
        since_.start();
        if (open != current_) {
            current_ = open;
            ticks_ = 0;
        }
        ++ticks_;
        if (ticks_ <= 3 && chance(random_, 0.6)) {
            QWidget* focus = open->focusWidget() ? open->focusWidget() : open;
            pressRandomKey(random_, focus);
            return;
        }
        if (ticks_ <= 6) {
            QList<QAbstractButton*> buttons;
            for (QAbstractButton* b : open->findChildren<QAbstractButton*>())
                if (usable(b)) buttons.append(b);
            if (!buttons.isEmpty()) {
                pick(random_, buttons)->click();
                ++answered;
                return;
            }
        }
        ++answered;
        if (auto* dialog = qobject_cast<QDialog*>(open)) {
            dialog->reject();
        } else {
            open->close();
        }
    }

    Random& random_;
    const SoakProgress& progress_;
    QTimer timer_;
    QPointer<QWidget> current_;
    int ticks_ = 0;
    long lastStep_ = -1;
    QElapsedTimer since_;
};

}  // namespace

class WindowSoakTest : public QObject {
    Q_OBJECT
private slots:
    void randomClicksAndKeysInEveryWindowThenShutDown();
};

void WindowSoakTest::randomClicksAndKeysInEveryWindowThenShutDown() {
    const long events = environmentNumber("NUMERALIA_SOAK_EVENTS", 20000);
    const auto seed = static_cast<unsigned>(environmentNumber("NUMERALIA_SOAK_SEED", 20240115));
    testLogHandler = qInstallMessageHandler(quietPlatformNotes);
    qInfo("soak: %ld events, seed %u", events, seed);
    Random random(seed);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    {
        QFile pref(folder.filePath("pref"));
        QVERIFY(pref.open(QIODevice::WriteOnly));
        pref.write("16,0,0,0,0,0,0,0,,,,\"euro\",\"pts\",166.386,\"avanzada\",1\r\n");
    }
    setPdfFolderForTests(folder.path());

    SharedState state;
    FakeSoundPlayer sounds;
    RandomDialogs dialogs(random);
    RandomFileDialogs files(random, folder.path());
    WindowRegistry windows;
    AppContext context{state, sounds, dialogs, windows, files};
    registerWindows(context);
    // The program's own catalogue, with the program folder of this test.
    windows.registerWindow(WindowId::ProgramMenu,
                           [&context, &folder] { return new ProgramMenuWindow(context, folder.path()); });

    QPointer<QWidget> menu = windows.show(WindowId::ProgramMenu);
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    SoakProgress progress;
    ModalAnswerer answerer(random, progress);

    std::set<int> seen;  // every window that has been open
    auto noteOpenWindows = [&] {
        for (int id = 0; id < kWindowCount; ++id)
            if (windows.existing(static_cast<WindowId>(id))) seen.insert(id);
    };
    auto menuButtons = [&] {
        QList<QWidget*> buttons;
        for (QToolButton* b : menu->findChildren<QToolButton*>())
            if (b->objectName().startsWith("Command") && b->isEnabled()) buttons.append(b);
        buttons.append(child<QWidget>(menu, "Image6"));  // the logo opens the About window
        return buttons;
    };
    auto openWindows = [&] {
        QList<QWidget*> list;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) list.append(w);
        return list;
    };
    auto settle = [] {
        QCoreApplication::processEvents();
        flushDeletes();
    };

    // First every window the Program menu opens, then every entry of their menus once (the
    // help windows, the preferences, the other calculator model).
    for (QWidget* button : menuButtons()) {
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
        noteOpenWindows();
    }
    QList<QPointer<QAction>> everyEntry;
    for (QWidget* window : openWindows()) {
        for (QAction* a : window->findChildren<QAction*>())
            if (!a->isSeparator() && !a->menu()) everyEntry.append(a);
    }
    for (const QPointer<QAction>& entry : everyEntry) {
        if (!entry || !entry->isEnabled()) continue;  // gone with a window it closed
        entry->trigger();
        settle();
        noteOpenWindows();
    }

    int clicks = 0, keys = 0, entries = 0, closes = 0;
    for (long n = 0; n < events && menu; ++n) {
        const QList<QWidget*> shown = openWindows();
        if (shown.isEmpty()) break;
        QWidget* window = pick(random, shown);
        progress.step = n;
        progress.window = window;
        progress.busy = true;
        const int kind = below(random, 100);
        if (kind < 4) {
            // A button of the Program menu (brings a window back, or opens it again).
            QTest::mouseClick(pick(random, menuButtons()), Qt::LeftButton);
        } else if (kind < 14) {
            // An entry of a window's menus.
            QList<QAction*> actions;
            for (QAction* a : window->findChildren<QAction*>())
                if (a->isEnabled() && !a->isSeparator() && !a->menu()) actions.append(a);
            if (!actions.isEmpty()) {
                pick(random, actions)->trigger();
                ++entries;
            }
        } else if (kind < 16) {
            // The window's close box, except the Program menu's (that ends the soak).
            if (window != menu) {
                window->close();
                ++closes;
            }
        } else if (kind < 17) {
            window->showMinimized();
        } else if (kind < 19) {
            window->showNormal();
            window->activateWindow();
        } else if (kind < 60) {
            // A click on a control, mostly one a user would click.
            QList<QWidget*> controls;
            const bool likely = chance(random, 0.8);
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!usable(w) || w->window() != window) continue;
                if (!likely || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                    qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
                    qobject_cast<QMenuBar*>(w) || qobject_cast<QTabBar*>(w) ||
                    qobject_cast<QAbstractSlider*>(w) ||
                    (w->parentWidget() && qobject_cast<QAbstractItemView*>(w->parentWidget())) ||
                    w->cursor().shape() == Qt::PointingHandCursor)
                    controls.append(w);
            }
            if (controls.isEmpty()) controls.append(window);
            QWidget* target = pick(random, controls);
            const QPoint at(below(random, target->width()), below(random, target->height()));
            const Qt::MouseButton button = chance(random, 0.9) ? Qt::LeftButton : Qt::RightButton;
            if (chance(random, 0.1)) {
                QTest::mouseDClick(target, button, Qt::NoModifier, at);
            } else {
                QTest::mouseClick(target, button, randomModifiers(random), at);
            }
            ++clicks;
        } else {
            // A key press where the focus is, or on a control of the window; now and then a text.
            QWidget* target = window->focusWidget() ? window->focusWidget() : window;
            if (chance(random, 0.05)) {
                QTest::keyClicks(target, QString::fromStdString(randomText(random)).left(40));
            } else {
                pressRandomKey(random, target);
            }
            ++keys;
        }
        progress.busy = false;
        settle();
        noteOpenWindows();
    }
    qInfo("soak: %d clicks, %d keys, %d menu entries, %d closes, %d dialogs and popups answered, "
          "%d long runs cancelled, %zu messages, %d file dialogs, %zu sounds",
          clicks, keys, entries, closes, answerer.answered, answerer.cancelled, dialogs.messages.size(),
          files.shown, sounds.played.size());

    QVERIFY2(menu, "the Program menu closed during the soak");
    for (int id = 0; id < kWindowCount; ++id) {
        if (windows.isRegistered(static_cast<WindowId>(id)))
            QVERIFY2(seen.count(id), qPrintable(QString("window %1 was never opened").arg(id)));
    }

    // The normal shut-down: the settings file, then every window closes, with no message
    // (such as a settings file that could not be written).
    dialogs.warnings.clear();
    menu->close();
    settle();
    QTRY_VERIFY(!menu);
    for (int id = 0; id < kWindowCount; ++id)
        QVERIFY2(!windows.existing(static_cast<WindowId>(id)), qPrintable(QString("window %1 stayed open").arg(id)));
    QVERIFY2(dialogs.warnings.empty(), dialogs.warnings.empty() ? "" : dialogs.warnings.front().c_str());

    QFile pref(folder.filePath("pref"));
    QVERIFY(pref.open(QIODevice::ReadOnly));
    const std::string saved = pref.readAll().toStdString();
    QCOMPARE(saved, encodeSettingsLine(state));
    SharedState loaded;
    QCOMPARE(decodeSettingsLine(saved, loaded), kSettingsFieldCount);
    QCOMPARE(encodeSettingsLine(loaded), saved);
}

QTEST_MAIN(WindowSoakTest)
#include "window_soak_test.moc"
