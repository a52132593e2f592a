#include "core/Translations.h"
#include "stats/FilterHeader.h"
#include "stats/GridLayoutStore.h"
#include "stats/GridSearch.h"
#include "stats/MonthFiles.h"
#include "stats/StatisticFooter.h"
#include "stats/StatisticModel.h"
#include "stats/TStatistic.h"
#include "store/DataFileEnvelope.h"
#include "store/StatisticsLog.h"

#include "StatisticFixtures.h"
#include "app/ScriptedPrompter.h"
#include "store/DataFileFixtures.h"

#include "stats/StatisticChart.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using M = StatisticModel;

class TestStatisticWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void footer_data();
    void footer();
    void sortByTitleSurvivesReopening();
    void savedLayout_data();
    void savedLayout();
    void unreadableFilterIsMarked();
    void monthFilesInOrder();
    void chart_data();
    void chart();
    void copy();
    void contextMenuOnlyOverCells();
    void loadOtherFiles();
    void exportReadBack();
    void search();
    void filterCellKeys_data();
    void filterCellKeys();
    void tabThroughFilterRow();
    void filterRowInAccessibilityTree();
    void placeKept_data();
    void placeKept();
    void findInColumnFromCurrentRow_data();
    void findInColumnFromCurrentRow();
    void emptyChartSpansMonth_data();
    void emptyChartSpansMonth();
    void accelerators();

private:
    // A window over a month file of the sessions, shown.
    std::unique_ptr<TStatistic> open(const QList<Session> &sessions,
                                     const QString &name = QStringLiteral("26_12.sn2"));
    // As the program shows it: modal, active, with the keyboard.
    std::unique_ptr<TStatistic> openModal(const QList<Session> &sessions,
                                          const QString &name = QStringLiteral("26_12.sn2"));
    QString logs() const { return m_dir.filePath(QStringLiteral("Logs")); }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<MonthStatistics> m_month;
};

void TestStatisticWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Only a run with another LANGUAGE than ctest's gets translated texts.
    Translations::installTranslations(*qApp);
    // The layout goes to the settings of a scratch home.
    qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
    QVERIFY(QDir().mkpath(logs()));
}

void TestStatisticWindow::init()
{
    m_prompter.asked.clear();
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Dialometer"),
              QStringLiteral("Dialometer"))
        .clear();
}

std::unique_ptr<TStatistic> TestStatisticWindow::open(const QList<Session> &sessions,
                                                      const QString &name)
{
    const QString file = QDir(logs()).filePath(name);
    QFile::remove(file);
    writeMonth(file, sessions);
    m_month = std::make_unique<MonthStatistics>(file);
    m_month->open();
    auto window = std::make_unique<TStatistic>(m_month->table(), logs(), file, m_prompter);
    window->show();
    return window;
}

std::unique_ptr<TStatistic> TestStatisticWindow::openModal(const QList<Session> &sessions,
                                                           const QString &name)
{
    auto window = open(sessions, name);
    window->hide();
    window->setWindowModality(Qt::WindowModal);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the statistics window did not become active");
    return window;
}

void TestStatisticWindow::footer_data()
{
    QTest::addColumn<QList<double>>("durations");
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QString>("firstCell");
    QTest::newRow("30 hours") << QList<double>{20 * kHour, 10 * kHour} << "1.06:00:00"
                              << "10:00:00";
    QTest::newRow("a second short of a day")
        << QList<double>{23 * kHour + 59.0 / 1440 + 59.0 / 86400} << "23:59:59"
        << "23:59:59";
    QTest::newRow("exactly 24 hours") << QList<double>{12 * kHour, 12 * kHour} << "1.00:00:00"
                                      << "12:00:00";
    QTest::newRow("one 25-hour session") << QList<double>{25 * kHour} << "1.01:00:00"
                                         << "01:00:00";
}

