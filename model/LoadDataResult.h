// Result conventions of the load data library's calls.
#pragma once

// A call of the (S) kind succeeds with 0; only the low 16 bits of its result count.
inline bool LoadDataSucceeded(int result)
{
    return (result & 0xFFFF) == 0;
}
