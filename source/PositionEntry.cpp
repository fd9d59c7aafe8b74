#include "source/PositionEntry.h"

void PositionEntries::Reset(size_t capacity)
{
    m_entries.clear();
    m_capacity = capacity;
}

const PositionEntry* PositionEntries::Add(const CString& path, const CString& name,
                                          const CString& programCode)
{
    if (m_entries.size() >= m_capacity)
        return nullptr;
    m_entries.push_back({path, name, programCode});
    return &m_entries.back();
}
