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

// Kept for hosts that still call it: the language library is loaded per call now.
KESVAR_API int LoadKVDStringsLibrary(void);
