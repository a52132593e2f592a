// The plan window in the running program: opened from both menus, the
// figures of a known data folder, a running connection on the simulated
// modem, the keyboard. Texts are read under the locale the test runs with
// ("#" in an expected text is its decimal separator).
#include "app/ScriptedPrompter.h"

#include "app/ProgramState.h"
#include "app/TMain.h"
#include "app/TrayIcon.h"
#include "backends/sim/ElapsedTime.h"
#include "backends/sim/SimulatedModemService.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/TextForms.h"
#include "planview/TPlan.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "store/StatisticsLog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <tuple>

namespace {

constexpr qint64 kMB = 1048576;

QString localised(QString text)
{
    return text.replace(QLatin1Char('#'), QLocale::system().decimalPoint());
}

// Mobile: 5120 MB a period from the 15th; Fixed: no plan; Other: 30 money a
// calendar month; Capped: 10 money, used up.
void writeDataFolder(const QString &folder)
{
    XmlDocument config;
    NewConfig(config);
    pugi::xml_node isp = config.root().child("ISP");
    const QList<std::pair<const char *, QList<std::pair<const char *, QString>>>> providers = {
        {"Mobile", {{"PeriodStart", "15"}, {"TrafficCap", "5120"}}},
        {"Fixed", {}},
        {"Other", {{"CostCap", "30"}}},
        {"Capped", {{"CostCap", "10"}}},
    };
    for (const auto &[name, plan] : providers) {
        pugi::xml_node item = isp.append_child("Item");
        setAttributeText(item, "Name", QLatin1String(name));
        for (const auto &[key, value] : plan)
            setAttributeText(item, key, value);
    }
    QVERIFY(SaveDocument(configPath(folder), config));

    QDir().mkpath(logsDir(folder));
    const QList<std::tuple<QDateTime, qint64, double, const char *>> sessions = {
        {QDateTime(QDate(2026, 11, 15), QTime(10, 0)), 1024 * kMB, 0.0, "Mobile"},
        {QDateTime(QDate(2026, 12, 3), QTime(9, 0)), kMB, 12.5, "Other"},
        {QDateTime(QDate(2026, 12, 4), QTime(9, 0)), kMB, 12.0, "Capped"},
        {QDateTime(QDate(2026, 12, 5), QTime(8, 0)), 1024 * kMB, 0.0, "Mobile"},
    };
    QMap<QString, XmlDocument> months;
    for (const auto &[time, bytes, cost, name] : sessions) {
        XmlDocument &month = months[statsFileName(time.date())];
        if (!month.root())
            NewStatistics(month);
        pugi::xml_node line = month.root().child("Data").append_child("Line");
        setAttributeText(line, "Time", TextForms::dateTimeText(TextForms::toDays(time)));
        setAttributeText(line, "Duration", TextForms::dateTimeText(0.01));
        setAttributeText(line, "TrafficIn", QString::number(bytes));
        setAttributeText(line, "TrafficOut", QStringLiteral("0"));
        setAttributeText(line, "Cost", TextForms::numberText(cost));
        setAttributeText(line, "ConnectName", QLatin1String(name));
    }
    for (auto month = months.begin(); month != months.end(); ++month)
        QVERIFY(SaveDocument(logsDir(folder) + QLatin1Char('/') + month.key(), month.value()));
}

} // namespace

class TestPlanWindow : public QObject
{
    Q_OBJECT

private:
    // The program on the simulated modem, its clock at 5 December 2026 noon.
    struct Program
    {
        QTemporaryDir dir;
        ManualClock clock{QDateTime(QDate(2026, 12, 5), QTime(12, 0))};
        ManualElapsedTime *elapsed = nullptr;
        std::unique_ptr<SimulatedModemService> modem;
        ScriptedPrompter prompter;
        std::unique_ptr<TMain> window;

