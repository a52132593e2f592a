#include "stats/TStatistic.h"

#include "core/Prompter.h"
#include "core/TextForms.h"
#include "stats/FilterExpression.h"
#include "stats/FilterHeader.h"
#include "stats/GridLayoutStore.h"
#include "stats/GridPlace.h"
#include "stats/GridSearch.h"
#include "stats/MonthFiles.h"
#include "stats/SessionCsvExport.h"
#include "stats/StatisticChart.h"
#include "stats/StatisticFooter.h"
#include "stats/StatisticModel.h"
#include "stats/StatisticSearchDialog.h"
#include "store/DataFiles.h"
#include "store/StatisticsLog.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

constexpr int kDefaultDropDownRows = 7;

void copyTable(const SessionTable &from, SessionTable &to)
{
    QList<SessionTable::Row> rows;
    rows.reserve(from.rowCount());
    for (int r = 0; r < from.rowCount(); ++r)
        rows.append(from.row(r));
    to.clear();
    for (const SessionTable::Column &column : from.columns())
        to.addColumn(column.name, column.type);
    to.setRows(std::move(rows));
}

// A file dialog over this window only: the static QFileDialog functions
// block every window of the program, the log-in dialog of user mode too.
QString chooseFile(QWidget *parent, QFileDialog::AcceptMode mode, const QString &caption,
                   const QString &start, const QString &filter)
{
    QFileDialog dialog(parent, caption, start, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

TStatistic::TStatistic(const SessionTable &memTable, const QString &logsDir,
                       const QString &monthFile, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_memTable(memTable), m_logsDir(logsDir), m_prompter(prompter),
      m_shownFile(monthFile)
{
    setObjectName(QStringLiteral("TStatistic"));
    setWindowTitle(caption());
    m_model = new StatisticModel(SMemTable, this);
    for (int c = 0; c < StatisticModel::ColumnCount; ++c)
        m_dropDown.append({kDefaultDropDownRows, 0});

    chooseFileToLoad = [](QWidget *parent, const QString &folder) {
        return chooseFile(parent, QFileDialog::AcceptOpen, tr("Load"), folder,
                          tr("Data file (*.sn2)"));
    };
    chooseExportFile = [](QWidget *parent, const QString &suggested) {
        return chooseFile(parent, QFileDialog::AcceptSave, tr("Export"), suggested,
                          tr("CSV file (*.csv)"));
    };

    // The designed sizes are pixels under an 8-point desktop font; a larger
    // font gets them in proportion, so that the sums still fit their cells.
    m_scale = std::max(1.0, fontMetrics().height() / 13.0);
    createWidgets();
    QSize size = QSize(812, 434) * m_scale;
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        size = size.boundedTo(desktop.size());
        resize(size);
        move(desktop.center() - rect().center());
    } else {
        resize(size);
    }
}

TStatistic::~TStatistic() = default;

QString TStatistic::caption()
{
    return tr("Statistic");
}

void TStatistic::ShowStatistics(const SessionTable &memTable, const QString &logsDir,
                                const QString &monthFile, Prompter &prompter, QWidget *parent)
{
    TStatistic window(memTable, logsDir, monthFile, prompter, parent);
    window.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    window.exec();
}

void TStatistic::createWidgets()
{
    auto *menuBar = new QMenuBar(this);
    QMenu *file = menuBar->addMenu(tr("&File"));
    QAction *load = file->addAction(tr("&Load..."), this, &TStatistic::Load1Click);
    load->setObjectName(QStringLiteral("Load1"));
    load->setShortcut(QKeySequence::Open);
    QAction *exportAction = file->addAction(tr("E&xport..."), this, &TStatistic::Export1Click);
    exportAction->setObjectName(QStringLiteral("Export1"));
    exportAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    file->addSeparator();
    QAction *close = file->addAction(tr("Cl&ose"), this, &TStatistic::Close1Click);
    close->setObjectName(QStringLiteral("Close1"));
    QMenu *edit = menuBar->addMenu(tr("&Edit"));
    N11 = edit->addAction(tr("&Copy"), this, &TStatistic::N11Click);
    N11->setObjectName(QStringLiteral("N11"));
    N11->setShortcut(QKeySequence::Copy);
    N11->setShortcutContext(Qt::WidgetShortcut); // the grid handles Ctrl+C itself
    QAction *find = edit->addAction(tr("F&ind..."), this, &TStatistic::FindClick);
    find->setObjectName(QStringLiteral("Find1"));
    find->setShortcut(QKeySequence::Find);
    QAction *findNext = edit->addAction(tr("Find Nex&t"), this, &TStatistic::FindNextClick);
    findNext->setShortcut(QKeySequence::FindNext);
    edit->addSeparator();
    // A title click for the keyboard: the focused cell's column.
    QAction *sort = edit->addAction(tr("&Sort by This Column"), this, &TStatistic::SortClick);
    sort->setObjectName(QStringLiteral("Sort1"));

    DBGridEh = new QTableView;
    DBGridEh->setObjectName(QStringLiteral("DBGridEh"));
    DBGridEh->setAccessibleName(tr("Sessions"));
    m_header = new FilterHeader(DBGridEh);
    DBGridEh->setHorizontalHeader(m_header);
    DBGridEh->setModel(m_model);
    DBGridEh->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridEh->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGridEh->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DBGridEh->setWordWrap(false);
    DBGridEh->setTabKeyNavigation(false); // Tab goes on to the filter row; arrows move in the grid
    DBGridEh->setContextMenuPolicy(Qt::CustomContextMenu);
    DBGridEh->installEventFilter(this);
    QHeaderView *rows = DBGridEh->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    rows->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8);
    for (int c = 0; c < StatisticModel::ColumnCount; ++c)
        m_header->resizeSection(c, designedWidth(c));
    m_header->setSortIndicatorShown(true);
    m_header->setSortIndicator(-1, Qt::AscendingOrder);
    // The grid and its filter row, which lies over the grid's header but
    // belongs to this frame, where screen readers and the tab chain find it.
    auto *gridFrame = new QWidget;
    gridFrame->setObjectName(QStringLiteral("DBGridEhFrame"));
    auto *gridLayout = new QVBoxLayout(gridFrame);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(DBGridEh);
    m_header->createEditors(FilterExpression::help(), gridFrame);
    connect(m_header, &QHeaderView::sortIndicatorChanged, this,
            &TStatistic::DBGridEhSortMarkingChanged);
    connect(m_header, &FilterHeader::filterEdited, this, &TStatistic::DBGridEhApplyFilter);
    connect(DBGridEh, &QWidget::customContextMenuRequested, this, &TStatistic::PopupMenu1Popup);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(N11);

    m_footer = new StatisticFooter(DBGridEh);
    connect(m_model, &StatisticModel::rowsChanged, this, &TStatistic::updateFooter);

    Chart1 = new StatisticChart(m_scale);
    ComboBox1 = Chart1->quantityList();
    connect(ComboBox1, &QComboBox::activated, this, &TStatistic::ComboBox1Select);

    Button1 = new QPushButton(tr("OK"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    m_previousMonth = new QPushButton(tr("&Previous month"));
    m_previousMonth->setObjectName(QStringLiteral("PreviousMonth"));
    connect(m_previousMonth, &QPushButton::clicked, this, &TStatistic::PreviousMonthClick);
    m_nextMonth = new QPushButton(tr("&Next month"));
    m_nextMonth->setObjectName(QStringLiteral("NextMonth"));
    connect(m_nextMonth, &QPushButton::clicked, this, &TStatistic::NextMonthClick);
    for (QPushButton *button : {Button1, m_previousMonth, m_nextMonth})
        button->setAutoDefault(false);

    auto *buttons = new QWidget;
    buttons->setFixedHeight(qRound(41 * m_scale));
    auto *buttonLayout = new QHBoxLayout(buttons);
    buttonLayout->setContentsMargins(8, 0, 8, 0);
    buttonLayout->addWidget(m_previousMonth);
    buttonLayout->addWidget(m_nextMonth);
    buttonLayout->addStretch();
    buttonLayout->addWidget(Button1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(gridFrame, 1);
    layout->addWidget(m_footer);
    layout->addWidget(Chart1);
    layout->addWidget(buttons);
    DBGridEh->setFocus();
}

int TStatistic::designedWidth(int column) const
{
    return qRound(StatisticModel::designedWidth(column) * m_scale);
}

void TStatistic::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TStatistic::FormShow()
{
    m_header->clearFilters();
    m_model->clearFilters();
    copyTable(m_memTable, SMemTable);
    restoreLayout();
    ShowQuantity(3);
    updateMonth();
}

void TStatistic::restoreLayout()
{
    const QHash<QString, GridLayoutStore::Column> saved = GridLayoutStore::read();
    // Columns the user has not sized yet get room for their sums and for
    // the cells in view, never less than designed.
    for (int c = 0; c < StatisticModel::ColumnCount; ++c) {
        if (saved.contains(StatisticModel::fieldName(c)))
            continue;
        const int needed =
            std::max(m_footer->neededWidth(c),
                     static_cast<QAbstractItemView *>(DBGridEh)->sizeHintForColumn(c));
        if (needed > m_header->sectionSize(c))
            m_header->resizeSection(c, needed);
    }
    QList<QPair<int, int>> positions; // (position, column)
    int sortColumn = -1;
    int sortPlace = std::numeric_limits<int>::max();
    Qt::SortOrder order = Qt::AscendingOrder;
    for (int c = 0; c < StatisticModel::ColumnCount; ++c) {
        const auto it = saved.constFind(StatisticModel::fieldName(c));
        if (it == saved.cend())
            continue;
        const GridLayoutStore::Column &column = *it;
        if (column.width > 0 && column.width <= 4000)
            m_header->resizeSection(c, column.width);
        m_header->setSectionHidden(c, column.visible == 0);
        positions.append({column.position, c});
        m_dropDown[c] = {column.dropDownRows, column.dropDownWidth};
        // The first of the marked columns decides the sort.
        const int place =
            column.sortPlace > 0 ? column.sortPlace : std::numeric_limits<int>::max() - 1;
        if (column.marker != 0 && StatisticModel::isSortable(c) && place < sortPlace) {
            sortColumn = c;
            sortPlace = place;
            order = column.marker == 1 ? Qt::AscendingOrder : Qt::DescendingOrder;
        }
    }
    // A layout that hides every column would leave nothing to show them by.
    if (m_header->hiddenSectionCount() == m_header->count()) {
        for (int c = 0; c < m_header->count(); ++c)
            m_header->showSection(c);
    }
    std::sort(positions.begin(), positions.end());
    for (const auto &[position, column] : positions) {
        const int to = std::clamp(position, 0, m_header->count() - 1);
        m_header->moveSection(m_header->visualIndex(column), to);
    }
    if (sortColumn >= 0)
        m_header->setSortIndicator(sortColumn, order); // sorts through the marker handler
}

void TStatistic::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TStatistic::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    QList<QPair<QString, GridLayoutStore::Column>> columns;
    for (int c = 0; c < StatisticModel::ColumnCount; ++c) {
        GridLayoutStore::Column column;
        column.position = m_header->visualIndex(c);
        column.visible = m_header->isSectionHidden(c) ? 0 : 1;
        column.width = column.visible ? m_header->sectionSize(c) : designedWidth(c);
        const bool marked = c == m_sortSection;
        column.marker = marked ? (m_sortOrder == Qt::AscendingOrder ? 1 : 2) : 0;
        column.sortPlace = marked ? 1 : 0;
        column.dropDownRows = m_dropDown[c].first;
        column.dropDownWidth = m_dropDown[c].second;
        columns.append({StatisticModel::fieldName(c), column});
    }
    GridLayoutStore::write(columns);
}

void TStatistic::Close1Click()
{
    close();
}

void TStatistic::DBGridEhSortMarkingChanged(int section, Qt::SortOrder order)
{
    if (section >= 0 && !StatisticModel::isSortable(section)) {
        // "User Name" takes no marker: put back the one there was.
        QSignalBlocker block(m_header);
        m_header->setSortIndicator(m_sortSection, m_sortOrder);
        return;
    }
    m_sortSection = section;
    m_sortOrder = order;
    if (section < 0)
        return;
    const GridPlace place = GridPlace::take(*DBGridEh, *m_model);
    m_model->sort(section, order);
    place.restore(*DBGridEh, *m_model);
}

void TStatistic::SortClick()
{
    const int column = DBGridEh->currentIndex().column();
    if (!StatisticModel::isSortable(column))
        return;
    const bool flip = column == m_sortSection && m_sortOrder == Qt::AscendingOrder;
    m_header->setSortIndicator(column, flip ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TStatistic::DBGridEhApplyFilter()
{
    for (int c = 0; c < StatisticModel::ColumnCount; ++c) {
        const QLineEdit *edit = m_header->editor(c);
        m_header->setReadable(c, m_model->setFilterText(c, edit ? edit->text() : QString()));
    }
    const GridPlace place = GridPlace::take(*DBGridEh, *m_model);
    m_model->applyFilter();
    place.restore(*DBGridEh, *m_model);
    ShowQuantity(ComboBox1->currentIndex());
}

void TStatistic::updateFooter()
{
    const StatisticModel::Totals totals = m_model->totals();
    QList<QString> texts;
    for (int c = 0; c < StatisticModel::ColumnCount; ++c)
        texts.append(StatisticModel::footerText(c, totals));
    m_footer->setTexts(texts);
}

void TStatistic::ComboBox1Select(int index)
{
    ShowQuantity(index);
}

void TStatistic::ShowQuantity(int index)
{
    if (index < 0 || index >= StatisticChart::quantityCount())
        return;
    ComboBox1->setCurrentIndex(index);
    Chart1->showQuantity(*m_model, index, MonthFiles::monthOf(m_shownFile));
}

bool TStatistic::loadFile(const QString &fileName)
{
    XmlDocument document;
    const DocumentLoad load = ReadDocument(fileName, document);
    if (load.outcome == DocumentLoad::Missing) {
        NewStatistics(document);
    } else if (load.outcome == DocumentLoad::Inaccessible) {
        m_prompter.message(
            caption(),
            tr("\"%1\" cannot be opened: %2.").arg(QDir::toNativeSeparators(fileName), load.reason),
            Prompter::Icon::Critical);
        return false;
    } else if (load.outcome == DocumentLoad::Damaged) {
        m_prompter.message(caption(),
                           tr("\"%1\" cannot be read: the file is damaged or is not a "
                              "statistics file.")
                               .arg(QDir::toNativeSeparators(fileName)),
                           Prompter::Icon::Critical);
        return false;
    } else {
        EnsureStatisticsStructure(document);
    }
    SessionTable loaded;
    QString error;
    if (!LoadStatisticsTable(document, loaded, &error)) {
        m_prompter.message(caption(), error, Prompter::Icon::Critical);
        return false;
    }
    XML_Statistic = document;
    copyTable(loaded, SMemTable);
    m_shownFile = fileName;
    updateMonth();
    ShowQuantity(ComboBox1->currentIndex());
    return true;
}

void TStatistic::Load1Click()
{
    QString folder = m_logsDir;
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString fileName = chooseFileToLoad(this, folder);
    if (!fileName.isEmpty())
        loadFile(fileName);
}

bool TStatistic::exportFile(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".sn2"), Qt::CaseInsensitive)) {
        m_prompter.message(caption(),
                           tr("Export writes a CSV file and never a statistics file. "
                              "Choose a name that does not end in .sn2."),
                           Prompter::Icon::Warning);
        return false;
    }
    QString error;
    if (!SessionCsvExport::write(*m_model, fileName, &error)) {
        m_prompter.message(
            caption(),
            tr("Could not write \"%1\": %2").arg(QDir::toNativeSeparators(fileName), error),
            Prompter::Icon::Critical);
        return false;
    }
    return true;
}

void TStatistic::Export1Click()
{
    QString name = QStringLiteral("sessions.csv");
    const QDate month = MonthFiles::monthOf(m_shownFile);
    if (month.isValid())
        name = QStringLiteral("sessions-%1.csv").arg(month.toString(QStringLiteral("yyyy-MM")));
    const QString fileName = chooseExportFile(this, QDir(QDir::homePath()).filePath(name));
    if (!fileName.isEmpty())
        exportFile(fileName);
}

void TStatistic::updateMonth()
{
    const QDate month = MonthFiles::monthOf(m_shownFile);
    QString shown;
    if (month.isValid())
        shown = QStringLiteral("%1 %2")
                    .arg(QLocale::system().standaloneMonthName(month.month()))
                    .arg(month.year());
    else if (!m_shownFile.isEmpty())
        shown = QFileInfo(m_shownFile).fileName();
    setWindowTitle(shown.isEmpty() ? caption()
                                   : QStringLiteral("%1 \u2013 %2").arg(caption(), shown));
    m_previousMonth->setEnabled(!MonthFiles::previous(m_logsDir, m_shownFile).isEmpty());
    m_nextMonth->setEnabled(!MonthFiles::next(m_logsDir, m_shownFile).isEmpty());
}

void TStatistic::PreviousMonthClick()
{
    const QString file = MonthFiles::previous(m_logsDir, m_shownFile);
    if (!file.isEmpty())
        loadFile(file);
}

void TStatistic::NextMonthClick()
{
    const QString file = MonthFiles::next(m_logsDir, m_shownFile);
    if (!file.isEmpty())
        loadFile(file);
}

void TStatistic::PopupMenu1Popup(const QPoint &pos)
{
    // Only over the data cells; titles, the row indicators and the footer
    // are other widgets and open nothing.
    const QModelIndex index = DBGridEh->indexAt(pos);
    if (!index.isValid())
        return;
    DBGridEh->setCurrentIndex(index);
    PopupMenu1->popup(DBGridEh->viewport()->mapToGlobal(pos));
}

void TStatistic::N11Click()
{
    const QModelIndex index = DBGridEh->currentIndex();
    if (!index.isValid())
        return;
    const QString text = m_model->plainText(index.row(), index.column());
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
}

bool TStatistic::eventFilter(QObject *watched, QEvent *event)
{
    // The grid would copy the shown text of a cell; the window copies its value.
    if (watched == DBGridEh && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        N11Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TStatistic::FindClick()
{
    if (!m_search) {
        QStringList titles;
        for (int c = 0; c < StatisticModel::ColumnCount; ++c)
            titles.append(StatisticModel::title(c));
        m_search = new StatisticSearchDialog(titles, this);
        connect(m_search, &StatisticSearchDialog::findNext, this, &TStatistic::FindNextClick);
    }
    if (DBGridEh->currentIndex().isValid())
        m_search->setColumn(DBGridEh->currentIndex().column());
    m_search->show();
    m_search->raise();
    m_search->activateWindow();
}

void TStatistic::FindNextClick()
{
    if (!m_search) {
        FindClick();
        return;
    }
    const GridSearch search = m_search->search();
    QList<int> order;
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int c = m_header->logicalIndex(visual);
        if (!m_header->isSectionHidden(c))
            order.append(c);
    }
    const QModelIndex current = DBGridEh->currentIndex();
    int row = current.isValid() ? current.row() : -1;
    int column = current.isValid() ? current.column() : -1;
    if (search.find(*m_model, order, &row, &column)) {
        const QModelIndex found = m_model->index(row, column);
        DBGridEh->setCurrentIndex(found);
        DBGridEh->scrollTo(found);
        return;
    }
    m_prompter.message(tr("Find"), tr("Cannot find \"%1\".").arg(search.text),
                       Prompter::Icon::Information);
}

QLineSeries *TStatistic::series() const
{
    return Chart1->series();
}
