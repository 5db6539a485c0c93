// The About window.

#include <QLabel>

#include "app/info/about_window.h"
#include "window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheNameAndClosesWithTheKeyboard() {
        Program p;
        p.windows.registerWindow(WindowId::About, [&p] { return new AboutWindow(p.context); });
        QWidget* about = p.windows.show(WindowId::About);
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
        flushDeletes();
        QVERIFY(p.windows.existing(WindowId::About) == nullptr);
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
