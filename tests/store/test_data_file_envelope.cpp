#include "store/DataFileEnvelope.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The envelope spelled out a byte at a time, to check the word-wise code.
QByteArray scrambledByBytes(QByteArray b)
{
    for (qsizetype i = 0; i + 1 < b.size(); ++i)
        b[i] = char(b[i] ^ b[i + 1]);
    if (!b.isEmpty())
        b[b.size() - 1] = char(b[b.size() - 1] ^ 0x5B);
    return b;
}

QByteArray randomBytes(qsizetype n, quint32 start)
{
    QRandomGenerator generator(start);
    QByteArray b(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i)
        b[i] = char(generator.bounded(256));
    return b;
}

} // namespace

class TestDataFileEnvelope : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("offset");
        for (int n : {0, 1, 2, 3, 7, 8, 9, 15, 16, 17, 31, 33, 255, 1000, 4097, 65537}) {
            QTest::addRow("n=%d", n) << n << 0;
            // Word loads and stores on a buffer that does not start on a word.
            QTest::addRow("n=%d unaligned", n) << n << 3;
        }
    }

    void roundTrip()
    {
        QFETCH(int, length);
        QFETCH(int, offset);
        const QByteArray plain = randomBytes(length, quint32(length * 31 + 7));
        QByteArray buffer = QByteArray(offset, 'x') + plain;
        buffer.remove(0, offset); // Qt moves the start, not the bytes
        if (offset != 0 && length > 0)
            QVERIFY(quintptr(buffer.constData()) % 8 != 0);

        ScrambleStream(buffer);
        QCOMPARE(buffer.size(), plain.size());
        QCOMPARE(buffer, scrambledByBytes(plain));
        UnscrambleStream(buffer);
        QCOMPARE(buffer, plain);
    }

    void knownBytes_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("one byte") << QByteArray("a") << QByteArray("\x3A");
        QTest::newRow("abc") << QByteArray("abc") << QByteArray("\x03\x01\x38");
        QTest::newRow("equal neighbours") << QByteArray("zz") << QByteArray("\x00\x21", 2);
    }

    void knownBytes()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, stored);
        QByteArray buffer = plain;
        ScrambleStream(buffer);
        QCOMPARE(buffer, stored);
        UnscrambleStream(buffer);
        QCOMPARE(buffer, plain);
    }
};

QTEST_APPLESS_MAIN(TestDataFileEnvelope)
#include "test_data_file_envelope.moc"
