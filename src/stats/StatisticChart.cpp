#include "stats/StatisticChart.h"

#include "stats/StatisticModel.h"

#include <QChart>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QHash>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

struct Quantity
{
    const char *title;
    int column;
    QColor colour;
};

const Quantity kQuantities[] = {
    {QT_TRANSLATE_NOOP("StatisticChart", "Time"), StatisticModel::Duration, QColor(255, 0, 0)},
    {QT_TRANSLATE_NOOP("StatisticChart", "Traffic In"), StatisticModel::TrafficIn,
     QColor(0, 128, 0)},
    {QT_TRANSLATE_NOOP("StatisticChart", "Traffic Out"), StatisticModel::TrafficOut,
     QColor(0, 0, 255)},
    {QT_TRANSLATE_NOOP("StatisticChart", "Cost"), StatisticModel::Cost, QColor(128, 128, 0)},
};

// Milliseconds since the epoch of a days value in local time, the way the
// date axis takes them. Local midnights are worked out once per day.
class AxisTime
{
public:
    bool toMSecs(double days, qreal *msecs)
    {
        if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
            return false;
        const double whole = std::floor(days);
        const qint64 day = qint64(whole);
        auto it = m_midnights.constFind(day);
        if (it == m_midnights.cend()) {
            const QDate date = QDate(1899, 12, 30).addDays(day);
            it = m_midnights.insert(day, date.startOfDay().toMSecsSinceEpoch());
        }
        *msecs = qreal(*it) + std::round((days - whole) * 86400000.0);
        return true;
    }

private:
    QHash<qint64, qint64> m_midnights;
};

// A line of many thousand points takes the chart far longer to lay out than
// it can show: per column of the plot, the first, lowest, highest and last
// points draw the same picture. Points come in ascending x.
QList<QPointF> thinnedToColumns(const QList<QPointF> &points, int columns)
{
    if (points.size() <= 4 * columns || columns < 1)
        return points;
    const qreal first = points.first().x();
    const qreal span = points.last().x() - first;
    QList<QPointF> result;
    result.reserve(4 * columns);
    qsizetype start = 0;
    while (start < points.size()) {
        const int column = span > 0 ? int((points[start].x() - first) / span * (columns - 1)) : 0;
        qsizetype end = start + 1;
        qsizetype low = start;
        qsizetype high = start;
        while (end < points.size() &&
               (span > 0 ? int((points[end].x() - first) / span * (columns - 1)) : 0) == column) {
            if (points[end].y() < points[low].y())
                low = end;
            if (points[end].y() > points[high].y())
                high = end;
            ++end;
        }
        // In x order, without repeating a point.
        qsizetype kept[4] = {start, std::min(low, high), std::max(low, high), end - 1};
        for (int i = 0; i < 4; ++i) {
            if (i == 0 || kept[i] != kept[i - 1])
                result.append(points[kept[i]]);
        }
        start = end;
    }
    return result;
}

} // namespace

StatisticChart::StatisticChart(double scale, QWidget *parent)
    : QChartView(new QChart, parent), m_chart(chart()), m_series(new QLineSeries),
      m_axisX(new QDateTimeAxis), m_axisY(new QValueAxis)
{
    setObjectName(QStringLiteral("Chart1"));
    setAccessibleName(tr("Chart"));
    setFixedHeight(qRound(151 * scale));
    setFrameShape(QFrame::NoFrame);

    m_chart->setTitle(QString());
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->setPlotAreaBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundVisible(true);
    m_chart->legend()->setAlignment(Qt::AlignLeft);
    m_chart->addSeries(m_series);
    m_axisX->setFormat(QStringLiteral("dd.MM.yyyy"));
    m_axisX->setTickCount(6);
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_series->attachAxis(m_axisX);
    m_axisY->setLabelFormat(QStringLiteral("%g"));
    m_chart->addAxis(m_axisY, Qt::AlignRight);
    m_series->attachAxis(m_axisY);

    // The quantity list sits on the chart's left margin, above the legend.
    m_quantities = new QComboBox(this);
    m_quantities->setObjectName(QStringLiteral("ComboBox1"));
    m_quantities->setAccessibleName(tr("Chart quantity"));
    for (const Quantity &q : kQuantities)
        m_quantities->addItem(tr(q.title));
    m_quantities->move(6, 6);
    m_quantities->adjustSize();
}

int StatisticChart::quantityCount()
{
    return int(std::size(kQuantities));
}

void StatisticChart::showQuantity(const StatisticModel &model, int index, const QDate &month)
{
    if (index < 0 || index >= quantityCount())
        return;
    const Quantity &quantity = kQuantities[index];

    QList<QPointF> points;
    const int rows = model.rowCount();
    // A single session draws nothing.
    if (rows > 1) {
        points.reserve(rows);
        AxisTime axisTime;
        for (int r = 0; r < rows; ++r) {
            const QVariant &time = model.cell(r, StatisticModel::Session);
            qreal x = 0;
            // A session without a start time has no place on the time axis.
            if (time.isNull() || !axisTime.toMSecs(time.toDouble(), &x))
                continue;
            const QVariant &y = model.cell(r, quantity.column);
            points.append(QPointF(x, y.isNull() ? 0.0 : y.toDouble()));
        }
        std::stable_sort(points.begin(), points.end(),
                         [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
    }

    m_series->setName(tr(quantity.title));
    m_series->setColor(quantity.colour);
    m_series->replace(thinnedToColumns(points, std::max(800, width())));

    if (points.isEmpty()) {
        // The month shown, so that the ticks name its days.
        const QDate today = QDate::currentDate();
        const QDate first = month.isValid() ? QDate(month.year(), month.month(), 1)
                                            : QDate(today.year(), today.month(), 1);
        m_axisX->setRange(first.startOfDay(), first.addMonths(1).startOfDay());
        m_axisY->setRange(0, 1);
    } else {
        qreal first = points.first().x();
        qreal last = points.last().x();
        if (last - first < 60000.0) {
            first -= 3600000.0;
            last += 3600000.0;
        }
        m_axisX->setRange(QDateTime::fromMSecsSinceEpoch(qint64(first)),
                          QDateTime::fromMSecsSinceEpoch(qint64(last)));
        qreal low = 0;
        qreal high = 0;
        for (const QPointF &p : points) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
        if (high <= low)
            high = low + 1;
        m_axisY->setRange(low, high);
        m_axisY->applyNiceNumbers();
    }
    setAccessibleDescription(
        tr("%1 of the month, %n points", nullptr, int(points.size())).arg(tr(quantity.title)));
}
