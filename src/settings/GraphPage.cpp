#include "settings/GraphPage.h"

#include "settings/FormParts.h"
#include "settings/SettingsPageHost.h"
#include "store/ConfigKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

GraphPage::GraphPage(SettingsPageHost &host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("TabSheet4"));
    QLabel *typeLabel = nullptr;
    cmbGraphType =
        FormParts::labelledCombo(this, tr("T&ype"), "Label5", "cmbGraphType", &typeLabel);
    cmbGraphType->setEditable(true);
    cmbGraphType->setInsertPolicy(QComboBox::NoInsert);
    cmbGraphType->addItems({tr("3D"), tr("Filled"), tr("Line"), tr("Scatter")});
    chbVerticalAxis = FormParts::checkBox(this, tr("Show &vertical axis"), "chbVerticalAxis");
    chbHorizontalAxis = FormParts::checkBox(this, tr("Show &horizontal axis"), "chbHorizontalAxis");
    connect(cmbGraphType, &QComboBox::currentIndexChanged, this, &GraphPage::cmbGraphTypeChange);
    connect(cmbGraphType, &QComboBox::editTextChanged, this, &GraphPage::cmbGraphTypeChange);
    connect(chbVerticalAxis, &QCheckBox::toggled, this, &GraphPage::chbVerticalAxisClick);
    connect(chbHorizontalAxis, &QCheckBox::toggled, this, &GraphPage::chbHorizontalAxisClick);

    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(typeLabel);
    typeRow->addWidget(cmbGraphType);
    typeRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(typeRow);
    layout->addWidget(chbVerticalAxis);
    layout->addWidget(chbHorizontalAxis);
    layout->addStretch();
}

void GraphPage::load()
{
    // Ticking a box from code stores "1": an empty axis setting becomes "1".
    const QString one = QStringLiteral("1");
    const QString vert = m_host.readSetting(ConfigKeys::VertAx);
    chbVerticalAxis->setChecked(vert.isEmpty() || vert == one);
    const QString hor = m_host.readSetting(ConfigKeys::HorAx);
    chbHorizontalAxis->setChecked(hor.isEmpty() || hor == one);

    const QString type = m_host.readSetting(ConfigKeys::GraphType);
    bool isNumber = false;
    const int index = type.trimmed().toInt(&isNumber);
    const QSignalBlocker blocker(cmbGraphType);
    cmbGraphType->setCurrentIndex(!isNumber ? 1 : (index >= 0 && index < 4 ? index : -1));
    if (cmbGraphType->currentIndex() < 0)
        cmbGraphType->setEditText(QString());
}

void GraphPage::chbVerticalAxisClick()
{
    m_host.storeFlag(ConfigKeys::VertAx, chbVerticalAxis->isChecked());
}

void GraphPage::chbHorizontalAxisClick()
{
    m_host.storeFlag(ConfigKeys::HorAx, chbHorizontalAxis->isChecked());
}

void GraphPage::cmbGraphTypeChange()
{
    // Typed text that is not one of the entries selects none.
    int index = cmbGraphType->currentIndex();
    if (cmbGraphType->currentText() != cmbGraphType->itemText(index))
        index = cmbGraphType->findText(cmbGraphType->currentText(), Qt::MatchFixedString);
    m_host.writeSetting(ConfigKeys::GraphType, QString::number(index));
    m_host.changed();
}
