#include "support/FakeConnectionService.h"
#include "ScriptedPrompter.h"

#include "app/TMain.h"
#include "backends/sim/SimulatedModemService.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "monitor/SessionMonitor.h"
#include "store/ConfigDocument.h"
#include "store/MonthStatistics.h"
#include "widgets/TrendGraph.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QStringList captions(const QMenu *menu)
{
    QStringList list;
    for (const QAction *action : menu->actions())
        list << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return list;
}

QStringList names(const QMenu *menu)
{
    QStringList list;
    for (const QAction *action : menu->actions())
        list << action->objectName();
    return list;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        QTemporaryDir dir;
        ManualClock clock{QDateTime(QDate(2009, 3, 5), QTime(10, 0))};
        FakeConnectionService service;
        ScriptedPrompter prompter;
        std::unique_ptr<TMain> window;

        void start()
        {
            window = std::make_unique<TMain>(service, prompter, clock, dir.path());
            window->timer1()->stop(); // the test ticks by hand
        }
        void tick(int count = 1)
        {
            for (int i = 0; i < count; ++i) {
                window->Timer1Timer();
                clock.advanceMs(500);
            }
        }
        QString text(const char *name) const
        {
            auto *label = window->findChild<QLabel *>(QLatin1String(name));
            return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
        }
        void connect(const QString &entry, const SessionCounters &counters)
        {
            service.connections = {{7, entry, counters}};
        }
    };

private slots:
    void initialTexts_data();
    void initialTexts();
    void windowShape();
    void startWritesMonthFileNameOnly();
    void figuresAfterTicks();
    void disconnectRecordsSession();
    void trayMenuItemsInOrder();
    void mainMenuItemsInOrder();
    void connectionsMenuRebuiltOnEveryOpening();
    void connectionsMenuKeepsAmpersands();
    void exitAnswered_data();
    void exitAnswered();
    void exitDoesNothingWhileDialing();
    void closeHides_data();
    void closeHides();
    void graphCaptionFollowsLevel();
    void graphSettings_data();
    void graphSettings();
    void disconnectHangsUp();
    void aboutShowsVersion();
    void settingsRefindsProvider();
};

void TestMainWindow::initialTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const QList<std::pair<const char *, const char *>> rows = {
        {"StaticText_curtime", "00:00:00"},
        {"StaticText_curcost", "0.00 "},
        {"StaticText_monthtime", "00:00:00"},
        {"StaticText_monthcost", "0.00 "},
        {"StaticText_accbyte", "0"},
        {"StaticText_sentbyte", "0"},
        {"StaticText_accpack", "0"},
        {"StaticText_sentpack", "0"},
        {"StaticText_acccomp", "0%"},
        {"StaticText_sentcomp", "0%"},
        {"StaticText_speed", "0 KBps"},
        {"lblISP", "None"},
        {"lblUserName", "None"},
        {"Label_ISP", "ISP"},
        {"Label_user", "User"},
        {"Label_time", "Time"},
        {"Label_cost", "Cost"},
        {"Label_current", "Current connection:"},
        {"Label_month", "Current month:"},
        {"Label_in", "Received"},
        {"Label_out", "Sent"},
        {"Label_bytes", "Bytes:"},
        {"Label_pack", "Packs:"},
        {"Label_comp", "Compression:"},
        {"Label_speed", "Speed:"},
        {"StatusBar1Text", "Disconnected..."},
    };
    for (const auto &[name, text] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text);
}

void TestMainWindow::initialTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    Fixture f;
    f.start();
    QCOMPARE(f.text(name.toLatin1().constData()), text);
}

void TestMainWindow::windowShape()
{
    Fixture f;
    f.start();
    TMain &w = *f.window;
    QVERIFY(!w.isVisible()); // only the tray icon at start
    QCOMPARE(w.windowTitle(), QStringLiteral("Dialometer"));
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.graph()->caption(), QStringLiteral("5 Kb/s"));
    QCOMPARE(w.findChild<QGroupBox *>("GroupBox1")->title(), QStringLiteral("Connection"));
    QCOMPARE(w.findChild<QGroupBox *>("GroupBox2")->title(), QStringLiteral("State"));
    QVERIFY(w.findChild<QPushButton *>("btnClose")->isDefault());
    QCOMPARE(w.trayImage(), int(MonitorView::TrayDisconnected));
    // Not resizable: the size is fixed whatever is asked.
    w.show();
    const QSize size = w.size();
    w.resize(size + QSize(50, 50));
    QCOMPARE(w.size(), size);
    QCOMPARE(w.centralWidget()->width(), 322);
}

