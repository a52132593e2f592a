#include "access/TfrmAuthorization.h"
#include "app/ProgramState.h"
#include "app/ScriptedPrompter.h"
#include "app/TMain.h"
#include "monitor/RecordingMonitorView.h"
#include "support/FakeConnectionService.h"

#include "core/Clock.h"
#include "monitor/SessionMonitor.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "store/MonthStatistics.h"
#include "store/XmlDocument.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString kThreeUsers = QStringLiteral("<Item Name=\"ann\" Password=\"Secret\"/>"
                                           "<Item Name=\"bob\"/>"
                                           "<Item Name=\"cid\" Password=\"pw\"/>");

XmlDocument makeConfig(const QString &general, const QString &users)
{
    XmlDocument doc;
    doc.parse(QStringLiteral("<MainContent><General><UserMode Value=\"1\"/>%1</General>"
                             "<TariffTypes/><ISP/><Users>%2</Users><Graph/></MainContent>")
                  .arg(general, users)
                  .toUtf8());
    return doc;
}

// Runs the prompter's messages through a callback, to act while a box is up.
class ActingPrompter final : public Prompter
{
public:
    std::function<void()> whileShown;
    QStringList messages;

    void message(const QString &, const QString &text, Icon) override
    {
        messages.append(text);
        if (whileShown)
            whileShown();
    }
    Button question(const QString &, const QString &, Buttons, Icon) override { return Cancel; }
    std::optional<QString> textInput(const QString &, const QString &, bool) override
    {
        return std::nullopt;
    }
};

// A dialog's world: two connections, the configuration in memory and in a
// temporary folder, a prompter that records, and time that moves when told.
struct Rig
{
    explicit Rig(const QString &general = QString(), const QString &users = kThreeUsers)
        : config(makeConfig(general, users))
    {
        for (ConnectionHandle h : {1, 2}) {
            FakeConnectionService::Connection c;
            c.handle = h;
            c.entry = QStringLiteral("Line %1").arg(h);
            service.connections.append(c);
        }
    }

    QString configPath() const { return dir.filePath(QStringLiteral("dialometer.cfg")); }

    AuthorizationContext context(Prompter &answering)
    {
        return AuthorizationContext{
            service,
            config,
            configPath(),
            [this](const QString &name) { currentUser = name; },
            &answering,
            nullptr,
            [this] { return ms; },
        };
    }

    // The countdown is driven by the test, not by the real second timer.
    QPointer<TfrmAuthorization> open(Prompter *answering = nullptr)
    {
        TfrmAuthorization *dialog = ShowAuthorization(context(answering ? *answering : prompter));
        dialog->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
        return dialog;
    }

    // The configuration file as the next start reads it; empty when not written.
    XmlDocument saved() const
    {
        XmlDocument doc;
        LoadDocument(configPath(), doc);
        return doc;
    }

    QTemporaryDir dir;
    FakeConnectionService service;
    XmlDocument config;
    ScriptedPrompter prompter;
    qint64 ms = 0;
    QString currentUser;
};

QComboBox *users(QDialog *d)
{
    return d->findChild<QComboBox *>(QStringLiteral("cmbUser"));
}
QPushButton *button(QDialog *d, const char *name)
{
    return d->findChild<QPushButton *>(QString::fromLatin1(name));
}

void enterLogIn(TfrmAuthorization *dialog, int user, const QString &typed)
{
    users(dialog)->setCurrentIndex(user);
    dialog->findChild<QLineEdit *>(QStringLiteral("edtPassword"))->setText(typed);
    button(dialog, "btnOk")->click();
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

pugi::xml_node lastUser(const XmlDocument &doc)
{
    return doc.root().child("General").child("LastUser");
}

} // namespace

class TestAuthorization : public QObject
{
    Q_OBJECT

private slots:
    void preselection_data();
    void preselection();
    void logIn_data();
    void logIn();
    void rejection_data();
    void rejection();
    void countdownFollowsElapsedTime();
    void countdownEndsWhileMessageIsUp();
    void documentReplacedWhileOpen_data();
    void documentReplacedWhileOpen();
    void withTheSessionMonitor();
    void wiredIntoTheMainWindow();
};

