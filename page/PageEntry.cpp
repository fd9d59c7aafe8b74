#include "page/PageEntry.h"

#include "entry/LanguageLibrary.h"
#include "framework/ModuleState.h"
#include "page/CMyPropertyPage2.h"
#include "page/LoadPageString.h"

namespace
{
const char* TextOrEmpty(const char* text)
{
    return text ? text : "";
}

// Runs the standalone page; its recalculation request, or 0.
int RunPage(CWnd* pParent, const char* projectName, unsigned int count, const char* const* names,
            const char* const* files, CString& calcFile)
{
    CMyPropertyPage2 page(1, pParent);
    page.FreePrjNameAndPositions();
    page.SetPrjName(TextOrEmpty(projectName));
    for (unsigned int i = 0; names && files && i < count; ++i)
        page.AddPosition(TextOrEmpty(names[i]), TextOrEmpty(files[i]));
    page.DoModal();
    if (page.m_nCalcResult != 1)
        return 0;
    calcFile = page.m_strCalcFile;
    return 1;
}
} // namespace

void RunPageEntry(HWND parent, const char* projectName, unsigned int count,
                  const char* const* names, const char* const* files, int* recalculate,
                  char* fileToRecalculate)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    int result = 0;
    CString calcFile;
    {
        LanguageLibrary language;
        if (!language.Handle()) {
            language.ReportMissing(parent);
        } else {
            // A nested call leaves the outer call its texts and resources.
            const HINSTANCE hOuterLanguage = g_hPageLanguageLib;
            const HINSTANCE hOuterResources = AfxGetResourceHandle();
            g_hPageLanguageLib = language.Handle();
            AfxSetResourceHandle(language.Handle());
            CWnd host;
            if (parent)
                host.Attach(parent);
            result = RunPage(parent ? &host : nullptr, projectName, count, names, files, calcFile);
            if (parent)
                host.Detach();
            g_hPageLanguageLib = hOuterLanguage;
            AfxSetResourceHandle(hOuterResources);
        }
    }
    if (recalculate)
        *recalculate = result;
    if (result && fileToRecalculate)
        ::lstrcpynA(fileToRecalculate, calcFile, MAX_PATH);
}
