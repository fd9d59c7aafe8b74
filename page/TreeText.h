// The load tree as printable text.
#pragma once

#include "framework/CString.h"

// The indentation of a tree line at depth nDepth: four blanks, then "|" and four blanks
// for every further level. Fills and returns strIndent.
CString& MakeIndent(UINT nDepth, CString& strIndent);
