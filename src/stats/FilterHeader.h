#pragma once

#include <QHeaderView>
#include <QList>
#include <QStringList>

class QLineEdit;
class QTimer;

// The grid's column titles with a filter row under them: one line edit per
// column that follows its section when columns are resized, moved or
// scrolled. filterEdited() comes a moment after typing stops, and at once on
// Return; Escape in an edited cell puts back the text last applied. The
// edits live on a row laid over the header from a widget outside the grid,
// so that they are in the accessibility tree (the grid shows only its cells
// there) and in the tab chain in column order.
class FilterHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit FilterHeader(QWidget *parent = nullptr);

    // Creates the editors for the model's columns on a row that is a child
    // of host, a widget that holds the grid; call after setModel().
    void createEditors(const QString &toolTip, QWidget *host);
    QLineEdit *editor(int logicalIndex) const { return m_editors.value(logicalIndex); }
    // The editors in the order of the columns on screen.
    QList<QLineEdit *> editorsInColumnOrder() const;
    void clearFilters();
    // Marks an editor whose expression cannot be read.
    void setReadable(int logicalIndex, bool readable);

    QSize sizeHint() const override;

signals:
    void filterEdited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void updateGeometries() override;

private:
    void applyNow();
    bool restoreApplied(QLineEdit *edit);
    void showColumnOf(QLineEdit *edit);
    void placeEditors();
    void orderEditors();
    int titleHeight() const;

    QWidget *m_row = nullptr;
    QList<QLineEdit *> m_editors;
    QStringList m_applied; // per editor, the text when the filter was last applied
    // Per editor, the text Escape goes back to: the cell's text when it took
    // the focus or Return applied it. The pause after typing applies the
    // filter too, and Escape must still undo what was typed.
    QStringList m_committed;
    QString m_toolTip;
    QTimer *m_typingPause;
};
