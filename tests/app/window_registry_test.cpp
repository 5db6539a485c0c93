#include <QtTest>

#include "app/shell/window_registry.h"

using namespace numeralia::app;

class WindowRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void showsOneInstanceAndOpensFreshAfterClose() {
        WindowRegistry registry;
        int created = 0;
        registry.registerWindow(WindowId::About, [&] { ++created; return new QWidget; });
        QWidget* first = registry.show(WindowId::About);
        QVERIFY(first != nullptr);
        QCOMPARE(registry.show(WindowId::About), first);
        QCOMPARE(created, 1);
        registry.close(WindowId::About);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(registry.existing(WindowId::About) == nullptr);
        registry.show(WindowId::About);
        QCOMPARE(created, 2);
        QVERIFY(registry.show(WindowId::Lottery) == nullptr);
        registry.closeAll();
    }
};

QTEST_MAIN(WindowRegistryTest)
#include "window_registry_test.moc"
