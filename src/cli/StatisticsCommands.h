#pragma once

#include <QStringList>

struct CliContext;

// sessions [FILE...] [--format text|csv|json]: the sessions of month files
// (default: the current month's file in the data folder) with their totals.
int runSessions(const QStringList &arguments, const CliContext &context);
// months [--format text|csv|json]: one line per month file in the data folder.
int runMonths(const QStringList &arguments, const CliContext &context);
