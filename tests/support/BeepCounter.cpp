#include "tests/support/BeepCounter.h"

#include <windows.h>

#include <atomic>

namespace
{
std::atomic<int> g_beeps{0};

BOOL WINAPI CountBeep(UINT)
{
    ++g_beeps;
    return TRUE;
}

// The program's import address slot that holds target, or null.
void** ImportSlot(void* target)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; imports.VirtualAddress && module->Name; ++module) {
        auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; thunk->u1.Function; ++thunk)
            if (reinterpret_cast<void*>(thunk->u1.Function) == target)
                return reinterpret_cast<void**>(&thunk->u1.Function);
    }
    return nullptr;
}

void Exchange(void** slot, void* value)
{
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}
} // namespace

BeepCounter::BeepCounter()
{
    void* beep =
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "MessageBeep"));
    m_pSlot = beep ? ImportSlot(beep) : nullptr;
    if (!m_pSlot)
        return;
    m_pOriginal = *m_pSlot;
    g_beeps = 0;
    Exchange(m_pSlot, reinterpret_cast<void*>(&CountBeep));
}

BeepCounter::~BeepCounter()
{
    if (m_pSlot)
        Exchange(m_pSlot, m_pOriginal);
}

int BeepCounter::Count() const
{
    return g_beeps;
}
