#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class SettingsPageHost;

// The Traffic graph tab: the graph's type and its axes.
class GraphPage : public QWidget
{
    Q_OBJECT
public:
    explicit GraphPage(SettingsPageHost &host, QWidget *parent = nullptr);

    // Sets the controls from the working copy (missing axes read as shown).
    void load();

    void chbVerticalAxisClick();
    void chbHorizontalAxisClick();
    void cmbGraphTypeChange();

private:
    SettingsPageHost &m_host;
    QComboBox *cmbGraphType;
    QCheckBox *chbVerticalAxis;
    QCheckBox *chbHorizontalAxis;
};
