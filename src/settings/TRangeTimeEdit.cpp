#include "settings/TRangeTimeEdit.h"

#include "core/Prompter.h"
#include "core/TextForms.h"
#include "core/Version.h"
#include "settings/ConfigLists.h"
#include "settings/FormParts.h"
#include "settings/TTariffTypesEdit.h"
#include "store/ConfigDocument.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr double kMsPerDay = 86400000.0;

bool readTime(const QString &text, QTime *time)
{
    double fraction = 0.0;
    if (!TextForms::parseTimeOfDay(text, &fraction))
        return false;
    *time = QTime::fromMSecsSinceStartOfDay(int(std::lround(fraction * kMsPerDay)));
    return time->isValid();
}

QString timeText(const QTime &time)
{
    return TextForms::timeOfDayText(time.msecsSinceStartOfDay() / kMsPerDay);
}

QTimeEdit *timePicker(QWidget *parent, const QString &name, const QString &caption)
{
    auto *picker = new QTimeEdit(parent);
    picker->setObjectName(name);
    picker->setDisplayFormat(QStringLiteral("HH:mm"));
    picker->setTimeRange(QTime(0, 0), QTime(23, 59));
    picker->setTime(QTime(0, 0));
    picker->setAccessibleName(caption);
    return picker;
}

} // namespace

TRangeTimeEdit::TRangeTimeEdit(XmlDocument &config, const QStringList &list, Prompter &prompter,
                               QWidget *parent)
    : QDialog(parent), m_config(config), m_prompter(prompter)
{
    setObjectName(QStringLiteral("RangeTimeEdit"));
    setWindowTitle(list.isEmpty() ? tr("New") : tr("Edit"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *group = new QGroupBox(tr("Time"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    DateTimePicker1 = timePicker(group, QStringLiteral("DateTimePicker1"), tr("From"));
    DateTimePicker2 = timePicker(group, QStringLiteral("DateTimePicker2"), tr("To"));
    auto *times = new QFormLayout(group);
    times->addRow(tr("&From"), DateTimePicker1);
    times->addRow(tr("&To"), DateTimePicker2);

    QLabel *tariffLabel = nullptr;
    cmbTariff =
        FormParts::labelledCombo(this, tr("Tariff &name"), "Label3", "cmbTariff", &tariffLabel);
    btnEditTariff = FormParts::ellipsisButton(this, "btnEditTariff", tr("Edit tariff type"));
    QFont bold = btnEditTariff->font();
    bold.setBold(true);
    btnEditTariff->setFont(bold);
    auto *tariffRow = new QHBoxLayout;
    tariffRow->addWidget(cmbTariff, 1);
    tariffRow->addWidget(btnEditTariff);

    QHBoxLayout *buttons = FormParts::okCancelRow(this, &btnOk, &btnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(tariffLabel);
    layout->addLayout(tariffRow);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOk, &QPushButton::clicked, this, &TRangeTimeEdit::btnOkClick);
    connect(btnEditTariff, &QPushButton::clicked, this, &TRangeTimeEdit::btnEditTariffClick);

    ConfigLists::fill(cmbTariff, m_config, QStringLiteral("TariffTypes"));
    if (!list.isEmpty()) {
        QTime from;
        QTime to;
        if (readTime(ConfigLists::lineValue(list, QStringLiteral("Time1")), &from)) {
            DateTimePicker1->setTime(from);
            if (readTime(ConfigLists::lineValue(list, QStringLiteral("Time2")), &to))
                DateTimePicker2->setTime(to);
        }
        const pugi::xml_node type = FindChildByAttribute(
            ConfigLists::section(m_config, "TariffTypes"), QStringLiteral("ID"),
            ConfigLists::lineValue(list, QStringLiteral("TariffType")));
        cmbTariff->setCurrentIndex(ConfigLists::indexOf(cmbTariff, type));
    }
}

void TRangeTimeEdit::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DateTimePicker1->setFocus();
}

QStringList TRangeTimeEdit::exchangeList() const
{
    QStringList list;
    ConfigLists::setLine(list, QStringLiteral("Time1"), timeText(DateTimePicker1->time()));
    ConfigLists::setLine(list, QStringLiteral("Time2"), timeText(DateTimePicker2->time()));
    ConfigLists::setLine(
        list, QStringLiteral("TariffType"),
        attributeText(ConfigLists::element(cmbTariff, cmbTariff->currentIndex()), "ID"));
    return list;
}

void TRangeTimeEdit::btnOkClick()
{
    const QString title = QString::fromLatin1(kApplicationName);
    if (DateTimePicker2->time() <= DateTimePicker1->time()) {
        m_prompter.message(title, tr("Incorrect time range!!!"));
        return;
    }
    if (cmbTariff->currentIndex() < 0) {
        m_prompter.message(title, tr("Choose tariff type"));
        return;
    }
    accept();
}

void TRangeTimeEdit::btnEditTariffClick()
{
    // The selection follows the position, not the type: after deleting an
    // earlier type the next one is shown, which the user sees before Ok.
    const int position = cmbTariff->currentIndex();
    EditTariffTypes(m_config, m_prompter, this);
    ConfigLists::fill(cmbTariff, m_config, QStringLiteral("TariffTypes"));
    cmbTariff->setCurrentIndex(position < cmbTariff->count() ? position : -1);
}

bool EditTimeRange(XmlDocument &config, QStringList &list, Prompter &prompter, QWidget *parent)
{
    TRangeTimeEdit editor(config, list, prompter, parent);
    editor.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (editor.exec() != QDialog::Accepted)
        return false;
    list = editor.exchangeList();
    return true;
}
