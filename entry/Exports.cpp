#define KESVAR_BUILDING
#include "entry/Exports.h"

KESVAR_API int LoadKVDStringsLibrary(void)
{
    return 0;
}
