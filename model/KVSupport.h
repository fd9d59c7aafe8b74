// One support of a source position, with the loads whose reactions it carries.
#pragma once

#include "framework/CPtrArray.h"
#include "framework/CString.h"

#include <cstdint>

class KVLoad;

class KVSupport
{
  public:
    KVSupport() = default;
    KVSupport(LPCSTR name, int32_t selected) : m_strName(name), m_nSelected(selected) {}
    KVSupport(const KVSupport& other);
    KVSupport& operator=(const KVSupport&) = delete;
    virtual ~KVSupport();

    INT_PTR GetLoadCount() const { return m_loads.GetSize(); }
    KVLoad* GetLoad(INT_PTR index) const { return static_cast<KVLoad*>(m_loads[index]); }
    // First load of exactly that name, or null.
    KVLoad* FindLoad(LPCSTR name) const;
    // Selects or deselects the support and everything below it.
    void SetSelected(int32_t selected);

    CString m_strName;
    int32_t m_nSelected = 0;
    CPtrArray m_loads; // owned KVLoad*
};
