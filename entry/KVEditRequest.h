// The record a host passes to DoModalKVEdit: a sequence of pointer-sized slots, read
// only. On i686 every slot is 32 bits wide; on x86_64 every slot is 8 bytes wide and an
// integer slot holds its 32-bit value in the low 4 bytes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// An integer slot: the 32-bit value at the slot's start, whatever the host leaves in the
// rest of a 64-bit slot.
union KVRequestInt {
    int32_t value;
    void* slot;
};

// One load of the own position's load list.
struct KVOwnLoad {
    KVRequestInt word0;
    KVRequestInt word1;
    const char* name;
};

struct KVEditRequest {
    const char* positionName;      // 0: own position, shown without trailing blanks
    const char* directory;         // 1: directory of the own position's files
    const char* baseName;          // 2: base file name of the own position, no extension
    KVRequestInt loadCount;        // 3: entries in loads
    const KVOwnLoad* loads;        // 4: the own position's load list
    KVRequestInt hostSlots[4];     // 5 to 8: the host's
    KVRequestInt coordinateSystem; // 9: code of the own position's coordinate system
    HWND parent;                   // 10: the editor's parent window
    KVRequestInt defaultLoad;      // 11: own load taken when a stored index is out of range
    KVRequestInt projectGroup;     // 12: 0 = current project, 1 = FEM project, else none
};

static_assert(sizeof(KVRequestInt) == sizeof(void*), "integer slot");
static_assert(offsetof(KVRequestInt, value) == 0, "integer in the slot's low bytes");
static_assert(sizeof(KVOwnLoad) == 3 * sizeof(void*), "own load entry");
static_assert(offsetof(KVOwnLoad, name) == 2 * sizeof(void*), "own load name");
static_assert(sizeof(KVEditRequest) == 13 * sizeof(void*), "request size");
static_assert(offsetof(KVEditRequest, loadCount) == 3 * sizeof(void*), "slot 3");
static_assert(offsetof(KVEditRequest, loads) == 4 * sizeof(void*), "slot 4");
static_assert(offsetof(KVEditRequest, coordinateSystem) == 9 * sizeof(void*), "slot 9");
static_assert(offsetof(KVEditRequest, parent) == 10 * sizeof(void*), "slot 10");
static_assert(offsetof(KVEditRequest, defaultLoad) == 11 * sizeof(void*), "slot 11");
static_assert(offsetof(KVEditRequest, projectGroup) == 12 * sizeof(void*), "slot 12");
