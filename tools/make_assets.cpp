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

// Qt
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTextStream>
#include <QtMath>

// std
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int FaceSize = 160;    // card faces, the spare face and the card back
constexpr int PictureSize = 192; // all other pictures

// ---------------------------------------------------------------- helpers

QPointF polar(QPointF centre, double radius, double degrees) {
    const double a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

QPainterPath polygonPath(const std::vector<QPointF>& points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
    path.closeSubpath();
    return path;
}

QPainterPath starPath(QPointF centre, double outer, double inner, int points,
                      double rotation = -90.0) {
    std::vector<QPointF> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        corners.push_back(polar(centre, r, rotation + i * 180.0 / points));
    }
    return polygonPath(corners);
}

QPainterPath regularPolygon(QPointF centre, double radius, int sides, double rotation) {
    std::vector<QPointF> corners;
    for (int i = 0; i < sides; ++i) {
        corners.push_back(polar(centre, radius, rotation + i * 360.0 / sides));
    }
    return polygonPath(corners);
}

QPainterPath circlePath(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath strokeOf(const QPainterPath& line, double width, Qt::PenCapStyle cap = Qt::RoundCap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

QPainterPath unite(std::initializer_list<QPainterPath> parts) {
    QPainterPath result;
    result.setFillRule(Qt::WindingFill);
    for (const QPainterPath& part : parts) {
        result = result.united(part);
    }
    return result.simplified();
}

QImage newCanvas(int size, QColor background = Qt::white) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

void beginPainting(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A blurred dark copy of a shape, painted under it so it seems to lie on top
// of the card. Three box blurs approximate a gaussian.
void paintSoftShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int radius,
                     int alpha) {
    const QSize size = p.device() != nullptr ? QSize(p.device()->width(), p.device()->height())
                                             : QSize(FaceSize, FaceSize);
    QImage mask(size, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter mp(&mask);
        mp.setRenderHint(QPainter::Antialiasing);
        mp.translate(offset);
        mp.fillPath(shape, QColor(0, 0, 0, alpha));
    }
    const int w = mask.width();
    const int h = mask.height();
    std::vector<int> line;
    auto blurLine = [&](auto get, auto set, int count) {
        line.assign(static_cast<std::size_t>(count), 0);
        for (int i = 0; i < count; ++i) {
            line[static_cast<std::size_t>(i)] = get(i);
        }
        for (int i = 0; i < count; ++i) {
            int sum = 0;
            int n = 0;
            for (int k = std::max(0, i - radius); k <= std::min(count - 1, i + radius); ++k) {
                sum += line[static_cast<std::size_t>(k)];
                ++n;
            }
            set(i, sum / n);
        }
    };
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            uchar* row = mask.scanLine(y);
            blurLine([&](int x) { return int(row[x]); }, [&](int x, int v) { row[x] = uchar(v); },
                     w);
        }
        for (int x = 0; x < w; ++x) {
            blurLine([&](int y) { return int(mask.scanLine(y)[x]); },
                     [&](int y, int v) { mask.scanLine(y)[x] = uchar(v); }, h);
        }
    }
    QImage shadow(size, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    for (int y = 0; y < h; ++y) {
        const uchar* in = mask.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < w; ++x) {
            out[x] = qRgba(0, 0, 0, in[x]); // premultiplied black is just alpha
        }
    }
    p.drawImage(0, 0, shadow);
}

// A bold filled shape: soft shadow, a gradient from a lighter upper left to a
// deeper lower right, a gloss spot and a dark outline of the same hue.
void paintBoldShape(QPainter& p, const QPainterPath& shape, QColor colour, double outline = 4.0) {
    paintSoftShadow(p, shape, QPointF(3, 5), 4, 110);
    const QRectF box = shape.boundingRect();
    QLinearGradient body(box.topLeft(), box.bottomRight());
    body.setColorAt(0.0, colour.lighter(135));
    body.setColorAt(0.55, colour);
    body.setColorAt(1.0, colour.darker(118));
    p.fillPath(shape, body);

    p.save();
    p.setClipPath(shape);
    const QPointF glossCentre(box.left() + box.width() * 0.32, box.top() + box.height() * 0.26);
    QRadialGradient gloss(glossCentre, std::max(box.width(), box.height()) * 0.45);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(box, gloss);
    p.restore();

    p.strokePath(shape,
                 QPen(colour.darker(175), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// The light face every front shares: warm paper, a thin frame.
void paintFaceBackground(QPainter& p) {
    const double s = FaceSize;
    QRadialGradient paper(QPointF(s * 0.45, s * 0.4), s * 0.8);
    paper.setColorAt(0.0, QColor(0xFF, 0xFD, 0xF8));
    paper.setColorAt(1.0, QColor(0xF0, 0xE9, 0xDA));
    p.fillRect(QRectF(0, 0, s, s), paper);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x9A, 0x90, 0x7E), 2.0));
    p.drawRect(QRectF(1, 1, s - 2, s - 2));
    p.setPen(QPen(QColor(0xD8, 0xCF, 0xBD), 1.0));
    p.drawRoundedRect(QRectF(6.5, 6.5, s - 13, s - 13), 6, 6);
}

// A hovering kestrel seen from below, wings spread, around (0, 0); about 132
// units wide and 84 high. Used on the card back and in the icon.
QPainterPath kestrelSilhouette() {
    QPainterPath leftWing;
    leftWing.moveTo(-5, -14);
    leftWing.cubicTo(-22, -28, -46, -25, -66, -10);
    leftWing.cubicTo(-54, -9, -48, -6, -44, -2);
    leftWing.cubicTo(-32, -4, -18, 0, -5, 8);
    leftWing.closeSubpath();
    const QPainterPath rightWing = QTransform::fromScale(-1, 1).map(leftWing);

    QPainterPath tail;
    tail.moveTo(-6, 12);
    tail.lineTo(-14, 46);
    tail.quadTo(0, 52, 14, 46);
    tail.lineTo(6, 12);
    tail.closeSubpath();

    QPainterPath body;
    body.addEllipse(QPointF(0, 0), 10, 21);
    return unite({leftWing, rightWing, tail, body, circlePath(QPointF(0, -24), 9.5)});
}

// ------------------------------------------------------------ card faces

struct Face {
    QColor colour;
    std::function<QPainterPath()> shape;
    std::function<void(QPainter&, QColor)> details; // may be empty
};

