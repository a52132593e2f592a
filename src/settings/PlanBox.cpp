#include "settings/PlanBox.h"

#include "core/TextForms.h"
#include "plans/ProviderPlan.h"
#include "settings/FormParts.h"
#include "settings/NumericPriceBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace {

QString trafficCapText(const ProviderPlan &plan)
{
    return plan.hasTrafficCap() ? TextForms::numberText(plan.trafficCapMB) : QString();
}

} // namespace

PlanBox::PlanBox(QWidget *parent) : ProviderBox(tr("Plan"), "grpPlan", parent)
{
    const auto label = [this](const QString &caption, const char *name, QWidget *buddy) {
        auto *result = new QLabel(caption, this);
        result->setObjectName(QString::fromLatin1(name));
        result->setBuddy(buddy);
        buddy->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        return result;
    };

    spnPeriodStart = new QSpinBox(this);
    spnPeriodStart->setObjectName(QStringLiteral("spnPeriodStart"));
    spnPeriodStart->setRange(1, 31);
    spnPeriodStart->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spnPeriodStart->setToolTip(tr("A day past the end of a month means the month's last day"));
    QLabel *periodLabel = label(tr("Period &begins on day"), "lblPeriodStart", spnPeriodStart);

    spnAlertAt = new QSpinBox(this);
    spnAlertAt->setObjectName(QStringLiteral("spnAlertAt"));
    spnAlertAt->setRange(0, 100);
    spnAlertAt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spnAlertAt->setSuffix(QStringLiteral(" %"));
    spnAlertAt->setToolTip(tr("Warn when this share of a cap is used"));
    QLabel *alertLabel = label(tr("&Warn at"), "lblAlertAt", spnAlertAt);
    spnAlertAt->setAccessibleName(tr("Warn at percent of a cap"));

    edtTrafficCap = new QLineEdit(this);
    edtTrafficCap->setObjectName(QStringLiteral("edtTrafficCap"));
    edtTrafficCap->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edtTrafficCap->setPlaceholderText(tr("none"));
    edtTrafficCap->setValidator(new QRegularExpressionValidator(
        QRegularExpression(
            QStringLiteral("[0-9]{0,12}([.,][0-9]{0,%1})?").arg(NumericPriceBox::kDecimals)),
        edtTrafficCap));
    QLabel *trafficLabel = label(tr("Tra&ffic cap"), "lblTrafficCap", edtTrafficCap);
    edtTrafficCap->setAccessibleName(tr("Traffic cap in MB"));
    auto *trafficUnit = new QLabel(QStringLiteral("MB"), this);
    trafficUnit->setObjectName(QStringLiteral("lblTrafficUnit"));
    trafficUnit->setToolTip(tr("Megabytes received plus sent per period"));

    edtCostCap = new NumericPriceBox(this);
    edtCostCap->setObjectName(QStringLiteral("edtCostCap"));
    edtCostCap->setZeroShownEmpty(true);
    edtCostCap->setPlaceholderText(tr("none"));
    QLabel *costLabel = label(tr("C&ost cap"), "lblCostCap", edtCostCap);

    chbHangUpAtCap =
        FormParts::checkBox(this, tr("&Hang up when a cap is reached"), "chbHangUpAtCap");

    // An edit stores only the value it changes, so a value the boxes cannot
    // show exactly (a fractional percent) is not rewritten on the way.
    connect(spnPeriodStart, &QSpinBox::valueChanged, this,
            [this](int day) { editPlan([day](ProviderPlan &plan) { plan.periodStart = day; }); });
    connect(spnAlertAt, &QSpinBox::valueChanged, this, [this](int percent) {
        editPlan([percent](ProviderPlan &plan) { plan.alertAt = percent; });
    });
    connect(edtTrafficCap, &QLineEdit::textEdited, this, [this](const QString &text) {
        double megabytes = 0;
        if (!NumericPriceBox::readAmount(text, &megabytes))
            megabytes = 0;
        editPlan([megabytes](ProviderPlan &plan) { plan.trafficCapMB = megabytes; });
    });
    // Typed with either separator, shown again in the regional form.
    connect(edtTrafficCap, &QLineEdit::editingFinished, this, [this] {
        if (const pugi::xml_node provider = this->provider())
            edtTrafficCap->setText(trafficCapText(ReadProviderPlan(provider)));
    });
    connect(edtCostCap, &NumericPriceBox::amountEdited, this, [this] {
        const double money = edtCostCap->value();
        editPlan([money](ProviderPlan &plan) { plan.costCap = money; });
    });
    connect(chbHangUpAtCap, &QCheckBox::toggled, this, [this](bool hangUp) {
        editPlan([hangUp](ProviderPlan &plan) { plan.hangUpAtCap = hangUp; });
    });

    auto *trafficBox = new QHBoxLayout;
    trafficBox->addWidget(edtTrafficCap, 1);
    trafficBox->addWidget(trafficUnit);
    auto *layout = new QGridLayout(this);
    layout->addWidget(periodLabel, 0, 0);
    layout->addWidget(spnPeriodStart, 0, 1);
    layout->addWidget(alertLabel, 0, 3);
    layout->addWidget(spnAlertAt, 0, 4);
    layout->addWidget(trafficLabel, 1, 0);
    layout->addLayout(trafficBox, 1, 1);
    layout->addWidget(costLabel, 1, 3);
    layout->addWidget(edtCostCap, 1, 4);
    layout->addWidget(chbHangUpAtCap, 2, 0, 1, 5);
    layout->setColumnMinimumWidth(2, 12);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(4, 1);
}

void PlanBox::load(pugi::xml_node provider)
{
    const ProviderPlan plan = provider ? ReadProviderPlan(provider) : ProviderPlan();
    const QSignalBlocker blockers[] = {QSignalBlocker(spnPeriodStart), QSignalBlocker(spnAlertAt),
                                       QSignalBlocker(edtTrafficCap), QSignalBlocker(edtCostCap),
                                       QSignalBlocker(chbHangUpAtCap)};
    spnPeriodStart->setValue(plan.periodStart);
    spnAlertAt->setValue(qRound(plan.alertAt));
    edtTrafficCap->setText(trafficCapText(plan));
    edtCostCap->setValue(plan.hasCostCap() ? plan.costCap : 0);
    chbHangUpAtCap->setChecked(plan.hangUpAtCap);
    enableCapActions(plan);
}

void PlanBox::enableCapActions(const ProviderPlan &plan)
{
    // Warning and hanging up are about caps.
    const bool capped = plan.hasTrafficCap() || plan.hasCostCap();
    spnAlertAt->setEnabled(capped);
    chbHangUpAtCap->setEnabled(capped);
}

void PlanBox::editPlan(const std::function<void(ProviderPlan &)> &change)
{
    pugi::xml_node provider = this->provider();
    if (!provider)
        return;
    ProviderPlan plan = ReadProviderPlan(provider);
    change(plan);
    WriteProviderPlan(provider, plan);
    enableCapActions(plan);
    emit edited();
}
