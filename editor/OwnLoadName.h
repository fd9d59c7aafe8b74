// Names of the own position's loads from the host's request.
#pragma once

#include "entry/KVEditRequest.h"
#include "framework/CString.h"

#include <cstdint>

// True when index names an entry of the request's own load list.
inline bool IsOwnLoad(const KVEditRequest& request, int32_t index)
{
    return index >= 0 && index < request.loadCount.value;
}

// The name of own load index, empty when the list has no such entry.
inline CString OwnLoadName(const KVEditRequest& request, int32_t index)
{
    return IsOwnLoad(request, index) ? CString(request.loads[index].name) : CString();
}
