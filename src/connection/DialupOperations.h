#pragma once

#include "connection/ConnectionRecord.h"
#include "connection/ConnectionService.h"
#include "core/SessionCounters.h"

#include <QString>
#include <QStringList>

#include <vector>

// The program's dial-up operations, built on the connection seam. Each one
// makes room for a fixed number of records, as the monitor and the menus
// expect, and absorbs every failure of the service.

// Room for phonebook entries: with more, the first ones are listed.
inline constexpr int kPhonebookCapacity = 16;
// Room for active connections when counting; with more, the service's count holds.
inline constexpr int kCountCapacity = 4;
// Room for active connections when hanging up.
inline constexpr int kHangUpCapacity = 16;

// Hang-up wait: how long to sleep between status queries, and when to give up
// on a connection that does not go away.
inline constexpr int kHangUpPollMs = 10;
inline constexpr int kHangUpGiveUpMs = 10000;

// Clears list and fills it with the phonebook entry names, in the service's order.
void GetPhonebookEntries(ConnectionService &service, QStringList &list);

// Every phonebook entry and every active connection, however many there are
// (the command-line tool shows them all); empty when the service fails.
QStringList ListAllEntries(ConnectionService &service);
std::vector<ConnectionRecord> ListAllConnections(ConnectionService &service);

// The number of active connections, 0 when the service fails.
int ActiveConnectionCount(ConnectionService &service);

// At least one connection is active.
bool IsConnected(ConnectionService &service);

// Hangs up every active connection, the last-listed first, and waits until
// each is gone or giveUpMs have passed for it.
void HangUpAll(ConnectionService &service, int pollMs = kHangUpPollMs,
               int giveUpMs = kHangUpGiveUpMs);

// The monitor's poll: record is zeroed and then holds the first active
// connection, if any; counters get that connection's statistics and keep
// their previous values when there are none.
void PollConnection(ConnectionService &service, ConnectionRecord &record,
                    SessionCounters &counters);

// The entry name a connection menu item stands for: its caption without the
// first "&" (the accelerator mark).
QString EntryNameFromCaption(const QString &caption);
