#include "page/HostedPageTexts.h"

#include "page/LoadPageString.h"
#include "resources/ResourceIds.h"

namespace
{
void SetCaption(HWND hControl, UINT nID)
{
    const CString text = LoadPageString(nID);
    if (hControl != nullptr && !text.IsEmpty())
        ::SetWindowTextA(hControl, text);
}
} // namespace

HPROPSHEETPAGE WithHostedPageTitle(HPROPSHEETPAGE hPage, const PROPSHEETPAGEA& psp)
{
    const CString title = LoadPageString(IDS_PAGE_TITLE);
    if (hPage == nullptr || title.IsEmpty())
        return hPage;
    // The sheet takes the title from the page's handle, which cannot be changed.
    ::DestroyPropertySheetPage(hPage);
    PROPSHEETPAGEA titled = psp;
    titled.dwFlags |= PSP_USETITLE;
    titled.pszTitle = title;
    return ::CreatePropertySheetPageA(&titled);
}

void ApplyHostedPageCaptions(CWnd& page)
{
    const HWND hPage = page.GetSafeHwnd();
    // The tree's label has no number of its own: it stands right before the tree.
    SetCaption(::GetWindow(::GetDlgItem(hPage, IDC_LOAD_TREE), GW_HWNDPREV), IDS_PAGE_TREE_LABEL);
    SetCaption(::GetDlgItem(hPage, ID_KVD_CALCUL), ID_KVD_CALCUL);
    SetCaption(::GetDlgItem(hPage, ID_KVD_PRINT), ID_KVD_PRINT);
}
