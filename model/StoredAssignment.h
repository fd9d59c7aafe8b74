// One assignment table as read from the transfer file at the editor's start: the rows of
// one transfer's header, source and own load indexes in step.
#pragma once

#include "framework/CDWordArray.h"

#include <cstdint>

class StoredAssignment
{
  public:
    explicit StoredAssignment(int32_t number) : transferNumber(number) {}
    virtual ~StoredAssignment() = default;

    int32_t transferNumber;
    CDWordArray m_dwSourceLoads;
    CDWordArray m_dwOwnLoads;
};