void TestAuthorization::preselection_data()
{
    QTest::addColumn<QString>("general");
    QTest::addColumn<QString>("users");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("selected");

    const QString two = QStringLiteral("<Item Name=\"ann\"/><Item Name=\"bob\"/>");
    const QString last2 = QStringLiteral("<LastUser Value=\"2\"/>");
    QTest::newRow("no users") << last2 << QString() << QStringList() << -1;
    QTest::newRow("LastUser 2 of two") << last2 << two << QStringList{"ann", "bob"} << -1;
    QTest::newRow("LastUser 2 of three")
        << last2 << kThreeUsers << QStringList{"ann", "bob", "cid"} << 2;
    QTest::newRow("nameless entry not counted")
        << QStringLiteral("<LastUser Value=\"1\"/>")
        << QStringLiteral("<Item Password=\"x\"/>") + two << QStringList{"ann", "bob"} << 1;
    QTest::newRow("not a number") << QStringLiteral("<LastUser Value=\"1x\"/>") << two
                                  << QStringList{"ann", "bob"} << -1;
    QTest::newRow("no LastUser") << QString() << two << QStringList{"ann", "bob"} << -1;
}

void TestAuthorization::preselection()
{
    QFETCH(QString, general);
    QFETCH(QString, users);
    QFETCH(QStringList, names);
    QFETCH(int, selected);

    Rig rig(general, users);
    QPointer<TfrmAuthorization> dialog = rig.open();
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Authorization"));
    QCOMPARE(button(dialog, "btnCancel")->text(), QStringLiteral("Disconnect (30)"));

    QComboBox *list = ::users(dialog);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    QCOMPARE(shown, names);
    QCOMPARE(list->currentIndex(), selected);
    // Reading LastUser leaves its element in place, so a log-in can store it.
    QVERIFY(lastUser(rig.config));
    delete dialog;
}

void TestAuthorization::logIn_data()
{
    QTest::addColumn<int>("user");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: logged in

    QTest::newRow("no user chosen") << -1 << "Secret"
                                    << "Select user";
    QTest::newRow("no password") << 0 << ""
                                 << "Enter password";
    QTest::newRow("letter case differs") << 0 << "secret"
                                         << "Incorrect password";
    QTest::newRow("start only") << 0 << "Secre"
                                << "Incorrect password";
    QTest::newRow("user without password") << 1 << "anything"
                                           << "Incorrect password";
    QTest::newRow("first user") << 0 << "Secret"
                                << "";
    QTest::newRow("third user") << 2 << "pw"
                                << "";
}

void TestAuthorization::logIn()
{
    QFETCH(int, user);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    Rig rig;
    QPointer<TfrmAuthorization> dialog = rig.open();
    enterLogIn(dialog, user, typed);
    flushDeletes();

    if (!message.isEmpty()) {
        QCOMPARE(rig.prompter.asked.size(), 1);
        QCOMPARE(rig.prompter.asked[0].text, message);
        QVERIFY(dialog && dialog->isVisible() && !dialog->Authorized());
        QCOMPARE(rig.currentUser, QString());
        QCOMPARE(rig.service.connections.size(), 2);
        QVERIFY(!QFile::exists(rig.configPath()));
        // Wrong entries do not stop the countdown.
        dialog->Timer1Timer();
        QCOMPARE(dialog->SecondsLeft(), TfrmAuthorization::kSeconds - 1);
        delete dialog;
        return;
    }
    QVERIFY(rig.prompter.asked.isEmpty());
    QVERIFY(!dialog);
    QCOMPARE(rig.currentUser, QStringList({"ann", "bob", "cid"}).at(user));
    QVERIFY(rig.service.hangUpLog.isEmpty());
    QCOMPARE(attributeText(lastUser(rig.config), "Value"), QString::number(user));
    QCOMPARE(attributeText(lastUser(rig.saved()), "Value"), QString::number(user));
}

void TestAuthorization::rejection_data()
{
    QTest::addColumn<QString>("how");
    for (const char *how : {"Disconnect", "Escape", "close box", "countdown"})
        QTest::newRow(how) << QString::fromLatin1(how);
}

