#include "stats/StatisticModel.h"

#include "core/TextForms.h"
#include "store/SessionTable.h"

#include <QDate>
#include <QHash>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

struct ColumnDefinition
{
    const char *field;
    const char *title;
    int width;
    FilterExpression::Operand operand;
};

// Left to right as the grid shows them; the titles are translated where shown.
const ColumnDefinition kColumns[StatisticModel::ColumnCount] = {
    {"ConnectName", QT_TRANSLATE_NOOP("StatisticModel", "ISP"), 109,
     FilterExpression::Operand::Text},
    {"Time", QT_TRANSLATE_NOOP("StatisticModel", "Session"), 95,
     FilterExpression::Operand::DateTime},
    {"Duration", QT_TRANSLATE_NOOP("StatisticModel", "Duration"), 74,
     FilterExpression::Operand::Duration},
    {"TrafficIn", QT_TRANSLATE_NOOP("StatisticModel", "Traffic In"), 85,
     FilterExpression::Operand::Number},
    {"TrafficOut", QT_TRANSLATE_NOOP("StatisticModel", "Traffic Out"), 88,
     FilterExpression::Operand::Number},
    {"TrafficSum", QT_TRANSLATE_NOOP("StatisticModel", "Traffic Sum"), 92,
     FilterExpression::Operand::Number},
    {"Cost", QT_TRANSLATE_NOOP("StatisticModel", "Cost"), 45, FilterExpression::Operand::Number},
    {"Speed", QT_TRANSLATE_NOOP("StatisticModel", "Speed"), 59, FilterExpression::Operand::Number},
    {"UserName", QT_TRANSLATE_NOOP("StatisticModel", "User Name"), 90,
     FilterExpression::Operand::Text},
};

constexpr qint64 kMsPerDay = 86400000;

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

} // namespace

StatisticModel::StatisticModel(const SessionTable &table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_locale(QLocale::system()),
      m_plainLocale(QLocale::system()), m_filterTexts(ColumnCount), m_filters(ColumnCount)
{
    m_plainLocale.setNumberOptions(QLocale::OmitGroupSeparator);
    std::fill(std::begin(m_fields), std::end(m_fields), -1);
    connect(&m_table, &QAbstractItemModel::modelReset, this, &StatisticModel::tableReset);
    connect(&m_table, &QAbstractItemModel::rowsInserted, this, &StatisticModel::tableReset);
    connect(&m_table, &QAbstractItemModel::columnsInserted, this, &StatisticModel::tableReset);
    tableReset();
}

QString StatisticModel::fieldName(int column)
{
    return column >= 0 && column < ColumnCount ? QString::fromLatin1(kColumns[column].field)
                                               : QString();
}

QString StatisticModel::title(int column)
{
    return column >= 0 && column < ColumnCount ? tr(kColumns[column].title) : QString();
}

int StatisticModel::designedWidth(int column)
{
    return column >= 0 && column < ColumnCount ? kColumns[column].width : 0;
}

bool StatisticModel::isSortable(int column)
{
    return column >= 0 && column < UserName;
}

bool StatisticModel::hasFooter(int column)
{
    return column >= Duration && column <= Cost;
}

int StatisticModel::columnOfField(const QString &field)
{
    for (int c = 0; c < ColumnCount; ++c) {
        if (field == QLatin1String(kColumns[c].field))
            return c;
    }
    return -1;
}

void StatisticModel::tableReset()
{
    beginResetModel();
    for (int c = 0; c < ColumnCount; ++c)
        m_fields[c] = m_table.columnIndex(fieldName(c));
    m_order.resize(m_table.rowCount());
    std::iota(m_order.begin(), m_order.end(), 0);
    sortOrder(m_order);
    filterRows();
    endResetModel();
    emit rowsChanged();
}

const QVariant &StatisticModel::sourceCell(int sourceRow, int column) const
{
    static const QVariant null;
    const int field = m_fields[column];
    return field < 0 ? null : m_table.row(sourceRow).at(field);
}

const QVariant &StatisticModel::cell(int row, int column) const
{
    static const QVariant null;
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= ColumnCount)
        return null;
    return sourceCell(m_rows[row], column);
}

