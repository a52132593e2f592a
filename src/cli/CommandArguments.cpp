#include "cli/CommandArguments.h"

CommandArguments::CommandArguments(const QStringList &arguments, const QStringList &valueOptions,
                                   const QStringList &flags)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            // A lone "-" is a positional argument (standard input, say).
            m_positional.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype eq = argument.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? argument : argument.left(eq);
        if (flags.contains(name)) {
            if (eq >= 0) {
                m_error = QStringLiteral("option %1 takes no value").arg(name);
                return;
            }
            m_values.insert(name, QString());
        } else if (valueOptions.contains(name)) {
            QString value;
            if (eq >= 0) {
                value = argument.mid(eq + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                m_error = QStringLiteral("option %1 needs a value").arg(name);
                return;
            }
            if (m_values.contains(name)) {
                m_error = QStringLiteral("option %1 is given twice").arg(name);
                return;
            }
            m_values.insert(name, value);
        } else {
            m_error = QStringLiteral("unknown option %1").arg(name);
            return;
        }
    }
}
