#include "entry/EditorEntry.h"

#include "editor/CKVEditor.h"
#include "entry/LanguageLibrary.h"
#include "framework/ModuleState.h"

#include <commctrl.h>

CKVEditor* g_pRunningEditor = nullptr;

namespace
{
int RunEditor(KVEditRequest* request)
{
    CWnd parent;
    parent.Attach(request->parent);
    int result = 0;
    {
        CKVEditor editor(request, &parent);
        g_pRunningEditor = &editor;
        result = editor.DoModal() == IDOK ? 1 : 0;
    }
    g_pRunningEditor = nullptr;
    parent.Detach();
    return result;
}
} // namespace

int RunEditorEntry(KVEditRequest* request)
{
    // A second editor is refused before anything else, the language library included.
    if (g_pRunningEditor)
        return 0;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    int result = 0;
    DWORD lastError = 0;
    {
        LanguageLibrary language;
        AfxSetResourceHandle(language.Handle());
        InitCommonControls();
        if (!language.Handle())
            language.ReportMissing(request ? request->parent : nullptr);
        else if (request)
            result = RunEditor(request);
        lastError = GetLastError();
    }
    if (GetLastError() == 0)
        SetLastError(lastError);
    return result;
}
