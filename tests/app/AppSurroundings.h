#pragma once

#include "ScriptedPrompter.h"
#include "support/FakeConnectionService.h"

#include "core/Clock.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>

// What the program runs in: a fresh data folder, a clock standing at
// 5 March 2009 10:00, a connection service and a prompter the test drives.
struct AppSurroundings
{
    QTemporaryDir dir;
    ManualClock clock{QDateTime(QDate(2009, 3, 5), QTime(10, 0))};
    FakeConnectionService service;
    ScriptedPrompter prompter;
};

// A menu's captions in order, "-" for a separator.
inline QStringList captions(const QMenu *menu)
{
    QStringList list;
    for (const QAction *action : menu->actions())
        list << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return list;
}
