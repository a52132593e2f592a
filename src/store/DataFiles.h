#pragma once

#include <QString>

class Clock;
class XmlDocument;

// How reading a data file went. Only Damaged says anything about the
// content: an Inaccessible file may be perfectly good, and what replaces it
// must not be saved over it.
struct DocumentLoad
{
    enum Outcome {
        Loaded,
        Missing,      // nothing at that name
        Inaccessible, // there, but it cannot be opened or read (no permission, a
                      // folder in its place, an I/O error)
        Damaged,      // read, but not a data file: not XML once unscrambled, or
                      // text that is not what its encoding says
    };
    Outcome outcome = Missing;
    // Why, when not Loaded: the system's error text or the parser's.
    QString reason;

    bool loaded() const { return outcome == Loaded; }
};

// Reads a data file into document. A file that is missing or cannot be
// opened or read leaves the document untouched; a damaged one leaves it empty.
DocumentLoad ReadDocument(const QString &fileName, XmlDocument &document);
// The same for callers that only need to know whether it was loaded.
bool LoadDocument(const QString &fileName, XmlDocument &document);

// Writes document to a data file atomically: a temporary file in the same
// folder, flushed to disk and renamed over the target. A new file gets mode
// 0600. On failure the target is as it was, the temporary file is gone, the
// result is false and *error (when given) says why, e.g. "No space left on
// device". Refused for a file passed to RefuseSaves.
bool SaveDocument(const QString &fileName, const XmlDocument &document, QString *error = nullptr);

// Makes every later SaveDocument to fileName fail, for the rest of the run.
// For a file that is there but could not be read: the document the program
// goes on with in its place lacks what the file holds, so writing it would
// destroy that (a rename replaces a file the program may not even read).
void RefuseSaves(const QString &fileName);
bool SavesRefused(const QString &fileName);

// Keeps a file that is there, not empty and damaged, by renaming
// it to fileName + ".unreadable-YYYYMMDD-HHMMSS" (local time of clock), so
// the fresh document that takes its place never overwrites what the user had.
// A file that merely cannot be opened or read is left where it is. True
// when the file was renamed.
bool PreserveUnreadableFile(const QString &fileName, const Clock &clock);

// Removes what saves cut short by a crash or a power cut left behind: the
// temporary files SaveDocument names after its target (target + ".saving-"
// and six letters or digits) beside the configuration and the other data
// files of dataFolder and beside the month files in its Logs folder. Only regular files of that pattern go;
// anything else, a kept unreadable file included, stays. Call it once at
// start-up, while this program is the only one saving there. Returns how
// many files were removed.
int RemoveInterruptedSaves(const QString &dataFolder);
