// The eighteen card faces, the spare face and the card back.

// own
#include "make_assets/Drawing.h"

// Qt
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

// std
#include <algorithm>
#include <cmath>
#include <vector>

namespace makeassets {

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

} // namespace makeassets