void TestStatisticWindow::footer()
{
    QFETCH(QList<double>, durations);
    QFETCH(QString, footer);
    QFETCH(QString, firstCell);
    QList<Session> sessions;
    for (int i = 0; i < durations.size(); ++i)
        sessions.append({kDecember1 + i, durations[i], 1000, 234, 0.5});
    auto window = open(sessions);
    auto *row = window->findChild<StatisticFooter *>(QStringLiteral("DBGridEhFooter"));
    QVERIFY(row);
    QCOMPARE(row->text(M::Duration), footer);
    QCOMPARE(window->model().displayText(0, M::Duration), firstCell);
    const int n = int(durations.size());
    QCOMPARE(row->text(M::TrafficSum), QStringLiteral("%1 b").arg(QLocale().toString(1234 * n)));
    QCOMPARE(row->text(M::Cost), QLocale().toString(0.5 * n, 'f', 2));
    QVERIFY(row->text(M::ISP).isEmpty());
    QVERIFY(row->accessibleDescription().contains(footer));

    // The sums follow the filter.
    window->findChild<FilterHeader *>()->editor(M::Cost)->setText(QStringLiteral(">5"));
    window->DBGridEhApplyFilter();
    QCOMPARE(row->text(M::Duration), QStringLiteral("00:00:00"));
}

void TestStatisticWindow::sortByTitleSurvivesReopening()
{
    const QList<Session> sessions = {{kDecember1, kHour, 1, 1, 2.0, "b"},
                                     {kDecember1 + 1, kHour, 1, 1, 0.5, "a"},
                                     {kDecember1 + 2, kHour, 1, 1, 1.0, "c", "zed"}};
    auto costs = [](const TStatistic &w) {
        QList<double> list;
        for (int r = 0; r < w.model().rowCount(); ++r)
            list.append(w.model().value(r, M::Cost).toDouble());
        return list;
    };
    auto clickTitle = [](TStatistic &w, int column) {
        auto *header = w.findChild<FilterHeader *>();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 10, 5));
    };
    {
        auto window = open(sessions);
        QCOMPARE(costs(*window), (QList<double>{1.0, 0.5, 2.0})); // most recent first
        clickTitle(*window, M::Cost);
        QCOMPARE(costs(*window), (QList<double>{0.5, 1.0, 2.0}));
        clickTitle(*window, M::Cost);
        QCOMPARE(costs(*window), (QList<double>{2.0, 1.0, 0.5}));
        clickTitle(*window, M::UserName); // takes no marker
        QCOMPARE(window->model().sortColumn(), int(M::Cost));
        window->findChild<FilterHeader *>()->resizeSection(M::ISP, 150);
        window->findChild<FilterHeader *>()->moveSection(M::UserName, 0);
        window->close();
    }
    const QHash<QString, GridLayoutStore::Column> saved = GridLayoutStore::read();
    const GridLayoutStore::Column cost = saved.value(QStringLiteral("Cost"));
    QCOMPARE((QList<int>{cost.position, cost.marker, cost.visible, cost.sortPlace}),
             (QList<int>{7, 2, 1, 1}));

    auto window = open(sessions);
    QCOMPARE(costs(*window), (QList<double>{2.0, 1.0, 0.5}));
    auto *header = window->findChild<FilterHeader *>();
    QCOMPARE(header->sectionSize(M::ISP), 150);
    QCOMPARE(header->visualIndex(M::UserName), 0);
    QCOMPARE(header->sortIndicatorSection(), int(M::Cost));
}

