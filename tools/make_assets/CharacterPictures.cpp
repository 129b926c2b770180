// The captain's hat, the waving kestrel and the designer mascot.

// own
#include "make_assets/Drawing.h"

// Qt
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

// std
#include <algorithm>
#include <cmath>
#include <vector>

namespace makeassets {

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

} // namespace makeassets
