// The transferred-load page's entry and activation on generated projects: the first tree
// level with the positions whose check fails and their messages, the one report after
// activation, the export over a host window, and the page hosted in a sheet.
#include "tests/page/PageTestSupport.h"

#include "entry/Exports.h"
#include "framework/CPropertySheet.h"
#include "loaddata/SuiteEnvironment.h"
#include "page/CMyPropertyPage2.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using harness::RunScripted;
using harness::Window;

namespace
{
// A string of a language library as the page shows it.
std::string LanguageString(const char* library, UINT id)
{
    const HMODULE module = LoadLibraryA(library);
    char text[256] = "";
    if (module) {
        LoadStringA(module, id, text, sizeof text);
        FreeLibrary(module);
    }
    return text;
}

std::string German(UINT id)
{
    return LanguageString("kesvar_deu.dll", id);
}

int FoundationIndex(const kvdata::Building& building, int nth)
{
    for (std::size_t p = 0; p < building.positions.size(); ++p)
        if (building.positions[p].programCode == "01069" && nth-- == 0)
            return static_cast<int>(p);
    ADD_FAILURE() << "too few foundations";
    return 0;
}

void Overwrite(const std::string& file, const char* content)
{
    FILE* out = std::fopen(file.c_str(), "wb");
    ASSERT_NE(nullptr, out);
    std::fputs(content, out);
    std::fclose(out);
}

// The top-level dialogs other than the page: message boxes, the progress message.
std::vector<Window> OtherDialogs()
{
    std::vector<Window> others;
    for (const Window& window : harness::TopLevelWindows())
        if (window.ClassName() == "#32770" && !window.HasControl(IDC_LOAD_TREE))
            others.push_back(window);
    return others;
}

// Runs the export with the project name "Projekt" while script drives the page.
void RunExport(HWND host, unsigned int count, const char* const* names, const char* const* files,
               int& recalculate, char* buffer, const std::function<void(const Window&)>& script)
{
    RunScripted(
        [&] {
            FillNamesForDialog(host, "Projekt", count, names, files, &recalculate, buffer);
            return INT_PTR(0);
        },
        [&] { script(pagetest::WaitForPage()); });
}

class PageEntryTest : public ::testing::Test
{
  protected:
    RegistrySandbox m_sandbox{loaddata::kSettingsKey};
};
} // namespace

TEST_F(PageEntryTest, FailedPositionsShowTheirMessageAndAreReportedOnceAfterActivation)
{
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    const int shown = FoundationIndex(building, 0);
    const int damaged = FoundationIndex(building, 1);
    const int missing = FoundationIndex(building, 2);
    Overwrite(project.transferFile(building.positions[damaged]), "no transfer file");
    ASSERT_EQ(0, std::remove(project.loadFile(building.positions[missing]).c_str()));

    const std::string notLoaded = German(IDS_PAGE_NOT_LOADED);
    std::vector<harness::TreeItem> items;
    std::string damagedText, missingText;
    pagetest::RunStandalone(project, {shown, damaged, missing}, [&] {
        const harness::MessageBoxInfo box = harness::WaitForMessageBox();
        EXPECT_EQ(German(IDS_PAGE_NOT_ALL_LOADED) + "\n" + German(IDS_PAGE_NOT_ALL_LOADED_HINT),
                  box.text);
        EXPECT_EQ(German(IDS_PAGE_CAPTION), box.caption);
        // Posted: the page is complete and shown, and owns the box.
        const HWND owner = GetWindow(box.window.Handle(), GW_OWNER);
        EXPECT_TRUE(Window(owner).HasControl(IDC_LOAD_TREE));
        EXPECT_TRUE(IsWindowVisible(owner));
        box.Answer(IDOK);
        const Window page = pagetest::WaitForPage();
        harness::Sync();
        EXPECT_TRUE(OtherDialogs().empty()) << "a second report or the progress message";
        items = page.Control(IDC_LOAD_TREE).TreeItems();
        page.Control(IDC_LOAD_TREE).SelectTreeItem(building.positions[damaged].name + notLoaded);
        damagedText = page.Control(IDC_LOAD_TEXT).Text();
        page.Control(IDC_LOAD_TREE).SelectTreeItem(building.positions[missing].name + notLoaded);
        missingText = page.Control(IDC_LOAD_TEXT).Text();
        page.Control(IDCANCEL).Click();
    });

    ASSERT_GE(items.size(), 4u);
    EXPECT_EQ(building.projectName, items[0].text);
    EXPECT_TRUE(items[0].expanded);
    std::vector<std::string> firstLevel;
    for (const harness::TreeItem& item : items)
        if (item.level == 1)
            firstLevel.push_back(item.text);
    EXPECT_EQ((std::vector<std::string>{building.positions[shown].name,
                                        building.positions[damaged].name + notLoaded,
                                        building.positions[missing].name + notLoaded}),
              firstLevel);
    EXPECT_EQ(German(IDS_CHECK_TRANSFERS_DAMAGED_IN) + building.positions[damaged].name + ".", damagedText);
    EXPECT_EQ(German(IDS_CHECK_NO_LOADS), missingText);
}