void TestStatisticWindow::savedLayout_data()
{
    QTest::addColumn<QStringList>("values"); // "Field=value"
    QTest::addColumn<int>("ispWidth");
    QTest::addColumn<int>("ispPosition");
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<int>("hidden");
    QTest::newRow("width and place")
        << QStringList{"ConnectName=4,150,0,1,0,7,0"} << 150 << 4 << -1 << 0;
    QTest::newRow("unreadable value")
        << QStringList{"ConnectName=4,x,0,1,0,7,0"} << 0 << 0 << -1 << 0;
    QTest::newRow("first marked decides")
        << QStringList{"Cost=6,45,1,1,2,7,0", "Time=1,95,2,1,1,7,0"} << 0 << 0 << int(M::Session)
        << 0;
    QTest::newRow("no marker on User Name")
        << QStringList{"UserName=8,90,1,1,1,7,0"} << 0 << 0 << -1 << 0;
    QTest::newRow("hidden column") << QStringList{"Speed=7,59,0,0,0,7,0"} << 0 << 0 << -1 << 1;
    QStringList allHidden;
    for (int c = 0; c < M::ColumnCount; ++c)
        allHidden.append(M::fieldName(c) + QStringLiteral("=%1,50,0,0,0,7,0").arg(c));
    QTest::newRow("nothing left to show") << allHidden << 0 << 0 << -1 << 0;
}

void TestStatisticWindow::savedLayout()
{
    QFETCH(QStringList, values);
    QFETCH(int, ispWidth);
    QFETCH(int, ispPosition);
    QFETCH(int, sortColumn);
    QFETCH(int, hidden);
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Dialometer"), QStringLiteral("Dialometer"));
        settings.beginGroup(GridLayoutStore::group());
        for (const QString &value : values)
            settings.setValue(QStringLiteral("DBGridEh.") + PairName(value, QLatin1Char('=')),
                              PairValue(value, QLatin1Char('=')));
    }
    auto window = open({{kDecember1, kHour, 1, 1, 1}, {kDecember1 + 1, kHour, 1, 1, 2}});
    auto *header = window->findChild<FilterHeader *>();
    if (ispWidth > 0)
        QCOMPARE(header->sectionSize(M::ISP), ispWidth);
    QCOMPARE(header->visualIndex(M::ISP), ispPosition);
    QCOMPARE(window->model().sortColumn(), sortColumn);
    if (sortColumn >= 0)
        QCOMPARE(window->model().sortOrder(), Qt::DescendingOrder);
    QCOMPARE(header->hiddenSectionCount(), hidden);
}

void TestStatisticWindow::unreadableFilterIsMarked()
{
    auto window = open({{kDecember1, kHour, 1, 1, 1}, {kDecember1 + 1, kHour, 1, 1, 2}});
    QLineEdit *edit = window->findChild<FilterHeader *>()->editor(M::TrafficIn);
    edit->setText(QStringLiteral(">lots"));
    window->DBGridEhApplyFilter();
    QCOMPARE(window->model().rowCount(), 2);
    QVERIFY(!edit->accessibleDescription().isEmpty());
    QVERIFY(edit->toolTip().contains(QStringLiteral("cannot be read")));
    edit->setText(QStringLiteral(">1"));
    window->DBGridEhApplyFilter();
    QCOMPARE(window->model().rowCount(), 0);
    QVERIFY(edit->accessibleDescription().isEmpty());
}

