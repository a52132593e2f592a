#include "planview/TPlan.h"

#include "core/TextForms.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr qsizetype kDaysPerLabel = 3;

// A traffic figure in MB: whole MB from 10 on, else one decimal.
QString megabytes(double value)
{
    return QLocale::system().toString(value, 'f', value >= 10 ? 0 : 1);
}

QString money(double value)
{
    return TextForms::moneyText(value).trimmed();
}

// Room above the highest figure, so that the top bar or the cap line stays
// inside the plot: the next of 1, 2, 5 times a power of ten, so that the
// axis keeps its scale while a connection adds to the figures.
double axisTop(double highest)
{
    if (!(highest > 0))
        return 1.0;
    const double wanted = highest * 1.05;
    const double power = std::pow(10.0, std::floor(std::log10(wanted)));
    for (double step : {1.0, 2.0, 5.0}) {
        if (step * power >= wanted)
            return step * power;
    }
    return 10.0 * power;
}

} // namespace

TPlan::TPlan(PlanTracker *plans, const QString &connectedProvider, QWidget *parent)
    : QWidget(parent, Qt::Window), m_plans(plans), m_connected(connectedProvider)
{
    setObjectName(QStringLiteral("Plan"));
    setWindowTitle(tr("Plan"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("PlanTimer"));
    m_timer->setInterval(kRefreshMs);
    connect(m_timer, &QTimer::timeout, this, &TPlan::refresh);
    m_timer->start();
    refresh();
}

TPlan *TPlan::ShowPlan(PlanTracker *plans, const QString &connectedProvider, QWidget *parent)
{
    TPlan *window =
        parent ? parent->findChild<TPlan *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) {
        window = new TPlan(plans, connectedProvider, parent);
        window->show();
    } else {
        window->showNormal();
    }
    window->raise();
    window->activateWindow();
    return window;
}

