#pragma once

#include <QList>
#include <QString>

class StatisticModel;

// What the grid's search dialog looks for, and the search itself.
class GridSearch
{
public:
    enum class Match { AnyPart, WholeField, Beginning };
    enum class Direction { Up, Down, All };

    QString text;
    int column = -1; // -1: every column
    Match match = Match::AnyPart;
    Direction direction = Direction::All;
    bool matchCase = false;
    // Compare with the cell as the grid shows it rather than its plain text.
    bool displayedFormat = false;

    bool matches(const QString &cell) const;
    // The cell (row, column) after (row, column) that matches, in the given
    // order of columns; false when there is none. row -1 starts before the
    // first row (after the last one when searching up).
    bool find(const StatisticModel &model, const QList<int> &columnOrder, int *row,
              int *column) const;
};
