#pragma once

#include "settings/SettingsContext.h"
#include "settings/SettingsPageHost.h"
#include "store/XmlDocument.h"

#include <QDialog>
#include <QList>

class GeneralPage;
class GraphPage;
class QPushButton;
class QTabWidget;
class QTimer;
class TariffsPage;
class UsersPage;

// The settings dialog: a frame of four pages (General, Tariffs, Users,
// Traffic graph). It edits a working copy of the live configuration; Apply
// and Ok copy it back and save the file, Cancel drops it.
class TSettings : public QDialog, public SettingsPageHost
{
    Q_OBJECT
public:
    explicit TSettings(const SettingsContext &context, QWidget *parent = nullptr);
    ~TSettings() override;

    XmlDocument &workConfig() override { return FWorkConfig; }
    const SettingsContext &context() const override;

    void LoadSettings();
    void ApplySettings();
    void btnApplyClick();
    void ctnApplyUpdate();

    // Recompute Apply after a change of the working copy: anywhere but the
    // providers, in one provider's content, or in the list of providers.
    void changed() override;
    void providerChanged(pugi::xml_node provider) override;
    void providersChanged() override;

    GeneralPage *generalPage() const { return m_general; }
    TariffsPage *tariffsPage() const { return m_tariffs; }
    UsersPage *usersPage() const { return m_users; }
    GraphPage *graphPage() const { return m_graph; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool sameSections(pugi::xml_node work, pugi::xml_node live);
    bool sameProviders(pugi::xml_node work, pugi::xml_node live);

    SettingsContext m_context;
    XmlDocument &FConfig;
    XmlDocument FWorkConfig;

    QTabWidget *PageControl1;
    GeneralPage *m_general;
    TariffsPage *m_tariffs;
    UsersPage *m_users;
    GraphPage *m_graph;
    QPushButton *btnApply = nullptr;
    QPushButton *btnOk;
    QPushButton *btnCancel;
    QTimer *m_idleCheck;
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
