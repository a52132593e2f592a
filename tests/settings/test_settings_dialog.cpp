#include "SettingsTestKit.h"
#include "access/TfrmPasswordBox.h"
#include "core/Clock.h"
#include "monitor/RecordingMonitorView.h"
#include "monitor/SessionMonitor.h"
#include "settings/AutostartEntry.h"
#include "settings/NumericPriceBox.h"
#include "settings/TSettings.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "store/MonthStatistics.h"
#include "support/FakeConnectionService.h"
#include "widgets/TrendGraph.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

// The settings dialog: loading, Apply, Ok and Cancel, the settings password,
// the start-up entry, and what an apply does to a running connection.
class TestSettingsDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeConnectionService m_service;

    QString configPath() const { return m_dir.filePath(QStringLiteral("dialometer.cfg")); }

    XmlDocument savedConfig() const
    {
        XmlDocument doc;
        LoadDocument(configPath(), doc);
        return doc;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("xdg")).toUtf8());
    }
    void init() { QFile::remove(configPath()); }

    void loading_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<int>("graphType");
        QTest::addColumn<bool>("applyEnabled");

        const QByteArray general = "<General><Calculate Value=\"1\"/><UserMode Value=\"0\"/>"
                                   "<WatchAll Value=\"0\"/><Password Value=\"\"/></General>";
        QTest::newRow("axes missing are written 1")
            << "<MainContent>" + general + "<TariffTypes/><ISP/><Users/><Graph/></MainContent>"
            << true << true << 1 << true;
        QTest::newRow("complete configuration")
            << "<MainContent>" + general +
                   "<TariffTypes/><ISP/><Users/><Graph><VertAx Value=\"0\"/>"
                   "<HorAx Value=\"1\"/><Type Value=\"2\"/></Graph></MainContent>"
            << false << true << 2 << false;
        QTest::newRow("type out of range selects none")
            << "<MainContent>" + general +
                   "<TariffTypes/><ISP/><Users/><Graph><VertAx Value=\"1\"/>"
                   "<HorAx Value=\"1\"/><Type Value=\"7\"/></Graph></MainContent>"
            << true << true << -1 << false;
        QTest::newRow("type not a number selects Filled")
            << "<MainContent>" + general +
                   "<TariffTypes/><ISP/><Users/><Graph><VertAx Value=\"1\"/>"
                   "<HorAx Value=\"1\"/><Type Value=\"x\"/></Graph></MainContent>"
            << true << true << 1 << false;
        QTest::newRow("provider gains its day elements")
            << "<MainContent>" + general +
                   "<TariffTypes/><ISP><Item Name=\"A\"/></ISP><Users/><Graph><VertAx Value=\"1\"/>"
                   "<HorAx Value=\"1\"/><Type Value=\"1\"/></Graph></MainContent>"
            << true << true << 1 << true;
    }
    void loading()
    {
        QFETCH(QByteArray, xml);
        QFETCH(bool, vertical);
        QFETCH(bool, horizontal);
        QFETCH(int, graphType);
        QFETCH(bool, applyEnabled);
        XmlDocument live;
        QVERIFY(live.parse(xml));
        SettingsPrompter prompter;
        TSettings dialog({live, configPath(), m_service, prompter}, nullptr);

        QCOMPARE(dialog.findChild<QCheckBox *>("chbVerticalAxis")->isChecked(), vertical);
        QCOMPARE(dialog.findChild<QCheckBox *>("chbHorizontalAxis")->isChecked(), horizontal);
        QCOMPARE(dialog.findChild<QComboBox *>("cmbGraphType")->currentIndex(), graphType);
        QCOMPARE(dialog.findChild<QPushButton *>("btnApply")->isEnabled(), applyEnabled);
        if (vertical)
            QCOMPARE(attribute(dialog.workConfig(), "/MainContent/Graph/VertAx", "Value"), "1");
        const pugi::xml_node provider = dialog.workConfig().root().child("ISP").first_child();
        if (provider) {
            QStringList days;
            for (pugi::xml_node day : provider.children())
                days << QString::fromUtf8(day.name());
            QCOMPARE(days, DayNames);
        }
        QVERIFY(!QFile::exists(configPath()));
    }

    // Apply writes the live document and the file and greys out; a change
    // undone by hand leaves Apply disabled; Cancel after Apply keeps it.
    void applyOkCancel()
    {
        XmlDocument live;
        NewConfig(live);
        SettingsPrompter prompter;
        TrendGraph graph;
        int applied = 0;
        SettingsContext context{live,     configPath(), m_service,
                                prompter, &graph,       [&applied] { ++applied; }};

        onModal<TSettings>([](TSettings *dialog) {
            auto *apply = dialog->findChild<QPushButton *>("btnApply");
            QVERIFY(apply->isEnabled()); // the settings read at loading were added
            apply->click();
            QVERIFY(!apply->isEnabled());
            auto *calculate = dialog->findChild<QCheckBox *>("chbCalculate");
            calculate->click();
            QVERIFY(apply->isEnabled());
            apply->click();
            calculate->click();
            calculate->click();
            QVERIFY(!apply->isEnabled());
            dialog->findChild<QCheckBox *>("chbUserMode")->click();
            dialog->findChild<QCheckBox *>("chbHorizontalAxis")->click();
            QTest::keyClick(dialog, Qt::Key_Escape);
            QTest::keyClick(dialog, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            click(dialog, "btnCancel");
        });
        QVERIFY(ShowSettingsDialog(context));
        QCOMPARE(applied, 2);
        QCOMPARE(attribute(live, "/MainContent/General/UserMode", "Value"), "");
        QCOMPARE(attribute(savedConfig(), "/MainContent/General/Calculate", "Value"), "1");
        QCOMPARE(attribute(savedConfig(), "/MainContent/Graph/HorAx", "Value"), "1");
        QCOMPARE(graph.gridStyle(), TrendGraph::gsFull);

        onModal<TSettings>([](TSettings *dialog) {
            dialog->findChild<QCheckBox *>("chbVerticalAxis")->click();
            dialog->findChild<QComboBox *>("cmbGraphType")->setEditText("Pie");
            click(dialog, "btnOk");
        });
        QVERIFY(ShowSettingsDialog(context));
        QCOMPARE(applied, 3);
        QCOMPARE(attribute(savedConfig(), "/MainContent/Graph/VertAx", "Value"), "0");
        QCOMPARE(attribute(live, "/MainContent/Graph/Type", "Value"), "-1");
        QCOMPARE(graph.gridStyle(), TrendGraph::gsYGrid);
        QCOMPARE(graph.style(), TrendGraph::tsFilled);
    }

    void password_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<std::optional<QString>>>("typed");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QStringList>("messages");

        using Texts = QList<std::optional<QString>>;
        QTest::newRow("none set") << QString() << Texts{} << true << QStringList{};
        QTest::newRow("right") << "Secret" << Texts{"Secret"} << true << QStringList{};
        QTest::newRow("other case")
            << "Secret" << Texts{"secret"} << false << QStringList{"Incorrect password"};
        QTest::newRow("cancelled") << "Secret" << Texts{} << false << QStringList{};
        QTest::newRow("empty, then cancelled")
            << "Secret" << Texts{QString("")} << false << QStringList{"Enter password"};
    }
    void password()
    {
        QFETCH(QString, stored);
        XmlDocument live = document("<MainContent><General><Password/></General></MainContent>");
        SetGeneralValue(live, "Password", stored);
        SettingsPrompter prompter;
        QFETCH(QList<std::optional<QString>>, typed);
        prompter.texts = typed;
        QFETCH(bool, shown);
        bool opened = false;
        if (shown)
            onModal<TSettings>([&opened](TSettings *dialog) {
                opened = true;
                click(dialog, "btnCancel");
            });
        QCOMPARE(ShowSettingsDialog({live, configPath(), m_service, prompter}), shown);
        QCOMPARE(opened, shown);
        QFETCH(QStringList, messages);
        QCOMPARE(prompter.messages, messages);
        QVERIFY(!QFile::exists(configPath()));
    }

    void newPassword_data()
    {
        QTest::addColumn<QList<std::optional<QString>>>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("messages");

        using Texts = QList<std::optional<QString>>;
        QTest::newRow("confirmed") << Texts{" pw ", " pw "} << " pw " << QStringList{};
        QTest::newRow("mismatch") << Texts{"pw", "PW"} << "old"
                                  << QStringList{"Incorrect password !!!"};
        QTest::newRow("second cancelled")
            << Texts{"pw", std::nullopt} << "old" << QStringList{"Incorrect password !!!"};
        QTest::newRow("first cancelled") << Texts{} << "old" << QStringList{};
    }
    void newPassword()
    {
        XmlDocument live = document(
            "<MainContent><General><Password Value=\"old\"/></General><Graph/></MainContent>");
        SettingsPrompter prompter;
        TSettings dialog({live, configPath(), m_service, prompter}, nullptr);
        QFETCH(QList<std::optional<QString>>, typed);
        prompter.texts = typed;
        click(&dialog, "btnPassword");
        QFETCH(QString, stored);
        QCOMPARE(GetGeneralValue(dialog.workConfig(), "Password"), stored);
        QFETCH(QStringList, messages);
        QCOMPARE(prompter.messages, messages);

        // Unticking the box removes the password: the next opening asks none.
        dialog.findChild<QCheckBox *>("chbPassword")->click();
        QVERIFY(!dialog.findChild<QPushButton *>("btnPassword")->isEnabled());
        dialog.ApplySettings();
        QCOMPARE(attribute(live, "/MainContent/General/Password", "Value"), "");
        QVERIFY(live.root().child("General").child("Password").attribute("Value"));
    }

    void passwordBox()
    {
        SettingsPrompter prompter;
        onModal<TfrmPasswordBox>([](TfrmPasswordBox *box) {
            QCOMPARE(box->windowTitle(), "Enter password");
            auto *edit = box->findChild<QLineEdit *>("edtPassword");
            QCOMPARE(edit->echoMode(), QLineEdit::Password);
            QTest::keyClick(edit, Qt::Key_Return); // empty: stays open
            QVERIFY(box->isVisible());
            QTest::keyClicks(edit, "  a b ");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(TfrmPasswordBox::ask("Enter password", prompter), "  a b ");
        QCOMPARE(prompter.messages, QStringList{"Enter password"});
    }

    // The desktop session's start-up entry, in a temporary XDG_CONFIG_HOME.
    void startUpEntry()
    {
        XmlDocument live;
        NewConfig(live);
        SettingsPrompter prompter;
        const QString program = m_dir.filePath("my programs/dialometer");
        const QString path = AutostartEntry::filePath();
        QVERIFY(path.startsWith(m_dir.path()));
        SettingsContext context{live, configPath(), m_service, prompter};
        context.executablePath = program;
        {
            TSettings dialog(context, nullptr);
            auto *box = dialog.findChild<QCheckBox *>("chbStartUp");
            QVERIFY(!box->isChecked());
            box->click();
            dialog.ApplySettings();
        }
        QVERIFY(AutostartEntry::isEnabled());
        QCOMPARE(AutostartEntry::executable(), program);

        // An entry that already starts this program is left as it is.
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write("X-Kept=true\n");
        file.close();
        {
            TSettings dialog(context, nullptr);
            QVERIFY(dialog.findChild<QCheckBox *>("chbStartUp")->isChecked());
            dialog.ApplySettings();
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("X-Kept"));
        file.close();

        // A hidden entry reads as unticked; unticked, Apply removes it.
        QVERIFY(file.open(QIODevice::Append));
        file.write("Hidden=true\n");
        file.close();
        {
            TSettings dialog(context, nullptr);
            QVERIFY(!dialog.findChild<QCheckBox *>("chbStartUp")->isChecked());
            dialog.ApplySettings();
        }
        QVERIFY(!QFile::exists(path));
    }

    // A configuration edited by hand keeps what the program does not know.
    void handEditedConfiguration()
    {
        XmlDocument live = document(
            "<MainContent><Extra Keep=\"1\"><Deep/></Extra>"
            "<TariffTypes><Item ID=\"x\" Name=\"Odd\" Minute=\"abc\" Colour=\"red\"/></TariffTypes>"
            "<ISP><Item Name=\"P\" PayConn=\"1,5\" DefCost=\"x\" Note=\"n\"><Monday>"
            "<Item Time1=\"25:99\" TariffType=\"9\"/></Monday><Holiday/></Item></ISP>"
            "</MainContent>");
        EnsureConfigSections(live);
        SettingsPrompter prompter;
        TSettings dialog({live, configPath(), m_service, prompter}, nullptr);
        QCOMPARE(dialog.findChild<QComboBox *>("cmbDefCost")->currentText(), "Odd");
        QCOMPARE(dialog.findChild<NumericPriceBox *>("edtPayConn")->amountText(), "1.5");
        dialog.findChild<QCheckBox *>("chbCalculate")->click();
        dialog.ApplySettings();

        const XmlDocument saved = savedConfig();
        QCOMPARE(attribute(saved, "/MainContent/Extra", "Keep"), "1");
        QVERIFY(saved.doc().select_node("/MainContent/Extra/Deep"));
        QCOMPARE(attribute(saved, "/MainContent/TariffTypes/Item", "Colour"), "red");
        QCOMPARE(attribute(saved, "/MainContent/ISP/Item", "Note"), "n");
        QCOMPARE(attribute(saved, "/MainContent/ISP/Item/Monday/Item", "Time1"), "25:99");
        QVERIFY(saved.doc().select_node("/MainContent/ISP/Item/Holiday"));
        QCOMPARE(attribute(saved, "/MainContent/General/Calculate", "Value"), "1");
    }

    // A running connection is priced by the applied schedule from the next
    // tick on.
    void runningConnectionPricedByApply()
    {
        XmlDocument live = document(
            "<MainContent><General><Calculate Value=\"1\"/></General>"
            "<TariffTypes><Item ID=\"1\" Name=\"Cheap\" Minute=\"1\"/>"
            "<Item ID=\"2\" Name=\"Dear\" Minute=\"10\"/></TariffTypes>"
            "<ISP><Item Name=\"Line\" DefCost=\"1\"/></ISP><Users/><Graph/></MainContent>");
        ManualClock clock;
        MonthStatistics log(m_dir.filePath("00_01.sn2"), clock);
        log.open();
        RecordingMonitorView view;
        FakeConnectionService service;
        SessionMonitor monitor(service, live, log, clock, view);
        FakeConnectionService::Connection line;
        line.handle = 1;
        line.entry = "Line";
        service.connections.append(line);
        const auto tickMinute = [&] {
            for (int i = 0; i < 120; ++i) {
                monitor.Timer1Timer();
                clock.advanceMs(SessionMonitor::intervalMs());
            }
        };
        tickMinute();
        const double before = monitor.SessionCost();
        QVERIFY(before > 0.9 && before < 1.1);

        SettingsPrompter prompter;
        {
            TSettings dialog({live, configPath(), service, prompter}, nullptr);
            auto *defCost = dialog.findChild<QComboBox *>("cmbDefCost");
            defCost->setCurrentIndex(1);
            emit defCost->activated(1);
            dialog.ApplySettings();
        }
        monitor.refindProvider();
        tickMinute();
        QVERIFY(monitor.SessionCost() - before > 9.9);
        QVERIFY(monitor.SessionCost() - before < 10.1);
    }

    // The shown texts follow the language; the day elements written to the
    // file and the user's names (providers, tariff types) do not.
    void shownInLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("monday");
        QTest::addColumn<QString>("range");
        QTest::newRow("en") << "en"
                            << "&Tariffs"
                            << "Monday"
                            << "from 08:00 to 09:00 tariff \"Night\"";
        QTest::newRow("de") << "de"
                            << "&Tarife"
                            << "Montag"
                            << "von 08:00 bis 09:00 Tarif „Night“";
        QTest::newRow("ru") << "ru"
                            << "&Тарифы"
                            << "Понедельник"
                            << "с 08:00 до 09:00, тариф «Night»";
    }
    void shownInLanguage()
    {
        QFETCH(QString, language);
        QTranslator translator;
        if (language != "en") {
            QVERIFY(translator.load("dialometer_" + language, ":/i18n"));
            QCoreApplication::installTranslator(&translator);
        }
        XmlDocument live = document(
            "<MainContent><General/>"
            "<TariffTypes><Item ID=\"1\" Name=\"Night\" Minute=\"1\"/></TariffTypes>"
            "<ISP><Item Name=\"Home\"><Monday>"
            "<Item Time1=\"08:00\" Time2=\"09:00\" TariffType=\"1\"/></Monday></Item></ISP>"
            "<Users/><Graph/></MainContent>");
        SettingsPrompter prompter;
        TSettings dialog({live, configPath(), m_service, prompter}, nullptr);

        QFETCH(QString, tab);
        QCOMPARE(dialog.findChild<QTabWidget *>("PageControl1")->tabText(1), tab);
        QCOMPARE(dialog.findChild<QComboBox *>("cmbISP")->currentText(), "Home");
        const QTreeWidgetItem *monday =
            dialog.findChild<QTreeWidget *>("TreeView1")->topLevelItem(0);
        QTEST(monday->text(0), "monday");
        QTEST(monday->child(0)->text(0), "range");
        dialog.ApplySettings();
        QStringList days;
        const XmlDocument saved = savedConfig();
        for (pugi::xml_node day : saved.root().child("ISP").first_child().children())
            days << QString::fromUtf8(day.name());
        QCOMPARE(days, DayNames);
        QFile::remove(configPath());
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "test_settings_dialog.moc"
