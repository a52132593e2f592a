#include "support/AcceleratorCheck.h"
#include "support/FakeConnectionService.h"
#include "support/RealInput.h"

#include "access/TfrmAuthorization.h"
#include "access/TfrmPasswordBox.h"
#include "app/DialDialog.h"
#include "app/PhonebookDialog.h"
#include "app/ProgramState.h"
#include "app/TMain.h"
#include "app/TrayIcon.h"
#include "app/WidgetPrompter.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "planview/TPlan.h"
#include "settings/TISPEdit.h"
#include "settings/TISPList.h"
#include "settings/TRangeTimeEdit.h"
#include "settings/TSettings.h"
#include "settings/TTariffTypesEdit.h"
#include "settings/TTypesEdit.h"
#include "stats/TStatistic.h"
#include "store/ConfigDocument.h"
#include "store/XmlDocument.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace RealInput;

namespace {

// A dial that is still going on, so the dial dialog stays up.
class PendingDial final : public DialAttempt
{
public:
    void cancel() override { finish(State::Cancelled); }
};

class DiallingService final : public FakeConnectionService
{
public:
    std::unique_ptr<DialAttempt> dial(const QString &) override
    {
        return std::make_unique<PendingDial>();
    }
};

// The program as it runs: the main window shown, message boxes from the
// program's own prompter, user mode on with two users, ticks by hand.
struct Program
{
    Program()
    {
        XmlDocument config;
        config.parse(QByteArrayLiteral(
            "<MainContent><General><UserMode Value=\"1\"/></General><TariffTypes/><ISP/>"
            "<Users><Item Name=\"ann\" Password=\"Secret\"/><Item Name=\"cid\" Password=\"pw\"/>"
            "</Users><Graph/></MainContent>"));
        SaveConfig(configPath(dir.path()), config);
        window = std::make_unique<TMain>(service, prompter, clock, dir.path());
        prompter.setParent(window.get());
        window->state().Timer1()->stop();
        window->show();
    }

    // A line comes up and the tick that sees it opens its log-in dialog.
    TfrmAuthorization *lineUp(ConnectionHandle handle)
    {
        const QList<TfrmAuthorization *> before = logIns();
        service.connections.append({handle, QStringLiteral("Line %1").arg(handle), {}});
        window->state().Timer1Timer();
        clock.advanceMs(500);
        for (TfrmAuthorization *dialog : logIns())
            if (!before.contains(dialog))
                return dialog;
        return nullptr;
    }

    static QList<TfrmAuthorization *> logIns()
    {
        QList<TfrmAuthorization *> open;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<TfrmAuthorization *>(w); d && d->isVisible())
                open.append(d);
        return open;
    }

    QString userShown()
    {
        window->state().Timer1Timer();
        return window->findChild<QLabel *>(QStringLiteral("lblUserName"))->text();
    }

    // The window's own Close button, clicked: hides the window (without a
    // tray, minimizes it) unless the window is blocked.
    bool mainWindowTakesClicks()
    {
        click(window->findChild<QPushButton *>(QStringLiteral("btnClose")));
        const bool closed = !window->isVisible() || window->isMinimized();
        window->showNormal();
        return closed;
    }

    void open(const QString &kind)
    {
        if (kind == QLatin1String("statistics"))
            window->StatisticsClick();
        else if (kind == QLatin1String("statistics load")) {
            // Ctrl+O in the statistics window opens its file dialog.
            whenShown([this] { return window->findChild<TStatistic *>(); },
                      [](QWidget *statistics) {
                          QTest::keyClick(statistics->windowHandle(), Qt::Key_O,
                                          Qt::ControlModifier);
                      });
            window->StatisticsClick();
        }
        else if (kind == QLatin1String("settings"))
            window->SettingsClick();
        else if (kind == QLatin1String("settings password")) {
            XmlDocument &config = window->state().config();
            GetGeneralValue(config, QStringLiteral("Password"));
            SetGeneralValue(config, QStringLiteral("Password"), QStringLiteral("x"));
            window->SettingsClick();
        } else
            window->AboutClick();
    }

    QTemporaryDir dir;
    ManualClock clock{QDateTime(QDate(2009, 3, 5), QTime(10, 0))};
    DiallingService service;
    WidgetPrompter prompter;
    std::unique_ptr<TMain> window;
};

