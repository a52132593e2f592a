#include "settings/ProviderIdleBox.h"

#include "cost/ProviderIdle.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>
#include <limits>

ProviderIdleBox::ProviderIdleBox(QWidget *parent) : ProviderBox(tr("Idle line"), "grpIdle", parent)
{
    const auto label = [this](const QString &caption, const char *name, QWidget *buddy) {
        auto *result = new QLabel(caption, this);
        result->setObjectName(QString::fromLatin1(name));
        result->setBuddy(buddy);
        return result;
    };

    m_minutes = new QSpinBox(this);
    m_minutes->setObjectName(QStringLiteral("spnIdleMinutes"));
    m_minutes->setRange(0, ProviderIdle::kMaxMinutes);
    m_minutes->setSpecialValueText(tr("never"));
    m_minutes->setSuffix(tr(" min"));
    m_minutes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_minutes->setAccessibleName(tr("Hang up when idle for minutes"));
    m_minutes->setToolTip(tr("Hang up when the line has carried almost nothing for "
                             "this long; never for 0"));
    QLabel *minutesLabel = label(tr("Hang up whe&n idle for"), "lblIdleMinutes", m_minutes);

    m_below = new QSpinBox(this);
    m_below->setObjectName(QStringLiteral("spnIdleBelow"));
    m_below->setRange(0, std::numeric_limits<int>::max());
    m_below->setGroupSeparatorShown(true);
    m_below->setSuffix(tr(" bytes/s"));
    m_below->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_below->setAccessibleName(tr("Idle is less than bytes per second"));
    m_below->setToolTip(tr("Received plus sent, on average over those minutes"));
    QLabel *belowLabel = label(tr("Idle is le&ss than"), "lblIdleBelow", m_below);

    connect(m_minutes, &QSpinBox::valueChanged, this, &ProviderIdleBox::editIdle);
    connect(m_below, &QSpinBox::valueChanged, this, &ProviderIdleBox::editIdle);

    auto *layout = new QGridLayout(this);
    layout->addWidget(minutesLabel, 0, 0);
    layout->addWidget(m_minutes, 0, 1);
    layout->addWidget(belowLabel, 0, 3);
    layout->addWidget(m_below, 0, 4);
    layout->setColumnMinimumWidth(2, 12);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(4, 1);
}

void ProviderIdleBox::load(pugi::xml_node provider)
{
    const ProviderIdle idle = provider ? ReadProviderIdle(provider) : ProviderIdle();
    const QSignalBlocker minutesBlocker(m_minutes);
    const QSignalBlocker belowBlocker(m_below);
    m_minutes->setValue(idle.minutes);
    m_below->setValue(int(std::min<double>(std::round(idle.bytesPerSecond), m_below->maximum())));
    m_below->setEnabled(idle.isOn());
}

void ProviderIdleBox::storeTo(pugi::xml_node provider) const
{
    // A value the box cannot show exactly (a fraction of a byte) stays as
    // stored until the box is edited.
    ProviderIdle idle = ReadProviderIdle(provider);
    idle.minutes = m_minutes->value();
    if (std::round(idle.bytesPerSecond) != m_below->value())
        idle.bytesPerSecond = m_below->value();
    WriteProviderIdle(provider, idle);
}

void ProviderIdleBox::editIdle()
{
    m_below->setEnabled(m_minutes->value() > 0);
    if (!provider())
        return;
    storeTo(provider());
    emit edited();
}
