// The suite files with fixed layouts: the plan file and the program name file, byte for
// byte, on real, truncated, damaged and hostile input; the position file names.
#include "loaddata/FixedLayout.h"
#include "loaddata/PlanFile.h"
#include "loaddata/PositionFileName.h"
#include "loaddata/ProgramNameFile.h"
#include "loaddata/SuiteEnvironment.h"
#include "support/DamageChecks.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace loaddata;

namespace
{

PlanRecord record(const std::string& name, int16_t femNumber = 0)
{
    return {name, "01067", "WA", femNumber, planStatus(true), "Mauerwerkswand", 3, "Band 1", "EG"};
}

std::vector<unsigned char> encoded(const PlanFile& plan)
{
    std::vector<unsigned char> bytes;
    EXPECT_EQ(encodePlanFile(plan, bytes), FormatError::None);
    return bytes;
}

PlanFile samplePlan(const std::string& firstName = "1.01 Wand")
{
    PlanFile plan;
    plan.header = {"Wohnhaus Berg", "Neubau", "Ingenieurbuero Nord", "2026-11-02"};
    plan.records = {record(firstName), PlanRecord(), record("1.03 Wand", -12)};
    return plan;
}

FormatError parsed(const std::vector<unsigned char>& bytes)
{
    PlanFile plan;
    return parsePlanFile(bytes.data(), bytes.size(), plan);
}

std::string text(const std::vector<unsigned char>& bytes, std::size_t at, std::size_t length)
{
    return std::string(reinterpret_cast<const char*>(&bytes[at]), length);
}

// Names in the OEM code page (a-umlaut is 0x84 in code page 850) on Windows.
TEST(PlanFile, RoundTripWithTheSuitesOffsets)
{
#if defined(_WIN32)
    const std::string name = "Tr\xe4ger";
#else
    const std::string name = "Traeger";
#endif
    const std::vector<unsigned char> bytes = encoded(samplePlan(name));
#if defined(_WIN32)
    EXPECT_EQ(bytes[345 + 2], 0x84);
#endif
    ASSERT_EQ(bytes.size(), 345u + 3 * 400);
    EXPECT_EQ(text(bytes, 345 + 16, 5), "01067");
    EXPECT_EQ(text(bytes, 345 + 400, 16), std::string(16, ' ')) << "an empty record is blanks";
    EXPECT_EQ(static_cast<int16_t>(readU16(&bytes[345 + 800 + 25])), -12);

    PlanFile plan;
    ASSERT_EQ(parsePlanFile(bytes.data(), bytes.size(), plan), FormatError::None);
    ASSERT_EQ(plan.records.size(), 3u);
    EXPECT_EQ(plan.records[0].name, name);
    EXPECT_EQ(plan.records[2].group, "EG");
    EXPECT_EQ(encoded(plan), bytes) << "every field read back";
    EXPECT_EQ(planRemarkField(plan.records[2]).substr(70), "00003");
}

// Each hostile case changes the good file and seals the header or the first record again.
TEST(PlanFile, DamagedAndHostileFilesAreRefused)
{
    const std::vector<unsigned char> good = encoded(samplePlan());
    expectCutsAndFlipsRefused(good, parsed, {0x01});
    const struct {
        const char* what;
        std::size_t at; // the header (0) or the first record (345)
        std::function<void(unsigned char*)> change;
        FormatError error;
    } cases[] = {
        {"a huge count", 0, [](unsigned char* b) { writeU32(b + 12, ~0u); },
         FormatError::BadContent},
        {"a newer version", 0, [](unsigned char* b) { writeU16(b + 8, 2); },
         FormatError::BadVersion},
        {"letters go into a pattern", 345, [](unsigned char* b) { b[21] = '*'; },
         FormatError::BadContent},
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> bytes = good;
        c.change(&bytes[c.at]);
        seal(&bytes[c.at], c.at == 0 ? 341 : 396);
        EXPECT_EQ(parsed(bytes), c.error) << c.what;
    }
    std::vector<unsigned char> bytes;
    EXPECT_EQ(encodePlanFile(samplePlan("a name of seventeen"), bytes), FormatError::InvalidData);
}

TEST(ProgramNameFile, RoundTripOffsetsAndDamage)
{
    ProgramNameFile file;
    file.programs = {{"Durchlauftraeger", "DLT", "1.10"}, {}, {"Mauerwerk", "MW", "2.0"}};
    std::vector<unsigned char> bytes;
    ASSERT_EQ(encodeProgramNameFile(file, bytes), FormatError::None);
    EXPECT_EQ(text(bytes, 24 + 58 * (67 - 65), 30), "Mauerwerk" + std::string(21, ' '));
    ProgramNameFile back;
    ASSERT_EQ(parseProgramNameFile(bytes.data(), bytes.size(), back), FormatError::None);
    EXPECT_EQ(back.programs.back().version, "2.0");

    const FileDecoder parse = [&back](const std::vector<unsigned char>& b) {
        return parseProgramNameFile(b.data(), b.size(), back);
    };
    expectCutsAndFlipsRefused(bytes, parse, {0x40});
    std::vector<unsigned char> hostile = bytes; // another first program number
    writeU16(&hostile[10], 66);
    seal(hostile.data(), 20);
    EXPECT_EQ(parse(hostile), FormatError::BadContent);
    file.programs[0].name = std::string(31, 'x');
    EXPECT_EQ(encodeProgramNameFile(file, bytes), FormatError::InvalidData);
}

TEST(PositionFileName, PatternsAndFilesOfAPosition)
{
    PlanRecord r = record("x");
    EXPECT_EQ(loadFilePattern(ProjectKind::Current, r, 3), "dWA0004.017");
    r.fileLetters = "";
    EXPECT_EQ(loadFilePattern(ProjectKind::Current, r, 12344), "d??2345.017");
    r.femNumber = -5;
    EXPECT_EQ(loadFilePattern(ProjectKind::Fem, r, 0), "kv-00005.017");
    r.fileLetters = "WA";
    EXPECT_TRUE(namesPosition("Dwa0004.017", r, 3)) << "Windows names ignore case";
    EXPECT_FALSE(namesPosition("dHO0004.017", r, 3)) << "other letters";

    ProjectKind kind;
    EXPECT_TRUE(projectKindOf("kv000101.017", kind) && kind == ProjectKind::Fem);
}

TEST(SuiteEnvironment, FileStampsFollowFilesThatComeAndGo)
{
    TempFolder folder;
    const std::string path = folder.file("dWA0001.016");
    EXPECT_FALSE(fileStamp(path).exists);
    writeBytes(path, {'d', 'a', 't', 'a'});
    // Dated by the same call as below, whatever resolution it keeps.
    const auto time = std::filesystem::last_write_time(path);
    std::filesystem::last_write_time(path, time);
    const FileStamp created = fileStamp(path);
    EXPECT_TRUE(created.exists) << "created after it was found missing";
    EXPECT_TRUE(sameStamp(created, fileStamp(path)));
    // One byte more within the same tick of the clock still differs.
    writeBytes(path, {'d', 'a', 't', 'a', '!'});
    std::filesystem::last_write_time(path, time);
    EXPECT_FALSE(sameStamp(created, fileStamp(path)));
    EXPECT_EQ(directoryOf("C:\\p\\plann"), "C:\\p\\");
    EXPECT_EQ(fileNameOf("/p/dWA0001.017"), "dWA0001.017");
}

} // namespace