// The shared accelerators of window, each page of its tabs shown in turn
// (controls on a hidden page answer no key).
QStringList sharedOnEveryPage(QWidget *window)
{
    QStringList found = duplicateAccelerators(window);
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            for (const QString &line : duplicateAccelerators(window))
                if (!found.contains(line))
                    found << line;
        }
    }
    return found;
}

// Logs in by keyboard: the first letter of the user name in the list, Tab,
// the password, Return.
void logIn(TfrmAuthorization *dialog, const QString &user, const QString &password)
{
    QWindow *window = dialog->windowHandle();
    type(window, user.left(1));
    press(window, Qt::Key_Tab);
    type(window, password);
    press(window, Qt::Key_Return);
}

} // namespace

class TestModality : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void logInWhileAWindowIsOpen_data();
    void logInWhileAWindowIsOpen();
    void messageBoxOfALogInBlocksThatDialogOnly();
    void trayCommandsWhileAWindowIsOpen_data();
    void trayCommandsWhileAWindowIsOpen();
    void noTwoControlsShareAnAccelerator_data();
    void noTwoControlsShareAnAccelerator();

private:
    QTemporaryDir m_home;
};

void TestModality::initTestCase()
{
    // The statistics layout and the autostart entry stay out of the user's files.
    qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
}

void TestModality::logInWhileAWindowIsOpen_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("className");
    QTest::newRow("statistics window") << "statistics"
                                       << "TStatistic";
    QTest::newRow("settings dialog") << "settings"
                                     << "TSettings";
    QTest::newRow("password prompt") << "settings password"
                                     << "TfrmPasswordBox";
    QTest::newRow("about box") << "about"
                               << "QMessageBox";
    QTest::newRow("statistics file dialog") << "statistics load"
                                            << "QFileDialog";
}

void TestModality::logInWhileAWindowIsOpen()
{
    QFETCH(QString, open);
    QFETCH(QString, className);

    Program program;
    bool ran = false;
    whenShown(
        [&]() -> QWidget * {
            QWidget *front = program.window->modalWindowInFront();
            return front && QString::fromLatin1(front->metaObject()->className()) == className
                       ? front
                       : nullptr;
        },
              [&](QWidget *front) {
                  ran = true;
                  QCOMPARE(QString::fromLatin1(front->metaObject()->className()), className);
                  QVERIFY(!program.mainWindowTakesClicks());
                  QPointer<TfrmAuthorization> dialog = program.lineUp(1);
                  QVERIFY(dialog);
                  QTRY_COMPARE(QGuiApplication::focusWindow(), dialog->windowHandle());
                  logIn(dialog, QStringLiteral("cid"), QStringLiteral("pw"));
                  QTRY_VERIFY(!dialog);
                  QVERIFY(front->isVisible());
              });
    program.open(open);
    QVERIFY(ran);
    QCOMPARE(program.userShown(), QStringLiteral("cid"));
    QVERIFY(program.service.hangUpLog.isEmpty());
}

void TestModality::messageBoxOfALogInBlocksThatDialogOnly()
{
    Program program;
    QPointer<TfrmAuthorization> first = program.lineUp(1);
    program.service.connections.clear();
    program.window->state().Timer1Timer();
    QPointer<TfrmAuthorization> second = program.lineUp(2);
    QVERIFY(first && second && first != second);

    bool ran = false;
    whenShown([&] { return first ? first->findChild<QMessageBox *>() : nullptr; },
              [&](QWidget *box) {
                  ran = true;
                  QCOMPARE(box->windowModality(), Qt::WindowModal);
                  auto *users = first->findChild<QComboBox *>(QStringLiteral("cmbUser"));
                  type(first->windowHandle(), QStringLiteral("a"));
                  QCOMPARE(users->currentIndex(), -1);
                  QVERIFY(program.mainWindowTakesClicks());
                  logIn(second, QStringLiteral("cid"), QStringLiteral("pw"));
                  QTRY_VERIFY(!second);
                  press(box->windowHandle(), Qt::Key_Return);
                  QTRY_VERIFY(!box->isVisible());
              });
    // Ok with nobody chosen: "Select user", over the dialog.
    press(first->windowHandle(), Qt::Key_Return);
    QVERIFY(ran);
    QVERIFY(first && first->isVisible());
    QCOMPARE(program.userShown(), QStringLiteral("cid"));
    // The first dialog takes keys again once its box is gone.
    logIn(first, QStringLiteral("ann"), QStringLiteral("Secret"));
    QTRY_VERIFY(!first);
    QVERIFY(program.service.hangUpLog.isEmpty());
}

