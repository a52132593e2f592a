#include "cli/ConnectionCommands.h"

#include "backends/ConnectionServiceFactory.h"
#include "cli/CliContext.h"
#include "cli/CommandArguments.h"
#include "cli/TableOutput.h"
#include "connection/DialupOperations.h"
#include "connection/WatchPolicy.h"
#include "core/DataFolder.h"
#include "store/DataFiles.h"
#include "store/RunningJournal.h"
#include "store/XmlDocument.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <vector>

namespace {

QString durationText(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The back end the program would choose, watching what the program would
// watch: the configuration's providers and WatchAll count here too.
std::unique_ptr<ConnectionService> chosenService(const QString &home, QTextStream &err)
{
    QString error;
    auto service = createConnectionService(backendOptionsFromEnvironment(false), &error);
    if (!service) {
        err << "dialometer-cli: " << error << Qt::endl;
        return service;
    }
    XmlDocument config;
    const DocumentLoad load = ReadDocument(configPath(home), config);
    if (load.loaded())
        service->setWatchPolicy(WatchPolicy::fromConfig(config));
    else if (load.outcome == DocumentLoad::Inaccessible)
        err << "dialometer-cli: " << configPath(home) << ": "
            << CliText::tr("cannot be opened: %1; its providers are not watched").arg(load.reason)
            << Qt::endl;
    return service;
}

// Where a connection's figures count from.
enum class CountedFrom {
    Program,    // the program's journal of it: the program's zero and start
    Connection, // the back end counts the connection whole
    Tool,       // this run's first reading
};

// As status --format json names it.
QString countedFromName(CountedFrom from)
{
    switch (from) {
    case CountedFrom::Program:
        return QStringLiteral("program");
    case CountedFrom::Connection:
        return QStringLiteral("connection");
    case CountedFrom::Tool:
        break;
    }
    return QStringLiteral("tool");
}

// The resume token of the program's journal in the data folder; empty when
// there is none. Read only: a damaged journal is the program's to keep aside.
QString journalTokenIn(const QString &home, QTextStream &err)
{
    const QString path = runningJournalPath(home);
    XmlDocument document;
    const DocumentLoad load = ReadDocument(path, document);
    RunningConnection journal;
    if (load.loaded() && RunningJournal::fromDocument(document, &journal))
        return journal.token;
    if (load.outcome == DocumentLoad::Inaccessible)
        err << "dialometer-cli: " << path << ": "
            << CliText::tr("cannot be opened: %1; the bytes count from this tool's start")
                   .arg(load.reason)
            << Qt::endl;
    return QString();
}

int runStatus(const CommandArguments &args, const QString &home, QTextStream &out, QTextStream &err)
{
    if (!args.positional().isEmpty()) {
        err << "dialometer-cli: status: "
            << CliText::tr("unexpected argument \"%1\"").arg(args.positional().first()) << Qt::endl;
        return ExitUsage;
    }
    const QString format = args.value(QStringLiteral("--format"), QStringLiteral("text"));
    if (format != QLatin1String("text") && format != QLatin1String("json")) {
        err << "dialometer-cli: status: "
            << CliText::tr("unknown format \"%1\" (expected text or json)").arg(format) << Qt::endl;
        return ExitUsage;
    }
    auto service = chosenService(home, err);
    if (!service)
        return ExitDataError;

    const QStringList entries = ListAllEntries(*service);
    const std::vector<ConnectionRecord> connections = ListAllConnections(*service);
    // The program's journal of the connection it watches: when the back end
    // takes its token for one listed here, that connection's counters and
    // duration go on from the program's zero and start, as the program's do.
    QString journalToken = journalTokenIn(home, err);
    struct Row
    {
        ConnectionRecord record;
        QString interfaceName;
        SessionCounters counters;
        bool haveCounters = false;
        CountedFrom countedFrom = CountedFrom::Tool;
    };
    std::vector<Row> rows;
    for (const ConnectionRecord &r : connections) {
        Row row{r, service->interfaceName(r.hrasconn), SessionCounters(), false, CountedFrom::Tool};
        if (!journalToken.isEmpty() && service->resume(r.hrasconn, journalToken)) {
            row.countedFrom = CountedFrom::Program;
            journalToken.clear(); // one journal, one connection
        } else {
            row.countedFrom = service->countsSinceConnect(r.hrasconn) ? CountedFrom::Connection
                                                                      : CountedFrom::Tool;
        }
        row.haveCounters =
            service->connectionStatistics(r.hrasconn, &row.counters) == ConnectionService::Success;
        rows.push_back(row);
    }

    if (format == QLatin1String("json")) {
        QJsonArray jsonConnections;
        for (const Row &row : rows) {
            QJsonObject o{{"entry", row.record.szEntryName},
                          {"interface", row.interfaceName},
                          {"handle", QString::number(row.record.hrasconn)},
                          {"countedFrom", countedFromName(row.countedFrom)}};
            if (row.haveCounters) {
                const SessionCounters &c = row.counters;
                o.insert("bytesReceived", double(c.dwBytesRcved));
                o.insert("bytesSent", double(c.dwBytesXmited));
                o.insert("framesReceived", double(c.dwFramesRcved));
                o.insert("framesSent", double(c.dwFramesXmited));
                o.insert("compressionIn", double(c.dwCompressionRatioIn));
                o.insert("compressionOut", double(c.dwCompressionRatioOut));
                o.insert("speedBps", double(c.dwBps));
                o.insert("connectedMs", double(c.dwConnectDuration));
            }
            jsonConnections.append(o);
        }
        const QJsonObject root{{"backend", service->backendName()},
                               {"entries", QJsonArray::fromStringList(entries)},
                               {"connections", jsonConnections}};
        TableOutput::writeJson(out, QJsonDocument(root));
        out.flush();
        return ExitSuccess;
    }

    out << CliText::tr("Back end: %1").arg(service->backendName()) << '\n';
    out << (entries.isEmpty() ? CliText::tr("Phonebook entries: none")
                              : CliText::tr("Phonebook entries:"))
        << '\n';
    for (const QString &e : entries)
        out << "  " << e << '\n';
    out << (rows.empty() ? CliText::tr("Active connections: none")
                         : CliText::tr("Active connections:"))
        << '\n';
    for (const Row &row : rows) {
        out << "  "
            << CliText::tr("%1 (interface %2, handle %3)")
                   .arg(row.record.szEntryName,
                        row.interfaceName.isEmpty() ? QStringLiteral("-") : row.interfaceName,
                        QString::number(row.record.hrasconn))
            << '\n';
        if (!row.haveCounters) {
            out << "    " << CliText::tr("no statistics") << '\n';
            continue;
        }
        const SessionCounters &c = row.counters;
        out << "    "
            << CliText::tr("received: %1 bytes, %2 frames, compression %3%")
                   .arg(c.dwBytesRcved)
                   .arg(c.dwFramesRcved)
                   .arg(c.dwCompressionRatioIn)
            << '\n';
        out << "    "
            << CliText::tr("sent:     %1 bytes, %2 frames, compression %3%")
                   .arg(c.dwBytesXmited)
                   .arg(c.dwFramesXmited)
                   .arg(c.dwCompressionRatioOut)
            << '\n';
        out << "    " << CliText::tr("speed:    %1 bit/s").arg(c.dwBps) << '\n';
        out << "    " << CliText::tr("connected: %1").arg(durationText(c.dwConnectDuration))
            << '\n';
        if (row.countedFrom == CountedFrom::Program)
            out << "    "
                << CliText::tr("counted as the program counts it (its journal of this connection)")
                << '\n';
        else if (row.countedFrom == CountedFrom::Tool)
            out << "    "
                << CliText::tr("bytes counted from this tool's start (the program's journal does "
                               "not name this connection)")
                << '\n';
    }
    out.flush();
    return ExitSuccess;
}

int runDial(const CommandArguments &args, const QString &home, QTextStream &out, QTextStream &err)
{
    const QStringList &arguments = args.positional();
    if (arguments.size() != 1 || arguments[0].isEmpty()) {
        err << "dialometer-cli: dial: " << CliText::tr("give one phonebook entry") << Qt::endl;
        return ExitUsage;
    }
    auto service = chosenService(home, err);
    if (!service)
        return ExitDataError;
    std::unique_ptr<DialAttempt> attempt = service->dial(arguments[0]);
    if (!attempt) {
        err << "dialometer-cli: dial: " << CliText::tr("the back end cannot dial") << Qt::endl;
        return ExitDataError;
    }
    if (!attempt->isFinished()) {
        out << attempt->message() << Qt::endl;
        QEventLoop loop;
        QObject::connect(attempt.get(), &DialAttempt::progress, &loop,
                         [&](const QString &text) { out << text << Qt::endl; });
        QObject::connect(attempt.get(), &DialAttempt::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (attempt->state() == DialAttempt::State::Connected) {
        out << CliText::tr("Connected: %1").arg(arguments[0]) << Qt::endl;
        return ExitSuccess;
    }
    const QString reason =
        attempt->message().isEmpty() ? CliText::tr("the dial was withdrawn") : attempt->message();
    err << "dialometer-cli: dial: " << arguments[0] << ": " << reason << Qt::endl;
    return ExitDataError;
}

int runHangUp(const CommandArguments &args, const QString &home, QTextStream &out, QTextStream &err)
{
    if (!args.positional().isEmpty()) {
        err << "dialometer-cli: hangup: " << CliText::tr("takes no arguments") << Qt::endl;
        return ExitUsage;
    }
    auto service = chosenService(home, err);
    if (!service)
        return ExitDataError;
    const std::vector<ConnectionRecord> before = ListAllConnections(*service);
    HangUpAll(*service);
    if (IsConnected(*service)) {
        err << "dialometer-cli: hangup: " << CliText::tr("a connection is still up") << Qt::endl;
        return ExitDataError;
    }
    if (before.empty())
        out << CliText::tr("No connection.") << Qt::endl;
    for (const ConnectionRecord &r : before)
        out << CliText::tr("Hung up: %1").arg(r.szEntryName) << Qt::endl;
    return ExitSuccess;
}

} // namespace

int runConnectionCommand(const QString &command, const QStringList &arguments, const QString &home,
                         QTextStream &out, QTextStream &err)
{
    const CommandArguments args = CommandArguments::forCommand(command, arguments);
    if (!args.error().isEmpty()) {
        err << "dialometer-cli: " << command << ": " << args.error() << Qt::endl;
        return ExitUsage;
    }
    if (command == QLatin1String("status"))
        return runStatus(args, home, out, err);
    if (command == QLatin1String("dial"))
        return runDial(args, home, out, err);
    if (command == QLatin1String("hangup"))
        return runHangUp(args, home, out, err);
    err << "dialometer-cli: " << CliText::tr("unknown command \"%1\"").arg(command) << Qt::endl;
    return ExitUsage;
}
