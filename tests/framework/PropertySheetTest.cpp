// Property sheets and pages through real messages: activation and OK of the sheet, the
// sheet's buttons, a page created through its run-time class, and the same page run as a
// dialog of its own from its second template. (Cancel, and a page of another module in a
// sheet: the page's and the host's tests.)
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
    // A page that runs as a dialog of its own uses the second template.
    explicit TestPage(bool standalone = false)
        : CPropertyPage(standalone ? IDD_TEST_PAGE_STANDALONE : IDD_TEST_PAGE)
    {
    }

    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_PAGE_EDIT, m_value); }
    BOOL OnSetActive() override { return ++m_activations, CPropertyPage::OnSetActive(); }
    void OnOK() override { ++m_oks, CPropertyPage::OnOK(); }

    CString m_value = "Anfang";
    int m_activations = 0;
    int m_oks = 0;
};

IMPLEMENT_DYNCREATE(TestPage, CPropertyPage)

// Rearranges its buttons after the pages exist, as the module's sheets do.
class TestSheet : public CPropertySheet
{
  public:
    BOOL OnInitDialog() override
    {
        CPropertySheet::OnInitDialog();
        m_pageExistedAtInit = GetActivePage() && GetActivePage()->m_hWnd != nullptr;
        GetDlgItem(ID_APPLY_NOW)->ShowWindow(SW_HIDE);
        GetDlgItem(IDHELP)->SetWindowText("Hilfe!");
        SetWindowText("Testblatt");
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
    EXPECT_FALSE(object->IsKindOf(RUNTIME_CLASS(CPropertySheet)));
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CDialog)->CreateObject()); // not dynamically creatable
    auto& first = static_cast<TestPage&>(*object);
    TestPage second;
    TestSheet sheet;
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    const INT_PTR result =
        RunScripted([&] { return sheet.DoModal(); },
                    [&] {
                        Window dlg = harness::WaitForDialog(IDC_PAGE_EDIT);
                        EXPECT_EQ("Testblatt", dlg.Text());
                        EXPECT_FALSE(dlg.Control(ID_APPLY_NOW).IsVisible());
                        EXPECT_EQ("Hilfe!", dlg.Control(IDHELP).Text());
                        harness::OnUi([&] {
                            sheet.SetActivePage(1);
                            first.m_value = "Wieder";
                            sheet.SetActivePage(0);
                            EXPECT_EQ(first.m_hWnd, sheet.GetActivePage()->m_hWnd);
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

TEST(Sheet, ThePageRunsAsADialogOfItsOwnFromItsSecondTemplate)
{
    TestPage page(true);
    const INT_PTR result = RunScripted([&] { return page.DoModal(); },
                                       [&] {
                                           Window dlg = harness::WaitForDialog(IDC_PAGE_EDIT);
                                           EXPECT_EQ("Seite allein", dlg.Text());
                                           dlg.Control(IDC_PAGE_EDIT).Type("allein");
                                           dlg.Control(IDOK).Click();
                                       });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1, page.m_oks);
    EXPECT_STREQ("allein", page.m_value);
}

} // namespace
