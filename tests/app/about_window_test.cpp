// The About window.

#include <QtTest>

#include <QLabel>

#include "../core/fake_platform.h"
#include "app/info/about_window.h"

using namespace numeralia;
using namespace numeralia::app;

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheNameAndClosesWithTheKeyboard() {
        SharedState state;
        testing::FakeSoundPlayer sounds;
        testing::FakeDialogs dialogs;
        WindowRegistry windows;
        AppContext context{state, sounds, dialogs, windows};
        windows.registerWindow(WindowId::About, [&context] { return new AboutWindow(context); });

        QWidget* about = windows.show(WindowId::About);
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QString("Acerca de..."));
        QStringList texts;
        for (QLabel* label : about->findChildren<QLabel*>()) texts << label->text();
        QVERIFY2(texts.contains("Numeralia v2.5"), qPrintable(texts.join(" | ")));
        // Every text fits the window: no label is cut short.
        for (QLabel* label : about->findChildren<QLabel*>())
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->text()));

        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTest::keyClick(about, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(windows.existing(WindowId::About) == nullptr);
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
