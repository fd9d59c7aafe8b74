#pragma once
// Raised for an argument outside its range, such as an index outside an array.

#include "framework/CException.h"

class CInvalidArgException : public CException
{
  public:
    using CException::CException;
};

// Throws a pointer to the one static invalid-argument exception (Delete does nothing on it).
[[noreturn]] void AfxThrowInvalidArgException();
