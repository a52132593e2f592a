#pragma once

#include <QLocale>

#include <pugixml.hpp>

// Numbers kept as attributes of configuration elements in the user's
// regional form.

// The number of an attribute; false when it is missing, blank or not a
// number (*value is then untouched).
bool ReadNumberAttribute(pugi::xml_node node, const char *attribute, const QLocale &locale,
                         double *value);
// Writes one number: the attribute is kept when its text already reads as
// value, removed when value is defaultValue, and written otherwise.
void WriteNumberAttribute(pugi::xml_node node, const char *attribute, double value,
                          double defaultValue, const QLocale &locale);
