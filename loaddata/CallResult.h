// The results of the library's (S) calls: 0 for success, a small positive code for each
// kind of failure. Listed in docs/loaddata-formats.md.
#pragma once

#include "loaddata/FormatError.h"

#include <new>

namespace loaddata
{

enum CallResult {
    ResultOk = 0,
    ResultBadArgument = 1, // a null pointer, an index or count out of range, a text too long
    ResultOutOfOrder = 2,  // the call does not fit the state of the open transfer file
    ResultMissing = 3,     // the file does not exist
    ResultUnreadable = 4,  // the file cannot be opened or read
    ResultDamaged = 5,     // the file is damaged or not of the expected kind
    ResultVersion = 6,     // the file has a format version this library does not read
    ResultWriteFailed = 7, // the file could not be written; the old one is unchanged
    ResultNoMemory = 8,
    ResultInvalidData = 9, // what was to be written breaks the format's limits
};

int resultOf(FormatError error);

// Runs a call of the C interface; memory running out becomes ResultNoMemory instead of an
// exception crossing the interface.
template <class Call> int guarded(Call&& call)
{
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return ResultNoMemory;
    }
}

} // namespace loaddata
