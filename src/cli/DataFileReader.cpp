#include "cli/DataFileReader.h"

#include "store/DataFileEnvelope.h"
#include "store/XmlDocument.h"

#include <QFile>
#include <QFileInfo>

bool DataFileReader::read(const QString &fileName, XmlDocument &document, QString *problem)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        *problem = QStringLiteral("no such file");
        return false;
    }
    if (info.isDir()) {
        *problem = QStringLiteral("is a folder, not a data file");
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("cannot be read: %1").arg(file.errorString());
        return false;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *problem = QStringLiteral("cannot be read: %1").arg(file.errorString());
        return false;
    }
    if (bytes.isEmpty()) {
        *problem = QStringLiteral("the file is empty");
        return false;
    }
    UnscrambleStream(bytes);
    if (!document.parse(bytes)) {
        *problem = QStringLiteral("not a data file of this program (no XML once unscrambled: %1)")
                       .arg(document.errorText());
        return false;
    }
    return true;
}
