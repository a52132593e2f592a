#pragma once

#include <QString>

class XmlDocument;

// Reads a data file for the tool, saying what is wrong when it cannot:
// missing, a folder, cannot be opened or read (with the system's reason),
// empty, or not XML once unscrambled (with the parser's reason).
class DataFileReader
{
public:
    // True when the file was read into document; otherwise *problem says why.
    static bool read(const QString &fileName, XmlDocument &document, QString *problem);
};
