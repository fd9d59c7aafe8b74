// The functions a host calls, exported undecorated with the C calling convention.
#pragma once

#include "entry/KVEditRequest.h"

#ifdef KESVAR_BUILDING
#define KESVAR_API extern "C" __declspec(dllexport)
#else
#define KESVAR_API extern "C" __declspec(dllimport)
#endif

// Runs the load transfer editor for the request's position over the host's window.
// 1 when the user confirmed with OK; 0 when cancelled, when an editor is already open, or
// when the editor could not be opened.
KESVAR_API int DoModalKVEdit(KVEditRequest* request);

// Shows the transferred-load page over the host's window for the project's positions
// (count names and files). On return *recalculate is 1 when the user chose a position to
// recalculate, and fileToRecalculate (room for 260 characters) holds its file; else
// *recalculate is 0 and the buffer is untouched.
KESVAR_API void FillNamesForDialog(HWND parent, const char* projectName, unsigned int count,
                                   const char* const* names, const char* const* files,
                                   int* recalculate, char* fileToRecalculate);

// Kept for hosts that still call it: the language library is loaded per call now.
KESVAR_API int LoadKVDStringsLibrary(void);
