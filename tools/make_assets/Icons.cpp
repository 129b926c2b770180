// The application icon, as SVG and as PNGs of any size from the same geometry.

// own
#include "make_assets/Drawing.h"

// Qt
#include <QPainter>
#include <QTextStream>

// std
#include <cmath>

namespace makeassets {

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

} // namespace makeassets
