#pragma once

#include "settings/ProviderBox.h"

class QSpinBox;

// The "Idle line" box of the Tariffs page: when the chosen provider's line
// is hung up for want of traffic, IdleMinutes ("never" for 0) and IdleBelow
// (bytes a second). An edit stores the values into the provider's ISP Item
// at once, as the plan box does; a value at its default leaves no attribute.
class ProviderIdleBox : public ProviderBox
{
    Q_OBJECT
public:
    explicit ProviderIdleBox(QWidget *parent = nullptr);

    // Stores the values shown into a provider element.
    void storeTo(pugi::xml_node provider) const;

protected:
    void load(pugi::xml_node provider) override;

private:
    void editIdle();

    QSpinBox *m_minutes = nullptr;
    QSpinBox *m_below = nullptr;
};
