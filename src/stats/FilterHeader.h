#pragma once

#include <QHeaderView>
#include <QList>

class QLineEdit;
class QTimer;

// The grid's column titles with a filter row under them: one line edit per
// column that follows its section when columns are resized, moved or
// scrolled. filterEdited() comes a moment after typing stops, and at once on
// Return.
class FilterHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit FilterHeader(QWidget *parent = nullptr);

    // Creates the editors for the model's columns; call after setModel().
    void createEditors(const QString &toolTip);
    QLineEdit *editor(int logicalIndex) const { return m_editors.value(logicalIndex); }
    void clearFilters();
    // Marks an editor whose expression cannot be read.
    void setReadable(int logicalIndex, bool readable);

    QSize sizeHint() const override;

signals:
    void filterEdited();

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void updateGeometries() override;

private:
    void placeEditors();
    int titleHeight() const;

    QList<QLineEdit *> m_editors;
    QString m_toolTip;
    QTimer *m_typingPause;
};
