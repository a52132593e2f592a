#pragma once

#include "connection/ConnectionService.h"

#include <QString>

#include <memory>

// Which back end to use, and how.
struct BackendOptions
{
    QString backend;      // "networkmanager", "pppd", "sim"; empty: chosen by what the system runs
    QString scenarioFile; // the simulated modem's scenario; empty: the built-in demo
    bool demo = false;    // the demo: the simulated modem, whatever backend says
};

// Reads DIALOMETER_BACKEND and DIALOMETER_SIM. demo (the program's --demo)
// forces the simulated modem, with DIALOMETER_SIM's scenario when it is set.
// DIALOMETER_SIM alone also chooses the simulated modem.
BackendOptions backendOptionsFromEnvironment(bool demo);

// The back end the options name. Without a choice: NetworkManager when its
// name is on the system bus, else pppd. Returns null, with a message for the
// user in *error, when the back end cannot be made (an unknown name, an
// invalid scenario file); the program must not start without one.
std::unique_ptr<ConnectionService> createConnectionService(const BackendOptions &options,
                                                           QString *error);

// True when NetworkManager's name is on the system bus.
bool networkManagerIsRunning();
