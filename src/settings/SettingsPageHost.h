#pragma once

#include "settings/SettingsContext.h"
#include "store/XmlDocument.h"

#include <QString>

struct ConfigKey;

// What a page of the settings dialog works on: the dialog's working copy and
// context, and how the page tells the dialog that it changed the copy, so
// that Apply follows (anywhere but the providers, in one provider's content,
// or in the list of providers).
class SettingsPageHost
{
public:
    virtual XmlDocument &workConfig() = 0;
    virtual const SettingsContext &context() const = 0;
    virtual void changed() = 0;
    virtual void providerChanged(pugi::xml_node provider) = 0;
    virtual void providersChanged() = 0;

    // A setting of the working copy; reading adds its element when missing.
    QString readSetting(const ConfigKey &key);
    void writeSetting(const ConfigKey &key, const QString &value);
    // A flag setting, "1" on and "0" off; then changed().
    void storeFlag(const ConfigKey &key, bool on);
    // Asks for a new password twice: the password, or the empty string when
    // the first prompt was cancelled or the two differ (which is told).
    QString askNewPassword();

protected:
    ~SettingsPageHost() = default;
};
