#pragma once

#include "connection/ConnectionService.h"

#include <algorithm>

// How a back end answers an enumeration of the seam: the items of list go
// into the caller's buffer of capacity records, as far as the room goes,
// *count gets the real number of items, and BufferTooSmall says that some
// did not fit. A negative capacity or no buffer at all is no room, so a
// caller may pass (nullptr, 0) to learn the count.
//
// copy(item, record) fills one record; list is any range, a filtered view
// included, and is walked once.
template <typename List, typename Record, typename Copy>
int fillCallerBuffer(List &&list, Record *buffer, int capacity, int *count, Copy copy)
{
    const int room = buffer ? std::max(capacity, 0) : 0;
    int n = 0;
    for (auto &&item : list) {
        if (n < room)
            copy(item, buffer[n]);
        ++n;
    }
    if (count)
        *count = n;
    return n > room ? ConnectionService::BufferTooSmall : ConnectionService::Success;
}
