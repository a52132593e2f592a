#pragma once

#include <QString>
#include <QVariant>

// Texts for other programs (CSV, JSON), the same whatever the user's
// regional conventions: ISO 8601 local times, whole seconds, numbers with
// "." as the decimal point.
namespace MachineText {

// "2026-12-09T05:00:00" for a days value, or the empty text.
QString isoTime(const QVariant &days);
// Whole seconds of a duration in days (null stays null).
QVariant wholeSeconds(const QVariant &days);
// An integer as is, a double in its shortest form with "."; other values
// as their text.
QString plainNumber(const QVariant &value);
// A CSV field: numbers plain, text quoted when it holds a comma, a quote or
// a line break; null is the empty field.
QString csvField(const QVariant &value);

} // namespace MachineText
