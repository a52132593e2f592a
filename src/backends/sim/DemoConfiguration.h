#pragma once

#include <QString>

class XmlDocument;

// A sample configuration that fits the simulated modem's demo scenario: a
// provider for each demo phonebook entry with its own weekly schedule, day,
// night, weekend and mobile data tariff types, a fee per connection, and cost
// counting switched on. Prices and times are written under the user's
// regional conventions, as the settings dialog writes them.
void BuildDemoConfiguration(XmlDocument &config);

// Writes the sample configuration to configPath when no file is there yet
// (the first start of the demo). True when it was written.
bool WriteDemoConfiguration(const QString &configPath);
