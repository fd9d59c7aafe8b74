// CheckTree of loaddata.dll on generated projects: every code of its table, with the file
// it names.
#include "GeneratedProject.h"

#include "loaddata/TransferFile.h"
#include "model/LoadDataInterface.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <windows.h>

namespace
{

struct Checked {
    int code;
    std::string file;
    std::string other;
};

Checked check(const std::string& file)
{
    char outFile[260] = "", out2[260] = "";
    const int code = static_cast<short>(CheckTree(file.c_str(), outFile, out2) & 0xFFFF);
    return {code, outFile, out2};
}

bool isFoundation(const kvdata::Position& p)
{
    return p.programCode == "01069";
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
};

TEST(TreeCheck, GeneratedProjectIsInOrderAndMissingFilesAreNamed)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    for (const kvdata::Position& position : project.building().positions) {
        const Checked result = check(project.transferFile(position));
        EXPECT_EQ(result.code, position.incoming.empty() ? -11 : 0) << position.name;
        EXPECT_STRCASEEQ(project.transferFile(position).c_str(), result.file.c_str());
    }
    // Foundations sit at the end of chains as deep as the building, fed by several.
    const kvdata::Position& foundation = project.position(isFoundation);
    EXPECT_EQ(check(project.loadFile(foundation)).code, 0);
    EXPECT_EQ(check(project.loadFile(project.position([](const kvdata::Position& p) {
                  return !p.incoming.empty() && p.incoming.back().source < 4; // from FEM
              }))).code,
              0);

    char out[260];
    EXPECT_EQ(CheckTree(nullptr, out, out), -1);
    EXPECT_EQ(CheckTree("C:\\x\\dBA0001.017", nullptr, out), -1);
    EXPECT_EQ(check("C:\\x\\readme.txt").code, -1);
    EXPECT_EQ(check(std::string(300, 'a') + ".017").code, -1);
    DeleteFileA(project.loadFile(foundation).c_str());
    EXPECT_EQ(check(project.transferFile(foundation)).code, -2);
    const std::string unlisted = project.folders().project + "dBA9998.017";
    CopyFileA(project.loadFile(project.building().positions.back()).c_str(), unlisted.c_str(),
              FALSE);
    EXPECT_EQ(check(unlisted).code, -5) << "the plan file does not list it";
    DeleteFileA((project.folders().fem + "plann").c_str());
    EXPECT_EQ(check(project.loadFile(project.position([](const kvdata::Position& p) {
                  return p.fem;
              }))).code,
              -5)
        << "no plan file";
}

// One check reuses what earlier checks found of the positions that feed it; a file saved
// since, as the suite saves (a new file moved over the old one), is read afresh.
TEST(TreeCheck, DamagedFilesNameTheirPositionAlsoAfterEarlierChecks)
{
    Chain chain;
    const GeneratedProject& project = chain.project;
    ASSERT_TRUE(project.written());
    for (const kvdata::Position& position : project.building().positions)
        check(project.loadFile(position));
    ASSERT_EQ(check(project.loadFile(chain.below)).code, 0);

    const std::string load = project.loadFile(chain.purlin);
    ASSERT_TRUE(CopyFileA(load.c_str(), (load + ".tmp").c_str(), FALSE));
    flipByte(load + ".tmp", 40);
    ASSERT_TRUE(MoveFileExA((load + ".tmp").c_str(), load.c_str(), MOVEFILE_REPLACE_EXISTING));
    for (const kvdata::Position* position : {&chain.purlin, &chain.below}) {
        const Checked result = check(project.loadFile(*position));
        EXPECT_EQ(result.code, -3) << "a damaged source, deep in the tree too";
        EXPECT_STRCASEEQ(project.transferFile(chain.purlin).c_str(), result.file.c_str());
    }
    flipByte(project.transferFile(chain.receiver), 30);
    const Checked result = check(project.loadFile(chain.below));
    EXPECT_EQ(result.code, -4);
    EXPECT_STRCASEEQ(project.transferFile(chain.receiver).c_str(), result.file.c_str());
}

TEST(TreeCheck, VanishedSourceCycleAndOutdatedData)
{
    Chain chain;
    const GeneratedProject& project = chain.project;
    ASSERT_TRUE(project.written());
    const std::string purlin = project.loadFile(chain.purlin);
    const std::string below = project.loadFile(chain.below);
    saveLater(purlin, 1);
    Checked result = check(project.loadFile(chain.receiver));
    EXPECT_EQ(result.code, -13) << "a source was recalculated after the receiver";
    EXPECT_STRCASEEQ(purlin.c_str(), result.other.c_str());
    EXPECT_EQ(check(below).code, -13) << "deeper in the tree";
    saveLater(project.loadFile(chain.receiver), 2);
    saveLater(below, 2);
    saveLater(project.transferFile(chain.below), 3);
    result = check(below);
    EXPECT_EQ(result.code, -13) << "transfers newer than the load data";
    EXPECT_STRCASEEQ(project.transferFile(chain.below).c_str(), result.other.c_str());
    saveLater(below, 4);
    EXPECT_EQ(check(below).code, 0) << "recalculated";

    // The purlin now receives from a position that it feeds itself.
    loaddata::TransferData loop;
    loop.headers.push_back({below, 1, {}});
    ASSERT_EQ(loaddata::writeTransferFile(project.transferFile(chain.purlin), loop),
              loaddata::FormatError::None);
    result = check(below);
    EXPECT_EQ(result.code, -12);
    EXPECT_STRCASEEQ(project.transferFile(chain.below).c_str(), result.file.c_str());

    // A source position that was deleted: the transfer names what no longer exists.
    DeleteFileA(project.transferFile(chain.purlin).c_str());
    DeleteFileA(purlin.c_str());
    result = check(below);
    EXPECT_EQ(result.code, -10);
    EXPECT_STRCASEEQ(project.transferFile(chain.receiver).c_str(), result.file.c_str());
    EXPECT_STRCASEEQ(purlin.c_str(), result.other.c_str());
}

} // namespace