void TestStatisticWindow::monthFilesInOrder()
{
    QTemporaryDir dir;
    for (const char *name : {"00_01.sn2", "99_12.sn2", "26_11.sn2", "notes.sn2", "26_12.sn2.bak"})
        writeRaw(dir.filePath(QString::fromLatin1(name)), "x");
    auto path = [&](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
    QCOMPARE(MonthFiles::list(dir.path()),
             (QStringList{path("99_12.sn2"), path("00_01.sn2"), path("26_11.sn2")}));
    QCOMPARE(MonthFiles::previous(dir.path(), path("00_01.sn2")), path("99_12.sn2"));
    QCOMPARE(MonthFiles::next(dir.path(), path("26_11.sn2")), QString());
    QCOMPARE(MonthFiles::previous(dir.path(), path("26_12.sn2")), path("26_11.sn2"));
    QCOMPARE(MonthFiles::next(dir.path(), path("notes.sn2")), QString());
}

void TestStatisticWindow::chart_data()
{
    QTest::addColumn<int>("sessions");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("points");
    QTest::newRow("one") << 1 << QString() << 0;
    QTest::newRow("two") << 2 << QString() << 2;
    QTest::newRow("many") << 7 << QString() << 7;
    QTest::newRow("filtered to two") << 7 << QStringLiteral("<2") << 2;
    QTest::newRow("filtered to one") << 7 << QStringLiteral("=3") << 0;
}

void TestStatisticWindow::chart()
{
    QFETCH(int, sessions);
    QFETCH(QString, filter);
    QFETCH(int, points);
    QList<Session> list;
    for (int i = 0; i < sessions; ++i)
        list.append({kDecember1 + i, kHour, 100 * i, 10, double(i)});
    auto window = open(list);
    QCOMPARE(window->series()->name(), QStringLiteral("Cost"));
    if (!filter.isEmpty()) {
        window->findChild<FilterHeader *>()->editor(M::Cost)->setText(filter);
        window->DBGridEhApplyFilter();
    }
    const QList<QPointF> chart = window->series()->points();
    QCOMPARE(chart.size(), points);
    for (int i = 0; i < chart.size(); ++i) {
        QCOMPARE(chart[i].y(), double(i)); // oldest first, whatever the grid's order
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(chart[i].x())).date(),
                 QDate(2026, 12, 1 + i));
    }

    window->ShowQuantity(1);
    QCOMPARE(window->series()->name(), QStringLiteral("Traffic In"));
    QCOMPARE(window->series()->color(), QColor(0, 128, 0));
    if (points > 0)
        QCOMPARE(window->series()->points().last().y(), 100.0 * (points - 1));
}

void TestStatisticWindow::copy()
{
    auto window = open({{kDecember1, 25 * kHour, 1234567, 1, 12.5, "Provider", QString()}});
    auto *grid = window->findChild<QTableView *>(QStringLiteral("DBGridEh"));
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));

    grid->setCurrentIndex(window->model().index(0, M::UserName)); // empty
    window->N11Click();
    QCOMPARE(clipboard->text(), QStringLiteral("before"));

    const QList<QPair<int, QString>> cells = {
        {M::TrafficIn, QStringLiteral("1234567")},
        {M::Cost, TextForms::numberText(12.5)},
        {M::Duration, QStringLiteral("1.01:00:00")},
        {M::Session, TextForms::dateTimeText(kDecember1)},
    };
    for (const auto &[column, text] : cells) {
        grid->setCurrentIndex(window->model().index(0, column));
        QTest::keySequence(grid, QKeySequence::Copy);
        QCOMPARE(clipboard->text(), text);
    }
}

void TestStatisticWindow::contextMenuOnlyOverCells()
{
    auto window = open({{kDecember1, kHour, 1, 1, 1}, {kDecember1 + 1, kHour, 2, 2, 2}});
    auto *grid = window->findChild<QTableView *>(QStringLiteral("DBGridEh"));
    auto *menu = window->findChild<QMenu *>(QStringLiteral("PopupMenu1"));
    auto rightClick = [](QWidget *widget, const QPoint &pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
        QApplication::sendEvent(widget, &event);
    };
    rightClick(grid->horizontalHeader()->viewport(), QPoint(20, 5));
    rightClick(grid->verticalHeader()->viewport(), QPoint(5, 5));
    rightClick(window->findChild<StatisticFooter *>(), QPoint(200, 5));
    rightClick(grid->viewport(), QPoint(20, grid->viewport()->height() - 3)); // below the rows
    QVERIFY(!menu->isVisible());

    const QRect cell = grid->visualRect(window->model().index(1, M::Cost));
    rightClick(grid->viewport(), cell.center());
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("&Copy"));
    QCOMPARE(grid->currentIndex(), window->model().index(1, M::Cost));
    menu->close();
}

