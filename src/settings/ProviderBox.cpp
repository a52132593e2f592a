#include "settings/ProviderBox.h"

ProviderBox::ProviderBox(const QString &title, const char *name, QWidget *parent)
    : QGroupBox(title, parent)
{
    setObjectName(QString::fromLatin1(name));
}

void ProviderBox::showProvider(pugi::xml_node provider)
{
    m_provider = provider;
    load(provider);
    setEnabled(bool(provider));
}
