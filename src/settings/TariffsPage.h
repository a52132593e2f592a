#pragma once

#include "store/XmlDocument.h"

#include <QList>
#include <QWidget>

class NumericPriceBox;
class ProviderBox;
class QComboBox;
class QGroupBox;
class QItemSelection;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class SettingsPageHost;

// The Tariffs tab: the providers, the chosen one's default tariff, fixed
// charge and weekly tree of time ranges, and the boxes of further values of
// the provider (the plan) below.
class TariffsPage : public QWidget
{
    Q_OBJECT
public:
    explicit TariffsPage(SettingsPageHost &host, QWidget *parent = nullptr);

    // Lists the providers of the working copy and shows the first.
    void load();
    // Adds a box below the others; it is shown each provider the page
    // chooses, and its edits reach Apply.
    void addProviderBox(ProviderBox *box);
    pugi::xml_node currentProvider() const;

    void cmbISPSelect();
    void cmbDefCostSelect();
    void edtPayConnExit();
    void btnEditISPClick();
    void btnEditTariffClick();
    void btnAddTClick();
    void EditTClick();
    void btnDelTClick();
    void TreeView1DblClick();
    void ctnUpdateTariffUpdate();
    void BuildTariffTree(pugi::xml_node provider);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showProvider(pugi::xml_node provider);
    void refreshDefaultTariffList();
    // Keeps the selection among nodes of one parent, that of the nodes just
    // selected.
    void keepSelectionInOneDay(const QItemSelection &added);
    // The one selected node when it is a range, else null.
    QTreeWidgetItem *selectedRange() const;

    SettingsPageHost &m_host;
    QComboBox *cmbISP;
    QPushButton *btnEditISP;
    QGroupBox *GroupBox1;
    QComboBox *cmbDefCost;
    QPushButton *btnEditTariff;
    QTreeWidget *TreeView1;
    QPushButton *btnAddT;
    QPushButton *btnEditT;
    QPushButton *btnDelT;
    NumericPriceBox *edtPayConn;
    QVBoxLayout *m_boxes;
    QList<ProviderBox *> m_providerBoxes;
    bool m_keepingSelection = false;
};
