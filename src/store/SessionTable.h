#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QLocale>
#include <QString>
#include <QVariant>

// A month's finished connections in memory, one row per Line of the
// statistics document, most recent first. Values are QVariant: null for an
// empty column, qint64 for integers, double for numbers and for date-times
// (days since 30 December 1899), QString (at most 20 characters) for text.
// The display role gives the regional text; the edit role gives the value
// itself, which is what a sort proxy should compare.
class SessionTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The type codes of the statistics document's column definitions.
    enum class ColumnType { Text = 1, Integer = 3, Double = 6, DateTime = 11 };
    struct Column
    {
        QString name;
        ColumnType type = ColumnType::Text;
    };
    using Row = QList<QVariant>;
    // Width of a text column; longer texts are cut in the table only.
    static constexpr int kTextWidth = 20;

    explicit SessionTable(QObject *parent = nullptr);

    // Drops every row and every column definition.
    void clear();
    void addColumn(const QString &name, ColumnType type);
    // The column type of a type code; false for a code that names none.
    static bool columnTypeFromCode(int code, ColumnType *type);

    const QList<Column> &columns() const { return m_columns; }
    // The position of a column by name, or -1.
    int columnIndex(const QString &name) const;
    QString columnName(int column) const;
    ColumnType columnType(int column) const;

    // A text converted to a column's type: null when the text is blank or
    // cannot be converted (date-times and numbers under the regional
    // conventions, integers in decimal, text cut to kTextWidth).
    static QVariant convertText(ColumnType type, const QString &text,
                                const QLocale &locale = QLocale::system());
    // The same for one column: the date-time column Duration holds a
    // duration, whose two-digit years read differently (99 is 1899).
    static QVariant convertText(const Column &column, const QString &text,
                                const QLocale &locale = QLocale::system());
    // A row of this table's width with every column null.
    Row emptyRow() const;

    // Puts a row (of the table's width) in front of all others.
    void insertFirstRow(const Row &row);
    // Replaces all rows at once; rows are given in table order.
    void setRows(QList<Row> rows);

    const Row &row(int row) const { return m_rows.at(row); }
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString &column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<Column> m_columns;
    QList<Row> m_rows;
};