QString StatisticModel::format(const QVariant &v, int column) const
{
    if (v.isNull())
        return QString();
    switch (column) {
    case Session: {
        // dd/hh:nn:ss: the day of the month and the time.
        QDate date;
        QTime time;
        if (!TextForms::splitDays(v.toDouble(), &date, &time))
            return QString();
        const QString sep = TextForms::timeSeparator(m_locale);
        return twoDigits(date.day()) + QLatin1Char('/') + twoDigits(time.hour()) + sep +
               twoDigits(time.minute()) + sep + twoDigits(time.second());
    }
    case Duration: {
        // The time of day only: a 25-hour session shows 01:00:00.
        const double days = v.toDouble();
        if (!std::isfinite(days) || std::fabs(days) > 1e9)
            return QString();
        const qint64 ms = std::llround(std::fabs(days) * double(kMsPerDay)) % kMsPerDay;
        return TextForms::durationText(double(ms) / double(kMsPerDay), m_locale);
    }
    case TrafficIn:
    case TrafficOut:
    case TrafficSum:
        return TextForms::countText(v.toLongLong(), m_locale) + QLatin1String(" b");
    case Cost: {
        QString text = TextForms::moneyText(v.toDouble(), m_locale);
        text.chop(1); // the money text's trailing blank
        return text;
    }
    case Speed:
        return m_plainLocale.toString(v.toDouble(), 'f', 1) + QLatin1String(" KBps");
    default:
        return v.toString();
    }
}

QString StatisticModel::displayText(int row, int column) const
{
    return format(value(row, column), column);
}

QString StatisticModel::plainText(int row, int column) const
{
    const QVariant v = value(row, column);
    if (v.isNull())
        return QString();
    switch (column) {
    case Session:
        return TextForms::dateTimeText(v.toDouble(), m_locale);
    case Duration:
        return TextForms::durationText(v.toDouble(), m_locale);
    case TrafficIn:
    case TrafficOut:
    case TrafficSum:
        return QString::number(v.toLongLong());
    case Cost:
    case Speed:
        return TextForms::numberText(v.toDouble(), m_locale);
    default:
        return v.toString();
    }
}

bool StatisticModel::setFilterText(int column, const QString &text)
{
    if (column < 0 || column >= ColumnCount)
        return false;
    m_filterTexts[column] = text;
    m_filters[column] = FilterExpression::parse(text, kColumns[column].operand, m_locale);
    return m_filters[column].isReadable();
}

void StatisticModel::clearFilters()
{
    for (int c = 0; c < ColumnCount; ++c)
        setFilterText(c, QString());
}

void StatisticModel::applyFilter()
{
    beginResetModel();
    filterRows();
    endResetModel();
    emit rowsChanged();
}

void StatisticModel::filterRows()
{
    QList<int> active;
    for (int c = 0; c < ColumnCount; ++c) {
        if (!m_filters[c].keepsAll())
            active.append(c);
    }
    if (active.isEmpty()) {
        m_rows = m_order;
        return;
    }
    m_rows.clear();
    m_rows.reserve(m_order.size());
    for (int r : m_order) {
        bool keep = true;
        for (int c : active) {
            const FilterExpression &filter = m_filters[c];
            const QVariant &v = sourceCell(r, c);
            if (!filter.matches(v, filter.needsShownText() ? format(v, c) : QString())) {
                keep = false;
                break;
            }
        }
        if (keep)
            m_rows.append(r);
    }
}

void StatisticModel::sort(int column, Qt::SortOrder order)
{
    if (column < -1 || column >= ColumnCount)
        return;
    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    std::iota(m_order.begin(), m_order.end(), 0);
    sortOrder(m_order);
    filterRows();
    endResetModel();
    emit rowsChanged();
}

