// A folder listed once and searched in memory finds the same first file as the system's
// wildcard search, for the patterns the library looks for load files with.
#include "loaddata/FolderListing.h"
#include "loaddata/SuiteEnvironment.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

using namespace loaddata;

TEST(FolderListing, FindsWhatTheSystemSearchFinds)
{
    TempFolder folder;
    for (const char* name : {"plann", "dWA0001.016", "dWA0001.017", "dwb0002.017", "kv0003.017"})
        writeBytes(folder.file(name), {1});
    const std::string directory = directoryOf(folder.file("plann"));
    const struct {
        const char* pattern;
        const char* first; // "" when none matches
    } cases[] = {
        {"d??0001.017", "dWA0001.017"},
        {"DWB0002.017", "dwb0002.017"},
        {"d?0001.017", ""},
        {"d??0001.01", ""},
        {"*.016", "dWA0001.016"},
    };
    const std::vector<FolderEntry> entries = listFolder(directory);
    for (const auto& c : cases) {
        std::string listed;
        for (const FolderEntry& entry : entries)
            if (listed.empty() && matchesPattern(c.pattern, entry))
                listed = entry.name;
        std::string searched;
        if (!findFirstFile(directory, c.pattern, searched))
            searched.clear();
        EXPECT_EQ(listed, c.first) << c.pattern;
        EXPECT_EQ(listed, searched) << c.pattern;
    }
    EXPECT_TRUE(listFolder(directory + "missing" + kPathSeparator).empty());
}
