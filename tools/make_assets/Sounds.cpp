// The two sounds, synthesised and written as PCM WAVE files.

// own
#include "make_assets/Drawing.h"

// Qt
#include <QtMath>

// std
#include <algorithm>
#include <cmath>
#include <vector>

namespace makeassets {

double midiFrequency(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// Adds one soft note: a few harmonics, a short attack, an exponential decay
// and a short release so no note ends with a click.
void addTone(std::vector<double>& out, int rate, double start, double length, double frequency,
             double gain, double decay, const std::vector<double>& partials) {
    const int first = int(start * rate);
    const int count = int(length * rate);
    const double attack = 0.012;
    const double release = 0.06;
    for (int i = 0; i < count && first + i < int(out.size()); ++i) {
        const double t = double(i) / rate;
        double env = std::min(1.0, t / attack) * std::exp(-t / decay);
        const double left = length - t;
        if (left < release) {
            env *= 0.5 - 0.5 * std::cos(M_PI * left / release);
        }
        double v = 0.0;
        for (std::size_t k = 0; k < partials.size(); ++k) {
            v += partials[k] * std::sin(2 * M_PI * frequency * double(k + 1) * t);
        }
        out[static_cast<std::size_t>(first + i)] += gain * env * v;
    }
}

// Scales to the given peak so nothing clips.
void normalise(std::vector<double>& samples, double peak) {
    double top = 0.0;
    for (const double v : samples) {
        top = std::max(top, std::abs(v));
    }
    if (top > 0.0) {
        for (double& v : samples) {
            v *= peak / top;
        }
    }
}

// The closing jingle: a rising phrase that lands on a held C major chord.
std::vector<double> closingJingle(int rate, int frames) {
    std::vector<double> out(static_cast<std::size_t>(frames), 0.0);
    const std::vector<double> warm = {1.0, 0.35, 0.12, 0.05};
    struct Note {
        double at;
        double length;
        int midi;
    };
    const Note phrase[] = {{0.00, 0.30, 67}, {0.22, 0.30, 72}, {0.44, 0.30, 76}, {0.66, 0.45, 79},
                           {1.05, 0.28, 77}, {1.30, 0.28, 79}, {1.55, 0.28, 81}, {1.80, 0.40, 83}};
    for (const Note& n : phrase) {
        addTone(out, rate, n.at, n.length, midiFrequency(n.midi), 0.5, 0.35, warm);
    }
    const double chordAt = 2.15;
    const double chordLength = 4.1 - chordAt - 0.05;
    for (const int midi : {60, 64, 67, 72, 84}) {
        addTone(out, rate, chordAt, chordLength, midiFrequency(midi), midi == 84 ? 0.35 : 0.3, 0.9,
                warm);
    }
    normalise(out, 0.88);
    return out;
}

// The "sound on" chime: a pentatonic arpeggio of bell tones, echoed between
// the two channels, fading out to silence.
std::vector<double> soundOnChime(int rate, int frames) {
    std::vector<double> left(static_cast<std::size_t>(frames), 0.0);
    std::vector<double> right(static_cast<std::size_t>(frames), 0.0);
    // Bell partials are not whole multiples; higher ones die away sooner.
    const double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.4};
    const double levels[] = {1.0, 0.45, 0.3, 0.14, 0.08};
    const double decays[] = {2.2, 1.2, 0.8, 0.45, 0.25};
    auto bell = [&](double at, int midi, double gain, double pan) {
        const double f = midiFrequency(midi);
        const int first = int(at * rate);
        for (int i = first; i < frames; ++i) {
            const double t = double(i - first) / rate;
            double v = 0.0;
            for (int k = 0; k < 5; ++k) {
                v += levels[k] * std::exp(-t / decays[k]) * std::sin(2 * M_PI * f * ratios[k] * t);
            }
            v *= gain * std::min(1.0, t / 0.004);
            left[static_cast<std::size_t>(i)] += v * (1.0 - pan) * 0.5;
            right[static_cast<std::size_t>(i)] += v * (1.0 + pan) * 0.5;
        }
    };
    const int notes[] = {79, 81, 84, 86, 88, 91};
    for (int i = 0; i < 6; ++i) {
        bell(0.05 + i * 0.26, notes[i], 0.5, -0.6 + i * 0.24);
    }
    for (const int midi : {84, 88, 91}) {
        bell(1.75, midi, 0.42, midi == 84 ? -0.3 : (midi == 91 ? 0.3 : 0.0));
    }
    bell(2.9, 96, 0.22, 0.0);
    // A soft answer that rings on into the fade.
    bell(3.7, 91, 0.16, 0.4);
    bell(4.1, 88, 0.14, -0.4);
    bell(4.5, 84, 0.16, 0.0);

    // A soft cross echo for width.
    const int delay = int(0.21 * rate);
    for (int i = frames - 1; i >= delay; --i) {
        const auto n = static_cast<std::size_t>(i);
        const auto d = static_cast<std::size_t>(i - delay);
        left[n] += 0.28 * right[d];
        right[n] += 0.28 * left[d];
    }

    // Fade out over the last three seconds.
    const int fadeFrom = frames - int(3.0 * rate);
    for (int i = std::max(0, fadeFrom); i < frames; ++i) {
        const double x = double(i - fadeFrom) / (frames - fadeFrom);
        const double g = 0.5 + 0.5 * std::cos(M_PI * x);
        left[static_cast<std::size_t>(i)] *= g;
        right[static_cast<std::size_t>(i)] *= g;
    }

    std::vector<double> interleaved(static_cast<std::size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        interleaved[static_cast<std::size_t>(2 * i)] = left[static_cast<std::size_t>(i)];
        interleaved[static_cast<std::size_t>(2 * i + 1)] = right[static_cast<std::size_t>(i)];
    }
    normalise(interleaved, 0.8);
    return interleaved;
}

void putLe(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.append(char((value >> (8 * i)) & 0xFF));
    }
}

// A canonical 44-byte-header PCM WAVE file; samples are in -1..1.
QByteArray wavFile(const std::vector<double>& samples, int rate, int channels, int bits) {
    QByteArray pcm;
    for (const double v : samples) {
        const double clamped = std::clamp(v, -1.0, 1.0);
        if (bits == 8) {
            pcm.append(char(quint8(std::lround(128.0 + clamped * 127.0))));
        } else {
            putLe(pcm, quint32(quint16(qint16(std::lround(clamped * 32767.0)))), 2);
        }
    }
    const int blockAlign = channels * bits / 8;
    QByteArray out;
    out.append("RIFF");
    putLe(out, quint32(36 + pcm.size()), 4);
    out.append("WAVEfmt ");
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, quint32(channels), 2);
    putLe(out, quint32(rate), 4);
    putLe(out, quint32(rate * blockAlign), 4);
    putLe(out, quint32(blockAlign), 2);
    putLe(out, quint32(bits), 2);
    out.append("data");
    putLe(out, quint32(pcm.size()), 4);
    out.append(pcm);
    return out;
}

} // namespace makeassets
