#include "tests/dialogs/BeepCounter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstring>

namespace
{
std::atomic<int> g_beeps{0};

BOOL WINAPI CountingBeep(UINT)
{
    ++g_beeps;
    return TRUE;
}

// The slot of user32's MessageBeep in the program's import address table.
ULONG_PTR* MessageBeepSlot()
{
    BYTE* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         dll->Name; ++dll) {
        if (_stricmp(reinterpret_cast<const char*>(base + dll->Name), "user32.dll") != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), "MessageBeep") == 0)
                return reinterpret_cast<ULONG_PTR*>(&slots->u1.Function);
        }
    }
    return nullptr;
}

ULONG_PTR Replace(ULONG_PTR function)
{
    ULONG_PTR* slot = MessageBeepSlot();
    if (!slot) {
        ADD_FAILURE() << "the program does not import MessageBeep";
        return 0;
    }
    DWORD protection = 0;
    ::VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    const ULONG_PTR previous = *slot;
    *slot = function;
    ::VirtualProtect(slot, sizeof *slot, protection, &protection);
    return previous;
}

ULONG_PTR g_original = 0;
} // namespace

BeepCounter::BeepCounter()
{
    g_beeps = 0;
    g_original = Replace(reinterpret_cast<ULONG_PTR>(&CountingBeep));
}

BeepCounter::~BeepCounter()
{
    if (g_original)
        Replace(g_original);
}

int BeepCounter::Count() const
{
    return g_beeps;
}
