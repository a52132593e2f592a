#include "cli/CliContext.h"
#include "cli/CommandArguments.h"
#include "cli/ConnectionCommands.h"
#include "cli/CostCommand.h"
#include "cli/DocumentCommands.h"
#include "cli/PriceCommand.h"
#include "cli/StatisticsCommands.h"
#include "cli/UsageCommand.h"
#include "core/DataFolder.h"
#include "core/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

// Shown translated; the English text is what the manual page and docs/CLI.md
// follow.
const char *const kUsage = QT_TRANSLATE_NOOP(
    "CliText",
    "Usage: dialometer-cli [--home DIR] COMMAND [ARGUMENTS]\n"
    "\n"
    "Reads and writes Dialometer's data files from a terminal.\n"
    "\n"
    "Commands:\n"
    "  decode FILE                    write the plain XML of a data file to standard output\n"
    "  encode OUT [--in FILE]         write plain XML (FILE or standard input) as the data\n"
    "                                 file OUT; XML that is not well-formed is refused\n"
    "  sessions [FILE...] [--format text|csv|json]\n"
    "                                 the sessions of month files (default: this month's\n"
    "                                 file in the data folder) and their totals\n"
    "  months [--format text|csv|json]\n"
    "                                 one line per month file in the data folder\n"
    "  cost --config FILE --provider NAME --at YYYY-MM-DDTHH:MM:SS[.zzz]\n"
    "       [--minutes M] [--received-mb X] [--sent-mb Y]\n"
    "                                 the price of an interval by the provider's schedule\n"
    "  usage [--at YYYY-MM-DDTHH:MM:SS] [--provider NAME] [--daily]\n"
    "        [--format text|csv|json]\n"
    "                                 each provider's plan: use of the billing period that\n"
    "                                 holds the moment (default: now), caps, projection;\n"
    "                                 --daily adds each day of the period and the daily\n"
    "                                 budget (csv only with --daily)\n"
    "  price [--provider NAME] [--at YYYY-MM-DDTHH:MM:SS] [--minutes M] [--within HOURS]\n"
    "        [--format text|json]\n"
    "                                 each provider's tariff in force and until when, the\n"
    "                                 cost of M minutes (default 60) from then and the\n"
    "                                 cheapest start within HOURS (default 24)\n"
    "  status [--format text|json]    phonebook entries and active connections\n"
    "  dial ENTRY                     dial a phonebook entry and wait until it is up\n"
    "  hangup                         hang up every connection\n"
    "\n"
    "Options:\n"
    "  --home DIR    the data folder (default: DIALOMETER_HOME, a portable folder beside\n"
    "                the program, or ~/.local/share/dialometer)\n"
    "  --help        show this text\n"
    "  --version     show the version\n"
    "\n"
    "Dates, times and numbers of the text output follow the user's regional settings.\n"
    "Exit status: 0 success, 1 a data error, 2 a usage error.\n");

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Translations::installTranslations(app);
    QCoreApplication::setApplicationName(QStringLiteral("dialometer-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DIALOMETER_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString usage = CliText::tr(kUsage);

    // The tool's own options before the command; the command's parser
    // understands them after it too.
    QCommandLineParser global;
    global.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    global.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption homeOption(QStringLiteral("home"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(QStringLiteral("version"));
    global.addOptions({homeOption, helpOption, versionOption});
    if (!global.parse(app.arguments())) {
        err << "dialometer-cli: " << global.errorText() << "\n" << usage;
        return ExitUsage;
    }
    QStringList rest = global.positionalArguments();
    const QString command = rest.isEmpty() ? QString() : rest.takeFirst();
    const CommandArguments after = CommandArguments::forCommand(command, rest);
    if (global.isSet(helpOption) || after.has(QStringLiteral("--help"))) {
        out << usage;
        return ExitSuccess;
    }
    if (global.isSet(versionOption) || after.has(QStringLiteral("--version"))) {
        out << "dialometer-cli " << DIALOMETER_VERSION << '\n';
        return ExitSuccess;
    }
    if (command.isEmpty()) {
        err << usage;
        return ExitUsage;
    }
    if (!CommandArguments::isCommand(command)) {
        err << "dialometer-cli: " << CliText::tr("unknown command \"%1\"").arg(command) << '\n'
            << usage;
        return ExitUsage;
    }
    if (!after.error().isEmpty()) {
        err << "dialometer-cli: " << command << ": " << after.error() << '\n';
        return ExitUsage;
    }
    QString home = after.value(QStringLiteral("--home"), global.value(homeOption));
    if (home.isEmpty())
        home = dataFolder();

    const CliContext context{home, out, err};
    if (command == QLatin1String("decode"))
        return runDecode(rest, context);
    if (command == QLatin1String("encode"))
        return runEncode(rest, context);
    if (command == QLatin1String("sessions"))
        return runSessions(rest, context);
    if (command == QLatin1String("months"))
        return runMonths(rest, context);
    if (command == QLatin1String("cost"))
        return runCost(rest, context);
    if (command == QLatin1String("usage"))
        return runUsage(rest, context);
    if (command == QLatin1String("price"))
        return runPrice(rest, context);
    return runConnectionCommand(command, rest, home, out, err);
}
