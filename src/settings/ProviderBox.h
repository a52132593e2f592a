#pragma once

#include "store/XmlDocument.h"

#include <QGroupBox>

// A box of the Tariffs page for values kept on the chosen provider's ISP
// Item: the page shows it each provider it chooses (a null provider leaves
// it disabled); the box writes an edit into that provider at once and then
// emits edited(), which the page passes on to the dialog's Apply state.
class ProviderBox : public QGroupBox
{
    Q_OBJECT
public:
    void showProvider(pugi::xml_node provider);
    pugi::xml_node provider() const { return m_provider; }

signals:
    void edited();

protected:
    ProviderBox(const QString &title, const char *name, QWidget *parent);
    // Puts the provider's values into the controls, their defaults for a
    // null provider, without running the edit handlers.
    virtual void load(pugi::xml_node provider) = 0;

private:
    pugi::xml_node m_provider;
};
