#pragma once

#include <QList>

class QTableView;
class StatisticModel;

// The user's place in the statistics grid, kept across a sort or a filter,
// which put the rows in a new order: the current cell and the selected rows
// follow their sessions, and the current row stays where it was on screen
// (or, when it is gone, the view stays where it was scrolled to).
class GridPlace
{
public:
    static GridPlace take(const QTableView &view, const StatisticModel &model);
    void restore(QTableView &view, const StatisticModel &model) const;

private:
    int m_currentSession = -1; // table row of the current cell
    int m_currentColumn = -1;
    int m_currentFromTop = -1; // its row's distance from the top row in view, when in view
    QList<int> m_selectedSessions;
    int m_vertical = 0;
    int m_horizontal = 0;
};
