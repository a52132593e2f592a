#pragma once

#include "store/XmlDocument.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class ConnectionService;
struct ConfigKey;
struct ProviderPlan;
class NumericPriceBox;
class Prompter;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QItemSelection;
class QListWidget;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class TrendGraph;

// What the settings dialog works with: the live configuration and where it
// is saved, the connection service (for the phonebook), the prompter, the
// graph whose look it sets, and a hook run after every apply.
struct SettingsContext
{
    SettingsContext(XmlDocument &config, QString configPath, ConnectionService &service,
                    Prompter &prompter, TrendGraph *graph = nullptr,
                    std::function<void()> applied = {})
        : config(config), configPath(std::move(configPath)), service(service), prompter(prompter),
          graph(graph), applied(std::move(applied))
    {
    }

    XmlDocument &config;
    QString configPath;
    ConnectionService &service;
    Prompter &prompter;
    TrendGraph *graph;
    std::function<void()> applied;
    // The program the start-up entry runs; empty for the running executable.
    QString executablePath;
};

// The settings dialog. It edits a working copy of the live configuration;
// Apply and Ok copy it back and save the file, Cancel drops it.
class TSettings : public QDialog
{
    Q_OBJECT
public:
    explicit TSettings(const SettingsContext &context, QWidget *parent = nullptr);
    ~TSettings() override;

    XmlDocument &workConfig() { return FWorkConfig; }

    void LoadSettings();
    void ApplySettings();

    // General and Traffic graph tabs.
    void chbCalculateClick();
    void chbUserModeClick();
    void chbWatchAllClick();
    void chbPasswordClick();
    void btnPasswordClick();
    void chbFlyingWindowClick();
    void chbVerticalAxisClick();
    void chbHorizontalAxisClick();
    void cmbGraphTypeChange();
    void btnApplyClick();
    void ctnApplyUpdate();

    // Tariffs tab.
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
    // The plan box: shows the selected provider's plan; an edit stores the
    // plan with the one value changed.
    void showPlan(pugi::xml_node provider);
    void editPlan(const std::function<void(ProviderPlan &)> &change);

    // Users tab.
    void btnAddUserClick();
    void btnEditUserClick();
    void btnDelUserClick();
    void btnPasswordUserClick();
    void lstUserDblClick();
    void ctnUpdateUserUpdate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildGeneralTab();
    QWidget *buildTariffsTab();
    QGroupBox *buildPlanBox(QWidget *page);
    void enableCapActions(const ProviderPlan &plan);
    QWidget *buildUsersTab();
    QWidget *buildGraphTab();
    pugi::xml_node currentProvider() const;
    void refreshDefaultTariffList();
    // Keeps the selection among nodes of one parent, that of the nodes just
    // selected.
    void keepSelectionInOneDay(const QItemSelection &added);
    // The one selected node when it is a range, else null.
    QTreeWidgetItem *selectedRange() const;
    // Sets a flag setting from a check box ("1" ticked, "0" not).
    void storeFlag(const ConfigKey &key, const QCheckBox *box);
    // Recompute Apply after a change of the working copy: anywhere but the
    // providers, in one provider's content, or in the list of providers.
    void changed();
    void providerChanged(pugi::xml_node provider);
    void providersChanged();
    bool sameSections(pugi::xml_node work, pugi::xml_node live);
    bool sameProviders(pugi::xml_node work, pugi::xml_node live);

    SettingsContext m_context;
    XmlDocument &FConfig;
    XmlDocument FWorkConfig;

    QTabWidget *PageControl1;
    QCheckBox *chbStartUp;
    QCheckBox *chbCalculate;
    QCheckBox *chbUserMode;
    QCheckBox *chbWatchAll;
    QCheckBox *chbPassword;
    QPushButton *btnPassword;
    QCheckBox *chbFlyingWindow;

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
    QGroupBox *grpPlan;
    QSpinBox *spnPeriodStart;
    QSpinBox *spnAlertAt;
    QLineEdit *edtTrafficCap;
    NumericPriceBox *edtCostCap;
    QCheckBox *chbHangUpAtCap;

    QListWidget *lstUser;
    QPushButton *btnAddUser;
    QPushButton *btnEditUser;
    QPushButton *btnDelUser;
    QPushButton *btnPasswordUser;

    QComboBox *cmbGraphType;
    QCheckBox *chbVerticalAxis;
    QCheckBox *chbHorizontalAxis;

    QPushButton *btnApply;
    QPushButton *btnOk;
    QPushButton *btnCancel;
    QTimer *m_idleCheck;
    bool m_keepingSelection = false;
    // Per provider position: the working copy's provider equals the live one.
    QList<bool> m_providerSame;
    bool m_providerCountsEqual = false;
    bool m_providersKnown = false;
};

// Opens the settings: asks for the settings password when one is set, shows
// the dialog modally and applies it on Ok. False when the password check
// refused (the dialog was not shown). The caller looks the connected
// provider up again afterwards, since an apply replaces the document.
bool ShowSettingsDialog(const SettingsContext &context, QWidget *parent = nullptr);
