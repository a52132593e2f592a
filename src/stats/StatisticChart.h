#pragma once

#include <QChartView>
#include <QDate>

class QComboBox;
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;
class StatisticModel;

// The chart of the statistics window: one quantity of the sessions shown in
// the grid, over their start times, with the list that picks the quantity
// on its left margin. With fewer than two sessions it stays empty and its
// date axis spans the month shown.
class StatisticChart : public QChartView
{
    Q_OBJECT

public:
    // scale: the window's size factor for a large desktop font.
    explicit StatisticChart(double scale, QWidget *parent = nullptr);

    static int quantityCount();
    QComboBox *quantityList() const { return m_quantities; }
    QLineSeries *series() const { return m_series; }
    QDateTimeAxis *dateAxis() const { return m_axisX; }

    // Draws quantity index (0 Time, 1 Traffic In, 2 Traffic Out, 3 Cost) of
    // the rows of model, in ascending start time. month: the month shown,
    // for the axis of an empty chart (invalid: the current month).
    void showQuantity(const StatisticModel &model, int index, const QDate &month);

private:
    QChart *m_chart;
    QLineSeries *m_series;
    QDateTimeAxis *m_axisX;
    QValueAxis *m_axisY;
    QComboBox *m_quantities;
};
