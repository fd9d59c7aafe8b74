#include "loaddata/PlanFile.h"

#include "loaddata/FixedLayout.h"
#include "loaddata/SuiteText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace loaddata
{

namespace
{

const unsigned char kSignature[8] = {'P', 'L', 'A', 'N', 'N', 0x1A, 0, 0};
constexpr uint16_t kVersion = 1;

// Header fields.
constexpr std::size_t kHVersion = 8, kHCount = 12, kHProject = 16, kHBuilding = 76,
                      kHEngineer = 136, kHCreated = 176, kHCheck = 341;
// Record fields.
constexpr std::size_t kRName = 0, kRProgram = 16, kRLetters = 21, kRFem = 25, kRStatus = 27,
                      kRRemark = 47, kRChanges = 117, kRVolume = 122, kRGroup = 162, kRCheck = 396;
constexpr std::size_t kProgramWidth = 5, kLettersWidth = 2, kChangesWidth = 5, kVolumeWidth = 40,
                      kGroupWidth = 40;

bool isDigits(const unsigned char* p, std::size_t n)
{
    return std::all_of(p, p + n, [](unsigned char c) { return c >= '0' && c <= '9'; });
}

// File letters go into a wildcard pattern, so only two letters or digits, or none.
bool isFileLetters(const std::string& letters)
{
    return letters.empty() ||
           (letters.size() == 2 && std::all_of(letters.begin(), letters.end(), [](char c) {
                return std::isalnum(static_cast<unsigned char>(c)) &&
                       static_cast<unsigned char>(c) < 0x80;
            }));
}

FormatError parseHeader(const unsigned char* h, PlanHeader& header, std::size_t& count)
{
    if (std::memcmp(h, kSignature, sizeof kSignature) != 0)
        return FormatError::BadMagic;
    if (readU16(h + kHVersion) != kVersion)
        return FormatError::BadVersion;
    if (!isSealed(h, kHCheck))
        return FormatError::BadChecksum;
    count = readU32(h + kHCount);
    if (!isPrintableField(h + kHProject, kHCreated + 10 - kHProject))
        return FormatError::BadContent;
    header.projectName = readField(h + kHProject, kHBuilding - kHProject);
    header.building = readField(h + kHBuilding, kHEngineer - kHBuilding);
    header.engineer = readField(h + kHEngineer, kHCreated - kHEngineer);
    header.created = readField(h + kHCreated, 10);
    return FormatError::None;
}

FormatError parseRecord(const unsigned char* r, PlanRecord& record)
{
    if (!isSealed(r, kRCheck))
        return FormatError::BadChecksum;
    record.name = readField(r + kRName, kPlanNameWidth);
    if (record.name.empty())
        return FormatError::None;
    const bool textsPrintable = isPrintableField(r, kRFem) &&
                                isPrintableField(r + kRStatus, kRGroup + kGroupWidth - kRStatus);
    if (!textsPrintable || !isDigits(r + kRProgram, kProgramWidth) ||
        !isDigits(r + kRChanges, kChangesWidth))
        return FormatError::BadContent;
    record.programCode.assign(reinterpret_cast<const char*>(r + kRProgram), kProgramWidth);
    record.fileLetters = readField(r + kRLetters, kLettersWidth);
    if (!isFileLetters(record.fileLetters))
        return FormatError::BadContent;
    record.femNumber = static_cast<int16_t>(readU16(r + kRFem));
    record.status.assign(reinterpret_cast<const char*>(r + kRStatus), kPlanStatusWidth);
    record.remark = readField(r + kRRemark, kPlanRemarkWidth);
    record.changes =
        std::atoi(std::string(reinterpret_cast<const char*>(r + kRChanges), kChangesWidth).c_str());
    record.volume = readField(r + kRVolume, kVolumeWidth);
    record.group = readField(r + kRGroup, kGroupWidth);
    return FormatError::None;
}

bool encodeHeader(const PlanHeader& header, std::size_t count, unsigned char* h)
{
    std::memcpy(h, kSignature, sizeof kSignature);
    writeU16(h + kHVersion, kVersion);
    writeU32(h + kHCount, static_cast<uint32_t>(count));
    const bool fits = writeField(h + kHProject, kHBuilding - kHProject, header.projectName) &&
                      writeField(h + kHBuilding, kHEngineer - kHBuilding, header.building) &&
                      writeField(h + kHEngineer, kHCreated - kHEngineer, header.engineer) &&
                      writeField(h + kHCreated, 10, header.created);
    seal(h, kHCheck);
    return fits;
}

bool isValidCode(const std::string& code)
{
    return code.size() == kProgramWidth &&
           isDigits(reinterpret_cast<const unsigned char*>(code.data()), code.size());
}

// An empty record is written with neutral fields, so that it too carries a valid check sum.
bool encodeRecord(const PlanRecord& given, unsigned char* r)
{
    PlanRecord empty;
    empty.programCode = std::string(kProgramWidth, '0');
    empty.status = std::string(kPlanStatusWidth, '0');
    const PlanRecord& record = given.name.empty() ? empty : given;
    char changes[8];
    std::snprintf(changes, sizeof changes, "%05d", std::clamp(record.changes, 0, kPlanMaxChanges));
    std::memset(r, 0, kPlanRecordSize);
    const bool fits = isValidCode(record.programCode) && record.status.size() == kPlanStatusWidth &&
                      record.changes >= 0 && record.changes <= kPlanMaxChanges &&
                      writeField(r + kRName, kPlanNameWidth, record.name) &&
                      writeField(r + kRLetters, kLettersWidth + 2, record.fileLetters) &&
                      writeField(r + kRRemark, kPlanRemarkWidth, record.remark) &&
                      writeField(r + kRVolume, kVolumeWidth, record.volume) &&
                      writeField(r + kRGroup, kGroupWidth, record.group) &&
                      isFileLetters(record.fileLetters);
    if (!fits)
        return false;
    std::memcpy(r + kRProgram, record.programCode.data(), kProgramWidth);
    std::memcpy(r + kRStatus, record.status.data(), kPlanStatusWidth);
    std::memcpy(r + kRChanges, changes, kChangesWidth);
    writeU16(r + kRFem, static_cast<uint16_t>(record.femNumber));
    seal(r, kRCheck);
    return true;
}

} // namespace

std::string planStatus(bool calculated)
{
    std::string status(kPlanStatusWidth, '0');
    status[0] = '1'; // input complete
    status[1] = '1'; // load data written
    status[2] = calculated ? '1' : '0';
    return status;
}

std::string planRemarkField(const PlanRecord& record)
{
    char changes[8];
    std::snprintf(changes, sizeof changes, "%05d", std::clamp(record.changes, 0, kPlanMaxChanges));
    std::string field = record.remark.substr(0, kPlanRemarkWidth);
    field.resize(kPlanRemarkWidth, ' ');
    return field + changes;
}

FormatError parsePlanFile(const unsigned char* data, std::size_t size, PlanFile& plan)
{
    if (size < kPlanHeaderSize)
        return FormatError::Truncated;
    std::size_t count = 0;
    const FormatError headerError = parseHeader(data, plan.header, count);
    if (headerError != FormatError::None)
        return headerError;
    return parseRecords(data, size, {kPlanHeaderSize, kPlanRecordSize, kPlanMaxRecords}, count,
                        parseRecord, plan.records);
}

FormatError encodePlanFile(const PlanFile& plan, std::vector<unsigned char>& bytes)
{
    const std::size_t count = plan.records.size();
    if (count > kPlanMaxRecords)
        return FormatError::InvalidData;
    bytes.assign(kPlanHeaderSize + count * kPlanRecordSize, 0);
    bool valid = encodeHeader(plan.header, count, bytes.data());
    for (std::size_t k = 0; k < count; ++k)
        valid =
            encodeRecord(plan.records[k], &bytes[kPlanHeaderSize + k * kPlanRecordSize]) && valid;
    return valid ? FormatError::None : FormatError::InvalidData;
}

FormatError readPlanFile(const std::string& path, PlanFile& plan)
{
    return readFixedLayoutFile(path, parsePlanFile, plan);
}

FormatError writePlanFile(const std::string& path, const PlanFile& plan)
{
    return writeFixedLayoutFile(path, encodePlanFile, plan);
}

} // namespace loaddata
