// The hosted page's tab title and captions in the language the settings name: its template
// is the module's own, in German, and the page puts its language library's texts in place.
#include "tests/page/PageTestSupport.h"

#include "framework/CPropertySheet.h"
#include "page/CMyPropertyPage2.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"

#include <commctrl.h>

TEST_F(PageTest, HostedPageTextsFollowTheSettingsLanguage)
{
    const struct {
        const char* language;
        std::vector<std::string> texts; // tab, tree label, recalculate, print
    } cases[] = {
        {"ENG",
         {"Transferred Loads", "&Positions and the sources of their loads:", "&Recalculate",
          "Pri&nt"}},
        {"DEU",
         {"\334bernommene Lasten", "&Positionen und ihre Lastquellen:", "Neu &berechnen",
          "&Drucken"}},
        // Without its library the page keeps its template's texts.
        {"XX",
         {"\334bernommene Lasten", "&Positionen und ihre Lastquellen:", "Neu &berechnen",
          "&Drucken"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        m_sandbox.SetString(settings::kLanguage, c.language);
        CMyPropertyPage2 other, page;
        CPropertySheet sheet("Host");
        sheet.AddPage(&other);
        sheet.AddPage(&page);
        pagetest::RunSheet(sheet, [&] {
            pagetest::WaitForPage();
            std::vector<std::string> texts;
            harness::OnUi([&] {
                // The tab of the page not shown yet has its title already.
                char tab[256] = "";
                TCITEMA item{};
                item.mask = TCIF_TEXT;
                item.pszText = tab;
                item.cchTextMax = sizeof tab;
                TabCtrl_GetItem(PropSheet_GetTabControl(sheet.GetSafeHwnd()), 1, &item);
                texts.push_back(tab);
                sheet.SetActivePage(1);
            });
            const harness::Window shown(page.GetSafeHwnd());
            texts.push_back(
                harness::Window(::GetWindow(shown.Control(IDC_LOAD_TREE).Handle(), GW_HWNDPREV))
                    .Text());
            texts.push_back(shown.Control(ID_KVD_CALCUL).Text());
            texts.push_back(shown.Control(ID_KVD_PRINT).Text());
            EXPECT_EQ(c.texts, texts);
        });
    }
}