void TestAuthorization::rejection()
{
    QFETCH(QString, how);

    // No users, so nobody can log in; no LastUser in the configuration.
    Rig rig{QString(), QString()};
    rig.currentUser = QStringLiteral("earlier");
    QPointer<TfrmAuthorization> dialog = rig.open();
    QPushButton *cancel = button(dialog, "btnCancel");

    if (how == QLatin1String("Disconnect")) {
        cancel->click();
    } else if (how == QLatin1String("Escape")) {
        QTest::keyClick(dialog, Qt::Key_Escape);
    } else if (how == QLatin1String("close box")) {
        dialog->close();
    } else {
        QStringList captions;
        for (int i = 0; i < TfrmAuthorization::kSeconds; ++i) {
            QCOMPARE(rig.service.connections.size(), 2);
            rig.ms += 1000;
            dialog->Timer1Timer();
            captions << cancel->text();
        }
        QCOMPARE(captions.first(), QStringLiteral("Disconnect (29)"));
        QCOMPARE(captions.last(), QStringLiteral("Disconnect (0)"));
    }
    flushDeletes();

    QVERIFY(!dialog);
    QVERIFY(rig.service.connections.isEmpty()); // both lines, not only the one it was opened for
    QCOMPARE(rig.currentUser, QStringLiteral("earlier"));
    // The LastUser element the dialog added is written even so, still empty.
    const pugi::xml_node stored = lastUser(rig.saved());
    QVERIFY(stored);
    QVERIFY(!stored.attribute("Value"));
}

void TestAuthorization::countdownFollowsElapsedTime()
{
    Rig rig;
    QPointer<TfrmAuthorization> dialog = rig.open();
    // Ticks that come early still count one second each.
    dialog->Timer1Timer();
    dialog->Timer1Timer();
    QCOMPARE(dialog->SecondsLeft(), 28);
    // Ticks held up for a while catch up with the time that passed.
    rig.ms = 12500;
    dialog->Timer1Timer();
    QCOMPARE(dialog->SecondsLeft(), 18);
    QCOMPARE(button(dialog, "btnCancel")->text(), QStringLiteral("Disconnect (18)"));
    rig.ms = 45000;
    dialog->Timer1Timer();
    flushDeletes();
    QVERIFY(!dialog);
    QVERIFY(rig.service.connections.isEmpty());
}

void TestAuthorization::countdownEndsWhileMessageIsUp()
{
    Rig rig;
    ActingPrompter prompter;
    QPointer<TfrmAuthorization> dialog = rig.open(&prompter);
    bool boxClosed = false;
    prompter.whileShown = [&] {
        // A message box over the dialog, as the program shows it, with its
        // own event loop in which the countdown ends.
        QDialog box(dialog);
        box.show();
        rig.ms = 31000;
        dialog->Timer1Timer();
        flushDeletes();
        boxClosed = !box.isVisible();
    };
    enterLogIn(dialog, 0, QStringLiteral("wrong"));
    QCOMPARE(prompter.messages, QStringList{"Incorrect password"});
    QVERIFY(boxClosed);
    QVERIFY(rig.service.connections.isEmpty());
    QVERIFY(QFile::exists(rig.configPath()));
    flushDeletes();
    QVERIFY(!dialog);
}

void TestAuthorization::documentReplacedWhileOpen_data()
{
    QTest::addColumn<QString>("general");
    QTest::addColumn<QString>("users");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");

    QTest::newRow("without LastUser") << "" << kThreeUsers << ""
                                      << "2";
    QTest::newRow("user moved up")
        << "" << QStringLiteral("<Item Name=\"cid\" Password=\"pw\"/>") << ""
        << "0";
    QTest::newRow("user deleted") << "" << QStringLiteral("<Item Name=\"ann\"/>")
                                  << "Incorrect password"
                                  << "";
}

void TestAuthorization::documentReplacedWhileOpen()
{
    QFETCH(QString, general);
    QFETCH(QString, users);
    QFETCH(QString, message);
    QFETCH(QString, stored);

    Rig rig;
    QPointer<TfrmAuthorization> dialog = rig.open();
    // Applying the settings replaces the whole document.
    rig.config = makeConfig(general, users);
    enterLogIn(dialog, 2, QStringLiteral("pw"));
    flushDeletes();

    if (!message.isEmpty()) {
        QCOMPARE(rig.prompter.asked.value(0).text, message);
        delete dialog;
        return;
    }
    QVERIFY(!dialog);
    QCOMPARE(rig.currentUser, QStringLiteral("cid"));
    QCOMPARE(attributeText(lastUser(rig.saved()), "Value"), stored);
}

