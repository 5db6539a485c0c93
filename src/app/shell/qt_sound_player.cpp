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

constexpr int kMinWaitMs = 1000;
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
    const QString path = QString::fromStdString(state_.programFolder + file);
    if (!QFileInfo(path).isFile()) return;
    if (QMediaDevices::defaultAudioOutput().isNull()) return;

    QPointer<QSoundEffect> effect = new QSoundEffect(this);
    auto startWhenLoaded = [effect] {
        if (effect && effect->status() == QSoundEffect::Ready && !effect->isPlaying()) effect->play();
    };
    connect(effect, &QSoundEffect::statusChanged, effect, startWhenLoaded);
    effect->setSource(QUrl::fromLocalFile(path));
    startWhenLoaded();

    const int cap = std::clamp(waveDurationMs(path) + 1000, kMinWaitMs, kMaxWaitMs);
    if (!wait) {
        // Released when it has played, failed to load, or after the longest it may take.
        connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
            if (effect && !effect->isPlaying()) effect->deleteLater();
        });
        connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
            if (effect && effect->status() == QSoundEffect::Error) effect->deleteLater();
        });
        QTimer::singleShot(cap, effect, &QObject::deleteLater);
        return;
    }

    QEventLoop loop;
    connect(effect, &QSoundEffect::playingChanged, &loop, [&loop, effect] {
        if (effect && !effect->isPlaying()) loop.quit();
    });
    connect(effect, &QSoundEffect::statusChanged, &loop, [&loop, effect] {
        if (effect && effect->status() == QSoundEffect::Error) loop.quit();
    });
    QTimer::singleShot(cap, &loop, &QEventLoop::quit);
    if (effect->status() != QSoundEffect::Error) {
        CloseBlocker blocker;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    delete effect;
}

}  // namespace numeralia::app
