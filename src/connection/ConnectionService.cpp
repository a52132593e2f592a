#include "connection/ConnectionService.h"

#include <algorithm>

QStringList ConnectionService::allEntryNames()
{
    // As many as there are, not just the phonebook's fixed room.
    QList<QString> names(16);
    int count = 0;
    int result = enumEntries(names.data(), int(names.size()), &count);
    if (result == BufferTooSmall && count > names.size()) {
        names.resize(count);
        result = enumEntries(names.data(), int(names.size()), &count);
    }
    if (result != Success)
        return {};
    names.resize(std::clamp(count, 0, int(names.size())));
    return names;
}
