#include "AppSurroundings.h"

#include "app/ProgramState.h"
#include "app/TMain.h"
#include "app/TrayIcon.h"
#include "backends/sim/SimulatedModemService.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/TextForms.h"
#include "monitor/SessionMonitor.h"
#include "stats/StatisticModel.h"
#include "stats/TStatistic.h"
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

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    struct Fixture : AppSurroundings
    {
        std::unique_ptr<TMain> window;

        void start()
        {
            window = std::make_unique<TMain>(service, prompter, clock, dir.path());
            window->state().Timer1()->stop(); // the test ticks by hand
        }
        void tick(int count = 1)
        {
            for (int i = 0; i < count; ++i) {
                window->state().Timer1Timer();
                clock.advanceMs(500);
            }
        }
        QString text(const char *name) const
        {
            auto *label = window->findChild<QLabel *>(QLatin1String(name));
            return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
        }
        TrendGraph *graph() const { return window->findChild<TrendGraph *>("TrendGraph1"); }
        void connect(const QString &entry, const SessionCounters &counters)
        {
            service.connections = {{7, entry, counters}};
        }
    };

private slots:
    void initialTexts_data();
    void initialTexts();
    void windowShape();
    void figuresAfterTicks();
    void disconnectRecordsSession();
    void mainMenuItemsInOrder();
    void windowConnectionsMenuRebuiltOnShow();
    void exitAnswered_data();
    void exitAnswered();
    void exitDoesNothingWhileDialing();
    void exitWorksWhileThePhonebookIsEdited();
    void closeHides_data();
    void closeHides();
    void graphCaptionFollowsLevel();
    void graphSettings_data();
    void statisticShowsTheMonthModally();
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
    QCOMPARE(f.graph()->caption(), QStringLiteral("5 Kb/s"));
    QCOMPARE(w.findChild<QGroupBox *>("GroupBox1")->title(), QStringLiteral("Connection"));
    QCOMPARE(w.findChild<QGroupBox *>("GroupBox2")->title(), QStringLiteral("State"));
    QVERIFY(w.findChild<QPushButton *>("btnClose")->isDefault());
    QCOMPARE(w.tray().image(), int(MonitorView::TrayDisconnected));
    // Not resizable: the size is fixed whatever is asked.
    w.show();
    const QSize size = w.size();
    w.resize(size + QSize(50, 50));
    QCOMPARE(w.size(), size);
    QCOMPARE(w.centralWidget()->width(), 322);
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
    QVERIFY(f.window->tray().Timer2()->isActive()); // the balloon goes after 4 s
    QCOMPARE(f.window->tray().Timer2()->interval(), 4000);
    QCOMPARE(f.window->tray().CoolTrayIcon1()->toolTip(),
             QStringLiteral("Alpha\nSpeed: 57.6 KBps\nSent: 2,048 bytes\nReceived: 123,456 bytes"));
    // Counters standing still: both lights idle, the tray shows no traffic.
    QCOMPARE(f.window->tray().image(), int(MonitorView::TrayNoTraffic));
    f.service.connections[0].counters.dwBytesRcved += 1000;
    f.tick();
    QCOMPARE(f.window->tray().image(), int(MonitorView::TrayReceiving));
    f.window->tray().Timer2Timer();
    QVERIFY(!f.window->tray().Timer2()->isActive());
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
    QCOMPARE(f.window->tray().image(), int(MonitorView::TrayDisconnected));
    QCOMPARE(f.window->tray().CoolTrayIcon1()->toolTip(), QString());

    // The month file holds the session as soon as it ends.
    MonthStatistics reread(f.dir.filePath("Logs/09_03.sn2"), f.clock);
    QCOMPARE(reread.open(), QString());
    QCOMPARE(reread.table().rowCount(), 1);
    QCOMPARE(reread.table().value(0, QStringLiteral("ConnectName")).toString(),
             QStringLiteral("Beta"));
    QCOMPARE(reread.table().value(0, QStringLiteral("TrafficIn")).toLongLong(), 5000);
    QCOMPARE(reread.table().value(0, QStringLiteral("TrafficOut")).toLongLong(), 700);
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
    QCOMPARE(captions(tops[0]->menu()),
             (QStringList{"Statistic", "Plan", "Settings", "-", "Connections", "Disconnect", "-",
                          "Close", "Exit"}));
    QCOMPARE(captions(tops[1]->menu()), QStringList{"About"});
}

