#pragma once

#include "store/SessionTable.h"
#include "store/XmlDocument.h"

#include <QDialog>
#include <QString>

#include <functional>

class FilterHeader;
class Prompter;
class QAction;
class QComboBox;
class QLineSeries;
class QMenu;
class QPushButton;
class QTableView;
class StatisticChart;
class StatisticFooter;
class StatisticModel;
class StatisticSearchDialog;

// The statistics window: the finished connections of a month in a grid that
// sorts, filters, searches and copies, with the sums of the rows shown in a
// footer and one quantity charted over the month. It shows a copy of the
// month's table taken when it opens and can load any other month file; it
// never changes a month file. The column layout is kept in the user's
// settings between openings.
class TStatistic : public QDialog
{
    Q_OBJECT

public:
    // memTable is copied when the window is shown. logsDir is where File >
    // Load starts and the months are stepped through; monthFile is the file
    // that memTable holds (it names the month in the title).
    TStatistic(const SessionTable &memTable, const QString &logsDir, const QString &monthFile,
               Prompter &prompter, QWidget *parent = nullptr);
    ~TStatistic() override;

    // Creates the window, shows it modally and frees it when it closes.
    static void ShowStatistics(const SessionTable &memTable, const QString &logsDir,
                               const QString &monthFile, Prompter &prompter,
                               QWidget *parent = nullptr);

    // Fills the chart with quantity index: 0 Time, 1 Traffic In, 2 Traffic
    // Out, 3 Cost.
    void ShowQuantity(int index);
    // File > Load without the file dialog. A missing file shows an empty
    // month; a damaged one is reported and the window stays as it was.
    bool loadFile(const QString &fileName);
    // File > Export without the file dialog.
    bool exportFile(const QString &fileName);

    // The file dialogs, replaceable for tests: a file to load (starting in
    // the folder given) and a file to export to (the name suggested).
    std::function<QString(QWidget *parent, const QString &folder)> chooseFileToLoad;
    std::function<QString(QWidget *parent, const QString &suggested)> chooseExportFile;

    const SessionTable &table() const { return SMemTable; }
    StatisticModel &model() const { return *m_model; }
    QLineSeries *series() const;
    QString shownFile() const { return m_shownFile; }

public slots:
    void Load1Click();
    void Export1Click();
    void Close1Click();
    void ComboBox1Select(int index);
    void DBGridEhApplyFilter();
    void N11Click();
    void FindClick();
    void FindNextClick();
    void SortClick();
    void PreviousMonthClick();
    void NextMonthClick();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The window's title without the month; it heads its messages too.
    static QString caption();
    void FormShow();
    void FormClose();
    void DBGridEhSortMarkingChanged(int section, Qt::SortOrder order);
    void PopupMenu1Popup(const QPoint &pos);
    void createWidgets();
    void restoreLayout();
    void updateFooter();
    void updateMonth();
    int designedWidth(int column) const;

    const SessionTable &m_memTable;
    const QString m_logsDir;
    Prompter &m_prompter;
    QString m_shownFile;

    SessionTable SMemTable;
    XmlDocument XML_Statistic;
    StatisticModel *m_model = nullptr;

    QTableView *DBGridEh = nullptr;
    FilterHeader *m_header = nullptr;
    StatisticFooter *m_footer = nullptr;
    StatisticChart *Chart1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *m_previousMonth = nullptr;
    QPushButton *m_nextMonth = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *N11 = nullptr;
    StatisticSearchDialog *m_search = nullptr;

    int m_sortSection = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QList<QPair<int, int>> m_dropDown; // per column: its drop-down list's rows and width
    double m_scale = 1.0;
    bool m_shown = false;
    bool m_closed = false;
};
