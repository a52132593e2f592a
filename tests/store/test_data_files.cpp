#include "core/Clock.h"
#include "store/DataFileEnvelope.h"
#include "store/DataFiles.h"
#include "store/XmlDocument.h"

#include "DataFileFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

XmlDocument sampleDocument()
{
    XmlDocument document;
    pugi::xml_node root = document.addRoot("MainContent");
    pugi::xml_node item = root.append_child("ISP").append_child("Item");
    setAttributeText(item, "Name", QStringLiteral("Провайдер «Север» 東京"));
    setAttributeText(item, "PayConn", QStringLiteral("1,5"));
    setAttributeText(item, "DefCost", QStringLiteral("1"));
    return document;
}

} // namespace

class TestDataFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList leftovers() const
    {
        return QDir(m_dir.path())
            .entryList(QStringList{QStringLiteral("*.XXXXXX"), QStringLiteral("*.cfg.*"),
                                   QStringLiteral("*.sn2.*")},
                       QDir::Files);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void serializesPlainTreeInSetOrder()
    {
        XmlDocument document;
        pugi::xml_node root = document.addRoot("MainContent");
        pugi::xml_node line = root.append_child("Data").append_child("Line");
        setAttributeText(line, "Time", QStringLiteral("b"));
        setAttributeText(line, "Duration", QStringLiteral("a"));
        setAttributeText(line, "Cost", QStringLiteral("<&\">"));
        setAttributeText(line, "Time", QStringLiteral("c")); // replaces, keeps its place
        root.append_child("Struct");
        QCOMPARE(document.serialize(),
                 QByteArray("<MainContent><Data><Line Time=\"c\" Duration=\"a\" "
                            "Cost=\"&lt;&amp;&quot;>\"/></Data><Struct/></MainContent>"));
        QVERIFY(!document.addRoot("Other"));
    }

    void saveAndLoadKeepNonAsciiNames()
    {
        const QString fileName = path(QStringLiteral("names.cfg"));
        const XmlDocument saved = sampleDocument();
        QVERIFY(SaveDocument(fileName, saved));
        QVERIFY(!readRaw(fileName).contains("MainContent")); // never readable on disk

        XmlDocument loaded;
        QVERIFY(LoadDocument(fileName, loaded));
        QCOMPARE(loaded.serialize(), saved.serialize());
        QCOMPARE(attributeText(loaded.root().child("ISP").child("Item"), "Name"),
                 QStringLiteral("Провайдер «Север» 東京"));
        struct stat info = {};
        QCOMPARE(::stat(QFile::encodeName(fileName).constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0600));
        QVERIFY(leftovers().isEmpty());
    }

    void whiteSpaceTextIsDropped()
    {
        const QString fileName = path(QStringLiteral("indented.cfg"));
        writeScrambled(fileName, "<MainContent>\n  <General>\n    <Calculate Value=\"1\"/>\n"
                                 "  </General>\r\n\t<ISP/>\n</MainContent>\n");
        XmlDocument document;
        QVERIFY(LoadDocument(fileName, document));
        int children = 0;
        for (pugi::xml_node n = document.root().first_child(); n; n = n.next_sibling()) {
            QCOMPARE(n.type(), pugi::node_element);
            ++children;
        }
        QCOMPARE(children, 2);
        QCOMPARE(document.root().child("General").first_child().type(), pugi::node_element);
    }

    // Files that fail to load: a missing one leaves the document as it was,
    // any other leaves it empty.
    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("documentKept");

        QByteArray damaged(
            "<MainContent><General><Calculate Value=\"1\"/></General></MainContent>");
        ScrambleStream(damaged);
        damaged.chop(9);

        QTest::newRow("missing") << QByteArray() << false << true;
        QTest::newRow("empty") << QByteArray() << true << false;
        QTest::newRow("plain XML")
            << QByteArray("<MainContent><General/></MainContent>") << true << false;
        QTest::newRow("plain XML with declaration")
            << QByteArray("<?xml version=\"1.0\"?>\n<MainContent/>\n") << true << false;
        QTest::newRow("damaged") << damaged << true << false;
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, raw);
        QFETCH(bool, exists);
        QFETCH(bool, documentKept);
        const QString fileName =
            path(QStringLiteral("refused-%1.sn2").arg(QTest::currentDataTag()));
        if (exists)
            writeRaw(fileName, raw);

        XmlDocument document = sampleDocument();
        const QByteArray before = document.serialize();
        QVERIFY(!LoadDocument(fileName, document));
        QCOMPARE(document.isEmpty(), !documentKept);
        if (documentKept)
            QCOMPARE(document.serialize(), before);
        QCOMPARE(readRaw(fileName), raw); // a failed load never changes the file
    }

    void encodings_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QString>("expected");
        const QString name = QStringLiteral("Связь №1");

        QTest::newRow("no declaration")
            << QStringLiteral("<Item Name=\"Связь №1\"/>").toUtf8() << name;
        QTest::newRow("UTF-8 BOM")
            << QByteArray("\xEF\xBB\xBF") + QStringLiteral("<Item Name=\"Связь №1\"/>").toUtf8()
            << name;
        const QString text = QStringLiteral("<Item Name=\"Связь №1\"/>");
        QByteArray le("\xFF\xFE");
        QByteArray be("\xFE\xFF");
        for (const QChar c : text) {
            le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        }
        QTest::newRow("UTF-16 LE BOM") << le << name;
        QTest::newRow("UTF-16 BE BOM") << be << name;
        // "Связь №1" in windows-1251.
        QTest::newRow("windows-1251 declaration")
            << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"
                          "<Item Name=\"\xD1\xE2\xFF\xE7\xFC \xB9\x31\"/>")
            << name;
        QTest::newRow("ISO-8859-1 declaration")
            << QByteArray("<?xml version='1.0' encoding='ISO-8859-1'?><Item Name=\"Caf\xE9\"/>")
            << QStringLiteral("Café");
        QTest::newRow("unknown encoding refused")
            << QByteArray("<?xml version=\"1.0\" encoding=\"no-such-code\"?><Item/>") << QString();
        // Read as UTF-8 they would come back with replacement characters.
        QTest::newRow("Latin-1 without declaration refused")
            << QByteArray("<Item Name=\"M\xFCller\"/>") << QString();
        QTest::newRow("Latin-1 declared as UTF-8 refused")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Item Name=\"M\xFCller\"/>")
            << QString();
        QTest::newRow("declared UTF-8")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") +
                   QStringLiteral("<Item Name=\"Связь №1\"/>").toUtf8()
            << name;
    }

    void encodings()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QString, expected);
        const QString fileName = path(QStringLiteral("encoded.cfg"));
        writeScrambled(fileName, plain);
        XmlDocument document;
        QCOMPARE(LoadDocument(fileName, document), !expected.isNull());
        if (expected.isNull())
            return;
        QCOMPARE(attributeText(document.root(), "Name"), expected);
        // Written back, it is UTF-8 without a declaration.
        QVERIFY(document.serialize().startsWith("<Item "));
    }

    // Why a file did not load; only a damaged one is kept aside, and nothing
    // in the file's place holds the program up.
    void loadOutcomes_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reason");
        QTest::newRow("good") << "good" << int(DocumentLoad::Loaded) << QString();
        QTest::newRow("missing") << "missing" << int(DocumentLoad::Missing) << QString();
        QTest::newRow("damaged") << "damaged" << int(DocumentLoad::Damaged) << QString();
        QTest::newRow("folder") << "folder" << int(DocumentLoad::Inaccessible)
                                << QString::fromLocal8Bit(std::strerror(EISDIR));
        QTest::newRow("named pipe")
            << "pipe" << int(DocumentLoad::Inaccessible) << QStringLiteral("not a regular file");
    }

    void loadOutcomes()
    {
        QFETCH(QString, kind);
        QFETCH(int, outcome);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("26_12.sn2"));
        if (kind == QLatin1String("good"))
            writeScrambled(fileName, "<MainContent/>");
        else if (kind == QLatin1String("damaged"))
            writeRaw(fileName, "<MainContent/>");
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("26_12.sn2")));
        else if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(fileName).constData(), 0600), 0);

        XmlDocument document;
        const DocumentLoad load = ReadDocument(fileName, document);
        QCOMPARE(int(load.outcome), outcome);
        if (!reason.isEmpty())
            QCOMPARE(load.reason, reason);
        const ManualClock clock(QDateTime(QDate(2026, 12, 9), QTime(5, 6, 7)));
        QCOMPARE(PreserveUnreadableFile(fileName, clock), outcome == DocumentLoad::Damaged);
    }

    void failedSaves_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << QStringLiteral("no-such-folder/dialometer.cfg");
        QTest::newRow("target is a folder") << QStringLiteral("a-folder");
        QTest::newRow("empty name") << QString();
    }

    void failedSaves()
    {
        QFETCH(QString, target);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("a-folder")));
        const QString fileName = target.isEmpty() ? QString() : path(target);
        XmlDocument document = sampleDocument();
        const QByteArray before = document.serialize();
        QVERIFY(!SaveDocument(fileName, document));
        QCOMPARE(document.serialize(), before);
        QVERIFY(QFileInfo(path(QStringLiteral("a-folder"))).isDir());
        QCOMPARE(QDir(m_dir.path())
                     .entryList(QStringList{QStringLiteral("a-folder.*")},
                                QDir::AllEntries | QDir::Hidden),
                 QStringList());
    }

    void preserveUnreadable_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<bool>("kept");
        QByteArray good("<MainContent/>");
        ScrambleStream(good);
        QTest::newRow("unreadable") << QByteArray("<MainContent/>") << true;
        QTest::newRow("readable") << good << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void preserveUnreadable()
    {
        QFETCH(QByteArray, raw);
        QFETCH(bool, kept);
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("05_03.sn2"));
        writeRaw(fileName, raw);
        const ManualClock clock(QDateTime(QDate(2026, 12, 9), QTime(5, 6, 7)));

        QCOMPARE(PreserveUnreadableFile(fileName, clock), kept);
        const QString keptName = fileName + QStringLiteral(".unreadable-20261209-050607");
        QCOMPARE(QFileInfo::exists(keptName), kept);
        QCOMPARE(QFileInfo::exists(fileName), !kept);
        if (kept) {
            QCOMPARE(readRaw(keptName), raw);
            // A second one in the same second does not overwrite the first.
            writeRaw(fileName, "other");
            QVERIFY(PreserveUnreadableFile(fileName, clock));
            QCOMPARE(readRaw(keptName), raw);
            QCOMPARE(readRaw(keptName + QStringLiteral("-1")), QByteArray("other"));
        }
        QVERIFY(!PreserveUnreadableFile(dir.filePath(QStringLiteral("missing")), clock));
    }

    void removeInterruptedSaves()
    {
        QTemporaryDir home;
        QDir dir(home.path());
        QVERIFY(dir.mkpath(QStringLiteral("Logs/26_12.sn2.saving-Dir123")));
        // What a save killed before its rename leaves, beside what must stay.
        const QStringList gone{QStringLiteral("dialometer.cfg.saving-Ab3dE9"),
                               QStringLiteral("running-connection.xml.saving-Zz9Yy8"),
                               QStringLiteral("Logs/26_12.sn2.saving-x1Y2z3")};
        const QStringList kept{QStringLiteral("dialometer.cfg"),
                               QStringLiteral("dialometer.cfg.backup"),
                               QStringLiteral("dialometer.cfg.saving-Ab3dE"),
                               QStringLiteral("dialometer.cfg.saving-Ab3dE9x"),
                               QStringLiteral("notes.txt.saving-AbCdEf"),
                               QStringLiteral("Logs/26_11.sn2.saving-ab-def"),
                               QStringLiteral("Logs/26_12.sn2"),
                               QStringLiteral("Logs/26_12.sn2.unreadable-20261209-101010")};
        for (const QString &name : gone + kept)
            writeRaw(dir.filePath(name), "x");
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("Logs/26_12.sn2")),
                            dir.filePath(QStringLiteral("Logs/26_10.sn2.saving-Lnk123"))));

        QCOMPARE(RemoveInterruptedSaves(home.path()), int(gone.size()));
        for (const QString &name : gone)
            QVERIFY2(!QFileInfo::exists(dir.filePath(name)), qPrintable(name));
        for (const QString &name :
             kept + QStringList{QStringLiteral("Logs/26_12.sn2.saving-Dir123"),
                                QStringLiteral("Logs/26_10.sn2.saving-Lnk123")})
            QVERIFY2(QFileInfo::exists(dir.filePath(name)), qPrintable(name));
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "test_data_files.moc"
