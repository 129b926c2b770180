// own
#include "platform/sound/QtSoundPlayer.h"

// Qt
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

// std
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr quint16 FormatPcm = 1;
constexpr quint16 FormatFloat = 3;
constexpr quint16 FormatExtensible = 0xFFFE;

quint16 read16(const char* at) {
    return qFromLittleEndian<quint16>(at);
}

quint32 read32(const char* at) {
    return qFromLittleEndian<quint32>(at);
}

struct FmtChunk {
    quint16 code = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 blockAlign = 0;
    quint16 bits = 0;
};

std::optional<FmtChunk> readFmt(const char* data, quint32 size) {
    if (size < 16) {
        return std::nullopt;
    }
    FmtChunk fmt;
    fmt.code = read16(data);
    fmt.channels = read16(data + 2);
    fmt.rate = read32(data + 4);
    fmt.blockAlign = read16(data + 12);
    fmt.bits = read16(data + 14);
    if (fmt.code == FormatExtensible) {
        // The real format code opens the sub-format GUID at offset 24.
        if (size < 40) {
            return std::nullopt;
        }
        fmt.code = read16(data + 24);
    }
    return fmt;
}

std::optional<QAudioFormat::SampleFormat> sampleFormat(const FmtChunk& fmt) {
    if (fmt.code == FormatPcm) {
        switch (fmt.bits) {
        case 8:
            return QAudioFormat::UInt8;
        case 16:
            return QAudioFormat::Int16;
        case 32:
            return QAudioFormat::Int32;
        default:
            return std::nullopt;
        }
    }
    if (fmt.code == FormatFloat && fmt.bits == 32) {
        return QAudioFormat::Float;
    }
    return std::nullopt;
}

double readSample(const char* at, QAudioFormat::SampleFormat format) {
    switch (format) {
    case QAudioFormat::UInt8:
        return (static_cast<quint8>(*at) - 128) / 128.0;
    case QAudioFormat::Int16:
        return qFromLittleEndian<qint16>(at) / 32768.0;
    case QAudioFormat::Int32:
        return qFromLittleEndian<qint32>(at) / 2147483648.0;
    case QAudioFormat::Float: {
        const float v = qFromLittleEndian<float>(at);
        return std::isfinite(v) ? double(v) : 0.0;
    }
    default:
        return 0.0;
    }
}

void writeSample(char* at, QAudioFormat::SampleFormat format, double value) {
    const double v = std::clamp(value, -1.0, 1.0);
    switch (format) {
    case QAudioFormat::UInt8:
        *at = static_cast<char>(static_cast<quint8>(std::lround(128.0 + v * 127.0)));
        break;
    case QAudioFormat::Int16:
        qToLittleEndian<qint16>(static_cast<qint16>(std::lround(v * 32767.0)), at);
        break;
    case QAudioFormat::Int32:
        qToLittleEndian<qint32>(static_cast<qint32>(std::llround(v * 2147483647.0)), at);
        break;
    case QAudioFormat::Float:
        qToLittleEndian<float>(static_cast<float>(v), at);
        break;
    default:
        break;
    }
}

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

std::optional<WavSound> parseWav(const QByteArray& file) {
    const char* data = file.constData();
    const qsizetype size = file.size();
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    std::optional<FmtChunk> fmt;
    const char* samples = nullptr;
    qsizetype sampleBytes = 0;
    qsizetype at = 12;
    while (at + 8 <= size && samples == nullptr) {
        const char* id = data + at;
        const quint32 declared = read32(data + at + 4);
        const qsizetype bodyAt = at + 8;
        const qsizetype available = size - bodyAt;
        if (std::memcmp(id, "fmt ", 4) == 0) {
            if (declared > available) {
                return std::nullopt;
            }
            fmt = readFmt(data + bodyAt, declared);
            if (!fmt) {
                return std::nullopt;
            }
        } else if (std::memcmp(id, "data", 4) == 0) {
            if (!fmt) {
                return std::nullopt; // the format has to come first
            }
            samples = data + bodyAt;
            // Files cut short in transfer keep a data size that is too large.
            sampleBytes = std::min<qsizetype>(declared, available);
        }
        // Chunks are padded to an even length.
        at = bodyAt + qsizetype(declared) + (declared & 1U);
    }
    if (!fmt || samples == nullptr) {
        return std::nullopt;
    }
    const std::optional<QAudioFormat::SampleFormat> type = sampleFormat(*fmt);
    if (!type || fmt->channels < 1 || fmt->channels > 8 || fmt->rate < 1000 || fmt->rate > 384000 ||
        fmt->blockAlign != fmt->channels * (fmt->bits / 8)) {
        return std::nullopt;
    }
    const qsizetype wholeFrames = sampleBytes / fmt->blockAlign;
    if (wholeFrames == 0) {
        return std::nullopt;
    }
    WavSound sound;
    sound.format.setSampleRate(int(fmt->rate));
    sound.format.setChannelCount(fmt->channels);
    sound.format.setSampleFormat(*type);
    sound.samples = QByteArray(samples, wholeFrames * fmt->blockAlign);
    return sound;
}

