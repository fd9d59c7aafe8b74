#pragma once
// Message box of the application: owned by the thread's active window (or the main
// window), with the application's name as caption. Returns the button pressed (IDOK, ...).

#include <windows.h>

int AfxMessageBox(LPCSTR text, UINT type = MB_OK);