void TestAuthorization::withTheSessionMonitor()
{
    Rig rig;
    rig.service.connections.clear();
    ManualClock clock(QDateTime(QDate(2009, 3, 5), QTime(9, 30)));
    MonthStatistics log(rig.dir.filePath(QStringLiteral("09_03.sn2")), clock);
    log.open();
    RecordingMonitorView view;
    SessionMonitor monitor(rig.service, rig.config, log, clock, view);
    QList<QPointer<TfrmAuthorization>> dialogs;
    monitor.setAuthorizationHook([&](XmlDocument &config) {
        AuthorizationContext context = rig.context(rig.prompter);
        QCOMPARE(&context.config, &config);
        context.setCurrentUserName = [&](const QString &name) { monitor.setCurrentUserName(name); };
        context.showBalloon = [&](const QString &title, const QString &text) {
            view.showBalloon(title, text, 10);
        };
        TfrmAuthorization *dialog = ShowAuthorization(context);
        dialog->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
        dialogs.append(dialog);
    });
    auto up = [&](ConnectionHandle handle) {
        FakeConnectionService::Connection c;
        c.handle = handle;
        c.entry = QStringLiteral("Line");
        rig.service.connections.append(c);
    };
    auto tick = [&] {
        monitor.Timer1Timer();
        clock.advanceMs(500);
    };
    auto userNames = [&] {
        QStringList names;
        for (pugi::xml_node line : log.document().root().child("Data").children("Line"))
            names << attributeText(line, "UserName");
        return names;
    };
    using Field = MonitorView::Field;

    // The first connection ends while its dialog is open.
    up(1);
    tick();
    QCOMPARE(dialogs.size(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(view.balloons.last().text, TfrmAuthorization::balloonText());
    rig.service.connections.clear();
    tick();

    // The second gets its own dialog while the first still counts down.
    up(2);
    tick();
    QCOMPARE(dialogs.size(), 2);
    QVERIFY(dialogs[0] && dialogs[1]);
    dialogs[1]->Timer1Timer();
    QCOMPARE(dialogs[0]->SecondsLeft(), 30);
    QCOMPARE(dialogs[1]->SecondsLeft(), 29);

    // A late log-in in the first dialog names whoever uses the line now.
    enterLogIn(dialogs[0], 0, QStringLiteral("Secret"));
    tick();
    QCOMPARE(view.text(Field::UserName), QStringLiteral("ann"));
    QCOMPARE(rig.service.connections.size(), 1);
    enterLogIn(dialogs[1], 2, QStringLiteral("pw"));
    tick();
    QCOMPARE(view.text(Field::UserName), QStringLiteral("cid"));

    rig.service.connections.clear();
    tick();
    QCOMPARE(monitor.CurrentUserName(), QString());
    QCOMPARE(view.text(Field::UserName), QStringLiteral("None"));

    flushDeletes();
    QVERIFY(!dialogs[0] && !dialogs[1]);
    QCOMPARE(userNames(), (QStringList{QString(), QStringLiteral("cid")}));
}

void TestAuthorization::wiredIntoTheMainWindow()
{
    Rig rig;
    QVERIFY(SaveConfig(rig.configPath(), rig.config));
    ManualClock clock;
    auto openDialogs = [] {
        QList<QPointer<TfrmAuthorization>> open;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<TfrmAuthorization *>(w); d && d->isVisible())
                open.append(d);
        return open;
    };
    QList<QPointer<TfrmAuthorization>> left;
    {
        TMain window(rig.service, rig.prompter, clock, rig.dir.path());
        window.state().Timer1Timer();
        QCOMPARE(openDialogs().size(), 1);
        enterLogIn(openDialogs()[0], 0, QStringLiteral("Secret"));
        window.state().Timer1Timer();
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblUserName"))->text(),
                 QStringLiteral("ann"));
        QCOMPARE(attributeText(lastUser(rig.saved()), "Value"), QStringLiteral("0"));

        // A dialog still open when the program ends goes with it, hanging
        // nothing up.
        rig.service.connections.clear();
        window.state().Timer1Timer();
        rig.service.connections.append({3, QStringLiteral("Line 3"), {}});
        window.state().Timer1Timer();
        left = openDialogs();
        QCOMPARE(left.size(), 1);
    }
    QVERIFY(!left[0]);
    QCOMPARE(rig.service.connections.size(), 1);
}

QTEST_MAIN(TestAuthorization)
#include "test_authorization.moc"
