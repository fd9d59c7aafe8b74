// The suite files with fixed layouts: the plan file and the program name file, byte for
// byte, on real, truncated, damaged and hostile input; the position file names.
#include "loaddata/FixedLayout.h"
#include "loaddata/PlanFile.h"
#include "loaddata/PositionFileName.h"
#include "loaddata/ProgramNameFile.h"
#include "loaddata/SuiteEnvironment.h"
#include "support/DamageChecks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

using namespace loaddata;

namespace
{

PlanRecord record(const std::string& name, int16_t femNumber = 0)
{
    PlanRecord r;
    r.name = name;
    r.programCode = "01067";
    r.fileLetters = "WA";
    r.femNumber = femNumber;
    r.status = planStatus(true);
    r.remark = "Mauerwerkswand KS 20-1,8";
    r.changes = 3;
    r.volume = "Band 1";
    r.group = "Erdgeschoss";
    return r;
}

auto fields(const PlanRecord& r)
{
    return std::tie(r.name, r.programCode, r.fileLetters, r.femNumber, r.status, r.remark,
                    r.changes, r.volume, r.group);
}

PlanFile samplePlan()
{
    PlanFile plan;
    plan.header = {"Wohnhaus Berg", "Neubau", "Ingenieurbuero Nord", "2026-11-02"};
    plan.records = {record("1.01 Wand"), PlanRecord(), record("1.03 Wand", -12)};
    return plan;
}

std::vector<unsigned char> encoded(const PlanFile& plan)
{
    std::vector<unsigned char> bytes;
    EXPECT_EQ(encodePlanFile(plan, bytes), FormatError::None);
    return bytes;
}

FormatError parsed(const std::vector<unsigned char>& bytes)
{
    PlanFile plan;
    return parsePlanFile(bytes.data(), bytes.size(), plan);
}

TEST(PlanFile, RoundTripWithTheSuitesOffsets)
{
    const std::vector<unsigned char> bytes = encoded(samplePlan());
    ASSERT_EQ(bytes.size(), 345u + 3 * 400);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[345]), 16), "1.01 Wand       ");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[345 + 16]), 5), "01067");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[345 + 400]), 16),
              std::string(16, ' '))
        << "an empty record is all blanks";
    EXPECT_EQ(static_cast<int16_t>(readU16(&bytes[345 + 800 + 25])), -12);

    PlanFile plan;
    ASSERT_EQ(parsePlanFile(bytes.data(), bytes.size(), plan), FormatError::None);
    EXPECT_EQ(plan.header.projectName, "Wohnhaus Berg");
    EXPECT_EQ(plan.header.created, "2026-11-02");
    ASSERT_EQ(plan.records.size(), 3u);
    EXPECT_TRUE(plan.records[1].name.empty());
    const PlanRecord& r = plan.records[2];
    EXPECT_EQ(fields(r), fields(record("1.03 Wand", -12)));
    const std::string field = planRemarkField(r);
    ASSERT_EQ(field.size(), 75u);
    EXPECT_EQ(field.substr(70), "00003");
    EXPECT_EQ(planStatus(false)[2], '0');
}

#if defined(_WIN32)
TEST(PlanFile, NamesAreStoredInTheOemCodePage)
{
    PlanFile plan = samplePlan();
    plan.records[0].name = "Tr\xe4ger";
    const std::vector<unsigned char> bytes = encoded(plan);
    EXPECT_EQ(bytes[345 + 2], 0x84) << "a-umlaut in code page 850";
    PlanFile back;
    ASSERT_EQ(parsePlanFile(bytes.data(), bytes.size(), back), FormatError::None);
    EXPECT_EQ(back.records[0].name, "Tr\xe4ger");
}
#endif

TEST(PlanFile, EveryTruncationAndEveryFlippedByteIsFound)
{
    expectCutsAndFlipsRefused(encoded(samplePlan()), parsed, {0x01});
}

