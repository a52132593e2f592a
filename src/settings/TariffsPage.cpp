#include "settings/TariffsPage.h"

#include "core/Prompter.h"
#include "settings/ConfigLists.h"
#include "settings/FormParts.h"
#include "settings/NumericPriceBox.h"
#include "settings/PlanBox.h"
#include "settings/ProviderIdleBox.h"
#include "settings/SettingsPageHost.h"
#include "settings/TISPEdit.h"
#include "settings/TRangeTimeEdit.h"
#include "settings/TTariffTypesEdit.h"
#include "store/ConfigDocument.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The days as the tree shows them, in the order of DayNames: the element
// names stay English in the file.
const char *const kDayTitles[] = {
    QT_TRANSLATE_NOOP("TariffsPage", "Monday"),    QT_TRANSLATE_NOOP("TariffsPage", "Tuesday"),
    QT_TRANSLATE_NOOP("TariffsPage", "Wednesday"), QT_TRANSLATE_NOOP("TariffsPage", "Thursday"),
    QT_TRANSLATE_NOOP("TariffsPage", "Friday"),    QT_TRANSLATE_NOOP("TariffsPage", "Saturday"),
    QT_TRANSLATE_NOOP("TariffsPage", "Sunday"),
};

} // namespace

TariffsPage::TariffsPage(SettingsPageHost &host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("TabSheet2"));

    QLabel *ispLabel = nullptr;
    cmbISP = FormParts::labelledCombo(this, tr("&ISP"), "Label4", "cmbISP", &ispLabel);
    btnEditISP = FormParts::ellipsisButton(this, "btnEditISP", tr("Edit ISP"));
    connect(cmbISP, &QComboBox::activated, this, &TariffsPage::cmbISPSelect);
    connect(btnEditISP, &QPushButton::clicked, this, &TariffsPage::btnEditISPClick);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    QLabel *defLabel = nullptr;
    cmbDefCost =
        FormParts::labelledCombo(GroupBox1, tr("Default &cost"), "Label3", "cmbDefCost", &defLabel);
    btnEditTariff = FormParts::ellipsisButton(GroupBox1, "btnEditTariff", tr("Edit tariff type"));
    connect(cmbDefCost, &QComboBox::activated, this, &TariffsPage::cmbDefCostSelect);
    connect(btnEditTariff, &QPushButton::clicked, this, &TariffsPage::btnEditTariffClick);

    TreeView1 = new QTreeWidget(GroupBox1);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setAccessibleName(tr("Time ranges by day"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->installEventFilter(this);
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, &TariffsPage::TreeView1DblClick);
    connect(TreeView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &added) {
                keepSelectionInOneDay(added);
                ctnUpdateTariffUpdate();
            });

    btnAddT = FormParts::button(GroupBox1, tr("A&dd"), "btnAddT");
    btnEditT = FormParts::button(GroupBox1, tr("&Edit"), "btnEditT");
    btnDelT = FormParts::button(GroupBox1, tr("De&lete"), "btnDelT");
    connect(btnAddT, &QPushButton::clicked, this, &TariffsPage::btnAddTClick);
    connect(btnEditT, &QPushButton::clicked, this, &TariffsPage::EditTClick);
    connect(btnDelT, &QPushButton::clicked, this, &TariffsPage::btnDelTClick);

    auto *payLabel = new QLabel(tr("&Pay"), GroupBox1);
    payLabel->setObjectName(QStringLiteral("Label1"));
    edtPayConn = new NumericPriceBox(GroupBox1);
    edtPayConn->setObjectName(QStringLiteral("edtPayConn"));
    edtPayConn->setAccessibleName(tr("Pay for start of connection"));
    payLabel->setBuddy(edtPayConn);
    auto *payTail = new QLabel(tr("for start of connection"), GroupBox1);
    payTail->setObjectName(QStringLiteral("Label2"));
    // Stored as it is typed as well, so Apply sees a fee not yet left.
    connect(edtPayConn, &NumericPriceBox::amountEdited, this, &TariffsPage::edtPayConnExit);
    connect(edtPayConn, &NumericPriceBox::exited, this, &TariffsPage::edtPayConnExit);

    auto *ispRow = new QHBoxLayout;
    ispRow->addWidget(ispLabel);
    ispRow->addWidget(cmbISP, 1);
    ispRow->addWidget(btnEditISP);
    auto *defRow = new QHBoxLayout;
    defRow->addWidget(defLabel);
    defRow->addWidget(cmbDefCost, 1);
    defRow->addWidget(btnEditTariff);
    auto *treeButtons = new QVBoxLayout;
    treeButtons->addWidget(btnAddT);
    treeButtons->addWidget(btnEditT);
    treeButtons->addWidget(btnDelT);
    treeButtons->addStretch();
    auto *treeRow = new QHBoxLayout;
    treeRow->addWidget(TreeView1, 1);
    treeRow->addLayout(treeButtons);
    auto *payRow = new QHBoxLayout;
    payRow->addWidget(payLabel);
    payRow->addWidget(edtPayConn);
    payRow->addWidget(payTail);
    payRow->addStretch();
    auto *groupLayout = new QVBoxLayout(GroupBox1);
    groupLayout->addLayout(defRow);
    groupLayout->addLayout(treeRow, 1);
    groupLayout->addLayout(payRow);

    m_boxes = new QVBoxLayout;
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(ispRow);
    layout->addWidget(GroupBox1, 1);
    layout->addLayout(m_boxes);
    addProviderBox(new PlanBox(this));
    addProviderBox(new ProviderIdleBox(this));
}