void TPlan::buildLayout()
{
    auto *layout = new QVBoxLayout(this);

    auto *providerRow = new QHBoxLayout;
    lblProvider = new QLabel(tr("&Provider:"), this);
    lblProvider->setObjectName(QStringLiteral("lblProvider"));
    cmbProvider = new QComboBox(this);
    cmbProvider->setObjectName(QStringLiteral("cmbProvider"));
    cmbProvider->setAccessibleName(tr("Provider"));
    lblProvider->setBuddy(cmbProvider);
    providerRow->addWidget(lblProvider);
    providerRow->addWidget(cmbProvider, 1);
    layout->addLayout(providerRow);
    connect(cmbProvider, &QComboBox::currentIndexChanged, this, [this] {
        m_shown.reset();
        refresh();
    });

    const auto label = [this, layout](const char *name) {
        auto *text = new QLabel(this);
        text->setObjectName(QLatin1String(name));
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(text);
        return text;
    };
    lblPlan = label("lblPlan");
    lblPeriod = label("lblPeriod");
    lblDaysLeft = label("lblDaysLeft");
    lblBudget = label("lblBudget");
    lblNoPlan = label("lblNoPlan");
    lblNoPlan->setWordWrap(true);
    lblNoPlan->setText(tr("No provider has a plan with a traffic or cost cap. A plan is set in "
                          "Settings > Tariffs > Plan."));

    chartDays = buildChart();
    layout->addWidget(chartDays, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnClose = new QPushButton(tr("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAccessibleName(tr("Close"));
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);

    setTabOrder(cmbProvider, chartDays);
    setTabOrder(chartDays, btnClose);
    resize(560, 420);
}

QChartView *TPlan::buildChart()
{
    m_chart = new QChart;
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_bars = new QBarSet(QString());
    m_barSeries = new QBarSeries;
    m_barSeries->append(m_bars);
    m_barSeries->setBarWidth(0.7);
    m_used = new QLineSeries;
    m_used->setName(tr("Used"));
    m_cap = new QLineSeries;
    m_cap->setName(tr("Cap"));
    m_cap->setPen(QPen(Qt::red, 2));
    m_projection = new QLineSeries;
    m_projection->setName(tr("Projection"));
    m_projection->setPen(QPen(Qt::darkGray, 2, Qt::DashLine));
    m_chart->addSeries(m_barSeries);
    m_chart->addSeries(m_used);
    m_chart->addSeries(m_cap);
    m_chart->addSeries(m_projection);

    // Bars and lines at the day's index; the labels name every few days.
    m_axisDays = new QCategoryAxis;
    m_axisDays->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_axisDay = new QValueAxis;
    m_axisTotal = new QValueAxis;
    for (QValueAxis *axis : {m_axisDay, m_axisTotal}) {
        axis->setLabelFormat(QStringLiteral("%.4g"));
        axis->setRange(0, 1);
    }
    m_chart->addAxis(m_axisDays, Qt::AlignBottom);
    m_chart->addAxis(m_axisDay, Qt::AlignLeft);
    m_chart->addAxis(m_axisTotal, Qt::AlignRight);
    m_barSeries->attachAxis(m_axisDays);
    m_barSeries->attachAxis(m_axisDay);
    for (QLineSeries *line : {m_used, m_cap, m_projection}) {
        line->attachAxis(m_axisDays);
        line->attachAxis(m_axisTotal);
    }

    auto *view = new QChartView(m_chart, this);
    view->setObjectName(QStringLiteral("chartDays"));
    view->setAccessibleName(tr("Use by day"));
    view->setRenderHint(QPainter::Antialiasing);
    // Reachable by Tab, so that a screen reader reads its description.
    view->setFocusPolicy(Qt::StrongFocus);
    view->setMinimumHeight(220);
    return view;
}

void TPlan::refresh()
{
    const QStringList names = m_plans ? m_plans->followedProviders() : QStringList();
    if (names != m_names)
        listProviders(names);
    const bool any = !names.isEmpty();
    lblNoPlan->setVisible(!any);
    for (QWidget *widget : std::initializer_list<QWidget *>{
             lblProvider, cmbProvider, lblPlan, lblPeriod, lblDaysLeft, lblBudget, chartDays})
        widget->setVisible(any);
    if (!any)
        return;
    const std::optional<PlanTracker::DailyUse> use = m_plans->dailyUse(cmbProvider->currentText());
    if (!use || sameAsShown(*use))
        return;
    showFigures(*use);
    m_shown = use;
}

void TPlan::listProviders(const QStringList &names)
{
    const QString current = cmbProvider->currentText();
    m_names = names;
    {
        const QSignalBlocker blocker(cmbProvider);
        cmbProvider->clear();
        cmbProvider->addItems(names);
        // The one shown before, else the connected one, else the first.
        qsizetype index = names.indexOf(current);
        if (index < 0 && current.isEmpty())
            index = names.indexOf(m_connected);
        cmbProvider->setCurrentIndex(int(std::max<qsizetype>(index, 0)));
    }
    m_shown.reset();
}

bool TPlan::sameAsShown(const PlanTracker::DailyUse &use) const
{
    if (!m_shown)
        return false;
    const PlanTracker::DailyUse &shown = *m_shown;
    return shown.plan.name == use.plan.name && shown.plan.trafficCapMB == use.plan.trafficCapMB &&
           shown.plan.costCap == use.plan.costCap && shown.lines == use.lines &&
           shown.trafficMB == use.trafficMB && shown.cost == use.cost &&
           shown.days.at().date() == use.days.at().date() && shown.days.days() == use.days.days();
}

void TPlan::showFigures(const PlanTracker::DailyUse &use)
{
    const ProviderPlan &plan = use.plan;
    const PlanDays &days = use.days;
    lblPlan->setText(QString(use.lines).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    const QDate first = days.period().start.date();
    const QDate last = days.period().end.date().addDays(-1);
    lblPeriod->setText(tr("Period: %1 to %2")
                           .arg(TextForms::shortDateText(first), TextForms::shortDateText(last)));
    lblDaysLeft->setText(tr("Days left: %1").arg(days.daysLeft()));

    QStringList budget;
    if (const std::optional<double> perDay = days.dailyBudget(plan.trafficCapMB, use.trafficMB)) {
        budget.append(*perDay > 0
                          ? tr("About %1 MB a day keeps you under the cap").arg(megabytes(*perDay))
                          : tr("The traffic cap is reached."));
    }
    if (const std::optional<double> perDay = days.dailyBudget(plan.costCap, use.cost)) {
        budget.append(*perDay > 0
                          ? tr("About %1 a day keeps you under the cost cap").arg(money(*perDay))
                          : tr("The cost cap is reached."));
    }
    lblBudget->setText(budget.join(QLatin1Char('\n')));
    showChart(use, plan.hasTrafficCap());
}

void TPlan::showChart(const PlanTracker::DailyUse &use, bool traffic)
{
    const PlanDays &days = use.days;
    const QDate first = days.period().start.date();
    const qsizetype length = first.daysTo(days.period().end.date());
    const double cap = traffic ? use.plan.trafficCapMB : use.plan.costCap;
    const auto figure = [traffic](const PlanDay &day) {
        return traffic ? day.trafficMB() : day.cost;
    };
    const auto figureText = [traffic](double value) {
        return traffic ? tr("%1 MB").arg(megabytes(value)) : money(value);
    };

    QStringList categories;
    QList<qreal> values;
    QList<QPointF> cumulative;
    QStringList described;
    double total = 0;
    double highestDay = 0;
    for (qsizetype i = 0; i < length; ++i) {
        const QDate date = first.addDays(i);
        // Day numbers of every few days; a period that holds a day number
        // twice (28 February to 30 March) shows the whole date for the second.
        if (i % kDaysPerLabel == 0) {
            QString category = QString::number(date.day());
            if (categories.contains(category))
                category = TextForms::shortDateText(date);
            categories.append(category);
        }
        if (i < days.days().size()) {
            const double value = figure(days.days()[i]);
            total += value;
            highestDay = std::max(highestDay, value);
            values.append(value);
            cumulative.append(QPointF(double(i), total));
            described.append(
                QStringLiteral("%1: %2").arg(TextForms::shortDateText(date), figureText(value)));
        } else {
            values.append(0);
        }
    }
    // The days hold the running connection as the plan line does.
    const std::optional<double> projected = days.projected(total);

    m_bars->setLabel(traffic ? tr("MB a day") : tr("Cost a day"));
    // Only what changed: a live connection changes today's bar alone, and
    // new categories or bars lay the whole chart out again.
    if (m_bars->count() == values.size()) {
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (m_bars->at(int(i)) != values[i])
                m_bars->replace(int(i), values[i]);
        }
    } else {
        m_bars->remove(0, m_bars->count());
        m_bars->append(values);
    }
    if (m_axisDays->categoriesLabels() != categories) {
        for (const QString &label : m_axisDays->categoriesLabels())
            m_axisDays->remove(label);
        for (qsizetype i = 0; i < categories.size(); ++i)
            m_axisDays->append(categories[i], double(i * kDaysPerLabel));
        m_axisDays->setRange(-0.5, double(length) - 0.5);
    }
    m_used->replace(cumulative);
    m_cap->replace({QPointF(0, cap), QPointF(double(length - 1), cap)});
    if (projected && !cumulative.isEmpty())
        m_projection->replace({cumulative.last(), QPointF(double(length - 1), *projected)});
    else
        m_projection->clear();
    m_axisDay->setMax(axisTop(highestDay));
    m_axisTotal->setMax(axisTop(std::max({cap, total, projected.value_or(0)})));

    chartDays->setAccessibleDescription((traffic ? tr("Traffic by day: %1") : tr("Cost by day: %1"))
                                            .arg(described.join(QStringLiteral("; "))));
}
