// Draws every picture, sound and icon the game ships, from code alone.
//
// The output is kept in the repository, so a normal build never runs this
// program. To make the files again after changing the drawing code:
//
//   cmake -S tools -B /tmp/make-assets-build
//   cmake --build /tmp/make-assets-build
//   QT_QPA_PLATFORM=offscreen /tmp/make-assets-build/make-assets assets
//
// The single argument is the assets folder; images/, sounds/ and icons/ are
// written below it. The output is the same on every run (fixed seeds).
//
// The drawing and the sound synthesis live in make_assets/; this file writes
// what they make.

// own
#include "make_assets/Drawing.h"

// Qt
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

// std
#include <cmath>
#include <cstdio>
#include <vector>

using namespace makeassets;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "make-assets: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

bool writeBmp(const QString& path, const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (!rgb.save(path, "BMP")) {
        std::fprintf(stderr, "make-assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // fonts need a GUI application
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-assets <assets folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* sub : {"images", "sounds", "icons"}) {
        if (!root.mkpath(QLatin1String(sub))) {
            std::fprintf(stderr, "make-assets: cannot create %s/%s\n", qPrintable(root.path()),
                         sub);
            return 1;
        }
    }
    bool ok = true;
    auto image = [&](const QString& name, const QImage& picture) {
        ok = writeBmp(root.filePath(QStringLiteral("images/%1.bmp").arg(name)), picture) && ok;
    };

    const std::vector<Face> faces = cardFaces();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        image(QStringLiteral("img%1").arg(19 + int(i)), drawFace(faces[i]));
    }
    image(QStringLiteral("img18"), drawSpareFace());
    image(QStringLiteral("empty"), drawCardBack());
    image(QStringLiteral("ok"), drawOk());
    image(QStringLiteral("bengerl"), drawClosingTrophy());
    image(QStringLiteral("engerl"), drawAlmostThereBadge());
    image(QStringLiteral("kaeptn"), drawCaptainsHat());
    image(QStringLiteral("metoo"), drawWavingKestrel());
    image(QStringLiteral("me"), drawDesignerMascot());

    const int jingleRate = 11025;
    const int jingleFrames = int(std::lround(4.1 * jingleRate));
    ok = writeFile(root.filePath(QStringLiteral("sounds/1tro.wav")),
                   wavFile(closingJingle(jingleRate, jingleFrames), jingleRate, 1, 8)) &&
         ok;
    const int chimeRate = 44100;
    const int chimeFrames = int(std::lround(6.9 * chimeRate));
    ok = writeFile(root.filePath(QStringLiteral("sounds/4hrf.wav")),
                   wavFile(soundOnChime(chimeRate, chimeFrames), chimeRate, 2, 16)) &&
         ok;

    const std::vector<IconLayer> layers = iconLayers();
    ok = writeFile(root.filePath(QStringLiteral("icons/kestrelon-memory.svg")),
                   iconSvg(layers).toUtf8()) &&
         ok;
    // The sizes desktops ask for; Qt without its SVG module falls back to these too.
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString png =
            root.filePath(QStringLiteral("icons/kestrelon-memory-%1.png").arg(size));
        if (!iconImage(layers, size).save(png, "PNG")) {
            std::fprintf(stderr, "make-assets: cannot write %s\n", qPrintable(png));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
