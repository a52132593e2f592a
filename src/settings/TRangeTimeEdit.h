#pragma once

#include "store/XmlDocument.h"

#include <QDialog>
#include <QStringList>
#include <QTime>

class Prompter;
class QComboBox;
class QPushButton;
class QTimeEdit;

// The editor of one time range of a provider's day: start, end and the
// tariff type. Data goes in and out as an exchange list (Time1, Time2,
// TariffType lines; an empty list is a new range).
class TRangeTimeEdit : public QDialog
{
    Q_OBJECT
public:
    TRangeTimeEdit(XmlDocument &config, const QStringList &list, Prompter &prompter,
                   QWidget *parent = nullptr);

    // Time1 and Time2 as "HH:mm" under the user's time separator, TariffType
    // the ID of the chosen type.
    QStringList exchangeList() const;

    void btnOkClick();
    void btnEditTariffClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    XmlDocument &m_config;
    Prompter &m_prompter;
    QTimeEdit *DateTimePicker1;
    QTimeEdit *DateTimePicker2;
    QComboBox *cmbTariff;
    QPushButton *btnEditTariff;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

// Runs the range editor; true and the list's three lines set on Ok, false
// and the list untouched on Cancel.
bool EditTimeRange(XmlDocument &config, QStringList &list, Prompter &prompter,
                   QWidget *parent = nullptr);
