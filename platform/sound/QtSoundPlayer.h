#pragma once

// Qt
#include <QAudioFormat>
#include <QByteArray>

// std
#include <optional>

// The samples of a WAVE file and how they are laid out.
struct WavSound {
    QAudioFormat format;
    QByteArray samples; // whole frames only
};

// Reads a RIFF/WAVE file holding 8, 16 or 32 bit integer PCM or 32 bit float
// samples (plain or "extensible" fmt chunk; other chunks are skipped).
// Returns nothing for compressed, damaged, cut-off-before-the-data or empty
// files; a data chunk cut short is kept up to its last whole frame.
std::optional<WavSound> parseWav(const QByteArray& file);

// The samples of a sound rewritten for another format: channels are copied,
// spread (from mono) or mixed (to mono), the rate is changed by linear
// interpolation and the sample type converted. Used when the output device
// does not take the file's own format.
QByteArray convertSamples(const WavSound& sound, const QAudioFormat& target);

// Plays a WAVE file on the default output and returns when it has ended.
// While it plays, the window keeps painting and timers run, but clicks and
// keys wait until the end. Without an output device, with a damaged sound,
// or when the device will not start, it returns at once and stays silent:
// sound is never worth an error box.
class QtSoundPlayer {
  public:
    void playData(const QByteArray& wavFile);

  private:
    bool m_playing = false; // a timer firing during playback must not start another
};
