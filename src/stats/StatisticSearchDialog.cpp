#include "stats/StatisticSearchDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

StatisticSearchDialog::StatisticSearchDialog(const QStringList &columnTitles, QWidget *parent)
    : QDialog(parent), m_text(new QLineEdit), m_column(new QComboBox), m_match(new QComboBox),
      m_up(new QRadioButton(tr("&Up"))), m_down(new QRadioButton(tr("&Down"))),
      m_all(new QRadioButton(tr("&All"))), m_matchCase(new QCheckBox(tr("Match ca&se"))),
      m_displayedFormat(new QCheckBox(tr("Match displayed &format")))
{
    setObjectName(QStringLiteral("SearchDialog"));
    setWindowTitle(tr("Find"));
    m_text->setObjectName(QStringLiteral("FindWhat"));
    m_column->setObjectName(QStringLiteral("FindColumn"));
    m_match->setObjectName(QStringLiteral("FindMatch"));
    m_column->addItem(tr("All columns"), -1);
    for (int c = 0; c < columnTitles.size(); ++c)
        m_column->addItem(columnTitles[c], c);
    m_match->addItem(tr("Any part of field"), int(GridSearch::Match::AnyPart));
    m_match->addItem(tr("Whole field"), int(GridSearch::Match::WholeField));
    m_match->addItem(tr("Beginning of field"), int(GridSearch::Match::Beginning));
    m_all->setChecked(true);

    auto *form = new QFormLayout;
    form->addRow(tr("Find &what:"), m_text);
    form->addRow(tr("&In column:"), m_column);
    form->addRow(tr("&Match:"), m_match);

    auto *direction = new QGroupBox(tr("Search"));
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);
    directionLayout->addWidget(m_all);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *find = buttons->addButton(tr("Find &Next"), QDialogButtonBox::ActionRole);
    find->setObjectName(QStringLiteral("FindNext"));
    find->setDefault(true);
    find->setEnabled(false);
    connect(m_text, &QLineEdit::textChanged, find,
            [find](const QString &text) { find->setEnabled(!text.isEmpty()); });
    connect(find, &QPushButton::clicked, this, &StatisticSearchDialog::findNext);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(direction);
    layout->addWidget(m_matchCase);
    layout->addWidget(m_displayedFormat);
    layout->addWidget(buttons);
}

GridSearch StatisticSearchDialog::search() const
{
    GridSearch s;
    s.text = m_text->text();
    s.column = m_column->currentData().toInt();
    s.match = GridSearch::Match(m_match->currentData().toInt());
    s.direction = m_up->isChecked()     ? GridSearch::Direction::Up
                  : m_down->isChecked() ? GridSearch::Direction::Down
                                        : GridSearch::Direction::All;
    s.matchCase = m_matchCase->isChecked();
    s.displayedFormat = m_displayedFormat->isChecked();
    return s;
}

void StatisticSearchDialog::setColumn(int column)
{
    const int at = m_column->findData(column);
    if (at >= 0)
        m_column->setCurrentIndex(at);
}
