// own
#include "assets/AssetFiles.h"
#include "assets/SoundCues.h"
#include "platform/GameError.h"
#include "platform/QtSoundPlayer.h"

// Qt
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

// std
#include <optional>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString folder(const QTemporaryDir& dir) {
    return dir.path() + QLatin1Char('/');
}

bool isFaceSized(const QString& name) {
    return name == QLatin1String("empty") || name.startsWith(QLatin1String("img"));
}

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

class TstAssets : public QObject {
    Q_OBJECT

  private slots:
    void nameOrders();
    void embeddedPictures_data();
    void embeddedPictures();
    void unknownNamesThrow();

    void extractWritesExactCopies_data();
    void extractWritesExactCopies();
    void extractReportsUnwritableFolder_data();
    void extractReportsUnwritableFolder();
    void extractGoesOnAfterOneFailure();
    void deleteRemovesOnlyPictures();

    void loadPicture_data();
    void loadPicture();
    void loadPictureThrowsNamingTheFile();

    void facesTellApart();
    void pictureNames();

    void soundFiles_data();
    void soundFiles();
    void wavLength_data();
    void wavLength();
    void playerReturnsAtOnceWithoutSound_data();
    void playerReturnsAtOnceWithoutSound();
    void playerWaitEndsAtTheSoundsLength();
};

void TstAssets::nameOrders() {
    QStringList names = assets::imageNames();
    QCOMPARE(names.size(), 26);
    QCOMPARE(names.first(), QStringLiteral("bengerl"));
    QCOMPARE(names.mid(3, 19).first(), QStringLiteral("img18"));
    QCOMPARE(names.mid(3, 19).last(), QStringLiteral("img36"));
    QCOMPARE(names.mid(22), (QStringList{"kaeptn", "me", "metoo", "ok"}));
    QCOMPARE(names.removeDuplicates(), 0);

    // Deleting takes "metoo" before "me" and is otherwise the same order.
    QStringList expected = names;
    expected.swapItemsAt(names.indexOf("me"), names.indexOf("metoo"));
    QCOMPARE(assets::deletionOrder(), expected);
}

void TstAssets::embeddedPictures_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : assets::imageNames()) {
        QTest::newRow(qPrintable(name)) << name;
    }
}

void TstAssets::embeddedPictures() {
    // Reaching the resource at all shows it travels with the static library.
    QFETCH(QString, name);
    const QByteArray bytes = assets::embeddedImage(name);
    QVERIFY(bytes.startsWith("BM"));
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24)); // bits per pixel
    const QImage picture = QImage::fromData(bytes, "BMP");
    QVERIFY(!picture.isNull());
    const int side = isFaceSized(name) ? 160 : 192;
    QCOMPARE(picture.size(), QSize(side, side));
}

void TstAssets::unknownNamesThrow() {
    QVERIFY_THROWS_EXCEPTION(GameError, assets::embeddedImage("img37"));
    QVERIFY_THROWS_EXCEPTION(GameError, assets::embeddedSound("no-such-sound"));
    try {
        assets::embeddedSound("no-such-sound");
    } catch (const GameError& error) {
        QVERIFY(error.message().contains("no-such-sound.wav"));
    }
    QVERIFY_THROWS_EXCEPTION(GameError, assets::soundLengthMs("no-such-sound"));
}

void TstAssets::extractWritesExactCopies_data() {
    QTest::addColumn<QByteArray>("oldContent");
    QTest::newRow("new files") << QByteArray();
    QTest::newRow("over empty files") << QByteArray("");
    QTest::newRow("over shorter files") << QByteArray("BM old");
    QTest::newRow("over longer files") << QByteArray(300000, 'x');
}

void TstAssets::extractWritesExactCopies() {
    QFETCH(QByteArray, oldContent);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!oldContent.isNull()) {
        for (const QString& name : assets::imageNames()) {
            QVERIFY(writeFile(dir.filePath(name + ".bmp"), oldContent));
        }
    }

    QCOMPARE(assets::extractAll(folder(dir)), QStringList());

    for (const QString& name : assets::imageNames()) {
        QCOMPARE(readFile(dir.filePath(name + ".bmp")), assets::embeddedImage(name));
    }
    // Exactly the 26 pictures: no temporary files left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 26);
}

void TstAssets::extractReportsUnwritableFolder_data() {
    QTest::addColumn<QString>("subfolder");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("missing folder") << QStringLiteral("not-there/") << false;
    QTest::newRow("folder is a file") << QStringLiteral("nog.txt/") << false;
    QTest::newRow("read-only folder") << QStringLiteral("locked/") << true;
}

void TstAssets::extractReportsUnwritableFolder() {
    QFETCH(QString, subfolder);
    QFETCH(bool, readOnly);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath("nog.txt"), "1"));
    const QString target = folder(dir) + subfolder;
    if (readOnly) {
        QVERIFY(QDir(dir.path()).mkdir("locked"));
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (::access(QFile::encodeName(target).constData(), W_OK) == 0) {
            QSKIP("running with rights that write into read-only folders");
        }
    }

    QStringList failures;
    try {
        failures = assets::extractAll(target);
    } catch (...) {
        QFAIL("extractAll threw");
    }

    const QStringList names = assets::imageNames();
    QCOMPARE(failures.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        QVERIFY2(failures[i].contains(target + names[i] + ".bmp"), qPrintable(failures[i]));
        QVERIFY2(failures[i].size() > (target + names[i] + ".bmp").size() + 20,
                 "the message gives a reason");
    }
    if (readOnly) {
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QVERIFY(QDir(target).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
}

void TstAssets::extractGoesOnAfterOneFailure() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("ok.bmp")); // a folder where a picture should go

    const QStringList failures = assets::extractAll(folder(dir));

    QCOMPARE(failures.size(), 1);
    QVERIFY(failures.first().contains(dir.filePath("ok.bmp")));
    QVERIFY(QFileInfo(dir.filePath("ok.bmp")).isDir());
    for (const QString& name : assets::imageNames()) {
        if (name != QLatin1String("ok")) {
            QCOMPARE(readFile(dir.filePath(name + ".bmp")), assets::embeddedImage(name));
        }
    }
}

