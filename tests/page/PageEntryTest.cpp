// The export without its language library, and the module's page hosted in a sheet: its
// tree and what its commands do there.
#include "tests/page/PageTestSupport.h"

#include "entry/Exports.h"
#include "framework/CPropertySheet.h"
#include "page/CMyPropertyPage2.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/support/ProgramFolder.h"

#include <fstream>
#include <memory>

using harness::Window;
using pagetest::LanguageString;

TEST_F(PageTest, WithoutItsLanguageLibraryTheExportNamesTheLibraryAndOpensNothing)
{
    m_sandbox.SetString(settings::kLanguage, "XX");
    int recalculate = -1;
    std::string text;
    harness::RunScripted(
        [&] {
            FillNamesForDialog(nullptr, "Projekt", 0, nullptr, nullptr, &recalculate, nullptr);
            return INT_PTR(0);
        },
        [&] {
            const harness::MessageBoxInfo box = harness::WaitForMessageBox();
            text = box.text;
            box.Answer(IDOK);
        });
    EXPECT_NE(std::string::npos, text.find("kesvar_xx.dll"));
    EXPECT_EQ(0, recalculate);
}

TEST_F(PageTest, HostedPageOfTheModuleShowsTheTreeAndRecalculatesNothing)
{
    m_sandbox.SetString(settings::kProgramPath, ProgramFolder().c_str());
    m_sandbox.SetString(settings::kLanguage, "ENG");
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    const int shown = pagetest::Foundation(building, 0),
              damaged = pagetest::Foundation(building, 1);
    std::ofstream(project.transferFile(building.positions[damaged]), std::ios::binary) << "damaged";
    std::vector<pagetest::NumberedItem> expected = pagetest::ExpectedTree(building, {shown});
    const std::string failed =
        building.positions[damaged].name + LanguageString("kesvar_eng.dll", IDS_PAGE_NOT_LOADED);
    expected.push_back({failed, 1, static_cast<long>(expected.size())});
    // The module's exported run-time class record, as a host of another module finds it.
    const auto* runtimeClass = reinterpret_cast<const CRuntimeClass*>(GetProcAddress(
        GetModuleHandleA("kesvar.dll"), "_ZN16CMyPropertyPage221classCMyPropertyPage2E"));
    ASSERT_NE(nullptr, runtimeClass);
    EXPECT_STREQ("CMyPropertyPage2", runtimeClass->m_lpszClassName);
    std::string report;
    bool hasCancel = true;
    {
        std::unique_ptr<CObject> object(runtimeClass->CreateObject());
        auto* page = static_cast<CMyPropertyPage2*>(object.get());
        EXPECT_NE(nullptr, GetModuleHandleA("kesvar_eng.dll")) << "held while the page exists";
        page->SetPrjName(CString(building.projectName.c_str()));
        for (int p : {shown, damaged})
            page->AddPosition(CString(building.positions[p].name.c_str()),
                              CString(pagetest::FileOf(project, p).c_str()));
        CPropertySheet sheet("Host");
        sheet.AddPage(page);
        pagetest::RunSheet(sheet, [&] {
            const harness::MessageBoxInfo box = harness::WaitForMessageBox();
            report = box.text;
            box.Answer(IDOK);
            pagetest::WaitForPage();
            const Window pageWindow(page->GetSafeHwnd());
            EXPECT_EQ(expected, pagetest::TreeOf(pageWindow));
            hasCancel = pageWindow.HasControl(IDCANCEL);
            // A failed position beeps, a shown one is not handed back: the sheet stays.
            for (const std::string& item : {failed, building.positions[shown].name}) {
                pageWindow.Control(IDC_LOAD_TREE).SelectTreeItem(item);
                pageWindow.Control(ID_KVD_CALCUL).Click();
            }
            EXPECT_TRUE(pageWindow.Exists());
        });
        EXPECT_EQ(0, page->m_nCalcResult);
        EXPECT_TRUE(page->m_strCalcFile.IsEmpty());
    }
    EXPECT_FALSE(hasCancel) << "the module's own template, without a Close button";
    EXPECT_EQ(LanguageString("kesvar_eng.dll", IDS_PAGE_NOT_ALL_LOADED) + "\n" +
                  LanguageString("kesvar_eng.dll", IDS_PAGE_NOT_ALL_LOADED_HINT),
              report);
    // The last hosted page took its language library with it.
    EXPECT_EQ(nullptr, GetModuleHandleA("kesvar_eng.dll"));
}