void TestStatisticWindow::loadOtherFiles()
{
    const QString november = QDir(logs()).filePath(QStringLiteral("26_11.sn2"));
    writeMonth(november,
               {{kDecember1 - 20, kHour, 10, 20, 1.5}, {kDecember1 - 10, kHour, 1, 2, 2}});
    auto window = open({{kDecember1, kHour, 1, 1, 1},
                        {kDecember1 + 1, kHour, 1, 1, 1},
                        {kDecember1 + 2, kHour, 1, 1, 1}});
    QVERIFY(window->windowTitle().contains(QStringLiteral("December 2026")));
    QVERIFY(!window->findChild<QPushButton *>(QStringLiteral("NextMonth"))->isEnabled());

    QString startedIn;
    window->chooseFileToLoad = [&](QWidget *, const QString &folder) {
        startedIn = folder;
        return november;
    };
    window->Load1Click();
    QCOMPARE(startedIn, logs());
    QCOMPARE(window->model().rowCount(), 2);
    QCOMPARE(window->series()->points().size(), 2);
    QCOMPARE(window->findChild<StatisticFooter *>()->text(M::Cost), QStringLiteral("3.50"));
    QVERIFY(window->windowTitle().contains(QStringLiteral("November 2026")));

    // A damaged file is reported and left alone; the window keeps its month.
    const QString damaged = QDir(logs()).filePath(QStringLiteral("26_10.sn2"));
    writeScrambled(damaged, QByteArrayLiteral("<MainContent><Data><Line"));
    const QByteArray before = readRaw(damaged);
    QVERIFY(!window->loadFile(damaged));
    QCOMPARE(m_prompter.asked.size(), 1);
    QCOMPARE(window->model().rowCount(), 2);
    QCOMPARE(window->shownFile(), november);
    QCOMPARE(readRaw(damaged), before);

    // Next month steps back to the file the window opened with.
    window->findChild<QPushButton *>(QStringLiteral("NextMonth"))->click();
    QCOMPARE(window->model().rowCount(), 3);

    // A file that is not there is an empty month, and is not created.
    const QString missing = QDir(logs()).filePath(QStringLiteral("26_01.sn2"));
    QVERIFY(window->loadFile(missing));
    QCOMPARE(window->model().rowCount(), 0);
    QVERIFY(window->series()->points().isEmpty());
    QVERIFY(!QFile::exists(missing));
    QFile::remove(damaged);
    QFile::remove(november);
}

void TestStatisticWindow::exportReadBack()
{
    auto window = open({{kDecember1 + 0.5, kHour, 100, 20, 0.25, "Alpha, Inc.", "ann"},
                        {kDecember1 + 1, 2 * kHour, 300, 40, 1.5, "Beta"},
                        {kDecember1 + 2, kHour, 200, 10, 3, "Alpha, Inc."}});
    window->findChild<FilterHeader *>()->editor(M::ISP)->setText(QStringLiteral("alpha"));
    window->DBGridEhApplyFilter();
    const QString csv = m_dir.filePath(QStringLiteral("out.csv"));
    window->chooseExportFile = [&](QWidget *, const QString &) { return csv; };
    window->Export1Click();
    QVERIFY(!window->exportFile(QDir(logs()).filePath(QStringLiteral("26_12.sn2"))));

    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines,
             (QStringList{
                 "Time,Duration,TrafficIn,TrafficOut,TrafficSum,Cost,Speed,ConnectName,UserName",
                 "2026-12-03T00:00:00,3600,200,10,210,3,49.333,\"Alpha, Inc.\",",
                 "2026-12-01T12:00:00,3600,100,20,120,0.25,49.333,\"Alpha, Inc.\",ann", ""}));
}

