#pragma once

#include <QString>

class Clock;
class XmlDocument;

// Reads a data file into document. False when the file is missing or cannot
// be read (document untouched), or when its content is not XML (document
// left empty).
bool LoadDocument(const QString &fileName, XmlDocument &document);

// Writes document to a data file atomically: a temporary file in the same
// folder, flushed to disk and renamed over the target. A new file gets mode
// 0600. On failure the target is as it was, the temporary file is gone and
// the result is false.
bool SaveDocument(const QString &fileName, const XmlDocument &document);

// Keeps a file that is there, not empty and cannot be loaded, by renaming
// it to fileName + ".unreadable-YYYYMMDD-HHMMSS" (local time of clock), so
// the fresh document that takes its place never overwrites what the user had.
// True when the file was renamed.
bool PreserveUnreadableFile(const QString &fileName, const Clock &clock);

// Removes what saves cut short by a crash or a power cut left behind: the
// temporary files SaveDocument names after its target (target + ".saving-"
// and six letters or digits) beside the configuration and the journal of the
// running connection in dataFolder and beside the month files in its Logs
// folder. Only regular files of that pattern go; anything else, a kept
// unreadable file included, stays. Call it once at
// start-up, while this program is the only one saving there. Returns how
// many files were removed.
int RemoveInterruptedSaves(const QString &dataFolder);
