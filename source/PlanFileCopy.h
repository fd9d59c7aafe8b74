// A project's plan file copied to a new file in the temporary folder and opened there for
// binary reading, so that the suite's programs can go on writing the original while it is
// read. The copy is closed and removed when the object ends, whatever happened.
#pragma once

#include "framework/CString.h"

#include <cstdio>

class PlanFileCopy
{
  public:
    explicit PlanFileCopy(const CString& planFile);
    ~PlanFileCopy();
    PlanFileCopy(const PlanFileCopy&) = delete;
    PlanFileCopy& operator=(const PlanFileCopy&) = delete;

    // Null when the plan file could not be copied or the copy not opened.
    std::FILE* File() const { return m_file; }
    // The copy's length in bytes; 0 when there is no copy or its length cannot be told.
    long Length() const;

  private:
    CString m_strCopy; // empty when no copy was made
    std::FILE* m_file = nullptr;
};
