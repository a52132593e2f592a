#pragma once

#include <QStringList>

struct CliContext;

// cost --config FILE --provider NAME --at YYYY-MM-DDTHH:MM:SS[.zzz]
//      [--minutes M] [--received-mb X] [--sent-mb Y]
// Prints {"cost": C, "tariffType": "ID"}: what the cost engine charges for
// those quantities at that local date and time.
int runCost(const QStringList &arguments, const CliContext &context);
