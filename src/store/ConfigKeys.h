#pragma once

#include <QLatin1StringView>

// The settings of the configuration's General and Graph sections: where
// each lives and what it reads as when the file does not hold it. Flags are
// "1" (on) and "0"; readers test for "1".
struct ConfigKey
{
    const char *section;
    const char *name;
    const char *fallback; // the value of a missing setting

    QLatin1StringView sectionName() const { return QLatin1StringView(section); }
    QLatin1StringView keyName() const { return QLatin1StringView(name); }
    QLatin1StringView fallbackValue() const { return QLatin1StringView(fallback); }
};

namespace ConfigKeys {

inline constexpr char Yes[] = "1";
inline constexpr char No[] = "0";

inline constexpr char General[] = "General";
inline constexpr char Graph[] = "Graph";

// Count the cost of connections.
inline constexpr ConfigKey Calculate{General, "Calculate", No};
// A user must log in when a connection comes up.
inline constexpr ConfigKey UserMode{General, "UserMode", No};
// The settings password in plain text; empty: none.
inline constexpr ConfigKey Password{General, "Password", ""};
// Position, from 0, of the last user in the list of users with a name;
// anything that is no number means none.
inline constexpr ConfigKey LastUser{General, "LastUser", "-1"};
// Written by the settings dialog, never read.
inline constexpr ConfigKey Flying{General, "Flying", No};
// Every connection of the system counts, not only dial-up and metered lines
// and those named like a provider.
inline constexpr ConfigKey WatchAll{General, "WatchAll", No};

// Grid lines of the trend graph. Both missing means the full grid, so a
// missing one reads empty rather than "1" or "0".
inline constexpr ConfigKey VertAx{Graph, "VertAx", ""};
inline constexpr ConfigKey HorAx{Graph, "HorAx", ""};
// The graph's style: "0" 3D, "1" Filled, "2" Line, "3" Scatter; anything
// else means Filled.
inline constexpr ConfigKey GraphType{Graph, "Type", "1"};

inline constexpr ConfigKey All[] = {Calculate, UserMode, Password, LastUser, Flying,
                                    WatchAll,  VertAx,   HorAx,    GraphType};

} // namespace ConfigKeys
