// The Program menu: loading the settings file on opening, its buttons, and shut-down.

#include <QLabel>
#include <QMessageBox>
#include <QTextBrowser>
#include <QToolButton>
#include <csignal>

#include "app/info/about_window.h"
#include "app/shell/program_menu_window.h"
#include "app/shell/termination_requests.h"
#include "core/shell/settings_file.h"
#include "window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

namespace {

constexpr char kExample[] = "16,0,0,0,0,0,0,0,,,,\"euro\",\"pts\",166.386,\"avanzada\",1\r\n";
constexpr char kEmptyFile[] = ",0,0,0,0,0,0,0,,,,,,,,0\r\n";

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

QToolButton* command(ProgramMenuWindow& menu, const char* name) {
    return child<QToolButton>(&menu, name);
}

void reshow(QWidget& menu) {
    menu.hide();
    menu.show();
}

// Reads the settings file at the moment a window receives its close event.
class CloseSpy : public QObject {
public:
    explicit CloseSpy(QString path) : path_(std::move(path)) {}
    QByteArray seen;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) seen = readAll(path_);
        return false;
    }

private:
    QString path_;
};

}  // namespace

class ProgramMenuTest : public QObject {
    Q_OBJECT
private slots:
    void opensLoadsTheSettingsFileAndWritesItBackUnchanged() {
        QTemporaryDir dir;
        writeAll(dir.filePath("pref"), kExample);
        Program p;
        p.state.statCountX = 4;
        ProgramMenuWindow menu(p.context, dir.path());
        QCOMPARE(menu.windowTitle(), QString("NUMERALIA  -  Menú de Programas"));
        menu.show();
        QTRY_VERIFY(child<QTextBrowser>(&menu, "readme")->toPlainText().contains("Desinstalación"));
        QCOMPARE(p.state.currencyName1, std::string("euro"));
        QCOMPARE(p.state.calculatorModel, std::string("avanzada"));
        QCOMPARE(p.state.statCountX, std::int16_t(0));
        QCOMPARE(p.state.programFolder, dir.path().toStdString() + "/");
        QCOMPARE(p.sounds.played, (std::vector<FakeSoundPlayer::Play>{{"manager.wav", false}}));
        QVERIFY(QFile::remove(dir.filePath("pref")));  // closing writes back what was read
        QVERIFY(menu.close());
        QCOMPARE(readAll(dir.filePath("pref")), QByteArray(kExample));
    }

    void buttonsFollowTheRegisteredWindows() {
        QTemporaryDir dir;
        Program p;
        ProgramMenuWindow menu(p.context, dir.path());
        menu.show();
        const char* names[] = {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6"};
        const char* tips[] = {"Calculadora", "Tabla Periodica", "Operaciones Bancarias",
                              "Simulador Loto", "Conversión de Unidades", "Alarma"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(command(menu, names[i])->toolTip(), QString(tips[i]));
            QVERIFY(command(menu, names[i])->isVisible() && !command(menu, names[i])->isEnabled());
        }
        // Windows registered later enable their buttons the next time the menu is shown.
        p.registerPlain(WindowId::Periodic);
        p.registerPlain(WindowId::Alarm);
        reshow(menu);
        const bool enabled[] = {false, true, false, false, false, true};
        for (int i = 0; i < 6; ++i) QCOMPARE(command(menu, names[i])->isEnabled(), enabled[i]);

        p.registerPlain(WindowId::Normal);  // the Normal model alone does not serve "avanzada"
        p.state.calculatorModel = "avanzada";
        reshow(menu);
        QVERIFY(!command(menu, "Command1")->isEnabled());
        p.registerPlain(WindowId::Scientific);
        reshow(menu);
        QVERIFY(command(menu, "Command1")->isEnabled());
    }

    // Which texts name the Normal model is the menu rule's own test.
    void calculatorButtonOpensTheModelUsedLast_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("normalRegistered");
        QTest::addColumn<bool>("normalOpens");
        QTest::newRow("normalita") << "normalita" << true << true;
        QTest::newRow("avanzada") << "avanzada" << true << false;
        QTest::newRow("normal model not there yet") << "normalita" << false << false;
    }
    void calculatorButtonOpensTheModelUsedLast() {
        QFETCH(QString, model);
        QFETCH(bool, normalRegistered);
        QFETCH(bool, normalOpens);
        QTemporaryDir dir;
        Program p;
        p.registerPlain(WindowId::Scientific);
        if (normalRegistered) p.registerPlain(WindowId::Normal);
        ProgramMenuWindow menu(p.context, dir.path());
        p.state.calculatorModel = model.toStdString();
        menu.show();
        QTest::mouseClick(command(menu, "Command1"), Qt::LeftButton);
        const WindowId opened = normalOpens ? WindowId::Normal : WindowId::Scientific;
        QWidget* window = p.windows.existing(opened);
        QVERIFY(window && window->isVisible());
        QVERIFY(p.windows.existing(normalOpens ? WindowId::Scientific : WindowId::Normal) == nullptr);

        // A second press shows the same window again, back from its minimised state.
        window->showMinimized();
        QTest::mouseClick(command(menu, "Command1"), Qt::LeftButton);
        QCOMPARE(p.windows.existing(opened), window);
        QVERIFY(!(window->windowState() & Qt::WindowMinimized));
    }