// Each case changes the good file and seals the header or the first record again.
TEST(PlanFile, HostileHeadersAndRecordsAreRefused)
{
    const std::vector<unsigned char> good = encoded(samplePlan());
    const struct {
        const char* what;
        std::size_t at; // the header (0) or the first record (345)
        std::function<void(unsigned char*)> change;
        FormatError error;
    } cases[] = {
        {"a huge record count", 0, [](unsigned char* b) { writeU32(b + 12, 0xFFFFFFFFu); },
         FormatError::BadContent},
        {"more records than stored", 0, [](unsigned char* b) { writeU32(b + 12, 4); },
         FormatError::Truncated},
        {"a newer version", 0, [](unsigned char* b) { writeU16(b + 8, 2); },
         FormatError::BadVersion},
        {"a control character", 345, [](unsigned char* b) { b[3] = '\n'; },
         FormatError::BadContent},
        {"a program code of digits only", 345, [](unsigned char* b) { b[16] = 'x'; },
         FormatError::BadContent},
        {"file letters go into a pattern", 345, [](unsigned char* b) { b[21] = '*'; },
         FormatError::BadContent},
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> bytes = good;
        c.change(&bytes[c.at]);
        seal(&bytes[c.at], c.at == 0 ? 341 : 396);
        EXPECT_EQ(parsed(bytes), c.error) << c.what;
    }
    EXPECT_EQ(parsed({'P', 'K', 3, 4}), FormatError::Truncated);
}

TEST(PlanFile, WriterRefusesWhatTheLayoutCannotHold)
{
    const std::function<void(PlanRecord&)> changes[] = {
        [](PlanRecord& r) { r.name = "a name of seventeen"; },
        [](PlanRecord& r) { r.programCode = "67"; },
        [](PlanRecord& r) { r.fileLetters = "*?"; }, // letters only
        [](PlanRecord& r) { r.changes = 100000; },
    };
    for (const auto& change : changes) {
        PlanFile plan = samplePlan();
        change(plan.records[0]);
        std::vector<unsigned char> bytes;
        EXPECT_EQ(encodePlanFile(plan, bytes), FormatError::InvalidData);
    }
}

TEST(ProgramNameFile, RoundTripOffsetsAndDamage)
{
    ProgramNameFile file;
    file.programs = {{"Durchlauftraeger", "DLT", "1.10"}, {}, {"Mauerwerk", "MW", "2.0"}};
    std::vector<unsigned char> bytes;
    ASSERT_EQ(encodeProgramNameFile(file, bytes), FormatError::None);
    ASSERT_EQ(bytes.size(), 24u + 3 * 58);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[24 + 58 * (67 - 65)]), 30),
              "Mauerwerk" + std::string(21, ' '));
    ProgramNameFile back;
    ASSERT_EQ(parseProgramNameFile(bytes.data(), bytes.size(), back), FormatError::None);
    ASSERT_EQ(back.programs.size(), 3u);
    EXPECT_EQ(back.programs[0].name, "Durchlauftraeger");
    EXPECT_EQ(back.programs[0].shortName, "DLT");
    EXPECT_EQ(back.programs[2].version, "2.0");
    EXPECT_TRUE(back.programs[1].name.empty());

    expectCutsAndFlipsRefused(bytes,
                              [&back](const std::vector<unsigned char>& b) {
                                  return parseProgramNameFile(b.data(), b.size(), back);
                              },
                              {0x40});
    std::vector<unsigned char> huge = bytes;
    writeU32(&huge[12], 0x7FFFFFFF);
    seal(huge.data(), 20);
    EXPECT_EQ(parseProgramNameFile(huge.data(), huge.size(), back), FormatError::BadContent);
    std::vector<unsigned char> first = bytes;
    writeU16(&first[10], 66); // the first program's number
    seal(first.data(), 20);
    EXPECT_EQ(parseProgramNameFile(first.data(), first.size(), back), FormatError::BadContent);

    EXPECT_EQ(programNumberOf("01067"), 67);
    EXPECT_EQ(programNumberOf("00000"), 0);
    EXPECT_EQ(programNumberOf("65"), 65);
    file.programs[0].name = std::string(31, 'x');
    EXPECT_EQ(encodeProgramNameFile(file, bytes), FormatError::InvalidData);
}

