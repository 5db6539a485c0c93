// The sound indicator of every window that has one: shown while the sounds are on, and the
// switch (changed in another window) read when the window becomes active again, not while it
// stays active.

#include "all_windows_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

class SoundIndicatorTest : public QObject {
    Q_OBJECT

  private slots:
    void followsTheSwitchOnActivation() {
        AllWindows all;
        QStringList withIndicator;
        all.forEach([&](WindowId id, QWidget* window) {
            if (id == WindowId::Help) return;  // its drawing of the calculator only explains
            QWidget* indicator = nullptr;
            for (QWidget* widget : window->findChildren<QWidget*>())
                if (widget->toolTip().startsWith(QStringLiteral("Sonidos"))) indicator = widget;
            if (!indicator) return;
            withIndicator << QString::fromLatin1(windowName(id));
            all.p.state.soundOn = 1;
            QVERIFY(activateAgain(window));
            QTRY_VERIFY2(indicator->isVisible(), windowName(id));
            all.p.state.soundOn = 0;
            QVERIFY2(indicator->isVisible(), windowName(id));
            QVERIFY(activateAgain(window));
            QTRY_VERIFY2(!indicator->isVisible(), windowName(id));
        });
        QCOMPARE(withIndicator,
                 QStringList({"Scientific", "Normal", "Converter", "Lottery", "Bank", "Periodic"}));
    }
};

QTEST_MAIN(SoundIndicatorTest)
#include "sound_indicator_test.moc"
