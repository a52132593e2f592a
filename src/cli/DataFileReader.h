#pragma once

#include <QString>

class XmlDocument;

// Reads a data file for the tool, saying what is wrong when it cannot:
// missing, a folder, unreadable, empty, or not XML once unscrambled (with the
// parser's reason). The program itself only needs to know that it failed.
class DataFileReader
{
public:
    // True when the file was read into document; otherwise *problem says why.
    static bool read(const QString &fileName, XmlDocument &document, QString *problem);
};