TEST(PositionFileName, PatternsAndFilesOfAPosition)
{
    PlanRecord r = record("x");
    r.fileLetters = "";
    EXPECT_EQ(loadFilePattern(ProjectKind::Current, r, 12344), "d??2345.017");
    r.fileLetters = "WA";
    EXPECT_EQ(loadFilePattern(ProjectKind::Current, r, 3), "dWA0004.017");
    r.femNumber = 1234;
    EXPECT_EQ(loadFilePattern(ProjectKind::Fem, r, 0), "kv001234.017");
    r.femNumber = -5;
    EXPECT_EQ(loadFilePattern(ProjectKind::Fem, r, 0), "kv-00005.017");

    EXPECT_TRUE(namesPosition("kv-00005.016", r, 7));
    EXPECT_TRUE(namesPosition("Dwa0004.017", r, 3)) << "Windows names ignore case";
    EXPECT_FALSE(namesPosition("dHO0004.017", r, 3)) << "other letters";
    EXPECT_FALSE(namesPosition("dWA0005.017", r, 3));
    EXPECT_FALSE(namesPosition("dWA0004.017", PlanRecord(), 3)) << "an empty record";

    std::string out;
    EXPECT_TRUE(transferFileOf("C:\\p\\dWA0004.017", out));
    EXPECT_EQ(out, "C:\\p\\dWA0004.016");
    EXPECT_TRUE(loadFileOf("C:\\p\\dWA0004.016", out));
    EXPECT_EQ(out, "C:\\p\\dWA0004.017");
    EXPECT_FALSE(transferFileOf("C:\\p.017\\plann", out));
    ProjectKind kind;
    EXPECT_TRUE(projectKindOf("kv000101.017", kind));
    EXPECT_EQ(kind, ProjectKind::Fem);
    EXPECT_TRUE(projectKindOf("dBA0003.016", kind));
    EXPECT_EQ(kind, ProjectKind::Current);
    EXPECT_FALSE(projectKindOf("plann", kind));
    EXPECT_FALSE(projectKindOf("dBA00003.017", kind));
}

TEST(SuiteEnvironment, FileStampsFollowFilesThatComeAndGo)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "kvstamp_suite_files_test";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "dWA0001.016").string();
    std::remove(path.c_str());
    EXPECT_FALSE(fileStamp(path).exists);
    EXPECT_FALSE(fileStamp(path).exists) << "still missing";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("data", f);
    std::fclose(f);
    // Dated by the same call as below, whatever resolution it keeps.
    const auto time = std::filesystem::last_write_time(path);
    std::filesystem::last_write_time(path, time);
    const FileStamp created = fileStamp(path);
    EXPECT_TRUE(created.exists) << "created after it was found missing";
    EXPECT_EQ(created.size, 4u);
    EXPECT_TRUE(sameStamp(created, fileStamp(path)));
    // One byte more within the same tick of the clock still differs.
    f = std::fopen(path.c_str(), "ab");
    ASSERT_NE(f, nullptr);
    std::fputs("!", f);
    std::fclose(f);
    std::filesystem::last_write_time(path, time);
    EXPECT_FALSE(sameStamp(created, fileStamp(path)));
    std::remove(path.c_str());
    EXPECT_FALSE(fileStamp(path).exists);
    std::filesystem::remove_all(folder);
    EXPECT_EQ(directoryOf("C:\\p\\plann"), "C:\\p\\");
    EXPECT_EQ(fileNameOf("/p/dWA0001.017"), "dWA0001.017");
    EXPECT_EQ(directoryOf("plann"), "");
}

} // namespace