TEST_F(PageEntryTest, NamesLoseTheirTrailingBlanksAndAllShownGivesNoReport)
{
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    const int position = FoundationIndex(building, 0);
    const std::string name = building.positions[position].name + "   ";
    const std::string file = pagetest::FileOf(project, position);
    const char* names[] = {name.c_str()};
    const char* files[] = {file.c_str()};
    int recalculate = -1;
    std::vector<harness::TreeItem> items;
    RunExport(nullptr, 1, names, files, recalculate, nullptr, [&](const Window& page) {
        harness::Sync();
        EXPECT_TRUE(OtherDialogs().empty());
        items = page.Control(IDC_LOAD_TREE).TreeItems();
        page.Close();
    });
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ("Projekt", items[0].text);
    EXPECT_EQ(building.positions[position].name, items[1].text);
    EXPECT_EQ(0, recalculate);
}

TEST_F(PageEntryTest, ExportRunsOverTheHostWindowAndHandsBackOnlyARecalculation)
{
    m_sandbox.SetString(settings::kProgramPath, ProgramFolder().c_str());
    m_sandbox.SetString(settings::kLanguage, "DEU");
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    const int position = FoundationIndex(building, 0);
    const std::string file = pagetest::FileOf(project, position);
    const char* names[] = {building.positions[position].name.c_str()};
    const char* files[] = {file.c_str()};
    const HWND host = CreateWindowA("STATIC", "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                    200, nullptr, nullptr, nullptr, nullptr);

    // Cancel: the flag becomes 0, the buffer stays as it was.
    int recalculate = -1;
    char buffer[MAX_PATH] = "untouched";
    bool hostEnabled = true;
    RunExport(host, 1, names, files, recalculate, buffer, [&](const Window& page) {
        EXPECT_EQ(host, GetWindow(page.Handle(), GW_OWNER));
        harness::OnUi([&] { hostEnabled = IsWindowEnabled(host) != FALSE; });
        page.Control(IDCANCEL).Click();
    });
    EXPECT_EQ(0, recalculate);
    EXPECT_STREQ("untouched", buffer);
    EXPECT_FALSE(hostEnabled);
    EXPECT_TRUE(IsWindowEnabled(host));
    EXPECT_EQ(nullptr, GetModuleHandleA("kesvar_deu.dll"));

    // Recalculation of the selected position: the flag and its file.
    RunExport(host, 1, names, files, recalculate, buffer, [&](const Window& page) {
        page.Control(IDC_LOAD_TREE).SelectTreeItem(building.positions[position].name);
        page.Control(ID_KVD_CALCUL).Click();
        harness::WaitUntilGone(page);
    });
    EXPECT_EQ(1, recalculate);
    EXPECT_EQ(file, buffer);

    // No positions: an empty tree, no recalculation.
    std::size_t itemCount = 99;
    RunExport(host, 0, nullptr, nullptr, recalculate, buffer, [&](const Window& page) {
        itemCount = page.Control(IDC_LOAD_TREE).TreeItems().size();
        page.Control(IDCANCEL).Click();
    });
    EXPECT_EQ(0u, itemCount);
    EXPECT_EQ(0, recalculate);
    DestroyWindow(host);
}

TEST_F(PageEntryTest, MissingLanguageLibraryIsNamedAndNothingOpens)
{
    m_sandbox.SetString(settings::kLanguage, "XX");
    int recalculate = -1;
    std::string text;
    RunScripted(
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

TEST_F(PageEntryTest, HostedPageBuildsTheSameTreeOnEveryActivationInTheSettingsLanguage)
{
    m_sandbox.SetString(settings::kLanguage, "ENG");
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    const int shown = FoundationIndex(building, 0);
    const int damaged = FoundationIndex(building, 1);
    Overwrite(project.transferFile(building.positions[damaged]), "no transfer file");

    std::vector<pagetest::NumberedItem> first, second;
    std::string reportText;
    int reports = 0;
    {
        std::unique_ptr<CObject> object(RUNTIME_CLASS(CMyPropertyPage2)->CreateObject());
        auto* page = dynamic_cast<CMyPropertyPage2*>(object.get());
        ASSERT_NE(nullptr, page);
        page->SetPrjName(CString(building.projectName.c_str()));
        for (int p : {shown, damaged})
            page->AddPosition(CString(building.positions[p].name.c_str()),
                              CString(pagetest::FileOf(project, p).c_str()));
        CMyPropertyPage2 other;
        CPropertySheet sheet("Host");
        sheet.AddPage(page);
        sheet.AddPage(&other);
        RunScripted([&] { return sheet.DoModal(); },
                    [&] {
                        harness::MessageBoxInfo box = harness::WaitForMessageBox();
                        reportText = box.text;
                        ++reports;
                        box.Answer(IDOK);
                        const Window dialog = pagetest::WaitForPage();
                        const Window pageWindow(page->GetSafeHwnd());
                        first = pagetest::TreeOf(pageWindow);
                        harness::OnUi([&] { sheet.SetActivePage(1); });
                        harness::OnUi([&] { sheet.SetActivePage(0); });
                        box = harness::WaitForMessageBox();
                        ++reports;
                        box.Answer(IDOK);
                        second = pagetest::TreeOf(pageWindow);
                        dialog.Control(IDCANCEL).Click();
                    });
    }
    EXPECT_EQ(2, reports);
    EXPECT_EQ(LanguageString("kesvar_eng.dll", IDS_PAGE_NOT_ALL_LOADED) + "\n" +
                  LanguageString("kesvar_eng.dll", IDS_PAGE_NOT_ALL_LOADED_HINT),
              reportText);
    ASSERT_GE(first.size(), 3u);
    EXPECT_EQ(first, second);
    EXPECT_EQ(building.positions[damaged].name +
                  LanguageString("kesvar_eng.dll", IDS_PAGE_NOT_LOADED),
              first.back().text);
    EXPECT_EQ(0, first.front().number);
    // The last hosted page took its language library with it.
    EXPECT_EQ(nullptr, GetModuleHandleA("kesvar_eng.dll"));
}

TEST_F(PageEntryTest, HostedPageOfTheModuleComesFromItsRunTimeClassAndOwnResources)
{
    m_sandbox.SetString(settings::kProgramPath, ProgramFolder().c_str());
    m_sandbox.SetString(settings::kLanguage, "ENG");
    // The module's exported run-time class record, as a host of another module finds it.
    const HMODULE module = GetModuleHandleA("kesvar.dll");
    ASSERT_NE(nullptr, module);
    const auto* runtimeClass = reinterpret_cast<const CRuntimeClass*>(
        GetProcAddress(module, "_ZN16CMyPropertyPage221classCMyPropertyPage2E"));
    ASSERT_NE(nullptr, runtimeClass);
    EXPECT_STREQ("CMyPropertyPage2", runtimeClass->m_lpszClassName);
    {
        std::unique_ptr<CObject> object(runtimeClass->CreateObject());
        auto* page = static_cast<CPropertyPage*>(object.get());
        EXPECT_NE(nullptr, GetModuleHandleA("kesvar_eng.dll")) << "held while the page exists";
        CPropertySheet sheet("Host");
        sheet.AddPage(page);
        bool hasTree = false, hasCancel = true;
        RunScripted([&] { return sheet.DoModal(); },
                    [&] {
                        const Window dialog = pagetest::WaitForPage();
                        const Window pageWindow(page->GetSafeHwnd());
                        hasTree = pageWindow.HasControl(IDC_LOAD_TREE);
                        hasCancel = pageWindow.HasControl(IDCANCEL);
                        EXPECT_TRUE(pageWindow.Control(IDC_LOAD_TREE).TreeItems().empty());
                        dialog.Control(IDCANCEL).Click();
                    });
        // The module's own template 100: the tree, and no Close button of its own.
        EXPECT_TRUE(hasTree);
        EXPECT_FALSE(hasCancel);
    }
    EXPECT_EQ(nullptr, GetModuleHandleA("kesvar_eng.dll"));
}
