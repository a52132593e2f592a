#pragma once

#include <QString>
#include <QtGlobal>

// Identifies one active connection. 0 is the null handle; a handle stays
// valid exactly while its connection exists and is never reused for another.
using ConnectionHandle = quint64;

// One active connection as the service lists it.
//
// Naming: the fields keep the names of the dial-up connection record
// (hrasconn, the handle; szEntryName, the phonebook entry), which the
// program's operations and the monitor's poll are written against.
struct ConnectionRecord
{
    ConnectionHandle hrasconn = 0;
    QString szEntryName;
};
