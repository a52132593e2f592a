#pragma once

#include <QStringList>

struct CliContext;

// usage [--at YYYY-MM-DDTHH:MM:SS] [--provider NAME] [--format text|json]
// The use of each provider's plan in the period that holds the moment (now
// by default), from the data folder's configuration and month files: one
// entry per provider in the configuration's order.
int runUsage(const QStringList &arguments, const CliContext &context);