void TestStatisticWindow::search()
{
    auto window = open({{kDecember1, kHour, 1, 1, 1, "Alpha"},
                        {kDecember1 + 1, kHour, 1, 1, 1, "beta"},
                        {kDecember1 + 2, kHour, 1, 1, 1, "alphanet"}});
    GridSearch s;
    s.text = QStringLiteral("alpha");
    QList<int> order;
    for (int c = 0; c < M::ColumnCount; ++c)
        order.append(c);
    int row = -1, column = -1;
    QVERIFY(s.find(window->model(), order, &row, &column));
    QCOMPARE(row, 0); // alphanet, the most recent
    QVERIFY(s.find(window->model(), order, &row, &column));
    QCOMPARE(row, 2);
    s.direction = GridSearch::Direction::Down;
    QVERIFY(!s.find(window->model(), order, &row, &column));
    s.match = GridSearch::Match::WholeField;
    s.matchCase = true;
    s.direction = GridSearch::Direction::All;
    row = -1;
    QVERIFY(!s.find(window->model(), order, &row, &column));
    s.text = QStringLiteral("Alpha");
    QVERIFY(s.find(window->model(), order, &row, &column));
    QCOMPARE(row, 2);
    s.text = QStringLiteral("01/");
    s.match = GridSearch::Match::Beginning;
    s.displayedFormat = true;
    row = -1;
    QVERIFY(s.find(window->model(), order, &row, &column));
    QCOMPARE(column, int(M::Session));
}

namespace {

const QList<Session> kThreeProviders = {{kDecember1, kHour, 1, 1, 3.0, "Alpha"},
                                        {kDecember1 + 1, kHour, 1, 1, 1.0, "Beta"},
                                        {kDecember1 + 2, kHour, 1, 1, 2.0, "Gamma"}};

} // namespace

void TestStatisticWindow::filterCellKeys_data()
{
    // Steps: text to type into the ISP cell, "Return", "Escape", "pause"
    // (longer than the pause after typing that applies the filter), or
    // "grid Escape" (Escape on the grid).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("cellText");
    QTest::addColumn<int>("rows");
    QTest::newRow("Return applies") << QStringList{"Alpha", "Return"} << true << "Alpha" << 1;
    QTest::newRow("Escape puts the applied text back")
        << QStringList{"Alpha", "Return", "x", "Escape"} << true << "Alpha" << 1;
    QTest::newRow("Escape before any apply") << QStringList{"Beta", "Escape"} << true << "" << 3;
    QTest::newRow("Escape after the typing pause applied")
        << QStringList{"Beta", "pause", "Escape"} << true << "" << 3;
    QTest::newRow("Escape on an unchanged cell closes")
        << QStringList{"Alpha", "Return", "Escape"} << false << "Alpha" << 1;
    QTest::newRow("Escape on the grid closes") << QStringList{"grid Escape"} << false << "" << 3;
}

void TestStatisticWindow::filterCellKeys()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, open);
    QFETCH(QString, cellText);
    QFETCH(int, rows);
    auto window = openModal(kThreeProviders);
    QLineEdit *cell = window->findChild<FilterHeader *>()->editor(M::ISP);
    auto *grid = window->findChild<QTableView *>(QStringLiteral("DBGridEh"));
    for (const QString &step : steps) {
        if (step == QLatin1String("Return"))
            QTest::keyClick(cell, Qt::Key_Return);
        else if (step == QLatin1String("Escape"))
            QTest::keyClick(cell, Qt::Key_Escape);
        else if (step == QLatin1String("grid Escape"))
            QTest::keyClick(grid, Qt::Key_Escape);
        else if (step == QLatin1String("pause"))
            QTest::qWait(500);
        else
            QTest::keyClicks(cell, step);
    }
    QCOMPARE(window->isVisible(), open);
    if (!open)
        QCOMPARE(window->result(), int(QDialog::Rejected));
    QCOMPARE(cell->text(), cellText);
    QCOMPARE(window->model().rowCount(), rows);
}

