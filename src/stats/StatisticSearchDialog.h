#pragma once

#include "stats/GridSearch.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

// Find in the statistics grid: the text, the column, how much of the field
// must match, the direction, case and displayed format. Find Next asks the
// window to search; the dialog stays open for the next one.
class StatisticSearchDialog : public QDialog
{
    Q_OBJECT

public:
    StatisticSearchDialog(const QStringList &columnTitles, QWidget *parent = nullptr);

    GridSearch search() const;
    void setColumn(int column);

signals:
    void findNext();

private:
    QLineEdit *m_text;
    QComboBox *m_column;
    QComboBox *m_match;
    QRadioButton *m_up;
    QRadioButton *m_down;
    QRadioButton *m_all;
    QCheckBox *m_matchCase;
    QCheckBox *m_displayedFormat;
};
