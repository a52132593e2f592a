#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

class QTableView;

// The footer row of the statistics grid: one cell under every column,
// following the columns' sizes, order and horizontal scroll. It is drawn
// here; the texts also make its accessible description, so a screen reader
// reads the sums.
class StatisticFooter : public QWidget
{
    Q_OBJECT

public:
    explicit StatisticFooter(QTableView *view, QWidget *parent = nullptr);

    // One text per logical column (empty for a column without a footer).
    void setTexts(const QList<QString> &texts);
    QString text(int logicalIndex) const { return m_texts.value(logicalIndex); }
    // The width a column needs to show its footer text whole.
    int neededWidth(int logicalIndex) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont textFont() const;

    QTableView *m_view;
    QList<QString> m_texts;
};
