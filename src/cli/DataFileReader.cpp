#include "cli/DataFileReader.h"

#include "cli/CliContext.h"
#include "store/DataFiles.h"
#include "store/XmlDocument.h"

#include <QFileInfo>

bool DataFileReader::read(const QString &fileName, XmlDocument &document, QString *problem)
{
    const DocumentLoad load = ReadDocument(fileName, document);
    switch (load.outcome) {
    case DocumentLoad::Loaded:
        return true;
    case DocumentLoad::Missing:
        *problem = CliText::tr("no such file");
        break;
    case DocumentLoad::Inaccessible:
        *problem = QFileInfo(fileName).isDir()
                       ? CliText::tr("is a folder, not a data file")
                       : CliText::tr("cannot be opened: %1").arg(load.reason);
        break;
    case DocumentLoad::Damaged:
        *problem = QFileInfo(fileName).size() == 0
                       ? CliText::tr("the file is empty")
                       : CliText::tr("not a data file of this program (no XML once "
                                     "unscrambled: %1)")
                             .arg(load.reason);
        break;
    }
    return false;
}
