#include "store/NumberAttributes.h"

#include "core/TextForms.h"
#include "store/XmlDocument.h"

bool ReadNumberAttribute(pugi::xml_node node, const char *attribute, const QLocale &locale,
                         double *value)
{
    const QString text = attributeText(node, attribute).trimmed();
    return !text.isEmpty() && TextForms::parseNumber(text, value, locale);
}

void WriteNumberAttribute(pugi::xml_node node, const char *attribute, double value,
                          double defaultValue, const QLocale &locale)
{
    double present = 0;
    if (ReadNumberAttribute(node, attribute, locale, &present) && present == value)
        return;
    if (value == defaultValue)
        node.remove_attribute(attribute);
    else
        setAttributeText(node, attribute, TextForms::numberText(value, locale));
}