void TstAssets::deleteRemovesOnlyPictures() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(assets::extractAll(folder(dir)), QStringList());
    QVERIFY(QFile::remove(dir.filePath("img30.bmp"))); // one already gone
    const QStringList others = {"highscore.txt", "highscore2.txt", "nog.txt", "img17.bmp",
                                "img37.bmp",     "me.png",         "okay.bmp"};
    for (const QString& other : others) {
        QVERIFY(writeFile(dir.filePath(other), "keep"));
    }

    assets::deleteAll(folder(dir));

    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    QStringList expected = others;
    expected.sort();
    QCOMPARE(left, expected);
    assets::deleteAll(folder(dir)); // nothing to delete is fine too
    assets::deleteAll(folder(dir) + "not-there/");
}

void TstAssets::loadPicture_data() {
    QTest::addColumn<QByteArray>("fileContent"); // null: no file
    QTest::addColumn<QString>("expected");
    QTest::newRow("file is used") << assets::embeddedImage("ok") << QStringLiteral("ok");
    QTest::newRow("missing file") << QByteArray() << QStringLiteral("img19");
    QTest::newRow("empty file") << QByteArray("") << QStringLiteral("img19");
    QTest::newRow("damaged file") << assets::embeddedImage("ok").left(500)
                                  << QStringLiteral("img19");
    QTest::newRow("not a picture") << QByteArray("hello") << QStringLiteral("img19");
}

void TstAssets::loadPicture() {
    QFETCH(QByteArray, fileContent);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("img19.bmp");
    if (!fileContent.isNull()) {
        QVERIFY(writeFile(path, fileContent));
    }
    const QImage picture = assets::loadPicture(path, "img19");
    QCOMPARE(picture, QImage::fromData(assets::embeddedImage(expected), "BMP"));
}

void TstAssets::loadPictureThrowsNamingTheFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const bool present : {false, true}) {
        const QString path = dir.filePath("img99.bmp");
        if (present) {
            QVERIFY(writeFile(path, "garbage"));
        }
        try {
            assets::loadPicture(path, "img99");
            QFAIL("no GameError");
        } catch (const GameError& error) {
            QVERIFY2(error.message().contains(path), qPrintable(error.message()));
        }
    }
}

void TstAssets::facesTellApart() {
    // The 18 faces and the card back must differ clearly, also in grey: a
    // player without colour vision tells them apart by shape alone.
    QList<QImage> greys;
    QStringList names;
    for (int number = 19; number <= 36; ++number) {
        names << QStringLiteral("img%1").arg(number);
    }
    names << QStringLiteral("empty");
    for (const QString& name : names) {
        greys << QImage::fromData(assets::embeddedImage(name), "BMP")
                     .convertToFormat(QImage::Format_Grayscale8);
    }
    for (qsizetype a = 0; a < greys.size(); ++a) {
        for (qsizetype b = a + 1; b < greys.size(); ++b) {
            qint64 difference = 0;
            for (int y = 0; y < greys[a].height(); ++y) {
                const uchar* rowA = greys[a].constScanLine(y);
                const uchar* rowB = greys[b].constScanLine(y);
                for (int x = 0; x < greys[a].width(); ++x) {
                    difference += qAbs(int(rowA[x]) - int(rowB[x]));
                }
            }
            const double mean = double(difference) / (160.0 * 160.0);
            QVERIFY2(
                mean > 8.0,
                qPrintable(
                    QStringLiteral("%1 and %2 look alike (%3)").arg(names[a], names[b]).arg(mean)));
        }
    }
}

void TstAssets::pictureNames() {
    QStringList seen;
    for (int number = 19; number <= 36; ++number) {
        const QString name = assets::pictureName(number);
        QVERIFY2(!name.isEmpty(), qPrintable(QString::number(number)));
        QVERIFY2(!seen.contains(name), qPrintable(name));
        seen << name;
    }
    for (const int outside : {-1, 0, 18, 37, 100}) {
        QCOMPARE(assets::pictureName(outside), QString());
    }
}

void TstAssets::soundFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<double>("seconds");
    QTest::newRow("closing jingle") << QStringLiteral("1tro") << 1 << 11025 << 8 << 4.1;
    QTest::newRow("sound on") << QStringLiteral("4hrf") << 2 << 44100 << 16 << 6.9;
}

void TstAssets::soundFiles() {
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

void TstAssets::wavLength_data() {
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

void TstAssets::wavLength() {
    QFETCH(QByteArray, head);
    QFETCH(qint64, fileSize);
    QFETCH(int, lengthMs);
    const std::optional<int> length = assets::wavLengthMs(head, fileSize);
    QCOMPARE(length.value_or(-1), lengthMs);
}

void TstAssets::playerReturnsAtOnceWithoutSound_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("withOutput");
    QTest::newRow("closing jingle, no output") << QStringLiteral("1tro") << false;
    QTest::newRow("sound on, no output") << QStringLiteral("4hrf") << false;
    // An unknown sound stays silent even where an output exists.
    QTest::newRow("unknown sound") << QStringLiteral("no-such-sound") << true;
}

void TstAssets::playerReturnsAtOnceWithoutSound() {
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

void TstAssets::playerWaitEndsAtTheSoundsLength() {
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

QTEST_MAIN(TstAssets)
#include "tst_assets.moc"
