#include "widgets/TrendGraph.h"

#include "widgets/PixelCanvas.h"

#include <QFontMetrics>
#include <QMetaMethod>
#include <QPaintEvent>
#include <QPainter>

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
    paintInto(image);
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
    paintInto(m_frame);
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

void TrendGraph::paintInto(QImage &image) const
{
    if (image.isNull()) // a control of no size
        return;
    // Shapes go straight into the pixels; QPainter only draws the text.
    PixelCanvas canvas(image);
    QPainter painter(&image);
    const int w = width();
    const int h = height();
    const QRgb background = m_backGroundColor.rgb();
    const QRgb shadow = palette().color(QPalette::Dark).rgb();

    canvas.fillRect(0, 0, w, h, background);
    canvas.framedRect(1, 1, w - 1, h - 1, shadow, background);

    QRgb outline = shadow;
    paintGrid(canvas, outline);

    switch (m_style) {
    case tsBar:
        paintBars(canvas, painter, outline);
        break;
    case tsLine:
        paintLines(canvas);
        break;
    case tsScatter:
        paintScatter(canvas);
        break;
    case tsFilled:
        paintFilled(canvas);
        break;
    case ts3D:
        paint3D(canvas, painter);
        break;
    }

    paintCaption(painter);
}

void TrendGraph::paintGrid(PixelCanvas &canvas, QRgb &outline) const
{
    if (m_gridStyle == gsNone)
        return;
    const QRgb grid = m_gridColor.rgb();
    outline = grid;
    const int w = width();
    const int h = height();

    if (m_gridStyle == gsXGrid || m_gridStyle == gsFull) {
        // Anchored at the right edge; a line leaves out its end point.
        for (int x = m_gridXstep; x <= w - 1; x += m_gridXstep)
            canvas.fillRect(w - x, 0, w - x + 1, h - 1, grid);
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
            canvas.fillRect(0, y, w - 1, y + 1, grid);
        }
    }
}

void TrendGraph::paintBars(PixelCanvas &canvas, QPainter &painter, QRgb outline) const
{
    const int h = height();
    const double c = double(width() - 6) / m_divisions;
    const int c2 = roundEven(c) / 2;
    const bool labels = m_options.testFlag(toValues);
    const int room = labels ? h - 6 - LabelPixelSize : h - 6;
    const QRgb brush = m_color.rgb();
    if (labels)
        painter.setFont(labelFont());
    for (int i = 0; i < m_divisions; ++i) {
        const int x = roundEven(3 + i * c);
        const int top = sampleHeight(m_values[i], room);
        canvas.framedRect(x, h - 3, roundEven(x + c), h - top, outline, brush);
        if (labels)
            paintLabel(painter, x + c2, h - top - 8, QString::number(m_values[i]));
    }
}

void TrendGraph::paintLines(PixelCanvas &canvas) const
{
    const int h = height();
    const double c = double(width() - 6) / m_divisions;
    const int c2 = roundEven(c) / 2;
    std::array<QPoint, MaxSamples> points;
    auto polyline = [&](const std::array<qint32, MaxSamples> &series, const QColor &color) {
        for (int i = 0; i < m_divisions; ++i)
            points[i] = QPoint(roundEven(3 + i * c + c2), h - sampleHeight(series[i], h - 6));
        canvas.polyline(points.data(), m_divisions, color.rgb());
    };
    polyline(m_values, m_color);
    if (m_options.testFlag(toTwin))
        polyline(m_twinValues, m_colorBase);
}

void TrendGraph::paintScatter(PixelCanvas &canvas) const
{
    const int h = height();
    const double c = double(width() - 6) / m_divisions;
    const int r = std::max(1, roundEven(c / 4));
    const bool twin = m_options.testFlag(toTwin);
    const QRgb main = m_color.rgb();
    const QRgb base = m_colorBase.rgb();
    for (int i = 0; i < m_divisions; ++i) {
        const int x = roundEven(3 + i * c + 2 * r);
        int m = sampleHeight(m_values[i], h - 6 - 2 * r) + r;
        canvas.framedRect(x - r, h - m + r, x + r, h - m - r, main, main);
        if (twin) {
            m = sampleHeight(m_twinValues[i], h - 6 - 2 * r) + r;
            canvas.framedRect(x - r, h - m + r, x + r, h - m - r, base, base);
        }
    }
}

void TrendGraph::paintFilled(PixelCanvas &canvas) const
{
    const int h = height();
    const double c = double(width() - 6) / m_divisions;
    const QRgb color = m_color.rgb();
    // Adjacent quadrilaterals share their edges and join into one area.
    for (int i = 0; i + 1 < m_divisions; ++i) {
        const int x = roundEven(3 + i * c + c / 2);
        const int x2 = roundEven(x + c);
        const QPoint quad[] = {QPoint(x, h - 3), QPoint(x2, h - 3),
                               QPoint(x2, h - sampleHeight(m_values[i + 1], h - 6)),
                               QPoint(x, h - sampleHeight(m_values[i], h - 6))};
        canvas.fillConvexPolygon(quad, 4, color);
    }
}

void TrendGraph::paint3D(PixelCanvas &canvas, QPainter &painter) const
{
    const int h = height();
    const int dx = m_depth3DX;
    const int dy = m_depth3DY;
    const double c = double(width() - 6 - dx) / m_divisions;
    const int room = h - 6 - dy;
    const bool twin = m_options.testFlag(toTwin);
    const bool labels = m_options.testFlag(toValues);
    const QRgb front = m_color.rgb();
    const QRgb side = ShadeColor(m_color, -60).rgb();
    const QRgb lid = ShadeColor(m_color, 60).rgb();
    if (labels)
        painter.setFont(labelFont());

    int xl = 3;
    for (int i = 0; i < m_divisions; ++i) {
        const int xr = roundEven(3 + (i + 1) * c);
        int top = sampleHeight(m_values[i], room);
        int bottom = twin ? sampleHeight(m_twinValues[i], room) : 3;
        if (top < bottom)
            std::swap(top, bottom);

        // Whole column by column, so a front face covers part of the side
        // and top faces of the column to its left.
        const QPoint sideFace[] = {QPoint(xr, h - bottom), QPoint(xr + dx, h - dy - bottom),
                                   QPoint(xr + dx, h - dy - top), QPoint(xr, h - top)};
        const QPoint topFace[] = {QPoint(xr, h - top), QPoint(xr + dx, h - dy - top),
                                  QPoint(xl + dx, h - dy - top), QPoint(xl, h - top)};
        // The front face is upright: a plain rectangle, its outline included.
        canvas.fillRect(xl, h - top, xr + 1, h - bottom + 1, front);
        canvas.fillConvexPolygon(sideFace, 4, side);
        canvas.fillConvexPolygon(topFace, 4, lid);
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
    // The painter already holds the label font.
    const QFontMetrics metrics = painter.fontMetrics();
    const int textWidth = metrics.horizontalAdvance(text);
    const int x = centreX - textWidth / 2;
    painter.fillRect(QRect(x, y, textWidth, metrics.height()), m_backGroundColor);
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
