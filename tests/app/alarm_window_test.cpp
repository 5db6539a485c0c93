// The Alarm window: its caption while minimized, "Set" through the time dialog, ringing on
// the window's own timer, snoozing and stopping, and how it is opened.

#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimeEdit>

#include "app/desk/alarm_time_dialog.h"
#include "app/desk/alarm_window.h"
#include "app/shell/window_catalog.h"
#include "core/desk/manual_clock.h"
#include "core/desk/time_text.h"
#include "window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

namespace {

desk::AlarmTimeAnswer setTo(int hour, int minute) {
    return {desk::AlarmTimeAnswer::Choice::Set, {hour, minute}};
}

desk::ManualClock clockAt(const char* local) {
    desk::ManualClock clock(0, desk::Zone::centralEuropean());
    if (!clock.setLocal(*desk::parseDateTime(local))) qFatal("no such reading %s", local);
    return clock;
}

QString label(const QWidget& w, const char* name) { return child<QLabel>(&w, name)->text(); }

std::size_t ticsPlayed(const FakeSoundPlayer& sounds) {
    std::size_t count = 0;
    for (const FakeSoundPlayer::Play& play : sounds.played) {
        if (play.file != "tic.wav" || play.wait) return 0;  // only tic.wav, never waited for
        ++count;
    }
    return count;
}

// Answers the modal dialog that opens next: `act` runs on it once it shows.
template <typename Act>
void whenDialogOpens(Act act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<AlarmTimeDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) qFatal("no time dialog");
        act(*dialog);
    });
}

}  // namespace

class AlarmWindowTest : public QObject {
    Q_OBJECT

    Program p;

private slots:
    void init() { p.reset(); }

    void minimizedCaptionIsTheTimeOfMinimizing() {
        desk::ManualClock clock = clockAt("2024-06-15 19:05:09");
        FakeAlarmTimeEditor editor;
        AlarmWindow w(p.context, &clock, &editor);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Alarma"));
        auto* set = child<QPushButton>(&w, "Command1");
        QCOMPARE(set->text(), QStringLiteral("Set"));
        QVERIFY(label(w, "lblTime").startsWith(QStringLiteral("19:05:09")));
        QCOMPARE(label(w, "lblAlarma"), QString());

        w.showMinimized();
        const QString pm = QLocale::system().pmText();
        QCOMPARE(w.windowTitle(), QStringLiteral("07:05 ") + pm);
        QCOMPARE(set->text(), QStringLiteral("Set"));
        clock.advance(2 * desk::kMinute);
        // At the next second of the window's timer the time moves, the caption not.
        QTRY_VERIFY_WITH_TIMEOUT(label(w, "lblTime").startsWith(QStringLiteral("19:07:09")), 3000);
        QCOMPARE(w.windowTitle(), QStringLiteral("07:05 ") + pm);

        w.showNormal();
        QCOMPARE(w.windowTitle(), QStringLiteral("Alarma"));
        QCOMPARE(set->text(), QStringLiteral("Set"));
        w.showMinimized();
        QCOMPARE(w.windowTitle(), QStringLiteral("07:07 ") + pm);
    }

    // A second ahead, on the window's own timer: the minimized window comes back, says so,
    // blinks and ticks until it is snoozed; the snooze rings again and Escape ends it; the
    // window closed while it rings takes its message with it.
    void ringsASecondAheadThenSnoozesAndStops() {
        p.state.soundOn = 1;
        desk::ManualClock clock = clockAt("2024-06-15 07:29:59");
        FakeAlarmTimeEditor editor;
        editor.answers = {setTo(7, 30)};
        AlarmWindow w(p.context, &clock, &editor);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);
        QCOMPARE(label(w, "lblAlarma"), QStringLiteral("07:30 (hoy)"));
        w.showMinimized();
        QVERIFY(w.ringBox() == nullptr);
        clock.run();  // from 07:29:59