QPainterPath heartPath() {
    QPainterPath path;
    path.moveTo(80, 138);
    path.cubicTo(40, 110, 16, 84, 18, 58);
    path.cubicTo(20, 34, 40, 24, 56, 24);
    path.cubicTo(68, 24, 76, 32, 80, 42);
    path.cubicTo(84, 32, 92, 24, 104, 24);
    path.cubicTo(120, 24, 140, 34, 142, 58);
    path.cubicTo(144, 84, 120, 110, 80, 138);
    path.closeSubpath();
    return path;
}

QPainterPath moonPath() {
    QPainterPath disc = circlePath(QPointF(78, 82), 58);
    QPainterPath bite = circlePath(QPointF(106, 62), 48);
    return disc.subtracted(bite).simplified();
}

QPainterPath sunPath() {
    const QPointF c(80, 80);
    QPainterPath sun = circlePath(c, 34);
    for (int i = 0; i < 12; ++i) {
        const double a = i * 30.0;
        sun = sun.united(polygonPath({polar(c, 43, a - 9), polar(c, 66, a), polar(c, 43, a + 9)}));
    }
    return sun.simplified();
}

QPainterPath crossPath() {
    QPainterPath across;
    across.addRoundedRect(QRectF(22, 60, 116, 40), 9, 9);
    QPainterPath down;
    down.addRoundedRect(QRectF(60, 22, 40, 116), 9, 9);
    return unite({across, down});
}

QPainterPath arrowPath() {
    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(20, 63, 72, 34), 6, 6);
    return unite({shaft, polygonPath({{82, 26}, {142, 80}, {82, 134}})});
}

QPainterPath dropPath() {
    QPainterPath path;
    path.moveTo(80, 16);
    path.cubicTo(92, 40, 126, 72, 126, 100);
    path.arcTo(QRectF(34, 54, 92, 92), 0, -180);
    path.cubicTo(34, 72, 68, 40, 80, 16);
    path.closeSubpath();
    return path;
}

QPainterPath leafPath() {
    QPainterPath path;
    path.moveTo(36, 124);
    path.cubicTo(24, 70, 62, 28, 132, 28);
    path.cubicTo(134, 96, 92, 134, 36, 124);
    path.closeSubpath();
    const QPainterPath stem = strokeOf(
        [] {
            QPainterPath s;
            s.moveTo(44, 116);
            s.quadTo(30, 128, 20, 142);
            return s;
        }(),
        8);
    return unite({path, stem});
}

void leafVeins(QPainter& p, QColor colour) {
    p.setPen(QPen(colour.lighter(160), 3.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath rib;
    rib.moveTo(42, 118);
    rib.quadTo(80, 86, 124, 36);
    p.drawPath(rib);
    p.setPen(QPen(colour.lighter(150), 2.5, Qt::SolidLine, Qt::RoundCap));
    const std::vector<std::pair<QPointF, QPointF>> veins = {
        {{66, 96}, {56, 70}},  {{66, 96}, {92, 104}},  {{86, 76}, {80, 50}},
        {{86, 76}, {112, 82}}, {{104, 56}, {102, 38}}, {{104, 56}, {122, 60}}};
    for (const auto& [from, to] : veins) {
        p.drawLine(from, to);
    }
}

QPainterPath bellPath() {
    QPainterPath body;
    body.moveTo(80, 28);
    body.cubicTo(52, 28, 46, 54, 46, 78);
    body.lineTo(46, 98);
    body.cubicTo(46, 110, 26, 112, 26, 124);
    body.lineTo(134, 124);
    body.cubicTo(134, 112, 114, 110, 114, 98);
    body.lineTo(114, 78);
    body.cubicTo(114, 54, 108, 28, 80, 28);
    body.closeSubpath();
    const QPainterPath knob = circlePath(QPointF(80, 24), 9);
    const QPainterPath clapper = circlePath(QPointF(80, 132), 12);
    return unite({body, knob, clapper});
}

void bellDetails(QPainter& p, QColor colour) {
    p.setPen(QPen(colour.lighter(165), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38, 114), QPointF(122, 114));
}

QPainterPath anchorPath() {
    QPainterPath ring = strokeOf(circlePath(QPointF(80, 32), 12), 9);
    QPainterPath shank;
    shank.moveTo(80, 44);
    shank.lineTo(80, 132);
    QPainterPath stock;
    stock.moveTo(52, 60);
    stock.lineTo(108, 60);
    QPainterPath arms;
    arms.arcMoveTo(QRectF(32, 46, 96, 88), 200);
    arms.arcTo(QRectF(32, 46, 96, 88), 200, 140);
    const QPointF leftTip = arms.pointAtPercent(0.0);
    const QPointF rightTip = arms.pointAtPercent(1.0);
    const QPainterPath leftFluke = polygonPath(
        {leftTip + QPointF(-12, 4), leftTip + QPointF(4, -18), leftTip + QPointF(12, 6)});
    const QPainterPath rightFluke = polygonPath(
        {rightTip + QPointF(12, 4), rightTip + QPointF(-4, -18), rightTip + QPointF(-12, 6)});
    return unite({ring, strokeOf(shank, 13, Qt::FlatCap), strokeOf(stock, 11), strokeOf(arms, 11),
                  leftFluke, rightFluke});
}

QPainterPath keyPath() {
    QPainterPath bow = circlePath(QPointF(46, 80), 28);
    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(66, 72, 76, 16), 4, 4);
    QPainterPath tooth1;
    tooth1.addRoundedRect(QRectF(110, 80, 11, 28), 3, 3);
    QPainterPath tooth2;
    tooth2.addRoundedRect(QRectF(127, 80, 11, 20), 3, 3);
    QPainterPath key = unite({bow, shaft, tooth1, tooth2});
    key = key.subtracted(circlePath(QPointF(42, 80), 12)).simplified();
    QTransform turn;
    turn.translate(80, 80);
    turn.rotate(-32);
    turn.translate(-84, -84);
    return turn.map(key);
}

QPainterPath flowerPath() {
    const QPointF c(80, 80);
    QPainterPath petals;
    petals.setFillRule(Qt::WindingFill);
    for (int i = 0; i < 6; ++i) {
        QPainterPath petal;
        petal.addEllipse(QPointF(0, -34), 21, 31);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(i * 60.0);
        petals = petals.united(t.map(petal));
    }
    return petals.simplified();
}

void flowerCentre(QPainter& p, QColor) {
    const QPointF c(80, 80);
    QRadialGradient g(c - QPointF(5, 5), 22);
    g.setColorAt(0.0, QColor(0xFF, 0xE8, 0x7A));
    g.setColorAt(1.0, QColor(0xF2, 0xB7, 0x05));
    p.setBrush(g);
    p.setPen(QPen(QColor(0xA8, 0x74, 0x00), 3));
    p.drawEllipse(c, 19, 19);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB8, 0x80, 0x00));
    for (int i = 0; i < 6; ++i) {
        p.drawEllipse(polar(c, 9, i * 60.0 + 30), 2.2, 2.2);
    }
}

