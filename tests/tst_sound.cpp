// own
#include "assets/AssetFiles.h"
#include "assets/SoundCues.h"
#include "platform/QtSoundPlayer.h"
#include "platform/SoundModule.h"

// Qt
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

// std
#include <optional>

namespace {

// Builds a WAVE file; extraBefore goes between the header and "fmt ".
QByteArray wav(quint16 code, quint16 channels, quint32 rate, quint16 bits,
               const QByteArray& samples, const QByteArray& extraBefore = {},
               std::optional<quint16> blockAlign = std::nullopt,
               std::optional<quint32> dataSize = std::nullopt) {
    QByteArray fmt(16, '\0');
    qToLittleEndian<quint16>(code, fmt.data());
    qToLittleEndian<quint16>(channels, fmt.data() + 2);
    qToLittleEndian<quint32>(rate, fmt.data() + 4);
    const quint16 align = blockAlign.value_or(quint16(channels * bits / 8));
    qToLittleEndian<quint32>(rate * align, fmt.data() + 8);
    qToLittleEndian<quint16>(align, fmt.data() + 12);
    qToLittleEndian<quint16>(bits, fmt.data() + 14);
    auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian<quint32>(v, b.data());
        return b;
    };
    QByteArray body = "WAVE" + extraBefore + "fmt " + le32(16) + fmt + "data" +
                      le32(dataSize.value_or(quint32(samples.size()))) + samples;
    return "RIFF" + le32(quint32(body.size())) + body;
}

QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(quint32(body.size()), size.data());
    QByteArray out = QByteArray(id) + size + body;
    if (body.size() % 2 != 0) {
        out.append('\0');
    }
    return out;
}

// The header facts of a canonical WAVE file, read independently of the
// game's own header reader.
struct WavFacts {
    quint16 code = 0, channels = 0, bits = 0, blockAlign = 0;
    quint32 rate = 0, byteRate = 0;
    QByteArray data;
};

WavFacts readWavFacts(const QByteArray& file) {
    WavFacts facts;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(file.constData() + at + 4);
        if (id == "fmt ") {
            const char* f = file.constData() + at + 8;
            facts.code = qFromLittleEndian<quint16>(f);
            facts.channels = qFromLittleEndian<quint16>(f + 2);
            facts.rate = qFromLittleEndian<quint32>(f + 4);
            facts.byteRate = qFromLittleEndian<quint32>(f + 8);
            facts.blockAlign = qFromLittleEndian<quint16>(f + 12);
            facts.bits = qFromLittleEndian<quint16>(f + 14);
        } else if (id == "data") {
            facts.data = file.mid(at + 8, size);
        }
        at += 8 + size + (size & 1U);
    }
    return facts;
}

} // namespace

// The embedded sounds, their lengths and the player that waits for them.
class TstSound : public QObject {
    Q_OBJECT

  private slots:
    void soundFiles_data();
    void soundFiles();
    void wavLength_data();
    void wavLength();
    void playerReturnsAtOnceWithoutSound_data();
    void playerReturnsAtOnceWithoutSound();
    void playerWaitEndsAtTheSoundsLength();
    void soundModuleLoadsWithTheFirstSound_data();
    void soundModuleLoadsWithTheFirstSound();
};

void TstSound::soundFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<double>("seconds");
    QTest::newRow("closing jingle") << QStringLiteral("1tro") << 1 << 11025 << 8 << 4.1;
    QTest::newRow("sound on") << QStringLiteral("4hrf") << 2 << 44100 << 16 << 6.9;
}

void TstSound::soundFiles() {
    QFETCH(QString, name);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFETCH(double, seconds);
    const QByteArray file = assets::embeddedSound(name);
    QVERIFY(file.startsWith("RIFF"));
    QCOMPARE(file.mid(8, 4), QByteArray("WAVE"));
    const WavFacts facts = readWavFacts(file);
    QCOMPARE(facts.code, quint16(1));
    QCOMPARE(int(facts.channels), channels);
    QCOMPARE(int(facts.rate), rate);
    QCOMPARE(int(facts.bits), bits);
    QCOMPARE(int(facts.blockAlign), channels * bits / 8);
    QCOMPARE(int(facts.byteRate), rate * channels * bits / 8);
    QCOMPARE(facts.data.size() % facts.blockAlign, 0);
    const double duration = double(facts.data.size()) / facts.byteRate;
    QVERIFY2(qAbs(duration - seconds) <= 0.15, qPrintable(QString::number(duration)));

    // Audible, and never at the rails (no clipping).
    int peak = 0;
    if (bits == 8) {
        for (const char c : facts.data) {
            peak = qMax(peak, qAbs(int(quint8(c)) - 128));
        }
        QVERIFY(peak < 128);
        QVERIFY(peak > 60);
    } else {
        for (qsizetype i = 0; i + 1 < facts.data.size(); i += 2) {
            peak = qMax(peak, qAbs(int(qFromLittleEndian<qint16>(facts.data.constData() + i))));
        }
        QVERIFY(peak < 32767);
        QVERIFY(peak > 16000);
    }

    // The length the player waits for.
    QCOMPARE(assets::soundLengthMs(name), int(facts.data.size() * 1000 / facts.byteRate));
}

