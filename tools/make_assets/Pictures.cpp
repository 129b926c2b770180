// The OK button, the closing trophy and the almost-there badge.

// own
#include "make_assets/Drawing.h"

// Qt
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

// std
#include <algorithm>
#include <cmath>
#include <vector>

namespace makeassets {

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

} // namespace makeassets