void TestStatisticWindow::tabThroughFilterRow()
{
    auto window = openModal(kThreeProviders);
    auto *header = window->findChild<FilterHeader *>();
    header->moveSection(header->visualIndex(M::UserName), 0);
    header->hideSection(M::Speed);
    QList<QLineEdit *> expected;
    for (int visual = 0; visual < header->count(); ++visual) {
        if (!header->isSectionHidden(header->logicalIndex(visual)))
            expected.append(header->editor(header->logicalIndex(visual)));
    }
    auto *grid = window->findChild<QTableView *>(QStringLiteral("DBGridEh"));
    grid->setFocus();
    QList<QLineEdit *> reached;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    }
    QCOMPARE(reached, expected);
}

void TestStatisticWindow::filterRowInAccessibilityTree()
{
    auto window = openModal(kThreeProviders);
    QLineEdit *traffic = window->findChild<FilterHeader *>()->editor(M::TrafficIn);
    QTest::keyClicks(traffic, QStringLiteral(">lots"));
    QTest::keyClick(traffic, Qt::Key_Return);

    // The filter cells as a screen reader finds them, going down from the window.
    QHash<QString, QAccessibleInterface *> cells;
    QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(window.get())};
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeLast();
        if (node->role() == QAccessible::EditableText)
            cells.insert(node->text(QAccessible::Name), node);
        if (node->role() == QAccessible::Table)
            continue; // its children are the data cells
        for (int i = 0; i < node->childCount(); ++i)
            pending.append(node->child(i));
    }
    for (int c = 0; c < M::ColumnCount; ++c)
        QVERIFY2(cells.contains(QStringLiteral("Filter ") + M::title(c)), qPrintable(M::title(c)));
    QAccessibleInterface *cell = cells.value(QStringLiteral("Filter Traffic In"));
    QCOMPARE(cell->text(QAccessible::Value), QStringLiteral(">lots"));
    QVERIFY(cell->text(QAccessible::Description).contains(QStringLiteral("Cannot be read")));
    QVERIFY(!cells.value(QStringLiteral("Filter ISP"))
                 ->text(QAccessible::Description)
                 .contains(QStringLiteral("Cannot be read")));
}

void TestStatisticWindow::placeKept_data()
{
    QTest::addColumn<QString>("filter"); // for the ISP column; empty: click the Cost title
    QTest::newRow("sort by a title click") << QString();
    QTest::newRow("filter keeping the row") << QStringLiteral("alpha");
}

void TestStatisticWindow::placeKept()
{
    QFETCH(QString, filter);
    QList<Session> sessions;
    for (int i = 0; i < 80; ++i)
        sessions.append({kDecember1 + i * kHour, kHour, 1, 1, double((i * 37) % 80),
                         i % 4 == 0 ? "Beta" : "Alpha"});
    auto window = openModal(sessions);
    auto *grid = window->findChild<QTableView *>(QStringLiteral("DBGridEh"));
    grid->verticalScrollBar()->setValue(30);
    const int row = grid->rowAt(grid->viewport()->height() / 2);
    QVERIFY(row > 30);
    const QModelIndex clicked = window->model().index(row, M::Cost);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(clicked).center());
    QCOMPARE(grid->currentIndex(), clicked);
    const int session = window->model().sourceRow(row);
    const int onScreen = grid->rowViewportPosition(row);
    const QString cost = window->model().plainText(row, M::Cost);

    if (filter.isEmpty()) {
        auto *header = window->findChild<FilterHeader *>();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(M::Cost) + 10, 5));
        QCOMPARE(window->model().sortColumn(), int(M::Cost));
    } else {
        QLineEdit *cell = window->findChild<FilterHeader *>()->editor(M::ISP);
        QTest::keyClicks(cell, filter);
        QTest::keyClick(cell, Qt::Key_Return);
        QCOMPARE(window->model().rowCount(), 60);
        grid->setFocus();
    }
    const QModelIndex current = grid->currentIndex();
    QVERIFY(current.isValid());
    QCOMPARE(window->model().sourceRow(current.row()), session);
    QCOMPARE(current.column(), int(M::Cost));
    QCOMPARE(grid->selectionModel()->selectedRows(), QModelIndexList{current.siblingAtColumn(0)});
    QCOMPARE(grid->rowViewportPosition(current.row()), onScreen);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), cost);
}

