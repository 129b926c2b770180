// own
#include "platform/QtSoundPlayer.h"
#include "platform/GameError.h"

// Qt
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>

namespace {

// Resets the "playing" flag however playback ends.
class PlayingFlag {
  public:
    explicit PlayingFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~PlayingFlag() { m_flag = false; }
    PlayingFlag(const PlayingFlag&) = delete;
    PlayingFlag& operator=(const PlayingFlag&) = delete;

  private:
    bool& m_flag;
};

} // namespace

QtSoundPlayer::QtSoundPlayer(Lookup lookup, Output output, int marginMs)
    : m_lookup(std::move(lookup)), m_output(std::move(output)), m_marginMs(marginMs) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const QString& name) {
    const QAudioDevice output = m_output ? m_output() : QMediaDevices::defaultAudioOutput();
    if (output.isNull()) {
        return;
    }
    playOn(output, name);
}

void QtSoundPlayer::playOn(const QAudioDevice& output, const QString& name) {
    if (m_playing) {
        return;
    }
    SoundSource source;
    try {
        source = m_lookup(name);
    } catch (const GameError&) {
        return; // a missing sound only means silence
    }
    if (source.url.isEmpty() || source.lengthMs <= 0) {
        return;
    }
    const PlayingFlag playing(m_playing);
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>(output);
    } else {
        m_effect->setAudioDevice(output);
    }
    QSoundEffect& effect = *m_effect;

    QEventLoop loop;
    bool started = false;
    const auto startWhenReady = [&] {
        if (effect.status() == QSoundEffect::Ready && !started) {
            started = true;
            effect.play();
        } else if (effect.status() == QSoundEffect::Error) {
            loop.quit();
        }
    };
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, startWhenReady);
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (started && !effect.isPlaying()) {
            loop.quit();
        }
    });
    // The sound loads on a thread of Qt's; the bound counts from here.
    QTimer bound;
    bound.setSingleShot(true);
    bound.setTimerType(Qt::PreciseTimer);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    bound.start(source.lengthMs + m_marginMs);

    effect.setSource(source.url);
    startWhenReady(); // a sound played before is ready at once
    if (effect.status() != QSoundEffect::Error) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    QObject::disconnect(&effect, nullptr, &loop, nullptr);
    effect.stop();
}
