#include "store/ConfigDocument.h"
#include "store/DataFileEnvelope.h"
#include "store/DataFiles.h"

#include "DataFileFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

XmlDocument parsed(const QByteArray &xml)
{
    XmlDocument document;
    if (!document.parse(xml))
        qFatal("test XML does not parse: %s", xml.constData());
    return document;
}

const QByteArray kFreshConfig =
    "<MainContent><General/><TariffTypes/><ISP/><Users/><Graph/></MainContent>";

} // namespace

class TestConfigDocument : public QObject
{
    Q_OBJECT

private slots:
    void firstStartBuildsFreshConfigInMemoryOnly()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("dialometer.cfg"));
        XmlDocument document;
        OpenConfig(fileName, document);
        QCOMPARE(document.serialize(), kFreshConfig);
        QVERIFY(!QFileInfo::exists(fileName));

        // The start-up reads of the graph settings leave their elements behind.
        for (const char *key : {"VertAx", "HorAx", "Type"})
            QCOMPARE(GetSectionValue(document, QStringLiteral("Graph"), QString::fromLatin1(key)),
                     QString());
        QCOMPARE(document.serialize(),
                 QByteArray("<MainContent><General/><TariffTypes/><ISP/><Users/>"
                            "<Graph><VertAx/><HorAx/><Type/></Graph></MainContent>"));
    }

    void openCompletes_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("opened");
        QTest::newRow("only General")
            << QByteArray("<MainContent><General><Calculate Value=\"1\"/></General></MainContent>")
            << QByteArray("<MainContent><General><Calculate Value=\"1\"/></General><TariffTypes/>"
                          "<ISP/><Users/><Graph/></MainContent>");
        QTest::newRow("other root name kept")
            << QByteArray("<Config><Users/></Config>")
            << QByteArray("<Config><Users/><General/><TariffTypes/><ISP/><Graph/></Config>");
        QTest::newRow("complete") << kFreshConfig << kFreshConfig;
    }

    void openCompletes()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, opened);
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("dialometer.cfg"));
        writeScrambled(fileName, stored);
        XmlDocument document;
        OpenConfig(fileName, document);
        QCOMPARE(document.serialize(), opened);
    }

    void unreadableConfigIsKeptAside()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("dialometer.cfg"));
        writeRaw(fileName,
                 "<MainContent><Users><Item Name=\"a\" Password=\"p\"/></Users></MainContent>");

        XmlDocument document;
        OpenConfig(fileName, document, ManualClock(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))));
        QCOMPARE(document.serialize(), kFreshConfig);
        QVERIFY(QFileInfo::exists(fileName + QStringLiteral(".unreadable-20260102-030405")));
        QVERIFY(SaveConfig(fileName, document));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    // Only a damaged file is kept aside. One that cannot be opened stays as it
    // is and is never saved over: the fresh configuration in its place lacks
    // what it holds.
    void openOutcomes_data()
    {
        QTest::addColumn<QByteArray>("plain"); // scrambled on disk; null: a folder instead
        QTest::addColumn<bool>("shutOut");     // made unreadable for the program
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("provider"); // the provider's name as opened
        const QByteArray latin1("<MainContent><ISP><Item Name=\"M\xFCller\"/></ISP></MainContent>");
        QTest::newRow("Latin-1 without declaration")
            << latin1 << false << int(DocumentLoad::Damaged) << QString();
        QTest::newRow("Latin-1 declared")
            << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>") + latin1 << false
            << int(DocumentLoad::Loaded) << QStringLiteral("Müller");
        QTest::newRow("folder in its place")
            << QByteArray() << false << int(DocumentLoad::Inaccessible) << QString();
        QTest::newRow("no permission")
            << kFreshConfig << true << int(DocumentLoad::Inaccessible) << QString();
    }

    void openOutcomes()
    {
        QFETCH(QByteArray, plain);
        QFETCH(bool, shutOut);
        QFETCH(int, outcome);
        QFETCH(QString, provider);
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("dialometer.cfg"));
        if (plain.isNull())
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dialometer.cfg")));
        else
            writeScrambled(fileName, plain);
        if (shutOut)
            makeUnreadable(fileName, dir.path());
        const QByteArray before = readRaw(fileName);

        const auto work = [&] {
            XmlDocument document;
            const DocumentLoad load = OpenConfig(
                fileName, document, ManualClock(QDateTime(QDate(2026, 1, 2), QTime(0, 0))));
            const bool named =
                attributeText(document.root().child("ISP").child("Item"), "Name") == provider;
            return int(load.outcome) | (named ? 4 : 0) | (SaveConfig(fileName, document) ? 8 : 0);
        };
        const int result = shutOut ? runUnprivileged(work) : work();
        if (result < 0)
            QSKIP("cannot drop root's privileges to meet a file root keeps to itself");
        QCOMPARE(result & 3, outcome);
        QVERIFY(result & 4);
        const bool refused = outcome == DocumentLoad::Inaccessible;
        QCOMPARE(bool(result & 8), !refused);
        QCOMPARE(QFileInfo::exists(fileName + QStringLiteral(".unreadable-20260102-000000")),
                 outcome == DocumentLoad::Damaged);
        if (refused) {
            QCOMPARE(QFileInfo(fileName).isDir(), plain.isNull());
            QCOMPARE(readRaw(fileName), before);
        } else {
            // What is saved holds no replacement character.
            XmlDocument saved;
            QVERIFY(LoadDocument(fileName, saved));
            QVERIFY(!QString::fromUtf8(saved.serialize()).contains(QChar::ReplacementCharacter));
        }
    }

    void generalValueIsCreatedByReading()
    {
        XmlDocument document = parsed(kFreshConfig);
        // Writing a setting that was never read changes nothing.
        SetGeneralValue(document, QStringLiteral("LastUser"), QStringLiteral("2"));
        QCOMPARE(document.serialize(), kFreshConfig);

        QCOMPARE(GetGeneralValue(document, QStringLiteral("LastUser")), QString());
        QCOMPARE(GetGeneralValue(document, QStringLiteral("LastUser")), QString());
        SetGeneralValue(document, QStringLiteral("LastUser"), QStringLiteral("2"));
        QCOMPARE(GetGeneralValue(document, QStringLiteral("LastUser")), QStringLiteral("2"));
        // Clearing writes an empty Value; the attribute stays.
        SetGeneralValue(document, QStringLiteral("LastUser"), QString());
        QCOMPARE(document.serialize(),
                 QByteArray("<MainContent><General><LastUser Value=\"\"/></General><TariffTypes/>"
                            "<ISP/><Users/><Graph/></MainContent>"));
    }

    void readingLeavesTheDocument_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("expected");
        const QByteArray head("<MainContent><General>");
        const QByteArray tail("</General><Graph/></MainContent>");
        QTest::newRow("missing setting reads its fallback")
            << QByteArray("<MainContent><General/><Graph/></MainContent>") << "-1";
        QTest::newRow("element without Value") << head + "<LastUser/>" + tail << "-1";
        QTest::newRow("empty Value stays empty") << head + "<LastUser Value=\"\"/>" + tail << "";
        QTest::newRow("stored value") << head + "<LastUser Value=\"3\"/>" + tail << "3";
        QTest::newRow("no section") << QByteArray("<MainContent/>") << "-1";
    }
    void readingLeavesTheDocument()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, expected);
        const XmlDocument document = parsed(xml);
        QCOMPARE(ReadSetting(document, ConfigKeys::LastUser), expected);
        QCOMPARE(document.serialize(), xml);
    }

    void findChildByAttribute_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("found"); // Password of the match, or empty
        QTest::newRow("case significant") << QStringLiteral("abc") << QString();
        QTest::newRow("first of two") << QStringLiteral("ABC") << QStringLiteral("first");
        QTest::newRow("non-ASCII") << QStringLiteral("Ёлка") << QStringLiteral("third");
        QTest::newRow("empty value matches empty attribute") << QString() << QStringLiteral("4");
    }

    void findChildByAttribute()
    {
        QFETCH(QString, value);
        QFETCH(QString, found);
        const XmlDocument document = parsed(
            QStringLiteral(
                "<MainContent><Users><Item Password=\"none\"/><Item Name=\"ABC\" "
                "Password=\"first\"/>"
                "<Item Name=\"ABC\" Password=\"second\"/><Item Name=\"Ёлка\" Password=\"third\"/>"
                "<Item Name=\"\" Password=\"4\"/></Users></MainContent>")
                .toUtf8());
        const pugi::xml_node users = document.root().child("Users");
        const pugi::xml_node match = FindChildByAttribute(users, QStringLiteral("Name"), value);
        QCOMPARE(attributeText(match, "Password"), found);
        QCOMPARE(bool(match), !found.isEmpty());
        QVERIFY(!FindChildByAttribute(pugi::xml_node(), QStringLiteral("Name"), value));
    }

    void listSectionItems()
    {
        const XmlDocument document =
            parsed("<MainContent><ISP><Item Name=\"One\"/><Item PayConn=\"1\"/><Item Name=\"Two\"/>"
                   "</ISP></MainContent>");
        QList<SectionItem> list{{QStringLiteral("stale"), {}}};
        QCOMPARE(ListSectionItems(document, QStringLiteral("ISP"), list, 7), 7);
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].name, QStringLiteral("One"));
        QCOMPARE(list[1].name, QStringLiteral("Two"));
        QCOMPARE(list[1].element, document.root().child("ISP").last_child());

        QCOMPARE(ListSectionItems(document, QStringLiteral("Users"), list, -1), -1);
        QVERIFY(list.isEmpty());
        XmlDocument empty;
        QCOMPARE(ListSectionItems(empty, QStringLiteral("Users"), list, 3), 3);
        QVERIFY(list.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestConfigDocument)
#include "test_config_document.moc"