void TariffsPage::addProviderBox(ProviderBox *box)
{
    m_boxes->addWidget(box);
    m_providerBoxes.append(box);
    connect(box, &ProviderBox::edited, this,
            [this, box] { m_host.providerChanged(box->provider()); });
    box->showProvider(currentProvider());
}

void TariffsPage::load()
{
    ConfigLists::fill(cmbISP, m_host.workConfig(), QStringLiteral("ISP"));
    cmbISP->setCurrentIndex(cmbISP->count() > 0 ? 0 : -1);
    cmbISPSelect();
}
bool TariffsPage::eventFilter(QObject *watched, QEvent *event)
{
    // Return in the tree edits the selected range, as a double click does.
    if (watched == TreeView1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            TreeView1DblClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

pugi::xml_node TariffsPage::currentProvider() const
{
    return ConfigLists::element(cmbISP, cmbISP->currentIndex());
}

void TariffsPage::cmbISPSelect()
{
    const pugi::xml_node provider = currentProvider();
    if (!provider) {
        cmbDefCost->clear();
        TreeView1->clear();
        edtPayConn->setAmountText(QString());
        GroupBox1->setEnabled(false);
        showProvider(provider);
        ctnUpdateTariffUpdate();
        m_host.changed();
        return;
    }
    refreshDefaultTariffList();
    edtPayConn->setAmountText(attributeText(provider, "PayConn"));
    BuildTariffTree(provider);
    GroupBox1->setEnabled(true);
    showProvider(provider);
    ctnUpdateTariffUpdate();
    m_host.providerChanged(provider);
}

void TariffsPage::showProvider(pugi::xml_node provider)
{
    for (ProviderBox *box : std::as_const(m_providerBoxes))
        box->showProvider(provider);
}

void TariffsPage::refreshDefaultTariffList()
{
    ConfigLists::fill(cmbDefCost, m_host.workConfig(), QStringLiteral("TariffTypes"));
    const pugi::xml_node provider = currentProvider();
    if (!provider || !hasAttribute(provider, "DefCost"))
        return;
    // By the type's element rather than its position among the children, so
    // an entry without a Name does not shift the choice.
    const pugi::xml_node type =
        FindChildByAttribute(ConfigLists::section(m_host.workConfig(), "TariffTypes"),
                             QStringLiteral("ID"), attributeText(provider, "DefCost"));
    const QSignalBlocker blocker(cmbDefCost);
    cmbDefCost->setCurrentIndex(ConfigLists::indexOf(cmbDefCost, type));
}

void TariffsPage::BuildTariffTree(pugi::xml_node provider)
{
    TreeView1->setUpdatesEnabled(false);
    TreeView1->clear();
    QList<QTreeWidgetItem *> days;
    days.reserve(DayNames.size());
    for (qsizetype index = 0; index < DayNames.size(); ++index) {
        const QByteArray name = DayNames.at(index).toUtf8();
        pugi::xml_node day = provider.child(name.constData());
        if (!day)
            day = provider.append_child(name.constData());
        auto *dayNode = new QTreeWidgetItem(QStringList{tr(kDayTitles[index])});
        dayNode->setData(0, Qt::UserRole, ConfigLists::elementData(day));
        for (pugi::xml_node range : day.children()) {
            if (range.type() != pugi::node_element)
                continue;
            auto *rangeNode = new QTreeWidgetItem(dayNode);
            rangeNode->setText(
                0, ConfigLists::rangeText(
                       attributeText(range, "Time1"), attributeText(range, "Time2"),
                       ConfigLists::tariffTypeName(m_host.workConfig(),
                                                   attributeText(range, "TariffType"))));
            rangeNode->setData(0, Qt::UserRole, ConfigLists::elementData(range));
        }
        days.append(dayNode);
    }
    TreeView1->addTopLevelItems(days);
    TreeView1->expandAll();
    TreeView1->setUpdatesEnabled(true);
}

void TariffsPage::cmbDefCostSelect()
{
    pugi::xml_node provider = currentProvider();
    const pugi::xml_node type = ConfigLists::element(cmbDefCost, cmbDefCost->currentIndex());
    if (!provider || !type)
        return;
    setAttributeText(provider, "DefCost", attributeText(type, "ID"));
    m_host.providerChanged(provider);
}

void TariffsPage::edtPayConnExit()
{
    pugi::xml_node provider = currentProvider();
    if (!provider)
        return;
    setAttributeText(provider, "PayConn", edtPayConn->amountText());
    m_host.providerChanged(provider);
}

void TariffsPage::btnEditISPClick()
{
    const int position = cmbISP->currentIndex();
    pugi::xml_node added;
    EditISPList(m_host.workConfig(), m_host.context().service, m_host.context().prompter, this,
                &added);
    // A provider just added is shown; otherwise the choice follows the
    // position, not the provider.
    ConfigLists::fill(cmbISP, m_host.workConfig(), QStringLiteral("ISP"));
    const int addedIndex = ConfigLists::indexOf(cmbISP, added);
    cmbISP->setCurrentIndex(addedIndex >= 0              ? addedIndex
                            : position < cmbISP->count() ? position
                                                         : -1);
    m_host.providersChanged();
    cmbISPSelect();
}

void TariffsPage::btnEditTariffClick()
{
    EditTariffTypes(m_host.workConfig(), m_host.context().prompter, this);
    refreshDefaultTariffList();
    m_host.changed();
}

void TariffsPage::keepSelectionInOneDay(const QItemSelection &added)
{
    if (m_keepingSelection || added.isEmpty())
        return;
    // The nodes just selected choose the parent: the current node when it is
    // one of them (the one clicked), else the first.
    QModelIndex chosen = TreeView1->currentIndex();
    if (!added.contains(chosen))
        chosen = added.indexes().constFirst();
    const QModelIndex parent = chosen.parent();
    m_keepingSelection = true;
    QItemSelectionModel *selection = TreeView1->selectionModel();
    for (const QModelIndex &index : selection->selectedIndexes())
        if (index.parent() != parent)
            selection->select(index, QItemSelectionModel::Deselect);
    m_keepingSelection = false;
}

QTreeWidgetItem *TariffsPage::selectedRange() const
{
    const QList<QTreeWidgetItem *> selected = TreeView1->selectedItems();
    return selected.size() == 1 && selected.first()->parent() ? selected.first() : nullptr;
}

void TariffsPage::ctnUpdateTariffUpdate()
{
    // The buttons follow the selection; the current node may lie elsewhere
    // (Ctrl and an arrow key move it alone).
    const QList<QTreeWidgetItem *> selected = TreeView1->selectedItems();
    const auto isDay = [](const QTreeWidgetItem *node) { return !node->parent(); };
    const bool days = !selected.isEmpty() && std::all_of(selected.begin(), selected.end(), isDay);
    const bool ranges =
        !selected.isEmpty() && std::none_of(selected.begin(), selected.end(), isDay);
    btnAddT->setEnabled(days);
    btnEditT->setEnabled(selectedRange() != nullptr);
    btnDelT->setEnabled(ranges);
}

void TariffsPage::TreeView1DblClick()
{
    if (btnEditT->isEnabled())
        EditTClick();
}

void TariffsPage::btnAddTClick()
{
    QStringList list;
    if (EditTimeRange(m_host.workConfig(), list, m_host.context().prompter, this)) {
        const QString time1 = ConfigLists::lineValue(list, QStringLiteral("Time1"));
        const QString time2 = ConfigLists::lineValue(list, QStringLiteral("Time2"));
        const QString type = ConfigLists::lineValue(list, QStringLiteral("TariffType"));
        const QString text = ConfigLists::rangeText(
            time1, time2, ConfigLists::tariffTypeName(m_host.workConfig(), type));
        TreeView1->setUpdatesEnabled(false);
        QList<QTreeWidgetItem *> dayNodes;
        for (QTreeWidgetItem *node : TreeView1->selectedItems()) {
            QTreeWidgetItem *dayNode = node->parent() ? node->parent() : node;
            if (dayNodes.contains(dayNode))
                continue;
            dayNodes.append(dayNode);
            pugi::xml_node day = ConfigLists::elementOf(dayNode->data(0, Qt::UserRole));
            pugi::xml_node range = day.append_child("Item");
            if (!range)
                continue;
            setAttributeText(range, "Time1", time1);
            setAttributeText(range, "Time2", time2);
            setAttributeText(range, "TariffType", type);
            auto *rangeNode = new QTreeWidgetItem(dayNode, QStringList{text});
            rangeNode->setData(0, Qt::UserRole, ConfigLists::elementData(range));
            dayNode->setExpanded(true);
        }
        TreeView1->setUpdatesEnabled(true);
    }
    refreshDefaultTariffList();
    m_host.providerChanged(currentProvider());
}

void TariffsPage::EditTClick()
{
    QTreeWidgetItem *node = selectedRange();
    if (!node)
        return;
    pugi::xml_node range = ConfigLists::elementOf(node->data(0, Qt::UserRole));
    QStringList list;
    ConfigLists::setLine(list, QStringLiteral("TariffType"), attributeText(range, "TariffType"));
    ConfigLists::setLine(list, QStringLiteral("Time1"), attributeText(range, "Time1"));
    ConfigLists::setLine(list, QStringLiteral("Time2"), attributeText(range, "Time2"));
    if (EditTimeRange(m_host.workConfig(), list, m_host.context().prompter, this)) {
        const QString time1 = ConfigLists::lineValue(list, QStringLiteral("Time1"));
        const QString time2 = ConfigLists::lineValue(list, QStringLiteral("Time2"));
        const QString type = ConfigLists::lineValue(list, QStringLiteral("TariffType"));
        setAttributeText(range, "Time1", time1);
        setAttributeText(range, "Time2", time2);
        setAttributeText(range, "TariffType", type);
        node->setText(0, ConfigLists::rangeText(
                             time1, time2, ConfigLists::tariffTypeName(m_host.workConfig(), type)));
    }
    refreshDefaultTariffList();
    m_host.providerChanged(currentProvider());
}

void TariffsPage::btnDelTClick()
{
    if (m_host.context().prompter.question(FormParts::messageTitle(), tr("Delete tariff?"),
                                           Prompter::Yes | Prompter::No) != Prompter::Yes)
        return;
    QList<QTreeWidgetItem *> selected = TreeView1->selectedItems();
    TreeView1->setUpdatesEnabled(false);
    for (auto it = selected.crbegin(); it != selected.crend(); ++it) {
        QTreeWidgetItem *node = *it;
        // Day nodes stay: only ranges are deleted.
        if (!node->parent())
            continue;
        pugi::xml_node element = ConfigLists::elementOf(node->data(0, Qt::UserRole));
        element.parent().remove_child(element);
        delete node;
    }
    TreeView1->setUpdatesEnabled(true);
    ctnUpdateTariffUpdate();
    m_host.providerChanged(currentProvider());
}