void TestStatisticWindow::findInColumnFromCurrentRow_data()
{
    QTest::addColumn<QString>("direction");
    QTest::newRow("all") << "All";
    QTest::newRow("down") << "Down";
    QTest::newRow("up") << "Up";
}

void TestStatisticWindow::findInColumnFromCurrentRow()
{
    QFETCH(QString, direction);
    auto window = openModal(kThreeProviders);
    auto *grid = window->findChild<QTableView *>(QStringLiteral("DBGridEh"));
    const QModelIndex start = window->model().index(1, M::Cost);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(start).center());
    QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
    auto *dialog = window->findChild<QDialog *>(QStringLiteral("SearchDialog"));
    QVERIFY(dialog && dialog->isVisible());
    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("FindWhat")), "a");
    auto *column = dialog->findChild<QComboBox *>(QStringLiteral("FindColumn"));
    column->setCurrentIndex(column->findText(M::title(M::ISP)));
    for (QRadioButton *button : dialog->findChildren<QRadioButton *>()) {
        if (button->text().remove(QLatin1Char('&')) == direction)
            QTest::mouseClick(button, Qt::LeftButton);
    }
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("FindNext")), Qt::LeftButton);
    QCOMPARE(grid->currentIndex(), window->model().index(1, M::ISP)); // every ISP has an "a"
    QVERIFY(m_prompter.asked.isEmpty());
}

void TestStatisticWindow::emptyChartSpansMonth_data()
{
    QTest::addColumn<QList<Session>>("sessions");
    QTest::newRow("no session") << QList<Session>{};
    QTest::newRow("one session") << QList<Session>{{kDecember1 - 300 + 3, kHour, 1, 1, 1}};
}

void TestStatisticWindow::emptyChartSpansMonth()
{
    QFETCH(QList<Session>, sessions);
    auto window = open(sessions, QStringLiteral("26_02.sn2"));
    const QDateTimeAxis *axis = window->findChild<StatisticChart *>()->dateAxis();
    QCOMPARE(axis->min(), QDate(2026, 2, 1).startOfDay());
    QCOMPARE(axis->max(), QDate(2026, 3, 1).startOfDay());
}

void TestStatisticWindow::accelerators()
{
    auto window = open(kThreeProviders);
    window->FindClick();
    // Per window, every menu title, menu item, button and label with an
    // accelerator; each letter once.
    for (QWidget *top : {static_cast<QWidget *>(window.get()),
                         window->findChild<QWidget *>(QStringLiteral("SearchDialog"))}) {
        QStringList texts;
        for (const QAbstractButton *b : top->findChildren<QAbstractButton *>())
            if (b->window() == top)
                texts.append(b->text());
        for (const QLabel *l : top->findChildren<QLabel *>())
            if (l->window() == top)
                texts.append(l->text());
        for (const QMenuBar *bar : top->findChildren<QMenuBar *>()) {
            for (const QAction *menu : bar->actions()) {
                texts.append(menu->text());
                if (menu->menu())
                    for (const QAction *item : menu->menu()->actions())
                        texts.append(item->text());
            }
        }
        QHash<QChar, QString> taken;
        for (const QString &text : texts) {
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            if (amp < 0 || amp + 1 >= text.size() || text[amp + 1] == QLatin1Char('&'))
                continue;
            const QChar letter = text[amp + 1].toLower();
            QVERIFY2(!taken.contains(letter),
                     qPrintable(top->objectName() + ": " + taken.value(letter) + " / " + text));
            taken.insert(letter, text);
        }
    }
}

QTEST_MAIN(TestStatisticWindow)
#include "test_statistic_window.moc"
