#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;
class SettingsPageHost;

// The General tab: start-up entry, cost counting, user mode, which
// connections count, and the settings password.
class GeneralPage : public QWidget
{
    Q_OBJECT
public:
    explicit GeneralPage(SettingsPageHost &host, QWidget *parent = nullptr);

    // Ticks the boxes from the working copy and the start-up entry.
    void load();
    // Whether the start-up entry is wanted; Apply writes it.
    bool startUpTicked() const;

    void chbCalculateClick();
    void chbUserModeClick();
    void chbWatchAllClick();
    void chbPasswordClick();
    void btnPasswordClick();
    void chbFlyingWindowClick();

private:
    SettingsPageHost &m_host;
    QCheckBox *chbStartUp;
    QCheckBox *chbCalculate;
    QCheckBox *chbUserMode;
    QCheckBox *chbWatchAll;
    QCheckBox *chbPassword;
    QPushButton *btnPassword;
    QCheckBox *chbFlyingWindow;
};