QByteArray convertSamples(const WavSound& sound, const QAudioFormat& target) {
    const QAudioFormat& source = sound.format;
    const int inChannels = source.channelCount();
    const int outChannels = target.channelCount();
    const int inBytes = source.bytesPerSample();
    const int outBytes = target.bytesPerSample();
    if (!source.isValid() || !target.isValid() || inBytes == 0 || outBytes == 0) {
        return {};
    }
    const qsizetype inFrames = sound.samples.size() / source.bytesPerFrame();
    if (inFrames == 0) {
        return {};
    }

    // One value per output channel for each source frame.
    std::vector<double> mixed(static_cast<std::size_t>(inFrames * outChannels));
    const char* in = sound.samples.constData();
    for (qsizetype f = 0; f < inFrames; ++f) {
        const char* frame = in + f * source.bytesPerFrame();
        double* out = mixed.data() + f * outChannels;
        if (inChannels == 1) {
            std::fill(out, out + outChannels, readSample(frame, source.sampleFormat()));
        } else if (outChannels == 1) {
            double sum = 0.0;
            for (int c = 0; c < inChannels; ++c) {
                sum += readSample(frame + c * inBytes, source.sampleFormat());
            }
            out[0] = sum / inChannels;
        } else {
            for (int c = 0; c < outChannels; ++c) {
                out[c] =
                    c < inChannels ? readSample(frame + c * inBytes, source.sampleFormat()) : 0.0;
            }
        }
    }

    const double step = double(source.sampleRate()) / double(target.sampleRate());
    const auto outFrames = static_cast<qsizetype>(std::llround(double(inFrames) / step));
    QByteArray result(outFrames * outChannels * outBytes, '\0');
    char* out = result.data();
    for (qsizetype f = 0; f < outFrames; ++f) {
        const double position = double(f) * step;
        const auto before = std::min<qsizetype>(static_cast<qsizetype>(position), inFrames - 1);
        const qsizetype after = std::min<qsizetype>(before + 1, inFrames - 1);
        const double weight = position - double(before);
        for (int c = 0; c < outChannels; ++c) {
            const double a = mixed[static_cast<std::size_t>(before * outChannels + c)];
            const double b = mixed[static_cast<std::size_t>(after * outChannels + c)];
            writeSample(out + (f * outChannels + c) * outBytes, target.sampleFormat(),
                        a + (b - a) * weight);
        }
    }
    return result;
}

void QtSoundPlayer::playData(const QByteArray& wavFile) {
    if (m_playing) {
        return;
    }
    const std::optional<WavSound> sound = parseWav(wavFile);
    if (!sound) {
        return;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return;
    }
    QAudioFormat format = sound->format;
    QByteArray samples = sound->samples;
    if (!device.isFormatSupported(format)) {
        format = device.preferredFormat();
        samples = convertSamples(*sound, format);
        if (samples.isEmpty()) {
            return;
        }
    }
    const PlayingFlag playing(m_playing);
    const qint64 durationMs = format.durationForBytes(qint32(samples.size())) / 1000;

    QBuffer buffer(&samples);
    buffer.open(QIODevice::ReadOnly);
    QAudioSink sink(device, format);
    QEventLoop loop;
    QElapsedTimer clock;

    // The sink turns idle once it has taken the last bytes from the buffer,
    // while the device may still hold a moment of them: wait out the rest of
    // the sound's length from its start.
    QTimer tail;
    tail.setSingleShot(true);
    QObject::connect(&tail, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
        if (state == QAudio::StoppedState) {
            loop.quit();
        } else if (state == QAudio::IdleState && buffer.atEnd() && !tail.isActive()) {
            tail.start(int(std::clamp<qint64>(durationMs - clock.elapsed(), 0, 1000)));
        }
    });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, &loop, &QEventLoop::quit);

    clock.start();
    sink.start(&buffer);
    if (sink.error() != QAudio::NoError || sink.state() == QAudio::StoppedState) {
        return;
    }
    safety.start(int(durationMs) + 2000);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QObject::disconnect(&sink, nullptr, &loop, nullptr);
    sink.stop();
}
