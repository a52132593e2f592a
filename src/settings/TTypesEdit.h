#pragma once

#include <QDialog>
#include <QStringList>

class NumericPriceBox;
class Prompter;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The editor of one tariff type: its name and its three prices, each in use
// only while its box is ticked. Data goes in and out as an exchange list
// (Name, Minute, Input, Output lines; an empty list is a new type).
class TTypesEdit : public QDialog
{
    Q_OBJECT
public:
    TTypesEdit(const QStringList &list, Prompter &prompter, QWidget *parent = nullptr);

    // The exchange list of what the editor holds: Name and every ticked
    // price that is not zero.
    QStringList exchangeList() const;
    // At least one ticked price is above zero.
    bool HasCostValue() const;

    void btnOkClick();
    void chbMinuteClick();
    void chbInputClick();
    void chbOutputClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Prompter &m_prompter;
    QLineEdit *edtName;
    QCheckBox *chbMinute;
    QCheckBox *chbInput;
    QCheckBox *chbOutput;
    NumericPriceBox *edtMinute;
    NumericPriceBox *edtInput;
    NumericPriceBox *edtOutput;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

// Runs the editor on list; true and the list replaced on Ok, false and the
// list untouched on Cancel.
bool EditTariffType(QStringList &list, Prompter &prompter, QWidget *parent = nullptr);