void TstSound::wavLength_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<qint64>("fileSize"); // -1: the head is the whole file
    QTest::addColumn<int>("lengthMs");    // -1: no length

    const QByteArray second(8000, 'x'); // one second at 8000 bytes a second
    QTest::newRow("whole file") << wav(1, 1, 8000, 8, second) << qint64(-1) << 1000;
    QTest::newRow("stereo 16 bit") << wav(1, 2, 1000, 16, second) << qint64(-1) << 2000;
    QTest::newRow("odd chunk before fmt")
        << wav(1, 1, 8000, 8, second, chunk("LIST", "abc")) << qint64(-1) << 1000;
    // A header read on its own: the data's size comes from the chunk.
    QTest::newRow("head only") << wav(1, 1, 8000, 8, second).left(44) << qint64(8044) << 1000;
    QTest::newRow("file cut short")
        << wav(1, 1, 8000, 8, second).left(44) << qint64(44 + 4000) << 500;
    QTest::newRow("data size too large")
        << wav(1, 1, 8000, 8, second, {}, {}, 80000) << qint64(-1) << 1000;

    QTest::newRow("empty") << QByteArray() << qint64(-1) << -1;
    QTest::newRow("not wave") << wav(1, 1, 8000, 8, second).replace(8, 4, "AVI ") << qint64(-1)
                              << -1;
    QTest::newRow("no data chunk") << wav(1, 1, 8000, 8, second).left(36) << qint64(-1) << -1;
    QTest::newRow("zero byte rate") << wav(1, 1, 0, 8, second) << qint64(-1) << -1;
    QTest::newRow("data before fmt")
        << QByteArray("RIFF\x10\0\0\0WAVEdata\x04\0\0\0abcd", 24) << qint64(-1) << -1;
}

void TstSound::wavLength() {
    QFETCH(QByteArray, head);
    QFETCH(qint64, fileSize);
    QFETCH(int, lengthMs);
    const std::optional<int> length = assets::wavLengthMs(head, fileSize);
    QCOMPARE(length.value_or(-1), lengthMs);
}

void TstSound::playerReturnsAtOnceWithoutSound_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("withOutput");
    QTest::newRow("closing jingle, no output") << QStringLiteral("1tro") << false;
    QTest::newRow("sound on, no output") << QStringLiteral("4hrf") << false;
    // An unknown sound stays silent even where an output exists.
    QTest::newRow("unknown sound") << QStringLiteral("no-such-sound") << true;
}

void TstSound::playerReturnsAtOnceWithoutSound() {
    QFETCH(QString, name);
    QFETCH(bool, withOutput);
    int lookups = 0;
    QtSoundPlayer player(
        [&](const QString& sound) {
            ++lookups;
            return SoundSource{assets::soundUrl(sound), assets::soundLengthMs(sound)};
        },
        [] { return QAudioDevice(); });
    QElapsedTimer clock;
    clock.start();
    if (withOutput) {
        player.playOn(QAudioDevice(), name); // would wait if the lookup gave a sound
    } else {
        player.play(name);
    }
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(lookups, withOutput ? 1 : 0); // nothing is looked up without an output
}

void TstSound::playerWaitEndsAtTheSoundsLength() {
    // No device takes a sound played on a null output, so Qt reports it as
    // playing until it is stopped: only the bound ends the wait. Timers run
    // meanwhile, so the window's clock goes on.
    constexpr int lengthMs = 300;
    constexpr int marginMs = 200;
    QtSoundPlayer player(
        [](const QString& name) {
            return SoundSource{assets::soundUrl(name), lengthMs};
        },
        {}, marginMs);
    int ticks = 0;
    QTimer clockTimer;
    connect(&clockTimer, &QTimer::timeout, [&] { ++ticks; });
    clockTimer.start(50);
    QElapsedTimer clock;
    clock.start();
    player.playOn(QAudioDevice(), QStringLiteral("1tro"));
    const qint64 waited = clock.elapsed();
    QVERIFY2(waited >= lengthMs + marginMs - 20, qPrintable(QString::number(waited)));
    QVERIFY2(waited < lengthMs + marginMs + 1500, qPrintable(QString::number(waited)));
    QVERIFY(ticks >= 3);

    // The player is free again for the next sound.
    clock.restart();
    player.playOn(QAudioDevice(), QStringLiteral("4hrf"));
    QVERIFY(clock.elapsed() >= lengthMs + marginMs - 20);
}

void TstSound::soundModuleLoadsWithTheFirstSound_data() {
    // What the player is given: the game's own module, found as the game
    // finds it, or an empty folder holding nothing or a file that is no
    // module at the module's name.
    QTest::addColumn<QByteArray>("planted");
    QTest::newRow("beside the game") << QByteArray("the game's");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a module") << QByteArray("no library");
}

void TstSound::soundModuleLoadsWithTheFirstSound() {
    QFETCH(QByteArray, planted);
    const bool loads = planted == "the game's";
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QStringList modules{tmp.filePath(QStringLiteral("kestrelon-sound.so"))};
    if (loads) {
        modules = ModuleSoundPlayer::besideProgram(QFileInfo(GAME_BINARY).absolutePath());
    } else if (!planted.isEmpty()) {
        QFile file(modules.front());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(planted) == planted.size());
    }
    ModuleSoundPlayer player([](const QString&) { return SoundSource{}; }, modules);
    QVERIFY(player.problem().isEmpty());
    if (!loads) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QRegularExpression::escape(modules.front())));
    }
    player.play(QStringLiteral("1tro"));
    player.play(QStringLiteral("1tro")); // tried once, said once
    QVERIFY2(player.problem().isEmpty() == loads, qPrintable(player.problem()));
}

QTEST_MAIN(TstSound)
#include "tst_sound.moc"
