#include "settings/SettingsPageHost.h"

#include "access/TfrmPasswordBox.h"
#include "core/Prompter.h"
#include "settings/FormParts.h"
#include "store/ConfigDocument.h"
#include "store/ConfigKeys.h"

#include <QCoreApplication>

QString SettingsPageHost::readSetting(const ConfigKey &key)
{
    return GetSectionValue(workConfig(), key.sectionName(), key.keyName());
}

void SettingsPageHost::writeSetting(const ConfigKey &key, const QString &value)
{
    SetSectionValue(workConfig(), key.sectionName(), key.keyName(), value);
}

void SettingsPageHost::storeFlag(const ConfigKey &key, bool on)
{
    writeSetting(key, on ? QStringLiteral("1") : QStringLiteral("0"));
    changed();
}

QString SettingsPageHost::askNewPassword()
{
    Prompter &prompter = context().prompter;
    const QString first = InputPassword(
        prompter, QCoreApplication::translate("SettingsPageHost", "Enter new password"));
    if (first.isEmpty())
        return QString();
    const QString second = InputPassword(
        prompter, QCoreApplication::translate("SettingsPageHost", "Re-enter password"));
    if (second != first) {
        prompter.message(FormParts::messageTitle(),
                         QCoreApplication::translate("SettingsPageHost", "Incorrect password !!!"));
        return QString();
    }
    return first;
}