// Numbers 19 to 36, in order. Shape and colour both differ from every other
// face, so the pairs are found without telling colours apart.
std::vector<Face> cardFaces() {
    const QPointF c(80, 80);
    return {
        {QColor(0xD6, 0x28, 0x28), [c] { return circlePath(c, 56); }, {}},
        {QColor(0x1F, 0x5F, 0xD1),
         [] {
             QPainterPath p;
             p.addRoundedRect(QRectF(29, 29, 102, 102), 10, 10);
             return p;
         },
         {}},
        {QColor(0x2E, 0x9B, 0x3B),
         [] {
             return polygonPath({{80, 18}, {143, 128}, {17, 128}});
         },
         {}},
        {QColor(0xF4, 0xC2, 0x0D), [] { return starPath(QPointF(80, 86), 66, 28, 5); }, {}},
        {QColor(0xF0, 0x6C, 0xA8), heartPath, {}},
        {QColor(0x0E, 0x9C, 0x96),
         [] {
             return polygonPath({{80, 14}, {134, 80}, {80, 146}, {26, 80}});
         },
         {}},
        {QColor(0x23, 0x3A, 0x7A), moonPath, {}},
        {QColor(0xF5, 0x7A, 0x0A), sunPath, {}},
        {QColor(0x8E, 0x2F, 0xC0), crossPath, {}},
        {QColor(0x2A, 0x2A, 0x31), arrowPath, {}},
        {QColor(0x7F, 0x8A, 0x12), [c] { return regularPolygon(c, 60, 6, -90); }, {}},
        {QColor(0x2A, 0xA7, 0xE6), dropPath, {}},
        {QColor(0x77, 0xBE, 0x1E), leafPath, leafVeins},
        {QColor(0x8E, 0x1F, 0x3F), bellPath, bellDetails},
        {QColor(0x66, 0x72, 0x7E), anchorPath, {}},
        {QColor(0x8B, 0x5A, 0x2B), keyPath, {}},
        {QColor(0xC2, 0x16, 0x8A),
         [] {
             return polygonPath(
                 {{94, 16}, {38, 92}, {74, 92}, {60, 144}, {124, 64}, {88, 64}, {108, 16}});
         },
         {}},
        {QColor(0xA9, 0x8B, 0xF0), flowerPath, flowerCentre},
    };
}

QImage drawFace(const Face& face) {
    QImage image = newCanvas(FaceSize);
    QPainter p(&image);
    beginPainting(p);
    paintFaceBackground(p);
    paintBoldShape(p, face.shape(), face.colour);
    if (face.details) {
        face.details(p, face.colour);
    }
    return image;
}

// The spare face: a rainbow over two clouds.
QImage drawSpareFace() {
    QImage image = newCanvas(FaceSize);
    QPainter p(&image);
    beginPainting(p);
    paintFaceBackground(p);
    const QColor bands[] = {QColor(0xE5, 0x39, 0x35), QColor(0xFB, 0x8C, 0x00),
                            QColor(0xFD, 0xD8, 0x35), QColor(0x43, 0xA0, 0x47),
                            QColor(0x1E, 0x88, 0xE5), QColor(0x8E, 0x24, 0xAA)};
    double radius = 54;
    for (const QColor& band : bands) {
        p.setPen(QPen(band, 8, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(80 - radius, 108 - radius, 2 * radius, 2 * radius), 0, 180 * 16);
        radius -= 7.5;
    }
    auto cloud = [&](QPointF at) {
        QPainterPath base;
        base.addRoundedRect(QRectF(at.x() - 24, at.y(), 48, 16), 8, 8);
        const QPainterPath puff =
            unite({circlePath(at + QPointF(-13, 3), 12), circlePath(at + QPointF(0, -5), 15),
                   circlePath(at + QPointF(14, 3), 12), base});
        paintSoftShadow(p, puff, QPointF(2, 3), 3, 90);
        p.fillPath(puff, Qt::white);
        p.strokePath(puff, QPen(QColor(0x90, 0xA4, 0xAE), 3));
    };
    cloud(QPointF(42, 108));
    cloud(QPointF(118, 108));
    return image;
}

// ------------------------------------------------------------- card back

QImage drawCardBack() {
    const double s = FaceSize;
    QImage image = newCanvas(FaceSize);
    QPainter p(&image);
    beginPainting(p);
    QLinearGradient sky(0, 0, s, s);
    sky.setColorAt(0.0, QColor(0x1F, 0x56, 0x9C));
    sky.setColorAt(1.0, QColor(0x14, 0x36, 0x68));
    p.fillRect(QRectF(0, 0, s, s), sky);

    // A lattice of diagonal lines with small gold diamonds where they cross.
    p.setPen(QPen(QColor(255, 255, 255, 34), 2));
    const double step = 20;
    for (double k = -s; k <= 2 * s; k += step) {
        p.drawLine(QPointF(k, 0), QPointF(k + s, s));
        p.drawLine(QPointF(k, 0), QPointF(k - s, s));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE8, 0xC0, 0x5A, 150));
    for (double y = 0; y <= s; y += step / 2) {
        for (double x = 0; x <= s; x += step) {
            const double cx = x + ((int(y / (step / 2)) % 2 == 0) ? 0 : step / 2);
            p.drawPath(polygonPath({{cx, y - 2.5}, {cx + 2.5, y}, {cx, y + 2.5}, {cx - 2.5, y}}));
        }
    }

    // Frames.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xF7, 0xF1, 0xE3), 3));
    p.drawRoundedRect(QRectF(10, 10, s - 20, s - 20), 10, 10);
    p.setPen(QPen(QColor(0xE0, 0xB2, 0x48), 1.5));
    p.drawRoundedRect(QRectF(15, 15, s - 30, s - 30), 7, 7);

    // Medallion with the kestrel.
    const QPointF c(s / 2, s / 2);
    const QPainterPath medal = circlePath(c, 38);
    paintSoftShadow(p, medal, QPointF(0, 3), 4, 140);
    QRadialGradient cream(c - QPointF(10, 12), 50);
    cream.setColorAt(0.0, QColor(0xFF, 0xFB, 0xEE));
    cream.setColorAt(1.0, QColor(0xEE, 0xDE, 0xB8));
    p.fillPath(medal, cream);
    p.strokePath(medal, QPen(QColor(0xD4, 0xA5, 0x31), 4));
    QTransform place;
    place.translate(c.x(), c.y() + 3);
    place.scale(0.47, 0.47);
    const QPainterPath bird = place.map(kestrelSilhouette());
    p.fillPath(bird, QColor(0xB8, 0x56, 0x2A));
    p.strokePath(bird,
                 QPen(QColor(0x5A, 0x2A, 0x12), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // Corner ornaments.
    p.setPen(QPen(QColor(0x8A, 0x62, 0x10), 1));
    p.setBrush(QColor(0xE8, 0xC0, 0x5A));
    for (const QPointF corner :
         {QPointF(22, 22), QPointF(s - 22, 22), QPointF(22, s - 22), QPointF(s - 22, s - 22)}) {
        p.drawPath(starPath(corner, 6, 2.4, 4, -90));
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x0B, 0x1F, 0x3D), 2));
    p.drawRect(QRectF(1, 1, s - 2, s - 2));
    return image;
}

