#pragma once

#include <QString>

// Why pppd stopped, in words, from its documented exit status.
QString pppdExitReason(int exitStatus);
