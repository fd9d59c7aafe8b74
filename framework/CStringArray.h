#pragma once
// Array of strings.

#include "framework/CArray.h"
#include "framework/CString.h"

class CStringArray : public CArray<CString, const CString&>
{
};
