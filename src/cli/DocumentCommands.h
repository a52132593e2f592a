#pragma once

#include <QStringList>

struct CliContext;

// decode FILE: the plain XML of a data file on standard output.
int runDecode(const QStringList &arguments, const CliContext &context);
// encode OUT [--in FILE]: plain XML (a file or standard input) written as
// the data file OUT, atomically; XML that is not well-formed is refused.
int runEncode(const QStringList &arguments, const CliContext &context);
