#pragma once

// Qt
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QString>

// std
#include <functional>
#include <initializer_list>
#include <vector>

class QPainter;

// The asset generator's parts: shared drawing steps, the pictures, the icon
// and the sounds. make_assets.cpp writes what they make.
namespace makeassets {

constexpr int FaceSize = 160;    // card faces, the spare face and the card back
constexpr int PictureSize = 192; // all other pictures

// ---------------------------------------------------------------- shapes

QPointF polar(QPointF centre, double radius, double degrees);
QPainterPath polygonPath(const std::vector<QPointF>& points);
QPainterPath starPath(QPointF centre, double outer, double inner, int points,
                      double rotation = -90.0);
QPainterPath regularPolygon(QPointF centre, double radius, int sides, double rotation);
QPainterPath circlePath(QPointF centre, double radius);
QPainterPath strokeOf(const QPainterPath& line, double width, Qt::PenCapStyle cap = Qt::RoundCap);
QPainterPath unite(std::initializer_list<QPainterPath> parts);
// A hovering kestrel seen from below, on the card back and in the icon.
QPainterPath kestrelSilhouette();
// The anchor of a card face, also on the captain's hat.
QPainterPath anchorPath();
// Water below a baseline, for the pictures by the sea.
QPainterPath wavePath(double baseline, double amplitude, double length, double phase,
                      double bottom);

// --------------------------------------------------------- painting steps

QImage newCanvas(int size, QColor background = Qt::white);
void beginPainting(QPainter& p);
void paintSoftShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int radius, int alpha);
void paintBoldShape(QPainter& p, const QPainterPath& shape, QColor colour, double outline = 4.0);
void paintFaceBackground(QPainter& p);
void paintPictureFrame(QPainter& p);

// -------------------------------------------------------------- pictures

struct Face {
    QColor colour;
    std::function<QPainterPath()> shape;
    std::function<void(QPainter&, QColor)> details; // may be empty
};

// The eighteen card faces in picture order (img19 ... img36).
std::vector<Face> cardFaces();
QImage drawFace(const Face& face);
QImage drawSpareFace();
QImage drawCardBack();
QImage drawOk();
QImage drawClosingTrophy();
QImage drawAlmostThereBadge();
QImage drawCaptainsHat();
QImage drawWavingKestrel();
QImage drawDesignerMascot();

// ------------------------------------------------------------------ icon

// One filled and outlined path; the icon is a list of these, so the same
// geometry becomes both the SVG and the small PNG.
struct IconLayer {
    QPainterPath path;
    QColor fill;   // transparent: no fill
    QColor stroke; // transparent: no outline
    double strokeWidth = 0.0;
};

std::vector<IconLayer> iconLayers();
QString iconSvg(const std::vector<IconLayer>& layers);
QImage iconImage(const std::vector<IconLayer>& layers, int size);

// ---------------------------------------------------------------- sounds

std::vector<double> closingJingle(int rate, int frames);
std::vector<double> soundOnChime(int rate, int frames);
// A canonical 44-byte-header PCM WAVE file; samples are in -1..1.
QByteArray wavFile(const std::vector<double>& samples, int rate, int channels, int bits);

} // namespace makeassets
