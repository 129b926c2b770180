#include "assets/AssetFiles.h"
#include "assets/PictureCache.h"
#include "platform/GameError.h"
#include "platform/sound/QtSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

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

QByteArray int16Samples(std::initializer_list<qint16> values) {
    QByteArray out(qsizetype(values.size()) * 2, '\0');
    char* at = out.data();
    for (const qint16 v : values) {
        qToLittleEndian<qint16>(v, at);
        at += 2;
    }
    return out;
}

// The header facts of a canonical WAVE file, read independently of the
// player's parser.
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
    void cacheFollowsTheFileAndStaysBounded();

    void facesTellApart();
    void pictureNames_data();
    void pictureNames();

    void soundFiles_data();
    void soundFiles();
    void parseWav_data();
    void parseWav();
    void convertSamples_data();
    void convertSamples();
    void playerIgnoresBadSounds();
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
}

void TstAssets::extractWritesExactCopies_data() {
    QTest::addColumn<QByteArray>("oldContent");
    QTest::addColumn<bool>("sameSize"); // each file the picture's size, one pixel changed
    QTest::newRow("new files") << QByteArray() << false;
    QTest::newRow("over empty files") << QByteArray("") << false;
    QTest::newRow("over shorter files") << QByteArray("BM old") << false;
    QTest::newRow("over longer files") << QByteArray(300000, 'x') << false;
    QTest::newRow("over same-sized files") << QByteArray() << true;
}

