#include "cli/DocumentCommands.h"

#include "cli/CliContext.h"
#include "cli/CommandArguments.h"
#include "cli/DataFileReader.h"
#include "store/DataFiles.h"
#include "store/XmlDocument.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

int runDecode(const QStringList &arguments, const CliContext &context)
{
    const CommandArguments args = CommandArguments::forCommand(QStringLiteral("decode"), arguments);
    if (!args.error().isEmpty() || args.positional().size() != 1) {
        context.complain(QStringLiteral("decode"),
                         args.error().isEmpty() ? CliText::tr("usage: decode FILE") : args.error());
        return ExitUsage;
    }
    const QString fileName = args.positional().first();
    XmlDocument document;
    QString problem;
    if (!DataFileReader::read(fileName, document, &problem)) {
        context.complain(fileName, problem);
        return ExitDataError;
    }
    context.out << QString::fromUtf8(document.serialize()) << '\n';
    context.out.flush();
    return ExitSuccess;
}

int runEncode(const QStringList &arguments, const CliContext &context)
{
    const CommandArguments args = CommandArguments::forCommand(QStringLiteral("encode"), arguments);
    if (!args.error().isEmpty() || args.positional().size() != 1) {
        context.complain(QStringLiteral("encode"),
                         args.error().isEmpty() ? CliText::tr("usage: encode OUT [--in FILE]")
                                                : args.error());
        return ExitUsage;
    }
    const QString outName = args.positional().first();
    const QString inName = args.value(QStringLiteral("--in"));
    const bool fromStdin = inName.isEmpty() || inName == QLatin1String("-");
    const QString source = fromStdin ? CliText::tr("standard input") : inName;

    QFile input;
    bool opened = false;
    if (fromStdin) {
        opened = input.open(stdin, QIODevice::ReadOnly);
    } else {
        if (!QFileInfo::exists(inName)) {
            context.complain(inName, CliText::tr("no such file"));
            return ExitDataError;
        }
        input.setFileName(inName);
        opened = input.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        context.complain(source, CliText::tr("cannot be opened: %1").arg(input.errorString()));
        return ExitDataError;
    }
    const QByteArray bytes = input.readAll();
    XmlDocument document;
    if (!document.parse(bytes)) {
        context.complain(
            source,
            CliText::tr("not well-formed XML, nothing written: %1").arg(document.errorText()));
        return ExitDataError;
    }
    if (!SaveDocument(outName, document)) {
        context.complain(outName, CliText::tr("cannot be written (is the folder there and "
                                              "writable?); the file is unchanged"));
        return ExitDataError;
    }
    return ExitSuccess;
}
