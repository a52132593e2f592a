#pragma once

#include "settings/ProviderBox.h"

#include <functional>

struct ProviderPlan;
class NumericPriceBox;
class QCheckBox;
class QLineEdit;
class QSpinBox;

// The "Plan" box of the Tariffs page: the provider's billing period, caps,
// alert level and hang-up at the cap. An edit stores the plan as read with
// the one value changed (WriteProviderPlan).
class PlanBox : public ProviderBox
{
    Q_OBJECT
public:
    explicit PlanBox(QWidget *parent = nullptr);

    void editPlan(const std::function<void(ProviderPlan &)> &change);

protected:
    void load(pugi::xml_node provider) override;

private:
    void enableCapActions(const ProviderPlan &plan);

    QSpinBox *spnPeriodStart;
    QSpinBox *spnAlertAt;
    QLineEdit *edtTrafficCap;
    NumericPriceBox *edtCostCap;
    QCheckBox *chbHangUpAtCap;
};
