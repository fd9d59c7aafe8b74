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

void flipByte(const std::string& path, long offset)
{
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(f, nullptr) << path;
    std::fseek(f, offset, SEEK_SET);
    const int c = std::fgetc(f);
    std::fseek(f, offset, SEEK_SET);
    std::fputc(c ^ 0x20, f);
    std::fclose(f);
}

// Sets a file's time of last writing to some hours from now, as if it were saved then.
void saveLater(const std::string& path, int hours)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    FILETIME written;
    GetSystemTimeAsFileTime(&written);
    ULARGE_INTEGER t{{written.dwLowDateTime, written.dwHighDateTime}};
    t.QuadPart += 36000000000ull * static_cast<unsigned>(hours);
    written = {t.LowPart, t.HighPart};
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
}

bool receivesFromFem(const kvdata::Position& p)
{
    return !p.incoming.empty() && p.incoming.back().source < 4;
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

TEST(TreeCheck, GeneratedProjectIsInOrderEverywhere)
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
    EXPECT_EQ(check(project.loadFile(project.position(receivesFromFem))).code, 0);
}

TEST(TreeCheck, ArgumentsAndMissingFiles)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    char out[260];
    EXPECT_EQ(CheckTree(nullptr, out, out), -1);
    EXPECT_EQ(CheckTree("C:\\x\\dBA0001.017", nullptr, out), -1);
    EXPECT_EQ(check("C:\\x\\readme.txt").code, -1);
    EXPECT_EQ(check(std::string(300, 'a') + ".017").code, -1);

    const kvdata::Position& foundation = project.position(isFoundation);
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

TEST(TreeCheck, DamagedFilesNameTheirPosition)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const kvdata::Position& purlin = project.building().positions[4];
    const kvdata::Position& receiver = receiverOf(project, purlin);
    const kvdata::Position& below = receiverOf(project, receiver);

    flipByte(project.loadFile(purlin), 40);
    Checked result = check(project.loadFile(purlin));
    EXPECT_EQ(result.code, -3);
    EXPECT_STRCASEEQ(project.transferFile(purlin).c_str(), result.file.c_str());
    result = check(project.loadFile(below));
    EXPECT_EQ(result.code, -3) << "a damaged source deep in the tree";
    EXPECT_STRCASEEQ(project.transferFile(purlin).c_str(), result.file.c_str());

    flipByte(project.transferFile(receiver), 30);
    result = check(project.loadFile(below));
    EXPECT_EQ(result.code, -4);
    EXPECT_STRCASEEQ(project.transferFile(receiver).c_str(), result.file.c_str());
}

TEST(TreeCheck, VanishedSourceCycleAndOutdatedData)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const kvdata::Position& purlin = project.building().positions[4];
    const kvdata::Position& receiver = receiverOf(project, purlin);
    const kvdata::Position& below = receiverOf(project, receiver);

    saveLater(project.loadFile(purlin), 1);
    Checked result = check(project.loadFile(receiver));
    EXPECT_EQ(result.code, -13) << "a source was recalculated after the receiver";
    EXPECT_STRCASEEQ(project.loadFile(purlin).c_str(), result.other.c_str());
    EXPECT_EQ(check(project.loadFile(below)).code, -13) << "deeper in the tree";
    saveLater(project.loadFile(receiver), 2);
    saveLater(project.loadFile(below), 2);
    saveLater(project.transferFile(below), 3);
    result = check(project.loadFile(below));
    EXPECT_EQ(result.code, -13) << "transfers newer than the load data";
    EXPECT_STRCASEEQ(project.transferFile(below).c_str(), result.other.c_str());
    saveLater(project.loadFile(below), 4);
    EXPECT_EQ(check(project.loadFile(below)).code, 0) << "recalculated";

    // The purlin now receives from a position that it feeds itself.
    loaddata::TransferData loop;
    loaddata::TransferHeader header;
    header.sourcePath = project.loadFile(below);
    header.transferNumber = 1;
    loop.headers.push_back(header);
    ASSERT_EQ(loaddata::writeTransferFile(project.transferFile(purlin), loop),
              loaddata::FormatError::None);
    result = check(project.loadFile(below));
    EXPECT_EQ(result.code, -12);
    EXPECT_STRCASEEQ(project.transferFile(below).c_str(), result.file.c_str());

    // A source position that was deleted: the transfer names what no longer exists.
    DeleteFileA(project.transferFile(purlin).c_str());
    DeleteFileA(project.loadFile(purlin).c_str());
    result = check(project.loadFile(below));
    EXPECT_EQ(result.code, -10);
    EXPECT_STRCASEEQ(project.transferFile(receiver).c_str(), result.file.c_str());
    EXPECT_STRCASEEQ(project.loadFile(purlin).c_str(), result.other.c_str());
}

// One check reuses what earlier checks found of the positions that feed it; a file saved
// since, as the suite saves (a new file moved over the old one), is read afresh.
TEST(TreeCheck, FilesSavedBetweenTwoChecksAreReadAfresh)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const kvdata::Position& purlin = project.building().positions[4];
    const kvdata::Position& receiver = receiverOf(project, purlin);
    const kvdata::Position& below = receiverOf(project, receiver);
    for (const kvdata::Position& position : project.building().positions)
        check(project.loadFile(position));
    ASSERT_EQ(check(project.loadFile(below)).code, 0);

    const std::string load = project.loadFile(purlin);
    const std::string copy = load + ".tmp";
    ASSERT_TRUE(CopyFileA(load.c_str(), copy.c_str(), FALSE));
    flipByte(copy, 40);
    ASSERT_TRUE(MoveFileExA(copy.c_str(), load.c_str(), MOVEFILE_REPLACE_EXISTING));
    const Checked result = check(project.loadFile(below));
    EXPECT_EQ(result.code, -3) << "a source's damaged load data, deep in the tree";
    EXPECT_STRCASEEQ(project.transferFile(purlin).c_str(), result.file.c_str());
}

} // namespace
