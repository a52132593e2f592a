#include "core/Clock.h"
#include "store/DataFiles.h"
#include "store/RunningJournal.h"
#include "store/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

class TestRunningJournal : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip();
    void unreadableJournalIsKeptAside_data();
    void unreadableJournalIsKeptAside();
};

void TestRunningJournal::roundTrip()
{
    QTemporaryDir dir;
    const ManualClock clock;
    const RunningJournal journal(RunningJournal::pathIn(dir.path()), clock);
    RunningConnection missing;
    QCOMPARE(journal.load(&missing), RunningJournal::LoadResult::Missing);

    RunningConnection c;
    c.token = QStringLiteral("nm /org/freedesktop/NetworkManager/ActiveConnection/3 \"x\" <y>");
    c.entryName = QStringLiteral("Провайдер & Co");
    c.providerName = c.entryName;
    c.startTime = 46000.123456789012; // every digit must survive
    c.cost = 0.1 + 0.2;
    c.userName = QStringLiteral("Jürgen");
    c.counters = {std::numeric_limits<qint64>::max(), 5, 6, 7, 40, 12, 115200, 3600500};
    QVERIFY(journal.write(c));

    RunningConnection loaded;
    QCOMPARE(journal.load(&loaded), RunningJournal::LoadResult::Loaded);
    QVERIFY(loaded == c);
    // Only the journal is there: the save left no temporary file behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList{QFileInfo(journal.filePath()).fileName()});
    QVERIFY(journal.remove());
    QVERIFY(!QFile::exists(journal.filePath()));
    QVERIFY(journal.remove());
}

void TestRunningJournal::unreadableJournalIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("enveloped");
    QTest::newRow("not XML") << QByteArray("\x01\x02garbage") << false;
    QTest::newRow("plain XML, no envelope")
        << QByteArray("<RunningConnection Start=\"46000\"/>") << false;
    QTest::newRow("another document") << QByteArray("<MainContent/>") << true;
    QTest::newRow("no start") << QByteArray("<RunningConnection Entry=\"A\"/>") << true;
    QTest::newRow("start no number")
        << QByteArray("<RunningConnection Start=\"yesterday\"/>") << true;
    QTest::newRow("start beyond the month files")
        << QByteArray("<RunningConnection Start=\"1e300\"/>") << true;
    QTest::newRow("negative bytes")
        << QByteArray("<RunningConnection Start=\"46000\" BytesIn=\"-1\"/>") << true;
    QTest::newRow("cost not finite")
        << QByteArray("<RunningConnection Start=\"46000\" Cost=\"nan\"/>") << true;
}

void TestRunningJournal::unreadableJournalIsKeptAside()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, enveloped);
    QTemporaryDir dir;
    const ManualClock clock(QDateTime(QDate(2026, 12, 9), QTime(17, 30, 5)));
    const RunningJournal journal(RunningJournal::pathIn(dir.path()), clock);
    if (enveloped) {
        XmlDocument document;
        QVERIFY(document.parse(content));
        QVERIFY(SaveDocument(journal.filePath(), document));
    } else {
        QFile file(journal.filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QFile original(journal.filePath());
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();

    RunningConnection loaded;
    QCOMPARE(journal.load(&loaded), RunningJournal::LoadResult::Unreadable);
    QVERIFY(!QFile::exists(journal.filePath()));
    QFile kept(journal.filePath() + QStringLiteral(".unreadable-20261209-173005"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
}

QTEST_GUILESS_MAIN(TestRunningJournal)
#include "test_running_journal.moc"
