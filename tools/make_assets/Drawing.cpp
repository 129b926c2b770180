// Shapes and painting steps shared by the pictures and the icon.

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

QPainterPath starPath(QPointF centre, double outer, double inner, int points, double rotation) {
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

QPainterPath strokeOf(const QPainterPath& line, double width, Qt::PenCapStyle cap) {
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

QImage newCanvas(int size, QColor background) {
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
void paintBoldShape(QPainter& p, const QPainterPath& shape, QColor colour, double outline) {
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

} // namespace makeassets
