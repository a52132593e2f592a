#pragma once

#include "store/DataFileEnvelope.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// Files on disk as a user's data folder may hold them: written byte for byte,
// or through the envelope as the program writes them.
inline void writeRaw(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline void writeScrambled(const QString &fileName, QByteArray bytes)
{
    ScrambleStream(bytes);
    writeRaw(fileName, bytes);
}

inline QByteArray readRaw(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
