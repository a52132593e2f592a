#pragma once

#include <QString>

// The desktop session's start-up entry of the program: the file
// dialometer.desktop in $XDG_CONFIG_HOME/autostart (~/.config/autostart when
// the variable is not set), the freedesktop.org way of starting a program at
// log-in.
namespace AutostartEntry {

// The full path of the entry file.
QString filePath();
// True when the entry exists and is not hidden.
bool isEnabled();
// The program the entry starts (its Exec key unquoted), empty when none.
QString executable();
// enabled: writes the entry when it is missing, hidden, or starts another
// program than executablePath; otherwise removes it. False when the file
// could not be written or removed (callers go on regardless).
bool apply(bool enabled, const QString &executablePath);

} // namespace AutostartEntry
