#define KESVAR_BUILDING
#include "entry/Exports.h"

#include "entry/CKVApp.h"
#include "entry/EditorEntry.h"
#include "page/PageEntry.h"

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

KESVAR_API void FillNamesForDialog(HWND parent, const char* projectName, unsigned int count,
                                   const char* const* names, const char* const* files,
                                   int* recalculate, char* fileToRecalculate)
{
    RunPageEntry(parent, projectName, count, names, files, recalculate, fileToRecalculate);
}

KESVAR_API int LoadKVDStringsLibrary(void)
{
    return 0;
}
