// Property sheets and pages through real messages: activation and OK of the sheet, its
// OnInitDialog and a page created through its run-time class. (Cancel, a page of another
// module in a sheet and a page run as a dialog of its own: the page's and the host's tests.)
#include "FrameworkTestResources.h"

#include "framework/CDataExchange.h"
#include "framework/CPropertySheet.h"
#include "tests/harness/Harness.h"

#include <gtest/gtest.h>

#include <memory>

using harness::RunScripted;
using harness::Window;

namespace
{

class TestPage : public CPropertyPage
{
    DECLARE_DYNCREATE(TestPage)

  public:
    TestPage() : CPropertyPage(IDD_TEST_PAGE) {}

    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_PAGE_EDIT, m_value); }
    BOOL OnSetActive() override { return ++m_activations, CPropertyPage::OnSetActive(); }
    void OnOK() override { ++m_oks, CPropertyPage::OnOK(); }

    CString m_value = "Anfang";
    int m_activations = 0;
    int m_oks = 0;
};

IMPLEMENT_DYNCREATE(TestPage, CPropertyPage)

// The module's sheets rearrange their buttons in OnInitDialog: the first page exists by then.
class TestSheet : public CPropertySheet
{
  public:
    BOOL OnInitDialog() override
    {
        CPropertySheet::OnInitDialog();
        m_pageExistedAtInit = PropSheet_GetCurrentPageHwnd(m_hWnd) != nullptr;
        return TRUE;
    }
    bool m_pageExistedAtInit = false;
};

// The first page comes from its run-time class; coming back to it shows what its members
// hold by then; Enter in its field is the sheet's OK, which takes the field's text.
TEST(Sheet, OKTakesThePageDataAndAPageActivatedAgainShowsItsMembersAnew)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(TestPage);
    EXPECT_STREQ("TestPage", pClass->m_lpszClassName);
    std::unique_ptr<CObject> object(pClass->CreateObject());
    ASSERT_TRUE(object && object->IsKindOf(RUNTIME_CLASS(CPropertyPage)));
    auto& first = static_cast<TestPage&>(*object);
    TestPage second;
    TestSheet sheet;
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    const INT_PTR result =
        RunScripted([&] { return sheet.DoModal(); },
                    [&] {
                        harness::WaitForDialog(IDC_PAGE_EDIT);
                        harness::OnUi([&] {
                            sheet.SetActivePage(1);
                            first.m_value = "Wieder";
                            sheet.SetActivePage(0);
                            EXPECT_EQ(first.m_hWnd, PropSheet_GetCurrentPageHwnd(sheet.m_hWnd));
                        });
                        Window edit(::GetDlgItem(first.m_hWnd, IDC_PAGE_EDIT));
                        EXPECT_EQ("Wieder", edit.Text());
                        edit.Type("Neu");
                        edit.Key(VK_RETURN);
                    });
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(sheet.m_pageExistedAtInit);
    EXPECT_EQ(2, first.m_activations);
    EXPECT_EQ(1, first.m_oks);
    EXPECT_STREQ("Neu", first.m_value);
    EXPECT_EQ(nullptr, first.m_hWnd);
}

} // namespace
