// CheckTree of loaddata.dll on generated projects: its codes, with the file it names. A
// damaged transfer file and a cycle: the page's tests, which show what the check found.
#include "GeneratedProject.h"

#include "model/LoadDataInterface.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace
{

// The code, and the first file CheckTree names (the second one, when asked for).
int check(const std::string& file, std::string* named = nullptr, bool second = false)
{
    char outFile[260] = "", out2[260] = "";
    const int code = static_cast<short>(CheckTree(file.c_str(), outFile, out2) & 0xFFFF);
    if (named)
        *named = second ? out2 : outFile;
    return code;
}

// A position that receives from the given source, directly.
const kvdata::Position& receiverOf(const GeneratedProject& project, const kvdata::Position& source)
{
    const int index = static_cast<int>(&source - project.building().positions.data());
    return project.position([index](const kvdata::Position& p) {
        for (const kvdata::Transfer& t : p.incoming)
            if (t.source == index)
                return true;
        return false;
    });
}

// A purlin, a position it feeds and one below that, in a generated project.
struct Chain {
    GeneratedProject project;
    const kvdata::Position& purlin = project.building().positions[4];
    const kvdata::Position& receiver = receiverOf(project, purlin);
    const kvdata::Position& below = receiverOf(project, receiver);
    std::string load(const kvdata::Position& p) const { return project.loadFile(p); }
    std::string transfers(const kvdata::Position& p) const { return project.transferFile(p); }
};

// A generated project in order (0, and -11 for positions without sources): the page's tests.
// One check reuses what earlier checks found of the positions that feed it; a file saved
// since, as the suite saves (a new file moved over the old one), is read afresh.
TEST(TreeCheck, DamagedMissingAndUnlistedFiles)
{
    const Chain chain;
    ASSERT_TRUE(chain.project.written());
    std::string named;
    ASSERT_EQ(check(chain.load(chain.below)), 0);
    EXPECT_EQ(check(std::string(300, 'a') + ".017"), -1);
    const std::string unlisted = chain.project.folders().project + "dBA9998.017";
    CopyFileA(chain.load(chain.below).c_str(), unlisted.c_str(), FALSE);
    EXPECT_EQ(check(unlisted), -5) << "the plan file does not list it";
    const std::string load = chain.load(chain.purlin);
    ASSERT_TRUE(CopyFileA(load.c_str(), (load + ".tmp").c_str(), FALSE));
    flipByte(load + ".tmp", 40);
    ASSERT_TRUE(MoveFileExA((load + ".tmp").c_str(), load.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(check(chain.load(chain.below), &named), -3) << "a damaged source deep in the tree";
    EXPECT_STRCASEEQ(chain.transfers(chain.purlin).c_str(), named.c_str());
    DeleteFileA(chain.load(chain.below).c_str());
    EXPECT_EQ(check(chain.transfers(chain.below)), -2) << "its own load file is missing";
}

TEST(TreeCheck, VanishedSourceAndOutdatedData)
{
    const Chain chain;
    ASSERT_TRUE(chain.project.written());
    const std::string purlin = chain.load(chain.purlin), below = chain.load(chain.below);
    std::string named;
    saveLater(purlin, 1);
    EXPECT_EQ(check(chain.load(chain.receiver), &named, true), -13)
        << "a source recalculated after the receiver";
    EXPECT_STRCASEEQ(purlin.c_str(), named.c_str());
    saveLater(chain.load(chain.receiver), 2);
    saveLater(below, 4);
    EXPECT_EQ(check(below), 0) << "recalculated";

    // A source position that was deleted: the transfer names what no longer exists.
    DeleteFileA(chain.transfers(chain.purlin).c_str());
    DeleteFileA(purlin.c_str());
    EXPECT_EQ(check(below, &named, true), -10);
    EXPECT_STRCASEEQ(purlin.c_str(), named.c_str());
}

} // namespace
