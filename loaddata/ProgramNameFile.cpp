#include "loaddata/ProgramNameFile.h"

#include "loaddata/FixedLayout.h"
#include "loaddata/SuiteText.h"

#include <cstdlib>
#include <cstring>

namespace loaddata
{

namespace
{

const unsigned char kSignature[8] = {'P', 'R', 'O', 'N', 'A', 'M', 'E', 'W'};
constexpr uint16_t kVersion = 1;
constexpr std::size_t kHVersion = 8, kHFirst = 10, kHCount = 12, kHCheck = 20;
constexpr std::size_t kRName = 0, kRShort = 30, kRVersion = 38, kRCheck = 54;

FormatError parseRecord(const unsigned char* r, ProgramRecord& record)
{
    if (!isSealed(r, kRCheck))
        return FormatError::BadChecksum;
    if (!isPrintableField(r, kRCheck))
        return FormatError::BadContent;
    record.name = readField(r + kRName, kRShort - kRName);
    record.shortName = readField(r + kRShort, kRVersion - kRShort);
    record.version = readField(r + kRVersion, kRCheck - kRVersion);
    return FormatError::None;
}

bool encodeRecord(const ProgramRecord& record, unsigned char* r)
{
    const bool fits = writeField(r + kRName, kRShort - kRName, record.name) &&
                      writeField(r + kRShort, kRVersion - kRShort, record.shortName) &&
                      writeField(r + kRVersion, kRCheck - kRVersion, record.version);
    seal(r, kRCheck);
    return fits;
}

} // namespace

int programNumberOf(const std::string& programCode)
{
    const std::size_t size = programCode.size();
    return std::atoi(programCode.substr(size < 3 ? 0 : size - 3).c_str());
}

FormatError parseProgramNameFile(const unsigned char* data, std::size_t size, ProgramNameFile& file)
{
    if (size < kProgramHeaderSize)
        return FormatError::Truncated;
    if (std::memcmp(data, kSignature, sizeof kSignature) != 0)
        return FormatError::BadMagic;
    if (readU16(data + kHVersion) != kVersion)
        return FormatError::BadVersion;
    if (!isSealed(data, kHCheck))
        return FormatError::BadChecksum;
    const std::size_t count = readU32(data + kHCount);
    if (readU16(data + kHFirst) != kFirstProgramNumber)
        return FormatError::BadContent;
    return parseRecords(data, size, {kProgramHeaderSize, kProgramRecordSize, kProgramMaxRecords},
                        count, parseRecord, file.programs);
}

FormatError encodeProgramNameFile(const ProgramNameFile& file, std::vector<unsigned char>& bytes)
{
    const std::size_t count = file.programs.size();
    if (count > kProgramMaxRecords)
        return FormatError::InvalidData;
    bytes.assign(kProgramHeaderSize + count * kProgramRecordSize, 0);
    std::memcpy(bytes.data(), kSignature, sizeof kSignature);
    writeU16(&bytes[kHVersion], kVersion);
    writeU16(&bytes[kHFirst], kFirstProgramNumber);
    writeU32(&bytes[kHCount], static_cast<uint32_t>(count));
    seal(bytes.data(), kHCheck);
    bool valid = true;
    for (std::size_t i = 0; i < count; ++i)
        valid =
            encodeRecord(file.programs[i], &bytes[kProgramHeaderSize + i * kProgramRecordSize]) &&
            valid;
    return valid ? FormatError::None : FormatError::InvalidData;
}

FormatError readProgramNameFile(const std::string& path, ProgramNameFile& file)
{
    return readFixedLayoutFile(path, parseProgramNameFile, file);
}

FormatError writeProgramNameFile(const std::string& path, const ProgramNameFile& file)
{
    return writeFixedLayoutFile(path, encodeProgramNameFile, file);
}

} // namespace loaddata