    void closingSavesTheFileThenClosesEveryWindow() {
        QTemporaryDir dir;
        Program p;
        for (WindowId id : {WindowId::Scientific, WindowId::Periodic, WindowId::Alarm}) p.registerPlain(id);
        auto* menu = new ProgramMenuWindow(p.context, dir.path());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->show();
        for (const char* name : {"Command1", "Command2", "Command6"})
            QTest::mouseClick(command(*menu, name), Qt::LeftButton);
        QVERIFY(p.windows.existing(WindowId::Periodic)->isVisible());
        // The file is already written when the other windows close.
        CloseSpy spy(dir.filePath("pref"));
        p.windows.existing(WindowId::Periodic)->installEventFilter(&spy);

        QVERIFY(menu->close());
        flushDeletes();
        QCOMPARE(readAll(dir.filePath("pref")), QByteArray(kEmptyFile));
        QCOMPARE(spy.seen, QByteArray(kEmptyFile));
        for (WindowId id : {WindowId::Scientific, WindowId::Periodic, WindowId::Alarm})
            QVERIFY(p.windows.existing(id) == nullptr);
        QVERIFY(p.dialogs.messages.empty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"pref"});
    }

    void failedSaveIsToldOnceAndWindowsStillClose() {
        QTemporaryDir dir;
        writeAll(dir.filePath("not-a-folder"), "x");
        Program p;
        p.registerPlain(WindowId::Bank);
        ProgramMenuWindow menu(p.context, dir.filePath("not-a-folder"));
        menu.show();
        p.windows.show(WindowId::Bank);
        QVERIFY(menu.close());
        flushDeletes();
        QVERIFY(!menu.isVisible());
        QVERIFY(p.windows.existing(WindowId::Bank) == nullptr);
        QCOMPARE(p.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(p.dialogs.messages[0].first, std::string("Numeralia"));
        QVERIFY(p.dialogs.messages[0].second.find("not-a-folder") != std::string::npos);
        menu.close();  // a second close does not save or tell again
        QCOMPARE(p.dialogs.messages.size(), std::size_t(1));
    }

    void folderAcceptsFilesOnlyWhereOneCanBeMade_data() {
        QTest::addColumn<QString>("folder");  // in the temporary folder, or absolute
        QTest::addColumn<bool>("accepts");
        QTest::newRow("writable folder") << "lib" << true;
        QTest::newRow("missing folder") << "none" << false;
        QTest::newRow("regular file") << "file" << false;
        QTest::newRow("read-only folder") << "read-only" << false;
#ifdef Q_OS_LINUX
        QTest::newRow("system folder") << "/proc" << false;  // refused even to root
#endif
    }
    void folderAcceptsFilesOnlyWhereOneCanBeMade() {
        QFETCH(QString, folder);
        QFETCH(bool, accepts);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("lib") && QDir(dir.path()).mkpath("read-only"));
        writeAll(dir.filePath("file"), "x");
        QFile::setPermissions(dir.filePath("read-only"), QFile::ReadOwner | QFile::ExeOwner);
        if (folder == "read-only" && folderAcceptsFiles(dir.filePath(folder)))
            QSKIP("running with rights that ignore modes");
        const QString path = QDir::isAbsolutePath(folder) ? folder : dir.filePath(folder);
        QCOMPARE(folderAcceptsFiles(path), accepts);
        QCOMPARE(filesIn(dir.filePath("lib")), QStringList{});  // the trial file is gone
        QFile::setPermissions(dir.filePath("read-only"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void settingsFileFollowsTheRightsOfTheProgramFolder_data() {
        QTest::addColumn<bool>("systemFolder");
        QTest::newRow("program folder can be written") << false;
#ifdef Q_OS_LINUX
        QTest::newRow("program folder of the system") << true;
#endif
    }
    void settingsFileFollowsTheRightsOfTheProgramFolder() {
        QFETCH(bool, systemFolder);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("lib"));
        const QString program = systemFolder ? QString("/proc") : dir.filePath("lib");
        const QString user = dir.filePath("home/.config/Numeralia");  // made by the first save
        const QString file = (systemFolder ? user : program) + "/pref";
        Program p;
        p.windows.registerWindow(WindowId::About, [&p] { return new AboutWindow(p.context); });
        ProgramMenuWindow menu(p.context, ProgramFolders{program, user});
        QCOMPARE(p.state.programFolder, program.toStdString() + "/");  // the sounds stay there
        QCOMPARE(QString::fromStdString(settingsFilePath(p.state)), file);
        menu.show();

        // The About window tells where the file is.
        QLabel* where = child<QLabel>(p.windows.show(WindowId::About), "small");
        QCOMPARE(where->toolTip(), file);
        QCOMPARE(where->text().contains("carpeta de configuración personal"), systemFolder);
        QCOMPARE(where->text().contains("«pref» de la carpeta del programa"), !systemFolder);

        QVERIFY(menu.close());
        QCOMPARE(readAll(file), QByteArray(kEmptyFile));
        QVERIFY(p.dialogs.messages.empty());
        QCOMPARE(QFileInfo::exists(user), systemFolder);
        QCOMPARE(filesIn(dir.filePath("lib")), systemFolder ? QStringList{} : QStringList{"pref"});
    }

    void terminationRequestClosesTheMenuThroughItsShutDown_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("beforeTheMenu");  // the request comes while the program starts
        QTest::addColumn<bool>("modalOpen");      // a question is waiting for its answer
        QTest::newRow("SIGTERM") << SIGTERM << false << false;
        QTest::newRow("SIGINT while a question waits") << SIGINT << false << true;
        QTest::newRow("SIGHUP during start-up") << SIGHUP << true << false;
    }
    void terminationRequestClosesTheMenuThroughItsShutDown() {
#ifndef Q_OS_UNIX
        QSKIP("requests to end come as signals on Unix only");
#else
        QFETCH(int, signal);
        QFETCH(bool, beforeTheMenu);
        QFETCH(bool, modalOpen);
        catchTerminationRequests();
        if (beforeTheMenu) ::raise(signal);
        QTemporaryDir dir;
        Program p;
        p.registerPlain(WindowId::Bank);
        ProgramMenuWindow menu(p.context, dir.path());
        closeOnTerminationRequest(&menu);
        menu.show();
        p.windows.show(WindowId::Bank);
        if (!beforeTheMenu) ::raise(signal);

        // A second request would end the program at once.
        struct sigaction now {};
        ::sigaction(signal, nullptr, &now);
        QVERIFY(now.sa_handler == SIG_DFL);

        if (modalOpen) {
            QMessageBox box(QMessageBox::Question, "Numeralia", "¿Seguir?",
                            QMessageBox::Yes | QMessageBox::No, &menu);
            QCOMPARE(box.exec(), int(QMessageBox::No));  // closed as Escape would
        }
        QTRY_VERIFY(!menu.isVisible());
        QCOMPARE(readAll(dir.filePath("pref")), QByteArray(kEmptyFile));
        flushDeletes();
        QVERIFY(p.windows.existing(WindowId::Bank) == nullptr);
#endif
    }
};

QTEST_MAIN(ProgramMenuTest)
#include "program_menu_test.moc"