void StatisticModel::sortOrder(QList<int> &order) const
{
    if (m_sortColumn < 0 || m_fields[m_sortColumn] < 0)
        return;
    const int field = m_fields[m_sortColumn];
    const int n = m_table.rowCount();
    // One key per table row, compared as numbers: empty cells first.
    std::vector<double> keys(n);
    if (m_sortColumn == ISP || m_sortColumn == UserName) {
        // Few distinct names: rank them once in the user's collation.
        QHash<QString, int> rank;
        for (int r = 0; r < n; ++r)
            rank.insert(m_table.row(r).at(field).toString(), 0);
        QList<QString> distinct = rank.keys();
        std::sort(distinct.begin(), distinct.end(), [](const QString &a, const QString &b) {
            return QString::localeAwareCompare(a, b) < 0;
        });
        for (int i = 0; i < distinct.size(); ++i)
            rank[distinct[i]] = i;
        for (int r = 0; r < n; ++r) {
            const QVariant &v = m_table.row(r).at(field);
            keys[r] = v.isNull() ? -std::numeric_limits<double>::infinity()
                                 : double(rank.value(v.toString()));
        }
    } else {
        for (int r = 0; r < n; ++r) {
            const QVariant &v = m_table.row(r).at(field);
            keys[r] = v.isNull() ? -std::numeric_limits<double>::infinity() : v.toDouble();
        }
    }
    // Stable: equal keys keep the table's order.
    if (m_sortOrder == Qt::AscendingOrder)
        std::stable_sort(order.begin(), order.end(),
                         [&keys](int a, int b) { return keys[a] < keys[b]; });
    else
        std::stable_sort(order.begin(), order.end(),
                         [&keys](int a, int b) { return keys[a] > keys[b]; });
}

StatisticModel::Totals StatisticModel::totals() const
{
    Totals t;
    const int duration = m_fields[Duration];
    const int in = m_fields[TrafficIn];
    const int out = m_fields[TrafficOut];
    const int sum = m_fields[TrafficSum];
    const int cost = m_fields[Cost];
    for (int r : m_rows) {
        const SessionTable::Row &row = m_table.row(r);
        ++t.count;
        if (duration >= 0)
            t.durationDays += row.at(duration).toDouble();
        if (in >= 0)
            t.trafficIn += row.at(in).toLongLong();
        if (out >= 0)
            t.trafficOut += row.at(out).toLongLong();
        if (sum >= 0)
            t.trafficSum += row.at(sum).toLongLong();
        if (cost >= 0)
            t.cost += row.at(cost).toDouble();
    }
    return t;
}

QString StatisticModel::footerText(int column, const Totals &t, const QLocale &locale)
{
    switch (column) {
    case Duration:
        // Unlike the cells, the sum carries its whole days: 1.06:00:00.
        return TextForms::durationText(t.durationDays, locale);
    case TrafficIn:
        return TextForms::countText(t.trafficIn, locale) + QLatin1String(" b");
    case TrafficOut:
        return TextForms::countText(t.trafficOut, locale) + QLatin1String(" b");
    case TrafficSum:
        return TextForms::countText(t.trafficSum, locale) + QLatin1String(" b");
    case Cost: {
        QString text = TextForms::moneyText(t.cost, locale);
        text.chop(1);
        return text;
    }
    default:
        return QString();
    }
}

int StatisticModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int StatisticModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StatisticModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::EditRole:
        return value(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (index.column() == ISP || index.column() == UserName)
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant StatisticModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section + 1;
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return title(section);
    case Qt::InitialSortOrderRole:
        return int(Qt::AscendingOrder);
    case Qt::ToolTipRole:
        return isSortable(section) ? tr("Click to sort by %1").arg(title(section)) : QVariant();
    default:
        return {};
    }
}