// ------------------------------------------------------ other pictures

void paintPictureFrame(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 70), 2));
    p.drawRect(QRectF(1, 1, PictureSize - 2, PictureSize - 2));
}

QImage drawOk() {
    const double s = PictureSize;
    QImage image = newCanvas(PictureSize);
    QPainter p(&image);
    beginPainting(p);
    QLinearGradient bg(0, 0, 0, s);
    bg.setColorAt(0.0, QColor(0xF1, 0xFA, 0xF3));
    bg.setColorAt(1.0, QColor(0xCF, 0xEB, 0xD7));
    p.fillRect(QRectF(0, 0, s, s), bg);
    const QPainterPath badge = circlePath(QPointF(96, 94), 72);
    paintBoldShape(p, badge, QColor(0x2F, 0xA8, 0x4F), 5);
    QPainterPath tick;
    tick.moveTo(58, 98);
    tick.lineTo(86, 126);
    tick.lineTo(138, 66);
    const QPainterPath tickShape = strokeOf(tick, 22);
    paintSoftShadow(p, tickShape, QPointF(2, 3), 3, 120);
    p.fillPath(tickShape, Qt::white);
    paintPictureFrame(p);
    return image;
}

void firework(QPainter& p, QPointF centre, double radius, QColor colour, int rays) {
    for (int i = 0; i < rays; ++i) {
        const double a = i * 360.0 / rays + (i % 2) * 4.0;
        const double reach = (i % 2 == 0) ? radius : radius * 0.78;
        const QPointF from = polar(centre, reach * 0.3, a);
        const QPointF to = polar(centre, reach * 0.86, a);
        QLinearGradient trail(from, to);
        trail.setColorAt(0.0, QColor(colour.red(), colour.green(), colour.blue(), 0));
        trail.setColorAt(1.0, colour);
        p.setPen(QPen(QBrush(trail), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
        p.setPen(Qt::NoPen);
        p.setBrush(colour.lighter(130));
        p.drawEllipse(polar(centre, reach, a), 2.6, 2.6);
    }
    QRadialGradient glow(centre, radius * 0.35);
    glow.setColorAt(0.0, QColor(255, 255, 255, 200));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 0.35, radius * 0.35);
}

QImage drawClosingTrophy() {
    const double s = PictureSize;
    QImage image = newCanvas(PictureSize);
    QPainter p(&image);
    beginPainting(p);
    QLinearGradient night(0, 0, 0, s);
    night.setColorAt(0.0, QColor(0x0B, 0x14, 0x36));
    night.setColorAt(1.0, QColor(0x2C, 0x2A, 0x6E));
    p.fillRect(QRectF(0, 0, s, s), night);

    QRandomGenerator twinkle(1902);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(twinkle.bounded(s), twinkle.bounded(s * 0.8));
        p.setBrush(QColor(255, 255, 230, 80 + twinkle.bounded(150)));
        const double r = 0.6 + twinkle.bounded(1.2);
        p.drawEllipse(at, r, r);
    }
    firework(p, QPointF(40, 42), 34, QColor(0xFF, 0x5E, 0x7E), 16);
    firework(p, QPointF(152, 40), 32, QColor(0x5E, 0xE0, 0xFF), 16);
    firework(p, QPointF(96, 22), 20, QColor(0xFF, 0xD2, 0x3F), 12);
    firework(p, QPointF(28, 124), 22, QColor(0x9D, 0xFF, 0x6B), 12);
    firework(p, QPointF(166, 118), 22, QColor(0xC7, 0x8B, 0xFF), 12);

    // The cup.
    QLinearGradient gold(60, 0, 132, 0);
    gold.setColorAt(0.0, QColor(0xB8, 0x78, 0x00));
    gold.setColorAt(0.35, QColor(0xFF, 0xE2, 0x7A));
    gold.setColorAt(0.6, QColor(0xF2, 0xB8, 0x1C));
    gold.setColorAt(1.0, QColor(0xA8, 0x6A, 0x00));
    const QColor goldEdge(0x7A, 0x4E, 0x00);

    QPainterPath handles;
    handles.addEllipse(QRectF(46, 66, 34, 38));
    handles.addEllipse(QRectF(112, 66, 34, 38));
    const QPainterPath handleShape = strokeOf(handles, 8);

    QPainterPath bowl;
    bowl.moveTo(60, 60);
    bowl.lineTo(132, 60);
    bowl.cubicTo(132, 104, 118, 124, 96, 128);
    bowl.cubicTo(74, 124, 60, 104, 60, 60);
    bowl.closeSubpath();
    QPainterPath stem;
    stem.moveTo(90, 126);
    stem.lineTo(102, 126);
    stem.lineTo(106, 150);
    stem.lineTo(86, 150);
    stem.closeSubpath();
    QPainterPath foot;
    foot.addRoundedRect(QRectF(74, 148, 44, 9), 3, 3);
    const QPainterPath cup = unite({handleShape, bowl, stem, foot});
    paintSoftShadow(p, cup, QPointF(0, 4), 5, 160);
    p.fillPath(cup, gold);
    p.strokePath(cup, QPen(goldEdge, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xF6, 0xC8));
    p.setPen(QPen(goldEdge, 2));
    p.drawEllipse(QRectF(60, 55, 72, 11));

    // Plinth with a plaque.
    QPainterPath plinth;
    plinth.addRoundedRect(QRectF(62, 156, 68, 26), 4, 4);
    QLinearGradient wood(0, 156, 0, 182);
    wood.setColorAt(0.0, QColor(0x8A, 0x52, 0x2A));
    wood.setColorAt(1.0, QColor(0x5A, 0x32, 0x16));
    p.fillPath(plinth, wood);
    p.strokePath(plinth, QPen(QColor(0x3A, 0x1E, 0x0A), 2));
    p.setBrush(gold);
    p.setPen(QPen(goldEdge, 1));
    p.drawRoundedRect(QRectF(78, 163, 36, 12), 2, 2);

    // Star on the bowl.
    const QPainterPath emblem = starPath(QPointF(96, 88), 17, 7, 5);
    p.fillPath(emblem, QColor(0xFF, 0xFA, 0xE0));
    p.strokePath(emblem, QPen(goldEdge, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    paintPictureFrame(p);
    return image;
}

QImage drawAlmostThereBadge() {
    const double s = PictureSize;
    const QPointF c(96, 86);
    QImage image = newCanvas(PictureSize);
    QPainter p(&image);
    beginPainting(p);
    p.fillRect(QRectF(0, 0, s, s), QColor(0xFF, 0xF4, 0xCC));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE2, 0x94));
    for (int i = 0; i < 24; i += 2) {
        p.drawPath(polygonPath({c, polar(c, 200, i * 15.0), polar(c, 200, (i + 1) * 15.0)}));
    }

    // Ribbon tails with notched ends.
    const QColor ribbon(0xD8, 0x3A, 0x3A);
    for (const int side : {-1, 1}) {
        const QPainterPath tail = polygonPath({{96.0 + side * 8.0, 110},
                                               {96.0 + side * 30.0, 110},
                                               {96.0 + side * 56.0, 180},
                                               {96.0 + side * 42.0, 170},
                                               {96.0 + side * 30.0, 184}});
        paintBoldShape(p, tail, ribbon, 2.5);
    }

    const QPainterPath star = starPath(c, 80, 40, 5);
    paintBoldShape(p, star, QColor(0xF2, 0xB8, 0x1C), 4);
    const QPainterPath disc = circlePath(c, 30);
    QRadialGradient inner(c - QPointF(8, 8), 40);
    inner.setColorAt(0.0, QColor(0xFF, 0xF6, 0xD0));
    inner.setColorAt(1.0, QColor(0xFF, 0xD9, 0x66));
    p.fillPath(disc, inner);
    p.strokePath(disc, QPen(QColor(0xA8, 0x6A, 0x00), 3));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(34);
    p.setFont(font);
    p.setPen(QColor(0x7A, 0x3A, 0x00));
    p.drawText(QRectF(c.x() - 30, c.y() - 30, 60, 60), Qt::AlignCenter, QStringLiteral("16"));

    // Sparkles.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const QPointF at : {QPointF(24, 30), QPointF(168, 28), QPointF(170, 150)}) {
        p.drawPath(starPath(at, 10, 3, 4));
    }
    paintPictureFrame(p);
    return image;
}