void TestModality::trayCommandsWhileAWindowIsOpen_data()
{
    QTest::addColumn<QString>("command");
    for (const char *name : {"Statistic1", "Plan1", "Settings1", "About1", "Showcounter1"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestModality::trayCommandsWhileAWindowIsOpen()
{
    QFETCH(QString, command);

    // The tray's menu is not blocked by a window open over the main window.
    Program program;
    program.window->hide();
    QStringList opened;
    whenShown([&] { return program.window->modalWindowInFront(); },
              [&](QWidget *statistics) {
                  // A second window over the first would wait in its own loop:
                  // note and close it.
                  // The look is bound to the window, so a late timer on a
                  // loaded machine neither looks too early nor outlives it.
                  bool looked = false;
                  QTimer::singleShot(200, statistics, [&, statistics] {
                      QWidget *front = program.window->modalWindowInFront();
                      if (front && front != statistics) {
                          opened << QString::fromLatin1(front->metaObject()->className());
                          front->close();
                      }
                      looked = true;
                  });
                  program.window->tray().PopupMenu1()->findChild<QAction *>(command)->trigger();
                  QTRY_VERIFY(looked);
                  QCOMPARE(program.window->modalWindowInFront(), statistics);
                  QTRY_COMPARE(QGuiApplication::focusWindow(), statistics->windowHandle());
              });
    program.window->StatisticsClick();
    QCOMPARE(opened, QStringList());
}

void TestModality::noTwoControlsShareAnAccelerator_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window :
         {"main window", "statistics window", "settings dialog", "provider list",
          "phonebook picker", "time range", "tariff types", "tariff type", "about box",
          "exit question", "plan window", "authorization dialog", "password prompt", "dial dialog",
          "phonebook dialog"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void TestModality::noTwoControlsShareAnAccelerator()
{
    QFETCH(QString, window);

    Program program;
    TMain *main = program.window.get();
    XmlDocument &config = main->state().config();
    Prompter &prompter = program.prompter;
    QStringList list;
    const QHash<QString, std::function<void()>> open = {
        {"statistics window", [&] { main->StatisticsClick(); }},
        {"settings dialog", [&] { main->SettingsClick(); }},
        {"provider list", [&] { EditISPList(config, program.service, prompter, main); }},
        {"phonebook picker", [&] { SelectPhonebookEntry(program.service, main); }},
        {"time range", [&] { EditTimeRange(config, list, prompter, main); }},
        {"tariff types", [&] { EditTariffTypes(config, prompter, main); }},
        {"tariff type", [&] { EditTariffType(list, prompter, main); }},
        {"about box", [&] { main->AboutClick(); }},
        {"exit question", [&] { main->ExitClick(); }},
        {"password prompt", [&] { InputPassword(prompter, QStringLiteral("Enter password")); }},
        {"dial dialog", [&] { DialDialog::run(program.service, QStringLiteral("Home"), main); }},
        {"phonebook dialog",
         [&] {
             program.service.editing.editableHere = true;
             PhonebookDialog::run(program.service, prompter, main);
         }},
    };

    QStringList shared;
    if (window == QLatin1String("main window")) {
        shared = duplicateAccelerators(main);
    } else if (window == QLatin1String("plan window")) {
        shared = duplicateAccelerators(TPlan::ShowPlan(main->state().plans(), QString(), main));
    } else if (window == QLatin1String("authorization dialog")) {
        QPointer<TfrmAuthorization> dialog = program.lineUp(1);
        QVERIFY(dialog);
        shared = duplicateAccelerators(dialog);
        delete dialog;
    } else {
        bool shown = false;
        whenModalShown([&](QWidget *w) {
            shown = true;
            shared = sharedOnEveryPage(w);
        });
        open.value(window)();
        QVERIFY(shown);
    }
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestModality)
#include "test_modality.moc"