void TestMainWindow::startWritesMonthFileNameOnly()
{
    Fixture f;
    f.start();
    QCOMPARE(f.window->StatsFileName(), QStringLiteral("09_03.sn2"));
    QVERIFY(QFileInfo(f.dir.filePath("Logs")).isDir());
    // The configuration is read, never written at start.
    QVERIFY(!QFile::exists(configPath(f.dir.path())));
    // The month keeps its file after midnight at the end of the month.
    f.clock.set(QDateTime(QDate(2009, 4, 1), QTime(0, 0, 30)));
    f.connect(QStringLiteral("Alpha"), {});
    f.tick(2);
    f.service.connections.clear();
    f.tick();
    QVERIFY(QFile::exists(f.dir.filePath("Logs/09_03.sn2")));
    QVERIFY(!QFile::exists(f.dir.filePath("Logs/09_04.sn2")));
}

void TestMainWindow::figuresAfterTicks()
{
    Fixture f;
    f.start();
    f.tick();
    SessionCounters c;
    c.dwBytesRcved = 123456;
    c.dwBytesXmited = 2048;
    c.dwFramesRcved = 321;
    c.dwFramesXmited = 45;
    c.dwCompressionRatioIn = 45;
    c.dwCompressionRatioOut = 7;
    c.dwBps = 57600;
    c.dwConnectDuration = 90061000; // 1 day 01:01:01
    f.connect(QStringLiteral("Alpha"), c);
    f.tick(3);
    QCOMPARE(f.text("lblISP"), QStringLiteral("Alpha"));
    QCOMPARE(f.text("StaticText_speed"), QStringLiteral("57.6 KBps"));
    QCOMPARE(f.text("StaticText_accbyte"), QStringLiteral("123,456"));
    QCOMPARE(f.text("StaticText_sentbyte"), QStringLiteral("2,048"));
    QCOMPARE(f.text("StaticText_accpack"), QStringLiteral("321"));
    QCOMPARE(f.text("StaticText_sentpack"), QStringLiteral("45"));
    QCOMPARE(f.text("StaticText_acccomp"), QStringLiteral("45%"));
    QCOMPARE(f.text("StaticText_sentcomp"), QStringLiteral("7%"));
    QCOMPARE(f.text("StaticText_curtime"), QStringLiteral("1.01:01:01"));
    QCOMPARE(f.text("StaticText_monthtime"), QStringLiteral("1.01:01:01"));
    QCOMPARE(f.text("StatusBar1Text"), QStringLiteral("Connected..."));
    QVERIFY(f.window->timer2()->isActive()); // the balloon goes after 4 s
    QCOMPARE(f.window->timer2()->interval(), 4000);
    QCOMPARE(f.window->trayIcon()->toolTip(),
             QStringLiteral("Alpha\nSpeed: 57.6 KBps\nSent: 2,048 bytes\nReceived: 123,456 bytes"));
    // Counters standing still: both lights idle, the tray shows no traffic.
    QCOMPARE(f.window->trayImage(), int(MonitorView::TrayNoTraffic));
    f.service.connections[0].counters.dwBytesRcved += 1000;
    f.tick();
    QCOMPARE(f.window->trayImage(), int(MonitorView::TrayReceiving));
    f.window->Timer2Timer();
    QVERIFY(!f.window->timer2()->isActive());
}

void TestMainWindow::disconnectRecordsSession()
{
    Fixture f;
    f.start();
    SessionCounters c;
    c.dwBytesRcved = 5000;
    c.dwBytesXmited = 700;
    c.dwBps = 33600;
    c.dwConnectDuration = 61000;
    f.connect(QStringLiteral("Beta"), c);
    f.tick(4);
    f.service.connections.clear();
    f.tick();
    QCOMPARE(f.text("lblISP"), QStringLiteral("None"));
    QCOMPARE(f.text("StaticText_accbyte"), QStringLiteral("0"));
    QCOMPARE(f.text("StaticText_monthtime"), QStringLiteral("00:01:01"));
    QCOMPARE(f.text("StatusBar1Text"), QStringLiteral("Disconnected..."));
    QCOMPARE(f.window->trayImage(), int(MonitorView::TrayDisconnected));
    QCOMPARE(f.window->trayIcon()->toolTip(), QString());

    // The month file holds the session as soon as it ends.
    MonthStatistics reread(f.dir.filePath("Logs/09_03.sn2"), f.clock);
    QCOMPARE(reread.open(), QString());
    QCOMPARE(reread.table().rowCount(), 1);
    QCOMPARE(reread.table().value(0, QStringLiteral("ConnectName")).toString(),
             QStringLiteral("Beta"));
    QCOMPARE(reread.table().value(0, QStringLiteral("TrafficIn")).toLongLong(), 5000);
    QCOMPARE(reread.table().value(0, QStringLiteral("TrafficOut")).toLongLong(), 700);
}

