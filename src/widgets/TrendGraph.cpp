#include "widgets/TrendGraph.h"

#include <QFontMetrics>
#include <QMetaMethod>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int LabelPixelSize = 8;

// Nearest integer, an exact half going to the even neighbour.
int roundEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

qint32 clampToInt32(qint64 value)
{
    return static_cast<qint32>(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                                  std::numeric_limits<qint32>::max()));
}

qint64 floorDiv(qint64 a, qint64 b)
{
    qint64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

qint64 ceilDiv(qint64 a, qint64 b)
{
    return -floorDiv(-a, b);
}

// A rectangle covering x1 .. x2-1 and y1 .. y2-1 (corners in any order),
// filled with the brush and outlined one pixel wide with the pen.
void framedRect(QPainter &painter, int x1, int y1, int x2, int y2, const QColor &pen,
                const QColor &brush)
{
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    const int w = right - left;
    const int h = bottom - top;
    if (w <= 0 || h <= 0)
        return;
    painter.fillRect(QRect(left, top, w, h), brush);
    painter.fillRect(QRect(left, top, w, 1), pen);
    painter.fillRect(QRect(left, bottom - 1, w, 1), pen);
    painter.fillRect(QRect(left, top, 1, h), pen);
    painter.fillRect(QRect(right - 1, top, 1, h), pen);
}

void solidPolygon(QPainter &painter, const QPolygon &polygon, const QColor &color)
{
    painter.setPen(QPen(color, 1));
    painter.setBrush(color);
    painter.drawPolygon(polygon);
}

QFont labelFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(LabelPixelSize);
    return font;
}

const QMetaMethod &changeDescretSignal()
{
    static const QMetaMethod signal = QMetaMethod::fromSignal(&TrendGraph::OnChangeDescret);
    return signal;
}

} // namespace

