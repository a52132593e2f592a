#pragma once

#include "core/Prompter.h"

#include <QList>
#include <QStringList>

// Answers questions from a list and records everything it was asked.
class ScriptedPrompter final : public Prompter
{
public:
    struct Asked
    {
        QString title;
        QString text;
        Buttons buttons;
        Icon icon;
    };

    QList<Button> answers; // taken from the front; Cancel when empty
    QList<Asked> asked;    // questions and messages, in order

    void message(const QString &title, const QString &text, Icon icon) override
    {
        asked.append({title, text, Ok, icon});
    }
    Button question(const QString &title, const QString &text, Buttons buttons, Icon icon) override
    {
        asked.append({title, text, buttons, icon});
        return answers.isEmpty() ? Cancel : answers.takeFirst();
    }
    std::optional<QString> textInput(const QString &, const QString &, bool) override
    {
        return std::nullopt;
    }
};