void TestMainWindow::trayMenuItemsInOrder()
{
    Fixture f;
    f.start();
    QMenu *menu = f.window->trayMenu();
    QCOMPARE(captions(menu), (QStringList{"Show counter", "Statistic", "Settings", "-",
                                          "Connections", "Disconnect", "About", "-", "Exit"}));
    QCOMPARE(names(menu), (QStringList{"Showcounter1", "Statistic1", "Settings1", "N4",
                                       "ConnectionsMenu", "Disconnect1", "About1", "N1", "Exit1"}));
    QCOMPARE(menu->defaultAction()->objectName(), QStringLiteral("Showcounter1"));
    QVERIFY(menu->defaultAction()->font().bold());
    QCOMPARE(f.window->trayIcon()->contextMenu(), menu);
}

void TestMainWindow::mainMenuItemsInOrder()
{
    Fixture f;
    f.start();
    QMenuBar *bar = f.window->menuBar();
    QCOMPARE(bar->objectName(), QStringLiteral("MainMenu1"));
    const QList<QAction *> tops = bar->actions();
    QCOMPARE(tops.size(), 2);
    QCOMPARE(tops[0]->text(), QStringLiteral("Main"));
    QCOMPARE(tops[1]->text(), QStringLiteral("Help"));
    QCOMPARE(captions(tops[0]->menu()), (QStringList{"Statistic", "Settings", "-", "Connections",
                                                     "Disconnect", "-", "Close", "Exit"}));
    QCOMPARE(captions(tops[1]->menu()), QStringList{"About"});
}

void TestMainWindow::connectionsMenuRebuiltOnEveryOpening()
{
    Fixture f;
    f.start();
    f.service.phonebook = {"Alpha", "Beta"};
    auto *tray = f.window->findChild<QMenu *>("ConnectionsMenu");
    auto *main = f.window->findChild<QMenu *>("Connections1");
    QVERIFY(tray && main);
    // Built on opening only.
    QCOMPARE(captions(tray), QStringList());
    f.window->PopupMenu1Popup();
    QCOMPARE(captions(tray), (QStringList{"Alpha", "Beta", "-", "Setting"}));
    f.service.phonebook << "Gamma";
    emit f.window->trayMenu()->aboutToShow();
    QCOMPARE(captions(tray), (QStringList{"Alpha", "Beta", "Gamma", "-", "Setting"}));
    QCOMPARE(f.window->EntryList(), (QStringList{"Alpha", "Beta", "Gamma"}));
    // The window's submenu follows on every show, not on its own.
    QCOMPARE(captions(main), QStringList());
    f.window->show();
    QCOMPARE(captions(main), (QStringList{"Alpha", "Beta", "Gamma", "-", "Setting"}));
    f.service.phonebook.clear();
    f.window->hide();
    f.window->show();
    QCOMPARE(captions(main), (QStringList{"-", "Setting"}));
}

void TestMainWindow::connectionsMenuKeepsAmpersands()
{
    Fixture f;
    f.start();
    f.service.phonebook = {"Tom&Jerry", "A&B&C"};
    f.window->PopupMenu1Popup();
    auto *tray = f.window->findChild<QMenu *>("ConnectionsMenu");
    const QList<QAction *> items = tray->actions();
    QCOMPARE(items[0]->text(), QStringLiteral("Tom&&Jerry")); // shown as written
    QCOMPARE(items[0]->data().toString(), QStringLiteral("Tom&Jerry"));
    QCOMPARE(items[1]->data().toString(), QStringLiteral("A&B&C"));
}

void TestMainWindow::exitAnswered_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Cancel") << int(Prompter::Cancel) << false;
    QTest::newRow("Yes") << int(Prompter::Yes) << true;
}

