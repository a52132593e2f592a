#include "store/SessionTable.h"

#include "core/TextForms.h"

SessionTable::SessionTable(QObject *parent) : QAbstractTableModel(parent) {}

void SessionTable::clear()
{
    beginResetModel();
    m_rows.clear();
    m_columns.clear();
    endResetModel();
}

void SessionTable::addColumn(const QString &name, ColumnType type)
{
    const int at = int(m_columns.size());
    beginInsertColumns(QModelIndex(), at, at);
    m_columns.append({name, type});
    for (Row &row : m_rows)
        row.append(QVariant());
    endInsertColumns();
}

bool SessionTable::columnTypeFromCode(int code, ColumnType *type)
{
    switch (code) {
    case int(ColumnType::Text):
    case int(ColumnType::Integer):
    case int(ColumnType::Double):
    case int(ColumnType::DateTime):
        *type = ColumnType(code);
        return true;
    default:
        return false;
    }
}

int SessionTable::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name == name)
            return i;
    }
    return -1;
}

QString SessionTable::columnName(int column) const
{
    return m_columns.value(column).name;
}

SessionTable::ColumnType SessionTable::columnType(int column) const
{
    return m_columns.value(column).type;
}

QVariant SessionTable::convertText(const Column &column, const QString &text, const QLocale &locale)
{
    if (column.type == ColumnType::DateTime && column.name == QLatin1String("Duration")) {
        double days = 0;
        const QString trimmed = text.trimmed();
        return !trimmed.isEmpty() && TextForms::parseDuration(trimmed, &days, locale)
                   ? QVariant(days)
                   : QVariant();
    }
    return convertText(column.type, text, locale);
}

QVariant SessionTable::convertText(ColumnType type, const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    switch (type) {
    case ColumnType::Text: {
        // Text is kept as given; only a blank one counts as empty.
        if (text.size() <= kTextWidth)
            return text;
        int width = kTextWidth;
        // Never leave half of a surrogate pair at the end.
        if (text.at(width - 1).isHighSurrogate())
            --width;
        return text.left(width);
    }
    case ColumnType::Integer: {
        bool ok = false;
        const qint64 value = trimmed.toLongLong(&ok, 10);
        return ok ? QVariant(value) : QVariant();
    }
    case ColumnType::Double: {
        double value = 0;
        return TextForms::parseNumber(trimmed, &value, locale) ? QVariant(value) : QVariant();
    }
    case ColumnType::DateTime: {
        double days = 0;
        return TextForms::parseDateTime(trimmed, &days, locale) ? QVariant(days) : QVariant();
    }
    }
    return {};
}

SessionTable::Row SessionTable::emptyRow() const
{
    return Row(m_columns.size());
}

void SessionTable::insertFirstRow(const Row &row)
{
    beginInsertRows(QModelIndex(), 0, 0);
    Row fitted = row;
    fitted.resize(m_columns.size());
    m_rows.prepend(std::move(fitted));
    endInsertRows();
}

void SessionTable::setRows(QList<Row> rows)
{
    beginResetModel();
    for (Row &row : rows)
        row.resize(m_columns.size());
    m_rows = std::move(rows);
    endResetModel();
}

QVariant SessionTable::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return {};
    return m_rows[row][column];
}

QVariant SessionTable::value(int row, const QString &column) const
{
    return value(row, columnIndex(column));
}

int SessionTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SessionTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant SessionTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const QVariant v = value(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (v.isNull())
            return QString();
        switch (columnType(index.column())) {
        case ColumnType::DateTime:
            return TextForms::dateTimeText(v.toDouble());
        case ColumnType::Double:
            return TextForms::numberText(v.toDouble());
        case ColumnType::Integer:
            return QString::number(v.toLongLong());
        case ColumnType::Text:
            return v.toString();
        }
        return {};
    case Qt::EditRole:
        return v;
    case Qt::TextAlignmentRole:
        if (columnType(index.column()) == ColumnType::Text)
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant SessionTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return columnName(section);
    return section + 1;
}