        QTRY_VERIFY_WITH_TIMEOUT(w.ringBox() != nullptr, 3000);
        QVERIFY(!(w.windowState() & Qt::WindowMinimized));
        QCOMPARE(w.windowTitle(), QStringLiteral("Alarma"));
        QMessageBox* box = w.ringBox();
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("Numeralia - Alarma"));
        QCOMPARE(box->text(), QStringLiteral("¡ Alarma !"));
        QCOMPARE(box->informativeText(), QStringLiteral("Son las 07:30."));
        QCOMPARE(label(w, "lblAlarma"), QStringLiteral("07:30 (sonando)"));
        QVERIFY(label(w, "lblTime").contains(QRegularExpression(QStringLiteral("^0?7:30:0"))));
        // tic.wav again at every second, and the alarm label blinking.
        auto* alarm = child<QLabel>(&w, "lblAlarma");
        const std::size_t tics = ticsPlayed(p.sounds);
        QVERIFY(tics >= 1);
        QTRY_VERIFY_WITH_TIMEOUT(ticsPlayed(p.sounds) > tics, 3000);
        QTRY_VERIFY_WITH_TIMEOUT(alarm->property("blink").toBool(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!alarm->property("blink").toBool(), 3000);

        QTest::mouseClick(child<QPushButton>(box, "posponer"), Qt::LeftButton);
        QTRY_VERIFY(w.ringBox() == nullptr);
        QVERIFY(!w.model().ringing());
        QCOMPARE(label(w, "lblAlarma"), QStringLiteral("07:35 (pospuesta)"));
        const std::size_t snoozedTics = ticsPlayed(p.sounds);
        QTest::qWait(1100);
        QCOMPARE(ticsPlayed(p.sounds), snoozedTics);

        clock.set(*w.model().nextRing() - 500);  // half a second before the snooze ends
        QTRY_VERIFY_WITH_TIMEOUT(w.ringBox() != nullptr, 3000);
        QCOMPARE(w.ringBox()->informativeText(),
                 QStringLiteral("Son las 07:35. Alarma de las 07:30, pospuesta 5 min."));
        QTest::keyClick(w.ringBox(), Qt::Key_Escape);  // as "Parar"
        QTRY_VERIFY(w.ringBox() == nullptr);
        QVERIFY(!w.model().ringing());
        QCOMPARE(label(w, "lblAlarma"), QStringLiteral("07:30 (mañana)"));
        QVERIFY(!alarm->property("blink").toBool());

        // The next morning it rings again, and the window goes while it rings.
        clock.set(*w.model().nextRing() - 500);
        QTRY_VERIFY_WITH_TIMEOUT(w.ringBox() != nullptr, 3000);
        QCOMPARE(w.model().ringCount(), 3);
    }

    // The time dialog: prefilled with the next full hour, typed digits, "Quitar alarma".
    void setAsksWithTheTimeDialog() {
        desk::ManualClock clock = clockAt("2024-06-15 14:23:10");
        AlarmWindow w(p.context, &clock);
        w.show();
        auto* set = child<QPushButton>(&w, "Command1");

        QTime offered;
        bool clearOffered = true;
        whenDialogOpens([&](AlarmTimeDialog& dialog) {
            offered = dialog.timeBox()->time();
            clearOffered = dialog.findChild<QPushButton*>("quitar") != nullptr;
            QTest::keyClicks(dialog.timeBox(), "0730");
            QTest::keyClick(dialog.timeBox(), Qt::Key_Return);
        });
        QTest::mouseClick(set, Qt::LeftButton);
        QCOMPARE(offered, QTime(15, 0));
        QVERIFY(!clearOffered);
        QCOMPARE(w.model().alarmTime(), (desk::WallTime{7, 30}));
        QCOMPARE(label(w, "lblAlarma"), QStringLiteral("07:30 (mañana)"));

        // Arrow keys, wrapping past midnight; Escape cancels.
        whenDialogOpens([&](AlarmTimeDialog& dialog) {
            offered = dialog.timeBox()->time();
            QTest::keyClick(dialog.timeBox(), Qt::Key_Down);
            QCOMPARE(dialog.timeBox()->time(), QTime(6, 30));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(set, Qt::LeftButton);
        QCOMPARE(offered, QTime(7, 30));
        QCOMPARE(w.model().alarmTime(), (desk::WallTime{7, 30}));

        whenDialogOpens([&](AlarmTimeDialog& dialog) {
            dialog.timeBox()->setTime(QTime(0, 5));
            QTest::keyClick(dialog.timeBox(), Qt::Key_Down);  // hours: 00 wraps to 23
            QTest::keyClick(&dialog, Qt::Key_Enter);
        });
        QTest::mouseClick(set, Qt::LeftButton);
        QCOMPARE(label(w, "lblAlarma"), QStringLiteral("23:05 (hoy)"));

        whenDialogOpens([&](AlarmTimeDialog& dialog) {
            auto* clear = dialog.findChild<QPushButton*>("quitar");
            QVERIFY(clear != nullptr);
            QTest::mouseClick(clear, Qt::LeftButton);
        });
        QTest::mouseClick(set, Qt::LeftButton);
        QCOMPARE(w.model().alarmTime(), std::nullopt);
        QCOMPARE(label(w, "lblAlarma"), QString());
    }

    // The user's own close asks while an alarm is set, the program's does not.
    void closedWithAQuestion() {
        registerWindows(p.context);
        auto* w = qobject_cast<AlarmWindow*>(p.windows.show(WindowId::Alarm));
        QVERIFY(w && QTest::qWaitForWindowExposed(w));
        w->model().setAlarm({6, 0});
        p.dialogs.answer = false;
        QVERIFY(!w->close());  // answered No
        QCOMPARE(p.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(qs(p.dialogs.messages[0].second),
                 QStringLiteral("Si cierra esta ventana, la alarma de las 06:00 no sonará; "
                                "minimizada, sigue en marcha.\n\n¿Desea cerrarla?"));
        QVERIFY(w->isVisible());
        p.closeWindows();  // shutting down does not ask
        QVERIFY(p.windows.existing(WindowId::Alarm) == nullptr);
        QCOMPARE(p.dialogs.messages.size(), std::size_t(1));

        p.windows.show(WindowId::Alarm);
        w = qobject_cast<AlarmWindow*>(p.windows.existing(WindowId::Alarm));
        QVERIFY(w && QTest::qWaitForWindowExposed(w));
        QCOMPARE(label(*w, "lblAlarma"), QString());  // opens fresh
        QVERIFY(w->close());  // no alarm: no question
        QCOMPARE(p.dialogs.messages.size(), std::size_t(1));
    }
};

QTEST_MAIN(AlarmWindowTest)
#include "alarm_window_test.moc"
