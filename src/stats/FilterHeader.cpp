#include "stats/FilterHeader.h"

#include <QAbstractItemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace {
const char kUnreadableNote[] = QT_TRANSLATE_NOOP(
    "FilterHeader", "<p><b>This expression cannot be read; it filters nothing.</b></p>");
}

FilterHeader::FilterHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), m_typingPause(new QTimer(this))
{
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(300);
    connect(m_typingPause, &QTimer::timeout, this, &FilterHeader::applyNow);
    connect(this, &QHeaderView::sectionResized, this, &FilterHeader::placeEditors);
    connect(this, &QHeaderView::sectionMoved, this, [this] {
        placeEditors();
        orderEditors();
    });
    connect(this, &QHeaderView::geometriesChanged, this, &FilterHeader::placeEditors);
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
}

void FilterHeader::createEditors(const QString &toolTip, QWidget *host)
{
    delete m_row;
    m_editors.clear();
    m_applied.clear();
    m_committed.clear();
    m_toolTip = toolTip;
    m_row = new QWidget(host);
    m_row->setObjectName(QStringLiteral("FilterRow"));
    m_row->setAccessibleName(tr("Filter row"));
    const int columns = model() ? model()->columnCount() : 0;
    for (int c = 0; c < columns; ++c) {
        auto *edit = new QLineEdit(m_row);
        const QString title = model()->headerData(c, Qt::Horizontal).toString();
        edit->setObjectName(QStringLiteral("Filter%1").arg(c));
        edit->setAccessibleName(tr("Filter %1").arg(title));
        edit->setPlaceholderText(tr("Filter"));
        edit->setToolTip(toolTip);
        edit->setClearButtonEnabled(false);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, m_typingPause, qOverload<>(&QTimer::start));
        m_editors.append(edit);
        m_applied.append(QString());
        m_committed.append(QString());
    }
    // Sections move with the horizontal scroll bar of the view; the row
    // follows the header wherever the view lays it out.
    if (auto *view = qobject_cast<QAbstractScrollArea *>(parentWidget()))
        connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this,
                &FilterHeader::placeEditors);
    installEventFilter(this);
    if (host)
        host->installEventFilter(this);
    orderEditors();
    updateGeometry();
    placeEditors();
}

QList<QLineEdit *> FilterHeader::editorsInColumnOrder() const
{
    QList<QLineEdit *> ordered;
    for (int visual = 0; visual < count(); ++visual) {
        if (QLineEdit *edit = editor(logicalIndex(visual)))
            ordered.append(edit);
    }
    return ordered;
}

void FilterHeader::orderEditors()
{
    const QList<QLineEdit *> ordered = editorsInColumnOrder();
    for (qsizetype i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1], ordered[i]);
}

void FilterHeader::applyNow()
{
    m_typingPause->stop();
    for (int c = 0; c < m_editors.size(); ++c)
        m_applied[c] = m_editors[c]->text();
    emit filterEdited();
}

bool FilterHeader::restoreApplied(QLineEdit *edit)
{
    const int c = int(m_editors.indexOf(edit));
    if (c < 0 || edit->text() == m_committed[c])
        return false;
    edit->setText(m_committed[c]);
    if (m_applied[c] != m_committed[c]) {
        applyNow();
        return true;
    }
    bool pending = false;
    for (int i = 0; i < m_editors.size(); ++i)
        pending = pending || m_editors[i]->text() != m_applied[i];
    if (!pending)
        m_typingPause->stop();
    return true;
}

bool FilterHeader::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this || (m_row && watched == m_row->parentWidget())) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            placeEditors();
            break;
        default:
            break;
        }
        return QHeaderView::eventFilter(watched, event);
    }
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (edit && event->type() == QEvent::FocusIn) {
        m_committed[m_editors.indexOf(edit)] = edit->text();
        showColumnOf(edit);
    }
    if (edit && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        // Return applies and Escape undoes an edit here; neither may reach
        // the window's default button or its cancel.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = !(key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            if (event->type() == QEvent::KeyPress) {
                applyNow();
                m_committed[m_editors.indexOf(edit)] = edit->text();
            }
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
        if (plain && key->key() == Qt::Key_Escape && event->type() == QEvent::KeyPress)
            return restoreApplied(edit);
    }
    return QHeaderView::eventFilter(watched, event);
}

void FilterHeader::showColumnOf(QLineEdit *edit)
{
    // A cell reached by Tab may lie in a column scrolled out of view.
    const int c = int(m_editors.indexOf(edit));
    const int left = sectionViewportPosition(c);
    if (c < 0 || (left >= 0 && left + sectionSize(c) <= viewport()->width()))
        return;
    auto *view = qobject_cast<QTableView *>(parentWidget());
    if (view && view->model() && view->model()->rowCount() > 0)
        view->scrollTo(view->model()->index(std::max(0, view->rowAt(0)), c));
}

void FilterHeader::clearFilters()
{
    m_typingPause->stop();
    for (int c = 0; c < m_editors.size(); ++c) {
        m_editors[c]->clear();
        m_applied[c].clear();
        m_committed[c].clear();
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
    edit->setToolTip(readable ? m_toolTip : tr(kUnreadableNote) + m_toolTip);
    edit->setAccessibleDescription(readable ? QString() : tr("Cannot be read; filters nothing"));
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
    if (!m_row)
        return;
    QWidget *host = m_row->parentWidget();
    const int top = titleHeight();
    const int height = qMax(0, this->height() - top);
    // The row covers the header's filter band, clipped as its sections are.
    if (host && host->isAncestorOf(this))
        m_row->setGeometry(
            QRect(viewport()->mapTo(host, QPoint(0, top)), QSize(viewport()->width(), height)));
    m_row->setVisible(isVisibleTo(window()));
    m_row->raise();
    for (int c = 0; c < m_editors.size(); ++c) {
        QLineEdit *edit = m_editors[c];
        if (isSectionHidden(c)) {
            edit->hide();
            continue;
        }
        edit->setGeometry(sectionViewportPosition(c), 0, sectionSize(c), height);
        edit->show();
    }
}
