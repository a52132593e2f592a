#include "app/SingleInstance.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void secondGuardIsRefused();
    void releasedWhenHolderEnds();
    void unwritableFolderIsAnError();
};

void TestSingleInstance::secondGuardIsRefused()
{
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    QVERIFY(first.acquire());
    QVERIFY(first.isHeld());
    SingleInstance second(dir.path());
    QVERIFY(!second.acquire());
    QVERIFY(second.heldElsewhere());
    QVERIFY(!second.isHeld());
    // Another data folder has a guard of its own.
    QTemporaryDir other;
    QVERIFY(SingleInstance(other.path()).acquire());
}

void TestSingleInstance::releasedWhenHolderEnds()
{
    QTemporaryDir dir;
    {
        SingleInstance holder(dir.path());
        QVERIFY(holder.acquire());
    }
    SingleInstance next(dir.path());
    QVERIFY(next.acquire());

    // A process killed outright leaves no stale guard: flock(1) holds the same
    // kind of lock and is killed while holding it.
    SingleInstance mine(dir.path() + "/sub");
    QDir().mkpath(dir.path() + "/sub");
    QProcess holder;
    holder.start(QStringLiteral("flock"),
                 {QStringLiteral("-n"), QStringLiteral("-o"), mine.lockPath(),
                  QStringLiteral("sleep"), QStringLiteral("30")});
    if (!holder.waitForStarted())
        QSKIP("flock(1) is not installed");
    QTRY_VERIFY_WITH_TIMEOUT(!SingleInstance(dir.path() + "/sub").acquire(), 5000);
    holder.kill();
    holder.waitForFinished();
    // flock(1) forks before its child drops the inherited descriptor, so the
    // lock may outlive the killed holder by a moment.
    QTRY_VERIFY_WITH_TIMEOUT(mine.acquire(), 5000);
}

void TestSingleInstance::unwritableFolderIsAnError()
{
    SingleInstance guard(QStringLiteral("/nonexistent-folder/for/lock"));
    QVERIFY(!guard.acquire());
    QVERIFY(!guard.heldElsewhere());
    QVERIFY(!guard.errorText().isEmpty());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
