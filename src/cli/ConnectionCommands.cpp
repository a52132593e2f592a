#include "cli/ConnectionCommands.h"

int runConnectionCommand(const QString &command, const QStringList &arguments, QTextStream &out,
                         QTextStream &err)
{
    Q_UNUSED(arguments);
    Q_UNUSED(out);
    err << "dialometer-cli: " << command << ": not available yet\n";
    return 2;
}