        explicit Program(const SimulationScenario &scenario = {}, bool plans = true)
        {
            if (plans)
                writeDataFolder(dir.path());
            auto time = std::make_unique<ManualElapsedTime>();
            elapsed = time.get();
            modem = std::make_unique<SimulatedModemService>(scenario, std::move(time));
            window = std::make_unique<TMain>(*modem, prompter, clock, dir.path());
            window->state().Timer1()->stop(); // the test ticks by hand
        }
        void tick(int count = 1)
        {
            for (int i = 0; i < count; ++i) {
                window->state().Timer1Timer();
                clock.advanceMs(500);
                elapsed->advanceMs(500);
            }
        }
        TPlan *plan() const { return window->findChild<TPlan *>(); }
        QString text(const char *name) const
        {
            const QLabel *label =
                plan() ? plan()->findChild<QLabel *>(QLatin1String(name)) : nullptr;
            return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
        }
        QString description() const
        {
            return plan()->findChild<QChartView *>("chartDays")->accessibleDescription();
        }
        // Opens the plan window by keyboard or mouse from the main window's
        // menu bar or from the tray menu.
        void openFromMenu(bool tray, bool mouse)
        {
            QMenu *menu = window->tray().PopupMenu1();
            if (tray) {
                menu->popup(QPoint(50, 50));
            } else {
                window->show();
                QVERIFY(QTest::qWaitForWindowExposed(window.get()));
                QMenuBar *bar = window->menuBar();
                QAction *main = bar->actions().constFirst();
                menu = main->menu();
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(main).center());
            }
            QTRY_VERIFY(menu->isVisible());
            QAction *item = window->findChild<QAction *>(tray ? "Plan1" : "Plan2");
            QVERIFY(item);
            if (mouse) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            } else {
                for (int i = 0; i < 10 && menu->activeAction() != item; ++i)
                    QTest::keyClick(menu, Qt::Key_Down);
                QCOMPARE(menu->activeAction(), item);
                QTest::keyClick(menu, Qt::Key_Return);
            }
            QTRY_VERIFY(plan() && plan()->isVisible());
        }
    };

