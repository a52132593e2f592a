#include "settings/GeneralPage.h"

#include "settings/AutostartEntry.h"
#include "settings/FormParts.h"
#include "settings/SettingsPageHost.h"
#include "store/ConfigKeys.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

GeneralPage::GeneralPage(SettingsPageHost &host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("TabSheet1"));
    chbStartUp = FormParts::checkBox(this, tr("&Start with the desktop session"), "chbStartUp");
    chbCalculate = FormParts::checkBox(this, tr("&Calculate cost"), "chbCalculate");
    chbUserMode = FormParts::checkBox(this, tr("Used user &mode"), "chbUserMode");
    chbWatchAll = FormParts::checkBox(this, tr("&Watch every network connection"), "chbWatchAll");
    chbPassword =
        FormParts::checkBox(this, tr("Set &password to protect your settings"), "chbPassword");
    btnPassword = FormParts::button(this, tr("Set passwor&d..."), "btnPassword");
    chbFlyingWindow = FormParts::checkBox(this, tr("Flying window"), "chbFlyingWindow");
    chbFlyingWindow->setVisible(false);

    connect(chbCalculate, &QCheckBox::toggled, this, &GeneralPage::chbCalculateClick);
    connect(chbUserMode, &QCheckBox::toggled, this, &GeneralPage::chbUserModeClick);
    connect(chbWatchAll, &QCheckBox::toggled, this, &GeneralPage::chbWatchAllClick);
    connect(chbPassword, &QCheckBox::toggled, this, &GeneralPage::chbPasswordClick);
    connect(btnPassword, &QPushButton::clicked, this, &GeneralPage::btnPasswordClick);
    connect(chbFlyingWindow, &QCheckBox::toggled, this, &GeneralPage::chbFlyingWindowClick);
    connect(chbStartUp, &QCheckBox::toggled, this, [this] { m_host.changed(); });

    auto *passwordRow = new QHBoxLayout;
    passwordRow->addSpacing(20);
    passwordRow->addWidget(btnPassword);
    passwordRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    for (QWidget *widget : {chbStartUp, chbCalculate, chbUserMode, chbWatchAll, chbPassword})
        layout->addWidget(widget);
    layout->addLayout(passwordRow);
    layout->addWidget(chbFlyingWindow);
    layout->addStretch();
}

void GeneralPage::load()
{
    chbStartUp->setChecked(AutostartEntry::isEnabled());
    // Every box starts unticked, so ticking one runs its handler, which
    // writes "1" into its setting.
    const QString one = QStringLiteral("1");
    chbCalculate->setChecked(m_host.readSetting(ConfigKeys::Calculate) == one);
    chbUserMode->setChecked(m_host.readSetting(ConfigKeys::UserMode) == one);
    chbWatchAll->setChecked(m_host.readSetting(ConfigKeys::WatchAll) == one);
    const bool hasPassword = !m_host.readSetting(ConfigKeys::Password).isEmpty();
    chbPassword->setChecked(hasPassword);
    btnPassword->setEnabled(hasPassword);
}

bool GeneralPage::startUpTicked() const
{
    return chbStartUp->isChecked();
}

void GeneralPage::chbCalculateClick()
{
    m_host.storeFlag(ConfigKeys::Calculate, chbCalculate->isChecked());
}

void GeneralPage::chbUserModeClick()
{
    m_host.storeFlag(ConfigKeys::UserMode, chbUserMode->isChecked());
}

void GeneralPage::chbWatchAllClick()
{
    m_host.storeFlag(ConfigKeys::WatchAll, chbWatchAll->isChecked());
}

void GeneralPage::chbFlyingWindowClick()
{
    m_host.storeFlag(ConfigKeys::Flying, chbFlyingWindow->isChecked());
}

void GeneralPage::chbPasswordClick()
{
    // Ticking stores nothing: protection starts once a password is set.
    if (!chbPassword->isChecked())
        m_host.writeSetting(ConfigKeys::Password, QString());
    btnPassword->setEnabled(chbPassword->isChecked());
    m_host.changed();
}

void GeneralPage::btnPasswordClick()
{
    const QString password = m_host.askNewPassword();
    if (password.isEmpty())
        return;
    m_host.writeSetting(ConfigKeys::Password, password);
    m_host.changed();
}
