// own
#include "assets/AssetFiles.h"
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

QTEST_MAIN(TstAssets)
#include "tst_assets.moc"
