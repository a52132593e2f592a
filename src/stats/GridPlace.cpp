#include "stats/GridPlace.h"

#include "stats/StatisticModel.h"
#include "store/SessionTable.h"

#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

GridPlace GridPlace::take(const QTableView &view, const StatisticModel &model)
{
    GridPlace place;
    place.m_vertical = view.verticalScrollBar()->value();
    place.m_horizontal = view.horizontalScrollBar()->value();
    const QModelIndex current = view.currentIndex();
    if (current.isValid()) {
        place.m_currentSession = model.sourceRow(current.row());
        place.m_currentColumn = current.column();
        const int top = view.rowAt(0);
        const int bottom = view.rowAt(view.viewport()->height() - 1);
        if (top >= 0 && current.row() >= top && (bottom < 0 || current.row() <= bottom))
            place.m_currentFromTop = current.row() - top;
    }
    if (const QItemSelectionModel *selection = view.selectionModel()) {
        for (const QItemSelectionRange &range : selection->selection()) {
            for (int r = range.top(); r <= range.bottom(); ++r)
                place.m_selectedSessions.append(model.sourceRow(r));
        }
    }
    return place;
}

void GridPlace::restore(QTableView &view, const StatisticModel &model) const
{
    // Grid rows of the sessions that are still shown.
    QList<int> rowOf;
    if (m_currentSession >= 0 || !m_selectedSessions.isEmpty()) {
        rowOf.fill(-1, model.table().rowCount());
        for (int r = 0; r < model.rowCount(); ++r)
            rowOf[model.sourceRow(r)] = r;
    }
    auto rowOfSession = [&](int session) {
        return session >= 0 && session < rowOf.size() ? rowOf[session] : -1;
    };

    QList<int> rows;
    for (int session : m_selectedSessions) {
        const int r = rowOfSession(session);
        if (r >= 0)
            rows.append(r);
    }
    std::sort(rows.begin(), rows.end());
    QItemSelection selection;
    const int lastColumn = model.columnCount() - 1;
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i;
        while (j + 1 < rows.size() && rows[j + 1] <= rows[j] + 1)
            ++j;
        selection.select(model.index(rows[i], 0), model.index(rows[j], lastColumn));
        i = j + 1;
    }
    QItemSelectionModel *selectionModel = view.selectionModel();
    const int currentRow = rowOfSession(m_currentSession);
    if (currentRow >= 0)
        selectionModel->setCurrentIndex(model.index(currentRow, m_currentColumn),
                                        QItemSelectionModel::NoUpdate);
    selectionModel->select(selection, QItemSelectionModel::ClearAndSelect);

    // The scroll bars take their new ranges from the layout.
    view.doItemsLayout();
    view.horizontalScrollBar()->setValue(m_horizontal);
    if (currentRow >= 0 && m_currentFromTop >= 0) {
        const int topRow = std::max(0, currentRow - m_currentFromTop);
        if (view.verticalScrollMode() == QAbstractItemView::ScrollPerItem)
            view.verticalScrollBar()->setValue(topRow);
        else
            view.verticalScrollBar()->setValue(view.rowViewportPosition(topRow) +
                                               view.verticalScrollBar()->value());
    } else {
        view.verticalScrollBar()->setValue(m_vertical);
    }
}
