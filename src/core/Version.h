#pragma once

// The program's name and version as shown to the user.
inline constexpr const char *kApplicationName = "Dialometer";
inline constexpr const char *kVersionText = "Version 1.4";
