#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

#include <vector>

// Solid shapes written straight into a 32-bit image, in logical pixels.
// Small shapes by the hundred cost far less here than through QPainter,
// and the raster rules are exact: a rectangle (x1, y1, x2, y2) covers
// x1 .. x2-1 and y1 .. y2-1, and a line leaves out its end point. On an
// image with a device pixel ratio every logical pixel becomes a block.
class PixelCanvas
{
public:
    // The image must be Format_RGB32 or Format_ARGB32 and outlive the canvas.
    explicit PixelCanvas(QImage &image);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Fills x1 .. x2-1, y1 .. y2-1; corners in any order.
    void fillRect(int x1, int y1, int x2, int y2, QRgb color);
    // The same area, filled with brush and outlined one pixel wide with pen.
    void framedRect(int x1, int y1, int x2, int y2, QRgb pen, QRgb brush);
    // A convex polygon filled and outlined in one colour.
    void fillConvexPolygon(const QPoint *points, int count, QRgb color);
    // Connected segments, each one leaving out its end point.
    void polyline(const QPoint *points, int count, QRgb color);
    void setPixel(int x, int y, QRgb color) { fillRect(x, y, x + 1, y + 1, color); }

private:
    int toDeviceX(int x) const;
    int toDeviceY(int y) const;
    void fillColumn(int x, int y1, int y2, QRgb color);
    // Cuts a segment to the image and a small margin; false when nothing is left.
    bool clipSegment(QPoint &a, QPoint &b, bool &endMoved) const;

    uchar *m_bits;
    qsizetype m_bytesPerLine;
    int m_deviceWidth;
    int m_deviceHeight;
    qreal m_ratio;
    int m_scale = 0; // the ratio when it is a whole number, else 0
    int m_width;
    int m_height;
    std::vector<int> m_columnTop; // scratch of fillConvexPolygon
    std::vector<int> m_columnBottom;
};
