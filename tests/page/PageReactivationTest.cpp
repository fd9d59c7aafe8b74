// Each activation of the page reads the transfer files afresh: what one activation read is
// not shown by the next after the files changed; an activation that finds the same tree
// leaves the control as the user left it.
#include "tests/page/PageTestSupport.h"

#include "framework/CPropertySheet.h"
#include "loaddata/SuiteEnvironment.h"
#include "page/CMyPropertyPage2.h"
#include "resources/ResourceIds.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <cstdio>

TEST(PageReactivationTest, TheNextActivationShowsTransferFilesAsTheyAreThen)
{
    RegistrySandbox sandbox(loaddata::kSettingsKey);
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    int foundation = 0;
    while (building.positions[foundation].programCode != "01069")
        ++foundation;
    // A source of the foundation that has sources of its own loses its transfer file.
    const int source = building.positions[foundation].incoming.at(0).source;
    ASSERT_FALSE(building.positions[source].incoming.empty());
    // First the foundation's first transfer gets another number (the same items, one text
    // changed), then the source loses its transfer file.
    kvdata::Building renumbered = building;
    renumbered.positions[foundation].incoming[0].number += 100;
    kvdata::Building changed = renumbered;
    changed.positions[source].incoming.clear();

    std::vector<pagetest::NumberedItem> first, unchanged, third, second;
    bool keptExpanded = false;
    {
        CMyPropertyPage2 page;
        CMyPropertyPage2 other;
        page.SetPrjName(CString(building.projectName.c_str()));
        page.AddPosition(CString(building.positions[foundation].name.c_str()),
                         CString(pagetest::FileOf(project, foundation).c_str()));
        CPropertySheet sheet("Host");
        sheet.AddPage(&page);
        sheet.AddPage(&other);
        harness::RunScripted(
            [&] { return sheet.DoModal(); },
            [&] {
                const harness::Window dialog = pagetest::WaitForPage();
                const harness::Window pageWindow(page.GetSafeHwnd());
                first = pagetest::TreeOf(pageWindow);
                // The user opens the foundation's branch; nothing changes on disk.
                harness::OnUi([&] {
                    page.m_tree.Expand(page.m_tree.GetChildItem(page.m_tree.GetRootItem()),
                                       TVE_EXPAND);
                    sheet.SetActivePage(1);
                    sheet.SetActivePage(0);
                });
                unchanged = pagetest::TreeOf(pageWindow);
                keptExpanded = pageWindow.Control(IDC_LOAD_TREE).TreeItems().at(1).expanded;
                harness::OnUi([&] { sheet.SetActivePage(1); });
                std::string error;
                EXPECT_TRUE(kvdata::writeProject(renumbered, project.folders(), error)) << error;
                harness::OnUi([&] { sheet.SetActivePage(0); });
                third = pagetest::TreeOf(pageWindow);
                harness::OnUi([&] { sheet.SetActivePage(1); });
                EXPECT_EQ(0, std::remove(project.transferFile(building.positions[source]).c_str()));
                harness::OnUi([&] { sheet.SetActivePage(0); });
                second = pagetest::TreeOf(pageWindow);
                dialog.Control(IDCANCEL).Click();
            });
    }
    EXPECT_EQ(pagetest::ExpectedTree(building, {foundation}), first);
    EXPECT_EQ(first, unchanged);
    EXPECT_TRUE(keptExpanded);
    EXPECT_EQ(pagetest::ExpectedTree(renumbered, {foundation}), third);
    EXPECT_EQ(pagetest::ExpectedTree(changed, {foundation}), second);
    EXPECT_LT(second.size(), first.size());
}
