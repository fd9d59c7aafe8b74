#include "model/KVLoad.h"

#include "model/KVComponent.h"
#include "model/OwnedArray.h"

KVLoad::KVLoad(const KVLoad& other)
    : m_strName(other.m_strName), m_nSelected(other.m_nSelected), ownLoad(other.ownLoad),
      m_strOwnLoad(other.m_strOwnLoad)
{
    AppendCopies<KVComponent>(m_components, other.m_components);
}

KVLoad::~KVLoad()
{
    DeleteAll<KVComponent>(m_components);
}

KVComponent* KVLoad::FindComponent(LPCSTR name) const
{
    return FindByName<KVComponent>(m_components, name);
}

void KVLoad::SetSelected(int32_t selected)
{
    m_nSelected = selected;
    for (INT_PTR i = 0; i < GetComponentCount(); ++i)
        GetComponent(i)->m_nSelected = selected;
}
