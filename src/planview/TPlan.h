#pragma once

#include "plans/PlanTracker.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QTimer;
class QValueAxis;

// The plan window: the billing period of a capped plan day by day, with the
// tooltip's plan line, the period's days, the days left and what may be used
// a day to stay under the cap. Not modal; it follows the running program's
// PlanTracker at most once a second and reads no month file itself.
class TPlan : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 1000;

    // plans may be nullptr (nothing followed). connectedProvider is selected
    // first when its plan is followed.
    TPlan(PlanTracker *plans, const QString &connectedProvider, QWidget *parent = nullptr);

    // The one plan window of parent: created and shown the first time,
    // raised after that.
    static TPlan *ShowPlan(PlanTracker *plans, const QString &connectedProvider, QWidget *parent);

    // Takes the tracker's figures; redraws only when they changed.
    void refresh();

private:
    void buildLayout();
    QChartView *buildChart();
    void listProviders(const QStringList &names);
    void showFigures(const PlanTracker::DailyUse &use);
    void showChart(const PlanTracker::DailyUse &use, bool traffic);
    bool sameAsShown(const PlanTracker::DailyUse &use) const;

    PlanTracker *m_plans;
    QString m_connected;
    QStringList m_names;
    std::optional<PlanTracker::DailyUse> m_shown;

    QComboBox *cmbProvider = nullptr;
    QLabel *lblProvider = nullptr;
    QLabel *lblPlan = nullptr;
    QLabel *lblPeriod = nullptr;
    QLabel *lblDaysLeft = nullptr;
    QLabel *lblBudget = nullptr;
    QLabel *lblNoPlan = nullptr;
    QChartView *chartDays = nullptr;
    QPushButton *btnClose = nullptr;
    QTimer *m_timer = nullptr;

    QChart *m_chart = nullptr;
    QBarSeries *m_barSeries = nullptr;
    QBarSet *m_bars = nullptr;
    QLineSeries *m_used = nullptr;
    QLineSeries *m_cap = nullptr;
    QLineSeries *m_projection = nullptr;
    QCategoryAxis *m_axisDays = nullptr;
    QValueAxis *m_axisDay = nullptr;
    QValueAxis *m_axisTotal = nullptr;
};
