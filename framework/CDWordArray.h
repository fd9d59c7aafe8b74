#pragma once
// Array of 32-bit unsigned numbers.

#include "framework/CArray.h"

class CDWordArray : public CArray<DWORD, DWORD>
{
};
