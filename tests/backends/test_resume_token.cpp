// The journal's resume tokens, read back without trust.
#include "backends/ResumeToken.h"

#include <QTest>

class TestResumeToken : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void insertRefusesWhatWouldBreakTheLine();
};

void TestResumeToken::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<qint64>("number");
    QTest::newRow("a number") << "p 1 p=-42" << true << "p" << true << qint64(-42);
    // A number is the whole value, not what comes before a NUL or a blank.
    QTest::newRow("NUL after the digits")
        << QString::fromLatin1("p 1 p=4\0", 8) << true << "p" << false << qint64(0);
    QTest::newRow("encoded NUL") << "pppd 1 pid=4%00x" << true << "pid" << false << qint64(0);
    QTest::newRow("encoded blank") << "pppd 1 pid=%204" << true << "pid" << false << qint64(0);
    QTest::newRow("too large") << "p 1 p=9223372036854775808" << true << "p" << false << qint64(0);
    // A key that ends in a line break is no key.
    QTest::newRow("key with a final newline")
        << "pppd 1 pid=1 pid\n=2" << false << "pid" << false << qint64(0);
}

void TestResumeToken::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, key);
    QFETCH(bool, isNumber);
    QFETCH(qint64, number);
    const QString kind = text.section(QLatin1Char(' '), 0, 0);
    const std::optional<ResumeToken> token = ResumeToken::parse(text, kind, 1);
    QCOMPARE(token.has_value(), accepted);
    if (!token)
        return;
    QCOMPARE(token->number(key).has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*token->number(key), number);
}

void TestResumeToken::insertRefusesWhatWouldBreakTheLine()
{
    ResumeToken token(QStringLiteral("pppd"), 1);
    QVERIFY(token.insert(QStringLiteral("pid"), 1));
    QVERIFY(!token.insert(QStringLiteral("pid\n"), 2));
    QVERIFY(!token.insert(QStringLiteral("pid"), 3));
    QVERIFY(token.insert(QStringLiteral("iface"), QStringLiteral("ppp0\nx y")));
    QCOMPARE(token.text(), QStringLiteral("pppd 1 pid=1 iface=ppp0%0Ax%20y"));
}

QTEST_GUILESS_MAIN(TestResumeToken)
#include "test_resume_token.moc"
