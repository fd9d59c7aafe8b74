// Pictures of the test dialogs for scripts/screenshots (taken only when KV_SCREENSHOTS
// names a folder, i.e. under Xvfb with Wine's X11 driver).
#include "FrameworkTestResources.h"

#include "framework/CPropertySheet.h"
#include "tests/harness/Harness.h"

#include <gtest/gtest.h>

namespace
{

TEST(Screenshots, FrameworkTestDialogs)
{
    CDialog dialog(IDD_TEST_KEYS);
    harness::RunScripted([&] { return dialog.DoModal(); },
                         [] {
                             harness::Window dlg = harness::WaitForDialog(IDC_KEYS_LIST);
                             dlg.Control(IDC_KEYS_LIST).SelectRow(1);
                             dlg.Control(IDC_KEYS_EDIT).Type("Text im Feld");
                             harness::Screenshot(dlg, "framework-keys");
                             dlg.Control(IDCANCEL).Click();
                         });
    CPropertyPage page(IDD_TEST_PAGE);
    CPropertySheet sheet("Eigenschaften");
    sheet.AddPage(&page);
    harness::RunScripted([&] { return sheet.DoModal(); },
                         [] {
                             harness::Window dlg = harness::WaitForDialog(IDC_PAGE_EDIT);
                             dlg.Control(IDC_PAGE_EDIT).Type("42");
                             harness::Screenshot(dlg, "framework-sheet");
                             dlg.Control(IDCANCEL).Click();
                         });
}

} // namespace
