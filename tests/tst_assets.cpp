// own
#include "assets/AssetFiles.h"
#include "assets/PictureCache.h"
#include "assets/SoundCues.h"
#include "platform/GameError.h"

// Qt
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

// std
#include <sys/stat.h>
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

safefile::Folder folder(const QString& path) {
    return safefile::Folder::open(QFile::encodeName(path));
}

safefile::Folder folder(const QTemporaryDir& dir) {
    return folder(dir.path());
}

bool isFaceSized(const QString& name) {
    return name == QLatin1String("empty") || name.startsWith(QLatin1String("img"));
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

    // Intact pictures are left as they are: the next start-up replaces none
    // (a replaced file would be a new one, renamed into place).
    auto inodes = [&dir] {
        QList<quint64> numbers;
        for (const QString& name : assets::imageNames()) {
            struct stat info {};
            numbers << (::stat(QFile::encodeName(dir.filePath(name + ".bmp")).constData(), &info) ==
                                0
                            ? quint64(info.st_ino)
                            : 0);
        }
        return numbers;
    };
    const QList<quint64> before = inodes();
    QCOMPARE(assets::extractAll(folder(dir)), QStringList());
    QCOMPARE(inodes(), before);
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
    const QString target = dir.path() + QLatin1Char('/') + subfolder;
    if (readOnly) {
        QVERIFY(QDir(dir.path()).mkdir("locked"));
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (::access(QFile::encodeName(target).constData(), W_OK) == 0) {
            QSKIP("running with rights that write into read-only folders");
        }
    }

    QStringList failures;
    try {
        failures = assets::extractAll(folder(target));
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
    assets::deleteAll(folder(dir.filePath("not-there")));
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
    // An 8 x 8 RLE8 picture of two colours, 96 bytes, cut off after 76.
    QByteArray rle(62, '\0');
    rle[0] = 'B';
    rle[1] = 'M';
    qToLittleEndian<quint32>(96, rle.data() + 2);
    qToLittleEndian<quint32>(62, rle.data() + 10);
    qToLittleEndian<quint32>(40, rle.data() + 14);
    qToLittleEndian<qint32>(8, rle.data() + 18);
    qToLittleEndian<qint32>(8, rle.data() + 22);
    qToLittleEndian<quint16>(1, rle.data() + 26);
    qToLittleEndian<quint16>(8, rle.data() + 28);
    qToLittleEndian<quint32>(1, rle.data() + 30); // RLE8
    qToLittleEndian<quint32>(2, rle.data() + 46); // colours used
    rle[58] = rle[59] = rle[60] = '\xff';         // the second colour: white
    rle += QByteArray("\x08\x01\x00\x00", 4).repeated(8) + QByteArray("\x00\x01", 2);
    QTest::newRow("cut-off RLE picture") << rle.left(76) << QStringLiteral("img19");
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
    const QImage picture = assets::loadPicture(folder(dir), "img19");
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
            assets::loadPicture(folder(dir), "img99");
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
    QCOMPARE(cache.picture(safefile::Folder(), "img19.bmp"), embedded("img19"));
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

QTEST_MAIN(TstAssets)
#include "tst_assets.moc"
