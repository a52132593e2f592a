#include "stats/StatisticFooter.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTableView>

namespace {
constexpr int kPadding = 8; // left and right of a cell's text
}

StatisticFooter::StatisticFooter(QTableView *view, QWidget *parent) : QWidget(parent), m_view(view)
{
    setObjectName(QStringLiteral("DBGridEhFooter"));
    setAccessibleName(tr("Totals"));
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QHeaderView *header = view->horizontalHeader();
    const auto repaint = [this] { update(); };
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

void StatisticFooter::setTexts(const QList<QString> &texts)
{
    m_texts = texts;
    QStringList parts;
    const QAbstractItemModel *model = m_view->model();
    for (int c = 0; c < m_texts.size(); ++c) {
        if (m_texts[c].isEmpty())
            continue;
        const QString title =
            model ? model->headerData(c, Qt::Horizontal).toString() : QString::number(c + 1);
        parts.append(tr("%1: %2").arg(title, m_texts[c]));
    }
    setAccessibleDescription(parts.join(QStringLiteral("; ")));
    setToolTip(parts.join(QLatin1Char('\n')));
    update();
}

QFont StatisticFooter::textFont() const
{
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

int StatisticFooter::neededWidth(int logicalIndex) const
{
    const QString text = m_texts.value(logicalIndex);
    return text.isEmpty() ? 0 : QFontMetrics(textFont()).horizontalAdvance(text) + kPadding;
}

QSize StatisticFooter::sizeHint() const
{
    return {100, fontMetrics().height() + 8};
}

void StatisticFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &pal = palette();
    painter.fillRect(rect(), pal.window());
    painter.setPen(pal.color(QPalette::Mid));
    painter.drawLine(rect().topLeft(), rect().topRight());

    const QHeaderView *header = m_view->horizontalHeader();
    // Cells start where the view's columns do: after its frame and the row
    // indicator column.
    const int left =
        m_view->frameWidth() +
        (m_view->verticalHeader()->isVisible() ? m_view->verticalHeader()->width() : 0);
    painter.setClipRect(QRect(left, 0, width() - left, height()));
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c))
            continue;
        const QRect cell(left + header->sectionViewportPosition(c), 0, header->sectionSize(c),
                         height());
        painter.setPen(pal.color(QPalette::Mid));
        painter.drawLine(cell.topRight(), cell.bottomRight());
        const QString text = m_texts.value(c);
        if (text.isEmpty())
            continue;
        painter.setPen(pal.color(QPalette::WindowText));
        painter.setFont(textFont());
        const QRect inner = cell.adjusted(kPadding / 2, 0, -kPadding / 2, 0);
        painter.drawText(inner, Qt::AlignRight | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(text, Qt::ElideLeft, inner.width()));
    }
    painter.setClipping(false);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
