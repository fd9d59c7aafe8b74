#include "model/KVSupport.h"

#include "model/KVLoad.h"
#include "model/OwnedArray.h"

KVSupport::KVSupport(const KVSupport& other)
    : m_strName(other.m_strName), m_nSelected(other.m_nSelected)
{
    AppendCopies<KVLoad>(m_loads, other.m_loads);
}

KVSupport::~KVSupport()
{
    DeleteAll<KVLoad>(m_loads);
}

KVLoad* KVSupport::FindLoad(LPCSTR name) const
{
    return FindByName<KVLoad>(m_loads, name);
}

void KVSupport::SetSelected(int32_t selected)
{
    m_nSelected = selected;
    for (INT_PTR i = 0; i < GetLoadCount(); ++i)
        GetLoad(i)->SetSelected(selected);
}
