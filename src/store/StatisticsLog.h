#pragma once

#include "core/Clock.h"
#include "store/DataFiles.h"
#include "store/XmlDocument.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVariant>

class SessionTable;

// A month's statistics: root MainContent with Struct (the column
// definitions, Field elements with Name and DataType) and Data (one Line per
// finished connection, its attributes the texts of the session record).

// The eight column definitions, "name=type code", in the order of Struct.
extern const QStringList StatisticsFieldDefinitions;
// The attributes of a Line, in the order a session record gives them.
extern const QStringList SessionRecordNames;

// What OpenStatistics does with a file that exists but cannot be loaded.
enum class UnreadableFile {
    Leave,    // a viewer: the file is not touched
    Preserve, // the file will be saved over: keep a damaged one aside first,
              // and refuse saves over one that cannot be opened or read
};

// Loads a statistics file, or builds a fresh document when the file is
// missing or unreadable; afterwards the document has the standard Struct and
// a Data. Returns how reading the file went.
DocumentLoad OpenStatistics(const QString &fileName, XmlDocument &document,
                            UnreadableFile unreadable = UnreadableFile::Leave,
                            const Clock &clock = SystemClock());
// A fresh statistics document (whatever the document held is dropped).
void NewStatistics(XmlDocument &document);
// Rewrites Struct with the eight standard definitions; adds the root and Data
// when missing. Line elements are never touched.
void EnsureStatisticsStructure(XmlDocument &document);
// Writes the statistics file; true on success, else *error (when given) says why.
bool SaveStatistics(const QString &fileName, const XmlDocument &document, QString *error = nullptr);

// Rebuilds table from document: the columns of Struct plus TrafficSum, one
// row per Line, most recent first. A structural fault (no root, Struct or
// Data, a DataType that is not a type code, no TrafficIn or TrafficOut
// column) ends the load; the rows read so far stay, *error (when given)
// says what is wrong and the result is false.
bool LoadStatisticsTable(const XmlDocument &document, SessionTable &table,
                         QString *error = nullptr);

// TrafficIn + TrafficOut of a row's values; null when either is null or the
// sum does not fit.
QVariant TrafficSumOf(const QVariant &trafficIn, const QVariant &trafficOut);

// The text before / after the first separator; empty when there is none.
QString PairName(const QString &text, QChar separator);
QString PairValue(const QString &text, QChar separator);
