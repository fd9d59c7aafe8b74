// The candidate source positions of one project group, as the source page lists them.
#pragma once

#include "framework/CString.h"

#include <deque>

// One listed position: its load file (upper case), its name from the plan file and the
// program code of its plan record ("00000" in the FEM project).
struct PositionEntry {
    CString m_strPath;
    CString m_strName;
    CString m_strProgramCode;
};

// The entries of one listing, at most as many as its plan file has room for. The position
// list's rows point into it: an entry never moves while the listing lasts.
class PositionEntries
{
  public:
    // Drops every entry; the next listing holds at most capacity of them.
    void Reset(size_t capacity);
    // A new entry, filled; null when the listing is full.
    const PositionEntry* Add(const CString& path, const CString& name, const CString& programCode);
    size_t GetCapacity() const { return m_capacity; }
    size_t GetCount() const { return m_entries.size(); }
    const PositionEntry& operator[](size_t index) const { return m_entries[index]; }

  private:
    std::deque<PositionEntry> m_entries; // grows at its end without moving what it holds
    size_t m_capacity = 0;
};