TrendGraph::TrendGraph(QWidget *parent) : QWidget(parent)
{
    // Every pixel comes from the off-screen frame.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TrendGraph::setMinVal(qint32 value)
{
    if (value >= m_maxVal)
        value = m_maxVal - 1;
    if (value == m_minVal)
        return;
    m_minVal = value;
    update();
}

void TrendGraph::setMaxVal(qint32 value)
{
    if (value <= m_minVal)
        value = m_minVal + 1;
    if (value == m_maxVal)
        return;
    m_maxVal = value;
    update();
}

void TrendGraph::setDivisions(qint32 value)
{
    value = std::clamp(value, 2, MaxSamples);
    if (value == m_divisions)
        return;
    m_divisions = value;
    update();
}

void TrendGraph::setOptions(TTrendOptions value)
{
    if (value == m_options)
        return;
    m_options = value;
    update();
}

void TrendGraph::setStyle(TTrendStyle value)
{
    if (value == m_style)
        return;
    m_style = value;
    update();
}

void TrendGraph::setColorBase(const QColor &value)
{
    if (value == m_colorBase)
        return;
    m_colorBase = value;
    update();
}

void TrendGraph::setBackGroundColor(const QColor &value)
{
    if (value == m_backGroundColor)
        return;
    m_backGroundColor = value;
    update();
}

void TrendGraph::setGridStyle(TGridStyle value)
{
    if (value == m_gridStyle)
        return;
    m_gridStyle = value;
    update();
}

void TrendGraph::setGridColor(const QColor &value)
{
    if (value == m_gridColor)
        return;
    m_gridColor = value;
    update();
}

void TrendGraph::setGridXstep(qint32 value)
{
    // No form designer here, so a rejected step is dropped without a word.
    if (value <= 0)
        return;
    if (value > width())
        value = width();
    if (value == m_gridXstep)
        return;
    m_gridXstep = value;
    update();
}

void TrendGraph::setGridYstep(qint32 value)
{
    if (value <= 0)
        return;
    if (value > m_maxVal)
        value = m_maxVal;
    if (value == m_gridYstep)
        return;
    m_gridYstep = value;
    update();
}

void TrendGraph::setAutoScale(bool value)
{
    if (value == m_autoScale)
        return;
    m_autoScale = value;
    update();
}

void TrendGraph::setDescret(quint16 value)
{
    // A quantum below 2 would make every sample its own level.
    if (value < 2)
        return;
    m_descret = value;
}

void TrendGraph::setCaption(const QString &value)
{
    if (value == m_caption)
        return;
    m_caption = value;
    update();
}

void TrendGraph::setColor(const QColor &value)
{
    if (value == m_color)
        return;
    m_color = value;
    update();
}

QList<qint32> TrendGraph::values() const
{
    return QList<qint32>(m_values.begin(), m_values.end());
}

QList<qint32> TrendGraph::twinValues() const
{
    return QList<qint32>(m_twinValues.begin(), m_twinValues.end());
}

void TrendGraph::setTwinValues(const QList<qint32> &values)
{
    m_twinValues.fill(0);
    std::copy_n(values.begin(), std::min<qsizetype>(values.size(), MaxSamples),
                m_twinValues.begin());
    update();
}

void TrendGraph::AddValue(qint32 value)
{
    // The peak and the level follow the incoming value before any clipping.
    if (value > m_peak) {
        m_peak = value;
    } else if (m_values[0] == m_peak) {
        m_values[0] = 0;
        m_peak = std::max(*std::max_element(m_values.begin(), m_values.end()), value);
    }

    // Kept within 1 .. 65535 so that a huge or negative peak cannot wrap the
    // level into a nonsense scale.
    const qint64 newLevel = std::clamp<qint64>((qint64(m_peak) - 1) / m_descret + 1, 1,
                                               std::numeric_limits<quint16>::max());
    const bool levelChanged = newLevel != m_level;
    m_level = static_cast<quint16>(newLevel);

    // Only an owner that labels the scale gets the matching MaxVal.
    if (levelChanged && isSignalConnected(changeDescretSignal())) {
        setMaxVal(clampToInt32(qint64(m_level) * m_descret));
        emit OnChangeDescret(this, m_level);
    }

    std::copy(m_values.begin() + 1, m_values.begin() + m_divisions, m_values.begin());

    if (value < m_minVal)
        value = m_minVal;
    if (m_autoScale) {
        const qint32 largest =
            std::max({*std::max_element(m_values.begin(), m_values.end()),
                      *std::max_element(m_twinValues.begin(), m_twinValues.end()), value});
        if (largest != m_maxVal)
            setMaxVal(largest);
    } else if (value > m_maxVal) {
        value = m_maxVal;
    }

    m_values[m_divisions - 1] = value;
    update();
}

QColor TrendGraph::ShadeColor(const QColor &color, int delta)
{
    auto shade = [delta](int channel) { return std::clamp(channel + delta, 0, 255); };
    return QColor(shade(color.red()), shade(color.green()), shade(color.blue()));
}

QImage TrendGraph::render(qreal devicePixelRatio) const
{
    QImage image(size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    paintInto(painter);
    return image;
}

void TrendGraph::paintEvent(QPaintEvent *)
{
    // Drawn whole off screen, then copied in one go: no flicker.
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = size() * dpr;
    if (m_frame.size() != pixels || m_frame.devicePixelRatio() != dpr) {
        m_frame = QImage(pixels, QImage::Format_RGB32);
        m_frame.setDevicePixelRatio(dpr);
    }
    {
        QPainter framePainter(&m_frame);
        paintInto(framePainter);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_frame);
}

int TrendGraph::sampleHeight(qint32 value, int room) const
{
    // 64-bit so that samples far from the range cannot overflow; the result
    // is kept well outside the control but within int.
    const qint64 span = qint64(m_maxVal) - m_minVal;
    const qint64 height = (qint64(value) - m_minVal) * room / span + 3;
    return static_cast<int>(std::clamp<qint64>(height, -1'000'000, 1'000'000));
}

void TrendGraph::paintInto(QPainter &painter) const
{
    const int w = width();
    const int h = height();
    const QColor shadow = palette().color(QPalette::Dark);

    painter.fillRect(QRect(0, 0, w, h), m_backGroundColor);
    framedRect(painter, 1, 1, w - 1, h - 1, shadow, m_backGroundColor);

    QColor outline = shadow;
    paintGrid(painter, outline);

    switch (m_style) {
    case tsBar:
        paintBars(painter, outline);
        break;
    case tsLine:
        paintLines(painter);
        break;
    case tsScatter:
        paintScatter(painter);
        break;
    case tsFilled:
        paintFilled(painter);
        break;
    case ts3D:
        paint3D(painter);
        break;
    }

    paintCaption(painter);
}

void TrendGraph::paintGrid(QPainter &painter, QColor &outline) const
{
    if (m_gridStyle == gsNone)
        return;
    outline = m_gridColor;
    const int w = width();
    const int h = height();

    if (m_gridStyle == gsXGrid || m_gridStyle == gsFull) {
        // Anchored at the right edge; a line leaves out its end point.
        for (int x = m_gridXstep; x <= w - 1; x += m_gridXstep)
            painter.fillRect(QRect(w - x, 0, 1, h - 1), m_gridColor);
    }

    if (m_gridStyle == gsYGrid || m_gridStyle == gsFull) {
        // Each line row q stands for the values whose offset d from MinVal
        // gives d * 240 div span == q. Walking the 240 rows instead of every
        // multiple of the step bounds the work however small the step is.
        const qint64 span = qint64(m_maxVal) - m_minVal;
        const qint64 step = m_gridYstep;
        for (int q = 0; q < MaxSamples; ++q) {
            const qint64 lo = std::max<qint64>(ceilDiv(q * span, MaxSamples), 1);
            const qint64 hi = std::min<qint64>(ceilDiv((q + 1) * span, MaxSamples) - 1, span - 1);
            if (lo > hi)
                continue;
            const qint64 multiple = floorDiv(m_minVal + hi, step) * step;
            if (multiple < m_minVal + lo)
                continue;
            const int y = h - roundEven(double(q) * h / MaxSamples);
            painter.fillRect(QRect(0, y, w - 1, 1), m_gridColor);
        }
    }
}

void TrendGraph::paintBars(QPainter &painter, const QColor &outline) const
{
    const int h = height();
    const double c = double(width() - 6) / m_divisions;
    const int c2 = roundEven(c) / 2;
    const bool labels = m_options.testFlag(toValues);
    const int room = labels ? h - 6 - LabelPixelSize : h - 6;
    for (int i = 0; i < m_divisions; ++i) {
        const int x = roundEven(3 + i * c);
        const int top = sampleHeight(m_values[i], room);
        framedRect(painter, x, h - 3, roundEven(x + c), h - top, outline, m_color);
        if (labels)
            paintLabel(painter, x + c2, h - top - 8, QString::number(m_values[i]));
    }
}

void TrendGraph::paintLines(QPainter &painter) const
{
    const int h = height();
    const double c = double(width() - 6) / m_divisions;
    const int c2 = roundEven(c) / 2;
    auto polyline = [&](const std::array<qint32, MaxSamples> &series, const QColor &color) {
        QPolygon points(m_divisions);
        for (int i = 0; i < m_divisions; ++i)
            points[i] = QPoint(roundEven(3 + i * c + c2), h - sampleHeight(series[i], h - 6));
        painter.setPen(QPen(color, 1));
        painter.drawPolyline(points);
    };
    polyline(m_values, m_color);
    if (m_options.testFlag(toTwin))
        polyline(m_twinValues, m_colorBase);
}

void TrendGraph::paintScatter(QPainter &painter) const
{
    const int h = height();
    const double c = double(width() - 6) / m_divisions;
    const int r = std::max(1, roundEven(c / 4));
    const bool twin = m_options.testFlag(toTwin);
    for (int i = 0; i < m_divisions; ++i) {
        const int x = roundEven(3 + i * c + 2 * r);
        int m = sampleHeight(m_values[i], h - 6 - 2 * r) + r;
        framedRect(painter, x - r, h - m + r, x + r, h - m - r, m_color, m_color);
        if (twin) {
            m = sampleHeight(m_twinValues[i], h - 6 - 2 * r) + r;
            framedRect(painter, x - r, h - m + r, x + r, h - m - r, m_colorBase, m_colorBase);
        }
    }
}

void TrendGraph::paintFilled(QPainter &painter) const
{
    const int h = height();
    const double c = double(width() - 6) / m_divisions;
    // Adjacent quadrilaterals share their edges and join into one area.
    for (int i = 0; i + 1 < m_divisions; ++i) {
        const int x = roundEven(3 + i * c + c / 2);
        const int x2 = roundEven(x + c);
        const QPolygon quad({QPoint(x, h - 3), QPoint(x2, h - 3),
                             QPoint(x2, h - sampleHeight(m_values[i + 1], h - 6)),
                             QPoint(x, h - sampleHeight(m_values[i], h - 6))});
        solidPolygon(painter, quad, m_color);
    }
}

void TrendGraph::paint3D(QPainter &painter) const
{
    const int h = height();
    const int dx = m_depth3DX;
    const int dy = m_depth3DY;
    const double c = double(width() - 6 - dx) / m_divisions;
    const int room = h - 6 - dy;
    const bool twin = m_options.testFlag(toTwin);
    const bool labels = m_options.testFlag(toValues);
    const QColor front = m_color;
    const QColor side = ShadeColor(m_color, -60);
    const QColor lid = ShadeColor(m_color, 60);

    int xl = 3;
    for (int i = 0; i < m_divisions; ++i) {
        const int xr = roundEven(3 + (i + 1) * c);
        int top = sampleHeight(m_values[i], room);
        int bottom = twin ? sampleHeight(m_twinValues[i], room) : 3;
        if (top < bottom)
            std::swap(top, bottom);

        solidPolygon(painter,
                     QPolygon({QPoint(xl, h - bottom), QPoint(xr, h - bottom), QPoint(xr, h - top),
                               QPoint(xl, h - top)}),
                     front);
        solidPolygon(painter,
                     QPolygon({QPoint(xr, h - bottom), QPoint(xr + dx, h - dy - bottom),
                               QPoint(xr + dx, h - dy - top), QPoint(xr, h - top)}),
                     side);
        solidPolygon(painter,
                     QPolygon({QPoint(xr, h - top), QPoint(xr + dx, h - dy - top),
                               QPoint(xl + dx, h - dy - top), QPoint(xl, h - top)}),
                     lid);
        if (labels) {
            const qint64 shown =
                twin ? std::abs(qint64(m_values[i]) - m_twinValues[i]) : qint64(m_values[i]);
            paintLabel(painter, xl + roundEven(c) / 2, h - top - 8, QString::number(shown));
        }
        xl = xr;
    }
}

void TrendGraph::paintLabel(QPainter &painter, int centreX, int y, const QString &text) const
{
    const QFont font = labelFont();
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(text);
    const int x = centreX - textWidth / 2;
    painter.fillRect(QRect(x, y, textWidth, metrics.height()), m_backGroundColor);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(x, y + metrics.ascent(), text);
}

void TrendGraph::paintCaption(QPainter &painter) const
{
    if (m_caption.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(m_caption);
    const int x = width() - textWidth - 2;
    painter.setFont(font());
    // White first, the coloured text one pixel up and left over it.
    painter.setPen(Qt::white);
    painter.drawText(x, 4 + metrics.ascent(), m_caption);
    painter.setPen(m_color);
    painter.drawText(x - 1, 3 + metrics.ascent(), m_caption);
}
