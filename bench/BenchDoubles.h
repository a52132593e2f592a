#pragma once

#include "connection/ConnectionService.h"
#include "core/Prompter.h"

#include <memory>
#include <optional>

// A prompter nobody answers: every question gets `answer`.
class SilentPrompter final : public Prompter
{
public:
    Button answer = Cancel;

    void message(const QString &, const QString &, Icon) override {}
    Button question(const QString &, const QString &, Buttons, Icon) override { return answer; }
    std::optional<QString> textInput(const QString &, const QString &, bool) override
    {
        return std::nullopt;
    }
};

// A connection service with no phonebook and no connection.
class NoService final : public ConnectionService
{
public:
    QString backendName() const override { return QStringLiteral("none"); }
    int enumConnections(ConnectionRecord *, int, int *count) override
    {
        *count = 0;
        return Success;
    }
    int connectionStatistics(ConnectionHandle, SessionCounters *) override { return InvalidHandle; }
    int enumEntries(QString *, int, int *count) override
    {
        *count = 0;
        return Success;
    }
    int hangUp(ConnectionHandle) override { return InvalidHandle; }
    int connectStatus(ConnectionHandle) override { return InvalidHandle; }
    std::unique_ptr<DialAttempt> dial(const QString &) override { return nullptr; }
    PhonebookEditing phonebookEditing() const override { return {}; }
};
