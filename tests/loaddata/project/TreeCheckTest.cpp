// CheckTree of loaddata.dll on generated projects: every code of its table, with the file
// it names.
#include "GeneratedProject.h"

#include "loaddata/TransferFile.h"
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

TEST(TreeCheck, GeneratedProjectIsInOrderAndMissingFilesAreNamed)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    std::string named;
    for (const kvdata::Position& position : project.building().positions) {
        EXPECT_EQ(check(project.transferFile(position), &named),
                  position.incoming.empty() ? -11 : 0)
            << position.name;
        EXPECT_STRCASEEQ(project.transferFile(position).c_str(), named.c_str());
    }
    char out[260];
    EXPECT_EQ(CheckTree(nullptr, out, out), -1);
    EXPECT_EQ(check(std::string(300, 'a') + ".017"), -1);
    const kvdata::Position& foundation =
        project.position([](const kvdata::Position& p) { return p.programCode == "01069"; });
    DeleteFileA(project.loadFile(foundation).c_str());
    EXPECT_EQ(check(project.transferFile(foundation)), -2);
    const std::string unlisted = project.folders().project + "dBA9998.017";
    CopyFileA(project.loadFile(project.building().positions.back()).c_str(), unlisted.c_str(),
              FALSE);
    EXPECT_EQ(check(unlisted), -5) << "the plan file does not list it";
}

// One check reuses what earlier checks found of the positions that feed it; a file saved
// since, as the suite saves (a new file moved over the old one), is read afresh.
TEST(TreeCheck, DamagedFilesNameTheirPositionAlsoAfterEarlierChecks)
{
    const Chain chain;
    ASSERT_TRUE(chain.project.written());
    std::string named;
    ASSERT_EQ(check(chain.load(chain.below)), 0);
    const std::string load = chain.load(chain.purlin);
    ASSERT_TRUE(CopyFileA(load.c_str(), (load + ".tmp").c_str(), FALSE));
    flipByte(load + ".tmp", 40);
    ASSERT_TRUE(MoveFileExA((load + ".tmp").c_str(), load.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(check(chain.load(chain.below), &named), -3) << "a damaged source deep in the tree";
    EXPECT_STRCASEEQ(chain.transfers(chain.purlin).c_str(), named.c_str());
    flipByte(chain.transfers(chain.receiver), 30);
    EXPECT_EQ(check(chain.load(chain.below), &named), -4);
    EXPECT_STRCASEEQ(chain.transfers(chain.receiver).c_str(), named.c_str());
}

TEST(TreeCheck, VanishedSourceCycleAndOutdatedData)
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
    saveLater(below, 2);
    saveLater(chain.transfers(chain.below), 3);
    EXPECT_EQ(check(below, &named, true), -13) << "transfers newer than the load data";
    EXPECT_STRCASEEQ(chain.transfers(chain.below).c_str(), named.c_str());
    saveLater(below, 4);
    EXPECT_EQ(check(below), 0) << "recalculated";

    // The purlin now receives from a position that it feeds itself.
    loaddata::TransferData loop;
    loop.headers.push_back({below, 1, {}});
    ASSERT_EQ(loaddata::writeTransferFile(chain.transfers(chain.purlin), loop),
              loaddata::FormatError::None);
    EXPECT_EQ(check(below, &named), -12);
    EXPECT_STRCASEEQ(chain.transfers(chain.below).c_str(), named.c_str());

    // A source position that was deleted: the transfer names what no longer exists.
    DeleteFileA(chain.transfers(chain.purlin).c_str());
    DeleteFileA(purlin.c_str());
    EXPECT_EQ(check(below, &named, true), -10);
    EXPECT_STRCASEEQ(purlin.c_str(), named.c_str());
}

} // namespace
