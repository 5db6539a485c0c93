#include "app/shell/qt_sound_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QtEndian>
#include <algorithm>


namespace numeralia::app {

namespace {

// While a sound is being waited for, a window's close box does nothing: the action that
// played the sound is still running on that window.
class CloseBlocker : public QObject {
public:
    CloseBlocker() { qApp->installEventFilter(this); }
    ~CloseBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && watched->isWidgetType()) {
            event->ignore();
            return true;
        }
        return false;
    }
};

constexpr int kTailMs = 150;     // the sound leaves the speaker a little after it was started
constexpr int kLingerMs = 2000;  // how long a finished effect is kept for the device's buffer
constexpr int kLoadMs = 1500;  // the first sound also opens the audio device
constexpr int kMaxWaitMs = 30000;

}  // namespace

int waveDurationMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray header = file.read(44);
    if (header.size() < 44 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE") return 0;
    const quint32 byteRate = qFromLittleEndian<quint32>(header.constData() + 28);
    if (byteRate == 0) return 0;
    return static_cast<int>(std::min<qint64>((file.size() - 44) * 1000 / byteRate, kMaxWaitMs));
}

QtSoundPlayer::QtSoundPlayer(const SharedState& state, QObject* parent)
    : QObject(parent), state_(state) {}

void QtSoundPlayer::playWave(const std::string& file, bool wait) {
    if (!wait) {
        // Opening the audio device takes a moment: a background sound (the start-up chime)
        // starts once the event loop runs, so the window that plays it is not held up.
        QTimer::singleShot(0, this, [this, file] { play(file, false); });
        return;
    }
    play(file, true);
}

void QtSoundPlayer::play(const std::string& file, bool wait) {
    const QString path = QString::fromStdString(state_.programFolder + file);
    if (!QFileInfo(path).isFile()) return;
    if (QMediaDevices::defaultAudioOutput().isNull()) return;

    // How long the sound plays comes from the file itself: the effect's own "stopped playing"
    // signal is not reliable on every audio back end. Loading may take a moment the first
    // time, so the longest wait also allows for that.
    const int length = waveDurationMs(path);
    const int playTime = length > 0 ? length + kTailMs : kMaxWaitMs;
    const int longest = std::min(playTime + kLoadMs, kMaxWaitMs);

    QPointer<QSoundEffect> effect = new QSoundEffect(this);
    QEventLoop loop;
    QPointer<QEventLoop> waiting = wait ? &loop : nullptr;
    // The effect outlives the wait a little: the audio device may still be playing its end.
    auto finish = [effect, waiting] {
        if (waiting) waiting->quit();
        if (effect) QTimer::singleShot(kLingerMs, effect, &QObject::deleteLater);
    };
    auto startWhenLoaded = [effect, playTime, finish] {
        if (!effect) return;
        if (effect->status() == QSoundEffect::Error) finish();
        if (effect->status() != QSoundEffect::Ready || effect->isPlaying()) return;
        effect->play();
        QTimer::singleShot(playTime, effect, finish);
    };
    connect(effect, &QSoundEffect::statusChanged, effect, startWhenLoaded);
    if (length <= 0) {
        connect(effect, &QSoundEffect::playingChanged, effect, [effect, finish] {
            if (effect && !effect->isPlaying()) finish();
        });
    }
    QTimer::singleShot(longest, effect, finish);
    effect->setSource(QUrl::fromLocalFile(path));
    QTimer::singleShot(0, effect, startWhenLoaded);  // also when it was ready at once
    if (!wait) return;

    CloseBlocker blocker;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace numeralia::app