private slots:
    void opensFromMenus_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::addColumn<bool>("mouse");
        QTest::newRow("main menu, keyboard") << false << false;
        QTest::newRow("main menu, mouse") << false << true;
        QTest::newRow("tray menu, keyboard") << true << false;
        QTest::newRow("tray menu, mouse") << true << true;
    }
    void opensFromMenus()
    {
        QFETCH(bool, tray);
        QFETCH(bool, mouse);
        Program program;
        program.openFromMenu(tray, mouse);
        if (QTest::currentTestFailed())
            return;
        TPlan *first = program.plan();
        QCOMPARE(first->windowTitle(), QStringLiteral("Plan"));
        QCOMPARE(first->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        // A second opening raises the same window.
        program.openFromMenu(tray, mouse);
        QCOMPARE(program.window->findChildren<TPlan *>().size(), 1);
        QCOMPARE(program.plan(), first);
    }

    // Chosen by keyboard in the provider list, Fixed (no cap) not listed.
    void figures_data()
    {
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QString>("planLine");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<int>("daysLeft");
        QTest::addColumn<QString>("budget");
        QTest::addColumn<QString>("today"); // the description's figure of 5 December
        // 20.5 of 30 days passed: 2 GB used, about 2.9 at the end; 3072 MB
        // left over 10 days.
        QTest::newRow("traffic cap")
            << 0 << "Mobile"
            << "Plan: 2#0 of 5#0 GB (40%), period end about 2#9 GB" << QDate(2026, 11, 15)
            << QDate(2026, 12, 14) << 10 << "About 307 MB a day keeps you under the cap"
            << TextForms::shortDateText(QDate(2026, 12, 5)) + ": " +
                   QLocale::system().toString(1024.0, 'f', 0) + " MB";
        // 17.50 left over 27 days.
        QTest::newRow("cost cap") << 1 << "Other"
                                  << "Plan: 12#50 of 30#00 (41%), period end about 86#11"
                                  << QDate(2026, 12, 1) << QDate(2026, 12, 31) << 27
                                  << "About 0#65 a day keeps you under the cost cap"
                                  << TextForms::shortDateText(QDate(2026, 12, 3)) + ": 12#50";
        QTest::newRow("cap reached")
            << 2 << "Capped"
            << "Plan: 12#00 of 10#00 (120%), period end about 82#67" << QDate(2026, 12, 1)
            << QDate(2026, 12, 31) << 27 << "The cost cap is reached."
            << TextForms::shortDateText(QDate(2026, 12, 4)) + ": 12#00";
    }
    void figures()
    {
        QFETCH(int, downs);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        Program program;
        program.tick();
        program.window->PlanClick();
        TPlan *plan = program.plan();
        QVERIFY(QTest::qWaitForWindowExposed(plan));
        auto *providers = plan->findChild<QComboBox *>("cmbProvider");
        QCOMPARE(providers->accessibleName(), QStringLiteral("Provider"));
        QCOMPARE(providers->count(), 3);
        QCOMPARE(providers->itemText(1), QStringLiteral("Other"));
        providers->setFocus();
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(providers, Qt::Key_Down);
        QTEST(providers->currentText(), "provider");
        QFETCH(QString, planLine);
        QCOMPARE(program.text("lblPlan"), localised(planLine));
        QCOMPARE(program.text("lblPeriod"),
                 QStringLiteral("Period: %1 to %2")
                     .arg(TextForms::shortDateText(first), TextForms::shortDateText(last)));
        QFETCH(int, daysLeft);
        QCOMPARE(program.text("lblDaysLeft"), QStringLiteral("Days left: %1").arg(daysLeft));
        QFETCH(QString, budget);
        QCOMPARE(program.text("lblBudget"), localised(budget));
        // Each day of the period up to today, read out.
        QFETCH(QString, today);
        const QString description = program.description();
        QVERIFY2(description.contains(localised(today)), qPrintable(description));
        QCOMPARE(description.count(QLatin1Char(';')), first.daysTo(QDate(2026, 12, 5)));
        QVERIFY(!program.plan()->findChild<QLabel *>("lblNoPlan")->isVisible());
    }

    void withoutACappedPlan()
    {
        Program program({}, false);
        program.window->PlanClick();
        QVERIFY(QTest::qWaitForWindowExposed(program.plan()));
        QVERIFY(program.text("lblNoPlan").contains("Settings > Tariffs > Plan"));
        QVERIFY(!program.plan()->findChild<QComboBox *>("cmbProvider")->isVisible());
    }

    // Mobile comes up with 1 MB a second; the window shows it at its next
    // refresh, not at every tick.
    void followsARunningConnection()
    {
        SimulationScenario scenario;
        scenario.phonebook = {QStringLiteral("Mobile")};
        SimulationScenario::ScheduledConnection connection;
        connection.entry = QStringLiteral("Mobile");
        connection.traffic.receiveRate = double(kMB);
        scenario.connections = {connection};
        Program program(scenario);
        program.tick(2);
        program.window->PlanClick();
        TPlan *plan = program.plan();
        QVERIFY(QTest::qWaitForWindowExposed(plan));
        // The connected provider first, though not the first listed.
        QCOMPARE(plan->findChild<QComboBox *>("cmbProvider")->currentText(), "Mobile");
        const QString before = program.description();
        program.elapsed->advanceMs(100 * 1000); // 100 MB more
        program.tick();
        QCOMPARE(program.description(), before);
        QTRY_VERIFY_WITH_TIMEOUT(program.description() != before, 3 * TPlan::kRefreshMs);
        const QString today = TextForms::shortDateText(QDate(2026, 12, 5)) + QStringLiteral(": ");
        QVERIFY2(program.description().contains(today + QLocale::system().toString(1125.0, 'f', 0)),
                 qPrintable(program.description()));
        QVERIFY(program.text("lblPlan").startsWith(localised("Plan: 2#1 of 5#0 GB")));
    }

    void keyboard()
    {
        Program program;
        program.window->PlanClick();
        QPointer<TPlan> plan = program.plan();
        plan->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(plan));
        // Tab reaches every control.
        QSet<QString> reached;
        for (int i = 0; i < 6; ++i) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            reached.insert(focus->objectName());
            QVERIFY2(!focus->accessibleName().isEmpty(), qPrintable(focus->objectName()));
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(reached, (QSet<QString>{"cmbProvider", "chartDays", "btnClose"}));
        QCOMPARE(plan->findChild<QChartView *>("chartDays")->accessibleName(), "Use by day");
        // No two controls share an accelerator.
        QStringList keys;
        for (const QLabel *label : plan->findChildren<QLabel *>())
            keys << QKeySequence::mnemonic(label->text()).toString();
        for (const QAbstractButton *button : plan->findChildren<QAbstractButton *>())
            keys << QKeySequence::mnemonic(button->text()).toString();
        keys.removeAll(QString());
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        // Escape closes the window, and the next opening makes a new one.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!plan);
    }
};

QTEST_MAIN(TestPlanWindow)
#include "test_plan_window.moc"
