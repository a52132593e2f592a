// The journal of the running connection as the next start reads it: the
// envelope, the XML parser and the journal's fields, then the record built
// from them.
#include "FuzzSupport.h"

#include "monitor/SessionRecord.h"
#include "store/DataFileEnvelope.h"
#include "store/RunningJournal.h"
#include "store/XmlDocument.h"

#include <QLocale>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The input is the document's text; the envelope maps it both ways.
    QByteArray bytes = FuzzSupport::bytesOf(data, size);
    ScrambleStream(bytes);
    UnscrambleStream(bytes);
    XmlDocument document;
    if (!document.parse(bytes))
        return 0;
    RunningConnection connection;
    if (!RunningJournal::fromDocument(document, &connection))
        return 0;

    const QStringList record =
        SessionRecord(connection.startTime, connection.counters, connection.cost,
                      connection.entryName, connection.userName, QLocale::c());
    FUZZ_CHECK(record.size() == 8);

    // What the program writes of an accepted journal, it reads back the same.
    XmlDocument written;
    RunningJournal::toDocument(connection, written);
    XmlDocument again;
    FUZZ_CHECK(again.parse(written.serialize()));
    RunningConnection reread;
    FUZZ_CHECK(RunningJournal::fromDocument(again, &reread));
    FUZZ_CHECK(reread.startTime == connection.startTime && reread.cost == connection.cost);
    FUZZ_CHECK(reread.counters == connection.counters);
    return 0;
}