QPainterPath wavePath(double baseline, double amplitude, double length, double phase,
                      double bottom) {
    QPainterPath wave;
    wave.moveTo(0, bottom);
    for (int x = 0; x <= PictureSize; x += 2) {
        wave.lineTo(x, baseline + amplitude * std::sin((x + phase) * 2 * M_PI / length));
    }
    wave.lineTo(PictureSize, bottom);
    wave.closeSubpath();
    return wave;
}

QImage drawCaptainsHat() {
    const double s = PictureSize;
    QImage image = newCanvas(PictureSize);
    QPainter p(&image);
    beginPainting(p);
    QLinearGradient sky(0, 0, 0, s);
    sky.setColorAt(0.0, QColor(0x9F, 0xD8, 0xFF));
    sky.setColorAt(0.7, QColor(0xE6, 0xF6, 0xFF));
    p.fillRect(QRectF(0, 0, s, s), sky);

    // Sun, gulls and a far ship.
    QRadialGradient sun(QPointF(160, 32), 22);
    sun.setColorAt(0.0, QColor(0xFF, 0xF1, 0x9A));
    sun.setColorAt(1.0, QColor(0xFF, 0xC8, 0x3A));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(160, 32), 18, 18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x3A, 0x4A, 0x5A), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF at : {QPointF(22, 26), QPointF(44, 16), QPointF(66, 24)}) {
        QPainterPath gull;
        gull.moveTo(at + QPointF(-8, 0));
        gull.quadTo(at + QPointF(-4, -5), at);
        gull.quadTo(at + QPointF(4, -5), at + QPointF(8, 0));
        p.drawPath(gull);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x5A, 0x6A));
    p.drawPath(polygonPath({{150, 142}, {176, 142}, {172, 148}, {154, 148}}));
    p.drawPath(polygonPath({{163, 120}, {163, 141}, {152, 141}}));

    // Sea.
    p.fillPath(wavePath(146, 3, 48, 0, s), QColor(0x2C, 0x7F, 0xB8));
    p.fillPath(wavePath(160, 4, 40, 14, s), QColor(0x22, 0x6A, 0x9C));
    p.fillPath(wavePath(174, 4, 36, 6, s), QColor(0x1A, 0x52, 0x7C));
    p.setPen(QPen(QColor(255, 255, 255, 170), 2, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF at : {QPointF(20, 156), QPointF(90, 168), QPointF(140, 182)}) {
        p.drawArc(QRectF(at.x(), at.y(), 18, 8), 20 * 16, 140 * 16);
    }

    // The hat: navy band, white cover, black peak, gold braid and badge.
    const QColor navy(0x1B, 0x2A, 0x4A);
    QPainterPath band;
    band.moveTo(48, 70);
    band.lineTo(144, 70);
    band.lineTo(138, 112);
    band.quadTo(96, 120, 54, 112);
    band.closeSubpath();
    QPainterPath cover;
    cover.addEllipse(QRectF(24, 34, 144, 52));
    QPainterPath peak;
    peak.moveTo(54, 106);
    peak.quadTo(96, 120, 138, 106);
    peak.cubicTo(138, 122, 120, 130, 96, 130);
    peak.cubicTo(72, 130, 54, 122, 54, 106);
    peak.closeSubpath();
    const QPainterPath hat = unite({band, cover, peak});
    paintSoftShadow(p, hat, QPointF(0, 6), 5, 150);

    QLinearGradient bandShade(48, 0, 144, 0);
    bandShade.setColorAt(0.0, navy.darker(130));
    bandShade.setColorAt(0.4, navy.lighter(130));
    bandShade.setColorAt(1.0, navy.darker(140));
    p.fillPath(band, bandShade);
    p.strokePath(band, QPen(navy.darker(200), 2));

    QLinearGradient coverShade(0, 34, 0, 86);
    coverShade.setColorAt(0.0, Qt::white);
    coverShade.setColorAt(1.0, QColor(0xD6, 0xDD, 0xE4));
    p.fillPath(cover, coverShade);
    p.strokePath(cover, QPen(QColor(0x8A, 0x98, 0xA8), 2.5));

    QLinearGradient peakShade(0, 106, 0, 140);
    peakShade.setColorAt(0.0, QColor(0x3A, 0x3A, 0x44));
    peakShade.setColorAt(1.0, QColor(0x0A, 0x0A, 0x10));
    p.fillPath(peak, peakShade);
    p.strokePath(peak, QPen(Qt::black, 2));
    p.setPen(QPen(QColor(255, 255, 255, 90), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath shine;
    shine.moveTo(70, 119);
    shine.quadTo(92, 125, 116, 120);
    p.drawPath(shine);

    const QColor goldEdge(0x8A, 0x5A, 0x00);
    p.setPen(QPen(QColor(0xF2, 0xC1, 0x2E), 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath braid;
    braid.moveTo(56, 104);
    braid.quadTo(96, 114, 136, 104);
    p.drawPath(braid);

    // Laurel leaves around an anchor.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xC1, 0x2E));
    const QPointF badge(96, 84);
    for (int side : {-1, 1}) {
        for (int i = 0; i < 4; ++i) {
            const double a = 100 + i * 26.0;
            const double angle = side > 0 ? 180 - a : a;
            const QPointF at = polar(badge, 15, angle);
            QTransform t;
            t.translate(at.x(), at.y());
            t.rotate(angle);
            QPainterPath leaf;
            leaf.addEllipse(QPointF(0, 0), 2.6, 5.4);
            p.drawPath(t.map(leaf));
        }
    }
    QTransform small;
    small.translate(badge.x(), badge.y() - 1);
    small.scale(0.2, 0.2);
    small.translate(-80, -84);
    const QPainterPath anchor = small.map(anchorPath());
    p.fillPath(anchor, QColor(0xF2, 0xC1, 0x2E));
    p.strokePath(anchor, QPen(goldEdge, 0.8));
    paintPictureFrame(p);
    return image;
}

QImage drawWavingKestrel() {
    const double s = PictureSize;
    QImage image = newCanvas(PictureSize);
    QPainter p(&image);
    beginPainting(p);
    QLinearGradient sky(0, 0, 0, s);
    sky.setColorAt(0.0, QColor(0xB8, 0xE2, 0xFF));
    sky.setColorAt(1.0, QColor(0xF2, 0xFA, 0xFF));
    p.fillRect(QRectF(0, 0, s, s), sky);
    for (const QPointF at : {QPointF(34, 34), QPointF(150, 150)}) {
        const QPainterPath puff =
            unite({circlePath(at + QPointF(-14, 4), 11), circlePath(at + QPointF(0, -4), 15),
                   circlePath(at + QPointF(15, 4), 11)});
        p.fillPath(puff, QColor(255, 255, 255, 220));
    }

    const QColor rufous(0xC8, 0x64, 0x2E);
    const QColor slate(0x7C, 0x8F, 0xAC);
    const QColor cream(0xF6, 0xE3, 0xC6);
    const QColor ink(0x2A, 0x1A, 0x10);
    const QPen inkPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Tail, hanging behind the branch: slate with a black band.
    const QPainterPath tail = polygonPath({{86, 146}, {112, 146}, {104, 186}, {76, 182}});
    p.fillPath(tail, slate);
    p.fillPath(polygonPath({{79, 170}, {106, 172}, {105, 178}, {78, 176}}), ink);
    p.strokePath(tail, inkPen);

    // Branch.
    QPainterPath branch;
    branch.moveTo(0, 170);
    branch.quadTo(96, 160, 192, 176);
    p.strokePath(branch, QPen(QColor(0x6B, 0x44, 0x23), 11, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(branch, QPen(QColor(0x8E, 0x62, 0x3A), 4, Qt::SolidLine, Qt::RoundCap));

    // Body and spotted chest.
    QPainterPath body;
    body.addEllipse(QPointF(98, 118), 38, 46);
    paintSoftShadow(p, body, QPointF(2, 4), 4, 110);
    p.fillPath(body, rufous);
    QPainterPath chest;
    chest.addEllipse(QPointF(86, 124), 24, 36);
    p.save();
    p.setClipPath(body);
    p.fillPath(chest, cream);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (const QPointF at : {QPointF(80, 110), QPointF(92, 118), QPointF(78, 130), QPointF(90, 138),
                             QPointF(84, 150), QPointF(98, 104)}) {
        p.drawEllipse(at, 2.2, 3.2);
    }
    p.strokePath(body, inkPen);

    // Folded near wing with dark bars.
    QPainterPath wing;
    wing.moveTo(104, 100);
    wing.cubicTo(132, 104, 136, 140, 116, 160);
    wing.cubicTo(108, 150, 100, 128, 104, 100);
    wing.closeSubpath();
    p.fillPath(wing, rufous.darker(112));
    p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double y = 112 + i * 11;
        p.drawLine(QPointF(110, y), QPointF(120 + (i % 2) * 3, y + 2));
    }
    p.strokePath(wing, inkPen);

    // The waving wing, raised high: three long feathers with dark tips.
    const QPointF shoulder(126, 98);
    for (int i = 0; i < 3; ++i) {
        QTransform t;
        t.translate(shoulder.x(), shoulder.y());
        t.rotate(-62 + i * 16);
        QPainterPath feather;
        feather.moveTo(0, -7);
        feather.cubicTo(20, -12, 44, -10, 58 - i * 6, 0);
        feather.cubicTo(44, 9, 20, 10, 0, 7);
        feather.closeSubpath();
        const QPainterPath mapped = t.map(feather);
        p.fillPath(mapped, rufous.lighter(106));
        QPainterPath tip;
        tip.addRect(QRectF(38 - i * 6, -14, 30, 28));
        p.fillPath(t.map(feather.intersected(tip)), ink);
        p.strokePath(mapped, inkPen);
    }
    // Motion marks next to the waving wing.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x3A, 0x5A, 0x7A), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(138, 16, 40, 40), 10 * 16, 70 * 16);
    p.drawArc(QRectF(146, 8, 40, 40), -10 * 16, 60 * 16);

    // Head.
    const QPointF head(94, 64);
    const QPainterPath skull = circlePath(head, 30);
    p.fillPath(skull, slate);
    p.save();
    p.setClipPath(skull);
    QPainterPath cheek;
    cheek.addEllipse(QPointF(86, 82), 20, 16);
    p.fillPath(cheek, QColor(0xFA, 0xF2, 0xE6));
    // The dark "moustache" below the eye.
    QPainterPath stripe;
    stripe.moveTo(84, 70);
    stripe.cubicTo(76, 78, 78, 90, 86, 96);
    stripe.cubicTo(90, 88, 90, 78, 90, 70);
    stripe.closeSubpath();
    p.fillPath(stripe, ink);
    p.restore();
    p.strokePath(skull, inkPen);

    // Eye with a yellow ring.
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(0xF5, 0xC5, 0x42));
    p.drawEllipse(QPointF(88, 58), 10.5, 10.5);
    p.setBrush(ink);
    p.drawEllipse(QPointF(87, 58), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(84.5, 55), 2.4, 2.4);

    // Hooked beak with a yellow cere.
    QPainterPath beak;
    beak.moveTo(68, 60);
    beak.cubicTo(60, 60, 54, 66, 56, 76);
    beak.cubicTo(60, 72, 64, 70, 70, 72);
    beak.closeSubpath();
    p.fillPath(beak, QColor(0x5E, 0x6E, 0x86));
    p.strokePath(beak, inkPen);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(0xF5, 0xC5, 0x42));
    p.drawEllipse(QPointF(70, 62), 4.5, 5);

    // Feet gripping the branch.
    p.setPen(QPen(QColor(0xE8, 0xA8, 0x1A), 4, Qt::SolidLine, Qt::RoundCap));
    for (const double x : {88.0, 104.0}) {
        p.drawLine(QPointF(x, 158), QPointF(x, 166));
        p.drawLine(QPointF(x, 166), QPointF(x - 5, 170));
        p.drawLine(QPointF(x, 166), QPointF(x + 5, 170));
    }
    paintPictureFrame(p);
    return image;
}

// The studio's mascot, drawn as a designer: an owl with round glasses, a
// beret and a pencil.
QImage drawDesignerMascot() {
    const double s = PictureSize;
    const QPointF c(96, 96);
    QImage image = newCanvas(PictureSize);
    QPainter p(&image);
    beginPainting(p);
    p.fillRect(QRectF(0, 0, s, s), QColor(0xF4, 0xEF, 0xE6));
    const QPainterPath disc = circlePath(c, 88);
    QRadialGradient backdrop(c - QPointF(20, 30), 120);
    backdrop.setColorAt(0.0, QColor(0x7F, 0xD6, 0xCB));
    backdrop.setColorAt(1.0, QColor(0x25, 0x8C, 0x85));
    p.fillPath(disc, backdrop);
    p.strokePath(disc, QPen(QColor(0x1A, 0x5E, 0x59), 4));

    p.save();
    p.setClipPath(disc);
    const QColor feather(0x8A, 0x6E, 0x5A);
    const QColor face(0xE9, 0xD5, 0xB8);
    const QColor ink(0x2A, 0x20, 0x1A);
    const QPen inkPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Shoulders and a scarf.
    QPainterPath shoulders;
    shoulders.addEllipse(QPointF(96, 196), 74, 56);
    p.fillPath(shoulders, feather.darker(110));
    p.strokePath(shoulders, inkPen);
    QPainterPath scarf;
    scarf.moveTo(56, 146);
    scarf.quadTo(96, 164, 136, 146);
    scarf.lineTo(138, 158);
    scarf.quadTo(96, 178, 54, 158);
    scarf.closeSubpath();
    p.fillPath(scarf, QColor(0xF2, 0xB1, 0x34));
    p.strokePath(scarf, inkPen);

    // Head with ear tufts.
    QPainterPath head;
    head.addEllipse(QPointF(96, 104), 54, 50);
    const QPainterPath tufts = unite({polygonPath({{48, 84}, {50, 46}, {74, 66}}),
                                      polygonPath({{144, 84}, {142, 46}, {118, 66}})});
    const QPainterPath skull = unite({head, tufts});
    paintSoftShadow(p, skull, QPointF(0, 4), 4, 110);
    QLinearGradient fur(0, 50, 0, 154);
    fur.setColorAt(0.0, feather.lighter(118));
    fur.setColorAt(1.0, feather.darker(108));
    p.fillPath(skull, fur);
    p.strokePath(skull, inkPen);
    for (const double x : {74.0, 118.0}) {
        QPainterPath mask;
        mask.addEllipse(QPointF(x, 104), 25, 27);
        p.fillPath(mask, face);
    }

    // Eyes behind round glasses.
    for (const double x : {74.0, 118.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 102), 15, 15);
        p.setBrush(ink);
        p.drawEllipse(QPointF(x + 2, 104), 8, 8);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x - 1, 100), 2.6, 2.6);
        p.setBrush(QColor(255, 255, 255, 50));
        p.setPen(QPen(QColor(0x22, 0x22, 0x28), 4.5));
        p.drawEllipse(QPointF(x, 102), 19, 19);
    }
    p.setPen(QPen(QColor(0x22, 0x22, 0x28), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(90, 94, 12, 10), 20 * 16, 140 * 16);

    // Beak and a smile line.
    const QPainterPath beak = polygonPath({{88, 120}, {104, 120}, {96, 136}});
    p.fillPath(beak, QColor(0xF2, 0x8C, 0x28));
    p.strokePath(beak, inkPen);

    // Beret, tilted.
    QTransform tilt;
    tilt.translate(96, 56);
    tilt.rotate(-14);
    QPainterPath beret;
    beret.addEllipse(QPointF(0, 0), 46, 18);
    QPainterPath stalk;
    stalk.addRoundedRect(QRectF(-3, -26, 6, 12), 2, 2);
    const QPainterPath hat = tilt.map(unite({beret, stalk}));
    paintSoftShadow(p, hat, QPointF(0, 3), 3, 100);
    QLinearGradient red(0, 30, 0, 76);
    red.setColorAt(0.0, QColor(0xE8, 0x4A, 0x4A));
    red.setColorAt(1.0, QColor(0xA8, 0x1E, 0x28));
    p.fillPath(hat, red);
    p.strokePath(hat, inkPen);

    // Pencil held in front.
    QTransform slant;
    slant.translate(150, 150);
    slant.rotate(-50);
    QPainterPath pencilBody;
    pencilBody.addRect(QRectF(-34, -6, 52, 12));
    QPainterPath eraser;
    eraser.addRoundedRect(QRectF(18, -6, 12, 12), 3, 3);
    const QPainterPath wood = polygonPath({{-34, -6}, {-50, 0}, {-34, 6}});
    const QPainterPath lead = polygonPath({{-44.7, -2}, {-50, 0}, {-44.7, 2}});
    p.fillPath(slant.map(pencilBody), QColor(0xF5, 0xC5, 0x18));
    p.strokePath(slant.map(pencilBody), inkPen);
    p.fillPath(slant.map(eraser), QColor(0xF0, 0x8C, 0xA8));
    p.strokePath(slant.map(eraser), inkPen);
    p.fillPath(slant.map(wood), QColor(0xF0, 0xD2, 0xA0));
    p.strokePath(slant.map(wood), inkPen);
    p.fillPath(slant.map(lead), ink);
    p.restore();
    paintPictureFrame(p);
    return image;
}

// ------------------------------------------------------------------ icon

// One filled and outlined path; the icon is a list of these, so the same
// geometry becomes both the SVG and the small PNG.
struct IconLayer {
    QPainterPath path;
    QColor fill;   // transparent: no fill
    QColor stroke; // transparent: no outline
    double strokeWidth = 0.0;
};

std::vector<IconLayer> iconLayers() {
    std::vector<IconLayer> layers;
    auto card = [](QPointF centre, double degrees, double inset) {
        QPainterPath rect;
        rect.addRoundedRect(QRectF(-56 + inset, -78 + inset, 112 - 2 * inset, 156 - 2 * inset),
                            14 - inset / 2, 14 - inset / 2);
        QTransform t;
        t.translate(centre.x(), centre.y());
        t.rotate(degrees);
        return t.map(rect);
    };
    const QPointF backCentre(98, 132);
    const QPointF frontCentre(160, 126);
    layers.push_back(
        {card(backCentre, -14, 0), QColor(0x1F, 0x4F, 0x8C), QColor(0x0E, 0x24, 0x44), 6});
    layers.push_back({card(backCentre, -14, 12), Qt::transparent, QColor(0xF7, 0xF1, 0xE3), 5});
    QTransform backT;
    backT.translate(backCentre.x(), backCentre.y());
    backT.rotate(-14);
    layers.push_back({backT.map(starPath(QPointF(-22, -34), 20, 8, 4)), QColor(0xE8, 0xC0, 0x5A),
                      QColor(0x8A, 0x62, 0x10), 3});

    layers.push_back(
        {card(frontCentre, 10, 0), QColor(0xFF, 0xF8, 0xEA), QColor(0x5A, 0x4A, 0x36), 6});
    QTransform birdT;
    birdT.translate(frontCentre.x(), frontCentre.y() + 4);
    birdT.rotate(10);
    birdT.scale(0.78, 0.78);
    layers.push_back(
        {birdT.map(kestrelSilhouette()), QColor(0xB8, 0x56, 0x2A), QColor(0x5A, 0x2A, 0x12), 4});
    return layers;
}

QString svgNumber(double v) {
    return QString::number(std::round(v * 100.0) / 100.0, 'g', 8);
}

QString svgPathData(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            d += QStringLiteral("M%1 %2").arg(svgNumber(e.x), svgNumber(e.y));
            break;
        case QPainterPath::LineToElement:
            d += QStringLiteral("L%1 %2").arg(svgNumber(e.x), svgNumber(e.y));
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(svgNumber(e.x), svgNumber(e.y), svgNumber(c2.x), svgNumber(c2.y),
                          svgNumber(end.x), svgNumber(end.y));
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break; // consumed with its CurveToElement
        }
    }
    return d;
}

