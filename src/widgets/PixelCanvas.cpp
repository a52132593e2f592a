#include "widgets/PixelCanvas.h"

#include <algorithm>
#include <cmath>
#include <limits>

PixelCanvas::PixelCanvas(QImage &image)
    : m_bits(image.bits()), m_bytesPerLine(image.bytesPerLine()), m_deviceWidth(image.width()),
      m_deviceHeight(image.height()), m_ratio(image.devicePixelRatio()),
      m_width(qRound(image.width() / m_ratio)), m_height(qRound(image.height() / m_ratio))
{
    // Whole ratios map by multiplication; others go through floor().
    if (m_ratio == std::floor(m_ratio) && m_ratio >= 1)
        m_scale = int(m_ratio);
    Q_ASSERT(image.depth() == 32);
}

int PixelCanvas::toDeviceX(int x) const
{
    if (m_scale > 0)
        return std::clamp(qint64(x) * m_scale, qint64(0), qint64(m_deviceWidth));
    return int(std::clamp(std::floor(x * m_ratio), 0.0, double(m_deviceWidth)));
}

int PixelCanvas::toDeviceY(int y) const
{
    if (m_scale > 0)
        return std::clamp(qint64(y) * m_scale, qint64(0), qint64(m_deviceHeight));
    return int(std::clamp(std::floor(y * m_ratio), 0.0, double(m_deviceHeight)));
}

void PixelCanvas::fillRect(int x1, int y1, int x2, int y2, QRgb color)
{
    const int left = toDeviceX(std::min(x1, x2));
    const int right = toDeviceX(std::max(x1, x2));
    const int top = toDeviceY(std::min(y1, y2));
    const int bottom = toDeviceY(std::max(y1, y2));
    if (left >= right)
        return;
    color |= 0xff000000u;
    for (int y = top; y < bottom; ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_bits + y * m_bytesPerLine);
        std::fill(line + left, line + right, color);
    }
}

void PixelCanvas::framedRect(int x1, int y1, int x2, int y2, QRgb pen, QRgb brush)
{
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    if (right <= left || bottom <= top)
        return;
    fillRect(left, top, right, bottom, brush);
    fillRect(left, top, right, top + 1, pen);
    fillRect(left, bottom - 1, right, bottom, pen);
    fillRect(left, top, left + 1, bottom, pen);
    fillRect(right - 1, top, right, bottom, pen);
}

void PixelCanvas::fillColumn(int x, int y1, int y2, QRgb color)
{
    fillRect(x, y1, x + 1, y2 + 1, color);
}

void PixelCanvas::fillConvexPolygon(const QPoint *points, int count, QRgb color)
{
    if (count <= 0)
        return;
    int minX = points[0].x();
    int maxX = minX;
    for (int i = 1; i < count; ++i) {
        minX = std::min(minX, points[i].x());
        maxX = std::max(maxX, points[i].x());
    }
    // Only the visible columns; shapes may reach far outside the image.
    const int firstX = std::max(minX, 0);
    const int lastX = std::min(maxX, m_width - 1);
    if (firstX > lastX)
        return;

    // A convex shape meets every column in one run: from the highest to the
    // lowest pixel that any edge (outline included) covers in that column.
    // Each edge is walked once over its own columns.
    constexpr int NoPixel = std::numeric_limits<int>::max();
    std::vector<int> &top = m_columnTop;
    std::vector<int> &bottom = m_columnBottom;
    const int columns = lastX - firstX + 1;
    top.assign(columns, NoPixel);
    bottom.assign(columns, std::numeric_limits<int>::min());
    auto cover = [&](int x, int y1, int y2) {
        const int i = x - firstX;
        top[i] = std::min(top[i], std::min(y1, y2));
        bottom[i] = std::max(bottom[i], std::max(y1, y2));
    };
    for (int e = 0; e < count; ++e) {
        QPoint a = points[e];
        QPoint b = points[(e + 1) % count];
        if (a.x() == b.x()) {
            if (a.x() >= firstX && a.x() <= lastX)
                cover(a.x(), a.y(), b.y());
            continue;
        }
        if (a.x() > b.x())
            std::swap(a, b);
        const double slope = double(b.y() - a.y()) / (b.x() - a.x());
        const int from = std::max(a.x(), firstX);
        const int to = std::min(b.x(), lastX);
        for (int x = from; x <= to; ++x) {
            // The part of the edge inside this pixel column.
            const double left = std::max(x - 0.5, double(a.x()));
            const double right = std::min(x + 0.5, double(b.x()));
            const double yLeft = a.y() + slope * (left - a.x());
            const double yRight = a.y() + slope * (right - a.x());
            cover(x, int(std::floor(yLeft + 0.5)), int(std::floor(yRight + 0.5)));
        }
    }
    for (int i = 0; i < columns; ++i)
        if (top[i] != NoPixel)
            fillColumn(firstX + i, top[i], bottom[i], color);
}

void PixelCanvas::polyline(const QPoint *points, int count, QRgb color)
{
    for (int i = 0; i + 1 < count; ++i) {
        QPoint a = points[i];
        QPoint b = points[i + 1];
        bool keepEnd = false;
        if (!clipSegment(a, b, keepEnd))
            continue;
        // Bresenham from a towards b; b is left out unless clipping moved it
        // off the image, where it does not show anyway.
        int x = a.x();
        int y = a.y();
        const int dx = std::abs(b.x() - x);
        const int dy = -std::abs(b.y() - y);
        const int sx = x < b.x() ? 1 : -1;
        const int sy = y < b.y() ? 1 : -1;
        int error = dx + dy;
        while (x != b.x() || y != b.y()) {
            setPixel(x, y, color);
            const int twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                x += sx;
            }
            if (twice <= dx) {
                error += dx;
                y += sy;
            }
        }
        if (keepEnd)
            setPixel(x, y, color);
    }
}

bool PixelCanvas::clipSegment(QPoint &a, QPoint &b, bool &endMoved) const
{
    // A margin of two pixels round the image: segments inside it are drawn
    // as they are, longer ones are cut so that no time goes on unseen pixels.
    const double left = -2, top = -2, right = m_width + 1, bottom = m_height + 1;
    auto inside = [&](QPoint p) {
        return p.x() >= left && p.x() <= right && p.y() >= top && p.y() <= bottom;
    };
    endMoved = false;
    if (inside(a) && inside(b))
        return true;

    // Liang-Barsky.
    const double x0 = a.x(), y0 = a.y();
    const double dx = b.x() - x0, dy = b.y() - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - left, right - x0, y0 - top, bottom - y0};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPoint clippedA(qRound(x0 + t0 * dx), qRound(y0 + t0 * dy));
    const QPoint clippedB(qRound(x0 + t1 * dx), qRound(y0 + t1 * dy));
    endMoved = t1 < 1;
    a = clippedA;
    b = clippedB;
    return true;
}