void TestMainWindow::windowConnectionsMenuRebuiltOnShow()
{
    Fixture f;
    f.start();
    f.service.phonebook = {"Alpha", "Beta", "Gamma"};
    auto *main = f.window->findChild<QMenu *>("Connections1");
    QVERIFY(main);
    // The window's submenu follows on every show, not on its own.
    QCOMPARE(captions(main), QStringList());
    f.window->show();
    QCOMPARE(captions(main), (QStringList{"Alpha", "Beta", "Gamma", "-", "Setting"}));
    f.service.phonebook.clear();
    f.window->hide();
    f.window->show();
    QCOMPARE(captions(main), (QStringList{"-", "Setting"}));
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
    window.tray().PopupMenu1Popup();
    QAction *item = window.findChild<QMenu *>("ConnectionsMenu")->actions().value(0);
    QVERIFY(item);

    QString dialled;
    bool openDuringDial = false;
    Qt::WindowModality modality = Qt::NonModal;
    qsizetype dialogs = 0;
    QTimer::singleShot(0, &window, [&] {
        auto *dialog = window.findChild<QDialog *>(QStringLiteral("DialDialog"));
        dialled = dialog ? dialog->windowTitle() : QString();
        // Modal to the window only: the tray menu stays usable, and a second
        // dial from it waits for the first.
        modality = dialog ? dialog->windowModality() : Qt::NonModal;
        item->trigger();
        dialogs = window.findChildren<QDialog *>(QStringLiteral("DialDialog")).size();
        openDuringDial = window.state().RasDialogOpen();
        window.findChild<QAction *>("Exit1")->trigger();
        if (dialog)
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    item->trigger(); // the dial dialog runs until the timer closes it
    QCOMPARE(dialled, QStringLiteral("Tom&Jerry"));
    QCOMPARE(modality, Qt::WindowModal);
    QCOMPARE(dialogs, 1);
    QVERIFY(openDuringDial);
    QVERIFY(prompter.asked.isEmpty());
    QCOMPARE(confirmed.size(), 0);
    QVERIFY(!window.state().RasDialogOpen());
    window.ExitClick(); // asks again once the dialog is gone
    QCOMPARE(prompter.asked.size(), 1);
    QCOMPARE(confirmed.size(), 1);
}

void TestMainWindow::exitWorksWhileThePhonebookIsEdited()
{
    Fixture f;
    f.start();
    // The system's editor, a program of its own, stays open for a while.
    const QString started = f.dir.filePath(QStringLiteral("editor-started"));
    f.service.editing.program = QStringLiteral("/bin/sh");
    f.service.editing.arguments = {QStringLiteral("-c"), QStringLiteral("touch \"$0\"; sleep 1"),
                                   started};
    f.prompter.answers = {Prompter::Yes};
    QSignalSpy confirmed(f.window.get(), &TMain::exitConfirmed);
    QTimer::singleShot(0, f.window.get(), [&] { f.window->ExitClick(); });
    f.window->tray().PopupMenu1Popup();
    f.window->tray().ConnectionsMenu()->actions().last()->trigger(); // "Setting"
    QTRY_VERIFY(QFile::exists(started));
    QVERIFY(!f.window->state().RasDialogOpen());
    QTRY_COMPARE(confirmed.size(), 1);
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
    f.window->tray().setAvailableOverride(tray);
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
    QVERIFY(f.window->state().Timer1()->interval() == 500);
    // The double click on the tray icon brings it back.
    f.window->tray().CoolTrayIcon1DblClick();
    QVERIFY(f.window->isVisible());
    QVERIFY(!f.window->isMinimized());
}

void TestMainWindow::graphCaptionFollowsLevel()
{
    Fixture f;
    f.start();
    TrendGraph *graph = f.graph();
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
    QCOMPARE(int(f.graph()->gridStyle()), grid);
    QCOMPARE(int(f.graph()->style()), style);
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
    QVERIFY(f.window->state().monitor().ProviderNode());
    // A provider renamed in the settings no longer matches the entry.
    setAttributeText(f.window->state().monitor().ProviderNode(), "Name", QStringLiteral("Other"));
    // The settings dialog opens and is cancelled.
    QTimer::singleShot(0, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    f.window->SettingsClick();
    QVERIFY(!f.window->state().monitor().ProviderNode());
}

void TestMainWindow::statisticShowsTheMonthModally()
{
    Fixture f;
    // The window keeps its column layout in the user's settings.
    qputenv("XDG_CONFIG_HOME", f.dir.filePath(QStringLiteral("config")).toLocal8Bit());
    f.start();
    f.window->state().statistics().AppendSession(
        {QStringLiteral("Time=") + TextForms::dateTimeText(39876.5),
         QStringLiteral("Duration=") + TextForms::dateTimeText(0.01),
         QStringLiteral("TrafficIn=10"), QStringLiteral("TrafficOut=20"),
         QStringLiteral("Cost=") + TextForms::numberText(1.5),
         QStringLiteral("Speed=") + TextForms::numberText(49.3),
         QStringLiteral("ConnectName=Alpha"), QStringLiteral("UserName=")});
    int rows = -1;
    QString title;
    QTimer::singleShot(0, this, [&] {
        auto *statistic = qobject_cast<TStatistic *>(QApplication::activeModalWidget());
        if (!statistic)
            return;
        rows = statistic->model().rowCount();
        title = statistic->windowTitle();
        statistic->close();
    });
    f.window->StatisticsClick();
    QCOMPARE(rows, 1);
    QVERIFY(title.contains(QStringLiteral("March 2009")));
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
