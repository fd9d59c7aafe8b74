// Running the transferred-load page on a generated project, and what the page should show
// for it, computed from the project's building independently of the page's code.
#pragma once

#include "tests/harness/Harness.h"
#include "tests/loaddata/project/GeneratedProject.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace pagetest
{

// A tree item as the control holds it: text, depth (0 for the root) and item number.
struct NumberedItem {
    std::string text;
    int level;
    long number;
    bool operator==(const NumberedItem& other) const
    {
        return text == other.text && level == other.level && number == other.number;
    }
};

// The page's tree, every item in display order, collapsed ones' children included.
std::vector<NumberedItem> TreeOf(const harness::Window& page);

// The tree the page builds for these host positions: the project, the positions, and below
// each the positions that transfer into it, numbered as the page numbers them.
std::vector<NumberedItem> ExpectedTree(const kvdata::Building& building,
                                       const std::vector<int>& hosts);

// The text of the loads transferred into a position, with the German texts; sep is "\r\n"
// (text field) or "\n" (print file). Sources in noData have load data without results.
std::string ExpectedLoadText(const kvdata::Building& building, int receiver, const char* sep,
                             const std::set<int>& noData = {});

// " - V1", " - \xdc" "2".
std::string NumberSuffix(int transferNumber);

// The result FillNamesForDialog hands back.
struct PageResult {
    int recalculate = -1;
    std::string file;
};

// Runs the page standalone (as FillNamesForDialog does) over the project's positions at
// the given indexes, with the script driving it; the project name is the building's. The
// positions are named by their transfer files, or by their load files.
PageResult RunStandalone(const GeneratedProject& project, const std::vector<int>& hosts,
                         const std::function<void()>& script, bool byLoadFile = false);

// The standalone page's window once it is shown.
harness::Window WaitForPage();

// The file a host names position index p by: its transfer file, which the page reads.
std::string FileOf(const GeneratedProject& project, int p);

} // namespace pagetest
