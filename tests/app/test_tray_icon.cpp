#include "AppSurroundings.h"

#include "app/ProgramState.h"
#include "app/TrayIcon.h"
#include "core/Clock.h"
#include "monitor/MonitorView.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

QStringList names(const QMenu *menu)
{
    QStringList list;
    for (const QAction *action : menu->actions())
        list << action->objectName();
    return list;
}

} // namespace

// The tray on its own: the program's state and a bare window behind it.
class TestTrayIcon : public QObject
{
    Q_OBJECT

private:
    struct Fixture : AppSurroundings
    {
        NullMonitorView view;
        ProgramState state{service, prompter, clock, dir.path()};
        QWidget window;
        TrayIcon tray{state, &window};

        Fixture() { state.start(view); }
    };

private slots:
    void menuItemsInOrder();
    void connectionsMenuRebuiltOnEveryOpening();
    void connectionsMenuKeepsAmpersands();
    void hintInDesktopLines_data();
    void hintInDesktopLines();
};

void TestTrayIcon::hintInDesktopLines_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lines") << "Alpha\r\nSpeed: 57.6 KBps"
                           << "Alpha\nSpeed: 57.6 KBps";
    // Cut to the tooltip's length between the two characters of a line end.
    QTest::newRow("cut in a line end") << "Alpha\r\nDay until 20:00\r"
                                       << "Alpha\nDay until 20:00";
}

void TestTrayIcon::hintInDesktopLines()
{
    QFETCH(QString, hint);
    QFETCH(QString, shown);
    Fixture f;
    f.tray.setHint(hint);
    QCOMPARE(f.tray.CoolTrayIcon1()->toolTip(), shown);
}

void TestTrayIcon::menuItemsInOrder()
{
    Fixture f;
    QMenu *menu = f.tray.PopupMenu1();
    QCOMPARE(captions(menu), (QStringList{"Show counter", "Statistic", "Plan", "Settings", "-",
                                          "Connections", "Disconnect", "About", "-", "Exit"}));
    QCOMPARE(names(menu), (QStringList{"Showcounter1", "Statistic1", "Plan1", "Settings1", "N4",
                                       "ConnectionsMenu", "Disconnect1", "About1", "N1", "Exit1"}));
    QCOMPARE(menu->defaultAction()->objectName(), QStringLiteral("Showcounter1"));
    QVERIFY(menu->defaultAction()->font().bold());
    QCOMPARE(f.tray.CoolTrayIcon1()->contextMenu(), menu);
}

void TestTrayIcon::connectionsMenuRebuiltOnEveryOpening()
{
    Fixture f;
    f.service.phonebook = {"Alpha", "Beta"};
    QMenu *menu = f.tray.ConnectionsMenu();
    // Built on opening only.
    QCOMPARE(captions(menu), QStringList());
    f.tray.PopupMenu1Popup();
    QCOMPARE(captions(menu), (QStringList{"Alpha", "Beta", "-", "Setting"}));
    f.service.phonebook << "Gamma";
    emit f.tray.PopupMenu1()->aboutToShow();
    QCOMPARE(captions(menu), (QStringList{"Alpha", "Beta", "Gamma", "-", "Setting"}));
    QCOMPARE(f.state.EntryList(), (QStringList{"Alpha", "Beta", "Gamma"}));

    // The items ask the window to dial, "Setting" to edit the phonebook.
    QSignalSpy dial(&f.tray, &TrayIcon::dialRequested);
    QSignalSpy phonebook(&f.tray, &TrayIcon::phonebookRequested);
    menu->actions().at(1)->trigger();
    menu->actions().last()->trigger();
    QCOMPARE(dial.size(), 1);
    QCOMPARE(dial[0][0].value<QAction *>()->data().toString(), QStringLiteral("Beta"));
    QCOMPARE(phonebook.size(), 1);
}

void TestTrayIcon::connectionsMenuKeepsAmpersands()
{
    Fixture f;
    f.service.phonebook = {"Tom&Jerry", "A&B&C"};
    f.tray.PopupMenu1Popup();
    const QList<QAction *> items = f.tray.ConnectionsMenu()->actions();
    QCOMPARE(items[0]->text(), QStringLiteral("Tom&&Jerry")); // shown as written
    QCOMPARE(items[0]->data().toString(), QStringLiteral("Tom&Jerry"));
    QCOMPARE(items[1]->data().toString(), QStringLiteral("A&B&C"));
}

QTEST_MAIN(TestTrayIcon)
#include "test_tray_icon.moc"
