#pragma once

#ifdef KESVAR_BUILDING
#define KESVAR_API extern "C" __declspec(dllexport)
#else
#define KESVAR_API extern "C" __declspec(dllimport)
#endif

// Kept for hosts that still call it: the language library is loaded per call now.
KESVAR_API int LoadKVDStringsLibrary(void);
