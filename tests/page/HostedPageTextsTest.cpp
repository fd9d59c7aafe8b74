// The hosted page's tab title and captions in the language the settings name: its template
// is the module's own, in German, and the page puts its language library's texts in place.
#include "tests/page/PageTestSupport.h"

#include "framework/CPropertySheet.h"
#include "loaddata/SuiteEnvironment.h"
#include "page/CMyPropertyPage2.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace
{
struct ShownTexts {
    std::string tab, label, calcul, print;
};

std::string TextOf(HWND hWnd)
{
    char text[256] = "";
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

// The texts of a hosted page in a host's sheet, beside a second page of the host.
ShownTexts HostedPageTexts()
{
    ShownTexts shown;
    CMyPropertyPage2 page;
    CMyPropertyPage2 other;
    CPropertySheet sheet("Host");
    sheet.AddPage(&other);
    sheet.AddPage(&page);
    harness::RunScripted([&] { return sheet.DoModal(); },
                         [&] {
                             const harness::Window dialog = pagetest::WaitForPage();
                             harness::OnUi([&] {
                                 // The tab of the page not shown yet has its title already.
                                 const HWND tab = PropSheet_GetTabControl(sheet.GetSafeHwnd());
                                 char text[256] = "";
                                 TCITEMA item{};
                                 item.mask = TCIF_TEXT;
                                 item.pszText = text;
                                 item.cchTextMax = sizeof text;
                                 TabCtrl_GetItem(tab, 1, &item);
                                 shown.tab = text;
                                 sheet.SetActivePage(1);
                                 const HWND tree = page.GetDlgItem(IDC_LOAD_TREE)->GetSafeHwnd();
                                 shown.label = TextOf(::GetWindow(tree, GW_HWNDPREV));
                                 shown.calcul =
                                     TextOf(page.GetDlgItem(ID_KVD_CALCUL)->GetSafeHwnd());
                                 shown.print = TextOf(page.GetDlgItem(ID_KVD_PRINT)->GetSafeHwnd());
                             });
                             dialog.Control(IDCANCEL).Click();
                         });
    return shown;
}

class HostedPageTextsTest : public ::testing::Test
{
  protected:
    RegistrySandbox m_sandbox{loaddata::kSettingsKey};
};
} // namespace

TEST_F(HostedPageTextsTest, TabAndCaptionsFollowTheSettingsLanguage)
{
    m_sandbox.SetString(settings::kLanguage, "ENG");
    const ShownTexts english = HostedPageTexts();
    EXPECT_EQ("Transferred Loads", english.tab);
    EXPECT_EQ("&Positions and the sources of their loads:", english.label);
    EXPECT_EQ("&Recalculate", english.calcul);
    EXPECT_EQ("Pri&nt", english.print);

    m_sandbox.SetString(settings::kLanguage, "DEU");
    const ShownTexts german = HostedPageTexts();
    EXPECT_EQ("\xDC"
              "bernommene Lasten",
              german.tab);
    EXPECT_EQ("&Positionen und ihre Lastquellen:", german.label);
    EXPECT_EQ("Neu &berechnen", german.calcul);
    EXPECT_EQ("&Drucken", german.print);

    // Without its library the page keeps its template's texts.
    m_sandbox.SetString(settings::kLanguage, "XX");
    const ShownTexts fallback = HostedPageTexts();
    EXPECT_EQ(german.tab, fallback.tab);
    EXPECT_EQ(german.label, fallback.label);
    EXPECT_EQ(german.calcul, fallback.calcul);
    EXPECT_EQ(german.print, fallback.print);
}
