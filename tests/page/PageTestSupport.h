// Running the transferred-load page on a generated project, and what the page should show
// for it, computed from the project's building independently of the page's code.
#pragma once

#include "loaddata/SuiteEnvironment.h"
#include "tests/harness/Harness.h"
#include "tests/loaddata/project/GeneratedProject.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

class CPropertySheet;

namespace pagetest
{

using Item = std::pair<std::string, int>; // a tree item's text and depth (0 for the root)

// Every item of the page's tree in display order, collapsed ones' children included.
std::vector<Item> TreeOf(const harness::Window& page);

// The tree for these host positions: the project, the positions, below each its sources.
std::vector<Item> ExpectedTree(const kvdata::Building& building, const std::vector<int>& hosts);

// The German text of the loads transferred into a position (sep "\r\n" in the field, "\n"
// printed); sources in noData have no results.
std::string ExpectedLoadText(const kvdata::Building& building, int receiver, const char* sep,
                             const std::set<int>& noData = {});

std::string NumberSuffix(int transferNumber); // " - V1", " - \3342"

std::vector<int> PositionsWhere(const kvdata::Building& building,
                                const std::function<bool(const kvdata::Position&)>& is);
int Foundation(const kvdata::Building& building, int nth = 0); // a position index
std::string FileOf(const GeneratedProject& project, int p);    // its transfer file

struct PageResult { // what the export hands back
    int recalculate = -1;
    std::string file;
};

// Runs the export over the positions at these indexes (named by their transfer files or
// load files, with trailing blanks as hosts leave them) while the script drives the page.
PageResult RunStandalone(const GeneratedProject& project, const std::vector<int>& hosts,
                         const std::function<void()>& script, bool byLoadFile = false);

// Runs a host's sheet while the script drives it, then cancels the sheet.
void RunSheet(CPropertySheet& sheet, const std::function<void()>& script);

harness::Window WaitForPage(); // the page's window (or its sheet's) once it is shown

} // namespace pagetest

// Every test of the page in an empty settings key.
class PageTest : public ::testing::Test
{
  protected:
    RegistrySandbox m_sandbox{loaddata::kSettingsKey};
};
