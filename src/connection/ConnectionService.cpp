#include "connection/ConnectionService.h"

#include "connection/DialupOperations.h"

QStringList ConnectionService::allEntryNames()
{
    return ListAllEntries(*this);
}