QString svgColour(QColor c) {
    return c.alpha() == 0 ? QStringLiteral("none") : c.name(QColor::HexRgb);
}

QString iconSvg(const std::vector<IconLayer>& layers) {
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<!-- Kestrelon Memory: two cards and a hovering kestrel. Made by "
           "tools/make_assets.cpp. -->\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 256 256\">\n";
    for (const IconLayer& layer : layers) {
        out << "  <path d=\"" << svgPathData(layer.path) << "\" fill=\"" << svgColour(layer.fill)
            << "\" fill-rule=\""
            << (layer.path.fillRule() == Qt::WindingFill ? "nonzero" : "evenodd") << "\"";
        if (layer.stroke.alpha() != 0) {
            out << " stroke=\"" << svgColour(layer.stroke) << "\" stroke-width=\""
                << svgNumber(layer.strokeWidth) << "\" stroke-linejoin=\"round\"";
        }
        out << "/>\n";
    }
    out << "</svg>\n";
    return svg;
}

QImage iconImage(const std::vector<IconLayer>& layers, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    beginPainting(p);
    p.scale(size / 256.0, size / 256.0);
    for (const IconLayer& layer : layers) {
        if (layer.fill.alpha() != 0) {
            p.fillPath(layer.path, layer.fill);
        }
        if (layer.stroke.alpha() != 0) {
            p.strokePath(layer.path, QPen(layer.stroke, layer.strokeWidth, Qt::SolidLine,
                                          Qt::FlatCap, Qt::RoundJoin));
        }
    }
    return image;
}

// ---------------------------------------------------------------- sounds

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

// ------------------------------------------------------------------ main

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
    const QString png = root.filePath(QStringLiteral("icons/kestrelon-memory-48.png"));
    if (!iconImage(layers, 48).save(png, "PNG")) {
        std::fprintf(stderr, "make-assets: cannot write %s\n", qPrintable(png));
        ok = false;
    }
    return ok ? 0 : 1;
}
