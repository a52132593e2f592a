#include "stats/FilterHeader.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QPalette>
#include <QScrollBar>
#include <QTimer>

namespace {
const char kUnreadableNote[] = "<p><b>This expression cannot be read; it filters nothing.</b></p>";
}

FilterHeader::FilterHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), m_typingPause(new QTimer(this))
{
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(300);
    connect(m_typingPause, &QTimer::timeout, this, &FilterHeader::filterEdited);
    connect(this, &QHeaderView::sectionResized, this, &FilterHeader::placeEditors);
    connect(this, &QHeaderView::sectionMoved, this, &FilterHeader::placeEditors);
    connect(this, &QHeaderView::geometriesChanged, this, &FilterHeader::placeEditors);
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
}

void FilterHeader::createEditors(const QString &toolTip)
{
    qDeleteAll(m_editors);
    m_editors.clear();
    m_toolTip = toolTip;
    const int columns = model() ? model()->columnCount() : 0;
    for (int c = 0; c < columns; ++c) {
        auto *edit = new QLineEdit(this);
        const QString title = model()->headerData(c, Qt::Horizontal).toString();
        edit->setObjectName(QStringLiteral("Filter%1").arg(c));
        edit->setAccessibleName(QStringLiteral("Filter %1").arg(title));
        edit->setPlaceholderText(QStringLiteral("Filter"));
        edit->setToolTip(toolTip);
        edit->setClearButtonEnabled(false);
        connect(edit, &QLineEdit::textEdited, m_typingPause, qOverload<>(&QTimer::start));
        connect(edit, &QLineEdit::returnPressed, this, [this] {
            m_typingPause->stop();
            emit filterEdited();
        });
        m_editors.append(edit);
        edit->show();
    }
    // Sections move with the horizontal scroll bar of the view.
    if (auto *view = qobject_cast<QAbstractScrollArea *>(parentWidget()))
        connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this,
                &FilterHeader::placeEditors);
    updateGeometry();
    placeEditors();
}

void FilterHeader::clearFilters()
{
    m_typingPause->stop();
    for (int c = 0; c < m_editors.size(); ++c) {
        m_editors[c]->clear();
        setReadable(c, true);
    }
}

void FilterHeader::setReadable(int logicalIndex, bool readable)
{
    QLineEdit *edit = editor(logicalIndex);
    if (!edit || edit->property("unreadable").toBool() == !readable)
        return;
    edit->setProperty("unreadable", !readable);
    QPalette palette = this->palette();
    if (!readable) {
        palette.setColor(QPalette::Base, QColor(255, 220, 220));
        palette.setColor(QPalette::Text, QColor(160, 0, 0));
    }
    edit->setPalette(palette);
    edit->setToolTip(readable ? m_toolTip : QLatin1String(kUnreadableNote) + m_toolTip);
    edit->setAccessibleDescription(readable ? QString()
                                            : QStringLiteral("Cannot be read; filters nothing"));
}

int FilterHeader::titleHeight() const
{
    return QHeaderView::sizeHint().height();
}

QSize FilterHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    if (!m_editors.isEmpty())
        size.rheight() += m_editors.first()->sizeHint().height();
    return size;
}

void FilterHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    QRect title = rect;
    title.setHeight(qMin(rect.height(), titleHeight()));
    QHeaderView::paintSection(painter, title, logicalIndex);
}

void FilterHeader::updateGeometries()
{
    QHeaderView::updateGeometries();
    placeEditors();
}

void FilterHeader::placeEditors()
{
    const int top = titleHeight();
    const int height = qMax(0, this->height() - top);
    for (int c = 0; c < m_editors.size(); ++c) {
        QLineEdit *edit = m_editors[c];
        if (isSectionHidden(c)) {
            edit->hide();
            continue;
        }
        edit->setGeometry(sectionViewportPosition(c), top, sectionSize(c), height);
        edit->show();
    }
}
