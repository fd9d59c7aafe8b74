// The text of the loads transferred into a selected position, on generated projects: point
// and distributed transfers, sources in other volumes, groups and projects and in the FEM
// project, values beyond the no-value limit, a source without computed results.
#include "tests/page/PageTestSupport.h"

#include "loaddata/SuiteEnvironment.h"
#include "model/LoadDataInterface.h"
#include "resources/ResourceIds.h"
#include "tests/support/RegistrySandbox.h"
#include "tools/kvdata/LoadDataImage.h"

#include <gtest/gtest.h>

namespace
{

std::vector<int> CurrentProjectPositions(const kvdata::Building& building)
{
    std::vector<int> positions;
    for (std::size_t p = 0; p < building.positions.size(); ++p)
        if (!building.positions[p].fem)
            positions.push_back(static_cast<int>(p));
    return positions;
}

// Selects each host position and compares the text field with the expected text.
void ExpectTexts(const GeneratedProject& project, const std::vector<int>& hosts,
                 const std::set<int>& noData = {}, bool byLoadFile = false)
{
    const kvdata::Building& building = project.building();
    pagetest::RunStandalone(
        project, hosts,
        [&] {
            const harness::Window page = pagetest::WaitForPage();
            const harness::Window tree = page.Control(IDC_LOAD_TREE);
            tree.SelectTreeItem(building.projectName);
            EXPECT_EQ("", page.Control(IDC_LOAD_TEXT).Text());
            for (int host : hosts) {
                tree.SelectTreeItem(building.positions[host].name);
                EXPECT_EQ(pagetest::ExpectedLoadText(building, host, "\r\n", noData),
                          page.Control(IDC_LOAD_TEXT).Text())
                    << building.positions[host].name;
            }
            page.Control(IDCANCEL).Click();
        },
        byLoadFile);
}

} // namespace

TEST(LoadText, EveryPositionOfTheSampleBuilding)
{
    RegistrySandbox sandbox(loaddata::kSettingsKey);
    GeneratedProject project;
    ExpectTexts(project, CurrentProjectPositions(project.building()));
}

TEST(LoadText, NoValuesAnotherProjectAndASourceWithoutResults)
{
    RegistrySandbox sandbox(loaddata::kSettingsKey);
    kvdata::Building building = kvdata::makeBuilding(kvdata::BuildingSize());
    std::vector<int> hosts;
    // A point value beyond the limit; a distributed reaction whose second piece is.
    for (std::size_t p = 0; p < building.positions.size() && hosts.size() < 2; ++p) {
        kvdata::Position& receiver = building.positions[p];
        if (receiver.fem || receiver.incoming.empty())
            continue;
        const kvdata::Transfer& transfer = receiver.incoming.front();
        kvdata::Support& support = building.positions[transfer.source].supports[transfer.support];
        const bool wanted = hosts.empty() ? !support.distributed : support.distributed;
        if (!wanted || transfer.source < 4)
            continue;
        kvdata::Component& component = support.byLoad[0][0];
        if (support.distributed)
            component.pieces.at(1).q2 = -1e300;
        else
            component.value = 1e300;
        hosts.push_back(static_cast<int>(p));
    }
    ASSERT_EQ(2u, hosts.size());
    // A FEM slab that receives from the current project: that project is another one.
    kvdata::Transfer fromAbove = building.positions[hosts[0]].incoming.front();
    fromAbove.number = -4;
    building.positions[0].incoming.push_back(fromAbove);
    hosts.push_back(0);
    GeneratedProject project(building);

    // A source whose design program stored no results: its data word is 0.
    const int quiet = building.positions[hosts[1]].incoming.back().source;
    kvdata::LoadDataImage image(building.positions[quiet]);
    image.record()->dataWord = 0;
    const std::string loadFile = project.loadFile(building.positions[quiet]);
    ASSERT_EQ(0, LoadSerializeData(0, loadFile.c_str(), image.record()) & 0xFFFF);
    // Named by their load files this time: the text is the same.
    ExpectTexts(project, hosts, {quiet}, true);
}
