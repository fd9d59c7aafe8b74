#pragma once
// Resource strings with the placeholders %1 and %2, loaded from the current resource handle.

#include "framework/CString.h"

// Replaces each %1 ... %9 in format by the matching entry of strings (empty when the entry
// is missing); every other character, a lone % included, is copied.
CString AfxFormatStrings(LPCSTR format, const LPCSTR* strings, int count);
void AfxFormatString2(CString& result, UINT id, LPCSTR string1, LPCSTR string2);
