// The Program menu: loading the settings file on opening, its buttons, and shut-down.

#include <QTextBrowser>
#include <QToolButton>

#include "app/shell/program_menu_window.h"
#include "app/shell/svg_picture.h"
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

        QTest::mouseClick(command(menu, "Command6"), Qt::LeftButton);
        QVERIFY(p.windows.existing(WindowId::Alarm) != nullptr);
        p.registerPlain(WindowId::About);
        QTest::mouseClick(child<SvgPicture>(&menu, "Image6"), Qt::LeftButton);
        QVERIFY(p.windows.existing(WindowId::About) != nullptr);
    }

    void calculatorButtonOpensTheModelUsedLast_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("normalRegistered");
        QTest::addColumn<bool>("normalOpens");
        QTest::newRow("normalita") << "normalita" << true << true;
        QTest::newRow("avanzada") << "avanzada" << true << false;
        QTest::newRow("empty") << "" << true << false;
        QTest::newRow("other case") << "Normalita" << true << false;
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
};

QTEST_MAIN(ProgramMenuTest)
#include "program_menu_test.moc"
