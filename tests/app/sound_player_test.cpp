// The wave files of the program and the Qt sound player.

#include <QtTest>

#include <QSoundEffect>
#include <QTemporaryDir>

#include "app/shell/qt_sound_player.h"

using namespace numeralia;
using namespace numeralia::app;

class SoundPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void waveFilesAreShortAndSmall() {
        const QString folder = QString(NUMERALIA_SOURCE_DIR) + "/assets/sounds/";
        for (const char* name : {"manager.wav", "pato.wav", "hey.wav", "ooh.wav", "tic.wav"}) {
            const QFileInfo info(folder + name);
            QVERIFY2(info.isFile(), name);
            QVERIFY2(info.size() < 100 * 1024, name);
            const int ms = waveDurationMs(info.filePath());
            QVERIFY2(ms >= 50 && ms <= 1500, qPrintable(QString("%1: %2 ms").arg(name).arg(ms)));
        }
        QCOMPARE(waveDurationMs(folder + "manager.wav"), 1300);
    }

    void durationOfFilesThatAreNotWaves() {
        QTemporaryDir dir;
        QFile text(dir.filePath("text.wav"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray(100, 'x'));
        text.close();
        QCOMPARE(waveDurationMs(text.fileName()), 0);
        QCOMPARE(waveDurationMs(dir.filePath("missing.wav")), 0);
    }

    // Whether or not this machine has a sound output, a sound that is waited for returns, a
    // missing file returns at once, and every effect is released once it has played.
    void soundsEndAndAreReleased() {
        SharedState state;
        state.programFolder = QString(NUMERALIA_SOURCE_DIR).toStdString() + "/assets/sounds/";
        QtSoundPlayer player(state);
        player.playWave("missing.wav", true);
        player.playWave("missing.wav", false);
        QCoreApplication::processEvents();
        QCOMPARE(player.findChildren<QSoundEffect*>().size(), qsizetype(0));

        player.playWave("tic.wav", true);
        player.playWave("manager.wav", false);
        QTRY_COMPARE_WITH_TIMEOUT(player.findChildren<QSoundEffect*>().size(), qsizetype(0), 10000);
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "sound_player_test.moc"
