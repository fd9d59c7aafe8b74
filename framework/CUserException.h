// Ends an operation the user has already been told about (a field with bad input):
// thrown by pointer to the one static object, caught by UpdateData.
#pragma once

#include "framework/CException.h"

class CUserException : public CException
{
  public:
    using CException::CException;
};

[[noreturn]] void AfxThrowUserException();
