#pragma once

#include "stats/FilterExpression.h"
#include "store/SessionTotals.h"

#include <QAbstractTableModel>
#include <QList>
#include <QLocale>
#include <QString>
#include <QVariant>

class SessionTable;

// The statistics grid over a SessionTable: the nine columns in the grid's
// order with their display formats, the rows that pass the filter row, in
// the order of the sort column. The table itself is never changed; a reset
// of the table (a load) is followed at once, keeping the filter and the sort.
class StatisticModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        ISP,
        Session,
        Duration,
        TrafficIn,
        TrafficOut,
        TrafficSum,
        Cost,
        Speed,
        UserName,
        ColumnCount
    };
    // The sums of the footer over the rows shown.
    using Totals = SessionTotals;

    explicit StatisticModel(const SessionTable &table, QObject *parent = nullptr);

    static QString fieldName(int column);
    static QString title(int column);
    static int designedWidth(int column);
    static bool isSortable(int column);
    static bool hasFooter(int column);
    // The column of a field name, or -1.
    static int columnOfField(const QString &field);

    const SessionTable &table() const { return m_table; }
    // The table row shown at a grid row.
    int sourceRow(int row) const { return m_rows.at(row); }
    QVariant value(int row, int column) const { return cell(row, column); }
    // The value in place, for loops over many rows; null when out of range.
    const QVariant &cell(int row, int column) const;
    // The cell as the grid shows it ("#,##0 b", "dd/hh:nn:ss", ...).
    QString displayText(int row, int column) const;
    // The cell converted by the ordinary conversion of its type, for the
    // clipboard; a duration reads as a duration ("1.01:00:00").
    QString plainText(int row, int column) const;

    // Sets a column's filter expression; the rows change at applyFilter().
    // Returns whether the expression could be read.
    bool setFilterText(int column, const QString &text);
    QString filterText(int column) const { return m_filterTexts.at(column); }
    bool isFilterReadable(int column) const { return m_filters.at(column).isReadable(); }
    void clearFilters();
    void applyFilter();

    // column -1 restores the table's order (most recent first).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    Totals totals() const;
    // The footer text of a column, empty for columns without a footer.
    static QString footerText(int column, const Totals &totals,
                              const QLocale &locale = QLocale::system());

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    // After every change of the rows shown (filter, sort, a new table).
    void rowsChanged();

private:
    void tableReset();
    void sortOrder(QList<int> &order) const;
    void filterRows();
    const QVariant &sourceCell(int sourceRow, int column) const;
    QString format(const QVariant &value, int column) const;

    const SessionTable &m_table;
    QLocale m_locale;
    QLocale m_plainLocale; // without group separators
    int m_fields[ColumnCount];
    QList<QString> m_filterTexts;
    QList<FilterExpression> m_filters;
    QList<int> m_order; // table rows, sorted
    QList<int> m_rows;  // the rows of m_order that pass the filter
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
