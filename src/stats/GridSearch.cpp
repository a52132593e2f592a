#include "stats/GridSearch.h"

#include "stats/StatisticModel.h"

bool GridSearch::matches(const QString &cell) const
{
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    switch (match) {
    case Match::AnyPart:
        return cell.contains(text, cs);
    case Match::WholeField:
        return cell.compare(text, cs) == 0;
    case Match::Beginning:
        return cell.startsWith(text, cs);
    }
    return false;
}

bool GridSearch::find(const StatisticModel &model, const QList<int> &columnOrder, int *row,
                      int *column) const
{
    QList<int> columns;
    for (int c : columnOrder) {
        if (this->column < 0 || c == this->column)
            columns.append(c);
    }
    const int rows = model.rowCount();
    const int perRow = int(columns.size());
    if (text.isEmpty() || rows == 0 || perRow == 0)
        return false;
    // Cells are numbered row by row; the search steps from the current cell.
    const qint64 total = qint64(rows) * perRow;
    const bool up = direction == Direction::Up;
    // A current cell outside the columns searched starts the search at its
    // row: the row's searched cells come first.
    const qsizetype inRow = *row < 0 ? -1 : columns.indexOf(*column);
    qint64 at = *row < 0    ? (up ? total : -1)
                : inRow < 0 ? qint64(*row) * perRow + (up ? perRow : -1)
                            : qint64(*row) * perRow + inRow;
    for (qint64 step = 1; step <= total; ++step) {
        qint64 cell = up ? at - step : at + step;
        if (cell < 0 || cell >= total) {
            if (direction != Direction::All)
                return false;
            cell = (cell % total + total) % total;
        }
        const int r = int(cell / perRow);
        const int c = columns[int(cell % perRow)];
        const QString shown = displayedFormat ? model.displayText(r, c) : model.plainText(r, c);
        if (matches(shown)) {
            *row = r;
            *column = c;
            return true;
        }
    }
    return false;
}
