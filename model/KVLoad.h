// One load of a source support, with its reaction components and the own load that
// takes it.
#pragma once

#include "framework/CPtrArray.h"
#include "framework/CString.h"

#include <cstdint>

class KVComponent;

class KVLoad
{
  public:
    KVLoad() = default;
    KVLoad(LPCSTR name, int32_t selected) : m_strName(name), m_nSelected(selected) {}
    KVLoad(const KVLoad& other);
    KVLoad& operator=(const KVLoad&) = delete;
    virtual ~KVLoad();

    INT_PTR GetComponentCount() const { return m_components.GetSize(); }
    KVComponent* GetComponent(INT_PTR index) const
    {
        return static_cast<KVComponent*>(m_components[index]);
    }
    // First component of exactly that name, or null.
    KVComponent* FindComponent(LPCSTR name) const;
    // Selects or deselects the load and every component.
    void SetSelected(int32_t selected);

    CString m_strName;
    int32_t m_nSelected = 0;
    CPtrArray m_components; // owned KVComponent*
    int32_t ownLoad = -1;   // index into the own position's load list, -1 = none
    CString m_strOwnLoad;   // name of that own load
};
