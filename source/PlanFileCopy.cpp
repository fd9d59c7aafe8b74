#include "source/PlanFileCopy.h"

PlanFileCopy::PlanFileCopy(const CString& planFile)
{
    char folder[MAX_PATH] = {};
    char copy[MAX_PATH] = {};
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder || !GetTempFileNameA(folder, "plann", 0, copy))
        return;
    // The system made the file to reserve its name: it is removed even when copying fails.
    m_strCopy = copy;
    if (CopyFileA(planFile, copy, FALSE))
        m_file = std::fopen(copy, "rb");
}

PlanFileCopy::~PlanFileCopy()
{
    if (m_file)
        std::fclose(m_file);
    if (!m_strCopy.IsEmpty())
        DeleteFileA(m_strCopy);
}

long PlanFileCopy::Length() const
{
    if (!m_file || std::fseek(m_file, 0, SEEK_END) != 0)
        return 0;
    const long length = std::ftell(m_file);
    return length > 0 ? length : 0;
}
