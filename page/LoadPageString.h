// The page's texts by string number, from the language library of the running
// FillNamesForDialog call or, for a hosted page, the one it holds while it exists.
#pragma once

#include <windows.h>

// The language library FillNamesForDialog loaded; null outside its call.
extern HINSTANCE g_hPageLanguageLib;

// The text of string number nID, at most 49 characters, in a static buffer that the next
// call overwrites; empty when no library is loaded or the number has no text.
LPCSTR LoadPageString(UINT nID);