void TestMainWindow::exitAnswered()
{
    QFETCH(int, answer);
    QFETCH(bool, ends);
    Fixture f;
    f.start();
    f.prompter.answers = {Prompter::Button(answer)};
    QSignalSpy confirmed(f.window.get(), &TMain::exitConfirmed);
    f.window->findChild<QAction *>("Exit1")->trigger();
    QCOMPARE(f.prompter.asked.size(), 1);
    const ScriptedPrompter::Asked &q = f.prompter.asked[0];
    QCOMPARE(q.text, QStringLiteral("If you will close program now, connection data may be "
                                    "incorrect.\r\nDo you want to close the program?"));
    QCOMPARE(q.buttons, Prompter::Buttons(Prompter::Yes | Prompter::Cancel));
    QCOMPARE(q.icon, Prompter::Icon::Warning);
    QCOMPARE(confirmed.size(), ends ? 1 : 0);
}

void TestMainWindow::exitDoesNothingWhileDialing()
{
    SimulationScenario scenario;
    scenario.phonebook = {QStringLiteral("Tom&Jerry")};
    scenario.dialDefault.delayMs = 60000;
    SimulatedModemService modem(scenario, std::make_unique<ManualElapsedTime>());
    QTemporaryDir dir;
    ManualClock clock;
    ScriptedPrompter prompter;
    prompter.answers = {Prompter::Yes};
    TMain window(modem, prompter, clock, dir.path());
    QSignalSpy confirmed(&window, &TMain::exitConfirmed);
    window.PopupMenu1Popup();
    QAction *item = window.findChild<QMenu *>("ConnectionsMenu")->actions().value(0);
    QVERIFY(item);

    QString dialled;
    bool openDuringDial = false;
    QTimer::singleShot(0, &window, [&] {
        auto *dialog = window.findChild<QDialog *>(QStringLiteral("DialDialog"));
        dialled = dialog ? dialog->windowTitle() : QString();
        openDuringDial = window.RasDialogOpen();
        window.findChild<QAction *>("Exit1")->trigger();
        if (dialog)
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    item->trigger(); // the dial dialog runs until the timer closes it
    QCOMPARE(dialled, QStringLiteral("Tom&Jerry"));
    QVERIFY(openDuringDial);
    QVERIFY(prompter.asked.isEmpty());
    QCOMPARE(confirmed.size(), 0);
    QVERIFY(!window.RasDialogOpen());
    window.ExitClick(); // asks again once the dialog is gone
    QCOMPARE(prompter.asked.size(), 1);
    QCOMPARE(confirmed.size(), 1);
}

void TestMainWindow::closeHides_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("tray");
    for (bool tray : {true, false}) {
        const char *suffix = tray ? "" : " without tray";
        QTest::newRow(qPrintable(QStringLiteral("close box%1").arg(suffix)))
            << QStringLiteral("close") << tray;
        QTest::newRow(qPrintable(QStringLiteral("btnClose%1").arg(suffix)))
            << QStringLiteral("btnClose") << tray;
        QTest::newRow(qPrintable(QStringLiteral("Close item%1").arg(suffix)))
            << QStringLiteral("Close1") << tray;
    }
}

void TestMainWindow::closeHides()
{
    QFETCH(QString, how);
    QFETCH(bool, tray);
    Fixture f;
    f.start();
    f.window->setTrayAvailableOverride(tray);
    f.window->show();
    QVERIFY(f.window->isVisible());
    if (how == QLatin1String("close"))
        f.window->close();
    else if (how == QLatin1String("btnClose"))
        f.window->findChild<QPushButton *>("btnClose")->click();
    else
        f.window->findChild<QAction *>("Close1")->trigger();
    if (tray) {
        QVERIFY(!f.window->isVisible());
    } else {
        // Without a tray nothing could show the window again.
        QVERIFY(f.window->isVisible());
        QVERIFY(f.window->isMinimized());
    }
    QVERIFY(f.window->timer1()->interval() == 500);
    // The double click on the tray icon brings it back.
    f.window->CoolTrayIcon1DblClick();
    QVERIFY(f.window->isVisible());
    QVERIFY(!f.window->isMinimized());
}

void TestMainWindow::graphCaptionFollowsLevel()
{
    Fixture f;
    f.start();
    TrendGraph *graph = f.window->graph();
    QCOMPARE(graph->caption(), QStringLiteral("5 Kb/s"));
    // Twice the top of the scale in one sample moves the level up.
    graph->AddValue(10240);
    QCOMPARE(graph->caption(), QStringLiteral("%1Kb/s").arg(graph->level() * 5));
    QVERIFY(graph->level() > 1);
    f.window->TrendGraph1ChangeDescret(graph, 1);
    QCOMPARE(graph->caption(), QStringLiteral("5Kb/s"));
}

void TestMainWindow::graphSettings_data()
{
    QTest::addColumn<QString>("vert");
    QTest::addColumn<QString>("hor");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("style");
    QTest::newRow("both 1") << "1"
                            << "1"
                            << "0" << int(TrendGraph::gsFull) << int(TrendGraph::ts3D);
    QTest::newRow("both empty") << ""
                                << ""
                                << "" << int(TrendGraph::gsFull) << int(TrendGraph::tsFilled);
    QTest::newRow("vertical only") << "1"
                                   << ""
                                   << "2" << int(TrendGraph::gsXGrid) << int(TrendGraph::tsLine);
    QTest::newRow("horizontal only")
        << "0"
        << "1"
        << "3" << int(TrendGraph::gsYGrid) << int(TrendGraph::tsScatter);
    QTest::newRow("neither") << "0"
                             << "0"
                             << "7" << int(TrendGraph::gsNone) << int(TrendGraph::tsFilled);
    QTest::newRow("not a number") << ""
                                  << "0"
                                  << "abc" << int(TrendGraph::gsNone) << int(TrendGraph::tsFilled);
}

void TestMainWindow::graphSettings()
{
    QFETCH(QString, vert);
    QFETCH(QString, hor);
    QFETCH(QString, type);
    QFETCH(int, grid);
    QFETCH(int, style);
    Fixture f;
    XmlDocument config;
    NewConfig(config);
    for (const auto &[key, value] :
         {std::pair{"VertAx", vert}, std::pair{"HorAx", hor}, std::pair{"Type", type}}) {
        GetSectionValue(config, QStringLiteral("Graph"), QLatin1String(key));
        SetSectionValue(config, QStringLiteral("Graph"), QLatin1String(key), value);
    }
    QVERIFY(SaveConfig(configPath(f.dir.path()), config));
    f.start();
    QCOMPARE(int(f.window->graph()->gridStyle()), grid);
    QCOMPARE(int(f.window->graph()->style()), style);
}

void TestMainWindow::disconnectHangsUp()
{
    Fixture f;
    f.start();
    f.window->DisconnectClick(); // nothing up: nothing to do
    QCOMPARE(f.service.hangUps, 0);
    f.connect(QStringLiteral("Alpha"), {});
    f.tick(2);
    f.window->findChild<QPushButton *>("btnDisconnect")->click();
    QCOMPARE(f.service.hangUps, 1);
    QVERIFY(f.service.connections.isEmpty());
    f.tick();
    QCOMPARE(f.text("StatusBar1Text"), QStringLiteral("Disconnected..."));
}

void TestMainWindow::aboutShowsVersion()
{
    Fixture f;
    f.start();
    f.window->findChild<QAction *>("About1")->trigger();
    QCOMPARE(f.prompter.asked.size(), 1);
    QVERIFY(f.prompter.asked[0].text.contains(QStringLiteral("Dialometer")));
    QVERIFY(f.prompter.asked[0].text.contains(QStringLiteral("Version 1.4")));
    QCOMPARE(f.prompter.asked[0].buttons, Prompter::Buttons(Prompter::Ok));
}

void TestMainWindow::settingsRefindsProvider()
{
    Fixture f;
    XmlDocument config;
    NewConfig(config);
    pugi::xml_node item = config.root().child("ISP").append_child("Item");
    setAttributeText(item, "Name", QStringLiteral("Alpha"));
    QVERIFY(SaveConfig(configPath(f.dir.path()), config));
    f.start();
    f.connect(QStringLiteral("Alpha"), {});
    f.tick(2);
    QVERIFY(f.window->monitor().ProviderNode());
    // A provider renamed in the settings no longer matches the entry.
    setAttributeText(f.window->monitor().ProviderNode(), "Name", QStringLiteral("Other"));
    f.window->SettingsClick();
    QVERIFY(!f.window->monitor().ProviderNode());
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
