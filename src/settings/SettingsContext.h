#pragma once

#include <QString>

#include <functional>

class ConnectionService;
class Prompter;
class TrendGraph;
class XmlDocument;

// What the settings dialog works with: the live configuration and where it
// is saved, the connection service (for the phonebook), the prompter, the
// graph whose look it sets, and a hook run after every apply.
struct SettingsContext
{
    SettingsContext(XmlDocument &config, QString configPath, ConnectionService &service,
                    Prompter &prompter, TrendGraph *graph = nullptr,
                    std::function<void()> applied = {})
        : config(config), configPath(std::move(configPath)), service(service), prompter(prompter),
          graph(graph), applied(std::move(applied))
    {
    }

    XmlDocument &config;
    QString configPath;
    ConnectionService &service;
    Prompter &prompter;
    TrendGraph *graph;
    std::function<void()> applied;
    // The program the start-up entry runs; empty for the running executable.
    QString executablePath;
};
