// Control calls of the recording load data double: a loaddata.dll that logs every call in order
// and can be told to fail; transfer files go through the real library's session.
#pragma once

#include "model/LoadDataRecord.h"

#include <windows.h>

// The test program links the real import library; the double takes its place at run time, so
// the control calls are looked up by name.
#if defined(LOADDATA_BUILD)
#define DOUBLE_CALL(result, name, params, args) extern "C" __declspec(dllexport) result name params
#else
template <class F> F DoubleEntry(const char* name)
{
    FARPROC entry = GetProcAddress(GetModuleHandleA("loaddata.dll"), name);
    return reinterpret_cast<F>(reinterpret_cast<void*>(entry));
}
#define DOUBLE_CALL(result, name, params, args)                                                    \
    inline result name params                                                                      \
    {                                                                                              \
        return DoubleEntry<result(*) params>(#name) args;                                          \
    }
#endif

DOUBLE_CALL(void, DoubleReset, (), ());      // forgets files, positions, failures, the log
DOUBLE_CALL(const char*, DoubleLog, (), ()); // since the last clearing: "Name(mode) Name ..."
DOUBLE_CALL(void, DoubleClearLog, (), ());
// From now on the named call returns result; with the low 16 bits of result 0 (a success)
// after doing its work, otherwise instead of it.
DOUBLE_CALL(void, DoubleFail, (const char* call, int result), (call, result));
// A position of the given project (none without record): its load file is
// "C:\proj<projectRef>\<name>.017" and reading it hands out a shallow copy of record.
DOUBLE_CALL(void, DoublePosition, (int projectRef, const char* name, const LoadDataRecord* record),
            (projectRef, name, record));
// The record count and first header's row count the next file read reports, as if damaged.
DOUBLE_CALL(void, DoubleReportCounts, (int records, int rows), (records, rows));
// 1 for an open transfer file, 1 for each position or records' copy read and not freed.
DOUBLE_CALL(int, DoubleHeld, (), ());
