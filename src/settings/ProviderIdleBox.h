#pragma once

#include <QGroupBox>

#include <pugixml.hpp>

class QSpinBox;

// The box of the Tariffs tab that edits when the selected provider's line is
// hung up for want of traffic: IdleMinutes ("never" for 0) and IdleBelow
// (bytes a second). An edit stores its one value into the provider's ISP
// Item at once, as the plan box does, and says so through providerEdited.
class ProviderIdleBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit ProviderIdleBox(QWidget *parent = nullptr);

    // Shows the provider's values and edits that provider from now on; none
    // shows the defaults and disables the box.
    void loadFrom(pugi::xml_node provider);
    // Stores the values shown into a provider element.
    void storeTo(pugi::xml_node provider) const;

signals:
    void providerEdited(pugi::xml_node provider);

private:
    void edited();

    QSpinBox *m_minutes = nullptr;
    QSpinBox *m_below = nullptr;
    pugi::xml_node m_provider;
};
