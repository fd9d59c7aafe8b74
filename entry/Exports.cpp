#define KESVAR_BUILDING
#include "entry/Exports.h"

#include "entry/CKVApp.h"
#include "entry/EditorEntry.h"

namespace
{
CKVApp theApp;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    return AfxDllMain(reason);
}

KESVAR_API int DoModalKVEdit(KVEditRequest* request)
{
    return RunEditorEntry(request);
}

KESVAR_API int LoadKVDStringsLibrary(void)
{
    return 0;
}
