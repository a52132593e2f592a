#pragma once

#include <QStringList>

struct CliContext;

// dialometer-cli price: each provider's tariff in force at a moment, what a
// connection started then costs, and the cheapest start within some hours.
int runPrice(const QStringList &arguments, const CliContext &context);