void TstAssets::extractWritesExactCopies() {
    QFETCH(QByteArray, oldContent);
    QFETCH(bool, sameSize);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString& name : assets::imageNames()) {
        QByteArray old = oldContent;
        if (sameSize) {
            old = assets::embeddedImage(name);
            old[old.size() - 7] = static_cast<char>(old.at(old.size() - 7) ^ 0x5a);
        }
        if (!old.isNull()) {
            QVERIFY(writeFile(dir.filePath(name + ".bmp"), old));
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
    // 130 bytes whose header claims 5000 x 5000 packed pixels: some 95 MB decoded.
    QByteArray giant = assets::embeddedImage("ok").left(130);
    qToLittleEndian<quint32>(130, giant.data() + 2);
    qToLittleEndian<qint32>(5000, giant.data() + 18);
    qToLittleEndian<qint32>(5000, giant.data() + 22);
    qToLittleEndian<quint16>(8, giant.data() + 28);
    qToLittleEndian<quint32>(1, giant.data() + 30); // RLE8
    QTest::newRow("header claims 5000 x 5000") << giant << QStringLiteral("img19");
    QByteArray oversized = assets::embeddedImage("ok");
    oversized.append(QByteArray(assets::maxPictureBytes, '\0'));
    QTest::newRow("file over the budget") << oversized << QStringLiteral("img19");
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

void TstAssets::cacheFollowsTheFileAndStaysBounded() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    assets::PictureCache cache;
    const auto embedded = [](const char* name) {
        return QImage::fromData(assets::embeddedImage(name), "BMP");
    };
    // No file yet: the built-in copy.
    QCOMPARE(cache.picture(folder(dir), "img19.bmp"), embedded("img19"));
    // Another picture of the same size written in its place is shown.
    QVERIFY(writeFile(dir.filePath("img19.bmp"), assets::embeddedImage("img20")));
    QCOMPARE(cache.picture(folder(dir), "img19.bmp"), embedded("img20"));
    // A large picture within the budget is kept no larger than a control shows it.
    QImage large(1000, 900, QImage::Format_RGB888);
    large.fill(Qt::red);
    QVERIFY(large.save(dir.filePath("me.bmp"), "BMP"));
    const QImage shown = cache.picture(folder(dir), "me.bmp");
    QVERIFY(shown.width() <= assets::PictureCache::maxSide);
    QVERIFY(shown.height() <= assets::PictureCache::maxSide);
    QCOMPARE(shown.pixelColor(10, 10), QColor(Qt::red));
    // Names the game does not use are not kept, so the cache holds at most 26.
    for (int i = 0; i < 40; ++i) {
        const QString other = QStringLiteral("other%1.bmp").arg(i);
        QVERIFY(writeFile(dir.filePath(other), assets::embeddedImage("ok")));
        QCOMPARE(cache.picture(folder(dir), other), embedded("ok"));
    }
    QCOMPARE(cache.size(), 2);
    // Without a folder: the built-in copy, whatever the working folder holds.
    QCOMPARE(cache.picture(QString(), "img19.bmp"), embedded("img19"));
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

void TstAssets::pictureNames_data() {
    // The name screen readers give each face; none outside 19..36.
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    const char* names[] = {"red circle",
                           "blue square",
                           "green triangle",
                           "yellow star",
                           "pink heart",
                           "teal diamond",
                           "navy moon",
                           "orange sun",
                           "purple cross",
                           "black arrow",
                           "olive hexagon",
                           "sky blue drop",
                           "lime leaf",
                           "maroon bell",
                           "grey anchor",
                           "brown key",
                           "magenta lightning bolt",
                           "violet flower"};
    for (int number = 19; number <= 36; ++number) {
        QTest::addRow("%d", number) << number << QString::fromLatin1(names[number - 19]);
    }
    for (const int outside : {-1, 0, 18, 37, 100}) {
        QTest::addRow("%d outside", outside) << outside << QString();
    }
}

void TstAssets::pictureNames() {
    QFETCH(int, number);
    QFETCH(QString, name);
    QCOMPARE(assets::pictureName(number), name);
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

    // The player's own parser agrees.
    const std::optional<WavSound> sound = ::parseWav(file);
    QVERIFY(sound.has_value());
    QCOMPARE(sound->format.channelCount(), channels);
    QCOMPARE(sound->format.sampleRate(), rate);
    QCOMPARE(sound->samples, facts.data);
}

void TstAssets::parseWav_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("format"); // QAudioFormat::SampleFormat when valid
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("sampleBytes");

    const QByteArray four16 = int16Samples({1, 2, 3, 4});
    QTest::newRow("8 bit mono") << wav(1, 1, 11025, 8, "abcde") << true << int(QAudioFormat::UInt8)
                                << 1 << 5;
    QTest::newRow("16 bit stereo")
        << wav(1, 2, 44100, 16, four16) << true << int(QAudioFormat::Int16) << 2 << 8;
    QTest::newRow("32 bit float") << wav(3, 1, 48000, 32, QByteArray(8, '\0')) << true
                                  << int(QAudioFormat::Float) << 1 << 8;
    QTest::newRow("odd list chunk before fmt") << wav(1, 1, 8000, 8, "xyz", chunk("LIST", "abc"))
                                               << true << int(QAudioFormat::UInt8) << 1 << 3;
    QTest::newRow("half frame dropped")
        << wav(1, 2, 44100, 16, four16 + "z") << true << int(QAudioFormat::Int16) << 2 << 8;
    QTest::newRow("data cut short")
        << wav(1, 2, 44100, 16, four16, {}, {}, 1000) << true << int(QAudioFormat::Int16) << 2 << 8;

    QTest::newRow("empty") << QByteArray() << false << 0 << 0 << 0;
    QTest::newRow("not riff") << QByteArray("RIFX0000WAVE") << false << 0 << 0 << 0;
    QTest::newRow("not wave") << wav(1, 1, 8000, 8, "a").replace(8, 4, "AVI ") << false << 0 << 0
                              << 0;
    QTest::newRow("header only") << wav(1, 1, 8000, 8, "a").left(20) << false << 0 << 0 << 0;
    QTest::newRow("no data") << wav(1, 1, 8000, 8, {}) << false << 0 << 0 << 0;
    QTest::newRow("compressed") << wav(2, 1, 8000, 4, "abcd") << false << 0 << 0 << 0;
    QTest::newRow("24 bit") << wav(1, 1, 8000, 24, "abcdef") << false << 0 << 0 << 0;
    QTest::newRow("no channels") << wav(1, 0, 8000, 8, "abcd", {}, 1) << false << 0 << 0 << 0;
    QTest::newRow("absurd rate") << wav(1, 1, 1u << 30, 8, "abcd") << false << 0 << 0 << 0;
    QTest::newRow("wrong block size") << wav(1, 2, 8000, 16, four16, {}, 3) << false << 0 << 0 << 0;
    QTest::newRow("huge chunk before fmt")
        << wav(1, 1, 8000, 8, "a", QByteArray("LIST\xff\xff\xff\x7f", 8)) << false << 0 << 0 << 0;
}

void TstAssets::parseWav() {
    QFETCH(QByteArray, file);
    QFETCH(bool, valid);
    const std::optional<WavSound> sound = ::parseWav(file);
    QCOMPARE(sound.has_value(), valid);
    if (valid) {
        QFETCH(int, format);
        QFETCH(int, channels);
        QFETCH(int, sampleBytes);
        QCOMPARE(int(sound->format.sampleFormat()), format);
        QCOMPARE(sound->format.channelCount(), channels);
        QCOMPARE(sound->samples.size(), sampleBytes);
    }
}

void TstAssets::convertSamples_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("targetRate");
    QTest::addColumn<int>("targetChannels");
    QTest::addColumn<int>("targetFormat");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("8 bit mono to 16 bit stereo")
        << wav(1, 1, 8000, 8, QByteArray("\x80\xff\x00", 3)) << 8000 << 2
        << int(QAudioFormat::Int16)
        << int16Samples({0, 0, 32511, 32511, -32767, -32767}); // 127/128 of full scale
    QTest::newRow("16 bit stereo mixed to 8 bit mono")
        << wav(1, 2, 8000, 16, int16Samples({16384, 16384, 16384, -16384})) << 8000 << 1
        << int(QAudioFormat::UInt8) << QByteArray("\xc0\x80", 2);
    QTest::newRow("rate doubled, in between interpolated")
        << wav(1, 1, 8000, 16, int16Samples({0, 16384})) << 16000 << 1 << int(QAudioFormat::Int16)
        << int16Samples({0, 8192, 16384, 16384});
    QTest::newRow("rate halved") << wav(1, 1, 16000, 16, int16Samples({100, 200, 300, 400})) << 8000
                                 << 1 << int(QAudioFormat::Int16) << int16Samples({100, 300});
}

void TstAssets::convertSamples() {
    QFETCH(QByteArray, file);
    QFETCH(int, targetRate);
    QFETCH(int, targetChannels);
    QFETCH(int, targetFormat);
    QFETCH(QByteArray, expected);
    const std::optional<WavSound> sound = ::parseWav(file);
    QVERIFY(sound.has_value());
    QAudioFormat target;
    target.setSampleRate(targetRate);
    target.setChannelCount(targetChannels);
    target.setSampleFormat(QAudioFormat::SampleFormat(targetFormat));
    QCOMPARE(::convertSamples(*sound, target), expected);
}

void TstAssets::playerIgnoresBadSounds() {
    // None of these reach the audio device, so each returns at once whether
    // or not the machine has one; a hang here ends in the test time-out.
    QtSoundPlayer player;
    player.playData(QByteArray());
    player.playData(QByteArray("RIFF\x10\0\0\0WAVEjunkjunkjunk", 24));
    player.playData(assets::embeddedImage("ok"));
    player.playData(wav(2, 1, 8000, 4, "abcd"));
}

QTEST_MAIN(TstAssets)
#include "tst_assets.moc"
