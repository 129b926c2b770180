#pragma once

// own
#include "platform/Services.h"
#include "platform/SoundModule.h"

// Qt
#include <QAudioDevice>

// std
#include <functional>
#include <memory>

class QSoundEffect;

// Plays the game's sounds through Qt Multimedia and returns when the sound
// has ended. While it plays, the window keeps painting and timers run, but
// clicks and keys wait until the end. The audio stack is set up with the
// first sound, not before. Without an audio output, or for a sound the
// lookup does not know (it throws GameError), it returns at once and stays
// silent: sound is never worth an error box.
class QtSoundPlayer : public SoundPlayer {
  public:
    using Lookup = SoundLookup;
    using Output = std::function<QAudioDevice()>;

    // How long past its own length a sound may keep the window waiting: Qt
    // reports a sound that no device takes as playing forever, and a device
    // may still hold the last moment of it when the sound ends.
    static constexpr int MarginMs = 2000;

    // The output defaults to the system's default audio output at each sound.
    explicit QtSoundPlayer(Lookup lookup, Output output = {}, int marginMs = MarginMs);
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void play(const QString& name) override;

    // Plays on the given output, even a null one, and waits at most the
    // sound's length plus the margin.
    void playOn(const QAudioDevice& output, const QString& name);

  private:
    Lookup m_lookup;
    Output m_output;
    int m_marginMs;
    std::unique_ptr<QSoundEffect> m_effect;
    bool m_playing = false; // a timer firing during playback must not start another
};
