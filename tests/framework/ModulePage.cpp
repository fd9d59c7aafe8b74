// A property page that lives in a DLL of its own with its own copy of the framework, as
// the module's exported page does; the test program puts it into a sheet of its own.
#include "ModulePage.h"

#include "framework/CDataExchange.h"
#include "framework/CPropertyPage.h"

namespace
{
ModulePageCounts g_counts;

class ModulePage : public CPropertyPage
{
    DECLARE_DYNCREATE(ModulePage)

  public:
    ModulePage() : CPropertyPage(IDD_TEST_MODULE_PAGE) {}

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_MODULE_PAGE_EDIT, m_text);
    }
    BOOL OnSetActive() override
    {
        ++g_counts.activations;
        return CPropertyPage::OnSetActive();
    }
    void OnOK() override
    {
        ++g_counts.oks;
        g_counts.textLength = m_text.GetLength();
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F5) {
            ++g_counts.keys;
            return TRUE;
        }
        return CPropertyPage::PreTranslateMessage(pMsg);
    }

    CString m_text = "aus der DLL";
};

IMPLEMENT_DYNCREATE(ModulePage, CPropertyPage)
} // namespace

extern "C" __declspec(dllexport) CPropertyPage* CreateModulePage()
{
    g_counts = ModulePageCounts();
    return static_cast<CPropertyPage*>(RUNTIME_CLASS(ModulePage)->CreateObject());
}

extern "C" __declspec(dllexport) void GetModulePageCounts(ModulePageCounts* counts)
{
    *counts = g_counts;
}
